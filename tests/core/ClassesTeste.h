// Test-only data classes, declared with the same pieces as the library's own: a plain one, a
// member key, an owner of two lists whose elements own a nested list, a holder and a list of
// 32-bit numbers, and sample objects of them.
#ifndef NXLDADOSGC_TESTES_CLASSESTESTE_H
#define NXLDADOSGC_TESTES_CLASSESTESTE_H

#include "NXLDadosGC/core/Dados.h"
#include "NXLDadosGC/core/Liberacao.h"

struct _REG_TESTE_LINHAPS {
    tagCY Valor;
    ULONG Codigo;
    BYTE Marca;
    std::byte Lacuna13[3];
};
NX_LAYOUT(_REG_TESTE_LINHAPS, 16, (Valor, 0), (Codigo, 8), (Marca, 12), (Lacuna13, 13))

class CTeste_Linha : public T_NXDadosRegistro<_REG_TESTE_LINHAPS> {
    NX_DADOS(CTeste_Linha)
    NX_CAMPO(Valor)
    NX_CAMPO(Codigo)
    NX_CAMPO(Marca)
};

struct _REG_TESTE_CHAVEPS {
    ULONG Conta;
    WORD Filial;
    std::byte Lacuna6[2];
};
NX_LAYOUT(_REG_TESTE_CHAVEPS, 8, (Conta, 0), (Filial, 4), (Lacuna6, 6))

class CTeste_Chave : public T_NXDadosRegistro<_REG_TESTE_CHAVEPS> {
    NX_DADOS(CTeste_Chave)
    NX_CAMPO(Conta)
    NX_CAMPO(Filial)
};

// A line that owns a nested list.
struct _REG_TESTE_GRUPOPS {
    ULONG Numero;
    NXQuantidade QuantidadeLinha;
    _REG_TESTE_LINHAPS* pLinha;
};
NX_LAYOUT(_REG_TESTE_GRUPOPS, 16, (Numero, 0), (QuantidadeLinha, 4), (pLinha, 8))

class CTeste_Grupo : public T_NXDadosRegistroComLista<_REG_TESTE_GRUPOPS> {
    NX_DADOS_COM_FILHOS(CTeste_Grupo)
    NX_CAMPO(Numero)
    NX_LISTA(CTeste_Linha, Linha)
    NX_FILHOS(NX_FILHO_LISTA(Linha))
};

// An owner of everything: a member key at its head, two lists (the second processed first),
// a holder and a list of numbers.
struct _REG_TESTE_DONOPS {
    _REG_TESTE_CHAVEPS Chave;
    tagCY Total;
    NXQuantidade QuantidadeGrupo;
    NXQuantidade QuantidadeLinha;
    NXQuantidade QuantidadeNumero;
    BYTE Situacao;
    std::byte Lacuna29[3];
    _REG_TESTE_GRUPOPS* pGrupo;
    _REG_TESTE_LINHAPS* pLinha;
    _REG_TESTE_LINHAPS* pExtra;
    ULONG* pNumero;
};
NX_LAYOUT(_REG_TESTE_DONOPS, 64, (Chave, 0), (Total, 8), (QuantidadeGrupo, 16), (QuantidadeLinha, 20),
          (QuantidadeNumero, 24), (Situacao, 28), (Lacuna29, 29), (pGrupo, 32), (pLinha, 40), (pExtra, 48),
          (pNumero, 56))

class CTeste_Dono : public T_NXDadosRegistroComLista<_REG_TESTE_DONOPS> {
    NX_DADOS_COM_FILHOS(CTeste_Dono)
    NX_CAMPO(Total)
    NX_CAMPO(Situacao)
    NX_CHAVE(CTeste_Chave, Chave)
    NX_LISTA(CTeste_Grupo, Grupo)
    NX_LISTA(CTeste_Linha, Linha)
    NX_UNICO(CTeste_Linha, Extra)
    NX_LISTA(ULONG, Numero)
    NX_FILHOS(NX_FILHO_MEMBRO(Chave), NX_FILHO_LISTA(Linha), NX_FILHO_LISTA(Grupo), NX_FILHO_UNICO(Extra),
              NX_FILHO_LISTA(Numero))
};

namespace NXTeste {

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
