// Texts between UTF-8, as a Linux program holds them, and the bytes of an ANSI code page, as
// the records hold them.
#ifndef NXLDADOSGC_PLATFORM_UTF8_H
#define NXLDADOSGC_PLATFORM_UTF8_H

#include <cstddef>      // std::size_t
#include <stdexcept>    // std::invalid_argument
#include <string>       // std::string
#include <string_view>  // std::string_view

#include "NXLDadosGC/platform/CString.h"  // CString
#include "NXLDadosGC/platform/Tipos.h"    // NXLPLATAFORMA_API

// Five code pages are known: 1252 (Western European, the default), 932 (Japanese), 936
// (Simplified Chinese), 949 (Korean) and 950 (Traditional Chinese). Each maps exactly as the
// system's converter (glibc's iconv) maps it, completed where it leaves single bytes undefined
// that the page defines:
//   1252: 0x81, 0x8D, 0x8F, 0x90, 0x9D <-> U+0081, U+008D, U+008F, U+0090, U+009D (the C1
//         controls of the same number, so that every byte of a 1252 text survives the trip);
//   932:  0x80 <-> U+0080, 0xA0 <-> U+F8F0, 0xFD..0xFF <-> U+F8F1..U+F8F3.
// Where several byte sequences give one character (932's NEC and IBM duplicates, a few of 950),
// the character goes back to one of them, the one the converter chooses: so a text read from
// bytes and stored again can differ from those bytes; every other defined sequence comes back
// exactly.
//
// The tables are built from the converter at the first use of each page (a few milliseconds for
// a double-byte page) and are then read-only: every function here may run in any thread.
namespace NXDadosGC {

// What a conversion does with a character the page has no bytes for (from UTF-8), or with bytes
// that are no character of the page (to UTF-8).
enum class Inconvertivel {
    Recusar,     // raise ErroTexto naming it and where it stands
    Substituir,  // put '?' (from UTF-8) or U+FFFD (to UTF-8) in its place
};

struct OpcoesTexto {
    int pagina = 0;  // a code page of the five; 0 is the process's (_getmbcp(), platform/Multibyte.h)
    Inconvertivel inconvertivel = Inconvertivel::Recusar;
};

// A text refused: what() names the character or bytes and where they stand in the input, e.g.
// "character U+65E5 at byte 9 has no code page 1252 byte".
class NXLPLATAFORMA_API ErroTexto : public std::invalid_argument {
public:
    static constexpr char32_t kNenhum = 0xFFFFFFFF;  // Caractere() of bytes that are no character

    ErroTexto(const std::string& mensagem, std::size_t posicao, char32_t caractere);
    ~ErroTexto() override;

    std::size_t Posicao() const noexcept { return m_Posicao; }  // offset in the input, in bytes
    char32_t Caractere() const noexcept { return m_Caractere; }

private:
    std::size_t m_Posicao;
    char32_t m_Caractere;
};

// True for the five pages above.
NXLPLATAFORMA_API bool PaginaConhecida(int pagina) noexcept;

// The bytes of `utf8` in the page. Invalid UTF-8 (a stray or missing continuation byte, an
// overlong form, a surrogate, beyond U+10FFFF) is always refused, whatever `inconvertivel` says:
// it is no text to convert. Throws ErroTexto; std::invalid_argument for a page not known.
NXLPLATAFORMA_API CString DeUtf8(std::string_view utf8, const OpcoesTexto& opcoes = {});

// The UTF-8 text of the page's bytes `texto` (all of them: zeros inside it are U+0000). A lead
// byte without its trail byte, or a pair the page leaves undefined, is refused or replaced.
// Throws ErroTexto; std::invalid_argument for a page not known.
NXLPLATAFORMA_API std::string ParaUtf8(std::string_view texto, const OpcoesTexto& opcoes = {});

// The two conversions for writers that stream, without exceptions for the text: each appends to
// `saida` what it converts and stops before the first character (or byte sequence) it cannot,
// returning how many input bytes it converted (the input's size when it converted all); where
// ConverterDeUtf8 stops, `caractere` (when given) receives the character the page lacks, or
// ErroTexto::kNenhum for invalid UTF-8. With `exato`, ConverterParaUtf8 also stops before a
// sequence whose character would not go back to the same bytes. Throw std::invalid_argument
// for a page not known, std::bad_alloc.
NXLPLATAFORMA_API std::size_t ConverterDeUtf8(std::string& saida, std::string_view utf8, int pagina = 0,
                                              char32_t* caractere = nullptr);
NXLPLATAFORMA_API std::size_t ConverterParaUtf8(std::string& saida, std::string_view texto, int pagina = 0,
                                                bool exato = false);

}  // namespace NXDadosGC

#endif
