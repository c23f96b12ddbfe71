// How lists treat their elements: a leaf data object is handled as the record it carries.
#ifndef NXLDADOSGC_CORE_ELEMENTO_H
#define NXLDADOSGC_CORE_ELEMENTO_H

#include <concepts>  // std::same_as

// A leaf is a data class declared with NX_DADOS: it owns no children and keeps the hooks of
// T_NXDadosRegistro, so clearing, copying, comparing or transferring one touches its record and
// nothing else. The lists and the transfers therefore write, compare and build leaf elements
// straight from and to their records, without a call per element.
// NOTE: an NX_DADOS class must not override a hook other than OnEstaVazio and OnGetModulo, nor
// CopiarDe, CopiarPara or CopiarParaPS; a class with more behaviour is declared otherwise.
namespace NXDadosGC::detail {

// NX_DADOS declares `friend Classe* NxFolha(const Classe*)`. Found for a derived class too, it
// then answers the base: so a class derived from a leaf is not a leaf.
template <class T>
concept Folha = requires(const T* p) {
    { NxFolha(p) } -> std::same_as<T*>;
};

}  // namespace NXDadosGC::detail

#endif
