// Counts of (count, pointer) pairs compare with integers of every sign and width by value, and
// with nothing else; all of it is settled at compile time.
#include <cstdint>
#include <limits>
#include <type_traits>

#include "NXLDadosGC/core/Layout.h"

namespace {

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

// No conversion is opened: no arithmetic, no bool, character or floating-point comparisons.
template <class T>
constexpr bool kComparavel = requires(NXQuantidade q, T n) { q < n; };
template <class T>
constexpr bool kSomavel = requires(NXQuantidade q, T n) { q + n; };
static_assert(!std::is_convertible_v<NXQuantidade, std::uint32_t> && !kSomavel<int>);
static_assert(kComparavel<signed char> && !kComparavel<bool> && !kComparavel<char> && !kComparavel<double>);

}  // namespace
