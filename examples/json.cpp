// JSON: a cost centre written as a document, read back into an equal object, then a document a
// person typed, with its mistake named by its path. Links NXLDadosGC::Json.
#include <cstdio>
#include <memory>

#include "NXLDadosGC/NXLDadosGC.h"
#include "NXLDadosGC/json/Json.h"

int main() {
    using NXDadosGC::CYDeTexto;
    CNXDadosGC_CentroCustos centro;
    centro.SetCodigo("0001").SetDescricao("Usinagem").SetPercentualEficiencia(CYDeTexto("92.5"));
    CNXDadosGC_CentroCustosConta conta;
    conta.SetPonteiroContaContabil(3101).SetValorRateio(CYDeTexto("60"));
    centro.AdicionaConta(conta);

    // Every field by name, currency as decimal text, the list nested under its name.
    const std::string documento = NXDadosGC::ParaJson(centro);
    std::printf("%s", documento.c_str());

    const std::unique_ptr<CNXDadosGC_CentroCustos> lido = NXDadosGC::DeJson<CNXDadosGC_CentroCustos>(documento);
    if (!(*lido == centro)) return 1;

    // Fields left out are zero. A value the record cannot hold is refused with the path to it.
    try {
        NXDadosGC::DeJson<CNXDadosGC_CentroCustos>(
            R"({"classe": "CNXDadosGC_CentroCustos", "registro": {"Conta": [{"ValorRateio": "1.23456"}]}})");
        return 1;
    } catch (const NXDadosGC::ErroJson& e) {
        std::printf("refused at %s: %s\n", e.Caminho().c_str(), e.what());
    }
    return 0;
}
