// The schema of the data classes as nxgc shows it: every class with its children, every record
// field by field with what it means, as JSON for code in other languages, as text tables for
// people, and as the Markdown reference of docs/REFERENCIA.md.
#ifndef NXGC_ESQUEMA_H
#define NXGC_ESQUEMA_H

#include <ostream>  // std::ostream

#include <nlohmann/json.hpp>  // nlohmann::ordered_json

#include "NXLDadosGC/core/Registro.h"  // InfoClasse

namespace nxgc::esquema {

using Json = nlohmann::ordered_json;

// "T_NXDadosRegistroComLista" for a class with children, else "T_NXDadosRegistro".
const char* BaseDaClasse(const NXDadosGC::InfoClasse& info);

// The class, its record type and header, its base and its children, for `nxgc classes --json`.
Json DescreverClasse(const NXDadosGC::InfoClasse& info);

// The class, its record type, header and purpose, and every field (offset, width, type, role by
// the naming conventions, meaning and codes), for `nxgc layout` and `nxgc schema`.
Json DescreverLayout(const NXDadosGC::InfoClasse& info);

// `nxgc classes`: one line per class (record size, base, lists, holders, member keys).
void ImprimirClasses(const Json& classes, std::ostream& saida);

// `nxgc layout`: a layout from DescreverLayout as a table of offset, width, field, type, kind,
// notes.
void ImprimirLayout(const Json& layout, std::ostream& saida);

// `nxgc schema --markdown`: the reference of every class (layouts from DescreverLayout), grouped
// by header. docs/REFERENCIA.md is this output.
void ImprimirReferencia(const Json& layouts, std::ostream& saida);

}  // namespace nxgc::esquema

#endif
