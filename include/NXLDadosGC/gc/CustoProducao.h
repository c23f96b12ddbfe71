// Production cost: the cost of one product or service of a branch in a month, with its results
// (processing steps, input issues, stock entry), outsourcing, work-in-process inventory and up
// to three variation summaries; its query filter and the parameters of a load and of an
// invalidation.
#ifndef NXLDADOSGC_GC_CUSTOPRODUCAO_H
#define NXLDADOSGC_GC_CUSTOPRODUCAO_H

#include "NXLDadosGC/gc/Chaves.h"        // CNXDadosGC_KeyCompetencia, CNXDadosGC_KeyProdutoServico ...
#include "NXLDadosGC/gc/DadosGC.h"
#include "NXLDadosGC/gc/Rentabilidade.h" // CNXDadosGC_ProdutoServicoClasse

NX_SOBRE(_REG_GC_CUSTO_PRODUCAO_PROCESSOPS,
         "A process line of a variation: quantity, hours and costs of one process. Same layout as the processing line "
         "of a result, but a record type of its own: the two never compare equal.")
struct NXLDADOSGC_API _REG_GC_CUSTO_PRODUCAO_PROCESSOPS {
    tagCY QuantProcessada;
    tagCY QuantHorasProducao;
    tagCY CustoHoraFixo;
    tagCY CustoHoraVariavel;
    tagCY CustoHora;
    tagCY CustoTotalHorasFixo;
    tagCY CustoTotalHorasVariavel;
    tagCY CustoTotalHoras;
    tagCY CustoTotal;
    ULONG PonteiroProcesso;
    ULONG PonteiroCentroCustos;
    REG_NXMA MaCompetencia;
    std::byte Lacuna82[6];
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_PROCESSOPS, 88,
          (QuantProcessada, 0, "quantity processed"),
          (QuantHorasProducao, 8, "productive hours"),
          (CustoHoraFixo, 16, "fixed cost per hour"),
          (CustoHoraVariavel, 24, "variable cost per hour"),
          (CustoHora, 32, "cost per hour"),
          (CustoTotalHorasFixo, 40, "fixed cost of the hours"),
          (CustoTotalHorasVariavel, 48, "variable cost of the hours"),
          (CustoTotalHoras, 56, "cost of the hours"),
          (CustoTotal, 64), (PonteiroProcesso, 72), (PonteiroCentroCustos, 76), (MaCompetencia, 80), (Lacuna82, 82))

class NXLDADOSGC_API CNXDadosGC_CustoProducaoProcesso
    : public T_NXDadosRegistro<_REG_GC_CUSTO_PRODUCAO_PROCESSOPS> {
    NX_DADOS(CNXDadosGC_CustoProducaoProcesso)
    NX_CAMPO(QuantProcessada)
    NX_CAMPO(QuantHorasProducao)
    NX_CAMPO(CustoHoraFixo)
    NX_CAMPO(CustoHoraVariavel)
    NX_CAMPO(CustoHora)
    NX_CAMPO(CustoTotalHorasFixo)
    NX_CAMPO(CustoTotalHorasVariavel)
    NX_CAMPO(CustoTotalHoras)
    NX_CAMPO(CustoTotal)
    NX_CAMPO(PonteiroProcesso)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(MaCompetencia)
};

NX_SOBRE(_REG_GC_CUSTO_PRODUCAO_PROCESSAMENTOPS,
         "A processing line of a result: quantity, hours and costs of one processing step.")
struct NXLDADOSGC_API _REG_GC_CUSTO_PRODUCAO_PROCESSAMENTOPS {
    tagCY QuantProcessada;
    tagCY QuantHorasProducao;
    tagCY CustoHoraFixo;
    tagCY CustoHoraVariavel;
    tagCY CustoHora;
    tagCY CustoTotalHorasFixo;
    tagCY CustoTotalHorasVariavel;
    tagCY CustoTotalHoras;
    tagCY CustoTotal;
    ULONG PonteiroProcesso;
    ULONG PonteiroCentroCustos;
    REG_NXMA MaCompetencia;
    std::byte Lacuna82[6];
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_PROCESSAMENTOPS, 88,
          (QuantProcessada, 0, "quantity processed"),
          (QuantHorasProducao, 8, "productive hours"),
          (CustoHoraFixo, 16, "fixed cost per hour"),
          (CustoHoraVariavel, 24, "variable cost per hour"),
          (CustoHora, 32, "cost per hour"),
          (CustoTotalHorasFixo, 40, "fixed cost of the hours"),
          (CustoTotalHorasVariavel, 48, "variable cost of the hours"),
          (CustoTotalHoras, 56, "cost of the hours"),
          (CustoTotal, 64), (PonteiroProcesso, 72), (PonteiroCentroCustos, 76), (MaCompetencia, 80), (Lacuna82, 82))

