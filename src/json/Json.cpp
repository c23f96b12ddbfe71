// The public JSON functions: each runs the writer or the reader and turns the framework's
// exceptions into standard ones.
#include "NXLDadosGC/json/Json.h"

#include <cstring>  // std::memcpy
#include <new>      // std::bad_alloc
#include <sstream>  // std::ostringstream

#include "Interno.h"
#include "NXLDadosGC/motor/Travessia.h"    // Percorrer, VisitanteRegistro
#include "NXLDadosGC/platform/Excecoes.h"  // ComExcecoesPadrao

namespace NXDadosGC {
namespace {

const InfoClasse& ClasseDoObjeto(const TNXBaseParaDados& objeto) {
    CRuntimeClass* rc = objeto.GetRuntimeClass();
    const InfoClasse* info = rc ? ClassePorNome(rc->m_lpszClassName) : nullptr;
    if (!info || info->classe() != rc)
        throw std::invalid_argument(std::string("not a data class of this library: ") + (rc ? rc->m_lpszClassName : "(unknown)"));
    return *info;
}

std::unique_ptr<TNXBaseParaDados> Construir(std::string_view documento, const InfoClasse* exigida, const OpcoesJson& opcoes) {
    return ComExcecoesPadrao([&] {
        json::Arvore arvore;
        json::LerDocumento(documento, exigida, arvore, opcoes.pagina);
        std::unique_ptr<TNXBaseParaDados> objeto(arvore.info->criar());
        arvore.info->copiarDe(*objeto, arvore.raiz);
        return objeto;
    });
}

// Gives every list and holder of the record at `reg` one zeroed element, at every level, as the
// walk of its class meets them (member keys' included). A class that (through its children) held
// itself would stop at the reader's nesting limit.
class Modelo : public VisitanteRegistro {
public:
    Modelo(json::Arvore& arvore, unsigned char* reg, int nivel) : m_Arvore(arvore), m_Reg(reg), m_Nivel(nivel) {}

