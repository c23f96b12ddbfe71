// Cost centres: their texts, stored cut to their width, and the texts computed from them.
#include <gtest/gtest.h>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {

// Code and description joined by " - ", each as stored (blanks kept).
TEST(CentroCustos, CodigoDescricao) {
    CNXDadosGC_CentroCustos cc;
    EXPECT_EQ(cc.GetCodigoDescricao(), " - ");
    cc.SetCodigo("0001").SetDescricao("  Usinagem  ");
    EXPECT_EQ(cc.GetCodigoDescricao(), "0001 -   Usinagem  ");
    cc.SetCodigo("ABCDEFGHIJKL");  // a code holds 10 bytes: a longer one is cut
    EXPECT_EQ(cc.GetCodigo(), "ABCDEFGHIJ");
}

TEST(CentroCustos, NomesDasCaracteristicas) {
    const struct {
        unsigned char codigo;
        const char* nome;
    } kNomes[] = {{0, "Apoio"}, {1, "Produtivo"}, {2, "Administrativo"}, {3, ""}, {255, ""}};
    for (const auto& c : kNomes) EXPECT_EQ(NXDadosGC::GetCaracteristicaCC(c.codigo), c.nome) << int(c.codigo);
}

}  // namespace
