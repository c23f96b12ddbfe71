// Text fields: what the store leaves in the field's bytes and what the read gives back.
#include "NXLDadosGC/types/Texto.h"

#include <gtest/gtest.h>

#include <string>

#include "NXLDadosGC/platform/Multibyte.h"

namespace {

using namespace std::string_literals;

struct PaginaCodigo {
    explicit PaginaCodigo(int pagina) { EXPECT_EQ(_setmbcp(pagina), 0); }
    ~PaginaCodigo() { _setmbcp(1252); }
};

// Each case stores `anterior` then `valor` into a zeroed field whose byte N holds a sentinel,
// checks the field's bytes, then puts the zero back into byte N and reads the field.
TEST(CampoTexto, GravaELe) {
    const struct {
        int pagina;
        std::size_t N;
        const char* anterior;
        std::string valor, bytes, lido;  // bytes: the field's first N bytes afterwards
    } kCases[]{
        {1252, 10, "", "ABCDEFGHIJKL", "ABCDEFGHIJ", "ABCDEFGHIJ"},    // cut silently
        {1252, 10, "ABCDEFGHIJ", "AB", "AB\0\0\0\0\0\0\0\0"s, "AB"},   // nothing survives
        {932, 10, "", "ABCDEFGHI\x82\xA0", "ABCDEFGHI\0"s, "ABCDEFGHI"},        // no half character
        {932, 10, "", "ABCDEFGH\x82\xA0", "ABCDEFGH\x82\xA0", "ABCDEFGH\x82\xA0"},  // exactly N
    };
    for (const auto& c : kCases) {
        PaginaCodigo p(c.pagina);
        std::string campo(c.N + 1, '\0');
        SetCampoTexto(campo.data(), c.N, c.anterior);
        campo[c.N] = '#';
        SetCampoTexto(campo.data(), c.N, CString(std::string_view(c.valor)));
        EXPECT_EQ(campo.substr(0, c.N), c.bytes) << c.pagina << " \"" << c.valor << '"';
        EXPECT_EQ(campo[c.N], '#') << c.valor;  // byte N is never written

        campo[c.N] = '\0';
        CString lido("lixo");
        GetCampoTexto(lido, campo.data());
        EXPECT_EQ(std::string(lido.Visao()), c.lido) << c.pagina << " \"" << c.valor << '"';
    }
}

// A field ending in a lone lead byte (stored under a single-byte page) reads back without it
// under a double-byte page.
TEST(CampoTexto, LeituraDescartaByteInicialSolto) {
    PaginaCodigo p(932);
    CString lido("lixo");
    GetCampoTexto(lido, "ABC\x82\0\0\0");
    EXPECT_EQ(lido, "ABC");
}

}  // namespace

// A UTF-8 text is stored whole or refused: at N bytes it fits, at N + 1 it does not, and a
// double-byte character whose second byte would land beyond N does not either. A refused text
// leaves the field as it was; the error says where the text stops fitting.
TEST(CampoTexto, Utf8CabeOuERecusado) {
    const struct {
        int pagina;
        std::string utf8;
        std::string bytes;     // the field's 10 bytes afterwards ("" when refused)
        std::size_t posicao;   // when refused: where the first character that does not fit starts
    } kCases[]{
        {1252, "Usinagem \xC3\xA7", "Usinagem \xE7", 0},                     // exactly N
        {1252, "Usinagem \xC3\xA7\xC3\xA3", "", 11},                          // N + 1
        {1252, "ab", "ab\0\0\0\0\0\0\0\0"s, 0},
        {932, "ABCDEFGH\xE6\x97\xA5", "ABCDEFGH\x93\xFA", 0},                 // a kanji in bytes 8 and 9
        {932, "ABCDEFGHI\xE6\x97\xA5", "", 9},                                // a kanji straddling N
    };
    for (const auto& c : kCases) {
        std::string campo = "antes\0\0\0\0\0\0"s;
        try {
            SetCampoTextoUtf8(campo.data(), 10, c.utf8, {c.pagina}, "Codigo", "Classe");
            EXPECT_EQ(campo.substr(0, 10), c.bytes) << c.utf8;
            EXPECT_EQ(GetCampoTextoUtf8(campo.data(), {c.pagina}), c.utf8);
        } catch (const NXDadosGC::ErroTexto& e) {
            EXPECT_TRUE(c.bytes.empty()) << e.what();
            EXPECT_EQ(e.Posicao(), c.posicao) << e.what();
            EXPECT_EQ(campo, "antes\0\0\0\0\0\0"s);
        }
    }
}
