// Protocol Buffers on the same trees: the messages are built once from the library's objects;
// the rows serialize them into a new string, and parse that string into new messages (on the
// heap, and in an arena), each followed by the release of what it made. The JSON rows write a
// message as JSON text and read that text into a new message.
#include <google/protobuf/arena.h>
#include <google/protobuf/util/json_util.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>

#include "Medicao.h"
#include "Referencia.pb.h"

namespace nxbench {
namespace {


nxbench::CustoProducao ParaProto(const CNXDadosGC_CustoProducao& o) {
    nxbench::CustoProducao m;
    const auto& r = o.GetReg();
    m.set_posicao_produto_servico_0(Posicao0(r.PosicaoProdutoServico));
    m.set_posicao_produto_servico_1(Posicao1(r.PosicaoProdutoServico));
    m.set_dma_hms_emissao(r.DmaHmsEmissao.m_Valor);
    m.set_dma_hms_gravacao(r.DmaHmsGravacao.m_Valor);
    m.set_total_custo_terceirizacoes(r.TotalCustoTerceirizacoes.int64);
    m.set_chave(r.Chave);
    m.set_ponteiro_projeto_deprecated(r.PonteiroProjeto_DEPRECATED);
    m.set_ponteiro_fluxo_processo_deprecated(r.PonteiroFluxoProcesso_DEPRECATED);
    m.set_ponteiro_usuario_emissao(r.PonteiroUsuarioEmissao);
    m.set_ponteiro_usuario_gravacao(r.PonteiroUsuarioGravacao);
    m.set_ma_competencia(r.MaCompetencia);
    m.set_ponteiro_filial(r.PonteiroFilial);
    m.set_tipo_produto_servico(r.TipoProdutoServico);
    m.set_tipo_custo(r.TipoCusto);
    m.set_origem_custo_producao(r.OrigemCustoProducao);
    m.set_situacao(r.Situacao);
    m.set_eh_custo_producao_ativo(r.EhCustoProducaoAtivo);
    m.set_excluido(r.Excluido);
    for (INT_PTR i = 0; i < o.GetQuantidadeResultado(); ++i) {
        const CNXDadosGC_CustoProducaoResultado& res = o.GetResultado(i);
        const auto& rr = res.GetReg();
        nxbench::Resultado* mr = m.add_resultado();
        mr->set_quant_produzida(rr.QuantProduzida.int64);
        mr->set_quant_horas_producao(rr.QuantHorasProducao.int64);
        mr->set_custo_total_horas_fixo(rr.CustoTotalHorasFixo.int64);
        mr->set_custo_total_horas_variavel(rr.CustoTotalHorasVariavel.int64);
        mr->set_custo_total_horas(rr.CustoTotalHoras.int64);
        mr->set_custo_total_insumos(rr.CustoTotalInsumos.int64);
        mr->set_custo_total(rr.CustoTotal.int64);
        mr->set_custo_unitario_v8(rr.CustoUnitarioV8.int64);
        mr->set_ponteiro_processo(rr.PonteiroProcesso);
        mr->set_ma_competencia(rr.MaCompetencia);
        mr->set_estoque_origem_terceiros(rr.EstoqueOrigemTerceiros);
        if (const CNXDadosGC_CustoProducaoEntrada* e = res.GetEntrada()) {
            const auto& re = e->GetReg();
            nxbench::Entrada* me = mr->mutable_entrada();
            me->set_dma_hms_movimento(re.DmaHmsMovimento.m_Valor);
            me->set_dmc_movimento_entrada(U64(re.DmcMovimentoEntrada.m_Bytes));
            me->set_dmc_ordem_producao(U64(re.DmcOrdemProducao.m_Bytes));
        }
        for (INT_PTR j = 0; j < res.GetQuantidadeCustoProcessamento(); ++j) {
            const auto& rp = res.GetCustoProcessamento(j).GetReg();
            nxbench::Processamento* mp = mr->add_custo_processamento();
            mp->set_quant_processada(rp.QuantProcessada.int64);
            mp->set_quant_horas_producao(rp.QuantHorasProducao.int64);
            mp->set_custo_hora_fixo(rp.CustoHoraFixo.int64);
            mp->set_custo_hora_variavel(rp.CustoHoraVariavel.int64);
            mp->set_custo_hora(rp.CustoHora.int64);
            mp->set_custo_total_horas_fixo(rp.CustoTotalHorasFixo.int64);
            mp->set_custo_total_horas_variavel(rp.CustoTotalHorasVariavel.int64);
            mp->set_custo_total_horas(rp.CustoTotalHoras.int64);
            mp->set_custo_total(rp.CustoTotal.int64);
            mp->set_ponteiro_processo(rp.PonteiroProcesso);
            mp->set_ponteiro_centro_custos(rp.PonteiroCentroCustos);
            mp->set_ma_competencia(rp.MaCompetencia);
        }
        for (INT_PTR j = 0; j < res.GetQuantidadeCustoBaixaInsumo(); ++j) {
            const auto& rb = res.GetCustoBaixaInsumo(j).GetReg();
            nxbench::BaixaInsumo* mb = mr->add_custo_baixa_insumo();
            mb->set_posicao_produto_0(Posicao0(rb.PosicaoProduto));
            mb->set_posicao_produto_1(Posicao1(rb.PosicaoProduto));
            mb->set_dma_hms_movimento(rb.DmaHmsMovimento.m_Valor);
            mb->set_dmc_movimento_baixa(U64(rb.DmcMovimentoBaixa.m_Bytes));
            mb->set_quant_consumida(rb.QuantConsumida.int64);
            mb->set_custo_unitario_v8(rb.CustoUnitarioV8.int64);
            mb->set_custo_total(rb.CustoTotal.int64);
            mb->set_ma_competencia(rb.MaCompetencia);
        }
    }
    return m;
}

nxbench::MatrizRateio ParaProto(const CNXDadosGC_MatrizRateio& o) {
    nxbench::MatrizRateio m;
    const auto& r = o.GetReg();
    m.set_dma_hms_gravacao(r.DmaHmsGravacao.m_Valor);
    m.set_ponteiro_usuario_gravacao(r.PonteiroUsuarioGravacao);
    m.set_ma_competencia(r.MaCompetencia);
    m.set_ponteiro_filial(r.PonteiroFilial);
    m.set_excluido(r.Excluido);
    for (INT_PTR i = 0; i < o.GetQuantidadeConta(); ++i) {
        const CNXDadosGC_MatrizRateioConta& c = o.GetConta(i);
        const auto& rc = c.GetReg();
        nxbench::MatrizRateioConta* mc = m.add_conta();
        mc->set_total_rateio(rc.TotalRateio.int64);
        mc->set_valor_lancado(rc.ValorLancado.int64);
        mc->set_ponteiro_conta_contabil(rc.PonteiroContaContabil);
        mc->set_ponteiro_conta_gerencial(rc.PonteiroContaGerencial);
        for (INT_PTR j = 0; j < c.GetQuantidadeCentroCustos(); ++j) {
            const auto& rcc = c.GetCentroCustos(j).GetReg();
            nxbench::MatrizRateioCentroCustos* mcc = mc->add_centro_custos();
            mcc->set_valor_rateio(rcc.ValorRateio.int64);
            mcc->set_ponteiro_centro_custos(rcc.PonteiroCentroCustos);
            mcc->set_caracteristica_centro_custos(rcc.CaracteristicaCentroCustos);
        }
    }
    for (INT_PTR i = 0; i < o.GetQuantidadeCentroCustosApoio(); ++i) {
        const CNXDadosGC_MatrizRateioCentroCustosApoio& a = o.GetCentroCustosApoio(i);
        const auto& ra = a.GetReg();
        nxbench::MatrizRateioCentroCustosApoio* ma = m.add_centro_custos_apoio();
        ma->set_total_rateio(ra.TotalRateio.int64);
        ma->set_valor_lancado(ra.ValorLancado.int64);
        ma->set_ponteiro_centro_custos(ra.PonteiroCentroCustos);
        ma->set_caracteristica_centro_custos(ra.CaracteristicaCentroCustos);
        for (INT_PTR j = 0; j < a.GetQuantidadeCentroCustosProdutivo(); ++j) {
            const auto& rp = a.GetCentroCustosProdutivo(j).GetReg();
            nxbench::MatrizRateioCentroCustosProdutivo* mp = ma->add_centro_custos_produtivo();
            mp->set_valor_rateio(rp.ValorRateio.int64);
            mp->set_custo_fixo(rp.CustoFixo.int64);
            mp->set_custo_variavel(rp.CustoVariavel.int64);
            mp->set_ponteiro_centro_custos(rp.PonteiroCentroCustos);
            mp->set_caracteristica_centro_custos(rp.CaracteristicaCentroCustos);
        }
    }
    return m;
}

nxbench::ListaLanctoHoras ParaProto(const CNXDadosGC_ListaLanctoHoras& o) {
    nxbench::ListaLanctoHoras m;
    m.set_ma_competencia(o.GetReg().MaCompetencia);
    m.set_ponteiro_filial(o.GetReg().PonteiroFilial);
    for (INT_PTR i = 0; i < o.GetQuantidadeLancamento(); ++i) {
        const auto& r = o.GetLancamento(i).GetReg();
        nxbench::LancamentoHoras* ml = m.add_lancamento();
        ml->set_dma_hms_emissao(r.DmaHmsEmissao.m_Valor);
        ml->set_dma_hms_gravacao(r.DmaHmsGravacao.m_Valor);
        ml->set_quant_horas_producao(r.QuantHorasProducao.int64);
        ml->set_quant_horas_ociosas(r.QuantHorasOciosas.int64);
        ml->set_chave(r.Chave);
        ml->set_ponteiro_centro_custos(r.PonteiroCentroCustos);
        ml->set_ponteiro_usuario_emissao(r.PonteiroUsuarioEmissao);
        ml->set_ponteiro_usuario_gravacao(r.PonteiroUsuarioGravacao);
        ml->set_ma_competencia(r.MaCompetencia);
        ml->set_ponteiro_filial(r.PonteiroFilial);
        ml->set_origem(r.Origem);
        ml->set_excluido(r.Excluido);
    }
    return m;
}

template <class Classe>
void RegistrarMensagem(const Carga<Classe>& c) {
    using Mensagem = decltype(ParaProto(std::declval<const Classe&>()));
    // Built once per workload, kept by the rows for the whole run.
    struct Dados {
        Mensagem mensagem;
        std::string fio;
    };
    auto d = std::make_shared<Dados>();
    d->mensagem = ParaProto(*c.objeto);
    d->fio = d->mensagem.SerializeAsString();
    const std::int64_t bytes = c.Bytes();

    Registrar(c.nome, "protobuf:serializar", [d, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) {
            std::string saida;
            d->mensagem.SerializeToString(&saida);
            benchmark::DoNotOptimize(saida.data());
        }
        m.Concluir(bytes);
        s.counters["fio/reg"] = static_cast<double>(d->fio.size()) / static_cast<double>(bytes);
    });
    Registrar(c.nome, "protobuf:analisar+destruir", [d, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) {
            Mensagem lida;
            if (!lida.ParseFromString(d->fio)) s.SkipWithError("parse failed");
            benchmark::DoNotOptimize(lida);
        }
        m.Concluir(bytes);
    });
    Registrar(c.nome, "protobuf:analisar_arena+destruir", [d, bytes](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) {
            google::protobuf::Arena arena;
            auto* lida = google::protobuf::Arena::CreateMessage<Mensagem>(&arena);
            if (!lida->ParseFromString(d->fio)) s.SkipWithError("parse failed");
            benchmark::DoNotOptimize(lida);
        }
        m.Concluir(bytes);
    });
}

