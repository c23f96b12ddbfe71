// Packing and unpacking of record trees. Both directions walk the same thing: a record, then
// for each child slot in record order its block and, depth first, the blocks below it. The
// writer appends blocks in that order; the reader insists on finding them exactly there, which
// rules out gaps, overlaps, blocks referenced twice and trailing bytes with one comparison.
#include "NXLDadosGC/motor/Empacotamento.h"

#include <algorithm>  // std::sort, std::binary_search
#include <array>      // std::array
#include <bit>        // std::endian
#include <cstdio>     // std::snprintf
#include <cstring>    // std::memcpy, std::memcmp
#include <deque>      // std::deque
#include <string_view>

#include "NXLDadosGC/motor/Classes.h"  // ClassePorNome

static_assert(std::endian::native == std::endian::little, "the packed format is little-endian");

namespace NXDadosGC {
namespace {

// ---- Header ---------------------------------------------------------------------------------

// Byte offsets of the fixed part of the header; the class name follows at kNome.
constexpr std::size_t kMagico = 0, kVersao = 8, kCrc = 12, kComprimento = 16, kTamanhoRegistro = 24,
                      kBlocos = 28, kCabecalho = 32, kComprimentoNome = 36, kNome = 40;
constexpr std::size_t kNomeMaximo = 255;

constexpr std::uint64_t Alinhar8(std::uint64_t n) { return (n + 7) & ~std::uint64_t{7}; }

std::uint64_t TamanhoCabecalho(std::size_t nome) { return Alinhar8(kNome + nome + 1); }

// CRC-32 as zlib computes it (reflected polynomial 0xEDB88320), so that any language can check it.
std::uint32_t Crc32(const unsigned char* p, std::size_t n, std::uint32_t crc = 0) {
    static const auto tabela = [] {
        std::array<std::uint32_t, 256> t{};
        for (std::uint32_t i = 0; i < 256; ++i) {
            std::uint32_t c = i;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[i] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (std::size_t i = 0; i < n; ++i) crc = tabela[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

// The CRC of a whole buffer, its own four bytes counted as zero.
std::uint32_t CrcDoPacote(const unsigned char* p, std::size_t n) {
    static constexpr unsigned char kZeros[4] = {};
    std::uint32_t crc = Crc32(p, kCrc);
    crc = Crc32(kZeros, 4, crc);
    return Crc32(p + kCrc + 4, n - kCrc - 4, crc);
}

template <class T>
T Ler(const unsigned char* base, std::size_t desloc) {
    T v;
    std::memcpy(&v, base + desloc, sizeof v);
    return v;
}
template <class T>
void Gravar(unsigned char* base, std::size_t desloc, T v) {
    std::memcpy(base + desloc, &v, sizeof v);
}

// ---- The walk both directions share -----------------------------------------------------------

// A class's children in the order of their slots in the record (a member key by its area).
// Small per-call cache: the same few classes recur thousands of times in a large tree.
class Ordem {
public:
    const std::vector<const InfoFilho*>& De(const InfoClasse& info) {
        for (auto& [classe, filhos] : m_Cache)
            if (classe == &info) return filhos;
        std::vector<const InfoFilho*> filhos;
        for (const InfoFilho& f : info.filhos) filhos.push_back(&f);
        std::sort(filhos.begin(), filhos.end(), [](auto* a, auto* b) { return a->ponteiro < b->ponteiro; });
        return m_Cache.emplace_back(&info, std::move(filhos)).second;
    }

private:
    // A deque: the walk recurses while holding references into it.
    std::deque<std::pair<const InfoClasse*, std::vector<const InfoFilho*>>> m_Cache;
};

bool EhSlotDeFilho(const InfoClasse& info, std::size_t desloc) {
    for (const InfoFilho& f : info.filhos)
        if (f.ponteiro == desloc && f.tipo != TipoFilho::Membro) return true;
    return false;
}
bool EhAreaDeMembro(const InfoClasse& info, std::size_t desloc) {
    for (const InfoFilho& f : info.filhos)
        if (f.ponteiro == desloc && f.tipo == TipoFilho::Membro) return true;
    return false;
}

const char* NomeDoCampo(TabelaCampos campos, std::size_t desloc) {
    for (const CampoInfo& c : campos)
        if (c.deslocamento == desloc) return c.nome;
    return "?";
}

// Calls f(campo, deslocamento, ehFilho) for every field of a record of `info`, descending into
// embedded records that are not member keys (a member key's area is a record of its own class,
// visited as such). ehFilho tells a child's pointer slot from any other pointer field.
template <class F>
void ParaCadaCampo(const InfoClasse& info, TabelaCampos campos, std::size_t base, bool topo, F&& f) {
    for (const CampoInfo& c : campos) {
        const std::size_t desloc = base + c.deslocamento;
        if (c.tipo == TipoCampo::Registro && c.sub && !(topo && EhAreaDeMembro(info, desloc)))
            ParaCadaCampo(info, c.sub(), desloc, false, f);
        else
            f(c, desloc, topo && c.tipo == TipoCampo::Ponteiro && EhSlotDeFilho(info, desloc));
    }
}
template <class F>
void ParaCadaCampo(const InfoClasse& info, F&& f) {
    ParaCadaCampo(info, info.campos(), 0, true, f);
}

// ---- Writer ---------------------------------------------------------------------------------

class Escritor {
public:
    std::vector<std::byte> Empacotar(const InfoClasse& info, const void* registro) {
        const std::string_view nome = info.nome;
        if (nome.size() > kNomeMaximo) throw std::invalid_argument("class name too long to pack");
        const std::size_t cabecalho = TamanhoCabecalho(nome.size());
        m_Saida.assign(cabecalho, std::byte{0});
        std::memcpy(D() + kMagico, kMagicoPacote, sizeof kMagicoPacote);
        Gravar<std::uint32_t>(D(), kVersao, kVersaoPacote);
        Gravar<std::uint32_t>(D(), kTamanhoRegistro, static_cast<std::uint32_t>(info.tamanhoRegistro));
        Gravar<std::uint32_t>(D(), kCabecalho, static_cast<std::uint32_t>(cabecalho));
        Gravar<std::uint32_t>(D(), kComprimentoNome, static_cast<std::uint32_t>(nome.size()));
        std::memcpy(D() + kNome, nome.data(), nome.size());

        const std::size_t raiz = Anexar(registro, info.tamanhoRegistro);
        Registro(info, raiz, static_cast<const unsigned char*>(registro));

        Gravar<std::uint64_t>(D(), kComprimento, m_Saida.size());
        Gravar<std::uint32_t>(D(), kBlocos, m_Blocos);
        Gravar<std::uint32_t>(D(), kCrc, CrcDoPacote(D(), m_Saida.size()));
        return std::move(m_Saida);
    }

private:
    unsigned char* D() { return reinterpret_cast<unsigned char*>(m_Saida.data()); }

    // Appends a block at the next 8-byte boundary, zero-padded; returns its offset.
    std::size_t Anexar(const void* bloco, std::size_t bytes) {
        const std::size_t desloc = m_Saida.size();
        m_Saida.resize(Alinhar8(desloc + bytes), std::byte{0});
        std::memcpy(D() + desloc, bloco, bytes);
        ++m_Blocos;
        return desloc;
    }

    // The record at `pos` in the output was copied from `origem`: replace its child pointers by
    // offsets, appending their blocks depth first, and clear any other pointer field.
    void Registro(const InfoClasse& info, std::size_t pos, const unsigned char* origem) {
        ParaCadaCampo(info, [&](const CampoInfo& c, std::size_t desloc, bool filho) {
            if (c.tipo == TipoCampo::Ponteiro && !filho) std::memset(D() + pos + desloc, 0, c.largura);
        });
        for (const InfoFilho* f : m_Ordem.De(info)) {
            const InfoClasse* classe = f->classe ? f->classe() : nullptr;
            if (f->tipo == TipoFilho::Membro) {
                Registro(*classe, pos + f->ponteiro, origem + f->ponteiro);
                continue;
            }
            const auto* bloco = Ler<const unsigned char*>(origem, f->ponteiro);
            std::uint32_t n = 1;
            if (f->tipo == TipoFilho::Lista) n = bloco ? Ler<std::uint32_t>(origem, f->quantidade) : 0;
            if (!bloco || n == 0) {
                Gravar<std::uint64_t>(D(), pos + f->ponteiro, 0);
                if (f->tipo == TipoFilho::Lista) Gravar<std::uint32_t>(D(), pos + f->quantidade, 0);
                continue;
            }
            const std::size_t desloc = Anexar(bloco, std::size_t{n} * f->tamanhoRegistro);
            Gravar<std::uint64_t>(D(), pos + f->ponteiro, desloc);
            if (classe)
                for (std::size_t i = 0; i < n; ++i)
                    Registro(*classe, desloc + i * f->tamanhoRegistro, bloco + i * f->tamanhoRegistro);
        }
    }

    std::vector<std::byte> m_Saida;
    std::uint32_t m_Blocos = 0;
    Ordem m_Ordem;
};

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

std::string Num(std::uint64_t n) { return std::to_string(n); }

// Checks a buffer already copied into aligned memory `m` of length `n`, fixing up its pointers
// as it goes. Every read is preceded by a range check against n.
class Verificador {
public:
    Verificador(unsigned char* m, std::uint64_t n, const OpcoesDesempacotamento& opcoes)
        : m_M(m), m_N(n), m_Opcoes(opcoes) {}

    // The header; returns the class.
    const InfoClasse& Cabecalho() {
        if (m_N < kNome) Falha(0, "truncated: " + Num(m_N) + " bytes, a header needs at least " + Num(kNome));
        if (std::memcmp(m_M + kMagico, kMagicoPacote, sizeof kMagicoPacote) != 0)
            Falha(kMagico, "not a packed record tree (wrong magic number)");
        const auto versao = Ler<std::uint32_t>(m_M, kVersao);
        if (versao != kVersaoPacote)
            Falha(kVersao, "format version " + Num(versao) + " is not supported (this library reads version " +
                               Num(kVersaoPacote) + ")");
        const auto comprimento = Ler<std::uint64_t>(m_M, kComprimento);
        if (comprimento != m_N)
            Falha(kComprimento, "the header gives a length of " + Num(comprimento) + " bytes, the buffer has " + Num(m_N));
        if (m_Opcoes.conferirCrc) {
            const auto crc = Ler<std::uint32_t>(m_M, kCrc), calculado = CrcDoPacote(m_M, m_N);
            if (crc != calculado) {
                char b[96];
                std::snprintf(b, sizeof b, "CRC-32 mismatch: the header says %08x, the bytes give %08x", crc, calculado);
                Falha(kCrc, b);
            }
        }
        const auto nome = Ler<std::uint32_t>(m_M, kComprimentoNome);
        if (nome == 0 || nome > kNomeMaximo)
            Falha(kComprimentoNome, "class name length " + Num(nome) + " is outside 1.." + Num(kNomeMaximo));
        const auto cabecalho = Ler<std::uint32_t>(m_M, kCabecalho);
        if (cabecalho != TamanhoCabecalho(nome))
            Falha(kCabecalho, "header length " + Num(cabecalho) + " does not match a " + Num(nome) +
                                  "-byte class name (expected " + Num(TamanhoCabecalho(nome)) + ")");
        if (cabecalho > m_N) Falha(kCabecalho, "the header runs past the end of the " + Num(m_N) + "-byte buffer");
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
        m_Cursor = cabecalho;
        return *info;
    }

    // The root record right after the header, its tree, then the end of the buffer. Returns
    // the root's offset.
    std::uint64_t Arvore(const InfoClasse& info) {
        const std::uint64_t raiz = Bloco(m_Cursor, 1, info.tamanhoRegistro, kTamanhoRegistro, info, "");
        Registro(info, raiz, 0);
        if (m_Cursor != m_N) Falha(m_Cursor, Num(m_N - m_Cursor) + " bytes after the last block belong to no block");
        if (m_Inicios.size() != m_BlocosDeclarados)
            Falha(kBlocos, "the header announces " + Num(m_BlocosDeclarados) + " blocks, the tree has " +
                               Num(m_Inicios.size()));
        return raiz;
    }

    std::size_t Blocos() const { return m_Inicios.size(); }

private:
    [[noreturn]] static void Falha(std::uint64_t desloc, const std::string& motivo, const InfoClasse* info = nullptr,
                                   std::string campo = {}) {
        throw ErroEmpacotamento(desloc, info ? info->nome : "", std::move(campo), motivo);
    }
    [[noreturn]] static void Falha(std::uint64_t desloc, const std::string& motivo, const InfoClasse& info,
                                   std::string campo) {
        Falha(desloc, motivo, &info, std::move(campo));
    }

    void ZerosAte(std::uint64_t de, std::uint64_t ate, const char* onde, const InfoClasse* info = nullptr,
                  const std::string& campo = {}) const {
        for (std::uint64_t i = de; i < ate; ++i)
            if (m_M[i] != 0) Falha(i, std::string("non-zero padding byte ") + onde, info, campo);
    }

    // A block of n records of `tamanho` bytes at `desloc`, which must be exactly where the
    // previous block ended. `slot` is where its offset was read, `dono` and `campo` the record
    // and field that point to it (all three for error messages). Returns desloc.
    std::uint64_t Bloco(std::uint64_t desloc, std::uint64_t n, std::size_t tamanho, std::uint64_t slot,
                        const InfoClasse& dono, const std::string& campo) {
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
        // n × tamanho must fit in what is left; compared by division, so nothing overflows.
        if (n > (m_N - desloc) / tamanho)
            Falha(slot, "block of " + Num(n) + " x " + Num(tamanho) + " bytes at offset " + Num(desloc) +
                            " runs past the end of the " + Num(m_N) + "-byte buffer", dono, campo);
        const std::uint64_t fim = desloc + n * tamanho, fimAlinhado = Alinhar8(fim);
        if (fimAlinhado > m_N) Falha(fim, "the buffer ends inside the padding after a block", dono, campo);
        ZerosAte(fim, fimAlinhado, "after a block", &dono, campo);
        m_Inicios.push_back(desloc);
        m_Cursor = fimAlinhado;
        return desloc;
    }

    // The record at `pos` (inside a checked block): its fields, then its children in slot order.
    void Registro(const InfoClasse& info, std::uint64_t pos, std::size_t profundidade) {
        ParaCadaCampo(info, [&](const CampoInfo& c, std::size_t desloc, bool filho) {
            const std::uint64_t p = pos + desloc;
            if (c.tipo == TipoCampo::Texto && m_M[p + c.largura - 1] != 0)
                Falha(p + c.largura - 1, "text without its terminating zero", info, c.nome);
            if (c.tipo == TipoCampo::Ponteiro && !filho)
                for (std::uint32_t i = 0; i < c.largura; ++i)
                    if (m_M[p + i] != 0) Falha(p, "non-zero bytes in a pointer field that is not a child pointer", info, c.nome);
        });
        for (const InfoFilho* f : m_Ordem.De(info)) {
            const InfoClasse* classe = f->classe ? f->classe() : nullptr;
            if (f->tipo == TipoFilho::Membro) {
                Registro(*classe, pos + f->ponteiro, profundidade);
                continue;
            }
            const std::string campo = NomeDoCampo(info.campos(), f->ponteiro);
            const std::uint64_t slot = pos + f->ponteiro;
            const auto desloc = Ler<std::uint64_t>(m_M, slot);
            std::uint64_t n = 1;
            if (f->tipo == TipoFilho::Lista) {
                n = Ler<std::uint32_t>(m_M, pos + f->quantidade);
                if (desloc == 0 && n != 0)
                    Falha(pos + f->quantidade, "count " + Num(n) + " with a null pointer", info,
                          NomeDoCampo(info.campos(), f->quantidade));
                if (desloc != 0 && n == 0) Falha(slot, "pointer to offset " + Num(desloc) + " with a count of 0", info, campo);
            }
            if (desloc == 0) continue;
            if (profundidade + 1 > m_Opcoes.profundidadeMaxima)
                Falha(slot, "blocks nested deeper than " + Num(m_Opcoes.profundidadeMaxima) + " levels", info, campo);
            Bloco(desloc, n, f->tamanhoRegistro, slot, info, campo);
            Gravar<const unsigned char*>(m_M, slot, m_M + desloc);
            if (classe)
                for (std::uint64_t i = 0; i < n; ++i) Registro(*classe, desloc + i * f->tamanhoRegistro, profundidade + 1);
        }
    }

    unsigned char* m_M;
    std::uint64_t m_N;
    const OpcoesDesempacotamento& m_Opcoes;
    std::uint64_t m_Cursor = 0;
    std::uint32_t m_BlocosDeclarados = 0;
    std::vector<std::uint64_t> m_Inicios;  // block offsets, ascending by construction
    Ordem m_Ordem;
};

const InfoClasse& ClasseDoObjeto(const TNXBaseParaDados& objeto) {
    CRuntimeClass* rc = objeto.GetRuntimeClass();
    const InfoClasse* info = rc ? ClassePorNome(rc->m_lpszClassName) : nullptr;
    if (!info || info->classe() != rc)
        throw std::invalid_argument(std::string("not a data class of this library: ") +
                                    (rc ? rc->m_lpszClassName : "(unknown)"));
    return *info;
}

}  // namespace

// ---- Public interface -----------------------------------------------------------------------

namespace {
std::string Mensagem(std::uint64_t desloc, const std::string& classe, const std::string& campo,
                     const std::string& motivo) {
    std::string s = "packed tree, byte " + std::to_string(desloc);
    if (!classe.empty()) s += " (" + classe + (campo.empty() ? "" : "." + campo) + ")";
    return s + ": " + motivo;
}
}  // namespace

ErroEmpacotamento::ErroEmpacotamento(std::uint64_t deslocamento, std::string classe, std::string campo,
                                     const std::string& motivo)
    : std::runtime_error(Mensagem(deslocamento, classe, campo, motivo)),
      m_Deslocamento(deslocamento),
      m_Classe(std::move(classe)),
      m_Campo(std::move(campo)) {}

ErroEmpacotamento::~ErroEmpacotamento() = default;

ArvoreVerificada::~ArvoreVerificada() = default;

const void* ArvoreVerificada::Registro() const {
    return reinterpret_cast<const unsigned char*>(m_Memoria.data()) + m_Raiz;
}

std::vector<std::byte> EmpacotarRegistro(const InfoClasse& info, const void* registro) {
    return Escritor().Empacotar(info, registro);
}

std::vector<std::byte> Empacotar(const TNXBaseParaDados& objeto) {
    const InfoClasse& info = ClasseDoObjeto(objeto);
    std::vector<std::uint64_t> registro(Alinhar8(info.tamanhoRegistro) / 8);
    // The tree CopiarPara writes is ours until packed; a half-written one is released too.
    struct Liberar {
        const InfoClasse& info;
        void* registro;
        ~Liberar() { info.liberarCopiarPara(registro); }
    } liberar{info, registro.data()};
    info.copiarPara(objeto, registro.data());
    return EmpacotarRegistro(info, registro.data());
}

ArvoreVerificada Verificar(std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes) {
    if (pacote.size() > opcoes.bytesMaximos)
        throw ErroEmpacotamento(0, "", "", "the buffer has " + std::to_string(pacote.size()) +
                                               " bytes, more than the limit of " + std::to_string(opcoes.bytesMaximos));
    ArvoreVerificada arvore;
    arvore.m_Memoria.resize(Alinhar8(pacote.size()) / 8);
    auto* m = reinterpret_cast<unsigned char*>(arvore.m_Memoria.data());
    if (!pacote.empty()) std::memcpy(m, pacote.data(), pacote.size());
    Verificador v(m, pacote.size(), opcoes);
    const InfoClasse& info = v.Cabecalho();
    arvore.m_Raiz = v.Arvore(info);
    arvore.m_Classe = &info;
    arvore.m_Blocos = v.Blocos();
    return arvore;
}

std::unique_ptr<TNXBaseParaDados> Desempacotar(std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes) {
    const ArvoreVerificada arvore = Verificar(pacote, opcoes);
    std::unique_ptr<TNXBaseParaDados> objeto(arvore.Classe().criar());
    arvore.Classe().copiarDe(*objeto, arvore.Registro());
    return objeto;
}

void DesempacotarEm(TNXBaseParaDados& destino, std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes) {
    const ArvoreVerificada arvore = Verificar(pacote, opcoes);
    const InfoClasse& info = arvore.Classe();
    CRuntimeClass* rc = destino.GetRuntimeClass();
    if (rc != info.classe())
        throw ErroEmpacotamento(kNome, info.nome, "",
                                std::string("the buffer holds a ") + info.nome + ", the target is a " +
                                    (rc ? rc->m_lpszClassName : "(unknown)"));
    std::unique_ptr<TNXBaseParaDados> novo(info.criar());
    info.copiarDe(*novo, arvore.Registro());
    destino.Copiar(novo.get());
}

}  // namespace NXDadosGC
