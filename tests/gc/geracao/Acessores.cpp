// Writes the source file named by its argument: one line per field with accessors, of every
// class in the library-wide list, naming its Get and Set. testes_gc compiles that file, so a
// field whose accessor line is missing or misnamed fails the build, naming class and field.
#include <cstdio>

#include "NXLDadosGC/NXLDadosGC.h"

int main(int argc, char** argv) {
    using NXDadosGC::TipoCampo;
    std::FILE* f = argc == 2 ? std::fopen(argv[1], "w") : nullptr;
    if (!f) return 1;
    std::fputs("#include \"NXLDadosGC/NXLDadosGC.h\"\n"
               "#define NX_ACESSORES(C, F) static_assert(sizeof(&C::Get##F) && sizeof(&C::Set##F));\n", f);
    for (const NXDadosGC::InfoClasse* info : NXDadosGC::Classes())
        for (const auto& c : info->campos())
            // Gaps, (count, pointer) pairs, holder pointers and member-key areas have none.
            if (c.tipo != TipoCampo::Lacuna && c.tipo != TipoCampo::Quantidade && c.tipo != TipoCampo::Ponteiro &&
                c.tipo != TipoCampo::Registro)
                std::fprintf(f, "NX_ACESSORES(%s, %s)\n", info->nome, c.nome);
    return std::fclose(f) == 0 ? 0 : 1;
}
