// nxgc: a look at the data classes of NXLDadosGC and at their packed record trees.
//
//   nxgc classes [--json]                  every data class with its base and children
//   nxgc layout <Class> [--json]           one record, byte by byte
//   nxgc schema [--json]                   every record, for code in other languages
//   nxgc dump <file>                       a packed tree as JSON
//   nxgc pack <Class> <json-file> -o <file>  JSON back to a packed tree
//   nxgc demo                              a production cost and an allocation matrix, out and back
//
// Results go to stdout; errors to stderr, with a non-zero exit status.
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "Demo.h"
#include "Json.h"
#include "NXLDadosGC/motor/Classes.h"

namespace {

using nxgc::Json;

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

const NXDadosGC::InfoClasse& Classe(const std::string& nome) {
    const NXDadosGC::InfoClasse* info = NXDadosGC::ClassePorNome(nome);
    if (!info) throw std::runtime_error("unknown class \"" + nome + "\" (nxgc classes lists them)");
    return *info;
}

void Classes(bool json) {
    Json lista = Json::array();
    for (const NXDadosGC::InfoClasse* info : NXDadosGC::Classes()) lista.push_back(nxgc::DescreverClasse(*info));
    if (json) {
        std::cout << lista.dump(2) << "\n";
        return;
    }
    Tabela t({"class", "record", "base", "lists", "holders", "member keys"}, {false, true, false, false, false, false});
    for (const Json& c : lista)
        t.Linha({c["classe"].get<std::string>(), std::to_string(c["tamanhoRegistro"].get<std::size_t>()),
                 c["base"].get<std::string>(), Filhos(c["listas"]),
                 Filhos(c["unicos"]), Filhos(c["chaves"])});
    t.Imprimir(std::cout);
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

void ImprimirLayout(const Json& layout) {
    std::cout << layout["classe"].get<std::string>() << ": " << layout["tamanhoRegistro"].get<std::size_t>()
              << "-byte record, " << layout["base"].get<std::string>() << "\n";
    Tabela t({"offset", "width", "field", "type", "notes"}, {true, true, false, false, false});
    LinhasDeLayout(t, layout["campos"], 0, 0);
    t.Imprimir(std::cout);
}

void Layout(const std::string& nome, bool json) {
    const Json layout = nxgc::DescreverLayout(Classe(nome));
    if (json) std::cout << layout.dump(2) << "\n";
    else ImprimirLayout(layout);
}

void Schema(bool json) {
    Json classes = Json::array();
    for (const NXDadosGC::InfoClasse* info : NXDadosGC::Classes()) classes.push_back(nxgc::DescreverLayout(*info));
    if (json) {
        std::cout << Json{{"versaoPacote", NXDadosGC::kVersaoPacote}, {"classes", classes}}.dump(2) << "\n";
        return;
    }
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (i) std::cout << "\n";
        ImprimirLayout(classes[i]);
    }
}

std::vector<std::byte> LerArquivo(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    if (!f) throw std::runtime_error("cannot read " + caminho + ": " + std::strerror(errno));
    std::vector<char> bytes((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    if (f.bad()) throw std::runtime_error("cannot read " + caminho + ": " + std::strerror(errno));
    std::vector<std::byte> r(bytes.size());
    std::memcpy(r.data(), bytes.data(), bytes.size());
    return r;
}

void Dump(const std::string& arquivo) {
    const std::vector<std::byte> pacote = LerArquivo(arquivo);
    try {
        std::cout << nxgc::ArvoreParaJson(NXDadosGC::Verificar(pacote)).dump(2) << "\n";
    } catch (const NXDadosGC::ErroEmpacotamento& e) {
        throw std::runtime_error(arquivo + ": " + e.what());
    }
}

void Pack(const std::string& nome, const std::string& arquivoJson, const std::string& saida) {
    const NXDadosGC::InfoClasse& info = Classe(nome);
    std::ifstream f(arquivoJson);
    if (!f) throw std::runtime_error("cannot read " + arquivoJson + ": " + std::strerror(errno));
    Json documento;
    std::vector<std::byte> pacote;
    try {
        documento = Json::parse(f);
        pacote = nxgc::JsonParaPacote(info, documento);
    } catch (const std::exception& e) {
        throw std::runtime_error(arquivoJson + ": " + e.what());
    }
    std::ofstream o(saida, std::ios::binary | std::ios::trunc);
    o.write(reinterpret_cast<const char*>(pacote.data()), static_cast<std::streamsize>(pacote.size()));
    o.close();
    if (!o) throw std::runtime_error("cannot write " + saida + ": " + std::strerror(errno));
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Inspect the data classes of NXLDadosGC and their packed record trees.", "nxgc"};
    app.require_subcommand(1);
    bool json = false;
    std::string classe, arquivo, saida;

    auto* classes = app.add_subcommand("classes", "Every data class: record size, base, lists, holders, member keys.");
    classes->add_flag("--json", json, "JSON instead of a table");

    auto* layout = app.add_subcommand("layout", "The record layout of one class: offset, width, field, type.");
    layout->add_option("class", classe, "Class name, e.g. CNXDadosGC_CentroCustos")->required();
    layout->add_flag("--json", json, "JSON instead of a table");

    auto* schema = app.add_subcommand("schema", "Every record layout, for code in other languages.");
    schema->add_flag("--json", json, "JSON instead of tables");

    auto* dump = app.add_subcommand("dump", "Print a packed record tree as JSON.");
    dump->add_option("file", arquivo, "A packed record tree")->required();

    auto* pack = app.add_subcommand("pack", "Turn JSON (as dump prints it) into a packed record tree.");
    pack->add_option("class", classe, "Class of the root record")->required();
    pack->add_option("json-file", arquivo, "The JSON document")->required();
    pack->add_option("-o,--output", saida, "Where to write the packed tree")->required();

    auto* demo = app.add_subcommand("demo", "Pack, unpack, print and compare a production cost and an allocation matrix.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    try {
        if (*classes) Classes(json);
        else if (*layout) Layout(classe, json);
        else if (*schema) Schema(json);
        else if (*dump) Dump(arquivo);
        else if (*pack) Pack(classe, arquivo, saida);
        else if (*demo) return nxgc::Demo(std::cout, std::cerr) ? 0 : 1;
        std::cout.flush();
        if (!std::cout) throw std::runtime_error("cannot write to standard output");
        return 0;
    } catch (const std::exception& e) {
        std::cerr << "nxgc: " << e.what() << "\n";
        return 1;
    }
}
