// The code page setting, the lead-byte test and the byte-counted copy.
#include "NXLDadosGC/platform/Multibyte.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Sets a code page for one test and restores the default afterwards.
class PaginaCodigo {
public:
    explicit PaginaCodigo(int pagina) { EXPECT_EQ(_setmbcp(pagina), 0); }
    ~PaginaCodigo() { _setmbcp(1252); }
    PaginaCodigo(const PaginaCodigo&) = delete;
    PaginaCodigo& operator=(const PaginaCodigo&) = delete;
};

TEST(Mbcp, PadraoEValidacao) {
    EXPECT_EQ(_getmbcp(), 1252);
    EXPECT_EQ(_setmbcp(0), -1);
    EXPECT_EQ(_setmbcp(-932), -1);
    EXPECT_EQ(_getmbcp(), 1252);
    {
        PaginaCodigo p(65001);  // unknown pages are accepted and single-byte
        EXPECT_EQ(_getmbcp(), 65001);
        EXPECT_FALSE(_ismbblead(0x81));
    }
    EXPECT_EQ(_getmbcp(), 1252);
}

TEST(Mbcp, BytesIniciais) {
    const struct {
        int pagina;
        unsigned int byte;
        bool inicial;
    } kCases[]{
        {1252, 0x81, false}, {1252, 0xE3, false},
        {932, 0x80, false},  {932, 0x81, true},  {932, 0x9F, true}, {932, 0xA0, false},  // katakana
        {932, 0xDF, false},  {932, 0xE0, true},  {932, 0xFC, true}, {932, 0xFD, false},
        {936, 0x80, false},  {936, 0x81, true},  {949, 0xA0, true}, {950, 0xFE, true},
        {950, 0xFF, false},  {932, 0x41, false},
    };
    for (const auto& c : kCases) {
        PaginaCodigo p(c.pagina);
        EXPECT_EQ(_ismbblead(c.byte) != 0, c.inicial) << c.pagina << ' ' << std::hex << c.byte;
    }
}

// dest starts full of '#'; only the first count bytes may change.
TEST(Mbsnbcpy, Copia) {
    const struct {
        int pagina;
        std::string origem;  // terminator implied
        std::size_t count;
        std::string esperado;  // the first count + 2 bytes of dest afterwards
    } kCases[]{
        {1252, "abc", 5, std::string("abc\0\0##", 7)},             // zero-fill after the text
        {1252, "abcdef", 3, "abc##"},                               // cut, no terminator written
        {1252, "abc", 3, "abc##"},                                  // exactly count
        {1252, "abc", 0, "##"},
        {1252, "a\xE7\xE3", 4, std::string("a\xE7\xE3\0##", 6)},   // 1252 bytes as they are
        {1252, "a\x81", 2, "a\x81##"},                              // 0x81 is no lead byte here
        {932, "a\x82\xA0", 3, "a\x82\xA0##"},                       // a whole character fits
        {932, "a\x82\xA0", 2, std::string("a\0##", 4)},             // lead byte last: zero, end
        {932, "\x82\xA0\x82\xA1", 3, std::string("\x82\xA0\0##", 5)},
        {932, "\xA0\x82", 1, "\xA0##"},                             // single-byte katakana
        {932, "\x82\x5C", 2, "\x82\x5C##"},                         // trail byte in ASCII range
        {932, "a\x82", 5, std::string("a\0\0\0\0##", 7)},           // malformed: lead before end
    };
    for (const auto& c : kCases) {
        PaginaCodigo p(c.pagina);
        std::string dest(c.count + 2, '#');
        unsigned char* r = _mbsnbcpy(reinterpret_cast<unsigned char*>(dest.data()),
                                     reinterpret_cast<const unsigned char*>(c.origem.c_str()), c.count);
        EXPECT_EQ(r, reinterpret_cast<unsigned char*>(dest.data()));
        EXPECT_EQ(dest, c.esperado) << c.pagina << " \"" << c.origem << "\" " << c.count;
    }
}

// A lead byte right before the terminator must not make the copy read past it; the source is
// a heap block of exactly three bytes so that an address sanitizer sees any overread.
TEST(Mbsnbcpy, NaoLeAlemDoTerminador) {
    PaginaCodigo p(936);
    const std::vector<unsigned char> origem{'x', 0x81, 0};
    std::string dest(8, '#');
    _mbsnbcpy(reinterpret_cast<unsigned char*>(dest.data()), origem.data(), dest.size());
    EXPECT_EQ(dest, std::string("x\0\0\0\0\0\0\0", 8));
}

}  // namespace
