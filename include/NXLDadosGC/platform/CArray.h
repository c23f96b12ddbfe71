// CArray<TYPE, ARG_TYPE>: the framework's dynamic array. Elements live contiguously by value
// and are relocated as raw memory (storage may grow in place), so TYPE must not point into
// itself. Indices and sizes are signed 64-bit.
#ifndef NXLDADOSGC_PLATFORM_CARRAY_H
#define NXLDADOSGC_PLATFORM_CARRAY_H

#include <cstdint>  // std::uintptr_t
#include <cstring>  // std::memmove
#include <limits>   // std::numeric_limits
#include <new>      // placement new
#include <type_traits>  // std::is_trivially_destructible_v
#include <utility>  // std::swap

#include "NXLDadosGC/platform/Alocacao.h"  // AfxRealocarBruto, AfxLiberarBruto
#include "NXLDadosGC/platform/Assercao.h"  // NXGC_ASSERT
#include "NXLDadosGC/platform/Excecoes.h"  // LancarArgumentoInvalido, AfxThrowMemoryException

// Elements whose destructor has no effect beyond their own bytes, which are about to be released
// or reused anyway, may be let go without running it. True for trivially destructible types; a
// library may specialize it for types of its own (the core does, for leaf data objects).
template <class T>
inline constexpr bool kCArraySemDestrutor = std::is_trivially_destructible_v<T>;

// Growth: a new array has step 0 ("automatic"). SetSize(n, step) with step >= 0 sets the step.
// The first allocation reserves max(n, step) elements; when the array must grow beyond its
// room, the room rises by the step (automatic: size/8, clamped to 4..1024) or to n if larger.
// Shrinking never releases room; SetSize(0) (RemoveAll) releases it all and keeps the step.
// Failures: a negative size or an overflowing byte count raises CInvalidArgException, a
// failed allocation CMemoryException; both leave the array as it was.
template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray {
public:
    CArray() = default;
    CArray(const CArray&) = delete;
    CArray& operator=(const CArray&) = delete;
    ~CArray() { RemoveAll(); }

    INT_PTR GetSize() const { return m_nSize; }
    INT_PTR GetCount() const { return m_nSize; }
    bool IsEmpty() const { return m_nSize == 0; }
    INT_PTR GetUpperBound() const { return m_nSize - 1; }
    // Room reserved, in elements, and the growth step (0 = automatic).
    INT_PTR GetCapacidade() const { return m_nMaxSize; }
    INT_PTR GetGrowBy() const { return m_nGrowBy; }

    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1);
    void RemoveAll() { SetSize(0, -1); }

    // Element access, as in the framework: the index must be in 0..GetSize()-1 (NXGC_ASSERT
    // checks it; nothing else does).
    const TYPE& GetAt(INT_PTR i) const { return m_pData[Indice(i)]; }
    TYPE& ElementAt(INT_PTR i) { return m_pData[Indice(i)]; }
    void SetAt(INT_PTR i, ARG_TYPE e) { m_pData[Indice(i)] = e; }
    const TYPE& operator[](INT_PTR i) const { return m_pData[Indice(i)]; }
    TYPE& operator[](INT_PTR i) { return m_pData[Indice(i)]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }

    // Appends a copy of e (assigned with TYPE's operator=) and returns its index.
    // NOTE: e must not be an element of this array: growing may move it.
    INT_PTR Add(ARG_TYPE e) {
        NXGC_ASSERT(!Contem(&e));
        INT_PTR n = m_nSize;
        SetSize(n + 1, -1);
        m_pData[n] = e;
        return n;
    }
    // Appends n elements, each built in place by construir(void* lugar, INT_PTR k), k = 0..n-1,
    // with the room and step that SetSize(GetSize() + n, nGrowBy) would give. If construir
    // throws, it must leave nothing built at that place: the elements before it stay.
    template <class F>
    void AcrescentarConstruindo(INT_PTR n, INT_PTR nGrowBy, F&& construir);
    // Removes nCount elements at i; later elements move down as raw memory.
    void RemoveAt(INT_PTR i, INT_PTR nCount = 1);

    // Exchanges contents, room and step with another array; never fails.
    void Swap(CArray& outro) noexcept {
        std::swap(m_pData, outro.m_pData);
        std::swap(m_nSize, outro.m_nSize);
        std::swap(m_nMaxSize, outro.m_nMaxSize);
        std::swap(m_nGrowBy, outro.m_nGrowBy);
    }

