// The flat records an owner of children writes and reads: what empty children look like, and
// what CopiarDe makes of inconsistent pairs. (Where each child lands is checked for every
// library class by the generic round trips in gc/Conformidade and at literal offsets by the
// area tests; member keys by the derived-accessor tests.)
#include <gtest/gtest.h>

#include <cstring>

#include "ClassesTeste.h"
#include "support/Alocacoes.h"

namespace {

using namespace NXTeste;

TEST(Transferencia, FilhosVaziosViajamComoZeroENulo) {
    VigiaAlocacoes vigia;
    CTeste_Dono d;
    d.SetTotal(tagCY{5});
    _REG_TESTE_DONOPS r;
    for (Alocador alocador : {Alocador::Heap, Alocador::Tarefa}) {
        std::memset(static_cast<void*>(&r), 0xCD, sizeof r);  // pointers the destination held are overwritten
        if (alocador == Alocador::Heap) d.CopiarPara(&r);
        else d.CopiarParaPS(&r);
        _REG_TESTE_DONOPS esperado{};
        esperado.Total = tagCY{5};
        EXPECT_TRUE(std::memcmp(&r, &esperado, sizeof r) == 0);
    }
    EXPECT_EQ(vigia.Alocacoes(), 0);
}

// A count without a pointer, or a pointer without a count, reads as an empty list; in both cases
// the object's own pair ends (0, null).
TEST(Transferencia, ParesInconsistentesLidosComoListaVazia) {
    _REG_TESTE_LINHAPS linhas[2]{};
    _REG_TESTE_GRUPOPS grupos[2]{};
    ULONG numeros[2]{7, 8};
    const struct {
        const char* caso;
        NXQuantidade quantidade;
        bool comPonteiro;
    } kCases[]{{"count without pointer", NXQuantidade{2}, false}, {"pointer without count", NXQuantidade{0}, true}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.caso);
        _REG_TESTE_DONOPS r{};
        r.Situacao = 3;
        r.QuantidadeLinha = r.QuantidadeGrupo = r.QuantidadeNumero = c.quantidade;
        if (c.comPonteiro) {
            r.pLinha = linhas;
            r.pGrupo = grupos;
            r.pNumero = numeros;
        }
        const _REG_TESTE_DONOPS antes = r;
        CTeste_Dono d = DonoCompleto();  // what CopiarDe must drop
        d.CopiarDe(&r);
        CTeste_Dono esperado;
        esperado.SetSituacao(3);
        EXPECT_TRUE(d == esperado) << "no child, and the object's own pairs must read (0, null)";
        EXPECT_EQ(std::memcmp(&r, &antes, sizeof r), 0);
    }
}

}  // namespace
