// The reader of a document whose tree would take far more memory than its text: the document is
// read twice by an event parser that holds nothing of it (RapidJSON's). The first reading
// checks every value, as the reader of LerDocumento does, and counts the elements of every
// block; those counts place every block in the packed form (docs/FORMATO_EMPACOTADO.md). The
// second fills each record again, its child slots now holding their blocks' offsets, and writes
// it at its place in the file. Memory holds the text, a few figures per block and one record per
// level open. The CRC is put together from the CRCs of the pieces as they are written.
//
// A document refused is refused as the reader of LerDocumento refuses it: what is not well
// formed first (the reference parser's words), then the first value refused, with the same path
// and reason. What this reader leaves to that one (nesting too deep before a value is refused, a
// text the two parsers see differently) stops it before anything is written.
#include <algorithm>  // std::max, std::min, std::stable_sort
#include <charconv>   // std::to_chars
#include <cstring>    // std::memcpy, std::strcmp, std::strlen
#include <limits>     // std::numeric_limits
#include <stdexcept>  // std::invalid_argument, std::logic_error
#include <string>
#include <unordered_set>
#include <vector>

#include <rapidjson/memorystream.h>
#include <rapidjson/reader.h>

#include "Formato.h"
#include "Interno.h"
#include "Membros.h"                      // Membros, TabelaMembros, Vistos
#include "Recusas.h"
#include "Varredura.h"                    // DocumentoFundoDemais
#include "NXLDadosGC/json/Json.h"         // ErroJson
#include "NXLDadosGC/motor/Classes.h"     // ClassePorNome, NomeDoFilho
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

// A value as the events give it: a number as a 64-bit integer, one beyond (Grande), or one with
// a fraction or an exponent (Real).
enum class Tipo : std::uint8_t { Objeto, Vetor, Nulo, Booleano, Inteiro, Grande, Real, Cadeia };
struct Evento {
    explicit Evento(Tipo t, std::int64_t x = 0, std::string_view s = {}, std::uint64_t u = 0)
        : tipo(t), inteiro(x), grande(u), cadeia(s) {}
    Tipo tipo;
    std::int64_t inteiro;
    std::uint64_t grande;
    std::string_view cadeia;
};

const char* NomeDoTipo(Tipo t) {
    switch (t) {
        case Tipo::Objeto: return "object";
        case Tipo::Vetor: return "array";
        case Tipo::Nulo: return "null";
        case Tipo::Booleano: return "boolean";
        case Tipo::Cadeia: return "string";
        case Tipo::Inteiro:
        case Tipo::Grande:
        case Tipo::Real: break;
    }
    return "number";
}
std::string Esperado(std::string_view oQue, const Evento& e) { return recusa::Esperado(oQue, NomeDoTipo(e.tipo)); }

// The value of the document's first "classe", looked for ahead when its record comes first.
struct ClasseAdiante {
    bool achada = false;
    Tipo tipo = Tipo::Nulo;
    std::string nome;

    bool Null() { return Achar(Tipo::Nulo); }
    bool Bool(bool) { return Achar(Tipo::Booleano); }
    bool Int(int) { return Achar(Tipo::Inteiro); }
    bool Uint(unsigned) { return Achar(Tipo::Inteiro); }
    bool Int64(std::int64_t) { return Achar(Tipo::Inteiro); }
    bool Uint64(std::uint64_t) { return Achar(Tipo::Inteiro); }
    bool Double(double) { return Achar(Tipo::Real); }
    bool RawNumber(const char*, rapidjson::SizeType, bool) { return false; }
    bool String(const char* s, rapidjson::SizeType n, bool) {
        if (m_Abertos == 1 && m_Aqui) nome.assign(s, n);
        return Achar(Tipo::Cadeia);
    }
    bool StartObject() { return Achar(Tipo::Objeto) && ++m_Abertos; }
    bool StartArray() { return Achar(Tipo::Vetor) && ++m_Abertos; }
    bool EndObject(rapidjson::SizeType) { return --m_Abertos, true; }
    bool EndArray(rapidjson::SizeType) { return --m_Abertos, true; }
    bool Key(const char* s, rapidjson::SizeType n, bool) {
        m_Aqui = m_Abertos == 1 && std::string_view(s, n) == "classe";
        return true;
    }

