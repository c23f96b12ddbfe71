// The benchmark program: library operations on the workloads of Cargas.h, the references on the
// same data, and a report that sets every row beside the floor of its workload.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <utility>
#include <vector>

#include "Medicao.h"
#include "NXLDadosGC/motor/Crc32.h"

namespace nxbench {

benchmark::internal::Benchmark* Registrar(const std::string& carga, const std::string& operacao,
                                          std::function<void(benchmark::State&)> f) {
    return benchmark::RegisterBenchmark((carga + "/" + operacao).c_str(),
                                        [f = std::move(f)](benchmark::State& s) { f(s); })
        ->Unit(benchmark::kMicrosecond);
}

namespace {

// A record tree written once by CopiarParaPS, read by the CopiarDe rows, released at exit.
template <class Classe>
struct RegistroEscrito {
    typename Classe::Registro reg;
    explicit RegistroEscrito(const Classe& o) { o.CopiarParaPS(&reg); }
    ~RegistroEscrito() { NXDadosGC::LiberarCopiarParaPS<Classe>(reg); }
};

// The floor and the plain-memory references: the same record bytes copied into one buffer, into
// as many freshly allocated blocks as the tree has (then freed), and compared.
void RegistrarMemoria(const std::string& carga, const Achatado& plano) {
    const auto bytes = static_cast<std::int64_t>(plano.bytes.size());
    Registrar(carga, kPiso, [&plano, bytes](benchmark::State& s) {
        std::vector<unsigned char> destino(plano.bytes.size(), 1);
        Medidor m(s);
        for (auto _ : s) {
            std::memcpy(destino.data(), plano.bytes.data(), plano.bytes.size());
            benchmark::ClobberMemory();
        }
        m.Concluir(bytes);
    });
    Registrar(carga, "memcpy_blocos_novos+liberar", [&plano, bytes](benchmark::State& s) {
        std::vector<unsigned char> raiz(plano.tamanhos[0]);
        std::vector<void*> blocos(plano.tamanhos.size());
        Medidor m(s);
        for (auto _ : s) {
            const unsigned char* origem = plano.bytes.data();
            std::memcpy(raiz.data(), origem, plano.tamanhos[0]);
            origem += plano.tamanhos[0];
            for (std::size_t i = 1; i < plano.tamanhos.size(); ++i) {
                blocos[i] = std::malloc(plano.tamanhos[i]);
                std::memcpy(blocos[i], origem, plano.tamanhos[i]);
                origem += plano.tamanhos[i];
            }
            benchmark::ClobberMemory();
            for (std::size_t i = 1; i < plano.tamanhos.size(); ++i) std::free(blocos[i]);
        }
        m.Concluir(bytes);
    });
    Registrar(carga, "memcmp", [&plano, bytes](benchmark::State& s) {
        const std::vector<unsigned char> copia = plano.bytes;
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(std::memcmp(copia.data(), plano.bytes.data(), copia.size()));
        m.Concluir(bytes);
    });
}

// The rows of one way out ("" for CopiarPara, "PS" for CopiarParaPS): the transfer with the
// release of what it wrote, the transfer alone and the release alone.
template <class Classe, class Escrever, class Liberar>
void RegistrarSaida(const std::string& carga, const std::string& ps, const Classe& o, std::int64_t bytes,
                    std::int64_t lote, Escrever escrever, Liberar liberar) {
    using REG = typename Classe::Registro;
    Registrar(carga, "CopiarPara" + ps + "+liberar", [&o, bytes, escrever, liberar](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) {
            REG r;
            escrever(o, &r);
            benchmark::DoNotOptimize(r);
            liberar(r);
        }
        m.Concluir(bytes);
    });
    Registrar(carga, "CopiarPara" + ps, [&o, bytes, lote, escrever, liberar](benchmark::State& s) {
        std::vector<REG> r(static_cast<std::size_t>(lote));
        Medidor m(s);
        for (auto _ : s) {
            for (REG& x : r) escrever(o, &x);
            benchmark::DoNotOptimize(r.data());
            m.Pausar();
            for (REG& x : r) liberar(x);
            m.Retomar();
        }
        m.Concluir(bytes, lote);
    })->Iterations(IteracoesComPausa(bytes, lote));
    Registrar(carga, "liberar" + ps, [&o, bytes, lote, escrever, liberar](benchmark::State& s) {
        std::vector<REG> r(static_cast<std::size_t>(lote));
        Medidor m(s);
        for (auto _ : s) {
            m.Pausar();
            for (REG& x : r) escrever(o, &x);
            m.Retomar();
            for (REG& x : r) liberar(x);
        }
        m.Concluir(bytes, lote);
    })->Iterations(IteracoesComPausa(bytes, lote));
}

template <class Classe>
void RegistrarBiblioteca(const Carga<Classe>& c) {
    using REG = typename Classe::Registro;
    const Classe& o = *c.objeto;
    const std::int64_t bytes = c.Bytes();
    static std::vector<std::shared_ptr<void>> escritos;
    auto escrito = std::make_shared<RegistroEscrito<Classe>>(o);
    escritos.push_back(escrito);
    const REG* reg = &escrito->reg;
    // Rows that pause the timer between operations run them in batches.
    const std::int64_t lote = Lote(bytes);

    // Transfers out, with the release of what they wrote: together, then each apart.
    RegistrarSaida(
        c.nome, "PS", o, bytes, lote, [](const Classe& x, REG* r) { x.CopiarParaPS(r); },
        [](REG& r) { NXDadosGC::LiberarCopiarParaPS<Classe>(r); });
    RegistrarSaida(
        c.nome, "", o, bytes, lote, [](const Classe& x, REG* r) { x.CopiarPara(r); },
        [](REG& r) { NXDadosGC::LiberarCopiarPara<Classe>(r); });

    // Transfer in: a new object reads the tree, then goes; then each apart.
    Registrar(c.nome, "CopiarDe+destruir", [reg, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) {
            Classe x;
            x.CopiarDe(reg);
            benchmark::DoNotOptimize(x);
        }
        m.Concluir(bytes);
    });
    Registrar(c.nome, "CopiarDe", [reg, bytes, lote](benchmark::State& s) {
        std::vector<Classe> x(static_cast<std::size_t>(lote));
        Medidor m(s);
        for (auto _ : s) {
            for (Classe& y : x) y.CopiarDe(reg);
            benchmark::DoNotOptimize(x.data());
            m.Pausar();
            for (Classe& y : x) y.Limpar();
            m.Retomar();
        }
        m.Concluir(bytes, lote);
    })->Iterations(IteracoesComPausa(bytes, lote));
    Registrar(c.nome, "destruir", [reg, bytes, lote](benchmark::State& s) {
        std::vector<std::unique_ptr<Classe>> x(static_cast<std::size_t>(lote));
        Medidor m(s);
        for (auto _ : s) {
            m.Pausar();
            for (auto& y : x) {
                y = std::make_unique<Classe>();
                y->CopiarDe(reg);
            }
            m.Retomar();
            for (auto& y : x) y.reset();
        }
        m.Concluir(bytes, lote);
    })->Iterations(IteracoesComPausa(bytes, lote));

