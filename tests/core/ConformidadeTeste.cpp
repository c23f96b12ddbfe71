// What the library-wide suite (gc/Conformidade) cannot see from its random trees: children
// that are present but empty, and how empty ones travel; assignment from an rvalue; the bare
// protocol class used directly.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <utility>

#include "ClassesTeste.h"
#include "support/Alocacoes.h"

namespace {

using namespace NXTeste;

// An element, even an empty one, makes its owner non-empty and different from a new object.
TEST(Conformidade, FilhoVazioContaComoConteudo) {
    VigiaAlocacoes vigia;
    const CTeste_Dono novo;
    const std::pair<const char*, std::function<void(CTeste_Dono&)>> kMudancas[]{
        {"empty line", [](CTeste_Dono& o) { o.AdicionaLinha(CTeste_Linha{}); }},
        {"empty group", [](CTeste_Dono& o) { o.AdicionaGrupo(CTeste_Grupo{}); }},
        {"empty held line", [](CTeste_Dono& o) { o.IncluiExtra(); }},
        {"number zero", [](CTeste_Dono& o) { o.AdicionaNumero(0); }},
    };
    for (const auto& [nome, mudar] : kMudancas) {
        CTeste_Dono o;
        mudar(o);
        EXPECT_FALSE(o.EstaVazio()) << nome;
        EXPECT_TRUE(o != novo) << nome;
        o.Limpar();
        EXPECT_TRUE(o.EstaVazio()) << nome;
    }
}

// Empty lists and an empty holder travel as (0, null), whatever the destination held, and
// nothing is allocated for them.
TEST(Transferencia, FilhosVaziosViajamComoZeroENulo) {
    VigiaAlocacoes vigia;
    CTeste_Dono d;
    d.SetTotal(tagCY{5});
    _REG_TESTE_DONOPS r;
    for (bool ps : {false, true}) {
        std::memset(static_cast<void*>(&r), 0xCD, sizeof r);  // pointers the destination held are overwritten
        if (ps) d.CopiarParaPS(&r);
        else d.CopiarPara(&r);
        _REG_TESTE_DONOPS esperado{};
        esperado.Total = tagCY{5};
        EXPECT_TRUE(std::memcmp(&r, &esperado, sizeof r) == 0);
    }
    EXPECT_EQ(vigia.Alocacoes(), 0);
}

TEST(Conformidade, AtribuicaoDeRvalueNaoEsvaziaAFonte) {
    VigiaAlocacoes vigia;
    CTeste_Dono a = DonoCompleto(), d;
    d = std::move(a);
    EXPECT_TRUE(d == DonoCompleto());
    EXPECT_TRUE(a == DonoCompleto()) << "assignment from an rvalue emptied its source";
}

TEST(TNXBaseParaDados, UsadoDiretamente) {
    TNXBaseParaDados base;
    const CTeste_Dono dono = DonoCompleto();
    CTeste_Dono alvo = dono;
    EXPECT_TRUE(base.EstaVazio());
    EXPECT_TRUE(base.Igual(&dono));  // the bare protocol is equal to anything...
    EXPECT_FALSE(alvo.Igual(&base));  // ...but no data class is equal to it
    alvo.Copiar(&base);
    EXPECT_TRUE(alvo == dono);
    base.Copiar(&dono);
    base.Limpar();
    EXPECT_TRUE(base.EstaVazio());
    EXPECT_TRUE(dono == DonoCompleto());
    EXPECT_EQ(base.GetModulo(), 1);
    const ULONG valor = 0xCAFEF00D;
    EXPECT_EQ(base.GetValorInicial(&valor), valor);
    EXPECT_EQ(base.GetValorInicial(nullptr), 0u);

    // Two table pointers, CObject's first, and no data.
    EXPECT_EQ(sizeof(TNXBaseParaDados), 2 * sizeof(void*));
    EXPECT_EQ(static_cast<void*>(static_cast<CObject*>(&base)), static_cast<void*>(&base));
    EXPECT_EQ(CRuntimeClass::FromName("T_NXDadosRegistro"), nullptr);  // the templates have no record
}

}  // namespace
