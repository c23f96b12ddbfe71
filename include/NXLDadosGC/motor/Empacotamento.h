// The packed form of a record tree: one contiguous, self-contained byte buffer that any program
// can store, send and read back, instead of a record whose child pointers only mean something
// inside the process that wrote them.
#ifndef NXLDADOSGC_MOTOR_EMPACOTAMENTO_H
#define NXLDADOSGC_MOTOR_EMPACOTAMENTO_H

#include <cstddef>    // std::byte, std::size_t
#include <cstdint>    // std::uint64_t
#include <memory>     // std::unique_ptr, std::allocator
#include <new>        // placement new
#include <span>       // std::span
#include <stdexcept>  // std::runtime_error
#include <string>     // std::string
#include <utility>    // std::forward
#include <vector>     // std::vector

#include "NXLDadosGC/core/Registro.h"  // InfoClasse, TNXBaseParaDados

// A packed tree is a header (magic number, format version, CRC-32, total length, root record
// size, block count, class name) followed by the root record and then every child block, depth
// first, each at an 8-byte boundary, with every child pointer replaced by the offset of its
// block in the buffer (0 for null). docs/FORMATO_EMPACOTADO.md gives the bytes.
//
// Packing is deterministic: equal objects give identical bytes (no addresses, no stray
// padding). It writes straight from the objects into the buffer, computing the CRC-32 as it
// goes. Unpacking treats its input as untrusted: every check runs before any object is touched,
// and each failure is an ErroEmpacotamento naming the byte offset, class and field. A buffer
// that passes every check is exactly what packing its object gives back.
//
// Limits: the reader refuses a tree deeper, with more blocks or longer than its
// OpcoesDesempacotamento allow, and the writer refuses to write such a tree, so that whatever it
// writes a reader with the same limits (the defaults, unless both sides agree otherwise) reads
// back. The defaults: 32 levels of blocks below the root, 2^20 blocks, 1 GiB.
//
// Errors: only standard exceptions leave these functions: ErroEmpacotamento for a buffer that
// fails a check, std::invalid_argument for an object or tree that cannot be packed, and
// std::bad_alloc when memory runs out (the framework's CMemoryException, raised while objects
// are built, is released and replaced by it). Nothing leaks on any of them.
// NOTE: the format is little-endian; this implementation runs on little-endian hosts only.
namespace NXDadosGC {

// The first eight bytes of every packed tree, and the format version this library writes and
// reads.
inline constexpr char kMagicoPacote[8] = {'N', 'X', 'G', 'C', 'P', 'A', 'C', 'K'};
inline constexpr std::uint32_t kVersaoPacote = 1;

// Limits of a packed tree, so that hostile input cannot make the reader work without bound. The
// writer takes the same struct and refuses what a reader with these limits would refuse.
struct OpcoesDesempacotamento {
    std::size_t profundidadeMaxima = 32;               // levels of blocks below the root record
    std::size_t blocosMaximos = std::size_t{1} << 20;  // blocks, the root record counted
    std::size_t bytesMaximos = std::size_t{1} << 30;   // length of the whole buffer
    // Reading only: false skips the CRC-32 comparison, so that a fuzzer's mutations reach the
    // structural checks. Every other check still runs.
    bool conferirCrc = true;
};

// A packed buffer that fails a check. what() reads "packed tree, byte <offset>
// (<class>.<field>): <reason>", preceded by "<origin>: " for a tree read from a file or stream
// (the file's name, "standard input"), whose offsets then count from the start of the file or
// stream; the parts are also available one by one. Offset, class and field describe where the
// reader was: class and field are empty when the fault is in the header.
class NXLDADOSGC_API ErroEmpacotamento : public std::runtime_error {
public:
    ErroEmpacotamento(std::uint64_t deslocamento, std::string classe, std::string campo, const std::string& motivo);
    ErroEmpacotamento(std::string origem, std::uint64_t deslocamento, std::string classe, std::string campo,
                      const std::string& motivo);
    ~ErroEmpacotamento() override;

