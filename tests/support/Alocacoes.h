// Test helpers for the framework's failure modes: a guard that accounts for every block
// allocated in its scope and can make one allocation fail, a countdown loop over every
// allocation of an operation, and checks that an operation throws a given exception.
#ifndef NXLDADOSGC_TESTES_APOIO_ALOCACOES_H
#define NXLDADOSGC_TESTES_APOIO_ALOCACOES_H

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

#include "NXLDadosGC/platform/Alocacao.h"  // AfxContadoresAlocacao (per thread)
#include "NXLDadosGC/platform/Excecoes.h"  // CException and its subclasses

namespace NXTeste {

// Declare it before the objects of a test: when it goes, every block counted since it was
// built must have been released, and any pending failure is switched off. It sees the calling
// thread's allocations only (platform/Alocacao.h): one guard per thread.
class VigiaAlocacoes {
public:
    VigiaAlocacoes() : m_inicio(AfxContadoresAlocacao()) {}
    ~VigiaAlocacoes() {
        NXContadoresAlocacao& c = AfxContadoresAlocacao();
        c.falharNaAlocacao = 0;
        EXPECT_EQ(c.alocacoes - m_inicio.alocacoes, c.liberacoes - m_inicio.liberacoes)
            << "blocks allocated in this scope were not released";
        EXPECT_EQ(c.alocacoesTarefa - m_inicio.alocacoesTarefa, c.liberacoesTarefa - m_inicio.liberacoesTarefa)
            << "task-allocator blocks allocated in this scope were not released";
    }
    VigiaAlocacoes(const VigiaAlocacoes&) = delete;
    VigiaAlocacoes& operator=(const VigiaAlocacoes&) = delete;

    // The n-th allocation from now fails (1 = the next one); 0 switches failures off.
    static void FalharNa(long long n) { AfxContadoresAlocacao().falharNaAlocacao = n; }
    // True while an armed failure has not happened yet.
    static bool FalhaPendente() { return AfxContadoresAlocacao().falharNaAlocacao != 0; }

    // Blocks allocated and not released, of this thread, since it started.
    static long long Vivos() { return AfxContadoresAlocacao().alocacoes - AfxContadoresAlocacao().liberacoes; }
    // Blocks allocated and released since the guard was built.
    long long Alocacoes() const { return AfxContadoresAlocacao().alocacoes - m_inicio.alocacoes; }
    long long Liberacoes() const { return AfxContadoresAlocacao().liberacoes - m_inicio.liberacoes; }
    long long AlocacoesTarefa() const {
        return AfxContadoresAlocacao().alocacoesTarefa - m_inicio.alocacoesTarefa;
    }

private:
    NXContadoresAlocacao m_inicio;
};

// Success when f throws a framework exception of class E (by pointer, as the framework
// throws); the exception is released either way.
template <class E, class F>
::testing::AssertionResult Lanca(F&& f) {
    try {
        f();
    } catch (E* e) {
        e->Delete();
        return ::testing::AssertionSuccess();
    } catch (CException* e) {
        const char* nome = e->GetRuntimeClass()->m_lpszClassName;
        e->Delete();
        return ::testing::AssertionFailure() << "threw " << nome << " instead of " << E::GetThisClass()->m_lpszClassName;
    }
    return ::testing::AssertionFailure() << "did not throw " << E::GetThisClass()->m_lpszClassName;
}

// The what() of the E (a standard exception) that f throws; a test failure and "" when it throws
// nothing.
template <class E, class F>
std::string Mensagem(F&& f) {
    try {
        f();
    } catch (const E& e) {
        return e.what();
    }
    ADD_FAILURE() << "nothing thrown";
    return "";
}

// Runs operacao with its n-th allocation failing, for n = 1, 2, ... until it completes.
// After each failure (which must be a Falha raised by that very allocation: the framework's
// CMemoryException*, or std::bad_alloc where the layer throws standard exceptions) it calls
// aposFalha(n). Returns the number of failures, which is the number of allocations the complete
// operation makes.
template <class Falha = CMemoryException*, class Op, class AposFalha>
int ContarFalhas(Op&& operacao, AposFalha&& aposFalha) {
    for (int n = 1; n <= 10000; ++n) {
        VigiaAlocacoes::FalharNa(n);
        bool falhou = true;
        try {
            operacao();
            falhou = false;
        } catch (const Falha& e) {
            if constexpr (std::is_pointer_v<Falha>) e->Delete();
        } catch (CException* e) {
            ADD_FAILURE() << "allocation " << n << " raised " << e->GetRuntimeClass()->m_lpszClassName;
            e->Delete();
        }
        const bool pendente = VigiaAlocacoes::FalhaPendente();
        VigiaAlocacoes::FalharNa(0);
        if (!falhou) {
            EXPECT_TRUE(pendente) << "allocation " << n << " failed but the operation reported nothing";
            return n - 1;
        }
        EXPECT_FALSE(pendente) << "raised with no failed allocation, at " << n;
        aposFalha(n);
    }
    ADD_FAILURE() << "the operation never completes";
    return -1;
}

}  // namespace NXTeste

#endif
