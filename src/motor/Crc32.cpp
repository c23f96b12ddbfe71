// CRC-32 (zlib's) by table lookups and by carry-less-multiply folding.
//
// Both work on the CRC register (the running value before the final XOR). Folding reads the
// input as 128-bit lanes holding polynomials over GF(2) in reflected order, and keeps several
// lanes going: a lane L followed k bits later by lane M is replaced by L * x^k mod P, folded into
// M, which leaves the remainder mod P unchanged. L * x^k mod P is two carry-less products of L's
// 64-bit halves with constants x^(k+32) mod P and x^(k-32) mod P (each 33 bits, reflected and
// shifted left once to match how a carry-less product of reflected operands lines up). When the
// lanes are folded into one, its 16 bytes have the same remainder as everything read so far; the
// table finishes from there.
#include "NXLDadosGC/motor/Crc32.h"

#include <array>    // std::array
#include <cstring>  // std::memcpy

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define NXGC_CRC_DOBRA 1
#endif

namespace NXDadosGC {
namespace {

constexpr std::uint32_t kPolinomio = 0xEDB88320u;  // reflected x^32 + x^26 + x^23 + ... + x + 1

// kTabela[k][b]: what byte b followed by k zero bytes adds to the register.
constexpr auto kTabela = [] {
    std::array<std::array<std::uint32_t, 256>, 16> t{};
    for (std::uint32_t b = 0; b < 256; ++b) {
        std::uint32_t c = b;
        for (int i = 0; i < 8; ++i) c = (c & 1) ? kPolinomio ^ (c >> 1) : c >> 1;
        t[0][b] = c;
    }
    for (std::size_t k = 1; k < 16; ++k)
        for (std::uint32_t b = 0; b < 256; ++b) t[k][b] = (t[k - 1][b] >> 8) ^ t[0][t[k - 1][b] & 0xFF];
    return t;
}();

std::uint32_t Palavra(const unsigned char* p) {
    std::uint32_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

std::uint32_t PorTabela(std::uint32_t c, const unsigned char* p, std::size_t n) {
    const auto& t = kTabela;
    for (; n >= 16; p += 16, n -= 16) {
        const std::uint32_t a = Palavra(p) ^ c, b = Palavra(p + 4), d = Palavra(p + 8), e = Palavra(p + 12);
        c = t[15][a & 0xFF] ^ t[14][(a >> 8) & 0xFF] ^ t[13][(a >> 16) & 0xFF] ^ t[12][a >> 24] ^
            t[11][b & 0xFF] ^ t[10][(b >> 8) & 0xFF] ^ t[9][(b >> 16) & 0xFF] ^ t[8][b >> 24] ^
            t[7][d & 0xFF] ^ t[6][(d >> 8) & 0xFF] ^ t[5][(d >> 16) & 0xFF] ^ t[4][d >> 24] ^
            t[3][e & 0xFF] ^ t[2][(e >> 8) & 0xFF] ^ t[1][(e >> 16) & 0xFF] ^ t[0][e >> 24];
    }
    for (; n > 0; ++p, --n) c = t[0][(c ^ *p) & 0xFF] ^ (c >> 8);
    return c;
}

#ifdef NXGC_CRC_DOBRA

// (x^n mod P), reflected and shifted left once: a folding constant.
constexpr std::uint64_t Constante(unsigned n) {
    std::uint64_t r = 1;  // x^0, normal bit order, degree < 32
    for (unsigned i = 0; i < n; ++i) {
        r <<= 1;
        if (r & (std::uint64_t{1} << 32)) r ^= 0x104C11DB7u;
    }
    std::uint64_t refletido = 0;
    for (int i = 0; i < 32; ++i)
        if (r & (std::uint64_t{1} << i)) refletido |= std::uint64_t{1} << (31 - i);
    return refletido << 1;
}
// Folding distances: four 128-bit lanes (xmm, or one zmm register), eight (four ymm registers of
// two), sixteen (four zmm registers of four), two (one ymm register), one.
constexpr std::uint64_t k512a = Constante(512 + 32), k512b = Constante(512 - 32);
constexpr std::uint64_t k1024a = Constante(1024 + 32), k1024b = Constante(1024 - 32);
constexpr std::uint64_t k2048a = Constante(2048 + 32), k2048b = Constante(2048 - 32);
constexpr std::uint64_t k256a = Constante(256 + 32), k256b = Constante(256 - 32);
constexpr std::uint64_t k128a = Constante(128 + 32), k128b = Constante(128 - 32);
static_assert(k512a == 0x154442BD4 && k512b == 0x1C6E41596 && k128a == 0x1751997D0 && k128b == 0x0CCAA009E);

#define NXGC_ALVO_128 __attribute__((target("pclmul,sse4.1")))
#define NXGC_ALVO_256 __attribute__((target("pclmul,sse4.1,avx2,vpclmulqdq")))
#define NXGC_ALVO_512 __attribute__((target("pclmul,sse4.1,avx2,vpclmulqdq,avx512f")))

// x's lane folded forward over the constant pair k (low half by k's low constant, high by its
// high one), added to y.
NXGC_ALVO_128 inline __m128i Dobrar(__m128i x, __m128i k, __m128i y) {
    return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11)), y);
}
NXGC_ALVO_128 inline __m128i Ler128(const unsigned char* p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
}

