// FlatBuffers on the same trees: the buffer is built from the library's objects (with a new
// builder each time, and with one builder reused), then verified and every field read back.
#include <flatbuffers/flatbuffers.h>

#include <memory>
#include <stdexcept>
#include <vector>

#include "Medicao.h"
#include "Referencia_generated.h"

namespace nxbench {
namespace {

namespace fb = nxbench::fb;
using flatbuffers::FlatBufferBuilder;
using flatbuffers::Offset;

fb::Posicao Posicao(const _REG_POSICAO_PRODUTOPS& p) { return {Posicao0(p), Posicao1(p)}; }

// A vector of structs, each made by f from element i of a T_Lista.
template <class S, class Lista, class F>
auto Estruturas(FlatBufferBuilder& b, const Lista& lista, F f) {
    S* p = nullptr;
    const auto n = static_cast<std::size_t>(lista.GetQuantidade());
    auto v = b.CreateUninitializedVectorOfStructs<S>(n, &p);
    for (std::size_t i = 0; i < n; ++i) p[i] = f(lista.Get(static_cast<INT_PTR>(i)).GetReg());
    return v;
}

Offset<fb::CustoProducao> Construir(FlatBufferBuilder& b, const CNXDadosGC_CustoProducao& o) {
    std::vector<Offset<fb::Resultado>> resultados;
    resultados.reserve(static_cast<std::size_t>(o.GetQuantidadeResultado()));
    for (INT_PTR i = 0; i < o.GetQuantidadeResultado(); ++i) {
        const CNXDadosGC_CustoProducaoResultado& res = o.GetResultado(i);
        auto processamento = Estruturas<fb::Processamento>(b, res.GetListaCustoProcessamento(), [](const auto& r) {
            return fb::Processamento(r.QuantProcessada.int64, r.QuantHorasProducao.int64, r.CustoHoraFixo.int64,
                                     r.CustoHoraVariavel.int64, r.CustoHora.int64, r.CustoTotalHorasFixo.int64,
                                     r.CustoTotalHorasVariavel.int64, r.CustoTotalHoras.int64, r.CustoTotal.int64,
                                     r.PonteiroProcesso, r.PonteiroCentroCustos, r.MaCompetencia);
        });
        auto baixas = Estruturas<fb::BaixaInsumo>(b, res.GetListaCustoBaixaInsumo(), [](const auto& r) {
            return fb::BaixaInsumo(Posicao(r.PosicaoProduto), r.DmaHmsMovimento.m_Valor,
                                   U64(r.DmcMovimentoBaixa.m_Bytes), r.QuantConsumida.int64,
                                   r.CustoUnitarioV8.int64, r.CustoTotal.int64, r.MaCompetencia);
        });
        fb::Entrada entrada;
        const fb::Entrada* pEntrada = nullptr;
        if (const CNXDadosGC_CustoProducaoEntrada* e = res.GetEntrada()) {
            const auto& re = e->GetReg();
            entrada = fb::Entrada(re.DmaHmsMovimento.m_Valor, U64(re.DmcMovimentoEntrada.m_Bytes),
                                  U64(re.DmcOrdemProducao.m_Bytes));
            pEntrada = &entrada;
        }
        const auto& r = res.GetReg();
        resultados.push_back(fb::CreateResultado(
            b, r.QuantProduzida.int64, r.QuantHorasProducao.int64, r.CustoTotalHorasFixo.int64,
            r.CustoTotalHorasVariavel.int64, r.CustoTotalHoras.int64, r.CustoTotalInsumos.int64, r.CustoTotal.int64,
            r.CustoUnitarioV8.int64, r.PonteiroProcesso, r.MaCompetencia, r.EstoqueOrigemTerceiros, pEntrada,
            processamento, baixas));
    }
    auto vetor = b.CreateVector(resultados);
    const auto& r = o.GetReg();
    const fb::Posicao posicao = Posicao(r.PosicaoProdutoServico);
    return fb::CreateCustoProducao(b, &posicao, r.DmaHmsEmissao.m_Valor, r.DmaHmsGravacao.m_Valor,
                                   r.TotalCustoTerceirizacoes.int64, r.Chave, r.PonteiroProjeto_DEPRECATED,
                                   r.PonteiroFluxoProcesso_DEPRECATED, r.PonteiroUsuarioEmissao,
                                   r.PonteiroUsuarioGravacao, r.MaCompetencia, r.PonteiroFilial, r.TipoProdutoServico,
                                   r.TipoCusto, r.OrigemCustoProducao, r.Situacao, r.EhCustoProducaoAtivo, r.Excluido,
                                   vetor);
}

Offset<fb::MatrizRateio> Construir(FlatBufferBuilder& b, const CNXDadosGC_MatrizRateio& o) {
    std::vector<Offset<fb::MatrizRateioConta>> contas;
    contas.reserve(static_cast<std::size_t>(o.GetQuantidadeConta()));
    for (INT_PTR i = 0; i < o.GetQuantidadeConta(); ++i) {
        const CNXDadosGC_MatrizRateioConta& c = o.GetConta(i);
        auto centros = Estruturas<fb::MatrizRateioCentroCustos>(b, c.GetListaCentroCustos(), [](const auto& r) {
            return fb::MatrizRateioCentroCustos(r.ValorRateio.int64, r.PonteiroCentroCustos,
                                                r.CaracteristicaCentroCustos);
        });
        const auto& r = c.GetReg();
        contas.push_back(fb::CreateMatrizRateioConta(b, r.TotalRateio.int64, r.ValorLancado.int64,
                                                     r.PonteiroContaContabil, r.PonteiroContaGerencial, centros));
    }
    std::vector<Offset<fb::MatrizRateioCentroCustosApoio>> apoios;
    apoios.reserve(static_cast<std::size_t>(o.GetQuantidadeCentroCustosApoio()));
    for (INT_PTR i = 0; i < o.GetQuantidadeCentroCustosApoio(); ++i) {
        const CNXDadosGC_MatrizRateioCentroCustosApoio& a = o.GetCentroCustosApoio(i);
        auto produtivos = Estruturas<fb::MatrizRateioCentroCustosProdutivo>(
            b, a.GetListaCentroCustosProdutivo(), [](const auto& r) {
                return fb::MatrizRateioCentroCustosProdutivo(r.ValorRateio.int64, r.CustoFixo.int64,
                                                             r.CustoVariavel.int64, r.PonteiroCentroCustos,
                                                             r.CaracteristicaCentroCustos);
            });
        const auto& r = a.GetReg();
        apoios.push_back(fb::CreateMatrizRateioCentroCustosApoio(b, r.TotalRateio.int64, r.ValorLancado.int64,
                                                                 r.PonteiroCentroCustos, r.CaracteristicaCentroCustos,
                                                                 produtivos));
    }
    auto vContas = b.CreateVector(contas);
    auto vApoios = b.CreateVector(apoios);
    const auto& r = o.GetReg();
    return fb::CreateMatrizRateio(b, r.DmaHmsGravacao.m_Valor, r.PonteiroUsuarioGravacao, r.MaCompetencia,
                                  r.PonteiroFilial, r.Excluido, vContas, vApoios);
}

Offset<fb::ListaLanctoHoras> Construir(FlatBufferBuilder& b, const CNXDadosGC_ListaLanctoHoras& o) {
    auto lancamentos = Estruturas<fb::LancamentoHoras>(b, o.GetListaLancamento(), [](const auto& r) {
        return fb::LancamentoHoras(r.DmaHmsEmissao.m_Valor, r.DmaHmsGravacao.m_Valor, r.QuantHorasProducao.int64,
                                   r.QuantHorasOciosas.int64, r.Chave, r.PonteiroCentroCustos,
                                   r.PonteiroUsuarioEmissao, r.PonteiroUsuarioGravacao, r.MaCompetencia,
                                   r.PonteiroFilial, r.Origem, r.Excluido);
    });
    return fb::CreateListaLanctoHoras(b, o.GetReg().MaCompetencia, o.GetReg().PonteiroFilial, lancamentos);
}

// Reading: every field of every struct and table goes into a sum, so none is skipped.
std::uint64_t Somar(const fb::Posicao* p) { return p ? p->a() + p->b() : 0; }

std::uint64_t Ler(const fb::CustoProducao* c) {
    std::uint64_t s = Somar(c->posicao_produto_servico()) + c->dma_hms_emissao() + c->dma_hms_gravacao() +
                      c->total_custo_terceirizacoes() + c->chave() + c->ponteiro_projeto_deprecated() +
                      c->ponteiro_fluxo_processo_deprecated() + c->ponteiro_usuario_emissao() +
                      c->ponteiro_usuario_gravacao() + c->ma_competencia() + c->ponteiro_filial() +
                      c->tipo_produto_servico() + c->tipo_custo() + c->origem_custo_producao() + c->situacao() +
                      c->eh_custo_producao_ativo() + c->excluido();
    for (const fb::Resultado* r : *c->resultado()) {
        s += r->quant_produzida() + r->quant_horas_producao() + r->custo_total_horas_fixo() +
             r->custo_total_horas_variavel() + r->custo_total_horas() + r->custo_total_insumos() + r->custo_total() +
             r->custo_unitario_v8() + r->ponteiro_processo() + r->ma_competencia() + r->estoque_origem_terceiros();
        if (const fb::Entrada* e = r->entrada())
            s += e->dma_hms_movimento() + e->dmc_movimento_entrada() + e->dmc_ordem_producao();
        for (const fb::Processamento* p : *r->custo_processamento())
            s += p->quant_processada() + p->quant_horas_producao() + p->custo_hora_fixo() + p->custo_hora_variavel() +
                 p->custo_hora() + p->custo_total_horas_fixo() + p->custo_total_horas_variavel() +
                 p->custo_total_horas() + p->custo_total() + p->ponteiro_processo() + p->ponteiro_centro_custos() +
                 p->ma_competencia();
        for (const fb::BaixaInsumo* p : *r->custo_baixa_insumo())
            s += Somar(&p->posicao_produto()) + p->dma_hms_movimento() + p->dmc_movimento_baixa() +
                 p->quant_consumida() + p->custo_unitario_v8() + p->custo_total() + p->ma_competencia();
    }
    return s;
}

std::uint64_t Ler(const fb::MatrizRateio* m) {
    std::uint64_t s = m->dma_hms_gravacao() + m->ponteiro_usuario_gravacao() + m->ma_competencia() +
                      m->ponteiro_filial() + m->excluido();
    for (const fb::MatrizRateioConta* c : *m->conta()) {
        s += c->total_rateio() + c->valor_lancado() + c->ponteiro_conta_contabil() + c->ponteiro_conta_gerencial();
        for (const fb::MatrizRateioCentroCustos* p : *c->centro_custos())
            s += p->valor_rateio() + p->ponteiro_centro_custos() + p->caracteristica_centro_custos();
    }
    for (const fb::MatrizRateioCentroCustosApoio* a : *m->centro_custos_apoio()) {
        s += a->total_rateio() + a->valor_lancado() + a->ponteiro_centro_custos() + a->caracteristica_centro_custos();
        for (const fb::MatrizRateioCentroCustosProdutivo* p : *a->centro_custos_produtivo())
            s += p->valor_rateio() + p->custo_fixo() + p->custo_variavel() + p->ponteiro_centro_custos() +
                 p->caracteristica_centro_custos();
    }
    return s;
}

std::uint64_t Ler(const fb::ListaLanctoHoras* l) {
    std::uint64_t s = l->ma_competencia() + l->ponteiro_filial();
    for (const fb::LancamentoHoras* p : *l->lancamento())
        s += p->dma_hms_emissao() + p->dma_hms_gravacao() + p->quant_horas_producao() + p->quant_horas_ociosas() +
             p->chave() + p->ponteiro_centro_custos() + p->ponteiro_usuario_emissao() +
             p->ponteiro_usuario_gravacao() + p->ma_competencia() + p->ponteiro_filial() + p->origem() +
             p->excluido();
    return s;
}

template <class O>
struct TabelaDe;
template <class T>
struct TabelaDe<Offset<T>> {
    using tipo = T;
};

template <class Classe>
void RegistrarBuffer(const Carga<Classe>& c) {
    using Raiz = typename TabelaDe<decltype(Construir(std::declval<FlatBufferBuilder&>(), *c.objeto))>::tipo;
    const Classe& o = *c.objeto;
    const std::int64_t bytes = c.Bytes();
    // The buffer the reading row verifies, built once per workload.
    auto construido = std::make_shared<FlatBufferBuilder>();
    construido->Finish(Construir(*construido, o));

    Registrar(c.nome, "flatbuffers:construir+liberar", [&o, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) {
            FlatBufferBuilder b;
            b.Finish(Construir(b, o));
            benchmark::DoNotOptimize(b.GetBufferPointer());
        }
        m.Concluir(bytes);
    });
    auto construirReusado = [&o, b = std::make_shared<FlatBufferBuilder>()] {
        b->Clear();
        b->Finish(Construir(*b, o));
        benchmark::DoNotOptimize(b->GetBufferPointer());
    };
    EmTurnos(c.nome, kPacotePar, "flatbuffers:construir_reusado", construirReusado);
    Registrar(c.nome, "flatbuffers:construir_reusado", [construirReusado, bytes, construido](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) construirReusado();
        m.Concluir(bytes);
        s.counters["buffer/reg"] = static_cast<double>(construido->GetSize()) / static_cast<double>(bytes);
    });
    {
        flatbuffers::Verifier v(construido->GetBufferPointer(), construido->GetSize());
        if (!v.VerifyBuffer<Raiz>(nullptr)) throw std::logic_error("the reference buffer fails verification");
    }
    RegistrarOperacao(
        c.nome, "flatbuffers:verificar+ler", bytes,
        [construido] {
            flatbuffers::Verifier v(construido->GetBufferPointer(), construido->GetSize());
            benchmark::DoNotOptimize(v.VerifyBuffer<Raiz>(nullptr));
            benchmark::DoNotOptimize(Ler(flatbuffers::GetRoot<Raiz>(construido->GetBufferPointer())));
        },
        kPacotePar);
}

}  // namespace

void RegistrarFlatBuffers(const Carga<CNXDadosGC_CustoProducao>& c) { RegistrarBuffer(c); }
void RegistrarFlatBuffers(const Carga<CNXDadosGC_MatrizRateio>& c) { RegistrarBuffer(c); }
void RegistrarFlatBuffers(const Carga<CNXDadosGC_ListaLanctoHoras>& c) { RegistrarBuffer(c); }

}  // namespace nxbench
