// Sample objects of the test classes, and the release helper that matches each transfer.
#ifndef NXLDADOSGC_TESTES_ARVORETESTE_H
#define NXLDADOSGC_TESTES_ARVORETESTE_H

#include "ClassesTeste.h"
#include "NXLDadosGC/core/Liberacao.h"

namespace NXTeste {

// Which allocator wrote a tree, and the library's release helper that matches it.
enum class Alocador { Heap, Tarefa };
template <class C>
void Liberar(typename C::Registro& r, Alocador a) {
    if (a == Alocador::Heap) NXDadosGC::LiberarCopiarPara<C>(r);
    else NXDadosGC::LiberarCopiarParaPS<C>(r);
}

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
// owns a nested list and one is empty, a held extra line and three numbers.
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

}  // namespace NXTeste

#endif
