// Texts between UTF-8 and the code pages: every sequence of every page against Python's codecs,
// and the refusals and replacements.
#include "NXLDadosGC/platform/Utf8.h"

#include <gtest/gtest.h>

#include <unistd.h>  // mkstemp, close, unlink

#include <cstdio>   // popen, fgets
#include <map>      // std::map
#include <string>   // std::string
#include <utility>  // std::pair

namespace {

using NXDadosGC::ErroTexto;
using NXDadosGC::Inconvertivel;
using NXDadosGC::OpcoesTexto;

// Python's codecs as the independent oracle: every byte sequence each decodes (lines
// "D <sequence> <character>") and the sequence each of those characters encodes to ("E
// <character> <sequence>"), hex. Sequences: each single byte, each lead 0x81-0xFF with each
// trail 0x40-0xFF.
constexpr const char* kOraculo = R"(import sys
p = "cp" + sys.argv[1]
vistos = set()
seqs = [bytes([b]) for b in range(256)] + [bytes([a, b]) for a in range(0x81, 0x100) for b in range(0x40, 0x100)]
for s in seqs:
    try:
        c = s.decode(p)
    except UnicodeDecodeError:
        continue
    if len(c) != 1:
        continue
    print("D", s.hex(), "%x" % ord(c))
    if c not in vistos:
        vistos.add(c)
        print("E", "%x" % ord(c), c.encode(p).hex())
)";

struct Oraculo {
    std::map<unsigned, char32_t> caractere;  // sequence (b, or lead << 8 | trail) -> character
    std::map<char32_t, unsigned> bytes;      // character -> sequence
};

// Empty when python3 cannot be run.
Oraculo Perguntar(int pagina) {
    Oraculo o;
    char nome[] = "/tmp/nxgc_oraculoXXXXXX";
    const int fd = mkstemp(nome);
    if (fd < 0) return o;
    const std::string script(kOraculo);
    const bool escrito = write(fd, script.data(), script.size()) == static_cast<ssize_t>(script.size());
    close(fd);
    if (FILE* f = escrito ? popen(("python3 " + std::string(nome) + " " + std::to_string(pagina)).c_str(), "r") : nullptr) {
        char linha[64], tipo;
        unsigned a, b;
        while (std::fgets(linha, sizeof linha, f))
            if (std::sscanf(linha, "%c %x %x", &tipo, &a, &b) == 3) {
                if (tipo == 'D') o.caractere[a] = b;
                else o.bytes[a] = b;
            }
        pclose(f);
    }
    unlink(nome);
    return o;
}

std::string Sequencia(unsigned seq) {
    return seq > 0xFF ? std::string{static_cast<char>(seq >> 8), static_cast<char>(seq)}
                      : std::string(1, static_cast<char>(seq));
}

// Our character of a sequence; 0 when the page does not define it (U+0000 is byte 0 alone).
char32_t Caractere(unsigned seq, int pagina) {
    std::string u;
    if (NXDadosGC::ConverterParaUtf8(u, Sequencia(seq), pagina) != Sequencia(seq).size()) return 0;
    char32_t c = 0;
    int caracteres = 0;
    for (const unsigned char b : u) caracteres += (b & 0xC0) != 0x80;
    if (caracteres != 1) return 0;  // two single bytes
    for (const unsigned char b : u) c = (b & 0xC0) == 0x80 ? c << 6 | (b & 0x3F) : b & (b < 0x80 ? 0x7F : b < 0xE0 ? 0x1F : 0x0F);
    return c;
}

// Our sequence of a character; 0 when the page has none.
unsigned Bytes(char32_t c, int pagina) {
    std::string u, s;
    if (c < 0x80) u = std::string(1, static_cast<char>(c));
    else if (c < 0x800) u = {static_cast<char>(0xC0 | c >> 6), static_cast<char>(0x80 | (c & 0x3F))};
    else u = {static_cast<char>(0xE0 | c >> 12), static_cast<char>(0x80 | (c >> 6 & 0x3F)), static_cast<char>(0x80 | (c & 0x3F))};
    if (NXDadosGC::ConverterDeUtf8(s, u, pagina) != u.size()) return 0;
    return s.size() == 2 ? static_cast<unsigned char>(s[0]) << 8 | static_cast<unsigned char>(s[1])
                         : static_cast<unsigned char>(s[0]);
}

