// The production cost tree: where each block lands in the records written by CopiarPara and
// CopiarParaPS, its three holders of one class and a holder one level down included.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Bytes.h"

namespace {

using teste::Ler;

using Bytes = const unsigned char*;

// An object of class T whose record bytes (gaps included) are all non-zero and depend on
// `semente`; its (count, pointer) pairs and holder pointers are left zero.
template <class T>
T Preenchido(int semente) {
    typename T::Registro reg;
    auto* b = reinterpret_cast<unsigned char*>(&reg);
    for (std::size_t i = 0; i < sizeof reg; ++i) b[i] = static_cast<unsigned char>(1 + (semente * 31 + i * 7) % 251);
    for (const auto& f : NXDadosGC::detail::InfoDe<T>()->filhos) {
        if (f.tipo == NXDadosGC::TipoFilho::Membro) continue;
        if (f.tipo == NXDadosGC::TipoFilho::Lista) std::memset(b + f.quantidade, 0, sizeof(ULONG));
        std::memset(b + f.ponteiro, 0, sizeof(void*));
    }
    T objeto;
    objeto.CopiarDe(&reg);
    return objeto;
}

CNXDadosGC_CustoProducaoResultado Resultado(int semente, bool entrada, int processamentos, int baixas) {
    auto r = Preenchido<CNXDadosGC_CustoProducaoResultado>(semente);
    if (entrada) r.SetEntrada(Preenchido<CNXDadosGC_CustoProducaoEntrada>(semente + 1));
    for (int i = 0; i < processamentos; ++i)
        r.AdicionaCustoProcessamento(Preenchido<CNXDadosGC_CustoProducaoProcessamento>(semente + 10 + i));
    for (int i = 0; i < baixas; ++i)
        r.AdicionaCustoBaixaInsumo(Preenchido<CNXDadosGC_CustoProducaoBaixaInsumo>(semente + 20 + i));
    return r;
}

CNXDadosGC_CustoProducaoVariacao Variacao(int semente, int processos, int insumos) {
    auto v = Preenchido<CNXDadosGC_CustoProducaoVariacao>(semente);
    for (int i = 0; i < processos; ++i)
        v.AdicionaCustoProcesso(Preenchido<CNXDadosGC_CustoProducaoProcesso>(semente + 10 + i));
    for (int i = 0; i < insumos; ++i)
        v.AdicionaCustoInsumo(Preenchido<CNXDadosGC_CustoProducaoInsumo>(semente + 20 + i));
    return v;
}

// Every kind of child, empty and non-empty, at every level. Written out it takes 16 blocks:
// the results array, r0's entry and two arrays, r1's issue array, r2's entry and processing
// array, the outsourcing and inventory arrays, three variations and their four arrays.
constexpr int kBlocosCompleto = 16;
CNXDadosGC_CustoProducao Completo() {
    auto c = Preenchido<CNXDadosGC_CustoProducao>(1);
    c.AdicionaResultado(Resultado(100, true, 2, 3));
    c.AdicionaResultado(Resultado(200, false, 0, 1));
    c.AdicionaResultado(Resultado(300, true, 1, 0));
    c.AdicionaCustoTerceirizacao(Preenchido<CNXDadosGC_CustoProducaoTerceirizacao>(400));
    c.AdicionaCustoTerceirizacao(Preenchido<CNXDadosGC_CustoProducaoTerceirizacao>(401));
    c.AdicionaInventarioElaboracao(Preenchido<CNXDadosGC_CustoProducaoInventarioElaboracao>(500));
    c.AdicionaInventarioElaboracao(Preenchido<CNXDadosGC_CustoProducaoInventarioElaboracao>(501));
    c.SetVariacaoEstoqueProprio(Variacao(600, 2, 1));
    c.SetVariacaoEstoqueTerceiros(Variacao(700, 0, 2));
    c.SetVariacaoGeral(Variacao(800, 1, 0));
    return c;
}

// Walks a record tree written from an object, with the documented offsets and strides as
// literal numbers, and checks every byte of every block against the object. Counts blocks.
struct Verificador {
    int blocos = 0;

    // A record without children: the slot holds exactly the element's record.
    template <class T>
    void Folha(Bytes slot, const T& e, std::size_t tamanho) {
        ASSERT_EQ(sizeof(typename T::Registro), tamanho);
        EXPECT_EQ(std::memcmp(slot, &e.GetReg(), tamanho), 0) << T::GetThisClass()->m_lpszClassName;
    }

