#include "Demo.h"

#include <cmath>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "NXLDadosGC/json/Json.h"  // ParaJson, PacoteDeJson
#include "NXLDadosGC/gc/CustoProducao.h"  // CNXDadosGC_CustoProducao and its details
#include "NXLDadosGC/gc/MatrizRateio.h"   // CNXDadosGC_MatrizRateio and its levels

namespace nxgc {
namespace {

tagCY Cy(double v) { return tagCY{static_cast<LONGLONG>(std::llround(v * 10000.0))}; }

_REG_POSICAO_PRODUTOPS Produto(unsigned char n) {
    _REG_POSICAO_PRODUTOPS p{};
    for (unsigned char i = 0; i < 16; ++i) p.m_Bytes[i] = static_cast<unsigned char>(n + i);
    return p;
}

REG_NXDMC Dmc(unsigned char n) {
    REG_NXDMC d{};
    for (unsigned char i = 0; i < 8; ++i) d.m_Bytes[i] = static_cast<unsigned char>(n * 8 + i);
    return d;
}

// Three hours west of Greenwich, as the module's servers stamp their records.
REG_NXDMAHMSUTC Momento(WORD dia, WORD hora, WORD minuto) {
    return MontaDmaHmsUtc(MontaDma(dia, 4, 2018), hora, minuto, 0, -3, 0);
}

CNXDadosGC_CustoProducaoVariacao Variacao(double fator) {
    CNXDadosGC_CustoProducaoVariacao v;
    v.SetQuantProduzida(Cy(10 * fator)).SetCustoTotalInsumos(Cy(1250.5 * fator)).SetCustoTotal(Cy(2000.75 * fator));
    v.SetCustoUnitarioV8(Cy(200.075 * fator));
    CNXDadosGC_CustoProducaoProcesso processo;
    processo.SetQuantProcessada(Cy(10)).SetQuantHorasProducao(Cy(2.5 * fator)).SetCustoHora(Cy(300));
    processo.SetCustoTotal(Cy(750.25 * fator)).SetPonteiroProcesso(31).SetPonteiroCentroCustos(17);
    processo.SetMaCompetencia(MontaMa(4, 2018));
    v.AdicionaCustoProcesso(processo);
    CNXDadosGC_CustoProducaoInsumo insumo;
    insumo.SetPosicaoProduto(Produto(0x40)).SetQuantConsumida(Cy(4 * fator)).SetCustoTotal(Cy(1250.5 * fator));
    insumo.SetMaCompetencia(MontaMa(4, 2018)).SetTipoCalculoInsumo(1);
    v.AdicionaCustoInsumo(insumo);
    return v;
}

CNXDadosGC_CustoProducaoResultado Resultado(ULONG processo, double quantidade) {
    CNXDadosGC_CustoProducaoResultado r;
    r.SetQuantProduzida(Cy(quantidade)).SetQuantHorasProducao(Cy(quantidade / 4)).SetCustoTotalHoras(Cy(900));
    r.SetCustoTotalInsumos(Cy(1500.1234)).SetCustoTotal(Cy(2400.1234)).SetPonteiroProcesso(processo);
    r.SetMaCompetencia(MontaMa(4, 2018));
    CNXDadosGC_CustoProducaoEntrada entrada;
    entrada.SetDmaHmsMovimento(Momento(28, 16, 45)).SetDmcMovimentoEntrada(Dmc(1)).SetDmcOrdemProducao(Dmc(2));
    r.SetEntrada(entrada);
    for (ULONG i = 0; i < 2; ++i) {
        CNXDadosGC_CustoProducaoProcessamento p;
        p.SetQuantProcessada(Cy(quantidade)).SetQuantHorasProducao(Cy(3 + i)).SetCustoHoraFixo(Cy(120));
        p.SetCustoHoraVariavel(Cy(180)).SetCustoHora(Cy(300)).SetCustoTotal(Cy(900 + 300 * i));
        p.SetPonteiroProcesso(processo).SetPonteiroCentroCustos(17 + i).SetMaCompetencia(MontaMa(4, 2018));
        r.AdicionaCustoProcessamento(p);
        CNXDadosGC_CustoProducaoBaixaInsumo b;
        b.SetPosicaoProduto(Produto(static_cast<unsigned char>(0x20 + i))).SetDmaHmsMovimento(Momento(10 + i, 8, 0));
        b.SetDmcMovimentoBaixa(Dmc(static_cast<unsigned char>(3 + i))).SetQuantConsumida(Cy(2.5));
        b.SetCustoUnitarioV8(Cy(300.0249)).SetCustoTotal(Cy(750.06)).SetMaCompetencia(MontaMa(4, 2018));
        r.AdicionaCustoBaixaInsumo(b);
    }
    return r;
}

CNXDadosGC_CustoProducao CustoProducao() {
    CNXDadosGC_CustoProducao c;
    c.SetPosicaoProdutoServico(Produto(1)).SetDmaHmsEmissao(Momento(30, 18, 5)).SetDmaHmsGravacao(Momento(30, 18, 6));
    c.SetTotalCustoTerceirizacoes(Cy(320)).SetChave(1001).SetPonteiroUsuarioEmissao(7).SetPonteiroUsuarioGravacao(7);
    c.SetMaCompetencia(MontaMa(4, 2018)).SetPonteiroFilial(3).SetTipoProdutoServico(1).SetTipoCusto(2);
    c.SetOrigemCustoProducao(1).SetSituacao(1).SetEhCustoProducaoAtivo(1);
    c.AdicionaResultado(Resultado(31, 100));
    c.AdicionaResultado(Resultado(32, 60));

    CNXDadosGC_CustoProducaoTerceirizacao terceirizacao;
    terceirizacao.SetCustoTotal(Cy(320)).SetMaCompetencia(MontaMa(4, 2018));
    c.AdicionaCustoTerceirizacao(terceirizacao);

    CNXDadosGC_CustoProducaoInventarioElaboracao inventario;
    inventario.SetPosicaoProdutoServico(Produto(1)).SetQuantEmElaboracao(Cy(12)).SetQuantProcessada(Cy(8));
    inventario.SetCustoTotal(Cy(480.5)).SetPonteiroProcesso(32).SetPonteiroCentroCustos(18);
    inventario.SetMaCompetencia(MontaMa(4, 2018)).SetPonteiroFilial(3).SetTipoProdutoServico(1);
    c.AdicionaInventarioElaboracao(inventario);

    c.SetVariacaoEstoqueProprio(Variacao(1));
    c.SetVariacaoEstoqueTerceiros(Variacao(0.5));
    c.SetVariacaoGeral(Variacao(1.5));
    return c;
}

// Accounts -> cost centres, and support cost centres -> productive cost centres.
CNXDadosGC_MatrizRateio MatrizRateio() {
    CNXDadosGC_MatrizRateio m;
    m.SetDmaHmsGravacao(Momento(30, 9, 15)).SetPonteiroUsuarioGravacao(7).SetMaCompetencia(MontaMa(4, 2018));
    m.SetPonteiroFilial(3);
    for (ULONG conta = 0; conta < 2; ++conta) {
        CNXDadosGC_MatrizRateioConta c;
        c.SetTotalRateio(Cy(100)).SetValorLancado(Cy(15000 + 2500 * conta)).SetPonteiroContaContabil(3101 + conta);
        c.SetPonteiroContaGerencial(51);
        for (ULONG i = 0; i < 3; ++i) {
            CNXDadosGC_MatrizRateioCentroCustos cc;
            cc.SetValorRateio(Cy(i == 0 ? 50 : 25)).SetPonteiroCentroCustos(10 + i).SetCaracteristicaCentroCustos(
                static_cast<BYTE>(i == 2 ? 0 : 1));
            c.AdicionaCentroCustos(cc);
        }
        m.AdicionaConta(c);
    }
    CNXDadosGC_MatrizRateioCentroCustosApoio apoio;
    apoio.SetTotalRateio(Cy(100)).SetValorLancado(Cy(4200)).SetPonteiroCentroCustos(12).SetCaracteristicaCentroCustos(0);
    for (ULONG i = 0; i < 2; ++i) {
        CNXDadosGC_MatrizRateioCentroCustosProdutivo p;
        p.SetValorRateio(Cy(i == 0 ? 60 : 40)).SetCustoFixo(Cy(i == 0 ? 1500 : 1000)).SetCustoVariavel(
            Cy(i == 0 ? 1020 : 680));
        p.SetPonteiroCentroCustos(10 + i).SetCaracteristicaCentroCustos(1);
        apoio.AdicionaCentroCustosProdutivo(p);
    }
    m.AdicionaCentroCustosApoio(apoio);
    return m;
}

bool IdaEVolta(const TNXBaseParaDados& original, std::ostream& saida, std::ostream& erros) {
    const std::vector<std::byte> pacote = NXDadosGC::Empacotar(original);
    const NXDadosGC::ArvoreVerificada arvore = NXDadosGC::Verificar(pacote);
    const std::string nome = arvore.Classe().nome;
    saida << "== " << nome << ": " << pacote.size() << " bytes, " << arvore.Blocos() << " blocks\n";
    std::ostringstream json;
    NXDadosGC::ParaJson(arvore, json);
    saida << json.str();

    bool ok = true;
    auto confere = [&](bool condicao, const char* o_que) {
        if (!condicao) erros << "nxgc demo: " << nome << ": " << o_que << "\n";
        ok = ok && condicao;
    };
    const std::unique_ptr<TNXBaseParaDados> copia = NXDadosGC::Desempacotar(pacote);
    confere(copia->Igual(&original), "the unpacked object differs from the original");
    confere(NXDadosGC::Empacotar(*copia) == pacote, "the unpacked object packs to other bytes");
    confere(NXDadosGC::PacoteDeJson(json.str()) == pacote, "its JSON packs to other bytes");
    return ok;
}

}  // namespace

bool Demo(std::ostream& saida, std::ostream& erros) {
    const bool custo = IdaEVolta(CustoProducao(), saida, erros);
    const bool matriz = IdaEVolta(MatrizRateio(), saida, erros);
    if (custo && matriz) saida << "ok: both trees came back equal, byte for byte\n";
    return custo && matriz;
}

}  // namespace nxgc
