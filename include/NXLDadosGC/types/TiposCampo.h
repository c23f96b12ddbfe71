// The field-table kinds of the value types, so that records holding them describe themselves.
#ifndef NXLDADOSGC_TYPES_TIPOSCAMPO_H
#define NXLDADOSGC_TYPES_TIPOSCAMPO_H

#include "NXLDadosGC/core/Layout.h"            // TipoCampoDe, TipoCampo
#include "NXLDadosGC/types/Datas.h"            // REG_NXMA, REG_NXDMA, REG_NXDMAHMSUTC, REG_NXDMC
#include "NXLDadosGC/types/PosicaoProduto.h"   // _REG_POSICAO_PRODUTOPS

namespace NXDadosGC {
template <> struct TipoCampoDe<REG_NXMA> { static constexpr TipoCampo valor = TipoCampo::Competencia; };
template <> struct TipoCampoDe<REG_NXDMA> { static constexpr TipoCampo valor = TipoCampo::Dia; };
template <> struct TipoCampoDe<REG_NXDMAHMSUTC> { static constexpr TipoCampo valor = TipoCampo::Momento; };
template <> struct TipoCampoDe<REG_NXDMC> { static constexpr TipoCampo valor = TipoCampo::DataDmc; };
template <> struct TipoCampoDe<_REG_POSICAO_PRODUTOPS> { static constexpr TipoCampo valor = TipoCampo::Posicao; };
}  // namespace NXDadosGC

#endif
