// The packed form of a record tree: one contiguous, self-contained byte buffer that any program
// can store, send and read back, instead of a record whose child pointers only mean something
// inside the process that wrote them.
#ifndef NXLDADOSGC_MOTOR_EMPACOTAMENTO_H
#define NXLDADOSGC_MOTOR_EMPACOTAMENTO_H

#include <cstddef>    // std::byte, std::size_t
#include <cstdint>    // std::uint64_t
#include <memory>     // std::unique_ptr
#include <span>       // std::span
#include <stdexcept>  // std::runtime_error
#include <string>     // std::string
#include <vector>     // std::vector

#include "NXLDadosGC/core/Registro.h"  // InfoClasse, TNXBaseParaDados

// A packed tree is a header (magic number, format version, CRC-32, total length, root record
// size, block count, class name) followed by the root record and then every child block, depth
// first, each at an 8-byte boundary, with every child pointer replaced by the offset of its
// block in the buffer (0 for null). docs/FORMATO_EMPACOTADO.md gives the bytes.
//
// Packing is deterministic: equal objects give identical bytes (no addresses, no stray
// padding). Unpacking treats its input as untrusted: every check runs before any object is
// touched, and each failure is an ErroEmpacotamento naming the byte offset, class and field.
// A buffer that passes every check is exactly what packing its object gives back.
// NOTE: the format is little-endian; this implementation runs on little-endian hosts only.
namespace NXDadosGC {

// The first eight bytes of every packed tree, and the format version this library writes and
// reads.
inline constexpr char kMagicoPacote[8] = {'N', 'X', 'G', 'C', 'P', 'A', 'C', 'K'};
inline constexpr std::uint32_t kVersaoPacote = 1;

// Limits for unpacking, so that hostile input cannot make the reader work without bound.
struct OpcoesDesempacotamento {
    std::size_t profundidadeMaxima = 32;               // levels of blocks below the root record
    std::size_t blocosMaximos = std::size_t{1} << 20;  // blocks, the root record counted
    std::size_t bytesMaximos = std::size_t{1} << 30;   // length of the whole buffer
    // false skips only the CRC-32 comparison, so that a fuzzer's mutations reach the structural
    // checks. Every other check still runs.
    bool conferirCrc = true;
};

// A packed buffer that fails a check. what() reads "packed tree, byte <offset>
// (<class>.<field>): <reason>"; the parts are also available one by one. Offset, class and
// field describe where the reader was: class and field are empty when the fault is in the
// header.
class NXLDADOSGC_API ErroEmpacotamento : public std::runtime_error {
public:
    ErroEmpacotamento(std::uint64_t deslocamento, std::string classe, std::string campo, const std::string& motivo);
    ~ErroEmpacotamento() override;

    std::uint64_t Deslocamento() const { return m_Deslocamento; }
    const std::string& Classe() const { return m_Classe; }
    const std::string& Campo() const { return m_Campo; }

private:
    std::uint64_t m_Deslocamento;
    std::string m_Classe;
    std::string m_Campo;
};

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
    std::vector<std::uint64_t> m_Memoria;  // the buffer, 8-byte aligned, pointers fixed up
    std::size_t m_Raiz = 0;                // byte offset of the root record
    std::size_t m_Blocos = 0;
};

// The packed form of an object of any class in Classes(). Throws std::invalid_argument for an
// object of another class; CopiarPara's memory exception passes through (nothing leaks).
NXLDADOSGC_API std::vector<std::byte> Empacotar(const TNXBaseParaDados& objeto);

// The packed form of a flat record tree of class `info`, as CopiarPara or CopiarParaPS write
// it. A pair with a null pointer or a zero count packs as an empty list, as CopiarDe reads it.
// NOTE: every pointer must lead to a block of the described size; nothing here can check that.
NXLDADOSGC_API std::vector<std::byte> EmpacotarRegistro(const InfoClasse& info, const void* registro);

// The single choke point for untrusted bytes: checks the whole buffer and rebuilds its flat
// record tree. Throws ErroEmpacotamento on the first fault found.
NXLDADOSGC_API ArvoreVerificada Verificar(std::span<const std::byte> pacote, const OpcoesDesempacotamento& opcoes = {});

// A new object of the class the buffer names, filled from it.
NXLDADOSGC_API std::unique_ptr<TNXBaseParaDados> Desempacotar(std::span<const std::byte> pacote,
                                                             const OpcoesDesempacotamento& opcoes = {});

// Fills destino from the buffer, which must hold destino's own class. On any error destino is
// left exactly as it was: the tree is built in a fresh object and copied in only on success.
// NOTE: that final Copiar allocates; if memory runs out there, the framework's memory exception
// passes through and destino may hold part of the copy.
NXLDADOSGC_API void DesempacotarEm(TNXBaseParaDados& destino, std::span<const std::byte> pacote,
                                   const OpcoesDesempacotamento& opcoes = {});

}  // namespace NXDadosGC

#endif
