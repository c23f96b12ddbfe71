// Extension-library start-up and shutdown: how a shared library's run-time classes become
// visible to its host while it is loaded, and stop being visible when it is unloaded.
#ifndef NXLDADOSGC_PLATFORM_MODULOEXTENSAO_H
#define NXLDADOSGC_PLATFORM_MODULOEXTENSAO_H

#include "NXLDadosGC/platform/CObject.h"  // CRuntimeClass

// An extension library loads in three steps, driven by its load routine:
//   1. AfxBeginExtensionModuleLoad() sets the host's class list aside, so that the classes
//      the library's static objects register are collected for the library alone;
//   2. the library's static objects are built (IMPLEMENT_DYNAMIC registers its records);
//   3. AfxInitExtensionModule() takes the collected classes into the module record and gives
//      the host its list back; the library then creates one CDynLinkLibrary for itself, which
//      links it into the host's chain where CRuntimeClass::FromName looks.
// On unload AfxTermExtensionModule() unlinks and deletes the library's CDynLinkLibrary objects.
// Nothing is locked: the operating system's loader serialises loading and unloading, and the
// class lists are only read in between, so no thread may look classes up by name
// (CRuntimeClass::FromName) while another loads or unloads an extension library.

struct NXLPLATAFORMA_API AFX_EXTENSION_MODULE {
    BOOL bInitialized = FALSE;
    HINSTANCE hModule = nullptr;
    const CRuntimeClass* const* pClasses = nullptr;  // owned array of the module's classes
    std::size_t nClasses = 0;
};

class NXLPLATAFORMA_API CDynLinkLibrary : public CObject {
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state);
    ~CDynLinkLibrary() override;
    CDynLinkLibrary(const CDynLinkLibrary&) = delete;
    CDynLinkLibrary& operator=(const CDynLinkLibrary&) = delete;

    HINSTANCE m_hModule;
    const AFX_EXTENSION_MODULE* m_pModule;
    CDynLinkLibrary* m_pNextDLL = nullptr;  // the host's chain
};

NXLPLATAFORMA_API void AfxBeginExtensionModuleLoad();
// Fails (returns FALSE, and gives the host its list back) when hModule is null.
NXLPLATAFORMA_API BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE hModule);
NXLPLATAFORMA_API void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// Load-routine priorities, in the order of the steps above (see IMPLEMENT_DYNAMIC for step 2).
#define NX_INTERNAL_PRIORIDADE_INICIO_CARGA 101
#define NX_INTERNAL_PRIORIDADE_DLLMAIN 103

#endif
