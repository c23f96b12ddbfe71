#include "Cargas.h"

#include <cstring>

namespace nxbench {
namespace {

// xorshift64*: the same values on every run.
class Gerador {
public:
    std::uint64_t Proximo() {
        m_s ^= m_s >> 12;
        m_s ^= m_s << 25;
        m_s ^= m_s >> 27;
        return m_s * 0x2545F4914F6CDD1DULL;
    }

private:
    std::uint64_t m_s = 0x9E3779B97F4A7C15ULL;
};

Gerador g_gerador;

// Every field that has an accessor gets random bytes; gaps, counts, pointers and embedded
// records stay as they are (zero in a new object).
template <class REG>
void Preencher(REG& reg) {
    using NXDadosGC::TipoCampo;
    auto* bytes = reinterpret_cast<unsigned char*>(&reg);
    for (const NXDadosGC::CampoInfo& c : NXDadosGC::CamposDe<REG>()) {
        switch (c.tipo) {
        case TipoCampo::Lacuna:
        case TipoCampo::Quantidade:
        case TipoCampo::Ponteiro:
        case TipoCampo::Registro:
        case TipoCampo::Texto:
            continue;
        default:
            for (std::uint32_t i = 0; i < c.largura; ++i)
                bytes[c.deslocamento + i] = static_cast<unsigned char>(g_gerador.Proximo() >> 56);
        }
    }
}

template <class Classe>
Classe Novo() {
    Classe o;
    Preencher(o.GetReg());
    return o;
}

// The tree as a receiver holds it: written out and read back, so every list has exactly the
// room it needs.
template <class Classe>
Carga<Classe> Compactar(const char* nome, const Classe& montado) {
    Carga<Classe> c;
    c.nome = nome;
    c.plano = Achatar(montado);
    typename Classe::Registro reg;
    montado.CopiarParaPS(&reg);
    c.objeto = std::make_unique<Classe>();
    c.objeto->CopiarDe(&reg);
    NXDadosGC::LiberarCopiarParaPS<Classe>(reg);
    c.bytesObjetos = BytesObjetos(*c.objeto);
    return c;
}

}  // namespace

Carga<CNXDadosGC_CustoProducao> CargaCustoProducao(const char* nome, int resultados, int linhas) {
    CNXDadosGC_CustoProducao custo = Novo<CNXDadosGC_CustoProducao>();
    for (int r = 0; r < resultados; ++r) {
        CNXDadosGC_CustoProducaoResultado resultado = Novo<CNXDadosGC_CustoProducaoResultado>();
        resultado.SetEntrada(Novo<CNXDadosGC_CustoProducaoEntrada>());
        for (int i = 0; i < linhas; ++i)
            resultado.AdicionaCustoProcessamento(Novo<CNXDadosGC_CustoProducaoProcessamento>());
        for (int i = 0; i < linhas; ++i)
            resultado.AdicionaCustoBaixaInsumo(Novo<CNXDadosGC_CustoProducaoBaixaInsumo>());
        custo.AdicionaResultado(resultado);
    }
    return Compactar(nome, custo);
}

Carga<CNXDadosGC_MatrizRateio> CargaMatriz(const char* nome, int contas, int centrosPorConta, int apoios,
                                           int produtivosPorApoio) {
    CNXDadosGC_MatrizRateio matriz = Novo<CNXDadosGC_MatrizRateio>();
    for (int c = 0; c < contas; ++c) {
        CNXDadosGC_MatrizRateioConta conta = Novo<CNXDadosGC_MatrizRateioConta>();
        for (int i = 0; i < centrosPorConta; ++i)
            conta.AdicionaCentroCustos(Novo<CNXDadosGC_MatrizRateioCentroCustos>());
        matriz.AdicionaConta(conta);
    }
    for (int a = 0; a < apoios; ++a) {
        CNXDadosGC_MatrizRateioCentroCustosApoio apoio = Novo<CNXDadosGC_MatrizRateioCentroCustosApoio>();
        for (int i = 0; i < produtivosPorApoio; ++i)
            apoio.AdicionaCentroCustosProdutivo(Novo<CNXDadosGC_MatrizRateioCentroCustosProdutivo>());
        matriz.AdicionaCentroCustosApoio(apoio);
    }
    return Compactar(nome, matriz);
}

Carga<CNXDadosGC_ListaLanctoHoras> CargaHoras(const char* nome, int lancamentos) {
    CNXDadosGC_ListaLanctoHoras lista = Novo<CNXDadosGC_ListaLanctoHoras>();
    for (int i = 0; i < lancamentos; ++i) lista.AdicionaLancamento(Novo<CNXDadosGC_LancamentoHoras>());
    return Compactar(nome, lista);
}

CNXDadosGC_LancamentoHoras UmLancamentoHoras() { return Novo<CNXDadosGC_LancamentoHoras>(); }

}  // namespace nxbench
