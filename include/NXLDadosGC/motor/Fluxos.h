// Packed trees in files and streams: written whole or not at all, read one tree at a time with
// memory bounded by the largest tree, never by the file or stream.
#ifndef NXLDADOSGC_MOTOR_FLUXOS_H
#define NXLDADOSGC_MOTOR_FLUXOS_H

#include <cstddef>     // std::byte, std::size_t
#include <cstdint>     // std::uint64_t
#include <filesystem>  // std::filesystem::path
#include <iosfwd>      // std::istream, std::ostream
#include <memory>      // std::unique_ptr
#include <span>        // std::span
#include <string>      // std::string
#include <vector>      // std::vector

#include "NXLDadosGC/motor/Empacotamento.h"  // Empacotar, Verificar, OpcoesDesempacotamento

// A stream of packed trees is their concatenation: each header gives its tree's length (byte 16),
// so a reader knows where one ends and the next begins, and a stream may end only where a tree
// ends. Readers take the 24 bytes that give the length first and check it against the limits
// before they read or allocate anything more, so a hostile length, a huge or endless file
// (/dev/zero) or a stream cut short is refused at once, naming its byte.
//
// Errors: ErroEmpacotamento for bytes that are no packed tree, its message and Deslocamento()
// counting from the start of the file or stream and naming it ("centro.nxgc: packed tree, byte
// 16: ..."); std::system_error for a file or descriptor that cannot be opened, read or written
// (the message names the file); what Empacotar and Desempacotar raise.
namespace NXDadosGC {

// ---- Files ----------------------------------------------------------------------------------

// A file written whole or not at all: what is written goes into a new file beside `arquivo`,
// which Concluir flushes to disk and renames over it. A failure, an exception or a kill before
// that leaves the old file (or none) and a reader sees the old file or the new one, never part of
// one. A new file gets the usual permissions (0666 less the process's umask); a file replaced
// keeps its permissions. Something that exists and is no regular file (a device such as
// /dev/stdout, a pipe) is written in place. Throws std::system_error naming `arquivo` when it
// cannot be written.
class NXLDADOSGC_API ArquivoAtomico {
public:
    explicit ArquivoAtomico(const std::filesystem::path& arquivo);
    // Removes the new file unless Concluir succeeded.
    ~ArquivoAtomico();
    ArquivoAtomico(const ArquivoAtomico&) = delete;
    ArquivoAtomico& operator=(const ArquivoAtomico&) = delete;

    // Where to write.
    std::ostream& Fluxo();
    // Writes `bytes` at byte `desloc` of the new file, for a writer that knows where each part
    // goes before it has them all; bytes never written read as zeros, up to the last one written.
    // False, writing nothing, for a target written in place (a device, a pipe), which has no
    // place to go back to; nothing else may then be written through Fluxo().
    bool GravarEm(std::uint64_t desloc, std::span<const std::byte> bytes);
    // Puts the file in place.
    void Concluir();

private:
    struct Estado;
    std::unique_ptr<Estado> m_Estado;
};

// Writes `bytes` to `arquivo` through an ArquivoAtomico.
NXLDADOSGC_API void GravarArquivo(const std::filesystem::path& arquivo, std::span<const std::byte> bytes);

// Packs `objeto` into `arquivo` (GravarArquivo of Empacotar's bytes).
NXLDADOSGC_API void EmpacotarArquivo(const TNXBaseParaDados& objeto, const std::filesystem::path& arquivo,
                                     const OpcoesDesempacotamento& limites = {});

// A new object of the class the file's one packed tree names. A file holding anything after the
// tree is refused too.
NXLDADOSGC_API std::unique_ptr<TNXBaseParaDados> DesempacotarArquivo(const std::filesystem::path& arquivo,
                                                                    const OpcoesDesempacotamento& opcoes = {});

// The same for a file that must hold a T (or a class derived from it).
template <class T>
std::unique_ptr<T> DesempacotarArquivo(const std::filesystem::path& arquivo, const OpcoesDesempacotamento& opcoes = {});

// ---- Streams --------------------------------------------------------------------------------

// Writes the packed form of `objeto` to `saida`, after whatever trees it holds already. A failing
// stream is not an exception here, as with any ostream: check it afterwards.
NXLDADOSGC_API void EscreverPacote(std::ostream& saida, const TNXBaseParaDados& objeto,
                                   const OpcoesDesempacotamento& limites = {});
// The same to a file descriptor (a pipe, a socket); std::system_error when it cannot be written.
NXLDADOSGC_API void EscreverPacote(int descritor, const TNXBaseParaDados& objeto,
                                   const OpcoesDesempacotamento& limites = {});

// Reads the packed trees of a stream one after another, holding one at a time:
//   NXDadosGC::LeitorPacotes leitor(std::cin, "standard input");
//   while (leitor.Proximo()) Processar(*leitor.Desempacotar());
// Not copyable; the stream or descriptor must outlive it and is not closed by it.
class NXLDADOSGC_API LeitorPacotes {
public:
    // `origem` names the stream in messages ("standard input", a file name, "socket").
    explicit LeitorPacotes(std::istream& entrada, std::string origem = "stream", const OpcoesDesempacotamento& opcoes = {});
    explicit LeitorPacotes(int descritor, std::string origem = "stream", const OpcoesDesempacotamento& opcoes = {});
    // Opens the file itself (std::system_error naming it when it cannot) and closes it at the end.
    explicit LeitorPacotes(const std::filesystem::path& arquivo, const OpcoesDesempacotamento& opcoes = {});
    ~LeitorPacotes();
    LeitorPacotes(const LeitorPacotes&) = delete;
    LeitorPacotes& operator=(const LeitorPacotes&) = delete;

