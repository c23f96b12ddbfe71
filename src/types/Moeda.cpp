// Currency addition of the data classes.
#include "NXLDadosGC/types/Moeda.h"

#include <limits>  // std::numeric_limits

tagCY Soma(tagCY a, tagCY b) noexcept {
    tagCY soma{};
    if (VarCyAdd(a, b, &soma) == S_OK) return soma;
    // Overflow needs two operands of the same sign, and the sum lies beyond that sign's end.
    using Limite = std::numeric_limits<LONGLONG>;
    return tagCY{a.int64 < 0 ? Limite::min() : Limite::max()};
}
