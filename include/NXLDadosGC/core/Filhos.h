// The children of a data object, described once as data, and the generic hooks that clear,
// copy, compare and transfer them in the described order.
//
// A child is a list (a (count, pointer) pair in the record), a holder (a pointer to one record)
// or a member key (an embedded record). Every description says which in `tipo`, and generic
// code asks nothing else: `if constexpr (F::tipo == TipoFilho::...)` is the one way a child's
// kind is told apart, here, in the release helpers and in the packed form.
#ifndef NXLDADOSGC_CORE_FILHOS_H
#define NXLDADOSGC_CORE_FILHOS_H

#include <cstddef>      // std::size_t
#include <cstdint>      // std::uint8_t
#include <cstring>      // std::memcpy, std::memset
#include <tuple>        // std::apply, std::make_tuple
#include <type_traits>  // std::is_arithmetic_v

#include "NXLDadosGC/core/Elemento.h"           // Folha, Gerada, Elementos
#include "NXLDadosGC/core/Layout.h"             // NXQuantidade
#include "NXLDadosGC/core/T_Lista.h"            // T_Lista
#include "NXLDadosGC/platform/Alocacao.h"       // AfxNovoArray, AfxNovo, AfxRegistrarLiberacao
#include "NXLDadosGC/platform/AlocadorTarefa.h" // CoTaskMemAlloc, CoTaskMemFree