// Where Python's codecs and these tables are known to part (both measured): 1252's five
// undefined bytes, which the tables give the C1 controls of the same number; 936's
// euro sign at 0x80, which Python lacks; 950's 0x80, and its user-defined area 0xC6A1-0xC8FE,
// which the converter maps in order onto U+F6B1-U+F848 (Python reads part of it as other
// characters). And on the way back, 932's characters that both the NEC-selected rows 0xED-0xEE
// and the IBM rows 0xFA-0xFC hold: Python writes the former, the converter the latter.
bool SoNosso(int pagina, unsigned seq, char32_t c) {
    if (pagina == 1252) return c == seq && (seq == 0x81 || seq == 0x8D || seq == 0x8F || seq == 0x90 || seq == 0x9D);
    if (seq == 0x80) return (pagina == 936 && c == 0x20AC) || (pagina == 950 && c == 0x80);
    if (pagina != 950 || seq < 0xC6A1 || seq > 0xC8FE) return false;
    const unsigned linha = (seq >> 8) - 0xC6, r = seq & 0xFF, coluna = r < 0x80 ? r - 0x40 : r - 0xA1 + 63;
    return c == 0xF6B1 + linha * 157 + coluna - 63;
}

class Pagina : public testing::TestWithParam<int> {};

TEST_P(Pagina, ConcordaComOsCodecsDoPython) {
    const int p = GetParam();
    const Oraculo o = Perguntar(p);
    if (o.caractere.empty()) GTEST_SKIP() << "python3 is not available";
    std::size_t definidas = 0;
    for (unsigned seq = 0; seq < 0x10000; ++seq) {
        if (seq > 0xFF && ((seq >> 8) < 0x81 || p == 1252)) continue;
        const char32_t nosso = Caractere(seq, p);
        const auto py = o.caractere.find(seq);
        if (nosso == 0 && seq != 0) {
            EXPECT_EQ(py, o.caractere.end()) << p << ": " << std::hex << seq << " is U+" << unsigned{py->second} << " in Python";
            continue;
        }
        ++definidas;
        if (py == o.caractere.end() || py->second != nosso) {
            EXPECT_TRUE(SoNosso(p, seq, nosso)) << p << ": " << std::hex << seq << " is U+" << unsigned{nosso};
            continue;
        }
        // The character goes back to the bytes Python writes for it, or where 932 parts from
        // Python, to another sequence of the same character.
        const unsigned volta = Bytes(nosso, p);
        const unsigned pyVolta = o.bytes.at(nosso);
        if (volta != pyVolta) {
            EXPECT_TRUE(p == 932 && (pyVolta >> 8) >= 0xED && (pyVolta >> 8) <= 0xEE && (volta >> 8) >= 0xFA &&
                        Caractere(volta, p) == nosso)
                << p << ": U+" << std::hex << unsigned{nosso} << " -> " << volta << ", Python " << pyVolta;
        }
    }
    EXPECT_GT(definidas, p == 1252 ? 255u : 9000u);
}

INSTANTIATE_TEST_SUITE_P(Utf8, Pagina, testing::Values(1252, 932, 936, 949, 950),
                         [](const auto& i) { return std::to_string(i.param); });

