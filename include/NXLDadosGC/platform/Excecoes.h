// The framework's exceptions: thrown as pointers to heap objects, released with Delete().
#ifndef NXLDADOSGC_PLATFORM_EXCECOES_H
#define NXLDADOSGC_PLATFORM_EXCECOES_H

#include "NXLDadosGC/platform/CObject.h"  // CObject, run-time class records

// A caller catches `CInvalidArgException* e` (or `CException* e`) and calls `e->Delete()`.
// NOTE: Delete() frees the object; do not use the pointer afterwards.
class NXLPLATAFORMA_API CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException() = default;
    ~CException() override;
    void Delete();
    // The message of this exception, for diagnostics.
    virtual const char* GetMensagem() const;
};

class NXLPLATAFORMA_API CInvalidArgException : public CException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    ~CInvalidArgException() override;
    const char* GetMensagem() const override;
};

class NXLPLATAFORMA_API CMemoryException : public CException {
    DECLARE_DYNAMIC(CMemoryException)
public:
    ~CMemoryException() override;
    const char* GetMensagem() const override;
};

// Throw a new exception object by pointer, as the framework does.
[[noreturn]] NXLPLATAFORMA_API void AfxThrowInvalidArgException();
[[noreturn]] NXLPLATAFORMA_API void AfxThrowMemoryException();

#endif
