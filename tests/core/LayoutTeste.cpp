// What NX_LAYOUT records of a record as a whole, and the names and codes it refuses (that the
// rows tile the record, that gaps are named after their offsets and that names agree with their
// values is checked as the record compiles); counts of (count, pointer) pairs compare with
// integers of every sign and width by value, and with nothing else, settled at compile time.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>

#include "ClassesTeste.h"

namespace {

using T = NXDadosGC::TipoCampo;

// The description of a record as a whole, the table a pointer's row points to (which no tool
// reads), and the public path of a header. (Each field's row, for every class of the library, is
// in docs/REFERENCIA.md, which nxgc.ReferenciaEmDia keeps in step, and drives the JSON form.)
TEST(Layout, RegistroDeTeste) {
    const NXDadosGC::InfoRegistro& dono = NXDadosGC::RegistroDe<_REG_TESTE_DONOPS>();
    EXPECT_STREQ(dono.nome, "_REG_TESTE_DONOPS");
    EXPECT_EQ(dono.tamanho, 64u);
    EXPECT_EQ(dono.campos.data(), NXDadosGC::CamposDe<_REG_TESTE_DONOPS>().data());
    EXPECT_EQ(dono.sobre, nullptr);  // no NX_SOBRE
    const auto pGrupo = dono.campos[7].sub;  // the table of the record it points to
    EXPECT_TRUE(pGrupo && pGrupo().data() == NXDadosGC::CamposDe<_REG_TESTE_GRUPOPS>().data());
    EXPECT_EQ(dono.campos[10].sub, nullptr);  // a block of numbers has no table
    EXPECT_STREQ(NXDadosGC::detail::CaminhoPublico("/src/include/NXLDadosGC/gc/Custos.h"), "NXLDadosGC/gc/Custos.h");
    EXPECT_STREQ(NXDadosGC::detail::CaminhoPublico("../../include/NXLDadosGC/gc/Custos.h"), "NXLDadosGC/gc/Custos.h");
}

// Names NX_LAYOUT refuses for what they hold, and codes it refuses. (The role each name gives its
// field, for every field of the library, is in docs/REFERENCIA.md, which nxgc.ReferenciaEmDia
// keeps in step; that accepted names and codes pass, every record shows as it compiles.)
TEST(Layout, NomesECodigosRecusados) {
    const std::pair<const char*, T> kNomes[] = {
        {"MaCompetencia", T::U16},  // a month kept as a plain number
        {"Competencia", T::Competencia}, {"PonteiroConta", T::Moeda},
        {"DmaEmissao", T::Momento}, {"FiltroTipo", T::U16}};
    for (const auto& [nome, tipo] : kNomes) EXPECT_FALSE(NXDadosGC::detail::NomeConfereComTipo(nome, tipo)) << nome;
    for (const char* codigos : {"", "0 apoio", "0 = ", "0 = apoio;1 = produtivo", "0 = apoio; ", "a = apoio"})
        EXPECT_FALSE(NXDadosGC::detail::CodigosBemFormados(codigos)) << codigos;
}

constexpr NXQuantidade kMaxima{std::numeric_limits<std::uint32_t>::max()};

// Neither sign nor width may change the value compared: -1 and 2^32 - 1 share their low 32 bits,
// as do 2^32 + 3 and 3.
static_assert(NXQuantidade{3} == 3 && 3 == NXQuantidade{3} && NXQuantidade{3} != 4);
static_assert(NXQuantidade{3} == std::uint8_t{3} && NXQuantidade{3} == 3ULL && NXQuantidade{3} == std::int16_t{3});
static_assert(kMaxima != -1 && kMaxima == 0xFFFFFFFFu && kMaxima == std::int64_t{0xFFFFFFFF});
static_assert(NXQuantidade{3} != (std::uint64_t{1} << 32) + 3);
static_assert(NXQuantidade{0} > -1 && NXQuantidade{0} >= 0 && NXQuantidade{0} < 1);
static_assert(kMaxima < (std::int64_t{1} << 32) && kMaxima > std::numeric_limits<std::int32_t>::max());
static_assert(-1 < NXQuantidade{0} && 4 > NXQuantidade{3});

// A count is written and read as the plain integer it is.
static_assert([] {
    NXQuantidade q{};
    const bool zero = q == 0;
    q = 2;
    const std::uint32_t n = q + 1;
    return zero && n == 3 && std::is_trivial_v<NXQuantidade> && sizeof(NXQuantidade) == 4;
}());

}  // namespace
