#include "Esquema.h"

#include <algorithm>    // std::max, std::min
#include <cctype>       // std::tolower
#include <map>          // std::map
#include <string>       // std::string
#include <string_view>  // std::string_view
#include <vector>       // std::vector

#include "NXLDadosGC/motor/Classes.h"  // FilhoEm, ListaComQuantidadeEm, NomeDoCampoEm, NomeDoFilho

namespace nxgc::esquema {
namespace {

using NXDadosGC::CampoInfo;
using NXDadosGC::ExtremoFaixa;
using NXDadosGC::FilhoEm;
using NXDadosGC::InfoClasse;
using NXDadosGC::InfoFilho;
using NXDadosGC::ListaComQuantidadeEm;
using NXDadosGC::NomeDoCampoEm;
using NXDadosGC::NomeDoFilho;
using NXDadosGC::TabelaCampos;
using NXDadosGC::TipoCampo;
using NXDadosGC::TipoFilho;

std::string NomeDoElemento(const InfoFilho& f) { return f.classe ? f.classe()->nome : "u32"; }

const char* NomeTipoFilho(TipoFilho t) {
    switch (t) {
        case TipoFilho::Lista: return "lista";
        case TipoFilho::Unico: return "unico";
        case TipoFilho::Membro: return "chave";
    }
    return "?";
}

// "0 = support; 1 = productive" as [{"valor": 0, "significado": "support"}, ...]. NX_LAYOUT has
// checked the form.
Json Codigos(std::string_view texto) {
    Json lista = Json::array();
    while (!texto.empty()) {
        const std::size_t fim = std::min(texto.find("; "), texto.size());
        const std::string_view entrada = texto.substr(0, fim);
        const std::size_t igual = entrada.find(" = ");
        lista.push_back({{"valor", std::stoi(std::string(entrada.substr(0, igual)))},
                         {"significado", std::string(entrada.substr(igual + 3))}});
        texto.remove_prefix(std::min(fim + 2, texto.size()));
    }
    return lista;
}

// A text table: columns as wide as their widest cell; `direita` marks right-aligned columns.
class Tabela {
public:
    Tabela(std::vector<std::string> cabecalho, std::vector<bool> direita)
        : m_Direita(std::move(direita)) { m_Linhas.push_back(std::move(cabecalho)); }
    void Linha(std::vector<std::string> celulas) { m_Linhas.push_back(std::move(celulas)); }
    void Imprimir(std::ostream& saida) const {
        std::vector<std::size_t> largura(m_Linhas[0].size(), 0);
        for (const auto& l : m_Linhas)
            for (std::size_t i = 0; i < l.size(); ++i) largura[i] = std::max(largura[i], l[i].size());
        for (const auto& l : m_Linhas) {
            std::string s;
            for (std::size_t i = 0; i < l.size(); ++i) {
                const std::string enchimento(largura[i] - l[i].size(), ' ');
                if (i) s += "  ";
                s += m_Direita[i] ? enchimento + l[i] : l[i] + (i + 1 < l.size() ? enchimento : "");
            }
            s.erase(s.find_last_not_of(' ') + 1);
            saida << s << "\n";
        }
    }

private:
    std::vector<bool> m_Direita;
    std::vector<std::vector<std::string>> m_Linhas;
};

// The children's names; `nxgc layout` and the JSON forms give their classes.
std::string Filhos(const Json& lista) {
    std::string s;
    for (const Json& f : lista) {
        if (!s.empty()) s += ", ";
        s += f["nome"].get<std::string>();
    }
    return s.empty() ? "-" : s;
}

// The role of a field in a word or two: "reference", "competence, range start".
std::string Papel(const Json& c) {
    static const std::map<std::string, std::string> palavras{
        {"numero", "number"},  {"referencia", "reference"}, {"selecao", "selection"}, {"competencia", "competence"},
        {"dia", "day"},        {"momento", "time stamp"},   {"data", "date"},         {"moeda", "currency"},
        {"posicao", "locator"}, {"texto", "text"},           {"quantidade", "count"},  {"filho", "child"},
        {"registro", "record"}, {"lacuna", "gap"}};
    std::string s = palavras.at(c["papel"].get<std::string>());
    if (c.contains("faixa")) s += c["faixa"] == "inicio" ? ", range start" : ", range end";
    return s;
}

// What the field's structure says of it: a text's size, the list a count or pointer serves.
// `ligar` turns a class name into a reference (a Markdown link) or leaves it.
template <class Ligar>
std::string NotaDeEstrutura(const Json& c, Ligar ligar) {
    const std::string tipo = c["tipo"];
    if (tipo == "lacuna") return "gap";
    if (tipo == "texto") return "text, at most " + std::to_string(c["maximo"].get<int>()) + " bytes";
    if (c.contains("quantidadeDe"))
        return "count of list " + c["quantidadeDe"].get<std::string>() + " (pointer " + c["ponteiro"].get<std::string>() + ")";
    if (c.contains("filho")) {
        const std::string elemento = c["elemento"].get<std::string>();
        const std::string descricao = (elemento == "u32" ? elemento : ligar(elemento)) + " (" +
                                      std::to_string(c["tamanhoElemento"].get<int>()) + " bytes)";
        if (c["tipoFilho"] == "lista")
            return "list " + c["filho"].get<std::string>() + ": " + c["quantidade"].get<std::string>() + " x " + descricao;
        return "holder " + c["filho"].get<std::string>() + ": one " + descricao + " or null";
    }
    if (tipo == "registro") return c.contains("classe") ? "member key " + ligar(c["classe"].get<std::string>()) : "embedded record";
    return "";
}

// Everything said of a field beyond its kind: structure, meaning, codes, retirement.
template <class Ligar>
std::string Nota(const Json& c, Ligar ligar) {
    std::string s = NotaDeEstrutura(c, ligar);
    auto junta = [&](const std::string& parte) { s += (s.empty() ? "" : "; ") + parte; };
    if (c.contains("significado")) junta(c["significado"].get<std::string>());
    if (c.contains("codigos")) {
        std::string codigos;
        for (const Json& k : c["codigos"])
            codigos += (codigos.empty() ? "" : ", ") + std::to_string(k["valor"].get<int>()) + " = " +
                       k["significado"].get<std::string>();
        junta("codes: " + codigos);
    }
    if (c.contains("obsoleto")) junta("retired: kept in place, new code leaves it zero");
    return s;
}

std::string Nota(const Json& c) {
    return Nota(c, [](const std::string& s) { return s; });
}

void LinhasDeLayout(Tabela& t, const Json& campos, std::size_t base, int nivel) {
    for (const Json& c : campos) {
        const std::size_t desloc = base + c["deslocamento"].get<std::size_t>();
        t.Linha({std::to_string(desloc), std::to_string(c["largura"].get<int>()),
                 std::string(static_cast<std::size_t>(2 * nivel), ' ') + c["nome"].get<std::string>(),
                 c["tipo"].get<std::string>(), Papel(c), Nota(c)});
        if (c.contains("campos")) LinhasDeLayout(t, c["campos"], desloc, nivel + 1);
    }
}

}  // namespace

void ImprimirLayout(const Json& layout, std::ostream& saida) {
    saida << layout["classe"].get<std::string>() << ": " << layout["tamanhoRegistro"].get<std::size_t>()
          << "-byte record " << layout["registro"].get<std::string>() << ", " << layout["base"].get<std::string>()
          << ", in " << layout["cabecalho"].get<std::string>() << "\n";
    if (layout.contains("sobre")) saida << layout["sobre"].get<std::string>() << "\n";
    Tabela t({"offset", "width", "field", "type", "kind", "notes"}, {true, true, false, false, false, false});
    LinhasDeLayout(t, layout["campos"], 0, 0);
    t.Imprimir(saida);
}


const char* BaseDaClasse(const InfoClasse& info) {
    return info.filhos.empty() ? "T_NXDadosRegistro" : "T_NXDadosRegistroComLista";
}

Json DescreverClasse(const InfoClasse& info) {
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

namespace {

Json DescreverCampos(const InfoClasse* info, TabelaCampos campos) {
    Json lista = Json::array();
    for (const CampoInfo& c : campos) {
        Json j{{"nome", c.nome}, {"deslocamento", c.deslocamento}, {"largura", c.largura},
               {"tipo", NXDadosGC::NomeTipoCampo(c.tipo)}, {"papel", NXDadosGC::NomePapelCampo(c.papel)}};
        if (c.faixa != ExtremoFaixa::Nenhum) j["faixa"] = NXDadosGC::NomeExtremoFaixa(c.faixa);
        if (std::string_view(c.nome).ends_with("_DEPRECATED")) j["obsoleto"] = true;
        if (c.significado) j["significado"] = c.significado;
        if (c.codigos) j["codigos"] = Codigos(c.codigos);
        if (c.tipo == TipoCampo::Texto) j["maximo"] = c.largura - 1;
        if (const InfoFilho* f = c.tipo == TipoCampo::Quantidade ? ListaComQuantidadeEm(info, c.deslocamento) : nullptr) {
            j["quantidadeDe"] = NomeDoFilho(*info, *f);
            j["ponteiro"] = NomeDoCampoEm(campos, f->ponteiro);
        }
        if (const InfoFilho* f = c.tipo == TipoCampo::Ponteiro ? FilhoEm(info, c.deslocamento, false) : nullptr) {
            j["filho"] = NomeDoFilho(*info, *f);
            j["tipoFilho"] = NomeTipoFilho(f->tipo);
            j["elemento"] = NomeDoElemento(*f);
            j["tamanhoElemento"] = f->tamanhoRegistro;
            if (f->tipo == TipoFilho::Lista) j["quantidade"] = NomeDoCampoEm(campos, f->quantidade);
            if (f->classe) j["registroElemento"] = f->classe()->registro().nome;
        }
        if (c.tipo == TipoCampo::Registro && c.sub) {
            const InfoFilho* m = FilhoEm(info, c.deslocamento, true);
            const InfoClasse* classe = m ? m->classe() : nullptr;
            if (classe) {
                j["classe"] = classe->nome;
                j["registro"] = classe->registro().nome;
            }
            j["campos"] = DescreverCampos(classe, classe ? classe->campos() : c.sub());
        }
        lista.push_back(j);
    }
    return lista;
}

}  // namespace

Json DescreverLayout(const InfoClasse& info) {
    Json filhos = Json::array();
    for (const InfoFilho& f : info.filhos) {
        Json j{{"nome", NomeDoFilho(info, f)}, {"tipo", NomeTipoFilho(f.tipo)}, {"elemento", NomeDoElemento(f)},
               {"tamanhoElemento", f.tamanhoRegistro}};
        if (f.tipo == TipoFilho::Lista) j["quantidade"] = f.quantidade;
        j[f.tipo == TipoFilho::Membro ? "area" : "ponteiro"] = f.ponteiro;
        if (f.classe) j["registroElemento"] = f.classe()->registro().nome;
        filhos.push_back(j);
    }
    const NXDadosGC::InfoRegistro& registro = info.registro();
    Json layout{{"classe", info.nome},
                {"registro", registro.nome},
                {"cabecalho", registro.cabecalho}};
    if (registro.sobre) layout["sobre"] = registro.sobre;
    layout["tamanhoRegistro"] = info.tamanhoRegistro;
    layout["base"] = BaseDaClasse(info);
    layout["campos"] = DescreverCampos(&info, info.campos());
    layout["filhos"] = filhos;
    return layout;
}


void ImprimirClasses(const Json& classes, std::ostream& saida) {
    Tabela t({"class", "record", "base", "lists", "holders", "member keys"}, {false, true, false, false, false, false});
    for (const Json& c : classes)
        t.Linha({c["classe"].get<std::string>(), std::to_string(c["tamanhoRegistro"].get<std::size_t>()),
                 c["base"].get<std::string>(), Filhos(c["listas"]), Filhos(c["unicos"]), Filhos(c["chaves"])});
    t.Imprimir(saida);
}

namespace {

// The opening of the reference: how to read its tables, and the words the names are made of.
constexpr const char* kIntroducao = R"(# Reference of the data classes

Every data class of the library, grouped by the header that declares it: its flat record, what
the record is, its children, and each field with its place, its kind and, where the name does
not say it, its meaning. This file is the output of `nxgc schema --markdown`, built from the
field tables the library compiles (`NX_SOBRE` and `NX_LAYOUT` in the headers); a test fails
when the two differ. `nxgc layout <Class>` shows one class the same way, `nxgc schema --json`
all of them for programs.

## Reading the tables

Offsets and widths are in bytes from the start of the record; records are little-endian with
natural alignment. Each class holds its record and offers `Get<Field>` and `Set<Field>` for
every field named in its table except counts, child pointers, member-key areas and gaps; text
setters cut to the field's size. Each list `L` offers the family `Adiciona<L>`, `Deletar<L>`,
`Troca<L>`, `Get<L>`, `GetConstRef<L>`, `GetRef<L>`, `GetPtr<L>`, `Set<L>`, `SetValorUnico<L>`,
`GetQuantidade<L>`, `RemoveTodos<L>`, `GetLista<L>` and `SetLista<L>`; each holder `H` (zero or
one child) `Possui<H>`, `Get<H>`, `Inclui<H>`, `Set<H>` and `Remove<H>`; each member key `K`
`Get<K>` (a reference) and `Set<K>`. Children live in the object; in a flat record a list is a
(count, pointer) pair, a holder a pointer, and a member key writes its record into its area.
Some classes also offer key views, `GetKey<X>` and `SetKey<X>`, that build a key from their own
fields and store one into them.

The kind of a field follows from its name and what it holds:

| kind | named | holds |
|---|---|---|
| reference | `Ponteiro<Entity>` | the number of an entity kept elsewhere in the suite (an account, a branch, a user), never a memory address |
| competence | `Ma<Event>` | an accounting month, `REG_NXMA`: (year - 1848) x 12 + month; 0 is none |
| day | `Dma<Event>` | a day number, `REG_NXDMA`: 2 is 1 January 1848; 0 is none |
| time stamp | `DmaHms<Event>` | a date and time of day with its offset from UTC, `REG_NXDMAHMSUTC` |
| date | `Dmc<Event>` | an 8-byte date value carried whole, `REG_NXDMC` |
| selection | `Flag<X>`, `Filtro<X>` | a byte of a query filter that selects what the query returns |
| range start, range end | `<X>Inicial` / `<X>Final` (`<X>Inferior` / `<X>Superior`) | the two ends of a range; where the class has `Set<X>`, it stores one value into both |
| currency | any `tagCY` field | a signed 64-bit count of ten-thousandths (12.34 is 123400); quantities, hours and percentages are held the same way |
| number | other numbers | a number, code or flag; codes are listed where the business area defines them, otherwise they belong to the programs that exchange the records |
| text | `char[N+1]` | at most N bytes of code page 1252, then a zero |
| locator | `_REG_POSICAO_PRODUTOPS` | the 16-byte locator of a product or service in the catalogue, copied whole |
| count, child | `Quantidade<L>`, `p<L>` | the count and pointer of list `L`, or the pointer of holder `L` |
| record | | an embedded record: the area of a member key |
| gap | `Lacuna<N>` | bytes at offset N with no accessor: zero in every object, copied and compared like the rest |

A field whose name ends in `_DEPRECATED` keeps its place and accessors; new code leaves it zero.
Fields whose names end in `V8` hold values at a scale the programs that fill them choose.

Words the names are made of: Apoio support; Baixa issue from stock; Bloqueio lock; Carga load;
CentroCustos cost centre; Chave key number; Cliente customer; ContaContabil ledger account;
ContaGerencial management account; Competencia accounting month; Custo cost; Despesa expense;
Elaboracao work in process; Emissao issue; Encerramento closing; Entrada stock entry; Estoque
stock; Excluido marked as deleted; Filial branch; Gravacao last recording; GGF manufacturing
overhead; Horas hours; Inativo inactive; Indice index; Insumo input; Lancamento, Lancto posting;
Lucratividade profit margin; Margem de contribuicao contribution margin; NF invoice; Ociosas
idle; Origem origin; PE break-even point; Perc, Percentual percentage; Posicao own reference
number; Prazo term; Preco price; Processo process; Produtivo productive; Rateio allocation;
Rentabilidade profitability; Representante sales representative; Terceiros belonging to others;
Terceirizacao outsourcing; Tree a second month range the servers interpret; UF state; Unitario
unit; Usuario user; Variacao variation; Vend salesperson; Vista cash.
)";

// GitHub's anchor of a class heading.
std::string Ancora(std::string nome) {
    for (char& ch : nome) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return "#" + nome;
}

std::string Ligacao(const std::string& classe) { return "[" + classe + "](" + Ancora(classe) + ")"; }

// A table cell: no line breaks, no bare column separators.
std::string Celula(const std::string& texto) {
    std::string s;
    for (char ch : texto) s += ch == '|' ? std::string("\\|") : std::string(1, ch);
    return s;
}

// One row per field; a member key's fields are in its own class's table.
void LinhasDeReferencia(const Json& campos, std::ostream& saida) {
    for (const Json& c : campos) {
        saida << "| " << c["deslocamento"].get<int>() << " | " << c["largura"].get<int>() << " | `"
              << c["nome"].get<std::string>() << "` | " << c["tipo"].get<std::string>() << " | " << Papel(c) << " | "
              << Celula(Nota(c, Ligacao)) << " |\n";
    }
}

void ImprimirClasse(const Json& layout, std::ostream& saida) {
    const std::string classe = layout["classe"];
    saida << "\n### " << classe << "\n\n";
    if (layout.contains("sobre")) saida << layout["sobre"].get<std::string>() << "\n\n";
    saida << "Record `" << layout["registro"].get<std::string>() << "`, " << layout["tamanhoRegistro"].get<int>()
          << " bytes; base `" << layout["base"].get<std::string>() << "`.\n";
    for (const auto& [tipo, titulo] : {std::pair{"lista", "Lists"}, {"unico", "Holders"}, {"chave", "Member keys"}}) {
        std::string s;
        for (const Json& f : layout["filhos"]) {
            if (f["tipo"] != tipo) continue;
            const std::string elemento = f["elemento"];
            s += std::string(s.empty() ? "" : ", ") + "`" + f["nome"].get<std::string>() + "` (" +
                 (elemento == "u32" ? "32-bit numbers" : Ligacao(elemento)) + ")";
        }
        if (!s.empty()) saida << titulo << ": " << s << ".\n";
    }
    saida << "\n| offset | width | field | type | kind | notes |\n|---:|---:|---|---|---|---|\n";
    LinhasDeReferencia(layout["campos"], saida);
}

}  // namespace

void ImprimirReferencia(const Json& layouts, std::ostream& saida) {
    std::map<std::string, std::vector<const Json*>> porCabecalho;
    for (const Json& l : layouts) porCabecalho[l["cabecalho"].get<std::string>()].push_back(&l);
    saida << kIntroducao << "\n## Headers\n\n";
    for (const auto& [cabecalho, classes] : porCabecalho) {
        saida << "- `" << cabecalho << "`\n";
        for (const Json* l : classes)
            saida << "  - " << Ligacao((*l)["classe"].get<std::string>()) << ", record `"
                  << (*l)["registro"].get<std::string>() << "`\n";
    }
    for (const auto& [cabecalho, classes] : porCabecalho) {
        saida << "\n## " << cabecalho << "\n";
        for (const Json* l : classes) ImprimirClasse(*l, saida);
    }
}

}  // namespace nxgc::esquema
