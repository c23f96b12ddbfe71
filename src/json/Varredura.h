// A look at a large JSON text before any parser indexes it: how deep its brackets nest outside
// strings, and where its first document ends.
#ifndef NXLDADOSGC_SRC_JSON_VARREDURA_H
#define NXLDADOSGC_SRC_JSON_VARREDURA_H

#include <cstddef>      // std::size_t
#include <cstdint>      // std::uint8_t
#include <string_view>  // std::string_view

namespace NXDadosGC::json {

// How many bytes the look compares at once: 16 on any x86-64 (and byte by byte elsewhere), 32
// with AVX2, 64 with AVX-512BW. The widest the processor has is used.
enum class LarguraVarredura : std::uint8_t { Bytes16, Bytes32, Bytes64 };
bool LarguraDisponivel(LarguraVarredura largura);

// Where the first document of `texto` nested deeper than `limite` starts (its first bracket);
// npos when none is, or when a string is left open first. `fimDoPrimeiro` (npos on entry): where
// the brackets first close, the end of a first document that is an object or an array.
// `separadores`: how many brackets, commas and colons stand outside strings up to where the look
// stopped (the size of a parser's index of the text goes with it).
// Inside a string a backslash escapes the next byte; outside strings only brackets and quotes
// count. The text is taken 64 bytes at a time; a block with a backslash, byte by byte.
std::size_t DocumentoFundoDemais(std::string_view texto, std::size_t limite, std::size_t* fimDoPrimeiro = nullptr,
                                 std::size_t* separadores = nullptr);
// The same with the given width, which must be available.
std::size_t DocumentoFundoDemais(std::string_view texto, std::size_t limite, std::size_t* fimDoPrimeiro,
                                 std::size_t* separadores, LarguraVarredura largura);

}  // namespace NXDadosGC::json

#endif
