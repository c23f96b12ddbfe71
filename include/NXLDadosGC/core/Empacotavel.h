// The walks that move an object tree to and from the packed form's blocks without a flat record
// tree in between, generic over each class's children. The packed form itself (its header,
// checks and checksum) belongs to the engine (motor/Empacotamento.h); this header only knows
// blocks: a block is the records of one list or holder, laid out at an 8-byte boundary, and each
// record's child slots hold the offsets of their blocks from the start of the buffer.
//
// Blocks follow one another depth first in the order of their slots in the owner's record (a
// member key's slots at its area's place): a record, then the blocks of its children, each
// followed at once by the blocks below its own records. To write a record with its final
// offsets before anything below it, the writer needs the bytes below every child with blocks of
// its own: a sizing walk records them first, in the very order the writing walk reads them.
#ifndef NXLDADOSGC_CORE_EMPACOTAVEL_H
#define NXLDADOSGC_CORE_EMPACOTAVEL_H

#include <algorithm>    // std::stable_sort
#include <array>        // std::array
#include <cstddef>      // std::size_t
#include <cstdint>      // std::uint64_t, std::uint32_t
#include <cstring>      // std::memcpy, std::memset
#include <numeric>      // std::iota
#include <tuple>        // std::apply, std::get, std::tuple_size_v
#include <type_traits>  // std::is_arithmetic_v
#include <utility>      // std::index_sequence
#include <vector>       // std::vector

#include "NXLDadosGC/core/Elemento.h"  // Elementos, Gerada
#include "NXLDadosGC/core/Filhos.h"    // FilhoLista, FilhoUnico, FilhoMembro

namespace NXDadosGC::detail {

// What the sizing walk found below a root record.
struct MedidaPacote {
    std::uint64_t bytes = 0;         // of every block below the root, each padded to 8
    std::uint64_t blocos = 0;        // blocks below the root
    std::size_t profundidade = 0;    // deepest block level (1: a child of the root)
    std::uint64_t maiorLista = 0;    // elements of the longest list
    // The bytes below the elements of each non-empty child whose elements can own blocks, in the
    // order the writing walk asks for them.
    std::vector<std::uint64_t>* abaixo = nullptr;
};

// Where the writing walk puts its bytes. The walk writes every byte from `cursor` on (records,
// then zero padding up to 8), and whenever `cursor` has passed `marco` it calls `avancar`, which
// lets the owner work on what was written while it is still in cache and moves `marco` on. The
// walk looks at the mark at least every kPassoSaida bytes of leaf records and after each record
// with children, so it writes at most kEscritaEntreMarcos bytes past the mark before it looks
// again: the owner keeps that much room there.
inline constexpr std::size_t kPassoSaida = 1024;
inline constexpr std::size_t kRegistroMaximo = 4096;  // no record is larger
inline constexpr std::size_t kEscritaEntreMarcos = kPassoSaida + kRegistroMaximo + 8;

struct SaidaPacote {
    unsigned char* inicio;                // offsets count from here
    unsigned char* cursor;                // where the next byte goes
    unsigned char* marco;
    void (*avancar)(SaidaPacote& saida);
    const std::uint64_t* abaixo;          // MedidaPacote::abaixo, read in order

