// What the JSON writer and reader share beyond the walk: the conversion of record texts to and
// from UTF-8 under the code page of the document, and hex bytes. (Every other value's text is
// its type's: types/TextoCampo.h.)
#ifndef NXLDADOSGC_SRC_JSON_FORMATO_H
#define NXLDADOSGC_SRC_JSON_FORMATO_H

#include <cstddef>      // std::size_t
#include <string>       // std::string
#include <string_view>  // std::string_view

namespace NXDadosGC::formato {

// The one pair of conversions between the texts records hold and the UTF-8 of documents, under
// code page `pagina` (platform/Utf8.h; 0 is the process's).
// Appends the UTF-8 of the n bytes of a record text at p, up to the first byte sequence that is
// no character of the page. True when that was all of them and each character goes back to its
// own bytes (a 932 duplicate does not), so that the text alone gives the bytes back.
bool AnexarTextoUtf8(std::string& saida, const unsigned char* p, std::size_t n, int pagina);
// Writes the record bytes of the UTF-8 text u to `destino`, which holds `maximo` bytes (the
// terminating zero not counted). Returns "" or why the text cannot be stored: too long, not
// UTF-8, a character with no bytes in the code page, or a zero character. Under 1252, one byte a
// character, the length is told first.
std::string GravarTextoUtf8(std::string_view u, unsigned char* destino, std::size_t maximo, int pagina);

// Lowercase hex of n bytes, two digits each.
void AnexarHex(std::string& saida, const unsigned char* p, std::size_t n);
// Reads exactly 2n hex digits (either case) into p; false when the text is anything else (p
// may then hold some of it).
bool LerHex(std::string_view s, unsigned char* p, std::size_t n);

}  // namespace NXDadosGC::formato

#endif
