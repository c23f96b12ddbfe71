// What the public JSON functions are built from: the writer of a flat record tree and the
// reader of a document into one.
#ifndef NXLDADOSGC_SRC_JSON_INTERNO_H
#define NXLDADOSGC_SRC_JSON_INTERNO_H

#include <cstdint>      // std::uint64_t, SIZE_MAX
#include <deque>        // std::deque
#include <functional>   // std::function
#include <string>       // std::string
#include <ostream>      // std::ostream
#include <string_view>  // std::string_view
#include <vector>       // std::vector

#include "NXLDadosGC/core/Registro.h"  // InfoClasse
#include "NXLDadosGC/motor/Fluxos.h"    // ArquivoAtomico

namespace NXDadosGC::json {

// Writes the document of the flat record tree `registro` of class `info` (its child pointers
// real, as CopiarPara or Verificar leave them), final newline included, its texts read under code
// page `pagina`. Stops at the first failure of the stream. Throws std::invalid_argument for a
// text field without its zero.
void EscreverArvore(const InfoClasse& info, const void* registro, std::ostream& saida, int pagina);

// Thrown by an Arvore asked for more than its `limite`.
struct ArvoreGrandeDemais {};

// A flat record tree in memory of its own: the root record and every block, zeroed before
// being filled, alive as long as this object.
class Arvore {
public:
    // An 8-byte-aligned, zeroed block of at least `bytes` bytes.
    unsigned char* Bloco(std::size_t bytes) {
        const std::size_t palavras = (bytes + 7) / 8;
        if ((m_Bytes += 8 * palavras) > limite) throw ArvoreGrandeDemais{};
        auto& b = m_Blocos.emplace_back(palavras, 0);
        return reinterpret_cast<unsigned char*>(b.data());
    }

    const InfoClasse* info = nullptr;
    unsigned char* raiz = nullptr;
    std::size_t limite = SIZE_MAX;  // bytes of all its blocks

private:
    std::deque<std::vector<std::uint64_t>> m_Blocos;
    std::size_t m_Bytes = 0;
};

// Containers open at once that a document may reach: deeper than any record tree of the library
// goes, however its classes nest.
constexpr std::size_t kProfundidadeMaxima = 64;

// Texts up to this size are read without a look at them first: whatever they hold, their
// parser's index and their tree stay small.
constexpr std::size_t kTextoGrande = std::size_t{1} << 20;

// The tree a document describes, its texts read under code page `pagina`. With `exigida`, the
// document must hold that class. Throws ErroJson.
void LerDocumento(std::string_view documento, const InfoClasse* exigida, Arvore& arvore, int pagina);

// The same for each of the documents one after another in `texto` (white space between them),
// handed to `cada` in turn; the number of documents. `texto` is read in place (the parser is
// given room after its end), and released before `cada` when a large text holds one document
// alone. A refused document's path starts "document <n>: " from the second.
// With `limiteArvore`, a tree beyond it stops the reading with ArvoreGrandeDemais.
std::size_t LerDocumentos(std::string& texto, const InfoClasse* exigida, int pagina,
                          const std::function<void(Arvore&)>& cada, std::size_t limiteArvore = SIZE_MAX);

// How a text `texto` (after any byte-order mark) is best packed into a file, memory bounded by a
// small multiple of the text: `continuo`, by GravarPacoteContinuo, for one large document dense
// in tokens (the fast reader's index alone would outgrow the text); otherwise by LerDocumentos,
// whose tree may take `limiteArvore` bytes before the memory of the tree and of its packed form
// together would.
struct EscolhaDeLeitor {
    bool continuo = false;
    std::size_t limiteArvore = SIZE_MAX;
};
EscolhaDeLeitor EscolherLeitor(std::string_view texto);

// Raises the ErroJson of the reference parser (Sintaxe.cpp) when it finds the document `texto`
// not well formed: a syntax error (with the parser's own words, line and column), a key given
// twice in one object, nesting deeper than kProfundidadeMaxima, each with the path where it
// happened. Not `sozinho`: the document starts `texto`, and what follows it is not looked at.
void VerificarSintaxe(std::string_view texto, bool sozinho = true);

// Packs the one document `texto` (after any byte-order mark; white space around it) straight
// into `arquivo` from its first byte, reading the text twice and holding no more of its tree
// than a few figures per block. A document refused raises the ErroJson LerDocumento would, having
// written nothing. False, having written nothing, when the document holds what this reader
// leaves to LerDocumento, or `arquivo` cannot be written at given places. Throws as
// EmpacotarRegistro for a tree beyond the default limits.
bool GravarPacoteContinuo(std::string_view texto, const InfoClasse* exigida, int pagina, ArquivoAtomico& arquivo);

}  // namespace NXDadosGC::json

#endif
