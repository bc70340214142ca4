#include "worker/HeapPages.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include <sys/mman.h>

namespace {

struct MappingRange {
    std::uintptr_t start = 0;
    std::uintptr_t end = 0;
};

// The mapping of this process that holds address, from /proc/self/maps.
// Read with the C library, not Qt: this runs before anything else is set up.
MappingRange mappingHolding(std::uintptr_t address)
{
    std::unique_ptr<FILE, int (*)(FILE *)> maps(std::fopen("/proc/self/maps", "re"), &std::fclose);
    if (!maps)
        return {};
    char line[512];
    while (std::fgets(line, sizeof line, maps.get())) {
        unsigned long start = 0;
        unsigned long end = 0;
        if (std::sscanf(line, "%lx-%lx", &start, &end) == 2 && start <= address && address < end)
            return {start, end};
    }
    return {};
}

} // namespace

namespace HeapPages {

bool adviseCurrentRegion()
{
    void *probe = std::malloc(64);
    const MappingRange range = mappingHolding(reinterpret_cast<std::uintptr_t>(probe));
    std::free(probe);
#ifdef MADV_HUGEPAGE
    if (range.end > range.start)
        return madvise(reinterpret_cast<void *>(range.start), range.end - range.start, MADV_HUGEPAGE) == 0;
#endif
    return false;
}

} // namespace HeapPages
