// One walk over a record tree, which every reader and writer of records outside the hot paths
// is a visitor of: the dump, the JSON form, the schema and the reference of the classes.
#ifndef NXLDADOSGC_MOTOR_TRAVESSIA_H
#define NXLDADOSGC_MOTOR_TRAVESSIA_H

#include <cstdint>  // std::uint32_t, std::uint8_t

#include "NXLDadosGC/core/Registro.h"  // InfoClasse, InfoFilho, TabelaCampos

// The walk goes through a record's field table in layout order and stops at every field. What a
// field is comes from the record's class: the count of a list, the pointer slot of a list or
// holder (the child itself, met where its slot stands, so children come in slot order), a
// member key, an embedded record of fields only, a pointer that leads to no child, or a value.
// An embedded record is walked field by field when the visitor enters it; a child's records are
// walked, each from its own start, when the visitor enters the child and the walk has bytes
// (a flat record tree whose pointers are real, as CopiarPara or Verificar leave it). Without
// bytes the walk describes the class alone: its children are met but hold nothing.
//
// Records of fields only (embedded records that are no member key, or a table walked with no
// class) know no children: their counts are values and their pointers lead nowhere.
namespace NXDadosGC {

enum class TipoParada : std::uint8_t {
    Valor,       // a number, amount, date, text, gap ... (also a count that belongs to no list)
    Quantidade,  // the count of a list: the list gives it, so a document leaves it out
    Filho,       // the pointer slot of a list or holder: the child
    Ponteiro,    // a pointer field that leads to no child (zero in any tree)
    Registro,    // an embedded record: a member key, or a record of fields only
};

// Where the walk stands.
struct Parada {
    const CampoInfo& campo;
    TipoParada tipo;
    // The name a document gives the stop: the field's, or for a child NomeDoFilho's (a name of
    // the field table: it lives as long as the table).
    const char* nome;
    // The class of the record the field belongs to; null in a record of fields only.
    const InfoClasse* dono;
    // Quantidade and Filho: the list or holder. Registro: the member key, or null.
    const InfoFilho* filho;
    // Filho: the class of its elements (null for 32-bit numbers). Registro: the member key's
    // class, or null for a record of fields only.
    const InfoClasse* classe;
    // Offsets from the start of the record the walk (or the element being walked) began at: of
    // the field, and of the record it belongs to (non-zero inside an embedded record).
    std::uint32_t deslocamento;
    std::uint32_t base;
    int nivel;  // embedded records around the field (0: the record's own fields)
    // The field's bytes; null when the walk describes a class.
    const unsigned char* bytes;
    // Filho with bytes: its block and how many records (or numbers) it holds (null and 0 for none).
    const unsigned char* bloco;
    std::uint32_t elementos;
};

class NXLDADOSGC_API VisitanteRegistro {
public:
    virtual ~VisitanteRegistro();

    // A record begins and ends: the first, every element of a child entered, and every
    // embedded record entered. `classe` is null for a record of fields only.
    virtual void InicioRegistro(const InfoClasse* classe, TabelaCampos campos);
    virtual void FimRegistro();
    // A field. For Registro and Filho, true enters it: the embedded record, or the child's
    // elements; FimCampo follows what was entered. Other answers are ignored.
    virtual bool Campo(const Parada& parada) = 0;
    virtual void FimCampo(const Parada& parada);
    // Before each element of an entered child, with its bytes (a 32-bit number is only this).
    virtual void Elemento(const Parada& parada, std::uint32_t indice, const unsigned char* bytes);
};

// Walks the record at `registro`, of class `classe` whose field table is `campos` (classe may be
// null for a record of fields only); `registro` null walks the description alone.
NXLDADOSGC_API void Percorrer(const InfoClasse* classe, TabelaCampos campos, const void* registro,
                              VisitanteRegistro& visitante);

inline void Percorrer(const InfoClasse& classe, const void* registro, VisitanteRegistro& visitante) {
    Percorrer(&classe, classe.campos(), registro, visitante);
}

}  // namespace NXDadosGC

#endif
