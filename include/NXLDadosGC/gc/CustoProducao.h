// Production cost: the cost of one product or service of a branch in a month, with its results
// (processing steps, input issues, stock entry), outsourcing, work-in-process inventory and up
// to three variation summaries; its query filter and the parameters of a load and of an
// invalidation.
#ifndef NXLDADOSGC_GC_CUSTOPRODUCAO_H
#define NXLDADOSGC_GC_CUSTOPRODUCAO_H

#include "NXLDadosGC/gc/Chaves.h"        // CNXDadosGC_KeyCompetencia, CNXDadosGC_KeyProdutoServico ...
#include "NXLDadosGC/gc/DadosGC.h"
#include "NXLDadosGC/gc/Rentabilidade.h" // CNXDadosGC_ProdutoServicoClasse

// A process line of a variation. Same layout as the processing line of a result below, but a
// record type of its own: the two never compare equal.
struct _REG_GC_CUSTO_PRODUCAO_PROCESSOPS {
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
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_PROCESSOPS, 88, (QuantProcessada, 0), (QuantHorasProducao, 8),
          (CustoHoraFixo, 16), (CustoHoraVariavel, 24), (CustoHora, 32), (CustoTotalHorasFixo, 40),
          (CustoTotalHorasVariavel, 48), (CustoTotalHoras, 56), (CustoTotal, 64), (PonteiroProcesso, 72),
          (PonteiroCentroCustos, 76), (MaCompetencia, 80), (Lacuna82, 82))

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

struct _REG_GC_CUSTO_PRODUCAO_PROCESSAMENTOPS {
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
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_PROCESSAMENTOPS, 88, (QuantProcessada, 0), (QuantHorasProducao, 8),
          (CustoHoraFixo, 16), (CustoHoraVariavel, 24), (CustoHora, 32), (CustoTotalHorasFixo, 40),
          (CustoTotalHorasVariavel, 48), (CustoTotalHoras, 56), (CustoTotal, 64), (PonteiroProcesso, 72),
          (PonteiroCentroCustos, 76), (MaCompetencia, 80), (Lacuna82, 82))

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

struct _REG_GC_CUSTO_PRODUCAO_INSUMOPS {
    _REG_POSICAO_PRODUTOPS PosicaoProduto;
    tagCY QuantConsumida;
    tagCY CustoTotal;
    tagCY CustoMedioV8;
    ULONG PonteiroTabPrecoCompra;
    REG_NXMA MaCompetencia;
    BYTE TipoCalculoInsumo;
    BYTE PermiteAlterar;
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_INSUMOPS, 48, (PosicaoProduto, 0), (QuantConsumida, 16), (CustoTotal, 24),
          (CustoMedioV8, 32), (PonteiroTabPrecoCompra, 40), (MaCompetencia, 44), (TipoCalculoInsumo, 46),
          (PermiteAlterar, 47))

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

struct _REG_GC_CUSTO_PRODUCAO_BAIXA_INSUMOPS {
    _REG_POSICAO_PRODUTOPS PosicaoProduto;
    REG_NXDMAHMSUTC DmaHmsMovimento;
    REG_NXDMC DmcMovimentoBaixa;
    tagCY QuantConsumida;
    tagCY CustoUnitarioV8;
    tagCY CustoTotal;
    REG_NXMA MaCompetencia;
    std::byte Lacuna58[6];
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_BAIXA_INSUMOPS, 64, (PosicaoProduto, 0), (DmaHmsMovimento, 16),
          (DmcMovimentoBaixa, 24), (QuantConsumida, 32), (CustoUnitarioV8, 40), (CustoTotal, 48),
          (MaCompetencia, 56), (Lacuna58, 58))

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

