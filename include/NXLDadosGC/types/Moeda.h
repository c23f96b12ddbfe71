// Addition of currency amounts as the data classes perform it.
#ifndef NXLDADOSGC_TYPES_MOEDA_H
#define NXLDADOSGC_TYPES_MOEDA_H

#include "NXLDadosGC/platform/Moeda.h"  // tagCY, VarCyAdd
#include "NXLDadosGC/platform/Tipos.h"  // NXLDADOSGC_API

// Currency amounts are tagCY values, the amount times 10,000 in a signed 64-bit integer; the
// data classes store and return them untouched and add them only through Soma. Soma never
// fails and never throws.

// a + b, through VarCyAdd. When the exact sum leaves the CY range the result saturates at the
// nearest end: INT64_MAX ten-thousandths (922,337,203,685,477.5807) for a sum that is too
// large, INT64_MIN (-922,337,203,685,477.5808) for one that is too small.
// NOTE: saturation is this library's choice; callers that must detect overflow call VarCyAdd.
NXLDADOSGC_API tagCY Soma(tagCY a, tagCY b) noexcept;

#endif
