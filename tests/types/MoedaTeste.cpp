// Currency sums, including the saturation chosen for overflow, and the text and integer forms.
#include "NXLDadosGC/types/Moeda.h"

#include <gtest/gtest.h>

#include <limits>

#include "support/Alocacoes.h"

namespace {

constexpr LONGLONG kMax = std::numeric_limits<LONGLONG>::max(), kMin = std::numeric_limits<LONGLONG>::min();

TEST(Soma, SomaComSinalESatura) {
    const struct {
        LONGLONG a, b, soma;
    } kCases[]{
        {kMax, kMin, -1}, {kMax, 1, kMax}, {kMin, -1, kMin}, {kMin, kMin, kMin},
    };
    for (const auto& c : kCases) EXPECT_EQ(Soma(tagCY{c.a}, tagCY{c.b}).int64, c.soma) << c.a << " + " << c.b;
}

// Texts read exactly; the written form (four places) reads back to the same amount.
TEST(Moeda, TextoIdaEVolta) {
    const struct {
        const char* texto;
        LONGLONG valor;
        const char* escrito;
    } kCases[]{
        {"12.34", 123400, "12.3400"},
        {"-0.5", -5000, "-0.5000"},
        {"7", 70000, "7.0000"},
        {"0.0001", 1, "0.0001"},
        {"-0", 0, "0.0000"},
        {"007.10", 71000, "7.1000"},
        {"922337203685477.5807", kMax, "922337203685477.5807"},   // the ends of the range
        {"-922337203685477.5808", kMin, "-922337203685477.5808"},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(NXDadosGC::CYDeTexto(c.texto).int64, c.valor) << c.texto;
        EXPECT_EQ(NXDadosGC::TextoDeCY(tagCY{c.valor}), c.escrito) << c.texto;
        EXPECT_EQ(NXDadosGC::CYDeTexto(c.escrito).int64, c.valor) << c.escrito;
    }
}

TEST(Moeda, TextosRecusadosComMotivo) {
    const struct {
        const char* texto;
        const char* motivo;
    } kCases[]{
        {"1.23456", "more than four decimal places"},
        {"922337203685477.5808", "out of range"},  // one past each end
        {"-922337203685477.5809", "out of range"},
        {"99999999999999999999999", "out of range"},
        {"", "no digits before the point"},
        {"-", "no digits before the point"},
        {"+1", "no digits before the point"},
        {"1.", "no digits after the point"},
        {"1,5", "unexpected characters"},
        {"1e3", "unexpected characters"},
    };
    for (const auto& c : kCases)
        EXPECT_EQ(NXTeste::Mensagem<std::invalid_argument>([&] { NXDadosGC::CYDeTexto(c.texto); }),
                  std::string("\"") + c.texto + "\" is not a currency value: " + c.motivo);
}

TEST(Moeda, DeInteiro) {
    static_assert(NXDadosGC::CYDeInteiro(60).int64 == 600000);
    static_assert(NXDadosGC::CYDeInteiro(-922337203685477).int64 == -9223372036854770000);
    EXPECT_THROW(NXDadosGC::CYDeInteiro(922337203685478), std::overflow_error);
    EXPECT_THROW(NXDadosGC::CYDeInteiro(-922337203685478), std::overflow_error);
}

}  // namespace
