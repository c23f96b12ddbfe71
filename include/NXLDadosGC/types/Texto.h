// Fixed-width text fields of the records and the formatting of computed texts.
#ifndef NXLDADOSGC_TYPES_TEXTO_H
#define NXLDADOSGC_TYPES_TEXTO_H

#include <cstddef>  // std::size_t

#include "NXLDadosGC/platform/CString.h"  // CString
#include "NXLDadosGC/platform/Tipos.h"    // NXLDADOSGC_API

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

// A new CString formatted printf-style (CString::Format).
NXLDADOSGC_API CString FormataTexto(const char* formato, ...) __attribute__((format(printf, 1, 2)));

#endif
