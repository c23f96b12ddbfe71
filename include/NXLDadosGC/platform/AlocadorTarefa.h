// The task allocator: blocks that cross an ownership boundary. Whoever receives a block from
// CoTaskMemAlloc releases it with CoTaskMemFree.
#ifndef NXLDADOSGC_PLATFORM_ALOCADORTAREFA_H
#define NXLDADOSGC_PLATFORM_ALOCADORTAREFA_H

#include "NXLDadosGC/platform/Tipos.h"  // NXLPLATAFORMA_API

// A block of cb bytes (contents unspecified), or null when memory cannot be had.
NXLPLATAFORMA_API void* CoTaskMemAlloc(std::size_t cb);
// Releases a block from CoTaskMemAlloc; null is ignored.
NXLPLATAFORMA_API void CoTaskMemFree(void* pv);

#endif
