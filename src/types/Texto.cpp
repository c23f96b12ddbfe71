// Text fields of the records and formatted texts.
#include "NXLDadosGC/types/Texto.h"

#include <cstdarg>  // va_list
#include <cstdio>   // std::snprintf
#include <cstring>  // std::strlen, std::memcpy, std::memset, std::memchr

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

void SetCampoTextoUtf8(char* campo, std::size_t N, std::string_view utf8, const NXDadosGC::OpcoesTexto& opcoes,
                       const char* nome, const char* classe) {
    const CString convertido = NXDadosGC::DeUtf8(utf8, opcoes);
    std::string_view bytes = convertido.Visao();
    bytes = bytes.substr(0, bytes.find('\0'));
    if (bytes.size() > N) {
        // Where the text stops fitting: the first character whose bytes end beyond N.
        std::size_t ocupados = 0, i = 0;
        while (i < utf8.size()) {
            std::size_t k = 1;
            while (i + k < utf8.size() && (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80) ++k;
            ocupados += NXDadosGC::DeUtf8(utf8.substr(i, k), opcoes).GetLength();
            if (ocupados > N) break;
            i += k;
        }
        char m[256];
        std::snprintf(m, sizeof m, "%s of %s holds at most %zu bytes: the text takes %zu in code page %d", nome, classe,
                      N, bytes.size(), opcoes.pagina ? opcoes.pagina : _getmbcp());
        throw NXDadosGC::ErroTexto(m, i, NXDadosGC::ErroTexto::kNenhum);
    }
    std::memcpy(campo, bytes.data(), bytes.size());
    std::memset(campo + bytes.size(), 0, N - bytes.size());
}

std::string GetCampoTextoUtf8(const char* campo, const NXDadosGC::OpcoesTexto& opcoes) {
    return NXDadosGC::ParaUtf8(std::string_view(campo, std::strlen(campo)), opcoes);
}

CString FormataTexto(const char* formato, ...) {
    CString texto;
    va_list args;
    va_start(args, formato);
    texto.FormatV(formato, args);
    va_end(args);
    return texto;
}
