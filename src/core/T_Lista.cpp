// The message of an index outside a list.
#include "NXLDadosGC/core/T_Lista.h"

#include "NXLDadosGC/platform/Excecoes.h"  // LancarArgumentoInvalido

void NXDadosGC::detail::IndiceForaDaLista(const OndeLista& onde, INT_PTR i, INT_PTR n) {
    const char* elementos = n == 1 ? "element" : "elements";
    if (!onde.operacao)
        LancarArgumentoInvalido(true, "index %lld outside the %lld %s of the list", static_cast<long long>(i),
                                static_cast<long long>(n), elementos);
    LancarArgumentoInvalido(true, "%s: index %lld outside the %lld %s of list %s of %s", onde.operacao,
                            static_cast<long long>(i), static_cast<long long>(n), elementos, onde.lista,
                            onde.classe()->m_lpszClassName);
}
