#include "Varredura.h"

#include <bit>      // std::popcount, std::countr_zero
#include <cstdint>  // std::uint64_t

#if defined(__x86_64__)
#include <immintrin.h>
#define NXGC_X86 1
#endif

namespace NXDadosGC::json {
namespace {

// Bit i: byte i of a block of 64 is that character. Set with the bit 0x20, only `[` and `{` give
// `{`, and only `]` and `}` give `}`: one comparison finds both brackets of a kind.
struct Mascaras {
    std::uint64_t aspas = 0, barras = 0, abre = 0, fecha = 0, separa = 0;  // separa: `,` and `:`
};

#if NXGC_X86
// Each width's masks, and the whole look compiled for it (flatten: the look and the masks in one
// function of that target, nothing called per block).
#define NXGC_ALVO_16 __attribute__((flatten))
#define NXGC_ALVO_32 __attribute__((target("avx2,popcnt,bmi"), flatten))
#define NXGC_ALVO_64 __attribute__((target("avx512f,avx512bw,popcnt,bmi"), flatten))

inline Mascaras Mascaras16(const char* p) {
    Mascaras m;
    for (int k = 0; k < 4; ++k) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 16 * k));
        const __m128i u = _mm_or_si128(v, _mm_set1_epi8(0x20));
        const auto bits = [k](__m128i igual) {
            return std::uint64_t{static_cast<std::uint16_t>(_mm_movemask_epi8(igual))} << (16 * k);
        };
        m.aspas |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('"')));
        m.barras |= bits(_mm_cmpeq_epi8(v, _mm_set1_epi8('\\')));
        m.abre |= bits(_mm_cmpeq_epi8(u, _mm_set1_epi8('{')));
        m.fecha |= bits(_mm_cmpeq_epi8(u, _mm_set1_epi8('}')));
        m.separa |= bits(_mm_or_si128(_mm_cmpeq_epi8(v, _mm_set1_epi8(',')), _mm_cmpeq_epi8(v, _mm_set1_epi8(':'))));
    }
    return m;
}

__attribute__((target("avx2"))) inline Mascaras Mascaras32(const char* p) {
    Mascaras m;
    for (int k = 0; k < 2; ++k) {
        const __m256i v = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(p + 32 * k));
        const __m256i u = _mm256_or_si256(v, _mm256_set1_epi8(0x20));
        const auto bits = [k](__m256i igual) __attribute__((target("avx2"))) {
            return std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_epi8(igual))} << (32 * k);
        };
        m.aspas |= bits(_mm256_cmpeq_epi8(v, _mm256_set1_epi8('"')));
        m.barras |= bits(_mm256_cmpeq_epi8(v, _mm256_set1_epi8('\\')));
        m.abre |= bits(_mm256_cmpeq_epi8(u, _mm256_set1_epi8('{')));
        m.fecha |= bits(_mm256_cmpeq_epi8(u, _mm256_set1_epi8('}')));
        m.separa |= bits(_mm256_or_si256(_mm256_cmpeq_epi8(v, _mm256_set1_epi8(',')), _mm256_cmpeq_epi8(v, _mm256_set1_epi8(':'))));
    }
    return m;
}

__attribute__((target("avx512f,avx512bw"))) inline Mascaras Mascaras64(const char* p) {
    const __m512i v = _mm512_loadu_si512(p);
    const __m512i u = _mm512_or_si512(v, _mm512_set1_epi8(0x20));
    return {_mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('"')), _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8('\\')),
            _mm512_cmpeq_epi8_mask(u, _mm512_set1_epi8('{')), _mm512_cmpeq_epi8_mask(u, _mm512_set1_epi8('}')),
            _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(',')) | _mm512_cmpeq_epi8_mask(v, _mm512_set1_epi8(':'))};
}
#else
#define NXGC_ALVO_16
inline Mascaras Mascaras16(const char* p) {
    Mascaras m;
    for (int i = 0; i < 64; ++i) {
        const std::uint64_t bit = std::uint64_t{1} << i;
        const char u = static_cast<char>(p[i] | 0x20);
        if (p[i] == '"') m.aspas |= bit;
        if (p[i] == '\\') m.barras |= bit;
        if (u == '{') m.abre |= bit;
        if (u == '}') m.fecha |= bit;
        if (p[i] == ',' || p[i] == ':') m.separa |= bit;
    }
    return m;
}
#endif

// Bit i: an odd number of the bits 0..i of x are set.
std::uint64_t PrefixoXor(std::uint64_t x) {
    for (int k = 1; k < 64; k *= 2) x ^= x << k;
    return x;
}

class Varredura {
public:
    Varredura(std::string_view texto, std::size_t limite, std::size_t* fimDoPrimeiro)
        : m_Texto(texto), m_Limite(limite), m_FimDoPrimeiro(fimDoPrimeiro) {}

    std::size_t separadores = 0;  // brackets, `,` and `:` outside strings, up to where the look stopped

