// Accessors beyond a plain field: key views (the exact bytes each getter reads and each setter
// writes, one table across every area), range setters, member keys and the computed total of
// hours. (What member keys do in transfers and comparisons the generic suites check.)
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <memory>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {

using NXDadosGC::InfoClasse;
using NXDadosGC::detail::InfoDe;
using Bytes = std::vector<unsigned char>;

// A record image of a class whose every byte is non-zero and differs from its neighbours, except
// the (count, pointer) pairs and holder pointers, which stay zero.
Bytes Padrao(const InfoClasse& info, unsigned semente) {
    Bytes b(info.tamanhoRegistro);
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = static_cast<unsigned char>(1 + (semente + 37 * i) % 251);
    for (const auto& f : info.filhos) {
        if (f.tipo == NXDadosGC::TipoFilho::Membro) continue;
        if (f.tipo == NXDadosGC::TipoFilho::Lista) std::memset(b.data() + f.quantidade, 0, 4);
        std::memset(b.data() + f.ponteiro, 0, 8);
    }
    return b;
}

std::unique_ptr<TNXBaseParaDados> Ler(const InfoClasse& info, const Bytes& registro) {
    std::unique_ptr<TNXBaseParaDados> o(info.criar());
    info.copiarDe(*o, registro.data());
    return o;
}
Bytes Escrever(const InfoClasse& info, const TNXBaseParaDados& o) {
    Bytes b(info.tamanhoRegistro, 0xCD);
    info.copiarPara(o, b.data());
    return b;
}
template <class R>
Bytes BytesDe(const R& r) {
    const auto* p = reinterpret_cast<const unsigned char*>(&r);
    return Bytes(p, p + sizeof r);
}

// ---- Key views ----------------------------------------------------------------------------------

// A view maps some bytes of the key's record (a composite key's through its member keys) onto
// bytes of its owner's record.
struct VisaoChave {
    const char* nome;
    const InfoClasse* (*dono)();
    std::size_t tamanhoChave;
    struct Par {
        std::size_t daChave, doDono, largura;
    };
    std::vector<Par> pares;
    void (*obter)(const TNXBaseParaDados& dono, unsigned char* chave);
    void (*definir)(TNXBaseParaDados& dono, const unsigned char* chave);
};

#define NX_TESTE_VISAO(Dono, Chave, ...)                                                            \
    VisaoChave {                                                                                    \
        #Dono "." #Chave, &InfoDe<Dono>, sizeof(CNXDadosGC_##Chave::Registro), __VA_ARGS__,         \
            [](const TNXBaseParaDados& d, unsigned char* b) {                                       \
                static_cast<const Dono&>(d).Get##Chave().CopiarPara(                                \
                    reinterpret_cast<CNXDadosGC_##Chave::Registro*>(b));                            \
            },                                                                                      \
            [](TNXBaseParaDados& d, const unsigned char* b) {                                       \
                CNXDadosGC_##Chave chave;                                                           \
                chave.CopiarDe(reinterpret_cast<const CNXDadosGC_##Chave::Registro*>(b));           \
                static_cast<Dono&>(d).Set##Chave(chave);                                            \
            }                                                                                       \
    }

const VisaoChave kVisoes[] = {
    NX_TESTE_VISAO(CNXDadosGC_CustoProducao, KeyCompetencia, {{0, 72, 2}, {2, 74, 2}}),
    NX_TESTE_VISAO(CNXDadosGC_CustoProducao, KeyProdutoServico, {{0, 0, 16}, {16, 76, 1}}),
    NX_TESTE_VISAO(CNXDadosGC_CustoProducao, KeyProdutoServicoCompetencia,
                   {{0, 0, 16}, {16, 72, 2}, {18, 74, 2}, {20, 76, 1}}),
    // The key's process reference (16..19) is not part of a production cost.
    NX_TESTE_VISAO(CNXDadosGC_CustoProducao, KeyCustoProdutoServico,
                   {{0, 0, 16}, {20, 72, 2}, {22, 74, 2}, {24, 76, 1}, {25, 77, 1}}),
    // Composite: competence key at 0, product/service key at 8.
    NX_TESTE_VISAO(CNXDadosGC_CustoProducao, KeyCustoProducao, {{0, 72, 2}, {2, 74, 2}, {8, 0, 16}, {24, 76, 1}}),
    // A commercial cost has neither TipoCusto nor a process reference.
    NX_TESTE_VISAO(CNXDadosGC_CustoComercial, KeyProdutoServico, {{0, 0, 16}, {16, 44, 1}}),
    NX_TESTE_VISAO(CNXDadosGC_CustoComercial, KeyCompetencia, {{0, 40, 2}, {2, 42, 2}}),
    NX_TESTE_VISAO(CNXDadosGC_CustoComercial, KeyCustoProdutoServico, {{0, 0, 16}, {20, 40, 2}, {22, 42, 2}, {24, 44, 1}}),
    NX_TESTE_VISAO(CNXDadosGC_LancamentoTerceirizacao, KeyProdutoServico, {{0, 0, 16}, {16, 60, 1}}),
    NX_TESTE_VISAO(CNXDadosGC_EncerramentoCustos, KeyCompetencia, {{0, 28, 2}, {2, 30, 2}}),
    NX_TESTE_VISAO(CNXDadosGC_KeyCentroCustosCompetencia, KeyCompetencia, {{0, 4, 2}, {2, 6, 2}}),
    NX_TESTE_VISAO(CNXDadosGC_KeyAlocacaoGGF, KeyCompetencia, {{0, 8, 2}, {2, 10, 2}}),
    NX_TESTE_VISAO(CNXDadosGC_KeyAlocacaoGGF, KeyCentroCustosCompetencia, {{0, 4, 4}, {4, 8, 2}, {6, 10, 2}}),
    NX_TESTE_VISAO(CNXDadosGC_KeyProdutoServicoCompetencia, KeyProdutoServico, {{0, 0, 16}, {16, 20, 1}}),
    NX_TESTE_VISAO(CNXDadosGC_KeyProdutoServicoCompetencia, KeyCompetencia, {{0, 16, 2}, {2, 18, 2}}),
    NX_TESTE_VISAO(CNXDadosGC_KeyCustoProdutoServico, KeyProdutoServico, {{0, 0, 16}, {16, 24, 1}}),
    NX_TESTE_VISAO(CNXDadosGC_KeyCustoProdutoServico, KeyCompetencia, {{0, 20, 2}, {2, 22, 2}}),
    NX_TESTE_VISAO(CNXDadosGC_KeyRentabilidade, KeyProdutoServico, {{0, 0, 16}, {16, 20, 1}}),
    // Locator from PosicaoProduto, type from byte 38.
    NX_TESTE_VISAO(CNXDadosGC_KeyIdentificacaoIndiceCustos, KeyProdutoServico, {{0, 0, 16}, {16, 38, 1}}),
};

TEST(VisoesDeChave, CadaUmaLeEGravaSoOsSeusBytes) {
    for (const auto& visao : kVisoes) {
        SCOPED_TRACE(visao.nome);
        const InfoClasse& info = *visao.dono();
        const Bytes cheio = Padrao(info, 9);
        auto dono = Ler(info, cheio);

        // Get: the mapped bytes come from the owner, every other byte of the key is zero.
        Bytes obtida(visao.tamanhoChave, 0xCD), esperada(visao.tamanhoChave, 0);
        visao.obter(*dono, obtida.data());
        for (const auto& p : visao.pares) std::memcpy(&esperada[p.daChave], &cheio[p.doDono], p.largura);
        EXPECT_EQ(obtida, esperada);

        // Set: the mapped bytes take the key's values; nothing else of the owner changes.
        Bytes chave(visao.tamanhoChave);
        for (std::size_t i = 0; i < chave.size(); ++i) chave[i] = static_cast<unsigned char>(0xA0 + i);
        visao.definir(*dono, chave.data());
        Bytes esperado = cheio;
        for (const auto& p : visao.pares) std::memcpy(&esperado[p.doDono], &chave[p.daChave], p.largura);
        EXPECT_EQ(Escrever(info, *dono), esperado);
    }
}

// ---- Range setters, member keys, total of hours ---------------------------------------------------

TEST(Faixas, SetorGravaAsDuasPontas) {
    CNXDadosGC_FiltroRentabilidade f;
    f.SetNrNF(0x0A0B0C0D);
    EXPECT_EQ(f.GetNrNFInicial(), 0x0A0B0C0Du);
    EXPECT_EQ(f.GetNrNFFinal(), 0x0A0B0C0Du);
}

// A member key read from a record lives in the member alone: the object's own record is zero
// under it, so an object whose key is set later compares equal to one read with that key.
TEST(ChavesMembro, RegistroProprioZeroSobAChave) {
    using C = CNXDadosGC_KeyProcessoCustoProducao;
    const InfoClasse& info = *InfoDe<C>();
    const Bytes cheio = Padrao(info, 17);
    C o;
    o.CopiarDe(reinterpret_cast<const C::Registro*>(cheio.data()));
    Bytes esperado = cheio;
    for (const auto& f : info.filhos)
        if (f.tipo == NXDadosGC::TipoFilho::Membro) std::memset(&esperado[f.ponteiro], 0, f.tamanhoRegistro);
    EXPECT_EQ(BytesDe(o.GetReg()), esperado);
}

// Hours in ten-thousandths: production plus idle, 7.5 + 0.25.
template <class C>
LONGLONG TotalDeHoras() {
    C o;
    o.SetQuantHorasProducao(tagCY{75'000}).SetQuantHorasOciosas(tagCY{2'500});
    return o.GetQuantHorasTotal().int64;
}

TEST(TotalDeHoras, SomaProducaoEOciosas) {
    EXPECT_EQ(TotalDeHoras<CNXDadosGC_LancamentoHoras>(), 77'500);
    EXPECT_EQ(TotalDeHoras<CNXDadosGC_CustoHora>(), 77'500);
    EXPECT_EQ(TotalDeHoras<CNXDadosGC_HorasCentroCustos>(), 77'500);
}

}  // namespace
