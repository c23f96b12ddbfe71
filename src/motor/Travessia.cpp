#include "NXLDadosGC/motor/Travessia.h"

#include <cstring>  // std::memcpy

#include "NXLDadosGC/motor/Classes.h"  // FilhoEm, ListaComQuantidadeEm, NomeDoFilhoNaTabela

namespace NXDadosGC {

VisitanteRegistro::~VisitanteRegistro() = default;
void VisitanteRegistro::InicioRegistro(const InfoClasse*, TabelaCampos) {}
void VisitanteRegistro::FimRegistro() {}
void VisitanteRegistro::FimCampo(const Parada&) {}
void VisitanteRegistro::Elemento(const Parada&, std::uint32_t, const unsigned char*) {}

namespace {

using detail::Ler;

// The record at reg (null: none), `base` bytes after the start of the walk.
void Registro(VisitanteRegistro& v, const InfoClasse* classe, TabelaCampos campos, const unsigned char* reg,
              std::uint32_t base, int nivel) {
    v.InicioRegistro(classe, campos);
    for (const CampoInfo& c : campos) {
        Parada p{c, TipoParada::Valor, c.nome, classe, nullptr, nullptr, base + c.deslocamento, base, nivel,
                 reg ? reg + c.deslocamento : nullptr, nullptr, 0};
        if (c.tipo == TipoCampo::Registro && c.sub) {
            p.tipo = TipoParada::Registro;
            p.filho = FilhoEm(classe, c.deslocamento, true);
            p.classe = p.filho ? p.filho->classe() : nullptr;
            if (v.Campo(p)) {
                Registro(v, p.classe, p.classe ? p.classe->campos() : c.sub(), p.bytes, p.deslocamento, nivel + 1);
                v.FimCampo(p);
            }
        } else if (c.tipo == TipoCampo::Ponteiro) {
            p.filho = FilhoEm(classe, c.deslocamento, false);
            if (!p.filho) {
                p.tipo = TipoParada::Ponteiro;
                v.Campo(p);
                continue;
            }
            const InfoFilho& f = *p.filho;
            p.tipo = TipoParada::Filho;
            p.nome = NomeDoFilhoNaTabela(*classe, f);
            p.classe = f.classe ? f.classe() : nullptr;
            if (reg) {
                p.bloco = Ler<const unsigned char*>(p.bytes);
                p.elementos = !p.bloco ? 0 : f.tipo == TipoFilho::Unico ? 1 : Ler<std::uint32_t>(reg + f.quantidade);
            }
            if (!v.Campo(p)) continue;
            for (std::uint32_t i = 0; i < p.elementos; ++i) {
                const unsigned char* e = p.bloco + std::size_t{i} * f.tamanhoRegistro;
                v.Elemento(p, i, e);
                if (p.classe) Registro(v, p.classe, p.classe->campos(), e, 0, 0);
            }
            v.FimCampo(p);
        } else {
            if (c.tipo == TipoCampo::Quantidade && (p.filho = ListaComQuantidadeEm(classe, c.deslocamento)))
                p.tipo = TipoParada::Quantidade;
            v.Campo(p);
        }
    }
    v.FimRegistro();
}

}  // namespace

void Percorrer(const InfoClasse* classe, TabelaCampos campos, const void* registro, VisitanteRegistro& visitante) {
    Registro(visitante, classe, campos, static_cast<const unsigned char*>(registro), 0, 0);
}

}  // namespace NXDadosGC
