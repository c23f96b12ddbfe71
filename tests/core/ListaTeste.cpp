// Child lists through the accessors of their owner: index errors, order, exchange, growth,
// assignment in place, holders, arguments that live in the very list being changed, and running
// out of memory (operations that leave the list as it was at every allocation in turn; where an
// interrupted whole-list assignment, transfer, CopiarDe or Copiar stops is checked for every
// library class in gc/InjecaoFalhas).
#include <gtest/gtest.h>

#include <malloc.h>  // malloc_usable_size

#include <functional>
#include <string>
#include <utility>

#include "ClassesTeste.h"
#include "support/Alocacoes.h"

namespace {

using namespace NXTeste;

CTeste_Dono ComLinhas(int n) {
    CTeste_Dono d;
    for (int i = 0; i < n; ++i) d.AdicionaLinha(Linha(i, static_cast<ULONG>(i)));
    return d;
}

TEST(Lista, IndiceForaRecusadoSemMudarNada) {
    VigiaAlocacoes vigia;
    CTeste_Dono d = DonoCompleto();  // three lines, three numbers
    const CTeste_Dono antes = d;
    const CTeste_Dono& cd = d;
    const CTeste_Linha x = Linha(9, 9);
    using Op = std::function<void(INT_PTR)>;
    // The accessor and list the message names, and the call.
    const struct {
        const char* acessor;
        const char* lista;
        Op op;
    } kOps[]{
        {"DeletarLinha", "Linha", [&](INT_PTR i) { d.DeletarLinha(i); }},
        {"TrocaLinha", "Linha", [&](INT_PTR i) { d.TrocaLinha(i, 0); }},
        {"TrocaLinha", "Linha", [&](INT_PTR i) { d.TrocaLinha(0, i); }},
        {"GetLinha", "Linha", [&](INT_PTR i) { (void)cd.GetLinha(i); }},
        {"GetConstRefLinha", "Linha", [&](INT_PTR i) { (void)cd.GetConstRefLinha(i); }},
        {"GetRefLinha", "Linha", [&](INT_PTR i) { d.GetRefLinha(i).SetCodigo(1); }},
        {"GetPtrLinha", "Linha", [&](INT_PTR i) { d.GetPtrLinha(i)->SetCodigo(1); }},
        {"GetPtrLinha", "Linha", [&](INT_PTR i) { (void)cd.GetPtrLinha(i); }},
        {"SetLinha", "Linha", [&](INT_PTR i) { d.SetLinha(i, x); }},
        {"TrocaNumero", "Numero", [&](INT_PTR i) { d.TrocaNumero(0, i); }},
        {"GetNumero", "Numero", [&](INT_PTR i) { (void)cd.GetNumero(i); }},
    };
    for (const auto& c : kOps) {
        for (INT_PTR i : {INT_PTR{-1}, INT_PTR{3}, INT_PTR{5}}) {
            const std::string esperada = std::string(c.acessor) + ": index " + std::to_string(i) +
                                         " outside the 3 elements of list " + c.lista + " of CTeste_Dono";
            try {
                c.op(i);
                ADD_FAILURE() << esperada << ": nothing raised";
            } catch (CInvalidArgException* e) {
                EXPECT_EQ(e->GetMensagem(), esperada);
                EXPECT_TRUE(e->ForaDosLimites());
                e->Delete();
            }
            EXPECT_TRUE(d == antes) << esperada;
        }
    }
}

// Exchanging swaps two elements and deleting moves the later ones down, in order; the same
// elements in another order are another list, at every level and up to the last element.
TEST(Lista, TrocaDeletarEOrdem) {
    VigiaAlocacoes vigia;
    CTeste_Dono d = DonoCompleto();
    const CTeste_Dono antes = d;
    EXPECT_EQ(&d.TrocaLinha(0, 2), &d.GetListaLinha());
    EXPECT_TRUE(d.GetLinha(0) == antes.GetLinha(2));
    EXPECT_TRUE(d.GetLinha(2) == antes.GetLinha(0));
    EXPECT_TRUE(d != antes) << "the same elements in another order are another list";
    d.TrocaLinha(2, 0);
    d.TrocaLinha(1, 1);
    EXPECT_TRUE(d == antes);

    d.GetRefGrupo(1).SetNumero(9);  // the last element of a list of owners counts too
    EXPECT_TRUE(d != antes);
    d.SetGrupo(1, antes.GetGrupo(1));
    d.GetRefGrupo(0).TrocaLinha(0, 1);  // order counts inside a nested list too
    EXPECT_TRUE(d != antes);
    d.TrocaNumero(0, 1);
    EXPECT_EQ(d.GetNumero(0), 0xFFFFFFFFu);
    EXPECT_EQ(d.GetNumero(1), 10u);

    d.DeletarLinha(0);
    ASSERT_EQ(d.GetQuantidadeLinha(), 2);
    EXPECT_TRUE(d.GetLinha(0) == antes.GetLinha(1));
    EXPECT_TRUE(d.GetLinha(1) == antes.GetLinha(2));
    INT_PTR i = 0;
    for (const CTeste_Linha& l : std::as_const(d).GetListaLinha()) EXPECT_EQ(&l, d.GetPtrLinha(i++));
    EXPECT_EQ(i, 2);
}

INT_PTR Capacidade(const T_Lista<CTeste_Linha>& l) { return l.GetArray().GetCapacidade(); }
INT_PTR Passo(const T_Lista<CTeste_Linha>& l) { return l.GetArray().GetGrowBy(); }

// The step: 100 for a new list and after SetValorUnico, automatic (0) after a whole-list
// assignment of any form, kept when the list is emptied. (The room each step gives, and that
// emptying releases it, is CArray's.)
TEST(Lista, PassoDeCrescimento) {
    VigiaAlocacoes vigia;
    const CTeste_Dono sete = ComLinhas(7);
    _REG_TESTE_DONOPS r;
    sete.CopiarPara(&r);
    const std::pair<const char*, std::function<void(CTeste_Dono&)>> kAtribuicoes[]{
        {"SetLista", [&](CTeste_Dono& o) { o.SetListaLinha(sete.GetListaLinha()); }},
        {"operator=", [&](CTeste_Dono& o) { o = sete; }},
        {"CopiarDe", [&](CTeste_Dono& o) { o.CopiarDe(&r); }},
    };
    for (const auto& [nome, atribuir] : kAtribuicoes) {
        CTeste_Dono o = ComLinhas(1);
        const T_Lista<CTeste_Linha>& l = o.GetListaLinha();
        EXPECT_EQ(Passo(l), 100) << nome;
        atribuir(o);
        EXPECT_EQ(Passo(l), 0) << nome;
        o.RemoveTodosLinha();
        EXPECT_EQ(Passo(l), 0) << nome;
        o.SetValorUnicoLinha(Linha(5, 5));
        EXPECT_EQ(Passo(l), 100) << nome;
    }
    NXDadosGC::LiberarCopiarPara<CTeste_Dono>(r);
}

// Assignments that keep every element where it was: the owner's (lists whose room holds the
// source's count, with fewer or more elements than before, nested lists, a holder that holds on
// both sides), Set and Troca of elements that own lists. Pointers taken before point at the
// element of the same index, which holds the source's element.
TEST(Lista, AtribuicaoNoLugar) {
    VigiaAlocacoes vigia;
    const CTeste_Dono fonte = DonoCompleto();  // 3 lines; groups of 2 and 0 lines; a held line
    CTeste_Dono d = ComLinhas(5);  // room for 100 lines
    d.AdicionaGrupo(Grupo(5, 3));  // its nested list with room for 3
    d.AdicionaGrupo(Grupo(6, 4));
    d.IncluiExtra();
    const CTeste_Linha* linha = d.GetPtrLinha(2);
    const CTeste_Grupo* grupo = d.GetPtrGrupo(1);
    const CTeste_Linha* aninhada = d.GetGrupo(0).GetPtrLinha(0);
    const CTeste_Linha* extra = d.GetExtra();
    d = fonte;
    EXPECT_TRUE(d == fonte);
    EXPECT_EQ(d.GetPtrLinha(2), linha);
    EXPECT_EQ(Capacidade(d.GetListaLinha()), 100) << "room given up";
    EXPECT_EQ(d.GetPtrGrupo(1), grupo);
    EXPECT_EQ(d.GetGrupo(0).GetPtrLinha(0), aninhada);
    EXPECT_EQ(d.GetExtra(), extra);

    const CTeste_Grupo outro = Grupo(9, 3);
    d.SetGrupo(0, outro);
    EXPECT_TRUE(d.GetGrupo(0) == outro);
    EXPECT_EQ(d.GetGrupo(0).GetPtrLinha(0), aninhada);
    d.SetGrupo(1, Grupo(8, 2));
    d.TrocaGrupo(0, 1);  // each element keeps its own nested storage
    EXPECT_TRUE(d.GetGrupo(0) == Grupo(8, 2));
    EXPECT_TRUE(d.GetGrupo(1) == outro);
    EXPECT_EQ(d.GetGrupo(0).GetPtrLinha(0), aninhada);
}

// A holder's operations, from empty to held and back: every way of reading it agrees, and
// however it got its element (Inclui, Set, CopiarDe, Copiar) it keeps it in a block with room
// for that one element.
TEST(Lista, Portador) {
    VigiaAlocacoes vigia;
    CTeste_Dono d;
    const auto espera = [&](const CTeste_Linha* esperado) {
        const CTeste_Dono& cd = d;
        CTeste_Linha* p = reinterpret_cast<CTeste_Linha*>(&d);  // anything but what is expected
        const CTeste_Linha* pc = p;
        EXPECT_EQ(d.PossuiExtra(), esperado != nullptr);
        EXPECT_EQ(d.GetExtra(p), esperado != nullptr);
        EXPECT_EQ(cd.GetExtra(pc), esperado != nullptr);
        for (const CTeste_Linha* lido : {static_cast<const CTeste_Linha*>(d.GetExtra()), cd.GetExtra(), pc,
                                         static_cast<const CTeste_Linha*>(p)})
            EXPECT_EQ(lido, esperado);
        EXPECT_TRUE(!esperado || malloc_usable_size(d.GetExtra()) < 2 * sizeof(CTeste_Linha)) << "room for more";
    };
    espera(nullptr);
    CTeste_Linha* incluida = d.IncluiExtra();
    ASSERT_NE(incluida, nullptr);
    EXPECT_TRUE(incluida->EstaVazio());
    EXPECT_EQ(d.IncluiExtra(), incluida);  // twice: the same cleared element
    espera(incluida);

    const CTeste_Linha valor = Linha(3, 3, 3);
    d.SetExtra(valor);  // copies into the element already held
    espera(incluida);
    EXPECT_TRUE(*d.GetExtra() == valor);
    d.SetExtra(static_cast<const CTeste_Linha*>(nullptr));  // null empties the holder
    espera(nullptr);
    d.SetExtra(&valor);
    espera(d.GetExtra());
    EXPECT_TRUE(*d.GetExtra() == valor);

    _REG_TESTE_DONOPS r;
    d.CopiarPara(&r);
    for (const bool deRegistro : {true, false}) {
        CTeste_Dono o;
        if (deRegistro) o.CopiarDe(&r);
        else o.Copiar(&d);
        ASSERT_TRUE(o.PossuiExtra()) << deRegistro;
        EXPECT_LT(malloc_usable_size(o.GetExtra()), 2 * sizeof(CTeste_Linha)) << deRegistro;
    }
    NXDadosGC::LiberarCopiarPara<CTeste_Dono>(r);
    d.RemoveExtra();
    espera(nullptr);
}

// The argument may be an element of the list being changed, even when the change moves or
// destroys that element before it is copied.
TEST(Lista, ArgumentoDaPropriaLista) {
    VigiaAlocacoes vigia;
    CTeste_Dono d = ComLinhas(100);
    ASSERT_EQ(Capacidade(d.GetListaLinha()), 100);
    const CTeste_Linha l50 = d.GetLinha(50);
    d.AdicionaLinha(d.GetLinha(50));  // full: the storage moves first
    ASSERT_EQ(d.GetQuantidadeLinha(), 101);
    EXPECT_TRUE(d.GetLinha(100) == l50);

    for (int i = 0; i < 100; ++i) d.AdicionaGrupo(Grupo(static_cast<ULONG>(i), i % 3));
    const CTeste_Grupo g2 = d.GetGrupo(2);
    d.AdicionaGrupo(d.GetGrupo(2));  // an element that owns a nested list, while moving
    EXPECT_TRUE(d.GetGrupo(100) == g2);
    for (int i = 0; i < 100; ++i) d.AdicionaNumero(static_cast<ULONG>(i + 1000));
    d.AdicionaNumero(d.GetNumero(99));
    EXPECT_EQ(d.GetNumero(100), 1099u);

    d.SetGrupo(2, d.GetGrupo(2));  // onto itself
    EXPECT_TRUE(d.GetGrupo(2) == g2);

    const CTeste_Dono antes = d;
    d.SetListaLinha(d.GetListaLinha());
    EXPECT_TRUE(d == antes);
    EXPECT_EQ(Capacidade(d.GetListaLinha()), 200) << "assigning a list to itself changes nothing";

    d.SetValorUnicoGrupo(d.GetGrupo(2));  // the emptying destroys the argument's original
    ASSERT_EQ(d.GetQuantidadeGrupo(), 1);
    EXPECT_TRUE(d.GetGrupo(0) == g2);
    d.SetValorUnicoLinha(d.GetLinha(100));
    ASSERT_EQ(d.GetQuantidadeLinha(), 1);
    EXPECT_TRUE(d.GetLinha(0) == l50);
    d.SetValorUnicoNumero(d.GetNumero(3));
    ASSERT_EQ(d.GetQuantidadeNumero(), 1);
    EXPECT_EQ(d.GetNumero(0), 1003u);
}

// Operations on a list that must leave it exactly as it was when an allocation fails, whether it
// is the list's storage or a nested list inside the element being copied (two allocations each).
TEST(Falhas, OperacoesDeListaNaoMudamNada) {
    const CTeste_Grupo grande = Grupo(7, 3);
    const struct {
        const char* nome;
        int grupos;  // elements in the list before the operation (100 = full at step 100)
        std::function<void(CTeste_Dono&)> op;
    } kCases[]{
        {"Adiciona, first element", 0, [&](CTeste_Dono& d) { d.AdicionaGrupo(grande); }},
        {"Adiciona, storage full", 100, [&](CTeste_Dono& d) { d.AdicionaGrupo(grande); }},
        {"Adiciona, own element", 100, [&](CTeste_Dono& d) { d.AdicionaGrupo(d.GetGrupo(1)); }},
        {"SetValorUnico", 2, [&](CTeste_Dono& d) { d.SetValorUnicoGrupo(grande); }},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.nome);
        VigiaAlocacoes vigia;
        CTeste_Dono d;
        for (int i = 0; i < c.grupos; ++i) d.AdicionaGrupo(Grupo(static_cast<ULONG>(i), 1 + i % 2));
        const CTeste_Dono antes = d;
        const int falhas = ContarFalhas([&] { c.op(d); }, [&](int n) {
            EXPECT_TRUE(d == antes) << "allocation " << n;  // (its room may have grown)
        });
        EXPECT_EQ(falhas, 2);
        EXPECT_TRUE(d != antes);
    }
}

