// The text forms of field values that the JSON writer and reader share: code page 1252 texts
// as UTF-8, hex bytes, and dates as ISO 8601 texts.
#ifndef NXLDADOSGC_SRC_JSON_FORMATO_H
#define NXLDADOSGC_SRC_JSON_FORMATO_H

#include <cstddef>      // std::size_t
#include <cstdint>      // fixed-width integers
#include <string>       // std::string
#include <string_view>  // std::string_view

namespace NXDadosGC::formato {

// Appends the UTF-8 form of n code page 1252 bytes. The five bytes the code page leaves
// undefined map to the C1 controls of the same number, so that every byte survives the trip.
void AnexarDe1252(std::string& saida, const unsigned char* p, std::size_t n);

// Writes the code page 1252 bytes of the UTF-8 text `u` to `destino`, one per character
// (Caracteres(u) in all). False when a character has no byte in the code page, which `ruim`
// then holds (0xFFFFFFFF for bytes that are not UTF-8).
bool Para1252(std::string_view u, unsigned char* destino, char32_t& ruim);

// Characters of a UTF-8 text, counted without decoding it.
std::size_t Caracteres(std::string_view u);

// Lowercase hex of n bytes, two digits each.
void AnexarHex(std::string& saida, const unsigned char* p, std::size_t n);
// Reads exactly 2n hex digits (either case) into p; false when the text is anything else.
bool LerHex(std::string_view s, unsigned char* p, std::size_t n);

// "2018-04-09" of a day number, "2018-04" of a competence, "2018-04-09T10:30:15-03:00" of a
// moment; empty when the value is no valid date (a moment must also have its unused bits zero
// and an offset of whole minutes within ±23:59).
std::string TextoDia(std::uint32_t dia);
std::string TextoCompetencia(std::uint16_t competencia);
std::string TextoMomento(std::int64_t momento);

// The way back: 0 (false) when the text is not exactly a valid date of that form. A moment
// may also end in "Z" for UTC.
std::uint32_t DiaDeTexto(std::string_view s);
std::uint16_t CompetenciaDeTexto(std::string_view s);
bool MomentoDeTexto(std::string_view s, std::int64_t& momento);

}  // namespace NXDadosGC::formato

#endif
