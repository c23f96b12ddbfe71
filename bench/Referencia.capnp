# The benchmark trees as Cap'n Proto messages: the same fields as the records (and as
# Referencia.fbs). Currency and time stamps are Int64, the opaque 8-byte dates UInt64, the 16-byte
# product locator two UInt64 fields (Cap'n Proto has no inline structs); leaf lines are lists of
# structs.
@0xa03f6b3949a08b65;

using Cxx = import "/capnp/c++.capnp";
$Cxx.namespace("nxbench::capn");

# Production cost.
struct Processamento {
  quantProcessada @0 :Int64;
  quantHorasProducao @1 :Int64;
  custoHoraFixo @2 :Int64;
  custoHoraVariavel @3 :Int64;
  custoHora @4 :Int64;
  custoTotalHorasFixo @5 :Int64;
  custoTotalHorasVariavel @6 :Int64;
  custoTotalHoras @7 :Int64;
  custoTotal @8 :Int64;
  ponteiroProcesso @9 :UInt32;
  ponteiroCentroCustos @10 :UInt32;
  maCompetencia @11 :UInt16;
}

struct BaixaInsumo {
  posicaoProduto0 @0 :UInt64;
  posicaoProduto1 @1 :UInt64;
  dmaHmsMovimento @2 :Int64;
  dmcMovimentoBaixa @3 :UInt64;
  quantConsumida @4 :Int64;
  custoUnitarioV8 @5 :Int64;
  custoTotal @6 :Int64;
  maCompetencia @7 :UInt16;
}

struct Entrada {
  dmaHmsMovimento @0 :Int64;
  dmcMovimentoEntrada @1 :UInt64;
  dmcOrdemProducao @2 :UInt64;
}

struct Resultado {
  quantProduzida @0 :Int64;
  quantHorasProducao @1 :Int64;
  custoTotalHorasFixo @2 :Int64;
  custoTotalHorasVariavel @3 :Int64;
  custoTotalHoras @4 :Int64;
  custoTotalInsumos @5 :Int64;
  custoTotal @6 :Int64;
  custoUnitarioV8 @7 :Int64;
  ponteiroProcesso @8 :UInt32;
  maCompetencia @9 :UInt16;
  estoqueOrigemTerceiros @10 :UInt8;
  entrada @11 :Entrada;
  custoProcessamento @12 :List(Processamento);
  custoBaixaInsumo @13 :List(BaixaInsumo);
}

struct CustoProducao {
  posicaoProdutoServico0 @0 :UInt64;
  posicaoProdutoServico1 @1 :UInt64;
  dmaHmsEmissao @2 :Int64;
  dmaHmsGravacao @3 :Int64;
  totalCustoTerceirizacoes @4 :Int64;
  chave @5 :UInt32;
  ponteiroProjetoDeprecated @6 :UInt32;
  ponteiroFluxoProcessoDeprecated @7 :UInt32;
  ponteiroUsuarioEmissao @8 :UInt32;
  ponteiroUsuarioGravacao @9 :UInt32;
  maCompetencia @10 :UInt16;
  ponteiroFilial @11 :UInt16;
  tipoProdutoServico @12 :UInt8;
  tipoCusto @13 :UInt8;
  origemCustoProducao @14 :UInt8;
  situacao @15 :UInt8;
  ehCustoProducaoAtivo @16 :UInt8;
  excluido @17 :UInt8;
  resultado @18 :List(Resultado);
}

# Allocation matrix.
struct MatrizRateioCentroCustos {
  valorRateio @0 :Int64;
  ponteiroCentroCustos @1 :UInt32;
  caracteristicaCentroCustos @2 :UInt8;
}

struct MatrizRateioConta {
  totalRateio @0 :Int64;
  valorLancado @1 :Int64;
  ponteiroContaContabil @2 :UInt32;
  ponteiroContaGerencial @3 :UInt32;
  centroCustos @4 :List(MatrizRateioCentroCustos);
}

struct MatrizRateioCentroCustosProdutivo {
  valorRateio @0 :Int64;
  custoFixo @1 :Int64;
  custoVariavel @2 :Int64;
  ponteiroCentroCustos @3 :UInt32;
  caracteristicaCentroCustos @4 :UInt8;
}

struct MatrizRateioCentroCustosApoio {
  totalRateio @0 :Int64;
  valorLancado @1 :Int64;
  ponteiroCentroCustos @2 :UInt32;
  caracteristicaCentroCustos @3 :UInt8;
  centroCustosProdutivo @4 :List(MatrizRateioCentroCustosProdutivo);
}

struct MatrizRateio {
  dmaHmsGravacao @0 :Int64;
  ponteiroUsuarioGravacao @1 :UInt32;
  maCompetencia @2 :UInt16;
  ponteiroFilial @3 :UInt16;
  excluido @4 :UInt8;
  conta @5 :List(MatrizRateioConta);
  centroCustosApoio @6 :List(MatrizRateioCentroCustosApoio);
}

# Hour postings.
struct LancamentoHoras {
  dmaHmsEmissao @0 :Int64;
  dmaHmsGravacao @1 :Int64;
  quantHorasProducao @2 :Int64;
  quantHorasOciosas @3 :Int64;
  chave @4 :UInt32;
  ponteiroCentroCustos @5 :UInt32;
  ponteiroUsuarioEmissao @6 :UInt32;
  ponteiroUsuarioGravacao @7 :UInt32;
  maCompetencia @8 :UInt16;
  ponteiroFilial @9 :UInt16;
  origem @10 :UInt8;
  excluido @11 :UInt8;
}

struct ListaLanctoHoras {
  maCompetencia @0 :UInt16;
  ponteiroFilial @1 :UInt16;
  lancamento @2 :List(LancamentoHoras);
}
