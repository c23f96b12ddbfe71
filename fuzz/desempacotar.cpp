// Untrusted packed trees: whatever the bytes, the reader refuses them with ErroEmpacotamento
// or accepts exactly the buffer its tree packs back to; the checking copy (Verificar) and the
// unpacking in place agree on which, and on why. The CRC comparison is off so that mutations
// reach the structural checks instead of dying at the checksum.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "NXLDadosGC/motor/Empacotamento.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    const std::span<const std::byte> pacote(reinterpret_cast<const std::byte*>(dados), n);
    const NXDadosGC::OpcoesDesempacotamento opcoes{.conferirCrc = false};
    std::string recusaVerificar = "accepted", recusaDesempacotar = "accepted";
    try {
        NXDadosGC::Verificar(pacote, opcoes);
    } catch (const NXDadosGC::ErroEmpacotamento& e) {
        recusaVerificar = e.what();
    }
    try {
        const auto objeto = NXDadosGC::Desempacotar(pacote, opcoes);
        static std::vector<std::byte> volta;
        NXDadosGC::Empacotar(*objeto, volta);
        // Bytes 12..15 hold the CRC, which this input need not have right.
        if (volta.size() != n || std::memcmp(volta.data(), dados, 12) != 0 ||
            std::memcmp(volta.data() + 16, dados + 16, n - 16) != 0)
            std::abort();
    } catch (const NXDadosGC::ErroEmpacotamento& e) {
        recusaDesempacotar = e.what();
    }
    if (recusaVerificar != recusaDesempacotar) std::abort();
    return 0;
}
