// Human-readable dumps of flat records: visitors of the walk over their field tables
// (motor/Travessia.h), every value in the text people read (types/TextoCampo.h).
#ifndef NXLDADOSGC_MOTOR_DESPEJO_H
#define NXLDADOSGC_MOTOR_DESPEJO_H

#include <string>  // std::string

#include "NXLDadosGC/core/Layout.h"  // TabelaCampos, CampoInfo

namespace NXDadosGC {

// The value of one field as text: numbers in decimal, currency with four decimal places,
// competences and day numbers with their date (04/2018, 2018-04-09), moments as their 64 bits
// in hex, texts in quotes (bytes outside printable ASCII as \xNN), gaps and opaque values as hex
// bytes, pointers as addresses.
NXLDADOSGC_API std::string FormatarCampo(const CampoInfo& campo, const void* registro);

// One line per field: offset, width, name, kind and value; embedded records indented below
// their line. Gaps are shown like any field.
NXLDADOSGC_API std::string DespejarRegistro(TabelaCampos campos, const void* registro);

// The same on one line, "{Nome=valor, ...}", gaps left out: for diagnostics (a log line, a
// test's failure message).
NXLDADOSGC_API std::string ResumirRegistro(TabelaCampos campos, const void* registro);

}  // namespace NXDadosGC

#endif
