// Conversions between UTF-8 and the ANSI code pages, over tables built from the system's
// converter (iconv) the first time each page is used.
#include "NXLDadosGC/platform/Utf8.h"

#include <iconv.h>  // iconv_open, iconv, iconv_close

#include <cstdint>  // std::uint16_t, std::uint64_t
#include <cstdio>   // std::snprintf
#include <cstring>  // std::memcpy
#include <memory>   // std::unique_ptr
#include <mutex>    // std::call_once
#include <stdexcept>  // std::runtime_error

#include "Interno.h"                       // EhByteInicial
#include "NXLDadosGC/platform/Multibyte.h"  // _getmbcp

namespace NXDadosGC {

ErroTexto::ErroTexto(const std::string& mensagem, std::size_t posicao, char32_t caractere)
    : std::invalid_argument(mensagem), m_Posicao(posicao), m_Caractere(caractere) {}
ErroTexto::~ErroTexto() = default;

namespace {

constexpr int kPaginas[] = {1252, 932, 936, 949, 950};

// Single bytes the converter leaves undefined and the page defines (see Utf8.h).
constexpr struct {
    int pagina;
    unsigned char byte;
    char16_t caractere;
} kComplementos[]{
    {1252, 0x81, 0x0081}, {1252, 0x8D, 0x008D}, {1252, 0x8F, 0x008F}, {1252, 0x90, 0x0090}, {1252, 0x9D, 0x009D},
    {932, 0x80, 0x0080},  {932, 0xA0, 0xF8F0},  {932, 0xFD, 0xF8F1},  {932, 0xFE, 0xF8F2},  {932, 0xFF, 0xF8F3},
};

constexpr char32_t kSubstituto = 0xFFFD;

// One code page both ways. Every character of these pages is in the Basic Multilingual Plane.
struct Tabela {
    int pagina = 0;
    bool inicial[256] = {};  // lead bytes of two-byte characters
    bool asciiIgual = true;  // bytes 0x00-0x7F are U+0000-U+007F
    // A byte sequence (one byte b as b, a pair as lead << 8 | trail) -> its character; 0 when
    // it is none (U+0000 is byte 0 alone). Single bytes sit at 0..255, below every pair.
    std::unique_ptr<char16_t[]> caractere{new char16_t[65536]()};
    // A character -> the sequence it is written as, in the same form; 0 when the page has none.
    std::unique_ptr<std::uint16_t[]> bytes{new std::uint16_t[65536]()};
};

// One direction of the system's converter, for one character at a time.
class Conversor {
public:
    Conversor(const char* para, const char* de, int pagina) : m_cd(iconv_open(para, de)) {
        if (m_cd == reinterpret_cast<iconv_t>(-1)) {
            char m[96];
            std::snprintf(m, sizeof m, "the system's converter (iconv) has no code page %d", pagina);
            throw std::runtime_error(m);
        }
    }
    ~Conversor() { iconv_close(m_cd); }
    Conversor(const Conversor&) = delete;
    Conversor& operator=(const Conversor&) = delete;

