// Packing and unpacking of record trees. Both directions lay out the same thing: a record, then
// for each child slot in record order its block and, depth first, the blocks below it. The
// writer (core/Empacotavel.h) writes the blocks in that order straight from the objects; the
// reader insists on finding them exactly there, which rules out gaps, overlaps, blocks
// referenced twice and trailing bytes with one comparison, and then builds the objects straight
// from the checked buffer.
#include "NXLDadosGC/motor/Empacotamento.h"

#include <algorithm>  // std::binary_search, std::min
#include <bit>        // std::endian
#include <cstdio>     // std::snprintf
#include <cstring>    // std::memcpy, std::memcmp, std::memset
#include <deque>      // std::deque
#include <limits>     // std::numeric_limits
#include <map>        // std::map
#include <new>        // std::bad_alloc
#include <string_view>
#include <typeinfo>   // typeid

#include "NXLDadosGC/motor/Classes.h"      // Classes, ClassePorNome, NomeDoCampoEm
#include "NXLDadosGC/motor/Crc32.h"        // Crc32
#include "NXLDadosGC/motor/Travessia.h"    // Percorrer, VisitanteRegistro
#include "NXLDadosGC/platform/Excecoes.h"  // CException, RelancarComoPadrao

static_assert(std::endian::native == std::endian::little, "the packed format is little-endian");

namespace NXDadosGC {
namespace {

using detail::Alinhar8;

// ---- Header ---------------------------------------------------------------------------------

// Byte offsets of the fixed part of the header; the class name follows at kNome.
constexpr std::size_t kMagico = 0, kVersao = 8, kCrc = 12, kComprimento = 16, kTamanhoRegistro = 24,
                      kBlocos = 28, kCabecalho = 32, kComprimentoNome = 36, kNome = 40;
constexpr std::size_t kNomeMaximo = 255;

std::uint64_t TamanhoCabecalho(std::size_t nome) { return Alinhar8(kNome + nome + 1); }

template <class T>
T Ler(const unsigned char* base, std::uint64_t desloc) {
    T v;
    std::memcpy(&v, base + desloc, sizeof v);
    return v;
}
template <class T>
void Gravar(unsigned char* base, std::uint64_t desloc, T v) {
    std::memcpy(base + desloc, &v, sizeof v);
}

std::string Num(std::uint64_t n) { return std::to_string(n); }

// ---- CRC --------------------------------------------------------------------------------------

std::uint32_t Crc(const unsigned char* p, std::size_t n, std::uint32_t crc) {
    return Crc32(std::span(reinterpret_cast<const std::byte*>(p), n), crc);
}

// The CRC of a whole buffer, its own four bytes counted as zero, taken a step at a time just
// ahead of a walk that reads the buffer in order (the checks below): `Ate(k)` takes at least the
// first k bytes, copying them first with a copy, so that the walk finds them in cache instead of
// reading the buffer once more from memory.
class CrcAdiante {
public:
    CrcAdiante(const unsigned char* p, std::size_t n, unsigned char* copia)
        : m_P(p), m_N(n), m_Copia(copia), m_Crc(CrcDaCabeca(p)) {
        if (copia) std::memcpy(copia, p, kCabecaCrc);
    }

    void Ate(std::uint64_t k) {
        if (k > m_Pronto) Avancar(std::min<std::uint64_t>(m_N, std::max<std::uint64_t>(k, m_Pronto + kPasso)));
    }
    std::uint32_t Terminar() {
        if (m_Pronto < m_N) Avancar(m_N);
        return m_Crc.Terminar(m_P + m_Feito, m_N - m_Feito);
    }

private:
    static constexpr std::size_t kCabecaCrc = 16, kPasso = 32 << 10, kMultiplo = 256;

    // The CRC of the first bytes, up to the length field, the CRC's own four counted as zero.
    static std::uint32_t CrcDaCabeca(const unsigned char* p) {
        unsigned char cabeca[kCabecaCrc];
        std::memcpy(cabeca, p, sizeof cabeca);
        std::memset(cabeca + kCrc, 0, 4);
        return Crc(cabeca, sizeof cabeca, 0);
    }

    // Steps in whole multiples of 256 bytes, which every method takes whole, so that the copy
    // is never written twice (the walk may already have changed what it read there); only the
    // last step leaves a few bytes to Terminar, copied here.
    void Avancar(std::size_t ate) {
        std::size_t n = ate - m_Feito;
        if (ate < m_N) n = std::min(m_N - m_Feito, (n + kMultiplo - 1) / kMultiplo * kMultiplo);
        const std::size_t feito = m_Copia ? m_Crc.ConsumirCopiando(m_Copia + m_Feito, m_P + m_Feito, n)
                                          : m_Crc.Consumir(m_P + m_Feito, n);
        if (m_Copia) std::memcpy(m_Copia + m_Feito + feito, m_P + m_Feito + feito, n - feito);
        m_Pronto = m_Feito + n;
        m_Feito += feito;
    }