class NXLDADOSGC_API CNXDadosGC_CustoProducaoProcessamento
    : public T_NXDadosRegistro<_REG_GC_CUSTO_PRODUCAO_PROCESSAMENTOPS> {
    NX_DADOS(CNXDadosGC_CustoProducaoProcessamento)
    NX_CAMPO(QuantProcessada)
    NX_CAMPO(QuantHorasProducao)
    NX_CAMPO(CustoHoraFixo)
    NX_CAMPO(CustoHoraVariavel)
    NX_CAMPO(CustoHora)
    NX_CAMPO(CustoTotalHorasFixo)
    NX_CAMPO(CustoTotalHorasVariavel)
    NX_CAMPO(CustoTotalHoras)
    NX_CAMPO(CustoTotal)
    NX_CAMPO(PonteiroProcesso)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(MaCompetencia)
};

NX_SOBRE(_REG_GC_CUSTO_PRODUCAO_INSUMOPS, "An input line of a variation: the quantity and cost of one input consumed.")
struct NXLDADOSGC_API _REG_GC_CUSTO_PRODUCAO_INSUMOPS {
    _REG_POSICAO_PRODUTOPS PosicaoProduto;
    tagCY QuantConsumida;
    tagCY CustoTotal;
    tagCY CustoMedioV8;
    ULONG PonteiroTabPrecoCompra;
    REG_NXMA MaCompetencia;
    BYTE TipoCalculoInsumo;
    BYTE PermiteAlterar;
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_INSUMOPS, 48,
          (PosicaoProduto, 0, "the input"),
          (QuantConsumida, 16, "quantity consumed"),
          (CustoTotal, 24),
          (CustoMedioV8, 32, "average cost"),
          (PonteiroTabPrecoCompra, 40, "the purchase price table"),
          (MaCompetencia, 44),
          (TipoCalculoInsumo, 46, "how the input is calculated"),
          (PermiteAlterar, 47, "flag: the line may be changed"))

class NXLDADOSGC_API CNXDadosGC_CustoProducaoInsumo : public T_NXDadosRegistro<_REG_GC_CUSTO_PRODUCAO_INSUMOPS> {
    NX_DADOS(CNXDadosGC_CustoProducaoInsumo)
    NX_CAMPO(PosicaoProduto)
    NX_CAMPO(QuantConsumida)
    NX_CAMPO(CustoTotal)
    NX_CAMPO(CustoMedioV8)
    NX_CAMPO(PonteiroTabPrecoCompra)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(TipoCalculoInsumo)
    NX_CAMPO(PermiteAlterar)
};

NX_SOBRE(_REG_GC_CUSTO_PRODUCAO_BAIXA_INSUMOPS, "An input issue of a result: one input taken from stock.")
struct NXLDADOSGC_API _REG_GC_CUSTO_PRODUCAO_BAIXA_INSUMOPS {
    _REG_POSICAO_PRODUTOPS PosicaoProduto;
    REG_NXDMAHMSUTC DmaHmsMovimento;
    REG_NXDMC DmcMovimentoBaixa;
    tagCY QuantConsumida;
    tagCY CustoUnitarioV8;
    tagCY CustoTotal;
    REG_NXMA MaCompetencia;
    std::byte Lacuna58[6];
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_BAIXA_INSUMOPS, 64,
          (PosicaoProduto, 0, "the input issued"),
          (DmaHmsMovimento, 16, "when the stock moved"),
          (DmcMovimentoBaixa, 24, "date of the issue"),
          (QuantConsumida, 32, "quantity consumed"),
          (CustoUnitarioV8, 40, "unit cost"),
          (CustoTotal, 48), (MaCompetencia, 56), (Lacuna58, 58))

