// Day numbers, competences and time stamps: the calendar encodings the records carry.
#ifndef NXLDADOSGC_TYPES_DATAS_H
#define NXLDADOSGC_TYPES_DATAS_H

#include <cstdint>      // std::uint16_t, std::uint32_t, std::int64_t
#include <string>       // std::string
#include <string_view>  // std::string_view
#include <type_traits>  // the layout checks below

#include "NXLDadosGC/core/Layout.h"     // TipoCampoDe: the kinds field tables give these values
#include "NXLDadosGC/platform/Tipos.h"  // WORD, LONG, LONGLONG, NXLDADOSGC_API

// Each value is a small struct over the integer it is stored as, so a record holds it byte for
// byte and copies and compares it as raw memory; every one is zero when it holds nothing.
//
// REG_NXDMA counts days on the Gregorian calendar: 2 is 1 January 1848, 1,048,247 is
// 31 December 4717, and every value outside 2..1,048,247 means "no date". REG_NXMA counts
// months: (year - 1848) × 12 + month, 1..34,440; 0 means "no competence". Both convert
// implicitly to and from their integer, so they compare and print as numbers.
//
// REG_NXDMAHMSUTC packs a local moment and its offset from UTC into one 64-bit integer:
//   bits  0..37  signed, local seconds on the day-number scale: day × 86,400 + time of day
//   bits 38..55  signed, local minus UTC in seconds (three hours west of Greenwich: -10,800)
//   bits 56..63  unused: zero when built here, kept unchanged by the setters
// It converts implicitly to and from that integer, as the other two do.
//
// REG_NXDMC is another 8-byte date value that this library only moves and compares whole.
//
// Years below 100 given to MontaDma and MontaMa are widened: below 84 to 20yy, else 19yy.
// Invalid input builds 0 and decomposes to all-zero parts; nothing throws.

struct REG_NXDMA {
    std::uint32_t m_Valor;

    REG_NXDMA() = default;  // keeps the type trivial; REG_NXDMA{} is 0
    constexpr REG_NXDMA(std::uint32_t valor) : m_Valor(valor) {}  // NOLINT: implicit by design
    constexpr operator std::uint32_t() const { return m_Valor; }  // NOLINT
};

struct REG_NXMA {
    std::uint16_t m_Valor;

    REG_NXMA() = default;
    constexpr REG_NXMA(std::uint16_t valor) : m_Valor(valor) {}  // NOLINT: implicit by design
    constexpr operator std::uint16_t() const { return m_Valor; }  // NOLINT
};

struct REG_NXDMAHMSUTC {
    std::int64_t m_Valor;

    REG_NXDMAHMSUTC() = default;
    constexpr REG_NXDMAHMSUTC(std::int64_t valor) : m_Valor(valor) {}  // NOLINT: implicit by design
    constexpr operator std::int64_t() const { return m_Valor; }        // NOLINT
    // The whole 64-bit integer, unused bits included.
    constexpr std::int64_t Valor() const { return m_Valor; }
};

// Opaque: no operation of this library looks inside.
struct REG_NXDMC {
    alignas(8) unsigned char m_Bytes[8];

    friend constexpr bool operator==(const REG_NXDMC&, const REG_NXDMC&) = default;
};

