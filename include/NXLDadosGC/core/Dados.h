// The pieces a data class is declared with: one declare/implement pair for the boilerplate,
// and one line per field, text, list, holder, member key, key view, range setter and child.
//
// The family is deliberately small: NX_DADOS / NX_DADOS_COM_FILHOS with NX_IMPLEMENT_DADOS /
// NX_IMPLEMENT_DADOS_COM_FILHOS, NX_CAMPO, NX_TEXTO, NX_LISTA, NX_UNICO, NX_CHAVE,
// NX_VISAO_CHAVE (and its _MAPA form), NX_FAIXA and NX_FILHOS. The macros only make names;
// what they call is ordinary code in this folder, so a breakpoint lands in readable code.
#ifndef NXLDADOSGC_CORE_DADOS_H
#define NXLDADOSGC_CORE_DADOS_H

#include <type_traits>  // std::conditional_t

#include "NXLDadosGC/core/Elemento.h"           // Folha
#include "NXLDadosGC/core/Filhos.h"             // Lista, Unico, Membro and the generic hooks
#include "NXLDadosGC/core/Layout.h"             // NX_LAYOUT, NX_INTERNAL_FOR_EACH
#include "NXLDadosGC/core/Registro.h"           // InfoDe, RegistroDaClasse
#include "NXLDadosGC/core/T_Lista.h"            // T_Lista
#include "NXLDadosGC/core/T_NXDadosRegistro.h"  // T_NXDadosRegistro, T_NXDadosRegistroComLista

namespace NXDadosGC::detail {

// A field of a key and the same-typed field of the record that carries it.
template <class RegChave, class Reg, class Campo>
struct ParChave {
    Campo RegChave::*daChave;
    Campo Reg::*doRegistro;
};
template <class RegChave, class Reg, class Campo>
constexpr ParChave<RegChave, Reg, Campo> Par(Campo RegChave::*daChave, Campo Reg::*doRegistro) {
    return {daChave, doRegistro};
}

// A new key whose listed fields come from the record; its other bytes stay zero.
template <class Chave, class Reg, class... Pares>
Chave MontaChave(const Reg& reg, Pares... pares) {
    Chave chave;
    ((chave.GetReg().*pares.daChave = reg.*pares.doRegistro), ...);
    return chave;
}
// Copies the listed fields of the key into the record; nothing else changes.
template <class Chave, class Reg, class... Pares>
void GravaChave(Reg& reg, const Chave& chave, Pares... pares) {
    ((reg.*pares.doRegistro = chave.GetReg().*pares.daChave), ...);
}

// Range setters take integral values by value and structured ones by constant reference.
template <class T>
using ParametroFaixa = std::conditional_t<std::is_arithmetic_v<T>, T, const T&>;

// The bodies of what NX_IMPLEMENT_DADOS and NX_IMPLEMENT_DADOS_COM_FILHOS define: each generated
// member is one call into here. A friend of every data class, to reach the hooks of its base.
struct Ganchos {
    template <class Classe>
    static Classe& Atribuir(Classe& d, const Classe& origem) {
        d.Copiar(&origem);
        return d;
    }
    // Empty: equal to a newly constructed object of the same class.
    template <class Classe>
    static bool EstaVazio(const Classe& d) {
        const Classe vazio;
        return d.OnIgual(&vazio);
    }
    template <class Classe>
    static bool IgualMesmaClasse(const Classe& d, const Classe& outro) {
        if constexpr (ComFilhos<Classe>)
            return RegistrosIguais(d.GetReg(), outro.GetReg()) && IgualFilhos(d, outro);
        else
            return RegistrosIguais(d.GetReg(), outro.GetReg());
    }
    // The children first, then the record (the base's hook).
    template <class Classe>
    static void Limpar(Classe& d) {
        LimparFilhos(d);
        d.Classe::Base::OnLimpar();
    }
    // Nothing from an object of another class, or from itself. Otherwise the record (the
    // base's hook), then each child in the declared order; a failure leaves the object as
    // T_NXDadosRegistroComLista describes.
    template <class Classe>
    static void Copiar(Classe& d, const TNXBaseParaDados* origem) {
        const auto* o = dynamic_cast<const Classe*>(origem);
        if (!o || o == &d) return;
        d.Classe::Base::OnCopiar(origem);
        CopiarFilhos(d, *o);
    }
    template <class Classe>
    static bool Igual(const Classe& d, const TNXBaseParaDados* outro) {
        const auto* o = dynamic_cast<const Classe*>(outro);
        if (o == &d) return true;
        return o && d.IgualMesmaClasse(*o);
    }
};

}  // namespace NXDadosGC::detail

