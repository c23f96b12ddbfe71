// The library-wide list of data classes.
#include "NXLDadosGC/motor/Classes.h"

#include <algorithm>  // std::sort, std::lower_bound
#include <cstring>    // std::strcmp
#include <vector>     // std::vector

#include "NXLDadosGC/gc/CentroCustos.h"
#include "NXLDadosGC/gc/Chaves.h"
#include "NXLDadosGC/gc/Custos.h"
#include "NXLDadosGC/gc/Lancamentos.h"
#include "NXLDadosGC/gc/CustoProducao.h"
#include "NXLDadosGC/gc/MatrizRateio.h"
#include "NXLDadosGC/gc/IndiceCustos.h"
#include "NXLDadosGC/gc/Periodos.h"
#include "NXLDadosGC/gc/Rentabilidade.h"

namespace {

using NXDadosGC::detail::InfoDe;

// One line per class; the order does not matter (the list is sorted by name).
std::vector<const NXDadosGC::InfoClasse*> Montar() {
    return {
        // Keys
        InfoDe<CNXDadosGC_KeyCompetencia>(),
        InfoDe<CNXDadosGC_KeyProdutoServico>(),
        InfoDe<CNXDadosGC_KeyProdutoServicoCompetencia>(),
        InfoDe<CNXDadosGC_KeyContaCustos>(),
        InfoDe<CNXDadosGC_KeyCentroCustosCompetencia>(),
        InfoDe<CNXDadosGC_KeyCustoProdutoServico>(),
        InfoDe<CNXDadosGC_KeyAlocacaoGGF>(),
        InfoDe<CNXDadosGC_KeyRentabilidade>(),
        InfoDe<CNXDadosGC_KeyIdentificacaoIndiceCustos>(),
        InfoDe<CNXDadosGC_KeyCustoProducao>(),
        InfoDe<CNXDadosGC_KeyProcessoCustoProducao>(),
        InfoDe<CNXDadosGC_KeyInsumoCustoProducao>(),
        // Cost centres
        InfoDe<CNXDadosGC_CentroCustos>(),
        InfoDe<CNXDadosGC_CentroCustosConta>(),
        InfoDe<CNXDadosGC_CentroCustosProdutivo>(),
        InfoDe<CNXDadosGC_FiltroCentroCustos>(),
        InfoDe<CNXDadosGC_HorasCentroCustos>(),
        // Production cost and its details
        InfoDe<CNXDadosGC_CustoProducao>(),
        InfoDe<CNXDadosGC_FiltroCustoProducao>(),
        InfoDe<CNXDadosGC_ParametrosCargaCustoProducao>(),
        InfoDe<CNXDadosGC_ParametrosInvalidarCustoProducao>(),
        InfoDe<CNXDadosGC_CustoProducaoResultado>(),
        InfoDe<CNXDadosGC_CustoProducaoVariacao>(),
        InfoDe<CNXDadosGC_CustoProducaoProcesso>(),
        InfoDe<CNXDadosGC_CustoProducaoProcessamento>(),
        InfoDe<CNXDadosGC_CustoProducaoInsumo>(),
        InfoDe<CNXDadosGC_CustoProducaoBaixaInsumo>(),
        InfoDe<CNXDadosGC_CustoProducaoEntrada>(),
        InfoDe<CNXDadosGC_CustoProducaoTerceirizacao>(),
        InfoDe<CNXDadosGC_CustoProducaoInventarioElaboracao>(),
        // Postings
        InfoDe<CNXDadosGC_LancamentoDespesas>(),
        InfoDe<CNXDadosGC_LancamentoDespesasConta>(),
        InfoDe<CNXDadosGC_FiltroLancamentoDespesas>(),
        InfoDe<CNXDadosGC_FiltroCargaLanctoDespesas>(),
        InfoDe<CNXDadosGC_LancamentoGGF>(),
        InfoDe<CNXDadosGC_FiltroLancamentoGGF>(),
        InfoDe<CNXDadosGC_FiltroCargaLanctoGGFPadrao>(),
        InfoDe<CNXDadosGC_FiltroCargaLanctoGGFReal>(),
        InfoDe<CNXDadosGC_LancamentoHoras>(),
        InfoDe<CNXDadosGC_ListaLanctoHoras>(),
        InfoDe<CNXDadosGC_FiltroLancamentoHoras>(),
        InfoDe<CNXDadosGC_FiltroCargaLanctosHoras>(),
        InfoDe<CNXDadosGC_FiltroCopiaPeriodoLanctoHoras>(),
        InfoDe<CNXDadosGC_LancamentoTerceirizacao>(),
        InfoDe<CNXDadosGC_FiltroLancamentoTerceirizacao>(),
        InfoDe<CNXDadosGC_CopiarLanctosCustosTerceirizacao>(),
        // Standard, commercial and hourly cost
        InfoDe<CNXDadosGC_CustoPadrao>(),
        InfoDe<CNXDadosGC_CustoPadraoConta>(),
        InfoDe<CNXDadosGC_FiltroCustoPadrao>(),
        InfoDe<CNXDadosGC_CustoComercial>(),
        InfoDe<CNXDadosGC_FiltroCustoComercial>(),
        InfoDe<CNXDadosGC_FiltroCargaCustoComercial>(),
        InfoDe<CNXDadosGC_CustoHora>(),
        // Profitability, contribution margin and price formation
        InfoDe<CNXDadosGC_ProdutoServicoClasse>(),
        InfoDe<CNXDadosGC_Rentabilidade>(),
        InfoDe<CNXDadosGC_RentabilidadeProdutoServico>(),
        InfoDe<CNXDadosGC_FiltroRentabilidade>(),
        InfoDe<CNXDadosGC_MargemContribuicao>(),
        InfoDe<CNXDadosGC_MargemContribuicaoProdServ>(),
        InfoDe<CNXDadosGC_MargemContribuicaoProdServData>(),
        InfoDe<CNXDadosGC_MargemContribuicaoPEDetalhe>(),
        InfoDe<CNXDadosGC_ParametrosMargemContribuicao>(),
        InfoDe<CNXDadosGC_FormacaoPreco>(),
        InfoDe<CNXDadosGC_ParametrosFormacaoPrecoVenda>(),
        // Account classification and allocation matrix
        InfoDe<CNXDadosGC_ClassificacaoConta>(),
        InfoDe<CNXDadosGC_FiltroClassificacaoConta>(),
        InfoDe<CNXDadosGC_MatrizRateio>(),
        InfoDe<CNXDadosGC_MatrizRateioConta>(),
        InfoDe<CNXDadosGC_MatrizRateioCentroCustos>(),
        InfoDe<CNXDadosGC_MatrizRateioCentroCustosApoio>(),
        InfoDe<CNXDadosGC_MatrizRateioCentroCustosProdutivo>(),
        InfoDe<CNXDadosGC_FiltroMatrizRateio>(),
        InfoDe<CNXDadosGC_FiltroMatrizRateioRelacionamento>(),
        InfoDe<CNXDadosGC_ParametrosInvalidarMatrizRateio>(),
        // Cost indices
        InfoDe<CNXDadosGC_IndiceCustos>(),
        InfoDe<CNXDadosGC_IndiceCustosValorPersonalizado>(),
        InfoDe<CNXDadosGC_IndiceCustosPersonalizado>(),
        InfoDe<CNXDadosGC_IdentificacaoIndiceCustos>(),
        InfoDe<CNXDadosGC_RelacaoIndiceProduto>(),
        InfoDe<CNXDadosGC_RelacaoIndiceProdutoItem>(),
        InfoDe<CNXDadosGC_FiltroRelacaoIndiceProduto>(),
        // Period closing, master record and periods
        InfoDe<CNXDadosGC_EncerramentoCustos>(),
        InfoDe<CNXDadosGC_FiltroEncerramentoCustos>(),
        InfoDe<CNXDadosGC_ParametrosInvalidarEncerramentoCustos>(),
        InfoDe<CNXDadosGC_Mestre>(),
        InfoDe<CNXDadosGC_InfoPeriodos>(),
    };
}

const std::vector<const NXDadosGC::InfoClasse*>& ListaOrdenada() {
    static const std::vector<const NXDadosGC::InfoClasse*> lista = [] {
        auto v = Montar();
        std::sort(v.begin(), v.end(), [](auto* a, auto* b) { return std::strcmp(a->nome, b->nome) < 0; });
        return v;
    }();
    return lista;
}

}  // namespace

