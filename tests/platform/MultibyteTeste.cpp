// The code page setting, the lead-byte test and the byte-counted copy.
#include "NXLDadosGC/platform/Multibyte.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Sets a code page for one test and restores the default afterwards.
struct PaginaCodigo {
    explicit PaginaCodigo(int pagina) { EXPECT_EQ(_setmbcp(pagina), 0); }
    ~PaginaCodigo() { _setmbcp(1252); }
};

TEST(Mbcp, PaginasEBytesIniciais) {
    EXPECT_EQ(_getmbcp(), 1252);
    EXPECT_EQ(_setmbcp(0), -1);
    EXPECT_EQ(_setmbcp(-932), -1);
    EXPECT_EQ(_getmbcp(), 1252);
    const struct {
        int pagina;
        unsigned int byte;
        bool inicial;
    } kCases[]{
        {1252, 0x81, false}, {65001, 0x81, false},  // unknown pages are accepted, single-byte
        {932, 0x80, false},  {932, 0x81, true},  {932, 0x9F, true},   {932, 0xA0, false},  // katakana gap
        {932, 0xDF, false},  {932, 0xE0, true},  {932, 0xFC, true},   {932, 0xFD, false},
        {936, 0x80, false},  {936, 0x81, true},  {949, 0xA0, true},   {950, 0xFE, true},   {950, 0xFF, false},
    };
    for (const auto& c : kCases) {
        PaginaCodigo p(c.pagina);
        EXPECT_EQ(_getmbcp(), c.pagina);
        EXPECT_EQ(_ismbblead(c.byte) != 0, c.inicial) << c.pagina << ' ' << std::hex << c.byte;
    }
}

// dest starts full of '#'; only its first count bytes may change. The source is a heap block
// of exactly its bytes and terminator, so an address sanitizer sees any read past it.
TEST(Mbsnbcpy, Copia) {
    using namespace std::string_literals;
    const struct {
        int pagina;
        std::string origem;
        std::size_t count;
        std::string esperado;  // dest's count + 2 bytes afterwards
    } kCases[]{
        {1252, "abc", 5, "abc\0\0##"s},             // zero-filled after the terminator
        {1252, "abcdef", 3, "abc##"},               // cut, no terminator of its own
        {1252, "abc", 0, "##"},
        {1252, "a\xE7\x81", 3, "a\xE7\x81##"},      // every byte is a character
        {932, "a\x82\xA0", 3, "a\x82\xA0##"},
        {932, "a\x82\xA0", 2, "a\0##"s},            // lead byte last: a zero takes its place
        {932, "\xA0\x82\x5C", 3, "\xA0\x82\x5C##"}, // katakana; trail byte in the ASCII range
        {932, "a\x82", 5, "a\0\0\0\0##"s},          // malformed: lead byte before the terminator
    };
    for (const auto& c : kCases) {
        PaginaCodigo p(c.pagina);
        std::vector<unsigned char> origem(c.origem.size() + 1);
        std::copy(c.origem.begin(), c.origem.end(), origem.begin());
        std::string dest(c.count + 2, '#');
        auto* d = reinterpret_cast<unsigned char*>(dest.data());
        EXPECT_EQ(_mbsnbcpy(d, origem.data(), c.count), d);
        EXPECT_EQ(dest, c.esperado) << c.pagina << " \"" << c.origem << "\" " << c.count;
    }
}

}  // namespace
