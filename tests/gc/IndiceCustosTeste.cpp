// Cost indices: the user-defined values and the relation items as arrays of flat records, list
// order, bad indices and failed allocations (both lists through one typed suite), the cut of an
// over-long description, and the identification's member key.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "NXLDadosGC/platform/Alocacao.h"

namespace {

// The allocator a record tree is written with, and the release that matches it.
enum class Via { Heap, Tarefa };
constexpr Via kVias[] = {Via::Heap, Via::Tarefa};

template <class Classe>
void Escrever(Via via, const Classe& objeto, typename Classe::Registro* destino) {
    if (via == Via::Heap) objeto.CopiarPara(destino);
    else objeto.CopiarParaPS(destino);
}

template <class R>
void Liberar(Via via, R* bloco) {
    if (!bloco) return;
    if (via == Via::Tarefa) {
        CoTaskMemFree(bloco);
    } else {
        AfxRegistrarLiberacao();  // CopiarPara's blocks were counted when allocated
        delete[] bloco;
    }
}

// Blocks allocated since construction and not yet released (every allocator).
class Saldo {
public:
    long long Pendentes() const {
        const NXContadoresAlocacao& c = AfxContadoresAlocacao();
        return (c.alocacoes - m_alocacoes) - (c.liberacoes - m_liberacoes);
    }

private:
    long long m_alocacoes = AfxContadoresAlocacao().alocacoes;
    long long m_liberacoes = AfxContadoresAlocacao().liberacoes;
};

template <class T>
T Ler(const void* base, std::size_t deslocamento) {
    T valor;
    std::memcpy(static_cast<void*>(&valor), static_cast<const unsigned char*>(base) + deslocamento, sizeof valor);
    return valor;
}
template <class T>
void Gravar(void* base, std::size_t deslocamento, T valor) {
    std::memcpy(static_cast<unsigned char*>(base) + deslocamento, &valor, sizeof valor);
}

template <class E, class F>
bool Lanca(F&& f) {
    try {
        f();
    } catch (E* e) {
        e->Delete();
        return true;
    }
    return false;
}

_REG_POSICAO_PRODUTOPS Posicao(int semente) {
    _REG_POSICAO_PRODUTOPS p{};
    for (int i = 0; i < 16; ++i) p.m_Bytes[i] = static_cast<unsigned char>(semente * 16 + i + 1);
    return p;
}

// One list of a class under test: its owner, element, the offsets of its (count, pointer) pair
// and the size of one child record, and its accessors by name.
#define NX_LISTA_EM_TESTE(Traco, DonoT, ElementoT, Lista, quantidade, ponteiro, tamanho, fabrica)             \
    struct Traco {                                                                                          \
        using Dono = DonoT;                                                                                 \
        using Elemento = ElementoT;                                                                         \
        static constexpr std::size_t kQuantidade = quantidade, kPonteiro = ponteiro, kTamanho = tamanho;   \
        static Elemento Novo(int i) { return fabrica(i); }                                                  \
        static Dono Dono3() {                                                                               \
            Dono d;                                                                                         \
            d.SetPosicao(7).SetCodigo(CString("C-7"));                                                     \
            for (int i = 0; i < 3; ++i) d.Adiciona##Lista(Novo(i));                                        \
            return d;                                                                                       \
        }                                                                                                   \
        static void Adiciona(Dono& d, const Elemento& e) { d.Adiciona##Lista(e); }                         \
        static INT_PTR Quantidade(const Dono& d) { return d.GetQuantidade##Lista(); }                      \
        static const Elemento& Get(const Dono& d, INT_PTR i) { return d.Get##Lista(i); }                   \
        static void Troca(Dono& d, INT_PTR i, INT_PTR j) { d.Troca##Lista(i, j); }                         \
        static void RemoveTodos(Dono& d) { d.RemoveTodos##Lista(); }                                        \
        static auto*& Ponteiro(typename Dono::Registro& r) { return r.p##Lista; }                          \
        static std::vector<std::pair<const char*, std::function<void(Dono&, INT_PTR)>>> ComIndice() {     \
            return {                                                                                        \
                {"Get", [](Dono& d, INT_PTR i) { (void)d.Get##Lista(i); }},                                 \
                {"GetConstRef", [](Dono& d, INT_PTR i) { (void)d.GetConstRef##Lista(i); }},                 \
                {"GetRef", [](Dono& d, INT_PTR i) { (void)d.GetRef##Lista(i); }},                           \
                {"GetPtr", [](Dono& d, INT_PTR i) { (void)d.GetPtr##Lista(i); }},                           \
                {"GetPtr const", [](Dono& d, INT_PTR i) { (void)std::as_const(d).GetPtr##Lista(i); }},      \
                {"Set", [](Dono& d, INT_PTR i) { d.Set##Lista(i, Novo(9)); }},                              \
                {"Deletar", [](Dono& d, INT_PTR i) { d.Deletar##Lista(i); }},                               \
                {"Troca(i, 0)", [](Dono& d, INT_PTR i) { d.Troca##Lista(i, 0); }},                          \
                {"Troca(0, i)", [](Dono& d, INT_PTR i) { d.Troca##Lista(0, i); }},                          \
            };                                                                                              \
        }                                                                                                   \
    };

CNXDadosGC_IndiceCustosValorPersonalizado ValorPersonalizado(int i) {
    CNXDadosGC_IndiceCustosValorPersonalizado v;
    v.SetValor(tagCY{12345 + 1000 * i}).SetDescricao(FormataTexto("indice %d", i));
    return v;
}
CNXDadosGC_RelacaoIndiceProdutoItem Item(int i) {
    CNXDadosGC_RelacaoIndiceProdutoItem item;
    item.SetPosicaoProduto(Posicao(i)).SetPonteiroIndiceCusto(static_cast<ULONG>(0x1000 + i));
    return item;
}

NX_LISTA_EM_TESTE(ValoresPersonalizados, CNXDadosGC_IndiceCustos, CNXDadosGC_IndiceCustosValorPersonalizado,
                  ValorPersonalizado, 116, 184, 40, ValorPersonalizado)
NX_LISTA_EM_TESTE(ItensRelacao, CNXDadosGC_RelacaoIndiceProduto, CNXDadosGC_RelacaoIndiceProdutoItem, Item, 4, 72,
                  24, Item)

template <class L>
class ListasIndiceCustos : public ::testing::Test {};
using Listas = ::testing::Types<ValoresPersonalizados, ItensRelacao>;
TYPED_TEST_SUITE(ListasIndiceCustos, Listas);

template <class Dono>
void EsperarParZero(const Dono& d, std::size_t quantidade, std::size_t ponteiro) {
    EXPECT_EQ(Ler<ULONG>(&d.GetReg(), quantidade), 0u);
    EXPECT_EQ(Ler<void*>(&d.GetReg(), ponteiro), nullptr);
}

// Count and pointer at their offsets, one record per element in list order at the record size,
// and back through CopiarDe, which only reads.
TYPED_TEST(ListasIndiceCustos, IdaEVoltaEmOrdem) {
    using L = TypeParam;
    using REG = typename L::Dono::Registro;
    static_assert(sizeof(typename L::Elemento::Registro) == L::kTamanho);
    for (Via via : kVias) {
        SCOPED_TRACE(via == Via::Heap ? "CopiarPara" : "CopiarParaPS");
        Saldo saldo;
        {
            const auto dono = L::Dono3();
            REG reg;
            std::memset(static_cast<void*>(&reg), 0xAB, sizeof reg);
            Escrever(via, dono, &reg);
            EsperarParZero(dono, L::kQuantidade, L::kPonteiro);

            ASSERT_EQ(Ler<ULONG>(&reg, L::kQuantidade), 3u);
            const auto* bloco = Ler<const unsigned char*>(&reg, L::kPonteiro);
            ASSERT_NE(bloco, nullptr);
            ASSERT_EQ(static_cast<const void*>(bloco), static_cast<const void*>(L::Ponteiro(reg)));
            for (int i = 0; i < 3; ++i) {
                typename L::Elemento::Registro esperado;
                L::Novo(i).CopiarPara(&esperado);
                EXPECT_EQ(std::memcmp(bloco + i * L::kTamanho, &esperado, L::kTamanho), 0) << "record " << i;
            }

            const REG antes = reg;
            const std::string blocoAntes(reinterpret_cast<const char*>(bloco), 3 * L::kTamanho);
            typename L::Dono volta;
            volta.CopiarDe(&reg);
            EXPECT_EQ(std::memcmp(&reg, &antes, sizeof reg), 0) << "CopiarDe changed its source";
            EXPECT_EQ(std::string(reinterpret_cast<const char*>(bloco), 3 * L::kTamanho), blocoAntes);
            EXPECT_TRUE(volta == dono);
            ASSERT_EQ(L::Quantidade(volta), 3);
            for (int i = 0; i < 3; ++i) EXPECT_TRUE(L::Get(volta, i) == L::Novo(i)) << "element " << i;
            EsperarParZero(volta, L::kQuantidade, L::kPonteiro);
            Liberar(via, L::Ponteiro(reg));
        }
        EXPECT_EQ(saldo.Pendentes(), 0);
    }
}

// A pair with a count and no pointer, or a pointer and no count, brings no elements; the
// elements held before CopiarDe go.
TYPED_TEST(ListasIndiceCustos, ParIncompletoNaoTrazElementos) {
    using L = TypeParam;
    auto semElementos = L::Dono3();
    L::RemoveTodos(semElementos);
    typename L::Dono::Registro base;
    semElementos.CopiarPara(&base);
    typename L::Elemento::Registro filhos[2];
    L::Novo(0).CopiarPara(&filhos[0]);
    L::Novo(1).CopiarPara(&filhos[1]);

    struct Caso {
        ULONG quantidade;
        bool comPonteiro;
    };
    for (const Caso caso : {Caso{3, false}, Caso{0, true}}) {
        SCOPED_TRACE(caso.comPonteiro ? "pointer, count 0" : "count 3, null pointer");
        auto reg = base;
        Gravar<ULONG>(&reg, L::kQuantidade, caso.quantidade);
        L::Ponteiro(reg) = caso.comPonteiro ? filhos : nullptr;
        auto volta = L::Dono3();
        volta.CopiarDe(&reg);
        EXPECT_EQ(L::Quantidade(volta), 0);
        EsperarParZero(volta, L::kQuantidade, L::kPonteiro);
        EXPECT_TRUE(volta == semElementos);
    }
}

TYPED_TEST(ListasIndiceCustos, OrdemDosElementosConta) {
    using L = TypeParam;
    typename L::Dono a, b;
    L::Adiciona(a, L::Novo(0));
    L::Adiciona(a, L::Novo(1));
    L::Adiciona(b, L::Novo(1));
    L::Adiciona(b, L::Novo(0));
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(a != b);
    L::Troca(b, 0, 1);
    EXPECT_TRUE(a == b);
}

TYPED_TEST(ListasIndiceCustos, IndiceInvalidoNaoMudaNada) {
    using L = TypeParam;
    auto dono = L::Dono3();
    const auto copia = dono;
    const INT_PTR indices[] = {-1, 3, std::numeric_limits<INT_PTR>::min(), std::numeric_limits<INT_PTR>::max()};
    for (const auto& [nome, operacao] : L::ComIndice()) {
        for (const INT_PTR i : indices) {
            EXPECT_TRUE(Lanca<CInvalidArgException>([&] { operacao(dono, i); })) << nome << "(" << i << ")";
            EXPECT_TRUE(dono == copia) << nome << "(" << i << ") changed the object";
        }
    }
}

// The failing allocation is always the first one: the array of the list.
TYPED_TEST(ListasIndiceCustos, FalhaDeAlocacao) {
    using L = TypeParam;
    using REG = typename L::Dono::Registro;
    NXContadoresAlocacao& contadores = AfxContadoresAlocacao();
    Saldo saldo;
    {
        const auto dono = L::Dono3();
        const auto elemento = L::Novo(0);
        for (Via via : kVias) {
            SCOPED_TRACE(via == Via::Heap ? "CopiarPara" : "CopiarParaPS");
            REG reg;
            std::memset(static_cast<void*>(&reg), 0xAB, sizeof reg);
            contadores.falharNaAlocacao = 1;
            EXPECT_TRUE(Lanca<CMemoryException>([&] { Escrever(via, dono, &reg); }));
            contadores.falharNaAlocacao = 0;
            // The record is written and its pair left (0, null): nothing to release.
            EXPECT_EQ(std::memcmp(&reg, &dono.GetReg(), sizeof reg), 0);
        }

        REG reg;
        dono.CopiarPara(&reg);
        const REG antes = reg;
        auto volta = L::Dono3();
        contadores.falharNaAlocacao = 1;
        EXPECT_TRUE(Lanca<CMemoryException>([&] { volta.CopiarDe(&reg); }));
        contadores.falharNaAlocacao = 0;
        EXPECT_TRUE(volta.EstaVazio()) << "a failed CopiarDe leaves the object empty";
        EXPECT_EQ(std::memcmp(&reg, &antes, sizeof reg), 0);
        Liberar(Via::Heap, L::Ponteiro(reg));

        typename L::Dono novo;
        contadores.falharNaAlocacao = 1;
        EXPECT_TRUE(Lanca<CMemoryException>([&] { L::Adiciona(novo, elemento); }));
        contadores.falharNaAlocacao = 0;
        EXPECT_EQ(L::Quantidade(novo), 0);
        EXPECT_TRUE(novo.EstaVazio());
    }
    EXPECT_EQ(saldo.Pendentes(), 0);
}

TEST(IndiceCustosPersonalizado, DescricaoLongaCortadaEm30) {
    const std::string texto = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcd";
    ASSERT_EQ(texto.size(), 40u);
    CNXDadosGC_IndiceCustosPersonalizado personalizado;
    personalizado.SetPosicao(3).SetDescricao(CString(texto.c_str()));
    EXPECT_EQ(std::string(personalizado.GetDescricao().Visao()), texto.substr(0, 30));
    _REG_GC_INDICE_CUSTOS_PERSONALIZADOPS reg;
    personalizado.CopiarPara(&reg);
    const auto* bytes = reinterpret_cast<const unsigned char*>(&reg);
    EXPECT_EQ(std::memcmp(bytes + 4, texto.data(), 30), 0);
    for (std::size_t i = 34; i < sizeof reg; ++i) EXPECT_EQ(bytes[i], 0) << "byte " << i;
}

// The key travels in the first 24 bytes of the record and lives in the member meanwhile.
TEST(IdentificacaoIndiceCustos, ChaveMembroRestauradaEDevolvida) {
    _REG_GC_IDENTIFICACAO_INDICE_CUSTOSPS fonte;
    std::memset(static_cast<void*>(&fonte), 0, sizeof fonte);
    fonte.KeyProdutoServico.PosicaoProdutoServico = Posicao(5);
    fonte.KeyProdutoServico.TipoProdutoServico = 2;
    fonte.Posicao = 11;
    fonte.PonteiroIndiceCustos = 22;
    fonte.FretePorConta = 1;
    std::memcpy(fonte.Codigo, "ID-1", 5);
    const auto antes = fonte;

    for (Via via : kVias) {
        SCOPED_TRACE(via == Via::Heap ? "CopiarPara" : "CopiarParaPS");
        CNXDadosGC_IdentificacaoIndiceCustos id;
        id.CopiarDe(&fonte);
        EXPECT_EQ(std::memcmp(&fonte, &antes, sizeof fonte), 0);
        EXPECT_EQ(id.GetKeyProdutoServico().GetPosicaoProdutoServico(), Posicao(5));
        EXPECT_EQ(id.GetKeyProdutoServico().GetTipoProdutoServico(), 2);
        EXPECT_EQ(id.GetPosicao(), 11u);
        const auto* proprio = reinterpret_cast<const unsigned char*>(&id.GetReg());
        for (std::size_t i = 0; i < 24; ++i) EXPECT_EQ(proprio[i], 0) << "byte " << i << " of the object's record";
        EXPECT_EQ(std::memcmp(proprio + 24, reinterpret_cast<const unsigned char*>(&fonte) + 24, sizeof fonte - 24), 0);

        _REG_GC_IDENTIFICACAO_INDICE_CUSTOSPS destino;
        std::memset(static_cast<void*>(&destino), 0xCD, sizeof destino);
        Escrever(via, id, &destino);
        EXPECT_EQ(std::memcmp(&destino, &fonte, sizeof destino), 0);

        CNXDadosGC_IdentificacaoIndiceCustos outra(id);
        EXPECT_TRUE(outra == id);
        outra.GetKeyProdutoServico().SetTipoProdutoServico(3);
        EXPECT_FALSE(outra == id) << "identifications with different keys are equal";
    }
}

TEST(IdentificacaoIndiceCustos, SetKeyProdutoServicoFicaNoMembro) {
    CNXDadosGC_KeyProdutoServico chave;
    chave.SetPosicaoProdutoServico(Posicao(1)).SetTipoProdutoServico(4);
    CNXDadosGC_IdentificacaoIndiceCustos id;
    id.SetKeyProdutoServico(chave);
    EXPECT_FALSE(id.EstaVazio());
    const auto* proprio = reinterpret_cast<const unsigned char*>(&id.GetReg());
    for (std::size_t i = 0; i < sizeof id.GetReg(); ++i) EXPECT_EQ(proprio[i], 0) << "byte " << i;
    _REG_GC_IDENTIFICACAO_INDICE_CUSTOSPS reg;
    id.CopiarPara(&reg);
    EXPECT_EQ(std::memcmp(&reg.KeyProdutoServico, &chave.GetReg(), sizeof reg.KeyProdutoServico), 0);
}

}  // namespace