    template <Mascaras (*MascarasDe)(const char*)>
    std::size_t Percorrer() {
        const std::size_t n = m_Texto.size();
        std::size_t i = 0;
        for (; i + 64 <= n; i += 64) {
            const Mascaras m = MascarasDe(m_Texto.data() + i);
            if (m.barras || m_Escape) {
                if (Bytes(i, i + 64)) return m_Inicio;
                continue;
            }
            // Inside a string: from an opening quote up to the closing one.
            const std::uint64_t cadeia = PrefixoXor(m.aspas) ^ (m_Dentro ? ~std::uint64_t{0} : 0);
            m_Dentro = cadeia >> 63;
            const std::uint64_t abre = m.abre & ~cadeia, fecha = m.fecha & ~cadeia;
            separadores += static_cast<std::size_t>(std::popcount((abre | fecha | m.separa) & ~cadeia));
            if (!(abre | fecha)) continue;
            // Neither too deep nor back to level 0 in this block, whatever the order: counts do.
            const auto a = static_cast<std::size_t>(std::popcount(abre)), f = static_cast<std::size_t>(std::popcount(fecha));
            if (m_Nivel > f && m_Nivel + a <= m_Limite) {
                m_Nivel = m_Nivel + a - f;
                continue;
            }
            for (std::uint64_t b = abre | fecha; b; b &= b - 1) {
                const int k = std::countr_zero(b);
                if ((abre >> k) & 1) {
                    if (Abre(i + static_cast<std::size_t>(k))) return m_Inicio;
                } else {
                    Fecha(i + static_cast<std::size_t>(k));
                }
            }
        }
        return Bytes(i, n) ? m_Inicio : std::string_view::npos;
    }

private:
    // True when the document goes too deep here.
    bool Abre(std::size_t i) {
        if (m_Nivel == 0) m_Inicio = i;
        return ++m_Nivel > m_Limite;
    }
    void Fecha(std::size_t i) {
        if (m_Nivel > 0 && --m_Nivel == 0 && m_FimDoPrimeiro && *m_FimDoPrimeiro == std::string_view::npos)
            *m_FimDoPrimeiro = i + 1;
    }

    // Bytes de..ate one at a time; true when the document goes too deep in them.
    bool Bytes(std::size_t de, std::size_t ate) {
        for (std::size_t i = de; i < ate; ++i) {
            const char c = m_Texto[i];
            if (m_Dentro) {
                if (m_Escape) m_Escape = false;
                else if (c == '\\') m_Escape = true;
                else if (c == '"') m_Dentro = false;
            } else if (c == '"') {
                m_Dentro = true;
            } else if (c == '[' || c == '{') {
                ++separadores;
                if (Abre(i)) return true;
            } else if (c == ']' || c == '}') {
                ++separadores;
                Fecha(i);
            } else if (c == ',' || c == ':') {
                ++separadores;
            }
        }
        return false;
    }

    std::string_view m_Texto;
    std::size_t m_Limite;
    std::size_t* m_FimDoPrimeiro;
    std::size_t m_Nivel = 0, m_Inicio = 0;
    bool m_Dentro = false, m_Escape = false;
};

NXGC_ALVO_16 std::size_t Por16(Varredura& v) { return v.Percorrer<Mascaras16>(); }
#if NXGC_X86
NXGC_ALVO_32 std::size_t Por32(Varredura& v) { return v.Percorrer<Mascaras32>(); }
NXGC_ALVO_64 std::size_t Por64(Varredura& v) { return v.Percorrer<Mascaras64>(); }
#endif

using Funcao = std::size_t (*)(Varredura&);

Funcao FuncaoDe(LarguraVarredura largura) {
#if NXGC_X86
    const bool bits = __builtin_cpu_supports("popcnt") && __builtin_cpu_supports("bmi");
    if (largura == LarguraVarredura::Bytes32)
        return bits && __builtin_cpu_supports("avx2") ? &Por32 : nullptr;
    if (largura == LarguraVarredura::Bytes64)
        return bits && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") ? &Por64 : nullptr;
#endif
    return largura == LarguraVarredura::Bytes16 ? &Por16 : nullptr;
}

Funcao Escolhida() {
    static const Funcao f = [] {
        for (const auto l : {LarguraVarredura::Bytes64, LarguraVarredura::Bytes32})
            if (const Funcao g = FuncaoDe(l)) return g;
        return &Por16;
    }();
    return f;
}

}  // namespace

bool LarguraDisponivel(LarguraVarredura largura) { return FuncaoDe(largura) != nullptr; }

std::size_t DocumentoFundoDemais(std::string_view texto, std::size_t limite, std::size_t* fimDoPrimeiro,
                                 std::size_t* separadores) {
    Varredura v(texto, limite, fimDoPrimeiro);
    const std::size_t r = Escolhida()(v);
    if (separadores) *separadores = v.separadores;
    return r;
}

std::size_t DocumentoFundoDemais(std::string_view texto, std::size_t limite, std::size_t* fimDoPrimeiro,
                                 std::size_t* separadores, LarguraVarredura largura) {
    Varredura v(texto, limite, fimDoPrimeiro);
    const std::size_t r = FuncaoDe(largura)(v);
    if (separadores) *separadores = v.separadores;
    return r;
}

}  // namespace NXDadosGC::json
