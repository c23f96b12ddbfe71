// A cost centre with two accounts and one productive centre, and its hours in one month, sent
// as flat records through the task allocator, dumped field by field through the records' field
// tables, rebuilt and compared.
#include <cstdio>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {


void Mostrar(const char* titulo, NXDadosGC::TabelaCampos campos, const void* registro) {
    std::printf("== %s\n%s\n", titulo, NXDadosGC::DespejarRegistro(campos, registro).c_str());
}

}  // namespace

int main() {
    CNXDadosGC_CentroCustos centro;
    centro.SetCodigo("0001").SetDescricao("Usinagem").SetPonteiroFilial(3).SetCaracteristicaCC(1);
    centro.SetPercentualEficiencia(NXDadosGC::CYDeTexto("92.5")).SetPosicao(17);

    CNXDadosGC_CentroCustosConta conta;
    conta.SetPonteiroContaContabil(3101).SetPonteiroContaGerencial(51).SetValorRateio(NXDadosGC::CYDeTexto("60"));
    centro.AdicionaConta(conta);
    conta.SetPonteiroContaContabil(3102).SetValorRateio(NXDadosGC::CYDeTexto("40")).SetValorDiferenciado(1);
    centro.AdicionaConta(conta);

    CNXDadosGC_CentroCustosProdutivo produtivo;
    produtivo.SetPonteiroCentroCustos(42).SetValorRateio(NXDadosGC::CYDeTexto("100"));
    centro.AdicionaProdutivo(produtivo);

    CNXDadosGC_HorasCentroCustos horas;
    horas.GetKeyCentroCustosCompetencia().SetPonteiroCentroCustos(17).SetMaCompetencia(MontaMa(4, 2018)).SetPonteiroFilial(3);
    horas.SetQuantHorasProducao(NXDadosGC::CYDeTexto("120.5")).SetQuantHorasOciosas(NXDadosGC::CYDeTexto("10.25"));

    // The owners free the blocks the transfers allocate when they go.
    const auto arvoreCentro = NXDadosGC::EscreverPS(centro);
    const auto arvoreHoras = NXDadosGC::EscreverPS(horas);
    const _REG_GC_CENTRO_CUSTOSPS& regCentro = arvoreCentro.GetReg();
    const _REG_GC_HORAS_CENTRO_CUSTOSPS& regHoras = arvoreHoras.GetReg();

    Mostrar("_REG_GC_CENTRO_CUSTOSPS", NXDadosGC::CamposDe<_REG_GC_CENTRO_CUSTOSPS>(), &regCentro);
    for (ULONG i = 0; i < regCentro.QuantidadeConta; ++i)
        Mostrar("_REG_GC_CENTRO_CUSTOS_CONTAPS", NXDadosGC::CamposDe<_REG_GC_CENTRO_CUSTOS_CONTAPS>(), &regCentro.pConta[i]);
    for (ULONG i = 0; i < regCentro.QuantidadeProdutivo; ++i)
        Mostrar("_REG_GC_CENTRO_CUSTOS_PRODUTIVOPS", NXDadosGC::CamposDe<_REG_GC_CENTRO_CUSTOS_PRODUTIVOPS>(),
                &regCentro.pProdutivo[i]);
    Mostrar("_REG_GC_HORAS_CENTRO_CUSTOSPS", NXDadosGC::CamposDe<_REG_GC_HORAS_CENTRO_CUSTOSPS>(), &regHoras);

    CNXDadosGC_CentroCustos centroRecebido;
    CNXDadosGC_HorasCentroCustos horasRecebidas;
    centroRecebido.CopiarDe(&regCentro);
    horasRecebidas.CopiarDe(&regHoras);

    const bool ok = centroRecebido == centro && horasRecebidas == horas &&
                    centroRecebido.GetCodigoDescricao() == "0001 - Usinagem" &&
                    horasRecebidas.GetQuantHorasTotal() == NXDadosGC::CYDeTexto("130.75");
    std::printf("%s: %s, %s, total de horas %s\n", ok ? "ok" : "FALHOU", centroRecebido.GetCodigoDescricao().GetString(),
                NXDadosGC::GetCaracteristicaCC(centroRecebido.GetCaracteristicaCC()).GetString(),
                NXDadosGC::FormatarCampo(NXDadosGC::CamposDe<_REG_GC_HORAS_CENTRO_CUSTOSPS>()[1], &regHoras).c_str());
    return ok ? 0 : 1;
}
