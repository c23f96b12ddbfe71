// An owner of a written record tree: the record that CopiarPara or CopiarParaPS fills, freed with
// the matching release helper when the owner goes.
#ifndef NXLDADOSGC_CORE_ARVOREREGISTRO_H
#define NXLDADOSGC_CORE_ARVOREREGISTRO_H

#include <cstdint>  // std::uint8_t
#include <utility>  // std::exchange

#include "NXLDadosGC/core/Liberacao.h"  // LiberarCopiarPara, LiberarCopiarParaPS

// ArvoreRegistro<Classe> writes an object of Classe into a record it holds and remembers which
// transfer wrote it; its destructor releases every block of the tree with that transfer's
// allocator (delete[]/delete after CopiarPara, CoTaskMemFree after CopiarParaPS). So the
// release that matches is the one that happens:
//
//   auto arvore = NXDadosGC::EscreverPS(centro);   // centro.CopiarParaPS into arvore's record
//   Enviar(arvore.GetReg());                       // readers borrow the record
//   // the blocks are freed here, with CoTaskMemFree
//
// A caller that must pass the tree on to a receiver that frees it takes it out with Entregar;
// the owner then holds an empty record and frees nothing. A receiver that was handed a tree
// (the record of a CopiarParaPS, say) puts it in an owner with Adotar.
// If the transfer runs out of memory, the constructor frees what was written and the
// framework's memory exception (CMemoryException*) passes on.
// Movable, not copyable: a moved-from owner holds an empty record and frees nothing.
// NOTE: Classe must be the object's own class (the one its record type and children belong to),
// as it is when deduced from a data object; the record's counts and pointers must stay as the
// transfer wrote them.
namespace NXDadosGC {

// The transfer that wrote a tree, and so the allocator its blocks came from.
enum class Alocacao : std::uint8_t {
    CopiarPara,    // array new (plain new for a held child): freed with delete[] / delete
    CopiarParaPS,  // the task allocator: freed with CoTaskMemFree
};

template <class Classe>
class ArvoreRegistro {
public:
    using Registro = typename Classe::Registro;

    // Writes objeto into the held record with the given transfer.
    ArvoreRegistro(const Classe& objeto, Alocacao alocacao) : m_Reg{}, m_Alocacao(alocacao) {
        try {
            if (alocacao == Alocacao::CopiarParaPS) objeto.CopiarParaPS(&m_Reg);
            else objeto.CopiarPara(&m_Reg);
        } catch (...) {
            Liberar();
            throw;
        }
    }
    ArvoreRegistro(ArvoreRegistro&& outra) noexcept
        : m_Reg(std::exchange(outra.m_Reg, Registro{})), m_Alocacao(outra.m_Alocacao) {}
    // Frees this owner's tree, then takes the other's.
    ArvoreRegistro& operator=(ArvoreRegistro&& outra) noexcept {
        if (this != &outra) {
            Liberar();
            m_Reg = std::exchange(outra.m_Reg, Registro{});
            m_Alocacao = outra.m_Alocacao;
        }
        return *this;
    }
    ArvoreRegistro(const ArvoreRegistro&) = delete;
    ArvoreRegistro& operator=(const ArvoreRegistro&) = delete;
    ~ArvoreRegistro() { Liberar(); }

    // The record, its child pointers leading to the tree's blocks.
    const Registro& GetReg() const { return m_Reg; }
    Registro& GetReg() { return m_Reg; }
    const Registro* operator->() const { return &m_Reg; }
    Registro* operator->() { return &m_Reg; }

    Alocacao GetAlocacao() const { return m_Alocacao; }

    // Hands the tree over: returns the record, whose blocks the caller (or whoever it passes them
    // to) now frees with the release of GetAlocacao(); this owner keeps an empty record.
    [[nodiscard]] Registro Entregar() noexcept { return std::exchange(m_Reg, Registro{}); }

    // Takes over a tree that the given transfer wrote: the owner gets the record and its blocks,
    // reg is left empty (all zero), so nothing is freed twice.
    // NOTE: the tree must be one the release helper of that transfer may free (see Liberacao.h).
    static ArvoreRegistro Adotar(Registro& reg, Alocacao alocacao) noexcept {
        return ArvoreRegistro(std::exchange(reg, Registro{}), alocacao);
    }

private:
    ArvoreRegistro(const Registro& reg, Alocacao alocacao) noexcept : m_Reg(reg), m_Alocacao(alocacao) {}

    void Liberar() noexcept {
        if (m_Alocacao == Alocacao::CopiarParaPS) LiberarCopiarParaPS<Classe>(m_Reg);
        else LiberarCopiarPara<Classe>(m_Reg);
    }

    Registro m_Reg;
    Alocacao m_Alocacao;
};

// The object's tree written by CopiarPara, in an owner.
template <class Classe>
ArvoreRegistro<Classe> Escrever(const Classe& objeto) {
    return ArvoreRegistro<Classe>(objeto, Alocacao::CopiarPara);
}

// The object's tree written by CopiarParaPS, in an owner.
template <class Classe>
ArvoreRegistro<Classe> EscreverPS(const Classe& objeto) {
    return ArvoreRegistro<Classe>(objeto, Alocacao::CopiarParaPS);
}

}  // namespace NXDadosGC

#endif
