// Run-time class records and their lookup by name. (That the framework's exceptions are thrown
// by pointer and caught by their class or a base, every test that expects one relies on.)
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "NXLDadosGC/platform/CObject.h"
#include "NXLDadosGC/platform/Excecoes.h"
#include "NXLDadosGC/platform/ModuloExtensao.h"

namespace {

const CRuntimeClass* Base(const CRuntimeClass* c) { return c->m_pfnGetBaseClass ? c->m_pfnGetBaseClass() : nullptr; }

TEST(CRuntimeClass, RegistrosDasClassesDaPlataforma) {
    const struct {
        const CRuntimeClass* classe;
        const char* nome;
        int tamanho;
        const CRuntimeClass* base;
    } kCases[]{
        {RUNTIME_CLASS(CObject), "CObject", sizeof(CObject), nullptr},
        {RUNTIME_CLASS(CException), "CException", sizeof(CException), RUNTIME_CLASS(CObject)},
        {RUNTIME_CLASS(CMemoryException), "CMemoryException", sizeof(CMemoryException), RUNTIME_CLASS(CException)},
        {RUNTIME_CLASS(CDynLinkLibrary), "CDynLinkLibrary", sizeof(CDynLinkLibrary), RUNTIME_CLASS(CObject)},
    };
    std::vector<const CRuntimeClass*> carregadas;
    AfxDoForAllClasses([](const CRuntimeClass* c, void* v) { static_cast<decltype(carregadas)*>(v)->push_back(c); },
                       &carregadas);
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(std::count(carregadas.begin(), carregadas.end(), c.classe), 1);
        EXPECT_STREQ(c.classe->m_lpszClassName, c.nome);
        EXPECT_EQ(c.classe->m_nObjectSize, c.tamanho);
        EXPECT_EQ(c.classe->m_wSchema, 0xFFFFu);
        EXPECT_EQ(c.classe->m_pfnCreateObject, nullptr);
        EXPECT_EQ(Base(c.classe), c.base);
        EXPECT_EQ(CRuntimeClass::FromName(c.nome), c.classe);
        // Derived from itself and every class up its chain, and from nothing else here.
        for (const auto& outra : kCases) {
            bool naCadeia = false;
            for (const CRuntimeClass* b = c.classe; b; b = Base(b)) naCadeia |= b == outra.classe;
            EXPECT_EQ(c.classe->IsDerivedFrom(outra.classe) != FALSE, naCadeia) << "base " << outra.nome;
        }
    }
    for (const char* nome : {"", "cobject", "CObject ", "CObjec", "NaoExiste"})
        EXPECT_EQ(CRuntimeClass::FromName(nome), nullptr) << '"' << nome << '"';
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);
}

}  // namespace
