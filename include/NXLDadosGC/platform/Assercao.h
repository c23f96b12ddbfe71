// NXGC_ASSERT(cond): the check of a stated precondition, on in debug and sanitizer builds.
#ifndef NXLDADOSGC_PLATFORM_ASSERCAO_H
#define NXLDADOSGC_PLATFORM_ASSERCAO_H

#include <cstdio>   // std::fprintf
#include <cstdlib>  // std::abort

// NXGC_ASSERT(cond)
// Where a caller's precondition is stated ("must", "undefined behaviour"): when checks are on and
// cond is false, the program prints "<file>:<line>: NXGC_ASSERT(<cond>) failed" to stderr and
// aborts. Checks are on unless NDEBUG is defined, and always under AddressSanitizer; when off,
// cond is not evaluated and no code is generated.
// To choose for yourself, define NXGC_ASSERT(cond) before including any header of the library.
// NOTE: the library's headers are templates: the choice is made where they are compiled, so a
// program built with checks on checks the calls it makes into a library built without them.
namespace NXDadosGC::detail {
[[noreturn]] inline void FalhaAssercao(const char* condicao, const char* arquivo, int linha) noexcept {
    std::fprintf(stderr, "%s:%d: NXGC_ASSERT(%s) failed\n", arquivo, linha, condicao);
    std::abort();
}
}  // namespace NXDadosGC::detail

#ifndef NXGC_ASSERT
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define NX_INTERNAL_ASSERCOES_LIGADAS 1
#endif
#endif
#if !defined(NDEBUG) || defined(__SANITIZE_ADDRESS__)
#define NX_INTERNAL_ASSERCOES_LIGADAS 1
#endif

#ifdef NX_INTERNAL_ASSERCOES_LIGADAS
#define NXGC_ASSERT(cond) \
    ((cond) ? static_cast<void>(0) : ::NXDadosGC::detail::FalhaAssercao(#cond, __FILE__, __LINE__))
#else
// Unevaluated: names used only in the condition still count as used.
#define NXGC_ASSERT(cond) static_cast<void>(sizeof((cond) ? 1 : 0))
#endif
#undef NX_INTERNAL_ASSERCOES_LIGADAS
#endif

#endif
