// The reader of a document whose tree would take far more memory than its text: the document is
// read twice by an event parser that holds nothing of it (RapidJSON's). The first reading
// checks every value, as the reader of LerDocumento does, and counts the elements of every
// block; those counts place every block in the packed form (docs/FORMATO_EMPACOTADO.md). The
// second fills each record again, its child slots now holding their blocks' offsets, and writes
// it at its place in the file. Memory holds the text, a few figures per block and one record per
// level open. The CRC is put together from the CRCs of the pieces as they are written.
//
// Whatever this reader is not sure the reader of LerDocumento would take exactly so (a value
// refused, a number with a fraction, a record before its class) stops it before anything is
// written: that reader then reads the document, and says why it refuses it.
#include <algorithm>  // std::max, std::min, std::stable_sort
#include <cstring>    // std::memcpy, std::strcmp, std::strlen
#include <limits>     // std::numeric_limits
#include <stdexcept>  // std::invalid_argument, std::logic_error
#include <string>
#include <vector>

#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include "Formato.h"
#include "Interno.h"
#include "Membros.h"                      // Membros, TabelaMembros, Vistos
#include "Varredura.h"                    // DocumentoFundoDemais
#include "NXLDadosGC/motor/Classes.h"     // ClassePorNome
#include "NXLDadosGC/motor/Crc32.h"       // Crc32, Crc32Combinar
#include "NXLDadosGC/motor/Empacotamento.h"  // detail::CabecalhoPacote
#include "NXLDadosGC/types/TextoCampo.h"  // LeituraDe

namespace NXDadosGC::json {
namespace {

constexpr std::uint64_t Alinhar8(std::uint64_t n) { return (n + 7) & ~std::uint64_t{7}; }

// A block of the tree, numbered as the document opens them (the root record is block 0).
struct Bloco {
    std::uint32_t indice = 0;  // the place, in its block, of the record whose slot leads here
    std::uint32_t slot = 0;    // the slot's offset in that record
    std::uint32_t tamanho = 0; // bytes of one element
    std::uint32_t n = 0;       // elements
    std::uint32_t abaixo = 1;  // blocks from this one through the last below it
    std::uint64_t desloc = 0;  // where it goes
};

// Gives every block its offset, in the order of the packed form: after a block come the blocks
// of its records' slots, record by record and slot by slot, each followed by those below it. The
// document gives a record's children in the order of its keys, hence the sort.
std::uint64_t Dispor(std::vector<Bloco>& blocos, std::uint32_t b, std::uint64_t cursor) {
    std::vector<std::uint32_t> filhos;
    for (std::uint32_t c = b + 1; c < b + blocos[b].abaixo; c += blocos[c].abaixo) filhos.push_back(c);
    std::stable_sort(filhos.begin(), filhos.end(), [&](std::uint32_t x, std::uint32_t y) {
        return blocos[x].indice != blocos[y].indice ? blocos[x].indice < blocos[y].indice : blocos[x].slot < blocos[y].slot;
    });
    for (const std::uint32_t c : filhos) {
        blocos[c].desloc = cursor;
        cursor = Dispor(blocos, c, cursor + Alinhar8(std::uint64_t{blocos[c].n} * blocos[c].tamanho));
    }
    return cursor;
}

// The file being written, a buffer for each block level open: a block's records come in order,
// each level's runs go out whole. Each run's CRC is taken while it is in cache and moved to its
// place in the whole (the CRC of zeros everywhere else is the length's alone).
class Escrita {
public:
    Escrita(ArquivoAtomico& arquivo, std::uint64_t total) : m_Arquivo(arquivo), m_Total(total) {}

    void Gravar(std::size_t nivel, std::uint64_t desloc, const void* p, std::size_t n) {
        if (nivel >= m_Trechos.size()) m_Trechos.resize(nivel + 1);
        Trecho& t = m_Trechos[nivel];
        if (!t.bytes.empty() && (t.desloc + t.bytes.size() != desloc || t.bytes.size() + n > kTrecho)) Descarregar(t);
        if (t.bytes.empty()) t.desloc = desloc;
        const auto* b = static_cast<const unsigned char*>(p);
        t.bytes.insert(t.bytes.end(), b, b + n);
    }