// Folds the single lane x over the rest of the input 16 bytes at a time, then lets the table
// finish from x's bytes and the last 0..15 input bytes.
NXGC_ALVO_128 std::uint32_t Terminar(__m128i x, const unsigned char* p, std::size_t n) {
    const __m128i k = _mm_set_epi64x(static_cast<long long>(k128b), static_cast<long long>(k128a));
    for (; n >= 16; p += 16, n -= 16) x = Dobrar(x, k, Ler128(p));
    alignas(16) unsigned char resto[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(resto), x);
    return PorTabela(PorTabela(0, resto, 16), p, n);
}

NXGC_ALVO_128 std::uint32_t Por128(std::uint32_t c, const unsigned char* p, std::size_t n) {
    if (n < 64) return PorTabela(c, p, n);
    __m128i x0 = _mm_xor_si128(Ler128(p), _mm_cvtsi32_si128(static_cast<int>(c)));
    __m128i x1 = Ler128(p + 16), x2 = Ler128(p + 32), x3 = Ler128(p + 48);
    p += 64;
    n -= 64;
    const __m128i k4 = _mm_set_epi64x(static_cast<long long>(k512b), static_cast<long long>(k512a));
    for (; n >= 64; p += 64, n -= 64) {
        x0 = Dobrar(x0, k4, Ler128(p));
        x1 = Dobrar(x1, k4, Ler128(p + 16));
        x2 = Dobrar(x2, k4, Ler128(p + 32));
        x3 = Dobrar(x3, k4, Ler128(p + 48));
    }
    const __m128i k1 = _mm_set_epi64x(static_cast<long long>(k128b), static_cast<long long>(k128a));
    const __m128i x = Dobrar(Dobrar(Dobrar(x0, k1, x1), k1, x2), k1, x3);
    return Terminar(x, p, n);
}

NXGC_ALVO_256 inline __m256i Ler256(const unsigned char* p) {
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p));
}
NXGC_ALVO_256 inline void Guardar256(unsigned char* p, __m256i y) {
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(p), y);
}
// Folding over eight 128-bit lanes (four 256-bit registers): 1,024 bits.
NXGC_ALVO_256 inline __m256i K1024() {
    return _mm256_set_epi64x(static_cast<long long>(k1024b), static_cast<long long>(k1024a),
                             static_cast<long long>(k1024b), static_cast<long long>(k1024a));
}
NXGC_ALVO_256 inline __m256i Dobrar256(__m256i x, __m256i k, __m256i y) {
    return _mm256_xor_si256(_mm256_xor_si256(_mm256_clmulepi64_epi128(x, k, 0x00), _mm256_clmulepi64_epi128(x, k, 0x11)),
                            y);
}
// x folded over both lanes of y, in order.
NXGC_ALVO_256 inline __m128i Dobrar2(__m128i x, __m128i k, __m256i y) {
    return Dobrar(Dobrar(x, k, _mm256_castsi256_si128(y)), k, _mm256_extracti128_si256(y, 1));
}

