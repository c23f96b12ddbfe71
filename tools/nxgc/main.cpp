// nxgc: a look at the data classes of NXLDadosGC and at their packed record trees.
//
//   nxgc classes [--json]                      every data class with its base and children
//   nxgc layout <Class> [--json]               one record, byte by byte
//   nxgc schema [--json|--markdown]            every record, for programs or as docs/REFERENCIA.md
//   nxgc dump <file> [-o <file>]               a packed tree as JSON
//   nxgc pack [<Class>] <json-file> -o <file>  JSON back to a packed tree
//   nxgc template <Class> [-o <file>]          a JSON document to fill in, for pack
//   nxgc demo                                  a production cost and an allocation matrix, out and back
//
// This file only reads arguments and files: the work is the library's. "-" is standard input or
// output wherever a file is read or written. Results go to stdout, errors to stderr; the exit
// status is 0 on success, 1 when the input is refused or a file cannot be read or written, 2
// for a usage error.
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <new>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "Demo.h"
#include "NXLDadosGC/Versao.h"
#include "NXLDadosGC/json/Esquema.h"
#include "NXLDadosGC/json/Json.h"
#include "NXLDadosGC/motor/Classes.h"
#include "NXLDadosGC/motor/Esquema.h"
#include "NXLDadosGC/platform/Excecoes.h"