TEST(Utf8, DeUtf8RecusaOuSubstitui) {
    const struct {
        int pagina;
        std::string utf8;
        Inconvertivel modo;
        std::string bytes;     // when converted; when refused, the message
        std::size_t posicao;   // when refused
        char32_t caractere;
    } kCases[]{
        {1252, "Usinagem \xC3\xA7 \xE2\x82\xAC", Inconvertivel::Recusar, "Usinagem \xE7 \x80", 0, 0},
        {1252, "\xC2\x81\xC2\x9D", Inconvertivel::Recusar, "\x81\x9D", 0, 0},  // undefined bytes survive
        {1252, "ab\xE6\x97\xA5", Inconvertivel::Recusar, "character U+65E5 at byte 2 has no code page 1252 byte", 2, 0x65E5},
        {1252, "ab\xE6\x97\xA5!", Inconvertivel::Substituir, "ab?!", 0, 0},
        {1252, "\xF0\x9F\x98\x80", Inconvertivel::Substituir, "?", 0, 0},     // beyond the BMP
        {932, "\xE6\x97\xA5\xEF\xBD\xB1", Inconvertivel::Recusar, "\x93\xFA\xB1", 0, 0},  // kanji, half-width kana
        {932, "x\xE2\x82\xAC", Inconvertivel::Recusar, "character U+20AC at byte 1 has no code page 932 byte", 1, 0x20AC},
        {936, "\xE2\x82\xAC", Inconvertivel::Recusar, "\x80", 0, 0},
        // invalid UTF-8 is refused whatever the mode: truncated, stray continuation, overlong,
        // surrogate, beyond U+10FFFF
        {1252, "ab\xC3", Inconvertivel::Substituir, "invalid UTF-8 at byte 2", 2, ErroTexto::kNenhum},
        {1252, "a\x80", Inconvertivel::Substituir, "invalid UTF-8 at byte 1", 1, ErroTexto::kNenhum},
        {1252, "\xC0\xAF", Inconvertivel::Recusar, "invalid UTF-8 at byte 0", 0, ErroTexto::kNenhum},
        {1252, "abc\xED\xA0\x80", Inconvertivel::Recusar, "invalid UTF-8 at byte 3", 3, ErroTexto::kNenhum},
        {1252, "\xF4\x90\x80\x80", Inconvertivel::Recusar, "invalid UTF-8 at byte 0", 0, ErroTexto::kNenhum},
    };
    for (const auto& c : kCases) {
        const OpcoesTexto o{c.pagina, c.modo};
        if (c.caractere == 0) {
            EXPECT_EQ(std::string(NXDadosGC::DeUtf8(c.utf8, o).Visao()), c.bytes) << c.utf8;
            continue;
        }
        try {
            NXDadosGC::DeUtf8(c.utf8, o);
            ADD_FAILURE() << c.utf8 << " was not refused";
        } catch (const ErroTexto& e) {
            EXPECT_EQ(e.Posicao(), c.posicao) << e.what();
            EXPECT_EQ(unsigned{e.Caractere()}, unsigned{c.caractere}) << e.what();
            EXPECT_EQ(std::string(e.what()), c.bytes);
        }
    }
    EXPECT_THROW(NXDadosGC::DeUtf8("a", {1250}), std::invalid_argument);
}

TEST(Utf8, ParaUtf8RecusaOuSubstitui) {
    const struct {
        int pagina;
        std::string bytes;
        Inconvertivel modo;
        std::string utf8;      // when converted
        std::size_t posicao;   // when refused (utf8 empty)
    } kCases[]{
        {1252, std::string("a\0b\x80", 4), Inconvertivel::Recusar, std::string("a\0b\xE2\x82\xAC", 6), 0},
        {932, "\x93\xFA", Inconvertivel::Recusar, "\xE6\x97\xA5", 0},
        {932, "ab\x93", Inconvertivel::Recusar, "", 2},                        // lead byte at the end
        {932, "ab\x93", Inconvertivel::Substituir, "ab\xEF\xBF\xBD", 0},
        {932, "\x93\x20x", Inconvertivel::Substituir, "\xEF\xBF\xBD x", 0},    // a blank is no trail byte
        {936, "a\xFF", Inconvertivel::Recusar, "", 1},
    };
    for (const auto& c : kCases) {
        const OpcoesTexto o{c.pagina, c.modo};
        if (!c.utf8.empty()) {
            EXPECT_EQ(NXDadosGC::ParaUtf8(c.bytes, o), c.utf8) << c.pagina;
            continue;
        }
        try {
            NXDadosGC::ParaUtf8(c.bytes, o);
            ADD_FAILURE() << c.bytes << " was not refused";
        } catch (const ErroTexto& e) {
            EXPECT_EQ(e.Posicao(), c.posicao) << e.what();
        }
    }
    // A 932 duplicate reads as its character and, asked for exactness, stops there.
    std::string u;
    EXPECT_EQ(NXDadosGC::ConverterParaUtf8(u, "a\x87\x90", 932, false), 3u);
    u.clear();
    EXPECT_EQ(NXDadosGC::ConverterParaUtf8(u, "a\x87\x90", 932, true), 1u);
    EXPECT_EQ(u, "a");
}

}  // namespace