class NXLDADOSGC_API CNXDadosGC_CustoProducaoBaixaInsumo
    : public T_NXDadosRegistro<_REG_GC_CUSTO_PRODUCAO_BAIXA_INSUMOPS> {
    NX_DADOS(CNXDadosGC_CustoProducaoBaixaInsumo)
    NX_CAMPO(PosicaoProduto)
    NX_CAMPO(DmaHmsMovimento)
    NX_CAMPO(DmcMovimentoBaixa)
    NX_CAMPO(QuantConsumida)
    NX_CAMPO(CustoUnitarioV8)
    NX_CAMPO(CustoTotal)
    NX_CAMPO(MaCompetencia)
};

NX_SOBRE(_REG_GC_CUSTO_PRODUCAO_ENTRADAPS, "The stock entry a result produced.")
struct NXLDADOSGC_API _REG_GC_CUSTO_PRODUCAO_ENTRADAPS {
    REG_NXDMAHMSUTC DmaHmsMovimento;
    REG_NXDMC DmcMovimentoEntrada;
    REG_NXDMC DmcOrdemProducao;
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_ENTRADAPS, 24,
          (DmaHmsMovimento, 0, "when the stock moved"),
          (DmcMovimentoEntrada, 8, "date of the entry"),
          (DmcOrdemProducao, 16, "date of the production order"))

class NXLDADOSGC_API CNXDadosGC_CustoProducaoEntrada : public T_NXDadosRegistro<_REG_GC_CUSTO_PRODUCAO_ENTRADAPS> {
    NX_DADOS(CNXDadosGC_CustoProducaoEntrada)
    NX_CAMPO(DmaHmsMovimento)
    NX_CAMPO(DmcMovimentoEntrada)
    NX_CAMPO(DmcOrdemProducao)
};

NX_SOBRE(_REG_GC_CUSTO_PRODUCAO_TERCEIRIZACAOPS,
         "An outsourcing line of a production cost: its total cost in the month; its other amounts and references "
         "are retired.")
struct NXLDADOSGC_API _REG_GC_CUSTO_PRODUCAO_TERCEIRIZACAOPS {
    tagCY QuantApontada_DEPRECATED;
    tagCY CustoTotal;
    tagCY CustoUnitarioV8_DEPRECATED;
    ULONG PonteiroProcesso_DEPRECATED;
    ULONG PonteiroIndustrializador_DEPRECATED;
    ULONG PonteiroNotaFiscalSaida_DEPRECATED;
    REG_NXMA MaCompetencia;
    std::byte Lacuna38[2];
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_TERCEIRIZACAOPS, 40,
          (QuantApontada_DEPRECATED, 0),
          (CustoTotal, 8, "the outsourcing cost"),
          (CustoUnitarioV8_DEPRECATED, 16), (PonteiroProcesso_DEPRECATED, 24),
          (PonteiroIndustrializador_DEPRECATED, 28), (PonteiroNotaFiscalSaida_DEPRECATED, 32), (MaCompetencia, 36),
          (Lacuna38, 38))

class NXLDADOSGC_API CNXDadosGC_CustoProducaoTerceirizacao
    : public T_NXDadosRegistro<_REG_GC_CUSTO_PRODUCAO_TERCEIRIZACAOPS> {
    NX_DADOS(CNXDadosGC_CustoProducaoTerceirizacao)
    NX_CAMPO(QuantApontada_DEPRECATED)
    NX_CAMPO(CustoTotal)
    NX_CAMPO(CustoUnitarioV8_DEPRECATED)
    NX_CAMPO(PonteiroProcesso_DEPRECATED)
    NX_CAMPO(PonteiroIndustrializador_DEPRECATED)
    NX_CAMPO(PonteiroNotaFiscalSaida_DEPRECATED)
    NX_CAMPO(MaCompetencia)
};

NX_SOBRE(_REG_GC_CUSTO_PRODUCAO_INVENTARIO_ELABORACAOPS,
         "A work-in-process inventory line of a production cost: what one process holds in elaboration for a product "
         "or service.")