    // The output of converting all n bytes at p; 0 bytes when the converter refuses them.
    std::size_t Converter(const unsigned char* p, std::size_t n, unsigned char (&saida)[8]) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
        char* entrada = reinterpret_cast<char*>(const_cast<unsigned char*>(p));
        char* destino = reinterpret_cast<char*>(saida);
        std::size_t resta = n, livre = sizeof saida;
        if (iconv(m_cd, &entrada, &resta, &destino, &livre) == static_cast<std::size_t>(-1) || resta != 0) return 0;
        return sizeof saida - livre;
    }

private:
    iconv_t m_cd;
};

char32_t Utf32(const unsigned char* p) {
    return char32_t{p[0]} | char32_t{p[1]} << 8 | char32_t{p[2]} << 16 | char32_t{p[3]} << 24;
}

void Montar(Tabela& t, int pagina) {
    char nome[16];
    std::snprintf(nome, sizeof nome, "CP%d", pagina);
    Conversor ler("UTF-32LE", nome, pagina), escrever(nome, "UTF-32LE", pagina);
    t.pagina = pagina;
    unsigned char saida[8];
    // A sequence defines a character when the converter turns all of it into exactly one.
    auto definir = [&](std::uint16_t seq, const unsigned char* p, std::size_t n) {
        if (ler.Converter(p, n, saida) != 4) return;
        const char32_t c = Utf32(saida);
        if (c < 0x10000 && (c != 0 || seq == 0)) t.caractere[seq] = static_cast<char16_t>(c);
    };
    for (unsigned b = 0; b < 256; ++b) {
        t.inicial[b] = detail::EhByteInicial(pagina, b);
        const unsigned char um[1] = {static_cast<unsigned char>(b)};
        if (!t.inicial[b]) definir(static_cast<std::uint16_t>(b), um, 1);
        for (unsigned r = 1; t.inicial[b] && r < 256; ++r) {
            const unsigned char par[2] = {static_cast<unsigned char>(b), static_cast<unsigned char>(r)};
            definir(static_cast<std::uint16_t>(b << 8 | r), par, 2);
        }
    }
    for (const auto& c : kComplementos)
        if (c.pagina == pagina && !t.caractere[c.byte]) t.caractere[c.byte] = c.caractere;
    for (unsigned b = 0; b < 0x80; ++b) t.asciiIgual = t.asciiIgual && t.caractere[b] == b;

    // Each character goes back to the sequence the converter writes for it, when that sequence
    // reads as the same character; otherwise (a completed byte) to the first that does.
    for (unsigned seq = 1; seq < 65536; ++seq) {
        const char16_t c = t.caractere[seq];
        if (!c || t.bytes[c]) continue;
        const unsigned char u[4] = {static_cast<unsigned char>(c), static_cast<unsigned char>(c >> 8), 0, 0};
        const std::size_t n = escrever.Converter(u, 4, saida);
        const unsigned escrito = n == 1 ? saida[0] : n == 2 ? unsigned{saida[0]} << 8 | saida[1] : 0;
        t.bytes[c] = static_cast<std::uint16_t>(escrito && t.caractere[escrito] == c ? escrito : seq);
    }
}

const Tabela& TabelaDe(int pagina) {
    if (pagina == 0) pagina = _getmbcp();
    static Tabela tabelas[std::size(kPaginas)];
    static std::once_flag montadas[std::size(kPaginas)];
    for (std::size_t i = 0; i < std::size(kPaginas); ++i)
        if (kPaginas[i] == pagina) {
            std::call_once(montadas[i], Montar, tabelas[i], pagina);
            return tabelas[i];
        }
    char m[96];
    std::snprintf(m, sizeof m, "code page %d is not one of 1252, 932, 936, 949, 950", pagina);
    throw std::invalid_argument(m);
}

// The character that starts at p (n bytes left) and its length; 0 for invalid UTF-8.
std::size_t LerUtf8(const unsigned char* p, std::size_t n, char32_t& c) {
    const unsigned b = p[0];
    if (b < 0x80) {
        c = b;
        return 1;
    }
    std::size_t k;
    unsigned minimo = 0x80, maximo = 0xBF;  // range of the second byte
    if (b >= 0xC2 && b <= 0xDF) {
        k = 2;
    } else if (b >= 0xE0 && b <= 0xEF) {
        k = 3;
        if (b == 0xE0) minimo = 0xA0;  // no overlong form
        if (b == 0xED) maximo = 0x9F;  // no surrogate
    } else if (b >= 0xF0 && b <= 0xF4) {
        k = 4;
        if (b == 0xF0) minimo = 0x90;
        if (b == 0xF4) maximo = 0x8F;  // nothing beyond U+10FFFF
    } else {
        return 0;
    }
    if (n < k || p[1] < minimo || p[1] > maximo) return 0;
    c = b & (0x7F >> k);
    for (std::size_t i = 1; i < k; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        c = c << 6 | (p[i] & 0x3F);
    }
    return k;
}

unsigned char* EscreverUtf8(unsigned char* o, char32_t c) {
    if (c < 0x80) {
        *o++ = static_cast<unsigned char>(c);
    } else if (c < 0x800) {
        *o++ = static_cast<unsigned char>(0xC0 | c >> 6);
        *o++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
    } else {
        *o++ = static_cast<unsigned char>(0xE0 | c >> 12);
        *o++ = static_cast<unsigned char>(0x80 | (c >> 6 & 0x3F));
        *o++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
    }
    return o;
}

// Copies the longest run of ASCII bytes from p (at most n) to o, eight at a time; its length.
std::size_t CopiarAscii(const unsigned char* p, std::size_t n, unsigned char* o) {
    std::size_t i = 0;
    for (std::uint64_t w; i + 8 <= n; i += 8) {
        std::memcpy(&w, p + i, 8);
        if (w & 0x8080808080808080u) break;
        std::memcpy(o + i, &w, 8);
    }
    for (; i < n && p[i] < 0x80; ++i) o[i] = p[i];
    return i;
}

// Where a conversion stopped: input bytes read, output bytes written, and what it could not
// convert (nothing when lidos is the whole input).
struct Parada {
    std::size_t lidos, escritos;
    char32_t caractere;  // from UTF-8: the character the page lacks; kNenhum for invalid UTF-8
};

// UTF-8 -> page bytes into o, which holds at least n bytes (no character grows on the way).
Parada DeUtf8Bruto(const Tabela& t, const unsigned char* p, std::size_t n, unsigned char* o, bool substituir) {
    std::size_t i = 0, e = 0;
    while (i < n) {
        if (t.asciiIgual) {
            const std::size_t a = CopiarAscii(p + i, n - i, o + e);
            i += a, e += a;
            if (i == n) break;
        }
        char32_t c;
        const std::size_t k = LerUtf8(p + i, n - i, c);
        if (!k) return {i, e, ErroTexto::kNenhum};
        const unsigned seq = c < 0x10000 ? t.bytes[c] : 0;
        if (seq > 0xFF) {
            o[e++] = static_cast<unsigned char>(seq >> 8);
            o[e++] = static_cast<unsigned char>(seq);
        } else if (seq || c == 0) {
            o[e++] = static_cast<unsigned char>(seq);
        } else if (substituir) {
            o[e++] = '?';
        } else {
            return {i, e, c};
        }
        i += k;
    }
    return {n, e, 0};
}

// Page bytes -> UTF-8 into o, which holds at least 3n bytes. Stops (unless substituir) at bytes
// that are no character, and with `exato` also before one that would not go back to its bytes.
Parada ParaUtf8Bruto(const Tabela& t, const unsigned char* p, std::size_t n, unsigned char* o, bool substituir,
                     bool exato) {
    std::size_t i = 0, e = 0;
    while (i < n) {
        if (t.asciiIgual) {
            const std::size_t a = CopiarAscii(p + i, n - i, o + e);
            i += a, e += a;
            if (i == n) break;
        }
        const unsigned b = p[i];
        std::size_t k = 1;
        unsigned seq = b;
        if (t.inicial[b]) {
            // A byte that cannot be a trail byte is not taken with a lead byte that lacks its pair.
            k = i + 1 < n && p[i + 1] >= 0x40 ? 2 : 1;
            seq = k == 2 ? b << 8 | p[i + 1] : 0x100;  // 0x100: no character
        }
        const char32_t c = seq < 65536 ? t.caractere[seq] : 0;
        if ((c == 0 && seq != 0) || (exato && t.bytes[c] != seq && seq != 0)) {
            if (!substituir) return {i, e, ErroTexto::kNenhum};
            e = static_cast<std::size_t>(EscreverUtf8(o + e, kSubstituto) - o);
        } else {
            e = static_cast<std::size_t>(EscreverUtf8(o + e, c) - o);
        }
        i += k;
    }
    return {n, e, 0};
}

const unsigned char* Bytes(std::string_view s) { return reinterpret_cast<const unsigned char*>(s.data()); }

// Appends the conversion of `entrada` to `saida`, `fator` output bytes per input byte at most.
template <class Converter>
Parada Anexar(std::string& saida, std::string_view entrada, std::size_t fator, Converter converter) {
    const std::size_t antes = saida.size();
    saida.resize(antes + fator * entrada.size());
    const Parada r = converter(Bytes(entrada), entrada.size(), reinterpret_cast<unsigned char*>(saida.data() + antes));
    saida.resize(antes + r.escritos);
    return r;
}

}  // namespace

