// The field tables NX_LAYOUT generates: every field with its name, offset, width and kind, and
// sub-tables for embedded and pointed-to records. (That the rows tile the record and that gaps
// are named after their offsets is checked as the record compiles.)
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
}

}  // namespace
