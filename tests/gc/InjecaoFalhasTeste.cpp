// Running out of memory at each allocation in turn, for every class whose records own blocks,
// with the heap staying exhausted from that allocation on (so that raising the exception must
// need no memory): every failure is a CMemoryException; a transfer leaves the object as it was
// and a tree whose blocks all hang in it, released whole by the release helpers; CopiarDe leaves
// the object empty, Copiar a partial assignment over the source's record; neither changes its
// source. The allocation counters balance after each case.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>
#include <random>
#include <string>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Alocacoes.h"
#include "support/Arvore.h"

namespace {

// operator new of this program fails from its n-th call on while g_novoFalhaNa is n > 0.
long long g_novoFalhaNa = 0;
long long g_chamadasNovo = 0;

void* NovoBloco(std::size_t bytes) {
    if (g_novoFalhaNa > 0 && ++g_chamadasNovo >= g_novoFalhaNa) throw std::bad_alloc();
    if (void* p = std::malloc(bytes ? bytes : 1)) return p;
    throw std::bad_alloc();
}

void* NovoSemExcecao(std::size_t bytes) noexcept {
    try {
        return NovoBloco(bytes);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

}  // namespace

// Every form allocates and releases through malloc and free, so that blocks are released the
// way they were allocated whoever allocated them, also under the sanitizers.
void* operator new(std::size_t bytes) { return NovoBloco(bytes); }
void* operator new[](std::size_t bytes) { return NovoBloco(bytes); }
void* operator new(std::size_t bytes, const std::nothrow_t&) noexcept { return NovoSemExcecao(bytes); }
void* operator new[](std::size_t bytes, const std::nothrow_t&) noexcept { return NovoSemExcecao(bytes); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

namespace {

using NXDadosGC::InfoClasse;
using NXDadosGC::TipoCampo;
using NXDadosGC::TipoFilho;
using NXTeste::VigiaAlocacoes;
using teste::Registro;

// Runs op the way ContarFalhas arms it, with the heap exhausted from the allocation it names on:
// that one fails, and so does every later operator new. Blocks from operator new (CopiarPara's)
// fail in operator new itself; the others (task allocator, list storage) at the countdown.
template <class Op>
auto HeapEsgotado(bool peloNew, Op op) {
    return [peloNew, op] {
        long long& contagem = AfxContadoresAlocacao().falharNaAlocacao;
        const long long n = contagem;
        struct Desarmar {
            ~Desarmar() { g_novoFalhaNa = 0; }
        } desarmar;
        g_chamadasNovo = 0;
        g_novoFalhaNa = peloNew ? n : 1;
        if (peloNew) contagem = 0;
        op();
        if (peloNew) contagem = 1;  // completed before its n-th block: a failure still pending
    };
}

bool PossuiBlocos(const InfoClasse& info) {
    for (const auto& f : info.filhos)
        if (f.tipo != TipoFilho::Membro || PossuiBlocos(*f.classe())) return true;
    return false;
}

std::vector<const InfoClasse*> ClassesComBlocos() {
    std::vector<const InfoClasse*> v;
    for (const InfoClasse* info : NXDadosGC::Classes())
        if (PossuiBlocos(*info)) v.push_back(info);
    return v;
}

// A rich tree (every list and holder filled down to the deepest level) and an object built
// from it.
class InjecaoFalhas : public teste::PorClasse {
protected:
    // Frees a tree written by a transfer: every block in it and nothing else, leaving each pair
    // (0, null) and the record's own fields as they were (a second release is the round trip's).
    void Liberar(bool ps, void* registro) {
        const auto liberar = ps ? info.liberarCopiarParaPS : info.liberarCopiarPara;
        const long long esperados = VigiaAlocacoes::Vivos() - teste::Blocos(info, registro);
        std::string depois(static_cast<const char*>(registro), info.tamanhoRegistro);
        for (const auto& f : info.filhos) {
            if (f.tipo == TipoFilho::Membro) continue;
            depois.replace(f.ponteiro, sizeof(void*), sizeof(void*), '\0');
            if (f.tipo == TipoFilho::Lista) depois.replace(f.quantidade, 4, 4, '\0');
        }
        liberar(registro);
        EXPECT_EQ(VigiaAlocacoes::Vivos(), esperados);
        EXPECT_EQ(std::string(static_cast<const char*>(registro), info.tamanhoRegistro), depois);
    }
    // The fields of two records of the class agree, but for counts, pointers and (unless `areas`)
    // member-key areas.
    void CamposIguais(const void* a, const void* b, bool areas) const {
        for (const auto& c : info.campos()) {
            if (c.tipo == TipoCampo::Quantidade || c.tipo == TipoCampo::Ponteiro) continue;
            if (c.tipo == TipoCampo::Registro && !areas) continue;
            EXPECT_EQ(std::memcmp(static_cast<const char*>(a) + c.deslocamento,
                                  static_cast<const char*>(b) + c.deslocamento, c.largura), 0) << c.nome;
        }
    }
    std::unique_ptr<TNXBaseParaDados> CopiaDoObjeto() const {
        auto copia = Novo();
        copia->Copiar(objeto.get());
        return copia;
    }

    VigiaAlocacoes vigia;  // checked after everything below has gone
    const teste::Amostra amostra{info, rng, {.completa = true}};
    const Registro& origem = amostra.registro;
    const std::unique_ptr<TNXBaseParaDados>& objeto = amostra.objeto;
    const int blocos = teste::Blocos(info, origem.dados());
    const std::string instantaneo = teste::Instantaneo(info, origem.dados());
};

TEST_P(InjecaoFalhas, TransferenciaDeixaArvoreLiberavel) {
    ASSERT_GT(blocos, 0);
    const auto antes = CopiaDoObjeto();
    for (const bool ps : {false, true}) {
        SCOPED_TRACE(ps ? "CopiarParaPS" : "CopiarPara");
        const auto copiarPara = ps ? info.copiarParaPS : info.copiarPara;
        Registro destino(info);
        auto escrever = HeapEsgotado(!ps, [&] {
            std::memset(destino.dados(), 0xCD, info.tamanhoRegistro);
            copiarPara(*objeto, destino.dados());
        });
        const int falhas = NXTeste::ContarFalhas(escrever, [&](int n) {
            SCOPED_TRACE("allocation " + std::to_string(n));
            EXPECT_TRUE(objeto->Igual(antes.get()));
            EXPECT_EQ(teste::Blocos(info, destino.dados()), n - 1) << "a block allocated is not in the tree";
            CamposIguais(destino.dados(), origem.dados(), true);  // the record is written before any block
            Liberar(ps, destino.dados());
        });
        // The last run completed after every failure before it: destino holds the whole tree.
        EXPECT_EQ(falhas, blocos);
        std::string diferenca;
        EXPECT_TRUE(teste::ArvoresIguais(info, origem.dados(), destino.dados(), &diferenca)) << diferenca;
        Liberar(ps, destino.dados());
    }
}

// CopiarDe into an object that already holds a tree: each failure leaves it empty with all of
// its storage released, and the source as it was.
TEST_P(InjecaoFalhas, CopiarDeDeixaObjetoVazio) {
    const long long vivos = VigiaAlocacoes::Vivos();
    auto alvo = CopiaDoObjeto();
    const auto copiarDe = [&] { info.copiarDe(*alvo, origem.dados()); };
    const int falhas = NXTeste::ContarFalhas(HeapEsgotado(false, copiarDe), [&](int n) {
        SCOPED_TRACE("allocation " + std::to_string(n));
        EXPECT_TRUE(alvo->EstaVazio());
        EXPECT_EQ(VigiaAlocacoes::Vivos(), vivos) << "blocks leaked";
        EXPECT_EQ(teste::Instantaneo(info, origem.dados()), instantaneo) << "CopiarDe changed its source";
        alvo->Copiar(objeto.get());
    });
    EXPECT_EQ(falhas, blocos);
    EXPECT_TRUE(alvo->Igual(objeto.get()));
}

// Copiar into an object that holds no children (every block of the source must be allocated),
// then into one that holds a complete tree of one element per list (some lists must grow, others
// need not): each failure leaves an object whose record is the source's and that can still be
// written out, copied into and destroyed, and the source as it was. (Where an interrupted list
// assignment stops, element by element, the core list test checks.)
TEST_P(InjecaoFalhas, CopiarDeixaAtribuicaoParcial) {
    const auto antes = CopiaDoObjeto();
    for (const int elementos : {0, 1}) {
        SCOPED_TRACE(elementos ? "over a tree" : "over an empty object");
        Registro anterior(info);
        if (elementos) {
            teste::OpcoesArvore opcoes;
            opcoes.completa = true;
            opcoes.maxElementos = elementos;
            teste::PreencherAleatorio(info, anterior.dados(), rng, opcoes);
        }
        auto alvo = Novo();
        info.copiarDe(*alvo, anterior.dados());
        const auto copiar = [&] { alvo->Copiar(objeto.get()); };
        const int falhas = NXTeste::ContarFalhas(HeapEsgotado(false, copiar), [&](int n) {
            SCOPED_TRACE("allocation " + std::to_string(n));
            Registro depois(info);
            info.copiarPara(*alvo, depois.dados());
            CamposIguais(depois.dados(), origem.dados(), false);
            info.liberarCopiarPara(depois.dados());
            EXPECT_TRUE(objeto->Igual(antes.get())) << "Copiar changed its source";
            info.copiarDe(*alvo, anterior.dados());
        });
        if (!elementos) {
            EXPECT_EQ(falhas, blocos);
        }
        EXPECT_TRUE(alvo->Igual(objeto.get()));
        info.liberarCopiarParaPS(anterior.dados());
    }
}

INSTANTIATE_TEST_SUITE_P(ClassesComBlocos, InjecaoFalhas, testing::ValuesIn(ClassesComBlocos()), teste::NomeDaClasse);

}  // namespace
