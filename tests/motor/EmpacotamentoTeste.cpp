// The packed form: round trips of random trees of every class, determinism, the exact bytes of
// a small tree, one table of hand-made faults, the limits both ways, running out of memory while
// unpacking, and a mutation sweep over rich trees in which every result must be a clear error or
// a tree that packs back to exactly the bytes read.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "NXLDadosGC/motor/Empacotamento.h"
#include "support/Alocacoes.h"
#include "support/Arvore.h"
#include "support/Bytes.h"

namespace {

using NXDadosGC::ErroEmpacotamento;
using NXDadosGC::InfoClasse;
using NXDadosGC::OpcoesDesempacotamento;
using Bytes = std::vector<std::byte>;
using teste::Gravar;
using teste::Ler;

// The error `ler` raises; if it raises none, a test failure and an error that names nothing.
template <class F>
ErroEmpacotamento Recusa(F&& ler) {
    try {
        ler();
    } catch (const ErroEmpacotamento& e) {
        return e;
    }
    ADD_FAILURE() << "accepted";
    return ErroEmpacotamento(~0ull, "", "", "accepted");
}
bool Contem(const ErroEmpacotamento& e, const char* trecho) { return std::string(e.what()).find(trecho) != std::string::npos; }

using teste::PorClasse;

// Out and back through the packed form: the object comes back equal, the flat tree the buffer
// holds equals the one the object was built from, and the bytes depend only on the contents,
// not on where the blocks happened to live. Inconsistent pairs pack as the empty lists CopiarDe
// reads them as.
TEST_P(PorClasse, IdaEVoltaDeterministica) {
    for (int rodada = 0; rodada < 6; ++rodada) {
        std::vector<void*> orfaos;
        const teste::Amostra amostra(info, rng, {.inconsistentes = rodada % 2 == 1}, &orfaos);
        const auto& objeto = amostra.objeto;
        const auto& origem = amostra.registro;

        const Bytes pacote = NXDadosGC::Empacotar(*objeto);
        EXPECT_EQ(NXDadosGC::EmpacotarRegistro(info, origem.dados()), pacote) << "flat tree and object differ";
        std::unique_ptr<TNXBaseParaDados> copia(info.criar());
        copia->Copiar(objeto.get());
        // Into a vector that already holds other bytes, longer or shorter.
        Bytes reusado(pacote.size() + (rodada % 3 == 0 ? 9 : 0) - (rodada % 3 == 1 ? pacote.size() / 2 : 0), std::byte{0xA5});
        NXDadosGC::Empacotar(*copia, reusado);
        EXPECT_EQ(reusado, pacote) << "equal objects, different bytes";
        // Into a Pacote, whose growth leaves what its storage held: packing writes every byte.
        NXDadosGC::Pacote sujo(pacote.size() + 64, std::byte{0xA5});
        sujo.clear();
        NXDadosGC::Empacotar(*copia, sujo);
        EXPECT_TRUE(std::ranges::equal(sujo, pacote)) << "a byte left unwritten";
        sujo.assign(sujo.capacity(), std::byte{0xA5});
        sujo.resize(pacote.size() / 2);
        NXDadosGC::EmpacotarRegistro(info, origem.dados(), sujo);
        EXPECT_TRUE(std::ranges::equal(sujo, pacote)) << "a byte of the flat tree's packing left unwritten";

        const auto arvore = NXDadosGC::Verificar(pacote);
        EXPECT_EQ(&arvore.Classe(), &info);
        std::string diferenca;
        EXPECT_TRUE(teste::ArvoresIguais(info, origem.dados(), arvore.Registro(), &diferenca)) << diferenca;

        auto volta = NXDadosGC::Desempacotar(pacote);
        EXPECT_TRUE(volta->Igual(objeto.get()));  // (never true of objects of two classes)
        // From bytes that do not start at an 8-byte boundary.
        Bytes torto(pacote.size() + 1);
        std::memcpy(torto.data() + 1, pacote.data(), pacote.size());
        EXPECT_TRUE(NXDadosGC::Desempacotar(std::span(torto).subspan(1))->Igual(objeto.get()));

        std::unique_ptr<TNXBaseParaDados> destino(info.criar());
        NXDadosGC::DesempacotarEm(*destino, pacote);
        EXPECT_TRUE(destino->Igual(objeto.get()));
        for (void* p : orfaos) CoTaskMemFree(p);
    }
    std::unique_ptr<TNXBaseParaDados> vazio(info.criar());
    EXPECT_TRUE(NXDadosGC::Desempacotar(NXDadosGC::Empacotar(*vazio))->EstaVazio());
}

INSTANTIATE_TEST_SUITE_P(TodasAsClasses, PorClasse, teste::TodasAsClasses(), teste::NomeDaClasse);

// ---- A small tree, byte for byte --------------------------------------------------------------

// The example of docs/FORMATO_EMPACOTADO.md. The CRC was computed independently (zlib.crc32
// over the same bytes with the CRC field zeroed), so this also pins the checksum algorithm.
TEST(Empacotamento, BytesDeUmaArvorePequena) {
    CNXDadosGC_MatrizRateioConta conta;
    conta.SetTotalRateio(tagCY{1000000}).SetPonteiroContaContabil(3101);
    CNXDadosGC_MatrizRateioCentroCustos cc;
    cc.SetValorRateio(tagCY{1000000}).SetPonteiroCentroCustos(42).SetCaracteristicaCentroCustos(1);
    conta.AdicionaCentroCustos(cc);

    const Bytes pacote = NXDadosGC::Empacotar(conta);
    ASSERT_EQ(pacote.size(), 136u);
    const std::string nome = "CNXDadosGC_MatrizRateioConta";
    EXPECT_EQ(std::memcmp(pacote.data(), "NXGCPACK", 8), 0);
    EXPECT_EQ(Ler<std::uint32_t>(pacote.data(), 8), 1u);             // version
    EXPECT_EQ(Ler<std::uint32_t>(pacote.data(), 12), 0x57D0AEACu);   // CRC-32
    EXPECT_EQ(Ler<std::uint64_t>(pacote.data(), 16), 136u);          // total length
    EXPECT_EQ(Ler<std::uint32_t>(pacote.data(), 24), 48u);           // root record size
    EXPECT_EQ(Ler<std::uint32_t>(pacote.data(), 28), 2u);            // blocks: root and one list
    EXPECT_EQ(Ler<std::uint32_t>(pacote.data(), 32), 72u);           // header length
    EXPECT_EQ(Ler<std::uint32_t>(pacote.data(), 36), nome.size());   // name length
    EXPECT_EQ(std::memcmp(pacote.data() + 40, nome.data(), nome.size()), 0);
    for (std::size_t i = 40 + nome.size(); i < 72; ++i) EXPECT_EQ(pacote[i], std::byte{0}) << i;
    // Root record at 72: TotalRateio, the count, the account and the pointer slot as an offset.
    EXPECT_EQ(Ler<std::int64_t>(pacote.data(), 72 + 0), 1000000);
    EXPECT_EQ(Ler<std::uint32_t>(pacote.data(), 72 + 16), 1u);
    EXPECT_EQ(Ler<std::uint32_t>(pacote.data(), 72 + 20), 3101u);
    EXPECT_EQ(Ler<std::uint64_t>(pacote.data(), 72 + 32), 120u);
    // The one cost centre at 120.
    EXPECT_EQ(Ler<std::int64_t>(pacote.data(), 120), 1000000);
    EXPECT_EQ(Ler<std::uint32_t>(pacote.data(), 128), 42u);
    EXPECT_EQ(Ler<std::uint8_t>(pacote.data(), 132), 1u);
}

// ---- Faults made by hand --------------------------------------------------------------------

// Two accounts (three cost centres under the first), one support centre with two productive
// ones, so the buffer holds blocks at three levels.
CNXDadosGC_MatrizRateio Matriz() {
    CNXDadosGC_MatrizRateio m;
    m.SetMaCompetencia(REG_NXMA(2044)).SetPonteiroFilial(7);
    CNXDadosGC_MatrizRateioConta conta;
    conta.SetPonteiroContaContabil(101);
    for (ULONG i = 0; i < 3; ++i) {
        CNXDadosGC_MatrizRateioCentroCustos cc;
        cc.SetValorRateio(tagCY{1000000 + i}).SetPonteiroCentroCustos(11 + i);
        conta.AdicionaCentroCustos(cc);
    }
    m.AdicionaConta(conta);
    conta.Limpar();
    conta.SetPonteiroContaContabil(102);
    m.AdicionaConta(conta);
    CNXDadosGC_MatrizRateioCentroCustosApoio apoio;
    apoio.SetPonteiroCentroCustos(50);
    for (ULONG i = 0; i < 2; ++i) {
        CNXDadosGC_MatrizRateioCentroCustosProdutivo p;
        p.SetCustoFixo(tagCY{100000 + i}).SetPonteiroCentroCustos(61 + i);
        apoio.AdicionaCentroCustosProdutivo(p);
    }
    m.AdicionaCentroCustosApoio(apoio);
    return m;
}

// Where things are in the packed matrix (header 64 bytes: a 23-byte name): the root at 64;
// then, in slot order, the accounts (pConta at root+32) at 112, the first account's three cost
// centres at 208, the support centre (pCentroCustosApoio at root+40) at 256, its two productive
// centres at 304; 368 bytes in all.
constexpr std::size_t kRaiz = 64, kContas = 112, kCentros = 208, kApoio = 256, kProdutivos = 304, kFim = 368;

TEST(Empacotamento, FalhasFeitasAMao) {
    const Bytes original = NXDadosGC::Empacotar(Matriz());
    ASSERT_EQ(original.size(), kFim);
    ASSERT_EQ(Ler<std::uint64_t>(original.data(), kRaiz + 32), kContas);
    ASSERT_EQ(Ler<std::uint64_t>(original.data(), kContas + 32), kCentros);
    ASSERT_EQ(Ler<std::uint64_t>(original.data(), kRaiz + 40), kApoio);
    ASSERT_EQ(Ler<std::uint64_t>(original.data(), kApoio + 32), kProdutivos);

    // Structural faults are checked with the CRC comparison off, so each edit reaches the check
    // it is aimed at; the CRC case runs with it on.
    const struct {
        const char* nome;
        std::function<void(Bytes&)> editar;
        const char* trecho;  // expected in what()
        std::size_t byte;    // expected Deslocamento()
        bool crc = false;
    } casos[] = {
        {"magico", [](Bytes& b) { b[3] = std::byte{'X'}; }, "wrong magic number", 0},
        {"versao", [](Bytes& b) { Gravar<std::uint32_t>(b.data(), 8, 2); }, "format version 2 is not supported", 8},
        {"truncado", [](Bytes& b) { b.resize(24); }, "truncated: 24 bytes", 0},
        {"comprimento", [](Bytes& b) { b.resize(kFim - 8); }, "gives a length of 368 bytes, the buffer has 360", 16},
        {"crc", [](Bytes& b) { b[kCentros] ^= std::byte{1}; }, "CRC-32 mismatch", 12, true},
        {"classe desconhecida", [](Bytes& b) { b[40 + 11] = std::byte{'\x01'}; }, "unknown class \"CNXDadosGC_\\x01atrizRateio\"", 40},
        {"tamanho do registro", [](Bytes& b) { Gravar<std::uint32_t>(b.data(), 24, 56); },
         "record size 56 in the header, but CNXDadosGC_MatrizRateio records are 48 bytes", 24},
        {"lixo apos o nome", [](Bytes& b) { b[63] = std::byte{1}; }, "non-zero padding byte after the class name", 63},
        {"quantidade sem ponteiro", [](Bytes& b) { Gravar<std::uint64_t>(b.data(), kContas + 32, 0); },
         "(CNXDadosGC_MatrizRateioConta.QuantidadeCentroCustos): count 3 with a null pointer", kContas + 16},
        {"ponteiro sem quantidade", [](Bytes& b) { Gravar<std::uint32_t>(b.data(), kRaiz + 8, 0); },
         "(CNXDadosGC_MatrizRateio.pConta): pointer to offset 112 with a count of 0", kRaiz + 32},
        {"desalinhado", [](Bytes& b) { Gravar<std::uint64_t>(b.data(), kRaiz + 32, kContas + 4); }, "is not a multiple of 8",
         kRaiz + 32},
        {"referenciado duas vezes", [](Bytes& b) { Gravar<std::uint64_t>(b.data(), kRaiz + 40, kContas); },
         "(CNXDadosGC_MatrizRateio.pCentroCustosApoio): the block at offset 112 is referenced a second time", kRaiz + 40},
        {"sobreposto", [](Bytes& b) { Gravar<std::uint64_t>(b.data(), kRaiz + 40, kContas + 8); }, "overlaps bytes already in use",
         kRaiz + 40},
        {"buraco", [](Bytes& b) { Gravar<std::uint64_t>(b.data(), kContas + 32, kCentros + 8); },
         "leaves bytes 208..215 unused", kContas + 32},
        {"fora do buffer", [](Bytes& b) { Gravar<std::uint64_t>(b.data(), kRaiz + 32, 1ull << 60); },
         "lies outside the 368-byte buffer", kRaiz + 32},
        {"quantidade enorme", [](Bytes& b) { Gravar<std::uint32_t>(b.data(), kContas + 16, 0xFFFFFFFFu); },
         "block of 4294967295 x 16 bytes at offset 208 runs past the end", kContas + 32},
        {"lixo no fim",
         [](Bytes& b) {
             b.resize(kFim + 8);
             Gravar<std::uint64_t>(b.data(), 16, kFim + 8);
         },
         "8 bytes after the last block belong to no block", kFim},
        {"contagem de blocos", [](Bytes& b) { Gravar<std::uint32_t>(b.data(), 28, 7); }, "announces 7 blocks, the tree has 5", 28},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nome);
        Bytes b = original;
        caso.editar(b);
        const auto e = Recusa([&] { NXDadosGC::Desempacotar(b, {.conferirCrc = caso.crc}); });
        EXPECT_TRUE(Contem(e, caso.trecho)) << e.what();
        EXPECT_EQ(e.Deslocamento(), caso.byte) << e.what();
        // With the CRC compared, whatever the walk finds in an edited buffer gives way to the
        // CRC's mismatch (the first 24 bytes are checked before either), in place and in a copy.
        const char* comCrc = caso.byte < 24 ? caso.trecho : "CRC-32 mismatch";
        EXPECT_TRUE(Contem(Recusa([&] { NXDadosGC::Desempacotar(b); }), comCrc));
        EXPECT_TRUE(Contem(Recusa([&] { NXDadosGC::Verificar(b); }), comCrc));
    }
}

