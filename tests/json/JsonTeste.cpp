// The JSON form: exact round trips over every class, the text of each field kind, what reading
// accepts and refuses, and memory running out.
#include "NXLDadosGC/json/Json.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <random>
#include <sstream>

#include <nlohmann/json.hpp>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Alocacoes.h"
#include "support/Arvore.h"

namespace {

using NXDadosGC::InfoClasse;

std::string Escrever(const NXDadosGC::ArvoreVerificada& arvore) {
    std::ostringstream s;
    NXDadosGC::ParaJson(arvore, s);
    return s.str();
}

// Random trees of every class (bytes after texts, odd dates and gaps included) go to text and
// back to the same bytes along every path; the text is laid out as the JSON library would.
TEST(Json, IdaEVoltaExataEmCadaClasse) {
    std::mt19937 rng(7);
    for (const InfoClasse* info : NXDadosGC::Classes()) {
        SCOPED_TRACE(info->nome);
        for (int i = 0; i < 4; ++i) {
            teste::Registro reg(*info);
            teste::PreencherAleatorio(*info, reg.dados(), rng, {.completa = i % 2 == 0});
            const std::vector<std::byte> pacote = NXDadosGC::EmpacotarRegistro(*info, reg.dados());
            info->liberarCopiarParaPS(reg.dados());

            const std::string texto = Escrever(NXDadosGC::Verificar(pacote));
            EXPECT_EQ(texto, nlohmann::ordered_json::parse(texto).dump(2) + "\n");
            EXPECT_EQ(NXDadosGC::PacoteDeJson(texto), pacote);
            const std::unique_ptr<TNXBaseParaDados> objeto = NXDadosGC::DeJson(texto, *info);
            EXPECT_EQ(NXDadosGC::Empacotar(*objeto), pacote);
            EXPECT_EQ(NXDadosGC::ParaJson(*objeto), texto);
        }
        const std::string modelo = NXDadosGC::ModeloJson(*info);
        const std::vector<std::byte> pacote = NXDadosGC::PacoteDeJson(modelo, info);
        const NXDadosGC::ArvoreVerificada arvore = NXDadosGC::Verificar(pacote);
        EXPECT_EQ(Escrever(arvore), modelo);
        teste::Registro cheio(*info);  // the template's shape: one element in every list and holder, at every level
        teste::PreencherAleatorio(*info, cheio.dados(), rng, {.maxElementos = 1, .profundidade = 64, .completa = true});
        EXPECT_EQ(arvore.Blocos(), 1 + static_cast<std::size_t>(teste::Blocos(*info, cheio.dados())));
        info->liberarCopiarParaPS(cheio.dados());
    }
}

// The text of a record, pinned: read, then written back byte for byte. (Dates, numbers, lists
// of numbers, holders and member keys are rows of the next table.)
TEST(Json, TextoDeUmRegistro) {
    const char* const documento = R"({
  "classe": "CNXDadosGC_CentroCustos",
  "registro": {
    "PercentualEficiencia": "-922337203685477.5808",
    "Posicao": 17,
    "PonteiroFilial": 3,
    "CaracteristicaCC": 1,
    "Inativo": 0,
    "Codigo": "\"\\\t\u0001",
    "Descricao": {
      "texto": "ç€",
      "bytes": "e78000580000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
    },
    "Conta": [
      {
        "ValorRateio": "60.0000",
        "PonteiroContaContabil": 3101,
        "PonteiroContaGerencial": 51,
        "ValorDiferenciado": 0,
        "Lacuna17": "00000000000001"
      }
    ],
    "Produtivo": []
  }
}
)";
    EXPECT_EQ(NXDadosGC::ParaJson(*NXDadosGC::DeJson(documento)), documento);
}

