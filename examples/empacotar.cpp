// Packing: an allocation matrix (accounts spread over cost centres, a support centre spread over
// productive ones) written to a file as one self-contained buffer, read back into an object and
// compared. A damaged copy of the file is refused with an error that says where.
#include <cstddef>
#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {


CNXDadosGC_MatrizRateio Matriz() {
    CNXDadosGC_MatrizRateio m;
    m.SetMaCompetencia(MontaMa(4, 2018)).SetPonteiroFilial(3);
    CNXDadosGC_MatrizRateioConta conta;
    conta.SetPonteiroContaContabil(3101).SetTotalRateio(NXDadosGC::CYDeTexto("1000"));
    CNXDadosGC_MatrizRateioCentroCustos centro;
    centro.SetPonteiroCentroCustos(17).SetCaracteristicaCentroCustos(1).SetValorRateio(NXDadosGC::CYDeTexto("600"));
    conta.AdicionaCentroCustos(centro);
    centro.SetPonteiroCentroCustos(18).SetValorRateio(NXDadosGC::CYDeTexto("400"));
    conta.AdicionaCentroCustos(centro);
    m.AdicionaConta(conta);

    CNXDadosGC_MatrizRateioCentroCustosApoio apoio;
    apoio.SetPonteiroCentroCustos(30).SetCaracteristicaCentroCustos(0).SetTotalRateio(NXDadosGC::CYDeTexto("250"));
    CNXDadosGC_MatrizRateioCentroCustosProdutivo produtivo;
    produtivo.SetPonteiroCentroCustos(17)
        .SetValorRateio(NXDadosGC::CYDeTexto("250"))
        .SetCustoFixo(NXDadosGC::CYDeTexto("100"))
        .SetCustoVariavel(NXDadosGC::CYDeTexto("150"));
    apoio.AdicionaCentroCustosProdutivo(produtivo);
    m.AdicionaCentroCustosApoio(apoio);
    return m;
}

bool Gravar(const std::string& caminho, const std::vector<std::byte>& bytes) {
    std::ofstream arquivo(caminho, std::ios::binary);
    arquivo.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(arquivo);
}

std::vector<std::byte> Ler(const std::string& caminho) {
    std::ifstream arquivo(caminho, std::ios::binary);
    const std::vector<char> texto{std::istreambuf_iterator<char>(arquivo), std::istreambuf_iterator<char>()};
    const auto* inicio = reinterpret_cast<const std::byte*>(texto.data());
    return {inicio, inicio + texto.size()};
}

}  // namespace

int main(int argc, char** argv) {
    const std::string caminho = argc > 1 ? argv[1] : "matriz.nxgc";
    const CNXDadosGC_MatrizRateio matriz = Matriz();
    try {
        if (!Gravar(caminho, NXDadosGC::Empacotar(matriz))) {
            std::fprintf(stderr, "cannot write %s\n", caminho.c_str());
            return 1;
        }
        std::vector<std::byte> bytes = Ler(caminho);
        std::printf("%s: %zu bytes\n", caminho.c_str(), bytes.size());

        // The file names its class; DesempacotarEm fills an object of the class expected and
        // refuses a buffer of any other.
        CNXDadosGC_MatrizRateio lida;
        NXDadosGC::DesempacotarEm(lida, bytes);
        const bool igual = lida == matriz;
        std::printf("read back %s\n", igual ? "equal" : "DIFFERENT");

        // Untrusted bytes: every check runs before anything is built, and a fault is an
        // ErroEmpacotamento (a std::exception) naming the byte, class and field.
        bytes[bytes.size() - 1] ^= std::byte{0x01};
        try {
            NXDadosGC::DesempacotarEm(lida, bytes);
            std::printf("a damaged copy was accepted\n");
            return 1;
        } catch (const NXDadosGC::ErroEmpacotamento& e) {
            std::printf("damaged copy: %s\n", e.what());
        }
        std::printf("%s\n", igual ? "ok" : "FALHOU");
        return igual ? 0 : 1;
    } catch (const std::exception& e) {  // files, packed buffers
        std::fprintf(stderr, "%s\n", e.what());
    } catch (CException* e) {  // the framework's: memory while copying objects
        std::fprintf(stderr, "%s\n", e->GetMensagem());
        e->Delete();
    }
    return 1;
}
