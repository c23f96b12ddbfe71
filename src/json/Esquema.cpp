// The schema as JSON: a visitor of the walk over each class's description, saying of every field
// what DescreverCampo (motor/Esquema.h) says.
#include "NXLDadosGC/json/Esquema.h"

#include <ostream>  // std::ostream
#include <vector>   // std::vector

#include <nlohmann/json.hpp>

#include "NXLDadosGC/motor/Classes.h"        // Classes, NomeDoFilho
#include "NXLDadosGC/motor/Empacotamento.h"  // kVersaoPacote
#include "NXLDadosGC/motor/Esquema.h"        // DescreverCampo, BaseDaClasse, NomeTipoFilho, NomeDoElemento

namespace NXDadosGC {
namespace {

using Json = nlohmann::ordered_json;

// The fields of a record, an embedded record's under its own field.
class Campos : public VisitanteRegistro {
public:
    Json raiz = Json::array();

    void InicioRegistro(const InfoClasse*, TabelaCampos) override {
        m_Pilha.push_back(m_Pilha.empty() ? &raiz : &(m_Pilha.back()->back()["campos"] = Json::array()));
    }
    void FimRegistro() override { m_Pilha.pop_back(); }
    bool Campo(const Parada& p) override {
        const DescricaoCampo d = DescreverCampo(p);
        const CampoInfo& c = p.campo;
        Json j{{"nome", c.nome}, {"deslocamento", c.deslocamento}, {"largura", c.largura}, {"tipo", d.tipo},
               {"papel", d.papel}};
        if (d.faixa) j["faixa"] = d.faixa;
        if (d.obsoleto) j["obsoleto"] = true;
        if (c.significado) j["significado"] = c.significado;
        if (!d.codigos.empty()) {
            Json codigos = Json::array();
            for (const CodigoCampo& k : d.codigos) codigos.push_back({{"valor", k.valor}, {"significado", k.significado}});
            j["codigos"] = codigos;
        }
        if (c.tipo == TipoCampo::Texto) j["maximo"] = c.largura - 1;
        if (p.tipo == TipoParada::Quantidade) {
            j["quantidadeDe"] = d.quantidadeDe;
            j["ponteiro"] = d.ponteiro;
        }
        if (p.tipo == TipoParada::Filho) {
            j["filho"] = d.filho;
            j["tipoFilho"] = d.tipoFilho;
            j["elemento"] = d.elemento;
            j["tamanhoElemento"] = d.tamanhoElemento;
            if (!d.quantidade.empty()) j["quantidade"] = d.quantidade;
            if (d.registroElemento) j["registroElemento"] = d.registroElemento;
        }
        if (d.classe) {
            j["classe"] = d.classe;
            j["registro"] = d.registro;
        }
        m_Pilha.back()->push_back(std::move(j));
        return p.tipo == TipoParada::Registro;
    }

private:
    std::vector<Json*> m_Pilha;  // the array of the record being walked, innermost last
};

Json Classe(const InfoClasse& info) {
    Json listas = Json::array(), unicos = Json::array(), chaves = Json::array();
    for (const InfoFilho& f : info.filhos) {
        Json j{{"nome", NomeDoFilho(info, f)}, {"elemento", NomeDoElemento(f)}};
        (f.tipo == TipoFilho::Lista ? listas : f.tipo == TipoFilho::Unico ? unicos : chaves).push_back(j);
    }
    return Json{{"classe", info.nome},
                {"tamanhoRegistro", info.tamanhoRegistro},
                {"base", BaseDaClasse(info)},
                {"listas", listas},
                {"unicos", unicos},
                {"chaves", chaves},
                {"registro", info.registro().nome},
                {"cabecalho", info.registro().cabecalho}};
}

Json Layout(const InfoClasse& info) {
    Json filhos = Json::array();
    for (const InfoFilho& f : info.filhos) {
        Json j{{"nome", NomeDoFilho(info, f)}, {"tipo", NomeTipoFilho(f.tipo)}, {"elemento", NomeDoElemento(f)},
               {"tamanhoElemento", f.tamanhoRegistro}};
        if (f.tipo == TipoFilho::Lista) j["quantidade"] = f.quantidade;
        j[f.tipo == TipoFilho::Membro ? "area" : "ponteiro"] = f.ponteiro;
        if (f.classe) j["registroElemento"] = f.classe()->registro().nome;
        filhos.push_back(j);
    }
    const InfoRegistro& registro = info.registro();
    Json layout{{"classe", info.nome}, {"registro", registro.nome}, {"cabecalho", registro.cabecalho}};
    if (registro.sobre) layout["sobre"] = registro.sobre;
    layout["tamanhoRegistro"] = info.tamanhoRegistro;
    layout["base"] = BaseDaClasse(info);
    Campos campos;
    Percorrer(info, nullptr, campos);
    layout["campos"] = std::move(campos.raiz);
    layout["filhos"] = filhos;
    return layout;
}

}  // namespace

void ClassesJson(std::ostream& saida) {
    Json lista = Json::array();
    for (const InfoClasse* info : Classes()) lista.push_back(Classe(*info));
    saida << lista.dump(2) << "\n";
}

void LayoutJson(const InfoClasse& classe, std::ostream& saida) { saida << Layout(classe).dump(2) << "\n"; }

void EsquemaJson(std::ostream& saida) {
    Json classes = Json::array();
    for (const InfoClasse* info : Classes()) classes.push_back(Layout(*info));
    saida << Json{{"versaoPacote", kVersaoPacote}, {"classes", classes}}.dump(2) << "\n";
}

}  // namespace NXDadosGC
