#include "Esquema.h"

#include <algorithm>  // std::max
#include <string>     // std::string
#include <vector>     // std::vector

#include "NXLDadosGC/motor/Classes.h"  // FilhoEm, ListaComQuantidadeEm, NomeDoCampoEm, NomeDoFilho

namespace nxgc::esquema {
namespace {

using NXDadosGC::CampoInfo;
using NXDadosGC::FilhoEm;
using NXDadosGC::InfoClasse;
using NXDadosGC::InfoFilho;
using NXDadosGC::ListaComQuantidadeEm;
using NXDadosGC::NomeDoCampoEm;
using NXDadosGC::NomeDoFilho;
using NXDadosGC::TabelaCampos;
using NXDadosGC::TipoCampo;
using NXDadosGC::TipoFilho;

std::string NomeDoElemento(const InfoFilho& f) { return f.classe ? f.classe()->nome : "u32"; }

const char* NomeTipoFilho(TipoFilho t) {
    switch (t) {
        case TipoFilho::Lista: return "lista";
        case TipoFilho::Unico: return "unico";
        case TipoFilho::Membro: return "chave";
    }
    return "?";
}

// A text table: columns as wide as their widest cell; `direita` marks right-aligned columns.
class Tabela {
public:
    Tabela(std::vector<std::string> cabecalho, std::vector<bool> direita)
        : m_Direita(std::move(direita)) { m_Linhas.push_back(std::move(cabecalho)); }
    void Linha(std::vector<std::string> celulas) { m_Linhas.push_back(std::move(celulas)); }
    void Imprimir(std::ostream& saida) const {
        std::vector<std::size_t> largura(m_Linhas[0].size(), 0);
        for (const auto& l : m_Linhas)
            for (std::size_t i = 0; i < l.size(); ++i) largura[i] = std::max(largura[i], l[i].size());
        for (const auto& l : m_Linhas) {
            std::string s;
            for (std::size_t i = 0; i < l.size(); ++i) {
                const std::string enchimento(largura[i] - l[i].size(), ' ');
                if (i) s += "  ";
                s += m_Direita[i] ? enchimento + l[i] : l[i] + (i + 1 < l.size() ? enchimento : "");
            }
            s.erase(s.find_last_not_of(' ') + 1);
            saida << s << "\n";
        }
    }

private:
    std::vector<bool> m_Direita;
    std::vector<std::vector<std::string>> m_Linhas;
};

// The children's names; `nxgc layout` and the JSON forms give their classes.
std::string Filhos(const Json& lista) {
    std::string s;
    for (const Json& f : lista) {
        if (!s.empty()) s += ", ";
        s += f["nome"].get<std::string>();
    }
    return s.empty() ? "-" : s;
}

// What a field means, in a few words, from its description.
std::string Nota(const Json& c) {
    const std::string tipo = c["tipo"];
    if (tipo == "lacuna") return "gap";
    if (tipo == "texto") return "text, at most " + std::to_string(c["maximo"].get<int>()) + " bytes";
    if (c.contains("quantidadeDe"))
        return "count of list " + c["quantidadeDe"].get<std::string>() + " (pointer " + c["ponteiro"].get<std::string>() + ")";
    if (c.contains("filho")) {
        const std::string elemento = c["elemento"].get<std::string>() + " (" +
                                     std::to_string(c["tamanhoElemento"].get<int>()) + " bytes)";
        if (c["tipoFilho"] == "lista")
            return "list " + c["filho"].get<std::string>() + ": " + c["quantidade"].get<std::string>() + " x " + elemento;
        return "holder " + c["filho"].get<std::string>() + ": one " + elemento + " or null";
    }
    if (tipo == "registro") return c.contains("classe") ? "member key " + c["classe"].get<std::string>() : "embedded record";
    return "";
}

void LinhasDeLayout(Tabela& t, const Json& campos, std::size_t base, int nivel) {
    for (const Json& c : campos) {
        const std::size_t desloc = base + c["deslocamento"].get<std::size_t>();
        t.Linha({std::to_string(desloc), std::to_string(c["largura"].get<int>()),
                 std::string(static_cast<std::size_t>(2 * nivel), ' ') + c["nome"].get<std::string>(),
                 c["tipo"].get<std::string>(), Nota(c)});
        if (c.contains("campos")) LinhasDeLayout(t, c["campos"], desloc, nivel + 1);
    }
}

}  // namespace

void ImprimirLayout(const Json& layout, std::ostream& saida) {
    saida << layout["classe"].get<std::string>() << ": " << layout["tamanhoRegistro"].get<std::size_t>()
              << "-byte record, " << layout["base"].get<std::string>() << "\n";
    Tabela t({"offset", "width", "field", "type", "notes"}, {true, true, false, false, false});
    LinhasDeLayout(t, layout["campos"], 0, 0);
    t.Imprimir(saida);
}


const char* BaseDaClasse(const InfoClasse& info) {
    return info.filhos.empty() ? "T_NXDadosRegistro" : "T_NXDadosRegistroComLista";
}

Json DescreverClasse(const InfoClasse& info) {
    Json listas = Json::array(), unicos = Json::array(), chaves = Json::array();
    for (const InfoFilho& f : info.filhos) {
        Json j{{"nome", NomeDoFilho(info, f)}, {"elemento", NomeDoElemento(f)}};
        (f.tipo == TipoFilho::Lista ? listas : f.tipo == TipoFilho::Unico ? unicos : chaves).push_back(j);
    }
    return Json{{"classe", info.nome},
                {"tamanhoRegistro", info.tamanhoRegistro},
                {"base", BaseDaClasse(info)},
                {"listas", listas},
                {"unicos", unicos},
                {"chaves", chaves}};
}

namespace {

Json DescreverCampos(const InfoClasse* info, TabelaCampos campos) {
    Json lista = Json::array();
    for (const CampoInfo& c : campos) {
        Json j{{"nome", c.nome}, {"deslocamento", c.deslocamento}, {"largura", c.largura},
               {"tipo", NXDadosGC::NomeTipoCampo(c.tipo)}};
        if (c.tipo == TipoCampo::Texto) j["maximo"] = c.largura - 1;
        if (const InfoFilho* f = c.tipo == TipoCampo::Quantidade ? ListaComQuantidadeEm(info, c.deslocamento) : nullptr) {
            j["quantidadeDe"] = NomeDoFilho(*info, *f);
            j["ponteiro"] = NomeDoCampoEm(campos, f->ponteiro);
        }
        if (const InfoFilho* f = c.tipo == TipoCampo::Ponteiro ? FilhoEm(info, c.deslocamento, false) : nullptr) {
            j["filho"] = NomeDoFilho(*info, *f);
            j["tipoFilho"] = NomeTipoFilho(f->tipo);
            j["elemento"] = NomeDoElemento(*f);
            j["tamanhoElemento"] = f->tamanhoRegistro;
            if (f->tipo == TipoFilho::Lista) j["quantidade"] = NomeDoCampoEm(campos, f->quantidade);
        }
        if (c.tipo == TipoCampo::Registro && c.sub) {
            const InfoFilho* m = FilhoEm(info, c.deslocamento, true);
            const InfoClasse* classe = m ? m->classe() : nullptr;
            if (classe) j["classe"] = classe->nome;
            j["campos"] = DescreverCampos(classe, classe ? classe->campos() : c.sub());
        }
        lista.push_back(j);
    }
    return lista;
}

}  // namespace

Json DescreverLayout(const InfoClasse& info) {
    Json filhos = Json::array();
    for (const InfoFilho& f : info.filhos) {
        Json j{{"nome", NomeDoFilho(info, f)}, {"tipo", NomeTipoFilho(f.tipo)}, {"elemento", NomeDoElemento(f)},
               {"tamanhoElemento", f.tamanhoRegistro}};
        if (f.tipo == TipoFilho::Lista) j["quantidade"] = f.quantidade;
        j[f.tipo == TipoFilho::Membro ? "area" : "ponteiro"] = f.ponteiro;
        filhos.push_back(j);
    }
    return Json{{"classe", info.nome},
                {"tamanhoRegistro", info.tamanhoRegistro},
                {"base", BaseDaClasse(info)},
                {"campos", DescreverCampos(&info, info.campos())},
                {"filhos", filhos}};
}


void ImprimirClasses(const Json& classes, std::ostream& saida) {
    Tabela t({"class", "record", "base", "lists", "holders", "member keys"}, {false, true, false, false, false, false});
    for (const Json& c : classes)
        t.Linha({c["classe"].get<std::string>(), std::to_string(c["tamanhoRegistro"].get<std::size_t>()),
                 c["base"].get<std::string>(), Filhos(c["listas"]), Filhos(c["unicos"]), Filhos(c["chaves"])});
    t.Imprimir(saida);
}

}  // namespace nxgc::esquema
