// Table-driven checks of field accessors: one row per field names the class and the field;
// the check finds the field in the record's field table, sets a distinctive value through the
// setter and proves that exactly the field's bytes at its offset carry it.
#ifndef NXLDADOSGC_TESTES_ACESSORES_H
#define NXLDADOSGC_TESTES_ACESSORES_H

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "NXLDadosGC/NXLDadosGC.h"

namespace teste {

// One accessor pair under test. `definir` stores the value whose bytes are given (for a text:
// the text itself); `ler` writes the getter's result into the buffer and answers its size.
struct CasoCampo {
    const NXDadosGC::InfoClasse* (*info)();
    const char* classe;
    const char* campo;
    bool texto;
    std::size_t larguraGetter;  // sizeof the getter's result (0 for texts)
    void (*definir)(TNXBaseParaDados& objeto, const unsigned char* bytes, std::size_t n);
    std::string (*ler)(TNXBaseParaDados& objeto);
};

// Runs every check of one row (gtest assertions); see Acessores.cpp.
void VerificarCampo(const CasoCampo& caso);

// Every table of rows, so that one test can prove that no field of any listed class lacks a
// row. A table registers itself with a namespace-scope `const teste::Tabela x(kCampos);`.
std::vector<const CasoCampo*>& TodosOsCasos();
struct Tabela {
    template <std::size_t N>
    explicit Tabela(const CasoCampo (&casos)[N]) {
        for (const CasoCampo& c : casos) TodosOsCasos().push_back(&c);
    }
};

template <class T>
std::string BytesDe(const T& v) {
    return std::string(reinterpret_cast<const char*>(&v), sizeof v);
}

}  // namespace teste

// NX_TESTE_CAMPO(Classe, Campo): a row for Get<Campo>/Set<Campo> of a value field.
#define NX_TESTE_CAMPO(Classe, Campo)                                                              \
    ::teste::CasoCampo{&::NXDadosGC::detail::InfoDe<Classe>, #Classe, #Campo, false,                \
                       sizeof(std::declval<Classe&>().Get##Campo()),                               \
                       [](TNXBaseParaDados& o, const unsigned char* b, std::size_t) {              \
                           std::remove_cvref_t<decltype(std::declval<Classe&>().Get##Campo())> v;  \
                           std::memcpy(static_cast<void*>(&v), b, sizeof v);                       \
                           static_cast<Classe&>(o).Set##Campo(v);                                  \
                       },                                                                          \
                       [](TNXBaseParaDados& o) { return ::teste::BytesDe(static_cast<Classe&>(o).Get##Campo()); }}

// NX_TESTE_TEXTO(Classe, Campo): a row for a text field.
#define NX_TESTE_TEXTO(Classe, Campo)                                                              \
    ::teste::CasoCampo{&::NXDadosGC::detail::InfoDe<Classe>, #Classe, #Campo, true, 0,              \
                       [](TNXBaseParaDados& o, const unsigned char* b, std::size_t n) {            \
                           static_cast<Classe&>(o).Set##Campo(                                     \
                               CString(std::string_view(reinterpret_cast<const char*>(b), n)));    \
                       },                                                                          \
                       [](TNXBaseParaDados& o) {                                                   \
                           return std::string(static_cast<Classe&>(o).Get##Campo().Visao());       \
                       }}

// NX_TESTE_CAMPOS(Classe, A, B, ...) and NX_TESTE_TEXTOS(Classe, A, ...): a row for each field
// named, followed by a comma.
#define NX_TESTE_CAMPOS(Classe, ...) NX_INTERNAL_FOR_EACH(NX_INTERNAL_TESTE_CAMPO, Classe, __VA_ARGS__)
#define NX_TESTE_TEXTOS(Classe, ...) NX_INTERNAL_FOR_EACH(NX_INTERNAL_TESTE_TEXTO, Classe, __VA_ARGS__)
#define NX_INTERNAL_TESTE_CAMPO(Classe, Campo) NX_TESTE_CAMPO(Classe, Campo),
#define NX_INTERNAL_TESTE_TEXTO(Classe, Campo) NX_TESTE_TEXTO(Classe, Campo),

#endif
