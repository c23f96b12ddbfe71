// nxgc as a user meets it: the built program, its output, exit status and error messages.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
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

// CTest runs tests side by side: each test gets files of its own.
std::string Arquivo(const std::string& nome) {
    return testing::TempDir() + "nxgc_" + testing::UnitTest::GetInstance()->current_test_info()->name() + "_" +
           std::to_string(getpid()) + "_" + nome;
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

// The offsets the exchange format fixes for these fields.
TEST(Nxgc, LayoutNosDeslocamentosDocumentados) {
    const struct {
        const char* classe;
        std::size_t tamanho;
        std::vector<std::tuple<const char*, std::size_t, std::size_t, const char*>> campos;  // name, offset, width, kind
    } casos[] = {
        {"CNXDadosGC_CentroCustos", 104, {{"Codigo", 24, 11, "texto"}, {"Descricao", 35, 51, "texto"}}},
        {"CNXDadosGC_MatrizRateio",
         48,
         {{"DmaHmsGravacao", 0, 8, "REG_NXDMAHMSUTC"}, {"QuantidadeConta", 8, 4, "quantidade"},
          {"QuantidadeCentroCustosApoio", 12, 4, "quantidade"}, {"MaCompetencia", 20, 2, "REG_NXMA"},
          {"Lacuna25", 25, 7, "lacuna"}, {"pConta", 32, 8, "ponteiro"}, {"pCentroCustosApoio", 40, 8, "ponteiro"}}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.classe);
        const Resultado r = Executar(std::string("layout --json ") + caso.classe);
        ASSERT_EQ(r.status, 0) << r.erros;
        const Json layout = Json::parse(r.saida);
        EXPECT_EQ(layout["tamanhoRegistro"], caso.tamanho);
        for (const auto& [nome, desloc, largura, tipo] : caso.campos) {
            const Json& campos = layout["campos"];
            const auto c = std::find_if(campos.begin(), campos.end(), [&](const Json& c) { return c["nome"] == nome; });
            ASSERT_NE(c, campos.end()) << nome;
            EXPECT_EQ(Json::array({(*c)["deslocamento"], (*c)["largura"], (*c)["tipo"]}), Json::array({desloc, largura, tipo}));
        }
        // The table says the same, and marks the pair.
        const Resultado tabela = Executar(std::string("layout ") + caso.classe);
        ASSERT_EQ(tabela.status, 0) << tabela.erros;
        for (const auto& [nome, desloc, largura, tipo] : caso.campos) {
            const std::regex linha("\\n *" + std::to_string(desloc) + " +" + std::to_string(largura) + " +" + nome + " +" + tipo);
            EXPECT_TRUE(std::regex_search(tabela.saida, linha)) << nome << "\n" << tabela.saida;
        }
    }
    const Resultado matriz = Executar("layout CNXDadosGC_MatrizRateio");
    EXPECT_NE(matriz.saida.find("count of list Conta (pointer pConta)"), std::string::npos) << matriz.saida;
    EXPECT_NE(matriz.saida.find("list Conta: QuantidadeConta x CNXDadosGC_MatrizRateioConta (48 bytes)"), std::string::npos);
}

// Where a class is declared and what its fields mean: record type, header, roles, codes.
TEST(Nxgc, LayoutDizOQueCadaCampoE) {
    const Json centro = Json::parse(Executar("layout --json CNXDadosGC_CentroCustos").saida);
    EXPECT_EQ(centro["registro"], "_REG_GC_CENTRO_CUSTOSPS");
    EXPECT_EQ(centro["cabecalho"], "NXLDadosGC/gc/CentroCustos.h");
    const Json& campos = centro["campos"];
    EXPECT_EQ(campos[4]["nome"], "PonteiroFilial");
    EXPECT_EQ(campos[4]["papel"], "referencia");
    EXPECT_EQ(campos[5]["codigos"][1], (Json{{"valor", 1}, {"significado", "productive"}}));
    const Resultado tabela = Executar("layout CNXDadosGC_CentroCustos");
    EXPECT_EQ(tabela.saida.rfind("CNXDadosGC_CentroCustos: 104-byte record _REG_GC_CENTRO_CUSTOSPS, "
                                 "T_NXDadosRegistroComLista, in NXLDadosGC/gc/CentroCustos.h\n", 0), 0u)
        << tabela.saida;
    EXPECT_TRUE(std::regex_search(tabela.saida, std::regex("\n +22 +1 +CaracteristicaCC +u8 +number +.*"
                                                            "codes: 0 = support, 1 = productive")));
    EXPECT_TRUE(std::regex_search(tabela.saida, std::regex("\n +20 +2 +PonteiroFilial +u16 +reference\n")));
}

TEST(Nxgc, ClassesESchemaCobremOCatalogo) {
    const Resultado classes = Executar("classes --json");
    ASSERT_EQ(classes.status, 0) << classes.erros;
    const Json lista = Json::parse(classes.saida);
    ASSERT_EQ(lista.size(), NXDadosGC::Classes().size());
    for (const Json& c : lista) {
        const auto* info = NXDadosGC::ClassePorNome(c["classe"].get<std::string>());
        ASSERT_NE(info, nullptr);
        EXPECT_EQ(c["tamanhoRegistro"], info->tamanhoRegistro);
        EXPECT_EQ(c["base"], info->filhos.empty() ? "T_NXDadosRegistro" : "T_NXDadosRegistroComLista");
        EXPECT_EQ(c["listas"].size() + c["unicos"].size() + c["chaves"].size(), info->filhos.size());
    }
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

// The tool's conventions: "-" for standard input and output, -o, the class taken from the
// document or checked against it, a template that packs as it stands, --version and --help.
TEST(Nxgc, Convencoes) {
    const Resultado modelo = Executar("template CNXDadosGC_MatrizRateio");
    ASSERT_EQ(modelo.status, 0) << modelo.erros;
    const std::string nxgc = std::string("'") + NXGC_PROGRAMA + "' ";
    const Resultado cano = Executar("template CNXDadosGC_MatrizRateio | " + nxgc + "pack - -o - | " + nxgc + "dump -");
    EXPECT_EQ(cano.status, 0) << cano.erros;
    EXPECT_EQ(cano.saida, modelo.saida);

    Escrever(Arquivo("m.json"), modelo.saida);
    const Resultado pack = Executar("pack CNXDadosGC_MatrizRateio '" + Arquivo("m.json") + "' -o '" + Arquivo("m.nxgc") + "'");
    EXPECT_EQ(pack.status, 0) << pack.erros;
    const Resultado dump = Executar("dump '" + Arquivo("m.nxgc") + "' -o '" + Arquivo("d.json") + "'");
    EXPECT_EQ(dump.status, 0) << dump.erros;
    EXPECT_EQ(dump.saida, "");
    EXPECT_EQ(Ler(Arquivo("d.json")), modelo.saida);

    const Resultado versao = Executar("--version");
    EXPECT_EQ(versao.status, 0);
    EXPECT_TRUE(std::regex_match(versao.saida, std::regex("NXLDadosGC [0-9]+\\.[0-9]+\\.[0-9]+\n"))) << versao.saida;
    const Resultado ajuda = Executar("--help");
    EXPECT_NE(ajuda.saida.find("docs/JSON.md"), std::string::npos);
    EXPECT_NE(ajuda.saida.find("Exit status: 0"), std::string::npos);
    for (const char* comando : {"classes", "layout", "schema", "dump", "pack", "template", "demo"}) {
        const Resultado r = Executar(std::string(comando) + " --help");
        EXPECT_EQ(r.status, 0) << comando;
        EXPECT_NE(r.saida.find("Usage:"), std::string::npos) << comando << r.saida;
    }
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
    Escrever(Arquivo("profundo.json"), documento(R"({"Conta": )" + std::string(100000, '[') + std::string(100000, ']') + "}"));
    Escrever(Arquivo("numero.json"), documento(R"({"Posicao": 1e400})"));
    Escrever(Arquivo("texto.json"), documento(R"({"Codigo": ")" + std::string(5000000, 'x') + R"("})"));
    Escrever(Arquivo("utf8.json"), documento("{\"Codigo\": \"\xff\"}"));
    Escrever(Arquivo("cp1252.json"), documento(R"({"Descricao": "日本"})"));
    Escrever(Arquivo("lixo.nxgc"), "this is not a packed tree, just some text long enough to pass 40 bytes");
    Escrever(Arquivo("curto.nxgc"), std::string("NXGCPACK", 8));
    std::string profundo;  // the path to the first array too deep: 62 arrays into the document's two objects
    for (int i = 0; i < 62; ++i) profundo += "[0]";
    auto pack = [](const std::string& arquivo) { return "pack '" + arquivo + "' -o '" + Arquivo("saida.nxgc") + "'"; };
    const struct {
        std::string argumentos;
        int status;
        std::string mensagem;  // expected in stderr
    } casos[] = {
        {pack(Arquivo("profundo.json")), 1, "profundo.json: registro.Conta" + profundo + ": nested deeper than 64 levels"},
        {pack(Arquivo("numero.json")), 1, "numero.json: (document): number overflow parsing '1e400'"},
        {pack(Arquivo("texto.json")), 1, "texto.json: registro.Codigo: text of 5000000 bytes does not fit (at most 10)"},
        {pack(Arquivo("utf8.json")), 1, "utf8.json: (document): parse error at line 1, column 63: syntax error while parsing value - invalid string: ill-formed UTF-8 byte"},
        {pack(Arquivo("cp1252.json")), 1, "cp1252.json: registro.Descricao: character U+65E5 has no code page 1252 byte"},
        {pack(vazio), 1, vazio + ": the file is empty"},
        {"dump '" + vazio + "'", 1, vazio + ": the file is empty"},
        {"dump - < /dev/null", 1, "standard input: the file is empty"},
        {pack(diretorio), 1, "cannot read " + diretorio + ": Is a directory"},
        {"dump '" + diretorio + "'", 1, "cannot read " + diretorio + ": Is a directory"},
        {"dump '" + inexistente + "'", 1, "cannot read " + inexistente + ": No such file or directory"},
        {"dump '" + Arquivo("lixo.nxgc") + "'", 1, "lixo.nxgc: packed tree, byte 0: not a packed record tree (wrong magic number)"},
        {"dump '" + Arquivo("curto.nxgc") + "'", 1, "curto.nxgc: packed tree, byte 0: truncated: 8 bytes"},
        {"pack '" + bom + "' -o " + inexistente + "/x", 1, "cannot write " + inexistente + "/x: No such file or directory"},
        {"dump '" + bomPacote + "' -o /dev/full", 1, "cannot write /dev/full: No space left on device"},
        {"pack CNXDadosGC_MatrizRateio '" + bom + "' -o -", 1,
         "bom.json: classe: the document holds a CNXDadosGC_CentroCustos, not a CNXDadosGC_MatrizRateio"},
        {"bogus", 2, "unknown command \"bogus\""},
        {"", 2, "A subcommand is required"},
        {"pack '" + bom + "'", 2, "--output is required"},
        {"layout CNXDadosGC_Nada", 2, "unknown class \"CNXDadosGC_Nada\""},
        {"template CNXDadosGC_Nada", 2, "unknown class \"CNXDadosGC_Nada\""},
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