    // Whole-object operations on full trees.
    Registrar(c.nome, "operator==", [&o, reg, bytes](benchmark::State& s) {
        Classe outro;
        outro.CopiarDe(reg);
        if (!(o == outro)) s.SkipWithError("the two trees differ");
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(o == outro);
        m.Concluir(bytes);
    });
    Registrar(c.nome, "Copiar+destruir", [&o, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) {
            Classe x;
            x.Copiar(&o);
            benchmark::DoNotOptimize(x);
        }
        m.Concluir(bytes);
    });
    Registrar(c.nome, "Limpar", [&o, bytes, lote](benchmark::State& s) {
        std::vector<Classe> x(static_cast<std::size_t>(lote));
        Medidor m(s);
        for (auto _ : s) {
            m.Pausar();
            for (Classe& y : x) y.Copiar(&o);
            m.Retomar();
            for (Classe& y : x) y.Limpar();
        }
        m.Concluir(bytes, lote);
    })->Iterations(IteracoesComPausa(bytes, lote));
    Registrar(c.nome, "EstaVazio", [&o, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(o.EstaVazio());
        m.Concluir(bytes);
    });
}

// The packed form: packing into a new buffer and into one reused, checking into a flat tree,
// unpacking into a new object that then goes, and the CRC-32 alone over the packed bytes (its
// MB/s column is over those bytes).
template <class Classe>
void RegistrarPacote(const Carga<Classe>& c) {
    const Classe& o = *c.objeto;
    const std::int64_t bytes = c.Bytes();
    static std::vector<std::shared_ptr<std::vector<std::byte>>> pacotes;
    auto pacote = std::make_shared<std::vector<std::byte>>(NXDadosGC::Empacotar(o));
    pacotes.push_back(pacote);
    const std::vector<std::byte>& p = *pacote;
    Registrar(c.nome, "Empacotar", [&o, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(NXDadosGC::Empacotar(o).data());
        m.Concluir(bytes);
    });
    Registrar(c.nome, "Empacotar(reusado)", [&o, bytes](benchmark::State& s) {
        std::vector<std::byte> saida;
        NXDadosGC::Empacotar(o, saida);
        Medidor m(s);
        for (auto _ : s) {
            NXDadosGC::Empacotar(o, saida);
            benchmark::DoNotOptimize(saida.data());
        }
        m.Concluir(bytes);
    });
    Registrar(c.nome, "Verificar", [&p, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(NXDadosGC::Verificar(p).Registro());
        m.Concluir(bytes);
    });
    Registrar(c.nome, "Desempacotar+destruir", [&p, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(NXDadosGC::Desempacotar(p).get());
        m.Concluir(bytes);
    });
    Registrar(c.nome, "crc32", [&p](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(NXDadosGC::Crc32(p));
        m.Concluir(static_cast<std::int64_t>(p.size()));
    });
}

