// The framework's exceptions.
#include "NXLDadosGC/platform/Excecoes.h"

#include <new>  // std::nothrow

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CException)

CException::~CException() = default;
void CException::Delete() {
    if (m_bAutoDelete) delete this;
}
const char* CException::GetMensagem() const { return "exception"; }

CInvalidArgException::~CInvalidArgException() = default;
const char* CInvalidArgException::GetMensagem() const { return "invalid argument"; }

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
