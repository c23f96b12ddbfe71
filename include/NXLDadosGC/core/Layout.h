// Record layouts: the compile-time checks that pin every record to its exchange format, and
// the field table (name, offset, width, kind, meaning) that tests, dumps, tools and the
// reference of the classes walk.
#ifndef NXLDADOSGC_CORE_LAYOUT_H
#define NXLDADOSGC_CORE_LAYOUT_H

#include <compare>      // std::strong_ordering
#include <concepts>     // std::integral
#include <cstddef>      // offsetof, std::byte
#include <cstdint>      // std::uint32_t
#include <cstring>      // std::memcpy
#include <span>         // std::span
#include <type_traits>  // std::has_unique_object_representations_v
#include <utility>      // std::cmp_equal, std::cmp_less

#include "NXLDadosGC/platform/Moeda.h"  // tagCY
#include "NXLDadosGC/platform/Tipos.h"  // BYTE, WORD, ULONG

// The count of a (count, pointer) pair: an unsigned 32-bit integer in the record, of a type of
// its own only so that the field table can tell counts from other numbers. It reads and writes
// as the plain count it is (`reg.QuantidadeConta = 2;`, `ULONG n = reg.QuantidadeConta;`).
struct NXQuantidade {
    std::uint32_t valor;

    NXQuantidade() = default;  // trivial: records stay trivial, and `{}` zeroes it
    constexpr NXQuantidade(std::uint32_t v) noexcept : valor(v) {}
    constexpr operator std::uint32_t() const noexcept { return valor; }
};

// A count compares with any integer by value (`reg.QuantidadeConta == 3`; `q > -1` is true),
// exactly, whatever the integer's sign and width.
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

// What a field is by the naming conventions of the records. Read from the field's name and
// what it holds, so no table row states it; NX_LAYOUT refuses a name that contradicts the value
// (a `WORD MaCompetencia` or a `tagCY PonteiroConta` does not compile).
enum class PapelCampo : std::uint8_t {
    Numero,       // a number, code or flag whose name follows no convention
    Referencia,   // Ponteiro<Entity>: the number of an entity kept elsewhere, never an address
    Selecao,      // Flag<X> / Filtro<X>: a byte of a filter that selects what a query returns
    Competencia,  // Ma<Event>: an accounting month (REG_NXMA)
    Dia,          // Dma<Event>: a day number (REG_NXDMA)
    Momento,      // DmaHms<Event>: a date and time of day (REG_NXDMAHMSUTC)
    Data,         // Dmc<Event>: an 8-byte date value carried whole (REG_NXDMC)
    Moeda,        // a currency-scaled number (tagCY: the value times 10,000)
    Posicao,      // the locator of a product or service
    Texto,        // a text of at most N bytes
    Quantidade,   // the count of a list
    Filho,        // the pointer to a child array or record
    Registro,     // an embedded record
    Lacuna,       // bytes with no accessor
};

// Where a field stands in a range: <X>Inicial / <X>Final, or <X>Inferior / <X>Superior.
enum class ExtremoFaixa : std::uint8_t { Nenhum, Inicio, Fim };

// The short names of a role and a range end ("referencia", "competencia", ...; "inicio", "fim";
// "" for Nenhum), as the schema and the JSON forms spell them.
NXLDADOSGC_API const char* NomePapelCampo(PapelCampo papel);
NXLDADOSGC_API const char* NomeExtremoFaixa(ExtremoFaixa extremo);
// A role in a word or two, as the tables for people say it ("reference", "time stamp").
NXLDADOSGC_API const char* PalavrasPapelCampo(PapelCampo papel);

struct CampoInfo;
using TabelaCampos = std::span<const CampoInfo>;

// One row of a record's field table. `sub` describes what the field holds when that is a
// record: the embedded record for Registro, the pointed-to child record for Ponteiro (empty
// for a block of 32-bit values). `papel` and `faixa` follow from the name; `significado` and
// `codigos` are what the record's NX_LAYOUT row says, or null.
struct CampoInfo {
    const char* nome;
    std::uint32_t deslocamento;
    std::uint32_t largura;
    TipoCampo tipo;
    TabelaCampos (*sub)();
    PapelCampo papel = PapelCampo::Numero;
    ExtremoFaixa faixa = ExtremoFaixa::Nenhum;
    const char* significado = nullptr;  // a short meaning, where the name does not say it
    const char* codigos = nullptr;      // the codes its business area defines: "0 = support; 1 = ..."
};

