// Keys and cost centres: key views, composite keys, and the cost centre's lists, texts and
// computed values.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {

template <class REG>
std::set<std::size_t> BytesAlterados(const REG& antes, const REG& depois) {
    std::set<std::size_t> r;
    for (std::size_t i = 0; i < sizeof(REG); ++i)
        if (reinterpret_cast<const unsigned char*>(&antes)[i] != reinterpret_cast<const unsigned char*>(&depois)[i])
            r.insert(i);
    return r;
}

std::set<std::size_t> Faixa(std::initializer_list<std::pair<std::size_t, std::size_t>> faixas) {
    std::set<std::size_t> r;
    for (auto [de, ate] : faixas)
        for (std::size_t i = de; i <= ate; ++i) r.insert(i);
    return r;
}

_REG_POSICAO_PRODUTOPS Locador(unsigned char semente) {
    _REG_POSICAO_PRODUTOPS p;
    for (int i = 0; i < 16; ++i) p.m_Bytes[i] = static_cast<unsigned char>(semente + i);
    return p;
}

CNXDadosGC_KeyCompetencia Competencia(WORD ma, WORD filial) {
    CNXDadosGC_KeyCompetencia k;
    k.SetMaCompetencia(ma).SetPonteiroFilial(filial);
    return k;
}

CNXDadosGC_KeyProdutoServico Produto(unsigned char semente, BYTE tipo) {
    CNXDadosGC_KeyProdutoServico k;
    k.SetPosicaoProdutoServico(Locador(semente)).SetTipoProdutoServico(tipo);
    return k;
}

// Each key view's setter writes exactly its listed bytes (every byte of them, since the
// values are all non-zero), and its getter reads them back into an otherwise empty key.
TEST(Chaves, VisoesAlteramSoOsBytesListados) {
    struct Caso {
        const char* nome;
        std::function<std::set<std::size_t>()> bytesAlterados;
        std::set<std::size_t> esperados;
    };
    const Caso casos[] = {
        {"KeyCentroCustosCompetencia.KeyCompetencia",
         [] {
             CNXDadosGC_KeyCentroCustosCompetencia k;
             auto antes = k.GetReg();
             k.SetKeyCompetencia(Competencia(0x0303, 0x0404));
             EXPECT_TRUE(k.GetKeyCompetencia() == Competencia(0x0303, 0x0404));
             return BytesAlterados(antes, k.GetReg());
         },
         Faixa({{4, 7}})},
        {"KeyAlocacaoGGF.KeyCompetencia",
         [] {
             CNXDadosGC_KeyAlocacaoGGF k;
             k.SetPonteiroCentroCustos(99);
             auto antes = k.GetReg();
             k.SetKeyCompetencia(Competencia(0x0303, 0x0404));
             auto cc = k.GetKeyCentroCustosCompetencia();
             EXPECT_EQ(cc.GetPonteiroCentroCustos(), 99u);
             EXPECT_EQ(cc.GetMaCompetencia(), 0x0303);
             EXPECT_EQ(cc.GetPonteiroFilial(), 0x0404);
             return BytesAlterados(antes, k.GetReg());
         },
         Faixa({{8, 11}})},
        {"KeyAlocacaoGGF.KeyCentroCustosCompetencia",
         [] {
             CNXDadosGC_KeyAlocacaoGGF k;
             auto antes = k.GetReg();
             CNXDadosGC_KeyCentroCustosCompetencia cc;
             cc.SetPonteiroCentroCustos(0x01010101).SetMaCompetencia(0x0202).SetPonteiroFilial(0x0303);
             k.SetKeyCentroCustosCompetencia(cc);
             EXPECT_TRUE(k.GetKeyCentroCustosCompetencia() == cc);
             return BytesAlterados(antes, k.GetReg());
         },
         Faixa({{4, 11}})},
        {"KeyProdutoServicoCompetencia.KeyProdutoServico",
         [] {
             CNXDadosGC_KeyProdutoServicoCompetencia k;
             auto antes = k.GetReg();
             k.SetKeyProdutoServico(Produto(1, 9));
             EXPECT_TRUE(k.GetKeyProdutoServico() == Produto(1, 9));
             return BytesAlterados(antes, k.GetReg());
         },
         Faixa({{0, 15}, {20, 20}})},
        {"KeyProdutoServicoCompetencia.KeyCompetencia",
         [] {
             CNXDadosGC_KeyProdutoServicoCompetencia k;
             auto antes = k.GetReg();
             k.SetKeyCompetencia(Competencia(0x0101, 0x0202));
             return BytesAlterados(antes, k.GetReg());
         },
         Faixa({{16, 19}})},
        {"KeyCustoProdutoServico.KeyProdutoServico",
         [] {
             CNXDadosGC_KeyCustoProdutoServico k;
             auto antes = k.GetReg();
             k.SetKeyProdutoServico(Produto(1, 9));
             return BytesAlterados(antes, k.GetReg());
         },
         Faixa({{0, 15}, {24, 24}})},
        {"KeyCustoProdutoServico.KeyCompetencia",
         [] {
             CNXDadosGC_KeyCustoProdutoServico k;
             auto antes = k.GetReg();
             k.SetKeyCompetencia(Competencia(0x0101, 0x0202));
             return BytesAlterados(antes, k.GetReg());
         },
         Faixa({{20, 23}})},
        {"KeyRentabilidade.KeyProdutoServico",
         [] {
             CNXDadosGC_KeyRentabilidade k;
             auto antes = k.GetReg();
             k.SetKeyProdutoServico(Produto(1, 9));
             return BytesAlterados(antes, k.GetReg());
         },
         Faixa({{0, 15}, {20, 20}})},
        {"KeyIdentificacaoIndiceCustos.KeyProdutoServico",
         [] {
             CNXDadosGC_KeyIdentificacaoIndiceCustos k;
             k.SetPonteiroCliente(5).SetDma(77);
             auto antes = k.GetReg();
             k.SetKeyProdutoServico(Produto(1, 9));
             auto p = k.GetKeyProdutoServico();
             EXPECT_TRUE(p == Produto(1, 9)) << "locator from PosicaoProduto, type from byte 38, nothing else";
             return BytesAlterados(antes, k.GetReg());
         },
         Faixa({{0, 15}, {38, 38}})},
    };
    for (const auto& caso : casos) EXPECT_EQ(caso.bytesAlterados(), caso.esperados) << caso.nome;
}

