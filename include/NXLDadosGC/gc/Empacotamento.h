// Deprecated path, kept so that 1.0 code still compiles: the header now lives in motor/.
#ifndef NXLDADOSGC_GC_EMPACOTAMENTO_H
#define NXLDADOSGC_GC_EMPACOTAMENTO_H

#pragma GCC warning "NXLDadosGC/gc/Empacotamento.h is deprecated: include NXLDadosGC/motor/Empacotamento.h"

#include "NXLDadosGC/motor/Empacotamento.h"  // IWYU pragma: export

#endif
