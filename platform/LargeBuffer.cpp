#include "platform/LargeBuffer.h"

#include <sys/mman.h>

#include <cstdint>

namespace vortel {

namespace {
constexpr size_t kHugePage = size_t(2) << 20;
constexpr size_t kPage = 4096;
size_t wholePages(size_t bytes) { return (bytes + kPage - 1) & ~(kPage - 1); }
}  // namespace

void* allocateLargeBlock(size_t bytes) {
    // Mapped with a huge page of slack, then trimmed so the block starts on a huge-page boundary.
    bytes = wholePages(bytes);
    const size_t length = bytes + kHugePage;
    void* raw = ::mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (raw == MAP_FAILED) throw std::bad_alloc();
    const uintptr_t start = reinterpret_cast<uintptr_t>(raw);
    const uintptr_t aligned = (start + kHugePage - 1) & ~uintptr_t(kHugePage - 1);
    const size_t head = aligned - start, tail = length - head - bytes;
    if (head) ::munmap(raw, head);
    if (tail) ::munmap(reinterpret_cast<void*>(aligned + bytes), tail);
    void* block = reinterpret_cast<void*>(aligned);
    ::madvise(block, bytes, MADV_HUGEPAGE);  // a hint: without huge pages the block still works
    return block;
}

void prefaultForWriting(void* data, size_t bytes) {
    const uintptr_t start = (reinterpret_cast<uintptr_t>(data) + kPage - 1) & ~uintptr_t(kPage - 1);
    const uintptr_t end = (reinterpret_cast<uintptr_t>(data) + bytes) & ~uintptr_t(kPage - 1);
    if (end > start) ::madvise(reinterpret_cast<void*>(start), end - start, MADV_POPULATE_WRITE);
}

void releaseLargeBlock(void* block, size_t bytes) {
    if (block) ::munmap(block, wholePages(bytes));
}

}  // namespace vortel
