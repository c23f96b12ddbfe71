// Fixed-width text fields of the records and the formatting of computed texts.
#ifndef NXLDADOSGC_TYPES_TEXTO_H
#define NXLDADOSGC_TYPES_TEXTO_H

#include <cstddef>      // std::size_t
#include <string>       // std::string
#include <string_view>  // std::string_view

#include "NXLDadosGC/platform/CString.h"  // CString
#include "NXLDadosGC/platform/Tipos.h"    // NXLDADOSGC_API
#include "NXLDadosGC/platform/Utf8.h"     // OpcoesTexto, ErroTexto

// A text field of width N is char[N+1] inside a record: the text in bytes 0..N-1, zeros after
// it up to N-1, and byte N zero because the record starts zeroed and nothing writes it. Counts
// are bytes in the process's ANSI code page (see platform/Multibyte.h); no conversion of code
// page, case or accents happens either way, and nothing is trimmed.

// Stores valor's bytes into the field at campo that holds N bytes: at most N bytes of the
// text, then zeros up to byte N-1, so nothing of an earlier, longer text survives. A longer
// text is cut at N bytes without report; under a double-byte page a character that does not
// fit whole is dropped and a zero takes its lead byte's place.
// NOTE: byte N is never written; the field's terminating zero comes from the cleared record.
NXLDADOSGC_API void SetCampoTexto(char* campo, std::size_t N, const CString& valor);

// Replaces resultado by the bytes of the field before its first zero.
// NOTE: only defined for a field holding a zero within its N+1 bytes, as every field written
// by SetCampoTexto into a cleared record does.
NXLDADOSGC_API void GetCampoTexto(CString& resultado, const char* campo);

// The same store for a UTF-8 text, converted to the code page of `opcoes`, when all of it fits:
// otherwise ErroTexto, and the field keeps what it held. The error names the field and class
// (`nome` and `classe`, for the message only), its width and the bytes the text takes, and
// Posicao() is where the first character that does not fit starts in utf8. A character the
// page lacks, or invalid UTF-8, is refused (or replaced) as DeUtf8 does. The text ends at a
// U+0000, as a CString's does.
NXLDADOSGC_API void SetCampoTextoUtf8(char* campo, std::size_t N, std::string_view utf8,
                                      const NXDadosGC::OpcoesTexto& opcoes, const char* nome, const char* classe);

// The field's text (the bytes before its first zero) as UTF-8; ParaUtf8's errors.
NXLDADOSGC_API std::string GetCampoTextoUtf8(const char* campo, const NXDadosGC::OpcoesTexto& opcoes);

// A new CString formatted printf-style (CString::Format).
NXLDADOSGC_API CString FormataTexto(const char* formato, ...) __attribute__((format(printf, 1, 2)));

#endif