TEST(Empacotamento, TextoSemZeroFinal) {
    CNXDadosGC_CentroCustos centro;
    centro.SetCodigo("0123456789");
    Bytes b = NXDadosGC::Empacotar(centro);
    const std::size_t registro = Ler<std::uint32_t>(b.data(), 32);
    b[registro + 24 + 10] = std::byte{'X'};  // Codigo is char[11] at offset 24
    const auto e = Recusa([&] { NXDadosGC::Desempacotar(b, {.conferirCrc = false}); });
    EXPECT_EQ(e.Classe(), "CNXDadosGC_CentroCustos");
    EXPECT_EQ(e.Campo(), "Codigo");
    EXPECT_EQ(e.Deslocamento(), registro + 34);
}

// A tree of a few hundred KiB: the output grows and the CRC runs in many steps. Into a new vector
// and into a shorter one holding other bytes, the same bytes, which unpack (CRC checked) to it.
TEST(Empacotamento, ArvoreGrande) {
    CNXDadosGC_MatrizRateio matriz;
    CNXDadosGC_MatrizRateioConta conta;
    for (ULONG c = 0; c < 300; ++c) {
        conta.RemoveTodosCentroCustos();
        conta.SetPonteiroContaContabil(c);
        for (ULONG i = 0; i < 50; ++i) {
            CNXDadosGC_MatrizRateioCentroCustos cc;
            cc.SetValorRateio(tagCY{c * 1000 + i}).SetPonteiroCentroCustos(i);
            conta.AdicionaCentroCustos(cc);
        }
        matriz.AdicionaConta(conta);
    }
    const Bytes pacote = NXDadosGC::Empacotar(matriz);
    ASSERT_GT(pacote.size(), 200u << 10);
    Bytes reusado(pacote.size() / 2, std::byte{0xA5});
    NXDadosGC::Empacotar(matriz, reusado);
    EXPECT_EQ(reusado, pacote);
    EXPECT_TRUE(*NXDadosGC::Desempacotar<CNXDadosGC_MatrizRateio>(pacote) == matriz);
}

