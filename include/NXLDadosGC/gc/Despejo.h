// Deprecated path, kept so that 1.0 code still compiles: the header now lives in motor/.
#ifndef NXLDADOSGC_GC_DESPEJO_H
#define NXLDADOSGC_GC_DESPEJO_H

#pragma GCC warning "NXLDadosGC/gc/Despejo.h is deprecated: include NXLDadosGC/motor/Despejo.h"

#include "NXLDadosGC/motor/Despejo.h"  // IWYU pragma: export

#endif
