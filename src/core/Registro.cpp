// The descriptions of the data classes that the loaded modules registered.
#include "NXLDadosGC/core/Registro.h"

#include <algorithm>    // std::lower_bound, std::find
#include <string_view>  // std::string_view
#include <vector>       // std::vector

namespace {

// Built on first use: the implement macros register while static objects are built.
std::vector<const NXDadosGC::InfoClasse*>& Registradas() {
    static std::vector<const NXDadosGC::InfoClasse*> lista;
    return lista;
}

}  // namespace

void NXDadosGC::detail::RegistrarClasse(const InfoClasse* info) {
    auto& v = Registradas();
    const auto lugar = std::lower_bound(v.begin(), v.end(), std::string_view(info->nome),
                                        [](const InfoClasse* a, std::string_view nome) { return a->nome < nome; });
    v.insert(lugar, info);
}

void NXDadosGC::detail::RemoverClasse(const InfoClasse* info) noexcept {
    auto& v = Registradas();
    if (const auto it = std::find(v.begin(), v.end(), info); it != v.end()) v.erase(it);
}

std::span<const NXDadosGC::InfoClasse* const> NXDadosGC::detail::ClassesRegistradas() noexcept { return Registradas(); }
