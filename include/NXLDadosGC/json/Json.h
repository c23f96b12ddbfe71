// The JSON form of the data objects and of their packed trees (libNXLDadosGCJson).
#ifndef NXLDADOSGC_JSON_JSON_H
#define NXLDADOSGC_JSON_JSON_H

#include <cstddef>      // std::byte
#include <functional>   // std::function
#include <iosfwd>       // std::ostream
#include <memory>       // std::unique_ptr
#include <span>         // std::span
#include <stdexcept>    // std::runtime_error, std::invalid_argument
#include <string>       // std::string
#include <string_view>  // std::string_view
#include <type_traits>  // std::is_base_of_v
#include <vector>       // std::vector

#include "NXLDadosGC/core/Registro.h"         // InfoClasse, TNXBaseParaDados
#include "NXLDadosGC/motor/Classes.h"         // ClassePorNome
#include "NXLDadosGC/motor/Empacotamento.h"   // ArvoreVerificada
#include "NXLDadosGC/motor/Fluxos.h"          // ArquivoAtomico

// A document is {"classe": <class name>, "registro": {...}}: every field of the record by name,
// in record order, children nested under their list or holder name. docs/JSON.md gives the form
// of each field kind. Writing is deterministic (two-space indentation, a final newline) and
// reading gives back exactly what was written: ParaJson then DeJson rebuilds an equal object.
// Reading also accepts what a person is likely to write: fields left out are zero, lists left
// out empty, holders left out null, dates as their number or their text alone.
//
// Errors: every function here raises standard exceptions only. A document that does not
// describe a record of its class is an ErroJson naming the path of the offending value; memory
// running out is std::bad_alloc, also when the framework's CMemoryException is what ran out
// (that exception is released first). On any exception no object or buffer is returned and
// nothing leaks.
//
// The library links no JSON parser into its callers: nothing of the one it uses is visible here.
#define NXLDADOSGC_JSON_API __attribute__((visibility("default")))

namespace NXDadosGC {

// A document refused: what() reads "<path>: <reason>", e.g. "registro.Conta[1].ValorRateio:
// \"1.23456\" is not a currency value: more than four decimal places". The path starts at the
// document ("classe", "registro.Codigo"); "(document)" stands for the document itself, which is
// also where syntax errors are reported, with their line and column.
class NXLDADOSGC_JSON_API ErroJson : public std::runtime_error {
public:
    ErroJson(std::string caminho, const std::string& motivo);
    ~ErroJson() override;

