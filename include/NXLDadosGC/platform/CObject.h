// CObject and run-time class records (CRuntimeClass), with the dynamic-only declare/implement
// macros and the lookup of loaded run-time classes by name.
#ifndef NXLDADOSGC_PLATFORM_COBJECT_H
#define NXLDADOSGC_PLATFORM_COBJECT_H

#include "NXLDadosGC/platform/Tipos.h"  // UINT, BOOL, NXLPLATAFORMA_API

class CObject;
class CArchive;
class CDumpContext;

// One record per class: its name, object size, schema and base-class link. Records are
// constant data (no dynamic initialisation), so they are valid before any constructor runs.
// NOTE: only the dynamic-only form exists: m_wSchema is 0xFFFF and m_pfnCreateObject null.
struct NXLPLATAFORMA_API CRuntimeClass {
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject* (*m_pfnCreateObject)();
    CRuntimeClass* (*m_pfnGetBaseClass)();
    CRuntimeClass* m_pNextClass;  // unused: membership lives in the module records

    // True when this class is pBaseClass or derives from it through the base links.
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;

    // The record of a loaded class with this exact name: first the host's own classes, then
    // those of every extension library in the chain; null when none is loaded. Safe from any
    // number of threads, except while an extension library loads or unloads (ModuloExtensao.h).
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
};

// The root of every class with a run-time class record. Virtual slot order: GetRuntimeClass,
// destructor, Serialize, AssertValid, Dump.
class NXLPLATAFORMA_API CObject {
public:
    static const CRuntimeClass classCObject;
    static CRuntimeClass* GetThisClass();
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    // True when this object's class is pClass or derives from it.
    BOOL IsKindOf(const CRuntimeClass* pClass) const;

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

// Adds a class to the list of the module being loaded (the host's, or an extension
// library's while its start-up collects them). Used by IMPLEMENT_DYNAMIC.
NXLPLATAFORMA_API void AfxClassInit(CRuntimeClass* pNewClass);

// Calls pfn(record, pContext) for every loaded class: first the host's own, then those of each
// extension library in the chain. The same rule as FromName: not while a library loads or unloads.
NXLPLATAFORMA_API void AfxDoForAllClasses(void (*pfn)(const CRuntimeClass* pClass, void* pContext), void* pContext);

struct AFX_CLASSINIT {
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass) { AfxClassInit(pNewClass); }
};

#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

// DECLARE_DYNAMIC(class_name): in a class body; declares the static record
// `class<class_name>`, `GetThisClass()`, the protected `_GetBaseClass()` and the virtual
// `GetRuntimeClass()`. Leaves the class in public access.
#define DECLARE_DYNAMIC(class_name)                  \
protected:                                           \
    static CRuntimeClass* _GetBaseClass();           \
                                                     \
public:                                              \
    static const CRuntimeClass class##class_name;    \
    static CRuntimeClass* GetThisClass();            \
    CRuntimeClass* GetRuntimeClass() const override; \
                                                     \
private:

// Registration runs in the start-up window an extension library opens for its classes
// (see ModuloExtensao.h): after the window opens, before the library records what it owns.
#define NX_INTERNAL_PRIORIDADE_CLASSES 102

// IMPLEMENT_DYNAMIC(class_name, base_class_name): at namespace scope in one source file;
// defines what DECLARE_DYNAMIC declared (schema 0xFFFF, no creation function) and
// registers the record with the module being loaded.
#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                      \
    CRuntimeClass* class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); }   \
    const CRuntimeClass class_name::class##class_name = {                                   \
        #class_name, static_cast<int>(sizeof(class_name)), 0xFFFF, nullptr,                 \
        &class_name::_GetBaseClass, nullptr};                                               \
    CRuntimeClass* class_name::GetThisClass() {                                             \
        return const_cast<CRuntimeClass*>(&class_name::class##class_name);                  \
    }                                                                                       \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); } \
    __attribute__((init_priority(NX_INTERNAL_PRIORIDADE_CLASSES))) static AFX_CLASSINIT   \
        _init_##class_name(class_name::GetThisClass());

#endif
