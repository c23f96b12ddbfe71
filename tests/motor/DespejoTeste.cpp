// Dumps of records, pinned: every shape of value as people read it, embedded records indented
// and summed up on one line.
#include "NXLDadosGC/motor/Despejo.h"

#include <gtest/gtest.h>

#include <cstring>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {

using NXDadosGC::CamposDe;

TEST(Despejo, CadaFormaDeValor) {
    _REG_GC_CENTRO_CUSTOSPS centro{};
    centro.PercentualEficiencia = tagCY{-925000};
    centro.QuantidadeConta = 2;
    centro.CaracteristicaCC = 1;
    std::memcpy(centro.Codigo, "A\"\\\xe7", 4);
    centro.Lacuna86[1] = std::byte{0x5A};
    EXPECT_EQ(NXDadosGC::DespejarRegistro(CamposDe<_REG_GC_CENTRO_CUSTOSPS>(), &centro),
              R"(   0   8  PercentualEficiencia                 CY           -92.5000
   8   4  Posicao                              u32          0
  12   4  QuantidadeConta                      quantidade   2
  16   4  QuantidadeProdutivo                  quantidade   0
  20   2  PonteiroFilial                       u16          0
  22   1  CaracteristicaCC                     u8           1
  23   1  Inativo                              u8           0
  24  11  Codigo                               texto        "A\x22\x5c\xe7"
  35  51  Descricao                            texto        ""
  86   2  Lacuna86                             lacuna       00 5a
  88   8  pConta                               ponteiro     null
  96   8  pProdutivo                           ponteiro     null
)");

    _REG_GC_HORAS_CENTRO_CUSTOSPS horas{};
    horas.KeyCentroCustosCompetencia.PonteiroCentroCustos = 17;
    horas.KeyCentroCustosCompetencia.MaCompetencia = MontaMa(4, 2018);
    horas.QuantHorasProducao = tagCY{1205000};
    EXPECT_EQ(NXDadosGC::DespejarRegistro(CamposDe<_REG_GC_HORAS_CENTRO_CUSTOSPS>(), &horas),
              "   0   8  KeyCentroCustosCompetencia           registro     \n"
              "     0   4  PonteiroCentroCustos                 u32          17\n"
              "     4   2  MaCompetencia                        REG_NXMA     2044 (04/2018)\n"
              "     6   2  PonteiroFilial                       u16          0\n"
              "   8   8  QuantHorasProducao                   CY           120.5000\n"
              "  16   8  QuantHorasOciosas                    CY           0.0000\n");
    EXPECT_EQ(NXDadosGC::ResumirRegistro(CamposDe<_REG_GC_HORAS_CENTRO_CUSTOSPS>(), &horas),
              "{KeyCentroCustosCompetencia={PonteiroCentroCustos=17, MaCompetencia=2044 (04/2018), PonteiroFilial=0}, "
              "QuantHorasProducao=120.5000, QuantHorasOciosas=0.0000}");

    _REG_GC_CUSTO_PRODUCAO_ENTRADAPS entrada{};
    entrada.DmaHmsMovimento = MontaDmaHmsUtc(MontaDma(9, 4, 2018), 10, 30, 15, -3, 0);
    entrada.DmcOrdemProducao.m_Bytes[7] = 0xAB;
    EXPECT_EQ(NXDadosGC::ResumirRegistro(CamposDe<_REG_GC_CUSTO_PRODUCAO_ENTRADAPS>(), &entrada),
              "{DmaHmsMovimento=0x00f574014047fbb7, DmcMovimentoEntrada=00 00 00 00 00 00 00 00, "
              "DmcOrdemProducao=00 00 00 00 00 00 00 ab}");
}

}  // namespace
