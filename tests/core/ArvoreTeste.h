// Sample objects of the test classes, and a walker over the record trees that CopiarPara and
// CopiarParaPS write: it counts their blocks and photographs their bytes.
#ifndef NXLDADOSGC_TESTES_ARVORETESTE_H
#define NXLDADOSGC_TESTES_ARVORETESTE_H

#include <cstdint>
#include <vector>

#include "ClassesTeste.h"
#include "NXLDadosGC/core/Liberacao.h"

namespace NXTeste {

// The child blocks each test record points to: Array(pointer, count) and Unico(pointer).
template <class V> void CadaBloco(const ULONG&, V&) {}
template <class V> void CadaBloco(const _REG_TESTE_LINHAPS&, V&) {}
template <class V> void CadaBloco(const _REG_TESTE_CHAVEPS&, V&) {}
template <class V>
void CadaBloco(const _REG_TESTE_GRUPOPS& r, V& v) {
    v.Array(r.pLinha, r.QuantidadeLinha);
}
template <class V>
void CadaBloco(const _REG_TESTE_DONOPS& r, V& v) {
    v.Array(r.pLinha, r.QuantidadeLinha);
    v.Array(r.pGrupo, r.QuantidadeGrupo);
    v.Unico(r.pExtra);
    v.Array(r.pNumero, r.QuantidadeNumero);
}

// Which allocator wrote a tree, and the library's release helper that matches it.
enum class Alocador { Heap, Tarefa };
template <class C>
void Liberar(typename C::Registro& r, Alocador a) {
    if (a == Alocador::Heap) NXDadosGC::LiberarCopiarPara<C>(r);
    else NXDadosGC::LiberarCopiarParaPS<C>(r);
}

// A tree seen from outside: every byte (the record, then each block it points to, depth first)
// and the number of blocks.
struct Arvore {
    std::vector<unsigned char> bytes;
    int blocos = 0;
    template <class R>
    void Array(const R* p, NXQuantidade n) {
        if (!p) return;
        ++blocos;
        const auto* b = reinterpret_cast<const unsigned char*>(p);
        bytes.insert(bytes.end(), b, b + static_cast<std::uint32_t>(n) * sizeof(R));
        for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(n); ++i) CadaBloco(p[i], *this);
    }
    template <class R>
    void Unico(const R* p) {
        Array(p, NXQuantidade{p ? 1u : 0u});
    }
};
template <class R>
Arvore Percorrer(const R& r) {
    Arvore a;
    const auto* b = reinterpret_cast<const unsigned char*>(&r);
    a.bytes.assign(b, b + sizeof(R));
    CadaBloco(r, a);
    return a;
}
template <class R>
std::vector<unsigned char> Foto(const R& r) { return Percorrer(r).bytes; }
template <class R>
int ContarBlocos(const R& r) { return Percorrer(r).blocos; }

inline CTeste_Linha Linha(LONGLONG valor, ULONG codigo, BYTE marca = 0) {
    CTeste_Linha l;
    l.SetValor(tagCY{valor}).SetCodigo(codigo).SetMarca(marca);
    return l;
}

inline CTeste_Grupo Grupo(ULONG numero, int linhas) {
    CTeste_Grupo g;
    g.SetNumero(numero);
    for (int i = 0; i < linhas; ++i) g.AdicionaLinha(Linha(numero * 100 + i, numero + i, 1));
    return g;
}

// One of everything: the key, record fields, a list of three, a list of groups of which one
// owns a nested list and one is empty, a held extra line and three numbers. Written out, it
// takes five blocks.
inline CTeste_Dono DonoCompleto() {
    CTeste_Dono d;
    CTeste_Chave chave;
    chave.SetConta(0x01020304).SetFilial(0x0506);
    d.SetChave(chave).SetTotal(tagCY{-123456789}).SetSituacao(7);
    d.AdicionaLinha(Linha(10000, 1, 1));
    d.AdicionaLinha(Linha(-5, 2, 0));
    d.AdicionaLinha(Linha(0, 0xFFFFFFFF, 0xFF));
    d.AdicionaGrupo(Grupo(1, 2));
    d.AdicionaGrupo(Grupo(2, 0));
    d.SetExtra(Linha(77, 7, 7));
    for (ULONG n : {10u, 0xFFFFFFFFu, 0u}) d.AdicionaNumero(n);
    return d;
}
inline constexpr int kBlocosDonoCompleto = 5;

}  // namespace NXTeste

#endif
