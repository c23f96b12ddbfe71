// Currency sums, including the saturation chosen for overflow.
#include "NXLDadosGC/types/Moeda.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(Soma, SomaComSinalESatura) {
    constexpr LONGLONG kMax = std::numeric_limits<LONGLONG>::max(), kMin = std::numeric_limits<LONGLONG>::min();
    const struct {
        LONGLONG a, b, soma;
    } kCases[]{
        {80000, 15000, 95000}, {-20000, 5000, -15000}, {kMax, kMin, -1},
        {kMax, 1, kMax},       {kMin, -1, kMin},       {kMin, kMin, kMin},
    };
    for (const auto& c : kCases) EXPECT_EQ(Soma(tagCY{c.a}, tagCY{c.b}).int64, c.soma) << c.a << " + " << c.b;
}

}  // namespace
