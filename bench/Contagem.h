// What a benchmark costs besides time: blocks allocated, peak bytes held and page faults.
// Contagem.cpp replaces malloc, calloc, realloc, free and the aligned forms for the benchmark
// program only (operator new and the task allocator end in malloc, so they are counted too).
#ifndef NXLDADOSGC_BENCH_CONTAGEM_H
#define NXLDADOSGC_BENCH_CONTAGEM_H

#include <cstdint>

namespace nxbench {

// Totals since the program started. Bytes are usable sizes (what malloc_usable_size answers),
// so they include each block's rounding but not its header.
struct Memoria {
    std::int64_t blocos = 0;      // calls that handed out or resized a block
    std::int64_t bytesVivos = 0;  // bytes held right now
    std::int64_t pico = 0;        // highest bytesVivos since the last ZerarPico
};
Memoria LerMemoria();
void ZerarPico();  // pico := bytesVivos

std::int64_t FaltasPagina();  // minor + major page faults of the process so far

// Fixes glibc's thresholds so that freeing does not give memory back to the kernel between
// iterations (trim) and large blocks come from the heap rather than from fresh mappings
// (mmap), whose page faults would otherwise dominate every figure that allocates. Returns a
// line for the report. Allocation stays exactly as the library and the references do it.
const char* FixarLimitesMalloc();

}  // namespace nxbench

#endif
