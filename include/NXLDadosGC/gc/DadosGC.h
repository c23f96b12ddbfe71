// What every business-area header of this library is written with: the declaration pieces of
// the object core and the value types its records hold.
#ifndef NXLDADOSGC_GC_DADOSGC_H
#define NXLDADOSGC_GC_DADOSGC_H

#include "NXLDadosGC/core/Dados.h"            // NX_DADOS, NX_CAMPO, NX_LISTA, NX_LAYOUT ...
#include "NXLDadosGC/platform/CString.h"      // CString
#include "NXLDadosGC/platform/Moeda.h"        // tagCY
#include "NXLDadosGC/types/Datas.h"           // REG_NXMA, REG_NXDMA, REG_NXDMAHMSUTC, REG_NXDMC
#include "NXLDadosGC/types/Moeda.h"           // Soma
#include "NXLDadosGC/types/PosicaoProduto.h"  // _REG_POSICAO_PRODUTOPS
#include "NXLDadosGC/types/Texto.h"           // SetCampoTexto, GetCampoTexto, FormataTexto
#include "NXLDadosGC/types/TiposCampo.h"      // field-table kinds of the value types

#endif
