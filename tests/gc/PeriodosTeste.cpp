// Period closing and periods: the competence key view of a closing, the competence range setter
// of its filter, and the competences the open periods derive from their days.
#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>
#include <utility>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {

// The filter selects one competence through its range; it has no field of that name to read.
template <class F>
concept TemGetMaCompetencia = requires(const F& f) { f.GetMaCompetencia(); };
static_assert(!TemGetMaCompetencia<CNXDadosGC_FiltroEncerramentoCustos>);
static_assert(TemGetMaCompetencia<CNXDadosGC_ParametrosInvalidarEncerramentoCustos>);  // the check can see one
static_assert(std::is_void_v<decltype(std::declval<CNXDadosGC_FiltroEncerramentoCustos&>().SetMaCompetencia(
                  std::declval<const REG_NXMA&>()))>);
static_assert(std::is_void_v<decltype(std::declval<CNXDadosGC_EncerramentoCustos&>().SetKeyCompetencia(
                  std::declval<const CNXDadosGC_KeyCompetencia&>()))>);

constexpr REG_NXMA kAbril2018 = 2044;

template <class Classe>
Classe Preenchido(unsigned char byte) {
    typename Classe::Registro reg;
    std::memset(static_cast<void*>(&reg), byte, sizeof reg);
    Classe objeto;
    objeto.CopiarDe(&reg);
    return objeto;
}

// Bytes of a at which it differs from b.
template <class REG>
std::vector<std::size_t> Diferencas(const REG& a, const REG& b) {
    std::vector<std::size_t> d;
    const auto* pa = reinterpret_cast<const unsigned char*>(&a);
    const auto* pb = reinterpret_cast<const unsigned char*>(&b);
    for (std::size_t i = 0; i < sizeof(REG); ++i)
        if (pa[i] != pb[i]) d.push_back(i);
    return d;
}

TEST(PeriodosEncerramentoCustos, KeyCompetenciaIdaEVoltaSoNosBytes28a31) {
    auto encerramento = Preenchido<CNXDadosGC_EncerramentoCustos>(0x5A);
    const auto antes = encerramento.GetReg();

    CNXDadosGC_KeyCompetencia chave;
    chave.SetMaCompetencia(kAbril2018).SetPonteiroFilial(0x1234);
    encerramento.SetKeyCompetencia(chave);
    EXPECT_EQ((Diferencas(encerramento.GetReg(), antes)), (std::vector<std::size_t>{28, 29, 30, 31}));
    EXPECT_EQ(encerramento.GetMaCompetencia(), kAbril2018);
    EXPECT_EQ(encerramento.GetPonteiroFilial(), 0x1234);

    // Only the two fields come back; the rest of the key is as newly constructed.
    const CNXDadosGC_KeyCompetencia volta = encerramento.GetKeyCompetencia();
    EXPECT_TRUE(volta == chave);
    EXPECT_EQ(volta.GetMaCompetencia(), kAbril2018);
    EXPECT_EQ(volta.GetPonteiroFilial(), 0x1234);
}

TEST(PeriodosFiltroEncerramentoCustos, SetMaCompetenciaPreencheAsDuasPontas) {
    auto filtro = Preenchido<CNXDadosGC_FiltroEncerramentoCustos>(0x5A);
    const auto antes = filtro.GetReg();
    filtro.SetMaCompetencia(kAbril2018);
    EXPECT_EQ(filtro.GetMaCompetenciaInicial(), kAbril2018);
    EXPECT_EQ(filtro.GetMaCompetenciaFinal(), kAbril2018);
    EXPECT_EQ((Diferencas(filtro.GetReg(), antes)), (std::vector<std::size_t>{0, 1, 2, 3}));
}

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
