#include "Formato.h"

#include <cstdio>   // std::snprintf
#include <cstring>  // std::memchr

namespace NXDadosGC::formato {
namespace {

// Bytes 0x80..0x9F of code page 1252.
constexpr char32_t k1252[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

int DigitoHex(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

void AnexarDe1252(std::string& s, const unsigned char* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
        const char32_t c = p[i] >= 0x80 && p[i] < 0xA0 ? k1252[p[i] - 0x80] : p[i];
        if (c < 0x80) {
            s += static_cast<char>(c);
        } else if (c < 0x800) {
            s += static_cast<char>(0xC0 | (c >> 6));
            s += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            s += static_cast<char>(0xE0 | (c >> 12));
            s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            s += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
}

// The code page 1252 bytes of u, one per character (Caracteres(u) in all); false when a
// character has no byte, which `ruim` then holds (0xFFFFFFFF for bytes that are not UTF-8).
bool Para1252(std::string_view u, unsigned char* destino, char32_t& ruim) {
    for (std::size_t i = 0; i < u.size();) {
        const auto b = static_cast<unsigned char>(u[i]);
        const std::size_t n = b < 0x80 ? 1 : (b >> 5) == 0x6 ? 2 : (b >> 4) == 0xE ? 3 : (b >> 3) == 0x1E ? 4 : 0;
        if (n == 0 || i + n > u.size()) {
            ruim = 0xFFFFFFFF;
            return false;
        }
        char32_t c = n == 1 ? b : b & (0x7F >> n);
        for (std::size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(u[i + k]) & 0x3F);
        i += n;
        int byte = c < 0x80 || (c >= 0xA0 && c <= 0xFF) ? static_cast<int>(c) : -1;
        for (int k = 0; k < 32 && byte < 0; ++k)
            if (k1252[k] == c) byte = 0x80 + k;
        if (byte < 0) {
            ruim = c;
            return false;
        }
        *destino++ = static_cast<unsigned char>(byte);
    }
    return true;
}

// Characters of a UTF-8 text, counted without decoding it.
std::size_t Caracteres(std::string_view u) {
    std::size_t n = 0;
    for (const char c : u) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

}  // namespace

void AnexarTextoUtf8(std::string& saida, const unsigned char* p, std::size_t n) { AnexarDe1252(saida, p, n); }

std::string GravarTextoUtf8(std::string_view u, unsigned char* destino, std::size_t maximo) {
    // One byte per character in the code page: the length is known before anything is converted.
    const std::size_t n = Caracteres(u);
    if (n > maximo)
        return "text of " + std::to_string(n) + " bytes does not fit (at most " + std::to_string(maximo) + ")";
    char32_t ruim = 0;
    if (!Para1252(u, destino, ruim)) {
        if (ruim == 0xFFFFFFFF) return "text is not valid UTF-8";
        char b[64];
        std::snprintf(b, sizeof b, "character U+%04X has no code page 1252 byte", static_cast<unsigned>(ruim));
        return b;
    }
    if (std::memchr(destino, 0, n)) return "a text cannot hold a zero character";
    return {};
}

void AnexarHex(std::string& s, const unsigned char* p, std::size_t n) {
    static constexpr char kDigitos[] = "0123456789abcdef";
    for (std::size_t i = 0; i < n; ++i) {
        s += kDigitos[p[i] >> 4];
        s += kDigitos[p[i] & 0xF];
    }
}

bool LerHex(std::string_view s, unsigned char* p, std::size_t n) {
    if (s.size() != 2 * n) return false;
    for (std::size_t i = 0; i < n; ++i) {
        const int a = DigitoHex(s[2 * i]), b = DigitoHex(s[2 * i + 1]);
        if (a < 0 || b < 0) return false;
        p[i] = static_cast<unsigned char>(a * 16 + b);
    }
    return true;
}

}  // namespace NXDadosGC::formato