    // The same fault, for a tree that starts at byte `inicio` of `origem`.
    ErroEmpacotamento Em(std::string origem, std::uint64_t inicio) const;

    const std::string& Origem() const { return m_Origem; }
    std::uint64_t Deslocamento() const { return m_Deslocamento; }
    const std::string& Classe() const { return m_Classe; }
    const std::string& Campo() const { return m_Campo; }
    const std::string& Motivo() const { return m_Motivo; }

private:
    std::string m_Origem;
    std::uint64_t m_Deslocamento;
    std::string m_Classe;
    std::string m_Campo;
    std::string m_Motivo;
};

// The first bytes of a packed tree that say how long it is (magic number, version, CRC-32 and
// length): what a reader of a file or stream reads before anything else.
inline constexpr std::size_t kInicioPacote = 24;

// The length of the packed tree that starts with `inicio`, checked against the limit before any
// more is read or allocated. Throws ErroEmpacotamento for a wrong magic number or version, or a
// length below a header's or beyond opcoes.bytesMaximos.
NXLDADOSGC_API std::uint64_t ComprimentoDoPacote(std::span<const std::byte, kInicioPacote> inicio,
                                                 const OpcoesDesempacotamento& opcoes = {});

// A packed buffer that passed every check, turned back into a flat record tree: the root record
// and its blocks live in memory this object owns, with real child pointers, ready for
// InfoClasse::copiarDe or for walking the field tables. Movable, not copyable (the pointers
// point into its own memory).
class NXLDADOSGC_API ArvoreVerificada {
public:
    ArvoreVerificada(ArvoreVerificada&&) noexcept = default;
    ArvoreVerificada& operator=(ArvoreVerificada&&) noexcept = default;
    ArvoreVerificada(const ArvoreVerificada&) = delete;
    ArvoreVerificada& operator=(const ArvoreVerificada&) = delete;
    ~ArvoreVerificada();

    const InfoClasse& Classe() const { return *m_Classe; }
    // The root record. Its tree must not be released: its blocks belong to this object.
    const void* Registro() const;
    // Blocks in the tree, the root record counted.
    std::size_t Blocos() const { return m_Blocos; }

private:
    friend ArvoreVerificada Verificar(std::span<const std::byte>, const OpcoesDesempacotamento&);
    ArvoreVerificada() = default;

