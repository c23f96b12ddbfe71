// Helpers shared by the posting and cost tests: raw reads of record bytes, filled record
// images, range-setter cases, class-mismatch pairs and the bad-index checks of a list.
#ifndef NXLDADOSGC_TESTES_GC_REGISTROSTESTE_H
#define NXLDADOSGC_TESTES_GC_REGISTROSTESTE_H

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"

namespace teste_registros {

using NXDadosGC::InfoClasse;

// The value of type T at a byte offset of a record.
template <class T>
T Ler(const void* base, std::size_t deslocamento) {
    T v;
    std::memcpy(static_cast<void*>(&v), static_cast<const char*>(base) + deslocamento, sizeof v);
    return v;
}
template <class R>
std::string Bytes(const R& r) {
    return std::string(reinterpret_cast<const char*>(&r), sizeof r);
}
// A record image whose every byte is non-zero and differs from its neighbours.
inline std::vector<unsigned char> Padrao(std::size_t n, unsigned semente) {
    std::vector<unsigned char> v(n);
    for (std::size_t i = 0; i < n; ++i) v[i] = static_cast<unsigned char>(1 + (semente + 37 * i) % 251);
    return v;
}
inline tagCY Cy(long long dezMilesimos) { return tagCY{dezMilesimos}; }

inline CNXDadosGC_KeyProdutoServico ChaveProduto(unsigned semente, BYTE tipo) {
    CNXDadosGC_KeyProdutoServico chave;
    _REG_POSICAO_PRODUTOPS posicao{};
    const auto bytes = Padrao(16, semente);
    std::memcpy(posicao.m_Bytes, bytes.data(), 16);
    chave.SetPosicaoProdutoServico(posicao).SetTipoProdutoServico(tipo);
    return chave;
}

// Hours and their total (ten-thousandths), as GetQuantHorasTotal must add them.
struct CasoHoras {
    long long producao, ociosas, total;
};
inline const CasoHoras kCasosHoras[] = {
    {75'000, 2'500, 77'500},           // 7.5 + 0.25
    {1'600'000, 80'000, 1'680'000},    // 160 + 8
    {-30'000, 12'500, -17'500},        // -3 + 1.25
    {-25'000, -5'000, -30'000},        // -2.5 - 0.5
    {0, 0, 0},
    {LLONG_MAX, 10'000, LLONG_MAX},    // beyond the range: saturates, never wraps
    {LLONG_MIN, -1, LLONG_MIN},
};

// One range setter: starting from a record whose every byte is set, it must change exactly
// its two ends, each to the value.
struct CasoFaixa {
    const char* nome;
    const InfoClasse* (*info)();
    std::function<void(TNXBaseParaDados&)> aplicar;
    std::size_t inicial, final_, largura;
    unsigned long long valor;
};

template <class C>
std::function<void(TNXBaseParaDados&)> Em(void (*f)(C&)) {
    return [f](TNXBaseParaDados& o) { f(static_cast<C&>(o)); };
}

inline void VerificarFaixa(const CasoFaixa& caso) {
    SCOPED_TRACE(caso.nome);
    const InfoClasse& info = *caso.info();
    const auto cheio = Padrao(info.tamanhoRegistro, 5);
    std::unique_ptr<TNXBaseParaDados> filtro(info.criar());
    info.copiarDe(*filtro, cheio.data());
    caso.aplicar(*filtro);
    std::vector<unsigned char> saida(info.tamanhoRegistro);
    info.copiarPara(*filtro, saida.data());
    auto esperado = cheio;
    std::memcpy(esperado.data() + caso.inicial, &caso.valor, caso.largura);
    std::memcpy(esperado.data() + caso.final_, &caso.valor, caso.largura);
    EXPECT_EQ(saida, esperado);
}

// Two classes: neither copies from nor equals the other, even when both are empty or their
// records have the same size.
inline void VerificarClassesDiferentes(const InfoClasse& a, const InfoClasse& b) {
    SCOPED_TRACE(std::string(a.nome) + " / " + b.nome);
    std::unique_ptr<TNXBaseParaDados> vazioA(a.criar()), vazioB(b.criar());
    EXPECT_FALSE(vazioA->Igual(vazioB.get())) << "two empty objects of different classes";
    EXPECT_FALSE(vazioB->Igual(vazioA.get()));

    // Every byte set except the (count, pointer) places, which stay zero.
    auto imagem = [](const InfoClasse& info, unsigned semente) {
        auto bytes = Padrao(info.tamanhoRegistro, semente);
        for (const auto& f : info.filhos)
            if (f.tipo == NXDadosGC::TipoFilho::Lista) {
                std::memset(bytes.data() + f.quantidade, 0, 4);
                std::memset(bytes.data() + f.ponteiro, 0, 8);
            } else if (f.tipo == NXDadosGC::TipoFilho::Unico) {
                std::memset(bytes.data() + f.ponteiro, 0, 8);
            }
        return bytes;
    };
    const auto bytesA = imagem(a, 1), bytesB = imagem(b, 2);
    std::unique_ptr<TNXBaseParaDados> objA(a.criar()), objB(b.criar());
    a.copiarDe(*objA, bytesA.data());
    b.copiarDe(*objB, bytesB.data());
    objA->Copiar(objB.get());
    objB->Copiar(objA.get());
    std::vector<unsigned char> saidaA(a.tamanhoRegistro), saidaB(b.tamanhoRegistro);
    a.copiarPara(*objA, saidaA.data());
    b.copiarPara(*objB, saidaB.data());
    EXPECT_EQ(saidaA, bytesA) << "unchanged by Copiar";
    EXPECT_EQ(saidaB, bytesB) << "unchanged by Copiar";
    EXPECT_FALSE(objA->Igual(objB.get()));
    EXPECT_FALSE(objB->Igual(objA.get()));
}

template <class Dono>
using ChamadasIndexadas = std::vector<std::pair<const char*, std::function<void(Dono&, INT_PTR)>>>;

// Every indexed accessor of one list (the list holds at least one element).
#define NX_TESTE_INDICES(Dono, Lista)                                                        \
    ::teste_registros::ChamadasIndexadas<Dono> {                                             \
        {"Get", [](Dono& d, INT_PTR i) { (void)d.Get##Lista(i); }},                          \
            {"GetConstRef", [](Dono& d, INT_PTR i) { (void)d.GetConstRef##Lista(i); }},      \
            {"GetRef", [](Dono& d, INT_PTR i) { (void)d.GetRef##Lista(i); }},                \
            {"GetPtr", [](Dono& d, INT_PTR i) { (void)d.GetPtr##Lista(i); }},                \
            {"GetPtr const", [](Dono& d, INT_PTR i) { (void)std::as_const(d).GetPtr##Lista(i); }}, \
            {"Set", [](Dono& d, INT_PTR i) { d.Set##Lista(i, d.Get##Lista(0)); }},           \
            {"Deletar", [](Dono& d, INT_PTR i) { d.Deletar##Lista(i); }},                    \
            {"Troca i", [](Dono& d, INT_PTR i) { d.Troca##Lista(i, 0); }},                   \
            {"Troca j", [](Dono& d, INT_PTR i) { d.Troca##Lista(0, i); }},                   \
    }

// Each call with a bad index raises CInvalidArgException and leaves the owner unchanged.
template <class Dono>
void VerificarIndices(const Dono& modelo, const ChamadasIndexadas<Dono>& chamadas, INT_PTR quantidade) {
    for (const auto& [nome, chamada] : chamadas)
        for (INT_PTR indice : {INT_PTR{-1}, quantidade, INT_PTR{1} << 40}) {
            SCOPED_TRACE(std::string(nome) + " " + std::to_string(indice));
            Dono d(modelo);
            bool lancou = false;
            try {
                chamada(d, indice);
            } catch (CInvalidArgException* e) {
                e->Delete();
                lancou = true;
            }
            EXPECT_TRUE(lancou);
            EXPECT_TRUE(d == modelo) << "nothing changed";
        }
}

}  // namespace teste_registros

#endif
