// Record trees and class descriptions as JSON, driven by the field tables: no record has code
// of its own here, so every class of the library is covered as soon as it is listed.
#ifndef NXGC_JSON_H
#define NXGC_JSON_H

#include <cstddef>    // std::byte
#include <stdexcept>  // std::runtime_error
#include <string>     // std::string
#include <vector>     // std::vector

#include <nlohmann/json.hpp>  // nlohmann::ordered_json

#include "NXLDadosGC/motor/Empacotamento.h"  // ArvoreVerificada, InfoClasse

namespace nxgc {

// Keys keep the order of the field tables.
using Json = nlohmann::ordered_json;

// A JSON document that does not describe a record of the class: what() names the path of the
// offending value ("registro.Conta[1].ValorRateio: ...").
class ErroJson : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// {"classe": <name>, "registro": {...}}: every field by name (gaps only when not zero), children
// nested under their list or holder name. Values:
//   numbers            JSON integers
//   CY                 decimal string with four places, "-12.3400"
//   REG_NXMA           {"valor": 2044, "data": "2018-04"}           ("data" only for a valid month)
//   REG_NXDMA          {"valor": 62192, "data": "2018-04-09"}       ("data" only for a valid day)
//   REG_NXDMAHMSUTC    {"valor": "0x00f574014047fbb7", "data": "2018-04-09T10:30:15-03:00"}
//   texts              their code page 1252 bytes as a UTF-8 string; a field with bytes after
//                      its first zero is {"texto": ..., "bytes": <hex of the whole field>}
//   REG_NXDMC, locator, gaps   lowercase hex of their bytes
//   lists              arrays (of objects, or of numbers); holders an object or null
Json ArvoreParaJson(const NXDadosGC::ArvoreVerificada& arvore);

// The packed tree that a document of the form above describes. Missing fields are zero, missing
// lists empty, missing holders null. Dates may also be given as a bare number or as their
// "data" text alone. Throws ErroJson.
std::vector<std::byte> JsonParaPacote(const NXDadosGC::InfoClasse& info, const Json& documento);

}  // namespace nxgc

#endif