    // Writes what is left, then the header with the CRC of the whole.
    void Terminar(std::vector<std::byte> cabecalho) {
        for (Trecho& t : m_Trechos) Descarregar(t);
        Trecho fim{m_Fim, std::vector<unsigned char>(m_Total - std::min(m_Fim, m_Total), 0)};
        Descarregar(fim);  // the padding after the last block, so that the file has its length
        Trecho c{0, {reinterpret_cast<const unsigned char*>(cabecalho.data()),
                     reinterpret_cast<const unsigned char*>(cabecalho.data()) + cabecalho.size()}};
        Descarregar(c);
        const std::uint32_t crc = Zeros(m_Total) ^ m_Crc;
        std::memcpy(cabecalho.data() + 12, &crc, sizeof crc);
        m_Arquivo.GravarEm(12, std::span(cabecalho).subspan(12, 4));
    }

private:
    static constexpr std::size_t kTrecho = std::size_t{1} << 18;
    struct Trecho {
        std::uint64_t desloc = 0;
        std::vector<unsigned char> bytes;
    };

    // The CRC of n zero bytes: the register's start run through them.
    static std::uint32_t Zeros(std::uint64_t n) { return Crc32Combinar(0xFFFFFFFFu, 0, n) ^ 0xFFFFFFFFu; }

    void Descarregar(Trecho& t) {
        if (t.bytes.empty()) return;
        const std::span<const std::byte> bytes(reinterpret_cast<const std::byte*>(t.bytes.data()), t.bytes.size());
        // Without the start and the final XOR a CRC is linear: the run's own, carried through the
        // bytes after it.
        const std::uint64_t fim = t.desloc + bytes.size();
        m_Crc ^= Crc32Combinar(Crc32(bytes) ^ Zeros(bytes.size()), 0, m_Total - fim);
        m_Arquivo.GravarEm(t.desloc, bytes);
        m_Fim = std::max(m_Fim, fim);
        t.bytes.clear();
    }

    ArquivoAtomico& m_Arquivo;
    std::uint64_t m_Total;
    std::uint64_t m_Fim = 0;  // of the last byte written
    std::uint32_t m_Crc = 0;
    std::vector<Trecho> m_Trechos;
};

// A value as the events give it; what no record takes (true, false, a number with a fraction or
// beyond 64 bits) stops the reading where it comes.
enum class Tipo : std::uint8_t { Objeto, Vetor, Nulo, Inteiro, Cadeia };
struct Evento {
    explicit Evento(Tipo t, std::int64_t x = 0, std::string_view s = {}) : tipo(t), inteiro(x), cadeia(s) {}
    Tipo tipo;
    std::int64_t inteiro;
    std::string_view cadeia;
};

// What is open where the reading stands.
struct Nivel {
    enum class Quadro : std::uint8_t { Documento, Registro, Lista, Partes };
    explicit Nivel(Quadro q) : quadro(q) {}
    Quadro quadro;
    // Registro: a record, or an embedded one inside it.
    const InfoClasse* info = nullptr;
    Membros* membros = nullptr;
    unsigned char* reg = nullptr;
    std::uint32_t base = 0;                  // reg's offset in its block's record
    std::uint32_t bloco = 0, indice = 0;     // that block and the record's place in it
    std::uint32_t nivel = 0;                 // the block's level (0: the root record)
    bool elemento = false, unico = false;    // reg is a block's record; the block is a holder's
    std::size_t anterior = 0, chave = 0;     // the key read last; the key whose value comes next
    Vistos vistos{0};
    // Lista: the list of `filho` in record `dono` (slot at `slot` of its block's record), whose
    // elements' keys are `elementos` (looked up once for the list).
    const InfoFilho* filho = nullptr;
    Membros* elementos = nullptr;
    unsigned char* dono = nullptr;
    std::uint32_t slot = 0;
    std::uint64_t n = 0;
    // Partes: a date's (datado) or a text's, for field `campo` at `destino`: which of its two
    // parts were given, and which one's value comes next (1 or 2; 0: none). Documento: the same
    // for "classe" and "registro".
    const CampoInfo* campo = nullptr;
    unsigned char* destino = nullptr;
    bool datado = false;
    bool dadas[2] = {false, false};
    std::uint8_t pendente = 0;

    // The part named `k`, which is `primeira` or `segunda`, given; false when it is neither or
    // was given before.
    bool Dar(std::string_view k, std::string_view primeira, std::string_view segunda) {
        pendente = k == primeira ? 1 : k == segunda ? 2 : 0;
        return pendente && !std::exchange(dadas[pendente - 1], true);
    }
};

class Leitura {
public:
    // `escrita` null: the first reading, which counts into `blocos`; else the second, which
    // writes each record where `blocos` places it.
    Leitura(const InfoClasse* exigida, int pagina, std::vector<Bloco>& blocos, std::size_t guardados,
            detail::MedidaPacote& medida, Escrita* escrita)
        : m_Exigida(exigida), m_Pagina(pagina), m_Blocos(blocos), m_Guardados(guardados), m_Medida(medida),
          m_Escrita(escrita), m_Memoria(kProfundidadeMaxima + 1) {}