// NX_DADOS(Classe) / NX_DADOS_COM_FILHOS(Classe)
// First line of a data class's body. Declares the constructors, operator=, the virtual
// destructor, the run-time class members (class<Classe>, GetThisClass, _GetBaseClass,
// GetRuntimeClass), OnEstaVazio, OnGetModulo and IgualMesmaClasse, and the aliases Self, REG
// and Base. The _COM_FILHOS form, for classes over T_NXDadosRegistroComLista, also declares
// the six child hooks, which NX_IMPLEMENT_DADOS_COM_FILHOS builds from NX_FILHOS.
// An NX_DADOS class is a leaf (core/Elemento.h): lists handle its objects as their records, so
// it must keep the template's hooks.
// Leaves the class in public access.
#define NX_DADOS(Classe)                                         \
    NX_INTERNAL_DADOS_COMUM(Classe, T_NXDadosRegistro<Registro>) \
    /* A leaf (core/Elemento.h). */                              \
    friend Classe* NxFolha(const Classe*) { return nullptr; }    \
                                                                 \
public:
#define NX_DADOS_COM_FILHOS(Classe)                                            \
    NX_INTERNAL_DADOS_COMUM(Classe, T_NXDadosRegistroComLista<Registro>)      \
protected:                                                                     \
    void OnLimpar() override;                                                  \
    void OnCopiar(const TNXBaseParaDados* origem) override;                    \
    bool OnIgual(const TNXBaseParaDados* outro) const override;                \
    void OnCopiarDe() override;                                                \
    void OnCopiarPara(REG* destino) const override;                            \
    void OnCopiarParaPS(REG* destino) const override;                          \
                                                                               \
public:

#define NX_INTERNAL_DADOS_COMUM(Classe, ClasseBase)                  \
    DECLARE_DYNAMIC(Classe)                                          \
public:                                                              \
    using Self = Classe;                                             \
    using REG = Registro;                                            \
    using Base = ClasseBase;                                         \
    Classe();                                                        \
    Classe(const Classe& origem);                                    \
    Classe& operator=(const Classe& origem);                         \
    ~Classe() override;                                              \
    /* Equality with an object known to be of this very class. */   \
    bool IgualMesmaClasse(const Classe& outro) const;                \
                                                                     \
protected:                                                           \
    bool OnEstaVazio() const override;                               \
    NXModulo OnGetModulo() override;                                 \
    /* For the lists (core/Elemento.h): built from a record. */     \
    friend Classe* NxDados(const Classe*) { return nullptr; }       \
    friend struct ::NXDadosGC::detail::Elementos;                    \
    friend struct ::NXDadosGC::detail::Ganchos;                      \
    Classe(::NXDadosGC::detail::DoRegistro tag, const REG& reg) : Base(tag, reg) {}

// NX_IMPLEMENT_DADOS(Classe) / NX_IMPLEMENT_DADOS_COM_FILHOS(Classe)
// At namespace scope in the class's source file: defines what NX_DADOS declared, each member a
// call into NXDadosGC::detail::Ganchos (above) or the generic hooks of core/Filhos.h. A new
// object is empty (each level clears what it owns); the destructor clears before the members
// go; OnEstaVazio compares with a newly constructed object; OnGetModulo answers the
// cost-management module (22). The _COM_FILHOS form builds the hooks from Classe::Filhos().
// Beside the run-time class record it registers the class's description (core/Registro.h), so
// the class list (motor/Classes.h) holds the class while its module is loaded.
#define NX_IMPLEMENT_DADOS(Classe)   \
    NX_INTERNAL_IMPLEMENT_COMUM(Classe)