// What people write besides the written form: each row's field comes back in the written form.
TEST(Json, FormasAceitasNaLeitura) {
    const struct {
        const char* classe;
        const char* registro;
        const char* campo;
        const char* escrito;
    } casos[] = {
        {"CNXDadosGC_CustoProducaoEntrada", R"({"DmaHmsMovimento": "2018-04-09T10:30:15-03:00"})", "DmaHmsMovimento",
         R"({"valor": "0x00f574014047fbb7", "data": "2018-04-09T10:30:15-03:00"})"},
        {"CNXDadosGC_CustoProducaoEntrada", R"({"DmaHmsMovimento": {"data": "2018-04-09T13:30:15Z"}})", "DmaHmsMovimento",
         R"({"valor": "0x00000001404825e7", "data": "2018-04-09T13:30:15+00:00"})"},
        {"CNXDadosGC_CustoProducaoEntrada", R"({"DmaHmsMovimento": {"valor": "0X00F574014047FBB7"}})", "DmaHmsMovimento",
         R"({"valor": "0x00f574014047fbb7", "data": "2018-04-09T10:30:15-03:00"})"},
        {"CNXDadosGC_CustoProducaoEntrada", R"({"DmcOrdemProducao": "0A0B0C0D0E0F1011"})", "DmcOrdemProducao",
         R"("0a0b0c0d0e0f1011")"},
        {"CNXDadosGC_CustoProducaoResultado", R"({"MaCompetencia": 2044})", "MaCompetencia", R"({"valor": 2044, "data": "2018-04"})"},
        {"CNXDadosGC_CustoProducaoResultado", R"({"MaCompetencia": "2018-04"})", "MaCompetencia", R"({"valor": 2044, "data": "2018-04"})"},
        {"CNXDadosGC_CustoProducaoResultado", R"({"MaCompetencia": {"valor": 2044, "data": "2018-04"}})", "MaCompetencia",
         R"({"valor": 2044, "data": "2018-04"})"},
        {"CNXDadosGC_CustoProducaoResultado", R"({})", "Entrada", "null"},
        {"CNXDadosGC_CustoProducaoResultado", R"({"QuantProduzida": "-0.5"})", "QuantProduzida", R"("-0.5000")"},
        {"CNXDadosGC_FiltroRentabilidade", R"({"DmaInicial": "2018-04-09"})", "DmaInicial", R"({"valor": 62192, "data": "2018-04-09"})"},
        {"CNXDadosGC_FiltroRentabilidade", R"({"DmaFinal": 1048248})", "DmaFinal", R"({"valor": 1048248})"},  // no valid day
        {"CNXDadosGC_FiltroRentabilidade", R"({"PonteiroCliente": [7, 4294967295]})", "PonteiroCliente", "[7, 4294967295]"},
        {"CNXDadosGC_FiltroRentabilidade", R"({})", "PonteiroCliente", "[]"},
        {"CNXDadosGC_CentroCustos", R"({"Codigo": {"bytes": "4100420000000000000000"}})", "Codigo",
         R"({"texto": "A", "bytes": "4100420000000000000000"})"},
        {"CNXDadosGC_KeyCustoProducao", R"({"KeyProdutoServico": {"PosicaoProdutoServico": "000102030405060708090A0B0C0D0E0F"}})",
         "KeyProdutoServico", R"({"PosicaoProdutoServico": "000102030405060708090a0b0c0d0e0f", "TipoProdutoServico": 0})"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.registro);
        const std::string documento = std::string(R"({"classe": ")") + caso.classe + R"(", "registro": )" + caso.registro + "}";
        const auto escrito = nlohmann::json::parse(NXDadosGC::ParaJson(*NXDadosGC::DeJson(documento)));
        EXPECT_EQ(escrito["registro"][caso.campo], nlohmann::json::parse(caso.escrito));
    }
    // Elements of one list giving their keys in other orders (two names of one length among
    // them), or leaving some out: each value lands in its own field.
    const auto custo = NXDadosGC::DeJson(R"({"classe": "CNXDadosGC_CustoProducao", "registro": {"Resultado": [
        {"CustoTotalHoras": "1", "CustoUnitarioV8": "2"}, {"CustoUnitarioV8": "3", "CustoTotalHoras": "4"},
        {"CustoTotal": "5", "CustoTotalHoras": "6"}, {"CustoTotalHoras": "7", "CustoUnitarioV8": "8"}]}})");
    const auto resultados = nlohmann::json::parse(NXDadosGC::ParaJson(*custo))["registro"]["Resultado"];
    const char* esperados[][3] = {{"1", "2", "0"}, {"4", "3", "0"}, {"6", "0", "5"}, {"7", "8", "0"}};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(resultados[i]["CustoTotalHoras"], std::string(esperados[i][0]) + ".0000") << i;
        EXPECT_EQ(resultados[i]["CustoUnitarioV8"], std::string(esperados[i][1]) + ".0000") << i;
        EXPECT_EQ(resultados[i]["CustoTotal"], std::string(esperados[i][2]) + ".0000") << i;
    }
}

