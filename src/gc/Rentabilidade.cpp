#include "NXLDadosGC/gc/Rentabilidade.h"

NX_IMPLEMENT_DADOS_COM_FILHOS(CNXDadosGC_ProdutoServicoClasse)