    const InfoClasse* info = nullptr;  // the document's class, once read
    bool lido = false;                 // the document is whole
    std::uint64_t contados = 0;        // blocks opened, the root's counted

    // The parser's events; false stops it.
    bool Null() { return Valor(Evento(Tipo::Nulo)); }
    bool Bool(bool) { return false; }
    bool Int(int x) { return Valor(Evento(Tipo::Inteiro, x)); }
    bool Uint(unsigned u) { return Valor(Evento(Tipo::Inteiro, u)); }
    bool Int64(std::int64_t x) { return Valor(Evento(Tipo::Inteiro, x)); }
    bool Uint64(std::uint64_t u) {
        return u <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max()) &&
               Valor(Evento(Tipo::Inteiro, static_cast<std::int64_t>(u)));
    }
    bool Double(double) { return false; }
    bool RawNumber(const char*, rapidjson::SizeType, bool) { return false; }
    bool String(const char* s, rapidjson::SizeType n, bool) { return Valor(Evento(Tipo::Cadeia, 0, {s, n})); }
    bool StartObject() { return Valor(Evento(Tipo::Objeto)); }
    bool StartArray() { return Valor(Evento(Tipo::Vetor)); }
    bool EndObject(rapidjson::SizeType) { return Fechar(); }
    bool EndArray(rapidjson::SizeType) { return Fechar(); }

    bool Key(const char* s, rapidjson::SizeType n, bool) {
        const std::string_view k(s, n);
        Nivel& t = m_Pilha.back();
        switch (t.quadro) {
            case Nivel::Quadro::Documento: return t.Dar(k, "classe", "registro");
            case Nivel::Quadro::Registro:
                t.chave = t.membros->Achar(k, t.anterior);
                t.anterior = t.chave;
                return t.chave != t.membros->Chaves() && t.vistos.Marcar(t.chave);
            case Nivel::Quadro::Partes: return t.datado ? t.Dar(k, "valor", "data") : t.Dar(k, "texto", "bytes");
            case Nivel::Quadro::Lista: break;
        }
        return false;
    }

private:
    // ---- Values, by what is open ----

    bool Valor(const Evento& e) {
        if (m_Pilha.empty()) return e.tipo == Tipo::Objeto && !lido && Abrir(Nivel(Nivel::Quadro::Documento));
        if (m_Pilha.size() == kProfundidadeMaxima && (e.tipo == Tipo::Objeto || e.tipo == Tipo::Vetor)) return false;
        Nivel& t = m_Pilha.back();
        switch (t.quadro) {
            case Nivel::Quadro::Documento: return t.pendente == 1 ? Classe(e) : Raiz(e);
            case Nivel::Quadro::Registro: return NoRegistro(t, e);
            case Nivel::Quadro::Lista: return Elemento(t, e);
            case Nivel::Quadro::Partes: return NaParte(t, e);
        }
        return false;
    }

    bool Classe(const Evento& e) {
        if (e.tipo != Tipo::Cadeia) return false;
        info = ClassePorNome(std::string(e.cadeia));
        return info && (!m_Exigida || std::strcmp(m_Exigida->nome, info->nome) == 0);
    }

    bool Raiz(const Evento& e) {
        if (e.tipo != Tipo::Objeto || !info) return false;
        if (!m_Escrita) {
            m_Blocos.assign(1, Bloco{0, 0, static_cast<std::uint32_t>(info->tamanhoRegistro), 1, 1, 0});
        }
        contados = 1;
        Nivel r(Nivel::Quadro::Registro);
        r.elemento = true;
        return Registro(r, info, info->campos(), nullptr);
    }

    // Opens record r (of class `classe`, fields `campos`, keys `membros` when known) at `reg`,
    // or in memory of its own.
    bool Registro(Nivel& r, const InfoClasse* classe, TabelaCampos campos, unsigned char* reg, Membros* membros = nullptr) {
        r.quadro = Nivel::Quadro::Registro;
        r.info = classe;
        r.membros = membros ? membros : &m_Membros.De(classe, campos);
        r.vistos = Vistos(r.membros->Chaves());
        r.anterior = r.membros->Chaves();
        if (!reg) {
            auto& memoria = m_Memoria[m_Pilha.size()];
            memoria.assign(classe->tamanhoRegistro, 0);
            reg = memoria.data();
        }
        r.reg = reg;
        return Abrir(std::move(r));
    }