    // Reads `texto` up to its first "classe"'s value.
    explicit ClasseAdiante(std::string_view texto) {
        rapidjson::MemoryStream fluxo(texto.data(), texto.size());
        rapidjson::Reader parser;
        parser.Parse<rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag>(fluxo, *this);
    }

private:
    // A value: false, stopping the reading, when it is the one looked for.
    bool Achar(Tipo t) {
        if (m_Abertos != 1 || !m_Aqui) return true;
        achada = true;
        tipo = t;
        return false;
    }
    std::size_t m_Abertos = 0;
    bool m_Aqui = false;
};

// What is open where the reading stands.
struct Nivel {
    // Pular: a value no record reads, inside a text's part, passed over.
    enum class Quadro : std::uint8_t { Documento, Registro, Lista, Partes, Pular };
    explicit Nivel(Quadro q) : quadro(q) {}
    Quadro quadro;
    std::size_t aqui = 0;  // the length of the path of this value ...
    bool semIndice = false;  // ... which, for a list's element, lacks "[i]" until a message may need it
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
    Leitura(std::string_view texto, const InfoClasse* exigida, int pagina, std::vector<Bloco>& blocos,
            std::size_t guardados, detail::MedidaPacote& medida, Escrita* escrita)
        : m_Texto(texto), m_Exigida(exigida), m_Pagina(pagina), m_Blocos(blocos), m_Guardados(guardados), m_Medida(medida),
          m_Escrita(escrita), m_Memoria(kProfundidadeMaxima + 1) {}

    const InfoClasse* info = nullptr;  // the document's class, once read
    bool lido = false;                 // the document is whole
    std::uint64_t contados = 0;        // blocks opened, the root's counted

    // The parser's events; false stops it.
    bool Null() { return Valor(Evento(Tipo::Nulo)); }
    bool Bool(bool) { return Valor(Evento(Tipo::Booleano)); }
    bool Int(int x) { return Valor(Evento(Tipo::Inteiro, x)); }
    bool Uint(unsigned u) { return Valor(Evento(Tipo::Inteiro, u)); }
    bool Int64(std::int64_t x) { return Valor(Evento(Tipo::Inteiro, x)); }
    bool Uint64(std::uint64_t u) {
        return u <= static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max())
                   ? Valor(Evento(Tipo::Inteiro, static_cast<std::int64_t>(u)))
                   : Valor(Evento(Tipo::Grande, 0, {}, u));
    }
    bool Double(double) { return Valor(Evento(Tipo::Real)); }
    bool RawNumber(const char*, rapidjson::SizeType, bool) { return false; }
    bool String(const char* s, rapidjson::SizeType n, bool) { return Valor(Evento(Tipo::Cadeia, 0, {s, n})); }
    bool StartObject() { return Valor(Evento(Tipo::Objeto)); }
    bool StartArray() { return Valor(Evento(Tipo::Vetor)); }
    bool EndObject(rapidjson::SizeType) { return Fechar(); }
    bool EndArray(rapidjson::SizeType) { return Fechar(); }

    bool Key(const char* s, rapidjson::SizeType n, bool) {
        const std::string_view k(s, n);
        Nivel& t = m_Pilha.back();
        if (t.quadro == Nivel::Quadro::Pular) return true;
        if (t.semIndice) Indice(t);
        m_Caminho.resize(t.aqui);
        if (!m_Caminho.empty()) m_Caminho += '.';
        m_Caminho += k;
        switch (t.quadro) {
            case Nivel::Quadro::Documento:
                return t.Dar(k, "classe", "registro") ||
                       Recusar(t.pendente ? recusa::kChaveRepetida : recusa::kChaveDoDocumento);
            case Nivel::Quadro::Registro:
                t.chave = t.membros->Achar(k, t.anterior);
                t.anterior = t.chave;
                if (t.chave == t.membros->Chaves())
                    return Recusar(recusa::CampoDesconhecido(t.info ? t.info->nome : nullptr));
                return t.vistos.Marcar(t.chave) || Recusar(recusa::kChaveRepetida);
            case Nivel::Quadro::Partes:
                if (t.datado ? t.Dar(k, "valor", "data") : t.Dar(k, "texto", "bytes")) return true;
                if (t.pendente) return Recusar(recusa::kChaveRepetida);
                return Recusar(t.datado ? recusa::kChaveDaData : recusa::kChaveDoTexto);
            default: break;
        }
        return false;
    }

    // How the reading stopped short: at a value the reader of LerDocumento refuses (Erro() is
    // its refusal), or at one this reader leaves to it; otherwise the parser stopped.
    bool Recusado() const { return m_Recusado; }
    bool Duvidoso() const { return m_Duvidoso; }
    ErroJson Erro() const { return ErroJson(m_ErroCaminho, m_Motivo); }

