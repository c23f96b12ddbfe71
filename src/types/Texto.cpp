// Text fields of the records and formatted texts.
#include "NXLDadosGC/types/Texto.h"

#include <cstdarg>  // va_list
#include <cstring>  // std::strlen

#include "NXLDadosGC/platform/Multibyte.h"  // _mbsnbcpy

namespace {

unsigned char* Bytes(char* p) { return reinterpret_cast<unsigned char*>(p); }
const unsigned char* Bytes(const char* p) { return reinterpret_cast<const unsigned char*>(p); }

}  // namespace

void SetCampoTexto(char* campo, std::size_t N, const CString& valor) {
    _mbsnbcpy(Bytes(campo), Bytes(valor.GetString()), N);
}

// The field's text and its terminating zero go through the same copy as the store, so a text
// that ends in half a double-byte character reads back without it.
void GetCampoTexto(CString& resultado, const char* campo) {
    const std::size_t L = std::strlen(campo);
    resultado.Empty();
    char* buffer = resultado.GetBuffer(static_cast<int>(L + 1));
    _mbsnbcpy(Bytes(buffer), Bytes(campo), L + 1);
    resultado.ReleaseBuffer();
}

CString FormataTexto(const char* formato, ...) {
    CString texto;
    va_list args;
    va_start(args, formato);
    texto.FormatV(formato, args);
    va_end(args);
    return texto;
}
