#include <gtest/gtest.h>

#include "ClassesTeste.h"
#include "NXLDadosGC/platform/AlocadorTarefa.h"

TEST(Compila, Basico) {
    CTeste_Dono d;
    EXPECT_TRUE(d.EstaVazio());
    CTeste_Linha l;
    l.SetValor(tagCY{5}).SetCodigo(7);
    d.AdicionaLinha(l);
    d.AdicionaLinha(d.GetLinha(0));
    CTeste_Grupo g;
    g.SetNumero(3);
    g.AdicionaLinha(l);
    d.AdicionaGrupo(g);
    d.SetExtra(l);
    d.AdicionaNumero(9);
    d.GetChave().SetFilial(4);
    EXPECT_FALSE(d.EstaVazio());
    _REG_TESTE_DONOPS r;
    d.CopiarParaPS(&r);
    EXPECT_EQ(static_cast<ULONG>(r.QuantidadeLinha), 2u);
    EXPECT_EQ(r.Chave.Filial, 4);
    CTeste_Dono e;
    e.CopiarDe(&r);
    EXPECT_TRUE(e == d);
    EXPECT_EQ(e.GetReg().pLinha, nullptr);
    CoTaskMemFree(r.pGrupo[0].pLinha);
    CoTaskMemFree(r.pGrupo);
    CoTaskMemFree(r.pLinha);
    CoTaskMemFree(r.pExtra);
    CoTaskMemFree(r.pNumero);
    CTeste_Dono f(e);
    EXPECT_TRUE(f == d);
    f.TrocaLinha(0, 1);
    f.GetRefLinha(0).SetMarca(1);
    EXPECT_FALSE(f == d);
    f = d;
    EXPECT_TRUE(f == d);
    f.Limpar();
    EXPECT_TRUE(f.EstaVazio());
    EXPECT_TRUE(d.IsKindOf(RUNTIME_CLASS(TNXBaseParaDados)));
    EXPECT_STREQ(d.GetRuntimeClass()->m_lpszClassName, "CTeste_Dono");
    EXPECT_NE(CRuntimeClass::FromName("CTeste_Dono"), nullptr);
    EXPECT_NE(CRuntimeClass::FromName("TNXBaseParaDados"), nullptr);
    try {
        d.GetLinha(5);
        FAIL();
    } catch (CInvalidArgException* ex) {
        ex->Delete();
    }
}
