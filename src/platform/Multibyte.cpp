// The process's ANSI code page, its lead-byte test and the byte-counted multibyte copy.
#include "NXLDadosGC/platform/Multibyte.h"

#include <atomic>  // std::atomic

#include "Interno.h"  // EhByteInicial

namespace {

// Relaxed is enough: the page is one independent value, set by a host before it handles text.
std::atomic<int> g_paginaCodigo{1252};

}  // namespace

bool NXDadosGC::detail::EhByteInicial(int pagina, unsigned int c) {
    switch (pagina) {
        case 932:  // Japanese: two lead-byte ranges around the single-byte katakana
            return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
        case 936:  // Simplified Chinese
        case 949:  // Korean
        case 950:  // Traditional Chinese
            return c >= 0x81 && c <= 0xFE;
        default:
            return false;
    }
}

using NXDadosGC::detail::EhByteInicial;

int _setmbcp(int codepage) {
    if (codepage <= 0) return -1;
    g_paginaCodigo.store(codepage, std::memory_order_relaxed);
    return 0;
}

int _getmbcp() { return g_paginaCodigo.load(std::memory_order_relaxed); }

// Only the low byte is looked at, so a char that was sign-extended on its way to unsigned int
// is still classified by its byte value.
int _ismbblead(unsigned int c) { return EhByteInicial(_getmbcp(), c & 0xFFU) ? 1 : 0; }

unsigned char* _mbsnbcpy(unsigned char* dest, const unsigned char* src, std::size_t count) {
    const int pagina = _getmbcp();  // one page for the whole copy
    std::size_t i = 0;
    while (i < count) {
        const unsigned char c = src[i];
        if (EhByteInicial(pagina, c)) {
            if (i + 1 == count) {  // the character does not fit: end without its lead byte
                dest[i] = 0;
                return dest;
            }
            if (src[i + 1] == 0) {  // malformed: a lead byte right before the terminator
                dest[i] = 0;        // drop the half character and end the text here,
                ++i;                // and do not look past src's terminator
                break;
            }
            dest[i] = c;
            dest[i + 1] = src[i + 1];
            i += 2;
            continue;
        }
        dest[i++] = c;
        if (c == 0) break;
    }
    for (; i < count; ++i) dest[i] = 0;  // no byte of an earlier, longer text survives
    return dest;
}
