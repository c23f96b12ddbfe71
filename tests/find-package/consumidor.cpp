// Uses the installed headers and libraries from outside the project; built both through the
// CMake package and through pkg-config. Prints "ok" and exits 0 when everything resolved.
#include <cstdio>   // std::printf, std::fprintf
#include <cstring>  // std::strcmp

#include <NXLDadosGC/Versao.h>            // NXLDADOSGC_VERSAO_TEXTO, NXDadosGC::Versao
#include <NXLDadosGC/platform/CObject.h>  // CRuntimeClass
#include <NXLDadosGC/platform/CString.h>  // CString

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
    std::printf("ok\n");
    return 0;
}