#define NX_IMPLEMENT_DADOS_COM_FILHOS(Classe)                                                                  \
    NX_INTERNAL_IMPLEMENT_COMUM(Classe)                                                                        \
    template class T_NXDadosRegistroComLista<Classe::Registro>;                                                \
    void Classe::OnLimpar() { ::NXDadosGC::detail::Ganchos::Limpar(*this); }                                   \
    void Classe::OnCopiar(const TNXBaseParaDados* origem) { ::NXDadosGC::detail::Ganchos::Copiar(*this, origem); } \
    bool Classe::OnIgual(const TNXBaseParaDados* outro) const { return ::NXDadosGC::detail::Ganchos::Igual(*this, outro); } \
    void Classe::OnCopiarDe() { ::NXDadosGC::detail::CopiarFilhosDe(*this, ::NXDadosGC::detail::FonteRegistro{}); } \
    void Classe::OnCopiarPara(REG* destino) const {                                                            \
        ::NXDadosGC::detail::CopiarFilhosPara<::NXDadosGC::detail::AlocadorHeap>(*this, destino);              \
    }                                                                                                          \
    void Classe::OnCopiarParaPS(REG* destino) const {                                                          \
        ::NXDadosGC::detail::CopiarFilhosPara<::NXDadosGC::detail::AlocadorTarefa>(*this, destino);            \
    }

#define NX_INTERNAL_IMPLEMENT_COMUM(Classe)                                                         \
    template class T_NXDadosRegistro<Classe::Registro>;                                             \
    IMPLEMENT_DYNAMIC(Classe, TNXBaseParaDados)                                                     \
    Classe::Classe() { Limpar(); }                                                                  \
    Classe::Classe(const Classe& origem) : Base() { Copiar(&origem); }                              \
    Classe& Classe::operator=(const Classe& origem) { return ::NXDadosGC::detail::Ganchos::Atribuir(*this, origem); } \
    Classe::~Classe() { Limpar(); }                                                                 \
    bool Classe::IgualMesmaClasse(const Classe& outro) const {                                      \
        return ::NXDadosGC::detail::Ganchos::IgualMesmaClasse(*this, outro);                        \
    }                                                                                               \
    bool Classe::OnEstaVazio() const { return ::NXDadosGC::detail::Ganchos::EstaVazio(*this); }    \
    NXModulo Classe::OnGetModulo() { return NXModulo_GC; }                                          \
    __attribute__((init_priority(NX_INTERNAL_PRIORIDADE_CLASSES))) static const                     \
        ::NXDadosGC::detail::RegistroDaClasse _nxRegistro_##Classe(::NXDadosGC::detail::InfoDe<Classe>());

// NX_CAMPO(Nome)
// In the public section: Get<Nome>() returns the record field by value (its declared type);
// Set<Nome>(const T&) stores it and returns the object, so calls chain.
#define NX_CAMPO(Nome)                                                 \
    decltype(REG::Nome) Get##Nome() const { return GetReg().Nome; }    \
    Self& Set##Nome(const decltype(REG::Nome)& valor) {                \
        GetReg().Nome = valor;                                         \
        return *this;                                                  \
    }

