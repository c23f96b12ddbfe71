// Record layouts: the compile-time checks that pin every record to its exchange format, and
// the field table (name, offset, width, kind) that tests, dumps and tools walk.
#ifndef NXLDADOSGC_CORE_LAYOUT_H
#define NXLDADOSGC_CORE_LAYOUT_H

#include <compare>      // std::strong_ordering
#include <concepts>     // std::integral
#include <cstddef>      // offsetof, std::byte
#include <cstdint>      // std::uint32_t
#include <span>         // std::span
#include <type_traits>  // std::has_unique_object_representations_v
#include <utility>      // std::cmp_equal, std::cmp_less

#include "NXLDadosGC/platform/Moeda.h"  // tagCY
#include "NXLDadosGC/platform/Tipos.h"  // BYTE, WORD, ULONG

// The count of a (count, pointer) pair: 32 bits in the record, a type of its own so that the
// field table can tell counts from other numbers.
enum class NXQuantidade : std::uint32_t {};

// A count compares with any integer by value (`reg.QuantidadeConta == 3`, `n < -1` is false),
// exactly, whatever the integer's sign and width; it converts to nothing.
namespace NXDadosGC::detail {
template <class I>
concept InteiroComparavel = std::integral<I> && !std::same_as<I, bool> && !std::same_as<I, char> &&
                            !std::same_as<I, wchar_t> && !std::same_as<I, char8_t> &&
                            !std::same_as<I, char16_t> && !std::same_as<I, char32_t>;
}
template <NXDadosGC::detail::InteiroComparavel I>
constexpr bool operator==(NXQuantidade q, I n) noexcept {
    return std::cmp_equal(static_cast<std::uint32_t>(q), n);
}
template <NXDadosGC::detail::InteiroComparavel I>
constexpr std::strong_ordering operator<=>(NXQuantidade q, I n) noexcept {
    const auto v = static_cast<std::uint32_t>(q);
    return std::cmp_less(v, n) ? std::strong_ordering::less
           : std::cmp_equal(v, n) ? std::strong_ordering::equal
                                  : std::strong_ordering::greater;
}

