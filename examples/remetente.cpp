// A sender: production costs of a period written one after another to standard output, as a
// server writes them to a pipe or a socket. Each packed tree carries its own length, so the
// receiver (destinatario.cpp) needs no framing of its own. Run: remetente 3 | destinatario 3
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "NXLDadosGC/NXLDadosGC.h"

int main(int argc, char** argv) {
    const int quantos = argc > 1 ? std::atoi(argv[1]) : 3;
    try {
        // One handler for every error of the library: the bridge turns the framework's
        // exceptions into standard ones.
        NXDadosGC::ComExcecoesPadrao([&] {
            for (int i = 1; i <= quantos; ++i) {
                CNXDadosGC_CustoProducao custo;
                custo.SetChave(static_cast<ULONG>(i))
                    .SetMaCompetencia(MontaMa(4, 2018))
                    .SetTotalCustoTerceirizacoes(NXDadosGC::CYDeTexto("1250.50"));
                NXDadosGC::EscreverPacote(1, custo);  // descriptor 1: standard output
            }
        });
    } catch (const std::exception& e) {
        std::fprintf(stderr, "remetente: %s\n", e.what());
        return 1;
    }
    return 0;
}
