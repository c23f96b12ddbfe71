// Untrusted packed trees: whatever the bytes, the reader refuses them with ErroEmpacotamento
// or accepts exactly the buffer its tree packs back to. The CRC comparison is off so that
// mutations reach the structural checks instead of dying at the checksum.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "NXLDadosGC/motor/Empacotamento.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t n) {
    const std::span<const std::byte> pacote(reinterpret_cast<const std::byte*>(dados), n);
    try {
        const auto objeto = NXDadosGC::Desempacotar(pacote, {.conferirCrc = false});
        const auto volta = NXDadosGC::Empacotar(*objeto);
        // Bytes 12..15 hold the CRC, which this input need not have right.
        if (volta.size() != n || std::memcmp(volta.data(), dados, 12) != 0 ||
            std::memcmp(volta.data() + 16, dados + 16, n - 16) != 0)
            std::abort();
    } catch (const NXDadosGC::ErroEmpacotamento&) {
    }
    return 0;
}