std::span<const NXDadosGC::InfoClasse* const> NXDadosGC::Classes() { return ListaOrdenada(); }

const NXDadosGC::InfoClasse* NXDadosGC::ClassePorNome(std::string_view nome) {
    const auto& v = ListaOrdenada();
    auto it = std::lower_bound(v.begin(), v.end(), nome, [](auto* a, std::string_view n) { return a->nome < n; });
    return it != v.end() && (*it)->nome == nome ? *it : nullptr;
}

const NXDadosGC::InfoFilho* NXDadosGC::FilhoEm(const InfoClasse* info, std::size_t desloc, bool membro) {
    if (!info) return nullptr;
    for (const InfoFilho& f : info->filhos)
        if (f.ponteiro == desloc && (f.tipo == TipoFilho::Membro) == membro) return &f;
    return nullptr;
}

const NXDadosGC::InfoFilho* NXDadosGC::ListaComQuantidadeEm(const InfoClasse* info, std::size_t desloc) {
    if (!info) return nullptr;
    for (const InfoFilho& f : info->filhos)
        if (f.tipo == TipoFilho::Lista && f.quantidade == desloc) return &f;
    return nullptr;
}

const char* NXDadosGC::NomeDoCampoEm(TabelaCampos campos, std::size_t desloc) {
    for (const CampoInfo& c : campos)
        if (c.deslocamento == desloc) return c.nome;
    return "?";
}

std::string NXDadosGC::NomeDoFilho(const InfoClasse& info, const InfoFilho& filho) {
    const std::string campo = NomeDoCampoEm(info.campos(), filho.ponteiro);
    if (filho.tipo == TipoFilho::Membro || campo.size() < 2 || campo[0] != 'p' || campo[1] < 'A' || campo[1] > 'Z')
        return campo;
    const std::string nome = campo.substr(1);
    for (const CampoInfo& c : info.campos())
        if (nome == c.nome) return campo;  // the short name is taken by a field: keep the long one
    return nome;
}
