// What the JSON writer and reader share beyond the walk: the conversion of record texts to and
// from UTF-8, and hex bytes. (Every other value's text is its type's: types/TextoCampo.h.)
#ifndef NXLDADOSGC_SRC_JSON_FORMATO_H
#define NXLDADOSGC_SRC_JSON_FORMATO_H

#include <cstddef>      // std::size_t
#include <string>       // std::string
#include <string_view>  // std::string_view

namespace NXDadosGC::formato {

// The one pair of conversions between the texts records hold and the UTF-8 of documents; the
// records' code page is 1252 here, and nothing else in the component knows it.
// Appends the UTF-8 of the n bytes of a record text at p. The five bytes the code page leaves
// undefined map to the C1 controls of the same number, so that every byte survives the trip.
void AnexarTextoUtf8(std::string& saida, const unsigned char* p, std::size_t n);
// Writes the record bytes of the UTF-8 text u to `destino`, which holds `maximo` bytes (the
// terminating zero not counted). Returns "" or why the text cannot be stored: too long, not
// UTF-8, a character with no byte in the code page, or a zero character.
std::string GravarTextoUtf8(std::string_view u, unsigned char* destino, std::size_t maximo);

// Lowercase hex of n bytes, two digits each.
void AnexarHex(std::string& saida, const unsigned char* p, std::size_t n);
// Reads exactly 2n hex digits (either case) into p; false when the text is anything else.
bool LerHex(std::string_view s, unsigned char* p, std::size_t n);

}  // namespace NXDadosGC::formato

#endif
