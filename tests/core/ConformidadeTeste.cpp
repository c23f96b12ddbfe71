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

template <class C>
using Mudancas = std::vector<std::pair<const char*, std::function<void(C&)>>>;

// Per class: a sample with every field and child set, the ways to make a new object non-empty
// one field or child at a time, a class with another record, and the blocks the sample writes.
template <class C>
struct Amostra;

template <>
struct Amostra<CTeste_Linha> {
    using Outra = CTeste_Chave;
    static constexpr int kBlocos = 0;
    static CTeste_Linha Cheia() { return Linha(-1, 0x80000000, 0x80); }
    static Mudancas<CTeste_Linha> Todas() {
        return {{"Valor", [](auto& o) { o.SetValor(tagCY{1}); }},
                {"Valor negativo", [](auto& o) { o.SetValor(tagCY{-1}); }},
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
                {"Linha vazia", [](auto& o) { o.AdicionaLinha(CTeste_Linha{}); }},
                {"Linha", [](auto& o) { o.AdicionaLinha(Linha(1, 1)); }}};
    }
};

template <>
struct Amostra<CTeste_Dono> {
    using Outra = CTeste_Grupo;
    static constexpr int kBlocos = kBlocosDonoCompleto;
    static CTeste_Dono Cheia() { return DonoCompleto(); }
    static Mudancas<CTeste_Dono> Todas() {
        CTeste_Chave chave;
        chave.SetFilial(2);
        return {{"Total", [](auto& o) { o.SetTotal(tagCY{1}); }},
                {"Situacao", [](auto& o) { o.SetSituacao(1); }},
                {"Chave pelo membro", [](auto& o) { o.GetChave().SetConta(1); }},
                {"Chave inteira", [chave](auto& o) { o.SetChave(chave); }},
                {"Linha vazia", [](auto& o) { o.AdicionaLinha(CTeste_Linha{}); }},
                {"Grupo vazio", [](auto& o) { o.AdicionaGrupo(CTeste_Grupo{}); }},
                {"Extra vazio", [](auto& o) { o.IncluiExtra(); }},
                {"Extra", [](auto& o) { o.SetExtra(Linha(0, 0, 1)); }},
                {"Numero zero", [](auto& o) { o.AdicionaNumero(0); }}};
    }
};

// The bytes of a record that belong to children (counts, pointers, member-key areas): zero in a
// live object's own record, filled only in a record on its way in or out.
template <class REG>
std::vector<bool> BytesDeFilhos() {
    std::vector<bool> mascara(sizeof(REG), false);
    for (const NXDadosGC::CampoInfo& c : NXDadosGC::CamposDe<REG>()) {
        using NXDadosGC::TipoCampo;
        if (c.tipo == TipoCampo::Quantidade || c.tipo == TipoCampo::Ponteiro || c.tipo == TipoCampo::Registro)
            for (std::uint32_t i = 0; i < c.largura; ++i) mascara[c.deslocamento + i] = true;
    }
    return mascara;
}

template <class C>
class Conformidade : public ::testing::Test {
protected:
    using REG = typename C::Registro;
    VigiaAlocacoes m_vigia;  // declared first: checked after every object of the test is gone
};
using Classes = ::testing::Types<CTeste_Linha, CTeste_Chave, CTeste_Grupo, CTeste_Dono>;
class NomesDasClasses {
public:
    template <class C>
    static std::string GetName(int) {
        return C::GetThisClass()->m_lpszClassName;
    }
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
    const CRuntimeClass* cadeia[] = {RUNTIME_CLASS(TNXBaseParaDados), RUNTIME_CLASS(TNXBaseObject),
                                     RUNTIME_CLASS(CObject), nullptr};
    for (const CRuntimeClass* esperada : cadeia) {
        c = c->m_pfnGetBaseClass ? c->m_pfnGetBaseClass() : nullptr;
        EXPECT_EQ(c, esperada);
        if (c) {
            EXPECT_TRUE(novo.IsKindOf(c));
        }
    }
    using Outra = typename Amostra<TypeParam>::Outra;
    EXPECT_FALSE(novo.IsKindOf(RUNTIME_CLASS(Outra)));
    EXPECT_EQ(base.GetModulo(), NXModulo_GC);
    EXPECT_EQ(static_cast<int>(base.GetModulo()), 22);
}

TYPED_TEST(Conformidade, VazioSoQuandoIgualAUmNovo) {
    const TypeParam novo;
    EXPECT_TRUE(novo.EstaVazio());
    for (const auto& [nome, mudar] : Amostra<TypeParam>::Todas()) {
        SCOPED_TRACE(nome);
        TypeParam o;
        mudar(o);
        EXPECT_FALSE(o.EstaVazio());
        EXPECT_TRUE(o != novo);
        o.Limpar();
        EXPECT_TRUE(o.EstaVazio());
        EXPECT_TRUE(o == novo);
    }
    TypeParam cheia = Amostra<TypeParam>::Cheia();
    EXPECT_FALSE(cheia.EstaVazio());
    cheia.Limpar();
    EXPECT_TRUE(cheia.EstaVazio());
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
        EXPECT_TRUE(o == cheia) << "byte " << i;
    }
}