// NX_TEXTO(Nome, N)
// In the public section, for a text field char[N+1]: Get<Nome>() returns the stored text as a
// CString; Set<Nome>(const CString&) stores at most N bytes (a longer text is cut without
// report) and returns the object. Get<Nome>Utf8(opcoes) and Set<Nome>Utf8(utf8, opcoes) do the
// same through UTF-8, converted with the code page of `opcoes` (OpcoesTexto, default: the
// process's), and the setter refuses a text that does not fit whole (ErroTexto naming the
// field, its width and the bytes needed) instead of cutting it. Needs NXLDadosGC/types/Texto.h.
#define NX_TEXTO(Nome, N)                                                                  \
    CString Get##Nome() const {                                                            \
        static_assert(sizeof(REG::Nome) == (N) + 1, "text field " #Nome " must be N+1 bytes"); \
        CString texto;                                                                     \
        GetCampoTexto(texto, GetReg().Nome);                                               \
        return texto;                                                                      \
    }                                                                                      \
    Self& Set##Nome(const CString& valor) {                                                \
        SetCampoTexto(GetReg().Nome, (N), valor);                                          \
        return *this;                                                                      \
    }                                                                                      \
    std::string Get##Nome##Utf8(const NXDadosGC::OpcoesTexto& opcoes = {}) const {          \
        return GetCampoTextoUtf8(GetReg().Nome, opcoes);                                   \
    }                                                                                      \
    Self& Set##Nome##Utf8(std::string_view utf8, const NXDadosGC::OpcoesTexto& opcoes = {}) { \
        SetCampoTextoUtf8(GetReg().Nome, (N), utf8, opcoes, #Nome, GetThisClass()->m_lpszClassName); \
        return *this;                                                                      \
    }

// NX_LISTA(Tipo, Nome)
// In the public section: declares the private member `T_Lista<Tipo> m_<Nome>` (members follow
// the order of these lines) and its 13 accessors: Adiciona<Nome>, Deletar<Nome>, Troca<Nome>,
// Get<Nome>, GetConstRef<Nome>, GetRef<Nome>, GetPtr<Nome> (const and non-const),
// GetQuantidade<Nome>, Set<Nome>, SetValorUnico<Nome>, RemoveTodos<Nome>, GetLista<Nome>
// (const and non-const), SetLista<Nome>. Indices are signed 64-bit; a bad index raises
// CInvalidArgException, whose message names the accessor, index, count, list and class, and
// changes nothing. Transfer it with NX_FILHO_LISTA(Nome).
#define NX_LISTA(Tipo, Nome)                                                              \
private:                                                                                  \
    T_Lista<Tipo> m_##Nome;                                                               \
                                                                                          \
public:                                                                                   \
    void Adiciona##Nome(const Tipo& valor) { m_##Nome.Adiciona(valor); }                  \
    void Deletar##Nome(INT_PTR indice) { m_##Nome.Deletar(indice, NX_INTERNAL_ONDE(Deletar, Nome)); } \
    T_Lista<Tipo>& Troca##Nome(INT_PTR i, INT_PTR j) { return m_##Nome.Troca(i, j, NX_INTERNAL_ONDE(Troca, Nome)); } \
    const Tipo& Get##Nome(INT_PTR indice) const { return m_##Nome.Get(indice, NX_INTERNAL_ONDE(Get, Nome)); } \
    const Tipo& GetConstRef##Nome(INT_PTR indice) const {                                 \
        return m_##Nome.GetConstRef(indice, NX_INTERNAL_ONDE(GetConstRef, Nome));         \
    }                                                                                     \
    Tipo& GetRef##Nome(INT_PTR indice) { return m_##Nome.GetRef(indice, NX_INTERNAL_ONDE(GetRef, Nome)); } \
    const Tipo* GetPtr##Nome(INT_PTR indice) const { return m_##Nome.GetPtr(indice, NX_INTERNAL_ONDE(GetPtr, Nome)); } \
    Tipo* GetPtr##Nome(INT_PTR indice) { return m_##Nome.GetPtr(indice, NX_INTERNAL_ONDE(GetPtr, Nome)); } \
    INT_PTR GetQuantidade##Nome() const { return m_##Nome.GetQuantidade(); }              \
    void Set##Nome(INT_PTR indice, const Tipo& valor) { m_##Nome.Set(indice, valor, NX_INTERNAL_ONDE(Set, Nome)); } \
    void SetValorUnico##Nome(const Tipo& valor) { m_##Nome.SetValorUnico(valor); }        \
    void RemoveTodos##Nome() { m_##Nome.RemoveTodos(); }                                  \
    const T_Lista<Tipo>& GetLista##Nome() const { return m_##Nome; }                      \
    T_Lista<Tipo>& GetLista##Nome() { return m_##Nome; }                                  \
    void SetLista##Nome(const T_Lista<Tipo>& lista) { m_##Nome.SetLista(lista); }

