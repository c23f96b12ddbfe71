// What every data class must do, run over each test class: a plain record, a key, an owner of
// a nested list, and an owner of a key, lists, a holder and numbers.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "ArvoreTeste.h"
#include "support/Alocacoes.h"

namespace {

using namespace NXTeste;

// Per class: a sample with every field and child set, ways to make a new object non-empty one
// field or child at a time, a class with another record, and the blocks the sample writes.
template <class C>
struct Amostra;
template <class C>
using Mudancas = std::vector<std::pair<const char*, std::function<void(C&)>>>;

template <>
struct Amostra<CTeste_Linha> {
    using Outra = CTeste_Chave;
    static constexpr int kBlocos = 0;
    static CTeste_Linha Cheia() { return Linha(-1, 0x80000000, 0x80); }
    static Mudancas<CTeste_Linha> Todas() {
        return {{"Valor", [](auto& o) { o.SetValor(tagCY{-1}); }},
                {"Codigo", [](auto& o) { o.SetCodigo(1); }},
                {"Marca", [](auto& o) { o.SetMarca(1); }}};
    }
};
template <>
struct Amostra<CTeste_Chave> {
    using Outra = CTeste_Linha;
    static constexpr int kBlocos = 0;
    static CTeste_Chave Cheia() {
        CTeste_Chave c;
        c.SetConta(0xFFFFFFFF).SetFilial(0x8001);
        return c;
    }
    static Mudancas<CTeste_Chave> Todas() {
        return {{"Conta", [](auto& o) { o.SetConta(1); }}, {"Filial", [](auto& o) { o.SetFilial(0x100); }}};
    }
};
template <>
struct Amostra<CTeste_Grupo> {
    using Outra = CTeste_Dono;
    static constexpr int kBlocos = 1;
    static CTeste_Grupo Cheia() { return Grupo(9, 3); }
    static Mudancas<CTeste_Grupo> Todas() {
        return {{"Numero", [](auto& o) { o.SetNumero(1); }},
                {"empty line", [](auto& o) { o.AdicionaLinha(CTeste_Linha{}); }}};
    }
};
template <>
struct Amostra<CTeste_Dono> {
    using Outra = CTeste_Grupo;
    static constexpr int kBlocos = kBlocosDonoCompleto;
    static CTeste_Dono Cheia() { return DonoCompleto(); }
    static Mudancas<CTeste_Dono> Todas() {
        return {{"Total", [](auto& o) { o.SetTotal(tagCY{1}); }},
                {"Situacao", [](auto& o) { o.SetSituacao(1); }},
                {"key through the member", [](auto& o) { o.GetChave().SetConta(1); }},
                {"key", [](auto& o) { o.SetChave(Amostra<CTeste_Chave>::Cheia()); }},
                {"empty line", [](auto& o) { o.AdicionaLinha(CTeste_Linha{}); }},
                {"empty group", [](auto& o) { o.AdicionaGrupo(CTeste_Grupo{}); }},
                {"empty held line", [](auto& o) { o.IncluiExtra(); }},
                {"number zero", [](auto& o) { o.AdicionaNumero(0); }}};
    }
};

template <class C>
class Conformidade : public ::testing::Test {
protected:
    using REG = typename C::Registro;
    VigiaAlocacoes m_vigia;  // declared first: checked after every object of the test is gone
};
using Classes = ::testing::Types<CTeste_Linha, CTeste_Chave, CTeste_Grupo, CTeste_Dono>;
struct NomesDasClasses {
    template <class C>
    static std::string GetName(int) { return C::GetThisClass()->m_lpszClassName; }
};
TYPED_TEST_SUITE(Conformidade, Classes, NomesDasClasses);

TYPED_TEST(Conformidade, ClasseDeExecucaoEModulo) {
    TypeParam novo;
    TNXBaseParaDados& base = novo;
    const CRuntimeClass* c = base.GetRuntimeClass();
    EXPECT_EQ(c, RUNTIME_CLASS(TypeParam));
    EXPECT_EQ(c->m_nObjectSize, static_cast<int>(sizeof(TypeParam)));
    EXPECT_EQ(c->m_wSchema, 0xFFFFu);
    EXPECT_EQ(c->m_pfnCreateObject, nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(c->m_lpszClassName), c);
    // The templates have no record of their own: the chain goes straight to TNXBaseParaDados.
    for (const CRuntimeClass* esperada : {RUNTIME_CLASS(TNXBaseParaDados), RUNTIME_CLASS(TNXBaseObject),
                                          RUNTIME_CLASS(CObject), static_cast<CRuntimeClass*>(nullptr)}) {
        c = c->m_pfnGetBaseClass ? c->m_pfnGetBaseClass() : nullptr;
        ASSERT_EQ(c, esperada);
        EXPECT_TRUE(!c || novo.IsKindOf(c));
    }
    using Outra = typename Amostra<TypeParam>::Outra;
    EXPECT_FALSE(novo.IsKindOf(RUNTIME_CLASS(Outra)));
    EXPECT_EQ(base.GetModulo(), 22);
}

TYPED_TEST(Conformidade, VazioSoQuandoIgualAUmNovo) {
    const TypeParam novo;
    EXPECT_TRUE(novo.EstaVazio());
    for (const auto& [nome, mudar] : Amostra<TypeParam>::Todas()) {
        TypeParam o;
        mudar(o);
        EXPECT_FALSE(o.EstaVazio()) << nome;
        EXPECT_TRUE(o != novo) << nome;
        o.Limpar();
        EXPECT_TRUE(o.EstaVazio()) << nome;
    }
    TypeParam cheia = Amostra<TypeParam>::Cheia();
    cheia.Limpar();
    EXPECT_TRUE(cheia == novo);
}

// A hook that skipped part of the record would miss a difference there: try every byte, gaps
// included.
TYPED_TEST(Conformidade, CadaByteDoRegistroConta) {
    const TypeParam cheia = Amostra<TypeParam>::Cheia();
    TypeParam o = cheia, vazio;
    auto* bo = reinterpret_cast<unsigned char*>(&o.GetReg());
    auto* bv = reinterpret_cast<unsigned char*>(&vazio.GetReg());
    for (std::size_t i = 0; i < sizeof(typename TestFixture::REG); ++i) {
        bo[i] ^= 0x40;
        bv[i] ^= 0x40;
        EXPECT_TRUE(o != cheia) << "byte " << i;
        EXPECT_FALSE(vazio.EstaVazio()) << "byte " << i;
        bo[i] ^= 0x40;
        bv[i] ^= 0x40;
    }
    EXPECT_TRUE(o == cheia);
}

// Out and back through each transfer: the allocator used, the source left alone by CopiarDe,
// and the object's own record zero wherever children travel (counts, pointers, key areas).
TYPED_TEST(Conformidade, IdaEVoltaPorRegistro) {
    using REG = typename TestFixture::REG;
    const TypeParam original = Amostra<TypeParam>::Cheia();
    std::vector<bool> deFilhos(sizeof(REG));
    for (const NXDadosGC::CampoInfo& c : NXDadosGC::CamposDe<REG>())
        if (c.tipo == NXDadosGC::TipoCampo::Quantidade || c.tipo == NXDadosGC::TipoCampo::Ponteiro ||
            c.tipo == NXDadosGC::TipoCampo::Registro)
            for (std::uint32_t i = 0; i < c.largura; ++i) deFilhos[c.deslocamento + i] = true;

    for (Alocador alocador : {Alocador::Heap, Alocador::Tarefa}) {
        SCOPED_TRACE(alocador == Alocador::Heap ? "CopiarPara" : "CopiarParaPS");
        REG r;
        std::memset(static_cast<void*>(&r), 0xA5, sizeof r);  // stale bytes are overwritten
        const long long alocacoes = this->m_vigia.Alocacoes(), tarefa = this->m_vigia.AlocacoesTarefa();
        if (alocador == Alocador::Heap) original.CopiarPara(&r);
        else original.CopiarParaPS(&r);
        const Arvore escrita = Percorrer(r);
        EXPECT_EQ(escrita.blocos, Amostra<TypeParam>::kBlocos);
        EXPECT_EQ(this->m_vigia.Alocacoes() - alocacoes, escrita.blocos);
        EXPECT_EQ(this->m_vigia.AlocacoesTarefa() - tarefa, alocador == Alocador::Tarefa ? escrita.blocos : 0);

        TypeParam volta;
        Amostra<TypeParam>::Todas().back().second(volta);  // CopiarDe replaces what was there
        volta.CopiarDe(&r);
        EXPECT_TRUE(volta == original);
        EXPECT_EQ(Foto(r), escrita.bytes) << "CopiarDe changed what it was given";
        const auto* proprio = reinterpret_cast<const unsigned char*>(&volta.GetReg());
        const auto* recebido = reinterpret_cast<const unsigned char*>(&r);
        for (std::size_t i = 0; i < sizeof(REG); ++i)
            EXPECT_EQ(proprio[i], deFilhos[i] ? 0 : recebido[i]) << "byte " << i;
        Liberar<TypeParam>(r, alocador);
    }
}

TYPED_TEST(Conformidade, CopiaEAtribuicao) {
    const TypeParam cheia = Amostra<TypeParam>::Cheia();
    TypeParam a = cheia;
    EXPECT_TRUE(TypeParam(a) == cheia);
    TypeParam c;
    Amostra<TypeParam>::Todas().front().second(c);
    c = a;  // replaces what was there
    EXPECT_TRUE(c == cheia);
    TypeParam& mesma = c;
    c = mesma;
    EXPECT_TRUE(c == cheia);
    TypeParam d;
    d = std::move(a);
    EXPECT_TRUE(d == cheia);
    EXPECT_TRUE(a == cheia) << "assignment from an rvalue emptied its source";
}

TYPED_TEST(Conformidade, OutraClasseNaoCopiaNemIguala) {
    using Outra = typename Amostra<TypeParam>::Outra;
    const TypeParam cheia = Amostra<TypeParam>::Cheia();
    TypeParam o = cheia, vazio;
    const Outra outra = Amostra<Outra>::Cheia();
    const TNXBaseParaDados base;
    for (const TNXBaseParaDados* fonte : {static_cast<const TNXBaseParaDados*>(&outra), &base}) {
        o.Copiar(fonte);
        vazio.Copiar(fonte);
        EXPECT_TRUE(o == cheia);
        EXPECT_TRUE(vazio.EstaVazio());
        EXPECT_FALSE(o.Igual(fonte));
        EXPECT_FALSE(vazio.Igual(fonte));
    }
    EXPECT_FALSE(outra.Igual(&o));
    EXPECT_TRUE(base.Igual(&o));  // the bare protocol is equal to anything
}

TEST(TNXBaseParaDados, UsadoDiretamente) {
    TNXBaseParaDados base;
    const CTeste_Dono dono = DonoCompleto();
    EXPECT_TRUE(base.EstaVazio());
    EXPECT_TRUE(base.Igual(&dono));
    base.Copiar(&dono);
    base.Limpar();
    EXPECT_TRUE(base.EstaVazio());
    EXPECT_TRUE(dono == DonoCompleto());
    EXPECT_EQ(base.GetModulo(), 1);
    const ULONG valor = 0xCAFEF00D;
    EXPECT_EQ(base.GetValorInicial(&valor), valor);
    EXPECT_EQ(base.GetValorInicial(nullptr), 0u);

    // Two table pointers, CObject's first, and no data.
    EXPECT_EQ(sizeof(TNXBaseParaDados), 2 * sizeof(void*));
    EXPECT_EQ(static_cast<void*>(static_cast<CObject*>(&base)), static_cast<void*>(&base));
    const CRuntimeClass* c = RUNTIME_CLASS(TNXBaseParaDados);
    EXPECT_EQ(c->m_nObjectSize, static_cast<int>(sizeof(TNXBaseParaDados)));
    EXPECT_EQ(c->m_pfnGetBaseClass(), RUNTIME_CLASS(TNXBaseObject));
    EXPECT_EQ(CRuntimeClass::FromName("TNXBaseParaDados"), c);
    EXPECT_EQ(CRuntimeClass::FromName("TNXBaseObject"), RUNTIME_CLASS(TNXBaseObject));
    EXPECT_EQ(RUNTIME_CLASS(TNXBaseObject)->m_nObjectSize, static_cast<int>(sizeof(TNXBaseObject)));
    EXPECT_EQ(CRuntimeClass::FromName("T_NXDadosRegistro"), nullptr);
}

}  // namespace
