// nxgc as a user meets it: the built program, its output, exit status and error messages.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>

#include <nlohmann/json.hpp>

#include "NXLDadosGC/motor/Classes.h"

namespace {

using Json = nlohmann::ordered_json;

struct Resultado {
    int status;
    std::string saida, erros;
};

// CTest runs tests side by side: each process gets a folder of its own, removed at its end.
const std::string& Pasta() {
    static const std::string pasta = [] {
        const std::string p = testing::TempDir() + "nxgc_" + std::to_string(getpid());
        std::filesystem::create_directories(p);
        return p + "/";
    }();
    return pasta;
}
struct Limpeza : testing::Environment {
    void TearDown() override { std::filesystem::remove_all(Pasta()); }
};
const auto* const g_limpeza = testing::AddGlobalTestEnvironment(new Limpeza);

std::string Arquivo(const std::string& nome) {
    return Pasta() + testing::UnitTest::GetInstance()->current_test_info()->name() + "_" + nome;
}

std::string Ler(const std::string& caminho) {
    std::ifstream f(caminho, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void Escrever(const std::string& caminho, const std::string& conteudo) {
    std::ofstream(caminho, std::ios::binary) << conteudo;
}

Resultado Executar(const std::string& argumentos) {
    const std::string saida = Arquivo("stdout"), erros = Arquivo("stderr");
    const std::string comando = std::string("'") + NXGC_PROGRAMA + "' " + argumentos + " >'" + saida + "' 2>'" + erros + "'";
    const int r = std::system(comando.c_str());
    return {WIFEXITED(r) ? WEXITSTATUS(r) : -1, Ler(saida), Ler(erros)};
}

// What nxgc layout shows of a class, as JSON and as a table: the record and where it is
// declared, each field's place, kind, role and codes, and the (count, pointer) pairs. (The
// fields of every class are in docs/REFERENCIA.md, which nxgc.ReferenciaEmDia keeps in step.)
TEST(Nxgc, LayoutDeUmaClasse) {
    const Json centro = Json::parse(Executar("layout --json CNXDadosGC_CentroCustos").saida);
    EXPECT_EQ(centro["tamanhoRegistro"], 104);
    EXPECT_EQ(centro["registro"], "_REG_GC_CENTRO_CUSTOSPS");
    EXPECT_EQ(centro["cabecalho"], "NXLDadosGC/gc/CentroCustos.h");
    EXPECT_EQ(centro["campos"][4], Json::parse(R"({"nome": "PonteiroFilial", "deslocamento": 20, "largura": 2,
                                                   "tipo": "u16", "papel": "referencia"})"));
    EXPECT_EQ(centro["campos"][5]["codigos"][1], (Json{{"valor", 1}, {"significado", "productive"}}));
    const Resultado tabela = Executar("layout CNXDadosGC_CentroCustos");
    EXPECT_EQ(tabela.saida.rfind("CNXDadosGC_CentroCustos: 104-byte record _REG_GC_CENTRO_CUSTOSPS, "
                                 "T_NXDadosRegistroComLista, in NXLDadosGC/gc/CentroCustos.h\n", 0), 0u)
        << tabela.saida;
    EXPECT_TRUE(std::regex_search(tabela.saida, std::regex("\n +22 +1 +CaracteristicaCC +u8 +number +.*"
                                                            "codes: 0 = support, 1 = productive")));
    EXPECT_TRUE(std::regex_search(tabela.saida, std::regex("\n +20 +2 +PonteiroFilial +u16 +reference\n")));
    const Resultado matriz = Executar("layout CNXDadosGC_MatrizRateio");
    EXPECT_NE(matriz.saida.find("count of list Conta (pointer pConta)"), std::string::npos) << matriz.saida;
    EXPECT_NE(matriz.saida.find("list Conta: QuantidadeConta x CNXDadosGC_MatrizRateioConta (48 bytes)"), std::string::npos);
}

TEST(Nxgc, ClassesESchemaCobremOCatalogo) {
    const Resultado classes = Executar("classes --json");
    ASSERT_EQ(classes.status, 0) << classes.erros;
    const Json lista = Json::parse(classes.saida);
    EXPECT_EQ(lista.size(), NXDadosGC::Classes().size());
    const Resultado schema = Executar("schema --json");
    ASSERT_EQ(schema.status, 0) << schema.erros;
    const Json esquema = Json::parse(schema.saida);
    EXPECT_EQ(esquema["classes"].size(), NXDadosGC::Classes().size());
    for (const Json& c : esquema["classes"])  // every record says what it is
        EXPECT_FALSE(c.value("sobre", "").empty()) << c["classe"];
    const Resultado tabela = Executar("classes");
    EXPECT_TRUE(std::regex_search(tabela.saida, std::regex("CNXDadosGC_MatrizRateio +48 +T_NXDadosRegistroComLista +"
                                                            "CentroCustosApoio, Conta +- +-\n")))
        << tabela.saida;
}

// The tool's conventions with files: -o, the class checked against the document, a template that
// packs as it stands, --version and --help. (Standard input and output, and streams of several
// trees, the Python package's tests run through nxgc beside its own command line.)
TEST(Nxgc, Convencoes) {
    const Resultado modelo = Executar("template CNXDadosGC_MatrizRateio");
    ASSERT_EQ(modelo.status, 0) << modelo.erros;
    Escrever(Arquivo("m.json"), modelo.saida);
    const Resultado pack = Executar("pack CNXDadosGC_MatrizRateio '" + Arquivo("m.json") + "' -o '" + Arquivo("m.nxgc") + "'");
    EXPECT_EQ(pack.status, 0) << pack.erros;
    const Resultado dump = Executar("dump '" + Arquivo("m.nxgc") + "' -o '" + Arquivo("d.json") + "'");
    EXPECT_EQ(dump.status, 0) << dump.erros;
    EXPECT_EQ(dump.saida, "");
    EXPECT_EQ(Ler(Arquivo("d.json")), modelo.saida);

    // A class without its prefix.
    EXPECT_EQ(Executar("template MatrizRateio").saida, modelo.saida);
    // An output is replaced whole or not at all: a refused input leaves the old file as it was.
    Escrever(Arquivo("ruim.json"), "{");
    EXPECT_EQ(Executar("pack '" + Arquivo("ruim.json") + "' -o '" + Arquivo("m.nxgc") + "'").status, 1);
    EXPECT_EQ(Executar("dump '" + Arquivo("m.nxgc") + "'").saida, modelo.saida);

    const Resultado versao = Executar("--version");
    EXPECT_EQ(versao.status, 0);
    EXPECT_TRUE(std::regex_match(versao.saida, std::regex("NXLDadosGC [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << versao.saida;
    const Resultado ajuda = Executar("--help");
    EXPECT_NE(ajuda.saida.find("docs/JSON.md"), std::string::npos);
    EXPECT_NE(ajuda.saida.find("Exit status: 0"), std::string::npos);
}

// Hostile input, unusable files and command-line mistakes: nothing on stdout, the exit status
// (1 refused, 2 usage) and a message naming the file and what is wrong.
TEST(Nxgc, RecusasEErrosDeUso) {
    auto documento = [](const std::string& registro) {
        return R"({"classe": "CNXDadosGC_CentroCustos", "registro": )" + registro + "}";
    };
    const std::string bom = Arquivo("bom.json"), bomPacote = Arquivo("bom.nxgc"), vazio = Arquivo("vazio"),
                      inexistente = Arquivo("nao-existe"), diretorio = testing::TempDir();
    Escrever(bom, documento("{}"));
    ASSERT_EQ(Executar("pack '" + bom + "' -o '" + bomPacote + "'").status, 0);
    Escrever(vazio, "");
    Escrever(Arquivo("numero.json"), documento(R"({"Posicao": 1e400})"));
    Escrever(Arquivo("utf8.json"), documento("{\"Codigo\": \"\xff\"}"));
    auto pack = [](const std::string& arquivo) { return "pack '" + arquivo + "' -o '" + Arquivo("saida.nxgc") + "'"; };
    const struct {
        std::string argumentos;
        int status;
        std::string mensagem;  // expected in stderr
    } casos[] = {
        {pack(Arquivo("numero.json")), 1, "numero.json: (document): number overflow parsing '1e400'"},
        {pack(Arquivo("utf8.json")), 1, "utf8.json: (document): parse error at line 1, column 63: syntax error while parsing value - invalid string: ill-formed UTF-8 byte"},
        {pack(vazio), 1, vazio + ": the file is empty"},
        {pack(diretorio), 1, "cannot read " + diretorio + ": Is a directory"},
        {"dump '" + inexistente + "'", 1, "cannot read " + inexistente + ": No such file or directory"},
        {"dump /dev/zero", 1, "/dev/zero: packed tree, byte 0: not a packed record tree (wrong magic number)"},
        {"dump '" + bom + "'", 1, "bom.json: this is JSON, not a packed tree (nxgc pack turns JSON into one)"},
        {pack(bomPacote), 1, "bom.nxgc: this is a packed tree, not JSON (nxgc dump prints it as JSON)"},
        {"pack '" + bom + "' -o " + inexistente + "/x", 1, "cannot write " + inexistente + "/x: No such file or directory"},
        {"dump '" + bomPacote + "' -o /dev/full", 1, "cannot write /dev/full: No space left on device"},
        {"bogus", 2, "nxgc: unknown command \"bogus\""},
        {"", 2, "nxgc: A subcommand is required"},
        {"pack '" + bom + "'", 2, "nxgc: --output is required"},
        {"layout CNXDadosGC_Nada", 2, "nxgc: unknown class \"CNXDadosGC_Nada\" (nxgc classes lists them)"},
        {"layout CNXDadosGC_CentroCusto", 2, "unknown class \"CNXDadosGC_CentroCusto\"; did you mean CNXDadosGC_CentroCustos?"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.argumentos.substr(0, 200));
        const Resultado r = Executar(caso.argumentos);
        EXPECT_EQ(r.status, caso.status);
        EXPECT_EQ(r.saida, "");
        EXPECT_NE(r.erros.find(caso.mensagem), std::string::npos) << r.erros;
    }
}

}  // namespace
