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

// `nxgc pack` of a JSON document into the file `arvore.nxgc` of this test.
Resultado Pack(const std::string& classe, const std::string& json) {
    Escrever(Arquivo("entrada.json"), json);
    return Executar("pack " + classe + " '" + Arquivo("entrada.json") + "' -o '" + Arquivo("arvore.nxgc") + "'");
}
Resultado Dump() { return Executar("dump '" + Arquivo("arvore.nxgc") + "'"); }

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
    EXPECT_EQ(Json::parse(schema.saida)["classes"].size(), NXDadosGC::Classes().size());
    const Resultado tabela = Executar("classes");
    EXPECT_TRUE(std::regex_search(tabela.saida, std::regex("CNXDadosGC_MatrizRateio +48 +T_NXDadosRegistroComLista +"
                                                            "CentroCustosApoio, Conta +- +-\n")))
        << tabela.saida;
}

// Documents in the form dump prints: packed, then dumped, they come back unchanged.
TEST(Nxgc, PackDumpIdaEVolta) {
    const Json documentos[] = {
        Json::parse(R"({"classe": "CNXDadosGC_CentroCustos", "registro": {
            "PercentualEficiencia": "92.5000", "Posicao": 17, "PonteiroFilial": 3,
            "Codigo": "0001", "Descricao": "Usinagem e montagem: ç ã € “aspas”",
            "CaracteristicaCC": 1,
            "Conta": [{"ValorRateio": "60.0000", "PonteiroContaContabil": 3101, "PonteiroContaGerencial": 51,
                       "ValorDiferenciado": 0},
                      {"ValorRateio": "-0.0001", "PonteiroContaContabil": 3102, "PonteiroContaGerencial": 0,
                       "ValorDiferenciado": 1, "Lacuna17": "00000000000001"}],
            "Produtivo": []}})"),
        Json::parse(R"({"classe": "CNXDadosGC_CustoProducaoResultado", "registro": {
            "QuantProduzida": "922337203685477.5807", "CustoTotal": "-922337203685477.5808",
            "MaCompetencia": {"valor": 2044, "data": "2018-04"},
            "Entrada": {"DmaHmsMovimento": {"valor": "0x00f574014047fbb7", "data": "2018-04-09T10:30:15-03:00"},
                        "DmcMovimentoEntrada": "0102030405060708", "DmcOrdemProducao": "0000000000000000"},
            "CustoProcessamento": [], "CustoBaixaInsumo": []}})"),
    };
    for (const Json& documento : documentos) {
        const std::string classe = documento["classe"];
        SCOPED_TRACE(classe);
        const Resultado pack = Pack(classe, documento.dump());
        ASSERT_EQ(pack.status, 0) << pack.erros;
        EXPECT_EQ(pack.erros, "");
        const Resultado dump = Dump();
        ASSERT_EQ(dump.status, 0) << dump.erros;
        const Json volta = Json::parse(dump.saida);
        // Fields the document leaves out come back as zeros; everything it gives comes back as given.
        for (const auto& [chave, valor] : documento["registro"].items()) EXPECT_EQ(volta["registro"][chave], valor) << chave;
        // And the dump itself is a fixed point.
        ASSERT_EQ(Pack(classe, dump.saida).status, 0);
        EXPECT_EQ(Dump().saida, dump.saida);
    }
}

// Dates given by their text alone get their number; the moment's bits match its documented
// layout (9 April 2018, 10:30:15, three hours west: 0x00F574014047FBB7).
TEST(Nxgc, DatasPeloTexto) {
    ASSERT_EQ(Pack("CNXDadosGC_CustoProducaoEntrada", R"({"classe": "CNXDadosGC_CustoProducaoEntrada", "registro": {
        "DmaHmsMovimento": "2018-04-09T10:30:15-03:00"}})").status, 0);
    const Json volta = Json::parse(Dump().saida);
    EXPECT_EQ(volta["registro"]["DmaHmsMovimento"]["valor"], "0x00f574014047fbb7");
}

TEST(Nxgc, ErrosNaoZeroComMensagem) {
    Escrever(Arquivo("lixo.nxgc"), "this is not a packed tree, just some text long enough to pass 40 bytes");
    Escrever(Arquivo("curto.nxgc"), std::string("NXGCPACK", 8));
    const struct {
        const char* nome;
        std::string registro;  // the "registro" object of a CentroCustos document, or empty
        std::string argumentos;
        const char* mensagem;  // expected in stderr
    } casos[] = {
        {"campo desconhecido", R"({"Conta": [{"Nada": 1}]})", "", "registro.Conta[0].Nada: unknown field of CNXDadosGC_CentroCustosConta"},
        {"tipo errado", R"({"PercentualEficiencia": 92.5})", "", "registro.PercentualEficiencia: expected a decimal string"},
        {"fora da faixa", R"({"CaracteristicaCC": 300})", "", "registro.CaracteristicaCC: 300 is out of range 0..255"},
        {"casas demais", R"({"PercentualEficiencia": "1.23456"})", "", "more than four decimal places"},
        {"texto longo", R"({"Codigo": "12345678901"})", "", "registro.Codigo: text of 11 bytes does not fit (at most 10)"},
        {"fora do 1252", R"({"Descricao": "日本"})", "", "registro.Descricao: character U+65E5 has no code page 1252 byte"},
        {"quantidade", R"({"QuantidadeConta": 2})", "", "is the count of list \"Conta\"; give the list itself"},
        {"lista nao array", R"({"Conta": {}})", "", "registro.Conta: expected an array, got object"},
        {"sintaxe", "{", "", "parse error"},
        {"classe desconhecida", "", "layout CNXDadosGC_Nada", "unknown class \"CNXDadosGC_Nada\""},
        {"arquivo inexistente", "", "dump '" + Arquivo("nao-existe") + "'", "cannot read"},
        {"arquivo ruim", "", "dump '" + Arquivo("lixo.nxgc") + "'", "not a packed record tree (wrong magic number)"},
        {"arquivo curto", "", "dump '" + Arquivo("curto.nxgc") + "'", "truncated: 8 bytes"},
        {"sem argumento", "", "pack CNXDadosGC_CentroCustos", "required"},
        {"sem comando", "", "", "subcommand"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const std::string documento = R"({"classe": "CNXDadosGC_CentroCustos", "registro": )" + caso.registro + "}";
        const Resultado r = caso.registro.empty() ? Executar(caso.argumentos) : Pack("CNXDadosGC_CentroCustos", documento);
        EXPECT_NE(r.status, 0);
        EXPECT_EQ(r.saida, "");
        EXPECT_NE(r.erros.find(caso.mensagem), std::string::npos) << r.erros;
    }
}

TEST(Nxgc, AjudaEmCadaComando) {
    for (const char* comando : {"", "classes", "layout", "schema", "dump", "pack", "demo"}) {
        const Resultado r = Executar(std::string(comando) + " --help");
        EXPECT_EQ(r.status, 0) << comando;
        EXPECT_NE(r.saida.find("Usage:"), std::string::npos) << comando << r.saida;
    }
}

}  // namespace