namespace NXDadosGC {

// What a field holds. Kinds come from the field's declared type, never from its name.
enum class TipoCampo : std::uint8_t {
    U8,           // unsigned 8-bit number or flag
    Char,         // plain (signed) char flag
    U16,          // unsigned 16-bit number
    U32,          // unsigned 32-bit number
    Moeda,        // tagCY
    Competencia,  // REG_NXMA
    Dia,          // REG_NXDMA
    Momento,      // REG_NXDMAHMSUTC
    DataDmc,      // REG_NXDMC
    Posicao,      // _REG_POSICAO_PRODUTOPS
    Texto,        // char[N+1]
    Lacuna,       // bytes with no accessor (std::byte[])
    Quantidade,   // count of a (count, pointer) pair
    Ponteiro,     // pointer to a child block (array or single record)
    Registro,     // an embedded record (a member key's area)
};

// The short name of a kind ("u32", "CY", "REG_NXMA", "lacuna", ...).
NXLDADOSGC_API const char* NomeTipoCampo(TipoCampo tipo);

struct CampoInfo;
using TabelaCampos = std::span<const CampoInfo>;

// One row of a record's field table. `sub` describes what the field holds when that is a
// record: the embedded record for Registro, the pointed-to child record for Ponteiro (empty
// for a block of 32-bit values).
struct CampoInfo {
    const char* nome;
    std::uint32_t deslocamento;
    std::uint32_t largura;
    TipoCampo tipo;
    TabelaCampos (*sub)();
};

// The kind of a field type. Each layer that defines a field type specializes this trait.
template <class T>
struct TipoCampoDe;
template <> struct TipoCampoDe<BYTE> { static constexpr TipoCampo valor = TipoCampo::U8; };
template <> struct TipoCampoDe<char> { static constexpr TipoCampo valor = TipoCampo::Char; };
template <> struct TipoCampoDe<WORD> { static constexpr TipoCampo valor = TipoCampo::U16; };
template <> struct TipoCampoDe<ULONG> { static constexpr TipoCampo valor = TipoCampo::U32; };
template <> struct TipoCampoDe<tagCY> { static constexpr TipoCampo valor = TipoCampo::Moeda; };
template <> struct TipoCampoDe<NXQuantidade> { static constexpr TipoCampo valor = TipoCampo::Quantidade; };
template <std::size_t N> struct TipoCampoDe<char[N]> { static constexpr TipoCampo valor = TipoCampo::Texto; };
template <std::size_t N> struct TipoCampoDe<std::byte[N]> { static constexpr TipoCampo valor = TipoCampo::Lacuna; };
template <class T> struct TipoCampoDe<T*> { static constexpr TipoCampo valor = TipoCampo::Ponteiro; };

// A record type: one that NX_LAYOUT has described.
template <class REG>
concept RegistroDescrito = requires(const REG* r) {
    { NxCamposDe(r) } -> std::same_as<TabelaCampos>;
};

// The field table of a record type.
template <RegistroDescrito REG>
constexpr TabelaCampos CamposDe() {
    return NxCamposDe(static_cast<const REG*>(nullptr));
}

namespace detail {

template <class T>
constexpr TipoCampo TipoDoCampo() {
    if constexpr (RegistroDescrito<T>) return TipoCampo::Registro;
    else return TipoCampoDe<T>::valor;
}

template <class T>
constexpr auto SubtabelaDoCampo() -> TabelaCampos (*)() {
    if constexpr (RegistroDescrito<T>) return &CamposDe<T>;
    else if constexpr (std::is_pointer_v<T> && RegistroDescrito<std::remove_pointer_t<T>>)
        return &CamposDe<std::remove_pointer_t<T>>;
    else return nullptr;
}

// The fields tile the record: each starts where the one before ends, the last ends at the
// record's size. So no byte is unnamed, none is named twice, and the list is in order.
constexpr bool CobreCadaByte(TabelaCampos campos, std::size_t tamanho) {
    std::size_t proximo = 0;
    for (const CampoInfo& c : campos) {
        if (c.deslocamento != proximo) return false;
        proximo += c.largura;
    }
    return proximo == tamanho;
}

// A gap is named after its offset ("Lacuna86" starts at byte 86); a stale name fails.
constexpr bool NomeDeLacunaConfere(const char* nome, std::size_t deslocamento) {
    const char prefixo[] = "Lacuna";
    for (std::size_t i = 0; i + 1 < sizeof prefixo; ++i)
        if (nome[i] != prefixo[i]) return true;  // not a gap name
    std::size_t n = 0;
    const char* p = nome + sizeof prefixo - 1;
    if (*p == '\0') return false;
    for (; *p; ++p) {
        if (*p < '0' || *p > '9') return false;
        n = n * 10 + static_cast<std::size_t>(*p - '0');
    }
    return n == deslocamento;
}

}  // namespace detail
}  // namespace NXDadosGC

// NX_INTERNAL_FOR_EACH(m, ctx, a, b, ...): expands to m(ctx, a) m(ctx, b) ... (up to 342
// arguments). Helper of the macros below.
#define NX_INTERNAL_PARENS ()
#define NX_INTERNAL_EXPAND(...) NX_INTERNAL_EXPAND3(NX_INTERNAL_EXPAND3(NX_INTERNAL_EXPAND3(NX_INTERNAL_EXPAND3(__VA_ARGS__))))
#define NX_INTERNAL_EXPAND3(...) NX_INTERNAL_EXPAND2(NX_INTERNAL_EXPAND2(NX_INTERNAL_EXPAND2(NX_INTERNAL_EXPAND2(__VA_ARGS__))))
#define NX_INTERNAL_EXPAND2(...) NX_INTERNAL_EXPAND1(NX_INTERNAL_EXPAND1(NX_INTERNAL_EXPAND1(NX_INTERNAL_EXPAND1(__VA_ARGS__))))
#define NX_INTERNAL_EXPAND1(...) __VA_ARGS__
#define NX_INTERNAL_FOR_EACH(m, ctx, ...) \
    __VA_OPT__(NX_INTERNAL_EXPAND(NX_INTERNAL_FOR_EACH_PASSO(m, ctx, __VA_ARGS__)))
