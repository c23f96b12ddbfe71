// A field's value as text, whatever its kind, and back: the one place that knows, kind by kind,
// which text a value has. Dumps, the JSON form and any other text format write values through
// TextoDoCampo and read them through LeituraDoCampo; a new kind of field is a new row here and
// its value type's text forms in this folder, and formats are untouched.
#ifndef NXLDADOSGC_TYPES_TEXTOCAMPO_H
#define NXLDADOSGC_TYPES_TEXTOCAMPO_H

#include <cstdint>      // std::int64_t, std::uint8_t
#include <string>       // std::string
#include <string_view>  // std::string_view

#include "NXLDadosGC/core/Layout.h"  // CampoInfo, TipoCampo

namespace NXDadosGC {

// The shape a value takes in text. A format writes and reads each shape its own way (a JSON
// number, a quoted string, an object of parts ...), never looking at the field's kind.
enum class FormaValor : std::uint8_t {
    Inteiro,   // a whole number
    Decimal,   // a text that is the value (a currency amount, "12.3400")
    Datado,    // the raw value (a number, or a text where a number would lose bits) and, when it
               // holds a valid date, the date's text
    Texto,     // bytes of the code page up to the first zero, possibly followed by more bytes
    Bytes,     // bytes with no structure of their own, shown in hex
    Endereco,  // a pointer: an address that means something only inside the process
};

// Who reads the text. They differ in dates only: for people a competence reads "04/2018" and a
// moment shows its raw bits alone; for programs both carry their ISO 8601 date (types/Datas.h
// says why a competence has two forms).
enum class Leitor : std::uint8_t { Pessoas, Programas };

// The value of a field, from the field's bytes at p (which need no alignment).
struct TextoValor {
    FormaValor forma = FormaValor::Bytes;
    std::int64_t inteiro = 0;    // Inteiro; Datado when the raw value is a number
    std::string texto;           // Decimal; Endereco ("null" for none); Datado when the raw value is a text
    std::string data;            // Datado: the date, empty when the raw value holds none
    bool brutoEmTexto = false;   // Datado: the raw value is `texto`, not `inteiro`
};
NXLDADOSGC_API TextoValor TextoDoCampo(const CampoInfo& campo, const unsigned char* p, Leitor leitor);

// How a reader takes a field's value back, in the forms programs get (Leitor::Programas). Every
// Inteiro, Decimal and Datado value fits a signed 64-bit integer, which `gravar` stores.
struct LeituraDoCampo {
    FormaValor forma;
    std::int64_t minimo = 0, maximo = 0;  // Inteiro, and Datado with a raw number
    const char* exemplo = "";       // Decimal and Datado: an example of the (date) text
    bool brutoEmTexto = false;      // Datado: the raw value is a text ...
    const char* exemploBruto = "";  // ... like this one
    // Decimal, and Datado's raw text: the value of the text; throws std::invalid_argument, quoting
    // the text, when it is none.
    std::int64_t (*deTexto)(std::string_view texto) = nullptr;
    // Datado: the value of a date text; false when the text is no valid date of the kind's form.
    bool (*deData)(std::string_view texto, std::int64_t& valor) = nullptr;
    // Inteiro, Decimal and Datado: stores a value (within [minimo, maximo] where those apply) into
    // the field's bytes at p.
    void (*gravar)(std::int64_t valor, unsigned char* p) = nullptr;
};
NXLDADOSGC_API const LeituraDoCampo& LeituraDe(TipoCampo tipo);

}  // namespace NXDadosGC

#endif
