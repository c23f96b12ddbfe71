// The task allocator and the per-thread counters and failure countdown every fault-injection
// test relies on.
#include "NXLDadosGC/platform/AlocadorTarefa.h"

#include <gtest/gtest.h>

#include <thread>

#include "support/Alocacoes.h"

namespace {

using NXTeste::VigiaAlocacoes;

TEST(CoTaskMem, ContaBlocosEFalhaUmaVezNaContagem) {
    VigiaAlocacoes vigia;
    void* zero = CoTaskMemAlloc(0);  // a real block even for zero bytes
    ASSERT_NE(zero, nullptr);
    VigiaAlocacoes::FalharNa(2);
    void* a = CoTaskMemAlloc(24);
    EXPECT_TRUE(VigiaAlocacoes::FalhaPendente());
    EXPECT_EQ(CoTaskMemAlloc(8), nullptr);  // the second from the arming
    EXPECT_FALSE(VigiaAlocacoes::FalhaPendente());
    void* b = CoTaskMemAlloc(8);  // and then never again
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(vigia.Alocacoes(), 3);  // the failed one is not counted
    EXPECT_EQ(vigia.AlocacoesTarefa(), 3);
    CoTaskMemFree(nullptr);  // ignored, not counted
    EXPECT_EQ(vigia.Liberacoes(), 0);
    for (void* p : {zero, a, b}) CoTaskMemFree(p);
    EXPECT_EQ(vigia.Liberacoes(), 3);  // the guard checks the task counters balance too
}

// Each thread counts and fails only its own allocations: threads on distinct objects share
// nothing, and a test's countdown is not spent by another thread.
TEST(CoTaskMem, ContadoresEContagemPorThread) {
    VigiaAlocacoes vigia;
    VigiaAlocacoes::FalharNa(1);
    std::thread([] {
        VigiaAlocacoes outra;
        EXPECT_FALSE(VigiaAlocacoes::FalhaPendente());
        void* p = CoTaskMemAlloc(8);
        EXPECT_NE(p, nullptr);
        EXPECT_EQ(outra.AlocacoesTarefa(), 1);
        CoTaskMemFree(p);
    }).join();
    EXPECT_EQ(vigia.Alocacoes(), 0);
    EXPECT_EQ(CoTaskMemAlloc(8), nullptr);  // this thread's countdown was still armed
}

}  // namespace
