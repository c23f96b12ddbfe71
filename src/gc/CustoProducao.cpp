#include "NXLDadosGC/gc/CustoProducao.h"

NX_IMPLEMENT_DADOS(CNXDadosGC_CustoProducaoProcesso)
NX_IMPLEMENT_DADOS(CNXDadosGC_CustoProducaoProcessamento)
NX_IMPLEMENT_DADOS(CNXDadosGC_CustoProducaoInsumo)
NX_IMPLEMENT_DADOS(CNXDadosGC_CustoProducaoBaixaInsumo)
NX_IMPLEMENT_DADOS(CNXDadosGC_CustoProducaoEntrada)
NX_IMPLEMENT_DADOS(CNXDadosGC_CustoProducaoTerceirizacao)
NX_IMPLEMENT_DADOS(CNXDadosGC_CustoProducaoInventarioElaboracao)
NX_IMPLEMENT_DADOS_COM_FILHOS(CNXDadosGC_CustoProducaoResultado)
NX_IMPLEMENT_DADOS_COM_FILHOS(CNXDadosGC_CustoProducaoVariacao)
NX_IMPLEMENT_DADOS_COM_FILHOS(CNXDadosGC_CustoProducao)
NX_IMPLEMENT_DADOS_COM_FILHOS(CNXDadosGC_FiltroCustoProducao)
NX_IMPLEMENT_DADOS_COM_FILHOS(CNXDadosGC_ParametrosCargaCustoProducao)
NX_IMPLEMENT_DADOS(CNXDadosGC_ParametrosInvalidarCustoProducao)

CNXDadosGC_KeyCustoProducao CNXDadosGC_CustoProducao::GetKeyCustoProducao() const {
    CNXDadosGC_KeyCustoProducao chave;
    chave.SetKeyCompetencia(GetKeyCompetencia());
    chave.SetKeyProdutoServico(GetKeyProdutoServico());
    return chave;
}

void CNXDadosGC_CustoProducao::SetKeyCustoProducao(const CNXDadosGC_KeyCustoProducao& chave) {
    SetKeyCompetencia(chave.GetKeyCompetencia());
    SetKeyProdutoServico(chave.GetKeyProdutoServico());
}