    // Reads the next tree's bytes: false when the stream ends where the previous tree ended (or
    // holds nothing). Its header's first fields and length are checked here, the rest by
    // Verificar or Desempacotar. Throws ErroEmpacotamento for a stream that ends inside a tree or
    // whose header is no packed tree's, or promises more than the limits allow.
    bool Proximo();

    // The tree read last (after an exception, what was read of the tree refused), its byte offset
    // in the stream, and how many trees were read so far.
    std::span<const std::byte> Pacote() const { return {m_Pacote.data(), m_Tamanho}; }
    std::uint64_t Inicio() const { return m_Inicio; }
    std::size_t Lidos() const { return m_Lidos; }

    // Verificar and Desempacotar of the tree read last, their errors naming the stream's bytes.
    ArvoreVerificada Verificar() const;
    std::unique_ptr<TNXBaseParaDados> Desempacotar() const { return DesempacotarClasse(nullptr); }
    // The same for a tree that must hold a T (or a class derived from it).
    template <class T>
    std::unique_ptr<T> Desempacotar() const {
        return std::unique_ptr<T>(static_cast<T*>(DesempacotarClasse(T::GetThisClass()).release()));
    }

private:
    class Fonte;
    std::unique_ptr<TNXBaseParaDados> DesempacotarClasse(CRuntimeClass* esperada) const;
    // Reads up to n bytes into p; fewer only at the end of the stream.
    std::size_t Ler(std::byte* p, std::size_t n);
    [[noreturn]] void Relancar(const ErroEmpacotamento& e) const;

    std::unique_ptr<Fonte> m_Fonte;
    std::string m_Origem;
    OpcoesDesempacotamento m_Opcoes;
    std::vector<std::byte> m_Pacote;  // capacity kept from tree to tree
    std::size_t m_Tamanho = 0;
    std::uint64_t m_Inicio = 0, m_Posicao = 0;
    std::size_t m_Lidos = 0;
};

namespace detail {
NXLDADOSGC_API std::unique_ptr<TNXBaseParaDados> DesempacotarArquivoClasse(const std::filesystem::path& arquivo,
                                                                          const OpcoesDesempacotamento& opcoes,
                                                                          CRuntimeClass* esperada);
}  // namespace detail

template <class T>
std::unique_ptr<T> DesempacotarArquivo(const std::filesystem::path& arquivo, const OpcoesDesempacotamento& opcoes) {
    auto objeto = detail::DesempacotarArquivoClasse(arquivo, opcoes, T::GetThisClass());
    return std::unique_ptr<T>(static_cast<T*>(objeto.release()));
}

}  // namespace NXDadosGC

#endif
