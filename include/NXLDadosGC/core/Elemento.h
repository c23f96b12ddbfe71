// How lists treat their elements: a leaf data object is handled as the record it carries.
#ifndef NXLDADOSGC_CORE_ELEMENTO_H
#define NXLDADOSGC_CORE_ELEMENTO_H

#include <concepts>  // std::same_as
#include <cstddef>   // std::size_t
#include <cstdint>   // std::uint64_t
#include <cstring>   // std::memcpy, std::memcmp
#include <new>       // placement new

#include "NXLDadosGC/platform/CArray.h"  // kCArraySemDestrutor

// A leaf is a data class declared with NX_DADOS: it owns no children and keeps the hooks of
// T_NXDadosRegistro, so clearing, copying, comparing or transferring one touches its record and
// nothing else. The lists and the transfers therefore write, compare and build leaf elements
// straight from and to their records, without a call per element.
// NOTE: an NX_DADOS class must not override a hook other than OnEstaVazio and OnGetModulo, nor
// CopiarDe, CopiarPara or CopiarParaPS; a class with more behaviour is declared otherwise.
namespace NXDadosGC::detail {

// The tag of the constructor every declared data class has for the lists: it builds the object
// with a copy of a record, children still empty, without clearing anything first.
struct DoRegistro {
    explicit DoRegistro() = default;
};

// A class declared with NX_DADOS or NX_DADOS_COM_FILHOS, whose hooks are the generated ones
// (`friend Classe* NxDados(const Classe*)`; a derived class does not qualify, as below).
template <class T>
concept Gerada = requires(const T* p) {
    { NxDados(p) } -> std::same_as<T*>;
};

// Assigns every child of o to d, in the declared order (core/Filhos.h).
template <class Dono>
void CopiarFilhos(Dono& d, const Dono& o);

struct Elementos {
    // The one caller of the constructors from a record (they are not public).
    template <class T>
    static T* Construir(void* lugar, const typename T::Registro& reg) {
        return ::new (lugar) T(DoRegistro{}, reg);
    }
    // What d.Copiar(&o) does, for two objects of one class T (two elements of lists of T,
    // whose run-time class is T itself): a generated class needs neither the virtual call nor
    // the run-time type check.
    template <class T>
    static void Copiar(T& d, const T& o) {
        if constexpr (Gerada<T>) {
            if (&d == &o) return;
            std::memcpy(static_cast<void*>(&d.GetReg()), &o.GetReg(), sizeof(typename T::Registro));
            if constexpr (requires { T::Filhos(); }) CopiarFilhos(d, o);
        } else {
            d.Copiar(&o);
        }
    }
};

// NX_DADOS declares `friend Classe* NxFolha(const Classe*)`. Found for a derived class too, it
// then answers the base: so a class derived from a leaf is not a leaf.
template <class T>
concept Folha = requires(const T* p) {
    { NxFolha(p) } -> std::same_as<T*>;
};

// Byte equality of two records, the way the lists compare leaves: the words of the two records
// are compared all together and the answer taken once, instead of a call and a branch per word.
// A big record goes to the C library's comparison.
template <class R>
inline bool RegistrosIguais(const R& a, const R& b) noexcept {
    constexpr std::size_t n = sizeof(R);
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    if constexpr (n > 256) {
        return std::memcmp(x, y, n) == 0;
    } else {
        std::uint64_t diferenca = 0;
        std::size_t i = 0;
        for (; i + 8 <= n; i += 8) {
            std::uint64_t u, v;
            std::memcpy(&u, x + i, 8);
            std::memcpy(&v, y + i, 8);
            diferenca |= u ^ v;
        }
        for (; i < n; ++i) diferenca |= static_cast<std::uint64_t>(x[i] ^ y[i]);
        return diferenca == 0;
    }
}

}  // namespace NXDadosGC::detail

// Destroying a leaf only clears its record: a list releases its leaves without the calls.
template <NXDadosGC::detail::Folha T>
inline constexpr bool kCArraySemDestrutor<T> = true;

#endif