bool PaginaConhecida(int pagina) noexcept {
    for (const int p : kPaginas)
        if (p == pagina) return true;
    return false;
}

CString DeUtf8(std::string_view utf8, const OpcoesTexto& opcoes) {
    const Tabela& t = TabelaDe(opcoes.pagina);
    CString texto;
    char* buffer = texto.GetBuffer(static_cast<int>(utf8.size()));
    const Parada r = DeUtf8Bruto(t, Bytes(utf8), utf8.size(), reinterpret_cast<unsigned char*>(buffer),
                                 opcoes.inconvertivel == Inconvertivel::Substituir);
    if (r.lidos < utf8.size()) {
        char m[128];
        if (r.caractere == ErroTexto::kNenhum)
            std::snprintf(m, sizeof m, "invalid UTF-8 at byte %zu", r.lidos);
        else
            std::snprintf(m, sizeof m, "character U+%04X at byte %zu has no code page %d byte",
                          static_cast<unsigned>(r.caractere), r.lidos, t.pagina);
        throw ErroTexto(m, r.lidos, r.caractere);
    }
    texto.ReleaseBuffer(static_cast<int>(r.escritos));
    return texto;
}

std::string ParaUtf8(std::string_view texto, const OpcoesTexto& opcoes) {
    const Tabela& t = TabelaDe(opcoes.pagina);
    std::string saida;
    const bool substituir = opcoes.inconvertivel == Inconvertivel::Substituir;
    const Parada r = Anexar(saida, texto, 3, [&](const unsigned char* p, std::size_t n, unsigned char* o) {
        return ParaUtf8Bruto(t, p, n, o, substituir, false);
    });
    if (r.lidos < texto.size()) {
        const auto b = Bytes(texto);
        const bool par = t.inicial[b[r.lidos]] && r.lidos + 1 < texto.size() && b[r.lidos + 1] >= 0x40;
        char m[128];
        if (par)
            std::snprintf(m, sizeof m, "bytes %02X %02X at byte %zu are no character of code page %d", b[r.lidos],
                          b[r.lidos + 1], r.lidos, t.pagina);
        else
            std::snprintf(m, sizeof m, "byte %02X at byte %zu is no character of code page %d", b[r.lidos], r.lidos,
                          t.pagina);
        throw ErroTexto(m, r.lidos, ErroTexto::kNenhum);
    }
    return saida;
}

std::size_t ConverterDeUtf8(std::string& saida, std::string_view utf8, int pagina, char32_t* caractere) {
    const Tabela& t = TabelaDe(pagina);
    const Parada r = Anexar(saida, utf8, 1, [&](const unsigned char* p, std::size_t n, unsigned char* o) {
        return DeUtf8Bruto(t, p, n, o, false);
    });
    if (caractere && r.lidos < utf8.size()) *caractere = r.caractere;
    return r.lidos;
}

std::size_t ConverterParaUtf8(std::string& saida, std::string_view texto, int pagina, bool exato) {
    const Tabela& t = TabelaDe(pagina);
    return Anexar(saida, texto, 3, [&](const unsigned char* p, std::size_t n, unsigned char* o) {
               return ParaUtf8Bruto(t, p, n, o, false, exato);
           }).lidos;
}

}  // namespace NXDadosGC
