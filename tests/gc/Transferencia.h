// Helpers for tests of the record trees that CopiarPara and CopiarParaPS write: raw reads at
// byte offsets, release of blocks with the matching allocator, an allocation balance and a
// transfer run with one allocation failing.
#ifndef NXLDADOSGC_TESTES_GC_TRANSFERENCIA_H
#define NXLDADOSGC_TESTES_GC_TRANSFERENCIA_H

#include <cstddef>
#include <cstring>

#include "NXLDadosGC/platform/AlocadorTarefa.h"
#include "NXLDadosGC/platform/Alocacao.h"
#include "NXLDadosGC/platform/Excecoes.h"

namespace teste {

// The value of type T at byte offset `desloc` of a record, read as raw bytes.
template <class T>
T Ler(const void* base, std::size_t desloc) {
    T v;
    std::memcpy(static_cast<void*>(&v), static_cast<const unsigned char*>(base) + desloc, sizeof v);
    return v;
}
// The block a record's pointer field at `desloc` points to.
inline const unsigned char* Bloco(const void* base, std::size_t desloc) {
    return Ler<const unsigned char*>(base, desloc);
}
// True when bytes [de, ate) of a record are all zero.
inline bool Zeros(const void* base, std::size_t de, std::size_t ate) {
    for (std::size_t i = de; i < ate; ++i)
        if (static_cast<const unsigned char*>(base)[i] != 0) return false;
    return true;
}

// Which transfer wrote a tree, and so how its blocks are released.
enum class Alocador { Heap, Tarefa };
inline const char* Nome(Alocador a) { return a == Alocador::Heap ? "CopiarPara" : "CopiarParaPS"; }

template <class Objeto, class REG>
void Transferir(const Objeto& o, REG* destino, Alocador a) {
    if (a == Alocador::Heap) o.CopiarPara(destino);
    else o.CopiarParaPS(destino);
}

// Releases one array block (null is ignored). delete[] is counted here, since the runtime's
// own release does not count.
template <class R>
void Liberar(R*& p, Alocador a) {
    if (!p) return;
    if (a == Alocador::Tarefa) {
        CoTaskMemFree(p);
    } else {
        delete[] p;
        AfxRegistrarLiberacao();
    }
    p = nullptr;
}

// Allocations and releases since construction.
class Balanco {
public:
    Balanco() : m_inicio(AfxContadoresAlocacao()) {}
    long long Alocacoes() const { return AfxContadoresAlocacao().alocacoes - m_inicio.alocacoes; }
    long long AlocacoesTarefa() const { return AfxContadoresAlocacao().alocacoesTarefa - m_inicio.alocacoesTarefa; }
    long long Pendentes() const {
        return Alocacoes() - (AfxContadoresAlocacao().liberacoes - m_inicio.liberacoes);
    }

private:
    NXContadoresAlocacao m_inicio;
};

// Runs f with the n-th allocation from now failing; true when f raised CMemoryException.
template <class F>
bool FalhaNaAlocacao(long long n, F&& f) {
    AfxContadoresAlocacao().falharNaAlocacao = n;
    bool lancou = false;
    try {
        f();
    } catch (CMemoryException* e) {
        e->Delete();
        lancou = true;
    }
    AfxContadoresAlocacao().falharNaAlocacao = 0;
    return lancou;
}

// True when f raised CInvalidArgException.
template <class F>
bool IndiceInvalido(F&& f) {
    try {
        f();
    } catch (CInvalidArgException* e) {
        e->Delete();
        return true;
    }
    return false;
}

}  // namespace teste

#endif