template <class Classe>
void RegistrarCarga(const Carga<Classe>& c) {
    RegistrarMemoria(c.nome, c.plano);
    RegistrarBiblioteca(c);
    RegistrarPacote(c);
    RegistrarProtobuf(c);
    RegistrarFlatBuffers(c);
}

// One million appends to an empty list, beside std::vector::push_back of elements of the same
// size and the floor: one memcpy of that many element bytes.
void RegistrarAdiciona() {
    constexpr int kN = 1'000'000;
    using Elemento = CNXDadosGC_LancamentoHoras;
    struct Bruto {
        unsigned char b[sizeof(Elemento)];
    };
    static const Elemento lancamento = UmLancamentoHoras();
    static Achatado plano;
    plano.bytes.assign(std::size_t{kN} * sizeof(Elemento), 7);
    plano.tamanhos = {plano.bytes.size()};
    const std::string carga = "Adiciona1M";
    const auto bytes = static_cast<std::int64_t>(plano.bytes.size());
    Registrar(carga, kPiso, [bytes](benchmark::State& s) {
        std::vector<unsigned char> destino(plano.bytes.size(), 1);
        Medidor m(s);
        for (auto _ : s) {
            std::memcpy(destino.data(), plano.bytes.data(), plano.bytes.size());
            benchmark::ClobberMemory();
        }
        m.Concluir(bytes);
    });
    Registrar(carga, "std::vector::push_back", [bytes](benchmark::State& s) {
        Bruto e;
        std::memcpy(e.b, static_cast<const void*>(&lancamento), sizeof e.b);
        Medidor m(s);
        for (auto _ : s) {
            std::vector<Bruto> v;
            for (int i = 0; i < kN; ++i) v.push_back(e);
            benchmark::DoNotOptimize(v.data());
        }
        m.Concluir(bytes);
    });
    Registrar(carga, "AdicionaLancamento", [bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) {
            CNXDadosGC_ListaLanctoHoras lista;
            for (int i = 0; i < kN; ++i) lista.AdicionaLancamento(lancamento);
            benchmark::DoNotOptimize(lista);
        }
        m.Concluir(bytes);
    });
}

