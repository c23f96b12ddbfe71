// The framework's exceptions.
#include "NXLDadosGC/platform/Excecoes.h"

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CInvalidArgException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CException)

CException::~CException() = default;
void CException::Delete() { delete this; }
const char* CException::GetMensagem() const { return "exception"; }

CInvalidArgException::~CInvalidArgException() = default;
const char* CInvalidArgException::GetMensagem() const { return "invalid argument"; }

CMemoryException::~CMemoryException() = default;
const char* CMemoryException::GetMensagem() const { return "out of memory"; }

void AfxThrowInvalidArgException() { throw new CInvalidArgException(); }
void AfxThrowMemoryException() { throw new CMemoryException(); }