// Protocol Buffers' JSON form of the same tree, with its default options (compact text, field
// names in lower camel case, 64-bit integers as strings). The MB/s column is over the text.
template <class Classe>
void RegistrarJson(const Carga<Classe>& c) {
    using Mensagem = decltype(ParaProto(std::declval<const Classe&>()));
    struct Dados {
        Mensagem mensagem;
        std::string texto;
    };
    auto d = std::make_shared<Dados>();
    d->mensagem = ParaProto(*c.objeto);
    if (!google::protobuf::util::MessageToJsonString(d->mensagem, &d->texto).ok()) return;
    const auto bytes = static_cast<std::int64_t>(d->texto.size());

    RegistrarOperacao(
        c.nome, kJsonProtobuf, bytes,
        [d] {
            std::string texto;
            benchmark::DoNotOptimize(google::protobuf::util::MessageToJsonString(d->mensagem, &texto).ok());
            benchmark::DoNotOptimize(texto.data());
        },
        kJsonProtobuf);
    RegistrarOperacao(
        c.nome, "protobuf:JsonStringToMessage+destruir", bytes,
        [d] {
            Mensagem lida;
            benchmark::DoNotOptimize(google::protobuf::util::JsonStringToMessage(d->texto, &lida).ok());
            benchmark::DoNotOptimize(lida);
        },
        kJsonProtobuf);
}

}  // namespace

void RegistrarProtobufJson(const Carga<CNXDadosGC_CustoProducao>& c) { RegistrarJson(c); }
void RegistrarProtobufJson(const Carga<CNXDadosGC_MatrizRateio>& c) { RegistrarJson(c); }
void RegistrarProtobufJson(const Carga<CNXDadosGC_ListaLanctoHoras>& c) { RegistrarJson(c); }

void RegistrarProtobuf(const Carga<CNXDadosGC_CustoProducao>& c) { RegistrarMensagem(c); }
void RegistrarProtobuf(const Carga<CNXDadosGC_MatrizRateio>& c) { RegistrarMensagem(c); }
void RegistrarProtobuf(const Carga<CNXDadosGC_ListaLanctoHoras>& c) { RegistrarMensagem(c); }

}  // namespace nxbench
