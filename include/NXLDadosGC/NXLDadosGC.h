// NXLDadosGC: the data objects of the cost-management module. Including this header gives every
// data class, the value types their records hold, the owner and release helpers of written
// record trees, the library-wide class list, the walk over record trees and its visitors (dumps,
// schema), the packed form in buffers, files and streams, and the version.
#ifndef NXLDADOSGC_NXLDADOSGC_H
#define NXLDADOSGC_NXLDADOSGC_H

#include "NXLDadosGC/platform/AlocadorTarefa.h"  // CoTaskMemAlloc, CoTaskMemFree
#include "NXLDadosGC/platform/Excecoes.h"        // CInvalidArgException, CMemoryException
#include "NXLDadosGC/Versao.h"                   // NXLDADOSGC_VERSAO_*, Versao()

#include "NXLDadosGC/core/ArvoreRegistro.h"  // ArvoreRegistro, Escrever, EscreverPS
#include "NXLDadosGC/core/Liberacao.h"       // LiberarCopiarPara, LiberarCopiarParaPS

#include "NXLDadosGC/gc/Chaves.h"
#include "NXLDadosGC/gc/CentroCustos.h"
#include "NXLDadosGC/gc/Lancamentos.h"
#include "NXLDadosGC/gc/Custos.h"
#include "NXLDadosGC/gc/CustoProducao.h"
#include "NXLDadosGC/gc/MatrizRateio.h"
#include "NXLDadosGC/gc/Rentabilidade.h"
#include "NXLDadosGC/gc/IndiceCustos.h"
#include "NXLDadosGC/gc/Periodos.h"

#include "NXLDadosGC/motor/Classes.h"
#include "NXLDadosGC/motor/Despejo.h"
#include "NXLDadosGC/motor/Empacotamento.h"
#include "NXLDadosGC/motor/Esquema.h"
#include "NXLDadosGC/motor/Fluxos.h"
#include "NXLDadosGC/motor/Travessia.h"

#endif
