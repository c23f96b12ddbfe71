// Dumps: visitors of the walk (motor/Travessia.h) over a record's field table, every value in
// the text people read (types/TextoCampo.h).
#include "NXLDadosGC/motor/Despejo.h"

#include <cstdio>  // std::snprintf
#include <vector>  // std::vector

#include "NXLDadosGC/motor/Travessia.h"  // Percorrer, VisitanteRegistro
#include "NXLDadosGC/types/TextoCampo.h"  // TextoDoCampo

namespace NXDadosGC {
namespace {

void AnexarHex(std::string& s, const unsigned char* p, std::size_t n) {
    char b[4];
    for (std::size_t i = 0; i < n; ++i) {
        std::snprintf(b, sizeof b, i ? " %02x" : "%02x", p[i]);
        s += b;
    }
}

// A text in quotes, byte for byte: printable ASCII as it is, every other byte as \xNN.
void AnexarTexto(std::string& s, const unsigned char* p, std::size_t n) {
    char b[8];
    s += '"';
    for (std::size_t i = 0; i < n && p[i]; ++i) {
        if (p[i] >= 0x20 && p[i] <= 0x7E && p[i] != '"' && p[i] != '\\') {
            s += static_cast<char>(p[i]);
        } else {
            std::snprintf(b, sizeof b, "\\x%02x", p[i]);
            s += b;
        }
    }
    s += '"';
}

// The records of a dump are walked as tables of fields: every field, pointers and counts
// included, is shown as the value it holds.
void PercorrerTabela(TabelaCampos campos, const void* registro, VisitanteRegistro& v) {
    Percorrer(nullptr, campos, registro, v);
}

// One line per field: offset, width, name, kind and value; embedded records indented below
// their line.
class Despejo : public VisitanteRegistro {
public:
    std::string saida;

    bool Campo(const Parada& p) override {
        char b[160];
        std::snprintf(b, sizeof b, "%*s%4u %3u  %-36s %-12s ", p.nivel * 2, "", p.deslocamento, p.campo.largura,
                      p.campo.nome, NomeTipoCampo(p.campo.tipo));
        saida += b;
        if (p.tipo == TipoParada::Registro) {
            saida += "\n";
            return true;
        }
        saida += FormatarCampo(p.campo, p.bytes - p.campo.deslocamento) + "\n";
        return false;
    }
};

// {Nome=valor, ...} on one line, gaps left out.
class Resumo : public VisitanteRegistro {
public:
    std::string saida;

    void InicioRegistro(const InfoClasse*, TabelaCampos) override {
        saida += '{';
        m_Primeiro.push_back(true);
    }
    void FimRegistro() override {
        saida += '}';
        m_Primeiro.pop_back();
    }
    bool Campo(const Parada& p) override {
        if (p.campo.tipo == TipoCampo::Lacuna) return false;
        if (!m_Primeiro.back()) saida += ", ";
        m_Primeiro.back() = false;
        saida += p.campo.nome;
        saida += '=';
        if (p.tipo == TipoParada::Registro) return true;
        saida += FormatarCampo(p.campo, p.bytes - p.campo.deslocamento);
        return false;
    }

private:
    std::vector<bool> m_Primeiro;
};

}  // namespace

std::string FormatarCampo(const CampoInfo& c, const void* registro) {
    const auto* p = static_cast<const unsigned char*>(registro) + c.deslocamento;
    const TextoValor v = TextoDoCampo(c, p, Leitor::Pessoas);
    std::string s;
    switch (v.forma) {
        case FormaValor::Inteiro: return std::to_string(v.inteiro);
        case FormaValor::Decimal:
        case FormaValor::Endereco: return v.texto;
        case FormaValor::Datado:
            s = v.brutoEmTexto ? v.texto : std::to_string(v.inteiro);
            if (!v.data.empty()) s += " (" + v.data + ")";
            return s;
        case FormaValor::Texto: AnexarTexto(s, p, c.largura); return s;
        case FormaValor::Bytes: AnexarHex(s, p, c.largura); return s;
    }
    return s;
}

std::string DespejarRegistro(TabelaCampos campos, const void* registro) {
    Despejo d;
    PercorrerTabela(campos, registro, d);
    return std::move(d.saida);
}

std::string ResumirRegistro(TabelaCampos campos, const void* registro) {
    Resumo r;
    PercorrerTabela(campos, registro, r);
    return std::move(r.saida);
}

}  // namespace NXDadosGC
