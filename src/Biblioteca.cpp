// Load and unload of libNXLDadosGC.so as an extension library of the framework.
#include <dlfcn.h>  // dladdr

#include "NXLDadosGC/platform/ModuloExtensao.h"  // AFX_EXTENSION_MODULE, CDynLinkLibrary

namespace {

AFX_EXTENSION_MODULE g_moduloNXLDadosGC;

// Step 1: before any static object of this library is built.
__attribute__((constructor(NX_INTERNAL_PRIORIDADE_INICIO_CARGA))) void IniciarCarga() {
    AfxBeginExtensionModuleLoad();
}

HINSTANCE InstanciaDestaBiblioteca() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&InstanciaDestaBiblioteca), &info) == 0) return nullptr;
    return info.dli_fbase;
}

// Step 3: after every run-time class record of this library has registered itself.
__attribute__((constructor(NX_INTERNAL_PRIORIDADE_DLLMAIN))) void AnexarProcesso() {
    if (!AfxInitExtensionModule(g_moduloNXLDadosGC, InstanciaDestaBiblioteca())) return;
    new CDynLinkLibrary(g_moduloNXLDadosGC);  // owned by the host's chain
}

__attribute__((destructor(NX_INTERNAL_PRIORIDADE_DLLMAIN))) void DesanexarProcesso() {
    AfxTermExtensionModule(g_moduloNXLDadosGC);
}

}  // namespace
