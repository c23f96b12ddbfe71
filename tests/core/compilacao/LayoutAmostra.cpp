// Compiled by CTest, never linked: a record whose layout statement is correct unless one of the
// NX_CASO_* names below is defined. Each case is one realistic transcription mistake.
#include "NXLDadosGC/core/Layout.h"

#if defined(NX_CASO_COMPETENCIA_COMO_WORD)
// A competence kept as a plain 16-bit number: offset and width agree, only its name tells.
struct _REG_AMOSTRAPS {
    tagCY Valor;
    ULONG Codigo;
    WORD MaCompetencia;
    std::byte Lacuna14[2];
};
NX_LAYOUT(_REG_AMOSTRAPS, 16, (Valor, 0), (Codigo, 8), (MaCompetencia, 12), (Lacuna14, 14))
#elif defined(NX_CASO_LACUNA_VELHA)
// Marca grew from 8 to 16 bits; the gap moved to byte 14 and its offset was updated, its name not.
struct _REG_AMOSTRAPS {
    tagCY Valor;
    ULONG Codigo;
    WORD Marca;
    std::byte Lacuna13[2];
};
NX_LAYOUT(_REG_AMOSTRAPS, 16, (Valor, 0), (Codigo, 8), (Marca, 12), (Lacuna13, 14))
#else
NX_SOBRE(_REG_AMOSTRAPS, "A sample record.")
struct _REG_AMOSTRAPS {
    tagCY Valor;
    ULONG Codigo;
    BYTE Marca;
    std::byte Lacuna13[3];
};
#if defined(NX_CASO_DESLOCAMENTO_ERRADO)
NX_LAYOUT(_REG_AMOSTRAPS, 16, (Valor, 0), (Codigo, 12), (Marca, 12), (Lacuna13, 13))
#else
NX_LAYOUT(_REG_AMOSTRAPS, 16, (Valor, 0), (Codigo, 8), (Marca, 12, "brand", "0 = none; 1 = own"), (Lacuna13, 13))
#endif
#endif

static_assert(NXDadosGC::CamposDe<_REG_AMOSTRAPS>().size() == 4);
