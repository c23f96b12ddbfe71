// The locator of a product or service in the product catalogue, as records carry it.
#ifndef NXLDADOSGC_TYPES_POSICAOPRODUTO_H
#define NXLDADOSGC_TYPES_POSICAOPRODUTO_H

#include <type_traits>  // the layout checks below

#include "NXLDadosGC/core/Layout.h"     // TipoCampoDe: the kind field tables give a locator
#include "NXLDadosGC/platform/Tipos.h"  // the language-version check

// 16 opaque bytes, 8-byte aligned, zero when no product is located. Records that refer to a
// product keep it whole; this library copies and compares it byte for byte and never reads
// inside it, so it offers no accessors.
struct _REG_POSICAO_PRODUTOPS {
    alignas(8) unsigned char m_Bytes[16];

    friend constexpr bool operator==(const _REG_POSICAO_PRODUTOPS&,
                                     const _REG_POSICAO_PRODUTOPS&) = default;
};
static_assert(sizeof(_REG_POSICAO_PRODUTOPS) == 16 && alignof(_REG_POSICAO_PRODUTOPS) == 8);
static_assert(std::is_standard_layout_v<_REG_POSICAO_PRODUTOPS> &&
              std::is_trivial_v<_REG_POSICAO_PRODUTOPS>);
static_assert(std::has_unique_object_representations_v<_REG_POSICAO_PRODUTOPS>);

template <> struct NXDadosGC::TipoCampoDe<_REG_POSICAO_PRODUTOPS> { static constexpr TipoCampo valor = TipoCampo::Posicao; };

#endif
