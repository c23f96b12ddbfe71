// The benchmark program: library operations on the workloads of Cargas.h, the references on the
// same data, and a report that sets every row beside the floor of its workload.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <map>
#include <memory>
#include <tuple>
#include <utility>
#include <vector>

#include "Medicao.h"
#include "NXLDadosGC/motor/Crc32.h"
#if NXBENCH_JSON
#include "NXLDadosGC/json/Json.h"
#endif

namespace nxbench {

benchmark::internal::Benchmark* Registrar(const std::string& carga, const std::string& operacao,
                                          std::function<void(benchmark::State&)> f) {
    return benchmark::RegisterBenchmark((carga + "/" + operacao).c_str(),
                                        [f = std::move(f)](benchmark::State& s) { f(s); })
        ->Unit(benchmark::kMicrosecond);
}

namespace {
struct Vez {
    std::string nome;
    std::function<void()> fazer;
};
// (workload, floor) -> the floor and the operations timed in turns with it.
std::map<std::pair<std::string, std::string>, std::vector<Vez>> g_turnos;
}  // namespace

void EmTurnos(const std::string& carga, const std::string& piso, const std::string& operacao,
              std::function<void()> fazer) {
    g_turnos[{carga, piso}].push_back({operacao, std::move(fazer)});
}

namespace {

// The floor of the transfers that allocate, and the rows timed in turns with it.
constexpr const char* kBlocosNovos = "memcpy_blocos_novos+liberar";
constexpr const char* kAlternados = "alternados:";

// A record tree written once by CopiarParaPS, read by the CopiarDe rows, released at exit.
template <class Classe>
struct RegistroEscrito {
    typename Classe::Registro reg;
    explicit RegistroEscrito(const Classe& o) { o.CopiarParaPS(&reg); }
    ~RegistroEscrito() { NXDadosGC::LiberarCopiarParaPS<Classe>(reg); }
};

// The floor of a transfer that must allocate: the record bytes copied into as many freshly
// allocated blocks as the tree has, then freed.
class BlocosNovos {
public:
    explicit BlocosNovos(const Achatado& plano)
        : m_plano(plano), m_raiz(plano.tamanhos[0]), m_blocos(plano.tamanhos.size()) {}
    void operator()() {
        const unsigned char* origem = m_plano.bytes.data();
        std::memcpy(m_raiz.data(), origem, m_plano.tamanhos[0]);
        origem += m_plano.tamanhos[0];
        for (std::size_t i = 1; i < m_plano.tamanhos.size(); ++i) {
            m_blocos[i] = std::malloc(m_plano.tamanhos[i]);
            std::memcpy(m_blocos[i], origem, m_plano.tamanhos[i]);
            origem += m_plano.tamanhos[i];
        }
        benchmark::ClobberMemory();
        for (std::size_t i = 1; i < m_plano.tamanhos.size(); ++i) std::free(m_blocos[i]);
    }

private:
    const Achatado& m_plano;
    std::vector<unsigned char> m_raiz;
    std::vector<void*> m_blocos;
};

// The floor and the plain-memory references: the same record bytes copied into one buffer, into
// as many freshly allocated blocks as the tree has (then freed), and compared; and two buffers as
// large as the tree's objects compared (what a comparison of two trees reads: each element's
// table pointers lie between the records).
void RegistrarMemoria(const std::string& carga, const Achatado& plano, std::size_t bytesObjetos) {
    const auto bytes = static_cast<std::int64_t>(plano.bytes.size());
    RegistrarOperacao(carga, kPiso, bytes,
                      [&plano, destino = std::make_shared<std::vector<unsigned char>>(plano.bytes.size(), 1)] {
                          std::memcpy(destino->data(), plano.bytes.data(), plano.bytes.size());
                          benchmark::ClobberMemory();
                      });
    RegistrarOperacao(carga, kBlocosNovos, bytes, BlocosNovos(plano), kBlocosNovos);
    Registrar(carga, "memcmp", [&plano, bytes](benchmark::State& s) {
        const std::vector<unsigned char> copia = plano.bytes;
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(std::memcmp(copia.data(), plano.bytes.data(), copia.size()));
        m.Concluir(bytes);
    });
    Registrar(carga, "memcmp_objetos", [bytesObjetos, bytes](benchmark::State& s) {
        const std::vector<unsigned char> a(bytesObjetos, 3), b = a;
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(std::memcmp(a.data(), b.data(), a.size()));
        m.Concluir(bytes);
    });
}

// The rows of one way out ("" for CopiarPara, "PS" for CopiarParaPS): the transfer with the
// release of what it wrote, the transfer alone and the release alone.
template <class Classe, class Escrever, class Liberar>
void RegistrarSaida(const std::string& carga, const std::string& ps, const Classe& o, std::int64_t bytes,
                    std::int64_t lote, Escrever escrever, Liberar liberar, const char* piso) {
    using REG = typename Classe::Registro;
    RegistrarOperacao(
        carga, "CopiarPara" + ps + "+liberar", bytes,
        [&o, escrever, liberar] {
            REG r;
            escrever(o, &r);
            benchmark::DoNotOptimize(r);
            liberar(r);
        },
        piso);
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
        [](REG& r) { NXDadosGC::LiberarCopiarParaPS<Classe>(r); }, kBlocosNovos);
    RegistrarSaida(
        c.nome, "", o, bytes, lote, [](const Classe& x, REG* r) { x.CopiarPara(r); },
        [](REG& r) { NXDadosGC::LiberarCopiarPara<Classe>(r); }, nullptr);

