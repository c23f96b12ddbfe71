// Basic types and export macros of the framework stand-in.
#ifndef NXLDADOSGC_PLATFORM_TIPOS_H
#define NXLDADOSGC_PLATFORM_TIPOS_H

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
