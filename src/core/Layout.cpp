#include "NXLDadosGC/core/Layout.h"

const char* NXDadosGC::NomeTipoCampo(TipoCampo tipo) {
    switch (tipo) {
        case TipoCampo::U8: return "u8";
        case TipoCampo::Char: return "char";
        case TipoCampo::U16: return "u16";
        case TipoCampo::U32: return "u32";
        case TipoCampo::Moeda: return "CY";
        case TipoCampo::Competencia: return "REG_NXMA";
        case TipoCampo::Dia: return "REG_NXDMA";
        case TipoCampo::Momento: return "REG_NXDMAHMSUTC";
        case TipoCampo::DataDmc: return "REG_NXDMC";
        case TipoCampo::Posicao: return "posicao";
        case TipoCampo::Texto: return "texto";
        case TipoCampo::Lacuna: return "lacuna";
        case TipoCampo::Quantidade: return "quantidade";
        case TipoCampo::Ponteiro: return "ponteiro";
        case TipoCampo::Registro: return "registro";
    }
    return "?";
}

const char* NXDadosGC::NomePapelCampo(PapelCampo papel) {
    switch (papel) {
        case PapelCampo::Numero: return "numero";
        case PapelCampo::Referencia: return "referencia";
        case PapelCampo::Selecao: return "selecao";
        case PapelCampo::Competencia: return "competencia";
        case PapelCampo::Dia: return "dia";
        case PapelCampo::Momento: return "momento";
        case PapelCampo::Data: return "data";
        case PapelCampo::Moeda: return "moeda";
        case PapelCampo::Posicao: return "posicao";
        case PapelCampo::Texto: return "texto";
        case PapelCampo::Quantidade: return "quantidade";
        case PapelCampo::Filho: return "filho";
        case PapelCampo::Registro: return "registro";
        case PapelCampo::Lacuna: return "lacuna";
    }
    return "?";
}

const char* NXDadosGC::PalavrasPapelCampo(PapelCampo papel) {
    switch (papel) {
        case PapelCampo::Numero: return "number";
        case PapelCampo::Referencia: return "reference";
        case PapelCampo::Selecao: return "selection";
        case PapelCampo::Competencia: return "competence";
        case PapelCampo::Dia: return "day";
        case PapelCampo::Momento: return "time stamp";
        case PapelCampo::Data: return "date";
        case PapelCampo::Moeda: return "currency";
        case PapelCampo::Posicao: return "locator";
        case PapelCampo::Texto: return "text";
        case PapelCampo::Quantidade: return "count";
        case PapelCampo::Filho: return "child";
        case PapelCampo::Registro: return "record";
        case PapelCampo::Lacuna: return "gap";
    }
    return "?";
}

const char* NXDadosGC::NomeExtremoFaixa(ExtremoFaixa extremo) {
    switch (extremo) {
        case ExtremoFaixa::Nenhum: return "";
        case ExtremoFaixa::Inicio: return "inicio";
        case ExtremoFaixa::Fim: return "fim";
    }
    return "?";
}