// The eight lanes, in four registers while they work (named, so that the compiler keeps them
// there) and in memory between pieces.
struct Faixas {
    __m256i y0, y1, y2, y3;
};
NXGC_ALVO_256 inline Faixas LerFaixas(const unsigned char* f) {
    return {Ler256(f), Ler256(f + 32), Ler256(f + 64), Ler256(f + 96)};
}
NXGC_ALVO_256 inline void GuardarFaixas(unsigned char* f, const Faixas& y) {
    Guardar256(f, y.y0);
    Guardar256(f + 32, y.y1);
    Guardar256(f + 64, y.y2);
    Guardar256(f + 96, y.y3);
}

// The streaming form: 128 bytes a step, each step's bytes also stored to `destino` when copying.
template <bool kCopiar>
NXGC_ALVO_256 std::size_t ConsumirPor256(unsigned char* faixas, bool& comFaixas, std::uint32_t c, unsigned char* destino,
                                          const unsigned char* p, std::size_t n) {
    if (n < 128) return 0;
    const __m256i k8 = K1024();
    Faixas y;
    std::size_t feito = 0;
    if (comFaixas) {
        y = LerFaixas(faixas);
    } else {
        y = {Ler256(p), Ler256(p + 32), Ler256(p + 64), Ler256(p + 96)};
        if constexpr (kCopiar) GuardarFaixas(destino, y);
        y.y0 = _mm256_xor_si256(y.y0, _mm256_set_epi32(0, 0, 0, 0, 0, 0, 0, static_cast<int>(c)));
        comFaixas = true;
        feito = 128;
    }
    for (; n - feito >= 128; feito += 128) {
        const unsigned char* q = p + feito;
        const __m256i v0 = Ler256(q), v1 = Ler256(q + 32), v2 = Ler256(q + 64), v3 = Ler256(q + 96);
        if constexpr (kCopiar) {
            Guardar256(destino + feito, v0);
            Guardar256(destino + feito + 32, v1);
            Guardar256(destino + feito + 64, v2);
            Guardar256(destino + feito + 96, v3);
        }
        y.y0 = Dobrar256(y.y0, k8, v0);
        y.y1 = Dobrar256(y.y1, k8, v1);
        y.y2 = Dobrar256(y.y2, k8, v2);
        y.y3 = Dobrar256(y.y3, k8, v3);
    }
    GuardarFaixas(faixas, y);
    return feito;
}

// The lanes folded over the last n bytes at p and then into one; the register that leaves.
NXGC_ALVO_256 std::uint32_t TerminarPor256(const unsigned char* faixas, const unsigned char* p, std::size_t n) {
    const __m256i k8 = K1024();
    Faixas y = LerFaixas(faixas);
    for (; n >= 128; p += 128, n -= 128) {
        y.y0 = Dobrar256(y.y0, k8, Ler256(p));
        y.y1 = Dobrar256(y.y1, k8, Ler256(p + 32));
        y.y2 = Dobrar256(y.y2, k8, Ler256(p + 64));
        y.y3 = Dobrar256(y.y3, k8, Ler256(p + 96));
    }
    const __m128i k1 = _mm_set_epi64x(static_cast<long long>(k128b), static_cast<long long>(k128a));
    const __m128i x = Dobrar(_mm256_castsi256_si128(y.y0), k1, _mm256_extracti128_si256(y.y0, 1));
    return Terminar(Dobrar2(Dobrar2(Dobrar2(x, k1, y.y1), k1, y.y2), k1, y.y3), p, n);
}

