// The field tables NX_LAYOUT generates: every field with its name, offset, width and kind, and
// sub-tables for embedded and pointed-to records; the roles the naming conventions give fields.
// (That the rows tile the record, that gaps are named after their offsets and that names agree
// with their values is checked as the record compiles.)
#include <gtest/gtest.h>

#include "ClassesTeste.h"

namespace {

using NXDadosGC::CamposDe;
using NXDadosGC::TabelaCampos;
using T = NXDadosGC::TipoCampo;

struct Esperado {
    const char* nome;
    std::uint32_t deslocamento, largura;
    T tipo;
    TabelaCampos sub;  // empty when the row has none
};

void EsperaTabela(TabelaCampos real, std::initializer_list<Esperado> esperada) {
    ASSERT_EQ(real.size(), esperada.size());
    std::size_t i = 0;
    for (const Esperado& e : esperada) {
        const NXDadosGC::CampoInfo& c = real[i++];
        SCOPED_TRACE(e.nome);
        EXPECT_STREQ(c.nome, e.nome);
        EXPECT_EQ(c.deslocamento, e.deslocamento);
        EXPECT_EQ(c.largura, e.largura);
        EXPECT_EQ(c.tipo, e.tipo) << NXDadosGC::NomeTipoCampo(c.tipo);
        const TabelaCampos sub = c.sub ? c.sub() : TabelaCampos{};
        EXPECT_EQ(sub.data(), e.sub.data());
    }
}

TEST(Layout, TabelasDosRegistrosDeTeste) {
    const TabelaCampos linha = CamposDe<_REG_TESTE_LINHAPS>(), chave = CamposDe<_REG_TESTE_CHAVEPS>();
    EsperaTabela(chave, {{"Conta", 0, 4, T::U32, {}}, {"Filial", 4, 2, T::U16, {}}, {"Lacuna6", 6, 2, T::Lacuna, {}}});
    EsperaTabela(CamposDe<_REG_TESTE_DONOPS>(),
                 {{"Chave", 0, 8, T::Registro, chave},
                  {"Total", 8, 8, T::Moeda, {}},
                  {"QuantidadeGrupo", 16, 4, T::Quantidade, {}},
                  {"QuantidadeLinha", 20, 4, T::Quantidade, {}},
                  {"QuantidadeNumero", 24, 4, T::Quantidade, {}},
                  {"Situacao", 28, 1, T::U8, {}},
                  {"Lacuna29", 29, 3, T::Lacuna, {}},
                  {"pGrupo", 32, 8, T::Ponteiro, CamposDe<_REG_TESTE_GRUPOPS>()},
                  {"pLinha", 40, 8, T::Ponteiro, linha},
                  {"pExtra", 48, 8, T::Ponteiro, linha},
                  {"pNumero", 56, 8, T::Ponteiro, {}}});  // a block of numbers has no table
    const NXDadosGC::InfoRegistro& dono = NXDadosGC::RegistroDe<_REG_TESTE_DONOPS>();
    EXPECT_STREQ(dono.nome, "_REG_TESTE_DONOPS");
    EXPECT_EQ(dono.tamanho, 64u);
    EXPECT_EQ(dono.campos.data(), CamposDe<_REG_TESTE_DONOPS>().data());
    EXPECT_EQ(dono.sobre, nullptr);  // no NX_SOBRE
    EXPECT_STREQ(NXDadosGC::detail::CaminhoPublico("/src/include/NXLDadosGC/gc/Custos.h"), "NXLDadosGC/gc/Custos.h");
    EXPECT_STREQ(NXDadosGC::detail::CaminhoPublico("../../include/NXLDadosGC/gc/Custos.h"), "NXLDadosGC/gc/Custos.h");
}

// What a field's name makes of it, and the names NX_LAYOUT refuses for what they hold.
TEST(Layout, PapelPelasConvencoesDeNome) {
    using P = NXDadosGC::PapelCampo;
    using E = NXDadosGC::ExtremoFaixa;
    const struct {
        const char* nome;
        T tipo;
        P papel;
        E faixa;
        bool aceito;
    } casos[] = {
        {"PonteiroContaContabil", T::U32, P::Referencia, E::Nenhum, true},
        {"CliPonteiroCategoria1", T::U32, P::Referencia, E::Nenhum, true},
        {"PonteiroFilial", T::U16, P::Referencia, E::Nenhum, true},
        {"MaCompetenciaInicial", T::Competencia, P::Competencia, E::Inicio, true},
        {"Marketing", T::Moeda, P::Moeda, E::Nenhum, true},  // "Ma" counts only as a word of its own
        {"Dma", T::Dia, P::Dia, E::Nenhum, true},
        {"DmaMovimentacaoSuperior", T::Dia, P::Dia, E::Fim, true},
        {"DmaHmsGravacao", T::Momento, P::Momento, E::Nenhum, true},
        {"DmcOrdemProducao", T::DataDmc, P::Data, E::Nenhum, true},
        {"FiltroOrigem", T::U8, P::Selecao, E::Nenhum, true},
        {"FlagCaracteristicaApoio", T::Char, P::Selecao, E::Nenhum, true},
        {"FiltrarProdutoServicoExato", T::U8, P::Numero, E::Nenhum, true},
        {"NrNFFinal", T::U32, P::Numero, E::Fim, true},
        {"PonteiroProcesso_DEPRECATED", T::U32, P::Referencia, E::Nenhum, true},
        {"QuantidadePonteiroCliente", T::Quantidade, P::Quantidade, E::Nenhum, true},  // structure first
        {"pPonteiroCliente", T::Ponteiro, P::Filho, E::Nenhum, true},
        {"MaCompetencia", T::U16, P::Competencia, E::Nenhum, false},  // a month kept as a plain number
        {"Competencia", T::Competencia, P::Competencia, E::Nenhum, false},
        {"PonteiroConta", T::Moeda, P::Moeda, E::Nenhum, false},
        {"DmaEmissao", T::Momento, P::Momento, E::Nenhum, false},
        {"FiltroTipo", T::U16, P::Selecao, E::Nenhum, false},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(NXDadosGC::detail::PapelDoCampo(c.nome, c.tipo), c.papel);
        EXPECT_EQ(NXDadosGC::detail::ExtremoDaFaixa(c.nome), c.faixa);
        EXPECT_EQ(NXDadosGC::detail::NomeConfereComTipo(c.nome, c.tipo), c.aceito);
    }
    for (const char* codigos : {"0 = apoio", "0 = apoio; 1 = produtivo; 12 = outro"})
        EXPECT_TRUE(NXDadosGC::detail::CodigosBemFormados(codigos)) << codigos;
    for (const char* codigos : {"", "0 apoio", "0 = ", "0 = apoio;1 = produtivo", "0 = apoio; ", "a = apoio"})
        EXPECT_FALSE(NXDadosGC::detail::CodigosBemFormados(codigos)) << codigos;
}

}  // namespace