private:
    INT_PTR Indice(INT_PTR i) const {
        NXGC_ASSERT(i >= 0 && i < m_nSize);
        return i;
    }
    bool Contem(const void* p) const {
        const auto q = reinterpret_cast<std::uintptr_t>(p);
        const auto base = reinterpret_cast<std::uintptr_t>(m_pData);
        return q >= base && q < base + static_cast<std::uintptr_t>(m_nSize) * sizeof(TYPE);
    }
    void Reservar(INT_PTR nNewMax);  // relocates to room for nNewMax elements
    // Room for nNewSize > 0 elements under the growth rules, with step nPasso.
    void Crescer(INT_PTR nNewSize, INT_PTR nPasso);
    static void Destruir(TYPE* p, INT_PTR n) {
        if constexpr (!kCArraySemDestrutor<TYPE>)
            for (INT_PTR i = 0; i < n; ++i) p[i].~TYPE();
    }

    TYPE* m_pData = nullptr;
    INT_PTR m_nSize = 0;
    INT_PTR m_nMaxSize = 0;
    INT_PTR m_nGrowBy = 0;
};

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Reservar(INT_PTR nNewMax) {
    constexpr auto kMax = static_cast<INT_PTR>(std::numeric_limits<INT_PTR>::max() / sizeof(TYPE));
    if (nNewMax > kMax)
        NXDadosGC::LancarArgumentoInvalido(false, "CArray: room for %lld elements exceeds the address space",
                                           static_cast<long long>(nNewMax));
    void* p = AfxRealocarBruto(m_pData, static_cast<std::size_t>(nNewMax) * sizeof(TYPE));
    if (!p) AfxThrowMemoryException();
    m_pData = static_cast<TYPE*>(p);
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::Crescer(INT_PTR nNewSize, INT_PTR nPasso) {
    if (m_pData == nullptr) {
        Reservar(nNewSize > nPasso ? nNewSize : nPasso);
    } else if (nNewSize > m_nMaxSize) {
        INT_PTR nGrowArrayBy = nPasso;
        if (nGrowArrayBy == 0) {
            nGrowArrayBy = m_nSize / 8;
            nGrowArrayBy = nGrowArrayBy < 4 ? 4 : (nGrowArrayBy > 1024 ? 1024 : nGrowArrayBy);
        }
        Reservar(nNewSize < m_nMaxSize + nGrowArrayBy ? m_nMaxSize + nGrowArrayBy : nNewSize);
    }
}

template <class TYPE, class ARG_TYPE>
template <class F>
void CArray<TYPE, ARG_TYPE>::AcrescentarConstruindo(INT_PTR n, INT_PTR nGrowBy, F&& construir) {
    if (n == 1 && nGrowBy < 0 && m_nSize < m_nMaxSize) {  // one more, with room: appending one by one
        construir(static_cast<void*>(m_pData + m_nSize), INT_PTR{0});
        ++m_nSize;
        return;
    }
    if (n < 0) NXDadosGC::LancarArgumentoInvalido(false, "CArray: negative count %lld", static_cast<long long>(n));
    if (m_nSize + n == 0) {
        SetSize(0, nGrowBy);
        return;
    }
    const INT_PTR nPasso = nGrowBy >= 0 ? nGrowBy : m_nGrowBy;
    Crescer(m_nSize + n, nPasso);
    m_nGrowBy = nPasso;
    // The count is kept in a local, not in the member, which the compiler would otherwise store
    // after every element (construir writes through a pointer that could reach it).
    TYPE* const lugares = m_pData + m_nSize;
    INT_PTR k = 0;
    try {
        for (; k < n; ++k) construir(static_cast<void*>(lugares + k), k);
    } catch (...) {
        m_nSize += k;
        throw;
    }
    m_nSize += n;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::SetSize(INT_PTR nNewSize, INT_PTR nGrowBy) {
    if (nNewSize < 0)
        NXDadosGC::LancarArgumentoInvalido(false, "SetSize: negative size %lld", static_cast<long long>(nNewSize));
    // The new step is taken only once nothing can fail, so a failed resize keeps the old one.
    const INT_PTR nPasso = nGrowBy >= 0 ? nGrowBy : m_nGrowBy;

    if (nNewSize == 0) {
        Destruir(m_pData, m_nSize);
        AfxLiberarBruto(m_pData);
        m_pData = nullptr;
        m_nSize = m_nMaxSize = 0;
        m_nGrowBy = nPasso;
        return;
    }
    Crescer(nNewSize, nPasso);
    m_nGrowBy = nPasso;
    for (INT_PTR i = m_nSize; i < nNewSize; ++i) ::new (static_cast<void*>(m_pData + i)) TYPE();
    if (nNewSize < m_nSize) Destruir(m_pData + nNewSize, m_nSize - nNewSize);
    m_nSize = nNewSize;
}

template <class TYPE, class ARG_TYPE>
void CArray<TYPE, ARG_TYPE>::RemoveAt(INT_PTR i, INT_PTR nCount) {
    if (i < 0 || nCount < 0 || i > m_nSize - nCount)
        NXDadosGC::LancarArgumentoInvalido(true, "RemoveAt: %lld elements from index %lld outside the %lld elements",
                                           static_cast<long long>(nCount), static_cast<long long>(i),
                                           static_cast<long long>(m_nSize));
    Destruir(m_pData + i, nCount);
    const INT_PTR nMover = m_nSize - (i + nCount);
    if (nMover > 0)
        std::memmove(static_cast<void*>(m_pData + i), static_cast<const void*>(m_pData + i + nCount),
                     static_cast<std::size_t>(nMover) * sizeof(TYPE));
    m_nSize -= nCount;
}

#endif
