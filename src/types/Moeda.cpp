// Currency addition of the data classes, and the text form of currency amounts.
#include "NXLDadosGC/types/Moeda.h"

#include <charconv>  // std::to_chars
#include <limits>    // std::numeric_limits

tagCY Soma(tagCY a, tagCY b) noexcept {
    tagCY soma{};
    if (VarCyAdd(a, b, &soma) == S_OK) return soma;
    // Overflow needs two operands of the same sign, and the sum lies beyond that sign's end.
    using Limite = std::numeric_limits<LONGLONG>;
    return tagCY{a.int64 < 0 ? Limite::min() : Limite::max()};
}

namespace NXDadosGC {

tagCY CYDeTexto(std::string_view s) {
    auto recusar = [s](const char* porque) {
        constexpr std::size_t kMostrar = 40;
        const std::string texto = s.size() > kMostrar ? std::string(s.substr(0, kMostrar)) + "..." : std::string(s);
        throw std::invalid_argument("\"" + texto + "\" is not a currency value: " + porque);
    };
    std::size_t i = 0;
    const bool negativo = !s.empty() && s[0] == '-';
    if (negativo) ++i;
    // Magnitudes are accumulated unsigned: the most negative amount has no positive twin.
    const std::uint64_t limite = negativo ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    std::uint64_t inteiro = 0;
    const std::size_t inicio = i;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        inteiro = inteiro * 10 + static_cast<std::uint64_t>(s[i] - '0');
        if (inteiro > limite / 10000) recusar("out of range");
    }
    if (i == inicio) recusar("no digits before the point");
    std::uint64_t fracao = 0;
    int casas = 0;
    if (i < s.size() && s[i] == '.') {
        for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++casas) {
            if (casas == 4) recusar("more than four decimal places");
            fracao = fracao * 10 + static_cast<std::uint64_t>(s[i] - '0');
        }
        if (casas == 0) recusar("no digits after the point");
    }
    if (i != s.size()) recusar("unexpected characters");
    for (; casas < 4; ++casas) fracao *= 10;
    const std::uint64_t magnitude = inteiro * 10000;
    if (magnitude > limite - fracao) recusar("out of range");
    const std::uint64_t total = magnitude + fracao;
    return tagCY{negativo ? static_cast<LONGLONG>(0 - total) : static_cast<LONGLONG>(total)};
}

std::string TextoDeCY(tagCY valor) {
    const std::int64_t v = valor.int64;
    const std::uint64_t abs = v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    char b[32];
    char* p = b;
    if (v < 0) *p++ = '-';
    p = std::to_chars(p, b + sizeof b, abs / 10000).ptr;
    *p++ = '.';
    for (std::uint64_t casas = abs % 10000, divisor = 1000; divisor; divisor /= 10) *p++ = static_cast<char>('0' + casas / divisor % 10);
    return std::string(b, p);
}

}  // namespace NXDadosGC