    bool NoRegistro(Nivel& t, const Evento& e) {
        const Membro& x = t.membros->membros[t.chave / 2];
        if (t.chave % 2) return Filho(t, *x.infoFilho, e);
        unsigned char* p = t.reg + x.campo->deslocamento;
        switch (x.tipo) {
            case TipoParada::Registro: {
                if (e.tipo != Tipo::Objeto) return false;
                Nivel r(Nivel::Quadro::Registro);
                r.base = t.base + static_cast<std::uint32_t>(x.campo->deslocamento);
                r.bloco = t.bloco, r.indice = t.indice, r.nivel = t.nivel;
                return Registro(r, x.classe, x.classe ? x.classe->campos() : x.campo->sub(), p);
            }
            case TipoParada::Valor: return Campo(*x.campo, p, e);
            default: return false;  // a count, or a pointer with no child behind it
        }
    }

    bool Campo(const CampoInfo& c, unsigned char* p, const Evento& e) {
        const LeituraDoCampo& l = LeituraDe(c.tipo);
        std::int64_t x = 0;
        switch (l.forma) {
            case FormaValor::Inteiro:
                if (e.tipo != Tipo::Inteiro || e.inteiro < l.minimo || e.inteiro > l.maximo) return false;
                l.gravar(e.inteiro, p);
                return true;
            case FormaValor::Decimal:
                if (e.tipo != Tipo::Cadeia || !DeTexto(l, e.cadeia, x)) return false;
                l.gravar(x, p);
                return true;
            case FormaValor::Datado:
                if (e.tipo == Tipo::Objeto) return Partes(c, p, true);
                if (!(e.tipo == Tipo::Cadeia ? l.deData(e.cadeia, x) : Bruto(l, e, x))) return false;
                l.gravar(x, p);
                return true;
            case FormaValor::Texto:
                if (e.tipo == Tipo::Objeto) return Partes(c, p, false);
                return e.tipo == Tipo::Cadeia && formato::GravarTextoUtf8(e.cadeia, p, c.largura - 1, m_Pagina).empty();
            case FormaValor::Bytes:
                return e.tipo == Tipo::Cadeia && e.cadeia.size() == 2 * c.largura && formato::LerHex(e.cadeia, p, c.largura);
            case FormaValor::Endereco: break;
        }
        return false;
    }

    static bool DeTexto(const LeituraDoCampo& l, std::string_view s, std::int64_t& x) {
        try {
            x = l.deTexto(s);
            return true;
        } catch (const std::invalid_argument&) {
            return false;
        }
    }
    // A date's raw part: a number, or a hex text where a number would lose bits.
    static bool Bruto(const LeituraDoCampo& l, const Evento& e, std::int64_t& x) {
        if (l.brutoEmTexto) return e.tipo == Tipo::Cadeia && DeTexto(l, e.cadeia, x);
        x = e.inteiro;
        return e.tipo == Tipo::Inteiro && x >= l.minimo && x <= l.maximo;
    }

    bool Partes(const CampoInfo& c, unsigned char* p, bool datado) {
        Nivel n(Nivel::Quadro::Partes);
        n.campo = &c, n.destino = p, n.datado = datado;
        return Abrir(std::move(n));
    }
    // A part's value, kept in m_Partes (parts hold no objects, so one pair is open at a time).
    bool NaParte(Nivel& t, const Evento& e) {
        const int i = t.pendente - 1;
        if (!t.datado) {
            m_Partes[i].texto = e.cadeia;
            return e.tipo == Tipo::Cadeia;
        }
        const LeituraDoCampo& l = LeituraDe(t.campo->tipo);
        if (i == 0) return Bruto(l, e, m_Partes[0].valor);
        return e.tipo == Tipo::Cadeia && l.deData(e.cadeia, m_Partes[1].valor);
    }
    // A date's parts agree, or a text's bytes are a text's and the text they hold.
    bool Juntar(const Nivel& t) {
        const CampoInfo& c = *t.campo;
        const Parte &a = m_Partes[0], &b = m_Partes[1];
        if (t.datado) {
            if (!t.dadas[0] && !t.dadas[1]) return false;
            if (t.dadas[0] && t.dadas[1] && a.valor != b.valor) return false;
            LeituraDe(c.tipo).gravar(t.dadas[1] ? b.valor : a.valor, t.destino);
            return true;
        }
        if (!t.dadas[1] || b.texto.size() != 2 * c.largura || !formato::LerHex(b.texto, t.destino, c.largura) ||
            t.destino[c.largura - 1] != 0)
            return false;
        if (!t.dadas[0]) return true;
        std::string lido;
        formato::AnexarTextoUtf8(lido, t.destino, std::strlen(reinterpret_cast<const char*>(t.destino)), m_Pagina);
        return lido == a.texto;
    }

