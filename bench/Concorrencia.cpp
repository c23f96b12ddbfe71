// Threads: T threads, each sending a tree of its own out and reading it back, against one thread
// doing the same, on the big tree and on a small one (where allocation dominates). A program of
// its own: bancada's counting malloc is one set of counters for the whole process, which every
// thread here would race on and queue behind.
#include <benchmark/benchmark.h>
#include <malloc.h>    // mallopt
#include <sys/wait.h>  // waitpid
#include <unistd.h>    // fork, pipe

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>  // getloadavg
#include <map>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "Cargas.h"

namespace {

using Custo = CNXDadosGC_CustoProducao;

// Per iteration, on the thread's own object: CopiarParaPS, CopiarDe of that tree into a second
// object of the thread's, and the release of the tree. The object is copied from the shared
// workload before the timing starts, so its blocks come from the thread's own heap arena.
void IdaEVolta(benchmark::State& s, const nxbench::Carga<Custo>& c) {
    Custo meu;
    meu.Copiar(c.objeto.get());
    Custo recebido;
    for (auto _ : s) {
        Custo::Registro reg;
        meu.CopiarParaPS(&reg);
        recebido.CopiarDe(&reg);
        NXDadosGC::LiberarCopiarParaPS<Custo>(reg);
        benchmark::DoNotOptimize(recebido);
    }
    s.SetItemsProcessed(s.iterations());
    s.SetBytesProcessed(s.iterations() * c.Bytes());
}

// The same loop in T processes at once, for a fixed time each: what the machine itself gives T
// workers that share nothing at all (no address space, no heap). Threads of the library should
// match it; when both fall short of T times one worker, the shared caches and memory are the
// limit, not the library. Returns the trees per second of all processes together.
double VazaoEmProcessos(const nxbench::Carga<Custo>& c, int processos) {
    constexpr auto kDuracao = std::chrono::seconds(2);
    std::vector<std::pair<pid_t, int>> filhos;
    for (int i = 0; i < processos; ++i) {
        int tubo[2];
        if (pipe(tubo) != 0) return 0;
        const pid_t pid = fork();
        if (pid == 0) {
            close(tubo[0]);
            Custo meu, recebido;
            meu.Copiar(c.objeto.get());
            long long arvores = 0;
            const auto inicio = std::chrono::steady_clock::now();
            double segundos = 0;
            while (segundos < std::chrono::duration<double>(kDuracao).count()) {
                Custo::Registro reg;
                meu.CopiarParaPS(&reg);
                recebido.CopiarDe(&reg);
                NXDadosGC::LiberarCopiarParaPS<Custo>(reg);
                ++arvores;
                segundos = std::chrono::duration<double>(std::chrono::steady_clock::now() - inicio).count();
            }
            const double vazao = static_cast<double>(arvores) / segundos;
            const bool escrito = write(tubo[1], &vazao, sizeof vazao) == static_cast<ssize_t>(sizeof vazao);
            _exit(escrito ? 0 : 1);
        }
        close(tubo[1]);
        if (pid < 0) return 0;
        filhos.emplace_back(pid, tubo[0]);
    }
    double total = 0;
    for (const auto& [pid, tubo] : filhos) {
        double vazao = 0;
        if (read(tubo, &vazao, sizeof vazao) == static_cast<ssize_t>(sizeof vazao)) total += vazao;
        close(tubo);
        waitpid(pid, nullptr, 0);
    }
    return total;
}

// The console report, then a table per workload: trees per second of every thread together
// (wall clock) over one thread's, the target (at least 95% of T times one thread), and the CPU
// time each tree took over one thread's. The last stays near 1 whenever the threads do not slow
// each other down, even on a machine too busy to give each of them a core of its own.
class Relatorio : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            const bool resumo = r.run_type == Run::RT_Aggregate ? r.aggregate_name == "median" : r.repetitions <= 1;
            const auto it = r.counters.find("items_per_second");
            if (resumo && !r.error_occurred && it != r.counters.end())
                m_linhas[r.run_name.function_name][static_cast<int>(r.threads)] = {it->second.value,
                                                                                   r.GetAdjustedCPUTime()};
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Called once the benchmarks have run, with the trees per second of `processos` processes
    // for each workload's row name.
    void Tabela(const std::map<std::string, double>& emProcessos, int processos) {
        std::printf("\ntrees/s: every thread together, wall clock; x1: that over 1 thread (target >= 0.95 T);\n"
                    "cpu x1: CPU time per tree over 1 thread's; then %d processes on the same loop, which share\n"
                    "nothing at all, and the threads over them (target >= 0.95: the library adds no limit of its own)\n",
                    processos);
        for (const auto& [linha, porThreads] : m_linhas) {
            const auto um = porThreads.find(1);
            if (um == porThreads.end()) continue;
            std::printf("\n%-36s %8s %12s %8s %8s\n", linha.c_str(), "threads", "trees/s", "x1", "cpu x1");
            for (const auto& [t, m] : porThreads) {
                const double vezes = m.vazao / um->second.vazao;
                std::printf("  %-34s %8d %12.0f %8.2f %8.2f  %s\n", "", t, m.vazao, vezes, m.cpu / um->second.cpu,
                            t == 1 ? "" : vezes >= 0.95 * t ? "met" : "MISSED");
            }
            const auto p = emProcessos.find(linha);
            const auto t = porThreads.find(processos);
            if (p == emProcessos.end() || p->second <= 0 || t == porThreads.end()) continue;
            const double relacao = t->second.vazao / p->second;
            std::printf("  %-25s %8d %12.0f %8.2f           threads / processes %.2f  %s\n", "processes", processos,
                        p->second, p->second / um->second.vazao, relacao, relacao >= 0.95 ? "met" : "MISSED");
        }
        std::fflush(stdout);
    }

private:
    struct Medida {
        double vazao;  // trees per second
        double cpu;    // CPU time per tree
    };
    std::map<std::string, std::map<int, Medida>> m_linhas;
};

}  // namespace