// A record as a whole: its type name, the public header that declares it (as a user includes
// it), what it is (the sentence of its NX_SOBRE, or null), its size and its fields.
struct InfoRegistro {
    const char* nome;
    const char* cabecalho;
    const char* sobre;
    std::uint32_t tamanho;
    TabelaCampos campos;
};

// The kind of a field type. Each field type's header specializes this trait beside the type.
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

// The description of a record type as a whole.
template <RegistroDescrito REG>
constexpr const InfoRegistro& RegistroDe() {
    return NxRegistroDe(static_cast<const REG*>(nullptr));
}

namespace detail {

// The T at p, a field's bytes in a record (no alignment needed).
template <class T>
T Ler(const void* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

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

constexpr bool ComecaCom(const char* s, const char* prefixo) {
    for (; *prefixo; ++s, ++prefixo)
        if (*s != *prefixo) return false;
    return true;
}

constexpr bool TerminaCom(const char* s, const char* sufixo) {
    std::size_t n = 0, m = 0;
    while (s[n]) ++n;
    while (sufixo[m]) ++m;
    return n >= m && ComecaCom(s + n - m, sufixo);
}

constexpr bool Maiuscula(char c) { return c >= 'A' && c <= 'Z'; }
constexpr bool Minuscula(char c) { return c >= 'a' && c <= 'z'; }
constexpr bool Digito(char c) { return c >= '0' && c <= '9'; }

// `palavra` at p as a word of its own: followed by a capital or by the end ("Dma", "DmaInicial";
// not "Marketing" for "Ma").
constexpr bool Palavra(const char* p, const char* palavra) {
    if (!ComecaCom(p, palavra)) return false;
    while (*palavra) ++p, ++palavra;
    return *p == '\0' || Maiuscula(*p);
}

// Ponteiro<Entity> opens the name or follows a lower-case prefix ("CliPonteiroCategoria1").
constexpr bool NomeDeReferencia(const char* nome) {
    for (const char* p = nome; *p; ++p)
        if ((p == nome || Minuscula(p[-1])) && Palavra(p, "Ponteiro") && p[8] != '\0') return true;
    return false;
}

// What the name alone claims.
constexpr PapelCampo PapelPeloNome(const char* nome) {
    if (Palavra(nome, "DmaHms")) return PapelCampo::Momento;
    if (Palavra(nome, "Dma")) return PapelCampo::Dia;
    if (Palavra(nome, "Dmc")) return PapelCampo::Data;
    if (Palavra(nome, "Ma")) return PapelCampo::Competencia;
    if (Palavra(nome, "Flag") || Palavra(nome, "Filtro")) return PapelCampo::Selecao;
    if (NomeDeReferencia(nome)) return PapelCampo::Referencia;
    return PapelCampo::Numero;
}

// What the value alone says.
constexpr PapelCampo PapelPeloTipo(TipoCampo tipo) {
    switch (tipo) {
        case TipoCampo::U8:
        case TipoCampo::Char:
        case TipoCampo::U16:
        case TipoCampo::U32: return PapelCampo::Numero;
        case TipoCampo::Moeda: return PapelCampo::Moeda;
        case TipoCampo::Competencia: return PapelCampo::Competencia;
        case TipoCampo::Dia: return PapelCampo::Dia;
        case TipoCampo::Momento: return PapelCampo::Momento;
        case TipoCampo::DataDmc: return PapelCampo::Data;
        case TipoCampo::Posicao: return PapelCampo::Posicao;
        case TipoCampo::Texto: return PapelCampo::Texto;
        case TipoCampo::Lacuna: return PapelCampo::Lacuna;
        case TipoCampo::Quantidade: return PapelCampo::Quantidade;
        case TipoCampo::Ponteiro: return PapelCampo::Filho;
        case TipoCampo::Registro: return PapelCampo::Registro;
    }
    return PapelCampo::Numero;
}

constexpr bool Inteiro(TipoCampo tipo) {
    return tipo == TipoCampo::U8 || tipo == TipoCampo::Char || tipo == TipoCampo::U16 || tipo == TipoCampo::U32;
}

// A number takes its role from its name; every other value from what it is.
constexpr PapelCampo PapelDoCampo(const char* nome, TipoCampo tipo) {
    return Inteiro(tipo) ? PapelPeloNome(nome) : PapelPeloTipo(tipo);
}

// The name and the value agree: a reference or selection name holds a number (a selection one
// byte), a date or competence name holds that value, and a date or competence has such a name.
// Counts, child pointers, embedded records, texts, locators and gaps are named freely.
constexpr bool NomeConfereComTipo(const char* nome, TipoCampo tipo) {
    const PapelCampo peloNome = PapelPeloNome(nome), peloTipo = PapelPeloTipo(tipo);
    if (Inteiro(tipo))
        return peloNome == PapelCampo::Numero || peloNome == PapelCampo::Referencia ||
               (peloNome == PapelCampo::Selecao && (tipo == TipoCampo::U8 || tipo == TipoCampo::Char));
    switch (peloTipo) {
        case PapelCampo::Competencia:
        case PapelCampo::Dia:
        case PapelCampo::Momento:
        case PapelCampo::Data: return peloNome == peloTipo;
        case PapelCampo::Moeda: return peloNome == PapelCampo::Numero;
        default: return true;
    }
}

// <X>Inicial / <X>Inferior start a range, <X>Final / <X>Superior end one.
constexpr ExtremoFaixa ExtremoDaFaixa(const char* nome) {
    std::size_t n = 0;
    while (nome[n]) ++n;
    if (TerminaCom(nome, "_DEPRECATED")) n -= 11;  // a retired field keeps its name's meaning
    auto termina = [&](const char* fim) {
        std::size_t m = 0;
        while (fim[m]) ++m;
        return n >= m && ComecaCom(nome + n - m, fim);
    };
    if (termina("Inicial") || termina("Inferior")) return ExtremoFaixa::Inicio;
    if (termina("Final") || termina("Superior")) return ExtremoFaixa::Fim;
    return ExtremoFaixa::Nenhum;
}

// Codes read "<number> = <meaning>", joined by "; ": "0 = support; 1 = productive".
constexpr bool CodigosBemFormados(const char* s) {
    if (!s) return true;
    for (;;) {
        if (!Digito(*s)) return false;
        while (Digito(*s)) ++s;
        if (!ComecaCom(s, " = ")) return false;
        s += 3;
        if (*s == '\0' || *s == ';') return false;
        while (*s && *s != ';') ++s;
        if (*s == '\0') return true;
        if (s[1] != ' ') return false;
        s += 2;
    }
}

// One row of a field table: the field's own name, place and value, what its name makes of it,
// and what its NX_LAYOUT row adds.
template <class T>
constexpr CampoInfo Campo(const char* nome, std::size_t deslocamento, std::size_t largura,
                          const char* significado = nullptr, const char* codigos = nullptr) {
    constexpr TipoCampo tipo = TipoDoCampo<T>();
    return CampoInfo{nome,
                     static_cast<std::uint32_t>(deslocamento),
                     static_cast<std::uint32_t>(largura),
                     tipo,
                     SubtabelaDoCampo<T>(),
                     PapelDoCampo(nome, tipo),
                     ExtremoDaFaixa(nome),
                     significado,
                     codigos};
}

// The codes of an NX_LAYOUT row, from what follows its offset: ("meaning", "codes").
constexpr const char* CodigosDaLinha(const char* = nullptr, const char* codigos = nullptr) { return codigos; }

// How a user includes a header: its path after the last "include/" directory.
constexpr const char* CaminhoPublico(const char* caminho) {
    const char* r = caminho;
    for (const char* p = caminho; *p; ++p)
        if ((p == caminho || p[-1] == '/') && ComecaCom(p, "include/")) r = p + 8;
    return r;
}

// The sentence NX_SOBRE gave the record, or null.
template <class REG>
constexpr const char* SobreDe() {
    if constexpr (requires(const REG* r) { NxSobre(r); }) return NxSobre(static_cast<const REG*>(nullptr));
    else return nullptr;
}

}  // namespace detail
}  // namespace NXDadosGC