// The accessor, list and class a bad index names in its message.
#define NX_INTERNAL_ONDE(Operacao, Nome) \
    ::NXDadosGC::detail::OndeLista { #Operacao #Nome, #Nome, &Self::GetThisClass }

// NX_UNICO(Tipo, Nome)
// In the public section: declares the private single-object holder `T_Lista<Tipo> m_<Nome>`
// (zero or one element) and its operations: Possui<Nome>() const; Get<Nome>() const and
// non-const (the held object or null); Get<Nome>(Tipo*&) and Get<Nome>(const Tipo*&) const
// (store the address or null, answer whether one is held); Inclui<Nome>() (holds one,
// newly constructed when there was none, and returns it); Set<Nome>(const Tipo&) (Inclui,
// then copy); Set<Nome>(const Tipo*) (null empties the holder); Remove<Nome>().
// Transfer it with NX_FILHO_UNICO(Nome).
#define NX_UNICO(Tipo, Nome)                                                         \
private:                                                                             \
    T_Lista<Tipo> m_##Nome;                                                          \
                                                                                     \
public:                                                                              \
    bool Possui##Nome() const { return m_##Nome.Possui(); }                          \
    const Tipo* Get##Nome() const { return m_##Nome.GetUnico(); }                    \
    Tipo* Get##Nome() { return m_##Nome.GetUnico(); }                                \
    bool Get##Nome(const Tipo*& ponteiro) const {                                    \
        ponteiro = m_##Nome.GetUnico();                                              \
        return ponteiro != nullptr;                                                  \
    }                                                                                \
    bool Get##Nome(Tipo*& ponteiro) {                                                \
        ponteiro = m_##Nome.GetUnico();                                              \
        return ponteiro != nullptr;                                                  \
    }                                                                                \
    Tipo* Inclui##Nome() { return m_##Nome.Inclui(); }                               \
    void Set##Nome(const Tipo& valor) { m_##Nome.SetUnico(valor); }                  \
    void Set##Nome(const Tipo* valor) { m_##Nome.SetUnico(valor); }                  \
    void Remove##Nome() { m_##Nome.RemoveTodos(); }

// NX_CHAVE(Tipo, Nome)
// In the public section: declares the private member key `Tipo m_<Nome>`, whose record
// occupies the record field <Nome> in transfers, and Get<Nome>() (const and non-const
// references to the member) and Set<Nome>(const Tipo&) (copies into it, returns the object).
// Transfer it with NX_FILHO_MEMBRO(Nome).
#define NX_CHAVE(Tipo, Nome)                                                \
private:                                                                    \
    Tipo m_##Nome;                                                          \
                                                                            \
public:                                                                     \
    const Tipo& Get##Nome() const { return m_##Nome; }                      \
    Tipo& Get##Nome() { return m_##Nome; }                                  \
    Self& Set##Nome(const Tipo& chave) {                                    \
        m_##Nome.Copiar(&chave);                                            \
        return *this;                                                       \
    }

