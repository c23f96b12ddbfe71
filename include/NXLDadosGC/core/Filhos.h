// The children of a data object, described once as data, and the generic hooks that clear,
// copy, compare and transfer them in the described order.
#ifndef NXLDADOSGC_CORE_FILHOS_H
#define NXLDADOSGC_CORE_FILHOS_H

#include <cstring>      // std::memcpy, std::memset
#include <tuple>        // std::apply, std::make_tuple
#include <type_traits>  // std::is_arithmetic_v

#include "NXLDadosGC/core/Elemento.h"           // Folha
#include "NXLDadosGC/core/Layout.h"             // NXQuantidade
#include "NXLDadosGC/core/T_Lista.h"            // T_Lista
#include "NXLDadosGC/platform/Alocacao.h"       // AfxNovoArray, AfxNovo
#include "NXLDadosGC/platform/AlocadorTarefa.h" // CoTaskMemAlloc

namespace NXDadosGC {

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
    using Elemento = T;
    using RegFilho = typename T::Registro;
    T_Lista<T> Dono::*lista;
    RegFilho* REG::*ponteiro;
};

// An embedded child (a member key): the member object, and its area in the owner's record.
template <class Dono, class T, class REG>
struct FilhoMembro {
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

// Block allocation for CopiarPara: array new and plain new, released with delete[] / delete.
// Blocks come uninitialized: the transfers write every byte of them (see CopiarFilhoPara).
struct PoliticaHeap {
    template <class R>
    static R* Array(std::size_t n) { return AfxNovoArray<R>(n); }
    template <class R>
    static R* Unico() { return AfxNovo<R>(); }
    template <class T, class R>
    static void Escrever(const T& e, R* r) { e.T::CopiarPara(r); }
};

// Block allocation for CopiarParaPS: the task allocator, released with CoTaskMemFree. A failed
// allocation raises CMemoryException, like the ordinary heap. Blocks come uninitialized too.
struct PoliticaTarefa {
    template <class R>
    static R* Array(std::size_t n) {
        void* p = CoTaskMemAlloc(n * sizeof(R));
        if (!p) AfxThrowMemoryException();
        return static_cast<R*>(p);
    }
    template <class R>
    static R* Unico() { return Array<R>(1); }
    template <class T, class R>
    static void Escrever(const T& e, R* r) { e.T::CopiarParaPS(r); }
};

template <class Dono, class F>
void LimparFilho(Dono& d, const F& f) {
    if constexpr (requires { f.lista; }) (d.*f.lista).RemoveTodos();
    else (d.*f.membro).Limpar();
}

template <class Dono, class F>
void CopiarFilho(Dono& d, const Dono& o, const F& f) {
    if constexpr (requires { f.lista; }) (d.*f.lista).SetLista(o.*f.lista);
    else (d.*f.membro).Copiar(&(o.*f.membro));
}

template <class Dono, class F>
bool IgualFilho(const Dono& d, const Dono& o, const F& f) {
    if constexpr (requires { f.lista; }) return (d.*f.lista).Igual(o.*f.lista);
    else return (d.*f.membro).IgualMesmaClasse(o.*f.membro);
}

template <class Dono>
void CopiarFilhosDe(Dono& d);

// Builds at `lugar` the element that a new T filled by CopiarDe(&reg) would be: the record
// copied in, then (for a class with children) its pairs turned into its own children. If that
// fails, what was built is released and nothing is left at `lugar`.
template <class T>
void ConstruirDoRegistro(void* lugar, const typename T::Registro& reg) {
    if constexpr (Gerada<T>) {
        T* e = Elementos::Construir<T>(lugar, reg);
        if constexpr (requires { T::Filhos(); }) {
            try {
                CopiarFilhosDe(*e);
            } catch (...) {
                e->~T();
                throw;
            }
        }
    } else {
        T* e = ::new (lugar) T();
        try {
            e->T::CopiarDe(&reg);
        } catch (...) {
            e->~T();
            throw;
        }
    }
}

// Record -> member: reads the owner's own record (just filled by CopiarDe), then zeroes the
// pair, pointer or area there.
template <class Dono, class T, class REG>
void CopiarFilhoDe(Dono& d, const FilhoLista<Dono, T, REG>& f) {
    REG& reg = d.GetReg();
    const auto n = static_cast<INT_PTR>(reg.*f.quantidade);
    const auto* p = reg.*f.ponteiro;
    auto& array = (d.*f.lista).GetArray();
    array.RemoveAll();
    if (p && n > 0) {
        if constexpr (std::is_arithmetic_v<T>) {
            array.SetSize(n, 0);
            std::memcpy(array.GetData(), p, static_cast<std::size_t>(n) * sizeof(T));
        } else {
            array.AcrescentarConstruindo(n, 0, [p](void* lugar, INT_PTR k) { ConstruirDoRegistro<T>(lugar, p[k]); });
        }
    }
    reg.*f.quantidade = NXQuantidade{};
    reg.*f.ponteiro = nullptr;
}

template <class Dono, class T, class REG>
void CopiarFilhoDe(Dono& d, const FilhoUnico<Dono, T, REG>& f) {
    REG& reg = d.GetReg();
    const auto* p = reg.*f.ponteiro;
    auto& holder = d.*f.lista;
    if (p) {
        if (holder.GetQuantidade() == 1) {
            holder.GetUnico()->T::CopiarDe(p);
        } else {
            holder.RemoveTodos();
            holder.GetArray().AcrescentarConstruindo(1, 0, [p](void* lugar, INT_PTR) { ConstruirDoRegistro<T>(lugar, *p); });
        }
    } else {
        holder.RemoveTodos();
    }
    reg.*f.ponteiro = nullptr;
}

template <class Dono, class T, class REG>
void CopiarFilhoDe(Dono& d, const FilhoMembro<Dono, T, REG>& f) {
    REG& reg = d.GetReg();
    (d.*f.membro).T::CopiarDe(&(reg.*f.area));
    std::memset(static_cast<void*>(&(reg.*f.area)), 0, sizeof(reg.*f.area));
}

// Member -> destination record. Each block is allocated before its pair is written, and every
// slot of it is written exactly once: numbers and leaves cannot fail; an element with children
// writes its own record before its blocks, so when one of those fails, the slots after it are
// zeroed. A tree left half-written by a failed allocation can thus still be released by the
// caller, every unwritten slot reading as zero.
template <class Politica, class Dono, class T, class REG>
void CopiarFilhoPara(const Dono& d, REG* destino, const FilhoLista<Dono, T, REG>& f) {
    const auto& array = (d.*f.lista).GetArray();
    const INT_PTR n = array.GetSize();
    if (n == 0) {
        destino->*f.quantidade = NXQuantidade{};
        destino->*f.ponteiro = nullptr;
        return;
    }
    using R = RegistroDoElemento<T>;
    R* bloco = Politica::template Array<R>(static_cast<std::size_t>(n));
    destino->*f.ponteiro = bloco;
    destino->*f.quantidade = static_cast<NXQuantidade>(n);
    if constexpr (std::is_arithmetic_v<T>) {
        std::memcpy(bloco, array.GetData(), static_cast<std::size_t>(n) * sizeof(T));
    } else if constexpr (Folha<T>) {
        for (INT_PTR i = 0; i < n; ++i) std::memcpy(static_cast<void*>(bloco + i), &array[i].GetReg(), sizeof(R));
    } else {
        INT_PTR i = 0;
        try {
            for (; i < n; ++i) Politica::Escrever(array[i], bloco + i);
        } catch (...) {
            std::memset(static_cast<void*>(bloco + i + 1), 0, static_cast<std::size_t>(n - i - 1) * sizeof(R));
            throw;
        }
    }
}

// The single record is written whole by its element before anything can fail.
template <class Politica, class Dono, class T, class REG>
void CopiarFilhoPara(const Dono& d, REG* destino, const FilhoUnico<Dono, T, REG>& f) {
    const T* e = (d.*f.lista).GetUnico();
    destino->*f.ponteiro = nullptr;
    if (!e) return;
    auto* bloco = Politica::template Unico<typename T::Registro>();
    destino->*f.ponteiro = bloco;
    Politica::Escrever(*e, bloco);
}

template <class Politica, class Dono, class T, class REG>
void CopiarFilhoPara(const Dono& d, REG* destino, const FilhoMembro<Dono, T, REG>& f) {
    Politica::Escrever(d.*f.membro, &(destino->*f.area));
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
template <class Dono>
void CopiarFilhosDe(Dono& d) {
    std::apply([&](const auto&... f) { (CopiarFilhoDe(d, f), ...); }, Dono::Filhos());
}
template <class Politica, class Dono, class REG>
void CopiarFilhosPara(const Dono& d, REG* destino) {
    std::apply([&](const auto&... f) { (CopiarFilhoPara<Politica>(d, destino, f), ...); }, Dono::Filhos());
}

}  // namespace detail
}  // namespace NXDadosGC

#endif
