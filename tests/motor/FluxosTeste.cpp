// Packed trees in streams and files: one table of streams whole, cut and hostile, read through an
// istream and through a pipe; files written whole or not at all.
#include "NXLDadosGC/motor/Fluxos.h"

#include <gtest/gtest.h>

#include <sys/stat.h>  // stat, chmod
#include <unistd.h>    // pipe, write, close

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Alocacoes.h"

namespace {

using NXDadosGC::ErroEmpacotamento;
using NXDadosGC::LeitorPacotes;
namespace fs = std::filesystem;

CNXDadosGC_CentroCustos Centro(ULONG posicao) {
    CNXDadosGC_CentroCustos c;
    c.SetPosicao(posicao).SetCodigo("CC");
    CNXDadosGC_CentroCustosConta conta;
    conta.SetPonteiroContaContabil(posicao * 10);
    c.AdicionaConta(conta);
    return c;
}

std::string Pacote(ULONG posicao) {
    const auto b = NXDadosGC::Empacotar(Centro(posicao));
    return std::string(reinterpret_cast<const char*>(b.data()), b.size());
}

// The trees a stream gives and the error that ends it, read through `leitor`.
struct Leitura {
    std::vector<ULONG> posicoes;
    std::string erro;
    std::uint64_t deslocamento = 0;
};
Leitura Ler(LeitorPacotes& leitor) {
    Leitura r;
    try {
        while (leitor.Proximo()) {
            const auto objeto = leitor.Desempacotar();
            r.posicoes.push_back(dynamic_cast<CNXDadosGC_CentroCustos&>(*objeto).GetPosicao());
        }
    } catch (const ErroEmpacotamento& e) {
        r.erro = e.what();
        r.deslocamento = e.Deslocamento();
    }
    return r;
}

// Through a pipe, written by another thread, so that reads come in pieces as from a socket.
Leitura LerPorPipe(const std::string& bytes) {
    int fds[2];
    EXPECT_EQ(pipe(fds), 0);
    std::thread escritor([&] {
        for (std::size_t i = 0; i < bytes.size(); i += 7)
            EXPECT_GT(write(fds[1], bytes.data() + i, std::min<std::size_t>(7, bytes.size() - i)), 0);
        close(fds[1]);
    });
    LeitorPacotes leitor(fds[0], "pipe");
    Leitura r = Ler(leitor);
    escritor.join();
    close(fds[0]);
    return r;
}

TEST(Fluxos, ArvoresEmSequencia) {
    const std::string um = Pacote(1), dois = Pacote(2);
    std::string hostil = Pacote(3);
    const std::uint64_t enorme = std::uint64_t{1} << 40;
    std::memcpy(hostil.data() + 16, &enorme, 8);
    const struct {
        const char* caso;
        std::string bytes;
        std::vector<ULONG> posicoes;
        std::uint64_t deslocamento;  // of the error, when `erro` is given
        const char* erro;
    } kCasos[]{
        {"whole", um, {1}, 0, nullptr},
        {"two trees", um + dois, {1, 2}, 0, nullptr},
        {"empty", "", {}, 0, nullptr},
        {"cut in the header", um + dois.substr(0, 10), {1}, um.size(),
         "truncated: 10 bytes, a header needs at least 40"},
        {"cut in a block", um + dois.substr(0, dois.size() - 5), {1}, um.size() + 16,
         "the header gives a length of"},
        {"hostile length", um + hostil, {1}, um.size() + 16, "more than the limit of 1073741824"},
        {"not a packed tree", std::string(64, '\0'), {}, 0, "wrong magic number"},
    };
    for (const auto& c : kCasos) {
        std::istringstream entrada(c.bytes);
        LeitorPacotes leitor(entrada, "standard input");
        for (const Leitura& r : {Ler(leitor), LerPorPipe(c.bytes)}) {
            EXPECT_EQ(r.posicoes, c.posicoes) << c.caso;
            if (!c.erro) {
                EXPECT_EQ(r.erro, "") << c.caso;
                continue;
            }
            EXPECT_EQ(r.deslocamento, c.deslocamento) << c.caso;
            EXPECT_NE(r.erro.find(c.erro), std::string::npos) << c.caso << ": " << r.erro;
            EXPECT_NE(r.erro.find("packed tree, byte " + std::to_string(c.deslocamento)), std::string::npos) << r.erro;
        }
    }
    // What a tree holds is checked with the stream's offsets too.
    std::string corrompido = um + dois;
    corrompido[um.size() + 12] ^= 1;  // the second tree's CRC
    std::istringstream entrada(corrompido);
    LeitorPacotes leitor(entrada, "entrada");
    const Leitura r = Ler(leitor);
    EXPECT_EQ(r.deslocamento, um.size() + 12);
    EXPECT_EQ(r.erro.rfind("entrada: packed tree, byte " + std::to_string(um.size() + 12), 0), 0u) << r.erro;
}

struct Temporario {
    fs::path dir = fs::temp_directory_path() / ("nxgc_fluxos_" + std::to_string(getpid()));
    Temporario() { fs::create_directories(dir); }
    ~Temporario() { fs::remove_all(dir); }
};

TEST(Fluxos, Arquivos) {
    Temporario t;
    const fs::path arquivo = t.dir / "centro.nxgc";
    NXDadosGC::EmpacotarArquivo(Centro(7), arquivo);
    EXPECT_EQ(NXDadosGC::DesempacotarArquivo<CNXDadosGC_CentroCustos>(arquivo)->GetPosicao(), 7u);

    // Replaced whole, keeping its permissions; nothing else is left in the directory.
    chmod(arquivo.c_str(), 0640);
    NXDadosGC::EmpacotarArquivo(Centro(8), arquivo);
    EXPECT_EQ(NXDadosGC::DesempacotarArquivo<CNXDadosGC_CentroCustos>(arquivo)->GetPosicao(), 8u);
    struct stat st {};
    stat(arquivo.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(std::distance(fs::directory_iterator(t.dir), fs::directory_iterator()), 1);

    // Refusals name the file.
    std::ofstream(arquivo, std::ios::app) << "x";
    EXPECT_THROW(NXDadosGC::DesempacotarArquivo(arquivo), ErroEmpacotamento);
    const std::string falta = NXTeste::Mensagem<std::system_error>(
        [&] { NXDadosGC::DesempacotarArquivo<CNXDadosGC_MatrizRateio>(t.dir / "nada.nxgc"); });
    EXPECT_NE(falta.find("nada.nxgc"), std::string::npos) << falta;
    EXPECT_THROW(NXDadosGC::GravarArquivo(t.dir / "falta" / "x.nxgc", {}), std::system_error);
    // Refused at its first bytes, not read to the end.
    EXPECT_EQ(NXTeste::Mensagem<ErroEmpacotamento>([] { NXDadosGC::DesempacotarArquivo("/dev/zero"); }),
              "/dev/zero: packed tree, byte 0: not a packed record tree (wrong magic number)");
}

// Parts written at their places, out of order: what lies between reads as zeros; a device has no
// places and takes none.
TEST(Fluxos, ArquivoGravadoEmLugares) {
    Temporario t;
    const auto bytes = [](std::string_view s) { return std::as_bytes(std::span(s.data(), s.size())); };
    {
        NXDadosGC::ArquivoAtomico a(t.dir / "lugares");
        EXPECT_TRUE(a.GravarEm(6, bytes("fgh")));
        EXPECT_TRUE(a.GravarEm(0, bytes("ab")));
        EXPECT_TRUE(a.GravarEm(3, bytes("d")));
        a.Concluir();
    }
    std::ifstream f(t.dir / "lugares", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(f), {}), std::string("ab\0d\0\0fgh", 9));
    NXDadosGC::ArquivoAtomico dispositivo("/dev/null");
    EXPECT_FALSE(dispositivo.GravarEm(0, bytes("x")));
}

}  // namespace
