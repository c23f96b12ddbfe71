// The base object protocol: TNXBase, TNXBaseObject and TNXBaseParaDados.
#ifndef NXLDADOSGC_CORE_TNXBASE_H
#define NXLDADOSGC_CORE_TNXBASE_H

#include "NXLDadosGC/platform/CObject.h"  // CObject, CRuntimeClass, DECLARE_DYNAMIC
#include "NXLDadosGC/platform/CString.h"  // CString (OnGetChaveRegistro)

// The framework's registry key, named only by the place-holding hooks below; never defined here.
class CRegKey;

// The suite's product modules, numbered 1 to 30. This library belongs to module 22.
enum NXModulo : int {
    NXModulo_GC = 22,  // cost management, module code "GC"
};

// Root of every data object: nothing but a virtual destructor, so that an object can be
// deleted through a TNXBase pointer.
class NXLDADOSGC_API TNXBase {
public:
    virtual ~TNXBase();

protected:
    TNXBase() = default;
    TNXBase(const TNXBase&) = default;
    TNXBase& operator=(const TNXBase&) = default;
};

// CObject first, TNXBase second: every data object carries two table pointers, in that order,
// and no base-class data.
class NXLDADOSGC_API TNXBaseObject : public CObject, public TNXBase {
    DECLARE_DYNAMIC(TNXBaseObject)
public:
    TNXBaseObject() = default;
    TNXBaseObject(const TNXBaseObject&) = default;
    TNXBaseObject& operator=(const TNXBaseObject&) = default;
    ~TNXBaseObject() override;
};

// The data-object protocol. Each public operation forwards to its protected hook through the
// virtual table and does nothing else (no argument check, no self check, no lock); classes
// change behaviour only by overriding hooks. During construction and destruction the hook of
// the level being built or destroyed runs, which the record-backed levels rely on.
//
// Used directly, a TNXBaseParaDados is always empty and equal to anything, and clearing or
// copying it does nothing.
//
// Threads: an object belongs to one thread at a time; only its const operations may run in
// several threads at once, on an object no thread changes (README.md, "Threads").
class NXLDADOSGC_API TNXBaseParaDados : public TNXBaseObject {
    DECLARE_DYNAMIC(TNXBaseParaDados)
public:
    TNXBaseParaDados() = default;
    // Sets up the table pointers only: copies are made through Copiar by derived levels.
    TNXBaseParaDados(const TNXBaseParaDados&) : TNXBaseObject() {}
    TNXBaseParaDados& operator=(const TNXBaseParaDados&) { return *this; }
    ~TNXBaseParaDados() override;

    void Limpar() { OnLimpar(); }
    void Copiar(const TNXBaseParaDados* origem) { OnCopiar(origem); }
    bool Igual(const TNXBaseParaDados* outro) const { return OnIgual(outro); }
    bool EstaVazio() const { return OnEstaVazio(); }
    ULONG GetValorInicial(const void* p) { return OnGetValorInicial(p); }
    void Reservado1(void* p) { OnReservado1(p); }
    void Reservado2(void* p) { OnReservado2(p); }
    NXModulo GetModulo() { return OnGetModulo(); }

protected:
    // Hooks, in virtual-table order after CObject's five operations. The protocol's table has
    // twelve slots and callers built against it rely on each one's place, so all twelve are
    // declared. OnDeveGravar, OnLerRegistro, OnGravarRegistro and OnGetChaveRegistro hold the
    // places of the registry persistence this library does not offer: nothing here calls them,
    // and their defaults do nothing (true, nothing, nothing, an empty key).
    virtual void OnLimpar();
    virtual void OnCopiar(const TNXBaseParaDados* origem);
    virtual bool OnIgual(const TNXBaseParaDados* outro) const;
    // The 32-bit value at p, or 0 for null.
    virtual ULONG OnGetValorInicial(const void* p);
    virtual bool OnEstaVazio() const;
    virtual bool OnDeveGravar();
    virtual void OnReservado1(void* p);
    virtual void OnReservado2(void* p);
    virtual void OnLerRegistro(CRegKey& chave);
    virtual void OnGravarRegistro(CRegKey& chave);
    virtual NXModulo OnGetModulo();
    virtual CString OnGetChaveRegistro();
};

#endif
