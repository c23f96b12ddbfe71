// Release of the record trees that CopiarPara and CopiarParaPS write: every block a tree owns,
// children first, with the release that matches its allocation.
#ifndef NXLDADOSGC_CORE_LIBERACAO_H
#define NXLDADOSGC_CORE_LIBERACAO_H

#include <tuple>        // std::apply
#include <type_traits>  // std::is_arithmetic_v

#include "NXLDadosGC/core/Filhos.h"             // FilhoLista, FilhoUnico, FilhoMembro
#include "NXLDadosGC/platform/Alocacao.h"       // AfxRegistrarLiberacao
#include "NXLDadosGC/platform/AlocadorTarefa.h" // CoTaskMemFree

// After a release every (count, pointer) pair and holder pointer of the tree reads (0, null),
// so releasing twice is harmless. A tree left half-written by a failed allocation is released
// the same way: its unwritten slots are zero. The record itself belongs to the caller and is
// not freed.
// NOTE: only for trees this library wrote (or built the same way): each pointer must come from
// the matching allocator and each count must be the number of records its block holds.
// An owner that calls the matching helper by itself: ArvoreRegistro (core/ArvoreRegistro.h).
namespace NXDadosGC {

namespace detail {

// How CopiarPara allocates: array new for arrays, plain new for single records.
struct LiberacaoHeap {
    template <class R>
    static void Array(R* p) {
        AfxRegistrarLiberacao();
        delete[] p;
    }
    template <class R>
    static void Unico(R* p) {
        AfxRegistrarLiberacao();
        delete p;
    }
};

// How CopiarParaPS allocates: the task allocator for every block.
struct LiberacaoTarefa {
    template <class R>
    static void Array(R* p) { CoTaskMemFree(p); }
    template <class R>
    static void Unico(R* p) { CoTaskMemFree(p); }
};

template <class Politica, class Classe>
void LiberarArvore(typename Classe::Registro& reg);

template <class Politica, class Dono, class T, class REG>
void LiberarFilho(REG& reg, const FilhoLista<Dono, T, REG>& f) {
    auto* p = reg.*f.ponteiro;
    const auto n = static_cast<ULONG>(reg.*f.quantidade);
    reg.*f.ponteiro = nullptr;
    reg.*f.quantidade = NXQuantidade{};
    if (!p) return;
    if constexpr (!std::is_arithmetic_v<T>)
        for (ULONG i = 0; i < n; ++i) LiberarArvore<Politica, T>(p[i]);
    Politica::Array(p);
}

template <class Politica, class Dono, class T, class REG>
void LiberarFilho(REG& reg, const FilhoUnico<Dono, T, REG>& f) {
    auto* p = reg.*f.ponteiro;
    reg.*f.ponteiro = nullptr;
    if (!p) return;
    LiberarArvore<Politica, T>(*p);
    Politica::Unico(p);
}

template <class Politica, class Dono, class T, class REG>
void LiberarFilho(REG& reg, const FilhoMembro<Dono, T, REG>& f) {
    LiberarArvore<Politica, T>(reg.*f.area);
}

template <class Politica, class Classe>
void LiberarArvore(typename Classe::Registro& reg) {
    if constexpr (requires { Classe::Filhos(); })
        std::apply([&](const auto&... f) { (LiberarFilho<Politica>(reg, f), ...); }, Classe::Filhos());
}

}  // namespace detail

// Frees every block that Classe::CopiarPara wrote into reg (delete[] for arrays, delete for
// single records), children first.
template <class Classe>
void LiberarCopiarPara(typename Classe::Registro& reg) {
    detail::LiberarArvore<detail::LiberacaoHeap, Classe>(reg);
}

// Frees every block that Classe::CopiarParaPS wrote into reg (CoTaskMemFree), children first.
template <class Classe>
void LiberarCopiarParaPS(typename Classe::Registro& reg) {
    detail::LiberarArvore<detail::LiberacaoTarefa, Classe>(reg);
}

}  // namespace NXDadosGC

#endif