    const unsigned char* m_P;
    std::size_t m_N;
    unsigned char* m_Copia;
    detail::CrcFluxo m_Crc;
    std::size_t m_Feito = kCabecaCrc;   // taken by the CRC
    std::size_t m_Pronto = kCabecaCrc;  // readable by the walk
};

// ---- What to check in each record ---------------------------------------------------------------

struct Plano;

// One check on a record, at an offset from the record's start.
struct Verificacao {
    enum class Tipo : std::uint8_t { Texto, Ponteiro, Filho };
    Tipo tipo;
    bool lista;                  // Filho: a (count, pointer) pair, else a holder
    std::uint32_t desloc;        // Texto: its last byte; Ponteiro: the field; Filho: its pointer slot
    std::uint32_t largura;       // Ponteiro: the field's width
    std::uint32_t quantidade;    // Filho of a list: its count
    std::uint32_t tamanho;       // Filho: one element's record size
    const Plano* elemento;       // Filho: the checks of each element; null for numbers
    const InfoClasse* dono;      // the class the field belongs to, and the field, for messages
    const char* campo;
    const char* campoQuantidade;
};

// Everything that can be wrong in one record of a class, in the order the reader checks it: its
// text terminators and pointer fields that are not child slots (embedded records' fields
// included), then each child in slot order (a member key's checks, its children's included, at
// its area's place). Records of most classes have no texts and no children: their blocks cost a
// bounds check and nothing per record.
struct Plano {
    std::vector<Verificacao> verificacoes;
    std::vector<Verificacao> filhos;  // the Filho checks alone: what a walk over the tree follows
};

// The checks of every class, built once from the class descriptions.
class Planos {
public:
    Planos() {
        for (const InfoClasse* info : Classes()) De(*info);
    }
    const Plano& Para(const InfoClasse& info) const { return *m_Mapa.at(&info); }

private:
    const Plano& De(const InfoClasse& info) {
        if (auto it = m_Mapa.find(&info); it != m_Mapa.end()) return *it->second;
        Plano& p = m_Planos.emplace_back();
        m_Mapa.emplace(&info, &p);
        std::vector<Verificacao> v;
        Registro(info, 0, v);
        for (const Verificacao& c : v)
            if (c.tipo == Verificacao::Tipo::Filho) p.filhos.push_back(c);
        p.verificacoes = std::move(v);
        return p;
    }

    // The checks of a record of `info` at `base`, as two walks over its description meet them:
    // first its own fields, then its children.
    void Registro(const InfoClasse& info, std::uint32_t base, std::vector<Verificacao>& v) {
        Passo campos(*this, info, base, v, false), filhos(*this, info, base, v, true);
        Percorrer(info, nullptr, campos);
        Percorrer(info, nullptr, filhos);
    }

    class Passo : public VisitanteRegistro {
    public:
        Passo(Planos& planos, const InfoClasse& info, std::uint32_t base, std::vector<Verificacao>& v, bool filhos)
            : m_Planos(planos), m_Info(info), m_Base(base), m_V(v), m_Filhos(filhos) {}

        bool Campo(const Parada& p) override {
            const std::uint32_t d = m_Base + p.deslocamento;
            if (p.tipo == TipoParada::Registro) {
                if (!p.filho) return !m_Filhos;  // a record of fields only: its fields are this record's
                if (m_Filhos) m_Planos.Registro(*p.classe, d, m_V);  // a member key, whole, at its place
                return false;
            }
            if (m_Filhos) {
                if (p.tipo == TipoParada::Filho) Filho(p, d);
            } else if (p.tipo == TipoParada::Ponteiro) {
                m_V.push_back({Verificacao::Tipo::Ponteiro, false, d, p.campo.largura, 0, 0, nullptr, &m_Info, p.campo.nome, ""});
            } else if (p.campo.tipo == TipoCampo::Texto) {
                m_V.push_back({Verificacao::Tipo::Texto, false, d + p.campo.largura - 1, 0, 0, 0, nullptr, &m_Info, p.campo.nome, ""});
            }
            return false;
        }

    private:
        void Filho(const Parada& p, std::uint32_t slot) {
            const InfoFilho& f = *p.filho;
            const bool lista = f.tipo == TipoFilho::Lista;
            m_V.push_back({Verificacao::Tipo::Filho, lista, slot, 0,
                           lista ? static_cast<std::uint32_t>(m_Base + p.base + f.quantidade) : 0,
                           static_cast<std::uint32_t>(f.tamanhoRegistro), p.classe ? &m_Planos.De(*p.classe) : nullptr,
                           &m_Info, p.campo.nome, lista ? NomeDoCampoEm(m_Info.campos(), f.quantidade) : ""});
        }

        Planos& m_Planos;
        const InfoClasse& m_Info;
        std::uint32_t m_Base;
        std::vector<Verificacao>& m_V;
        bool m_Filhos;  // the second walk
    };

