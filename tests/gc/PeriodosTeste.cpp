// Open periods: the competences they derive from their days.
#include <gtest/gtest.h>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {

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
