// CString: the framework's ANSI string. It holds bytes in the process's ANSI code page
// (1252 unless changed, see Multibyte.h) and never converts them.
#ifndef NXLDADOSGC_PLATFORM_CSTRING_H
#define NXLDADOSGC_PLATFORM_CSTRING_H

#include <cstdarg>      // va_list
#include <string>       // std::string
#include <string_view>  // std::string_view

#include "NXLDadosGC/platform/Tipos.h"  // NXLPLATAFORMA_API, LPCSTR

// Length is in bytes. A CString may hold zero bytes inside it only through
// GetBuffer/ReleaseBuffer with an explicit length; text functions stop at the first zero.
class NXLPLATAFORMA_API CString {
public:
    CString() = default;
    CString(LPCSTR psz) : m_texto(psz ? psz : "") {}  // NOLINT: implicit, as in the framework
    CString(std::string_view texto) : m_texto(texto) {}  // NOLINT
    CString(char ch, int nRepeat = 1) : m_texto(nRepeat > 0 ? static_cast<std::size_t>(nRepeat) : 0, ch) {}

    int GetLength() const { return static_cast<int>(m_texto.size()); }
    bool IsEmpty() const { return m_texto.empty(); }
    void Empty() { m_texto.clear(); }
    LPCSTR GetString() const { return m_texto.c_str(); }
    operator LPCSTR() const { return m_texto.c_str(); }  // NOLINT: as in the framework
    std::string_view Visao() const { return m_texto; }
    operator std::string_view() const { return m_texto; }  // NOLINT
    char GetAt(int i) const { return m_texto[static_cast<std::size_t>(i)]; }

    // A writable buffer of at least nMinBufLength bytes plus a terminating zero, holding the
    // current text. ReleaseBuffer(n) ends the string at n bytes; -1 ends it at the first zero.
    LPSTR GetBuffer(int nMinBufLength = 0);
    void ReleaseBuffer(int nNewLength = -1);

    // printf-style formatting; replaces the contents.
    void Format(LPCSTR pszFormat, ...) __attribute__((format(printf, 2, 3)));
    void FormatV(LPCSTR pszFormat, va_list args);

    CString& operator=(LPCSTR psz) { m_texto = psz ? psz : ""; return *this; }
    CString& operator+=(const CString& s) { m_texto += s.m_texto; return *this; }
    CString& operator+=(LPCSTR psz) { if (psz) m_texto += psz; return *this; }
    CString& operator+=(char ch) { m_texto += ch; return *this; }

    // Byte-wise comparison: <0, 0, >0.
    int Compare(LPCSTR psz) const { return m_texto.compare(psz ? psz : ""); }

    friend CString operator+(const CString& a, const CString& b) { CString r(a); r += b; return r; }
    friend CString operator+(const CString& a, LPCSTR b) { CString r(a); r += b; return r; }
    friend CString operator+(LPCSTR a, const CString& b) { CString r(a); r += b; return r; }
    friend bool operator==(const CString& a, const CString& b) { return a.m_texto == b.m_texto; }
    friend bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, LPCSTR b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_texto < b.m_texto; }
    friend bool operator>(const CString& a, const CString& b) { return b < a; }
    friend bool operator<=(const CString& a, const CString& b) { return !(b < a); }
    friend bool operator>=(const CString& a, const CString& b) { return !(a < b); }

private:
    std::string m_texto;
};

#endif
