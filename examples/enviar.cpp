// Sending: a cost centre written as a flat record tree through the task allocator, lent to a
// reader, then handed over to a receiver that takes ownership and frees it. The owner of the
// written tree frees it with the right release on every path, the early returns included.
#include <cstdio>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {


// A reader: borrows the record while it runs and keeps nothing.
void Mostrar(const _REG_GC_CENTRO_CUSTOSPS& reg) {
    std::printf("centro %s: %u contas, %u centros produtivos\n", reg.Codigo, static_cast<unsigned>(reg.QuantidadeConta),
                static_cast<unsigned>(reg.QuantidadeProdutivo));
    for (ULONG i = 0; i < reg.QuantidadeConta; ++i)
        std::printf("  conta contabil %u, rateio %s\n", reg.pConta[i].PonteiroContaContabil,
                    NXDadosGC::TextoDeCY(reg.pConta[i].ValorRateio).c_str());
}

// A receiver that takes the record with its blocks, as the receiver of a CopiarParaPS record
// does: here it rebuilds an object, then frees the blocks with CoTaskMemFree.
bool Guardar(_REG_GC_CENTRO_CUSTOSPS reg, const CNXDadosGC_CentroCustos& esperado) {
    CNXDadosGC_CentroCustos recebido;
    recebido.CopiarDe(&reg);
    NXDadosGC::LiberarCopiarParaPS<CNXDadosGC_CentroCustos>(reg);
    return recebido == esperado;
}

}  // namespace

int main() {
    CNXDadosGC_CentroCustos centro;
    centro.SetCodigo("0001").SetDescricao("Usinagem").SetPonteiroFilial(3).SetCaracteristicaCC(1);
    CNXDadosGC_CentroCustosConta conta;
    conta.SetPonteiroContaContabil(3101).SetValorRateio(NXDadosGC::CYDeTexto("60"));
    centro.AdicionaConta(conta);
    conta.SetPonteiroContaContabil(3102).SetValorRateio(NXDadosGC::CYDeTexto("40"));
    centro.AdicionaConta(conta);
    CNXDadosGC_CentroCustosProdutivo produtivo;
    produtivo.SetPonteiroCentroCustos(42).SetValorRateio(NXDadosGC::CYDeTexto("100"));
    centro.AdicionaProdutivo(produtivo);

    try {
        // CopiarParaPS into a record the owner holds; its blocks go with CoTaskMemFree when
        // `arvore` does. (NXDadosGC::Escrever is the same with CopiarPara and delete[].)
        auto arvore = NXDadosGC::EscreverPS(centro);
        Mostrar(arvore.GetReg());
        if (arvore->QuantidadeConta != 2) return 1;  // freed here too

        // The receiver frees the tree now: the owner hands it over and frees nothing.
        const bool ok = Guardar(arvore.Entregar(), centro);
        std::printf("%s\n", ok ? "ok" : "FALHOU");
        return ok ? 0 : 1;
    } catch (CMemoryException* e) {  // a transfer ran out of memory; what it wrote is freed
        std::fprintf(stderr, "%s\n", e->GetMensagem());
        e->Delete();
        return 1;
    }
}
