// Texts into and out of the code pages: UTF-8 descriptions converted the way a program sets
// them (one short text at a time) and in bulk, beside glibc's iconv on the same bytes and the
// memcpy floor of the UTF-8 text.
#include <iconv.h>

#include <cstring>
#include <string>
#include <vector>

#include "Medicao.h"
#include "NXLDadosGC/platform/Utf8.h"

namespace nxbench {
namespace {

// Descriptions of at most 50 bytes in each page's language, about 1 MiB of UTF-8 in all.
std::vector<std::string> Descricoes(int pagina) {
    const std::vector<std::string> base =
        pagina == 1252
            ? std::vector<std::string>{"Usinagem de pe\xC3\xA7" "as", "Manuten\xC3\xA7\xC3\xA3o preventiva",
                                       "Fun\xC3\xA7\xC3\xA3o: montagem final", "Custo padr\xC3\xA3o \xE2\x82\xAC 12,50",
                                       "Centro de custos 0042 - Caldeiraria"}
            : std::vector<std::string>{"\xE5\x8A\xA0\xE5\xB7\xA5\xE9\x83\xA8\xE9\x96\x80 0042",  // 加工部門
                                       "\xE4\xBF\x9D\xE5\xAE\x88\xE7\x82\xB9\xE6\xA4\x9C\xEF\xBC\x88\xE5\xAE\x9A\xE6\x9C\x9F\xEF\xBC\x89",
                                       "\xE7\xB5\x84\xE7\xAB\x8B\xE3\x83\xA9\xE3\x82\xA4\xE3\x83\xB3 A-12",
                                       "\xE6\xA8\x99\xE6\xBA\x96\xE5\x8E\x9F\xE4\xBE\xA1 12,50"};
    std::vector<std::string> textos;
    std::size_t bytes = 0;
    for (std::size_t i = 0; bytes < (1u << 20); ++i) {
        textos.push_back(base[i % base.size()] + " " + std::to_string(i % 1000));
        bytes += textos.back().size();
    }
    return textos;
}

std::int64_t Soma(const std::vector<std::string>& textos) {
    std::int64_t n = 0;
    for (const auto& t : textos) n += static_cast<std::int64_t>(t.size());
    return n;
}

void RegistrarPagina(int pagina) {
    const std::string carga = "Textos" + std::to_string(pagina);
    static std::vector<std::string> guardados[2];
    auto& textos = guardados[pagina == 1252 ? 0 : 1];
    textos = Descricoes(pagina);
    std::string tudo;
    for (const auto& t : textos) tudo += t;
    const NXDadosGC::OpcoesTexto opcoes{pagina};
    const std::string convertido(NXDadosGC::DeUtf8(tudo, opcoes).Visao());
    const std::int64_t bytes = Soma(textos);

    Registrar(carga, kPiso, [tudo, bytes](benchmark::State& s) {
        std::string destino(tudo.size(), '\0');
        Medidor m(s);
        for (auto _ : s) {
            std::memcpy(destino.data(), tudo.data(), tudo.size());
            benchmark::ClobberMemory();
        }
        m.Concluir(bytes);
    });
    Registrar(carga, "DeUtf8(cada_texto)", [&textos, opcoes, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s)
            for (const auto& t : textos) benchmark::DoNotOptimize(NXDadosGC::DeUtf8(t, opcoes));
        m.Concluir(bytes);
    });
    Registrar(carga, "DeUtf8(tudo)", [tudo, opcoes, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(NXDadosGC::DeUtf8(tudo, opcoes));
        m.Concluir(bytes);
    });
    Registrar(carga, "ParaUtf8(tudo)", [convertido, opcoes, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(NXDadosGC::ParaUtf8(convertido, opcoes));
        m.Concluir(bytes);
    });
    // The system's converter on the same text, into a buffer made once.
    Registrar(carga, "iconv(tudo)", [tudo, pagina, bytes](benchmark::State& s) {
        const iconv_t cd = iconv_open(("CP" + std::to_string(pagina)).c_str(), "UTF-8");
        std::string destino(tudo.size(), '\0');
        Medidor m(s);
        for (auto _ : s) {
            char* entrada = const_cast<char*>(tudo.data());
            char* saida = destino.data();
            std::size_t resta = tudo.size(), livre = destino.size();
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            benchmark::DoNotOptimize(iconv(cd, &entrada, &resta, &saida, &livre));
        }
        m.Concluir(bytes);
        iconv_close(cd);
    });
}

}  // namespace

void RegistrarTextos() {
    RegistrarPagina(1252);
    RegistrarPagina(932);
}

}  // namespace nxbench
