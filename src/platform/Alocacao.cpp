// Allocation counters and the task allocator.
#include "NXLDadosGC/platform/Alocacao.h"

#include <cstdlib>  // std::malloc, std::free

#include "NXLDadosGC/platform/AlocadorTarefa.h"

NXContadoresAlocacao& AfxContadoresAlocacao() {
    static NXContadoresAlocacao contadores;
    return contadores;
}

bool AfxPodeAlocar() {
    NXContadoresAlocacao& c = AfxContadoresAlocacao();
    if (c.falharNaAlocacao > 0 && --c.falharNaAlocacao == 0) return false;
    return true;
}

void AfxRegistrarAlocacao() { ++AfxContadoresAlocacao().alocacoes; }
void AfxRegistrarLiberacao() { ++AfxContadoresAlocacao().liberacoes; }

void* CoTaskMemAlloc(std::size_t cb) {
    if (!AfxPodeAlocar()) return nullptr;
    void* p = std::malloc(cb ? cb : 1);
    if (p) {
        NXContadoresAlocacao& c = AfxContadoresAlocacao();
        ++c.alocacoes;
        ++c.alocacoesTarefa;
    }
    return p;
}

void CoTaskMemFree(void* pv) {
    if (!pv) return;
    NXContadoresAlocacao& c = AfxContadoresAlocacao();
    ++c.liberacoes;
    ++c.liberacoesTarefa;
    std::free(pv);
}