// Each limit, just below and at what the matrix needs, on both sides: the reader refuses the
// buffer and the writers (from the object and from its flat tree) refuse to write it, each
// naming the limit.
TEST(Empacotamento, Limites) {
    const CNXDadosGC_MatrizRateio matriz = Matriz();
    const Bytes b = NXDadosGC::Empacotar(matriz);
    const auto plana = NXDadosGC::Escrever(matriz);
    const InfoClasse& info = *NXDadosGC::ClassePorNome("CNXDadosGC_MatrizRateio");
    const struct {
        OpcoesDesempacotamento abaixo, justo;
        const char* leitor;
        const char* escritor;
    } casos[] = {
        {{.profundidadeMaxima = 1}, {.profundidadeMaxima = 2}, "nested deeper than 1 levels",
         "blocks nested 2 levels below the root, more than the limit of 1 (profundidadeMaxima)"},
        {{.blocosMaximos = 4}, {.blocosMaximos = 5}, "announces 5 blocks, more than the limit of 4",
         "the tree has 5 blocks, more than the limit of 4 (blocosMaximos)"},
        {{.bytesMaximos = kFim - 1}, {.bytesMaximos = kFim}, "more than the limit of 367",
         "would take 368 bytes, more than the limit of 367 (bytesMaximos)"},
    };
    for (const auto& caso : casos) {
        const auto e = Recusa([&] { NXDadosGC::Desempacotar(b, caso.abaixo); });
        EXPECT_TRUE(Contem(e, caso.leitor)) << e.what();
        const std::string erro =
            NXTeste::Mensagem<std::invalid_argument>([&] { NXDadosGC::Empacotar(matriz, caso.abaixo); });
        EXPECT_NE(erro.find(caso.escritor), std::string::npos) << erro;
        EXPECT_EQ(NXTeste::Mensagem<std::invalid_argument>(
                      [&] { NXDadosGC::EmpacotarRegistro(info, &plana.GetReg(), caso.abaixo); }),
                  erro);
        EXPECT_NO_THROW(NXDadosGC::Desempacotar(b, caso.justo));
        EXPECT_EQ(NXDadosGC::Empacotar(matriz, caso.justo), b);
        EXPECT_EQ(NXDadosGC::EmpacotarRegistro(info, &plana.GetReg(), caso.justo), b);
    }
}