    const InfoClasse* m_Classe = nullptr;
    std::unique_ptr<std::uint64_t[]> m_Memoria;  // the buffer, 8-byte aligned, pointers fixed up
    std::size_t m_Raiz = 0;                // byte offset of the root record
    std::size_t m_Blocos = 0;
};

// The packed form of an object of any class in Classes().
// Throws std::invalid_argument for an object of another class, or a tree beyond `limites`
// (the message names the limit); std::bad_alloc.
NXLDADOSGC_API std::vector<std::byte> Empacotar(const TNXBaseParaDados& objeto,
                                                const OpcoesDesempacotamento& limites = {});

// The same into `saida`, which ends up holding exactly the packed bytes. A sender that packs
// into the same vector again and again allocates nothing once the vector is large enough.
// Throws as above; on any exception `saida` is left as it was.
// NOTE: a std::vector<std::byte> zeroes every byte it grows by before packing writes it (about a
// sixth of the time of packing a large tree into a new one); a Pacote does not.
NXLDADOSGC_API void Empacotar(const TNXBaseParaDados& objeto, std::vector<std::byte>& saida,
                              const OpcoesDesempacotamento& limites = {});

namespace detail {
// std::allocator, except that a vector growing leaves its new elements default-initialised
// (for bytes: unwritten) instead of value-initialised (zeroed).
template <class T>
struct AlocadorSemZeros : std::allocator<T> {
    AlocadorSemZeros() = default;
    template <class U>
    AlocadorSemZeros(const AlocadorSemZeros<U>&) noexcept {}
    template <class U>
    void construct(U* p) {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... A>
    void construct(U* p, A&&... a) {
        ::new (static_cast<void*>(p)) U(std::forward<A>(a)...);
    }
};

// For a writer that lays a tree out itself, block by block (the JSON reader writing a tree too
// large to hold straight into a file): the header of the packed tree of class `info` whose
// blocks below the root `medida` describes (every field but `abaixo`), its CRC field zero, and
// in `total` the bytes of the whole tree. Throws as Empacotar for a tree beyond `limites`.
NXLDADOSGC_API std::vector<std::byte> CabecalhoPacote(const InfoClasse& info, const MedidaPacote& medida,
                                                      const OpcoesDesempacotamento& limites, std::uint64_t& total);
}  // namespace detail

// A byte vector for packed trees whose growth writes nothing: packing into a new one writes
// each byte once. It reads and passes (as std::span) like std::vector<std::byte>.
using Pacote = std::vector<std::byte, detail::AlocadorSemZeros<std::byte>>;

// The same into a Pacote: into a new one, every byte is written once, by packing.
NXLDADOSGC_API void Empacotar(const TNXBaseParaDados& objeto, Pacote& saida, const OpcoesDesempacotamento& limites = {});

// The packed form of a flat record tree of class `info`, as CopiarPara or CopiarParaPS write
// it: what packing the object CopiarDe builds from it gives. A pair with a null pointer or a
// zero count packs as an empty list, as CopiarDe reads it.
// Throws as Empacotar.
// NOTE: every pointer must lead to a block of the described size; nothing here can check that.
NXLDADOSGC_API std::vector<std::byte> EmpacotarRegistro(const InfoClasse& info, const void* registro,
                                                        const OpcoesDesempacotamento& limites = {});
// The same into a Pacote, which ends up holding exactly the packed bytes; on any exception it
// is left as it was.
NXLDADOSGC_API void EmpacotarRegistro(const InfoClasse& info, const void* registro, Pacote& saida,
                                      const OpcoesDesempacotamento& limites = {});

// The single choke point for untrusted bytes: checks the whole buffer and rebuilds its flat
// record tree. Throws ErroEmpacotamento on the first fault found; std::bad_alloc.
NXLDADOSGC_API ArvoreVerificada Verificar(std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes = {});

// A new object of the class the buffer names, built straight from the checked buffer.
// Throws ErroEmpacotamento; std::bad_alloc.
NXLDADOSGC_API std::unique_ptr<TNXBaseParaDados> Desempacotar(std::span<const std::byte> pacote,
                                                             const OpcoesDesempacotamento& opcoes = {});

// The same, for a buffer that must hold a T (or a class derived from it): an ErroEmpacotamento
// names both classes otherwise, before anything is built.
// Throws ErroEmpacotamento; std::bad_alloc.
template <class T>
std::unique_ptr<T> Desempacotar(std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes = {});

// Fills destino from the buffer, which must hold destino's own class (ErroEmpacotamento
// otherwise). The tree is built in a new object, which then trades contents with destino; so on
// any exception destino is left exactly as it was, and on success its previous children are gone
// (references into its lists do not survive).
// Throws ErroEmpacotamento; std::bad_alloc.
NXLDADOSGC_API void DesempacotarEm(TNXBaseParaDados& destino, std::span<const std::byte> pacote,
                                   const OpcoesDesempacotamento& opcoes = {});

namespace detail {
// Desempacotar for a buffer that must hold `esperada` or a class derived from it.
NXLDADOSGC_API std::unique_ptr<TNXBaseParaDados> DesempacotarClasse(std::span<const std::byte> pacote,
                                                                    const OpcoesDesempacotamento& opcoes,
                                                                    CRuntimeClass* esperada);
}  // namespace detail

template <class T>
std::unique_ptr<T> Desempacotar(std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes) {
    std::unique_ptr<TNXBaseParaDados> objeto = detail::DesempacotarClasse(pacote, opcoes, T::GetThisClass());
    return std::unique_ptr<T>(static_cast<T*>(objeto.release()));
}

}  // namespace NXDadosGC

#endif