    // The offset in the packed form of a byte at p.
    std::uint64_t Posicao(const unsigned char* p) const { return static_cast<std::uint64_t>(p - inicio); }
};

constexpr std::uint64_t Alinhar8(std::uint64_t n) { return (n + 7) & ~std::uint64_t{7}; }

// True when an object of T can have blocks below its record: T has a list or holder, or a
// member key that can.
template <class T>
constexpr bool PodeTerBlocos();
template <class F>
constexpr bool FilhoTemBlocos(const F& f);

template <class T>
constexpr bool PodeTerBlocos() {
    if constexpr (ComFilhos<T>)
        return std::apply([](const auto&... f) { return (FilhoTemBlocos(f) || ...); }, T::Filhos());
    else
        return false;
}
template <class F>
constexpr bool FilhoTemBlocos(const F&) {
    if constexpr (F::tipo == TipoFilho::Membro) return PodeTerBlocos<typename F::Elemento>();
    else return true;
}

// The children of Classe in the order of their slots in the record, which is the order of their
// blocks (Filhos() gives the order of the hooks, which may differ).
template <class Classe>
const auto& OrdemDosSlots() {
    constexpr std::size_t n = std::tuple_size_v<decltype(Classe::Filhos())>;
    static const std::array<std::size_t, n> ordem = [] {
        const std::array<std::size_t, n> slot =
            std::apply([](const auto&... f) { return std::array<std::size_t, n>{SlotDoFilho(f)...}; }, Classe::Filhos());
        std::array<std::size_t, n> o{};
        std::iota(o.begin(), o.end(), std::size_t{0});
        std::stable_sort(o.begin(), o.end(), [&](std::size_t a, std::size_t b) { return slot[a] < slot[b]; });
        return o;
    }();
    return ordem;
}

// v(child description) for each child of Classe, in slot order.
template <class Classe, class V>
void EmOrdemDosSlots(V&& v) {
    static constexpr auto kFilhos = Classe::Filhos();
    constexpr std::size_t n = std::tuple_size_v<decltype(kFilhos)>;
    if constexpr (n == 1) {
        v(std::get<0>(kFilhos));
    } else {
        for (const std::size_t k : OrdemDosSlots<Classe>())
            [&]<std::size_t... I>(std::index_sequence<I...>) {
                ((k == I ? v(std::get<I>(kFilhos)) : void()), ...);
            }(std::make_index_sequence<n>{});
    }
}

// ---- Sizing -----------------------------------------------------------------------------------

template <class T>
std::uint64_t MedirAbaixo(const T* e, std::size_t n, MedidaPacote& m, std::size_t nivel);

// The elements of a list or holder: (first, count); count 0 when empty.
template <class Dono, class F>
auto ElementosDe(const Dono& o, const F& f) {
    const auto& a = (o.*f.lista).GetArray();
    return std::pair{a.GetData(), static_cast<std::size_t>(a.GetSize())};
}

// First pass over a record's children: a place in m.abaixo for each non-empty child whose
// elements can own blocks (member keys' children at their place).
template <class Classe>
void ReservarAbaixo(const Classe& o, MedidaPacote& m) {
    EmOrdemDosSlots<Classe>([&](const auto& f) {
        using F = std::remove_cvref_t<decltype(f)>;
        using T = typename F::Elemento;
        if constexpr (F::tipo == TipoFilho::Membro) {
            if constexpr (PodeTerBlocos<T>()) ReservarAbaixo(o.*f.membro, m);
        } else if constexpr (PodeTerBlocos<T>()) {
            if (ElementosDe(o, f).second > 0) m.abaixo->push_back(0);
        }
    });
}

// Second pass: the child blocks and what is below them; fills the places reserved, from k on.
template <class Classe>
std::uint64_t MedirFilhos(const Classe& o, MedidaPacote& m, std::size_t nivel, std::size_t& k) {
    std::uint64_t bytes = 0;
    EmOrdemDosSlots<Classe>([&](const auto& f) {
        using F = std::remove_cvref_t<decltype(f)>;
        using T = typename F::Elemento;
        if constexpr (F::tipo == TipoFilho::Membro) {
            if constexpr (PodeTerBlocos<T>()) bytes += MedirFilhos(o.*f.membro, m, nivel, k);
        } else {
            const auto [e, n] = ElementosDe(o, f);
            if (n == 0) return;
            ++m.blocos;
            if (nivel + 1 > m.profundidade) m.profundidade = nivel + 1;
            if (n > m.maiorLista) m.maiorLista = n;
            bytes += Alinhar8(std::uint64_t{n} * sizeof(typename F::RegFilho));
            if constexpr (PodeTerBlocos<T>()) {
                const std::size_t lugar = k++;
                const std::uint64_t abaixo = MedirAbaixo(e, n, m, nivel + 1);
                (*m.abaixo)[lugar] = abaixo;
                bytes += abaixo;
            }
        }
    });
    return bytes;
}

// The bytes of every block below n contiguous elements of T at block level `nivel`.
template <class T>
std::uint64_t MedirAbaixo(const T* e, std::size_t n, MedidaPacote& m, std::size_t nivel) {
    if constexpr (!PodeTerBlocos<T>()) {
        return 0;
    } else {
        std::size_t k = m.abaixo->size();
        for (std::size_t i = 0; i < n; ++i) ReservarAbaixo(e[i], m);
        std::uint64_t bytes = 0;
        for (std::size_t i = 0; i < n; ++i) bytes += MedirFilhos(e[i], m, nivel, k);
        return bytes;
    }
}

// ---- Writing ----------------------------------------------------------------------------------

inline void Avancar(SaidaPacote& s, unsigned char* ate) {
    s.cursor = ate;
    if (s.cursor >= s.marco) s.avancar(s);
}

// n bytes from p at the cursor, a step of kPassoSaida at a time.
inline void CopiarEmPassos(SaidaPacote& s, const unsigned char* p, std::size_t n) {
    while (n > 0) {
        const std::size_t k = n < kPassoSaida ? n : kPassoSaida;
        std::memcpy(s.cursor, p, k);
        p += k;
        n -= k;
        Avancar(s, s.cursor + k);
    }
}

// Zeros from the cursor to the next 8-byte boundary of the packed form.
inline void Preencher8(SaidaPacote& s) {
    const std::uint64_t usado = s.Posicao(s.cursor);
    unsigned char* fim = s.cursor + (Alinhar8(usado) - usado);
    for (unsigned char* p = s.cursor; p < fim; ++p) *p = 0;
    Avancar(s, fim);
}

// o's record written at r, its child slots holding the offsets its blocks will have: the
// first at `proximo`, which moves past each block and everything below it.
template <class Classe>
void GravarRegistro(const Classe& o, unsigned char* r, std::uint64_t& proximo, SaidaPacote& s) {
    using REG = typename Classe::Registro;
    std::memcpy(r, &o.GetReg(), sizeof(REG));
    if constexpr (ComFilhos<Classe>) {
        REG* reg = reinterpret_cast<REG*>(r);
        EmOrdemDosSlots<Classe>([&](const auto& f) {
            using F = std::remove_cvref_t<decltype(f)>;
            using T = typename F::Elemento;
            if constexpr (F::tipo == TipoFilho::Membro) {
                GravarRegistro(o.*f.membro, reinterpret_cast<unsigned char*>(&(reg->*f.area)), proximo, s);
            } else {
                const std::size_t n = ElementosDe(o, f).second;
                std::uint64_t desloc = 0;
                if (n > 0) {
                    desloc = proximo;
                    proximo += Alinhar8(std::uint64_t{n} * sizeof(typename F::RegFilho));
                    if constexpr (PodeTerBlocos<T>()) proximo += *s.abaixo++;
                }
                if constexpr (F::tipo == TipoFilho::Lista) reg->*f.quantidade = static_cast<NXQuantidade>(n);
                std::memcpy(static_cast<void*>(&(reg->*f.ponteiro)), &desloc, sizeof desloc);
            }
        });
    }
}

template <class T>
void EscreverBloco(const T* e, std::size_t n, SaidaPacote& s);

// The blocks of o's children, in slot order, each followed by what is below it.
template <class Classe>
void EscreverFilhos(const Classe& o, SaidaPacote& s) {
    EmOrdemDosSlots<Classe>([&](const auto& f) {
        using F = std::remove_cvref_t<decltype(f)>;
        using T = typename F::Elemento;
        if constexpr (F::tipo == TipoFilho::Membro) {
            if constexpr (PodeTerBlocos<T>()) EscreverFilhos(o.*f.membro, s);
        } else if constexpr (std::is_arithmetic_v<T>) {
            const auto& a = (o.*f.lista).GetArray();
            CopiarEmPassos(s, reinterpret_cast<const unsigned char*>(a.GetData()),
                           static_cast<std::size_t>(a.GetSize()) * sizeof(T));
            if (a.GetSize() > 0) Preencher8(s);
        } else {
            const auto [e, n] = ElementosDe(o, f);
            if (n > 0) EscreverBloco(e, n, s);
        }
    });
}

// The block of n contiguous elements of T at the cursor, then everything below them.
template <class T>
void EscreverBloco(const T* e, std::size_t n, SaidaPacote& s) {
    using R = typename T::Registro;
    static_assert(sizeof(R) <= kRegistroMaximo);
    if constexpr (!PodeTerBlocos<T>()) {
        // A leaf's record, or a record whose only children are member keys without blocks, goes
        // as it is, a few records between two looks at the mark.
        constexpr std::size_t passo = sizeof(R) >= kPassoSaida ? 1 : kPassoSaida / sizeof(R);
        for (std::size_t i = 0; i < n;) {
            unsigned char* r = s.cursor;
            for (const std::size_t ate = std::min(n, i + passo); i < ate; ++i, r += sizeof(R)) {
                if constexpr (ComFilhos<T>) {
                    std::uint64_t nenhum = 0;
                    GravarRegistro(e[i], r, nenhum, s);
                } else {
                    std::memcpy(r, &e[i].GetReg(), sizeof(R));
                }
            }
            Avancar(s, r);
        }
        Preencher8(s);
    } else {
        std::uint64_t proximo = Alinhar8(s.Posicao(s.cursor) + std::uint64_t{n} * sizeof(R));
        for (std::size_t i = 0; i < n; ++i) {
            GravarRegistro(e[i], s.cursor, proximo, s);
            Avancar(s, s.cursor + sizeof(R));
        }
        Preencher8(s);
        for (std::size_t i = 0; i < n; ++i) EscreverFilhos(e[i], s);
    }
}

// ---- Building ---------------------------------------------------------------------------------

// The source of unpacking (core/Filhos.h): a buffer already checked, whose child slots hold the
// offsets of their blocks from its start (0 for none).
struct FontePacote {
    const unsigned char* base;

    template <class R>
    const R* Bloco(R* const& slot) const {
        std::uint64_t desloc;
        std::memcpy(&desloc, static_cast<const void*>(&slot), sizeof desloc);
        return desloc ? reinterpret_cast<const R*>(base + desloc) : nullptr;
    }
    template <class T>
    void Preencher(T& e, const typename T::Registro& reg) const {
        std::memcpy(static_cast<void*>(&e.GetReg()), &reg, sizeof reg);
        if constexpr (ComFilhos<T>) CopiarFilhosDe(e, *this);
    }
};

}  // namespace NXDadosGC::detail

#endif
