// Untrusted JSON text and texts of the code pages. The first byte chooses a code page; the rest
// is a text of documents. Whatever it holds, reading refuses it with ErroJson or gives packed trees
// that the packed-form reader accepts and whose JSON reads back to the same bytes; and a text's
// bytes that convert to UTF-8 exactly convert back to themselves.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "NXLDadosGC/json/Json.h"
#include "NXLDadosGC/platform/Utf8.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    if (n == 0) return 0;
    static constexpr int kPaginas[] = {1252, 932, 936, 949, 950};
    const int pagina = kPaginas[dados[0] % 5];
    const std::string texto(reinterpret_cast<const char*>(dados) + 1, n - 1);

    std::string utf8;
    if (NXDadosGC::ConverterParaUtf8(utf8, texto, pagina, true) == texto.size() &&
        std::string(NXDadosGC::DeUtf8(utf8, {pagina}).Visao()) != texto)
        std::abort();

    const NXDadosGC::OpcoesJson opcoes{pagina};
    try {
        NXDadosGC::PacotesDeJson(texto, [&](std::span<const std::byte> pacote) {
            std::ostringstream documento;
            NXDadosGC::ParaJson(NXDadosGC::Verificar(pacote), documento, opcoes);
            if (NXDadosGC::PacoteDeJson(documento.str(), nullptr, opcoes) !=
                std::vector<std::byte>(pacote.begin(), pacote.end()))
                std::abort();
        }, nullptr, opcoes);
    } catch (const NXDadosGC::ErroJson&) {
    } catch (const std::invalid_argument&) {  // a tree beyond the packed form's limits
    }
    return 0;
}
