// The production cost tree: where each block lands in the records written by CopiarPara and
// CopiarParaPS, how holders and lists behave through their accessors, the header's key views,
// and failed allocations.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"

namespace {

using Bytes = const unsigned char*;

template <class T>
T Ler(const void* base, std::size_t deslocamento) {
    T valor;
    std::memcpy(static_cast<void*>(&valor), static_cast<const char*>(base) + deslocamento, sizeof valor);
    return valor;
}

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

// Releases a tree written by CopiarPara (delete[] for arrays, delete for single records) or
// CopiarParaPS (CoTaskMemFree), children first. Tolerates a tree left half-written.
struct LiberaHeap {
    template <class R>
    static void Array(R* p) {
        if (!p) return;
        AfxRegistrarLiberacao();
        delete[] p;
    }
    template <class R>
    static void Um(R* p) {
        if (!p) return;
        AfxRegistrarLiberacao();
        delete p;
    }
};
struct LiberaTarefa {
    template <class R>
    static void Array(R* p) { CoTaskMemFree(p); }
    template <class R>
    static void Um(R* p) { CoTaskMemFree(p); }
};

template <class L>
void Liberar(_REG_GC_CUSTO_PRODUCAO_VARIACAOPS& v) {
    L::Array(v.pCustoProcesso);
    L::Array(v.pCustoInsumo);
    v = {};
}
template <class L>
void Liberar(_REG_GC_CUSTO_PRODUCAO_RESULTADOPS& r) {
    L::Um(r.pEntrada);
    L::Array(r.pCustoProcessamento);
    L::Array(r.pCustoBaixaInsumo);
    r = {};
}
template <class L>
void Liberar(_REG_GC_CUSTO_PRODUCAOPS& c) {
    if (c.pResultado)
        for (ULONG i = 0; i < static_cast<ULONG>(c.QuantidadeResultado); ++i) Liberar<L>(c.pResultado[i]);
    L::Array(c.pResultado);
    L::Array(c.pCustoTerceirizacao);
    L::Array(c.pInventarioElaboracao);
    for (auto* v : {c.pVariacaoEstoqueProprio, c.pVariacaoEstoqueTerceiros, c.pVariacaoGeral}) {
        if (v) Liberar<L>(*v);
        L::Um(v);
    }
    c = {};
}

// In a tree a failed write left behind, the children written at each level are a prefix of
// the hook order (empty children are always null). Answers the number of blocks present.
void ChecarPrefixo(std::initializer_list<std::pair<const void*, bool>> filhos) {
    bool faltou = false;
    for (auto [p, naoVazio] : filhos) {
        if (!naoVazio) EXPECT_EQ(p, nullptr);
        else if (!p) faltou = true;
        else EXPECT_FALSE(faltou) << "a child was written before an earlier one";
    }
}
int Presentes(const _REG_GC_CUSTO_PRODUCAO_VARIACAOPS& v, const CNXDadosGC_CustoProducaoVariacao& e) {
    ChecarPrefixo({{v.pCustoProcesso, e.GetQuantidadeCustoProcesso() > 0},
                   {v.pCustoInsumo, e.GetQuantidadeCustoInsumo() > 0}});
    return (v.pCustoProcesso != nullptr) + (v.pCustoInsumo != nullptr);
}
int Presentes(const _REG_GC_CUSTO_PRODUCAO_RESULTADOPS& r, const CNXDadosGC_CustoProducaoResultado& e) {
    ChecarPrefixo({{r.pEntrada, e.PossuiEntrada()},
                   {r.pCustoProcessamento, e.GetQuantidadeCustoProcessamento() > 0},
                   {r.pCustoBaixaInsumo, e.GetQuantidadeCustoBaixaInsumo() > 0}});
    return (r.pEntrada != nullptr) + (r.pCustoProcessamento != nullptr) + (r.pCustoBaixaInsumo != nullptr);
}
int Presentes(const _REG_GC_CUSTO_PRODUCAOPS& c, const CNXDadosGC_CustoProducao& e) {
    ChecarPrefixo({{c.pResultado, e.GetQuantidadeResultado() > 0},
                   {c.pCustoTerceirizacao, e.GetQuantidadeCustoTerceirizacao() > 0},
                   {c.pInventarioElaboracao, e.GetQuantidadeInventarioElaboracao() > 0},
                   {c.pVariacaoEstoqueProprio, e.PossuiVariacaoEstoqueProprio()},
                   {c.pVariacaoEstoqueTerceiros, e.PossuiVariacaoEstoqueTerceiros()},
                   {c.pVariacaoGeral, e.PossuiVariacaoGeral()}});
    int n = 0;
    for (const void* p : {static_cast<const void*>(c.pResultado), static_cast<const void*>(c.pCustoTerceirizacao),
                          static_cast<const void*>(c.pInventarioElaboracao),
                          static_cast<const void*>(c.pVariacaoEstoqueProprio),
                          static_cast<const void*>(c.pVariacaoEstoqueTerceiros),
                          static_cast<const void*>(c.pVariacaoGeral)})
        n += p != nullptr;
    if (c.pResultado)
        for (ULONG i = 0; i < static_cast<ULONG>(c.QuantidadeResultado); ++i)
            n += Presentes(c.pResultado[i], e.GetResultado(i));
    if (c.pVariacaoEstoqueProprio) n += Presentes(*c.pVariacaoEstoqueProprio, *e.GetVariacaoEstoqueProprio());
    if (c.pVariacaoEstoqueTerceiros) n += Presentes(*c.pVariacaoEstoqueTerceiros, *e.GetVariacaoEstoqueTerceiros());
    if (c.pVariacaoGeral) n += Presentes(*c.pVariacaoGeral, *e.GetVariacaoGeral());
    return n;
}

// The two ways out: CopiarPara with the ordinary heap, CopiarParaPS with the task allocator.
struct Transferencia {
    const char* nome;
    void (*escrever)(const CNXDadosGC_CustoProducao&, _REG_GC_CUSTO_PRODUCAOPS*);
    void (*liberar)(_REG_GC_CUSTO_PRODUCAOPS&);
    long long NXContadoresAlocacao::*contador;  // the counter every block of this way bumps
};
const Transferencia kTransferencias[] = {
    {"CopiarPara", [](const CNXDadosGC_CustoProducao& c, _REG_GC_CUSTO_PRODUCAOPS* r) { c.CopiarPara(r); },
     &Liberar<LiberaHeap>, &NXContadoresAlocacao::alocacoes},
    {"CopiarParaPS", [](const CNXDadosGC_CustoProducao& c, _REG_GC_CUSTO_PRODUCAOPS* r) { c.CopiarParaPS(r); },
     &Liberar<LiberaTarefa>, &NXContadoresAlocacao::alocacoesTarefa},
};

long long Pendentes() {
    const auto& c = AfxContadoresAlocacao();
    return c.alocacoes - c.liberacoes;
}

TEST(CustoProducao, ArvoreCompletaSaiComCadaBlocoNoSeuLugarEVoltaIgual) {
    const CNXDadosGC_CustoProducao original = Completo();
    for (const auto& t : kTransferencias) {
        SCOPED_TRACE(t.nome);
        const long long pendentesAntes = Pendentes();
        const long long blocosAntes = AfxContadoresAlocacao().*t.contador;
        _REG_GC_CUSTO_PRODUCAOPS reg;
        std::memset(static_cast<void*>(&reg), 0xCD, sizeof reg);
        t.escrever(original, &reg);
        EXPECT_EQ(AfxContadoresAlocacao().*t.contador - blocosAntes, kBlocosCompleto);

        Verificador v;
        v.CustoProducao(reinterpret_cast<Bytes>(&reg), original);
        EXPECT_EQ(v.blocos, kBlocosCompleto);
        // Three variation records, each a block of its own.
        EXPECT_NE(reg.pVariacaoEstoqueProprio, reg.pVariacaoEstoqueTerceiros);
        EXPECT_NE(reg.pVariacaoEstoqueTerceiros, reg.pVariacaoGeral);
        EXPECT_NE(reg.pVariacaoEstoqueProprio, reg.pVariacaoGeral);

        {
            CNXDadosGC_CustoProducao lido;
            lido.CopiarDe(&reg);
            EXPECT_TRUE(lido == original);
            EXPECT_TRUE(original == lido);
            EXPECT_EQ(lido.GetQuantidadeResultado(), 3);
            // The object keeps its children in members; its own record's child fields stay zero.
            const _REG_GC_CUSTO_PRODUCAOPS& proprio = lido.GetReg();
            EXPECT_EQ(proprio.pResultado, nullptr);
            EXPECT_EQ(static_cast<ULONG>(proprio.QuantidadeResultado), 0u);
            EXPECT_EQ(proprio.pVariacaoGeral, nullptr);
            EXPECT_EQ(lido.GetResultado(0).GetReg().pEntrada, nullptr);
            EXPECT_EQ(static_cast<ULONG>(lido.GetResultado(0).GetReg().QuantidadeCustoBaixaInsumo), 0u);
            EXPECT_EQ(lido.GetVariacaoEstoqueProprio()->GetReg().pCustoProcesso, nullptr);
        }  // lido's own storage is released here

        t.liberar(reg);
        EXPECT_EQ(Pendentes(), pendentesAntes);
    }
}

TEST(CustoProducao, CabecalhoSemFilhosEscreveZerosEVoltaVazio) {
    CNXDadosGC_CustoProducao c;
    c.SetExcluido(1);
    EXPECT_FALSE(c.EstaVazio());
    c.SetExcluido(0);
    for (const auto& t : kTransferencias) {
        SCOPED_TRACE(t.nome);
        _REG_GC_CUSTO_PRODUCAOPS reg;
        std::memset(static_cast<void*>(&reg), 0xCD, sizeof reg);
        t.escrever(c, &reg);
        const auto* b = reinterpret_cast<Bytes>(&reg);
        for (std::size_t i = 0; i < sizeof reg; ++i) ASSERT_EQ(b[i], 0) << "byte " << i;
        CNXDadosGC_CustoProducao lido = Completo();
        lido.CopiarDe(&reg);
        EXPECT_TRUE(lido.EstaVazio());
    }
}

// A pair with a count but no block, or a block but no count, reads as an empty list and
// leaves the object's own pair zero.
TEST(CustoProducao, ParIncoerenteDaListaVazia) {
    _REG_GC_CUSTO_PRODUCAO_RESULTADOPS r0{};
    _REG_GC_CUSTO_PRODUCAO_TERCEIRIZACAOPS t0{};
    _REG_GC_CUSTO_PRODUCAO_INVENTARIO_ELABORACAOPS i0{};
    r0.QuantProduzida = tagCY{1};
    t0.CustoTotal = tagCY{1};
    i0.CustoTotal = tagCY{1};
    struct Caso {
        const char* lista;
        std::function<void(_REG_GC_CUSTO_PRODUCAOPS&, ULONG, bool)> montar;
        std::function<INT_PTR(const CNXDadosGC_CustoProducao&)> quantidade;
    };
    const Caso casos[] = {
        {"Resultado",
         [&](auto& r, ULONG n, bool p) {
             r.QuantidadeResultado = NXQuantidade{n};
             r.pResultado = p ? &r0 : nullptr;
         },
         [](const auto& c) { return c.GetQuantidadeResultado(); }},
        {"CustoTerceirizacao",
         [&](auto& r, ULONG n, bool p) {
             r.QuantidadeCustoTerceirizacao = NXQuantidade{n};
             r.pCustoTerceirizacao = p ? &t0 : nullptr;
         },
         [](const auto& c) { return c.GetQuantidadeCustoTerceirizacao(); }},
        {"InventarioElaboracao",
         [&](auto& r, ULONG n, bool p) {
             r.QuantidadeInventarioElaboracao = NXQuantidade{n};
             r.pInventarioElaboracao = p ? &i0 : nullptr;
         },
         [](const auto& c) { return c.GetQuantidadeInventarioElaboracao(); }},
    };
    for (const auto& caso : casos) {
        for (auto [n, comBloco] : {std::pair{3u, false}, std::pair{0u, true}, std::pair{1u, true}}) {
            SCOPED_TRACE(std::string(caso.lista) + " count " + std::to_string(n) + (comBloco ? " with" : " without") +
                         " block");
            _REG_GC_CUSTO_PRODUCAOPS reg{};
            caso.montar(reg, n, comBloco);
            CNXDadosGC_CustoProducao c;
            c.CopiarDe(&reg);
            EXPECT_EQ(caso.quantidade(c), comBloco ? static_cast<INT_PTR>(n) : 0);
            const auto* proprio = reinterpret_cast<Bytes>(&c.GetReg());
            for (std::size_t i = 0; i < sizeof reg; ++i) ASSERT_EQ(proprio[i], 0) << "own record byte " << i;
        }
    }
}

TEST(CustoProducao, OrdemDosResultadosImporta) {
    const auto a = Resultado(10, true, 1, 0);
    const auto b = Resultado(20, false, 0, 1);
    CNXDadosGC_CustoProducao ab, ba;
    ab.AdicionaResultado(a);
    ab.AdicionaResultado(b);
    ba.AdicionaResultado(b);
    ba.AdicionaResultado(a);
    EXPECT_FALSE(ab == ba);
    EXPECT_TRUE(ab != ba);
    ba.TrocaResultado(0, 1);
    EXPECT_TRUE(ab == ba);
    // Deeper down too: two processing lines of a result swapped.
    ba.GetRefResultado(0).AdicionaCustoProcessamento(Preenchido<CNXDadosGC_CustoProducaoProcessamento>(1));
    ba.GetRefResultado(0).AdicionaCustoProcessamento(Preenchido<CNXDadosGC_CustoProducaoProcessamento>(2));
    ab = ba;
    ab.GetRefResultado(0).TrocaCustoProcessamento(1, 2);
    EXPECT_FALSE(ab == ba);
}

// Same layout and the same bytes, but a process line and a processing line are different
// things: never equal, and one does not copy into the other.
TEST(CustoProducao, ProcessoEProcessamentoNuncaSaoIguais) {
    const auto processo = Preenchido<CNXDadosGC_CustoProducaoProcesso>(7);
    const auto processamento = Preenchido<CNXDadosGC_CustoProducaoProcessamento>(7);
    ASSERT_EQ(std::memcmp(&processo.GetReg(), &processamento.GetReg(), 88), 0);
    EXPECT_FALSE(processo.Igual(&processamento));
    EXPECT_FALSE(processamento.Igual(&processo));
    CNXDadosGC_CustoProducaoProcesso alvo;
    alvo.Copiar(&processamento);
    EXPECT_TRUE(alvo.EstaVazio());
}

// ---- Single-object holders --------------------------------------------------------------------

// The seven operations of one holder, and where its pointer lies in the owner's record.
#define NX_ACESSO_UNICO(Dono, Tipo, Nome, Deslocamento)                                            \
    struct Unico##Nome {                                                                          \
        using D = Dono;                                                                           \
        using T = Tipo;                                                                           \
        static constexpr const char* nome = #Nome;                                                \
        static constexpr std::size_t deslocamento = Deslocamento;                                 \
        static bool Possui(const D& o) { return o.Possui##Nome(); }                               \
        static T* Get(D& o) { return o.Get##Nome(); }                                             \
        static const T* GetConst(const D& o) { return o.Get##Nome(); }                            \
        static bool GetSaida(D& o, T*& p) { return o.Get##Nome(p); }                              \
        static bool GetSaidaConst(const D& o, const T*& p) { return o.Get##Nome(p); }             \
        static T* Inclui(D& o) { return o.Inclui##Nome(); }                                       \
        static void Set(D& o, const T& v) { o.Set##Nome(v); }                                     \
        static void SetPtr(D& o, const T* v) { o.Set##Nome(v); }                                  \
        static void Remove(D& o) { o.Remove##Nome(); }                                            \
    };
NX_ACESSO_UNICO(CNXDadosGC_CustoProducao, CNXDadosGC_CustoProducaoVariacao, VariacaoEstoqueProprio, 112)
NX_ACESSO_UNICO(CNXDadosGC_CustoProducao, CNXDadosGC_CustoProducaoVariacao, VariacaoEstoqueTerceiros, 120)
NX_ACESSO_UNICO(CNXDadosGC_CustoProducao, CNXDadosGC_CustoProducaoVariacao, VariacaoGeral, 128)
NX_ACESSO_UNICO(CNXDadosGC_CustoProducaoResultado, CNXDadosGC_CustoProducaoEntrada, Entrada, 80)

template <class A>
class UnicoCustoProducao : public ::testing::Test {};
using Unicos = ::testing::Types<UnicoVariacaoEstoqueProprio, UnicoVariacaoEstoqueTerceiros, UnicoVariacaoGeral,
                                UnicoEntrada>;
TYPED_TEST_SUITE(UnicoCustoProducao, Unicos);

TYPED_TEST(UnicoCustoProducao, SeteOperacoes) {
    using A = TypeParam;
    typename A::D dono;
    const auto& constante = dono;
    typename A::T* p = reinterpret_cast<typename A::T*>(&dono);  // anything but null
    const typename A::T* pc = p;

    EXPECT_FALSE(A::Possui(dono));
    EXPECT_EQ(A::Get(dono), nullptr);
    EXPECT_EQ(A::GetConst(constante), nullptr);
    EXPECT_FALSE(A::GetSaida(dono, p));
    EXPECT_EQ(p, nullptr);
    EXPECT_FALSE(A::GetSaidaConst(constante, pc));
    EXPECT_EQ(pc, nullptr);

    // Inclui twice: one cleared element, at the same address.
    typename A::T* incluido = A::Inclui(dono);
    ASSERT_NE(incluido, nullptr);
    EXPECT_TRUE(incluido->EstaVazio());
    EXPECT_EQ(A::Inclui(dono), incluido);
    EXPECT_TRUE(A::Possui(dono));
    EXPECT_EQ(A::Get(dono), incluido);
    EXPECT_EQ(A::GetConst(constante), incluido);
    EXPECT_TRUE(A::GetSaida(dono, p));
    EXPECT_EQ(p, incluido);
    EXPECT_TRUE(A::GetSaidaConst(constante, pc));
    EXPECT_EQ(pc, incluido);
    EXPECT_FALSE(dono.EstaVazio());  // an element, even an empty one, counts

    // Set copies into the element already held.
    const auto valor = Preenchido<typename A::T>(3);
    A::Set(dono, valor);
    EXPECT_EQ(A::Get(dono), incluido);
    EXPECT_TRUE(*A::Get(dono) == valor);

    // A null pointer empties the holder; a non-null one creates the element again.
    A::SetPtr(dono, nullptr);
    EXPECT_FALSE(A::Possui(dono));
    EXPECT_TRUE(dono.EstaVazio());
    A::SetPtr(dono, &valor);
    ASSERT_TRUE(A::Possui(dono));
    EXPECT_TRUE(*A::Get(dono) == valor);
    A::Remove(dono);
    EXPECT_FALSE(A::Possui(dono));
    EXPECT_TRUE(dono.EstaVazio());
}

// The holder travels as one record at its pointer, allocated by plain new or by the task
// allocator, and comes back from a record whose pointer the caller owns.
TYPED_TEST(UnicoCustoProducao, ViajaComoUmRegistro) {
    using A = TypeParam;
    using R = typename A::D::Registro;
    using RT = typename A::T::Registro;
    typename A::D dono;
    const auto valor = Preenchido<typename A::T>(5);
    A::Set(dono, valor);

    const long long pendentes = Pendentes();
    R heap, tarefa;
    dono.CopiarPara(&heap);
    dono.CopiarParaPS(&tarefa);
    for (const R* r : {&heap, &tarefa}) {
        auto* filho = Ler<const RT*>(r, A::deslocamento);
        ASSERT_NE(filho, nullptr);
        EXPECT_EQ(std::memcmp(filho, &valor.GetReg(), sizeof(RT)), 0);
        auto copia = *r;
        std::memset(reinterpret_cast<unsigned char*>(&copia) + A::deslocamento, 0, sizeof(void*));
        EXPECT_EQ(std::memcmp(&copia, &dono.GetReg(), sizeof(R)), 0) << "nothing else is written";
    }

    // In from a record: the caller's block is read, not kept.
    RT externo;
    std::memcpy(static_cast<void*>(&externo), &valor.GetReg(), sizeof externo);
    R entrada{};
    RT* pExterno = &externo;
    std::memcpy(reinterpret_cast<unsigned char*>(&entrada) + A::deslocamento, &pExterno, sizeof pExterno);
    typename A::D lido;
    lido.CopiarDe(&entrada);
    ASSERT_TRUE(A::Possui(lido));
    EXPECT_NE(static_cast<const void*>(A::Get(lido)), static_cast<const void*>(&externo));
    EXPECT_TRUE(*A::Get(lido) == valor);
    EXPECT_EQ(Ler<const void*>(&lido.GetReg(), A::deslocamento), nullptr);
    // A null pointer empties a holder that held something.
    R vazio{};
    lido.CopiarDe(&vazio);
    EXPECT_FALSE(A::Possui(lido));

    auto* h = Ler<RT*>(&heap, A::deslocamento);
    AfxRegistrarLiberacao();
    delete h;
    CoTaskMemFree(Ler<RT*>(&tarefa, A::deslocamento));
    EXPECT_EQ(Pendentes(), pendentes);
}

// ---- Lists: bad indices -----------------------------------------------------------------------

#define NX_ACESSO_LISTA(Dono, Tipo, Nome)                                                          \
    struct Lista##Dono##Nome {                                                                    \
        using D = Dono;                                                                           \
        using T = Tipo;                                                                           \
        static constexpr const char* nome = #Dono "::" #Nome;                                     \
        static void Adiciona(D& o, const T& v) { o.Adiciona##Nome(v); }                           \
        static INT_PTR Quantidade(const D& o) { return o.GetQuantidade##Nome(); }                 \
        static std::vector<std::function<void(D&)>> Indevidos(INT_PTR n) {                        \
            const T v;                                                                            \
            return {                                                                              \
                [](D& o) { (void)o.Get##Nome(-1); },                                              \
                [n](D& o) { (void)o.Get##Nome(n); },                                              \
                [n](D& o) { (void)o.GetConstRef##Nome(n); },                                      \
                [](D& o) { (void)o.GetRef##Nome(-1); },                                           \
                [n](D& o) { (void)o.GetPtr##Nome(n); },                                           \
                [n](D& o) { (void)static_cast<const D&>(o).GetPtr##Nome(n); },                    \
                [n, v](D& o) { o.Set##Nome(n, v); },                                              \
                [n](D& o) { o.Deletar##Nome(n); },                                                \
                [](D& o) { o.Deletar##Nome(-1); },                                                \
                [n](D& o) { o.Troca##Nome(0, n); },                                               \
                [n](D& o) { o.Troca##Nome(n, 0); },                                               \
            };                                                                                    \
        }                                                                                         \
    };
using CP = CNXDadosGC_CustoProducao;
using CPR = CNXDadosGC_CustoProducaoResultado;
using CPV = CNXDadosGC_CustoProducaoVariacao;
using PCCP = CNXDadosGC_ParametrosCargaCustoProducao;
NX_ACESSO_LISTA(CP, CNXDadosGC_CustoProducaoResultado, Resultado)
NX_ACESSO_LISTA(CP, CNXDadosGC_CustoProducaoTerceirizacao, CustoTerceirizacao)
NX_ACESSO_LISTA(CP, CNXDadosGC_CustoProducaoInventarioElaboracao, InventarioElaboracao)
NX_ACESSO_LISTA(CPR, CNXDadosGC_CustoProducaoProcessamento, CustoProcessamento)
NX_ACESSO_LISTA(CPR, CNXDadosGC_CustoProducaoBaixaInsumo, CustoBaixaInsumo)
NX_ACESSO_LISTA(CPV, CNXDadosGC_CustoProducaoProcesso, CustoProcesso)
NX_ACESSO_LISTA(CPV, CNXDadosGC_CustoProducaoInsumo, CustoInsumo)
NX_ACESSO_LISTA(PCCP, CNXDadosGC_ProdutoServicoClasse, ProdutoClasse)

template <class A>
class ListaCustoProducao : public ::testing::Test {};
using Listas = ::testing::Types<ListaCPResultado, ListaCPCustoTerceirizacao, ListaCPInventarioElaboracao,
                                ListaCPRCustoProcessamento, ListaCPRCustoBaixaInsumo, ListaCPVCustoProcesso,
                                ListaCPVCustoInsumo, ListaPCCPProdutoClasse>;
TYPED_TEST_SUITE(ListaCustoProducao, Listas);

TYPED_TEST(ListaCustoProducao, IndiceForaDaListaLancaENadaMuda) {
    using A = TypeParam;
    typename A::D dono;
    A::Adiciona(dono, Preenchido<typename A::T>(1));
    A::Adiciona(dono, Preenchido<typename A::T>(2));
    const typename A::D antes = dono;
    int caso = 0;
    for (const auto& indevido : A::Indevidos(A::Quantidade(dono))) {
        SCOPED_TRACE(std::string(A::nome) + " case " + std::to_string(caso++));
        bool lancou = false;
        try {
            indevido(dono);
        } catch (CInvalidArgException* e) {
            e->Delete();
            lancou = true;
        }
        EXPECT_TRUE(lancou);
        EXPECT_TRUE(dono == antes);
    }
}

// ---- Key views of the header --------------------------------------------------------------------

// One key view: the key travels through its flat record (a composite key through its member
// keys), so every view is checked byte by byte against the header's record.
struct VisaoChave {
    const char* nome;
    std::size_t tamanhoChave;
    struct Par {
        std::size_t daChave, doCabecalho, largura;
    };
    std::vector<Par> pares;
    void (*definir)(CNXDadosGC_CustoProducao&, Bytes chave);
    void (*obter)(const CNXDadosGC_CustoProducao&, unsigned char* chave);
};

#define NX_VISAO(Nome, ...)                                                                          \
    VisaoChave {                                                                                     \
        #Nome, sizeof(CNXDadosGC_##Nome::Registro), __VA_ARGS__,                                     \
            [](CNXDadosGC_CustoProducao& c, Bytes b) {                                               \
                CNXDadosGC_##Nome chave;                                                             \
                chave.CopiarDe(reinterpret_cast<const CNXDadosGC_##Nome::Registro*>(b));            \
                c.Set##Nome(chave);                                                                  \
            },                                                                                       \
            [](const CNXDadosGC_CustoProducao& c, unsigned char* b) {                                \
                c.Get##Nome().CopiarPara(reinterpret_cast<CNXDadosGC_##Nome::Registro*>(b));        \
            }                                                                                        \
    }

const VisaoChave kVisoes[] = {
    NX_VISAO(KeyCompetencia, {{0, 72, 2}, {2, 74, 2}}),
    NX_VISAO(KeyProdutoServico, {{0, 0, 16}, {16, 76, 1}}),
    NX_VISAO(KeyProdutoServicoCompetencia, {{0, 0, 16}, {16, 72, 2}, {18, 74, 2}, {20, 76, 1}}),
    // The key's process reference (16..20) is not part of the header.
    NX_VISAO(KeyCustoProdutoServico, {{0, 0, 16}, {20, 72, 2}, {22, 74, 2}, {24, 76, 1}, {25, 77, 1}}),
    // Competence key at 0, product/service key at 8.
    NX_VISAO(KeyCustoProducao, {{0, 72, 2}, {2, 74, 2}, {8, 0, 16}, {24, 76, 1}}),
};

TEST(CustoProducao, VisoesDeChaveTocamSoOsSeusCampos) {
    for (const auto& visao : kVisoes) {
        SCOPED_TRACE(visao.nome);
        const CNXDadosGC_CustoProducao antes = Preenchido<CNXDadosGC_CustoProducao>(9);
        const auto* a = reinterpret_cast<Bytes>(&antes.GetReg());

        // Get: the mapped bytes come from the header, every other byte of the key is zero.
        std::vector<unsigned char> obtida(visao.tamanhoChave, 0xCD);
        visao.obter(antes, obtida.data());
        std::vector<unsigned char> esperada(visao.tamanhoChave, 0);
        for (const auto& p : visao.pares) std::memcpy(&esperada[p.daChave], a + p.doCabecalho, p.largura);
        EXPECT_EQ(obtida, esperada);

        // Set: the mapped bytes take the key's values; nothing else in the header changes.
        std::vector<unsigned char> chave(visao.tamanhoChave);
        for (std::size_t i = 0; i < chave.size(); ++i) chave[i] = static_cast<unsigned char>(0xA0 + i);
        CNXDadosGC_CustoProducao depois = antes;
        visao.definir(depois, chave.data());
        std::vector<unsigned char> esperado(a, a + sizeof(_REG_GC_CUSTO_PRODUCAOPS));
        for (const auto& p : visao.pares) std::memcpy(&esperado[p.doCabecalho], &chave[p.daChave], p.largura);
        const auto* d = reinterpret_cast<Bytes>(&depois.GetReg());
        EXPECT_EQ(std::vector<unsigned char>(d, d + sizeof(_REG_GC_CUSTO_PRODUCAOPS)), esperado);
    }
}

// ---- Filter and load parameters -----------------------------------------------------------------

TEST(CustoProducao, FaixasDoFiltroRecebemOsDoisExtremos) {
    CNXDadosGC_FiltroCustoProducao f;
    f.SetChave(7);
    f.SetMaCompetencia(REG_NXMA(2000));
    f.SetMaTree(REG_NXMA(2100));
    EXPECT_EQ(f.GetChaveInicial(), 7u);
    EXPECT_EQ(f.GetChaveFinal(), 7u);
    EXPECT_EQ(f.GetMaCompetenciaInicial(), 2000);
    EXPECT_EQ(f.GetMaCompetenciaFinal(), 2000);
    EXPECT_EQ(f.GetMaTreeInicial(), 2100);
    EXPECT_EQ(f.GetMaTreeFinal(), 2100);
    CNXDadosGC_FiltroCustoProducao g;
    g.SetChaveInicial(7).SetChaveFinal(7).SetMaCompetenciaInicial(2000).SetMaCompetenciaFinal(2000);
    g.SetMaTreeInicial(2100).SetMaTreeFinal(2100);
    EXPECT_TRUE(f == g);
}

// A member key travels in the head of the record and lives only in the member.
TEST(CustoProducao, ChavesMembroVoltamAoMembro) {
    {
        _REG_GC_FILTRO_CUSTO_PRODUCAOPS reg{};
        reg.KeyProdutoServico.TipoProdutoServico = 3;
        reg.KeyProdutoServico.PosicaoProdutoServico.m_Bytes[5] = 0x44;
        reg.ChaveInicial = 9;
        CNXDadosGC_FiltroCustoProducao f;
        f.CopiarDe(&reg);
        EXPECT_EQ(f.GetKeyProdutoServico().GetTipoProdutoServico(), 3);
        EXPECT_EQ(f.GetKeyProdutoServico().GetPosicaoProdutoServico(), reg.KeyProdutoServico.PosicaoProdutoServico);
        EXPECT_EQ(f.GetChaveInicial(), 9u);
        const auto* proprio = reinterpret_cast<Bytes>(&f.GetReg());
        for (std::size_t i = 0; i < 24; ++i) ASSERT_EQ(proprio[i], 0) << "byte " << i;
        _REG_GC_FILTRO_CUSTO_PRODUCAOPS saida;
        f.CopiarPara(&saida);
        EXPECT_EQ(std::memcmp(&saida, &reg, sizeof reg), 0);
    }
    {
        _REG_GC_PRODUTO_SERVICO_CLASSEPS classes[2]{};
        classes[0].ConsiderarVariacoesGrades = 1;
        classes[1].KeyProdutoServicoClasse.TipoProdutoServico = 2;
        _REG_GC_PARAMETROS_CARGA_CUSTO_PRODUCAOPS reg{};
        reg.KeyCompetencia.MaCompetencia = 1999;
        reg.KeyCompetencia.PonteiroFilial = 4;
        reg.PonteiroTabelaPrecoCompra = 77;
        reg.QuantidadeProdutoClasse = NXQuantidade{2};
        reg.pProdutoClasse = classes;
        CNXDadosGC_ParametrosCargaCustoProducao p;
        p.CopiarDe(&reg);
        EXPECT_EQ(p.GetKeyCompetencia().GetMaCompetencia(), 1999);
        EXPECT_EQ(p.GetKeyCompetencia().GetPonteiroFilial(), 4);
        EXPECT_EQ(p.GetPonteiroTabelaPrecoCompra(), 77u);
        ASSERT_EQ(p.GetQuantidadeProdutoClasse(), 2);
        EXPECT_EQ(p.GetProdutoClasse(1).GetKeyProdutoServicoClasse().GetTipoProdutoServico(), 2);
        const auto* proprio = reinterpret_cast<Bytes>(&p.GetReg());
        for (std::size_t i : {0u, 1u, 2u, 3u, 4u, 5u, 6u, 7u, 12u, 13u, 14u, 15u, 24u, 25u, 26u, 27u, 28u, 29u, 30u, 31u})
            ASSERT_EQ(proprio[i], 0) << "byte " << i;
        _REG_GC_PARAMETROS_CARGA_CUSTO_PRODUCAOPS saida;
        p.CopiarPara(&saida);
        ASSERT_NE(saida.pProdutoClasse, nullptr);
        EXPECT_EQ(std::memcmp(saida.pProdutoClasse, classes, sizeof classes), 0);
        auto copia = saida;
        copia.pProdutoClasse = classes;
        EXPECT_EQ(std::memcmp(&copia, &reg, sizeof reg), 0);
        AfxRegistrarLiberacao();
        delete[] saida.pProdutoClasse;
    }
}

// ---- Failed allocations -----------------------------------------------------------------------

// Each block of the tree fails in turn: the memory exception reaches the caller, and the tree
// written so far is consistent, so the caller frees it and nothing is left behind.
TEST(CustoProducao, AlocacaoQueFalhaNaoVazaEDeixaArvoreLiberavel) {
    const CNXDadosGC_CustoProducao original = Completo();
    for (const auto& t : kTransferencias) {
        SCOPED_TRACE(t.nome);
        int falhas = 0;
        for (int n = 1; n <= kBlocosCompleto + 1; ++n) {
            SCOPED_TRACE("allocation " + std::to_string(n));
            const long long pendentes = Pendentes();
            _REG_GC_CUSTO_PRODUCAOPS reg;
            AfxContadoresAlocacao().falharNaAlocacao = n;
            bool falhou = false;
            try {
                t.escrever(original, &reg);
            } catch (CMemoryException* e) {
                e->Delete();
                falhou = true;
            }
            AfxContadoresAlocacao().falharNaAlocacao = 0;
            falhas += falhou;
            EXPECT_EQ(falhou, n <= kBlocosCompleto);
            // Blocks are allocated one at a time, in hook order, each before it is linked.
            EXPECT_EQ(Presentes(reg, original), n - 1);
            t.liberar(reg);
            EXPECT_EQ(Pendentes(), pendentes);
        }
        EXPECT_EQ(falhas, kBlocosCompleto);
    }
}

// Reading a record in: a failed allocation leaves the object empty and nothing allocated.
TEST(CustoProducao, AlocacaoQueFalhaNaLeituraDeixaObjetoVazio) {
    const CNXDadosGC_CustoProducao original = Completo();
    _REG_GC_CUSTO_PRODUCAOPS reg;
    original.CopiarPara(&reg);
    for (int n = 1;; ++n) {
        ASSERT_LT(n, 1000);
        const long long pendentes = Pendentes();
        CNXDadosGC_CustoProducao lido;
        AfxContadoresAlocacao().falharNaAlocacao = n;
        bool falhou = false;
        try {
            lido.CopiarDe(&reg);
        } catch (CMemoryException* e) {
            e->Delete();
            falhou = true;
        }
        AfxContadoresAlocacao().falharNaAlocacao = 0;
        if (!falhou) {
            EXPECT_TRUE(lido == original);
            break;
        }
        EXPECT_TRUE(lido.EstaVazio());
        EXPECT_EQ(Pendentes(), pendentes);
    }
    Liberar<LiberaHeap>(reg);
}

}  // namespace
