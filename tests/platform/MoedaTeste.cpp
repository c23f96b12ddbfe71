// Currency addition and its overflow report.
#include "NXLDadosGC/platform/Moeda.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr LONGLONG kMax = std::numeric_limits<LONGLONG>::max();
constexpr LONGLONG kMin = std::numeric_limits<LONGLONG>::min();

TEST(VarCyAdd, SomaOuReportaEstouro) {
    const struct {
        LONGLONG a, b;
        HRESULT hr;
        LONGLONG soma;  // meaningful when hr is S_OK
    } kCases[]{
        {80000, 15000, S_OK, 95000},
        {-20000, 5000, S_OK, -15000},
        {kMax, 0, S_OK, kMax},
        {kMax, kMin, S_OK, -1},
        {kMax - 1, 1, S_OK, kMax},     // last sum that fits
        {kMin + 1, -1, S_OK, kMin},
        {kMax, 1, DISP_E_OVERFLOW, 0},  // beyond the top
        {kMin, -1, DISP_E_OVERFLOW, 0}, // beyond the bottom
        {kMin, kMin, DISP_E_OVERFLOW, 0},
    };
    for (const auto& c : kCases) {
        CY r{12345};
        EXPECT_EQ(VarCyAdd(CY{c.a}, CY{c.b}, &r), c.hr) << c.a << " + " << c.b;
        EXPECT_EQ(r.int64, c.hr == S_OK ? c.soma : 12345) << c.a << " + " << c.b;  // untouched on overflow
    }
}

}  // namespace
