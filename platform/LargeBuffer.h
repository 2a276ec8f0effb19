#pragma once
// Memory for whole-image buffers (canvases, the pixel buffer, the byte maps). A large block is
// mapped fresh from the kernel, which hands it out zeroed, aligned to and backed by huge pages where
// the kernel gives them: a 10000 x 10000 picture then costs a few hundred page faults instead of a
// hundred thousand. Small blocks come from the ordinary heap.
#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

namespace vortel {

// Blocks of at least this many bytes are mapped.
inline constexpr size_t LargeBlockBytes = size_t(1) << 20;

// Throws std::bad_alloc. The block is zero-filled.
void* allocateLargeBlock(size_t bytes);
void releaseLargeBlock(void* block, size_t bytes);
// Backs the whole pages within [data, data + bytes) at once, for memory about to be written whole:
// one call instead of a fault on every page. A hint; it does nothing where the kernel cannot.
void prefaultForWriting(void* data, size_t bytes);

// Every block this allocator hands out is zero-filled (large ones by the kernel, page by page as
// they are first touched), so elements made without a value are left as they are: a map made
// with n elements costs no pass over its memory, and pages never written are never backed.

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
        void* block = std::calloc(bytes ? bytes : 1, 1);
        if (!block) throw std::bad_alloc();
        return static_cast<T*>(block);
    }
    void deallocate(T* p, size_t n) {
        const size_t bytes = n * sizeof(T);
        if (bytes >= LargeBlockBytes) releaseLargeBlock(p, bytes);
        else std::free(p);
    }
    template <class U>
    void construct(U* p) noexcept {
        ::new (static_cast<void*>(p)) U;
    }
    template <class U, class... Args>
    void construct(U* p, Args&&... args) {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }
    template <class U>
    bool operator==(const LargeAllocator<U>&) const { return true; }
};

// Makes `v` hold n zero elements of a trivial type. A vector of that size already is cleared in
// place (its memory is reused); otherwise its memory is given back and fresh zeroed memory taken,
// which nothing writes.
template <class T>
void assignZeros(std::vector<T, LargeAllocator<T>>& v, size_t n) {
    static_assert(std::is_trivial_v<T>);
    if (v.size() == n) {
        std::fill(v.begin(), v.end(), T{});
        return;
    }
    std::vector<T, LargeAllocator<T>>().swap(v);
    v.resize(n);
}

}  // namespace vortel
