// Leaves (classes declared with NX_DADOS) in lists: compared, copied and released as their
// records. A class derived from a leaf is no leaf, and keeps every call it is owed.
#include <gtest/gtest.h>

#include <cstddef>

#include "ClassesTeste.h"
#include "support/Alocacoes.h"

namespace {

using namespace NXTeste;

// A class derived from a leaf, with a destructor of its own: no leaf, so a list copies it with
// Copiar and destroys its elements one by one (CArray's tests check that it does, given the trait).
class CTeste_LinhaDerivada : public CTeste_Linha {
public:
    ~CTeste_LinhaDerivada() override {}
};

static_assert(NXDadosGC::detail::Folha<CTeste_Linha>);
static_assert(!NXDadosGC::detail::Folha<CTeste_LinhaDerivada>);
static_assert(!NXDadosGC::detail::Folha<CTeste_Grupo>);
static_assert(kCArraySemDestrutor<CTeste_Linha>);
static_assert(!kCArraySemDestrutor<CTeste_LinhaDerivada>);

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