    // ---- Children and blocks ----

    bool Filho(Nivel& t, const InfoFilho& f, const Evento& e) {
        Nivel n(Nivel::Quadro::Lista);
        n.filho = &f, n.dono = t.reg, n.slot = t.base + static_cast<std::uint32_t>(f.ponteiro);
        n.bloco = t.bloco, n.indice = t.indice, n.nivel = t.nivel;
        if (f.tipo != TipoFilho::Unico) {
            if (const InfoClasse* classe = f.classe ? f.classe() : nullptr) n.elementos = &m_Membros.De(classe, classe->campos());
            return e.tipo == Tipo::Vetor && Abrir(std::move(n));
        }
        if (e.tipo == Tipo::Nulo) return true;
        if (e.tipo != Tipo::Objeto) return false;
        const InfoClasse* classe = f.classe();
        Nivel r(Nivel::Quadro::Registro);
        r.elemento = r.unico = true;
        r.bloco = AbrirBloco(n), r.nivel = n.nivel + 1;
        return Registro(r, classe, classe->campos(), nullptr);
    }

    // The block of list or holder n, at its first element: numbered, and in the second reading
    // its offset and count written into the slot.
    std::uint32_t AbrirBloco(const Nivel& n) {
        const auto b = static_cast<std::uint32_t>(contados++);
        if (m_Escrita) {
            const Bloco& bloco = m_Blocos[b];
            std::memcpy(n.dono + n.filho->ponteiro, &bloco.desloc, sizeof bloco.desloc);
            if (n.filho->tipo != TipoFilho::Unico) std::memcpy(n.dono + n.filho->quantidade, &bloco.n, sizeof bloco.n);
        } else if (b < m_Guardados) {
            m_Blocos.push_back({n.indice, n.slot, static_cast<std::uint32_t>(n.filho->tamanhoRegistro)});
        }
        return b;
    }
    void FecharBloco(std::uint32_t b, std::uint64_t n, std::size_t tamanho, std::uint32_t nivel) {
        if (m_Escrita) return;
        m_Medida.blocos++;
        m_Medida.bytes += Alinhar8(n * tamanho);
        m_Medida.maiorLista = std::max(m_Medida.maiorLista, n);
        m_Medida.profundidade = std::max<std::size_t>(m_Medida.profundidade, nivel);
        if (b < m_Blocos.size()) {
            m_Blocos[b].n = static_cast<std::uint32_t>(n);
            m_Blocos[b].abaixo = static_cast<std::uint32_t>(std::min<std::uint64_t>(contados, m_Guardados) - b);
        }
    }

    bool Elemento(Nivel& t, const Evento& e) {
        const InfoFilho& f = *t.filho;
        if (t.n == 0xFFFFFFFFu) return false;
        if (t.n == 0) {
            t.bloco = AbrirBloco(t);
            t.nivel += 1;
        }
        const auto i = static_cast<std::uint32_t>(t.n++);
        if (const InfoClasse* classe = f.classe ? f.classe() : nullptr) {
            if (e.tipo != Tipo::Objeto) return false;
            Nivel r(Nivel::Quadro::Registro);
            r.elemento = true;
            r.bloco = t.bloco, r.indice = i, r.nivel = t.nivel;
            return Registro(r, classe, classe->campos(), nullptr, t.elementos);
        }
        if (e.tipo != Tipo::Inteiro || e.inteiro < 0 || e.inteiro > 0xFFFFFFFFll) return false;
        if (m_Escrita) {
            const auto x = static_cast<std::uint32_t>(e.inteiro);
            m_Escrita->Gravar(t.nivel, m_Blocos[t.bloco].desloc + std::uint64_t{i} * sizeof x, &x, sizeof x);
        }
        return true;
    }

    // ---- Opening and closing ----

