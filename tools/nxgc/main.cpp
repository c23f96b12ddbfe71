// nxgc: a look at the data classes of NXLDadosGC and at their packed record trees.
//
//   nxgc classes [--json]                      every data class with its base and children
//   nxgc layout <Class> [--json]               one record, byte by byte
//   nxgc schema [--json|--markdown]            every record, for programs or as docs/REFERENCIA.md
//   nxgc dump <file> [-o <file>]               packed trees as JSON
//   nxgc pack [<Class>] <json-file> -o <file>  JSON documents back to packed trees
//   nxgc template <Class> [-o <file>]          a JSON document to fill in, for pack
//   nxgc demo                                  a production cost and an allocation matrix, out and back
//
// This file only reads arguments and files: the work is the library's. "-" is standard input or
// output wherever a file is read or written. Results go to stdout, errors to stderr; the exit
// status is 0 on success, 1 when the input is refused or a file cannot be read or written, 2
// for a usage error.
#include <sys/stat.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
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
#include "NXLDadosGC/motor/Fluxos.h"
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

// Edits (insertions, deletions, substitutions) from a to b, case aside.
std::size_t Distancia(std::string_view a, std::string_view b) {
    std::vector<std::size_t> linha(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) linha[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = linha[0]++;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const bool igual = std::tolower(static_cast<unsigned char>(a[i - 1])) ==
                               std::tolower(static_cast<unsigned char>(b[j - 1]));
            const std::size_t proximo = std::min({linha[j] + 1, linha[j - 1] + 1, diagonal + (igual ? 0 : 1)});
            diagonal = linha[j];
            linha[j] = proximo;
        }
    }
    return linha[b.size()];
}

// A class by its name, with or without the CNXDadosGC_ prefix; an unknown one is a usage error
// that suggests the nearest name.
const NXDadosGC::InfoClasse& Classe(const std::string& nome) {
    static constexpr std::string_view kPrefixo = "CNXDadosGC_";
    if (const NXDadosGC::InfoClasse* info = NXDadosGC::ClassePorNome(nome)) return *info;
    if (const NXDadosGC::InfoClasse* info = NXDadosGC::ClassePorNome(std::string(kPrefixo) + nome)) return *info;
    const std::string_view curto = std::string_view(nome).starts_with(kPrefixo) ? std::string_view(nome).substr(kPrefixo.size()) : nome;
    std::string sugestao;
    std::size_t melhor = std::max<std::size_t>(3, curto.size() / 3) + 1;
    for (const NXDadosGC::InfoClasse* info : NXDadosGC::Classes()) {
        const std::size_t d = Distancia(curto, std::string_view(info->nome).substr(kPrefixo.size()));
        if (d < melhor) melhor = d, sugestao = info->nome;
    }
    throw ErroUso("unknown class \"" + nome + "\"" + (sugestao.empty() ? "" : "; did you mean " + sugestao + "?") +
                  " (nxgc classes lists them)");
}

// A file's beginning that says it is a packed tree rather than JSON, or the reverse.
bool PareceArvore(std::string_view inicio) { return inicio.starts_with("NXGCPACK"); }
bool PareceJson(std::string_view inicio) {
    const auto p = inicio.find_first_not_of(" \t\r\n");
    return p != std::string_view::npos && (inicio[p] == '{' || inicio[p] == '[');
}

