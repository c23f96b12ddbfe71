#include "NXLDadosGC/gc/CentroCustos.h"

NX_IMPLEMENT_DADOS(CNXDadosGC_CentroCustosConta)
NX_IMPLEMENT_DADOS(CNXDadosGC_CentroCustosProdutivo)
NX_IMPLEMENT_DADOS_COM_FILHOS(CNXDadosGC_CentroCustos)
NX_IMPLEMENT_DADOS(CNXDadosGC_FiltroCentroCustos)
NX_IMPLEMENT_DADOS_COM_FILHOS(CNXDadosGC_HorasCentroCustos)

CString CNXDadosGC_CentroCustos::GetCodigoDescricao() const {
    return FormataTexto("%s - %s", GetCodigo().GetString(), GetDescricao().GetString());
}

CString NXDadosGC::GetCaracteristicaCC(unsigned char caracteristica) {
    switch (caracteristica) {
        case 0: return CString("Apoio");
        case 1: return CString("Produtivo");
        case 2: return CString("Administrativo");
        default: return CString();
    }
}