    bool Abrir(Nivel&& n) {
        m_Pilha.push_back(std::move(n));
        return true;
    }

    bool Fechar() {
        Nivel& t = m_Pilha.back();
        bool bom = true;
        switch (t.quadro) {
            case Nivel::Quadro::Documento:
                bom = t.dadas[0] && t.dadas[1];
                lido = true;
                break;
            case Nivel::Quadro::Partes: bom = Juntar(t); break;
            case Nivel::Quadro::Lista:
                if (t.n > 0) FecharBloco(t.bloco, t.n, t.filho->tamanhoRegistro, t.nivel);
                break;
            case Nivel::Quadro::Registro:
                if (!t.elemento) break;
                if (t.unico) FecharBloco(t.bloco, 1, t.info->tamanhoRegistro, t.nivel);
                if (m_Escrita)
                    m_Escrita->Gravar(t.nivel, m_Blocos[t.bloco].desloc + std::uint64_t{t.indice} * t.info->tamanhoRegistro,
                                      t.reg, t.info->tamanhoRegistro);
                break;
        }
        m_Pilha.pop_back();
        return bom;
    }

    const InfoClasse* m_Exigida;
    int m_Pagina;
    std::vector<Bloco>& m_Blocos;
    std::size_t m_Guardados;  // blocks kept at most: one past the limit says the tree is beyond it
    detail::MedidaPacote& m_Medida;
    Escrita* m_Escrita;
    std::vector<Nivel> m_Pilha;
    std::vector<std::vector<unsigned char>> m_Memoria;  // a record's bytes, by the depth it opens at
    TabelaMembros m_Membros;
    // The parts of the date or text open: "valor" and "data", or "texto" and "bytes".
    struct Parte {
        std::int64_t valor = 0;
        std::string texto;
    } m_Partes[2];
};

// Reads the document once; false when it stops. The text must be well formed UTF-8 and hold the
// one document, white space around it; a zero byte, which ends the parser's stream, must be
// its end.
bool Ler(std::string_view texto, Leitura& leitura) {
    rapidjson::MemoryStream fluxo(texto.data(), texto.size());
    rapidjson::Reader parser;
    constexpr unsigned kComo = rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag;
    return !parser.Parse<kComo>(fluxo, leitura).IsError() && fluxo.Tell() == texto.size() && leitura.lido;
}

}  // namespace

EscolhaDeLeitor EscolherLeitor(std::string_view texto) {
    if (texto.size() <= kTextoGrande) return {};
    std::size_t fim = std::string_view::npos, separadores = 0;
    if (DocumentoFundoDemais(texto, kProfundidadeMaxima, &fim, &separadores) != std::string_view::npos ||
        fim == std::string_view::npos || texto.find_first_not_of(" \t\r\n", fim) != std::string_view::npos ||
        texto[texto.find_first_not_of(" \t\r\n")] != '{')
        return {};
    // The fast reader's index: four bytes a token, about two tokens a separator.
    const std::uint64_t indice = 8 * std::uint64_t{separadores}, t = texto.size();
    if (indice >= t) return {true, 0};
    return {false, static_cast<std::size_t>(std::min(t + t / 2, 2 * t - indice))};
}

bool GravarPacoteContinuo(std::string_view texto, const InfoClasse* exigida, int pagina, ArquivoAtomico& arquivo) {
    if (!arquivo.GravarEm(0, {})) return false;
    const OpcoesDesempacotamento limites;
    std::vector<Bloco> blocos;
    detail::MedidaPacote medida;
    Leitura contagem(exigida, pagina, blocos, limites.blocosMaximos + 1, medida, nullptr);
    if (!Ler(texto, contagem)) return false;
    std::uint64_t total = 0;
    std::vector<std::byte> cabecalho = detail::CabecalhoPacote(*contagem.info, medida, limites, total);
    blocos[0].abaixo = static_cast<std::uint32_t>(blocos.size());
    blocos[0].desloc = cabecalho.size();
    if (Dispor(blocos, 0, cabecalho.size() + Alinhar8(contagem.info->tamanhoRegistro)) != total)
        throw std::logic_error("the blocks of a document did not add up to its packed tree");
    Escrita escrita(arquivo, total);
    Leitura gravacao(exigida, pagina, blocos, blocos.size(), medida, &escrita);
    if (!Ler(texto, gravacao)) throw std::logic_error("a document read differently the second time");
    escrita.Terminar(std::move(cabecalho));
    return true;
}

}  // namespace NXDadosGC::json
