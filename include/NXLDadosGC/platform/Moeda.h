// The automation currency type and its addition.
#ifndef NXLDADOSGC_PLATFORM_MOEDA_H
#define NXLDADOSGC_PLATFORM_MOEDA_H

#include "NXLDadosGC/platform/Tipos.h"  // LONGLONG, HRESULT

// CY: a signed 64-bit count of ten-thousandths (value × 10,000), 8 bytes, 8-byte aligned.
struct tagCY {
    LONGLONG int64;
    friend constexpr bool operator==(const tagCY&, const tagCY&) = default;
};
using CY = tagCY;
static_assert(sizeof(tagCY) == 8 && alignof(tagCY) == 8);

// *pcyResult = cyLeft + cyRight. S_OK, or DISP_E_OVERFLOW (nothing written) when the sum
// leaves the range of CY.
NXLPLATAFORMA_API HRESULT VarCyAdd(CY cyLeft, CY cyRight, CY* pcyResult);

#endif
