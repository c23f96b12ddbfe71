// The library's own version, fixed when it is built.
#include "NXLDadosGC/Versao.h"

const char* NXDadosGC::Versao() { return NXLDADOSGC_VERSAO_TEXTO; }