TEST(Chaves, NovaVaziaEQualquerCampoAPreenche) {
    CNXDadosGC_KeyIdentificacaoIndiceCustos k;
    EXPECT_TRUE(k.EstaVazio());
    for (std::size_t i = 0; i < sizeof(k.GetReg()); ++i) {
        CNXDadosGC_KeyIdentificacaoIndiceCustos outra;
        _REG_GC_KEY_IDENTIFICACAO_INDICE_CUSTOSPS r{};
        reinterpret_cast<unsigned char*>(&r)[i] = 1;
        outra.CopiarDe(&r);
        EXPECT_FALSE(outra.EstaVazio()) << i;
    }
}

TEST(Chaves, LocadoresQueDiferemEmUmByteSaoDiferentes) {
    auto a = Produto(1, 2), b = Produto(1, 2);
    EXPECT_TRUE(a == b);
    auto p = b.GetPosicaoProdutoServico();
    p.m_Bytes[15] ^= 1;
    b.SetPosicaoProdutoServico(p);
    EXPECT_TRUE(a != b);
}

CNXDadosGC_KeyProcessoCustoProducao ChaveProcesso() {
    CNXDadosGC_KeyCustoProducao custo;
    custo.SetKeyCompetencia(Competencia(2044, 3)).SetKeyProdutoServico(Produto(10, 4));
    CNXDadosGC_KeyProcessoCustoProducao k;
    k.SetKeyCustoProducao(custo).SetPonteiroProcesso(11).SetPonteiroCentroCustos(12).SetMaCompetencia(2045);
    return k;
}

TEST(Chaves, CompostaViajaComSeusMembrosPelosDoisAlocadores) {
    const auto k = ChaveProcesso();
    for (bool ps : {false, true}) {
        _REG_GC_KEY_PROCESSO_CUSTO_PRODUCAOPS r;
        std::memset(&r, 0xEE, sizeof r);
        ps ? k.CopiarParaPS(&r) : k.CopiarPara(&r);
        EXPECT_EQ(r.KeyCustoProducao.KeyCompetencia.MaCompetencia, 2044);
        EXPECT_EQ(r.KeyCustoProducao.KeyCompetencia.PonteiroFilial, 3);
        EXPECT_TRUE(r.KeyCustoProducao.KeyProdutoServico.PosicaoProdutoServico == Locador(10));
        EXPECT_EQ(r.KeyCustoProducao.KeyProdutoServico.TipoProdutoServico, 4);
        EXPECT_EQ(r.PonteiroProcesso, 11u);
        EXPECT_EQ(r.PonteiroCentroCustos, 12u);
        EXPECT_EQ(r.MaCompetencia, 2045);

        CNXDadosGC_KeyProcessoCustoProducao volta;
        volta.CopiarDe(&r);
        EXPECT_TRUE(volta == k);
        // Nested members hold the keys; every embedded area of the live objects is zero.
        const _REG_GC_KEY_CUSTO_PRODUCAOPS zero{};
        EXPECT_EQ(std::memcmp(&volta.GetReg().KeyCustoProducao, &zero, sizeof zero), 0);
        EXPECT_EQ(std::memcmp(&volta.GetKeyCustoProducao().GetReg(), &zero, sizeof zero), 0);
        EXPECT_EQ(volta.GetKeyCustoProducao().GetKeyProdutoServico().GetTipoProdutoServico(), 4);
    }
    auto outra = k;
    outra.GetKeyCustoProducao().GetKeyCompetencia().SetPonteiroFilial(4);
    EXPECT_TRUE(outra != k);
    CNXDadosGC_KeyInsumoCustoProducao insumo;
    EXPECT_FALSE(insumo.Igual(&k));
    insumo.GetKeyCustoProducao().GetKeyCompetencia().SetPonteiroFilial(1);
    EXPECT_FALSE(insumo.EstaVazio()) << "a member's field alone makes a composite key non-empty";
}

