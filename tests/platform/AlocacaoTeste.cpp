// The per-thread counters and failure countdown every fault-injection test relies on. (How the
// countdown fires once and what the counters count, every ContarFalhas and every guard checks.)
#include "NXLDadosGC/platform/AlocadorTarefa.h"

#include <gtest/gtest.h>

#include <thread>

#include "support/Alocacoes.h"

namespace {

using NXTeste::VigiaAlocacoes;

// Each thread counts and fails only its own allocations: threads on distinct objects share
// nothing, and a test's countdown is not spent by another thread.
TEST(CoTaskMem, ContadoresEContagemPorThread) {
    VigiaAlocacoes vigia;
    VigiaAlocacoes::FalharNa(1);
    std::thread([] {
        VigiaAlocacoes outra;
        EXPECT_FALSE(VigiaAlocacoes::FalhaPendente());
        void* p = CoTaskMemAlloc(0);
        EXPECT_NE(p, nullptr) << "a real block even for zero bytes";
        EXPECT_EQ(outra.AlocacoesTarefa(), 1);
        CoTaskMemFree(nullptr);  // ignored: the guard would see a release of nothing allocated
        CoTaskMemFree(p);
    }).join();
    EXPECT_EQ(vigia.Alocacoes(), 0);
    EXPECT_EQ(CoTaskMemAlloc(8), nullptr);  // this thread's countdown was still armed
}

}  // namespace
