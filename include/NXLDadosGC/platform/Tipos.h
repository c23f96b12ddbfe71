// Basic types and export macros of the framework stand-in.
#ifndef NXLDADOSGC_PLATFORM_TIPOS_H
#define NXLDADOSGC_PLATFORM_TIPOS_H

// Every header of the library reaches this one before it uses a C++20 feature, so a build in an
// older language mode stops here with one clear message.
// (MSVC states its language mode in _MSVC_LANG; its __cplusplus stays 199711L by default.)
#ifdef _MSVC_LANG
#define NX_INTERNAL_CPLUSPLUS _MSVC_LANG
#else
#define NX_INTERNAL_CPLUSPLUS __cplusplus
#endif
#if NX_INTERNAL_CPLUSPLUS < 202002L
#error "NXLDadosGC needs C++20 or later: compile with -std=c++20 (MSVC: /std:c++20), or link the CMake target NXLDadosGC::NXLDadosGC, which asks for it"
#endif
#undef NX_INTERNAL_CPLUSPLUS

#include <cstddef>  // std::size_t
#include <cstdint>  // fixed-width integers

// The record formats fix 32-bit fields that the framework calls "unsigned long"; on this
// platform unsigned long is 64 bits, so ULONG and LONG are the 32-bit types.
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using ULONG = std::uint32_t;
using DWORD = std::uint32_t;
using LONG = std::int32_t;
using LONGLONG = std::int64_t;
using UINT = unsigned int;
using BOOL = int;
using INT_PTR = std::int64_t;  // the framework's pointer-sized index type
using HRESULT = std::int32_t;
using LPCSTR = const char*;
using LPSTR = char*;
using LPVOID = void*;
using HINSTANCE = void*;

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT DISP_E_OVERFLOW = static_cast<HRESULT>(0x8002000AU);

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

// Symbols are hidden by default; these mark what each shared library exports.
#define NXLPLATAFORMA_API __attribute__((visibility("default")))
#define NXLDADOSGC_API __attribute__((visibility("default")))

#endif