// Unpacking runs out of memory at each of its allocations in turn: each time std::bad_alloc and
// nothing else, nothing leaks (the guard counts), and DesempacotarEm leaves its target as it was.
TEST(Empacotamento, SemMemoria) {
    const CNXDadosGC_MatrizRateio original = Matriz();
    const Bytes b = NXDadosGC::Empacotar(original);
    NXTeste::VigiaAlocacoes vigia;
    CNXDadosGC_MatrizRateio destino;
    destino.SetPonteiroFilial(99);
    const CNXDadosGC_MatrizRateio antes = destino;
    const int falhas = NXTeste::ContarFalhas<std::bad_alloc>([&] { NXDadosGC::DesempacotarEm(destino, b); },
                                                             [&](int n) { EXPECT_TRUE(destino == antes) << n; });
    EXPECT_GT(falhas, 3);
    EXPECT_TRUE(destino == original);
}

// A typed unpack gives the class itself; a buffer of another class, or into a target of another
// class, is refused naming both; a failed unpack leaves its target as it was.
TEST(Empacotamento, ClasseEDestino) {
    const CNXDadosGC_MatrizRateio original = Matriz();
    const Bytes b = NXDadosGC::Empacotar(original);
    EXPECT_TRUE(*NXDadosGC::Desempacotar<CNXDadosGC_MatrizRateio>(b) == original);
    const auto e = Recusa([&] { NXDadosGC::Desempacotar<CNXDadosGC_CentroCustos>(b); });
    EXPECT_TRUE(Contem(e, "the buffer holds a CNXDadosGC_MatrizRateio, not a CNXDadosGC_CentroCustos")) << e.what();
    EXPECT_EQ(e.Deslocamento(), 40u);

    CNXDadosGC_MatrizRateio destino = original;
    Bytes ruim = NXDadosGC::Empacotar(CNXDadosGC_MatrizRateio());
    ruim.back() = std::byte{1};
    EXPECT_THROW(NXDadosGC::DesempacotarEm(destino, ruim), ErroEmpacotamento);
    EXPECT_TRUE(destino == original);
    const Bytes centro = NXDadosGC::Empacotar(CNXDadosGC_CentroCustos());
    const auto outra = Recusa([&] { NXDadosGC::DesempacotarEm(destino, centro); });
    EXPECT_TRUE(Contem(outra, "the buffer holds a CNXDadosGC_CentroCustos, the target is a CNXDadosGC_MatrizRateio"))
        << outra.what();
    EXPECT_TRUE(destino == original);

    // A value changed inside a record: refused for the CRC, before the class is looked at, and
    // after the objects were built when the class is right, leaving the target as it was.
    Bytes torto = b;
    torto[kCentros] ^= std::byte{1};
    CNXDadosGC_CentroCustos outroDestino;
    for (const auto& desempacotar : std::initializer_list<std::function<void()>>{
             [&] { NXDadosGC::Desempacotar<CNXDadosGC_CentroCustos>(torto); },
             [&] { NXDadosGC::DesempacotarEm(outroDestino, torto); },
             [&] { NXDadosGC::DesempacotarEm(destino, torto); },
         })
        EXPECT_TRUE(Contem(Recusa(desempacotar), "CRC-32 mismatch"));
    EXPECT_TRUE(destino == original);
}

