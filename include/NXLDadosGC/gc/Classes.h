// Deprecated path, kept so that 1.0 code still compiles: the header now lives in motor/.
#ifndef NXLDADOSGC_GC_CLASSES_H
#define NXLDADOSGC_GC_CLASSES_H

#pragma GCC warning "NXLDadosGC/gc/Classes.h is deprecated: include NXLDadosGC/motor/Classes.h"

#include "NXLDadosGC/motor/Classes.h"  // IWYU pragma: export

#endif
