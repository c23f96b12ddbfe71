// Shared by every benchmark: how a row measures memory and page faults, and how rows are named
// and registered.
#ifndef NXLDADOSGC_BENCH_MEDICAO_H
#define NXLDADOSGC_BENCH_MEDICAO_H

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string>

#include "Cargas.h"
#include "Contagem.h"

// Under callgrind (--collect-atstart=no), instructions are collected only in the timed parts, so
// that `callgrind_annotate` gives a repeatable cost of exactly what a row times.
#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#define NXBENCH_ALTERNAR_COLETA() CALLGRIND_TOGGLE_COLLECT
#else
#define NXBENCH_ALTERNAR_COLETA() ((void)0)
#endif

namespace nxbench {

// Counts what the timed parts of a benchmark allocate and fault, leaving out the untimed set-up
// between Pausar and Retomar. Construct it right before the loop; call Concluir right after.
// Counters of the row: blocos/op (allocations and resizes per iteration), pico (highest bytes
// held above what was held when the timed part began), pico/reg (pico over the workload's record
// bytes) and faltas/op (page faults per iteration).
class Medidor {
public:
    explicit Medidor(benchmark::State& estado) : m_estado(estado) { Abrir(); }
    void Pausar() {
        m_estado.PauseTiming();
        Fechar();
    }
    void Retomar() {
        Abrir();
        m_estado.ResumeTiming();
    }
    // lote: operations per iteration, for rows that time a batch of small operations so that
    // pausing the timer costs little beside them; the report divides by it.
    void Concluir(std::int64_t bytesRegistro, std::int64_t lote = 1) {
        Fechar();
        const auto n = static_cast<double>(m_estado.iterations()) * static_cast<double>(lote);
        m_estado.SetBytesProcessed(static_cast<std::int64_t>(m_estado.iterations()) * lote * bytesRegistro);
        const double pico = static_cast<double>(m_pico) / static_cast<double>(lote);
        m_estado.counters["blocos/op"] = benchmark::Counter(static_cast<double>(m_blocos) / n);
        m_estado.counters["pico"] = benchmark::Counter(pico, benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
        m_estado.counters["pico/reg"] = pico / static_cast<double>(bytesRegistro);
        m_estado.counters["faltas/op"] = static_cast<double>(m_faltas) / n;
        if (lote > 1) m_estado.counters["lote"] = static_cast<double>(lote);
    }

private:
    void Abrir() {
        m_inicio = LerMemoria();
        ZerarPico();
        m_faltasInicio = FaltasPagina();
        NXBENCH_ALTERNAR_COLETA();
    }
    void Fechar() {
        NXBENCH_ALTERNAR_COLETA();
        const Memoria m = LerMemoria();
        m_blocos += m.blocos - m_inicio.blocos;
        m_pico = std::max(m_pico, m.pico - m_inicio.bytesVivos);
        m_faltas += FaltasPagina() - m_faltasInicio;
    }

    benchmark::State& m_estado;
    Memoria m_inicio;
    std::int64_t m_faltasInicio = 0;
    std::int64_t m_blocos = 0;
    std::int64_t m_pico = 0;
    std::int64_t m_faltas = 0;
};

// How many operations a batched row runs per iteration: enough for about 256 KiB of records.
inline std::int64_t Lote(std::int64_t bytesRegistro) {
    return std::clamp<std::int64_t>((256 << 10) / bytesRegistro, 1, 1000);
}

// Rows whose untimed set-up outweighs what they time (the release and clearing rows) run a fixed
// number of iterations, about 64 MiB of records in all: the time budget counts only the timed
// parts, so under it they would spend minutes in the set-up of small timed parts.
inline benchmark::IterationCount IteracoesComPausa(std::int64_t bytesRegistro, std::int64_t lote) {
    return std::clamp<std::int64_t>((std::int64_t{64} << 20) / (bytesRegistro * lote), 8, 1000);
}

// Registers "<carga>/<operacao>". The first row registered for a workload must be its floor,
// "<carga>/piso_memcpy": the report divides every row's time by the floor's.
inline constexpr const char* kPiso = "piso_memcpy";
benchmark::internal::Benchmark* Registrar(const std::string& carga, const std::string& operacao,
                                          std::function<void(benchmark::State&)> f);

// Operations timed in turns with the row they are held against (`piso`: a floor, or a peer),
// beside their own rows: a burst of that row's operation, then a burst of each other, over and
// over, so that whatever slows a shared machine for a while slows them all alike. That operation
// joins its turns under its own name (`operacao` == `piso`). A workload's turns with one `piso`
// are the row "<carga>/alternados:<piso>" (RegistrarTurnos), whose counters are each operation's
// time over the first one's in the same repetition.
void EmTurnos(const std::string& carga, const std::string& piso, const std::string& operacao,
              std::function<void()> fazer);

// The packed-form rows are timed in turns with FlatBuffers' build into a reused builder, the JSON
// rows with Protocol Buffers' JSON writer.
inline constexpr const char* kPacotePar = "flatbuffers:construir_reusado";
inline constexpr const char* kJsonProtobuf = "protobuf:MessageToJsonString";

// A row timing one operation per iteration; with `piso`, the operation also joins its turns.
template <class Fazer>
void RegistrarOperacao(const std::string& carga, const std::string& operacao, std::int64_t bytes, Fazer fazer,
                       const char* piso = nullptr) {
    if (piso) EmTurnos(carga, piso, operacao, fazer);
    Registrar(carga, operacao, [bytes, fazer](benchmark::State& s) mutable {
        Medidor m(s);
        for (auto _ : s) fazer();
        m.Concluir(bytes);
    });
}

// The peers hold a 16-byte field (a product or service position) as two 64-bit halves, and an
// 8-byte one as a 64-bit integer.
inline std::uint64_t U64(const void* p) {
    std::uint64_t v;
    std::memcpy(&v, p, sizeof v);
    return v;
}
inline std::uint64_t Posicao0(const _REG_POSICAO_PRODUTOPS& p) { return U64(p.m_Bytes); }
inline std::uint64_t Posicao1(const _REG_POSICAO_PRODUTOPS& p) { return U64(p.m_Bytes + 8); }

// The references in Protobuf.cpp, FlatBuffers.cpp and CapnProto.cpp, one overload per workload
// type. RegistrarProtobufJson: Protocol Buffers' JSON on the same tree (the JSON rows).
void RegistrarProtobuf(const Carga<CNXDadosGC_CustoProducao>& c);
void RegistrarProtobuf(const Carga<CNXDadosGC_MatrizRateio>& c);
void RegistrarProtobuf(const Carga<CNXDadosGC_ListaLanctoHoras>& c);
void RegistrarFlatBuffers(const Carga<CNXDadosGC_CustoProducao>& c);
void RegistrarFlatBuffers(const Carga<CNXDadosGC_MatrizRateio>& c);
void RegistrarFlatBuffers(const Carga<CNXDadosGC_ListaLanctoHoras>& c);
void RegistrarCapnProto(const Carga<CNXDadosGC_CustoProducao>& c);
void RegistrarCapnProto(const Carga<CNXDadosGC_MatrizRateio>& c);
void RegistrarCapnProto(const Carga<CNXDadosGC_ListaLanctoHoras>& c);
void RegistrarProtobufJson(const Carga<CNXDadosGC_CustoProducao>& c);
void RegistrarProtobufJson(const Carga<CNXDadosGC_MatrizRateio>& c);
void RegistrarProtobufJson(const Carga<CNXDadosGC_ListaLanctoHoras>& c);
// UTF-8 texts into and out of code pages 1252 and 932 (Textos.cpp).
void RegistrarTextos();

}  // namespace nxbench

#endif
