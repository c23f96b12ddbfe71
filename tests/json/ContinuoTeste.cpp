// The reader that writes a tree straight into a file as it reads the document, held to the
// reader that builds the tree in memory: the same bytes for every class's random trees, written
// in any key order; nothing written where it has any doubt; and through PacotesDeJson into a
// file, the same trees and the same refusals as the reader in memory gives.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

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

// The packed tree GravarPacoteContinuo writes for `documento`; nullopt when it declines, after
// checking that it wrote nothing.
std::optional<std::vector<std::byte>> Continuo(const std::string& documento, const InfoClasse* exigida = nullptr) {
    Arquivo a;
    ArquivoAtomico arquivo(a.caminho);
    if (!NXDadosGC::json::GravarPacoteContinuo(documento, exigida, 0, arquivo)) {
        arquivo.Concluir();
        EXPECT_EQ(fs::file_size(a.caminho), 0u);
        return std::nullopt;
    }
    arquivo.Concluir();
    return a.Bytes();
}

// Random trees of every class, as written and with every object's keys in alphabetical order
// (children before fields, lists after the fields that follow their slots), and each class's
// template: the bytes the reader in memory packs.
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
            EXPECT_EQ(Continuo(texto.str()), pacote);
            EXPECT_EQ(Continuo(nlohmann::json::parse(texto.str()).dump(), info), pacote);
        }
        const std::string modelo = NXDadosGC::ModeloJson(*info);
        EXPECT_EQ(Continuo(modelo), NXDadosGC::PacoteDeJson(modelo));
    }
}

// Documents the reader in memory refuses, and a few it takes that this reader leaves to it.
TEST(JsonContinuo, DeixaAoLeitorEmMemoria) {
    const auto documento = [](const std::string& registro) {
        return R"({"classe": "CNXDadosGC_CentroCustos", "registro": )" + registro + "}";
    };
    const std::vector<std::string> casos = {
             documento(R"({"Conta": [{}, {"Nada": 1}]})"), documento(R"({"PercentualEficiencia": 92.5})"),
             documento(R"({"PercentualEficiencia": "1.23456"})"), documento(R"({"CaracteristicaCC": 300})"),
             documento(R"({"CaracteristicaCC": 1.0})"), documento(R"({"CaracteristicaCC": true})"),
             documento(R"({"Posicao": 99999999999999999999})"), documento(R"({"Codigo": "12345678901"})"),
             documento(R"({"Codigo": "a\u0000b"})"), documento(R"({"Codigo": "\udc00"})"),
             documento(R"({"Codigo": {"texto": "B", "bytes": "4100000000000000000000"}})"),
             documento(R"({"Codigo": {"bytes": "4141414141414141414141"}})"), documento(R"({"QuantidadeConta": 2})"),
             documento(R"({"Conta": {}})"), documento(R"({"Conta": [{"ValorRateio": "1", "ValorRateio": "2"}]})"),
             documento(R"({"Conta": [[]]})"), documento("{}") + " x", documento("{}") + std::string(1, '\0'),
             R"({"registro": {}, "classe": "CNXDadosGC_CentroCustos"})",  // taken, by the reader in memory
             R"({"classe": "CNXDadosGC_CentroCustos", "classe": "CNXDadosGC_CentroCustos", "registro": {}})",
             R"({"classe": "CNXDadosGC_Nada", "registro": {}})", R"({"classe": "CNXDadosGC_CentroCustos"})",
             R"({"classe": "CNXDadosGC_CentroCustos", "registro": {}, "extra": 1})", "[]", "{",
             R"({"classe": "CNXDadosGC_CustoProducaoResultado", "registro": {"MaCompetencia": {"valor": 2044, "data": "2018-05"}}})",
             R"({"classe": "CNXDadosGC_CustoProducaoResultado", "registro": {"Entrada": []}})",
             R"({"classe": "CNXDadosGC_CustoProducaoEntrada", "registro": {"DmaHmsMovimento": {"valor": 5}}})",
             R"({"classe": "CNXDadosGC_FiltroRentabilidade", "registro": {"PonteiroCliente": [4294967296]}})",
             std::string(70, '[') + std::string(70, ']')};
    for (const std::string& d : casos) {
        SCOPED_TRACE(d);
        EXPECT_EQ(Continuo(d), std::nullopt);
    }
    EXPECT_EQ(Continuo(NXDadosGC::ModeloJson(*NXDadosGC::ClassePorNome("CNXDadosGC_CentroCustos")),
                       NXDadosGC::ClassePorNome("CNXDadosGC_MatrizRateio")),
              std::nullopt);
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
