// Currency addition with overflow reported, as the automation runtime does it.
#include "NXLDadosGC/platform/Moeda.h"

HRESULT VarCyAdd(CY cyLeft, CY cyRight, CY* pcyResult) {
    LONGLONG soma = 0;
    if (__builtin_add_overflow(cyLeft.int64, cyRight.int64, &soma)) return DISP_E_OVERFLOW;
    pcyResult->int64 = soma;
    return S_OK;
}