// NX_VISAO_CHAVE(Nome, Campo...)
// In the public section, for a record whose own fields form the key CNXDadosGC_<Nome>:
// Get<Nome>() builds and returns a new key whose listed fields come from the record's fields
// of the same names (its other bytes zero); Set<Nome>(const key&) copies those fields into
// the record and returns nothing. NX_VISAO_CHAVE_MAPA(Nome, (CampoDaChave, CampoProprio)...)
// is the form for fields whose names differ.
#define NX_VISAO_CHAVE(Nome, ...)                                                              \
    CNXDadosGC_##Nome Get##Nome() const {                                                      \
        return ::NXDadosGC::detail::MontaChave<CNXDadosGC_##Nome>(                             \
            GetReg() NX_INTERNAL_FOR_EACH(NX_INTERNAL_PAR_CHAVE, CNXDadosGC_##Nome, __VA_ARGS__)); \
    }                                                                                          \
    void Set##Nome(const CNXDadosGC_##Nome& chave) {                                           \
        ::NXDadosGC::detail::GravaChave(                                                       \
            GetReg(), chave NX_INTERNAL_FOR_EACH(NX_INTERNAL_PAR_CHAVE, CNXDadosGC_##Nome, __VA_ARGS__)); \
    }
#define NX_INTERNAL_PAR_CHAVE(Chave, Campo) , ::NXDadosGC::detail::Par(&Chave::Registro::Campo, &REG::Campo)

#define NX_VISAO_CHAVE_MAPA(Nome, ...)                                                         \
    CNXDadosGC_##Nome Get##Nome() const {                                                      \
        return ::NXDadosGC::detail::MontaChave<CNXDadosGC_##Nome>(                             \
            GetReg() NX_INTERNAL_FOR_EACH(NX_INTERNAL_PAR_MAPA, CNXDadosGC_##Nome, __VA_ARGS__)); \
    }                                                                                          \
    void Set##Nome(const CNXDadosGC_##Nome& chave) {                                           \
        ::NXDadosGC::detail::GravaChave(                                                       \
            GetReg(), chave NX_INTERNAL_FOR_EACH(NX_INTERNAL_PAR_MAPA, CNXDadosGC_##Nome, __VA_ARGS__)); \
    }
#define NX_INTERNAL_PAR_MAPA(Chave, par) NX_INTERNAL_CHAMA(NX_INTERNAL_PAR_MAPA_, Chave, NX_INTERNAL_DESEMBRULHA par)
#define NX_INTERNAL_PAR_MAPA_(Chave, CampoChave, CampoProprio) \
    , ::NXDadosGC::detail::Par(&Chave::Registro::CampoChave, &REG::CampoProprio)

// NX_FAIXA(Nome)
// In the public section, for a range <Nome>Inicial .. <Nome>Final: Set<Nome>(valor) stores
// the value into both ends and returns nothing. Integral values are taken by value,
// structured ones by constant reference.
#define NX_FAIXA(Nome)                                                                        \
    void Set##Nome(::NXDadosGC::detail::ParametroFaixa<decltype(REG::Nome##Inicial)> valor) { \
        static_assert(std::is_same_v<decltype(REG::Nome##Inicial), decltype(REG::Nome##Final)>); \
        GetReg().Nome##Inicial = valor;                                                       \
        GetReg().Nome##Final = valor;                                                         \
    }

// NX_FILHOS(filho...)
// In the public section of an NX_DADOS_COM_FILHOS class: the children in the order every
// hook processes them. Each is NX_FILHO_LISTA(Nome) (record fields Quantidade<Nome> and
// p<Nome>), NX_FILHO_UNICO(Nome) (record field p<Nome>) or NX_FILHO_MEMBRO(Nome) (record
// field <Nome>, the member key's area). The same description drives the release helpers,
// the packed form and the tools.
#define NX_FILHOS(...) \
    static constexpr auto Filhos() { return std::make_tuple(__VA_ARGS__); }
#define NX_FILHO_LISTA(Nome) ::NXDadosGC::Lista(&Self::m_##Nome, &REG::Quantidade##Nome, &REG::p##Nome)
#define NX_FILHO_UNICO(Nome) ::NXDadosGC::Unico(&Self::m_##Nome, &REG::p##Nome)
#define NX_FILHO_MEMBRO(Nome) ::NXDadosGC::Membro(&Self::m_##Nome, &REG::Nome)

#endif
