// The value types records hold, each with the kind its field-table rows get (the TipoCampoDe
// specialization beside each type): including this header is including them all.
#ifndef NXLDADOSGC_TYPES_TIPOSCAMPO_H
#define NXLDADOSGC_TYPES_TIPOSCAMPO_H

#include "NXLDadosGC/types/Datas.h"           // REG_NXMA, REG_NXDMA, REG_NXDMAHMSUTC, REG_NXDMC
#include "NXLDadosGC/types/PosicaoProduto.h"  // _REG_POSICAO_PRODUTOPS

#endif
