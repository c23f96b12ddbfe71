// The README's table of errors, row by row: each row of the table is known here, and calls of
// that row raise exactly the exceptions the row names (or none, for the rows that say nothing).
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <functional>
#include <map>
#include <new>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "support/Alocacoes.h"
#ifdef NXL_COM_JSON
#include "NXLDadosGC/json/Json.h"
#endif

// The standard allocation of this program fails on demand, as the framework's does with
// FalharNa: the n-th throwing operator new of this thread from now raises std::bad_alloc. (The
// nothrow forms, whose callers fall back on failure, never fail here.) Every form allocates with
// malloc and frees with free, so the sanitizers see matching pairs.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
namespace {
thread_local long g_falharNovo = 0;
}  // namespace
void* operator new(std::size_t n) {
    if (g_falharNovo > 0 && --g_falharNovo == 0) throw std::bad_alloc();
    if (void* p = std::malloc(n ? n : 1)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return std::malloc(n ? n : 1); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return std::malloc(n ? n : 1); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

using Chamada = std::function<void()>;

// The name of what f raised, as the table writes it ("nothing" when it returned).
std::string Levantado(const Chamada& f) {
    try {
        f();
    } catch (CInvalidArgException* e) {
        e->Delete();
        return "CInvalidArgException*";
    } catch (CMemoryException* e) {
        e->Delete();
        return "CMemoryException*";
    } catch (const NXDadosGC::ErroEmpacotamento&) {
        return "ErroEmpacotamento";
    } catch (const NXDadosGC::ErroTexto&) {
        return "ErroTexto";
#ifdef NXL_COM_JSON
    } catch (const NXDadosGC::ErroJson&) {
        return "ErroJson";
#endif
    } catch (const std::out_of_range&) {
        return "std::out_of_range";
    } catch (const std::invalid_argument&) {
        return "std::invalid_argument";
    } catch (const std::system_error&) {
        return "std::system_error";
    } catch (const std::bad_alloc&) {
        return "std::bad_alloc";
    } catch (const std::exception& e) {
        return std::string("another exception: ") + e.what();
    } catch (CException* e) {
        e->Delete();
        return "another framework exception";
    }
    return "nothing";
}

// f with the next framework allocation (FalharNa) or standard allocation of this thread failing.
Chamada SemMemoriaFramework(Chamada f) {
    return [f] {
        NXTeste::VigiaAlocacoes::FalharNa(1);
        try {
            f();
        } catch (...) {
            NXTeste::VigiaAlocacoes::FalharNa(0);
            throw;
        }
        NXTeste::VigiaAlocacoes::FalharNa(0);
    };
}
Chamada SemMemoria(Chamada f) {
    return [f] {
        g_falharNovo = 1;
        try {
            f();
        } catch (...) {
            g_falharNovo = 0;
            throw;
        }
        g_falharNovo = 0;
    };
}

CNXDadosGC_CentroCustos Centro() {
    CNXDadosGC_CentroCustos c;
    c.SetCodigo("CC").AdicionaConta(CNXDadosGC_CentroCustosConta());
    return c;
}
CNXDadosGC_MatrizRateio Matriz() {  // its lines own lists
    CNXDadosGC_MatrizRateioConta conta;
    conta.AdicionaCentroCustos(CNXDadosGC_MatrizRateioCentroCustos());
    CNXDadosGC_MatrizRateio m;
    m.AdicionaConta(conta);
    return m;
}
std::vector<std::byte> Pacote() { return NXDadosGC::Empacotar(Centro()); }

// Each row of the table, by its first cell, with calls that raise what its second cell names.
const std::map<std::string, std::vector<Chamada>>& Linhas() {
    static const std::map<std::string, std::vector<Chamada>> linhas{
        {"field accessors, key views, range setters, `Limpar`, `Igual`, `==`, `EstaVazio`; the value types "
         "(`Soma`, `MontaMa`, `MontaDma`, ...)",
         {[] {
             CNXDadosGC_CentroCustos c = Centro();
             c.SetPosicao(3).SetDescricao("x");
             (void)(c == Centro() || c.EstaVazio() || c.Igual(&c));
             (void)MontaMa(4, 2018);
             c.Limpar();
         }}},
        {"a list by index: `Get<Lista>(i)`, `GetConstRef`, `GetRef`, `GetPtr`, `Set<Lista>(i, ...)`, `Deletar`, "
         "`Troca`",
         {[] { (void)Centro().GetConta(5); },
          [] {
              CNXDadosGC_MatrizRateio m;  // a line without allocation lines, set to one with some
              m.AdicionaConta(CNXDadosGC_MatrizRateioConta());
              const CNXDadosGC_MatrizRateio outra = Matriz();
              SemMemoriaFramework([&] { m.SetConta(0, outra.GetConta(0)); })();
          }}},
        {"growing a list or holder (`Adiciona`, `SetLista`, `SetValorUnico`, `Inclui`), `Copiar`, `operator=`, "
         "copy construction",
         {SemMemoriaFramework([] { CNXDadosGC_CentroCustos().AdicionaConta(CNXDadosGC_CentroCustosConta()); })}},
        {"`CopiarDe`, `CopiarPara`, `CopiarParaPS`, `Escrever`, `EscreverPS`",
         {[] {
             const CNXDadosGC_CentroCustos c = Centro();
             SemMemoriaFramework([&] { (void)NXDadosGC::EscreverPS(c); })();
         }}},
        {"the release helpers, `Entregar`, `Adotar`, destructors",
         {[] {
             auto arvore = NXDadosGC::EscreverPS(Centro());
             auto reg = arvore.Entregar();
             NXDadosGC::LiberarCopiarParaPS<CNXDadosGC_CentroCustos>(reg);
         }}},
        {"texts through UTF-8: `DeUtf8`, `ParaUtf8`, `Set<Texto>Utf8`, `Get<Texto>Utf8`",
         {[] { CNXDadosGC_CentroCustos().SetCodigoUtf8("um c\xC3\xB3" "digo longo demais"); },
          [] { (void)NXDadosGC::ParaUtf8("x", {1250}); }}},
        {"the bridge: `ComExcecoesPadrao`, `RelancarComoPadrao`",
         {[] { NXDadosGC::ComExcecoesPadrao([] { (void)Centro().GetConta(5); }); },
          [] { NXDadosGC::ComExcecoesPadrao([] { NXDadosGC::LancarArgumentoInvalido(false, "negative size"); }); },
          [] {
              NXDadosGC::ComExcecoesPadrao(
                  SemMemoriaFramework([] { CNXDadosGC_CentroCustos().AdicionaConta(CNXDadosGC_CentroCustosConta()); }));
          }}},
        {"the class list, field tables, the walk and its visitors: dumps, schema, reference (`motor/Classes.h`, "
         "`motor/Travessia.h`, `motor/Despejo.h`, `motor/Esquema.h`)",
         {SemMemoria([] {
             const NXDadosGC::InfoClasse* info = NXDadosGC::ClassePorNome("CNXDadosGC_CentroCustos");
             const CNXDadosGC_CentroCustos c = Centro();
             (void)NXDadosGC::DespejarRegistro(info->campos(), &c.GetReg());
         })}},
        {"`Empacotar`, `EmpacotarRegistro`",
         {[] { (void)NXDadosGC::Empacotar(TNXBaseParaDados()); }, SemMemoria([] { (void)Pacote(); })}},
        {"`Verificar`, `Desempacotar`, `DesempacotarEm`",
         {[] { (void)NXDadosGC::Verificar({}); },
          [] {
              const auto p = Pacote();
              SemMemoriaFramework([&] { (void)NXDadosGC::Desempacotar(p); })();
          }}},
        {"files and streams: `EmpacotarArquivo`, `DesempacotarArquivo`, `GravarArquivo`, `EscreverPacote`, "
         "`LeitorPacotes`",
         {[] { (void)NXDadosGC::DesempacotarArquivo("/dev/zero"); },
          [] { (void)NXDadosGC::DesempacotarArquivo("/nao/existe.nxgc"); },
          [] {
              std::istringstream entrada(std::string(reinterpret_cast<const char*>(Pacote().data()), Pacote().size()));
              NXDadosGC::LeitorPacotes leitor(entrada);
              SemMemoria([&] { leitor.Proximo(); })();
          }}},
#ifdef NXL_COM_JSON
        {"the JSON component",
         {[] { (void)NXDadosGC::DeJson("{"); }, [] { (void)NXDadosGC::ParaJson(TNXBaseParaDados()); },
          SemMemoria([] { (void)NXDadosGC::ParaJson(Centro()); })}},
#endif
    };
    return linhas;
}

// The rows of the README's table: first cell -> the names its second cell gives.
std::map<std::string, std::set<std::string>> Tabela() {
    std::ifstream readme(NXL_README);
    std::map<std::string, std::set<std::string>> tabela;
    bool dentro = false;
    const std::regex nome("`((?:std::|Erro|C)[A-Za-z_:]+\\*?)`");
    for (std::string linha; std::getline(readme, linha);) {
        if (linha.rfind("## ", 0) == 0) dentro = linha == "## Errors";
        if (!dentro || linha.rfind("| ", 0) != 0 || linha.rfind("| what you call", 0) == 0 || linha.rfind("| ---", 0) == 0)
            continue;
        const auto meio = linha.find(" | ");
        const std::string primeira = linha.substr(2, meio - 2), segunda = linha.substr(meio + 3);
        std::set<std::string>& nomes = tabela[primeira];
        if (segunda.rfind("nothing", 0) == 0) {
            nomes.insert("nothing");
            continue;
        }
        for (std::sregex_iterator i(segunda.begin(), segunda.end(), nome), fim; i != fim; ++i) nomes.insert((*i)[1]);
    }
    return tabela;
}

TEST(Erros, ATabelaDoReadmeEOQueCadaLinhaLevanta) {
    const auto tabela = Tabela();
    ASSERT_FALSE(tabela.empty()) << "no table under \"## Errors\" in " << NXL_README;
    for (const auto& [primeira, nomes] : tabela) {
        const auto linha = Linhas().find(primeira);
#ifndef NXL_COM_JSON
        if (primeira == "the JSON component") continue;
#endif
        if (linha == Linhas().end()) {
            ADD_FAILURE() << "a row of the README that this test does not know: " << primeira;
            continue;
        }
        std::set<std::string> levantados;
        for (const Chamada& c : linha->second) levantados.insert(Levantado(c));
        EXPECT_EQ(levantados, nomes) << primeira;
    }
    for (const auto& [primeira, chamadas] : Linhas())
        EXPECT_TRUE(tabela.count(primeira)) << "a row this test knows and the README lacks: " << primeira;
}

}  // namespace