    std::deque<Plano> m_Planos;  // a deque: plans point to one another
    std::map<const InfoClasse*, const Plano*> m_Mapa;
};

const Plano& PlanoDe(const InfoClasse& info) {
    static const Planos planos;
    return planos.Para(info);
}

// ---- Reader ---------------------------------------------------------------------------------

std::string Printavel(std::string_view s) {
    std::string r;
    char b[8];
    for (unsigned char c : s) {
        if (c >= 0x20 && c < 0x7F) {
            r += static_cast<char>(c);
        } else {
            std::snprintf(b, sizeof b, "\\x%02x", c);
            r += b;
        }
    }
    return r;
}

[[noreturn]] void Falha(std::uint64_t desloc, const std::string& motivo, const InfoClasse* info = nullptr,
                        std::string campo = {}) {
    throw ErroEmpacotamento(desloc, info ? info->nome : "", std::move(campo), motivo);
}
[[noreturn]] void Falha(std::uint64_t desloc, const std::string& motivo, const InfoClasse& info, std::string campo) {
    Falha(desloc, motivo, &info, std::move(campo));
}

// The first fields of the header, which say whether this is a packed tree of this version at all.
void ConferirVersao(const unsigned char* m) {
    if (std::memcmp(m + kMagico, kMagicoPacote, sizeof kMagicoPacote) != 0)
        Falha(kMagico, "not a packed record tree (wrong magic number)");
    const auto versao = Ler<std::uint32_t>(m, kVersao);
    if (versao != kVersaoPacote)
        Falha(kVersao, "format version " + Num(versao) + " is not supported (this library reads version " +
                           Num(kVersaoPacote) + ")");
}

// The buffer's size against the caller's limit, then the first fields of the header. Returns the
// buffer's bytes.
const unsigned char* ConferirInicio(std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes) {
    const std::size_t n = pacote.size();
    const auto* m = reinterpret_cast<const unsigned char*>(pacote.data());
    if (n > opcoes.bytesMaximos)
        Falha(0, "the buffer has " + Num(n) + " bytes, more than the limit of " + Num(opcoes.bytesMaximos));
    if (n < kNome) Falha(0, "truncated: " + Num(n) + " bytes, a header needs at least " + Num(kNome));
    ConferirVersao(m);
    const auto comprimento = Ler<std::uint64_t>(m, kComprimento);
    if (comprimento != n)
        Falha(kComprimento, "the header gives a length of " + Num(comprimento) + " bytes, the buffer has " + Num(n));
    return m;
}

void ConferirCrc(const unsigned char* m, std::uint32_t calculado) {
    const auto crc = Ler<std::uint32_t>(m, kCrc);
    if (crc != calculado) {
        char b[96];
        std::snprintf(b, sizeof b, "CRC-32 mismatch: the header says %08x, the bytes give %08x", crc, calculado);
        Falha(kCrc, b);
    }
}

// Checks the rest of a buffer of length n whose first fields passed ConferirInicio, in
// 8-byte-aligned memory m. With `corrigir` (m itself, writable), each child slot is replaced by a
// pointer to its block as soon as the block is checked. With `crc`, the bytes are made readable
// (and checksummed) just ahead of the checks. Every read is preceded by a range check against n.
class Verificador {
public:
    Verificador(const unsigned char* m, std::uint64_t n, const OpcoesDesempacotamento& opcoes, unsigned char* corrigir,
                CrcAdiante* crc)
        : m_M(m), m_N(n), m_Opcoes(opcoes), m_Corrigir(corrigir), m_Crc(crc) {}

    // The rest of the header; returns the class.
    const InfoClasse& Classe() {
        Ate(kNome);
        const auto nome = Ler<std::uint32_t>(m_M, kComprimentoNome);
        if (nome == 0 || nome > kNomeMaximo)
            Falha(kComprimentoNome, "class name length " + Num(nome) + " is outside 1.." + Num(kNomeMaximo));
        const auto cabecalho = Ler<std::uint32_t>(m_M, kCabecalho);
        if (cabecalho != TamanhoCabecalho(nome))
            Falha(kCabecalho, "header length " + Num(cabecalho) + " does not match a " + Num(nome) +
                                  "-byte class name (expected " + Num(TamanhoCabecalho(nome)) + ")");
        if (cabecalho > m_N) Falha(kCabecalho, "the header runs past the end of the " + Num(m_N) + "-byte buffer");
        Ate(cabecalho);
        ZerosAte(kNome + nome, cabecalho, "after the class name");
        const std::string_view nomeClasse(reinterpret_cast<const char*>(m_M + kNome), nome);
        const InfoClasse* info = ClassePorNome(nomeClasse);
        if (!info) Falha(kNome, "unknown class \"" + Printavel(nomeClasse) + "\"");
        const auto tamanho = Ler<std::uint32_t>(m_M, kTamanhoRegistro);
        if (tamanho != info->tamanhoRegistro)
            Falha(kTamanhoRegistro, "record size " + Num(tamanho) + " in the header, but " + info->nome +
                                        " records are " + Num(info->tamanhoRegistro) + " bytes", info);
        m_BlocosDeclarados = Ler<std::uint32_t>(m_M, kBlocos);
        if (m_BlocosDeclarados > m_Opcoes.blocosMaximos)
            Falha(kBlocos, "the header announces " + Num(m_BlocosDeclarados) + " blocks, more than the limit of " +
                               Num(m_Opcoes.blocosMaximos));
        m_Inicios.reserve(std::min<std::uint64_t>(m_BlocosDeclarados, m_N / 8));
        m_Cursor = cabecalho;
        return *info;
    }

    // The root record right after the header, its tree, then the end of the buffer. Returns
    // the root's offset.
    std::uint64_t Arvore(const InfoClasse& info) {
        const std::uint64_t raiz = Bloco(m_Cursor, 1, info.tamanhoRegistro, kTamanhoRegistro, info, "");
        Registro(PlanoDe(info), raiz, 0);
        if (m_Cursor != m_N) Falha(m_Cursor, Num(m_N - m_Cursor) + " bytes after the last block belong to no block");
        if (m_Inicios.size() != m_BlocosDeclarados)
            Falha(kBlocos, "the header announces " + Num(m_BlocosDeclarados) + " blocks, the tree has " +
                               Num(m_Inicios.size()));
        return raiz;
    }