    const std::string& Caminho() const { return m_Caminho; }

private:
    std::string m_Caminho;
};

// How texts are read and written: the records hold them as bytes of a code page
// (platform/Utf8.h), the documents as UTF-8. A text whose bytes its characters alone would not
// give back (bytes after its end, bytes that are no character of the page, one of two sequences
// of one character) is written in an object form that carries the bytes too (docs/JSON.md).
struct OpcoesJson {
    int pagina = 0;  // 1252, 932, 936, 949 or 950; 0 is the process's (_getmbcp(), 1252 unless set)
};

// ---- Writing --------------------------------------------------------------------------------

// The document of an object of any class in Classes(). Throws std::invalid_argument for an
// object of another class, or one whose record holds a text field without its terminating zero
// (only CopiarDe of a malformed record puts one there); std::bad_alloc.
NXLDADOSGC_JSON_API std::string ParaJson(const TNXBaseParaDados& objeto);
NXLDADOSGC_JSON_API std::string ParaJson(const TNXBaseParaDados& objeto, const OpcoesJson& opcoes);

// The same, written to `saida` as it is produced. Writing stops at the first failure of the
// stream, which is not an exception here: check the stream afterwards. After an exception the
// stream may hold the start of the document.
NXLDADOSGC_JSON_API void ParaJson(const TNXBaseParaDados& objeto, std::ostream& saida);
NXLDADOSGC_JSON_API void ParaJson(const TNXBaseParaDados& objeto, std::ostream& saida, const OpcoesJson& opcoes);

// The document of a verified packed tree, written to `saida` as it is produced: memory stays
// that of the tree, whatever the size of the text. What `nxgc dump` prints. Throws
// std::bad_alloc; a failing stream as above.
NXLDADOSGC_JSON_API void ParaJson(const ArvoreVerificada& arvore, std::ostream& saida);
NXLDADOSGC_JSON_API void ParaJson(const ArvoreVerificada& arvore, std::ostream& saida, const OpcoesJson& opcoes);

// A document for `classe` with every field zero and one element in every list and holder, down
// to every level: a skeleton to fill in, which the readers below accept as it stands.
NXLDADOSGC_JSON_API std::string ModeloJson(const InfoClasse& classe);

// ---- Reading --------------------------------------------------------------------------------

// A new object of the class the document names. Throws ErroJson, std::bad_alloc.
NXLDADOSGC_JSON_API std::unique_ptr<TNXBaseParaDados> DeJson(std::string_view documento);
NXLDADOSGC_JSON_API std::unique_ptr<TNXBaseParaDados> DeJson(std::string_view documento, const OpcoesJson& opcoes);

// The same when the document must hold `classe`: ErroJson at "classe" when it names another.
NXLDADOSGC_JSON_API std::unique_ptr<TNXBaseParaDados> DeJson(std::string_view documento, const InfoClasse& classe);
NXLDADOSGC_JSON_API std::unique_ptr<TNXBaseParaDados> DeJson(std::string_view documento, const InfoClasse& classe,
                                                            const OpcoesJson& opcoes);

// The same for a class known at compile time: DeJson<CNXDadosGC_CentroCustos>(texto).
template <class T>
std::unique_ptr<T> DeJson(std::string_view documento, const OpcoesJson& opcoes = {}) {
    static_assert(std::is_base_of_v<TNXBaseParaDados, T>, "DeJson<T> reads data classes");
    const InfoClasse* info = ClassePorNome(T::GetThisClass()->m_lpszClassName);
    if (!info) throw std::invalid_argument(std::string("not a data class of this library: ") +
                                           T::GetThisClass()->m_lpszClassName);
    return std::unique_ptr<T>(static_cast<T*>(DeJson(documento, *info, opcoes).release()));
}

// The packed tree the document describes, without building an object: what `nxgc pack` writes.
// With `classe`, the document must hold that class. Throws ErroJson, std::bad_alloc, and what
// EmpacotarRegistro raises for a tree it refuses to pack.
NXLDADOSGC_JSON_API std::vector<std::byte> PacoteDeJson(std::string_view documento, const InfoClasse* classe = nullptr);
NXLDADOSGC_JSON_API std::vector<std::byte> PacoteDeJson(std::string_view documento, const InfoClasse* classe,
                                                        const OpcoesJson& opcoes);

// The packed trees of the documents one after another in `documentos` (white space between
// them, as `nxgc dump` prints several trees), each handed to `receber` as soon as it is read;
// returns how many. The text is taken over and read in place, so memory stays about that of the
// text and of one tree. A refused document stops the reading; from the second document on, the
// ErroJson's path starts with its number, "document 2: registro.Codigo". Throws as PacoteDeJson.
NXLDADOSGC_JSON_API std::size_t PacotesDeJson(std::string documentos,
                                              const std::function<void(std::span<const std::byte>)>& receber,
                                              const InfoClasse* classe = nullptr, const OpcoesJson& opcoes = {});

// The same, each packed tree written to `arquivo` after the one before, memory bounded by a small
// multiple of the text's size whatever the trees' (a list of a million empty records takes 3
// bytes a record in a document and 24 packed): a large text holding one document whose tree
// would outgrow that is read twice, and its tree written at its places in the file as it is read
// (a device or a pipe, which has no places, gets the tree whole as from PacotesDeJson). Call
// arquivo.Concluir() afterwards; nothing is in place before. Throws as PacotesDeJson; the
// ArquivoAtomico's std::system_error when the file cannot be written.
NXLDADOSGC_JSON_API std::size_t PacotesDeJson(std::string documentos, ArquivoAtomico& arquivo,
                                              const InfoClasse* classe = nullptr, const OpcoesJson& opcoes = {});

}  // namespace NXDadosGC

#endif
