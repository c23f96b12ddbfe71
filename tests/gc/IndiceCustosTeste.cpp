// Cost indices: the user-defined values and the relation items as arrays of flat records at
// their offsets, one record after another in list order.
#include <gtest/gtest.h>

#include <cstring>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Bytes.h"

namespace {

using teste::Ler;

CNXDadosGC_IndiceCustosValorPersonalizado ValorPersonalizado(int i) {
    CNXDadosGC_IndiceCustosValorPersonalizado v;
    v.SetValor(tagCY{12345 + 1000 * i}).SetDescricao(FormataTexto("indice %d", i));
    return v;
}
CNXDadosGC_RelacaoIndiceProdutoItem Item(int i) {
    _REG_POSICAO_PRODUTOPS p{};
    for (int k = 0; k < 16; ++k) p.m_Bytes[k] = static_cast<unsigned char>(i * 16 + k + 1);
    CNXDadosGC_RelacaoIndiceProdutoItem item;
    item.SetPosicaoProduto(p).SetPonteiroIndiceCusto(static_cast<ULONG>(0x1000 + i));
    return item;
}

// Three elements out through both transfers: the count and pointer at their offsets, the
// elements' records one after another at the record size, in list order, which matters.
template <class Dono, class Elemento>
void VerificarLista(void (Dono::*adiciona)(const Elemento&), Elemento (*novo)(int), std::size_t quantidade,
                    std::size_t ponteiro, std::size_t tamanho) {
    SCOPED_TRACE(Dono::GetThisClass()->m_lpszClassName);
    ASSERT_EQ(sizeof(typename Elemento::Registro), tamanho);
    Dono dono;
    for (int i = 0; i < 3; ++i) (dono.*adiciona)(novo(i));
    for (const bool ps : {false, true}) {
        typename Dono::Registro reg;
        std::memset(static_cast<void*>(&reg), 0xAB, sizeof reg);
        ps ? dono.CopiarParaPS(&reg) : dono.CopiarPara(&reg);
        ASSERT_EQ(Ler<ULONG>(&reg, quantidade), 3u);
        const auto* bloco = Ler<const unsigned char*>(&reg, ponteiro);
        ASSERT_NE(bloco, nullptr);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(std::memcmp(bloco + i * tamanho, &novo(i).GetReg(), tamanho), 0) << "record " << i;
        if (ps) NXDadosGC::LiberarCopiarParaPS<Dono>(reg);
        else NXDadosGC::LiberarCopiarPara<Dono>(reg);
    }
    Dono invertido;
    for (int i = 2; i >= 0; --i) (invertido.*adiciona)(novo(i));
    EXPECT_FALSE(invertido == dono);
}

TEST(IndiceCustos, ListasComoArraysDeRegistros) {
    VerificarLista(&CNXDadosGC_IndiceCustos::AdicionaValorPersonalizado, &ValorPersonalizado, 116, 184, 40);
    VerificarLista(&CNXDadosGC_RelacaoIndiceProduto::AdicionaItem, &Item, 4, 72, 24);
}

}  // namespace
