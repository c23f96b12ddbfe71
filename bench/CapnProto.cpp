// Cap'n Proto on the same trees: a message is built from the library's objects and flattened
// into one array of words (what a sender hands on), and a reader over such an array reads every
// field back.
#include <capnp/message.h>
#include <capnp/serialize.h>

#include <memory>

#include "Medicao.h"
#include "Referencia.capnp.h"

namespace nxbench {
namespace {

namespace cp = nxbench::capn;


// A list of structs made by iniciar(count), element i filled by f from element i of a T_Lista.
template <class Lista, class Iniciar, class F>
void PreencherLista(const Lista& lista, Iniciar iniciar, F f) {
    const auto n = static_cast<unsigned>(lista.GetQuantidade());
    auto l = iniciar(n);
    for (unsigned i = 0; i < n; ++i) f(l[i], lista.Get(static_cast<INT_PTR>(i)).GetReg());
}

void Construir(cp::CustoProducao::Builder m, const CNXDadosGC_CustoProducao& o) {
    const auto& r = o.GetReg();
    m.setPosicaoProdutoServico0(Posicao0(r.PosicaoProdutoServico));
    m.setPosicaoProdutoServico1(Posicao1(r.PosicaoProdutoServico));
    m.setDmaHmsEmissao(r.DmaHmsEmissao.m_Valor);
    m.setDmaHmsGravacao(r.DmaHmsGravacao.m_Valor);
    m.setTotalCustoTerceirizacoes(r.TotalCustoTerceirizacoes.int64);
    m.setChave(r.Chave);
    m.setPonteiroProjetoDeprecated(r.PonteiroProjeto_DEPRECATED);
    m.setPonteiroFluxoProcessoDeprecated(r.PonteiroFluxoProcesso_DEPRECATED);
    m.setPonteiroUsuarioEmissao(r.PonteiroUsuarioEmissao);
    m.setPonteiroUsuarioGravacao(r.PonteiroUsuarioGravacao);
    m.setMaCompetencia(r.MaCompetencia);
    m.setPonteiroFilial(r.PonteiroFilial);
    m.setTipoProdutoServico(r.TipoProdutoServico);
    m.setTipoCusto(r.TipoCusto);
    m.setOrigemCustoProducao(r.OrigemCustoProducao);
    m.setSituacao(r.Situacao);
    m.setEhCustoProducaoAtivo(r.EhCustoProducaoAtivo);
    m.setExcluido(r.Excluido);
    auto resultados = m.initResultado(static_cast<unsigned>(o.GetQuantidadeResultado()));
    for (INT_PTR i = 0; i < o.GetQuantidadeResultado(); ++i) {
        const CNXDadosGC_CustoProducaoResultado& res = o.GetResultado(i);
        const auto& rr = res.GetReg();
        auto mr = resultados[static_cast<unsigned>(i)];
        mr.setQuantProduzida(rr.QuantProduzida.int64);
        mr.setQuantHorasProducao(rr.QuantHorasProducao.int64);
        mr.setCustoTotalHorasFixo(rr.CustoTotalHorasFixo.int64);
        mr.setCustoTotalHorasVariavel(rr.CustoTotalHorasVariavel.int64);
        mr.setCustoTotalHoras(rr.CustoTotalHoras.int64);
        mr.setCustoTotalInsumos(rr.CustoTotalInsumos.int64);
        mr.setCustoTotal(rr.CustoTotal.int64);
        mr.setCustoUnitarioV8(rr.CustoUnitarioV8.int64);
        mr.setPonteiroProcesso(rr.PonteiroProcesso);
        mr.setMaCompetencia(rr.MaCompetencia);
        mr.setEstoqueOrigemTerceiros(rr.EstoqueOrigemTerceiros);
        if (const CNXDadosGC_CustoProducaoEntrada* e = res.GetEntrada()) {
            const auto& re = e->GetReg();
            auto me = mr.initEntrada();
            me.setDmaHmsMovimento(re.DmaHmsMovimento.m_Valor);
            me.setDmcMovimentoEntrada(U64(re.DmcMovimentoEntrada.m_Bytes));
            me.setDmcOrdemProducao(U64(re.DmcOrdemProducao.m_Bytes));
        }
        PreencherLista(res.GetListaCustoProcessamento(), [&](unsigned n) { return mr.initCustoProcessamento(n); },
               [](auto mp, const auto& rp) {
                   mp.setQuantProcessada(rp.QuantProcessada.int64);
                   mp.setQuantHorasProducao(rp.QuantHorasProducao.int64);
                   mp.setCustoHoraFixo(rp.CustoHoraFixo.int64);
                   mp.setCustoHoraVariavel(rp.CustoHoraVariavel.int64);
                   mp.setCustoHora(rp.CustoHora.int64);
                   mp.setCustoTotalHorasFixo(rp.CustoTotalHorasFixo.int64);
                   mp.setCustoTotalHorasVariavel(rp.CustoTotalHorasVariavel.int64);
                   mp.setCustoTotalHoras(rp.CustoTotalHoras.int64);
                   mp.setCustoTotal(rp.CustoTotal.int64);
                   mp.setPonteiroProcesso(rp.PonteiroProcesso);
                   mp.setPonteiroCentroCustos(rp.PonteiroCentroCustos);
                   mp.setMaCompetencia(rp.MaCompetencia);
               });
        PreencherLista(res.GetListaCustoBaixaInsumo(), [&](unsigned n) { return mr.initCustoBaixaInsumo(n); },
               [](auto mb, const auto& rb) {
                   mb.setPosicaoProduto0(Posicao0(rb.PosicaoProduto));
                   mb.setPosicaoProduto1(Posicao1(rb.PosicaoProduto));
                   mb.setDmaHmsMovimento(rb.DmaHmsMovimento.m_Valor);
                   mb.setDmcMovimentoBaixa(U64(rb.DmcMovimentoBaixa.m_Bytes));
                   mb.setQuantConsumida(rb.QuantConsumida.int64);
                   mb.setCustoUnitarioV8(rb.CustoUnitarioV8.int64);
                   mb.setCustoTotal(rb.CustoTotal.int64);
                   mb.setMaCompetencia(rb.MaCompetencia);
               });
    }
}

void Construir(cp::MatrizRateio::Builder m, const CNXDadosGC_MatrizRateio& o) {
    const auto& r = o.GetReg();
    m.setDmaHmsGravacao(r.DmaHmsGravacao.m_Valor);
    m.setPonteiroUsuarioGravacao(r.PonteiroUsuarioGravacao);
    m.setMaCompetencia(r.MaCompetencia);
    m.setPonteiroFilial(r.PonteiroFilial);
    m.setExcluido(r.Excluido);
    auto contas = m.initConta(static_cast<unsigned>(o.GetQuantidadeConta()));
    for (INT_PTR i = 0; i < o.GetQuantidadeConta(); ++i) {
        const CNXDadosGC_MatrizRateioConta& c = o.GetConta(i);
        const auto& rc = c.GetReg();
        auto mc = contas[static_cast<unsigned>(i)];
        mc.setTotalRateio(rc.TotalRateio.int64);
        mc.setValorLancado(rc.ValorLancado.int64);
        mc.setPonteiroContaContabil(rc.PonteiroContaContabil);
        mc.setPonteiroContaGerencial(rc.PonteiroContaGerencial);
        PreencherLista(c.GetListaCentroCustos(), [&](unsigned n) { return mc.initCentroCustos(n); },
               [](auto mcc, const auto& rcc) {
                   mcc.setValorRateio(rcc.ValorRateio.int64);
                   mcc.setPonteiroCentroCustos(rcc.PonteiroCentroCustos);
                   mcc.setCaracteristicaCentroCustos(rcc.CaracteristicaCentroCustos);
               });
    }
    auto apoios = m.initCentroCustosApoio(static_cast<unsigned>(o.GetQuantidadeCentroCustosApoio()));
    for (INT_PTR i = 0; i < o.GetQuantidadeCentroCustosApoio(); ++i) {
        const CNXDadosGC_MatrizRateioCentroCustosApoio& a = o.GetCentroCustosApoio(i);
        const auto& ra = a.GetReg();
        auto ma = apoios[static_cast<unsigned>(i)];
        ma.setTotalRateio(ra.TotalRateio.int64);
        ma.setValorLancado(ra.ValorLancado.int64);
        ma.setPonteiroCentroCustos(ra.PonteiroCentroCustos);
        ma.setCaracteristicaCentroCustos(ra.CaracteristicaCentroCustos);
        PreencherLista(a.GetListaCentroCustosProdutivo(), [&](unsigned n) { return ma.initCentroCustosProdutivo(n); },
               [](auto mp, const auto& rp) {
                   mp.setValorRateio(rp.ValorRateio.int64);
                   mp.setCustoFixo(rp.CustoFixo.int64);
                   mp.setCustoVariavel(rp.CustoVariavel.int64);
                   mp.setPonteiroCentroCustos(rp.PonteiroCentroCustos);
                   mp.setCaracteristicaCentroCustos(rp.CaracteristicaCentroCustos);
               });
    }
}

void Construir(cp::ListaLanctoHoras::Builder m, const CNXDadosGC_ListaLanctoHoras& o) {
    m.setMaCompetencia(o.GetReg().MaCompetencia);
    m.setPonteiroFilial(o.GetReg().PonteiroFilial);
    PreencherLista(o.GetListaLancamento(), [&](unsigned n) { return m.initLancamento(n); }, [](auto ml, const auto& r) {
        ml.setDmaHmsEmissao(r.DmaHmsEmissao.m_Valor);
        ml.setDmaHmsGravacao(r.DmaHmsGravacao.m_Valor);
        ml.setQuantHorasProducao(r.QuantHorasProducao.int64);
        ml.setQuantHorasOciosas(r.QuantHorasOciosas.int64);
        ml.setChave(r.Chave);
        ml.setPonteiroCentroCustos(r.PonteiroCentroCustos);
        ml.setPonteiroUsuarioEmissao(r.PonteiroUsuarioEmissao);
        ml.setPonteiroUsuarioGravacao(r.PonteiroUsuarioGravacao);
        ml.setMaCompetencia(r.MaCompetencia);
        ml.setPonteiroFilial(r.PonteiroFilial);
        ml.setOrigem(r.Origem);
        ml.setExcluido(r.Excluido);
    });
}

// Reading: every field of every struct goes into a sum, so none is skipped.
std::uint64_t Ler(cp::CustoProducao::Reader c) {
    std::uint64_t s = c.getPosicaoProdutoServico0() + c.getPosicaoProdutoServico1() +
                      static_cast<std::uint64_t>(c.getDmaHmsEmissao() + c.getDmaHmsGravacao() +
                                                 c.getTotalCustoTerceirizacoes()) +
                      c.getChave() + c.getPonteiroProjetoDeprecated() + c.getPonteiroFluxoProcessoDeprecated() +
                      c.getPonteiroUsuarioEmissao() + c.getPonteiroUsuarioGravacao() + c.getMaCompetencia() +
                      c.getPonteiroFilial() + c.getTipoProdutoServico() + c.getTipoCusto() +
                      c.getOrigemCustoProducao() + c.getSituacao() + c.getEhCustoProducaoAtivo() + c.getExcluido();
    for (auto r : c.getResultado()) {
        s += static_cast<std::uint64_t>(r.getQuantProduzida() + r.getQuantHorasProducao() +
                                        r.getCustoTotalHorasFixo() + r.getCustoTotalHorasVariavel() +
                                        r.getCustoTotalHoras() + r.getCustoTotalInsumos() + r.getCustoTotal() +
                                        r.getCustoUnitarioV8()) +
             r.getPonteiroProcesso() + r.getMaCompetencia() + r.getEstoqueOrigemTerceiros();
        if (r.hasEntrada()) {
            const auto e = r.getEntrada();
            s += static_cast<std::uint64_t>(e.getDmaHmsMovimento()) + e.getDmcMovimentoEntrada() +
                 e.getDmcOrdemProducao();
        }
        for (auto p : r.getCustoProcessamento())
            s += static_cast<std::uint64_t>(p.getQuantProcessada() + p.getQuantHorasProducao() + p.getCustoHoraFixo() +
                                            p.getCustoHoraVariavel() + p.getCustoHora() + p.getCustoTotalHorasFixo() +
                                            p.getCustoTotalHorasVariavel() + p.getCustoTotalHoras() +
                                            p.getCustoTotal()) +
                 p.getPonteiroProcesso() + p.getPonteiroCentroCustos() + p.getMaCompetencia();
        for (auto p : r.getCustoBaixaInsumo())
            s += p.getPosicaoProduto0() + p.getPosicaoProduto1() +
                 static_cast<std::uint64_t>(p.getDmaHmsMovimento()) + p.getDmcMovimentoBaixa() +
                 static_cast<std::uint64_t>(p.getQuantConsumida() + p.getCustoUnitarioV8() + p.getCustoTotal()) +
                 p.getMaCompetencia();
    }
    return s;
}

std::uint64_t Ler(cp::MatrizRateio::Reader m) {
    std::uint64_t s = static_cast<std::uint64_t>(m.getDmaHmsGravacao()) + m.getPonteiroUsuarioGravacao() +
                      m.getMaCompetencia() + m.getPonteiroFilial() + m.getExcluido();
    for (auto c : m.getConta()) {
        s += static_cast<std::uint64_t>(c.getTotalRateio() + c.getValorLancado()) + c.getPonteiroContaContabil() +
             c.getPonteiroContaGerencial();
        for (auto p : c.getCentroCustos())
            s += static_cast<std::uint64_t>(p.getValorRateio()) + p.getPonteiroCentroCustos() +
                 p.getCaracteristicaCentroCustos();
    }
    for (auto a : m.getCentroCustosApoio()) {
        s += static_cast<std::uint64_t>(a.getTotalRateio() + a.getValorLancado()) + a.getPonteiroCentroCustos() +
             a.getCaracteristicaCentroCustos();
        for (auto p : a.getCentroCustosProdutivo())
            s += static_cast<std::uint64_t>(p.getValorRateio() + p.getCustoFixo() + p.getCustoVariavel()) +
                 p.getPonteiroCentroCustos() + p.getCaracteristicaCentroCustos();
    }
    return s;
}

std::uint64_t Ler(cp::ListaLanctoHoras::Reader l) {
    std::uint64_t s = l.getMaCompetencia() + l.getPonteiroFilial();
    for (auto p : l.getLancamento())
        s += static_cast<std::uint64_t>(p.getDmaHmsEmissao() + p.getDmaHmsGravacao() + p.getQuantHorasProducao() +
                                        p.getQuantHorasOciosas()) +
             p.getChave() + p.getPonteiroCentroCustos() + p.getPonteiroUsuarioEmissao() +
             p.getPonteiroUsuarioGravacao() + p.getMaCompetencia() + p.getPonteiroFilial() + p.getOrigem() +
             p.getExcluido();
    return s;
}

template <class Raiz, class Classe>
void RegistrarMensagem(const Carga<Classe>& c) {
    const Classe& o = *c.objeto;
    const std::int64_t bytes = c.Bytes();
    // The flat array the reading row reads, built once per workload.
    auto plano = std::make_shared<kj::Array<capnp::word>>([&] {
        capnp::MallocMessageBuilder b;
        Construir(b.initRoot<Raiz>(), o);
        return capnp::messageToFlatArray(b);
    }());

    auto construir = [&o] {
        capnp::MallocMessageBuilder b;
        Construir(b.initRoot<Raiz>(), o);
        kj::Array<capnp::word> palavras = capnp::messageToFlatArray(b);
        benchmark::DoNotOptimize(palavras.begin());
    };
    EmTurnos(c.nome, kPacotePar, "capnp:construir+achatar", construir);
    Registrar(c.nome, "capnp:construir+achatar", [construir, bytes, plano](benchmark::State& s) {
        Medidor m(s);
        for (auto _ : s) construir();
        m.Concluir(bytes);
        s.counters["fio/reg"] =
            static_cast<double>(plano->size() * sizeof(capnp::word)) / static_cast<double>(bytes);
    });
    Registrar(c.nome, "capnp:ler+somar", [bytes, plano](benchmark::State& s) {
        capnp::ReaderOptions opcoes;
        opcoes.traversalLimitInWords = plano->size() * 2;
        Medidor m(s);
        for (auto _ : s) {
            capnp::FlatArrayMessageReader leitor(plano->asPtr(), opcoes);
            benchmark::DoNotOptimize(Ler(leitor.getRoot<Raiz>()));
        }
        m.Concluir(bytes);
    });
}

}  // namespace

void RegistrarCapnProto(const Carga<CNXDadosGC_CustoProducao>& c) { RegistrarMensagem<cp::CustoProducao>(c); }
void RegistrarCapnProto(const Carga<CNXDadosGC_MatrizRateio>& c) { RegistrarMensagem<cp::MatrizRateio>(c); }
void RegistrarCapnProto(const Carga<CNXDadosGC_ListaLanctoHoras>& c) { RegistrarMensagem<cp::ListaLanctoHoras>(c); }

}  // namespace nxbench
