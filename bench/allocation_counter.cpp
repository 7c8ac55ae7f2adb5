#include "allocation_counter.h"

#include <malloc.h>
#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<std::size_t> g_live{0};

void* allocate(std::size_t size) {
    void* p = std::malloc(size == 0 ? 1 : size);
    if (p == nullptr) {
        throw std::bad_alloc();
    }
    g_live += malloc_usable_size(p);
    return p;
}

void release(void* p) noexcept {
    if (p != nullptr) {
        g_live -= malloc_usable_size(p);
        std::free(p);
    }
}
}  // namespace

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* p) noexcept {
    release(p);
}
void operator delete[](void* p) noexcept {
    release(p);
}
void operator delete(void* p, std::size_t) noexcept {
    release(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    release(p);
}

namespace zt::bench {
std::size_t liveHeapBytes() {
    return g_live.load();
}
}  // namespace zt::bench
