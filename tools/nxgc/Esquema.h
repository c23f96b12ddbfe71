// The schema of the data classes as nxgc shows it: every class with its children, every record
// field by field, as JSON for code in other languages or as text tables for people.
#ifndef NXGC_ESQUEMA_H
#define NXGC_ESQUEMA_H

#include <ostream>  // std::ostream

#include <nlohmann/json.hpp>  // nlohmann::ordered_json

#include "NXLDadosGC/core/Registro.h"  // InfoClasse

namespace nxgc::esquema {

using Json = nlohmann::ordered_json;

// "T_NXDadosRegistroComLista" for a class with children, else "T_NXDadosRegistro".
const char* BaseDaClasse(const NXDadosGC::InfoClasse& info);

// The class, its base and its children, for `nxgc classes --json`.
Json DescreverClasse(const NXDadosGC::InfoClasse& info);

// The class with every field (offset, width, kind and what it means), for `nxgc layout` and
// `nxgc schema`.
Json DescreverLayout(const NXDadosGC::InfoClasse& info);

// `nxgc classes`: one line per class (record size, base, lists, holders, member keys).
void ImprimirClasses(const Json& classes, std::ostream& saida);

// `nxgc layout`: a layout from DescreverLayout as a table of offset, width, field, type, notes.
void ImprimirLayout(const Json& layout, std::ostream& saida);

}  // namespace nxgc::esquema

#endif
