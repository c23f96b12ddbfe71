// Untrusted JSON text given to the reader that writes a tree into a file as it reads, beside the
// reader in memory. The first byte chooses a code page; the rest is one document. Whatever it
// holds, the reader that writes either declines, writing nothing, or writes exactly the packed
// tree the reader in memory gives; and it never takes a document the reader in memory refuses.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "Interno.h"  // GravarPacoteContinuo
#include "NXLDadosGC/json/Json.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    if (n == 0) return 0;
    static constexpr int kPaginas[] = {1252, 932, 936, 949, 950};
    const int pagina = kPaginas[dados[0] % 5];
    std::string texto(reinterpret_cast<const char*>(dados) + 1, n - 1);
    if (texto.starts_with("\xEF\xBB\xBF")) texto.erase(0, 3);

    static const std::filesystem::path caminho =
        std::filesystem::temp_directory_path() / ("nxgc_fuzz_continuo_" + std::to_string(::getpid()));
    std::string escrito;
    bool gravou = false, alemDoLimite = false;
    {
        NXDadosGC::ArquivoAtomico arquivo(caminho);
        try {
            gravou = NXDadosGC::json::GravarPacoteContinuo(texto, nullptr, pagina, arquivo);
        } catch (const std::invalid_argument&) {  // a tree beyond the packed form's limits
            alemDoLimite = true;
        }
        arquivo.Concluir();
        std::ifstream f(caminho, std::ios::binary);
        escrito.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
    if (!gravou && !escrito.empty()) std::abort();

    std::vector<std::byte> pacote;
    try {
        pacote = NXDadosGC::PacoteDeJson(texto, nullptr, NXDadosGC::OpcoesJson{pagina});
    } catch (const NXDadosGC::ErroJson&) {
        if (gravou || alemDoLimite) std::abort();
        return 0;
    } catch (const std::invalid_argument&) {
        if (gravou) std::abort();
        return 0;
    }
    if (alemDoLimite || (gravou && std::string(reinterpret_cast<const char*>(pacote.data()), pacote.size()) != escrito))
        std::abort();
    return 0;
}
