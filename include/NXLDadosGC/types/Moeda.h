// Currency amounts: their addition as the data classes perform it, and their text and integer forms.
#ifndef NXLDADOSGC_TYPES_MOEDA_H
#define NXLDADOSGC_TYPES_MOEDA_H

#include <cstdint>      // std::int64_t
#include <stdexcept>    // std::overflow_error
#include <string>       // std::string
#include <string_view>  // std::string_view

#include "NXLDadosGC/platform/Moeda.h"  // tagCY, VarCyAdd
#include "NXLDadosGC/platform/Tipos.h"  // NXLDADOSGC_API

// Currency amounts are tagCY values, the amount times 10,000 in a signed 64-bit integer; the
// data classes store and return them untouched and add them only through Soma. Soma never
// fails and never throws.

// a + b, through VarCyAdd. When the exact sum leaves the CY range the result saturates at the
// nearest end: INT64_MAX ten-thousandths (922,337,203,685,477.5807) for a sum that is too
// large, INT64_MIN (-922,337,203,685,477.5808) for one that is too small.
// NOTE: saturation is this library's choice; callers that must detect overflow call VarCyAdd.
NXLDADOSGC_API tagCY Soma(tagCY a, tagCY b) noexcept;

namespace NXDadosGC {

// The amount a decimal text writes: an optional minus sign, at least one digit, and optionally
// a point followed by one to four digits ("12.34", "-0.5", "7", "0.0001"). Nothing else is
// accepted: no plus sign, blanks, thousands separators or exponent. Throws
// std::invalid_argument, whose message quotes the text (its first 40 bytes when longer), when
// the text has another shape, more than four decimal places or an amount outside the CY range.
NXLDADOSGC_API tagCY CYDeTexto(std::string_view texto);

// The amount with all four decimal places: "12.3400", "-0.5000", "-922337203685477.5808".
// CYDeTexto reads it back exactly.
NXLDADOSGC_API std::string TextoDeCY(tagCY valor);

// A whole amount: CYDeInteiro(60) holds 600,000 ten-thousandths. Throws std::overflow_error
// beyond ±922,337,203,685,477 (in a constant expression such a value does not compile).
constexpr tagCY CYDeInteiro(std::int64_t unidades) {
    constexpr std::int64_t kLimite = INT64_MAX / 10000;
    if (unidades > kLimite || unidades < -kLimite)
        throw std::overflow_error("currency amount " + std::to_string(unidades) + " is out of range");
    return tagCY{unidades * 10000};
}

}  // namespace NXDadosGC

#endif
