// Run-time descriptions of data classes: record size, field table, children and type-erased
// operations, so that tests and tools can walk every class without naming it; and their
// registration, which each class's implement macro makes while its module loads.
#ifndef NXLDADOSGC_CORE_REGISTRO_H
#define NXLDADOSGC_CORE_REGISTRO_H

#include <cstddef>  // std::size_t
#include <cstdint>  // std::uint64_t
#include <array>    // std::array
#include <span>     // std::span
#include <tuple>    // std::apply
#include <type_traits>  // std::conditional_t, std::is_const_v

#include "NXLDadosGC/core/Empacotavel.h"  // MedidaPacote, SaidaPacote, FontePacote and the packed-form walks
#include "NXLDadosGC/core/Filhos.h"  // TipoFilho, ComFilhos, SlotDoFilho, DeslocamentoDe
#include "NXLDadosGC/core/Layout.h"  // TabelaCampos, CamposDe, InfoRegistro, RegistroDe
#include "NXLDadosGC/core/Liberacao.h"  // LiberarCopiarPara, LiberarCopiarParaPS
#include "NXLDadosGC/core/TNXBase.h" // TNXBaseParaDados
#include "NXLDadosGC/platform/Assercao.h"  // NXGC_ASSERT

namespace NXDadosGC {

struct InfoClasse;

// One child of a class, in hook order. Offsets are record offsets; `quantidade` is unused for
// Unico and Membro. `classe` is null for a list of 32-bit numbers.
struct InfoFilho {
    TipoFilho tipo;
    std::size_t quantidade;
    std::size_t ponteiro;  // the pointer field, or the embedded area for Membro
    std::size_t tamanhoRegistro;  // of one child record (4 for numbers)
    const InfoClasse* (*classe)();
};

// Everything known about one data class at run time. The operations take objects of this very
// class and records of its record type; a mismatched argument is undefined behaviour (an object
// of another class is caught by NXGC_ASSERT where checks are on).
struct InfoClasse {
    const char* nome;
    CRuntimeClass* (*classe)();
    std::size_t tamanhoRegistro;
    TabelaCampos (*campos)();
    std::span<const InfoFilho> filhos;
    TNXBaseParaDados* (*criar)();  // a new, empty object; release with delete
    void (*copiarDe)(TNXBaseParaDados& objeto, const void* registro);
    void (*copiarPara)(const TNXBaseParaDados& objeto, void* registro);
    void (*copiarParaPS)(const TNXBaseParaDados& objeto, void* registro);
    // Release what copiarPara / copiarParaPS wrote into a record (see Liberacao.h).
    void (*liberarCopiarPara)(void* registro);
    void (*liberarCopiarParaPS)(void* registro);
    // The record type as a whole: its name, header and what it is (core/Layout.h).
    const InfoRegistro& (*registro)();
    // The packed form straight from and to objects (core/Empacotavel.h), for the engine
    // (motor/Empacotamento.h): the sizing walk below the object's record; the object's record
    // and every block below it written at the cursor; and a new, empty object filled from the
    // record at buffer + desloc and the blocks below it (an already checked, 8-byte-aligned
    // buffer; CMemoryException passes through, leaving the object destructible).
    void (*medirPacote)(const TNXBaseParaDados& objeto, detail::MedidaPacote& medida);
    void (*escreverPacote)(const TNXBaseParaDados& objeto, detail::SaidaPacote& saida);
    void (*lerPacote)(TNXBaseParaDados& objeto, const unsigned char* buffer, std::uint64_t desloc);
};

namespace detail {

template <class Classe>
const InfoClasse* InfoDe();

template <class F>
InfoFilho DescreverFilho(const F& f) {
    using E = typename F::Elemento;
    const InfoClasse* (*classe)() = nullptr;
    if constexpr (!std::is_arithmetic_v<E>) classe = &InfoDe<E>;
    std::size_t quantidade = 0;
    if constexpr (F::tipo == TipoFilho::Lista) quantidade = DeslocamentoDe(f.quantidade);
    return {F::tipo, quantidade, SlotDoFilho(f), sizeof(typename F::RegFilho), classe};
}

template <class Classe>
std::span<const InfoFilho> FilhosDe() {
    if constexpr (ComFilhos<Classe>) {
        static const auto filhos = std::apply(
            [](const auto&... f) { return std::array<InfoFilho, sizeof...(f)>{DescreverFilho(f)...}; },
            Classe::Filhos());
        return filhos;
    } else {
        return {};
    }
}

// The object as a Classe, which it must be (checked by NXGC_ASSERT).
template <class Classe, class Objeto>
auto& Como(Objeto& o) {
    NXGC_ASSERT(o.GetRuntimeClass() == Classe::GetThisClass());
    return static_cast<std::conditional_t<std::is_const_v<Objeto>, const Classe&, Classe&>>(o);
}

// The description of Classe, built on first use.
template <class Classe>
const InfoClasse* InfoDe() {
    using REG = typename Classe::Registro;
    static const InfoClasse info{
        Classe::GetThisClass()->m_lpszClassName,
        &Classe::GetThisClass,
        sizeof(REG),
        &CamposDe<REG>,
        FilhosDe<Classe>(),
        []() -> TNXBaseParaDados* { return new Classe(); },
        [](TNXBaseParaDados& o, const void* r) { Como<Classe>(o).CopiarDe(static_cast<const REG*>(r)); },
        [](const TNXBaseParaDados& o, void* r) { Como<Classe>(o).CopiarPara(static_cast<REG*>(r)); },
        [](const TNXBaseParaDados& o, void* r) { Como<Classe>(o).CopiarParaPS(static_cast<REG*>(r)); },
        [](void* r) { LiberarCopiarPara<Classe>(*static_cast<REG*>(r)); },
        [](void* r) { LiberarCopiarParaPS<Classe>(*static_cast<REG*>(r)); },
        &RegistroDe<REG>,
        [](const TNXBaseParaDados& o, MedidaPacote& m) { m.bytes = MedirAbaixo(&Como<Classe>(o), 1, m, 0); },
        [](const TNXBaseParaDados& o, SaidaPacote& s) { EscreverBloco(&Como<Classe>(o), 1, s); },
        [](TNXBaseParaDados& o, const unsigned char* buffer, std::uint64_t desloc) {
            auto& c = Como<Classe>(o);
            FontePacote{buffer}.Preencher(c, *reinterpret_cast<const REG*>(buffer + desloc));
        },
    };
    return &info;
}

// The class list (motor/Classes.h) is made of what the implement macros register: each data
// class's NX_IMPLEMENT_DADOS adds its description while its library or program loads, beside its
// run-time class record, and takes it out again when it unloads. Kept ordered by class name.
NXLDADOSGC_API void RegistrarClasse(const InfoClasse* info);
NXLDADOSGC_API void RemoverClasse(const InfoClasse* info) noexcept;
NXLDADOSGC_API std::span<const InfoClasse* const> ClassesRegistradas() noexcept;

// What NX_IMPLEMENT_DADOS defines for a class: registration for as long as its module is loaded.
struct RegistroDaClasse {
    explicit RegistroDaClasse(const InfoClasse* i) : info(i) { RegistrarClasse(i); }
    ~RegistroDaClasse() { RemoverClasse(info); }
    RegistroDaClasse(const RegistroDaClasse&) = delete;
    RegistroDaClasse& operator=(const RegistroDaClasse&) = delete;
    const InfoClasse* info;
};

}  // namespace detail
}  // namespace NXDadosGC

#endif
