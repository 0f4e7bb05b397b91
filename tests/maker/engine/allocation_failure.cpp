#include "allocation_failure.h"

#include <cstdlib>
#include <new>

namespace {

// Per thread, so the engine's own threads allocate as usual while a call is walked.
thread_local int countdown = 0;
thread_local bool failed = false;

void* allocate(std::size_t size) {
    if (countdown > 0 && --countdown == 0) {
        failed = true;
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size == 0 ? 1 : size))
        return memory;
    throw std::bad_alloc();
}

} // namespace

namespace radezuvi::test {

void failAllocation(int n) {
    countdown = n;
    failed = false;
}

bool allocationFailed() {
    countdown = 0;
    return failed;
}

} // namespace radezuvi::test

void* operator new(std::size_t size) {
    return allocate(size);
}
void* operator new[](std::size_t size) {
    return allocate(size);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
