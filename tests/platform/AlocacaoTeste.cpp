// The task allocator, the framework's block allocation and the counters and failure countdown
// that every fault-injection test relies on.
#include "NXLDadosGC/platform/Alocacao.h"

#include <gtest/gtest.h>

#include <cstring>

#include "NXLDadosGC/platform/AlocadorTarefa.h"
#include "support/Alocacoes.h"

namespace {

using NXTeste::Lanca;
using NXTeste::VigiaAlocacoes;

TEST(CoTaskMem, ContaBlocosELiberacoes) {
    VigiaAlocacoes vigia;
    const NXContadoresAlocacao antes = AfxContadoresAlocacao();
    void* a = CoTaskMemAlloc(24);
    void* b = CoTaskMemAlloc(0);  // a real, distinct block even for zero bytes
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    std::memset(a, 0x5A, 24);
    const NXContadoresAlocacao& c = AfxContadoresAlocacao();
    EXPECT_EQ(c.alocacoes - antes.alocacoes, 2);
    EXPECT_EQ(c.alocacoesTarefa - antes.alocacoesTarefa, 2);
    CoTaskMemFree(nullptr);  // ignored, not counted
    EXPECT_EQ(c.liberacoes, antes.liberacoes);
    CoTaskMemFree(a);
    CoTaskMemFree(b);
    EXPECT_EQ(c.liberacoes - antes.liberacoes, 2);
    EXPECT_EQ(c.liberacoesTarefa - antes.liberacoesTarefa, 2);
}

TEST(CoTaskMem, ContagemRegressivaFalhaUmaVezSo) {
    VigiaAlocacoes vigia;
    VigiaAlocacoes::FalharNa(3);
    void* a = CoTaskMemAlloc(8);
    void* b = CoTaskMemAlloc(8);
    EXPECT_TRUE(VigiaAlocacoes::FalhaPendente());
    EXPECT_EQ(CoTaskMemAlloc(8), nullptr);  // the third
    EXPECT_FALSE(VigiaAlocacoes::FalhaPendente());
    void* d = CoTaskMemAlloc(8);  // and then never again
    EXPECT_NE(d, nullptr);
    EXPECT_EQ(vigia.AlocacoesTarefa(), 3);  // the failed one is not counted
    for (void* p : {a, b, d}) CoTaskMemFree(p);
}

TEST(AfxNovo, BlocosZeradosOuExcecaoDeMemoria) {
    VigiaAlocacoes vigia;
    struct Registro {
        long long x[5];
    };
    Registro* v = AfxNovoArray<Registro>(7);
    for (int i = 0; i < 7; ++i)
        for (long long x : v[i].x) ASSERT_EQ(x, 0);
    Registro* u = AfxNovo<Registro>();
    for (long long x : u->x) EXPECT_EQ(x, 0);
    EXPECT_EQ(vigia.Alocacoes(), 2);
    EXPECT_EQ(vigia.AlocacoesTarefa(), 0);
    delete[] v;
    delete u;
    AfxRegistrarLiberacao();
    AfxRegistrarLiberacao();

    VigiaAlocacoes::FalharNa(1);
    EXPECT_TRUE(Lanca<CMemoryException>([] { AfxNovoArray<Registro>(3); }));
    VigiaAlocacoes::FalharNa(1);
    EXPECT_TRUE(Lanca<CMemoryException>([] { AfxNovo<Registro>(); }));
    EXPECT_EQ(vigia.Alocacoes(), 2);
}

}  // namespace
