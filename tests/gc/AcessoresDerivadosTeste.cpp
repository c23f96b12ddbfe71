// Accessors beyond a plain field, one table each across every area: key views (the exact bytes
// each getter reads and each setter writes), range setters (both ends), member keys (restored
// into the member, zero in the object's own record) and the computed total of hours.
#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstring>
#include <memory>
#include <type_traits>
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

// ---- Range setters ------------------------------------------------------------------------------

// Set<Nome>(v) on a record whose every byte is set: exactly <Nome>Inicial and <Nome>Final change.
struct Faixa {
    const char* nome;
    const InfoClasse* (*info)();
    std::size_t inicial, final_, largura;
    void (*definir)(TNXBaseParaDados& o, const unsigned char* valor);
};

#define NX_TESTE_FAIXA(Classe, Nome)                                                                  \
    Faixa {                                                                                           \
        #Classe "::Set" #Nome, &InfoDe<Classe>, offsetof(Classe::Registro, Nome##Inicial),            \
            offsetof(Classe::Registro, Nome##Final), sizeof(Classe::Registro::Nome##Inicial),         \
            [](TNXBaseParaDados& o, const unsigned char* b) {                                         \
                std::remove_cvref_t<decltype(Classe::Registro::Nome##Inicial)> v;                     \
                std::memcpy(static_cast<void*>(&v), b, sizeof v);                                     \
                static_cast<Classe&>(o).Set##Nome(v);                                                 \
            }                                                                                         \
    }

const Faixa kFaixas[] = {
    NX_TESTE_FAIXA(CNXDadosGC_FiltroCustoProducao, Chave),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroCustoProducao, MaCompetencia),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroCustoProducao, MaTree),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroCustoComercial, MaCompetencia),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroCustoComercial, MaCompetenciaTree),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoDespesas, Chave),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoDespesas, MaCompetencia),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoDespesas, MaTree),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoGGF, Chave),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoGGF, MaCompetencia),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoGGF, MaTree),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoHoras, Chave),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoHoras, MaCompetencia),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoHoras, MaTree),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoTerceirizacao, Chave),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoTerceirizacao, MaCompetencia),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroLancamentoTerceirizacao, MaTree),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroEncerramentoCustos, MaCompetencia),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroRentabilidade, Dma),
    NX_TESTE_FAIXA(CNXDadosGC_FiltroRentabilidade, NrNF),
};

// Integral ends are taken by value, structured ones by constant reference; a filter selecting
// one competence through its range has no field of that name to read.
static_assert(std::is_same_v<decltype(&CNXDadosGC_FiltroRentabilidade::SetNrNF),
                             void (CNXDadosGC_FiltroRentabilidade::*)(ULONG)>);
static_assert(std::is_same_v<decltype(&CNXDadosGC_FiltroRentabilidade::SetDma),
                             void (CNXDadosGC_FiltroRentabilidade::*)(const REG_NXDMA&)>);
template <class F>
concept TemGetMaCompetencia = requires(const F& f) { f.GetMaCompetencia(); };
static_assert(!TemGetMaCompetencia<CNXDadosGC_FiltroEncerramentoCustos>);
static_assert(TemGetMaCompetencia<CNXDadosGC_ParametrosInvalidarEncerramentoCustos>);  // the check can see one

TEST(Faixas, SetorGravaAsDuasPontas) {
    for (const auto& faixa : kFaixas) {
        SCOPED_TRACE(faixa.nome);
        const InfoClasse& info = *faixa.info();
        const Bytes cheio = Padrao(info, 5);
        auto o = Ler(info, cheio);
        const unsigned char valor[8] = {0x0D, 0x0C, 0x0B, 0x0A, 0x09, 0x08, 0x07, 0x06};
        faixa.definir(*o, valor);
        Bytes esperado = cheio;
        std::memcpy(&esperado[faixa.inicial], valor, faixa.largura);
        std::memcpy(&esperado[faixa.final_], valor, faixa.largura);
        EXPECT_EQ(Escrever(info, *o), esperado);
    }
}

// ---- Member keys --------------------------------------------------------------------------------