// The console report, with one more column: the row's time over its workload's floor ("xPiso",
// CPU time, medians against medians), and at the end a table of medians.
class Relatorio : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        std::vector<Run> comColuna = runs;
        for (Run& r : comColuna) {
            // A batched row: its times are per operation, not per iteration.
            if (const double lote = Contador(r, "lote"); lote > 1 && r.aggregate_unit == benchmark::kTime)
                r.iterations = static_cast<benchmark::IterationCount>(static_cast<double>(r.iterations) * lote);
            const auto [carga, operacao] = Partes(r);
            const double t = Nanos(r);
            if (operacao == kPiso) m_piso[{carga, r.aggregate_name}] = t;
            if (const double piso = Piso(carga, r.aggregate_name); piso > 0) r.counters["xPiso"] = t / piso;
            const bool resumo = r.run_type == Run::RT_Aggregate ? r.aggregate_name == "median" : r.repetitions <= 1;
            if (resumo && !r.error_occurred) Guardar(carga, operacao, r, t);
        }
        ConsoleReporter::ReportRuns(comColuna);
    }

    void Finalize() override {
        ConsoleReporter::Finalize();
        std::FILE* f = stdout;
        std::fprintf(f, "\nMedians (CPU time of the benchmark thread); xPiso = time / the workload's memcpy floor\n");
        std::string atual;
        for (const Linha& l : m_linhas) {
            if (l.carga != atual) {
                atual = l.carga;
                std::fprintf(f, "\n%-36s %12s %10s %8s %10s %9s %10s %10s\n", l.carga.c_str(), "us", "MB/s", "xPiso",
                             "pico KiB", "pico/reg", "blocos/op", "faltas/op");
            }
            const double piso = Piso(l.carga, "median") > 0 ? Piso(l.carga, "median") : Piso(l.carga, "");
            std::fprintf(f, "  %-34s %12.1f %10.0f %8.2f %10.0f %9.2f %10.1f %10.1f\n", l.operacao.c_str(),
                         l.nanos / 1e3, l.bytesPorSegundo / 1e6, piso > 0 ? l.nanos / piso : 0.0, l.pico / 1024.0,
                         l.picoReg, l.blocos, l.faltas);
        }
        Metas(f);
        std::fflush(f);
    }

