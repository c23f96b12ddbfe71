// Allocation through the framework: blocks for records and list storage, with the memory
// exception on failure, and hooks that let tests count allocations and make one fail.
#ifndef NXLDADOSGC_PLATFORM_ALOCACAO_H
#define NXLDADOSGC_PLATFORM_ALOCACAO_H

#include <cstdlib>  // std::realloc, std::free
#include <new>      // std::bad_alloc

#include "NXLDadosGC/platform/Excecoes.h"  // AfxThrowMemoryException

// Counters of the allocations made through this header or CoTaskMemAlloc, and an optional
// failure countdown: when it is n > 0, the n-th allocation from now fails (as if memory ran
// out) and the countdown switches off. Each thread has its own set, so threads working on
// different objects share nothing here: a thread's counters see only its own allocations and
// releases (a block allocated in one thread and released in another shows in both as half a
// pair), and its countdown fails only its own allocations.
struct NXLPLATAFORMA_API NXContadoresAlocacao {
    long long alocacoes = 0;          // successful allocations of every kind
    long long liberacoes = 0;         // blocks released (CoTaskMemFree, AfxLiberar*)
    long long alocacoesTarefa = 0;    // successful CoTaskMemAlloc calls
    long long liberacoesTarefa = 0;   // CoTaskMemFree calls with a non-null block
    long long falharNaAlocacao = 0;   // countdown; 0 = never fail
};

// The calling thread's counters.
NXLPLATAFORMA_API NXContadoresAlocacao& AfxContadoresAlocacao();

// Called before every allocation: false means "fail this one" (the countdown reached it).
NXLPLATAFORMA_API bool AfxPodeAlocar();
NXLPLATAFORMA_API void AfxRegistrarAlocacao();
NXLPLATAFORMA_API void AfxRegistrarLiberacao();

// `new T[n]` that raises CMemoryException instead of std::bad_alloc. The elements are
// default-initialized: the bytes of a record type are indeterminate until written. The caller
// releases with `delete[]`.
template <class T>
T* AfxNovoArray(std::size_t n) {
    if (!AfxPodeAlocar()) AfxThrowMemoryException();
    T* p = nullptr;
    try {
        p = new T[n];
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    AfxRegistrarAlocacao();
    return p;
}

// `new T` (default-initialized, as above) that raises CMemoryException. The caller releases
// with `delete`.
template <class T>
T* AfxNovo() {
    if (!AfxPodeAlocar()) AfxThrowMemoryException();
    T* p = nullptr;
    try {
        p = new T;
    } catch (const std::bad_alloc&) {
        AfxThrowMemoryException();
    }
    AfxRegistrarAlocacao();
    return p;
}

// Raw storage that may grow in place (list storage). Null on failure; the old block stays.
inline void* AfxRealocarBruto(void* p, std::size_t bytes) {
    if (!AfxPodeAlocar()) return nullptr;
    void* q = std::realloc(p, bytes);
    if (q) {
        if (!p) AfxRegistrarAlocacao();
    }
    return q;
}
inline void AfxLiberarBruto(void* p) {
    if (!p) return;
    AfxRegistrarLiberacao();
    std::free(p);
}

#endif
