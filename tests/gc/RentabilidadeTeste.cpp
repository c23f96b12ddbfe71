// Profitability, contribution margin and price formation: the customer references as a block
// of 32-bit values, range setters, a margin's nested dated sales, member keys at the head of
// their records, order sensitivity, another class, bad indices and failed allocations.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

#include "NXLDadosGC/NXLDadosGC.h"
#include "gc/Transferencia.h"

namespace {

using teste::Alocador;
using teste::Bloco;
using teste::Ler;

tagCY Cy(LONGLONG v) { return tagCY{v}; }

CNXDadosGC_KeyProdutoServico ChaveProduto(unsigned char semente) {
    _REG_POSICAO_PRODUTOPS posicao{};
    for (unsigned i = 0; i < sizeof posicao.m_Bytes; ++i) posicao.m_Bytes[i] = static_cast<unsigned char>(semente + i);
    CNXDadosGC_KeyProdutoServico chave;
    chave.SetPosicaoProdutoServico(posicao).SetTipoProdutoServico(static_cast<BYTE>(semente ^ 0x5A));
    return chave;
}

CNXDadosGC_MargemContribuicaoPEDetalhe LinhaPE(ULONG dia, LONGLONG saldo) {
    CNXDadosGC_MargemContribuicaoPEDetalhe pe;
    pe.SetDma(REG_NXDMA(dia)).SetSaldoPE(Cy(saldo)).SetReceita(Cy(saldo * 2));
    return pe;
}

// One product line with two dated sales and, when asked, two PE lines.
CNXDadosGC_MargemContribuicao Margem(bool comPE) {
    CNXDadosGC_MargemContribuicao mc;
    mc.SetMaCompetencia(REG_NXMA(2115)).SetPonteiroFilial(4).SetTotalVendido(Cy(90000));
    CNXDadosGC_MargemContribuicaoProdServ produto;
    produto.SetKeyProdutoServico(ChaveProduto(0x30)).SetQuantidadeVendida(Cy(30000)).SetTotalVendido(Cy(90000));
    for (ULONG i = 0; i < 2; ++i) {
        CNXDadosGC_MargemContribuicaoProdServData venda;
        venda.SetQuantidadeVendida(Cy(10000 * (i + 1))).SetTotalVendido(Cy(30000 * (i + 1))).SetDma(REG_NXDMA(60000 + i));
        produto.AdicionaData(venda);
    }
    mc.AdicionaProdutoServico(produto);
    if (comPE) {
        mc.AdicionaDetalhePE(LinhaPE(60000, -5));
        mc.AdicionaDetalhePE(LinhaPE(60001, 7));
    }
    return mc;
}

void LiberarMargem(_REG_GC_MARGEM_CONTRIBUICAOPS& r, Alocador a) {
    if (r.pProdutoServico)
        for (ULONG i = 0; i < static_cast<ULONG>(r.QuantidadeProdutoServico); ++i)
            teste::Liberar(r.pProdutoServico[i].pData, a);
    teste::Liberar(r.pProdutoServico, a);
    teste::Liberar(r.pDetalhePE, a);
}

CNXDadosGC_FiltroRentabilidade FiltroClientes() {
    CNXDadosGC_FiltroRentabilidade f;
    f.SetPonteiroFilial(5);
    for (ULONG cliente : {7u, 9u, 12u}) f.AdicionaPonteiroCliente(cliente);
    return f;
}

TEST(Rentabilidade, ClientesViajamComoValoresDe32Bits) {
    const CNXDadosGC_FiltroRentabilidade f = FiltroClientes();
    for (Alocador a : {Alocador::Heap, Alocador::Tarefa}) {
        SCOPED_TRACE(teste::Nome(a));
        const teste::Balanco balanco;
        _REG_GC_FILTRO_RENTABILIDADEPS r;
        std::memset(static_cast<void*>(&r), 0xAB, sizeof r);
        teste::Transferir(f, &r, a);
        EXPECT_EQ(balanco.Alocacoes(), 1);
        EXPECT_EQ(balanco.AlocacoesTarefa(), a == Alocador::Tarefa ? 1 : 0);
        EXPECT_EQ(Ler<ULONG>(&r, 40), 3u);
        EXPECT_EQ(Ler<ULONG>(&r, 44), 0u);
        EXPECT_EQ(Bloco(&r, 64), nullptr);
        EXPECT_EQ(Ler<WORD>(&r, 48), 5);
        const unsigned char* clientes = Bloco(&r, 56);
        ASSERT_NE(clientes, nullptr);
        EXPECT_EQ(Ler<ULONG>(clientes, 0), 7u);
        EXPECT_EQ(Ler<ULONG>(clientes, 4), 9u);
        EXPECT_EQ(Ler<ULONG>(clientes, 8), 12u);
        {
            CNXDadosGC_FiltroRentabilidade volta;
            volta.CopiarDe(&r);
            ASSERT_EQ(volta.GetQuantidadePonteiroCliente(), 3);
            EXPECT_EQ(volta.GetPonteiroCliente(0), 7u);
            EXPECT_EQ(volta.GetPonteiroCliente(1), 9u);
            EXPECT_EQ(volta.GetPonteiroCliente(2), 12u);
            EXPECT_TRUE(volta == f);
            EXPECT_EQ(volta.GetReg().pPonteiroCliente, nullptr);
            EXPECT_EQ(static_cast<ULONG>(volta.GetReg().QuantidadePonteiroCliente), 0u);
            volta.TrocaPonteiroCliente(0, 2);
            EXPECT_FALSE(volta == f) << "the order of the references matters";
        }
        teste::Liberar(r.pPonteiroCliente, a);
        EXPECT_EQ(balanco.Pendentes(), 0);
    }
}

TEST(Rentabilidade, FaixasGravamAsDuasPontas) {
    static_assert(std::is_same_v<decltype(&CNXDadosGC_FiltroRentabilidade::SetNrNF),
                                 void (CNXDadosGC_FiltroRentabilidade::*)(ULONG)>);
    static_assert(std::is_same_v<decltype(&CNXDadosGC_FiltroRentabilidade::SetDma),
                                 void (CNXDadosGC_FiltroRentabilidade::*)(const REG_NXDMA&)>);
    struct Caso {
        const char* nome;
        std::function<void(CNXDadosGC_FiltroRentabilidade&)> definir;
        std::size_t inicial, final;
        ULONG valor;
    };
    const Caso kCasos[] = {
        {"SetNrNF", [](auto& f) { f.SetNrNF(100); }, 8, 12, 100},
        {"SetDma", [](auto& f) { f.SetDma(REG_NXDMA(60123)); }, 0, 4, 60123},
    };
    for (const auto& caso : kCasos) {
        SCOPED_TRACE(caso.nome);
        CNXDadosGC_FiltroRentabilidade f;
        caso.definir(f);
        _REG_GC_FILTRO_RENTABILIDADEPS r;
        f.CopiarPara(&r);
        for (std::size_t i = 0; i < sizeof r; i += 4) {
            const bool ponta = i == caso.inicial || i == caso.final;
            EXPECT_EQ(Ler<ULONG>(&r, i), ponta ? caso.valor : 0u) << "offset " << i;
        }
    }
}

TEST(Rentabilidade, MargemComVendasDatadasNoAlocadorDeTarefas) {
    const CNXDadosGC_MargemContribuicao mc = Margem(false);
    const teste::Balanco balanco;
    _REG_GC_MARGEM_CONTRIBUICAOPS r;
    std::memset(static_cast<void*>(&r), 0xAB, sizeof r);
    mc.CopiarParaPS(&r);
    EXPECT_EQ(balanco.Alocacoes(), 2);
    EXPECT_EQ(balanco.AlocacoesTarefa(), 2) << "every block from the task allocator";

    EXPECT_EQ(Ler<ULONG>(&r, 40), 1u);
    EXPECT_EQ(Ler<ULONG>(&r, 44), 0u);
    EXPECT_EQ(Bloco(&r, 64), nullptr);
    EXPECT_EQ(Ler<WORD>(&r, 48), 2115);
    const unsigned char* produto = Bloco(&r, 56);
    ASSERT_NE(produto, nullptr);
    const CNXDadosGC_KeyProdutoServico chave = ChaveProduto(0x30);
    EXPECT_EQ(std::memcmp(produto, &chave.GetReg(), 24), 0) << "the key at the head of the line";
    EXPECT_EQ(Ler<LONGLONG>(produto, 56), 30000);
    EXPECT_EQ(Ler<LONGLONG>(produto, 64), 90000);
    EXPECT_EQ(Ler<ULONG>(produto, 80), 2u);
    EXPECT_TRUE(teste::Zeros(produto, 84, 88) && teste::Zeros(produto, 96, 104));
    const unsigned char* vendas = Bloco(produto, 88);
    ASSERT_NE(vendas, nullptr);
    for (ULONG i = 0; i < 2; ++i) {
        const unsigned char* venda = vendas + 24 * i;
        EXPECT_EQ(Ler<LONGLONG>(venda, 0), 10000 * (i + 1));
        EXPECT_EQ(Ler<LONGLONG>(venda, 8), 30000 * (i + 1));
        EXPECT_EQ(Ler<ULONG>(venda, 16), 60000 + i);
        EXPECT_TRUE(teste::Zeros(venda, 20, 24));
    }
    {
        CNXDadosGC_MargemContribuicao volta;
        volta.CopiarDe(&r);
        EXPECT_TRUE(volta == mc);
        ASSERT_EQ(volta.GetQuantidadeProdutoServico(), 1);
        const auto& linha = volta.GetProdutoServico(0);
        EXPECT_TRUE(linha.GetKeyProdutoServico() == chave);
        EXPECT_TRUE(teste::Zeros(&linha.GetReg(), 0, 24));
        EXPECT_EQ(linha.GetData(1).GetDma(), 60001u);
    }
    LiberarMargem(r, Alocador::Tarefa);
    EXPECT_EQ(balanco.Pendentes(), 0);
}

// A record whose first 24 bytes hold the key: CopiarDe moves them into the member key and
// leaves zeros in the object's own record; CopiarPara puts them back; the member takes part
// in the comparison although both own records are zero there.
template <class Classe, class Chave>
void VerificarChaveMembro(const char* nome, const Chave& (Classe::*get)() const,
                          Classe& (Classe::*set)(const Chave&)) {
    SCOPED_TRACE(nome);
    using REG = typename Classe::Registro;
    REG r{};
    auto* bytes = reinterpret_cast<unsigned char*>(&r);
    for (unsigned i = 0; i < 24; ++i) bytes[i] = static_cast<unsigned char>(0x41 + i);
    bytes[24] = 0x77;  // the first field after the key

    Classe o;
    o.CopiarDe(&r);
    EXPECT_EQ(std::memcmp(&(o.*get)().GetReg(), bytes, 24), 0) << "key restored into the member";
    EXPECT_TRUE(teste::Zeros(&o.GetReg(), 0, 24)) << "own record zero under the key";
    EXPECT_EQ(reinterpret_cast<const unsigned char*>(&o.GetReg())[24], 0x77);
    REG volta;
    o.CopiarPara(&volta);
    EXPECT_EQ(std::memcmp(&volta, &r, sizeof r), 0);

    Classe outro;
    outro.CopiarDe(&r);
    Chave chave = (outro.*get)();
    chave.GetReg().Lacuna17[0] = std::byte{1};  // even a byte with no accessor counts
    (outro.*set)(chave);
    EXPECT_TRUE(teste::Zeros(&outro.GetReg(), 0, 24));
    EXPECT_FALSE(outro == o);
    EXPECT_FALSE(outro.EstaVazio());
}

TEST(Rentabilidade, ChavesMembroRestauradasNoMembroEZeroNoRegistro) {
    VerificarChaveMembro<CNXDadosGC_FormacaoPreco, CNXDadosGC_KeyProdutoServico>(
        "FormacaoPreco", &CNXDadosGC_FormacaoPreco::GetKeyProdutoServico,
        &CNXDadosGC_FormacaoPreco::SetKeyProdutoServico);
    VerificarChaveMembro<CNXDadosGC_RentabilidadeProdutoServico, CNXDadosGC_KeyProdutoServico>(
        "RentabilidadeProdutoServico", &CNXDadosGC_RentabilidadeProdutoServico::GetKeyProdutoServico,
        &CNXDadosGC_RentabilidadeProdutoServico::SetKeyProdutoServico);
    VerificarChaveMembro<CNXDadosGC_MargemContribuicaoProdServ, CNXDadosGC_KeyProdutoServico>(
        "MargemContribuicaoProdServ", &CNXDadosGC_MargemContribuicaoProdServ::GetKeyProdutoServico,
        &CNXDadosGC_MargemContribuicaoProdServ::SetKeyProdutoServico);
    VerificarChaveMembro<CNXDadosGC_ProdutoServicoClasse, CNXDadosGC_KeyProdutoServico>(
        "ProdutoServicoClasse", &CNXDadosGC_ProdutoServicoClasse::GetKeyProdutoServicoClasse,
        &CNXDadosGC_ProdutoServicoClasse::SetKeyProdutoServicoClasse);
}

TEST(Rentabilidade, ChaveDeRentabilidadeNaCabecaDoRegistro) {
    CNXDadosGC_KeyRentabilidade chave;
    chave.SetPosicaoProdutoServico(ChaveProduto(0x10).GetPosicaoProdutoServico())
        .SetPonteiroAgrupamento(0x01020304)
        .SetTipoProdutoServico(9);
    CNXDadosGC_Rentabilidade o;
    o.SetKeyRentabilidade(chave).SetModuloOrigem(3);
    EXPECT_TRUE(teste::Zeros(&o.GetReg(), 0, 24));
    _REG_GC_RENTABILIDADEPS r;
    o.CopiarPara(&r);
    EXPECT_EQ(std::memcmp(&r, &chave.GetReg(), 24), 0);
    EXPECT_EQ(Ler<ULONG>(&r, 16), 0x01020304u);
    EXPECT_EQ(Ler<BYTE>(&r, 161), 3);
    CNXDadosGC_Rentabilidade volta;
    volta.CopiarDe(&r);
    EXPECT_TRUE(volta.GetKeyRentabilidade() == chave);
    EXPECT_TRUE(volta == o);
}

TEST(Rentabilidade, OrdemDasLinhasConta) {
    using Mudanca = std::function<void(CNXDadosGC_MargemContribuicao&)>;
    const std::pair<const char*, Mudanca> kTrocas[] = {
        {"PE lines", [](auto& mc) { mc.TrocaDetalhePE(0, 1); }},
        {"dated sales", [](auto& mc) { mc.GetRefProdutoServico(0).TrocaData(0, 1); }},
    };
    const CNXDadosGC_MargemContribuicao base = Margem(true);
    for (const auto& [nome, trocar] : kTrocas) {
        SCOPED_TRACE(nome);
        CNXDadosGC_MargemContribuicao mc = Margem(true);
        trocar(mc);
        EXPECT_FALSE(mc == base);
        trocar(mc);
        EXPECT_TRUE(mc == base);
    }
    // Built in the other order from the start.
    CNXDadosGC_MargemContribuicao invertida = Margem(false);
    invertida.AdicionaDetalhePE(LinhaPE(60001, 7));
    invertida.AdicionaDetalhePE(LinhaPE(60000, -5));
    EXPECT_FALSE(invertida == base);
}

TEST(Rentabilidade, OutraClasseNemIgualNemCopiada) {
    const CNXDadosGC_KeyProdutoServico chave = ChaveProduto(0x20);
    CNXDadosGC_ProdutoServicoClasse classe;
    classe.SetKeyProdutoServicoClasse(chave).SetConsiderarVariacoesGrades(1);
    CNXDadosGC_FormacaoPreco preco;
    preco.SetKeyProdutoServico(chave).SetCustoPadraoV8(Cy(1));
    EXPECT_FALSE(classe.Igual(&preco));
    EXPECT_FALSE(preco.Igual(&classe));
    const CNXDadosGC_ProdutoServicoClasse classeVazia;
    const CNXDadosGC_FormacaoPreco precoVazio;
    EXPECT_FALSE(classeVazia.Igual(&precoVazio)) << "both records zero, still another class";

    CNXDadosGC_ProdutoServicoClasse c = classe;
    c.Copiar(&preco);
    EXPECT_TRUE(c == classe);
    CNXDadosGC_FormacaoPreco p = preco;
    p.Copiar(&classe);
    EXPECT_TRUE(p == preco);
    CNXDadosGC_FormacaoPreco vazio;
    vazio.Copiar(&classe);
    EXPECT_TRUE(vazio.EstaVazio());
}

TEST(Rentabilidade, IndiceInvalidoNaoMudaNada) {
    using Acesso = std::function<void(CNXDadosGC_FiltroRentabilidade&, CNXDadosGC_MargemContribuicao&)>;
    const std::pair<const char*, Acesso> kAcessos[] = {
        {"GetPonteiroCliente(3)", [](auto& f, auto&) { (void)f.GetPonteiroCliente(3); }},
        {"GetPtrPonteiroCliente(-1)", [](auto& f, auto&) { (void)f.GetPtrPonteiroCliente(-1); }},
        {"SetPonteiroCliente(3, 1)", [](auto& f, auto&) { f.SetPonteiroCliente(3, 1); }},
        {"TrocaPonteiroCliente(0, 5)", [](auto& f, auto&) { f.TrocaPonteiroCliente(0, 5); }},
        {"DeletarPonteiroCliente(-1)", [](auto& f, auto&) { f.DeletarPonteiroCliente(-1); }},
        {"GetProdutoServico(0) of the filter", [](auto& f, auto&) { (void)f.GetProdutoServico(0); }},
        {"GetDetalhePE(2)", [](auto&, auto& mc) { (void)mc.GetDetalhePE(2); }},
        {"TrocaProdutoServico(0, 1)", [](auto&, auto& mc) { mc.TrocaProdutoServico(0, 1); }},
        {"product line: SetData(2, ...)",
         [](auto&, auto& mc) { mc.GetRefProdutoServico(0).SetData(2, CNXDadosGC_MargemContribuicaoProdServData()); }},
        {"product line: DeletarData(-1)", [](auto&, auto& mc) { mc.GetRefProdutoServico(0).DeletarData(-1); }},
    };
    const CNXDadosGC_FiltroRentabilidade filtro = FiltroClientes();
    const CNXDadosGC_MargemContribuicao margem = Margem(true);
    for (const auto& [nome, acessar] : kAcessos) {
        SCOPED_TRACE(nome);
        CNXDadosGC_FiltroRentabilidade f = filtro;
        CNXDadosGC_MargemContribuicao mc = margem;
        EXPECT_TRUE(teste::IndiceInvalido([&] { acessar(f, mc); }));
        EXPECT_TRUE(f == filtro);
        EXPECT_TRUE(mc == margem);
    }
}

// Blocks in hook order: 1 product lines, 2 the line's dated sales, 3 PE lines.
TEST(Rentabilidade, FalhaDeAlocacaoDeixaUmaArvoreLiberavel) {
    const CNXDadosGC_MargemContribuicao mc = Margem(true);
    for (Alocador a : {Alocador::Heap, Alocador::Tarefa}) {
        for (int n = 1; n <= 4; ++n) {
            SCOPED_TRACE(std::string(teste::Nome(a)) + ", allocation " + std::to_string(n));
            const teste::Balanco balanco;
            _REG_GC_MARGEM_CONTRIBUICAOPS r;
            std::memset(static_cast<void*>(&r), 0xAB, sizeof r);
            const bool falhou = teste::FalhaNaAlocacao(n, [&] { teste::Transferir(mc, &r, a); });
            EXPECT_EQ(falhou, n <= 3);
            const unsigned char* produtos = Bloco(&r, 56);
            EXPECT_EQ(produtos != nullptr, n >= 2);
            EXPECT_EQ(produtos != nullptr && Bloco(produtos, 88) != nullptr, n >= 3);
            EXPECT_EQ(Bloco(&r, 64) != nullptr, n >= 4);
            if (produtos) {
                const CNXDadosGC_KeyProdutoServico chave = ChaveProduto(0x30);
                EXPECT_EQ(std::memcmp(produtos, &chave.GetReg(), 24), 0) << "the key is written before the sales";
            }
            LiberarMargem(r, a);
            EXPECT_EQ(balanco.Pendentes(), 0);
        }
    }
    // The filter: customer references before product classes.
    CNXDadosGC_FiltroRentabilidade f = FiltroClientes();
    CNXDadosGC_ProdutoServicoClasse classe;
    classe.SetKeyProdutoServicoClasse(ChaveProduto(1));
    f.AdicionaProdutoServico(classe);
    const teste::Balanco balanco;
    _REG_GC_FILTRO_RENTABILIDADEPS r;
    EXPECT_TRUE(teste::FalhaNaAlocacao(2, [&] { f.CopiarParaPS(&r); }));
    EXPECT_NE(Bloco(&r, 56), nullptr);
    EXPECT_EQ(Bloco(&r, 64), nullptr);
    EXPECT_EQ(Ler<ULONG>(&r, 44), 0u);
    teste::Liberar(r.pPonteiroCliente, Alocador::Tarefa);
    teste::Liberar(r.pProdutoServico, Alocador::Tarefa);
    EXPECT_EQ(balanco.Pendentes(), 0);
}

}  // namespace
