// The reader that writes a tree straight into a file as it reads the document, held to the
// reader that builds the tree in memory: the same bytes for every class's random trees, written
// in any key order; the same refusals; nothing written where it has any doubt; and through
// PacotesDeJson into a file, the same trees and refusals again.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <variant>

#include <nlohmann/json.hpp>

#include "Interno.h"  // GravarPacoteContinuo
#include "NXLDadosGC/NXLDadosGC.h"
#include "NXLDadosGC/json/Json.h"
#include "support/Arvore.h"

namespace {

namespace fs = std::filesystem;
using NXDadosGC::ArquivoAtomico;
using NXDadosGC::InfoClasse;

// A file of the test's own, gone with it.
struct Arquivo {
    fs::path caminho = fs::temp_directory_path() / ("nxgc_continuo_" + std::to_string(::getpid()));
    ~Arquivo() { fs::remove(caminho); }
    std::vector<std::byte> Bytes() const {
        std::ifstream f(caminho, std::ios::binary);
        const std::string s((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        const auto* p = reinterpret_cast<const std::byte*>(s.data());
        return {p, p + s.size()};
    }
};

// What GravarPacoteContinuo makes of `documento`: the packed tree it writes, "declined" (having
// written nothing) or the refusal's message.
using Resultado = std::variant<std::vector<std::byte>, std::string>;

Resultado Continuo(const std::string& documento,
                                                            const InfoClasse* exigida = nullptr) {
    Arquivo a;
    ArquivoAtomico arquivo(a.caminho);
    try {
        if (!NXDadosGC::json::GravarPacoteContinuo(documento, exigida, 0, arquivo)) {
            arquivo.Concluir();
            EXPECT_EQ(fs::file_size(a.caminho), 0u);
            return "declined";
        }
    } catch (const NXDadosGC::ErroJson& e) {
        return e.what();
    }
    arquivo.Concluir();
    return a.Bytes();
}

// The same from the reader in memory.
Resultado EmMemoria(const std::string& documento,
                                                             const InfoClasse* exigida = nullptr) {
    try {
        return NXDadosGC::PacoteDeJson(documento, exigida);
    } catch (const NXDadosGC::ErroJson& e) {
        return e.what();
    }
}

// Random trees of every class, as written and with every object's keys in alphabetical order
// (children before fields, lists after the fields that follow their slots), and each class's
// template, also with its record before its class: the bytes the reader in memory packs.
TEST(JsonContinuo, IgualAoLeitorEmMemoria) {
    std::mt19937 rng(11);
    for (const InfoClasse* info : NXDadosGC::Classes()) {
        SCOPED_TRACE(info->nome);
        for (int i = 0; i < 3; ++i) {
            teste::Registro reg(*info);
            teste::PreencherAleatorio(*info, reg.dados(), rng, {.completa = i != 1});
            const std::vector<std::byte> pacote = NXDadosGC::EmpacotarRegistro(*info, reg.dados());
            info->liberarCopiarParaPS(reg.dados());
            std::ostringstream texto;
            NXDadosGC::ParaJson(NXDadosGC::Verificar(pacote), texto);
            EXPECT_EQ(Continuo(texto.str()), Resultado(pacote));
            EXPECT_EQ(Continuo(nlohmann::json::parse(texto.str()).dump(), info), Resultado(pacote));
        }
        const std::string modelo = NXDadosGC::ModeloJson(*info);
        EXPECT_EQ(Continuo(modelo), EmMemoria(modelo));
        // The record before its class.
        const auto lido = nlohmann::ordered_json::parse(modelo);
        nlohmann::ordered_json invertido;
        invertido["registro"] = lido["registro"];
        invertido["classe"] = lido["classe"];
        EXPECT_EQ(Continuo(invertido.dump()), EmMemoria(modelo));
    }
}

// Documents refused: the refusal of the reader in memory, path and reason, what is not well
// formed before any value; and the two things this reader leaves to that one.
TEST(JsonContinuo, RecusasDoLeitorEmMemoria) {
    const auto documento = [](const std::string& classe, const std::string& registro) {
        return R"({"classe": "CNXDadosGC_)" + classe + R"(", "registro": )" + registro + "}";
    };
    const std::vector<std::string> casos = {
        documento("CentroCustos", R"({"Conta": [{}, {"Nada": 1}]})"),
        documento("CentroCustos", R"({"Nada": 1, "Nada": 2})"),  // a key twice comes before a key unknown
        documento("CentroCustos", R"({"Nada": 1, "Codigo": "A" "x"})"),  // and what is not well formed
        documento("CentroCustos", R"({"Codigo": "tivo": 2 ]})"),
        documento("CentroCustos", R"({"PercentualEficiencia": 92.5})"),
        documento("CentroCustos", R"({"PercentualEficiencia": "1.23456"})"),
        documento("CentroCustos", R"({"CaracteristicaCC": 300})"), documento("CentroCustos", R"({"CaracteristicaCC": -1})"),
        documento("CentroCustos", R"({"CaracteristicaCC": true})"), documento("CentroCustos", R"({"CaracteristicaCC": null})"),
        documento("CentroCustos", R"({"Posicao": 99999999999999999999})"), documento("CentroCustos", R"({"Posicao": 18446744073709551615})"),
        documento("CentroCustos", R"({"Codigo": "12345678901"})"), documento("CentroCustos", R"({"Codigo": "a\u0000b"})"),
        documento("CentroCustos", R"({"Codigo": "\udc00"})"), documento("CentroCustos", R"({"Codigo": 5})"),
        documento("CentroCustos", R"({"Codigo": {"texto": "B", "bytes": "4100000000000000000000"}})"),
        documento("CentroCustos", R"({"Codigo": {"texto": {"a": [1]}, "bytes": "4100000000000000000000"}})"),
        documento("CentroCustos", R"({"Codigo": {"bytes": "4141414141414141414141"}})"),
        documento("CentroCustos", R"({"Codigo": {"bytes": "41"}})"), documento("CentroCustos", R"({"Codigo": {"bytes": 7}})"),
        documento("CentroCustos", R"({"Codigo": {"texto": "A"}})"), documento("CentroCustos", R"({"Codigo": {"cor": 1}})"),
        documento("CentroCustos", R"({"QuantidadeConta": 2})"), documento("CentroCustos", R"({"pConta": 2})"),
        documento("CentroCustos", R"({"Conta": {}})"), documento("CentroCustos", R"({"Conta": [[]]})"),
        documento("CentroCustos", R"({"Conta": [{"ValorRateio": "1", "ValorRateio": "2"}]})"),
        documento("CentroCustos", "{}") + " x", documento("CentroCustos", "[]"),
        documento("CustoProducaoResultado", R"({"MaCompetencia": {"valor": 2044, "data": "2018-05"}})"),
        documento("CustoProducaoResultado", R"({"MaCompetencia": {"valor": 2044, "valor": 2044}})"),
        documento("CustoProducaoResultado", R"({"MaCompetencia": {}})"), documento("CustoProducaoResultado", R"({"MaCompetencia": "2018-13"})"),
        documento("CustoProducaoResultado", R"({"MaCompetencia": {"data": 7}})"),
        documento("CustoProducaoResultado", R"({"Entrada": []})"),
        documento("CustoProducaoEntrada", R"({"DmaHmsMovimento": {"valor": 5}})"),
        documento("CustoProducaoEntrada", R"({"DmaHmsMovimento": {"valor": "0xZ"}})"),
        documento("FiltroRentabilidade", R"({"PonteiroCliente": [7, 4294967296]})"),
        documento("FiltroRentabilidade", R"({"PonteiroCliente": ["7"]})"),
        documento("KeyCustoProducao", R"({"KeyProdutoServico": 1})"),
        documento("MatrizRateioConta", R"({"Lacuna28": "0000000G"})"),
        R"({"classe": "CNXDadosGC_CentroCustos", "classe": "CNXDadosGC_CentroCustos", "registro": {}})",
        R"({"classe": "CNXDadosGC_Nada", "registro": {}})", R"({"classe": 3, "registro": {}})",
        R"({"classe": "CNXDadosGC_CentroCustos"})", R"({"classe": "CNXDadosGC_CentroCustos", "registro": 1})",
        R"({"classe": "CNXDadosGC_CentroCustos", "registro": {}, "extra": 1})", "[]", "7", "{", "",
        // The record before its class: the class is looked up first.
        R"({"registro": {"Nada": 1}, "classe": "CNXDadosGC_CentroCustos"})", R"({"registro": {}, "classe": "CNXDadosGC_Nada"})",
        R"({"registro": {"Nada": 1}, "classe": 4})", R"({"registro": [{"a": 1}], "extra": 1})", R"({"registro": 5})",
        std::string(70, '[') + std::string(70, ']'), documento("CentroCustos", std::string(70, '[') + std::string(70, ']')),
    };
    for (const std::string& d : casos) {
        SCOPED_TRACE(d);
        const Resultado esperado = EmMemoria(d);
        ASSERT_TRUE(std::holds_alternative<std::string>(esperado));
        EXPECT_EQ(Continuo(d), esperado);
    }
    const InfoClasse* matriz = NXDadosGC::ClassePorNome("CNXDadosGC_MatrizRateio");
    const std::string centro = NXDadosGC::ModeloJson(*NXDadosGC::ClassePorNome("CNXDadosGC_CentroCustos"));
    EXPECT_EQ(Continuo(centro, matriz), EmMemoria(centro, matriz));
    // Left to the reader in memory: nesting too deep before any value is refused, what follows a
    // zero byte.
    for (const std::string& d : {documento("CentroCustos", R"({"Codigo": {"texto": )" + std::string(70, '[') + std::string(70, ']') + "}}"),
                                 documento("CentroCustos", "{}") + std::string(1, '\0')})
        EXPECT_EQ(Continuo(d), Resultado("declined")) << d;
}

// PacotesDeJson into a file: large documents dense in tokens, or whose tree outgrows the text,
// are written as they are read; what comes out, and what is refused and how, is what the reader
// in memory gives.
TEST(JsonContinuo, PacotesDeJsonEmArquivo) {
    // n elements of a list, the document left open after them.
    const auto lista = [](const char* classe, const char* nome, std::size_t n, const std::string& elemento) {
        std::string d = std::string(R"({"classe": ")") + classe + R"(", "registro": {"PonteiroFilial": 3, ")" + nome + R"(": [)";
        for (std::size_t i = 0; i < n; ++i) d += (i ? "," : "") + elemento;
        return d;
    };
    // 3 bytes for each 24-byte record; 33 bytes, mostly blank, for each 112-byte record.
    const std::string densa = lista("CNXDadosGC_CentroCustos", "Conta", 400000, "{}"),
                      esparsa = lista("CNXDadosGC_CustoProducao", "Resultado", 40000, "{" + std::string(30, ' ') + "}");
    const auto gravar = [](const std::string& texto) {
        Arquivo a;
        ArquivoAtomico arquivo(a.caminho);
        EXPECT_EQ(NXDadosGC::PacotesDeJson(texto, arquivo), 1u);
        arquivo.Concluir();
        return a.Bytes();
    };
    for (const std::string& d : {densa + "]}}", esparsa + "]}}"}) EXPECT_EQ(gravar(d), NXDadosGC::PacoteDeJson(d));
    const auto recusa = [](const std::function<void()>& ler) {
        try {
            ler();
        } catch (const NXDadosGC::ErroJson& e) {
            return std::string(e.what());
        }
        return std::string("accepted");
    };
    for (const std::string& d : {densa + R"(,{"Nada": 1}]}})", densa + "]}", esparsa + R"(,{"Nada": 1}]}})"}) {
        const std::string esperada = recusa([&] { NXDadosGC::PacoteDeJson(d); });
        EXPECT_NE(esperada, "accepted");
        Arquivo a;
        ArquivoAtomico arquivo(a.caminho);
        EXPECT_EQ(recusa([&] { NXDadosGC::PacotesDeJson(d, arquivo); }), esperada);
    }
}

}  // namespace
