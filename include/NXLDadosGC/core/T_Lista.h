// T_Lista<T>: the ordered list through which a data object owns its child lines.
#ifndef NXLDADOSGC_CORE_T_LISTA_H
#define NXLDADOSGC_CORE_T_LISTA_H

#include <cstdint>      // std::uintptr_t
#include <cstring>      // std::memcpy, std::memcmp
#include <new>          // placement new
#include <type_traits>  // std::is_arithmetic_v

#include "NXLDadosGC/core/Elemento.h"      // Folha: leaf elements handled as records
#include "NXLDadosGC/platform/CArray.h"    // CArray
#include "NXLDadosGC/platform/CObject.h"   // CRuntimeClass
#include "NXLDadosGC/platform/Tipos.h"     // NXLDADOSGC_API

namespace NXDadosGC::detail {

// Where a list is used, for the message of a bad index: the accessor, the list and a function
// giving its owner's class (called only when the message is written).
struct OndeLista {
    const char* operacao = nullptr;  // "GetConta"
    const char* lista = nullptr;     // "Conta"
    CRuntimeClass* (*classe)() = nullptr;
};

// Raises CInvalidArgException* for index i of a list of n elements, e.g. "GetConta: index 5
// outside the 3 elements of list Conta of CNXDadosGC_CentroCustos".
[[noreturn]] NXLDADOSGC_API void IndiceForaDaLista(const OndeLista& onde, INT_PTR i, INT_PTR n);

}  // namespace NXDadosGC::detail

// An index-addressed list that owns its elements by value, contiguously. T is a data object
// (each element a complete object with its own record and children) or ULONG (32-bit numbers).
//
// Growth: a new list has a step of 100 elements. A whole-list assignment (SetLista, and the
// copies and transfers of the owning object) switches it to automatic growth; SetValorUnico
// sets the step back to 100; RemoveTodos releases the storage and keeps the step.
// Elements move when the list grows beyond its room or an earlier element is deleted:
// references and pointers from the accessors stay valid across changes that do neither (Set,
// Troca, and SetLista or the owner's assignment to a count the room holds), and point at the
// element of the same index afterwards.
//
// Errors: an index below 0 or not below the count raises CInvalidArgException and changes
// nothing. A failed allocation raises CMemoryException:
// - Adiciona, SetValorUnico and SetUnico into an empty holder leave the list as it was.
// - SetLista: when the room cannot grow, the list keeps its previous elements. Otherwise the
//   list first takes the source's count (surplus elements destroyed at the end, missing ones
//   appended empty), then copies the elements in index order; an element that owns lists can
//   run out of memory while its own lists grow, and then elements before it hold the source's,
//   it is left as its failed Copiar leaves it (the same rule, one level down: see
//   T_NXDadosRegistroComLista) and the elements after it keep what they held (empty, for those
//   appended).
// - Set leaves the element as its failed Copiar leaves it; Troca of elements that own lists
//   copies through a temporary, and leaves each element as its failed Copiar leaves it.
// Leaves and numbers are copied without allocating: for them only the room can fail.
template <class T>
class T_Lista {
public:
    using OndeLista = NXDadosGC::detail::OndeLista;
    static constexpr bool kNumeros = std::is_arithmetic_v<T>;
    using Array = CArray<T, const T&>;

    T_Lista() { m_Array.SetSize(0, kPassoInicial); }
    T_Lista(const T_Lista& outra) : T_Lista() { SetLista(outra); }
    T_Lista& operator=(const T_Lista& outra) {
        SetLista(outra);
        return *this;
    }
    virtual ~T_Lista() = default;

    INT_PTR GetQuantidade() const { return m_Array.GetSize(); }

    // The elements in index order, for range-for.
    T* begin() { return m_Array.GetData(); }
    T* end() { return m_Array.GetData() + m_Array.GetSize(); }
    const T* begin() const { return m_Array.GetData(); }
    const T* end() const { return m_Array.GetData() + m_Array.GetSize(); }