struct NXLDADOSGC_API _REG_GC_CUSTO_PRODUCAO_INVENTARIO_ELABORACAOPS {
    _REG_POSICAO_PRODUTOPS PosicaoProdutoServico;
    tagCY QuantEmElaboracao;
    tagCY QuantProcessada;
    tagCY QuantHorasProducao;
    tagCY CustoTotal;
    tagCY CustoTotalHorasFixo;
    tagCY CustoTotalHorasVariavel;
    tagCY CustoTotalHoras;
    tagCY CustoTotalInsumos;
    ULONG PonteiroProcesso;
    ULONG PonteiroCentroCustos;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE TipoProdutoServico;
    std::byte Lacuna93[3];
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_INVENTARIO_ELABORACAOPS, 96,
          (PosicaoProdutoServico, 0),
          (QuantEmElaboracao, 16, "quantity in process"),
          (QuantProcessada, 24, "quantity processed"),
          (QuantHorasProducao, 32, "productive hours"),
          (CustoTotal, 40),
          (CustoTotalHorasFixo, 48, "fixed cost of the hours"),
          (CustoTotalHorasVariavel, 56, "variable cost of the hours"),
          (CustoTotalHoras, 64, "cost of the hours"),
          (CustoTotalInsumos, 72, "cost of the inputs"),
          (PonteiroProcesso, 80), (PonteiroCentroCustos, 84), (MaCompetencia, 88), (PonteiroFilial, 90),
          (TipoProdutoServico, 92, "kind of product or service"),
          (Lacuna93, 93))

class NXLDADOSGC_API CNXDadosGC_CustoProducaoInventarioElaboracao
    : public T_NXDadosRegistro<_REG_GC_CUSTO_PRODUCAO_INVENTARIO_ELABORACAOPS> {
    NX_DADOS(CNXDadosGC_CustoProducaoInventarioElaboracao)
    NX_CAMPO(PosicaoProdutoServico)
    NX_CAMPO(QuantEmElaboracao)
    NX_CAMPO(QuantProcessada)
    NX_CAMPO(QuantHorasProducao)
    NX_CAMPO(CustoTotal)
    NX_CAMPO(CustoTotalHorasFixo)
    NX_CAMPO(CustoTotalHorasVariavel)
    NX_CAMPO(CustoTotalHoras)
    NX_CAMPO(CustoTotalInsumos)
    NX_CAMPO(PonteiroProcesso)
    NX_CAMPO(PonteiroCentroCustos)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TipoProdutoServico)
    NX_VISAO_CHAVE(KeyCompetencia, MaCompetencia, PonteiroFilial)
    NX_VISAO_CHAVE(KeyProdutoServico, PosicaoProdutoServico, TipoProdutoServico)
};

NX_SOBRE(_REG_GC_CUSTO_PRODUCAO_RESULTADOPS,
         "A result of a production cost: what one process produced in the month from one stock origin, with its "
         "processing steps (CustoProcessamento), input issues (CustoBaixaInsumo) and the stock entry it produced "
         "(Entrada).")
struct NXLDADOSGC_API _REG_GC_CUSTO_PRODUCAO_RESULTADOPS {
    tagCY QuantProduzida;
    tagCY QuantHorasProducao;
    tagCY CustoTotalHorasFixo;
    tagCY CustoTotalHorasVariavel;
    tagCY CustoTotalHoras;
    tagCY CustoTotalInsumos;
    tagCY CustoTotal;
    tagCY CustoUnitarioV8;
    ULONG PonteiroProcesso;
    NXQuantidade QuantidadeCustoProcessamento;
    NXQuantidade QuantidadeCustoBaixaInsumo;
    REG_NXMA MaCompetencia;
    BYTE EstoqueOrigemTerceiros;
    std::byte Lacuna79[1];
    _REG_GC_CUSTO_PRODUCAO_ENTRADAPS* pEntrada;
    _REG_GC_CUSTO_PRODUCAO_PROCESSAMENTOPS* pCustoProcessamento;
    _REG_GC_CUSTO_PRODUCAO_BAIXA_INSUMOPS* pCustoBaixaInsumo;
    std::byte Lacuna104[8];
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_RESULTADOPS, 112,
          (QuantProduzida, 0, "quantity produced"),
          (QuantHorasProducao, 8, "productive hours"),
          (CustoTotalHorasFixo, 16, "fixed cost of the hours"),
          (CustoTotalHorasVariavel, 24, "variable cost of the hours"),
          (CustoTotalHoras, 32, "cost of the hours"),
          (CustoTotalInsumos, 40, "cost of the inputs"),
          (CustoTotal, 48),
          (CustoUnitarioV8, 56, "unit cost"),
          (PonteiroProcesso, 64), (QuantidadeCustoProcessamento, 68), (QuantidadeCustoBaixaInsumo, 72),
          (MaCompetencia, 76),
          (EstoqueOrigemTerceiros, 78, "stock origin: own or belonging to others"),
          (Lacuna79, 79), (pEntrada, 80), (pCustoProcessamento, 88), (pCustoBaixaInsumo, 96), (Lacuna104, 104))

