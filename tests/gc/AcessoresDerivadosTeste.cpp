// Accessors beyond a plain field: key views (the exact bytes each getter reads and each setter
// writes, one table across every area), range setters, member keys, and what getters compute:
// the total of hours, a cost centre's texts and characteristic names, the competences of
// periods. (What member keys do in transfers and comparisons the generic suites check.)
#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Alocacoes.h"

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

template <class R>
Bytes BytesDe(const R& r) {
    const auto* p = reinterpret_cast<const unsigned char*>(&r);
    return Bytes(p, p + sizeof r);
}

// ---- Key views ----------------------------------------------------------------------------------

// A view maps bytes of the key's record (a composite key's through its member keys) onto bytes
// of its owner's record, each pair {key offset, owner offset, width}. Get: the mapped bytes come
// from the owner, every other byte of the key is zero. Set: the mapped bytes take the key's
// values, nothing else of the owner changes.
struct Par {
    std::size_t daChave, doDono, largura;
};
template <class Dono, class Chave>
void ConfereVisao(Chave (Dono::*obter)() const, void (Dono::*definir)(const Chave&), std::initializer_list<Par> pares) {
    using RegChave = typename Chave::Registro;
    const Bytes cheio = Padrao(*InfoDe<Dono>(), 9);
    Dono dono;
    dono.CopiarDe(reinterpret_cast<const typename Dono::Registro*>(cheio.data()));
    Bytes obtida(sizeof(RegChave), 0xCD), esperada(sizeof(RegChave), 0);
    (dono.*obter)().CopiarPara(reinterpret_cast<RegChave*>(obtida.data()));
    for (const Par& p : pares) std::memcpy(&esperada[p.daChave], &cheio[p.doDono], p.largura);
    EXPECT_EQ(obtida, esperada);

    Bytes bytes(sizeof(RegChave)), esperado = cheio;
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<unsigned char>(0xA0 + i);
    Chave chave;
    chave.CopiarDe(reinterpret_cast<const RegChave*>(bytes.data()));
    (dono.*definir)(chave);
    for (const Par& p : pares) std::memcpy(&esperado[p.doDono], &bytes[p.daChave], p.largura);
    Bytes escrito(cheio.size(), 0xCD);
    dono.CopiarPara(reinterpret_cast<typename Dono::Registro*>(escrito.data()));
    EXPECT_EQ(escrito, esperado);
}
#define NX_TESTE_VISAO(Dono, Chave, ...)                                                             \
    {                                                                                                \
        SCOPED_TRACE(#Dono "." #Chave);                                                              \
        ConfereVisao(&CNXDadosGC_##Dono::Get##Chave, &CNXDadosGC_##Dono::Set##Chave, __VA_ARGS__); \
    }

TEST(VisoesDeChave, CadaUmaLeEGravaSoOsSeusBytes) {
    NX_TESTE_VISAO(CustoProducao, KeyCompetencia, {{0, 72, 2}, {2, 74, 2}})
    NX_TESTE_VISAO(CustoProducao, KeyProdutoServico, {{0, 0, 16}, {16, 76, 1}})
    NX_TESTE_VISAO(CustoProducao, KeyProdutoServicoCompetencia, {{0, 0, 16}, {16, 72, 2}, {18, 74, 2}, {20, 76, 1}})
    // The key's process reference (16..19) is not part of a production cost.
    NX_TESTE_VISAO(CustoProducao, KeyCustoProdutoServico,
                   {{0, 0, 16}, {20, 72, 2}, {22, 74, 2}, {24, 76, 1}, {25, 77, 1}})
    // Composite: competence key at 0, product/service key at 8.
    NX_TESTE_VISAO(CustoProducao, KeyCustoProducao, {{0, 72, 2}, {2, 74, 2}, {8, 0, 16}, {24, 76, 1}})
    // A commercial cost has neither TipoCusto nor a process reference.
    NX_TESTE_VISAO(CustoComercial, KeyProdutoServico, {{0, 0, 16}, {16, 44, 1}})
    NX_TESTE_VISAO(CustoComercial, KeyCompetencia, {{0, 40, 2}, {2, 42, 2}})
    NX_TESTE_VISAO(CustoComercial, KeyCustoProdutoServico, {{0, 0, 16}, {20, 40, 2}, {22, 42, 2}, {24, 44, 1}})
    NX_TESTE_VISAO(LancamentoTerceirizacao, KeyProdutoServico, {{0, 0, 16}, {16, 60, 1}})
    NX_TESTE_VISAO(EncerramentoCustos, KeyCompetencia, {{0, 28, 2}, {2, 30, 2}})
    NX_TESTE_VISAO(KeyCentroCustosCompetencia, KeyCompetencia, {{0, 4, 2}, {2, 6, 2}})
    NX_TESTE_VISAO(KeyAlocacaoGGF, KeyCompetencia, {{0, 8, 2}, {2, 10, 2}})
    NX_TESTE_VISAO(KeyAlocacaoGGF, KeyCentroCustosCompetencia, {{0, 4, 4}, {4, 8, 2}, {6, 10, 2}})
    NX_TESTE_VISAO(KeyProdutoServicoCompetencia, KeyProdutoServico, {{0, 0, 16}, {16, 20, 1}})
    NX_TESTE_VISAO(KeyProdutoServicoCompetencia, KeyCompetencia, {{0, 16, 2}, {2, 18, 2}})
    NX_TESTE_VISAO(KeyCustoProdutoServico, KeyProdutoServico, {{0, 0, 16}, {16, 24, 1}})
    NX_TESTE_VISAO(KeyCustoProdutoServico, KeyCompetencia, {{0, 20, 2}, {2, 22, 2}})
    NX_TESTE_VISAO(KeyRentabilidade, KeyProdutoServico, {{0, 0, 16}, {16, 20, 1}})
    // Locator from PosicaoProduto, type from byte 38.
    NX_TESTE_VISAO(KeyIdentificacaoIndiceCustos, KeyProdutoServico, {{0, 0, 16}, {16, 38, 1}})
}

// ---- Range setters, member keys, computed values ---------------------------------------------------

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

// Code and description joined by " - ", each as stored (blanks kept).
TEST(CentroCustos, CodigoDescricao) {
    CNXDadosGC_CentroCustos cc;
    EXPECT_EQ(cc.GetCodigoDescricao(), " - ");
    cc.SetCodigo("0001").SetDescricao("  Usinagem  ");
    EXPECT_EQ(cc.GetCodigoDescricao(), "0001 -   Usinagem  ");
    // through UTF-8: converted to the code page, and refused whole rather than cut
    cc.SetDescricaoUtf8("Usinagem \xC3\xA7 \xE2\x82\xAC");
    EXPECT_EQ(cc.GetDescricao(), "Usinagem \xE7 \x80");
    EXPECT_EQ(cc.GetDescricaoUtf8(), "Usinagem \xC3\xA7 \xE2\x82\xAC");
    EXPECT_EQ(NXTeste::Mensagem<NXDadosGC::ErroTexto>([&] { cc.SetCodigoUtf8("ABCDEFGHIJKL"); }),
              "Codigo of CNXDadosGC_CentroCustos holds at most 10 bytes: the text takes 12 in code page 1252");
    EXPECT_EQ(cc.GetCodigo(), "0001");
}

TEST(CentroCustos, NomesDasCaracteristicas) {
    const struct {
        unsigned char codigo;
        const char* nome;
    } kNomes[] = {{0, "Apoio"}, {1, "Produtivo"}, {2, "Administrativo"}, {3, ""}, {255, ""}};
    for (const auto& c : kNomes) EXPECT_EQ(NXDadosGC::GetCaracteristicaCC(c.codigo), c.nome) << int(c.codigo);
}

// Each computed competence reads its own day field: the four fields hold days of four different
// months. (The month of every day number is checked against the calendar with the dates.)
TEST(PeriodosInfoPeriodos, CompetenciasDosDias) {
    CNXDadosGC_InfoPeriodos p;
    p.SetDmaMovimentacaoInferior(MontaDma(15, 1, 2018)).SetDmaMovimentacaoSuperior(MontaDma(15, 2, 2018));
    p.SetDmaIntegracaoInferior(MontaDma(15, 3, 2018)).SetDmaIntegracaoSuperior(MontaDma(15, 4, 2018));
    EXPECT_EQ(p.GetMaMovimentacaoInferior(), MontaMa(1, 2018));
    EXPECT_EQ(p.GetMaMovimentacaoSuperior(), MontaMa(2, 2018));
    EXPECT_EQ(p.GetMaIntegracaoInferior(), MontaMa(3, 2018));
    EXPECT_EQ(p.GetMaIntegracaoSuperior(), MontaMa(4, 2018));
}

}  // namespace
