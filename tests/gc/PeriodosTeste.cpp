// Open periods: the competences they derive from their days.
#include <gtest/gtest.h>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {

constexpr REG_NXMA kAbril2018 = 2044;

// Each computed competence reads its own day field: the four fields hold days of four
// different months, and a field without a date gives 0.
TEST(PeriodosInfoPeriodos, CompetenciasDosDias) {
    using Getter = REG_NXMA (CNXDadosGC_InfoPeriodos::*)() const;
    using Setter = CNXDadosGC_InfoPeriodos& (CNXDadosGC_InfoPeriodos::*)(const REG_NXDMA&);
    struct Caso {
        const char* nome;
        Setter dia;
        Getter competencia;
        WORD mes;
    };
    const Caso casos[] = {
        {"MovimentacaoInferior", &CNXDadosGC_InfoPeriodos::SetDmaMovimentacaoInferior,
         &CNXDadosGC_InfoPeriodos::GetMaMovimentacaoInferior, 1},
        {"MovimentacaoSuperior", &CNXDadosGC_InfoPeriodos::SetDmaMovimentacaoSuperior,
         &CNXDadosGC_InfoPeriodos::GetMaMovimentacaoSuperior, 2},
        {"IntegracaoInferior", &CNXDadosGC_InfoPeriodos::SetDmaIntegracaoInferior,
         &CNXDadosGC_InfoPeriodos::GetMaIntegracaoInferior, 3},
        {"IntegracaoSuperior", &CNXDadosGC_InfoPeriodos::SetDmaIntegracaoSuperior,
         &CNXDadosGC_InfoPeriodos::GetMaIntegracaoSuperior, 4},
    };

    CNXDadosGC_InfoPeriodos periodos;
    for (const Caso& c : casos) EXPECT_EQ((periodos.*c.competencia)(), 0) << c.nome << " without a date";
    for (const Caso& c : casos) (periodos.*c.dia)(MontaDma(15, c.mes, 2018));
    for (const Caso& c : casos) EXPECT_EQ((periodos.*c.competencia)(), MontaMa(c.mes, 2018)) << c.nome;

    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        CNXDadosGC_InfoPeriodos p;
        (p.*c.dia)(MontaDma(1, 4, 2018));
        EXPECT_EQ((p.*c.competencia)(), kAbril2018);
        (p.*c.dia)(MontaDma(30, 4, 2018));
        EXPECT_EQ((p.*c.competencia)(), kAbril2018);
        (p.*c.dia)(REG_NXDMA{1});  // below the first day: no date
        EXPECT_EQ((p.*c.competencia)(), 0);
        (p.*c.dia)(REG_NXDMA{0});
        EXPECT_EQ((p.*c.competencia)(), 0);
        EXPECT_TRUE(p.EstaVazio()) << "a computed getter wrote into the record";
    }
}

}  // namespace
