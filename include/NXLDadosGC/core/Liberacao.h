// Release of the record trees that CopiarPara and CopiarParaPS write: every block a tree owns,
// children first, with the release that matches its allocation.
#ifndef NXLDADOSGC_CORE_LIBERACAO_H
#define NXLDADOSGC_CORE_LIBERACAO_H

#include <tuple>        // std::apply
#include <type_traits>  // std::is_arithmetic_v

#include "NXLDadosGC/core/Filhos.h"  // the child descriptions, AlocadorHeap, AlocadorTarefa

// After a release every (count, pointer) pair and holder pointer of the tree reads (0, null),
// so releasing twice is harmless. A tree left half-written by a failed allocation is released
// the same way: its unwritten slots are zero. The record itself belongs to the caller and is
// not freed.
// NOTE: only for trees this library wrote (or built the same way): each pointer must come from
// the matching allocator and each count must be the number of records its block holds.
// An owner that calls the matching helper by itself: ArvoreRegistro (core/ArvoreRegistro.h).
namespace NXDadosGC {

namespace detail {

// Frees every block below reg that Alocador allocated (core/Filhos.h), children first.
template <class Alocador, class Classe>
void LiberarArvore(typename Classe::Registro& reg);

template <class Alocador, class REG, class F>
void LiberarFilho(REG& reg, const F& f) {
    using T = typename F::Elemento;
    if constexpr (F::tipo == TipoFilho::Membro) {
        LiberarArvore<Alocador, T>(reg.*f.area);
    } else {
        auto* p = reg.*f.ponteiro;
        ULONG n = 1;
        if constexpr (F::tipo == TipoFilho::Lista) {
            n = static_cast<ULONG>(reg.*f.quantidade);
            reg.*f.quantidade = NXQuantidade{};
        }
        reg.*f.ponteiro = nullptr;
        if (!p) return;
        if constexpr (!std::is_arithmetic_v<T>)
            for (ULONG i = 0; i < n; ++i) LiberarArvore<Alocador, T>(p[i]);
        if constexpr (F::tipo == TipoFilho::Lista) Alocador::LiberarArray(p);
        else Alocador::LiberarUnico(p);
    }
}

template <class Alocador, class Classe>
void LiberarArvore(typename Classe::Registro& reg) {
    if constexpr (ComFilhos<Classe>)
        std::apply([&](const auto&... f) { (LiberarFilho<Alocador>(reg, f), ...); }, Classe::Filhos());
}

}  // namespace detail

// Frees every block that Classe::CopiarPara wrote into reg (delete[] for arrays, delete for
// single records), children first.
template <class Classe>
void LiberarCopiarPara(typename Classe::Registro& reg) {
    detail::LiberarArvore<detail::AlocadorHeap, Classe>(reg);
}

// Frees every block that Classe::CopiarParaPS wrote into reg (CoTaskMemFree), children first.
template <class Classe>
void LiberarCopiarParaPS(typename Classe::Registro& reg) {
    detail::LiberarArvore<detail::AlocadorTarefa, Classe>(reg);
}

}  // namespace NXDadosGC

#endif
