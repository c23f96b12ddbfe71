// The schema of the data classes: what each class is and what each field of its record holds,
// as tables for people (what nxgc classes, layout and schema print) and as the Markdown
// reference of every class (docs/REFERENCIA.md). The JSON form of the same schema, for
// programs, is the JSON component's (json/Esquema.h). Every table is a visitor of the walk over
// a class's description (motor/Travessia.h), and says of each field what DescreverCampo says.
#ifndef NXLDADOSGC_MOTOR_ESQUEMA_H
#define NXLDADOSGC_MOTOR_ESQUEMA_H

#include <cstddef>  // std::size_t
#include <ostream>  // std::ostream
#include <string>   // std::string
#include <vector>   // std::vector

#include "NXLDadosGC/motor/Travessia.h"  // Parada

namespace NXDadosGC {

// One code of a field, as its NX_LAYOUT row gives it ("0 = support").
struct CodigoCampo {
    int valor;
    std::string significado;
};

// Everything the schema says of one field, where a walk over its class's description stands.
// The members are named as the JSON schema names them; texts are empty and pointers null where
// they do not apply.
struct DescricaoCampo {
    const CampoInfo* campo;
    TipoParada parada;
    const char* tipo;       // the kind's short name (NomeTipoCampo)
    const char* papel;      // the role its name gives it (NomePapelCampo)
    const char* faixa;      // the end of a range it stands for, or null
    bool obsoleto;          // retired: the name ends in _DEPRECATED
    std::vector<CodigoCampo> codigos;
    std::string quantidadeDe, ponteiro;  // Quantidade: the list it counts, and that list's pointer
    std::string filho;                   // Filho: the list or holder
    const char* tipoFilho;               // Filho: "lista" or "unico"
    std::string elemento;                // Filho: the class of its elements, "u32" for numbers
    std::size_t tamanhoElemento;         // Filho: bytes of one element
    std::string quantidade;              // Filho of a list: its count field
    const char* registroElemento;        // Filho: the record type of its elements (null for numbers)
    const char* classe;                  // Registro: the member key's class and record type (null
    const char* registro;                //   for a record of fields only)
};
NXLDADOSGC_API DescricaoCampo DescreverCampo(const Parada& parada);

// "T_NXDadosRegistroComLista" for a class with children, else "T_NXDadosRegistro".
NXLDADOSGC_API const char* BaseDaClasse(const InfoClasse& info);
// "lista", "unico" or "chave" (a member key).
NXLDADOSGC_API const char* NomeTipoFilho(TipoFilho tipo);
// The class of a child's elements, or "u32" for a list of numbers.
NXLDADOSGC_API std::string NomeDoElemento(const InfoFilho& filho);

// `nxgc classes`: one line per class (record size, base, lists, holders, member keys).
NXLDADOSGC_API void ImprimirClasses(std::ostream& saida);
// `nxgc layout`: the class's record as a table of offset, width, field, type, kind and notes.
NXLDADOSGC_API void ImprimirLayout(const InfoClasse& info, std::ostream& saida);
// `nxgc schema`: every class's layout, a blank line between two.
NXLDADOSGC_API void ImprimirEsquema(std::ostream& saida);
// `nxgc schema --markdown`: the reference of every class, grouped by header (docs/REFERENCIA.md).
NXLDADOSGC_API void ImprimirReferencia(std::ostream& saida);

}  // namespace NXDadosGC

#endif