#define NX_INTERNAL_VALOR_DATA(T, tamanho)                                                    \
    static_assert(sizeof(T) == (tamanho) && alignof(T) == (tamanho), #T ": size or alignment"); \
    static_assert(std::is_standard_layout_v<T> && std::is_trivial_v<T>, #T ": not plain data"); \
    static_assert(std::has_unique_object_representations_v<T>, #T ": has padding");
NX_INTERNAL_VALOR_DATA(REG_NXDMA, 4)
NX_INTERNAL_VALOR_DATA(REG_NXMA, 2)
NX_INTERNAL_VALOR_DATA(REG_NXDMAHMSUTC, 8)
NX_INTERNAL_VALOR_DATA(REG_NXDMC, 8)
#undef NX_INTERNAL_VALOR_DATA

template <> struct NXDadosGC::TipoCampoDe<REG_NXMA> { static constexpr TipoCampo valor = TipoCampo::Competencia; };
template <> struct NXDadosGC::TipoCampoDe<REG_NXDMA> { static constexpr TipoCampo valor = TipoCampo::Dia; };
template <> struct NXDadosGC::TipoCampoDe<REG_NXDMAHMSUTC> { static constexpr TipoCampo valor = TipoCampo::Momento; };
template <> struct NXDadosGC::TipoCampoDe<REG_NXDMC> { static constexpr TipoCampo valor = TipoCampo::DataDmc; };

// ---- Day numbers ----------------------------------------------------------------------------

// The day number of dia/mes/ano. A day past the end of its month is cut to the month's last
// day (31 April is 30 April, 29 February of a common year is 28 February). 0 when dia is 0,
// mes is outside 1..12 or the (widened) year is outside 1848..4717.
NXLDADOSGC_API REG_NXDMA MontaDma(WORD dia, WORD mes, WORD ano) noexcept;

// Day, month and year of a day number; all three 0 for a value outside 2..1,048,247.
NXLDADOSGC_API void DesmontaDma(REG_NXDMA dma, WORD& dia, WORD& mes, WORD& ano) noexcept;

// ---- Competences ----------------------------------------------------------------------------

// The competence of mes/ano; 0 when mes is outside 1..12 or the (widened) year is outside
// 1848..4717.
NXLDADOSGC_API REG_NXMA MontaMa(WORD mes, WORD ano) noexcept;

// Month and year of a competence; both 0 for a value outside 1..34,440.
NXLDADOSGC_API void DesmontaMa(REG_NXMA ma, WORD& mes, WORD& ano) noexcept;

// The competence of the month that contains the day; 0 for no date.
NXLDADOSGC_API REG_NXMA MaDeDma(REG_NXDMA dma) noexcept;

// ---- Time stamps ----------------------------------------------------------------------------

// The moment hora:minuto:segundo of day dma, horasUtc hours and minutosUtc minutes from UTC;
// the minutes take the sign of the hours (-3, 30 is three and a half hours west). Unused bits
// are zero. The result is 0 when dma is no date, hora > 23, minuto or segundo > 59, horasUtc
// is outside -23..23 or minutosUtc > 59.
// NOTE: an offset strictly between -1 hour and 0 cannot be given this way (hours 0 has no
// sign); SetUtcDmaHmsUtc has the same limit.
NXLDADOSGC_API REG_NXDMAHMSUTC MontaDmaHmsUtc(REG_NXDMA dma, WORD hora, WORD minuto, WORD segundo,
                                              int horasUtc, WORD minutosUtc) noexcept;

// The parts of a moment. horasUtc carries the offset's sign and minutosUtc its remaining
// whole minutes (-10,800 s gives -3, 0; -12,600 s gives -3, 30). When the local part does not
// hold a valid day (0 included) dma, hora, minuto and segundo are all 0; the offset is
// decomposed regardless.
// NOTE: an offset between -1 hour and 0 comes back as hours 0 with positive minutes, and
// seconds of an offset that is not a whole number of minutes are dropped; use
// SegundosUtcDmaHmsUtc for the exact value.
NXLDADOSGC_API void DesmontaDmaHmsUtc(REG_NXDMAHMSUTC valor, REG_NXDMA& dma, WORD& hora,
                                      WORD& minuto, WORD& segundo, int& horasUtc,
                                      WORD& minutosUtc) noexcept;

// The raw fields, sign-extended: local seconds (bits 0..37) and offset seconds (bits 38..55).
NXLDADOSGC_API LONGLONG SegundosDmaHmsUtc(REG_NXDMAHMSUTC valor) noexcept;
NXLDADOSGC_API LONG SegundosUtcDmaHmsUtc(REG_NXDMAHMSUTC valor) noexcept;

// Replace only the local date and time (bits 0..37), or only the offset (bits 38..55), keeping
// every other bit. Each validates its parts as MontaDmaHmsUtc does; on invalid parts valor is
// left unchanged and the result is false.
NXLDADOSGC_API bool SetDmaHmsDmaHmsUtc(REG_NXDMAHMSUTC& valor, REG_NXDMA dma, WORD hora,
                                       WORD minuto, WORD segundo) noexcept;
NXLDADOSGC_API bool SetUtcDmaHmsUtc(REG_NXDMAHMSUTC& valor, int horasUtc,
                                    WORD minutosUtc) noexcept;

// ---- Text forms -----------------------------------------------------------------------------
// Every text of a date value that the library writes or reads is made here.
//
// Programs exchange ISO 8601: a day "2018-04-09", a competence "2018-04", a moment
// "2018-04-09T10:30:15-03:00" (its local time and offset from UTC). A competence also has the
// form people read it in, "04/2018" (FormaMa::MesAno), the way the module's screens and reports
// write an accounting month: dumps, which are for people, show that one; the ISO form sorts as
// text and is what every date library parses, so documents for programs carry it.
//
// A formatter gives "" for a value that holds no valid date: a day or competence out of range,
// a moment with its unused bits set, a local part that is no valid day, or an offset that is not
// a whole number of minutes within ±23:59. A reader takes exactly its form and gives 0 (false for
// a moment) for any other text, a day that does not exist ("2018-02-30") included.
namespace NXDadosGC {

enum class FormaMa : std::uint8_t {
    Iso,     // "2018-04"
    MesAno,  // "04/2018"
};

NXLDADOSGC_API std::string TextoDeDma(REG_NXDMA dma);
NXLDADOSGC_API std::string TextoDeMa(REG_NXMA ma, FormaMa forma = FormaMa::Iso);
NXLDADOSGC_API std::string TextoDeDmaHmsUtc(REG_NXDMAHMSUTC valor);

NXLDADOSGC_API REG_NXDMA DmaDeTexto(std::string_view texto) noexcept;
NXLDADOSGC_API REG_NXMA MaDeTexto(std::string_view texto) noexcept;
// Also takes "Z" for UTC in place of the offset: "2018-04-09T13:30:15Z".
NXLDADOSGC_API bool DmaHmsUtcDeTexto(std::string_view texto, REG_NXDMAHMSUTC& valor) noexcept;

// Every bit of a moment, whether or not it holds a date: "0x" and 16 lowercase hex digits,
// "0x00f574014047fbb7". The way back takes "0x" or "0X" and 1 to 16 hex digits of either case;
// it throws std::invalid_argument, quoting the text, for anything else.
NXLDADOSGC_API std::string TextoBrutoDeDmaHmsUtc(REG_NXDMAHMSUTC valor);
NXLDADOSGC_API REG_NXDMAHMSUTC DmaHmsUtcDeTextoBruto(std::string_view texto);

}  // namespace NXDadosGC

#endif