CNXDadosGC_CentroCustosConta Conta(ULONG contabil, LONGLONG valor) {
    CNXDadosGC_CentroCustosConta c;
    c.SetPonteiroContaContabil(contabil).SetValorRateio(tagCY{valor});
    return c;
}

TEST(CentroCustos, ListasIdaEVolta) {
    CNXDadosGC_CentroCustos cc;
    cc.SetCodigo("0001").SetDescricao("Usinagem");
    cc.AdicionaConta(Conta(1, 10));
    cc.AdicionaConta(Conta(2, 20));
    _REG_GC_CENTRO_CUSTOSPS r;
    cc.CopiarPara(&r);
    EXPECT_EQ(static_cast<ULONG>(r.QuantidadeConta), 2u);
    EXPECT_EQ(static_cast<ULONG>(r.QuantidadeProdutivo), 0u);
    EXPECT_EQ(r.pProdutivo, nullptr);
    ASSERT_NE(r.pConta, nullptr);
    EXPECT_EQ(r.pConta[1].PonteiroContaContabil, 2u);  // 24-byte stride
    EXPECT_EQ(reinterpret_cast<char*>(&r.pConta[1]) - reinterpret_cast<char*>(r.pConta), 24);

    CNXDadosGC_CentroCustos volta;
    volta.CopiarDe(&r);
    EXPECT_TRUE(volta == cc);
    EXPECT_EQ(volta.GetReg().pConta, nullptr);
    EXPECT_EQ(static_cast<ULONG>(volta.GetReg().QuantidadeConta), 0u);
    NXDadosGC::LiberarCopiarPara<CNXDadosGC_CentroCustos>(r);
    EXPECT_EQ(r.pConta, nullptr);

    volta.TrocaConta(0, 1);
    EXPECT_TRUE(volta != cc) << "order matters";
    volta.TrocaConta(1, 0);
    EXPECT_TRUE(volta == cc);

    try {
        volta.TrocaConta(0, 5);
        ADD_FAILURE() << "no exception";
    } catch (CInvalidArgException* e) {
        e->Delete();
    }
    EXPECT_TRUE(volta == cc);
}

TEST(CentroCustos, TextosECodigoDescricao) {
    CNXDadosGC_CentroCustos cc;
    EXPECT_EQ(cc.GetCodigoDescricao(), " - ");
    cc.SetCodigo("ABCDEFGHIJKL");
    EXPECT_EQ(cc.GetCodigo(), "ABCDEFGHIJ");
    EXPECT_EQ(cc.GetReg().Codigo[10], '\0');
    cc.SetCodigo("XY");
    for (int i = 2; i <= 10; ++i) EXPECT_EQ(cc.GetReg().Codigo[i], '\0') << "no byte of the longer text survives";
    cc.SetCodigo("0001").SetDescricao("  Usinagem  ");
    EXPECT_EQ(cc.GetCodigoDescricao(), "0001 -   Usinagem  ");
}

TEST(CentroCustos, HorasECaracteristicas) {
    CNXDadosGC_HorasCentroCustos h;
    h.SetQuantHorasProducao(tagCY{1205000}).SetQuantHorasOciosas(tagCY{102500});
    EXPECT_EQ(h.GetQuantHorasTotal(), tagCY{1307500});
    h.SetQuantHorasProducao(tagCY{-20000}).SetQuantHorasOciosas(tagCY{5000});
    EXPECT_EQ(h.GetQuantHorasTotal(), tagCY{-15000});

    CNXDadosGC_HorasCentroCustos soFilial;
    soFilial.GetKeyCentroCustosCompetencia().SetPonteiroFilial(1);
    EXPECT_FALSE(soFilial.EstaVazio());

    const struct {
        unsigned char codigo;
        const char* nome;
    } kNomes[] = {{0, "Apoio"}, {1, "Produtivo"}, {2, "Administrativo"}, {3, ""}, {255, ""}};
    for (const auto& c : kNomes) EXPECT_EQ(NXDadosGC::GetCaracteristicaCC(c.codigo), c.nome) << int(c.codigo);
}

}  // namespace
