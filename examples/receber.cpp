// Receiving: a cost-centre record arrives from another component with its account lines in a
// block from the task allocator, as a CopiarParaPS record does. The receiver takes the tree into
// an owner (which frees the block when it goes), rebuilds an object with CopiarDe and reads it.
// Reading past the end of a list shows the framework's exceptions.
#include <cstdio>
#include <cstring>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {

// What the sender puts in the record. Text fields hold at most N bytes and a terminating zero;
// the count and the pointer of a list go together.
_REG_GC_CENTRO_CUSTOSPS Chegada() {
    _REG_GC_CENTRO_CUSTOSPS reg{};
    std::strncpy(reg.Codigo, "0001", sizeof reg.Codigo - 1);
    std::strncpy(reg.Descricao, "Usinagem", sizeof reg.Descricao - 1);
    reg.CaracteristicaCC = 1;
    reg.PercentualEficiencia = tagCY{925000};  // 92.5
    auto* contas =
        static_cast<_REG_GC_CENTRO_CUSTOS_CONTAPS*>(CoTaskMemAlloc(2 * sizeof(_REG_GC_CENTRO_CUSTOS_CONTAPS)));
    if (!contas) return reg;  // no memory: no lines
    std::memset(contas, 0, 2 * sizeof(_REG_GC_CENTRO_CUSTOS_CONTAPS));
    contas[0].PonteiroContaContabil = 3101;
    contas[0].ValorRateio = tagCY{600000};  // 60
    contas[1].PonteiroContaContabil = 3102;
    contas[1].ValorRateio = tagCY{400000};  // 40
    reg.pConta = contas;
    reg.QuantidadeConta = 2;
    return reg;
}

}  // namespace

int main() {
    _REG_GC_CENTRO_CUSTOSPS reg = Chegada();
    // From here the block is the owner's, and reg is left empty.
    const auto recebida =
        NXDadosGC::ArvoreRegistro<CNXDadosGC_CentroCustos>::Adotar(reg, NXDadosGC::Alocacao::CopiarParaPS);

    CNXDadosGC_CentroCustos centro;
    try {
        centro.CopiarDe(&recebida.GetReg());  // reads the record and its block, keeps neither
    } catch (CMemoryException* e) {
        std::fprintf(stderr, "%s\n", e->GetMensagem());
        e->Delete();
        return 1;
    }
    std::printf("%s (%s), eficiencia %s\n", centro.GetCodigoDescricao().GetString(),
                NXDadosGC::GetCaracteristicaCC(centro.GetCaracteristicaCC()).GetString(),
                NXDadosGC::TextoDeCY(centro.GetPercentualEficiencia()).c_str());
    for (INT_PTR i = 0; i < centro.GetQuantidadeConta(); ++i)
        std::printf("  conta contabil %u, rateio %s\n", centro.GetConta(i).GetPonteiroContaContabil(),
                    NXDadosGC::TextoDeCY(centro.GetConta(i).GetValorRateio()).c_str());

    // A bad index raises CInvalidArgException, thrown as a pointer (not a std::exception):
    // catch it by pointer and release it with Delete().
    bool recusado = false;
    try {
        centro.GetConta(5);
    } catch (CInvalidArgException* e) {
        std::printf("GetConta(5): %s\n", e->GetMensagem());
        e->Delete();
        recusado = true;
    }
    const bool ok = recusado && centro.GetQuantidadeConta() == 2 && reg.pConta == nullptr;
    std::printf("%s\n", ok ? "ok" : "FALHOU");
    return ok ? 0 : 1;
}