namespace NXDadosGC {

enum class TipoFilho : std::uint8_t {
    Lista,   // (count, pointer) pair to an array of child records or of 32-bit numbers
    Unico,   // pointer to one child record, or null
    Membro,  // embedded record of a member key
};

// The record an element of a T_Lista<T> travels as: T's record, or the number itself.
template <class T>
struct RegistroDoElementoT { using tipo = typename T::Registro; };
template <>
struct RegistroDoElementoT<ULONG> { using tipo = ULONG; };
template <class T>
using RegistroDoElemento = typename RegistroDoElementoT<T>::tipo;

// A list child: the T_Lista member, and the (count, pointer) pair of the owner's record.
template <class Dono, class T, class REG>
struct FilhoLista {
    static constexpr TipoFilho tipo = TipoFilho::Lista;
    using Elemento = T;
    using RegFilho = RegistroDoElemento<T>;
    T_Lista<T> Dono::*lista;
    NXQuantidade REG::*quantidade;
    RegFilho* REG::*ponteiro;
};

// A single-object holder: a T_Lista of zero or one element, and the owner's record pointer
// to one child record (null when empty).
template <class Dono, class T, class REG>
struct FilhoUnico {
    static constexpr TipoFilho tipo = TipoFilho::Unico;
    using Elemento = T;
    using RegFilho = typename T::Registro;
    T_Lista<T> Dono::*lista;
    RegFilho* REG::*ponteiro;
};

// An embedded child (a member key): the member object, and its area in the owner's record.
template <class Dono, class T, class REG>
struct FilhoMembro {
    static constexpr TipoFilho tipo = TipoFilho::Membro;
    using Elemento = T;
    using RegFilho = typename T::Registro;
    T Dono::*membro;
    RegFilho REG::*area;
};

template <class Dono, class T, class REG>
constexpr FilhoLista<Dono, T, REG> Lista(T_Lista<T> Dono::*lista, NXQuantidade REG::*quantidade,
                                         RegistroDoElemento<T>* REG::*ponteiro) {
    return {lista, quantidade, ponteiro};
}
template <class Dono, class T, class REG>
constexpr FilhoUnico<Dono, T, REG> Unico(T_Lista<T> Dono::*lista, typename T::Registro* REG::*ponteiro) {
    return {lista, ponteiro};
}
template <class Dono, class T, class REG>
constexpr FilhoMembro<Dono, T, REG> Membro(T Dono::*membro, typename T::Registro REG::*area) {
    return {membro, area};
}

namespace detail {

// A class that describes children (NX_FILHOS).
template <class T>
concept ComFilhos = requires { T::Filhos(); };

// The offset of a record field given as a member pointer.
template <class REG, class M>
std::size_t DeslocamentoDe(M REG::*campo) {
    static const REG reg{};
    return static_cast<std::size_t>(reinterpret_cast<const char*>(&(reg.*campo)) - reinterpret_cast<const char*>(&reg));
}

// Where a child sits in its owner's record: its pointer, or a member key's area. Children are
// laid out in the order of these offsets (their slot order).
template <class F>
std::size_t SlotDoFilho(const F& f) {
    if constexpr (F::tipo == TipoFilho::Membro) return DeslocamentoDe(f.area);
    else return DeslocamentoDe(f.ponteiro);
}

// ---- Allocators -------------------------------------------------------------------------------
// What CopiarPara and CopiarParaPS allocate the blocks of a record tree with, and how the release
// helpers (core/Liberacao.h) free them: each allocator's two halves side by side. Blocks come
// uninitialized: the transfers write every byte of them (see CopiarFilhoPara). A failed
// allocation raises CMemoryException.

// CopiarPara: array new for a list's block, plain new for a holder's record.
struct AlocadorHeap {
    template <class R>
    static R* NovoArray(std::size_t n) { return AfxNovoArray<R>(n); }
    template <class R>
    static R* NovoUnico() { return AfxNovo<R>(); }
    template <class R>
    static void LiberarArray(R* p) {
        AfxRegistrarLiberacao();
        delete[] p;
    }
    template <class R>
    static void LiberarUnico(R* p) {
        AfxRegistrarLiberacao();
        delete p;
    }
    // Writes an element's record, and its own blocks with this allocator.
    template <class T, class R>
    static void Escrever(const T& e, R* r) { e.T::CopiarPara(r); }
};

// CopiarParaPS: the task allocator for every block.
struct AlocadorTarefa {
    template <class R>
    static R* NovoArray(std::size_t n) {
        void* p = CoTaskMemAlloc(n * sizeof(R));
        if (!p) AfxThrowMemoryException();
        return static_cast<R*>(p);
    }
    template <class R>
    static R* NovoUnico() { return NovoArray<R>(1); }
    template <class R>
    static void LiberarArray(R* p) { CoTaskMemFree(p); }
    template <class R>
    static void LiberarUnico(R* p) { CoTaskMemFree(p); }
    template <class T, class R>
    static void Escrever(const T& e, R* r) { e.T::CopiarParaPS(r); }
};

// ---- Clear, copy, compare ---------------------------------------------------------------------

template <class Dono, class F>
void LimparFilho(Dono& d, const F& f) {
    if constexpr (F::tipo == TipoFilho::Membro) (d.*f.membro).Limpar();
    else (d.*f.lista).RemoveTodos();
}

template <class Dono, class F>
void CopiarFilho(Dono& d, const Dono& o, const F& f) {
    if constexpr (F::tipo == TipoFilho::Membro) (d.*f.membro).Copiar(&(o.*f.membro));
    else (d.*f.lista).SetLista(o.*f.lista);
}

template <class Dono, class F>
bool IgualFilho(const Dono& d, const Dono& o, const F& f) {
    if constexpr (F::tipo == TipoFilho::Membro) return (d.*f.membro).IgualMesmaClasse(o.*f.membro);
    else return (d.*f.lista).Igual(o.*f.lista);
}

// ---- Records -> objects -----------------------------------------------------------------------
// CopiarDe and the packed form (core/Empacotavel.h) build the same children from the same
// records; they differ only in where a child's block is, which a source says: a record tree
// holds pointers to its blocks, a packed buffer their offsets. A source offers
//   Bloco(slot)        the block a child's pointer slot leads to, or null;
//   Preencher(e, reg)  fills a newly built object of a class whose hooks are its own (not
//                      Gerada) from its record and the blocks below it.

template <class Dono, class Fonte>
void CopiarFilhosDe(Dono& d, const Fonte& fonte);

// Builds at `lugar` the element whose record is reg, with everything below it. If that fails,
// what was built is released and nothing is left at `lugar`.
template <class T, class Fonte>
void ConstruirDe(void* lugar, const typename T::Registro& reg, const Fonte& fonte) {
    T* e;
    if constexpr (Gerada<T>) e = Elementos::Construir<T>(lugar, reg);
    else e = ::new (lugar) T();
    try {
        if constexpr (!Gerada<T>) fonte.Preencher(*e, reg);
        else if constexpr (ComFilhos<T>) CopiarFilhosDe(*e, fonte);
    } catch (...) {
        e->~T();
        throw;
    }
}

// The owner's own record was just copied in, and its children are empty (CopiarDe has cleared
// the object; a new element has none). Reads the child's pair, pointer or area there, zeroes it
// as a live object keeps it, and builds the child from the blocks it leads to. Children already
// built stay when a later one fails.
template <class Dono, class F, class Fonte>
void CopiarFilhoDe(Dono& d, const F& f, const Fonte& fonte) {
    using T = typename F::Elemento;
    auto& reg = d.GetReg();
    if constexpr (F::tipo == TipoFilho::Membro) {
        T& m = d.*f.membro;
        if constexpr (Gerada<T>) {
            std::memcpy(static_cast<void*>(&m.GetReg()), &(reg.*f.area), sizeof(reg.*f.area));
            std::memset(static_cast<void*>(&(reg.*f.area)), 0, sizeof(reg.*f.area));
            if constexpr (ComFilhos<T>) CopiarFilhosDe(m, fonte);
        } else {
            fonte.Preencher(m, reg.*f.area);
            std::memset(static_cast<void*>(&(reg.*f.area)), 0, sizeof(reg.*f.area));
        }
    } else {
        const auto* p = fonte.Bloco(reg.*f.ponteiro);
        INT_PTR n = p ? 1 : 0;
        if constexpr (F::tipo == TipoFilho::Lista) {
            n = p ? static_cast<INT_PTR>(reg.*f.quantidade) : 0;
            reg.*f.quantidade = NXQuantidade{};
        }
        reg.*f.ponteiro = nullptr;
        if (n == 0) return;
        auto& array = (d.*f.lista).GetArray();
        if constexpr (std::is_arithmetic_v<T>) {
            array.SetSize(n, 0);
            std::memcpy(array.GetData(), p, static_cast<std::size_t>(n) * sizeof(T));
        } else {
            array.AcrescentarConstruindo(n, 0, [p, &fonte](void* lugar, INT_PTR k) { ConstruirDe<T>(lugar, p[k], fonte); });
        }
    }
}

template <class Dono, class Fonte>
void CopiarFilhosDe(Dono& d, const Fonte& fonte) {
    std::apply([&](const auto&... f) { (CopiarFilhoDe(d, f, fonte), ...); }, Dono::Filhos());
}

// The source of CopiarDe: a record tree whose pointers are real.
struct FonteRegistro {
    template <class R>
    static const R* Bloco(R* const& slot) { return slot; }
    template <class T>
    static void Preencher(T& e, const typename T::Registro& reg) { e.T::CopiarDe(&reg); }
};

// ---- Objects -> records -----------------------------------------------------------------------

// Member -> destination record. Each block is allocated before its pair is written, and every
// slot of it is written exactly once: numbers and leaves cannot fail; an element with children
// writes its own record before its blocks, so when one of those fails, the slots after it are
// zeroed. A tree left half-written by a failed allocation can thus still be released by the
// caller, every unwritten slot reading as zero. A holder's single record is written whole by its
// element before anything can fail.
template <class Alocador, class Dono, class REG, class F>
void CopiarFilhoPara(const Dono& d, REG* destino, const F& f) {
    using T = typename F::Elemento;
    using R = typename F::RegFilho;
    if constexpr (F::tipo == TipoFilho::Membro) {
        Alocador::Escrever(d.*f.membro, &(destino->*f.area));
    } else if constexpr (F::tipo == TipoFilho::Unico) {
        const T* e = (d.*f.lista).GetUnico();
        destino->*f.ponteiro = nullptr;
        if (!e) return;
        R* bloco = Alocador::template NovoUnico<R>();
        destino->*f.ponteiro = bloco;
        Alocador::Escrever(*e, bloco);
    } else {
        const auto& array = (d.*f.lista).GetArray();
        const INT_PTR n = array.GetSize();
        if (n == 0) {
            destino->*f.quantidade = NXQuantidade{};
            destino->*f.ponteiro = nullptr;
            return;
        }
        R* bloco = Alocador::template NovoArray<R>(static_cast<std::size_t>(n));
        destino->*f.ponteiro = bloco;
        destino->*f.quantidade = static_cast<NXQuantidade>(n);
        if constexpr (std::is_arithmetic_v<T>) {
            std::memcpy(bloco, array.GetData(), static_cast<std::size_t>(n) * sizeof(T));
        } else if constexpr (Folha<T>) {
            for (INT_PTR i = 0; i < n; ++i) std::memcpy(static_cast<void*>(bloco + i), &array[i].GetReg(), sizeof(R));
        } else {
            INT_PTR i = 0;
            try {
                for (; i < n; ++i) Alocador::Escrever(array[i], bloco + i);
            } catch (...) {
                std::memset(static_cast<void*>(bloco + i + 1), 0, static_cast<std::size_t>(n - i - 1) * sizeof(R));
                throw;
            }
        }
    }
}

// The hooks of a data class, over Dono::Filhos() in its order.
template <class Dono>
void LimparFilhos(Dono& d) {
    std::apply([&](const auto&... f) { (LimparFilho(d, f), ...); }, Dono::Filhos());
}
template <class Dono>
void CopiarFilhos(Dono& d, const Dono& o) {
    std::apply([&](const auto&... f) { (CopiarFilho(d, o, f), ...); }, Dono::Filhos());
}
template <class Dono>
bool IgualFilhos(const Dono& d, const Dono& o) {
    return std::apply([&](const auto&... f) { return (IgualFilho(d, o, f) && ...); }, Dono::Filhos());
}
template <class Alocador, class Dono, class REG>
void CopiarFilhosPara(const Dono& d, REG* destino) {
    std::apply([&](const auto&... f) { (CopiarFilhoPara<Alocador>(d, destino, f), ...); }, Dono::Filhos());
}

}  // namespace detail
}  // namespace NXDadosGC

#endif