    // A record with children: outside the given child fields the slot holds the element's
    // record (whose own child fields are zero).
    template <class T>
    void Proprio(Bytes slot, const T& e, std::size_t tamanho, std::vector<std::pair<std::size_t, std::size_t>> filhos) {
        ASSERT_EQ(sizeof(typename T::Registro), tamanho);
        std::vector<unsigned char> copia(slot, slot + tamanho);
        for (auto [de, ate] : filhos) std::memset(copia.data() + de, 0, ate - de);
        EXPECT_EQ(std::memcmp(copia.data(), &e.GetReg(), tamanho), 0) << T::GetThisClass()->m_lpszClassName;
    }

    template <class T, class F>
    void Lista(Bytes reg, std::size_t quantidade, std::size_t ponteiro, std::size_t passo, const T_Lista<T>& lista,
               F&& elemento) {
        const INT_PTR n = lista.GetQuantidade();
        EXPECT_EQ(Ler<ULONG>(reg, quantidade), static_cast<ULONG>(n));
        const auto p = Ler<Bytes>(reg, ponteiro);
        if (n == 0) {
            EXPECT_EQ(p, nullptr);
            return;
        }
        ASSERT_NE(p, nullptr);
        ++blocos;
        for (INT_PTR i = 0; i < n; ++i) elemento(p + i * passo, lista.GetConstRef(i));
    }

    template <class T, class F>
    void Unico(Bytes reg, std::size_t ponteiro, const T* e, F&& elemento) {
        const auto p = Ler<Bytes>(reg, ponteiro);
        if (!e) {
            EXPECT_EQ(p, nullptr);
            return;
        }
        ASSERT_NE(p, nullptr);
        ++blocos;
        elemento(p, *e);
    }

    void Variacao(Bytes v, const CNXDadosGC_CustoProducaoVariacao& e) {
        Proprio(v, e, 80, {{56, 80}});
        Lista(v, 56, 64, 88, e.GetListaCustoProcesso(), [&](Bytes s, const auto& x) { Folha(s, x, 88); });
        Lista(v, 60, 72, 48, e.GetListaCustoInsumo(), [&](Bytes s, const auto& x) { Folha(s, x, 48); });
    }

    void Resultado(Bytes r, const CNXDadosGC_CustoProducaoResultado& e) {
        Proprio(r, e, 112, {{68, 76}, {80, 104}});
        Unico(r, 80, e.GetEntrada(), [&](Bytes s, const auto& x) { Folha(s, x, 24); });
        Lista(r, 68, 88, 88, e.GetListaCustoProcessamento(), [&](Bytes s, const auto& x) { Folha(s, x, 88); });
        Lista(r, 72, 96, 64, e.GetListaCustoBaixaInsumo(), [&](Bytes s, const auto& x) { Folha(s, x, 64); });
    }

    void CustoProducao(Bytes c, const CNXDadosGC_CustoProducao& e) {
        Proprio(c, e, 136, {{60, 72}, {88, 136}});
        Lista(c, 60, 88, 112, e.GetListaResultado(), [&](Bytes s, const auto& x) { Resultado(s, x); });
        Lista(c, 64, 96, 40, e.GetListaCustoTerceirizacao(), [&](Bytes s, const auto& x) { Folha(s, x, 40); });
        Lista(c, 68, 104, 96, e.GetListaInventarioElaboracao(), [&](Bytes s, const auto& x) { Folha(s, x, 96); });
        Unico(c, 112, e.GetVariacaoEstoqueProprio(), [&](Bytes s, const auto& x) { Variacao(s, x); });
        Unico(c, 120, e.GetVariacaoEstoqueTerceiros(), [&](Bytes s, const auto& x) { Variacao(s, x); });
        Unico(c, 128, e.GetVariacaoGeral(), [&](Bytes s, const auto& x) { Variacao(s, x); });
    }
};

// The two ways out: CopiarPara with the ordinary heap, CopiarParaPS with the task allocator.
TEST(CustoProducao, ArvoreCompletaSaiComCadaBlocoNoSeuLugar) {
    const CNXDadosGC_CustoProducao original = Completo();
    for (const bool ps : {false, true}) {
        SCOPED_TRACE(ps ? "CopiarParaPS" : "CopiarPara");
        _REG_GC_CUSTO_PRODUCAOPS reg;
        std::memset(static_cast<void*>(&reg), 0xCD, sizeof reg);
        ps ? original.CopiarParaPS(&reg) : original.CopiarPara(&reg);

        Verificador v;
        v.CustoProducao(reinterpret_cast<Bytes>(&reg), original);
        EXPECT_EQ(v.blocos, kBlocosCompleto);
        if (ps) NXDadosGC::LiberarCopiarParaPS<CNXDadosGC_CustoProducao>(reg);
        else NXDadosGC::LiberarCopiarPara<CNXDadosGC_CustoProducao>(reg);
    }
}

}  // namespace