    std::size_t Blocos() const { return m_Inicios.size(); }

private:
    void Ate(std::uint64_t k) {
        if (m_Crc) m_Crc->Ate(k);
    }
    void ZerosAte(std::uint64_t de, std::uint64_t ate, const char* onde, const InfoClasse* info = nullptr,
                  const char* campo = "") const {
        for (std::uint64_t i = de; i < ate; ++i)
            if (m_M[i] != 0) Falha(i, std::string("non-zero padding byte ") + onde, info, campo);
    }

    // A block of n records of `tamanho` bytes at `desloc`, which must be exactly where the
    // previous block ended. `slot` is where its offset was read, `dono` and `campo` the record
    // and field that point to it (all three for error messages). Returns desloc.
    std::uint64_t Bloco(std::uint64_t desloc, std::uint64_t n, std::size_t tamanho, std::uint64_t slot,
                        const InfoClasse& dono, const char* campo) {
        if (m_Inicios.size() >= m_Opcoes.blocosMaximos)
            Falha(slot, "more than " + Num(m_Opcoes.blocosMaximos) + " blocks", dono, campo);
        if (desloc % 8 != 0) Falha(slot, "block offset " + Num(desloc) + " is not a multiple of 8", dono, campo);
        if (desloc < m_Cursor) {
            if (std::binary_search(m_Inicios.begin(), m_Inicios.end(), desloc))
                Falha(slot, "the block at offset " + Num(desloc) + " is referenced a second time", dono, campo);
            Falha(slot, "block at offset " + Num(desloc) + " overlaps bytes already in use (up to " + Num(m_Cursor) + ")",
                  dono, campo);
        }
        if (desloc > m_N)
            Falha(slot, "block offset " + Num(desloc) + " lies outside the " + Num(m_N) + "-byte buffer", dono, campo);
        if (desloc > m_Cursor)
            Falha(slot, "block at offset " + Num(desloc) + " leaves bytes " + Num(m_Cursor) + ".." + Num(desloc - 1) +
                            " unused (each block must start where the one before ends)", dono, campo);
        // n × tamanho must fit in what is left. n comes from a 32-bit count and tamanho is a record
        // size, so their product cannot overflow 64 bits.
        if (n * tamanho > m_N - desloc)
            Falha(slot, "block of " + Num(n) + " x " + Num(tamanho) + " bytes at offset " + Num(desloc) +
                            " runs past the end of the " + Num(m_N) + "-byte buffer", dono, campo);
        const std::uint64_t fim = desloc + n * tamanho, fimAlinhado = Alinhar8(fim);
        if (fimAlinhado > m_N) Falha(fim, "the buffer ends inside the padding after a block", dono, campo);
        Ate(fimAlinhado);
        ZerosAte(fim, fimAlinhado, "after a block", &dono, campo);
        m_Inicios.push_back(desloc);
        m_Cursor = fimAlinhado;
        return desloc;
    }

    // The record at `pos` (inside a checked block) at block level `profundidade`.
    void Registro(const Plano& plano, std::uint64_t pos, std::size_t profundidade) {
        for (const Verificacao& v : plano.verificacoes) {
            const std::uint64_t p = pos + v.desloc;
            switch (v.tipo) {
            case Verificacao::Tipo::Texto:
                if (m_M[p] != 0) Falha(p, "text without its terminating zero", *v.dono, v.campo);
                break;
            case Verificacao::Tipo::Ponteiro:
                for (std::uint32_t i = 0; i < v.largura; ++i)
                    if (m_M[p + i] != 0)
                        Falha(p, "non-zero bytes in a pointer field that is not a child pointer", *v.dono, v.campo);
                break;
            case Verificacao::Tipo::Filho:
                Filho(v, pos, profundidade);
                break;
            }
        }
    }

    // The child at slot v of the record at `pos`: its pair, its block, then its records.
    void Filho(const Verificacao& v, std::uint64_t pos, std::size_t profundidade) {
        const std::uint64_t slot = pos + v.desloc;
        const auto desloc = Ler<std::uint64_t>(m_M, slot);
        std::uint64_t n = 1;
        if (v.lista) {
            n = Ler<std::uint32_t>(m_M, pos + v.quantidade);
            if (desloc == 0 && n != 0)
                Falha(pos + v.quantidade, "count " + Num(n) + " with a null pointer", *v.dono, v.campoQuantidade);
            if (desloc != 0 && n == 0)
                Falha(slot, "pointer to offset " + Num(desloc) + " with a count of 0", *v.dono, v.campo);
        }
        if (desloc == 0) return;
        if (profundidade + 1 > m_Opcoes.profundidadeMaxima)
            Falha(slot, "blocks nested deeper than " + Num(m_Opcoes.profundidadeMaxima) + " levels", *v.dono, v.campo);
        Bloco(desloc, n, v.tamanho, slot, *v.dono, v.campo);
        if (m_Corrigir) Gravar<const unsigned char*>(m_Corrigir, slot, m_Corrigir + desloc);
        if (v.elemento && !v.elemento->verificacoes.empty())
            for (std::uint64_t i = 0; i < n; ++i) Registro(*v.elemento, desloc + i * v.tamanho, profundidade + 1);
    }