class NXLDADOSGC_API CNXDadosGC_CustoProducaoResultado
    : public T_NXDadosRegistroComLista<_REG_GC_CUSTO_PRODUCAO_RESULTADOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_CustoProducaoResultado)
    NX_CAMPO(QuantProduzida)
    NX_CAMPO(QuantHorasProducao)
    NX_CAMPO(CustoTotalHorasFixo)
    NX_CAMPO(CustoTotalHorasVariavel)
    NX_CAMPO(CustoTotalHoras)
    NX_CAMPO(CustoTotalInsumos)
    NX_CAMPO(CustoTotal)
    NX_CAMPO(CustoUnitarioV8)
    NX_CAMPO(PonteiroProcesso)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(EstoqueOrigemTerceiros)
    NX_UNICO(CNXDadosGC_CustoProducaoEntrada, Entrada)
    NX_LISTA(CNXDadosGC_CustoProducaoProcessamento, CustoProcessamento)
    NX_LISTA(CNXDadosGC_CustoProducaoBaixaInsumo, CustoBaixaInsumo)
    NX_FILHOS(NX_FILHO_UNICO(Entrada), NX_FILHO_LISTA(CustoProcessamento), NX_FILHO_LISTA(CustoBaixaInsumo))
};

NX_SOBRE(_REG_GC_CUSTO_PRODUCAO_VARIACAOPS,
         "A stock variation of a production cost: quantities and costs, by process (CustoProcesso) and by input "
         "(CustoInsumo).")
struct NXLDADOSGC_API _REG_GC_CUSTO_PRODUCAO_VARIACAOPS {
    tagCY QuantProduzida;
    tagCY CustoTotalHorasFixo;
    tagCY CustoTotalHorasVariavel;
    tagCY CustoTotalHoras;
    tagCY CustoTotalInsumos;
    tagCY CustoTotal;
    tagCY CustoUnitarioV8;
    NXQuantidade QuantidadeCustoProcesso;
    NXQuantidade QuantidadeCustoInsumo;
    _REG_GC_CUSTO_PRODUCAO_PROCESSOPS* pCustoProcesso;
    _REG_GC_CUSTO_PRODUCAO_INSUMOPS* pCustoInsumo;
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_VARIACAOPS, 80,
          (QuantProduzida, 0, "quantity produced"),
          (CustoTotalHorasFixo, 8, "fixed cost of the hours"),
          (CustoTotalHorasVariavel, 16, "variable cost of the hours"),
          (CustoTotalHoras, 24, "cost of the hours"),
          (CustoTotalInsumos, 32, "cost of the inputs"),
          (CustoTotal, 40),
          (CustoUnitarioV8, 48, "unit cost"),
          (QuantidadeCustoProcesso, 56), (QuantidadeCustoInsumo, 60), (pCustoProcesso, 64), (pCustoInsumo, 72))

class NXLDADOSGC_API CNXDadosGC_CustoProducaoVariacao
    : public T_NXDadosRegistroComLista<_REG_GC_CUSTO_PRODUCAO_VARIACAOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_CustoProducaoVariacao)
    NX_CAMPO(QuantProduzida)
    NX_CAMPO(CustoTotalHorasFixo)
    NX_CAMPO(CustoTotalHorasVariavel)
    NX_CAMPO(CustoTotalHoras)
    NX_CAMPO(CustoTotalInsumos)
    NX_CAMPO(CustoTotal)
    NX_CAMPO(CustoUnitarioV8)
    NX_LISTA(CNXDadosGC_CustoProducaoProcesso, CustoProcesso)
    NX_LISTA(CNXDadosGC_CustoProducaoInsumo, CustoInsumo)
    NX_FILHOS(NX_FILHO_LISTA(CustoProcesso), NX_FILHO_LISTA(CustoInsumo))
};

NX_SOBRE(_REG_GC_CUSTO_PRODUCAOPS,
         "The production cost of one product or service of a branch in a month, with its results, outsourcing, "
         "work-in-process inventory and up to three variations (own stock, stock of others, overall).")
