// Currency sums, including the saturation chosen for overflow.
#include "NXLDadosGC/types/Moeda.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr LONGLONG kMax = std::numeric_limits<LONGLONG>::max();
constexpr LONGLONG kMin = std::numeric_limits<LONGLONG>::min();

TEST(Soma, SomaComSinalESatura) {
    const struct {
        LONGLONG a, b, soma;
    } kCases[]{
        {80000, 15000, 95000},    // 8 hours + 1.5 hours
        {-20000, 5000, -15000},   // -2.0000 + 0.5000
        {-20000, -5000, -25000},
        {0, 0, 0},
        {kMax, kMin, -1},         // opposite signs never overflow
        {kMax, 1, kMax},          // saturates at the top
        {kMax, kMax, kMax},
        {kMin, -1, kMin},         // and at the bottom
        {kMin, kMin, kMin},
    };
    for (const auto& c : kCases) EXPECT_EQ(Soma(tagCY{c.a}, tagCY{c.b}).int64, c.soma) << c.a << " + " << c.b;
}

}  // namespace