// NX_INTERNAL_FOR_EACH(m, ctx, a, b, ...): expands to m(ctx, a) m(ctx, b) ... (up to 86
// arguments, one per rescan that NX_INTERNAL_EXPAND gives; the longest record has 27 fields).
// Helper of the macros below.
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
#define NX_INTERNAL_CAMPO_INFO(REG, linha) \
    NX_INTERNAL_CHAMA(NX_INTERNAL_CAMPO_INFO_, REG, NX_INTERNAL_DESEMBRULHA linha)
#define NX_INTERNAL_CAMPO_INFO_(REG, campo, desloc, ...)                                         \
    ::NXDadosGC::detail::Campo<decltype(REG::campo)>(#campo, offsetof(REG, campo), sizeof(REG::campo) \
                                                     __VA_OPT__(, ) __VA_ARGS__),
#define NX_INTERNAL_CHECA_CAMPO(REG, linha) \
    NX_INTERNAL_CHAMA(NX_INTERNAL_CHECA_CAMPO_, REG, NX_INTERNAL_DESEMBRULHA linha)
#define NX_INTERNAL_CHECA_CAMPO_(REG, campo, desloc, ...)                                                   \
    static_assert(offsetof(REG, campo) == (desloc), "layout: " #REG "." #campo " is not at offset " #desloc); \
    static_assert(::NXDadosGC::detail::NomeDeLacunaConfere(#campo, desloc),                                 \
                  "layout: gap " #REG "." #campo " must be named after its offset " #desloc);               \
    static_assert(                                                                                          \
        ::NXDadosGC::detail::NomeConfereComTipo(#campo, ::NXDadosGC::detail::TipoDoCampo<decltype(REG::campo)>()), \
        "layout: the name of " #REG "." #campo " says another kind of value (Ponteiro<Entity> and "          \
        "Flag/Filtro<X> hold numbers, Ma<Event> a REG_NXMA, Dma<Event> a REG_NXDMA, DmaHms<Event> a "       \
        "REG_NXDMAHMSUTC, Dmc<Event> a REG_NXDMC)");                                                        \
    static_assert(::NXDadosGC::detail::CodigosBemFormados(::NXDadosGC::detail::CodigosDaLinha(__VA_ARGS__)), \
                  "layout: the codes of " #REG "." #campo " must read \"0 = meaning; 1 = meaning\"");

// NX_SOBRE(REG, "sentence")
// At namespace scope, right above the record's definition: what the record is, in one sentence
// of its business area. The record's field table carries it (InfoRegistro::sobre), so nxgc and
// the reference of the classes show it. Declares REG.
#define NX_SOBRE(REG, texto) \
    struct REG;              \
    constexpr const char* NxSobre(const REG*) { return texto; }

// NX_LAYOUT(REG, size, (Field, offset), (Field, offset, "meaning"), (Field, offset, "meaning", "codes") ...)
// At namespace scope, right under the record's definition: states the record's size and the
// offset of every member, in order, gaps included (gaps are `std::byte LacunaN[w]`, named after
// their offset N). A row may add what the field means, where its name does not say it (a unit,
// which entity a reference names, what a flag selects), and the codes its business area
// defines, as "0 = meaning; 1 = meaning". Fails to compile when the size, an offset or a gap
// name is wrong, when the record has implicit padding, when the list leaves a byte unnamed, when
// a name contradicts its value (a `WORD MaCompetencia`), or when codes are malformed. Also
// defines the record's field table, reachable as NXDadosGC::CamposDe<REG>(), and its
// description, NXDadosGC::RegistroDe<REG>().
#define NX_LAYOUT(REG, tamanho, ...)                                                        \
    static_assert(sizeof(REG) == (tamanho), "layout: " #REG " must be " #tamanho " bytes"); \
    static_assert(std::is_trivially_copyable_v<REG> && std::is_standard_layout_v<REG>,     \
                  "layout: " #REG " must be a plain record");                              \
    static_assert(std::has_unique_object_representations_v<REG>,                          \
                  "layout: " #REG " has implicit padding; name every gap");                \
    NX_INTERNAL_LAYOUT_CORPO(REG, __VA_ARGS__)

#define NX_INTERNAL_LAYOUT_CORPO(REG, ...)                                                     \
    inline constexpr ::NXDadosGC::CampoInfo NxCampos_##REG[] = {                              \
        NX_INTERNAL_FOR_EACH(NX_INTERNAL_CAMPO_INFO, REG, __VA_ARGS__)};                      \
    constexpr ::NXDadosGC::TabelaCampos NxCamposDe(const REG*) { return NxCampos_##REG; }    \
    inline constexpr ::NXDadosGC::InfoRegistro NxRegistro_##REG{                              \
        #REG, ::NXDadosGC::detail::CaminhoPublico(__FILE__), ::NXDadosGC::detail::SobreDe<REG>(), \
        static_cast<std::uint32_t>(sizeof(REG)), NxCampos_##REG};                             \
    constexpr const ::NXDadosGC::InfoRegistro& NxRegistroDe(const REG*) { return NxRegistro_##REG; } \
    static_assert(::NXDadosGC::detail::CobreCadaByte(NxCampos_##REG, sizeof(REG)),            \
                  "layout: the fields of " #REG " must cover every byte, in order");          \
    NX_INTERNAL_FOR_EACH(NX_INTERNAL_CHECA_CAMPO, REG, __VA_ARGS__)

#endif
