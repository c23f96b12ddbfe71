// The framework's exceptions.
#include "NXLDadosGC/platform/Excecoes.h"

#include <cstdarg>    // va_list
#include <cstdio>     // std::vsnprintf
#include <cstring>    // std::strncpy
#include <new>        // std::nothrow, std::bad_alloc
#include <stdexcept>  // std::out_of_range, std::invalid_argument, std::runtime_error

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CException)

CException::~CException() = default;
void CException::Delete() {
    if (m_bAutoDelete) delete this;
}
const char* CException::GetMensagem() const { return "exception"; }

CInvalidArgException::CInvalidArgException(const char* mensagem, bool foraDosLimites)
    : m_ForaDosLimites(foraDosLimites) {
    std::strncpy(m_Mensagem, mensagem, sizeof m_Mensagem - 1);
}
CInvalidArgException::~CInvalidArgException() = default;
const char* CInvalidArgException::GetMensagem() const { return *m_Mensagem ? m_Mensagem : "invalid argument"; }

CMemoryException::~CMemoryException() = default;
const char* CMemoryException::GetMensagem() const { return "out of memory"; }

namespace {
// The shared memory exception: built before any code runs (constant initialization) and never
// destroyed, so that it stays valid for exceptions raised while the program shuts down.
union ExcecaoMemoria {
    constexpr ExcecaoMemoria() : objeto(FALSE) {}
    ~ExcecaoMemoria() {}
    CMemoryException objeto;
};
constinit ExcecaoMemoria g_memoria;
}  // namespace

void AfxThrowInvalidArgException() {
    auto* e = new (std::nothrow) CInvalidArgException();
    if (!e) AfxThrowMemoryException();
    throw e;
}
void AfxThrowMemoryException() { throw &g_memoria.objeto; }

namespace NXDadosGC {

void LancarArgumentoInvalido(bool foraDosLimites, const char* formato, ...) {
    char mensagem[256];
    va_list args;
    va_start(args, formato);
    std::vsnprintf(mensagem, sizeof mensagem, formato, args);
    va_end(args);
    auto* e = new (std::nothrow) CInvalidArgException(mensagem, foraDosLimites);
    if (!e) AfxThrowMemoryException();
    throw e;
}

void RelancarComoPadrao(CException* e) {
    // The standard exception copies the message before the framework's is released.
    struct Liberar {
        CException* e;
        ~Liberar() { e->Delete(); }
    } liberar{e};
    if (e->IsKindOf(RUNTIME_CLASS(CMemoryException))) throw std::bad_alloc();
    if (e->IsKindOf(RUNTIME_CLASS(CInvalidArgException))) {
        if (static_cast<const CInvalidArgException*>(e)->ForaDosLimites()) throw std::out_of_range(e->GetMensagem());
        throw std::invalid_argument(e->GetMensagem());
    }
    throw std::runtime_error(e->GetMensagem());
}

}  // namespace NXDadosGC
