// The schema of the data classes as JSON, for programs in other languages (the Python package
// reads it): what nxgc classes --json, layout --json and schema --json print. The same schema as
// tables for people is the engine's (motor/Esquema.h).
#ifndef NXLDADOSGC_JSON_ESQUEMA_H
#define NXLDADOSGC_JSON_ESQUEMA_H

#include <iosfwd>  // std::ostream

#include "NXLDadosGC/json/Json.h"  // NXLDADOSGC_JSON_API, InfoClasse

// Each document is written with two-space indentation and a final newline. A field is
// {"nome", "deslocamento", "largura", "tipo", "papel"} and, where they apply, "faixa", "obsoleto",
// "significado", "codigos", "maximo", "quantidadeDe" and "ponteiro" (a list's count), "filho",
// "tipoFilho", "elemento", "tamanhoElemento", "quantidade" and "registroElemento" (a child's
// pointer), "classe" and "registro" (a member key) and "campos" (an embedded record's fields).
namespace NXDadosGC {

// Every class: its record size, base, lists, holders and member keys, record type and header.
NXLDADOSGC_JSON_API void ClassesJson(std::ostream& saida);

// One class: its record type, header and purpose, size, base, every field, and its children.
NXLDADOSGC_JSON_API void LayoutJson(const InfoClasse& classe, std::ostream& saida);

// Every class's layout, with the version of the packed form: {"versaoPacote", "classes"}.
NXLDADOSGC_JSON_API void EsquemaJson(std::ostream& saida);

}  // namespace NXDadosGC

#endif
