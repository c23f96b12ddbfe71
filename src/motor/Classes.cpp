// The class list, as the implement macros registered it, and lookups in class descriptions.
#include "NXLDadosGC/motor/Classes.h"

#include <algorithm>  // std::lower_bound
#include <cstring>    // std::strcmp

std::span<const NXDadosGC::InfoClasse* const> NXDadosGC::Classes() { return detail::ClassesRegistradas(); }

const NXDadosGC::InfoClasse* NXDadosGC::ClassePorNome(std::string_view nome) {
    const auto v = Classes();
    auto it = std::lower_bound(v.begin(), v.end(), nome, [](auto* a, std::string_view n) { return a->nome < n; });
    return it != v.end() && (*it)->nome == nome ? *it : nullptr;
}

const NXDadosGC::InfoFilho* NXDadosGC::FilhoEm(const InfoClasse* info, std::size_t desloc, bool membro) {
    if (!info) return nullptr;
    for (const InfoFilho& f : info->filhos)
        if (f.ponteiro == desloc && (f.tipo == TipoFilho::Membro) == membro) return &f;
    return nullptr;
}

const NXDadosGC::InfoFilho* NXDadosGC::ListaComQuantidadeEm(const InfoClasse* info, std::size_t desloc) {
    if (!info) return nullptr;
    for (const InfoFilho& f : info->filhos)
        if (f.tipo == TipoFilho::Lista && f.quantidade == desloc) return &f;
    return nullptr;
}

const char* NXDadosGC::NomeDoCampoEm(TabelaCampos campos, std::size_t desloc) {
    for (const CampoInfo& c : campos)
        if (c.deslocamento == desloc) return c.nome;
    return "?";
}

const char* NXDadosGC::NomeDoFilhoNaTabela(const InfoClasse& info, const InfoFilho& filho) {
    const char* campo = NomeDoCampoEm(info.campos(), filho.ponteiro);
    if (filho.tipo == TipoFilho::Membro || campo[0] != 'p' || campo[1] < 'A' || campo[1] > 'Z') return campo;
    for (const CampoInfo& c : info.campos())
        if (std::strcmp(campo + 1, c.nome) == 0) return campo;  // the short name is taken by a field: keep the long one
    return campo + 1;
}

std::string NXDadosGC::NomeDoFilho(const InfoClasse& info, const InfoFilho& filho) {
    return NomeDoFilhoNaTabela(info, filho);
}