    // Appends a copy of v. v may be an element of this very list.
    void Adiciona(const T& v) {
        const INT_PTR n = m_Array.GetSize();
        const INT_PTR origem = IndiceDe(&v);
        if constexpr (kFolha) {
            // A copy of a leaf is a leaf built from its record, in place.
            m_Array.AcrescentarConstruindo(1, -1, [&](void* lugar, INT_PTR) {
                const T& fonte = origem >= 0 ? m_Array[origem] : v;
                NXDadosGC::detail::Elementos::Construir<T>(lugar, fonte.GetReg());
            });
            return;
        }
        m_Array.SetSize(n + 1, -1);
        const T& fonte = origem >= 0 ? m_Array[origem] : v;
        if constexpr (kNumeros) {
            m_Array[n] = fonte;
        } else {
            try {
                CopiarElemento(m_Array[n], fonte);
            } catch (...) {
                m_Array.SetSize(n, -1);
                throw;
            }
        }
    }

    // `onde` names the accessor, list and class for the message of a bad index (NX_LISTA passes it).
    void Deletar(INT_PTR i, const OndeLista& onde = {}) {
        Checar(i, onde);
        m_Array.RemoveAt(i);
    }

    // Exchanges the contents of two elements; each element stays where it is. Elements that own
    // lists are exchanged through a temporary copy of element i (j copied into i, then the
    // temporary into j), so each keeps its own lists' storage; leaves and numbers exchange their
    // bytes, which never fails.
    T_Lista& Troca(INT_PTR i, INT_PTR j, const OndeLista& onde = {}) {
        Checar(i, onde);
        Checar(j, onde);
        if (i == j) return *this;
        if constexpr (kNumeros || kFolha) {
            TrocarBytes(m_Array[i], m_Array[j]);
        } else {
            T temporario;
            CopiarElemento(temporario, m_Array[i]);
            CopiarElemento(m_Array[i], m_Array[j]);
            CopiarElemento(m_Array[j], temporario);
        }
        return *this;
    }

    const T& Get(INT_PTR i, const OndeLista& onde = {}) const { Checar(i, onde); return m_Array[i]; }
    const T& GetConstRef(INT_PTR i, const OndeLista& onde = {}) const { Checar(i, onde); return m_Array[i]; }
    T& GetRef(INT_PTR i, const OndeLista& onde = {}) { Checar(i, onde); return m_Array[i]; }
    const T* GetPtr(INT_PTR i, const OndeLista& onde = {}) const { Checar(i, onde); return &m_Array[i]; }
    T* GetPtr(INT_PTR i, const OndeLista& onde = {}) { Checar(i, onde); return &m_Array[i]; }

    // Copies v into the element at i, in place (Copiar; plain assignment for numbers).
    void Set(INT_PTR i, const T& v, const OndeLista& onde = {}) {
        Checar(i, onde);
        CopiarElemento(m_Array[i], v);
    }

    // The list then holds exactly one element, a copy of v, with a growth step of 100.
    void SetValorUnico(const T& v) {
        Array nova;
        nova.SetSize(0, kPassoInicial);
        nova.SetSize(1, -1);
        CopiarElemento(nova[0], v);
        m_Array.Swap(nova);
    }

    // Destroys every element and releases the storage.
    void RemoveTodos() { m_Array.RemoveAll(); }

    // Whole-list assignment, in place: the list takes the source's count with automatic growth
    // (storage reallocated only when its room is too small; surplus elements destroyed at the
    // end, missing ones appended), then element i becomes a copy of the source's element i. An
    // empty source empties the list, which releases its storage. Assigning the list to itself
    // does nothing.
    void SetLista(const T_Lista& outra) {
        if (&outra == this) return;
        const INT_PTR n = outra.GetQuantidade();
        if constexpr (kNumeros || kFolha) {
            // Copies that cannot fail: the room is made first (the only step that can), the
            // missing elements are built at the end as copies, the others overwritten.
            const INT_PTR antes = GetQuantidade();
            if (n > antes) {
                m_Array.AcrescentarConstruindo(n - antes, 0, [&](void* lugar, INT_PTR k) {
                    if constexpr (kNumeros) ::new (lugar) T(outra.m_Array[antes + k]);
                    else NXDadosGC::detail::Elementos::Construir<T>(lugar, outra.m_Array[antes + k].GetReg());
                });
            } else {
                m_Array.SetSize(n, 0);
            }
            const INT_PTR comuns = antes < n ? antes : n;
            if constexpr (kNumeros || kFolhaSemLacunas) {
                // Objects of one class made of their table pointers and record: one block.
                if (comuns > 0)
                    std::memcpy(static_cast<void*>(m_Array.GetData()), static_cast<const void*>(outra.m_Array.GetData()),
                                static_cast<std::size_t>(comuns) * sizeof(T));
            } else {
                for (INT_PTR i = 0; i < comuns; ++i) CopiarElemento(m_Array[i], outra.m_Array[i]);
            }
        } else {
            m_Array.SetSize(n, 0);
            for (INT_PTR i = 0; i < n; ++i) CopiarElemento(m_Array[i], outra.m_Array[i]);
        }
    }

