// What the public JSON functions are built from: the writer of a flat record tree and the
// reader of a document into one.
#ifndef NXLDADOSGC_SRC_JSON_INTERNO_H
#define NXLDADOSGC_SRC_JSON_INTERNO_H

#include <cstdint>      // std::uint64_t
#include <deque>        // std::deque
#include <functional>   // std::function
#include <string>       // std::string
#include <ostream>      // std::ostream
#include <string_view>  // std::string_view
#include <vector>       // std::vector

#include "NXLDadosGC/core/Registro.h"  // InfoClasse

namespace NXDadosGC::json {

// Writes the document of the flat record tree `registro` of class `info` (its child pointers
// real, as CopiarPara or Verificar leave them), final newline included, its texts read under code
// page `pagina`. Stops at the first failure of the stream. Throws std::invalid_argument for a
// text field without its zero.
void EscreverArvore(const InfoClasse& info, const void* registro, std::ostream& saida, int pagina);

// A flat record tree in memory of its own: the root record and every block, zeroed before
// being filled, alive as long as this object.
class Arvore {
public:
    // An 8-byte-aligned, zeroed block of at least `bytes` bytes.
    unsigned char* Bloco(std::size_t bytes) {
        auto& b = m_Blocos.emplace_back((bytes + 7) / 8, 0);
        return reinterpret_cast<unsigned char*>(b.data());
    }

    const InfoClasse* info = nullptr;
    unsigned char* raiz = nullptr;

private:
    std::deque<std::vector<std::uint64_t>> m_Blocos;
};

// The tree a document describes, its texts read under code page `pagina`. With `exigida`, the
// document must hold that class. Throws ErroJson.
void LerDocumento(std::string_view documento, const InfoClasse* exigida, Arvore& arvore, int pagina);

// The same for each of the documents one after another in `texto` (white space between them),
// handed to `cada` in turn; the number of documents. `texto` is read in place (the parser is
// given room after its end), and released before `cada` when a large text holds one document
// alone. A refused document's path starts "document <n>: " from the second.
std::size_t LerDocumentos(std::string& texto, const InfoClasse* exigida, int pagina,
                          const std::function<void(Arvore&)>& cada);

}  // namespace NXDadosGC::json

#endif