    // Transfer in: a new object reads the tree, then goes; then each apart.
    RegistrarOperacao(
        c.nome, "CopiarDe+destruir", bytes,
        [reg] {
            Classe x;
            x.CopiarDe(reg);
            benchmark::DoNotOptimize(x);
        },
        kBlocosNovos);
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

// The packed form: packing into a new buffer (a std::vector<std::byte>, which zeroes its bytes
// before packing writes them, and a Pacote, which does not) and into one reused, checking into a
// flat tree, unpacking into a new object that then goes, and the CRC-32 alone over the packed
// bytes (its MB/s column is over those bytes).
template <class Classe>
void RegistrarPacote(const Carga<Classe>& c) {
    const Classe& o = *c.objeto;
    const std::int64_t bytes = c.Bytes();
    static std::vector<std::shared_ptr<std::vector<std::byte>>> pacotes;
    auto pacote = std::make_shared<std::vector<std::byte>>(NXDadosGC::Empacotar(o));
    pacotes.push_back(pacote);
    const std::vector<std::byte>& p = *pacote;
    RegistrarOperacao(
        c.nome, "Empacotar", bytes, [&o] { benchmark::DoNotOptimize(NXDadosGC::Empacotar(o).data()); }, kPacotePar);
    RegistrarOperacao(
        c.nome, "Empacotar(Pacote)", bytes,
        [&o] {
            NXDadosGC::Pacote novo;
            NXDadosGC::Empacotar(o, novo);
            benchmark::DoNotOptimize(novo.data());
        },
        kPacotePar);
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
    RegistrarOperacao(
        c.nome, "Verificar", bytes, [&p] { benchmark::DoNotOptimize(NXDadosGC::Verificar(p).Registro()); }, kPacotePar);
    RegistrarOperacao(
        c.nome, "Desempacotar+destruir", bytes,
        [&p] { benchmark::DoNotOptimize(NXDadosGC::Desempacotar(p).get()); }, kBlocosNovos);
    Registrar(c.nome, "crc32", [&p](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) benchmark::DoNotOptimize(NXDadosGC::Crc32(p));
        m.Concluir(static_cast<std::int64_t>(p.size()));
    });
}

double TempoCpu() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

// A burst lasts a few milliseconds, long enough that its first operation, which finds the caches
// as the previous burst left them, weighs little.
void RegistrarTurnos() {
    for (auto& [chave, vezes] : g_turnos) {
        const auto& [carga, piso] = chave;
        std::stable_partition(vezes.begin(), vezes.end(), [&piso](const Vez& v) { return v.nome == piso; });
        if (vezes.size() < 2 || vezes[0].nome != piso) continue;
        Registrar(carga, kAlternados + piso, [vezes](benchmark::State& s) {
            constexpr double kRajadaNs = 4e6;
            std::vector<double> tempos(vezes.size()), feitas(vezes.size());
            for (auto _ : s)
                for (std::size_t i = 0; i < vezes.size(); ++i) {
                    const double inicio = TempoCpu();
                    double agora = inicio;
                    do {
                        vezes[i].fazer();
                        ++feitas[i];
                        agora = TempoCpu();
                    } while (agora - inicio < kRajadaNs);
                    tempos[i] += agora - inicio;
                }
            for (std::size_t i = 1; i < vezes.size(); ++i)
                s.counters[vezes[i].nome] = (tempos[i] / feitas[i]) / (tempos[0] / feitas[0]);
        });
    }
}

// The JSON component on the same tree: writing an object's document into a new string, and
// reading that document into a new object that then goes; beside Protocol Buffers' JSON. Their
// MB/s columns are over each one's text.
template <class Classe>
void RegistrarJson([[maybe_unused]] const Carga<Classe>& c) {
#if NXBENCH_JSON
    const Classe& o = *c.objeto;
    auto texto = std::make_shared<const std::string>(NXDadosGC::ParaJson(o));
    const auto bytes = static_cast<std::int64_t>(texto->size());
    RegistrarOperacao(
        c.nome, "json:ParaJson", bytes, [&o] { benchmark::DoNotOptimize(NXDadosGC::ParaJson(o).data()); },
        kJsonProtobuf);
    RegistrarOperacao(
        c.nome, "json:DeJson+destruir", bytes, [texto] { benchmark::DoNotOptimize(NXDadosGC::DeJson(*texto).get()); },
        kJsonProtobuf);
    RegistrarProtobufJson(c);
#endif
}

template <class Classe>
void RegistrarCarga(const Carga<Classe>& c) {
    RegistrarMemoria(c.nome, c.plano, c.bytesObjetos);
    RegistrarBiblioteca(c);
    RegistrarPacote(c);
    RegistrarProtobuf(c);
    RegistrarFlatBuffers(c);
    RegistrarCapnProto(c);
    RegistrarJson(c);
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
            const bool resumo = r.run_type == Run::RT_Aggregate ? r.aggregate_name == "median" : r.repetitions <= 1;
            if (operacao.rfind(kAlternados, 0) == 0) {
                const std::string piso = operacao.substr(std::strlen(kAlternados));
                if (resumo && !r.error_occurred) {
                    m_alternados[{carga, piso, piso}] = 1.0;
                    for (const auto& [nome, contador] : r.counters) m_alternados[{carga, piso, nome}] = contador.value;
                }
                continue;
            }
            if (operacao == kPiso) m_piso[{carga, r.aggregate_name}] = t;
            if (const double piso = Piso(carga, r.aggregate_name); piso > 0) r.counters["xPiso"] = t / piso;
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
        std::string piso;
        for (const auto& [chave, razao] : m_alternados) {
            const auto& [carga, pisoAqui, operacao] = chave;
            if (carga + pisoAqui != piso) {
                piso = carga + pisoAqui;
                std::fprintf(f, "\n%s, timed in turns: time over %s's\n", carga.c_str(), pisoAqui.c_str());
            }
            if (operacao != pisoAqui) std::fprintf(f, "  %-40s %8.2f\n", operacao.c_str(), razao);
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
    // Each is a ratio of two rows of this run: a row over the floor the ownership contract allows
    // it, or over a peer doing the same work on the same tree; as timed in turns where both were,
    // otherwise medians over medians.
    void Metas(std::FILE* f) const {
        const std::string g = "CustoGrande", mz = "Matriz";
        // a over b in workload `carga`: as measured in turns where they were, otherwise the ratio
        // of their medians (0 when either is missing).
        auto razao = [&](const std::string& carga, const char* a, const char* b) {
            for (const auto& [chave, x] : m_alternados) {
                const auto& [c, piso, op] = chave;
                if (c != carga || op != a) continue;
                if (auto y = m_alternados.find({carga, piso, b}); y != m_alternados.end()) return x / y->second;
            }
            const double x = Mediana(carga, a), y = Mediana(carga, b);
            return x > 0 && y > 0 ? x / y : 0.0;
        };
        const char* blocos = kBlocosNovos;
        double estaVazio = -1;
        for (const Linha& l : m_linhas)
            if (l.operacao == "EstaVazio") estaVazio = std::max(estaVazio, l.blocos);
        const Linha* recebido = Achar(g, "CopiarDe+destruir");
        const double adiciona = Mediana("Adiciona1M", "std::vector::push_back");
        // Targets against the memcpy floor hold where the CRC folds 512 bits at a time; elsewhere
        // they are shown for reference.
        std::uint32_t r;
        const bool avx512 = NXDadosGC::detail::Crc32Por(NXDadosGC::detail::MetodoCrc32::Dobra512, {}, 0, r);

        struct Meta {
            std::string descricao;
            double valor;
            bool atingida;
            std::string limite;  // empty: a reference, no target
        };
        std::vector<Meta> metas;
        auto meta = [&](const std::string& d, double v, bool noMaximo, double lim, bool vale = true) {
            char texto[16];
            std::snprintf(texto, sizeof texto, "%s %.2f", noMaximo ? "<=" : ">=", lim);
            if (v > 0) metas.push_back({d, v, noMaximo ? v <= lim : v >= lim, vale ? texto : ""});
        };
        auto noMaximo = [&](const std::string& d, double v, double lim, bool vale = true) { meta(d, v, true, lim, vale); };
        auto noMinimo = [&](const std::string& d, double v, double lim, bool vale = true) { meta(d, v, false, lim, vale); };
        auto referencia = [&](const std::string& d, double v) {
            if (v > 0) metas.push_back({d, v, true, ""});
        };

        // Transfers and comparison, against the floors of the same work on plain memory.
        noMaximo("CopiarParaPS+liberar / memcpy_blocos_novos+liberar", razao(g, "CopiarParaPS+liberar", blocos), 1.10);
        noMaximo("CopiarDe+destruir / memcpy_blocos_novos+liberar", razao(g, "CopiarDe+destruir", blocos), 1.25);
        noMaximo("operator== / memcmp", razao(g, "operator==", "memcmp"), 1.20);
        noMaximo("Matriz: operator== / memcmp", razao(mz, "operator==", "memcmp"), 1.50);
        referencia("operator== / memcmp_objetos", razao(g, "operator==", "memcmp_objetos"));
        referencia("Matriz: operator== / memcmp_objetos", razao(mz, "operator==", "memcmp_objetos"));
        // The packed form, against its peers and its floors.
        noMaximo("Empacotar / flatbuffers:construir_reusado", razao(g, "Empacotar", "flatbuffers:construir_reusado"), 1.0);
        noMaximo("Empacotar / capnp:construir+achatar", razao(g, "Empacotar", "capnp:construir+achatar"), 0.5);
        noMaximo("Empacotar / piso (AVX-512)", razao(g, "Empacotar", kPiso), 3.0, avx512);
        noMaximo("Verificar / flatbuffers:verificar+ler", razao(g, "Verificar", "flatbuffers:verificar+ler"), 1.0);
        noMaximo("Verificar / piso (AVX-512)", razao(g, "Verificar", kPiso), 1.6, avx512);
        noMaximo("Desempacotar+destruir / memcpy_blocos_novos+liberar", razao(g, "Desempacotar+destruir", blocos), 1.5);
        if (const Linha* crc = Achar(g, "crc32"), *piso = Achar(g, kPiso); crc && piso && piso->bytesPorSegundo > 0)
            noMinimo("crc32 bytes/s / piso bytes/s (AVX-512)", crc->bytesPorSegundo / piso->bytesPorSegundo, 1.0, avx512);
        referencia("Empacotar(Pacote) / flatbuffers:construir_reusado",
                   razao(g, "Empacotar(Pacote)", "flatbuffers:construir_reusado"));
        referencia("Empacotar(Pacote) / capnp:construir+achatar", razao(g, "Empacotar(Pacote)", "capnp:construir+achatar"));
        referencia("Empacotar(reusado) / flatbuffers:construir_reusado",
                   razao(g, "Empacotar(reusado)", "flatbuffers:construir_reusado"));
        referencia("Verificar / capnp:ler+somar", razao(g, "Verificar", "capnp:ler+somar"));
        referencia("Empacotar / piso", razao(g, "Empacotar", kPiso));
        referencia("Verificar / piso", razao(g, "Verificar", kPiso));
        // JSON, against Protocol Buffers' JSON on the same tree (time over time).
        noMinimo("protobuf:JsonStringToMessage / json:DeJson", razao(g, "protobuf:JsonStringToMessage+destruir", "json:DeJson+destruir"), 4.0);
        noMinimo("protobuf:MessageToJsonString / json:ParaJson", razao(g, "protobuf:MessageToJsonString", "json:ParaJson"), 1.0);
        // Protocol Buffers' round trip (serialize and parse) against each of the library's ways.
        const double idaVolta = Mediana(g, "protobuf:serializar") + Mediana(g, "protobuf:analisar+destruir");
        for (const char* op : {"CopiarParaPS+liberar", "CopiarDe+destruir", "operator=="})
            if (const double t = Mediana(g, op); t > 0 && idaVolta > 0)
                noMinimo(std::string("protobuf round trip / ") + op, idaVolta / t, 3.0);
        referencia("protobuf:serializar / CopiarParaPS+liberar", razao(g, "protobuf:serializar", "CopiarParaPS+liberar"));
        referencia("protobuf:analisar+destruir / Desempacotar+destruir",
                   razao(g, "protobuf:analisar+destruir", "Desempacotar+destruir"));
        if (adiciona > 0)
            noMaximo("Adiciona1M: AdicionaLancamento / push_back", Mediana("Adiciona1M", "AdicionaLancamento") / adiciona, 2.0);
        if (recebido) noMaximo("bytes held by a received tree / record bytes", recebido->picoReg, 1.3);
        if (estaVazio >= 0) metas.push_back({"EstaVazio: blocks per call (any workload)", estaVazio, estaVazio == 0, "== 0"});

        std::fprintf(f, "\nTargets (%s unless named; medians of this run; two rows timed in turns by a row %s*\n"
                        "that ran: as timed there)\n",
                     g.c_str(), kAlternados);
        for (const Meta& m : metas)
            std::fprintf(f, "  %-56s %8.2f  %-8s %s\n", m.descricao.c_str(), m.valor, m.limite.c_str(),
                         m.limite.empty() ? "(reference)" : m.atingida ? "met" : "MISSED");
    }

    std::map<std::pair<std::string, std::string>, double> m_piso;
    std::vector<Linha> m_linhas;
    // (workload, first row of the turns, operation) -> the operation's time over that row's, in turns.
    std::map<std::tuple<std::string, std::string, std::string>, double> m_alternados;
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

// The processor, as the kernel names it, and the CRC-32 method it runs: the machine of the run.
static std::string Processador() {
    std::string modelo = "unknown processor";
    if (std::FILE* f = std::fopen("/proc/cpuinfo", "r")) {
        char linha[512];
        while (std::fgets(linha, sizeof linha, f))
            if (std::strncmp(linha, "model name", 10) == 0) {
                const char* v = std::strchr(linha, ':');
                if (v) modelo = std::string(v + 2, std::strcspn(v + 2, "\n"));
                break;
            }
        std::fclose(f);
    }
    using NXDadosGC::detail::MetodoCrc32;
    const char* crc = "tables";
    std::uint32_t r;
    for (const auto& [m, nome] : {std::pair{MetodoCrc32::Dobra512, "512-bit folding"},
                                  std::pair{MetodoCrc32::Dobra256, "256-bit folding"},
                                  std::pair{MetodoCrc32::Dobra128, "128-bit folding"}})
        if (NXDadosGC::detail::Crc32Por(m, {}, 0, r)) {
            crc = nome;
            break;
        }
    return modelo + "; CRC-32 by " + crc;
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
    benchmark::AddCustomContext("processador", Processador());
    std::printf("%s (the heap keeps freed memory between iterations)\n%s\n", limites, Processador().c_str());

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
    RegistrarTurnos();

    Relatorio relatorio;
    benchmark::RunSpecifiedBenchmarks(&relatorio);
    benchmark::Shutdown();
    return 0;
}
