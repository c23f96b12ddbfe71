// The benchmark workloads: object trees of the library filled with pseudo-random field values,
// and the same records laid flat, which the reference measurements copy and compare.
#ifndef NXLDADOSGC_BENCH_CARGAS_H
#define NXLDADOSGC_BENCH_CARGAS_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <type_traits>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "NXLDadosGC/core/Liberacao.h"

namespace nxbench {

// The blocks of a record tree as CopiarParaPS writes it: the caller's record, then every child
// block depth first (each array before the blocks its elements point to).
struct Achatado {
    std::vector<unsigned char> bytes;     // every block, one after the other
    std::vector<std::size_t> tamanhos;    // size of each block; tamanhos[0] is the caller's record
};

// A workload: its name in the report, the object tree and the same tree laid flat.
template <class Classe>
struct Carga {
    std::string nome;
    std::unique_ptr<Classe> objeto;
    Achatado plano;
    std::size_t bytesObjetos = 0;  // the root object and every list's storage (BytesObjetos)
    std::int64_t Bytes() const { return static_cast<std::int64_t>(plano.bytes.size()); }
};

Carga<CNXDadosGC_CustoProducao> CargaCustoProducao(const char* nome, int resultados, int linhas);
Carga<CNXDadosGC_MatrizRateio> CargaMatriz(const char* nome, int contas, int centrosPorConta, int apoios,
                                           int produtivosPorApoio);
Carga<CNXDadosGC_ListaLanctoHoras> CargaHoras(const char* nome, int lancamentos);
// One posting with every field set, for the Adiciona benchmark.
CNXDadosGC_LancamentoHoras UmLancamentoHoras();

// Each child block of a written tree, depth first: v(pointer, bytes).
template <class Classe, class V>
void CadaBloco(const typename Classe::Registro& reg, V& v);

namespace detail {

template <class V, class Dono, class T, class REG>
void CadaFilho(const REG& reg, const NXDadosGC::FilhoLista<Dono, T, REG>& f, V& v) {
    const auto* p = reg.*f.ponteiro;
    const auto n = static_cast<std::size_t>(reg.*f.quantidade);
    if (!p) return;
    v(static_cast<const void*>(p), n * sizeof *p);
    if constexpr (!std::is_arithmetic_v<T>)
        for (std::size_t i = 0; i < n; ++i) CadaBloco<T>(p[i], v);
}
template <class V, class Dono, class T, class REG>
void CadaFilho(const REG& reg, const NXDadosGC::FilhoUnico<Dono, T, REG>& f, V& v) {
    const auto* p = reg.*f.ponteiro;
    if (!p) return;
    v(static_cast<const void*>(p), sizeof *p);
    CadaBloco<T>(*p, v);
}
template <class V, class Dono, class T, class REG>
void CadaFilho(const REG& reg, const NXDadosGC::FilhoMembro<Dono, T, REG>& f, V& v) {
    CadaBloco<T>(reg.*f.area, v);
}

}  // namespace detail

template <class Classe, class V>
void CadaBloco(const typename Classe::Registro& reg, V& v) {
    if constexpr (requires { Classe::Filhos(); })
        std::apply([&](const auto&... f) { (detail::CadaFilho(reg, f, v), ...); }, Classe::Filhos());
}

// The bytes the objects of a tree take: the root object, then each list's storage (its elements,
// records and table pointers), all the way down. What a comparison of two trees reads of each.
template <class Classe>
std::size_t BytesObjetos(const Classe& o, bool raiz = true) {
    std::size_t n = raiz ? sizeof(Classe) : 0;
    if constexpr (requires { Classe::Filhos(); })
        std::apply(
            [&](const auto&... f) {
                (
                    [&](const auto& filho) {
                        using T = typename std::remove_cvref_t<decltype(filho)>::Elemento;
                        if constexpr (requires { filho.membro; }) {
                            n += BytesObjetos(o.*filho.membro, false);
                        } else {
                            const auto& a = (o.*filho.lista).GetArray();
                            n += static_cast<std::size_t>(a.GetSize()) * sizeof(T);
                            if constexpr (!std::is_arithmetic_v<T>)
                                for (INT_PTR i = 0; i < a.GetSize(); ++i) n += BytesObjetos(a[i], false);
                        }
                    }(f),
                    ...);
            },
            Classe::Filhos());
    return n;
}

template <class Classe>
Achatado Achatar(const Classe& objeto) {
    typename Classe::Registro reg;
    objeto.CopiarParaPS(&reg);
    Achatado a;
    auto anexar = [&](const void* p, std::size_t n) {
        const std::size_t fim = a.bytes.size();
        a.bytes.resize(fim + n);
        std::memcpy(a.bytes.data() + fim, p, n);
        a.tamanhos.push_back(n);
    };
    anexar(&reg, sizeof reg);
    CadaBloco<Classe>(reg, anexar);
    NXDadosGC::LiberarCopiarParaPS<Classe>(reg);
    return a;
}

}  // namespace nxbench

#endif