private:
    struct Linha {
        std::string carga, operacao;
        double nanos, bytesPorSegundo, pico, picoReg, blocos, faltas;
    };

    static std::pair<std::string, std::string> Partes(const Run& r) {
        const std::string nome = r.run_name.function_name;
        const auto barra = nome.find('/');
        return {nome.substr(0, barra), barra == std::string::npos ? "" : nome.substr(barra + 1)};
    }
    static double Nanos(const Run& r) {
        return r.GetAdjustedCPUTime() * 1e9 / benchmark::GetTimeUnitMultiplier(r.time_unit);
    }
    static double Contador(const Run& r, const char* nome) {
        const auto it = r.counters.find(nome);
        return it == r.counters.end() ? 0.0 : it->second.value;
    }
    double Piso(const std::string& carga, const std::string& agregado) const {
        auto it = m_piso.find({carga, agregado});
        if (agregado.empty()) {
            if (auto mediana = m_piso.find({carga, "median"}); mediana != m_piso.end()) it = mediana;
        }
        return it == m_piso.end() ? 0.0 : it->second;
    }
    void Guardar(const std::string& carga, const std::string& operacao, const Run& r, double nanos) {
        m_linhas.push_back({carga, operacao, nanos, Contador(r, "bytes_per_second"), Contador(r, "pico"),
                            Contador(r, "pico/reg"), Contador(r, "blocos/op"), Contador(r, "faltas/op")});
    }

    const Linha* Achar(const std::string& carga, const std::string& operacao) const {
        for (const Linha& l : m_linhas)
            if (l.carga == carga && l.operacao == operacao) return &l;
        return nullptr;
    }
    double Mediana(const std::string& carga, const std::string& operacao) const {
        const Linha* l = Achar(carga, operacao);
        return l ? l->nanos : 0.0;
    }

    // The targets of docs/PERFORMANCE.md, each with its figure from this run: met or missed.
    void Metas(std::FILE* f) const {
        const std::string g = "CustoGrande";
        const double piso = Mediana(g, kPiso);
        const double idaVolta = Mediana(g, "protobuf:serializar") + Mediana(g, "protobuf:analisar+destruir");
        auto xPiso = [&](const char* op) { return piso > 0 ? Mediana(g, op) / piso : 0.0; };
        auto vezesProtobuf = [&](double protobuf, const char* op) {
            const double t = Mediana(g, op);
            return t > 0 ? protobuf / t : 0.0;
        };
        double estaVazio = -1;
        for (const Linha& l : m_linhas)
            if (l.operacao == "EstaVazio") estaVazio = std::max(estaVazio, l.blocos);
        const Linha* recebido = Achar(g, "CopiarDe+destruir");
        const double adiciona = Mediana("Adiciona1M", "std::vector::push_back");

        struct Meta {
            const char* descricao;
            double valor;
            bool atingida;
            const char* limite;
        };
        std::vector<Meta> metas;
        auto noMaximo = [&](const char* d, double v, double lim, const char* texto) {
            if (v > 0) metas.push_back({d, v, v <= lim, texto});
        };
        auto noMinimo = [&](const char* d, double v, double lim, const char* texto) {
            if (v > 0) metas.push_back({d, v, v >= lim, texto});
        };
        noMaximo("CopiarParaPS+liberar / piso", xPiso("CopiarParaPS+liberar"), 1.7, "<= 1.70");
        noMaximo("CopiarDe+destruir / piso", xPiso("CopiarDe+destruir"), 3.0, "<= 3.00");
        noMaximo("operator== / piso", xPiso("operator=="), 1.3, "<= 1.30");
        noMinimo("protobuf round trip / CopiarParaPS+liberar", vezesProtobuf(idaVolta, "CopiarParaPS+liberar"), 3, ">= 3.00");
        noMinimo("protobuf round trip / CopiarDe+destruir", vezesProtobuf(idaVolta, "CopiarDe+destruir"), 3, ">= 3.00");
        noMinimo("protobuf round trip / operator==", vezesProtobuf(idaVolta, "operator=="), 3, ">= 3.00");
        // The packed form, beside the floor and beside its peers (FlatBuffers for reference).
        const std::string mz = "Matriz";
        auto xPisoDe = [&](const std::string& carga, const char* op) {
            const double p = Mediana(carga, kPiso);
            return p > 0 ? Mediana(carga, op) / p : 0.0;
        };
        noMaximo("Empacotar / piso", xPiso("Empacotar"), 2.0, "<= 2.00");
        noMaximo("Verificar / piso", xPiso("Verificar"), 2.0, "<= 2.00");
        noMaximo("Desempacotar+destruir / piso", xPiso("Desempacotar+destruir"), 4.0, "<= 4.00");
        noMaximo("Matriz: Empacotar / piso", xPisoDe(mz, "Empacotar"), 4.0, "<= 4.00");
        noMaximo("Matriz: Desempacotar+destruir / piso", xPisoDe(mz, "Desempacotar+destruir"), 8.0, "<= 8.00");
        noMinimo("protobuf:serializar / Empacotar", vezesProtobuf(Mediana(g, "protobuf:serializar"), "Empacotar"), 2,
                 ">= 2.00");
        noMinimo("protobuf:analisar+destruir / Desempacotar+destruir",
                 vezesProtobuf(Mediana(g, "protobuf:analisar+destruir"), "Desempacotar+destruir"), 4, ">= 4.00");
        if (const Linha* crc = Achar(g, "crc32")) noMinimo("crc32 GB/s", crc->bytesPorSegundo / 1e9, 8, ">= 8.00");
        // Each side of the round trip on its own, for reference (no target).
        auto referencia = [&](const char* d, double v) {
            if (v > 0) metas.push_back({d, v, true, ""});
        };
        referencia("protobuf:serializar / CopiarParaPS+liberar",
                   vezesProtobuf(Mediana(g, "protobuf:serializar"), "CopiarParaPS+liberar"));
        referencia("protobuf:analisar+destruir / CopiarDe+destruir",
                   vezesProtobuf(Mediana(g, "protobuf:analisar+destruir"), "CopiarDe+destruir"));
        referencia("flatbuffers:construir_reusado / piso", xPiso("flatbuffers:construir_reusado"));
        referencia("flatbuffers:verificar+ler / piso", xPiso("flatbuffers:verificar+ler"));
        referencia("Empacotar(reusado) / piso", xPiso("Empacotar(reusado)"));
        if (adiciona > 0)
            noMaximo("Adiciona1M: AdicionaLancamento / push_back", Mediana("Adiciona1M", "AdicionaLancamento") / adiciona,
                     2.0, "<= 2.00");
        if (recebido) noMaximo("bytes held by a received tree / record bytes", recebido->picoReg, 1.3, "<= 1.30");
        if (estaVazio >= 0) metas.push_back({"EstaVazio: blocks per call (any workload)", estaVazio, estaVazio == 0, "== 0"});

        std::fprintf(f, "\nTargets (%s unless named; medians of this run)\n", g.c_str());
        for (const Meta& m : metas)
            std::fprintf(f, "  %-50s %8.2f  %-8s %s\n", m.descricao, m.valor, m.limite,
                         *m.limite == 0 ? "(reference)" : m.atingida ? "met" : "MISSED");
    }

    std::map<std::pair<std::string, std::string>, double> m_piso;
    std::vector<Linha> m_linhas;
};

}  // namespace
}  // namespace nxbench