// A whole buffer: the streaming form in one piece.
NXGC_ALVO_256 std::uint32_t Por256(std::uint32_t c, const unsigned char* p, std::size_t n) {
    if (n < 256) return Por128(c, p, n);
    alignas(32) unsigned char faixas[128];
    bool comFaixas = false;
    const std::size_t feito = ConsumirPor256<false>(faixas, comFaixas, c, nullptr, p, n);
    return TerminarPor256(faixas, p + feito, n - feito);
}

// The same over sixteen 128-bit lanes in four 512-bit registers: 256 bytes a step.
NXGC_ALVO_512 inline __m512i Ler512(const unsigned char* p) { return _mm512_loadu_si512(p); }
NXGC_ALVO_512 inline void Guardar512(unsigned char* p, __m512i z) { _mm512_storeu_si512(p, z); }
NXGC_ALVO_512 inline __m512i Constantes512(std::uint64_t a, std::uint64_t b) {
    const auto la = static_cast<long long>(a), lb = static_cast<long long>(b);
    return _mm512_set_epi64(lb, la, lb, la, lb, la, lb, la);
}
NXGC_ALVO_512 inline __m512i Dobrar512(__m512i x, __m512i k, __m512i y) {
    return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(x, k, 0x00), _mm512_clmulepi64_epi128(x, k, 0x11), y,
                                     0x96);  // the three XORed
}

struct Faixas512 {
    __m512i z0, z1, z2, z3;
};
NXGC_ALVO_512 inline Faixas512 LerFaixas512(const unsigned char* f) {
    return {Ler512(f), Ler512(f + 64), Ler512(f + 128), Ler512(f + 192)};
}
NXGC_ALVO_512 inline void GuardarFaixas512(unsigned char* f, const Faixas512& z) {
    Guardar512(f, z.z0);
    Guardar512(f + 64, z.z1);
    Guardar512(f + 128, z.z2);
    Guardar512(f + 192, z.z3);
}

template <bool kCopiar>
NXGC_ALVO_512 std::size_t ConsumirPor512(unsigned char* faixas, bool& comFaixas, std::uint32_t c, unsigned char* destino,
                                          const unsigned char* p, std::size_t n) {
    if (n < 256) return 0;
    const __m512i k16 = Constantes512(k2048a, k2048b);
    Faixas512 z;
    std::size_t feito = 0;
    if (comFaixas) {
        z = LerFaixas512(faixas);
    } else {
        z = LerFaixas512(p);
        if constexpr (kCopiar) GuardarFaixas512(destino, z);
        z.z0 = _mm512_xor_si512(z.z0, _mm512_inserti32x4(_mm512_setzero_si512(), _mm_cvtsi32_si128(static_cast<int>(c)), 0));
        comFaixas = true;
        feito = 256;
    }
    for (; n - feito >= 256; feito += 256) {
        const unsigned char* q = p + feito;
        const __m512i v0 = Ler512(q), v1 = Ler512(q + 64), v2 = Ler512(q + 128), v3 = Ler512(q + 192);
        if constexpr (kCopiar) {
            Guardar512(destino + feito, v0);
            Guardar512(destino + feito + 64, v1);
            Guardar512(destino + feito + 128, v2);
            Guardar512(destino + feito + 192, v3);
        }
        z.z0 = Dobrar512(z.z0, k16, v0);
        z.z1 = Dobrar512(z.z1, k16, v1);
        z.z2 = Dobrar512(z.z2, k16, v2);
        z.z3 = Dobrar512(z.z3, k16, v3);
    }
    GuardarFaixas512(faixas, z);
    return feito;
}

