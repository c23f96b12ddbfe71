// CRC-32: every method this processor runs, whole and piece by piece, against a plain bytewise
// CRC and against published check values.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string_view>
#include <vector>

#include "NXLDadosGC/motor/Crc32.h"

namespace {

using NXDadosGC::detail::CrcFluxo;
using NXDadosGC::detail::MetodoCrc32;

// The definition, one bit at a time.
std::uint32_t Referencia(const unsigned char* p, std::size_t n, std::uint32_t crc) {
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) {
        crc ^= p[i];
        for (int k = 0; k < 8; ++k) crc = (crc & 1) ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    return ~crc;
}

std::span<const std::byte> Span(const unsigned char* p, std::size_t n) { return {reinterpret_cast<const std::byte*>(p), n}; }

std::vector<unsigned char> Aleatorios(std::size_t n, unsigned semente) {
    std::mt19937 rng(semente);
    std::vector<unsigned char> v(n);
    for (auto& b : v) b = static_cast<unsigned char>(rng());
    return v;
}

class PorMetodo : public testing::TestWithParam<MetodoCrc32> {
protected:
    void SetUp() override {
        std::uint32_t r;
        if (!NXDadosGC::detail::Crc32Por(GetParam(), {}, 0, r)) GTEST_SKIP() << "this processor lacks the instructions";
    }
    std::uint32_t Crc(const unsigned char* p, std::size_t n, std::uint32_t crc) {
        std::uint32_t r = 0;
        NXDadosGC::detail::Crc32Por(GetParam(), Span(p, n), crc, r);
        return r;
    }
};

// Every length up to 4 KiB at every start alignment, going on from a running CRC: each folding
// width, each tail length and each misalignment of the loads is crossed.
TEST_P(PorMetodo, IgualAReferencia) {
    const auto dados = Aleatorios(4096 + 16, 1);
    for (std::size_t alinhamento = 0; alinhamento < 16; ++alinhamento) {
        const unsigned char* p = dados.data() + alinhamento;
        const auto anterior = static_cast<std::uint32_t>((alinhamento + 1) * 0x9E3779B1u);
        std::uint32_t esperado = anterior;  // the reference over the first n bytes, one more each turn
        for (std::size_t n = 0; n <= 4096; esperado = Referencia(p + n, 1, esperado), ++n)
            ASSERT_EQ(Crc(p, n, anterior), esperado) << "length " << n << ", alignment " << alinhamento;
    }
}

TEST_P(PorMetodo, ValoresPublicados) {
    const struct {
        std::string_view texto;
        std::uint32_t crc;
    } casos[] = {
        {"", 0},
        {"123456789", 0xCBF43926},  // the check value: with IgualAReferencia, every length is pinned
    };
    for (const auto& c : casos) {
        const auto* p = reinterpret_cast<const unsigned char*>(c.texto.data());
        EXPECT_EQ(Crc(p, c.texto.size(), 0), c.crc) << c.texto;
        EXPECT_EQ(NXDadosGC::Crc32(Span(p, c.texto.size())), c.crc) << c.texto;
    }
}

// Pieces of any size, offered again when not taken, copied on the way or not.
TEST_P(PorMetodo, EmPedacos) {
    std::mt19937 rng(7);
    const auto dados = Aleatorios(20000, 2);
    for (int rodada = 0; rodada < 300; ++rodada) {
        const std::size_t n = rng() % dados.size();
        const bool copiar = rodada % 2 == 1;
        CrcFluxo fluxo(0x12345678, GetParam());
        std::vector<unsigned char> copia(n);
        std::size_t feito = 0, chegou = 0;
        while (chegou < n) {
            chegou += std::min<std::size_t>(n - chegou, rng() % 700);
            feito += copiar ? fluxo.ConsumirCopiando(copia.data() + feito, dados.data() + feito, chegou - feito)
                            : fluxo.Consumir(dados.data() + feito, chegou - feito);
        }
        if (copiar && n > feito) std::memcpy(copia.data() + feito, dados.data() + feito, n - feito);
        ASSERT_EQ(fluxo.Terminar(dados.data() + feito, n - feito), Referencia(dados.data(), n, 0x12345678)) << n;
        if (copiar) {
            ASSERT_EQ(std::memcmp(copia.data(), dados.data(), n), 0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Metodos, PorMetodo,
                         testing::Values(MetodoCrc32::Tabela, MetodoCrc32::Dobra128, MetodoCrc32::Dobra256,
                                         MetodoCrc32::Dobra512));

}  // namespace

// Two parts' CRCs and the second's length give the whole's, at every split of several lengths,
// and across lengths beyond 2^32 bytes of zeros (checked by composing shorter ones).
TEST(Crc32Combinar, IgualAoTodo) {
    using NXDadosGC::Crc32;
    using NXDadosGC::Crc32Combinar;
    for (const std::size_t n : {0u, 1u, 7u, 64u, 1000u}) {
        const auto v = Aleatorios(n, static_cast<unsigned>(n));
        for (std::size_t corte = 0; corte <= n; corte += 1 + n / 13)
            EXPECT_EQ(Crc32Combinar(Crc32(Span(v.data(), corte)), Crc32(Span(v.data() + corte, n - corte)), n - corte),
                      Crc32(Span(v.data(), n)))
                << n << " bytes cut at " << corte;
    }
    // z(k): the CRC of k zero bytes; z(a + b) = z(a) followed by z(b).
    const std::vector<unsigned char> zeros(4096, 0);
    const std::uint32_t z4096 = Crc32(Span(zeros.data(), zeros.size()));
    std::uint32_t z = z4096;
    std::uint64_t k = 4096;
    while (k < (std::uint64_t{1} << 36)) z = Crc32Combinar(z, z, k), k *= 2;
    EXPECT_EQ(Crc32Combinar(z4096, z, k), Crc32Combinar(z, z4096, 4096));
}
