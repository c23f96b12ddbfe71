// Counting replacements of the C allocation functions, over glibc's own.
#include "Contagem.h"

#include <malloc.h>        // mallopt, malloc_usable_size
#include <sys/resource.h>  // getrusage

#include <cerrno>
#include <cstddef>

// Under a sanitizer the runtime owns malloc: nothing is replaced and the counters stay zero.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define NXBENCH_SEM_CONTAGEM 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define NXBENCH_SEM_CONTAGEM 1
#endif
#endif

namespace {

// Plain integers: the benchmarks run on one thread, and these must work before any
// constructor has run (the loader allocates before main).
std::int64_t g_blocos = 0;
std::int64_t g_vivos = 0;
std::int64_t g_pico = 0;

}  // namespace

#ifndef NXBENCH_SEM_CONTAGEM
extern "C" {
void* __libc_malloc(std::size_t);
void* __libc_calloc(std::size_t, std::size_t);
void* __libc_realloc(void*, std::size_t);
void* __libc_memalign(std::size_t, std::size_t);
void __libc_free(void*);
}

namespace {

inline void* Ganhou(void* p) {
    if (p) {
        ++g_blocos;
        g_vivos += static_cast<std::int64_t>(malloc_usable_size(p));
        if (g_vivos > g_pico) g_pico = g_vivos;
    }
    return p;
}
inline void Perdeu(void* p) {
    if (p) g_vivos -= static_cast<std::int64_t>(malloc_usable_size(p));
}

}  // namespace

extern "C" {

void* malloc(std::size_t n) { return Ganhou(__libc_malloc(n)); }
void* calloc(std::size_t n, std::size_t m) { return Ganhou(__libc_calloc(n, m)); }
void free(void* p) {
    Perdeu(p);
    __libc_free(p);
}
void* realloc(void* p, std::size_t n) {
    if (p && n == 0) {
        free(p);
        return nullptr;
    }
    const std::int64_t antes = p ? static_cast<std::int64_t>(malloc_usable_size(p)) : 0;
    void* q = __libc_realloc(p, n);
    if (q) {
        g_vivos -= antes;
        Ganhou(q);
    }
    return q;
}
void* memalign(std::size_t alinhamento, std::size_t n) { return Ganhou(__libc_memalign(alinhamento, n)); }
void* aligned_alloc(std::size_t alinhamento, std::size_t n) { return memalign(alinhamento, n); }
int posix_memalign(void** p, std::size_t alinhamento, std::size_t n) {
    void* q = memalign(alinhamento, n);
    if (!q) return ENOMEM;
    *p = q;
    return 0;
}
void* valloc(std::size_t n) { return memalign(4096, n); }
void* pvalloc(std::size_t n) { return memalign(4096, (n + 4095) & ~std::size_t{4095}); }

}  // extern "C"
#endif

namespace nxbench {

Memoria LerMemoria() { return {g_blocos, g_vivos, g_pico}; }
void ZerarPico() { g_pico = g_vivos; }

std::int64_t FaltasPagina() {
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    return uso.ru_minflt + uso.ru_majflt;
}

const char* FixarLimitesMalloc() {
    // Every block from the heap (no mmap, whose fresh pages would fault on every iteration),
    // and a heap that keeps what is freed.
    const bool ok = mallopt(M_MMAP_MAX, 0) == 1 && mallopt(M_TRIM_THRESHOLD, 1 << 30) == 1 &&
                    mallopt(M_TOP_PAD, 64 << 20) == 1;
    return ok ? "mallopt M_MMAP_MAX=0 M_TRIM_THRESHOLD=1GiB M_TOP_PAD=64MiB"
              : "mallopt FAILED: glibc's default thresholds are in force";
}

}  // namespace nxbench
