// The schema as tables for people: visitors of the walk over each class's description.
#include "NXLDadosGC/motor/Esquema.h"

#include <algorithm>    // std::max, std::min
#include <cctype>       // std::tolower
#include <map>          // std::map
#include <string_view>  // std::string_view
#include <utility>      // std::pair

#include "NXLDadosGC/motor/Classes.h"  // Classes, NomeDoCampoEm, NomeDoFilho

namespace NXDadosGC {
namespace {

// "0 = support; 1 = productive" as its codes. NX_LAYOUT has checked the form.
std::vector<CodigoCampo> Codigos(std::string_view texto) {
    std::vector<CodigoCampo> lista;
    while (!texto.empty()) {
        const std::size_t fim = std::min(texto.find("; "), texto.size());
        const std::string_view entrada = texto.substr(0, fim);
        const std::size_t igual = entrada.find(" = ");
        lista.push_back({std::stoi(std::string(entrada.substr(0, igual))), std::string(entrada.substr(igual + 3))});
        texto.remove_prefix(std::min(fim + 2, texto.size()));
    }
    return lista;
}

// A text table: columns as wide as their widest cell; `direita` marks right-aligned columns.
class Tabela {
public:
    Tabela(std::vector<std::string> cabecalho, std::vector<bool> direita) : m_Direita(std::move(direita)) {
        m_Linhas.push_back(std::move(cabecalho));
    }
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

// The children of a class of one kind, by name, in the order of its hooks.
std::vector<const InfoFilho*> FilhosDoTipo(const InfoClasse& info, TipoFilho tipo) {
    std::vector<const InfoFilho*> r;
    for (const InfoFilho& f : info.filhos)
        if (f.tipo == tipo) r.push_back(&f);
    return r;
}

std::string Nomes(const InfoClasse& info, TipoFilho tipo) {
    std::string s;
    for (const InfoFilho* f : FilhosDoTipo(info, tipo)) s += (s.empty() ? "" : ", ") + NomeDoFilho(info, *f);
    return s.empty() ? "-" : s;
}

// The role of a field in a word or two: "reference", "competence, range start".
std::string Papel(const DescricaoCampo& d) {
    std::string s = PalavrasPapelCampo(d.campo->papel);
    if (d.faixa) s += d.campo->faixa == ExtremoFaixa::Inicio ? ", range start" : ", range end";
    return s;
}

// What the field's structure says of it: a text's size, the list a count or pointer serves.
// `ligar` turns a class name into a reference (a Markdown link) or leaves it.
template <class Ligar>
std::string NotaDeEstrutura(const DescricaoCampo& d, Ligar ligar) {
    const CampoInfo& c = *d.campo;
    if (c.tipo == TipoCampo::Lacuna) return "gap";
    if (c.tipo == TipoCampo::Texto) return "text, at most " + std::to_string(c.largura - 1) + " bytes";
    if (d.parada == TipoParada::Quantidade) return "count of list " + d.quantidadeDe + " (pointer " + d.ponteiro + ")";
    if (d.parada == TipoParada::Filho) {
        const std::string descricao = (d.elemento == "u32" ? d.elemento : ligar(d.elemento)) + " (" +
                                      std::to_string(d.tamanhoElemento) + " bytes)";
        if (std::string_view(d.tipoFilho) == "lista") return "list " + d.filho + ": " + d.quantidade + " x " + descricao;
        return "holder " + d.filho + ": one " + descricao + " or null";
    }
    if (d.parada == TipoParada::Registro) return d.classe ? "member key " + ligar(d.classe) : "embedded record";
    return "";
}

// Everything said of a field beyond its kind: structure, meaning, codes, retirement.
template <class Ligar>
std::string Nota(const DescricaoCampo& d, Ligar ligar) {
    std::string s = NotaDeEstrutura(d, ligar);
    auto junta = [&](const std::string& parte) { s += (s.empty() ? "" : "; ") + parte; };
    if (d.campo->significado) junta(d.campo->significado);
    if (!d.codigos.empty()) {
        std::string codigos;
        for (const CodigoCampo& k : d.codigos)
            codigos += (codigos.empty() ? "" : ", ") + std::to_string(k.valor) + " = " + k.significado;
        junta("codes: " + codigos);
    }
    if (d.obsoleto) junta("retired: kept in place, new code leaves it zero");
    return s;
}

// The rows of `nxgc layout`: every field, an embedded record's indented under it.
class LinhasDeLayout : public VisitanteRegistro {
public:
    explicit LinhasDeLayout(Tabela& t) : m_T(t) {}
    bool Campo(const Parada& p) override {
        const DescricaoCampo d = DescreverCampo(p);
        m_T.Linha({std::to_string(p.deslocamento), std::to_string(p.campo.largura),
                   std::string(static_cast<std::size_t>(2 * p.nivel), ' ') + p.campo.nome, d.tipo, Papel(d),
                   Nota(d, [](const std::string& s) { return s; })});
        return true;
    }

private:
    Tabela& m_T;
};

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

// The rows of a class in the reference: its own fields (a member key's are in its own class's
// table).
class LinhasDeReferencia : public VisitanteRegistro {
public:
    explicit LinhasDeReferencia(std::ostream& saida) : m_Saida(saida) {}
    bool Campo(const Parada& p) override {
        const DescricaoCampo d = DescreverCampo(p);
        m_Saida << "| " << p.campo.deslocamento << " | " << p.campo.largura << " | `" << p.campo.nome << "` | " << d.tipo
                << " | " << Papel(d) << " | " << Celula(Nota(d, Ligacao)) << " |\n";
        return false;
    }

private:
    std::ostream& m_Saida;
};

void ImprimirClasseNaReferencia(const InfoClasse& info, std::ostream& saida) {
    const InfoRegistro& registro = info.registro();
    saida << "\n### " << info.nome << "\n\n";
    if (registro.sobre) saida << registro.sobre << "\n\n";
    saida << "Record `" << registro.nome << "`, " << info.tamanhoRegistro << " bytes; base `" << BaseDaClasse(info)
          << "`.\n";
    for (const auto& [tipo, titulo] :
         {std::pair{TipoFilho::Lista, "Lists"}, {TipoFilho::Unico, "Holders"}, {TipoFilho::Membro, "Member keys"}}) {
        std::string s;
        for (const InfoFilho* f : FilhosDoTipo(info, tipo)) {
            const std::string elemento = NomeDoElemento(*f);
            s += std::string(s.empty() ? "" : ", ") + "`" + NomeDoFilho(info, *f) + "` (" +
                 (elemento == "u32" ? "32-bit numbers" : Ligacao(elemento)) + ")";
        }
        if (!s.empty()) saida << titulo << ": " << s << ".\n";
    }
    saida << "\n| offset | width | field | type | kind | notes |\n|---:|---:|---|---|---|---|\n";
    LinhasDeReferencia linhas(saida);
    Percorrer(info, nullptr, linhas);
}

}  // namespace

DescricaoCampo DescreverCampo(const Parada& p) {
    const CampoInfo& c = p.campo;
    DescricaoCampo d{&c, p.tipo, NomeTipoCampo(c.tipo), NomePapelCampo(c.papel),
                     c.faixa != ExtremoFaixa::Nenhum ? NomeExtremoFaixa(c.faixa) : nullptr,
                     std::string_view(c.nome).ends_with("_DEPRECATED"), c.codigos ? Codigos(c.codigos) : std::vector<CodigoCampo>{},
                     {}, {}, {}, nullptr, {}, 0, {}, nullptr, nullptr, nullptr};
    if (p.tipo == TipoParada::Quantidade) {
        d.quantidadeDe = NomeDoFilho(*p.dono, *p.filho);
        d.ponteiro = NomeDoCampoEm(p.dono->campos(), p.filho->ponteiro);
    } else if (p.tipo == TipoParada::Filho) {
        const InfoFilho& f = *p.filho;
        d.filho = p.nome;
        d.tipoFilho = NomeTipoFilho(f.tipo);
        d.elemento = NomeDoElemento(f);
        d.tamanhoElemento = f.tamanhoRegistro;
        if (f.tipo == TipoFilho::Lista) d.quantidade = NomeDoCampoEm(p.dono->campos(), f.quantidade);
        if (p.classe) d.registroElemento = p.classe->registro().nome;
    } else if (p.tipo == TipoParada::Registro && p.classe) {
        d.classe = p.classe->nome;
        d.registro = p.classe->registro().nome;
    }
    return d;
}

const char* BaseDaClasse(const InfoClasse& info) {
    return info.filhos.empty() ? "T_NXDadosRegistro" : "T_NXDadosRegistroComLista";
}

const char* NomeTipoFilho(TipoFilho tipo) {
    switch (tipo) {
        case TipoFilho::Lista: return "lista";
        case TipoFilho::Unico: return "unico";
        case TipoFilho::Membro: return "chave";
    }
    return "?";
}

std::string NomeDoElemento(const InfoFilho& f) { return f.classe ? f.classe()->nome : "u32"; }

void ImprimirClasses(std::ostream& saida) {
    Tabela t({"class", "record", "base", "lists", "holders", "member keys"}, {false, true, false, false, false, false});
    for (const InfoClasse* info : Classes())
        t.Linha({info->nome, std::to_string(info->tamanhoRegistro), BaseDaClasse(*info), Nomes(*info, TipoFilho::Lista),
                 Nomes(*info, TipoFilho::Unico), Nomes(*info, TipoFilho::Membro)});
    t.Imprimir(saida);
}

void ImprimirLayout(const InfoClasse& info, std::ostream& saida) {
    const InfoRegistro& registro = info.registro();
    saida << info.nome << ": " << info.tamanhoRegistro << "-byte record " << registro.nome << ", " << BaseDaClasse(info)
          << ", in " << registro.cabecalho << "\n";
    if (registro.sobre) saida << registro.sobre << "\n";
    Tabela t({"offset", "width", "field", "type", "kind", "notes"}, {true, true, false, false, false, false});
    LinhasDeLayout linhas(t);
    Percorrer(info, nullptr, linhas);
    t.Imprimir(saida);
}

void ImprimirEsquema(std::ostream& saida) {
    bool primeira = true;
    for (const InfoClasse* info : Classes()) {
        if (!primeira) saida << "\n";
        primeira = false;
        ImprimirLayout(*info, saida);
    }
}

void ImprimirReferencia(std::ostream& saida) {
    std::map<std::string, std::vector<const InfoClasse*>> porCabecalho;
    for (const InfoClasse* info : Classes()) porCabecalho[info->registro().cabecalho].push_back(info);
    saida << kIntroducao << "\n## Headers\n\n";
    for (const auto& [cabecalho, classes] : porCabecalho) {
        saida << "- `" << cabecalho << "`\n";
        for (const InfoClasse* info : classes)
            saida << "  - " << Ligacao(info->nome) << ", record `" << info->registro().nome << "`\n";
    }
    for (const auto& [cabecalho, classes] : porCabecalho) {
        saida << "\n## " << cabecalho << "\n";
        for (const InfoClasse* info : classes) ImprimirClasseNaReferencia(*info, saida);
    }
}

}  // namespace NXDadosGC
