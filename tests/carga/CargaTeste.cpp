// Loading and unloading libNXLDadosGC.so at run time: while it is loaded a host finds its
// run-time class records by name, and after it is unloaded it does not. This program links only
// the framework stand-in, so dlclose really unloads the library.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "NXLDadosGC/platform/CObject.h"

#ifndef NXL_CAMINHO_BIBLIOTECA
#error "the build passes the path of libNXLDadosGC.so"
#endif

namespace {

constexpr const char* kBiblioteca = NXL_CAMINHO_BIBLIOTECA;

// RTLD_NOLOAD answers without loading, but a handle it returns holds a reference too.
bool Carregada() {
    void* h = dlopen(kBiblioteca, RTLD_NOW | RTLD_NOLOAD);
    if (h) dlclose(h);
    return h != nullptr;
}

const CRuntimeClass* Base(const CRuntimeClass* c) { return c->m_pfnGetBaseClass ? c->m_pfnGetBaseClass() : nullptr; }

void EsperaClassesDaBiblioteca() {
    const CRuntimeClass* paraDados = CRuntimeClass::FromName("TNXBaseParaDados");
    ASSERT_NE(paraDados, nullptr);
    EXPECT_STREQ(paraDados->m_lpszClassName, "TNXBaseParaDados");
    EXPECT_EQ(paraDados->m_wSchema, 0xFFFFu);
    const CRuntimeClass* objeto = Base(paraDados);
    ASSERT_NE(objeto, nullptr);
    EXPECT_STREQ(objeto->m_lpszClassName, "TNXBaseObject");
    EXPECT_EQ(CRuntimeClass::FromName("TNXBaseObject"), objeto);
    EXPECT_EQ(Base(objeto), RUNTIME_CLASS(CObject));  // the host's own record, not a copy
    EXPECT_TRUE(paraDados->IsDerivedFrom(RUNTIME_CLASS(CObject)));
}

TEST(Carga, ClassesVisiveisSoEnquantoCarregada) {
    ASSERT_FALSE(Carregada()) << "this program must not link " << kBiblioteca;
    EXPECT_EQ(CRuntimeClass::FromName("TNXBaseParaDados"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName("TNXBaseObject"), nullptr);

    // Twice: unloading resets the module record, so a second load registers again.
    for (int vez = 1; vez <= 2; ++vez) {
        SCOPED_TRACE(vez);
        void* h = dlopen(kBiblioteca, RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(h, nullptr) << dlerror();
        EsperaClassesDaBiblioteca();
        // The record templates are exported for every record type, like the data classes.
        for (const char* simbolo : {"_ZN17T_NXDadosRegistroI23_REG_GC_CENTRO_CUSTOSPSE8CopiarDeEPKS0_",
                                    "_ZN25T_NXDadosRegistroComListaI23_REG_GC_CENTRO_CUSTOSPSEaSERKS1_"})
            EXPECT_NE(dlsym(h, simbolo), nullptr) << simbolo;
        ASSERT_EQ(dlclose(h), 0) << dlerror();
        // The usual cause: a symbol the loader binds as STB_GNU_UNIQUE (readelf --dyn-syms shows
        // UNIQUE), such as a static inside an inline function of a standard header, pins the library.
        EXPECT_FALSE(Carregada()) << "dlclose left the library loaded";
        EXPECT_EQ(CRuntimeClass::FromName("TNXBaseParaDados"), nullptr);
        EXPECT_EQ(CRuntimeClass::FromName("TNXBaseObject"), nullptr);
        EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));  // the host keeps its own
    }
}

}  // namespace