int main(int argc, char** argv) {
    // The same heap settings as bancada: big blocks from the heap, freed memory kept, so that
    // page faults (and the address-space lock they take) stay out of the figures.
    const bool ok = mallopt(M_MMAP_MAX, 0) == 1 && mallopt(M_TRIM_THRESHOLD, 1 << 30) == 1 &&
                    mallopt(M_TOP_PAD, 64 << 20) == 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    const int nucleos = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    double carga[3] = {};
    getloadavg(carga, 3);
    std::printf("%d hardware threads; load average %.2f %.2f %.2f at the start%s\n", nucleos, carga[0], carga[1],
                carga[2], ok ? "" : "; mallopt FAILED: glibc's default thresholds are in force");

    static const auto grande = nxbench::CargaCustoProducao("CustoGrande", 1000, 20);
    static const auto pequeno = nxbench::CargaCustoProducao("CustoPequeno", 10, 5);
    const auto nomeDaLinha = [](const nxbench::Carga<Custo>& c) { return "Threads/" + c.nome + "/ida+volta"; };
    for (const auto* c : {&grande, &pequeno}) {
        auto* b = benchmark::RegisterBenchmark(nomeDaLinha(*c).c_str(),
                                               [c](benchmark::State& s) { IdaEVolta(s, *c); });
        b->Unit(benchmark::kMicrosecond)->UseRealTime()->ThreadRange(1, nucleos);
        if ((nucleos & (nucleos - 1)) != 0) b->Threads(nucleos);  // ThreadRange doubles
    }

    Relatorio relatorio;
    benchmark::RunSpecifiedBenchmarks(&relatorio);
    std::map<std::string, double> emProcessos;
    if (nucleos > 1)
        for (const auto* c : {&grande, &pequeno}) emProcessos[nomeDaLinha(*c)] = VazaoEmProcessos(*c, nucleos);
    relatorio.Tabela(emProcessos, nucleos);
    benchmark::Shutdown();
    return 0;
}
