#include "Arvore.h"

#include <cstring>

#include "Bytes.h"
#include "NXLDadosGC/platform/AlocadorTarefa.h"

namespace teste {
namespace {

using NXDadosGC::InfoClasse;
using NXDadosGC::TipoCampo;
using NXDadosGC::TipoFilho;

bool ehFilho(const InfoClasse& info, std::size_t desloc) {
    for (const auto& f : info.filhos)
        if ((f.tipo == TipoFilho::Lista && f.quantidade == desloc) || f.ponteiro == desloc) return true;
    return false;
}

void Bytes(const NXDadosGC::TabelaCampos campos, void* registro, std::mt19937& rng, const InfoClasse* info) {
    auto* b = static_cast<unsigned char*>(registro);
    for (const auto& c : campos) {
        if (info && ehFilho(*info, c.deslocamento)) continue;
        if (c.tipo == TipoCampo::Registro) continue;  // member areas are filled as children
        for (std::uint32_t i = 0; i < c.largura; ++i) b[c.deslocamento + i] = static_cast<unsigned char>(rng());
        if (c.tipo == TipoCampo::Texto) b[c.deslocamento + c.largura - 1] = 0;
    }
}

void Preencher(const InfoClasse& info, void* registro, std::mt19937& rng, const OpcoesArvore& op, int nivel,
               std::vector<void*>* orfaos) {
    std::memset(registro, 0, info.tamanhoRegistro);
    Bytes(info.campos(), registro, rng, &info);
    for (const auto& f : info.filhos) {
        const InfoClasse* filho = f.classe ? f.classe() : nullptr;
        if (f.tipo == TipoFilho::Membro) {
            Preencher(*filho, static_cast<char*>(registro) + f.ponteiro, rng, op, nivel, orfaos);
            continue;
        }
        const bool pode = nivel < op.profundidade;
        std::uint32_t n = 0;
        if (pode && op.completa) n = f.tipo == TipoFilho::Unico ? 1 : 1 + rng() % op.maxElementos;
        else if (pode) n = f.tipo == TipoFilho::Unico ? rng() % 2 : rng() % (op.maxElementos + 1);
        // (count, null) or (block, 0): both read as an empty list. Such blocks hold no
        // children of their own, so nothing below them is lost.
        const bool inconsistente = f.tipo == TipoFilho::Lista && op.inconsistentes && orfaos && rng() % 4 == 0;
        void* bloco = n ? CoTaskMemAlloc(n * f.tamanhoRegistro) : nullptr;
        for (std::uint32_t i = 0; i < n; ++i) {
            void* r = static_cast<char*>(bloco) + i * f.tamanhoRegistro;
            if (filho) Preencher(*filho, r, rng, op, inconsistente ? op.profundidade : nivel + 1, orfaos);
            else for (std::size_t k = 0; k < f.tamanhoRegistro; ++k) static_cast<unsigned char*>(r)[k] = static_cast<unsigned char>(rng());
        }
        if (inconsistente) {
            if (bloco && rng() % 2) {
                Gravar<void*>(registro, f.ponteiro, bloco);  // (block, 0): the release frees it
            } else {
                if (bloco) orfaos->push_back(bloco);  // (count, null): only the caller knows it
                Gravar<std::uint32_t>(registro, f.quantidade, n ? n : 1 + rng() % 7);
            }
            continue;
        }
        Gravar<void*>(registro, f.ponteiro, bloco);
        if (f.tipo == TipoFilho::Lista) Gravar<std::uint32_t>(registro, f.quantidade, n);
    }
}

std::uint32_t QuantidadeEfetiva(const NXDadosGC::InfoFilho& f, const void* r) {
    const void* p = Ler<const void*>(r, f.ponteiro);
    if (!p) return 0;
    if (f.tipo == TipoFilho::Unico) return 1;
    return Ler<std::uint32_t>(r, f.quantidade);
}

// Calls bloco(p, bytes) for every non-null list or holder pointer of a tree, depth first in
// hook order (member areas walked in place), with the bytes its count makes.
template <class F>
void CadaBloco(const InfoClasse& info, const char* registro, F&& bloco) {
    for (const auto& f : info.filhos) {
        const InfoClasse* filho = f.classe ? f.classe() : nullptr;
        if (f.tipo == TipoFilho::Membro) {
            CadaBloco(*filho, registro + f.ponteiro, bloco);
            continue;
        }
        const char* p = Ler<const char*>(registro, f.ponteiro);
        if (!p) continue;
        const std::uint32_t n = QuantidadeEfetiva(f, registro);
        bloco(p, n * f.tamanhoRegistro);
        for (std::uint32_t i = 0; filho && i < n; ++i) CadaBloco(*filho, p + i * f.tamanhoRegistro, bloco);
    }
}

}  // namespace

void PreencherAleatorio(const InfoClasse& info, void* registro, std::mt19937& rng, const OpcoesArvore& opcoes,
                        std::vector<void*>* orfaos) {
    Preencher(info, registro, rng, opcoes, 0, orfaos);
}

Amostra::Amostra(const InfoClasse& i, std::mt19937& rng, const OpcoesArvore& opcoes, std::vector<void*>* orfaos)
    : info(i), registro(i), objeto(i.criar()) {
    PreencherAleatorio(info, registro.dados(), rng, opcoes, orfaos);
    info.copiarDe(*objeto, registro.dados());
}

Amostra::~Amostra() { info.liberarCopiarParaPS(registro.dados()); }

bool ArvoresIguais(const InfoClasse& info, const void* a, const void* b, std::string* diferenca) {
    auto falha = [&](const std::string& s) {
        if (diferenca) *diferenca = std::string(info.nome) + ": " + s;
        return false;
    };
    for (const auto& c : info.campos()) {
        if (ehFilho(info, c.deslocamento) || c.tipo == TipoCampo::Registro) continue;
        if (std::memcmp(static_cast<const char*>(a) + c.deslocamento, static_cast<const char*>(b) + c.deslocamento,
                        c.largura) != 0)
            return falha(std::string("field ") + c.nome);
    }
    for (const auto& f : info.filhos) {
        const InfoClasse* filho = f.classe ? f.classe() : nullptr;
        if (f.tipo == TipoFilho::Membro) {
            if (!ArvoresIguais(*filho, static_cast<const char*>(a) + f.ponteiro, static_cast<const char*>(b) + f.ponteiro,
                               diferenca))
                return false;
            continue;
        }
        const std::uint32_t na = QuantidadeEfetiva(f, a), nb = QuantidadeEfetiva(f, b);
        if (na != nb) return falha("child count at " + std::to_string(f.ponteiro));
        const char* pa = Ler<const char*>(a, f.ponteiro);
        const char* pb = Ler<const char*>(b, f.ponteiro);
        for (std::uint32_t i = 0; i < na; ++i) {
            const char* ea = pa + i * f.tamanhoRegistro;
            const char* eb = pb + i * f.tamanhoRegistro;
            if (filho ? !ArvoresIguais(*filho, ea, eb, diferenca) : std::memcmp(ea, eb, f.tamanhoRegistro) != 0)
                return filho ? false : falha("number " + std::to_string(i));
        }
    }
    return true;
}

int Blocos(const InfoClasse& info, const void* registro) {
    int n = 0;
    CadaBloco(info, static_cast<const char*>(registro), [&](const char*, std::size_t) { ++n; });
    return n;
}

std::string Instantaneo(const InfoClasse& info, const void* registro) {
    std::string s(static_cast<const char*>(registro), info.tamanhoRegistro);
    CadaBloco(info, static_cast<const char*>(registro), [&](const char* p, std::size_t n) { s.append(p, n); });
    return s;
}

}  // namespace teste
