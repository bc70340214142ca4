#ifndef CLEAVEMARK_WORKER_HEAPPAGES_H
#define CLEAVEMARK_WORKER_HEAPPAGES_H

// A job parses and copies hundreds of thousands of small PDF objects: tens of
// megabytes of fresh heap, each 4 KiB of it first touched through a page
// fault. On this kind of job the faults took about a third of the time.
// Asking the kernel for transparent huge pages (2 MiB) on the heap turns
// thousands of faults into a few dozen. Nothing depends on the answer: where
// the kernel refuses (huge pages off, or not a Linux kernel) the heap works
// as before.
namespace HeapPages {

// Advises the region that serves small allocations now: the allocator mapped
// it while the libraries started, before main could say anything. Call first
// thing in main; regions mapped later are the allocator's to advise (mimalloc
// does so when told). Returns whether the kernel took the advice.
bool adviseCurrentRegion();

} // namespace HeapPages

#endif
