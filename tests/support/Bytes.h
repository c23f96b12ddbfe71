// Raw reads and writes of record bytes.
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

// Writes v at byte offset `desloc` of a record.
template <class T>
void Gravar(void* base, std::size_t desloc, T v) {
    std::memcpy(static_cast<unsigned char*>(base) + desloc, &v, sizeof v);
}

}  // namespace teste

#endif