    const unsigned char* m_M;
    std::uint64_t m_N;
    const OpcoesDesempacotamento& m_Opcoes;
    unsigned char* m_Corrigir;
    CrcAdiante* m_Crc;
    std::uint64_t m_Cursor = 0;
    std::uint32_t m_BlocosDeclarados = 0;
    std::vector<std::uint64_t> m_Inicios;  // block offsets, ascending by construction
};

// Runs the checks `verificar(crc)` over the buffer of n bytes at p, copied to `copia` when there
// is one, with its CRC taken just ahead of them unless the options say not to. A buffer whose
// CRC does not match is refused for that, whatever else the checks found in it.
template <class F>
void Checado(const unsigned char* p, std::size_t n, unsigned char* copia, const OpcoesDesempacotamento& opcoes,
             F&& verificar) {
    if (!opcoes.conferirCrc) {
        if (copia) std::memcpy(copia, p, n);
        return verificar(static_cast<CrcAdiante*>(nullptr));
    }
    CrcAdiante crc(p, n, copia);
    try {
        verificar(&crc);
    } catch (const ErroEmpacotamento&) {
        ConferirCrc(p, crc.Terminar());
        throw;
    }
    ConferirCrc(p, crc.Terminar());
}

// A checked buffer in 8-byte-aligned memory: the caller's own bytes when they are aligned,
// else a copy.
struct Conferido {
    std::unique_ptr<std::uint64_t[]> copia;
    const unsigned char* bytes = nullptr;
    const InfoClasse* info = nullptr;
    std::uint64_t raiz = 0;
};

Conferido Conferir(std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes) {
    const std::size_t n = pacote.size();
    const unsigned char* p = ConferirInicio(pacote, opcoes);
    Conferido c;
    c.bytes = p;
    unsigned char* copia = nullptr;
    if (reinterpret_cast<std::uintptr_t>(p) % 8 != 0) {
        c.copia.reset(new std::uint64_t[Alinhar8(n) / 8]);
        copia = reinterpret_cast<unsigned char*>(c.copia.get());
        c.bytes = copia;
    }
    Checado(p, n, copia, opcoes, [&](CrcAdiante* crc) {
        Verificador v(c.bytes, n, opcoes, nullptr, crc);
        c.info = &v.Classe();
        c.raiz = v.Arvore(*c.info);
    });
    return c;
}

// A new object of c's class built from it; the framework's memory exception becomes
// std::bad_alloc.
std::unique_ptr<TNXBaseParaDados> Construir(const Conferido& c) {
    try {
        std::unique_ptr<TNXBaseParaDados> objeto(c.info->criar());
        c.info->lerPacote(*objeto, c.bytes, c.raiz);
        return objeto;
    } catch (CException* e) {
        RelancarComoPadrao(e);
    }
}

// ---- Writer ---------------------------------------------------------------------------------

// The writer's side of the walk: the running CRC of the bytes up to `feito`, taken in steps of a
// few records right after they are written, and the output vector (a std::vector<std::byte> or
// a Pacote), which grows a little ahead of the walk. Its room is reserved for the whole tree, so
// it never moves and growing cannot fail. A std::vector<std::byte> zeroes what it grows by:
// growing it all at once would zero every byte far from the walk (a large one with stores that
// bypass the cache, so that the walk would then find none of its bytes there); a Pacote's
// growth writes nothing.
template <class Vetor>
struct Saida : detail::SaidaPacote {
    detail::CrcFluxo crc;
    const unsigned char* feito;
    Vetor* vetor;
    std::size_t total;
};

constexpr std::size_t kCrescimento = 16 << 10;  // zeroed at a time, in cache, before the walk writes

// Makes the first `bytes` bytes of the output writable.
template <class Vetor>
void Crescer(Saida<Vetor>& s, std::size_t bytes) {
    if (s.vetor->size() < bytes) s.vetor->resize(std::min(s.total, bytes + kCrescimento));
}

template <class Vetor>
void Avancar(detail::SaidaPacote& saida) {
    auto& s = static_cast<Saida<Vetor>&>(saida);
    s.feito += s.crc.Consumir(s.feito, static_cast<std::size_t>(s.cursor - s.feito));
    const auto feitos = static_cast<std::size_t>(s.cursor - s.inicio);
    s.marco = s.cursor + std::min(detail::kPassoSaida, s.total - feitos);
    Crescer(s, static_cast<std::size_t>(s.marco - s.inicio) + detail::kEscritaEntreMarcos);
}

const InfoClasse& ClasseDoObjeto(const TNXBaseParaDados& objeto) {
    CRuntimeClass* rc = objeto.GetRuntimeClass();
    const InfoClasse* info = rc ? ClassePorNome(rc->m_lpszClassName) : nullptr;
    if (!info || info->classe() != rc)
        throw std::invalid_argument(std::string("not a data class of this library: ") +
                                    (rc ? rc->m_lpszClassName : "(unknown)"));
    return *info;
}

[[noreturn]] void AlemDoLimite(const std::string& oQue, std::uint64_t limite, const char* campo) {
    throw std::invalid_argument("cannot pack: " + oQue + ", more than the limit of " + Num(limite) + " (" + campo + ")");
}

// The sizes the sizing walk finds, kept per thread so that packing again allocates nothing.
thread_local std::vector<std::uint64_t> t_Abaixo;

// The header of a tree of `blocos` blocks and `total` bytes, at d.
void GravarCabecalho(unsigned char* d, const InfoClasse& info, std::uint64_t total, std::uint64_t blocos) {
    const std::string_view nome = info.nome;
    const std::uint64_t cabecalho = TamanhoCabecalho(nome.size());
    std::memcpy(d + kMagico, kMagicoPacote, sizeof kMagicoPacote);
    Gravar<std::uint32_t>(d, kVersao, kVersaoPacote);
    Gravar<std::uint32_t>(d, kCrc, 0);  // counted as zero; the CRC goes here at the end
    Gravar<std::uint64_t>(d, kComprimento, total);
    Gravar<std::uint32_t>(d, kTamanhoRegistro, static_cast<std::uint32_t>(info.tamanhoRegistro));
    Gravar<std::uint32_t>(d, kBlocos, static_cast<std::uint32_t>(blocos));
    Gravar<std::uint32_t>(d, kCabecalho, static_cast<std::uint32_t>(cabecalho));
    Gravar<std::uint32_t>(d, kComprimentoNome, static_cast<std::uint32_t>(nome.size()));
    std::memcpy(d + kNome, nome.data(), nome.size());
    std::memset(d + kNome + nome.size(), 0, cabecalho - kNome - nome.size());
}

// The bytes of the packed tree of class `info` whose blocks below the root `medida` measured,
// once the tree is found within what a count, the header and `limites` allow.
std::uint64_t TotalConferido(const InfoClasse& info, const detail::MedidaPacote& medida,
                             const OpcoesDesempacotamento& limites) {
    const std::string_view nome = info.nome;
    if (nome.size() > kNomeMaximo) throw std::invalid_argument("class name too long to pack");
    const std::uint64_t total = TamanhoCabecalho(nome.size()) + Alinhar8(info.tamanhoRegistro) + medida.bytes;
    const std::uint64_t blocos = 1 + medida.blocos;
    constexpr auto kU32 = std::numeric_limits<std::uint32_t>::max();
    if (medida.maiorLista > kU32)
        throw std::invalid_argument("cannot pack: a list of " + Num(medida.maiorLista) +
                                    " elements, more than a count field holds (" + Num(kU32) + ")");
    if (blocos > limites.blocosMaximos)
        AlemDoLimite("the tree has " + Num(blocos) + " blocks", limites.blocosMaximos, "blocosMaximos");
    if (blocos > kU32) AlemDoLimite("the tree has " + Num(blocos) + " blocks", kU32, "the header's block count");
    if (medida.profundidade > limites.profundidadeMaxima)
        AlemDoLimite("blocks nested " + Num(medida.profundidade) + " levels below the root", limites.profundidadeMaxima,
                     "profundidadeMaxima");
    if (total > limites.bytesMaximos)
        AlemDoLimite("the packed tree would take " + Num(total) + " bytes", limites.bytesMaximos, "bytesMaximos");
    return total;
}

// An object's tree, walked by its class's walks (core/Empacotavel.h).
struct ArvoreDeObjetos {
    const InfoClasse& info;
    const TNXBaseParaDados& objeto;
    void Medir(detail::MedidaPacote& m) const { info.medirPacote(objeto, m); }
    void Escrever(detail::SaidaPacote& s) const { info.escreverPacote(objeto, s); }
};

// A flat record tree (as CopiarPara writes it), walked as core/Empacotavel.h walks the object
// CopiarDe would build from it, without building that object: the same sizes in the same order,
// the same bytes. A pair with a null pointer or a zero count is an empty list, as CopiarDe reads it.
class ArvorePlana {
public:
    ArvorePlana(const InfoClasse& info, const void* registro)
        : m_Plano(PlanoDe(info)), m_Raiz(static_cast<const unsigned char*>(registro)), m_Tamanho(info.tamanhoRegistro) {}