// The whole file, or standard input for "-".
std::string LerEntrada(const std::string& caminho) {
    std::FILE* f = caminho == "-" ? stdin : std::fopen(caminho.c_str(), "rb");
    if (!f) throw ErroArquivo("read", caminho, errno, false);
    std::string dados;
    struct stat info {};
    // Room for the JSON reader's look past the end, so that the text is not copied to make it.
    if (fstat(fileno(f), &info) == 0 && S_ISREG(info.st_mode)) dados.reserve(static_cast<std::size_t>(info.st_size) + 64);
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

// Standard output for "-"; else the file, written whole or not at all (ArquivoAtomico).
class Saida {
public:
    explicit Saida(const std::string& caminho) : m_Caminho(caminho) {
        if (caminho != "-") m_Arquivo.emplace(caminho);
    }
    std::ostream& operator*() { return m_Arquivo ? m_Arquivo->Fluxo() : std::cout; }
    // The file, or null for standard output.
    NXDadosGC::ArquivoAtomico* Arquivo() { return m_Arquivo ? &*m_Arquivo : nullptr; }
    void Fechar() {
        if (m_Arquivo) return m_Arquivo->Concluir();
        std::cout.flush();
        if (!std::cout) throw ErroArquivo("write", m_Caminho, errno, true);
    }

private:
    std::string m_Caminho;
    std::optional<NXDadosGC::ArquivoAtomico> m_Arquivo;
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

// Each packed tree of the file or stream, one document after another, read one tree at a time.
void Dump(const std::string& arquivo, const std::string& destino, const NXDadosGC::OpcoesJson& opcoes) {
    std::optional<NXDadosGC::LeitorPacotes> leitor;
    if (arquivo == "-") leitor.emplace(0, Nome(arquivo));
    else leitor.emplace(std::filesystem::path(arquivo));
    Saida saida(destino);
    try {
        while (leitor->Proximo()) NXDadosGC::ParaJson(leitor->Verificar(), *saida, opcoes);
    } catch (const NXDadosGC::ErroEmpacotamento& e) {
        const auto inicio = leitor->Pacote();
        if (leitor->Lidos() == 0 && e.Deslocamento() == 0 &&
            PareceJson({reinterpret_cast<const char*>(inicio.data()), inicio.size()}))
            throw std::runtime_error(Nome(arquivo) + ": this is JSON, not a packed tree (nxgc pack turns JSON into one)");
        throw;
    }
    if (leitor->Lidos() == 0) throw std::runtime_error(Nome(arquivo) + ": the file is empty");
    saida.Fechar();
}

// Each JSON document of the file, one after another, as a packed tree, written as it is read.
void Pack(const std::string& nomeClasse, const std::string& arquivo, const std::string& destino,
          const NXDadosGC::OpcoesJson& opcoes) {
    const NXDadosGC::InfoClasse* classe = nomeClasse.empty() ? nullptr : &Classe(nomeClasse);
    std::string documentos = LerEntrada(arquivo);
    if (PareceArvore(documentos))
        throw std::runtime_error(Nome(arquivo) + ": this is a packed tree, not JSON (nxgc dump prints it as JSON)");
    Saida saida(destino);
    try {
        if (NXDadosGC::ArquivoAtomico* a = saida.Arquivo())
            NXDadosGC::PacotesDeJson(std::move(documentos), *a, classe, opcoes);
        else
            NXDadosGC::PacotesDeJson(std::move(documentos), [&](std::span<const std::byte> pacote) {
                (*saida).write(reinterpret_cast<const char*>(pacote.data()), static_cast<std::streamsize>(pacote.size()));
            }, classe, opcoes);
    } catch (const NXDadosGC::ErroJson& e) {
        throw std::runtime_error(Nome(arquivo) + ": " + e.what());
    } catch (const NXDadosGC::ErroEmpacotamento& e) {
        throw std::runtime_error(Nome(arquivo) + ": " + e.what());
    }
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

    auto* classes = app.add_subcommand("classes", "Every data class: record size, base, lists, holders, member keys.");
    classes->add_flag("--json", json, "JSON instead of a table");

    auto* layout = app.add_subcommand("layout", "The record layout of one class: offset, width, field, type.");
    layout->add_option("class", classe, "Class name, e.g. CNXDadosGC_CentroCustos")->required();
    layout->add_flag("--json", json, "JSON instead of a table");

    auto* schema = app.add_subcommand("schema", "Every record layout, for code in other languages.");
    bool markdown = false;
    schema->add_flag("--json", json, "JSON instead of tables");
    schema->add_flag("--markdown", markdown, "The reference of every class, as docs/REFERENCIA.md")->excludes("--json");

    auto* dump = app.add_subcommand("dump", "Print packed record trees as JSON, one document after another.");
    dump->add_option("file", arquivo, "A packed record tree, or several one after another (- for standard input)")
        ->required();
    dump->add_option("-o,--output", saida, "Where to write the JSON (default: standard output)");
    NXDadosGC::OpcoesJson opcoes{1252};
    const auto paginas = CLI::IsMember({1252, 932, 936, 949, 950});
    const char* ajudaPagina = "The code page of the records' texts: 1252 (the default), 932, 936, 949 or 950";
    dump->add_option("--code-page", opcoes.pagina, ajudaPagina)->check(paginas);

    auto* pack = app.add_subcommand("pack", "Turn JSON documents (as dump prints them) into packed record trees.");
    std::string arquivoJson;
    pack->add_option("class", classe, "The class the document must hold (by default the one it names)");
    pack->add_option("json-file", arquivoJson,
                     "The JSON document, or several one after another, required (- for standard input)");
    pack->add_option("-o,--output", saida, "Where to write the packed trees (- for standard output)")->required();
    pack->add_option("--code-page", opcoes.pagina, ajudaPagina)->check(paginas);

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
    // Usage errors read like every other error of the tool.
    app.failure_message([](const CLI::App* comando, const CLI::Error& e) {
        return "nxgc: " + std::string(e.what()) + " (" + comando->get_display_name() + " --help)\n";
    });
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e) == 0 ? 0 : kUso;  // --help and --version succeed
    }

    if (*classes) Classes(json);
    else if (*layout) Layout(classe, json);
    else if (*schema) Schema(json, markdown);
    else if (*dump) Dump(arquivo, saida, opcoes);
    else if (*pack) {
        // One positional is the file; two are the class and the file.
        if (arquivoJson.empty()) std::swap(classe, arquivoJson);
        if (arquivoJson.empty()) throw ErroUso("json-file is required (nxgc pack --help)");
        Pack(classe, arquivoJson, saida, opcoes);
    }
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
        // The framework's own exceptions (memory running out inside the library) become standard ones.
        return NXDadosGC::ComExcecoesPadrao([&] { return Executar(app, argc, argv); });
    } catch (const ErroUso& e) {
        mensagem = e.what();
        status = kUso;
    } catch (const std::bad_alloc&) {
        mensagem = "out of memory";
    } catch (const std::exception& e) {
        mensagem = e.what();
    }
    std::cerr << "nxgc: " << mensagem << "\n";
    return status;
}
