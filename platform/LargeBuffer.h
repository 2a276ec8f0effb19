#pragma once
// Memory for whole-image buffers (canvases, the pixel buffer, the byte maps). A large block is
// mapped fresh from the kernel, which hands it out zeroed, aligned to and backed by huge pages where
// the kernel gives them: a 10000 x 10000 picture then costs a few hundred page faults instead of a
// hundred thousand. Small blocks come from the ordinary heap.
#include <cstddef>
#include <new>

namespace vortel {

// Blocks of at least this many bytes are mapped.
inline constexpr size_t LargeBlockBytes = size_t(1) << 20;

// Throws std::bad_alloc. The block is zero-filled.
void* allocateLargeBlock(size_t bytes);
void releaseLargeBlock(void* block, size_t bytes);

template <class T>
struct LargeAllocator {
    using value_type = T;
    LargeAllocator() = default;
    template <class U>
    LargeAllocator(const LargeAllocator<U>&) {}

    T* allocate(size_t n) {
        if (n > size_t(-1) / sizeof(T)) throw std::bad_alloc();
        const size_t bytes = n * sizeof(T);
        if (bytes >= LargeBlockBytes) return static_cast<T*>(allocateLargeBlock(bytes));
        return static_cast<T*>(::operator new(bytes));
    }
    void deallocate(T* p, size_t n) {
        const size_t bytes = n * sizeof(T);
        if (bytes >= LargeBlockBytes) releaseLargeBlock(p, bytes);
        else ::operator delete(p);
    }
    template <class U>
    bool operator==(const LargeAllocator<U>&) const { return true; }
};

}  // namespace vortel
