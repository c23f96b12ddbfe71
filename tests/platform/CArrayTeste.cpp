// CArray's growth rules, element lifetimes and failures, over sizes that cross each growth step;
// AcrescentarConstruindo, whose elements the caller builds in place; and the checked preconditions.
#undef NDEBUG  // NXGC_ASSERT on in this file, whatever the build
#include "NXLDadosGC/platform/CArray.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <limits>
#include <new>
#include <ostream>
#include <vector>

#include "support/Alocacoes.h"

namespace {

using NXTeste::Lanca;
using NXTeste::VigiaAlocacoes;

// An element that counts the live instances, so that a missed or doubled destruction shows.
struct Contado {
    static inline long long vivos = 0;
    int valor = 0;
    Contado() { ++vivos; }
    explicit Contado(int v) : valor(v) { ++vivos; }
    Contado(const Contado& o) : valor(o.valor) { ++vivos; }
    Contado& operator=(const Contado&) = default;
    ~Contado() { --vivos; }
};
using Array = CArray<Contado>;

// Everything observable about an array, to show that a failed operation changed nothing.
struct Estado {
    INT_PTR tamanho, capacidade, passo;
    std::vector<int> valores;
    bool operator==(const Estado&) const = default;
    friend void PrintTo(const Estado& e, std::ostream* os) {
        *os << "{size " << e.tamanho << ", room " << e.capacidade << ", step " << e.passo << "}";
    }
};
Estado EstadoDe(const Array& a) {
    Estado e{a.GetSize(), a.GetCapacidade(), a.GetGrowBy(), {}};
    for (INT_PTR i = 0; i < a.GetSize(); ++i) e.valores.push_back(a[i].valor);
    return e;
}

// Appends n elements valued 0..n-1 one by one (step 100), checking the room after each.
void PreencherPassoCem(Array& a, INT_PTR n) {
    a.SetSize(0, 100);
    for (INT_PTR k = 1; k <= n; ++k) {
        Contado c;
        c.valor = static_cast<int>(k - 1);
        ASSERT_EQ(a.Add(c), k - 1);
        ASSERT_EQ(a.GetCapacidade(), (k + 99) / 100 * 100) << "after " << k << " elements";
    }
}

class CArrayPorTamanho : public ::testing::TestWithParam<INT_PTR> {
protected:
    void TearDown() override { EXPECT_EQ(Contado::vivos, 0); }
    VigiaAlocacoes m_vigia;
    const INT_PTR m_n = GetParam();
};

TEST_P(CArrayPorTamanho, PassoCemRemoveAtERemoveAll) {
    Array a;
    PreencherPassoCem(a, m_n);
    for (INT_PTR i = 0; i < m_n; ++i) ASSERT_EQ(a[i].valor, i) << "moved with the storage";
    EXPECT_EQ(Contado::vivos, m_n);
    if (m_n >= 4) {
        a.RemoveAt(1, 2);  // values 1 and 2 go; the later ones move down
        ASSERT_EQ(a.GetSize(), m_n - 2);
        for (INT_PTR i = 1; i < m_n - 2; ++i) ASSERT_EQ(a[i].valor, i + 2);
        a.RemoveAt(0);  // one element by default
        EXPECT_EQ(a[0].valor, 3);
        EXPECT_EQ(a.GetCapacidade(), (m_n + 99) / 100 * 100);  // removing never releases room
    }
    const long long liberadas = m_vigia.Liberacoes();
    a.RemoveAll();  // destroys, releases the room, keeps the step
    EXPECT_EQ(Contado::vivos, 0);
    EXPECT_EQ(EstadoDe(a), (Estado{0, 0, 100, {}}));
    EXPECT_EQ(m_vigia.Liberacoes() - liberadas, m_n ? 1 : 0);
    a.Add(Contado{});
    EXPECT_EQ(a.GetCapacidade(), 100);

    Array b;  // one SetSize: max(n, step), then the step, or the need if larger
    b.SetSize(m_n, 100);
    const INT_PTR sala = m_n ? std::max<INT_PTR>(m_n, 100) : 0;
    EXPECT_EQ(b.GetCapacidade(), sala);
    b.SetSize(sala + 1);
    EXPECT_EQ(b.GetCapacidade(), sala ? sala + 100 : 100);
    b.SetSize(b.GetCapacidade() + 150);
    EXPECT_EQ(b.GetCapacidade(), b.GetSize());
}

TEST_P(CArrayPorTamanho, CrescimentoAutomaticoDepoisDePassoZero) {
    Array a;
    a.SetSize(0, 100);
    a.SetSize(m_n, 0);
    EXPECT_EQ(EstadoDe(a), (Estado{m_n, m_n, 0, std::vector<int>(static_cast<std::size_t>(m_n), 0)}));
    for (INT_PTR i = 0; i < m_n; ++i) a[i].valor = static_cast<int>(i);
    a.Add(Contado{});  // an eighth of the size, clamped to 4..1024
    EXPECT_EQ(a.GetCapacidade(), m_n ? m_n + std::clamp<INT_PTR>(m_n / 8, 4, 1024) : 1);
    for (INT_PTR i = 0; i < m_n; ++i) ASSERT_EQ(a[i].valor, i) << "moved with the storage";
    const INT_PTR salto = a.GetCapacidade() + 2000;  // beyond any automatic step: the need
    a.SetSize(salto);
    EXPECT_EQ(a.GetCapacidade(), salto);
    a.SetSize(1);  // shrinking destroys but keeps the room
    EXPECT_EQ(a.GetCapacidade(), salto);
    EXPECT_EQ(Contado::vivos, 1);
}

TEST_P(CArrayPorTamanho, ErrosNaoMudamNada) {
    Array a;
    a.SetSize(0, 100);
    a.SetSize(m_n, 0);  // full: the next element needs new room
    for (INT_PTR i = 0; i < m_n; ++i) a[i].valor = static_cast<int>(i * 3);
    const Estado antes = EstadoDe(a);

    constexpr INT_PTR kDemais = std::numeric_limits<INT_PTR>::max() / sizeof(Contado) + 1;
    EXPECT_TRUE(Lanca<CInvalidArgException>([&] { a.SetSize(-1, 100); }));
    EXPECT_TRUE(Lanca<CInvalidArgException>([&] { a.SetSize(kDemais); }));  // the byte count overflows
    for (INT_PTR i : {INT_PTR{-1}, m_n}) EXPECT_TRUE(Lanca<CInvalidArgException>([&] { a.RemoveAt(i); })) << i;
    EXPECT_TRUE(Lanca<CInvalidArgException>([&] { a.RemoveAt(0, m_n + 1); }));
    EXPECT_TRUE(Lanca<CInvalidArgException>([&] { a.RemoveAt(0, -1); }));
    EXPECT_EQ(EstadoDe(a), antes);

    VigiaAlocacoes::FalharNa(1);
    EXPECT_TRUE(Lanca<CMemoryException>([&] { a.Add(Contado{}); }));
    EXPECT_EQ(EstadoDe(a), antes);
    VigiaAlocacoes::FalharNa(1);
    EXPECT_TRUE(Lanca<CMemoryException>([&] { a.SetSize(m_n + 1, 100); }));
    EXPECT_EQ(EstadoDe(a), antes) << "a failed SetSize must not take its new step either";
    bool construido = false;
    VigiaAlocacoes::FalharNa(1);
    EXPECT_TRUE(Lanca<CMemoryException>(
        [&] { a.AcrescentarConstruindo(1, 100, [&](void*, INT_PTR) { construido = true; }); }));
    EXPECT_FALSE(construido);
    EXPECT_EQ(EstadoDe(a), antes) << "nor AcrescentarConstruindo";
    EXPECT_EQ(Contado::vivos, m_n);

    if (m_n > 0) {  // with room to spare nothing is allocated: the armed failure waits
        a.SetSize(m_n + 1);
        a.SetSize(m_n);
        VigiaAlocacoes::FalharNa(1);
        a.SetSize(m_n + 1);
        EXPECT_TRUE(VigiaAlocacoes::FalhaPendente());
        VigiaAlocacoes::FalharNa(0);
    }
}

INSTANTIATE_TEST_SUITE_P(Tamanhos, CArrayPorTamanho,
                         ::testing::Values(0, 1, 2, 4, 5, 8, 40, 99, 100, 101, 200, 201, 8192, 10000));

// Two arrays brought to the same state, one by SetSize and one by AcrescentarConstruindo, from
// the same start: same size, room and step, and the built values in place.
TEST(CArrayConstrucao, MesmoEspacoEPassoQueSetSize) {
    const struct {
        INT_PTR inicial, passoInicial, acrescimo, passo;
    } kCasos[]{
        {0, 0, 7, 0},       // first allocation with automatic growth: exactly 7
        {0, 100, 1, -1},    // first allocation with step 100: room for 100
        {3, 100, 1, -1},    // one more with room to spare: nothing allocated
        {100, 100, 1, -1},  // full at step 100: room grows by 100
        {40, 0, 1, -1},     // automatic growth: by max(4, size/8)
        {3, 100, 0, 0},     // nothing added, the step still changes
        {0, 100, 0, 0},     // nothing at all: the step changes, nothing is allocated
    };
    for (const auto& c : kCasos) {
        SCOPED_TRACE(testing::Message() << c.inicial << " +" << c.acrescimo << " step " << c.passo);
        VigiaAlocacoes vigia;
        {
            CArray<Contado> a, b;
            a.SetSize(c.inicial, c.passoInicial);
            b.SetSize(c.inicial, c.passoInicial);
            a.SetSize(c.inicial + c.acrescimo, c.passo);
            b.AcrescentarConstruindo(c.acrescimo, c.passo,
                                     [&](void* lugar, INT_PTR k) { ::new (lugar) Contado(static_cast<int>(k)); });
            EXPECT_EQ(b.GetSize(), a.GetSize());
            EXPECT_EQ(b.GetCapacidade(), a.GetCapacidade());
            EXPECT_EQ(b.GetGrowBy(), a.GetGrowBy());
            for (INT_PTR k = 0; k < c.acrescimo; ++k) EXPECT_EQ(b[c.inicial + k].valor, k);
        }
        EXPECT_EQ(Contado::vivos, 0);
    }
}

// An index outside the array, or adding one of its own elements, aborts naming the condition,
// the file and the line.
TEST(CArrayDeathTest, PrecondicaoFalhaAborta) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    Array a;
    a.SetSize(2);
    const Array& c = a;
    const char* const kIndice = "CArray\\.h:[0-9]+: NXGC_ASSERT\\(i >= 0 && i < m_nSize\\) failed";
    const struct {
        const char* nome;
        std::function<void()> f;
        const char* mensagem;
    } kCasos[]{
        {"operator[] -1", [&] { a[-1].valor = 1; }, kIndice},
        {"operator[] const 2", [&] { (void)c[2]; }, kIndice},
        {"GetAt 2", [&] { (void)c.GetAt(2); }, kIndice},
        {"ElementAt -1", [&] { a.ElementAt(-1).valor = 1; }, kIndice},
        {"SetAt 2", [&] { a.SetAt(2, Contado{}); }, kIndice},
        {"Add of its own element", [&] { a.Add(a[1]); }, "NXGC_ASSERT\\(!Contem\\(&e\\)\\) failed"},
    };
    for (const auto& caso : kCasos) EXPECT_DEATH(caso.f(), caso.mensagem) << caso.nome;
}

}  // namespace