struct NXLDADOSGC_API _REG_GC_CUSTO_PRODUCAOPS {
    _REG_POSICAO_PRODUTOPS PosicaoProdutoServico;
    REG_NXDMAHMSUTC DmaHmsEmissao;
    REG_NXDMAHMSUTC DmaHmsGravacao;
    tagCY TotalCustoTerceirizacoes;
    ULONG Chave;
    ULONG PonteiroProjeto_DEPRECATED;
    ULONG PonteiroFluxoProcesso_DEPRECATED;
    ULONG PonteiroUsuarioEmissao;
    ULONG PonteiroUsuarioGravacao;
    NXQuantidade QuantidadeResultado;
    NXQuantidade QuantidadeCustoTerceirizacao;
    NXQuantidade QuantidadeInventarioElaboracao;
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE TipoProdutoServico;
    BYTE TipoCusto;
    BYTE OrigemCustoProducao;
    BYTE Situacao;
    BYTE EhCustoProducaoAtivo;
    BYTE Excluido;
    std::byte Lacuna82[6];
    _REG_GC_CUSTO_PRODUCAO_RESULTADOPS* pResultado;
    _REG_GC_CUSTO_PRODUCAO_TERCEIRIZACAOPS* pCustoTerceirizacao;
    _REG_GC_CUSTO_PRODUCAO_INVENTARIO_ELABORACAOPS* pInventarioElaboracao;
    _REG_GC_CUSTO_PRODUCAO_VARIACAOPS* pVariacaoEstoqueProprio;
    _REG_GC_CUSTO_PRODUCAO_VARIACAOPS* pVariacaoEstoqueTerceiros;
    _REG_GC_CUSTO_PRODUCAO_VARIACAOPS* pVariacaoGeral;
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAOPS, 136,
          (PosicaoProdutoServico, 0), (DmaHmsEmissao, 16), (DmaHmsGravacao, 24),
          (TotalCustoTerceirizacoes, 32, "total of the outsourcing costs"),
          (Chave, 40), (PonteiroProjeto_DEPRECATED, 44), (PonteiroFluxoProcesso_DEPRECATED, 48),
          (PonteiroUsuarioEmissao, 52), (PonteiroUsuarioGravacao, 56), (QuantidadeResultado, 60),
          (QuantidadeCustoTerceirizacao, 64), (QuantidadeInventarioElaboracao, 68), (MaCompetencia, 72),
          (PonteiroFilial, 74),
          (TipoProdutoServico, 76, "kind of product or service"),
          (TipoCusto, 77, "kind of cost"),
          (OrigemCustoProducao, 78, "where the cost came from"),
          (Situacao, 79, "state of the production cost"),
          (EhCustoProducaoAtivo, 80, "flag: the active production cost"),
          (Excluido, 81), (Lacuna82, 82), (pResultado, 88), (pCustoTerceirizacao, 96), (pInventarioElaboracao, 104),
          (pVariacaoEstoqueProprio, 112), (pVariacaoEstoqueTerceiros, 120), (pVariacaoGeral, 128))

class NXLDADOSGC_API CNXDadosGC_CustoProducao : public T_NXDadosRegistroComLista<_REG_GC_CUSTO_PRODUCAOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_CustoProducao)
    NX_CAMPO(PosicaoProdutoServico)
    NX_CAMPO(DmaHmsEmissao)
    NX_CAMPO(DmaHmsGravacao)
    NX_CAMPO(TotalCustoTerceirizacoes)
    NX_CAMPO(Chave)
    NX_CAMPO(PonteiroProjeto_DEPRECATED)
    NX_CAMPO(PonteiroFluxoProcesso_DEPRECATED)
    NX_CAMPO(PonteiroUsuarioEmissao)
    NX_CAMPO(PonteiroUsuarioGravacao)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(TipoProdutoServico)
    NX_CAMPO(TipoCusto)
    NX_CAMPO(OrigemCustoProducao)
    NX_CAMPO(Situacao)
    NX_CAMPO(EhCustoProducaoAtivo)
    NX_CAMPO(Excluido)
    NX_VISAO_CHAVE(KeyCompetencia, MaCompetencia, PonteiroFilial)
    NX_VISAO_CHAVE(KeyProdutoServico, PosicaoProdutoServico, TipoProdutoServico)
    NX_VISAO_CHAVE(KeyProdutoServicoCompetencia, PosicaoProdutoServico, MaCompetencia, PonteiroFilial,
                   TipoProdutoServico)
    // The key's PonteiroProcesso is not part of a production cost: zero in the key built, ignored when set.
    NX_VISAO_CHAVE(KeyCustoProdutoServico, PosicaoProdutoServico, MaCompetencia, PonteiroFilial, TipoProdutoServico,
                   TipoCusto)
    // A composite key: its competence key and its product/service key, built from and read
    // into this record's fields.
    CNXDadosGC_KeyCustoProducao GetKeyCustoProducao() const;
    void SetKeyCustoProducao(const CNXDadosGC_KeyCustoProducao& chave);
    NX_LISTA(CNXDadosGC_CustoProducaoResultado, Resultado)
    NX_LISTA(CNXDadosGC_CustoProducaoTerceirizacao, CustoTerceirizacao)
    NX_LISTA(CNXDadosGC_CustoProducaoInventarioElaboracao, InventarioElaboracao)
    NX_UNICO(CNXDadosGC_CustoProducaoVariacao, VariacaoEstoqueProprio)
    NX_UNICO(CNXDadosGC_CustoProducaoVariacao, VariacaoEstoqueTerceiros)
    NX_UNICO(CNXDadosGC_CustoProducaoVariacao, VariacaoGeral)
    NX_FILHOS(NX_FILHO_LISTA(Resultado), NX_FILHO_LISTA(CustoTerceirizacao), NX_FILHO_LISTA(InventarioElaboracao),
              NX_FILHO_UNICO(VariacaoEstoqueProprio), NX_FILHO_UNICO(VariacaoEstoqueTerceiros),
              NX_FILHO_UNICO(VariacaoGeral))
};