// Copiar of an owner that runs out of memory in a list: the record is copied first; a list whose
// room cannot grow keeps its previous elements; when a nested list of element i cannot grow, the
// elements before i hold the source's, element i has its record (the same rule, one level down)
// and the later ones what they held, empty when appended.
TEST(Falhas, CopiarInterrompido) {
    VigiaAlocacoes vigia;
    CTeste_Dono fonte, d;
    fonte.SetTotal(tagCY{9});
    for (ULONG i = 1; i <= 101; ++i) fonte.AdicionaGrupo(Grupo(i, i <= 3 ? static_cast<int>(i) : 0));
    d.AdicionaGrupo(Grupo(7, 1));  // room for 100 groups, and for 100 lines in this one
    const CTeste_Dono antes = d;
    VigiaAlocacoes::FalharNa(1);  // the room for 101 groups
    EXPECT_TRUE(Lanca<CMemoryException>([&] { d.Copiar(&fonte); }));
    EXPECT_EQ(d.GetTotal().int64, 9);
    EXPECT_TRUE(d.GetListaGrupo() == antes.GetListaGrupo());
    while (fonte.GetQuantidadeGrupo() > 3) fonte.DeletarGrupo(3);
    VigiaAlocacoes::FalharNa(1);  // now the first allocation is the nested list of element 1
    EXPECT_TRUE(Lanca<CMemoryException>([&] { d.Copiar(&fonte); }));
    ASSERT_EQ(d.GetQuantidadeGrupo(), 3);
    EXPECT_TRUE(d.GetGrupo(0) == fonte.GetGrupo(0));
    EXPECT_EQ(d.GetGrupo(1).GetNumero(), 2u);
    EXPECT_EQ(d.GetGrupo(1).GetQuantidadeLinha(), 0);
    EXPECT_TRUE(d.GetGrupo(2).EstaVazio());
}

}  // namespace