// A last member of just over 1 MiB, which makes a document large: one long string, or many
// small numbers.
constexpr std::size_t kGrande = (std::size_t{1} << 20) + 4096;
const std::string& Longa() {
    static const std::string s = R"(, "longo": ")" + std::string(kGrande, 'a') + "\"";
    return s;
}
const std::string& Densa() {
    static const std::string s = [] {
        std::string d = R"(, "longo": [1)";
        for (std::size_t i = 0; i < kGrande / 2; ++i) d += ",1";
        return d + "]";
    }();
    return s;
}

TEST(Json, DocumentosRecusadosComCaminho) {
    const struct {
        const char* classe;  // null: `registro` is the whole document
        const char* registro;
        const char* caminho;
        const char* motivo;
    } casos[] = {
        {"CNXDadosGC_CentroCustos", R"({"Conta": [{}, {"Nada": 1}]})", "registro.Conta[1].Nada", "unknown field of CNXDadosGC_CentroCustosConta"},
        {"CNXDadosGC_CentroCustos", R"({"PercentualEficiencia": 92.5})", "registro.PercentualEficiencia",
         "expected a decimal string like \"12.3400\", got number"},
        {"CNXDadosGC_CentroCustos", R"({"PercentualEficiencia": "1.23456"})", "registro.PercentualEficiencia",
         "\"1.23456\" is not a currency value: more than four decimal places"},
        {"CNXDadosGC_CentroCustos", R"({"CaracteristicaCC": 300})", "registro.CaracteristicaCC", "300 is out of range 0..255"},
        {"CNXDadosGC_CentroCustos", R"({"Posicao": 99999999999999999999})", "registro.Posicao", "expected an integer, got number"},
        {"CNXDadosGC_CentroCustos", R"({"Codigo": "12345678901"})", "registro.Codigo", "text of 11 bytes does not fit (at most 10)"},
        {"CNXDadosGC_CentroCustos", R"({"Codigo": "a\u0000b"})", "registro.Codigo", "a text cannot hold a zero character"},
        {"CNXDadosGC_CentroCustos", R"({"Codigo": {"texto": "B", "bytes": "4100000000000000000000"}})", "registro.Codigo",
         "\"texto\" and \"bytes\" disagree"},
        {"CNXDadosGC_CentroCustos", R"({"Codigo": {"bytes": "4141414141414141414141"}})", "registro.Codigo.bytes",
         "the last byte of a text field must be zero"},
        {"CNXDadosGC_CentroCustos", R"({"QuantidadeConta": 2})", "registro.QuantidadeConta",
         "is the count of list \"Conta\"; give the list itself"},
        {"CNXDadosGC_CentroCustos", R"({"Conta": {}})", "registro.Conta", "expected an array, got object"},
        {"CNXDadosGC_CentroCustos", R"({"Conta": [{"ValorRateio": "1", "ValorRateio": "2"}]})", "registro.Conta[0].ValorRateio",
         "duplicate key"},
        {"CNXDadosGC_CustoProducaoResultado", R"({"MaCompetencia": {"valor": 2044, "data": "2018-05"}})", "registro.MaCompetencia",
         "\"valor\" 2044 and \"data\" \"2018-05\" disagree"},
        {"CNXDadosGC_CustoProducaoResultado", R"({"MaCompetencia": "2018-13"})", "registro.MaCompetencia",
         "\"2018-13\" is not a valid date like \"2018-04\""},
        {"CNXDadosGC_CustoProducaoResultado", R"({"MaCompetencia": {"dia": 1}})", "registro.MaCompetencia.dia", "unknown key"},
        {"CNXDadosGC_CustoProducaoResultado", R"({"Entrada": []})", "registro.Entrada", "expected an object or null, got array"},
        {"CNXDadosGC_CustoProducaoEntrada", R"({"DmaHmsMovimento": {"valor": 5}})", "registro.DmaHmsMovimento.valor",
         "expected a hex string"},
        {"CNXDadosGC_MatrizRateioConta", R"({"Lacuna28": "0000000G"})", "registro.Lacuna28", "\"0000000G\" is not hex"},
        {nullptr, R"({"classe": "CNXDadosGC_CentroCustos"})", "registro", "missing"},
        {nullptr, R"({"registro": {}})", "classe", "missing"},
        {nullptr, R"({"classe": "CNXDadosGC_Nada", "registro": {}})", "classe", "unknown class \"CNXDadosGC_Nada\""},
        {nullptr, R"({"classe": "CNXDadosGC_CentroCustos", "registro": {}, "extra": 1})", "extra", "unknown key"},
        {nullptr, R"([])", "(document)", "expected an object, got array"},
        {nullptr, R"({)", "(document)", "parse error at line 1, column 2"},
        // After a text read in place, what follows is still looked at.
        {"CNXDadosGC_CentroCustos", R"({"Codigo": "tivo": 2 ]})", "(document)",
         "parse error at line 1, column 68: syntax error while parsing object - unexpected ':'"},
    };
    auto refusal = [](const std::string& documento) {
        try {
            NXDadosGC::DeJson(documento);
        } catch (const NXDadosGC::ErroJson& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    // Each row also followed by a large last member, one long string, or of many small numbers: a large text
    // refused for a value is told the same way, however its well-formedness is confirmed.
    const std::string &longa = Longa(), &densa = Densa();
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.registro);
        const std::string documento =
            caso.classe ? std::string(R"({"classe": ")") + caso.classe + R"(", "registro": )" + caso.registro : caso.registro;
        const std::string esperado = std::string(caso.caminho) + ": " + caso.motivo;
        EXPECT_NE(refusal(documento + (caso.classe ? "}" : "")).find(esperado), std::string::npos);
        for (const std::string* depois : {&longa, &densa}) {
            if (caso.classe) {
                EXPECT_NE(refusal(documento + *depois + "}").find(esperado), std::string::npos);
            }
        }
    }
    // ... and what is not well formed after them still comes first.
    for (const std::string* depois : {&longa, &densa}) {
        const std::string antes = R"({"classe": "CNXDadosGC_CentroCustos", "registro": {"Nada": 1})" + *depois;
        EXPECT_EQ(refusal(antes + R"(, "x" 1})"),
                  "(document): parse error at line 1, column " + std::to_string(antes.size() + 7) +
                      ": syntax error while parsing object separator - unexpected number literal; expected ':'");
        EXPECT_EQ(refusal(antes + R"(, "longo": 1})"), "longo: duplicate key");
    }
    // A reader that expects a class refuses a document of another: the typed one here, the one
    // nxgc pack uses with the message in the tool's test.
    EXPECT_THROW(NXDadosGC::DeJson<CNXDadosGC_MatrizRateio>(NXDadosGC::ModeloJson(*NXDadosGC::ClassePorNome("CNXDadosGC_CentroCustos"))),
                 NXDadosGC::ErroJson);
    // A text field without its zero, which only CopiarDe of a malformed record puts in an object.
    _REG_GC_CENTRO_CUSTOSPS reg{};
    std::memset(reg.Codigo, 'A', sizeof reg.Codigo);
    CNXDadosGC_CentroCustos centro;
    centro.CopiarDe(&reg);
    EXPECT_THROW(NXDadosGC::ParaJson(centro), std::invalid_argument);
}

// Memory running out anywhere in reading or writing is std::bad_alloc, and nothing leaks.
// Several documents one after another: each a tree, in order; a refused one stops the reading,
// named by its number. A large text nested too deep is refused as a small one is.
TEST(Json, VariosDocumentos) {
    const std::string um = NXDadosGC::ModeloJson(*NXDadosGC::ClassePorNome("CNXDadosGC_CentroCustos"));
    const std::string profundo = R"({"classe": "CNXDadosGC_CentroCustos", "registro": {"Conta": )" +
                                 std::string(std::size_t{3} << 19, '[') + "]}}";
    std::string caminho = "registro.Conta";
    for (int i = 0; i < 62; ++i) caminho += "[0]";
    const std::string nada = R"({"classe": "CNXDadosGC_CentroCustos", "registro": {"Nada": 1})";
    const std::string &longa = Longa(), &densa = Densa();
    // Its record first, then 1.1 MB of accounts, then its class.
    std::string adiado = R"({"registro": {"Conta": [{})";
    for (int i = 0; i < 360000; ++i) adiado += ",{}";
    adiado += R"(]}, "classe": "CNXDadosGC_CentroCustos"})";
    const struct {
        std::string texto;
        std::size_t arvores;
        std::string erro;
    } kCasos[]{
        {um + "\n" + um + um, 3, ""},
        {um + nada + "}", 1,
         "document 2: registro.Nada: unknown field of CNXDadosGC_CentroCustos"},
        {profundo, 0, caminho + ": nested deeper than 64 levels"},
        {um + profundo, 1, "document 2: " + caminho + ": nested deeper than 64 levels"},
        {um + nada + longa + "}" + um, 1, "document 2: registro.Nada: unknown field of CNXDadosGC_CentroCustos"},
        {um + nada + longa + R"(, "longo": 1})" + um, 1, "document 2: longo: duplicate key"},
        {nada + densa + "} ", 0, "registro.Nada: unknown field of CNXDadosGC_CentroCustos"},
        {nada + densa + R"(, "longo": 1})", 0, "longo: duplicate key"},
        {adiado, 1, ""},
        {nada + densa + R"(} {"classe": ")" + "\x01\"}", 0,
         "(document): Within strings, some characters must be escaped, we found unescaped characters"},
    };
    for (const auto& c : kCasos) {
        std::size_t arvores = 0;
        std::string erro;
        try {
            NXDadosGC::PacotesDeJson(c.texto, [&](std::span<const std::byte> pacote) {
                EXPECT_EQ(NXDadosGC::Verificar(pacote).Classe().nome, std::string_view("CNXDadosGC_CentroCustos"));
                ++arvores;
            });
        } catch (const NXDadosGC::ErroJson& e) {
            erro = e.what();
        }
        EXPECT_EQ(arvores, c.arvores) << c.erro;
        EXPECT_EQ(erro, c.erro);
    }
    EXPECT_THROW(NXDadosGC::DeJson(profundo), NXDadosGC::ErroJson);
    // A large text of one document, which the stream reader lets go of before packing: the tree
    // of the reader of one document.
    std::vector<std::byte> so;
    NXDadosGC::PacotesDeJson(adiado, [&](std::span<const std::byte> p) { so.assign(p.begin(), p.end()); });
    EXPECT_EQ(so, NXDadosGC::PacoteDeJson(adiado));
}

