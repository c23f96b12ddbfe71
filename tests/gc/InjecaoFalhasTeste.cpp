// Running out of memory at each allocation in turn, for every class whose records own blocks:
// every failure is a CMemoryException; a transfer leaves the object as it was and a tree whose
// blocks all hang in it, released whole by the release helpers; CopiarDe and Copiar leave the
// object empty and their source untouched. The allocation counters balance after each case.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Alocacoes.h"
#include "support/Arvore.h"

namespace {

using NXDadosGC::InfoClasse;
using teste::Registro;
using NXDadosGC::TipoFilho;

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

long long Vivos() {
    const NXContadoresAlocacao& c = AfxContadoresAlocacao();
    return c.alocacoes - c.liberacoes;
}

// A rich tree (every list and holder filled down to the deepest level) and an object built
// from it.
class InjecaoFalhas : public testing::TestWithParam<const InfoClasse*> {
protected:
    void SetUp() override {
        teste::OpcoesArvore opcoes;
        opcoes.completa = true;
        teste::PreencherAleatorio(info, origem.dados(), rng, opcoes);
        blocos = teste::Blocos(info, origem.dados());
        instantaneo = teste::Instantaneo(info, origem.dados());
        info.copiarDe(*objeto, origem.dados());
    }
    void TearDown() override {
        objeto.reset();
        info.liberarCopiarParaPS(origem.dados());
    }

    // Frees a tree written by a transfer: every block in it and nothing else, leaving each pair
    // (0, null) and the record's own fields as they were; a second release frees nothing.
    void LiberarDuasVezes(bool ps, void* registro) {
        const auto liberar = ps ? info.liberarCopiarParaPS : info.liberarCopiarPara;
        const long long esperados = Vivos() - teste::Blocos(info, registro);
        std::string depois(static_cast<const char*>(registro), info.tamanhoRegistro);
        for (const auto& f : info.filhos) {
            if (f.tipo == TipoFilho::Membro) continue;
            depois.replace(f.ponteiro, sizeof(void*), sizeof(void*), '\0');
            if (f.tipo == TipoFilho::Lista) depois.replace(f.quantidade, 4, 4, '\0');
        }
        liberar(registro);
        EXPECT_EQ(Vivos(), esperados);
        EXPECT_EQ(teste::Blocos(info, registro), 0);
        EXPECT_EQ(std::string(static_cast<const char*>(registro), info.tamanhoRegistro), depois);
        liberar(registro);
        EXPECT_EQ(Vivos(), esperados);
    }
    std::unique_ptr<TNXBaseParaDados> Novo() const { return std::unique_ptr<TNXBaseParaDados>(info.criar()); }
    std::unique_ptr<TNXBaseParaDados> CopiaDoObjeto() const {
        auto copia = Novo();
        copia->Copiar(objeto.get());
        return copia;
    }

    NXTeste::VigiaAlocacoes vigia;  // first: checked after everything else has gone
    const InfoClasse& info = *GetParam();
    std::mt19937 rng{static_cast<std::mt19937::result_type>(std::hash<std::string>{}(info.nome))};
    Registro origem{info};
    std::unique_ptr<TNXBaseParaDados> objeto = Novo();
    int blocos = 0;
    std::string instantaneo;
};

TEST_P(InjecaoFalhas, TransferenciaDeixaArvoreLiberavel) {
    ASSERT_GT(blocos, 0);
    const auto antes = CopiaDoObjeto();
    for (const bool ps : {false, true}) {
        SCOPED_TRACE(ps ? "CopiarParaPS" : "CopiarPara");
        const auto copiarPara = ps ? info.copiarParaPS : info.copiarPara;
        Registro destino(info);
        long long blocosTarefa = 0;  // task-allocator blocks of the last complete transfer
        auto escrever = [&] {
            std::memset(destino.dados(), 0xCD, info.tamanhoRegistro);
            const long long tarefa = AfxContadoresAlocacao().alocacoesTarefa;
            copiarPara(*objeto, destino.dados());
            blocosTarefa = AfxContadoresAlocacao().alocacoesTarefa - tarefa;
        };
        const int falhas = NXTeste::ContarFalhas(escrever, [&](int n) {
            SCOPED_TRACE("allocation " + std::to_string(n));
            EXPECT_TRUE(objeto->Igual(antes.get()));
            EXPECT_EQ(teste::Blocos(info, destino.dados()), n - 1) << "a block allocated is not in the tree";
            EXPECT_TRUE(teste::PrefixoDe(info, destino.dados(), origem.dados())) << "blocks out of hook order";
            for (const auto& c : info.campos()) {  // the record itself is written before any block
                if (c.tipo == NXDadosGC::TipoCampo::Quantidade || c.tipo == NXDadosGC::TipoCampo::Ponteiro) continue;
                EXPECT_EQ(std::memcmp(static_cast<char*>(destino.dados()) + c.deslocamento,
                                      static_cast<char*>(origem.dados()) + c.deslocamento, c.largura), 0) << c.nome;
            }
            LiberarDuasVezes(ps, destino.dados());
        });
        // The last run completed after every failure before it: destino holds the whole tree.
        EXPECT_EQ(falhas, blocos);
        EXPECT_EQ(blocosTarefa, ps ? blocos : 0) << "wrong allocator";
        std::string diferenca;
        EXPECT_TRUE(teste::ArvoresIguais(info, origem.dados(), destino.dados(), &diferenca)) << diferenca;
        LiberarDuasVezes(ps, destino.dados());
    }
}

// CopiarDe and Copiar into an object that already holds a tree: each failure leaves it empty
// with all of its storage released, and the source as it was.
TEST_P(InjecaoFalhas, CopiasDeixamObjetoVazio) {
    const auto antes = CopiaDoObjeto();
    for (const bool deRegistro : {true, false}) {
        SCOPED_TRACE(deRegistro ? "CopiarDe" : "Copiar");
        const long long vivos = Vivos();
        auto alvo = CopiaDoObjeto();
        auto copiar = [&] {
            if (deRegistro) info.copiarDe(*alvo, origem.dados());
            else alvo->Copiar(objeto.get());
        };
        const int falhas = NXTeste::ContarFalhas(copiar, [&](int n) {
            SCOPED_TRACE("allocation " + std::to_string(n));
            EXPECT_TRUE(alvo->EstaVazio());
            EXPECT_EQ(Vivos(), vivos) << "blocks leaked";
            EXPECT_EQ(teste::Instantaneo(info, origem.dados()), instantaneo) << "CopiarDe changed its source";
            EXPECT_TRUE(objeto->Igual(antes.get())) << "Copiar changed its source";
            alvo->Copiar(objeto.get());
        });
        EXPECT_EQ(falhas, blocos);
        EXPECT_TRUE(alvo->Igual(objeto.get()));
    }
}

std::string NomeDoTeste(const testing::TestParamInfo<const InfoClasse*>& p) { return p.param->nome; }

INSTANTIATE_TEST_SUITE_P(ClassesComBlocos, InjecaoFalhas, testing::ValuesIn(ClassesComBlocos()), NomeDoTeste);

}  // namespace
