#include "Formato.h"

#include <cstdio>  // std::snprintf

#include "NXLDadosGC/types/Datas.h"  // MontaDma, DesmontaDma, MontaMa, DesmontaMa, SegundosDmaHmsUtc

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

// Fixed-width decimal field of a date text; -1 when a character is not a digit.
int Digitos(std::string_view s, std::size_t de, std::size_t n) {
    int v = 0;
    for (std::size_t i = de; i < de + n; ++i) {
        if (s[i] < '0' || s[i] > '9') return -1;
        v = v * 10 + (s[i] - '0');
    }
    return v;
}

constexpr std::uint64_t kMascaraLocal = (std::uint64_t{1} << 38) - 1, kMascaraUtc = (std::uint64_t{1} << 18) - 1;

}  // namespace

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

std::size_t Caracteres(std::string_view u) {
    std::size_t n = 0;
    for (const char c : u) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
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

std::string TextoDia(std::uint32_t valor) {
    WORD d = 0, m = 0, a = 0;
    DesmontaDma(REG_NXDMA(valor), d, m, a);
    if (!d) return {};
    char b[24];
    std::snprintf(b, sizeof b, "%04u-%02u-%02u", a, m, d);
    return b;
}

std::string TextoCompetencia(std::uint16_t valor) {
    WORD m = 0, a = 0;
    DesmontaMa(REG_NXMA(valor), m, a);
    if (!m) return {};
    char b[24];
    std::snprintf(b, sizeof b, "%04u-%02u", a, m);
    return b;
}

std::string TextoMomento(std::int64_t valor) {
    const REG_NXDMAHMSUTC m(valor);
    const std::int64_t local = SegundosDmaHmsUtc(m), utc = SegundosUtcDmaHmsUtc(m);
    if ((static_cast<std::uint64_t>(valor) >> 56) != 0 || local < 0 || utc % 60 != 0) return {};
    const std::string dia = TextoDia(static_cast<std::uint32_t>(local / 86400));
    const std::int64_t absUtc = utc < 0 ? -utc : utc, hora = local % 86400;
    if (dia.empty() || absUtc > 23 * 3600 + 59 * 60) return {};
    char b[48];
    std::snprintf(b, sizeof b, "%sT%02d:%02d:%02d%c%02d:%02d", dia.c_str(), static_cast<int>(hora / 3600),
                  static_cast<int>(hora / 60 % 60), static_cast<int>(hora % 60), utc < 0 ? '-' : '+',
                  static_cast<int>(absUtc / 3600), static_cast<int>(absUtc / 60 % 60));
    return b;
}

std::uint32_t DiaDeTexto(std::string_view s) {
    if (s.size() != 10 || s[4] != '-' || s[7] != '-') return 0;
    const int a = Digitos(s, 0, 4), m = Digitos(s, 5, 2), d = Digitos(s, 8, 2);
    if (a < 1848 || m < 0 || d < 0) return 0;
    const REG_NXDMA dia = MontaDma(static_cast<WORD>(d), static_cast<WORD>(m), static_cast<WORD>(a));
    return TextoDia(dia) == s ? static_cast<std::uint32_t>(dia) : 0;  // refuses 2018-02-30
}

std::uint16_t CompetenciaDeTexto(std::string_view s) {
    if (s.size() != 7 || s[4] != '-') return 0;
    const int a = Digitos(s, 0, 4), m = Digitos(s, 5, 2);
    if (a < 1848 || m < 0) return 0;
    return static_cast<std::uint16_t>(MontaMa(static_cast<WORD>(m), static_cast<WORD>(a)));
}

bool MomentoDeTexto(std::string_view s, std::int64_t& valor) {
    const bool utc0 = s.size() == 20 && s[19] == 'Z';
    if ((!utc0 && (s.size() != 25 || (s[19] != '+' && s[19] != '-') || s[22] != ':')) || s[10] != 'T' ||
        s[13] != ':' || s[16] != ':')
        return false;
    const std::uint32_t dia = DiaDeTexto(s.substr(0, 10));
    const int h = Digitos(s, 11, 2), mi = Digitos(s, 14, 2), se = Digitos(s, 17, 2);
    const int uh = utc0 ? 0 : Digitos(s, 20, 2), um = utc0 ? 0 : Digitos(s, 23, 2);
    if (!dia || h < 0 || h > 23 || mi < 0 || mi > 59 || se < 0 || se > 59 || uh < 0 || uh > 23 || um < 0 || um > 59)
        return false;
    const std::int64_t local = std::int64_t{dia} * 86400 + h * 3600 + mi * 60 + se;
    const std::int64_t utc = (!utc0 && s[19] == '-' ? -1 : 1) * (uh * 3600 + um * 60);
    valor = static_cast<std::int64_t>((static_cast<std::uint64_t>(local) & kMascaraLocal) |
                                      ((static_cast<std::uint64_t>(utc) & kMascaraUtc) << 38));
    return true;
}

}  // namespace NXDadosGC::formato
