// Record trees of any data class, built from the input, through every operation that reads or
// writes a tree: CopiarDe (twice, and compared), CopiarPara and CopiarParaPS (read back and
// released twice), packing the tree and its object (the same bytes), Copiar, Limpar, EstaVazio,
// and one transfer, CopiarDe or Copiar run out of memory at a chosen allocation. Nothing may
// crash, leak or compare wrongly.
//
// Input: a byte choosing the class, a byte choosing the allocation to fail (0: none), then the
// bytes the tree is made of. Each record takes its bytes from the input (texts keep their
// terminating zero), then each list or holder takes one byte for its shape: a count, and
// sometimes an inconsistent (count, null) or (block, 0) pair. Missing input reads as zeros.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"
#include "NXLDadosGC/motor/Empacotamento.h"

namespace {

using NXDadosGC::InfoClasse;
using NXDadosGC::TipoCampo;
using NXDadosGC::TipoFilho;

constexpr int kProfundidade = 3;            // nested levels that may hold children
constexpr std::uint32_t kMaxElementos = 4;  // per list
constexpr std::uint32_t kMaxRegistros = 48; // child records in a whole tree

void Verificar(bool ok, const char* o_que) {
    if (ok) return;
    std::fprintf(stderr, "arvores: %s\n", o_que);
    std::abort();
}

struct Leitor {
    const std::uint8_t* p;
    std::size_t n;
    std::uint8_t Byte() { return n ? (--n, *p++) : 0; }
    void Bytes(void* destino, std::size_t k) {
        const std::size_t m = k < n ? k : n;
        std::memcpy(destino, p, m);
        std::memset(static_cast<char*>(destino) + m, 0, k - m);
        p += m;
        n -= m;
    }
};

// An 8-byte-aligned record of a class's type.
struct Registro {
    explicit Registro(const InfoClasse& info) : bytes((info.tamanhoRegistro + 7) / 8) {}
    void* dados() { return bytes.data(); }
    std::vector<std::uint64_t> bytes;
};

// Builds the input tree. Its blocks come from malloc and are the target's own: it frees them
// itself, those of inconsistent pairs included, and the library's counters never see them.
struct Construtor {
    explicit Construtor(Leitor& leitor) : in(leitor) {}
    Construtor(const Construtor&) = delete;
    Construtor& operator=(const Construtor&) = delete;
    ~Construtor() {
        for (auto& b : blocos) std::free(b.first);
    }

    void* Bloco(std::size_t bytes) {
        void* b = std::calloc(1, bytes);
        Verificar(b != nullptr, "out of memory");
        blocos.emplace_back(b, bytes);
        return b;
    }

    static void Textos(NXDadosGC::TabelaCampos campos, char* registro) {
        for (const auto& c : campos) {
            if (c.tipo == TipoCampo::Texto) registro[c.deslocamento + c.largura - 1] = 0;
            if (c.tipo == TipoCampo::Registro && c.sub) Textos(c.sub(), registro + c.deslocamento);
        }
    }

    void Preencher(const InfoClasse& info, void* registro, int nivel) {
        char* r = static_cast<char*>(registro);
        in.Bytes(r, info.tamanhoRegistro);
        Textos(info.campos(), r);
        for (const auto& f : info.filhos) {
            const InfoClasse* filho = f.classe ? f.classe() : nullptr;
            if (f.tipo == TipoFilho::Membro) {
                Preencher(*filho, r + f.ponteiro, nivel);
                continue;
            }
            const std::uint8_t forma = in.Byte();
            std::uint32_t n = 0;
            if (nivel < kProfundidade)
                n = f.tipo == TipoFilho::Unico ? (forma & 1) : (forma & 7) % (kMaxElementos + 1);
            if (n > kMaxRegistros - registros) n = kMaxRegistros - registros;
            registros += n;
            const int caso = f.tipo == TipoFilho::Lista ? (forma >> 4) & 7 : 0;
            void* bloco = nullptr;
            std::uint32_t quantidade = n;
            if (caso == 6) {
                quantidade = 1 + n;  // (count, null): no block at all
            } else if (n) {
                bloco = Bloco(n * f.tamanhoRegistro);
                // A (block, 0) pair reads as empty: its records get no children of their own.
                const int nivelFilhos = caso == 7 ? kProfundidade : nivel + 1;
                for (std::uint32_t i = 0; i < n; ++i) {
                    char* e = static_cast<char*>(bloco) + i * f.tamanhoRegistro;
                    if (filho) Preencher(*filho, e, nivelFilhos);
                    else in.Bytes(e, f.tamanhoRegistro);
                }
                if (caso == 7) quantidade = 0;
            }
            std::memcpy(r + f.ponteiro, &bloco, sizeof bloco);
            if (f.tipo == TipoFilho::Lista) std::memcpy(r + f.quantidade, &quantidade, sizeof quantidade);
        }
    }

