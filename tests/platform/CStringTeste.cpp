// CString: construction, length, the writable buffer, formatting and comparison.
#include "NXLDadosGC/platform/CString.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <string_view>

namespace {

TEST(CString, ConstrucaoEIdaEVoltaPorStringView) {
    const struct {
        CString s;
        std::string_view esperado;
    } kCases[]{
        {CString(), ""}, {CString(static_cast<LPCSTR>(nullptr)), ""}, {CString("a\xE7\xE3o"), "a\xE7\xE3o"},
        {CString(std::string_view("abcdef", 3)), "abc"}, {CString(std::string_view("z\0z", 3)), {"z\0z", 3}},
        {CString('x', 3), "xxx"}, {CString('x', -2), ""},
    };
    for (const auto& c : kCases) {
        EXPECT_EQ(c.s.GetLength(), static_cast<int>(c.esperado.size()));
        EXPECT_EQ(c.s.IsEmpty(), c.esperado.empty());
        EXPECT_EQ(std::string_view(c.s), c.esperado);  // bytes pass through unchanged
        EXPECT_EQ(CString(c.s.Visao()), c.s);
    }
}

TEST(CString, GetBufferEReleaseBuffer) {
    CString s("abc");
    char* p = s.GetBuffer(10);
    EXPECT_STREQ(p, "abc");  // keeps the text; the room after it is writable
    std::memcpy(p, "abcdefghij", 10);
    s.ReleaseBuffer();  // up to the first zero
    EXPECT_EQ(s, "abcdefghij");
    std::memcpy(s.GetBuffer(5), "x\0yz", 4);
    s.ReleaseBuffer(4);  // an explicit length keeps a zero inside
    EXPECT_EQ(std::string_view(s), std::string_view("x\0yz", 4));
}

TEST(CString, Format) {
    CString s("antigo");
    s.Format("%s-%05d|%.2f|%c", "cc", 42, 1.5, 'z');
    EXPECT_EQ(s, "cc-00042|1.50|z");
}

TEST(CString, ComparacoesByteAByte) {
    const struct {
        const char *a, *b;
        int sinal;
    } kCases[]{{"", "", 0}, {"a", "", 1}, {"abc", "abd", -1}, {"ab", "abc", -1}, {"B", "a", -1}, {"\xE9", "z", 1}};
    for (const auto& c : kCases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        const CString a(c.a), b(c.b);
        const int r = a.Compare(c.b);
        EXPECT_EQ((r > 0) - (r < 0), c.sinal);
        EXPECT_EQ(a == b, c.sinal == 0);
        EXPECT_EQ(a != c.b, c.sinal != 0);
        EXPECT_EQ(a < b, c.sinal < 0);
        EXPECT_EQ(a >= b, c.sinal >= 0);
    }
    EXPECT_EQ(CString("abc") + "d" + CString("e"), "abcde");
}

}  // namespace
