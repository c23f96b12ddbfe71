// What the platform library's sources share and do not export.
#ifndef NXLDADOSGC_SRC_PLATFORM_INTERNO_H
#define NXLDADOSGC_SRC_PLATFORM_INTERNO_H

namespace NXDadosGC::detail {

// True when byte c starts a two-byte character under code page `pagina`: 932 (0x81-0x9F,
// 0xE0-0xFC), 936, 949 and 950 (0x81-0xFE); no byte does under any other page.
bool EhByteInicial(int pagina, unsigned int c);

}  // namespace NXDadosGC::detail

#endif