// ---- Mutations ------------------------------------------------------------------------------

// Every single-byte change, every truncation and a few extensions of the packed forms of rich
// random trees. With the CRC on, each must be refused (a change the reader accepted would be
// a different tree passed off as the original). With the CRC comparison off, each must be
// refused or give a tree that packs back to exactly the changed bytes (the CRC field aside):
// no crash, no read outside the buffer (the sanitizer run watches), nothing accepted loosely.
TEST(Empacotamento, Mutacoes) {
    std::mt19937 rng(20240611);
    teste::OpcoesArvore rica;
    rica.maxElementos = 2;
    rica.profundidade = 3;
    std::size_t recusados = 0, aceitos = 0;
    for (const InfoClasse* info : NXDadosGC::Classes()) {
        if (info->filhos.empty()) continue;
        const Bytes pacote = NXDadosGC::Empacotar(*teste::Amostra(*info, rng, rica).objeto);
        SCOPED_TRACE(info->nome);

        auto semCrc = [&](const Bytes& b) {
            try {
                auto volta = NXDadosGC::Desempacotar(b, {.conferirCrc = false});
                Bytes de_novo = NXDadosGC::Empacotar(*volta);
                std::memcpy(de_novo.data() + 12, b.data() + 12, 4);
                const auto [a, _] = std::mismatch(de_novo.begin(), de_novo.end(), b.begin(), b.end());
                EXPECT_TRUE(de_novo == b) << "accepted a buffer that is not what its tree packs to (it differs at byte "
                                          << (a - de_novo.begin()) << ")";
                ++aceitos;
            } catch (const ErroEmpacotamento&) {
                ++recusados;
            }
        };
        auto comCrc = [&](const Bytes& b, std::size_t onde) {
            EXPECT_THROW(NXDadosGC::Desempacotar(b), ErroEmpacotamento) << "change at byte " << onde;
        };

        for (std::size_t i = 0; i < pacote.size(); ++i) {
            for (std::byte x : {std::byte{0x01}, std::byte{0x80}, std::byte{0xFF}}) {
                Bytes b = pacote;
                b[i] ^= x;
                comCrc(b, i);
                semCrc(b);
            }
        }
        for (std::size_t n = 0; n < pacote.size(); ++n) comCrc(Bytes(pacote.begin(), pacote.begin() + n), n);
        for (std::size_t extra : {1, 7, 8, 64}) {
            Bytes b = pacote;
            b.resize(b.size() + extra, std::byte{0});
            comCrc(b, pacote.size());
            semCrc(b);
        }
    }
    // Both outcomes must actually happen, or the sweep proves little.
    EXPECT_GT(recusados, 1000u);
    EXPECT_GT(aceitos, 1000u);
}

}  // namespace