private:
    // ---- Values, by what is open ----

    // The refusal the reader of LerDocumento gives here; the reading stops.
    bool Recusar(const std::string& motivo) {
        m_Recusado = true;
        m_ErroCaminho = m_Caminho;
        m_Motivo = motivo;
        return false;
    }
    // What this reader leaves to the reader of LerDocumento; the reading stops.
    bool Duvidar() {
        m_Duvidoso = true;
        return false;
    }

    bool Valor(const Evento& e) {
        const bool contem = e.tipo == Tipo::Objeto || e.tipo == Tipo::Vetor;
        if (m_Pilha.empty()) {
            if (e.tipo == Tipo::Objeto) return Abrir(Nivel(Nivel::Quadro::Documento));
            m_Caminho = "(document)";
            return Recusar(Esperado("an object", e));
        }
        if (m_Pilha.size() == kProfundidadeMaxima && contem) return Duvidar();
        Nivel& t = m_Pilha.back();
        switch (t.quadro) {
            case Nivel::Quadro::Documento: return t.pendente == 1 ? Classe(e) : Raiz(e);
            case Nivel::Quadro::Registro: return NoRegistro(t, e);
            case Nivel::Quadro::Lista: return Elemento(t, e);
            case Nivel::Quadro::Partes: return NaParte(t, e);
            case Nivel::Quadro::Pular: return !contem || Abrir(Nivel(Nivel::Quadro::Pular));
        }
        return false;
    }

    bool Classe(const Evento& e) {
        if (e.tipo != Tipo::Cadeia) return Recusar(Esperado("a class name", e));
        const std::string nome(e.cadeia);
        info = ClassePorNome(nome);
        if (!info) return Recusar(recusa::ClasseDesconhecida(nome));
        if (m_Exigida && std::strcmp(m_Exigida->nome, info->nome) != 0)
            return Recusar(recusa::OutraClasse(nome, m_Exigida->nome));
        return true;
    }

    bool Raiz(const Evento& e) {
        if (!info && !ClasseAntes(e)) return false;
        if (!info) return true;  // no class: the record is not read, and "classe" is missing
        if (e.tipo != Tipo::Objeto) return Recusar(Esperado("an object", e));
        if (!m_Escrita) {
            m_Blocos.assign(1, Bloco{0, 0, static_cast<std::uint32_t>(info->tamanhoRegistro), 1, 1, 0});
        }
        contados = 1;
        Nivel r(Nivel::Quadro::Registro);
        r.elemento = true;
        return Registro(r, info, info->campos(), nullptr);
    }

    // The record comes before its class: as the reader of LerDocumento, the class is looked up
    // first, then the record read; without one, the record's value is passed over.
    bool ClasseAntes(const Evento& e) {
        const ClasseAdiante classe(m_Texto);
        if (!classe.achada) return e.tipo == Tipo::Objeto || e.tipo == Tipo::Vetor ? Abrir(Nivel(Nivel::Quadro::Pular)) : true;
        m_Caminho = "classe";
        if (!Classe(Evento(classe.tipo, 0, classe.nome))) return false;
        m_Caminho = "registro";
        return true;
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
                if (e.tipo != Tipo::Objeto) return Recusar(Esperado("an object", e));
                Nivel r(Nivel::Quadro::Registro);
                r.base = t.base + static_cast<std::uint32_t>(x.campo->deslocamento);
                r.bloco = t.bloco, r.indice = t.indice, r.nivel = t.nivel;
                return Registro(r, x.classe, x.classe ? x.classe->campos() : x.campo->sub(), p);
            }
            case TipoParada::Valor: return Campo(*x.campo, p, e);
            case TipoParada::Quantidade:
                return Recusar(recusa::QuantidadeDaLista(NomeDoFilho(*t.info, *x.infoFilho)));
            case TipoParada::Filho:
            case TipoParada::Ponteiro: break;
        }
        return Recusar(recusa::kPonteiroSemFilho);
    }

    bool Campo(const CampoInfo& c, unsigned char* p, const Evento& e) {
        const LeituraDoCampo& l = LeituraDe(c.tipo);
        std::int64_t x = 0;
        switch (l.forma) {
            case FormaValor::Inteiro:
                if (!Inteiro(e, l.minimo, l.maximo, x)) return false;
                break;
            case FormaValor::Decimal:
                if (e.tipo != Tipo::Cadeia) return Recusar(Esperado(recusa::DecimalComo(l.exemplo), e));
                if (!DeTexto(l, e.cadeia, x)) return false;
                break;
            case FormaValor::Datado:
                if (e.tipo == Tipo::Objeto) return Partes(c, p, true);
                if (!(e.tipo == Tipo::Cadeia ? Data(l, e, x, nullptr) : Bruto(l, e, x, nullptr))) return false;
                break;
            case FormaValor::Texto:
                if (e.tipo == Tipo::Objeto) return Partes(c, p, false);
                if (e.tipo != Tipo::Cadeia) return Recusar(Esperado("a string", e));
                if (const std::string porque = formato::GravarTextoUtf8(e.cadeia, p, c.largura - 1, m_Pagina); !porque.empty())
                    return Recusar(porque);
                return true;
            case FormaValor::Bytes:
                if (e.tipo != Tipo::Cadeia) return Recusar(recusa::CadeiaHex(c.largura));
                return LerHex(e.cadeia, p, c.largura);
            case FormaValor::Endereco: return Recusar(recusa::kSemValor);
        }
        l.gravar(x, p);
        return true;
    }

    // A whole number within [minimo, maximo].
    bool Inteiro(const Evento& e, std::int64_t minimo, std::int64_t maximo, std::int64_t& x) {
        switch (e.tipo) {
            case Tipo::Inteiro:
                x = e.inteiro;
                return (x >= minimo && x <= maximo) || Recusar(recusa::ForaDoIntervalo(std::to_string(x), minimo, maximo));
            case Tipo::Grande: return Recusar(recusa::ForaDoIntervalo(std::to_string(e.grande), minimo, maximo));
            default: return Recusar(Esperado("an integer", e));
        }
    }
    bool DeTexto(const LeituraDoCampo& l, std::string_view s, std::int64_t& x) {
        try {
            x = l.deTexto(s);
            return true;
        } catch (const std::invalid_argument& e) {
            return Recusar(e.what());
        }
    }
    bool LerHex(std::string_view s, unsigned char* p, std::size_t n) {
        if (s.size() != 2 * n)
            return Recusar(recusa::DigitosHex(n, s.size()));
        return formato::LerHex(s, p, n) || Recusar(recusa::NaoEHex(s));
    }
    // A date's raw part: a number, or a hex text where a number would lose bits; `escrito`, as
    // the document writes it.
    bool Bruto(const LeituraDoCampo& l, const Evento& e, std::int64_t& x, std::string* escrito) {
        if (!l.brutoEmTexto) {
            if (!Inteiro(e, l.minimo, l.maximo, x)) return false;
            if (escrito) *escrito = std::to_string(x);
            return true;
        }
        if (e.tipo != Tipo::Cadeia) return Recusar(recusa::HexComo(l.exemploBruto));
        if (!DeTexto(l, e.cadeia, x)) return false;
        if (escrito) *escrito = "\"" + std::string(e.cadeia) + "\"";
        return true;
    }
    // Its date part, a text.
    bool Data(const LeituraDoCampo& l, const Evento& e, std::int64_t& x, std::string* escrito) {
        if (e.tipo != Tipo::Cadeia) return Recusar(recusa::DataComo(l.exemplo));
        if (!l.deData(e.cadeia, x))
            return Recusar(recusa::DataInvalida(e.cadeia, l.exemplo));
        if (escrito) *escrito = "\"" + std::string(e.cadeia) + "\"";
        return true;
    }

    bool Partes(const CampoInfo& c, unsigned char* p, bool datado) {
        Nivel n(Nivel::Quadro::Partes);
        n.campo = &c, n.destino = p, n.datado = datado;
        return Abrir(std::move(n));
    }
    // A part's value, kept in m_Partes (a part holds no record, so one pair is open at a time).
    // A text's part is only looked at once both are read: whatever it is, it is passed over.
    bool NaParte(Nivel& t, const Evento& e) {
        Parte& parte = m_Partes[t.pendente - 1];
        if (!t.datado) {
            parte.tipo = e.tipo;
            parte.texto = e.cadeia;
            return (e.tipo != Tipo::Objeto && e.tipo != Tipo::Vetor) || Abrir(Nivel(Nivel::Quadro::Pular));
        }
        const LeituraDoCampo& l = LeituraDe(t.campo->tipo);
        if (t.pendente == 1) return Bruto(l, e, parte.valor, &parte.escrito);
        return Data(l, e, parte.valor, &parte.escrito);
    }
    // A date's parts agree, or a text's bytes are a text's and the text they hold; the path is
    // the field's.
    bool Juntar(const Nivel& t) {
        const CampoInfo& c = *t.campo;
        const Parte &a = m_Partes[0], &b = m_Partes[1];
        if (t.datado) {
            if (!t.dadas[0] && !t.dadas[1]) return Recusar(recusa::kDataSemPartes);
            if (t.dadas[0] && t.dadas[1] && a.valor != b.valor)
                return Recusar(recusa::Discordam(a.escrito, b.escrito));
            LeituraDe(c.tipo).gravar(t.dadas[1] ? b.valor : a.valor, t.destino);
            return true;
        }
        if (!t.dadas[1]) return Recusar(recusa::kTextoSemBytes);
        m_Caminho += ".bytes";
        if (b.tipo != Tipo::Cadeia) return Recusar(recusa::CadeiaHex(c.largura));
        if (!LerHex(b.texto, t.destino, c.largura)) return false;
        if (t.destino[c.largura - 1] != 0) return Recusar(recusa::kTextoSemZero);
        m_Caminho.resize(t.aqui);
        if (!t.dadas[0]) return true;
        std::string lido;
        formato::AnexarTextoUtf8(lido, t.destino, std::strlen(reinterpret_cast<const char*>(t.destino)), m_Pagina);
        return (a.tipo == Tipo::Cadeia && a.texto == lido) || Recusar(recusa::kTextoEBytes);
    }

    // ---- Children and blocks ----

    bool Filho(Nivel& t, const InfoFilho& f, const Evento& e) {
        Nivel n(Nivel::Quadro::Lista);
        n.filho = &f, n.dono = t.reg, n.slot = t.base + static_cast<std::uint32_t>(f.ponteiro);
        n.bloco = t.bloco, n.indice = t.indice, n.nivel = t.nivel;
        if (f.tipo != TipoFilho::Unico) {
            if (const InfoClasse* classe = f.classe ? f.classe() : nullptr) n.elementos = &m_Membros.De(classe, classe->campos());
            return e.tipo == Tipo::Vetor ? Abrir(std::move(n)) : Recusar(Esperado("an array", e));
        }
        if (e.tipo == Tipo::Nulo) return true;
        if (e.tipo != Tipo::Objeto) return Recusar(Esperado("an object or null", e));
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

    // Element i's path: the list's and "[i]".
    void Indice(Nivel& t) {
        char digitos[12];
        m_Caminho.resize(t.aqui);
        m_Caminho += '[';
        m_Caminho.append(digitos, std::to_chars(digitos, digitos + sizeof digitos, t.indice).ptr);
        m_Caminho += ']';
        t.aqui = m_Caminho.size();
        t.semIndice = false;
    }

    bool Elemento(Nivel& t, const Evento& e) {
        const InfoFilho& f = *t.filho;
        m_Caminho.resize(t.aqui);
        if (t.n == 0xFFFFFFFFu) return Recusar(recusa::kElementosDemais);
        if (t.n == 0) {
            t.bloco = AbrirBloco(t);
            t.nivel += 1;
        }
        const auto i = static_cast<std::uint32_t>(t.n++);
        // Most elements are read without a message: their place goes into the path only where
        // one may need it.
        Nivel r(f.classe ? Nivel::Quadro::Registro : Nivel::Quadro::Lista);
        r.indice = i;
        r.aqui = t.aqui;
        const auto recusar = [&](const std::string& motivo) {
            Indice(r);
            return Recusar(motivo);
        };
        if (const InfoClasse* classe = f.classe ? f.classe() : nullptr) {
            if (e.tipo != Tipo::Objeto) return recusar(Esperado("an object", e));
            r.elemento = r.semIndice = true;
            r.bloco = t.bloco, r.nivel = t.nivel;
            return Registro(r, classe, classe->campos(), nullptr, t.elementos);
        }
        std::int64_t numero = e.inteiro;
        if (e.tipo != Tipo::Inteiro || numero < 0 || numero > 0xFFFFFFFFll) {
            Indice(r);
            return Inteiro(e, 0, 0xFFFFFFFFll, numero);
        }
        if (m_Escrita) {
            const auto x = static_cast<std::uint32_t>(numero);
            m_Escrita->Gravar(t.nivel, m_Blocos[t.bloco].desloc + std::uint64_t{i} * sizeof x, &x, sizeof x);
        }
        return true;
    }

    // ---- Opening and closing ----

    bool Abrir(Nivel&& n) {
        if (!n.semIndice) n.aqui = m_Caminho.size();
        m_Pilha.push_back(std::move(n));
        return true;
    }

    bool Fechar() {
        Nivel& t = m_Pilha.back();
        m_Caminho.resize(t.aqui);
        bool bom = true;
        switch (t.quadro) {
            case Nivel::Quadro::Documento:
                for (int i = 0; i < 2 && bom; ++i)
                    if (!t.dadas[i]) {
                        m_Caminho = i == 0 ? "classe" : "registro";
                        bom = Recusar(recusa::kFaltaNoDocumento);
                    }
                lido = bom;
                break;
            case Nivel::Quadro::Partes: bom = Juntar(t); break;
            case Nivel::Quadro::Pular: break;
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

    std::string_view m_Texto;
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
        Tipo tipo = Tipo::Nulo;
        std::int64_t valor = 0;
        std::string texto, escrito;
    } m_Partes[2];
    std::string m_Caminho;  // of the value being read, as the reader of LerDocumento says it
    bool m_Recusado = false, m_Duvidoso = false;
    std::string m_ErroCaminho, m_Motivo;
};

// How a reading ended.
enum class Fim : std::uint8_t { Lido, Recusado, Duvidoso, Quebrado };

// Reads the document once. The text must be well formed UTF-8 and hold the one document, white
// space around it (Quebrado otherwise, the parser's verdict); a zero byte, which ends the
// parser's stream, must be its end.
Fim Ler(std::string_view texto, Leitura& leitura) {
    rapidjson::MemoryStream fluxo(texto.data(), texto.size());
    rapidjson::Reader parser;
    constexpr unsigned kComo = rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag;
    if (!parser.Parse<kComo>(fluxo, leitura).IsError() && fluxo.Tell() == texto.size() && leitura.lido) return Fim::Lido;
    return leitura.Recusado() ? Fim::Recusado : leitura.Duvidoso() ? Fim::Duvidoso : Fim::Quebrado;
}

// What the reference parser refuses besides what RapidJSON does: a key given twice in one
// object, nesting deeper than kProfundidadeMaxima, and a lone low surrogate escaped in a string
// (which RapidJSON 1.1.0 lets through as bytes that are no UTF-8).
class Conferencia {
public:
    bool Null() { return true; }
    bool Bool(bool) { return true; }
    bool Int(int) { return true; }
    bool Uint(unsigned) { return true; }
    bool Int64(std::int64_t) { return true; }
    bool Uint64(std::uint64_t) { return true; }
    bool Double(double) { return true; }
    bool RawNumber(const char*, rapidjson::SizeType, bool) { return true; }
    bool String(const char* s, rapidjson::SizeType n, bool) { return Utf8({s, n}); }
    bool StartObject() { return Abrir(true); }
    bool StartArray() { return Abrir(false); }
    bool EndObject(rapidjson::SizeType) { return Fechar(); }
    bool EndArray(rapidjson::SizeType) { return Fechar(); }
    bool Key(const char* s, rapidjson::SizeType n, bool) { return Utf8({s, n}) && m_Chaves[m_Abertos - 1].emplace(s, n).second; }

private:
    static bool Utf8(std::string_view s) {
        for (std::size_t i = s.find('\xED'); i != std::string_view::npos; i = s.find('\xED', i + 1))
            if (i + 1 < s.size() && static_cast<unsigned char>(s[i + 1]) >= 0xA0) return false;
        return true;
    }
    bool Abrir(bool objeto) {
        if (m_Abertos == kProfundidadeMaxima) return false;
        if (m_Chaves.size() <= m_Abertos) m_Chaves.resize(m_Abertos + 1);
        if (objeto) m_Chaves[m_Abertos].clear();
        ++m_Abertos;
        return true;
    }
    bool Fechar() {
        --m_Abertos;
        return true;
    }

    std::size_t m_Abertos = 0;
    std::vector<std::unordered_set<std::string>> m_Chaves;  // of each object open, by its depth
};

// True when the reference parser would find `texto` well formed: RapidJSON does, and nothing
// Conferencia looks for is there. Memory: the keys of the objects open, not the parser's.
bool BemFormado(std::string_view texto) {
    rapidjson::MemoryStream fluxo(texto.data(), texto.size());
    rapidjson::Reader parser;
    Conferencia conferencia;
    constexpr unsigned kComo = rapidjson::kParseValidateEncodingFlag | rapidjson::kParseIterativeFlag;
    return !parser.Parse<kComo>(fluxo, conferencia).IsError() && fluxo.Tell() == texto.size();
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
    Leitura contagem(texto, exigida, pagina, blocos, limites.blocosMaximos + 1, medida, nullptr);
    switch (Ler(texto, contagem)) {
        case Fim::Lido: break;
        case Fim::Duvidoso: return false;
        // As the reader of LerDocumento: what is not well formed comes before any value refused.
        // Where RapidJSON and the reference parser differ (the reference parser stops at a zero
        // byte, say), the reader of LerDocumento says what it makes of the text.
        case Fim::Recusado:
            if (BemFormado(texto)) throw contagem.Erro();
            [[fallthrough]];
        case Fim::Quebrado:
            VerificarSintaxe(texto);
            return false;
    }
    std::uint64_t total = 0;
    std::vector<std::byte> cabecalho = detail::CabecalhoPacote(*contagem.info, medida, limites, total);
    blocos[0].abaixo = static_cast<std::uint32_t>(blocos.size());
    blocos[0].desloc = cabecalho.size();
    if (Dispor(blocos, 0, cabecalho.size() + Alinhar8(contagem.info->tamanhoRegistro)) != total)
        throw std::logic_error("the blocks of a document did not add up to its packed tree");
    Escrita escrita(arquivo, total);
    Leitura gravacao(texto, exigida, pagina, blocos, blocos.size(), medida, &escrita);
    if (Ler(texto, gravacao) != Fim::Lido) throw std::logic_error("a document read differently the second time");
    escrita.Terminar(std::move(cabecalho));
    return true;
}

}  // namespace NXDadosGC::json
