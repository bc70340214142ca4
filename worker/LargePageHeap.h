#pragma once

// Makes the calling thread allocate from memory the kernel backs with pages
// of 2 MiB where it can, instead of 4 KiB. Returns false, changing nothing,
// when the allocator or the system does not allow it.
bool useLargePageHeap();
