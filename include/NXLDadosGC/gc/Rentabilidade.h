// Profitability, contribution margin and price formation, and the product/service class that
// filters and parameters elsewhere list.
#ifndef NXLDADOSGC_GC_RENTABILIDADE_H
#define NXLDADOSGC_GC_RENTABILIDADE_H

#include "NXLDadosGC/gc/Chaves.h"  // CNXDadosGC_KeyProdutoServico, CNXDadosGC_KeyRentabilidade
#include "NXLDadosGC/gc/DadosGC.h"

struct _REG_GC_PRODUTO_SERVICO_CLASSEPS {
    _REG_GC_KEY_PRODUTO_SERVICOPS KeyProdutoServicoClasse;
    BYTE ConsiderarVariacoesGrades;
    std::byte Lacuna25[7];
};
NX_LAYOUT(_REG_GC_PRODUTO_SERVICO_CLASSEPS, 32, (KeyProdutoServicoClasse, 0), (ConsiderarVariacoesGrades, 24),
          (Lacuna25, 25))

class NXLDADOSGC_API CNXDadosGC_ProdutoServicoClasse
    : public T_NXDadosRegistroComLista<_REG_GC_PRODUTO_SERVICO_CLASSEPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_ProdutoServicoClasse)
    NX_CAMPO(ConsiderarVariacoesGrades)
    NX_CHAVE(CNXDadosGC_KeyProdutoServico, KeyProdutoServicoClasse)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyProdutoServicoClasse))
};

#endif