struct _REG_GC_CUSTO_PRODUCAO_ENTRADAPS {
    REG_NXDMAHMSUTC DmaHmsMovimento;
    REG_NXDMC DmcMovimentoEntrada;
    REG_NXDMC DmcOrdemProducao;
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_ENTRADAPS, 24, (DmaHmsMovimento, 0), (DmcMovimentoEntrada, 8),
          (DmcOrdemProducao, 16))

class NXLDADOSGC_API CNXDadosGC_CustoProducaoEntrada : public T_NXDadosRegistro<_REG_GC_CUSTO_PRODUCAO_ENTRADAPS> {
    NX_DADOS(CNXDadosGC_CustoProducaoEntrada)
    NX_CAMPO(DmaHmsMovimento)
    NX_CAMPO(DmcMovimentoEntrada)
    NX_CAMPO(DmcOrdemProducao)
};

struct _REG_GC_CUSTO_PRODUCAO_TERCEIRIZACAOPS {
    tagCY QuantApontada_DEPRECATED;
    tagCY CustoTotal;
    tagCY CustoUnitarioV8_DEPRECATED;
    ULONG PonteiroProcesso_DEPRECATED;
    ULONG PonteiroIndustrializador_DEPRECATED;
    ULONG PonteiroNotaFiscalSaida_DEPRECATED;
    REG_NXMA MaCompetencia;
    std::byte Lacuna38[2];
};
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_TERCEIRIZACAOPS, 40, (QuantApontada_DEPRECATED, 0), (CustoTotal, 8),
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