    bool Campo(const Parada& p) override {
        if (p.tipo == TipoParada::Registro) return true;
        if (p.tipo != TipoParada::Filho || m_Nivel == 16) return false;
        unsigned char* bloco = m_Arvore.Bloco(p.filho->tamanhoRegistro);
        std::memcpy(m_Reg + p.deslocamento, &bloco, sizeof bloco);
        if (p.filho->tipo == TipoFilho::Lista) {
            const std::uint32_t um = 1;
            std::memcpy(m_Reg + p.base + p.filho->quantidade, &um, sizeof um);
        }
        if (p.classe) {
            Modelo abaixo(m_Arvore, bloco, m_Nivel + 1);
            Percorrer(*p.classe, nullptr, abaixo);
        }
        return false;
    }

private:
    json::Arvore& m_Arvore;
    unsigned char* m_Reg;
    int m_Nivel;
};

// The packed tree of each document of `documentos`, read by LerDocumentos within `limiteArvore`.
std::size_t PacotesDeJson(std::string& documentos, const std::function<void(std::span<const std::byte>)>& receber,
                          const InfoClasse* classe, int pagina, std::size_t limiteArvore) {
    Pacote pacote;  // one buffer for every document, written once per byte
    return json::LerDocumentos(
        documentos, classe, pagina,
        [&](json::Arvore& arvore) {
            EmpacotarRegistro(*arvore.info, arvore.raiz, pacote);
            receber(pacote);
        },
        limiteArvore);
}

}  // namespace

ErroJson::ErroJson(std::string caminho, const std::string& motivo)
    : std::runtime_error(caminho + ": " + motivo), m_Caminho(std::move(caminho)) {}

ErroJson::~ErroJson() = default;

void ParaJson(const TNXBaseParaDados& objeto, std::ostream& saida, const OpcoesJson& opcoes) {
    const InfoClasse& info = ClasseDoObjeto(objeto);
    ComExcecoesPadrao([&] {
        std::vector<std::uint64_t> registro((info.tamanhoRegistro + 7) / 8);
        // The tree CopiarPara writes is ours until written out; a half-written one is released too.
        struct Liberar {
            const InfoClasse& info;
            void* registro;
            ~Liberar() { info.liberarCopiarPara(registro); }
        } liberar{info, registro.data()};
        info.copiarPara(objeto, registro.data());
        json::EscreverArvore(info, registro.data(), saida, opcoes.pagina);
    });
}
void ParaJson(const TNXBaseParaDados& objeto, std::ostream& saida) { ParaJson(objeto, saida, OpcoesJson{}); }

std::string ParaJson(const TNXBaseParaDados& objeto, const OpcoesJson& opcoes) {
    std::ostringstream saida;
    saida.exceptions(std::ios::badbit);  // a string stream fails only when memory runs out
    try {
        ParaJson(objeto, saida, opcoes);
    } catch (const std::ios::failure&) {
        throw std::bad_alloc();
    }
    return std::move(saida).str();
}
std::string ParaJson(const TNXBaseParaDados& objeto) { return ParaJson(objeto, OpcoesJson{}); }

void ParaJson(const ArvoreVerificada& arvore, std::ostream& saida, const OpcoesJson& opcoes) {
    json::EscreverArvore(arvore.Classe(), arvore.Registro(), saida, opcoes.pagina);
}
void ParaJson(const ArvoreVerificada& arvore, std::ostream& saida) { ParaJson(arvore, saida, OpcoesJson{}); }

std::string ModeloJson(const InfoClasse& classe) {
    json::Arvore arvore;
    arvore.raiz = arvore.Bloco(classe.tamanhoRegistro);
    Modelo modelo(arvore, arvore.raiz, 0);
    Percorrer(classe, nullptr, modelo);
    std::ostringstream saida;
    json::EscreverArvore(classe, arvore.raiz, saida, 0);
    return std::move(saida).str();
}

std::unique_ptr<TNXBaseParaDados> DeJson(std::string_view documento, const OpcoesJson& opcoes) {
    return Construir(documento, nullptr, opcoes);
}
std::unique_ptr<TNXBaseParaDados> DeJson(std::string_view documento) { return DeJson(documento, OpcoesJson{}); }

std::unique_ptr<TNXBaseParaDados> DeJson(std::string_view documento, const InfoClasse& classe, const OpcoesJson& opcoes) {
    return Construir(documento, &classe, opcoes);
}
std::unique_ptr<TNXBaseParaDados> DeJson(std::string_view documento, const InfoClasse& classe) {
    return DeJson(documento, classe, OpcoesJson{});
}

std::vector<std::byte> PacoteDeJson(std::string_view documento, const InfoClasse* classe, const OpcoesJson& opcoes) {
    json::Arvore arvore;
    json::LerDocumento(documento, classe, arvore, opcoes.pagina);
    return EmpacotarRegistro(*arvore.info, arvore.raiz);
}
std::vector<std::byte> PacoteDeJson(std::string_view documento, const InfoClasse* classe) {
    return PacoteDeJson(documento, classe, OpcoesJson{});
}

std::size_t PacotesDeJson(std::string documentos, const std::function<void(std::span<const std::byte>)>& receber,
                          const InfoClasse* classe, const OpcoesJson& opcoes) {
    return PacotesDeJson(documentos, receber, classe, opcoes.pagina, SIZE_MAX);
}

std::size_t PacotesDeJson(std::string documentos, ArquivoAtomico& arquivo, const InfoClasse* classe,
                          const OpcoesJson& opcoes) {
    // The text without a byte-order mark (its storage may move while the text is read).
    const auto texto = [&] { return std::string_view(documentos).substr(documentos.starts_with("\xEF\xBB\xBF") ? 3 : 0); };
    const json::EscolhaDeLeitor escolha = json::EscolherLeitor(texto());
    const auto continuo = [&] { return json::GravarPacoteContinuo(texto(), classe, opcoes.pagina, arquivo); };
    if (escolha.continuo && continuo()) return 1;
    const auto gravar = [&](std::span<const std::byte> pacote) {
        arquivo.Fluxo().write(reinterpret_cast<const char*>(pacote.data()), static_cast<std::streamsize>(pacote.size()));
    };
    if (escolha.limiteArvore != SIZE_MAX) {
        try {
            return PacotesDeJson(documentos, gravar, classe, opcoes.pagina, escolha.limiteArvore);
        } catch (const json::ArvoreGrandeDemais&) {
            if (continuo()) return 1;
        }
    }
    return PacotesDeJson(documentos, gravar, classe, opcoes.pagina, SIZE_MAX);
}

}  // namespace NXDadosGC
