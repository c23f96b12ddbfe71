#include "Formato.h"

#include <array>    // std::array
#include <cstdint>  // std::uint8_t
#include <cstdio>   // std::snprintf
#include <cstring>  // std::memcpy

#include "NXLDadosGC/platform/Multibyte.h"  // _getmbcp
#include "NXLDadosGC/platform/Utf8.h"       // ConverterDeUtf8, ConverterParaUtf8

namespace NXDadosGC::formato {
namespace {

// The value of each byte as a hex digit, 0x10 (a bit no digit has) for a byte that is none.
constexpr auto kDigitoHex = [] {
    std::array<std::uint8_t, 256> t{};
    t.fill(0x10);
    for (int c = 0; c < 10; ++c) t['0' + c] = static_cast<std::uint8_t>(c);
    for (int c = 0; c < 6; ++c) t['a' + c] = t['A' + c] = static_cast<std::uint8_t>(10 + c);
    return t;
}();

// Characters of a UTF-8 text, counted without decoding it.
std::size_t Caracteres(std::string_view u) {
    std::size_t n = 0;
    for (const char c : u) n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

std::string NaoCabe(std::size_t n, std::size_t maximo) {
    return "text of " + std::to_string(n) + " bytes does not fit (at most " + std::to_string(maximo) + ")";
}

}  // namespace

bool AnexarTextoUtf8(std::string& saida, const unsigned char* p, std::size_t n, int pagina) {
    const std::string_view bytes(reinterpret_cast<const char*>(p), n);
    // Exact as long as each character goes back to its own bytes; past the first that does not
    // (a duplicate of another sequence), the text goes on to the first bytes that are none.
    const std::size_t exatos = ConverterParaUtf8(saida, bytes, pagina, true);
    if (exatos == n) return true;
    ConverterParaUtf8(saida, bytes.substr(exatos), pagina, false);
    return false;
}

std::string GravarTextoUtf8(std::string_view u, unsigned char* destino, std::size_t maximo, int pagina) {
    if (pagina == 0) pagina = _getmbcp();
    if (pagina == 1252 && Caracteres(u) > maximo) return NaoCabe(Caracteres(u), maximo);
    std::string bytes;
    char32_t ruim = 0;
    if (ConverterDeUtf8(bytes, u, pagina, &ruim) != u.size()) {
        if (ruim == ErroTexto::kNenhum) return "text is not valid UTF-8";
        char b[64];
        std::snprintf(b, sizeof b, "character U+%04X has no code page %d byte", static_cast<unsigned>(ruim), pagina);
        return b;
    }
    if (bytes.size() > maximo) return NaoCabe(bytes.size(), maximo);
    if (bytes.find('\0') != std::string::npos) return "a text cannot hold a zero character";
    std::memcpy(destino, bytes.data(), bytes.size());
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
    // Every pair is written; a byte that is no digit shows in `fora` at the end.
    unsigned fora = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned a = kDigitoHex[static_cast<unsigned char>(s[2 * i])],
                       b = kDigitoHex[static_cast<unsigned char>(s[2 * i + 1])];
        fora |= a | b;
        p[i] = static_cast<unsigned char>(a << 4 | b);
    }
    return (fora & 0x10) == 0;
}

}  // namespace NXDadosGC::formato