    std::string Instantaneo(const InfoClasse& info, const void* registro) const {
        std::string s(static_cast<const char*>(registro), info.tamanhoRegistro);
        for (const auto& b : blocos) s.append(static_cast<const char*>(b.first), b.second);
        return s;
    }

    Leitor& in;
    std::vector<std::pair<void*, std::size_t>> blocos;
    std::uint32_t registros = 0;
};

using Objeto = std::unique_ptr<TNXBaseParaDados>;

// Runs f with its n-th allocation failing (n > 0). True when it failed, which must be with
// CMemoryException.
template <class F>
bool FalharNa(int n, F&& f) {
    AfxContadoresAlocacao().falharNaAlocacao = n;
    bool falhou = false;
    try {
        f();
    } catch (CMemoryException* e) {
        e->Delete();
        falhou = true;
    }
    AfxContadoresAlocacao().falharNaAlocacao = 0;
    return falhou;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const auto classes = NXDadosGC::Classes();
    Leitor in{dados, tamanho};
    const InfoClasse& info = *classes[in.Byte() % classes.size()];
    const std::uint8_t falha = in.Byte();
    const NXContadoresAlocacao inicio = AfxContadoresAlocacao();
    {
        Construtor construtor(in);
        Registro entrada(info);
        construtor.Preencher(info, entrada.dados(), 0);
        const std::string foto = construtor.Instantaneo(info, entrada.dados());

        const Objeto novo(info.criar());
        const Objeto a(info.criar()), b(info.criar());
        info.copiarDe(*a, entrada.dados());
        info.copiarDe(*b, entrada.dados());
        Verificar(construtor.Instantaneo(info, entrada.dados()) == foto, "CopiarDe changed its source");
        Verificar(a->Igual(b.get()) && b->Igual(a.get()), "two CopiarDe of one tree differ");
        Verificar(a->EstaVazio() == a->Igual(novo.get()), "EstaVazio disagrees with a new object");
        Verificar(NXDadosGC::EmpacotarRegistro(info, entrada.dados()) == NXDadosGC::Empacotar(*a),
                  "the tree packs to other bytes than its object");

        for (const bool ps : {false, true}) {
            Registro saida(info);
            (ps ? info.copiarParaPS : info.copiarPara)(*a, saida.dados());
            const Objeto volta(info.criar());
            info.copiarDe(*volta, saida.dados());
            Verificar(volta->Igual(a.get()), "a transferred tree reads back different");
            const auto liberar = ps ? info.liberarCopiarParaPS : info.liberarCopiarPara;
            liberar(saida.dados());
            liberar(saida.dados());
        }

        // Out of memory at the chosen allocation: the half-written tree is released like a
        // whole one; the objects are left as they were (transfers), empty (CopiarDe) or partly
        // assigned and still usable (Copiar).
        if (falha) {
            const int n = falha >> 2;
            Registro saida(info);
            switch (falha & 3) {
            case 0:
            case 1: {
                const bool ps = falha & 1;
                FalharNa(n + 1, [&] { (ps ? info.copiarParaPS : info.copiarPara)(*a, saida.dados()); });
                (ps ? info.liberarCopiarParaPS : info.liberarCopiarPara)(saida.dados());
                Verificar(a->Igual(b.get()), "a failed transfer changed the object");
                break;
            }
            case 2: {
                const Objeto c(info.criar());
                c->Copiar(b.get());
                if (FalharNa(n + 1, [&] { info.copiarDe(*c, entrada.dados()); }))
                    Verificar(c->EstaVazio(), "a failed CopiarDe left data behind");
                else
                    Verificar(c->Igual(a.get()), "CopiarDe into a full object differs");
                break;
            }
            default: {
                const Objeto c(info.criar());  // empty: every block of the copy is allocated
                FalharNa(n + 1, [&] { c->Copiar(a.get()); });
                Verificar(a->Igual(b.get()), "a failed Copiar changed its source");
                c->Copiar(a.get());
                Verificar(c->Igual(a.get()), "Copiar after a failed one differs");
                break;
            }
            }
        }

        const Objeto d(info.criar());
        d->Copiar(a.get());
        Verificar(d->Igual(a.get()), "a copy differs");
        d->Copiar(d.get());
        Verificar(d->Igual(a.get()), "a copy onto itself changed it");
        d->Limpar();
        Verificar(d->EstaVazio() && d->Igual(novo.get()), "Limpar left data behind");
    }
    const NXContadoresAlocacao& fim = AfxContadoresAlocacao();
    Verificar(fim.alocacoes - inicio.alocacoes == fim.liberacoes - inicio.liberacoes, "blocks leaked");
    return 0;
}