NX_SOBRE(_REG_GC_FILTRO_CUSTO_PRODUCAOPS,
         "The query filter of production costs; its member key is the product or service.")
struct NXLDADOSGC_API _REG_GC_FILTRO_CUSTO_PRODUCAOPS {
    _REG_GC_KEY_PRODUTO_SERVICOPS KeyProdutoServico;
    ULONG ChaveInicial;
    ULONG ChaveFinal;
    ULONG PonteiroProjeto_DEPRECATED;
    ULONG PonteiroFluxoProcesso_DEPRECATED;
    REG_NXMA MaCompetenciaInicial;
    REG_NXMA MaCompetenciaFinal;
    REG_NXMA MaTreeInicial;
    REG_NXMA MaTreeFinal;
    WORD PonteiroFilial;
    BYTE FiltroTipoProdutoServico;
    BYTE FiltroTipoCusto;
    BYTE FiltroOrigem;
    BYTE FiltroSituacao;
    BYTE FiltroEstoqueOrigemResultados;
    BYTE FiltrarProdutoServicoExato;
    BYTE NaoVerificarFilialAtiva;
    BYTE ApresentarTodosGravados;
    std::byte Lacuna58[6];
};
NX_LAYOUT(_REG_GC_FILTRO_CUSTO_PRODUCAOPS, 64,
          (KeyProdutoServico, 0), (ChaveInicial, 24), (ChaveFinal, 28), (PonteiroProjeto_DEPRECATED, 32),
          (PonteiroFluxoProcesso_DEPRECATED, 36), (MaCompetenciaInicial, 40), (MaCompetenciaFinal, 42),
          (MaTreeInicial, 44), (MaTreeFinal, 46), (PonteiroFilial, 48),
          (FiltroTipoProdutoServico, 50, "selects by kind of product or service"),
          (FiltroTipoCusto, 51, "selects by kind of cost"),
          (FiltroOrigem, 52, "selects by origin"),
          (FiltroSituacao, 53, "selects by state"),
          (FiltroEstoqueOrigemResultados, 54, "selects by the stock origin of the results"),
          (FiltrarProdutoServicoExato, 55, "non-zero: that exact product or service only"),
          (NaoVerificarFilialAtiva, 56, "non-zero: do not check that the branch is active"),
          (ApresentarTodosGravados, 57, "non-zero: every recorded production cost"),
          (Lacuna58, 58))

