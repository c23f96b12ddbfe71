// Every data class of the loaded modules, reachable from one place.
#ifndef NXLDADOSGC_MOTOR_CLASSES_H
#define NXLDADOSGC_MOTOR_CLASSES_H

#include <cstddef>      // std::size_t
#include <span>         // std::span
#include <string>       // std::string
#include <string_view>  // std::string_view

#include "NXLDadosGC/core/Registro.h"  // InfoClasse

namespace NXDadosGC {

// The descriptions of all data classes, ordered by class name: what the implement macros of the
// loaded modules registered (core/Registro.h). That is this library's own classes, and any that a
// program or another library declares and implements with the same macros, while it is loaded.
// No thread may read the list while a module that registers classes loads or unloads.
NXLDADOSGC_API std::span<const InfoClasse* const> Classes();

// The description of the class with this exact name, or null.
NXLDADOSGC_API const InfoClasse* ClassePorNome(std::string_view nome);

// Lookups in a class description, by record offset. `info` may be null (an embedded record that
// is not a member key has no children): the answer is then null.
// The child whose pointer slot (membro false) or member-key area (membro true) starts at desloc.
NXLDADOSGC_API const InfoFilho* FilhoEm(const InfoClasse* info, std::size_t desloc, bool membro);
// The list whose count field is at desloc.
NXLDADOSGC_API const InfoFilho* ListaComQuantidadeEm(const InfoClasse* info, std::size_t desloc);
// The name of the field that starts at desloc, or "?".
NXLDADOSGC_API const char* NomeDoCampoEm(TabelaCampos campos, std::size_t desloc);
// The name a child goes by in dumps, JSON and schemas: its pointer field without the leading
// "p" (pConta -> Conta) unless a field already has that name; a member key by its field name.
NXLDADOSGC_API std::string NomeDoFilho(const InfoClasse& info, const InfoFilho& filho);
// The same name where it stands in the class's field table (the pointer field's name, or that
// name past its "p"), so it lives as long as the table and costs no copy.
NXLDADOSGC_API const char* NomeDoFilhoNaTabela(const InfoClasse& info, const InfoFilho& filho);

}  // namespace NXDadosGC

#endif
