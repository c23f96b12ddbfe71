// Leaves (classes declared with NX_DADOS) in lists: compared, copied and released as their
// records. A class derived from a leaf is no leaf, and keeps every call it is owed.
#include <gtest/gtest.h>

#include <cstddef>

#include "ClassesTeste.h"
#include "support/Alocacoes.h"

namespace {

using namespace NXTeste;

// Counts its destructions, which a list must not skip as it may skip a leaf's.
class CTeste_LinhaContada : public CTeste_Linha {
public:
    static inline int destruidas = 0;
    CTeste_LinhaContada() = default;
    CTeste_LinhaContada(const CTeste_LinhaContada& o) : CTeste_Linha(o) {}
    ~CTeste_LinhaContada() override { ++destruidas; }
};

static_assert(NXDadosGC::detail::Folha<CTeste_Linha>);
static_assert(!NXDadosGC::detail::Folha<CTeste_LinhaContada>);
static_assert(!NXDadosGC::detail::Folha<CTeste_Grupo>);
static_assert(kCArraySemDestrutor<CTeste_Linha>);
static_assert(!kCArraySemDestrutor<CTeste_LinhaContada>);

TEST(Folha, DerivadaDeFolhaEDestruidaUmaAUma) {
    VigiaAlocacoes vigia;
    CTeste_LinhaContada::destruidas = 0;
    {
        T_Lista<CTeste_LinhaContada> lista;
        CTeste_LinhaContada l;
        for (int i = 0; i < 3; ++i) lista.Adiciona(l);
        lista.Deletar(1);
        EXPECT_EQ(CTeste_LinhaContada::destruidas, 1);
        lista.RemoveTodos();
        EXPECT_EQ(CTeste_LinhaContada::destruidas, 3);
    }
}

// Lists of leaves compare by their records: a difference in any byte of any element, the last
// byte of the last one included, makes them unequal; equal records make them equal however the
// lists were built.
TEST(Folha, ListasDeFolhasComparamCadaByte) {
    VigiaAlocacoes vigia;
    CTeste_Dono a;
    for (int i = 0; i < 5; ++i) a.AdicionaLinha(Linha(i * 3, static_cast<ULONG>(i), 1));
    _REG_TESTE_DONOPS r;
    a.CopiarPara(&r);
    CTeste_Dono b;
    b.CopiarDe(&r);  // built from records, with exactly the room it needs
    EXPECT_TRUE(a == b);

    const std::size_t tamanho = sizeof(_REG_TESTE_LINHAPS);
    for (INT_PTR i : {INT_PTR{0}, INT_PTR{4}}) {
        for (std::size_t byte : {std::size_t{0}, tamanho - 1}) {
            CTeste_Dono c = b;
            reinterpret_cast<unsigned char*>(&c.GetRefLinha(i).GetReg())[byte] ^= 0x40;
            EXPECT_FALSE(a == c) << "element " << i << ", byte " << byte;
            EXPECT_FALSE(c == a) << "element " << i << ", byte " << byte;
        }
    }
    NXDadosGC::LiberarCopiarPara<CTeste_Dono>(r);
}

}  // namespace