#define NX_INTERNAL_FOR_EACH_PASSO(m, ctx, a, ...) \
    m(ctx, a) __VA_OPT__(NX_INTERNAL_FOR_EACH_DE_NOVO NX_INTERNAL_PARENS(m, ctx, __VA_ARGS__))
#define NX_INTERNAL_FOR_EACH_DE_NOVO() NX_INTERNAL_FOR_EACH_PASSO

#define NX_INTERNAL_DESEMBRULHA(...) __VA_ARGS__
#define NX_INTERNAL_CHAMA(m, ...) m(__VA_ARGS__)
#define NX_INTERNAL_CAMPO_INFO(REG, par) NX_INTERNAL_CHAMA(NX_INTERNAL_CAMPO_INFO_, REG, NX_INTERNAL_DESEMBRULHA par)
#define NX_INTERNAL_CAMPO_INFO_(REG, campo, desloc)                                       \
    ::NXDadosGC::CampoInfo{#campo, static_cast<std::uint32_t>(offsetof(REG, campo)),        \
                           static_cast<std::uint32_t>(sizeof(REG::campo)),                  \
                           ::NXDadosGC::detail::TipoDoCampo<decltype(REG::campo)>(),        \
                           ::NXDadosGC::detail::SubtabelaDoCampo<decltype(REG::campo)>()},
#define NX_INTERNAL_CHECA_CAMPO(REG, par) NX_INTERNAL_CHAMA(NX_INTERNAL_CHECA_CAMPO_, REG, NX_INTERNAL_DESEMBRULHA par)
#define NX_INTERNAL_CHECA_CAMPO_(REG, campo, desloc)                                      \
    static_assert(offsetof(REG, campo) == (desloc),                                        \
                  "layout: " #REG "." #campo " is not at offset " #desloc);               \
    static_assert(::NXDadosGC::detail::NomeDeLacunaConfere(#campo, desloc),               \
                  "layout: gap " #REG "." #campo " must be named after its offset " #desloc);

// NX_LAYOUT(REG, size, (Field, offset), ...)
// At namespace scope, right under the record's definition: states the record's size and the
// offset of every member, in order, gaps included (gaps are `std::byte LacunaN[w]`, named after
// their offset N). Fails to compile when the size, an offset or a gap name is wrong, when the
// record has implicit padding, or when the list leaves a byte unnamed. Also defines the
// record's field table, reachable as NXDadosGC::CamposDe<REG>().
#define NX_LAYOUT(REG, tamanho, ...)                                                        \
    static_assert(sizeof(REG) == (tamanho), "layout: " #REG " must be " #tamanho " bytes"); \
    static_assert(std::is_trivially_copyable_v<REG> && std::is_standard_layout_v<REG>,     \
                  "layout: " #REG " must be a plain record");                              \
    static_assert(std::has_unique_object_representations_v<REG>,                          \
                  "layout: " #REG " has implicit padding; name every gap");                \
    NX_INTERNAL_LAYOUT_CORPO(REG, __VA_ARGS__)

#define NX_INTERNAL_LAYOUT_CORPO(REG, ...)                                                  \
    inline constexpr ::NXDadosGC::CampoInfo NxCampos_##REG[] = {                           \
        NX_INTERNAL_FOR_EACH(NX_INTERNAL_CAMPO_INFO, REG, __VA_ARGS__)};                   \
    constexpr ::NXDadosGC::TabelaCampos NxCamposDe(const REG*) { return NxCampos_##REG; } \
    static_assert(::NXDadosGC::detail::CobreCadaByte(NxCampos_##REG, sizeof(REG)),         \
                  "layout: the fields of " #REG " must cover every byte, in order");       \
    NX_INTERNAL_FOR_EACH(NX_INTERNAL_CHECA_CAMPO, REG, __VA_ARGS__)

#endif
