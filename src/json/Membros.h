// What each key of a record may name, as the readers of documents look keys up: the walk's
// stops of a record (motor/Travessia.h), and which of them a record has given already.
#ifndef NXLDADOSGC_SRC_JSON_MEMBROS_H
#define NXLDADOSGC_SRC_JSON_MEMBROS_H

#include <cstddef>        // std::size_t
#include <cstdint>        // std::uint64_t
#include <memory>         // std::unique_ptr
#include <string_view>    // std::string_view
#include <unordered_map>  // std::unordered_map
#include <utility>        // std::pair
#include <vector>         // std::vector

#include "NXLDadosGC/motor/Travessia.h"  // Percorrer, VisitanteRegistro

namespace NXDadosGC::json {

struct Membro {
    const CampoInfo* campo;
    TipoParada tipo;
    const InfoFilho* infoFilho;  // Quantidade, Filho: the list or holder
    const InfoClasse* classe;    // Registro: the member key's class, or null
};

// The stops of one record, as the walk meets them, without entering any.
class Membros : public VisitanteRegistro {
public:
    // The record's stops. Keys are numbered from them: key 2i names stop i's field, key 2i+1
    // the list or holder behind it.
    std::vector<Membro> membros;

    bool Campo(const Parada& p) override {
        membros.push_back({&p.campo, p.tipo, p.filho, p.classe});
        const std::size_t i = membros.size() - 1;
        m_PorNome.insert_or_assign(std::string_view(p.campo.nome), 2 * i);
        m_Nomes.push_back(p.campo.nome);
        m_Nomes.emplace_back(p.tipo == TipoParada::Filho ? p.nome : std::string_view());
        if (p.tipo == TipoParada::Filho) m_Filhos.emplace_back(p.nome, i);
        return false;
    }
    // A list or holder by its own name comes before a field of the same name.
    void Concluir() {
        for (const auto& [nome, i] : m_Filhos) m_PorNome.insert_or_assign(nome, 2 * i + 1);
        m_Seguinte.assign(m_Nomes.size() + 1, m_Nomes.size());  // no guess yet
    }

    // The key named `nome`, read after the key `anterior` (Chaves() for the first of a record);
    // Chaves() for a name the record lacks. Records of a class tend to give their keys in the
    // same order, so the key that followed `anterior` last time is tried before the name's hash.
    std::size_t Achar(std::string_view nome, std::size_t anterior) {
        std::size_t& palpite = m_Seguinte[anterior];
        if (palpite < m_Nomes.size() && m_Nomes[palpite] == nome) return palpite;
        const auto achado = m_PorNome.find(nome);
        if (achado == m_PorNome.end()) return Chaves();
        return palpite = achado->second;
    }
    std::size_t Chaves() const { return m_Nomes.size(); }

private:
    std::unordered_map<std::string_view, std::size_t> m_PorNome;
    std::vector<std::string_view> m_Nomes;     // by key: 2i the field's name, 2i+1 the child's
    std::vector<std::size_t> m_Seguinte;       // by key, and Chaves() for the start: the key after it
    std::vector<std::pair<std::string_view, std::size_t>> m_Filhos;  // names in the field tables
};

// The keys of one record already read: a bit each, in place for most records.
class Vistos {
public:
    explicit Vistos(std::size_t n) {
        if (n > 64 * kNoLugar) m_Grandes.resize((n + 63) / 64);
    }
    // Marks key k; false when it was marked already.
    bool Marcar(std::size_t k) {
        std::uint64_t& w = m_Grandes.empty() ? m_Pequenos[k / 64] : m_Grandes[k / 64];
        const std::uint64_t bit = std::uint64_t{1} << (k % 64);
        if (w & bit) return false;
        w |= bit;
        return true;
    }

private:
    static constexpr std::size_t kNoLugar = 4;
    std::uint64_t m_Pequenos[kNoLugar] = {};
    std::vector<std::uint64_t> m_Grandes;
};

// The Membros of each record layout met, made once per reader.
class TabelaMembros {
public:
    Membros& De(const InfoClasse* info, TabelaCampos campos) {
        auto& m = m_Membros[campos.data()];
        if (!m) {
            m = std::make_unique<Membros>();
            Percorrer(info, campos, nullptr, *m);
            m->Concluir();
        }
        return *m;
    }

private:
    std::unordered_map<const CampoInfo*, std::unique_ptr<Membros>> m_Membros;
};

}  // namespace NXDadosGC::json

#endif