    void Medir(detail::MedidaPacote& m) const { m.bytes = Abaixo(m_Plano, m_Raiz, 1, m_Tamanho, m, 0); }
    void Escrever(detail::SaidaPacote& s) const { Bloco(&m_Plano, m_Raiz, 1, m_Tamanho, s); }

private:
    struct Filho {
        const unsigned char* bloco;
        std::uint64_t n;
    };
    static Filho De(const Verificacao& v, const unsigned char* r) {
        const auto* p = Ler<const unsigned char*>(r, v.desloc);
        const std::uint64_t n = !p ? 0 : v.lista ? std::uint64_t{Ler<std::uint32_t>(r, v.quantidade)} : 1;
        return {p, n};
    }
    static bool TemBlocos(const Verificacao& v) { return v.elemento && !v.elemento->filhos.empty(); }

    // The bytes of every block below n records of `plano` at r (block level `nivel`): first a
    // place for each of their children with blocks below, then the children themselves.
    static std::uint64_t Abaixo(const Plano& plano, const unsigned char* r, std::uint64_t n, std::size_t tamanho,
                                detail::MedidaPacote& m, std::size_t nivel) {
        if (plano.filhos.empty()) return 0;
        std::size_t k = m.abaixo->size();
        for (std::uint64_t i = 0; i < n; ++i)
            for (const Verificacao& v : plano.filhos)
                if (TemBlocos(v) && De(v, r + i * tamanho).n > 0) m.abaixo->push_back(0);
        std::uint64_t bytes = 0;
        for (std::uint64_t i = 0; i < n; ++i)
            for (const Verificacao& v : plano.filhos) {
                const Filho f = De(v, r + i * tamanho);
                if (f.n == 0) continue;
                ++m.blocos;
                m.profundidade = std::max(m.profundidade, nivel + 1);
                m.maiorLista = std::max(m.maiorLista, f.n);
                bytes += Alinhar8(f.n * v.tamanho);
                if (TemBlocos(v)) {
                    const std::size_t lugar = k++;
                    const std::uint64_t abaixo = Abaixo(*v.elemento, f.bloco, f.n, v.tamanho, m, nivel + 1);
                    (*m.abaixo)[lugar] = abaixo;
                    bytes += abaixo;
                }
            }
        return bytes;
    }

