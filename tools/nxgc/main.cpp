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
#include "Esquema.h"
#include "Json.h"
#include "NXLDadosGC/motor/Classes.h"

namespace {

using nxgc::Json;

const NXDadosGC::InfoClasse& Classe(const std::string& nome) {
    const NXDadosGC::InfoClasse* info = NXDadosGC::ClassePorNome(nome);
    if (!info) throw std::runtime_error("unknown class \"" + nome + "\" (nxgc classes lists them)");
    return *info;
}

void Classes(bool json) {
    Json lista = Json::array();
    for (const NXDadosGC::InfoClasse* info : NXDadosGC::Classes()) lista.push_back(nxgc::esquema::DescreverClasse(*info));
    if (json) std::cout << lista.dump(2) << "\n";
    else nxgc::esquema::ImprimirClasses(lista, std::cout);
}

void Layout(const std::string& nome, bool json) {
    const Json layout = nxgc::esquema::DescreverLayout(Classe(nome));
    if (json) std::cout << layout.dump(2) << "\n";
    else nxgc::esquema::ImprimirLayout(layout, std::cout);
}

void Schema(bool json) {
    Json classes = Json::array();
    for (const NXDadosGC::InfoClasse* info : NXDadosGC::Classes()) classes.push_back(nxgc::esquema::DescreverLayout(*info));
    if (json) {
        std::cout << Json{{"versaoPacote", NXDadosGC::kVersaoPacote}, {"classes", classes}}.dump(2) << "\n";
        return;
    }
    for (std::size_t i = 0; i < classes.size(); ++i) {
        if (i) std::cout << "\n";
        nxgc::esquema::ImprimirLayout(classes[i], std::cout);
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