class NXLDADOSGC_API CNXDadosGC_FiltroCustoProducao
    : public T_NXDadosRegistroComLista<_REG_GC_FILTRO_CUSTO_PRODUCAOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_FiltroCustoProducao)
    NX_CAMPO(ChaveInicial)
    NX_CAMPO(ChaveFinal)
    NX_CAMPO(PonteiroProjeto_DEPRECATED)
    NX_CAMPO(PonteiroFluxoProcesso_DEPRECATED)
    NX_CAMPO(MaCompetenciaInicial)
    NX_CAMPO(MaCompetenciaFinal)
    NX_CAMPO(MaTreeInicial)
    NX_CAMPO(MaTreeFinal)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(FiltroTipoProdutoServico)
    NX_CAMPO(FiltroTipoCusto)
    NX_CAMPO(FiltroOrigem)
    NX_CAMPO(FiltroSituacao)
    NX_CAMPO(FiltroEstoqueOrigemResultados)
    NX_CAMPO(FiltrarProdutoServicoExato)
    NX_CAMPO(NaoVerificarFilialAtiva)
    NX_CAMPO(ApresentarTodosGravados)
    NX_FAIXA(Chave)
    NX_FAIXA(MaCompetencia)
    NX_FAIXA(MaTree)
    NX_CHAVE(CNXDadosGC_KeyProdutoServico, KeyProdutoServico)
    NX_FILHOS(NX_FILHO_MEMBRO(KeyProdutoServico))
};

NX_SOBRE(_REG_GC_PARAMETROS_CARGA_CUSTO_PRODUCAOPS,
         "The parameters of a production-cost load: a branch and month (its member key), a purchase price table, how "
         "inputs are calculated, and the product and service classes to load (ProdutoClasse).")
struct NXLDADOSGC_API _REG_GC_PARAMETROS_CARGA_CUSTO_PRODUCAOPS {
    _REG_GC_KEY_COMPETENCIAPS KeyCompetencia;
    ULONG PonteiroTabelaPrecoCompra;
    NXQuantidade QuantidadeProdutoClasse;
    BYTE TipoCalculoInsumo;
    std::byte Lacuna17[7];
    _REG_GC_PRODUTO_SERVICO_CLASSEPS* pProdutoClasse;
    std::byte Lacuna32[8];
};
NX_LAYOUT(_REG_GC_PARAMETROS_CARGA_CUSTO_PRODUCAOPS, 40,
          (KeyCompetencia, 0),
          (PonteiroTabelaPrecoCompra, 8, "the purchase price table"),
          (QuantidadeProdutoClasse, 12),
          (TipoCalculoInsumo, 16, "how inputs are calculated"),
          (Lacuna17, 17), (pProdutoClasse, 24), (Lacuna32, 32))

class NXLDADOSGC_API CNXDadosGC_ParametrosCargaCustoProducao
    : public T_NXDadosRegistroComLista<_REG_GC_PARAMETROS_CARGA_CUSTO_PRODUCAOPS> {
    NX_DADOS_COM_FILHOS(CNXDadosGC_ParametrosCargaCustoProducao)
    NX_CAMPO(PonteiroTabelaPrecoCompra)
    NX_CAMPO(TipoCalculoInsumo)
    NX_LISTA(CNXDadosGC_ProdutoServicoClasse, ProdutoClasse)
    NX_CHAVE(CNXDadosGC_KeyCompetencia, KeyCompetencia)
    // The key goes first in every hook, then the list.
    NX_FILHOS(NX_FILHO_MEMBRO(KeyCompetencia), NX_FILHO_LISTA(ProdutoClasse))
};

NX_SOBRE(_REG_GC_PARAMETROS_INVALIDAR_CUSTO_PRODUCAOPS,
         "The parameters of an invalidation of the production costs of a branch and month.")
struct NXLDADOSGC_API _REG_GC_PARAMETROS_INVALIDAR_CUSTO_PRODUCAOPS {
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE FiltroTipoCustoProducao;
    BYTE EfetivarAlteracao;
    std::byte Lacuna6[2];
};
NX_LAYOUT(_REG_GC_PARAMETROS_INVALIDAR_CUSTO_PRODUCAOPS, 8,
          (MaCompetencia, 0), (PonteiroFilial, 2),
          (FiltroTipoCustoProducao, 4, "selects the kind of production cost"),
          (EfetivarAlteracao, 5, "non-zero: make the invalidation effective"),
          (Lacuna6, 6))

class NXLDADOSGC_API CNXDadosGC_ParametrosInvalidarCustoProducao
    : public T_NXDadosRegistro<_REG_GC_PARAMETROS_INVALIDAR_CUSTO_PRODUCAOPS> {
    NX_DADOS(CNXDadosGC_ParametrosInvalidarCustoProducao)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(FiltroTipoCustoProducao)
    NX_CAMPO(EfetivarAlteracao)
};

#endif