// --cargas=A,B,... builds and registers only the workloads named (all by default): building the
// big ones takes a while under callgrind.
static bool Escolhida(const std::string& lista, const char* carga) {
    if (lista.empty()) return true;
    const std::string alvo = std::string(",") + carga + ",";
    return ("," + lista + ",").find(alvo) != std::string::npos;
}

int main(int argc, char** argv) {
    using namespace nxbench;
    std::string cargas;
    int resto = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--cargas=", 0) == 0) cargas = arg.substr(9);
        else argv[resto++] = argv[i];
    }
    argc = resto;

    const char* limites = FixarLimitesMalloc();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::AddCustomContext("malloc", limites);
    std::printf("%s (the heap keeps freed memory between iterations)\n", limites);

    // The workloads live until the end of the run.
    if (Escolhida(cargas, "CustoGrande")) {
        static const auto c = CargaCustoProducao("CustoGrande", 1000, 20);
        RegistrarCarga(c);
    }
    if (Escolhida(cargas, "CustoPequeno")) {
        static const auto c = CargaCustoProducao("CustoPequeno", 10, 5);
        RegistrarCarga(c);
    }
    if (Escolhida(cargas, "Matriz")) {
        static const auto c = CargaMatriz("Matriz", 500, 100, 100, 50);
        RegistrarCarga(c);
    }
    if (Escolhida(cargas, "Horas")) {
        static const auto c = CargaHoras("Horas", 100'000);
        RegistrarCarga(c);
    }
    if (Escolhida(cargas, "Adiciona1M")) RegistrarAdiciona();
    if (Escolhida(cargas, "Textos")) RegistrarTextos();

    Relatorio relatorio;
    benchmark::RunSpecifiedBenchmarks(&relatorio);
    benchmark::Shutdown();
    return 0;
}