TYPED_TEST(Conformidade, IdaEVoltaPorRegistro) {
    using REG = typename TestFixture::REG;
    const TypeParam original = Amostra<TypeParam>::Cheia();
    const std::vector<bool> filhos = BytesDeFilhos<REG>();
    for (Alocador alocador : {Alocador::Heap, Alocador::Tarefa}) {
        SCOPED_TRACE(alocador == Alocador::Heap ? "CopiarPara" : "CopiarParaPS");
        REG r;
        std::memset(static_cast<void*>(&r), 0xA5, sizeof r);  // stale bytes are overwritten
        const long long alocacoes = this->m_vigia.Alocacoes(), tarefa = this->m_vigia.AlocacoesTarefa();
        if (alocador == Alocador::Heap) original.CopiarPara(&r);
        else original.CopiarParaPS(&r);
        const int blocos = ContarBlocos(r);
        EXPECT_EQ(blocos, Amostra<TypeParam>::kBlocos);
        EXPECT_EQ(this->m_vigia.Alocacoes() - alocacoes, blocos);
        EXPECT_EQ(this->m_vigia.AlocacoesTarefa() - tarefa, alocador == Alocador::Tarefa ? blocos : 0);

        const std::vector<unsigned char> foto = Foto(r);
        TypeParam volta;
        Amostra<TypeParam>::Todas().back().second(volta);  // CopiarDe replaces what was there
        volta.CopiarDe(&r);
        EXPECT_TRUE(volta == original);
        EXPECT_EQ(Foto(r), foto) << "CopiarDe changed what it was given";
        // The object's own record: the record's bytes, except zero where children travel.
        const auto* proprio = reinterpret_cast<const unsigned char*>(&volta.GetReg());
        const auto* recebido = reinterpret_cast<const unsigned char*>(&r);
        for (std::size_t i = 0; i < sizeof(REG); ++i)
            EXPECT_EQ(proprio[i], filhos[i] ? 0 : recebido[i]) << "byte " << i;
        LiberarArvore(r, alocador);
    }
}

TYPED_TEST(Conformidade, CopiaEAtribuicao) {
    const TypeParam cheia = Amostra<TypeParam>::Cheia();
    TypeParam a = cheia;
    const TypeParam b(a);
    EXPECT_TRUE(b == cheia);
    TypeParam c;
    Amostra<TypeParam>::Todas().front().second(c);
    c = a;  // replaces what was there
    EXPECT_TRUE(c == cheia);
    TypeParam& mesma = c;
    c = mesma;
    EXPECT_TRUE(c == cheia);
    c.Copiar(&c);
    EXPECT_TRUE(c == cheia);
    TypeParam d;
    d = std::move(a);
    EXPECT_TRUE(d == cheia);
    EXPECT_TRUE(a == cheia) << "assignment from an rvalue emptied its source";
    EXPECT_TRUE(a.Igual(&a));
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
    TNXBaseParaDados base, outro;
    const CTeste_Dono dono = DonoCompleto();
    EXPECT_TRUE(base.EstaVazio());
    EXPECT_TRUE(base.Igual(&outro));
    EXPECT_TRUE(base.Igual(&dono));
    EXPECT_TRUE(base.Igual(nullptr));  // no argument check at this level
    base.Copiar(&dono);
    base.Limpar();
    EXPECT_TRUE(base.EstaVazio());
    EXPECT_TRUE(dono == DonoCompleto());
    EXPECT_EQ(base.GetModulo(), 1);
    const ULONG valor = 0xCAFEF00D;
    EXPECT_EQ(base.GetValorInicial(&valor), valor);
    EXPECT_EQ(base.GetValorInicial(nullptr), 0u);
}

TEST(TNXBaseParaDados, RegistrosDaBase) {
    const struct {
        const CRuntimeClass* classe;
        const char* nome;
        int tamanho;
        const CRuntimeClass* base;
    } kCases[]{
        {RUNTIME_CLASS(TNXBaseObject), "TNXBaseObject", sizeof(TNXBaseObject), RUNTIME_CLASS(CObject)},
        {RUNTIME_CLASS(TNXBaseParaDados), "TNXBaseParaDados", sizeof(TNXBaseParaDados), RUNTIME_CLASS(TNXBaseObject)},
    };
    for (const auto& c : kCases) {
        EXPECT_STREQ(c.classe->m_lpszClassName, c.nome);
        EXPECT_EQ(c.classe->m_nObjectSize, c.tamanho);
        EXPECT_EQ(c.classe->m_wSchema, 0xFFFFu);
        EXPECT_EQ(c.classe->m_pfnCreateObject, nullptr);
        EXPECT_EQ(c.classe->m_pfnGetBaseClass(), c.base);
        EXPECT_EQ(CRuntimeClass::FromName(c.nome), c.classe);
    }
    // Two table pointers, CObject's first, and no data.
    EXPECT_EQ(sizeof(TNXBaseParaDados), 2 * sizeof(void*));
    TNXBaseParaDados o;
    EXPECT_EQ(static_cast<void*>(static_cast<CObject*>(&o)), static_cast<void*>(&o));
    EXPECT_EQ(reinterpret_cast<char*>(static_cast<TNXBase*>(&o)) - reinterpret_cast<char*>(&o),
              static_cast<std::ptrdiff_t>(sizeof(void*)));
    EXPECT_EQ(CRuntimeClass::FromName("T_NXDadosRegistro"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("T_NXDadosRegistroComLista"), nullptr);
}

}  // namespace
