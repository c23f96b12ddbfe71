// The ANSI code page of the process and the byte-counted multibyte copy.
#ifndef NXLDADOSGC_PLATFORM_MULTIBYTE_H
#define NXLDADOSGC_PLATFORM_MULTIBYTE_H

#include "NXLDadosGC/platform/Tipos.h"  // NXLPLATAFORMA_API

// The ANSI code page: 1252 until changed. Double-byte pages with known lead-byte ranges:
// 932 (0x81-0x9F, 0xE0-0xFC), 936, 949 and 950 (0x81-0xFE); every other page is single-byte.
// _setmbcp returns 0 on success and -1 for a page it does not know (negative or zero).
// NOTE: one setting for the whole process. Set it at start-up, before any thread stores or reads
// texts; each copy reads it once, so a text stored while it changes is cut under either page.
NXLPLATAFORMA_API int _setmbcp(int codepage);
NXLPLATAFORMA_API int _getmbcp();
// True when c is a lead byte of a two-byte character under the current code page.
NXLPLATAFORMA_API int _ismbblead(unsigned int c);

// Copies bytes of src into dest until count bytes have been copied or src's terminating zero
// has been copied. If the zero comes first, the rest of the count is filled with zeros. Under a
// double-byte page it never splits a character: when a lead byte would be the last byte copied,
// a zero is written in its place and the copy ends. Returns dest.
NXLPLATAFORMA_API unsigned char* _mbsnbcpy(unsigned char* dest, const unsigned char* src, std::size_t count);

#endif