    // Same count and equal elements, index by index; stops at the first difference. Elements
    // of one list share a class, so they compare without a run-time type check; leaves compare
    // as their records, inline.
    bool Igual(const T_Lista& outra) const {
        const INT_PTR n = GetQuantidade();
        if (n != outra.GetQuantidade()) return false;
        if constexpr (kFolhaSemLacunas) {
            // Two arrays of leaves of one class whose bytes all match hold equal records (the
            // table pointers match too): one block comparison. Otherwise the records decide.
            if (n == 0 || std::memcmp(static_cast<const void*>(m_Array.GetData()),
                                      static_cast<const void*>(outra.m_Array.GetData()),
                                      static_cast<std::size_t>(n) * sizeof(T)) == 0)
                return true;
        }
        for (INT_PTR i = 0; i < n; ++i) {
            if constexpr (kNumeros) {
                if (m_Array[i] != outra.m_Array[i]) return false;
            } else if constexpr (kFolha) {
                if (!NXDadosGC::detail::RegistrosIguais(m_Array[i].GetReg(), outra.m_Array[i].GetReg())) return false;
            } else {
                if (!m_Array[i].IgualMesmaClasse(outra.m_Array[i])) return false;
            }
        }
        return true;
    }
    friend bool operator==(const T_Lista& a, const T_Lista& b) { return a.Igual(b); }

    // As a single-object holder (zero or one element).
    bool Possui() const { return GetQuantidade() > 0; }
    const T* GetUnico() const { return Possui() ? &m_Array[0] : nullptr; }
    T* GetUnico() { return Possui() ? &m_Array[0] : nullptr; }
    // Holds one element, newly constructed when there was none; room for exactly one.
    T* Inclui() {
        if (!Possui()) m_Array.SetSize(1, 0);
        return &m_Array[0];
    }

    // Holds exactly one element, a copy of v: copied into the element held, in place, or into a
    // new one, which a failed copy leaves the holder without.
    void SetUnico(const T& v) {
        if (Possui()) {
            Set(0, v);
            return;
        }
        Array nova;
        nova.SetSize(1, 0);
        CopiarElemento(nova[0], v);
        m_Array.Swap(nova);
    }
    // As SetUnico(*v); null empties the holder.
    void SetUnico(const T* v) {
        if (v) SetUnico(*v);
        else RemoveTodos();
    }

    // The storage, for the transfers of the owning object.
    const Array& GetArray() const { return m_Array; }
    Array& GetArray() { return m_Array; }

private:
    static constexpr INT_PTR kPassoInicial = 100;
    static constexpr bool kFolha = NXDadosGC::detail::Folha<T>;
    // A leaf made of its two table pointers and its record, with no padding byte.
    static constexpr bool kFolhaSemLacunas = [] {
        if constexpr (kFolha)
            return sizeof(T) == 2 * sizeof(void*) + sizeof(typename T::Registro);
        else
            return false;
    }();

    void Checar(INT_PTR i, const OndeLista& onde) const {
        if (i < 0 || i >= m_Array.GetSize()) NXDadosGC::detail::IndiceForaDaLista(onde, i, m_Array.GetSize());
    }
    INT_PTR IndiceDe(const T* p) const {
        const auto base = reinterpret_cast<std::uintptr_t>(m_Array.GetData());
        const auto q = reinterpret_cast<std::uintptr_t>(p);
        if (!base || q < base || q >= base + static_cast<std::uintptr_t>(m_Array.GetSize()) * sizeof(T))
            return -1;
        return static_cast<INT_PTR>((q - base) / sizeof(T));
    }
    static void TrocarBytes(T& a, T& b) {
        alignas(T) unsigned char tmp[sizeof(T)];
        std::memcpy(tmp, static_cast<void*>(&a), sizeof(T));
        std::memcpy(static_cast<void*>(&a), static_cast<void*>(&b), sizeof(T));
        std::memcpy(static_cast<void*>(&b), tmp, sizeof(T));
    }
    static void CopiarElemento(T& destino, const T& origem) {
        if constexpr (kNumeros) destino = origem;
        else NXDadosGC::detail::Elementos::Copiar(destino, origem);
    }

    Array m_Array;
};

#endif
