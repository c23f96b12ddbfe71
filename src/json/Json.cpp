// The public JSON functions: each runs the writer or the reader and turns the framework's
// exceptions into standard ones.
#include "NXLDadosGC/json/Json.h"

#include <cstring>  // std::memcpy
#include <new>      // std::bad_alloc
#include <sstream>  // std::ostringstream

#include "Interno.h"
#include "NXLDadosGC/platform/Excecoes.h"  // CException, CMemoryException

namespace NXDadosGC {
namespace {

// Runs f; a framework exception leaves as its standard counterpart, released first.
template <class F>
decltype(auto) ExcecoesPadrao(F&& f) {
    try {
        return f();
    } catch (CMemoryException* e) {
        e->Delete();
        throw std::bad_alloc();
    } catch (CException* e) {
        const std::string mensagem = e->GetMensagem();
        e->Delete();
        throw std::runtime_error(mensagem);
    }
}

const InfoClasse& ClasseDoObjeto(const TNXBaseParaDados& objeto) {
    CRuntimeClass* rc = objeto.GetRuntimeClass();
    const InfoClasse* info = rc ? ClassePorNome(rc->m_lpszClassName) : nullptr;
    if (!info || info->classe() != rc)
        throw std::invalid_argument(std::string("not a data class of this library: ") + (rc ? rc->m_lpszClassName : "(unknown)"));
    return *info;
}

std::unique_ptr<TNXBaseParaDados> Construir(std::string_view documento, const InfoClasse* exigida) {
    return ExcecoesPadrao([&] {
        json::Arvore arvore;
        json::LerDocumento(documento, exigida, arvore);
        std::unique_ptr<TNXBaseParaDados> objeto(arvore.info->criar());
        arvore.info->copiarDe(*objeto, arvore.raiz);
        return objeto;
    });
}

// Gives every list and holder of the record `reg` of `info` one zeroed element, at every level.
// A class that (through its children) held itself would stop at the reader's nesting limit.
void Modelo(const InfoClasse& info, unsigned char* reg, json::Arvore& arvore, int nivel) {
    for (const InfoFilho& f : info.filhos) {
        const InfoClasse* classe = f.classe ? f.classe() : nullptr;
        if (f.tipo == TipoFilho::Membro) {
            Modelo(*classe, reg + f.ponteiro, arvore, nivel);
            continue;
        }
        if (nivel == 16) continue;
        unsigned char* bloco = arvore.Bloco(f.tamanhoRegistro);
        std::memcpy(reg + f.ponteiro, &bloco, sizeof bloco);
        if (f.tipo == TipoFilho::Lista) {
            const std::uint32_t um = 1;
            std::memcpy(reg + f.quantidade, &um, sizeof um);
        }
        if (classe) Modelo(*classe, bloco, arvore, nivel + 1);
    }
}

}  // namespace

ErroJson::ErroJson(std::string caminho, const std::string& motivo)
    : std::runtime_error(caminho + ": " + motivo), m_Caminho(std::move(caminho)) {}

ErroJson::~ErroJson() = default;

void ParaJson(const TNXBaseParaDados& objeto, std::ostream& saida) {
    const InfoClasse& info = ClasseDoObjeto(objeto);
    ExcecoesPadrao([&] {
        std::vector<std::uint64_t> registro((info.tamanhoRegistro + 7) / 8);
        // The tree CopiarPara writes is ours until written out; a half-written one is released too.
        struct Liberar {
            const InfoClasse& info;
            void* registro;
            ~Liberar() { info.liberarCopiarPara(registro); }
        } liberar{info, registro.data()};
        info.copiarPara(objeto, registro.data());
        json::EscreverArvore(info, registro.data(), saida);
    });
}

std::string ParaJson(const TNXBaseParaDados& objeto) {
    std::ostringstream saida;
    saida.exceptions(std::ios::badbit);  // a string stream fails only when memory runs out
    try {
        ParaJson(objeto, saida);
    } catch (const std::ios::failure&) {
        throw std::bad_alloc();
    }
    return std::move(saida).str();
}

void ParaJson(const ArvoreVerificada& arvore, std::ostream& saida) {
    json::EscreverArvore(arvore.Classe(), arvore.Registro(), saida);
}

std::string ModeloJson(const InfoClasse& classe) {
    json::Arvore arvore;
    arvore.raiz = arvore.Bloco(classe.tamanhoRegistro);
    Modelo(classe, arvore.raiz, arvore, 0);
    std::ostringstream saida;
    json::EscreverArvore(classe, arvore.raiz, saida);
    return std::move(saida).str();
}

std::unique_ptr<TNXBaseParaDados> DeJson(std::string_view documento) { return Construir(documento, nullptr); }

std::unique_ptr<TNXBaseParaDados> DeJson(std::string_view documento, const InfoClasse& classe) {
    return Construir(documento, &classe);
}

std::vector<std::byte> PacoteDeJson(std::string_view documento, const InfoClasse* classe) {
    json::Arvore arvore;
    json::LerDocumento(documento, classe, arvore);
    return EmpacotarRegistro(*arvore.info, arvore.raiz);
}

}  // namespace NXDadosGC
