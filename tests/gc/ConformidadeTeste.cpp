// Properties every data class must have, checked for each class of the library-wide list
// without naming any of them: emptiness, round trips of random record trees through both
// allocators, copies, and byte-exact comparison; and the list against the run-time class records.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Alocacoes.h"
#include "support/Arvore.h"

namespace {

using NXDadosGC::InfoClasse;
using teste::Registro;

class Conformidade : public teste::PorClasse {
protected:
    NXTeste::VigiaAlocacoes vigia;
};

// Random trees read one after another into the same object (what it held must all go), every
// other one with (count, null) and (pointer, 0) pairs, which read as empty lists; then out
// through both allocators, to the same tree.
TEST_P(Conformidade, IdaEVoltaPelosDoisAlocadores) {
    auto objeto = Novo();
    for (int rodada = 0; rodada < 8; ++rodada) {
        Registro origem(info);
        std::vector<void*> orfaos;
        teste::OpcoesArvore opcoes;
        opcoes.inconsistentes = rodada % 2 == 1;
        teste::PreencherAleatorio(info, origem.dados(), rng, opcoes, &orfaos);
        const std::string antes = teste::Instantaneo(info, origem.dados());

        info.copiarDe(*objeto, origem.dados());
        EXPECT_EQ(teste::Instantaneo(info, origem.dados()), antes) << "CopiarDe changed its source";
        const long long alocadas = AfxContadoresAlocacao().alocacoes;
        EXPECT_FALSE(objeto->EstaVazio());
        EXPECT_EQ(AfxContadoresAlocacao().alocacoes, alocadas) << "EstaVazio allocated";

        for (bool ps : {false, true}) {
            Registro destino(info);
            std::memset(destino.dados(), 0xCD, info.tamanhoRegistro);
            (ps ? info.copiarParaPS : info.copiarPara)(*objeto, destino.dados());
            std::string diferenca;
            EXPECT_TRUE(teste::ArvoresIguais(info, origem.dados(), destino.dados(), &diferenca)) << diferenca;
            (ps ? info.liberarCopiarParaPS : info.liberarCopiarPara)(destino.dados());
            (ps ? info.liberarCopiarParaPS : info.liberarCopiarPara)(destino.dados());  // harmless twice
        }
        info.liberarCopiarParaPS(origem.dados());
        for (void* p : orfaos) CoTaskMemFree(p);
    }
}

TEST_P(Conformidade, CopiasLimpezaEClasseDiferente) {
    const auto objeto = std::move(teste::Amostra(info, rng).objeto);

    auto copia = Novo();
    copia->Copiar(objeto.get());
    EXPECT_TRUE(copia->Igual(objeto.get()));
    copia->Copiar(copia.get());  // onto itself: unchanged
    EXPECT_TRUE(copia->Igual(objeto.get()));
    const long long alocadas = AfxContadoresAlocacao().alocacoes;
    copia->Copiar(objeto.get());  // the same shape: every element assigned in place
    EXPECT_EQ(AfxContadoresAlocacao().alocacoes, alocadas) << "Copiar allocated";

    // Another class, one with records of the same size where there is one (a comparison or copy
    // that looked at the size alone would take its records for its own): never equal, even when
    // both are empty, and copying from it changes nothing.
    const auto classes = NXDadosGC::Classes();
    const InfoClasse* outra = classes[0] == &info ? classes[1] : classes[0];
    for (const InfoClasse* c : classes)
        if (c != &info && c->tamanhoRegistro == info.tamanhoRegistro) outra = c;
    std::unique_ptr<TNXBaseParaDados> estranho(outra->criar());
    EXPECT_FALSE(Novo()->Igual(estranho.get())) << outra->nome;
    EXPECT_FALSE(estranho->Igual(Novo().get())) << outra->nome;
    copia->Copiar(estranho.get());
    EXPECT_TRUE(copia->Igual(objeto.get()));

    copia->Limpar();
    EXPECT_TRUE(copia->EstaVazio());
    EXPECT_FALSE(copia->Igual(objeto.get()));
}

// Every byte of the record matters: a record differing from another in any one byte that is
// not a child pointer or count gives an unequal object.
TEST_P(Conformidade, CadaByteDoRegistroConta) {
    std::vector<bool> ignorar(info.tamanhoRegistro, false);
    for (const auto& f : info.filhos) {
        if (f.tipo == NXDadosGC::TipoFilho::Membro) continue;
        for (std::size_t i = 0; i < 8; ++i) ignorar[f.ponteiro + i] = true;
        if (f.tipo == NXDadosGC::TipoFilho::Lista)
            for (std::size_t i = 0; i < 4; ++i) ignorar[f.quantidade + i] = true;
    }
    Registro base(info);
    auto referencia = Novo();
    info.copiarDe(*referencia, base.dados());
    EXPECT_TRUE(referencia->EstaVazio());
    for (std::size_t i = 0; i < info.tamanhoRegistro; ++i) {
        if (ignorar[i]) continue;
        Registro r(info);
        static_cast<unsigned char*>(r.dados())[i] = 0x5A;
        auto objeto = Novo();
        info.copiarDe(*objeto, r.dados());
        EXPECT_FALSE(objeto->Igual(referencia.get())) << "byte " << i;
        EXPECT_FALSE(objeto->EstaVazio()) << "byte " << i;
        Registro volta(info);
        info.copiarPara(*objeto, volta.dados());
        EXPECT_EQ(static_cast<unsigned char*>(volta.dados())[i], 0x5A) << "byte " << i << " did not travel";
        info.liberarCopiarPara(volta.dados());
    }
}

INSTANTIATE_TEST_SUITE_P(TodasAsClasses, Conformidade, teste::TodasAsClasses(), teste::NomeDaClasse);

// The list and the run-time class records, both ways: every description names a loaded record of
// its own name, of the cost-management module; and every loaded data class, derived from
// TNXBaseParaDados, has its description in the list.
TEST(ListaDeClasses, CorrespondeAosRegistrosDeExecucao) {
    for (const InfoClasse* info : NXDadosGC::Classes()) {
        EXPECT_EQ(NXDadosGC::ClassePorNome(info->nome), info);
        EXPECT_EQ(CRuntimeClass::FromName(info->nome), info->classe());
        EXPECT_EQ(info->classe()->m_pfnGetBaseClass(), RUNTIME_CLASS(TNXBaseParaDados)) << info->nome;
        EXPECT_EQ(std::unique_ptr<TNXBaseParaDados>(info->criar())->GetModulo(), NXModulo_GC) << info->nome;
    }
    std::vector<const CRuntimeClass*> dados;
    AfxDoForAllClasses(
        [](const CRuntimeClass* c, void* lista) {
            if (c != RUNTIME_CLASS(TNXBaseParaDados) && c->IsDerivedFrom(RUNTIME_CLASS(TNXBaseParaDados)))
                static_cast<std::vector<const CRuntimeClass*>*>(lista)->push_back(c);
        },
        &dados);
    for (const CRuntimeClass* c : dados) {
        const InfoClasse* info = NXDadosGC::ClassePorNome(c->m_lpszClassName);
        EXPECT_TRUE(info && info->classe() == c) << c->m_lpszClassName << " is not in the list";
    }
    EXPECT_EQ(dados.size(), NXDadosGC::Classes().size());
    EXPECT_EQ(NXDadosGC::ClassePorNome("CNXDadosGC_NaoExiste"), nullptr);
}

}  // namespace
