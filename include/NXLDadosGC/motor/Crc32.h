// CRC-32 as the packed form carries it: zlib's checksum, at memory speed.
#ifndef NXLDADOSGC_MOTOR_CRC32_H
#define NXLDADOSGC_MOTOR_CRC32_H

#include <cstddef>  // std::byte
#include <cstdint>  // std::uint32_t
#include <span>     // std::span

#include "NXLDadosGC/platform/Tipos.h"  // NXLDADOSGC_API

// The CRC-32 of zlib, PNG and Ethernet (reflected polynomial 0xEDB88320, register starting at
// and finally XORed with 0xFFFFFFFF), so any language's standard CRC-32 gives the same value:
// Crc32 of "123456789" is 0xCBF43926. A running CRC goes on from the previous result, so
// Crc32(b, Crc32(a)) is the CRC of a followed by b. Crc32() of nothing is 0.
//
// The work is done by carry-less-multiply folding where the processor has the instructions
// (chosen once, at run time; no build flag is needed) and by table lookups otherwise. Every
// method gives the same value for every input. Never fails, allocates nothing, any thread.
namespace NXDadosGC {

NXLDADOSGC_API std::uint32_t Crc32(std::span<const std::byte> dados, std::uint32_t crc = 0) noexcept;

// The CRC of a followed by b, from crcA = Crc32(a), crcB = Crc32(b) and b's length alone: for a
// writer whose parts are checksummed in another order than they lie.
NXLDADOSGC_API std::uint32_t Crc32Combinar(std::uint32_t crcA, std::uint32_t crcB, std::uint64_t bytesB) noexcept;

namespace detail {

// The methods behind Crc32, for tests that hold each one to a plain bytewise CRC. Crc32 uses the
// fastest one this processor runs.
enum class MetodoCrc32 {
    Tabela,    // sixteen bytes per step through lookup tables; every processor
    Dobra128,  // folding 16-byte lanes with PCLMULQDQ
    Dobra256,  // folding 32-byte lanes with VPCLMULQDQ and AVX2
    Dobra512,  // folding 64-byte lanes with VPCLMULQDQ and AVX-512F
};

// The CRC by one method; false, computing nothing, when this processor cannot run it.
NXLDADOSGC_API bool Crc32Por(MetodoCrc32 metodo, std::span<const std::byte> dados, std::uint32_t crc,
                             std::uint32_t& resultado) noexcept;

// The CRC of a stream whose bytes arrive piece by piece and are checksummed as they come, while
// they are still in cache (optionally copied on the way, in the same pass). Folding keeps its
// lanes between pieces, so it takes whole multiples of its width and leaves the rest for later:
// the caller offers again what was not taken, followed by what came next, contiguously.
class NXLDADOSGC_API CrcFluxo {
public:
    // Going on from crc (0 to start), by the fastest method this processor runs.
    explicit CrcFluxo(std::uint32_t crc = 0) noexcept;
    // By `metodo`, which this processor must run (see Crc32Por).
    CrcFluxo(std::uint32_t crc, MetodoCrc32 metodo) noexcept;

    // Takes what it can of the n bytes at p; returns how many it took (from the front).
    std::size_t Consumir(const void* p, std::size_t n) noexcept;
    // The same, also copying the bytes taken to `destino`.
    std::size_t ConsumirCopiando(void* destino, const void* p, std::size_t n) noexcept;
    // The CRC of everything taken, followed by the n bytes at p.
    std::uint32_t Terminar(const void* p, std::size_t n) noexcept;

private:
    alignas(64) unsigned char m_Faixas[256];  // the folding lanes, once the first 128 or 256 bytes came
    std::uint32_t (*m_Funcao)(std::uint32_t, const unsigned char*, std::size_t);  // the method
    std::uint32_t m_Registro;                 // the CRC register, until then or without lanes
    MetodoCrc32 m_Metodo;                     // lanes kept between pieces by Dobra256 and Dobra512
    bool m_ComFaixas = false;
};

}  // namespace detail
}  // namespace NXDadosGC

#endif
