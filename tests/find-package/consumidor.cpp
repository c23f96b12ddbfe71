// Uses the installed headers and libraries from outside the project, the JSON component too
// (CONSUMIDOR_JSON); built both through the CMake package and through pkg-config. Prints "ok"
// and exits 0 when everything resolved.
#include <cstdio>   // std::printf, std::fprintf
#include <cstring>  // std::strcmp

#include <NXLDadosGC/Versao.h>            // NXLDADOSGC_VERSAO_TEXTO, NXDadosGC::Versao
#include <NXLDadosGC/platform/CObject.h>  // CRuntimeClass
#include <NXLDadosGC/platform/CString.h>  // CString

#ifdef CONSUMIDOR_JSON
#include <NXLDadosGC/gc/CentroCustos.h>  // CNXDadosGC_CentroCustos
#include <NXLDadosGC/json/Json.h>        // ParaJson, DeJson
#endif

int main() {
    CString nome("CObject");
    if (nome.GetLength() != 7) {
        std::fprintf(stderr, "CString built from text has length %d\n", nome.GetLength());
        return 1;
    }
    const CRuntimeClass* classe = CRuntimeClass::FromName(nome);
    if (classe == nullptr) {
        std::fprintf(stderr, "no run-time class record named %s\n", nome.GetString());
        return 1;
    }
    // The generated header is installed beside the others and matches the library it came with.
    if (std::strcmp(NXDadosGC::Versao(), NXLDADOSGC_VERSAO_TEXTO) != 0) {
        std::fprintf(stderr, "library %s, headers %s\n", NXDadosGC::Versao(), NXLDADOSGC_VERSAO_TEXTO);
        return 1;
    }
#ifdef CONSUMIDOR_JSON
    CNXDadosGC_CentroCustos centro;
    centro.SetCodigo(CString("0001"));
    const std::unique_ptr<CNXDadosGC_CentroCustos> copia =
        NXDadosGC::DeJson<CNXDadosGC_CentroCustos>(NXDadosGC::ParaJson(centro));
    if (!centro.Igual(copia.get())) {
        std::fprintf(stderr, "a cost centre came back from JSON different\n");
        return 1;
    }
#endif
    std::printf("ok\n");
    return 0;
}