    // The block of n records of `plano` (null: numbers) at r, then everything below them.
    static void Bloco(const Plano* plano, const unsigned char* r, std::uint64_t n, std::size_t tamanho,
                      detail::SaidaPacote& s) {
        if (!plano || plano->filhos.empty()) {
            detail::CopiarEmPassos(s, r, n * tamanho);
            detail::Preencher8(s);
            return;
        }
        std::uint64_t proximo = Alinhar8(s.Posicao(s.cursor) + n * tamanho);
        for (std::uint64_t i = 0; i < n; ++i) {
            const unsigned char* origem = r + i * tamanho;
            std::memcpy(s.cursor, origem, tamanho);
            for (const Verificacao& v : plano->filhos) {
                const Filho f = De(v, origem);
                std::uint64_t desloc = 0;
                if (f.n > 0) {
                    desloc = proximo;
                    proximo += Alinhar8(f.n * v.tamanho);
                    if (TemBlocos(v)) proximo += *s.abaixo++;
                }
                if (v.lista) Gravar<std::uint32_t>(s.cursor, v.quantidade, static_cast<std::uint32_t>(f.n));
                Gravar<std::uint64_t>(s.cursor, v.desloc, desloc);
            }
            detail::Avancar(s, s.cursor + tamanho);
        }
        detail::Preencher8(s);
        for (std::uint64_t i = 0; i < n; ++i)
            for (const Verificacao& v : plano->filhos)
                if (const Filho f = De(v, r + i * tamanho); f.n > 0) Bloco(v.elemento, f.bloco, f.n, v.tamanho, s);
    }

