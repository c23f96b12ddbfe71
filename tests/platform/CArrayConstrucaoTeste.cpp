// CArray::AcrescentarConstruindo: elements built in place by the caller, with exactly the room
// and step SetSize would give, and a failure that keeps what was built before it.
#include "NXLDadosGC/platform/CArray.h"

#include <gtest/gtest.h>

#include <new>

#include "support/Alocacoes.h"

namespace {

struct Contado {
    static inline long long vivos = 0;
    int valor = -1;
    Contado() { ++vivos; }
    explicit Contado(int v) : valor(v) { ++vivos; }
    Contado(const Contado& o) : valor(o.valor) { ++vivos; }
    Contado& operator=(const Contado&) = default;
    ~Contado() { --vivos; }
};

struct Falha {};

// Two arrays brought to the same state, one by SetSize and one by AcrescentarConstruindo, from
// the same start: same size, room and step, and the built values in place.
TEST(CArrayConstrucao, MesmoEspacoEPassoQueSetSize) {
    const struct {
        INT_PTR inicial, passoInicial, acrescimo, passo;
    } kCasos[]{
        {0, 0, 7, 0},       // first allocation with automatic growth: exactly 7
        {0, 100, 1, -1},    // first allocation with step 100: room for 100
        {100, 100, 1, -1},  // full at step 100: room grows by 100
        {40, 0, 1, -1},     // automatic growth: by max(4, size/8)
        {3, 100, 0, 0},     // nothing added, the step still changes
        {0, 100, 0, 0},     // nothing at all: the step changes, nothing is allocated
    };
    for (const auto& c : kCasos) {
        SCOPED_TRACE(testing::Message() << c.inicial << " +" << c.acrescimo << " step " << c.passo);
        NXTeste::VigiaAlocacoes vigia;
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

// A construction that throws leaves the elements before it, and nothing half-built.
TEST(CArrayConstrucao, FalhaGuardaOsAnteriores) {
    NXTeste::VigiaAlocacoes vigia;
    {
        CArray<Contado> a;
        a.SetSize(2, 0);
        EXPECT_THROW(a.AcrescentarConstruindo(5, -1,
                                              [](void* lugar, INT_PTR k) {
                                                  if (k == 3) throw Falha{};
                                                  ::new (lugar) Contado(static_cast<int>(k));
                                              }),
                     Falha);
        ASSERT_EQ(a.GetSize(), 5);
        EXPECT_EQ(a[4].valor, 2);
        EXPECT_EQ(Contado::vivos, 5);
    }
    EXPECT_EQ(Contado::vivos, 0);
}

// When the room cannot be had, nothing changes, the step included.
TEST(CArrayConstrucao, SemMemoriaNadaMuda) {
    NXTeste::VigiaAlocacoes vigia;
    CArray<Contado> a;
    a.SetSize(100, 100);
    NXTeste::VigiaAlocacoes::FalharNa(1);
    bool chamado = false;
    EXPECT_TRUE(NXTeste::Lanca<CMemoryException>(
        [&] { a.AcrescentarConstruindo(1, 0, [&](void*, INT_PTR) { chamado = true; }); }));
    EXPECT_FALSE(chamado);
    EXPECT_EQ(a.GetSize(), 100);
    EXPECT_EQ(a.GetCapacidade(), 100);
    EXPECT_EQ(a.GetGrowBy(), 100);
}

static_assert(kCArraySemDestrutor<int>);
static_assert(!kCArraySemDestrutor<Contado>);

}  // namespace