// Texts under each code page: a field's bytes, the document's text for them (the object form
// where the characters alone would not give the bytes back), and the way back to the same bytes.
TEST(Json, TextosEmCadaPagina) {
    using namespace std::string_literals;
    const struct {
        int pagina;
        std::string bytes;  // of the field Codigo (10 bytes at most)
        std::string json;   // its value in the document
    } kCasos[]{
        {1252, "A\xE7\x80\x81", R"("Aç€\u0081")"},
        {932, "\x93\xFA\x96\x7B", R"("日本")"},
        {936, "\xD6\xD0\x80", R"("中€")"},
        {949, "\xC7\xD1", R"("한")"},
        {950, "\xA4\xA4\xC6\xA1", "\"中\uf6b1\""s},
        {932, "AB\x93", R"({"texto": "AB", "bytes": "4142930000000000000000"})"},  // a lead byte alone
        {932, "\x87\x90", R"({"texto": "≒", "bytes": "8790000000000000000000"})"},    // ≒ is written 81E0
    };
    for (const auto& c : kCasos) {
        SCOPED_TRACE(std::to_string(c.pagina) + " " + c.json);
        _REG_GC_CENTRO_CUSTOSPS reg{};
        std::memcpy(reg.Codigo, c.bytes.data(), c.bytes.size());
        CNXDadosGC_CentroCustos centro;
        centro.CopiarDe(&reg);
        const NXDadosGC::OpcoesJson opcoes{c.pagina};
        const std::string documento = NXDadosGC::ParaJson(centro, opcoes);
        EXPECT_EQ(nlohmann::ordered_json::parse(documento)["registro"]["Codigo"], nlohmann::ordered_json::parse(c.json));
        EXPECT_TRUE(*NXDadosGC::DeJson<CNXDadosGC_CentroCustos>(documento, opcoes) == centro);
    }
    // A character the chosen page lacks is refused with its path.
    EXPECT_EQ(NXTeste::Mensagem<NXDadosGC::ErroJson>([] {
                  NXDadosGC::DeJson<CNXDadosGC_CentroCustos>(
                      R"({"classe": "CNXDadosGC_CentroCustos", "registro": {"Codigo": "€"}})", {932});
              }),
              "registro.Codigo: character U+20AC has no code page 932 byte");
}

TEST(Json, FaltaDeMemoriaViraBadAlloc) {
    const std::string texto = NXDadosGC::ModeloJson(*NXDadosGC::ClassePorNome("CNXDadosGC_CustoProducao"));
    const std::unique_ptr<TNXBaseParaDados> objeto = NXDadosGC::DeJson(texto);
    const std::function<void()> operacoes[] = {[&] { NXDadosGC::DeJson(texto); }, [&] { NXDadosGC::ParaJson(*objeto); }};
    for (const auto& operacao : operacoes) {
        NXTeste::VigiaAlocacoes vigia;
        EXPECT_GT(NXTeste::ContarFalhas<std::bad_alloc>(operacao, [](int) {}), 10);
    }
}

}  // namespace
