#include "worker/LargePageHeap.h"

#include <cstddef>
#include <cstdint>

#ifdef CM_WITH_MIMALLOC
#include <mimalloc.h>

#include <sys/mman.h>
#include <unistd.h>
#endif

// A job fills tens of megabytes of fresh memory with qpdf's objects, and
// every first touch of a 4 KiB page is a page fault, which is dear on a
// virtual machine: a merge of 5000 pages spent a third of its time on them.
// In pages of 2 MiB it takes a sixth of the faults.
//
// mimalloc gives large pages only to memory it reserves after start-up, and
// the C++ run-time has taken memory from it by then. So the job's heap gets
// an area of its own: address space as large as the machine's memory, taken
// only as it is touched (MAP_NORESERVE), and advised to the kernel for large
// pages. The heap cannot outgrow it, nor could it outgrow the memory.
bool useLargePageHeap()
{
#ifdef CM_WITH_MIMALLOC
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pages <= 0 || pageSize <= 0)
        return false;
    // mimalloc finds the segment of an address by masking it: the area
    // starts on a boundary of its segment size (32 MiB), with room to spare.
    constexpr size_t Alignment = size_t(64) << 20;
    const size_t size = size_t(pages) * size_t(pageSize) / Alignment * Alignment;
    if (size == 0)
        return false;
    void *mapped = ::mmap(nullptr, size + Alignment, PROT_READ | PROT_WRITE,
                          MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (mapped == MAP_FAILED)
        return false;
    const uintptr_t begin = uintptr_t(mapped);
    const uintptr_t start = (begin + Alignment - 1) & ~uintptr_t(Alignment - 1);
    // The spare room goes back: before the boundary (if any) and after the area.
    if (start > begin)
        ::munmap(mapped, start - begin);
    ::munmap(reinterpret_cast<void *>(start + size), begin + Alignment - start);
    void *area = reinterpret_cast<void *>(start);
    ::madvise(area, size, MADV_HUGEPAGE);   // a system without large pages ignores it

    mi_arena_id_t arena = 0;
    mi_heap_t *heap = nullptr;
    if (mi_manage_os_memory_ex(area, size, true, true, true, -1, true, &arena))
        heap = mi_heap_new_in_arena(arena);
    if (!heap)
        return false;   // the area stays mapped, untouched: it costs no memory
    mi_heap_set_default(heap);
    return true;
#else
    return false;
#endif
}
