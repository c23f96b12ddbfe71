// Allocation counters and the task allocator.
#include "NXLDadosGC/platform/Alocacao.h"

#include <cstdlib>  // std::malloc, std::free

#include "NXLDadosGC/platform/AlocadorTarefa.h"

namespace {

// One set per thread. Constant-initialised and trivially destructible, so a thread pays
// nothing to create it; the initial-exec model makes each access one load from the thread
// pointer instead of a call into the dynamic loader.
__attribute__((tls_model("initial-exec"))) thread_local NXContadoresAlocacao t_contadores;

}  // namespace

NXContadoresAlocacao& AfxContadoresAlocacao() { return t_contadores; }

bool AfxPodeAlocar() {
    NXContadoresAlocacao& c = t_contadores;
    return !(c.falharNaAlocacao > 0 && --c.falharNaAlocacao == 0);
}

void AfxRegistrarAlocacao() { ++t_contadores.alocacoes; }
void AfxRegistrarLiberacao() { ++t_contadores.liberacoes; }

void* CoTaskMemAlloc(std::size_t cb) {
    if (!AfxPodeAlocar()) return nullptr;
    void* p = std::malloc(cb ? cb : 1);
    if (p) {
        NXContadoresAlocacao& c = t_contadores;
        ++c.alocacoes;
        ++c.alocacoesTarefa;
    }
    return p;
}

void CoTaskMemFree(void* pv) {
    if (!pv) return;
    NXContadoresAlocacao& c = t_contadores;
    ++c.liberacoes;
    ++c.liberacoesTarefa;
    std::free(pv);
}