    const Plano& m_Plano;
    const unsigned char* m_Raiz;
    std::size_t m_Tamanho;
};

// The packed tree of `arvore` (an object's or a flat record tree's walks, as ArvorePlana offers
// them) of class `info` into `saida`.
template <class Vetor, class Arvore>
void Escrever(const InfoClasse& info, const Arvore& arvore, Vetor& saida, const OpcoesDesempacotamento& limites) {
    std::vector<std::uint64_t>& abaixo = t_Abaixo;
    abaixo.clear();
    detail::MedidaPacote medida;
    medida.abaixo = &abaixo;
    arvore.Medir(medida);
    const std::uint64_t total = TotalConferido(info, medida, limites);
    const std::uint64_t cabecalho = TamanhoCabecalho(std::string_view(info.nome).size());
    const std::uint64_t blocos = 1 + medida.blocos;

    if (saida.capacity() < total) saida.reserve(total);  // the only step here that can fail
    if (saida.size() > total) saida.resize(total);
    Saida<Vetor> s;
    s.inicio = reinterpret_cast<unsigned char*>(saida.data());
    s.cursor = s.inicio + cabecalho;
    s.avancar = &Avancar<Vetor>;
    s.abaixo = abaixo.data();
    s.feito = s.inicio;
    s.vetor = &saida;
    s.total = total;
    Crescer(s, cabecalho);
    GravarCabecalho(s.inicio, info, total, blocos);
    Avancar<Vetor>(s);
    arvore.Escrever(s);
    saida.resize(total);
    Gravar<std::uint32_t>(s.inicio, kCrc, s.crc.Terminar(s.feito, static_cast<std::size_t>(s.cursor - s.feito)));
    // A rare huge tree does not keep its sizes for the life of the thread.
    if (abaixo.capacity() > (std::size_t{1} << 16)) std::vector<std::uint64_t>().swap(abaixo);
}

}  // namespace

// ---- Public interface -----------------------------------------------------------------------

std::vector<std::byte> detail::CabecalhoPacote(const InfoClasse& info, const MedidaPacote& medida,
                                               const OpcoesDesempacotamento& limites, std::uint64_t& total) {
    total = TotalConferido(info, medida, limites);
    std::vector<std::byte> cabecalho(TamanhoCabecalho(std::string_view(info.nome).size()));
    GravarCabecalho(reinterpret_cast<unsigned char*>(cabecalho.data()), info, total, 1 + medida.blocos);
    return cabecalho;
}


namespace {
std::string Mensagem(const std::string& origem, std::uint64_t desloc, const std::string& classe,
                     const std::string& campo, const std::string& motivo) {
    std::string s = (origem.empty() ? "" : origem + ": ") + "packed tree, byte " + std::to_string(desloc);
    if (!classe.empty()) s += " (" + classe + (campo.empty() ? "" : "." + campo) + ")";
    return s + ": " + motivo;
}
}  // namespace

ErroEmpacotamento::ErroEmpacotamento(std::uint64_t deslocamento, std::string classe, std::string campo,
                                     const std::string& motivo)
    : ErroEmpacotamento({}, deslocamento, std::move(classe), std::move(campo), motivo) {}

ErroEmpacotamento::ErroEmpacotamento(std::string origem, std::uint64_t deslocamento, std::string classe,
                                     std::string campo, const std::string& motivo)
    : std::runtime_error(Mensagem(origem, deslocamento, classe, campo, motivo)),
      m_Origem(std::move(origem)),
      m_Deslocamento(deslocamento),
      m_Classe(std::move(classe)),
      m_Campo(std::move(campo)),
      m_Motivo(motivo) {}

ErroEmpacotamento ErroEmpacotamento::Em(std::string origem, std::uint64_t inicio) const {
    return ErroEmpacotamento(std::move(origem), inicio + m_Deslocamento, m_Classe, m_Campo, m_Motivo);
}

std::uint64_t ComprimentoDoPacote(std::span<const std::byte, kInicioPacote> inicio, const OpcoesDesempacotamento& opcoes) {
    const auto* m = reinterpret_cast<const unsigned char*>(inicio.data());
    ConferirVersao(m);
    const auto comprimento = Ler<std::uint64_t>(m, kComprimento);
    if (comprimento < kNome)
        Falha(kComprimento, "the header gives a length of " + Num(comprimento) + " bytes, less than a header's " +
                                Num(kNome));
    if (comprimento > opcoes.bytesMaximos)
        Falha(kComprimento, "the header gives a length of " + Num(comprimento) + " bytes, more than the limit of " +
                                Num(opcoes.bytesMaximos));
    return comprimento;
}

ErroEmpacotamento::~ErroEmpacotamento() = default;

ArvoreVerificada::~ArvoreVerificada() = default;

const void* ArvoreVerificada::Registro() const {
    return reinterpret_cast<const unsigned char*>(m_Memoria.get()) + m_Raiz;
}

void Empacotar(const TNXBaseParaDados& objeto, std::vector<std::byte>& saida, const OpcoesDesempacotamento& limites) {
    const InfoClasse& info = ClasseDoObjeto(objeto);
    Escrever(info, ArvoreDeObjetos{info, objeto}, saida, limites);
}

void Empacotar(const TNXBaseParaDados& objeto, Pacote& saida, const OpcoesDesempacotamento& limites) {
    const InfoClasse& info = ClasseDoObjeto(objeto);
    Escrever(info, ArvoreDeObjetos{info, objeto}, saida, limites);
}

std::vector<std::byte> Empacotar(const TNXBaseParaDados& objeto, const OpcoesDesempacotamento& limites) {
    std::vector<std::byte> saida;
    Empacotar(objeto, saida, limites);
    return saida;
}

std::vector<std::byte> EmpacotarRegistro(const InfoClasse& info, const void* registro,
                                         const OpcoesDesempacotamento& limites) {
    std::vector<std::byte> saida;
    Escrever(info, ArvorePlana(info, registro), saida, limites);
    return saida;
}

void EmpacotarRegistro(const InfoClasse& info, const void* registro, Pacote& saida, const OpcoesDesempacotamento& limites) {
    Escrever(info, ArvorePlana(info, registro), saida, limites);
}

ArvoreVerificada Verificar(std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes) {
    const std::size_t n = pacote.size();
    const unsigned char* p = ConferirInicio(pacote, opcoes);
    ArvoreVerificada arvore;
    arvore.m_Memoria.reset(new std::uint64_t[Alinhar8(n) / 8]);
    auto* m = reinterpret_cast<unsigned char*>(arvore.m_Memoria.get());
    Checado(p, n, m, opcoes, [&](CrcAdiante* crc) {
        Verificador v(m, n, opcoes, m, crc);
        const InfoClasse& info = v.Classe();
        arvore.m_Raiz = v.Arvore(info);
        arvore.m_Classe = &info;
        arvore.m_Blocos = v.Blocos();
    });
    return arvore;
}

std::unique_ptr<TNXBaseParaDados> Desempacotar(std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes) {
    return Construir(Conferir(pacote, opcoes));
}

std::unique_ptr<TNXBaseParaDados> detail::DesempacotarClasse(std::span<const std::byte> pacote,
                                                             const OpcoesDesempacotamento& opcoes,
                                                             CRuntimeClass* esperada) {
    const Conferido c = Conferir(pacote, opcoes);
    if (!c.info->classe()->IsDerivedFrom(esperada))
        throw ErroEmpacotamento(kNome, c.info->nome, "",
                                std::string("the buffer holds a ") + c.info->nome + ", not a " +
                                    esperada->m_lpszClassName);
    return Construir(c);
}

void DesempacotarEm(TNXBaseParaDados& destino, std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes) {
    const Conferido c = Conferir(pacote, opcoes);
    CRuntimeClass* rc = destino.GetRuntimeClass();
    if (rc != c.info->classe())
        throw ErroEmpacotamento(kNome, c.info->nome, "",
                                std::string("the buffer holds a ") + c.info->nome + ", the target is a " +
                                    (rc ? rc->m_lpszClassName : "(unknown)"));
    const std::unique_ptr<TNXBaseParaDados> novo = Construir(c);
    const TNXBaseParaDados& construido = *novo;
    if (typeid(destino) == typeid(construido)) {
        // Objects move as raw memory (lists relocate them so): trading the bytes of two objects
        // of one class trades their contents, and cannot fail.
        auto* a = reinterpret_cast<unsigned char*>(&destino);
        auto* b = reinterpret_cast<unsigned char*>(novo.get());
        unsigned char troca[256];
        for (std::size_t i = 0, n = static_cast<std::size_t>(rc->m_nObjectSize); i < n; i += sizeof troca) {
            const std::size_t k = std::min(sizeof troca, n - i);
            std::memcpy(troca, a + i, k);
            std::memcpy(a + i, b + i, k);
            std::memcpy(b + i, troca, k);
        }
        return;
    }
    try {
        destino.Copiar(novo.get());
    } catch (CException* e) {
        RelancarComoPadrao(e);
    }
}

}  // namespace NXDadosGC