// A key the object holds as a member (Get<Nome>() gives it, Set<Nome>() copies into it), whose
// record travels in the area of the object's record at byte `area`.
template <class C, class K>
void VerificarChaveMembro(const char* nome, std::size_t area, K& (*membro)(C&), C& (C::*set)(const K&)) {
    SCOPED_TRACE(nome);
    using RK = typename K::Registro;
    const InfoClasse& info = *InfoDe<C>();
    const Bytes cheio = Padrao(info, 17);
    C o;
    o.CopiarDe(reinterpret_cast<const typename C::Registro*>(cheio.data()));
    RK chave;
    membro(o).CopiarPara(&chave);
    EXPECT_EQ(BytesDe(chave), Bytes(&cheio[area], &cheio[area] + sizeof chave)) << "key restored into the member";
    Bytes esperado = cheio;  // zero under every member key
    for (const auto& f : info.filhos)
        if (f.tipo == NXDadosGC::TipoFilho::Membro) std::memset(&esperado[f.ponteiro], 0, f.tamanhoRegistro);
    EXPECT_EQ(BytesDe(o.GetReg()), esperado) << "own record as read, but zero under the key";
    EXPECT_EQ(Escrever(info, o), cheio) << "the key goes back into its area";

    // The member takes part in the comparison although both own records are zero there.
    reinterpret_cast<unsigned char*>(&chave)[sizeof chave - 1] ^= 0xFF;
    K mudada;
    mudada.CopiarDe(&chave);
    C outro = o;
    (outro.*set)(mudada);
    EXPECT_EQ(BytesDe(outro.GetReg()), esperado);
    EXPECT_FALSE(outro == o);
    Bytes comMudanca = cheio;
    comMudanca[area + sizeof chave - 1] ^= 0xFF;
    EXPECT_EQ(Escrever(info, outro), comMudanca);

    membro(o).Limpar();  // in place, through the reference
    std::memset(&comMudanca[area], 0, sizeof chave);
    EXPECT_EQ(Escrever(info, o), comMudanca);
}

#define NX_TESTE_CHAVE_MEMBRO(Classe, Nome)                                                              \
    VerificarChaveMembro<Classe>(#Classe "::" #Nome, offsetof(Classe::Registro, Nome),                   \
                                 +[](Classe& c) -> auto& { return c.Get##Nome(); }, &Classe::Set##Nome)

TEST(ChavesMembro, RestauradasNoMembroEZeroNoRegistroProprio) {
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_KeyCustoProducao, KeyCompetencia);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_KeyCustoProducao, KeyProdutoServico);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_KeyProcessoCustoProducao, KeyCustoProducao);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_KeyInsumoCustoProducao, KeyCustoProducao);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_HorasCentroCustos, KeyCentroCustosCompetencia);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_FiltroCustoProducao, KeyProdutoServico);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_ParametrosCargaCustoProducao, KeyCompetencia);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_FiltroCustoComercial, KeyProdutoServico);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_IdentificacaoIndiceCustos, KeyProdutoServico);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_FiltroLancamentoTerceirizacao, KeyProdutoServico);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_ProdutoServicoClasse, KeyProdutoServicoClasse);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_Rentabilidade, KeyRentabilidade);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_RentabilidadeProdutoServico, KeyProdutoServico);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_MargemContribuicaoProdServ, KeyProdutoServico);
    NX_TESTE_CHAVE_MEMBRO(CNXDadosGC_FormacaoPreco, KeyProdutoServico);
}

// ---- Total of hours -----------------------------------------------------------------------------

template <class C>
LONGLONG TotalDeHoras(LONGLONG producao, LONGLONG ociosas) {
    C o;
    o.SetQuantHorasProducao(tagCY{producao}).SetQuantHorasOciosas(tagCY{ociosas});
    const auto antes = BytesDe(o.GetReg());
    const LONGLONG total = o.GetQuantHorasTotal().int64;
    EXPECT_EQ(BytesDe(o.GetReg()), antes) << "nothing is stored";
    return total;
}

// Hours in ten-thousandths; the total saturates, never wraps.
TEST(TotalDeHoras, SomaProducaoEOciosas) {
    const struct {
        LONGLONG producao, ociosas, total;
    } kCasos[] = {
        {75'000, 2'500, 77'500},          // 7.5 + 0.25
        {-30'000, 12'500, -17'500},       // -3 + 1.25
        {-25'000, -5'000, -30'000},       // -2.5 - 0.5
        {0, 0, 0},
        {LLONG_MAX, 10'000, LLONG_MAX},
        {LLONG_MIN, -1, LLONG_MIN},
    };
    for (const auto& c : kCasos) {
        SCOPED_TRACE(c.producao);
        EXPECT_EQ(TotalDeHoras<CNXDadosGC_LancamentoHoras>(c.producao, c.ociosas), c.total);
        EXPECT_EQ(TotalDeHoras<CNXDadosGC_CustoHora>(c.producao, c.ociosas), c.total);
        EXPECT_EQ(TotalDeHoras<CNXDadosGC_HorasCentroCustos>(c.producao, c.ociosas), c.total);
    }
}

}  // namespace
