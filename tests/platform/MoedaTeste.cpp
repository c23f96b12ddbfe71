// Currency addition and its overflow report.
#include "NXLDadosGC/platform/Moeda.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(VarCyAdd, SomaOuReportaEstouroSemEscrever) {
    constexpr LONGLONG kMax = std::numeric_limits<LONGLONG>::max(), kMin = std::numeric_limits<LONGLONG>::min();
    const struct {
        LONGLONG a, b;
        HRESULT hr;
        LONGLONG resultado;  // what *pcyResult holds afterwards; it starts at 7
    } kCases[]{
        {-20000, 5000, S_OK, -15000}, {kMax - 1, 1, S_OK, kMax}, {kMin + 1, -1, S_OK, kMin},
        {kMax, 1, DISP_E_OVERFLOW, 7}, {kMin, -1, DISP_E_OVERFLOW, 7},
    };
    for (const auto& c : kCases) {
        CY r{7};
        EXPECT_EQ(VarCyAdd(CY{c.a}, CY{c.b}, &r), c.hr) << c.a << " + " << c.b;
        EXPECT_EQ(r.int64, c.resultado) << c.a << " + " << c.b;
    }
}

}  // namespace