// The four registers folded into one, over the last n bytes 64 at a time, then its four lanes
// into one (two by two, then the pair), and the rest as for one lane.
NXGC_ALVO_512 std::uint32_t TerminarPor512(const unsigned char* faixas, const unsigned char* p, std::size_t n) {
    const Faixas512 f = LerFaixas512(faixas);
    const __m512i k4 = Constantes512(k512a, k512b);
    __m512i z = Dobrar512(Dobrar512(Dobrar512(f.z0, k4, f.z1), k4, f.z2), k4, f.z3);
    for (; n >= 64; p += 64, n -= 64) z = Dobrar512(z, k4, Ler512(p));
    const __m256i k2 = _mm256_set_epi64x(static_cast<long long>(k256b), static_cast<long long>(k256a),
                                         static_cast<long long>(k256b), static_cast<long long>(k256a));
    // (The zero-masked extractions: GCC 12's unmasked ones warn of an uninitialised operand.)
    const __m256i y = Dobrar256(_mm512_maskz_extracti64x4_epi64(0xF, z, 0), k2, _mm512_maskz_extracti64x4_epi64(0xF, z, 1));
    const __m128i k1 = _mm_set_epi64x(static_cast<long long>(k128b), static_cast<long long>(k128a));
    return Terminar(Dobrar(_mm256_castsi256_si128(y), k1, _mm256_extracti128_si256(y, 1)), p, n);
}

NXGC_ALVO_512 std::uint32_t Por512(std::uint32_t c, const unsigned char* p, std::size_t n) {
    if (n < 512) return Por256(c, p, n);
    alignas(64) unsigned char faixas[256];
    bool comFaixas = false;
    const std::size_t feito = ConsumirPor512<false>(faixas, comFaixas, c, nullptr, p, n);
    return TerminarPor512(faixas, p + feito, n - feito);
}

#endif

using Funcao = std::uint32_t (*)(std::uint32_t, const unsigned char*, std::size_t);

Funcao FuncaoDe(detail::MetodoCrc32 metodo) {
    switch (metodo) {
    case detail::MetodoCrc32::Tabela:
        return &PorTabela;
#ifdef NXGC_CRC_DOBRA
    case detail::MetodoCrc32::Dobra128:
        __builtin_cpu_init();
        return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1") ? &Por128 : nullptr;
    case detail::MetodoCrc32::Dobra256:
        __builtin_cpu_init();
        return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1") &&
                       __builtin_cpu_supports("avx2") && __builtin_cpu_supports("vpclmulqdq")
                   ? &Por256
                   : nullptr;
    case detail::MetodoCrc32::Dobra512:
        return FuncaoDe(detail::MetodoCrc32::Dobra256) && __builtin_cpu_supports("avx512f") ? &Por512 : nullptr;
#endif
    default:
        return nullptr;
    }
}

// The fastest method this processor runs.
detail::MetodoCrc32 Melhor() {
    for (auto m : {detail::MetodoCrc32::Dobra512, detail::MetodoCrc32::Dobra256, detail::MetodoCrc32::Dobra128})
        if (FuncaoDe(m)) return m;
    return detail::MetodoCrc32::Tabela;
}

const unsigned char* Bytes(std::span<const std::byte> dados) { return reinterpret_cast<const unsigned char*>(dados.data()); }

}  // namespace

std::uint32_t Crc32(std::span<const std::byte> dados, std::uint32_t crc) noexcept {
    static const Funcao melhor = FuncaoDe(Melhor());
    return ~melhor(~crc, Bytes(dados), dados.size());
}

