// Run-time class records and default hooks of the base protocol.
#include "NXLDadosGC/core/TNXBase.h"

#include <cstring>  // std::memcpy

IMPLEMENT_DYNAMIC(TNXBaseObject, CObject)
IMPLEMENT_DYNAMIC(TNXBaseParaDados, TNXBaseObject)

TNXBase::~TNXBase() = default;
TNXBaseObject::~TNXBaseObject() = default;
TNXBaseParaDados::~TNXBaseParaDados() = default;

void TNXBaseParaDados::OnLimpar() {}
void TNXBaseParaDados::OnCopiar(const TNXBaseParaDados*) {}
bool TNXBaseParaDados::OnIgual(const TNXBaseParaDados*) const { return true; }
ULONG TNXBaseParaDados::OnGetValorInicial(const void* p) {
    ULONG v = 0;
    if (p) std::memcpy(&v, p, sizeof v);
    return v;
}
bool TNXBaseParaDados::OnEstaVazio() const { return true; }
bool TNXBaseParaDados::OnDeveGravar() { return true; }
void TNXBaseParaDados::OnReservado1(void*) {}
void TNXBaseParaDados::OnReservado2(void*) {}
void TNXBaseParaDados::OnLerRegistro(CRegKey&) {}
void TNXBaseParaDados::OnGravarRegistro(CRegKey&) {}
NXModulo TNXBaseParaDados::OnGetModulo() { return static_cast<NXModulo>(1); }
CString TNXBaseParaDados::OnGetChaveRegistro() { return CString(); }
