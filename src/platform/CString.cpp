// CString's buffer and formatting operations.
#include "NXLDadosGC/platform/CString.h"

#include <cstdio>   // std::vsnprintf
#include <cstring>  // std::strlen

LPSTR CString::GetBuffer(int nMinBufLength) {
    if (nMinBufLength > GetLength()) m_texto.resize(static_cast<std::size_t>(nMinBufLength));
    return m_texto.data();
}

void CString::ReleaseBuffer(int nNewLength) {
    const std::size_t n = nNewLength < 0 ? std::strlen(m_texto.c_str())
                                         : static_cast<std::size_t>(nNewLength);
    m_texto.resize(n < m_texto.size() ? n : m_texto.size());
}

void CString::Format(LPCSTR pszFormat, ...) {
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::FormatV(LPCSTR pszFormat, va_list args) {
    va_list copia;
    va_copy(copia, args);
    const int n = std::vsnprintf(nullptr, 0, pszFormat, copia);
    va_end(copia);
    if (n < 0) {
        m_texto.clear();
        return;
    }
    std::string r(static_cast<std::size_t>(n) + 1, '\0');
    std::vsnprintf(r.data(), r.size(), pszFormat, args);
    r.resize(static_cast<std::size_t>(n));
    m_texto.swap(r);
}