namespace {

// Products of polynomials modulo the CRC's, bits reflected as the register holds them (x^0 is the
// top bit).
std::uint32_t MultiplicarModP(std::uint32_t a, std::uint32_t b) noexcept {
    std::uint32_t produto = 0;
    for (std::uint32_t m = std::uint32_t{1} << 31; m; m >>= 1) {
        if (a & m) produto ^= b;
        b = b & 1 ? (b >> 1) ^ 0xEDB88320u : b >> 1;
    }
    return produto;
}

// x^(2^k) modulo the polynomial, for k = 0..31; x's order divides 2^32 - 1, so x^(2^32) is x
// and k counts modulo 32.
const auto kPotencias = [] {
    std::array<std::uint32_t, 32> t{};
    std::uint32_t p = std::uint32_t{1} << 30;  // x^1
    for (std::uint32_t& x : t) {
        x = p;
        p = MultiplicarModP(p, p);
    }
    return t;
}();

}  // namespace

std::uint32_t Crc32Combinar(std::uint32_t crcA, std::uint32_t crcB, std::uint64_t bytesB) noexcept {
    // a's register runs on through 8 * bytesB more zero bits: a product by x^(8 bytesB).
    std::uint32_t deslocamento = std::uint32_t{1} << 31;  // x^0
    for (std::size_t k = 3; bytesB; bytesB >>= 1, ++k)
        if (bytesB & 1) deslocamento = MultiplicarModP(kPotencias[k % 32], deslocamento);
    return MultiplicarModP(deslocamento, crcA) ^ crcB;
}

detail::CrcFluxo::CrcFluxo(std::uint32_t crc) noexcept : CrcFluxo(crc, MetodoCrc32::Tabela) {
    static const MetodoCrc32 melhor = Melhor();
    *this = CrcFluxo(crc, melhor);
}

detail::CrcFluxo::CrcFluxo(std::uint32_t crc, MetodoCrc32 metodo) noexcept
    : m_Funcao(FuncaoDe(metodo)), m_Registro(~crc), m_Metodo(metodo) {}

std::size_t detail::CrcFluxo::Consumir(const void* p, std::size_t n) noexcept {
    const auto* q = static_cast<const unsigned char*>(p);
#ifdef NXGC_CRC_DOBRA
    if (m_Metodo == MetodoCrc32::Dobra512) return ConsumirPor512<false>(m_Faixas, m_ComFaixas, m_Registro, nullptr, q, n);
    if (m_Metodo == MetodoCrc32::Dobra256) return ConsumirPor256<false>(m_Faixas, m_ComFaixas, m_Registro, nullptr, q, n);
#endif
    m_Registro = m_Funcao(m_Registro, q, n);
    return n;
}

std::size_t detail::CrcFluxo::ConsumirCopiando(void* destino, const void* p, std::size_t n) noexcept {
    auto* d = static_cast<unsigned char*>(destino);
    const auto* q = static_cast<const unsigned char*>(p);
#ifdef NXGC_CRC_DOBRA
    if (m_Metodo == MetodoCrc32::Dobra512) return ConsumirPor512<true>(m_Faixas, m_ComFaixas, m_Registro, d, q, n);
    if (m_Metodo == MetodoCrc32::Dobra256) return ConsumirPor256<true>(m_Faixas, m_ComFaixas, m_Registro, d, q, n);
#endif
    if (n > 0) std::memcpy(d, q, n);
    return Consumir(d, n);
}

std::uint32_t detail::CrcFluxo::Terminar(const void* p, std::size_t n) noexcept {
    const auto* q = static_cast<const unsigned char*>(p);
#ifdef NXGC_CRC_DOBRA
    if (m_ComFaixas)
        return ~(m_Metodo == MetodoCrc32::Dobra512 ? TerminarPor512(m_Faixas, q, n) : TerminarPor256(m_Faixas, q, n));
#endif
    return ~m_Funcao(m_Registro, q, n);
}

bool detail::Crc32Por(MetodoCrc32 metodo, std::span<const std::byte> dados, std::uint32_t crc,
                      std::uint32_t& resultado) noexcept {
    const Funcao f = FuncaoDe(metodo);
    if (!f) return false;
    resultado = ~f(~crc, Bytes(dados), dados.size());
    return true;
}

}  // namespace NXDadosGC
