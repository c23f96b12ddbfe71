// Every data class of the library, reachable from one place.
#ifndef NXLDADOSGC_MOTOR_CLASSES_H
#define NXLDADOSGC_MOTOR_CLASSES_H

#include <span>         // std::span
#include <string_view>  // std::string_view

#include "NXLDadosGC/core/Registro.h"  // InfoClasse

namespace NXDadosGC {

// The descriptions of all data classes, ordered by class name.
NXLDADOSGC_API std::span<const InfoClasse* const> Classes();

// The description of the class with this exact name, or null.
NXLDADOSGC_API const InfoClasse* ClassePorNome(std::string_view nome);

}  // namespace NXDadosGC

#endif
