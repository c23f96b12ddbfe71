// Why a document is refused, in the words both readers of documents use (Leitura.cpp and
// Continuo.cpp): one text for each reason, so that the two refuse a document alike.
#ifndef NXLDADOSGC_SRC_JSON_RECUSAS_H
#define NXLDADOSGC_SRC_JSON_RECUSAS_H

#include <cstddef>      // std::size_t
#include <cstdint>      // std::int64_t
#include <string>       // std::string, std::to_string
#include <string_view>  // std::string_view

namespace NXDadosGC::json::recusa {

inline constexpr const char* kChaveRepetida = "duplicate key";
inline constexpr const char* kFaltaNoDocumento = "missing (a document has \"classe\" and \"registro\")";
inline constexpr const char* kChaveDoDocumento = "unknown key (a document has \"classe\" and \"registro\")";
inline constexpr const char* kChaveDaData = "unknown key (a date has \"valor\" and \"data\")";
inline constexpr const char* kChaveDoTexto = "unknown key (a text has \"texto\" and \"bytes\")";
inline constexpr const char* kPonteiroSemFilho = "is a pointer field with no child behind it";
inline constexpr const char* kElementosDemais = "more elements than a 32-bit count holds";
inline constexpr const char* kSemValor = "cannot be given a value";
inline constexpr const char* kDataSemPartes = "a date needs \"valor\" or \"data\"";
inline constexpr const char* kTextoSemBytes = "the object form of a text needs \"bytes\"";
inline constexpr const char* kTextoSemZero = "the last byte of a text field must be zero";
inline constexpr const char* kTextoEBytes = "\"texto\" and \"bytes\" disagree";

// "expected <o que>, got <tipo>", the JSON type of the value given.
inline std::string Esperado(std::string_view oQue, std::string_view tipo) {
    return "expected " + std::string(oQue) + ", got " + std::string(tipo);
}
inline std::string DecimalComo(std::string_view exemplo) { return "a decimal string like \"" + std::string(exemplo) + "\""; }

inline std::string CampoDesconhecido(const char* classe) {
    return std::string("unknown field of ") + (classe ? classe : "this record");
}
inline std::string ClasseDesconhecida(std::string_view nome) {
    return "unknown class \"" + std::string(nome.substr(0, 80)) + "\"";
}
inline std::string OutraClasse(std::string_view nome, std::string_view exigida) {
    return "the document holds a " + std::string(nome) + ", not a " + std::string(exigida);
}
inline std::string QuantidadeDaLista(std::string_view lista) {
    return "is the count of list \"" + std::string(lista) + "\"; give the list itself";
}
inline std::string ForaDoIntervalo(const std::string& x, std::int64_t minimo, std::int64_t maximo) {
    return x + " is out of range " + std::to_string(minimo) + ".." + std::to_string(maximo);
}
// A field of n bytes, given in hex.
inline std::string CadeiaHex(std::size_t n) { return "expected a string of " + std::to_string(2 * n) + " hex digits"; }
inline std::string DigitosHex(std::size_t n, std::size_t dados) {
    return "expected " + std::to_string(2 * n) + " hex digits, got " + std::to_string(dados);
}
inline std::string NaoEHex(std::string_view s) { return "\"" + std::string(s) + "\" is not hex"; }
inline std::string HexComo(std::string_view exemplo) { return "expected a hex string like \"" + std::string(exemplo) + "\""; }
inline std::string DataComo(std::string_view exemplo) { return "expected a date text like \"" + std::string(exemplo) + "\""; }
inline std::string DataInvalida(std::string_view s, std::string_view exemplo) {
    return "\"" + std::string(s.substr(0, 40)) + "\" is not a valid date like \"" + std::string(exemplo) + "\"";
}
// A date's parts as the document writes them.
inline std::string Discordam(std::string_view valor, std::string_view data) {
    return "\"valor\" " + std::string(valor) + " and \"data\" " + std::string(data) + " disagree";
}

}  // namespace NXDadosGC::json::recusa

#endif
