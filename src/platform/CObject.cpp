// CObject, run-time class records, and the module lists that CRuntimeClass::FromName searches.
#include "NXLDadosGC/platform/CObject.h"

#include <cstring>  // std::strcmp
#include <vector>   // std::vector

#include "NXLDadosGC/platform/ModuloExtensao.h"

namespace {

// The host's classes, and the list collecting an extension library's classes while it loads.
struct EstadoModulos {
    std::vector<const CRuntimeClass*> classesHost;
    std::vector<const CRuntimeClass*> classesEmCarga;
    bool carregandoExtensao = false;
    CDynLinkLibrary* cadeia = nullptr;  // head of the chain of extension libraries
};

EstadoModulos& Estado() {
    static EstadoModulos estado;  // built on first use: IMPLEMENT_DYNAMIC may run before main
    return estado;
}

// The first loaded class for which achou(record) holds, searching the host's own classes first,
// then those of each extension library in the chain; null when none does.
template <class F>
const CRuntimeClass* Procurar(F&& achou) {
    EstadoModulos& e = Estado();
    for (const CRuntimeClass* c : e.classesHost)
        if (achou(c)) return c;
    for (CDynLinkLibrary* dll = e.cadeia; dll; dll = dll->m_pNextDLL)
        for (std::size_t i = 0; i < dll->m_pModule->nClasses; ++i)
            if (achou(dll->m_pModule->pClasses[i])) return dll->m_pModule->pClasses[i];
    return nullptr;
}

}  // namespace

const CRuntimeClass CObject::classCObject = {"CObject", static_cast<int>(sizeof(CObject)), 0xFFFF,
                                             nullptr, nullptr, nullptr};
static AFX_CLASSINIT g_initCObject(CObject::GetThisClass());

CRuntimeClass* CObject::GetThisClass() { return const_cast<CRuntimeClass*>(&classCObject); }
CRuntimeClass* CObject::GetRuntimeClass() const { return GetThisClass(); }
CObject::~CObject() = default;
void CObject::Serialize(CArchive&) {}
void CObject::AssertValid() const {}
void CObject::Dump(CDumpContext&) const {}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const {
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const {
    for (const CRuntimeClass* c = this; c != nullptr;
         c = c->m_pfnGetBaseClass ? c->m_pfnGetBaseClass() : nullptr) {
        if (c == pBaseClass) return TRUE;
    }
    return FALSE;
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName) {
    if (!lpszClassName) return nullptr;
    return const_cast<CRuntimeClass*>(
        Procurar([&](const CRuntimeClass* c) { return std::strcmp(c->m_lpszClassName, lpszClassName) == 0; }));
}

void AfxDoForAllClasses(void (*pfn)(const CRuntimeClass*, void*), void* pContext) {
    Procurar([&](const CRuntimeClass* c) {
        pfn(c, pContext);
        return false;
    });
}

void AfxClassInit(CRuntimeClass* pNewClass) {
    EstadoModulos& e = Estado();
    (e.carregandoExtensao ? e.classesEmCarga : e.classesHost).push_back(pNewClass);
}

// Extension libraries.

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CObject)

void AfxBeginExtensionModuleLoad() {
    EstadoModulos& e = Estado();
    e.classesEmCarga.clear();
    e.carregandoExtensao = true;
}

BOOL AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HINSTANCE hModule) {
    EstadoModulos& e = Estado();
    e.carregandoExtensao = false;
    if (!hModule) {
        e.classesEmCarga.clear();
        return FALSE;
    }
    if (!state.bInitialized) {
        auto* classes = new const CRuntimeClass*[e.classesEmCarga.size()];
        for (std::size_t i = 0; i < e.classesEmCarga.size(); ++i) classes[i] = e.classesEmCarga[i];
        state.pClasses = classes;
        state.nClasses = e.classesEmCarga.size();
        state.hModule = hModule;
        state.bInitialized = TRUE;
    }
    e.classesEmCarga.clear();
    return TRUE;
}

void AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL) {
    if (!state.bInitialized) return;
    EstadoModulos& e = Estado();
    for (CDynLinkLibrary** p = &e.cadeia; *p;) {
        if ((*p)->m_pModule == &state) {
            CDynLinkLibrary* morto = *p;
            *p = morto->m_pNextDLL;
            morto->m_pModule = nullptr;  // already unlinked: the destructor has nothing to do
            delete morto;
        } else {
            p = &(*p)->m_pNextDLL;
        }
    }
    delete[] state.pClasses;
    state = AFX_EXTENSION_MODULE{};
}

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state)
    : m_hModule(state.hModule), m_pModule(&state) {
    EstadoModulos& e = Estado();
    m_pNextDLL = e.cadeia;
    e.cadeia = this;
}

CDynLinkLibrary::~CDynLinkLibrary() {
    if (!m_pModule) return;
    for (CDynLinkLibrary** p = &Estado().cadeia; *p; p = &(*p)->m_pNextDLL) {
        if (*p == this) {
            *p = m_pNextDLL;
            break;
        }
    }
}