namespace {

constexpr int kRecusado = 1, kUso = 2;

// A mistake in the command line rather than in the data: exit status 2.
struct ErroUso : std::runtime_error {
    using std::runtime_error::runtime_error;
};

std::string Nome(const std::string& caminho, bool saida = false) {
    return caminho != "-" ? caminho : saida ? "standard output" : "standard input";
}

std::runtime_error ErroArquivo(const char* acao, const std::string& caminho, int erro, bool saida) {
    return std::runtime_error(std::string("cannot ") + acao + " " + Nome(caminho, saida) + ": " + std::strerror(erro));
}

const NXDadosGC::InfoClasse& Classe(const std::string& nome) {
    const NXDadosGC::InfoClasse* info = NXDadosGC::ClassePorNome(nome);
    if (!info) throw ErroUso("unknown class \"" + nome + "\" (nxgc classes lists them)");
    return *info;
}

// The whole file, or standard input for "-".
std::string LerEntrada(const std::string& caminho) {
    std::FILE* f = caminho == "-" ? stdin : std::fopen(caminho.c_str(), "rb");
    if (!f) throw ErroArquivo("read", caminho, errno, false);
    std::string dados;
    struct stat info {};
    if (fstat(fileno(f), &info) == 0 && S_ISREG(info.st_mode)) dados.reserve(static_cast<std::size_t>(info.st_size));
    char bloco[1 << 16];
    std::size_t n = 0;
    while ((n = std::fread(bloco, 1, sizeof bloco, f)) > 0) dados.append(bloco, n);
    const int erro = errno;
    const bool falhou = std::ferror(f);
    if (f != stdin) std::fclose(f);
    if (falhou) throw ErroArquivo("read", caminho, erro, false);
    if (dados.empty()) throw std::runtime_error(Nome(caminho) + ": the file is empty");
    return dados;
}

// Standard output for "-", else the file, created only when the result is ready to be written.
class Saida {
public:
    explicit Saida(const std::string& caminho) : m_Caminho(caminho) {
        if (caminho == "-") return;
        m_Arquivo.open(caminho, std::ios::binary | std::ios::trunc);
        if (!m_Arquivo) throw ErroArquivo("write", caminho, errno, true);
    }
    std::ostream& operator*() { return m_Caminho == "-" ? std::cout : m_Arquivo; }
    void Fechar() {
        std::ostream& o = **this;
        o.flush();
        if (m_Arquivo.is_open()) m_Arquivo.close();
        if (!o) throw ErroArquivo("write", m_Caminho, errno, true);
    }

private:
    std::string m_Caminho;
    std::ofstream m_Arquivo;
};

void Classes(bool json) {
    if (json) NXDadosGC::ClassesJson(std::cout);
    else NXDadosGC::ImprimirClasses(std::cout);
}

void Layout(const std::string& nome, bool json) {
    const NXDadosGC::InfoClasse& info = Classe(nome);
    if (json) NXDadosGC::LayoutJson(info, std::cout);
    else NXDadosGC::ImprimirLayout(info, std::cout);
}

void Schema(bool json, bool markdown) {
    if (markdown) NXDadosGC::ImprimirReferencia(std::cout);
    else if (json) NXDadosGC::EsquemaJson(std::cout);
    else NXDadosGC::ImprimirEsquema(std::cout);
}

void Dump(const std::string& arquivo, const std::string& destino) {
    std::string pacote = LerEntrada(arquivo);
    std::optional<NXDadosGC::ArvoreVerificada> arvore;
    try {
        arvore.emplace(NXDadosGC::Verificar(std::as_bytes(std::span(pacote))));
    } catch (const NXDadosGC::ErroEmpacotamento& e) {
        throw std::runtime_error(Nome(arquivo) + ": " + e.what());
    }
    std::string().swap(pacote);  // the tree holds its own copy
    Saida saida(destino);
    NXDadosGC::ParaJson(*arvore, *saida);
    saida.Fechar();
}

void Pack(const std::vector<std::string>& argumentos, const std::string& destino) {
    const NXDadosGC::InfoClasse* classe = argumentos.size() == 2 ? &Classe(argumentos[0]) : nullptr;
    const std::string& arquivo = argumentos.back();
    std::vector<std::byte> pacote;
    try {
        pacote = NXDadosGC::PacoteDeJson(LerEntrada(arquivo), classe);
    } catch (const NXDadosGC::ErroJson& e) {
        throw std::runtime_error(Nome(arquivo) + ": " + e.what());
    } catch (const NXDadosGC::ErroEmpacotamento& e) {
        throw std::runtime_error(Nome(arquivo) + ": " + e.what());
    }
    Saida saida(destino);
    (*saida).write(reinterpret_cast<const char*>(pacote.data()), static_cast<std::streamsize>(pacote.size()));
    saida.Fechar();
}

void Template(const std::string& nome, const std::string& destino) {
    const std::string modelo = NXDadosGC::ModeloJson(Classe(nome));
    Saida saida(destino);
    *saida << modelo;
    saida.Fechar();
}

// What runs once the command line is read; the exit status.
int Executar(CLI::App& app, int argc, char** argv) {
    bool json = false;
    std::string classe, arquivo, saida = "-";
    std::vector<std::string> argumentosPack;

    auto* classes = app.add_subcommand("classes", "Every data class: record size, base, lists, holders, member keys.");
    classes->add_flag("--json", json, "JSON instead of a table");

    auto* layout = app.add_subcommand("layout", "The record layout of one class: offset, width, field, type.");
    layout->add_option("class", classe, "Class name, e.g. CNXDadosGC_CentroCustos")->required();
    layout->add_flag("--json", json, "JSON instead of a table");

    auto* schema = app.add_subcommand("schema", "Every record layout, for code in other languages.");
    bool markdown = false;
    schema->add_flag("--json", json, "JSON instead of tables");
    schema->add_flag("--markdown", markdown, "The reference of every class, as docs/REFERENCIA.md")->excludes("--json");

    auto* dump = app.add_subcommand("dump", "Print a packed record tree as JSON.");
    dump->add_option("file", arquivo, "A packed record tree (- for standard input)")->required();
    dump->add_option("-o,--output", saida, "Where to write the JSON (default: standard output)");

    auto* pack = app.add_subcommand("pack", "Turn JSON (as dump prints it) into a packed record tree.");
    pack->add_option("args", argumentosPack,
                     "[<class>] <json-file>: the JSON document (- for standard input), and optionally the class it "
                     "must hold (by default the one it names)")
        ->required()
        ->expected(1, 2);
    pack->add_option("-o,--output", saida, "Where to write the packed tree (- for standard output)")->required();

    auto* modelo = app.add_subcommand(
        "template", "A JSON document of the class with every field zero and one element in every list and holder.");
    modelo->add_option("class", classe, "Class name, e.g. CNXDadosGC_CentroCustos")->required();
    modelo->add_option("-o,--output", saida, "Where to write it (default: standard output)");

    auto* demo = app.add_subcommand("demo", "Pack, unpack, print and compare a production cost and an allocation matrix.");

    // An unknown command is named as such, not taken for a missing one.
    for (int i = 1; i < argc; ++i) {
        if (argv[i][0] == '-') continue;
        const auto comandos = app.get_subcommands([](const CLI::App*) { return true; });
        if (std::none_of(comandos.begin(), comandos.end(), [&](const CLI::App* c) { return c->get_name() == argv[i]; }))
            throw ErroUso(std::string("unknown command \"") + argv[i] + "\" (nxgc --help lists them)");
        break;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : kUso;  // --help and --version succeed
    }

    if (*classes) Classes(json);
    else if (*layout) Layout(classe, json);
    else if (*schema) Schema(json, markdown);
    else if (*dump) Dump(arquivo, saida);
    else if (*pack) Pack(argumentosPack, saida);
    else if (*modelo) Template(classe, saida);
    else if (*demo) return nxgc::Demo(std::cout, std::cerr) ? 0 : kRecusado;
    std::cout.flush();
    if (!std::cout) throw ErroArquivo("write", "-", errno, true);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"Inspect the data classes of NXLDadosGC and their packed record trees.", "nxgc"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("NXLDadosGC ") + NXDadosGC::Versao());
    app.footer(
        "\"-\" stands for standard input or output wherever a file is read or written.\n"
        "The JSON form that dump prints and pack reads, field kind by field kind: docs/JSON.md.\n"
        "Exit status: 0 on success; 1 when the input is refused or a file cannot be read or written;\n"
        "2 for a usage error (unknown command, class or option, missing argument).\n");
    std::string mensagem;
    int status = kRecusado;
    try {
        return Executar(app, argc, argv);
    } catch (const ErroUso& e) {
        mensagem = e.what();
        status = kUso;
    } catch (const std::bad_alloc&) {
        mensagem = "out of memory";
    } catch (const std::exception& e) {
        mensagem = e.what();
    } catch (CException* e) {
        // The framework's own exceptions (memory running out inside the library) are released here.
        mensagem = e->GetMensagem();
        e->Delete();
    }
    std::cerr << "nxgc: " << mensagem << "\n";
    return status;
}
