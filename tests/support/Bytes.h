// Raw reads of record bytes, for tests that check where a transfer put each value and block.
#ifndef NXLDADOSGC_TESTES_APOIO_BYTES_H
#define NXLDADOSGC_TESTES_APOIO_BYTES_H

#include <cstddef>
#include <cstring>

namespace teste {

// The value of type T at byte offset `desloc` of a record.
template <class T>
T Ler(const void* base, std::size_t desloc) {
    T v;
    std::memcpy(static_cast<void*>(&v), static_cast<const unsigned char*>(base) + desloc, sizeof v);
    return v;
}
// The block a record's pointer field at `desloc` points to.
inline const unsigned char* Bloco(const void* base, std::size_t desloc) {
    return Ler<const unsigned char*>(base, desloc);
}
// True when bytes [de, ate) of a record are all zero.
inline bool Zeros(const void* base, std::size_t de, std::size_t ate) {
    for (std::size_t i = de; i < ate; ++i)
        if (static_cast<const unsigned char*>(base)[i] != 0) return false;
    return true;
}

}  // namespace teste

#endif
