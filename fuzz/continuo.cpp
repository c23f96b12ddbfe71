// Untrusted JSON text given to the reader that writes a tree into a file as it reads, beside the
// reader in memory. The first byte chooses a code page; the rest is one document. Whatever it
// holds, the reader that writes declines, writing nothing, or does what the reader in memory
// does: writes exactly its packed tree, or refuses with exactly its message.
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
    // What each reader makes of the text: a packed tree, a refusal's message, or (the reader that
    // writes) declined.
    std::string escrito, recusa;
    bool gravou = false, alemDoLimite = false;
    {
        NXDadosGC::ArquivoAtomico arquivo(caminho);
        try {
            gravou = NXDadosGC::json::GravarPacoteContinuo(texto, nullptr, pagina, arquivo);
        } catch (const NXDadosGC::ErroJson& e) {
            recusa = e.what();
        } catch (const std::invalid_argument&) {  // a tree beyond the packed form's limits
            alemDoLimite = true;
        }
        arquivo.Concluir();
        std::ifstream f(caminho, std::ios::binary);
        escrito.assign(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
    }
    std::filesystem::remove(caminho);
    if (!gravou && !escrito.empty()) std::abort();

    std::vector<std::byte> pacote;
    try {
        pacote = NXDadosGC::PacoteDeJson(texto, nullptr, NXDadosGC::OpcoesJson{pagina});
    } catch (const NXDadosGC::ErroJson& e) {
        if (gravou || alemDoLimite || (!recusa.empty() && recusa != e.what())) std::abort();
        return 0;
    } catch (const std::invalid_argument&) {
        if (gravou || !recusa.empty()) std::abort();
        return 0;
    }
    const std::string esperado(reinterpret_cast<const char*>(pacote.data()), pacote.size());
    if (alemDoLimite || !recusa.empty() || (gravou && esperado != escrito)) std::abort();
    return 0;
}
