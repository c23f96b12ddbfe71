// Record-backed objects: T_NXDadosRegistro<REG> and T_NXDadosRegistroComLista<REG>.
#ifndef NXLDADOSGC_CORE_T_NXDADOSREGISTRO_H
#define NXLDADOSGC_CORE_T_NXDADOSREGISTRO_H

#include <cstring>  // std::memcpy, std::memcmp, std::memset

#include "NXLDadosGC/core/Elemento.h"  // DoRegistro
#include "NXLDadosGC/core/TNXBase.h"   // TNXBaseParaDados

// An object that holds one flat record REG as its first data member and implements the data
// protocol on it: clear (all bytes zero), copy and compare (the whole record as raw memory,
// gaps and bytes after a text's terminating zero included), and transfer to and from callers.
//
// Ownership: CopiarDe only reads what it is given; it never frees, keeps or changes the
// caller's record or arrays. CopiarPara and CopiarParaPS overwrite the destination without
// freeing what it held. Records of this level own no arrays, so both transfers are the same.
// Threads: several threads may transfer out of, compare and copy from one object that none of
// them changes, and CopiarDe from one record tree, which it only reads (README.md, "Threads").
template <class REG>
class NXLDADOSGC_API T_NXDadosRegistro : public TNXBaseParaDados {
public:
    using Registro = REG;

    T_NXDadosRegistro() { Limpar(); }
    T_NXDadosRegistro(const T_NXDadosRegistro& origem) : TNXBaseParaDados() { Copiar(&origem); }
    ~T_NXDadosRegistro() override { Limpar(); }

    T_NXDadosRegistro& operator=(const T_NXDadosRegistro& origem) {
        Copiar(&origem);
        return *this;
    }
    // Through the virtual table, so that a derived class's comparison applies.
    bool operator==(const T_NXDadosRegistro& outro) const { return OnIgual(&outro); }
    bool operator!=(const T_NXDadosRegistro& outro) const { return !OnIgual(&outro); }

    const REG& GetReg() const { return m_Reg; }
    REG& GetReg() { return m_Reg; }

    // Clears the object (through the virtual table, so children go too), then copies the
    // whole record at origem.
    virtual void CopiarDe(const REG* origem) {
        Limpar();
        std::memcpy(&m_Reg, origem, sizeof(REG));
    }
    // Copies the record over the destination, every byte of it.
    // NOTE: onto the object's own record, this clears it (as "zero, then copy" always did).
    virtual void CopiarPara(REG* destino) const {
        if (destino == &m_Reg) std::memset(static_cast<void*>(destino), 0, sizeof(REG));
        else std::memcpy(static_cast<void*>(destino), &m_Reg, sizeof(REG));
    }
    virtual void CopiarParaPS(REG* destino) const { T_NXDadosRegistro::CopiarPara(destino); }

protected:
    // The object with a copy of reg as its record: what default construction and then Copiar
    // from an object holding reg give, without clearing first.
    T_NXDadosRegistro(NXDadosGC::detail::DoRegistro, const REG& reg) : TNXBaseParaDados(), m_Reg(reg) {}

    void OnLimpar() override {
        std::memset(static_cast<void*>(&m_Reg), 0, sizeof(REG));
        TNXBaseParaDados::OnLimpar();
    }
    void OnCopiar(const TNXBaseParaDados* origem) override {
        TNXBaseParaDados::OnCopiar(origem);
        const auto* o = dynamic_cast<const T_NXDadosRegistro*>(origem);
        if (o && o != this) std::memcpy(static_cast<void*>(&m_Reg), &o->m_Reg, sizeof(REG));
    }
    bool OnIgual(const TNXBaseParaDados* outro) const override {
        const auto* o = dynamic_cast<const T_NXDadosRegistro*>(outro);
        if (!o) return false;
        return std::memcmp(&m_Reg, &o->m_Reg, sizeof(REG)) == 0 && TNXBaseParaDados::OnIgual(outro);
    }
    bool OnEstaVazio() const override {
        if (!TNXBaseParaDados::OnEstaVazio()) return false;
        static constexpr REG kZero{};
        return std::memcmp(&m_Reg, &kZero, sizeof(REG)) == 0;
    }

    REG m_Reg;
};

// The same, for records that carry children: (count, pointer) pairs to arrays of child
// records, single-child pointers, or embedded child records. The data class keeps the
// children in member objects and moves them through OnCopiarDe, OnCopiarPara and
// OnCopiarParaPS, which run after the record itself has been copied. While an object lives,
// every pair, pointer and embedded area of its own record is zero.
//
// Copiar (operator=, and the copy of an element by its list) copies the record, then assigns
// each child in the declared order in place: a list or holder as T_Lista::SetLista does, so its
// elements stay where they are when its room holds the source's count, and nested lists are
// assigned the same way, recursively; an embedded child with Copiar.
// Failures (CMemoryException, when a list cannot grow): the exception passes out and leaves
//   the record copied, the children before the failing one holding the source's, the failing
//   list as SetLista leaves it (its previous elements if its own room could not grow; else the
//   source's count, with the elements before the failing element copied and that element left
//   by this same rule), and the children after it untouched. The object stays consistent:
//   usable, comparable, destructible, and it leaks nothing.
// CopiarDe clears the object first; if filling the children fails, the object is left empty.
// A failed CopiarPara or CopiarParaPS leaves the object as it was.
template <class REG>
class NXLDADOSGC_API T_NXDadosRegistroComLista : public T_NXDadosRegistro<REG> {
public:
    T_NXDadosRegistroComLista() = default;
    T_NXDadosRegistroComLista(const T_NXDadosRegistroComLista& origem) : T_NXDadosRegistro<REG>(origem) {}
    ~T_NXDadosRegistroComLista() override = default;

    T_NXDadosRegistroComLista& operator=(const T_NXDadosRegistroComLista& origem) {
        this->Copiar(&origem);
        return *this;
    }
    // Copies like the constant form: the source is left intact.
    T_NXDadosRegistroComLista& operator=(T_NXDadosRegistroComLista&& origem) {
        this->Copiar(&origem);
        return *this;
    }

    void CopiarDe(const REG* origem) override {
        T_NXDadosRegistro<REG>::CopiarDe(origem);
        try {
            OnCopiarDe();
        } catch (...) {
            this->Limpar();
            throw;
        }
    }
    void CopiarPara(REG* destino) const override {
        T_NXDadosRegistro<REG>::CopiarPara(destino);
        OnCopiarPara(destino);
    }
    void CopiarParaPS(REG* destino) const override {
        T_NXDadosRegistro<REG>::CopiarPara(destino);
        OnCopiarParaPS(destino);
    }

protected:
    T_NXDadosRegistroComLista(NXDadosGC::detail::DoRegistro tag, const REG& reg) : T_NXDadosRegistro<REG>(tag, reg) {}

    virtual void OnCopiarDe() {}
    virtual void OnCopiarPara(REG*) const {}
    virtual void OnCopiarParaPS(REG*) const {}
};

#endif
