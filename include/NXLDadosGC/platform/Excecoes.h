// The framework's exceptions: thrown as pointers, released with Delete().
#ifndef NXLDADOSGC_PLATFORM_EXCECOES_H
#define NXLDADOSGC_PLATFORM_EXCECOES_H

#include "NXLDadosGC/platform/CObject.h"  // CObject, run-time class records

// A caller catches `CInvalidArgException* e`, `CMemoryException* e` (or `CException* e`) and
// calls `e->Delete()`. An invalid-argument exception is a new heap object that Delete() frees.
// The memory exception is one shared object that exists for the program's whole life, so that
// raising it needs no memory even when the heap is exhausted; its Delete() leaves it alone.
// Exceptions are never changed after construction: several threads may raise the shared one
// at once.
// NOTE: do not use the pointer after Delete().
class NXLPLATAFORMA_API CException : public CObject {
    DECLARE_DYNAMIC(CException)
public:
    CException() = default;
    // bAutoDelete false: an object that outlives its throws, which Delete() does not free.
    explicit constexpr CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}
    ~CException() override;
    // Frees a heap exception; does nothing to one that is not auto-deleted.
    void Delete();
    // The message of this exception, for diagnostics.
    virtual const char* GetMensagem() const;

protected:
    const BOOL m_bAutoDelete = TRUE;
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
    CMemoryException() = default;
    explicit constexpr CMemoryException(BOOL bAutoDelete) : CException(bAutoDelete) {}
    ~CMemoryException() override;
    const char* GetMensagem() const override;
};

// Raise a new invalid-argument exception (the memory exception if it cannot be had), or the
// shared memory exception, by pointer, as the framework does.
[[noreturn]] NXLPLATAFORMA_API void AfxThrowInvalidArgException();
[[noreturn]] NXLPLATAFORMA_API void AfxThrowMemoryException();

#endif
