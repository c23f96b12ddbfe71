// The framework's exceptions: thrown as pointers, released with Delete().
#ifndef NXLDADOSGC_PLATFORM_EXCECOES_H
#define NXLDADOSGC_PLATFORM_EXCECOES_H

#include <functional>  // std::invoke
#include <utility>     // std::forward

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

// An argument out of what the operation accepts. Its message says which operation, argument and
// bound, e.g. "GetConta: index 5 outside the 3 elements of list Conta of CNXDadosGC_CentroCustos";
// ForaDosLimites() tells an index outside a list from other invalid arguments.
class NXLPLATAFORMA_API CInvalidArgException : public CException {
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException() = default;
    // The message is kept in the object itself (up to 255 bytes), so raising allocates nothing
    // beyond the exception.
    CInvalidArgException(const char* mensagem, bool foraDosLimites);
    ~CInvalidArgException() override;
    // "invalid argument" when no message was given.
    const char* GetMensagem() const override;
    bool ForaDosLimites() const { return m_ForaDosLimites; }

private:
    char m_Mensagem[256] = {};
    bool m_ForaDosLimites = false;
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

namespace NXDadosGC {

// Raises a new CInvalidArgException* whose message is formatted printf-style (the memory
// exception if the exception itself cannot be had).
[[noreturn]] NXLPLATAFORMA_API void LancarArgumentoInvalido(bool foraDosLimites, const char* formato, ...)
    __attribute__((format(printf, 2, 3)));

// ---- The bridge to standard exceptions ------------------------------------------------------
// For a program whose handlers catch std::exception (a server's request loop, a test, a thread
// pool): the framework's exceptions do not derive from it, and one let through ends the process.

// Releases a caught framework exception (Delete) and raises its standard counterpart with the
// same message: std::bad_alloc for CMemoryException, std::out_of_range for an index outside a
// list, std::invalid_argument for another CInvalidArgException, std::runtime_error otherwise.
[[noreturn]] NXLPLATAFORMA_API void RelancarComoPadrao(CException* e);

// Runs f() and returns what it returns; a framework exception leaving it leaves this function as
// its standard counterpart (RelancarComoPadrao). Standard exceptions pass through unchanged.
//   auto conta = NXDadosGC::ComExcecoesPadrao([&] { return centro.GetConta(i); });
template <class F>
decltype(auto) ComExcecoesPadrao(F&& f) {
    try {
        return std::invoke(std::forward<F>(f));
    } catch (CException* e) {
        RelancarComoPadrao(e);
    }
}

}  // namespace NXDadosGC

#endif