struct _REG_GC_CUSTO_PRODUCAO_INVENTARIO_ELABORACAOPS {
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
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_INVENTARIO_ELABORACAOPS, 96, (PosicaoProdutoServico, 0), (QuantEmElaboracao, 16),
          (QuantProcessada, 24), (QuantHorasProducao, 32), (CustoTotal, 40), (CustoTotalHorasFixo, 48),
          (CustoTotalHorasVariavel, 56), (CustoTotalHoras, 64), (CustoTotalInsumos, 72), (PonteiroProcesso, 80),
          (PonteiroCentroCustos, 84), (MaCompetencia, 88), (PonteiroFilial, 90), (TipoProdutoServico, 92),
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

struct _REG_GC_CUSTO_PRODUCAO_RESULTADOPS {
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
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_RESULTADOPS, 112, (QuantProduzida, 0), (QuantHorasProducao, 8),
          (CustoTotalHorasFixo, 16), (CustoTotalHorasVariavel, 24), (CustoTotalHoras, 32), (CustoTotalInsumos, 40),
          (CustoTotal, 48), (CustoUnitarioV8, 56), (PonteiroProcesso, 64), (QuantidadeCustoProcessamento, 68),
          (QuantidadeCustoBaixaInsumo, 72), (MaCompetencia, 76), (EstoqueOrigemTerceiros, 78), (Lacuna79, 79),
          (pEntrada, 80), (pCustoProcessamento, 88), (pCustoBaixaInsumo, 96), (Lacuna104, 104))

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

struct _REG_GC_CUSTO_PRODUCAO_VARIACAOPS {
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
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAO_VARIACAOPS, 80, (QuantProduzida, 0), (CustoTotalHorasFixo, 8),
          (CustoTotalHorasVariavel, 16), (CustoTotalHoras, 24), (CustoTotalInsumos, 32), (CustoTotal, 40),
          (CustoUnitarioV8, 48), (QuantidadeCustoProcesso, 56), (QuantidadeCustoInsumo, 60), (pCustoProcesso, 64),
          (pCustoInsumo, 72))

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

struct _REG_GC_CUSTO_PRODUCAOPS {
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
NX_LAYOUT(_REG_GC_CUSTO_PRODUCAOPS, 136, (PosicaoProdutoServico, 0), (DmaHmsEmissao, 16), (DmaHmsGravacao, 24),
          (TotalCustoTerceirizacoes, 32), (Chave, 40), (PonteiroProjeto_DEPRECATED, 44),
          (PonteiroFluxoProcesso_DEPRECATED, 48), (PonteiroUsuarioEmissao, 52), (PonteiroUsuarioGravacao, 56),
          (QuantidadeResultado, 60), (QuantidadeCustoTerceirizacao, 64), (QuantidadeInventarioElaboracao, 68),
          (MaCompetencia, 72), (PonteiroFilial, 74), (TipoProdutoServico, 76), (TipoCusto, 77),
          (OrigemCustoProducao, 78), (Situacao, 79), (EhCustoProducaoAtivo, 80), (Excluido, 81), (Lacuna82, 82),
          (pResultado, 88), (pCustoTerceirizacao, 96), (pInventarioElaboracao, 104), (pVariacaoEstoqueProprio, 112),
          (pVariacaoEstoqueTerceiros, 120), (pVariacaoGeral, 128))

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

struct _REG_GC_FILTRO_CUSTO_PRODUCAOPS {
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
NX_LAYOUT(_REG_GC_FILTRO_CUSTO_PRODUCAOPS, 64, (KeyProdutoServico, 0), (ChaveInicial, 24), (ChaveFinal, 28),
          (PonteiroProjeto_DEPRECATED, 32), (PonteiroFluxoProcesso_DEPRECATED, 36), (MaCompetenciaInicial, 40),
          (MaCompetenciaFinal, 42), (MaTreeInicial, 44), (MaTreeFinal, 46), (PonteiroFilial, 48),
          (FiltroTipoProdutoServico, 50), (FiltroTipoCusto, 51), (FiltroOrigem, 52), (FiltroSituacao, 53),
          (FiltroEstoqueOrigemResultados, 54), (FiltrarProdutoServicoExato, 55), (NaoVerificarFilialAtiva, 56),
          (ApresentarTodosGravados, 57), (Lacuna58, 58))

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

struct _REG_GC_PARAMETROS_CARGA_CUSTO_PRODUCAOPS {
    _REG_GC_KEY_COMPETENCIAPS KeyCompetencia;
    ULONG PonteiroTabelaPrecoCompra;
    NXQuantidade QuantidadeProdutoClasse;
    BYTE TipoCalculoInsumo;
    std::byte Lacuna17[7];
    _REG_GC_PRODUTO_SERVICO_CLASSEPS* pProdutoClasse;
    std::byte Lacuna32[8];
};
NX_LAYOUT(_REG_GC_PARAMETROS_CARGA_CUSTO_PRODUCAOPS, 40, (KeyCompetencia, 0), (PonteiroTabelaPrecoCompra, 8),
          (QuantidadeProdutoClasse, 12), (TipoCalculoInsumo, 16), (Lacuna17, 17), (pProdutoClasse, 24),
          (Lacuna32, 32))

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

struct _REG_GC_PARAMETROS_INVALIDAR_CUSTO_PRODUCAOPS {
    REG_NXMA MaCompetencia;
    WORD PonteiroFilial;
    BYTE FiltroTipoCustoProducao;
    BYTE EfetivarAlteracao;
    std::byte Lacuna6[2];
};
NX_LAYOUT(_REG_GC_PARAMETROS_INVALIDAR_CUSTO_PRODUCAOPS, 8, (MaCompetencia, 0), (PonteiroFilial, 2),
          (FiltroTipoCustoProducao, 4), (EfetivarAlteracao, 5), (Lacuna6, 6))

class NXLDADOSGC_API CNXDadosGC_ParametrosInvalidarCustoProducao
    : public T_NXDadosRegistro<_REG_GC_PARAMETROS_INVALIDAR_CUSTO_PRODUCAOPS> {
    NX_DADOS(CNXDadosGC_ParametrosInvalidarCustoProducao)
    NX_CAMPO(MaCompetencia)
    NX_CAMPO(PonteiroFilial)
    NX_CAMPO(FiltroTipoCustoProducao)
    NX_CAMPO(EfetivarAlteracao)
};

#endif
