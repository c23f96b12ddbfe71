// A receiver: reads the production costs that remetente.cpp writes, one tree at a time, from
// standard input (a pipe, a socket), with memory bounded by the largest tree; every tree is
// checked before it is used. Exits 0 when it received as many as its argument says, each intact.
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "NXLDadosGC/NXLDadosGC.h"

int main(int argc, char** argv) {
    const std::size_t esperados = argc > 1 ? static_cast<std::size_t>(std::atoi(argv[1])) : 3;
    tagCY total{};
    try {
        NXDadosGC::LeitorPacotes leitor(0, "standard input");  // descriptor 0: standard input
        while (leitor.Proximo()) {
            // ErroEmpacotamento, naming the stream's byte, for anything but a production cost.
            const auto custo = leitor.Desempacotar<CNXDadosGC_CustoProducao>();
            std::printf("custo %u (byte %llu): %s\n", static_cast<unsigned>(custo->GetChave()),
                        static_cast<unsigned long long>(leitor.Inicio()),
                        NXDadosGC::TextoDeCY(custo->GetTotalCustoTerceirizacoes()).c_str());
            total = Soma(total, custo->GetTotalCustoTerceirizacoes());
        }
        std::printf("%zu custos, total %s\n", leitor.Lidos(), NXDadosGC::TextoDeCY(total).c_str());
        return leitor.Lidos() == esperados ? 0 : 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "destinatario: %s\n", e.what());
        return 1;
    }
}
