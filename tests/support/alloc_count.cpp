// Counts every heap allocation of the program that links it (see alloc_count.hpp).
#include "support/alloc_count.hpp"

#include <cstdlib>
#include <new>

std::atomic<long> g_velmora_allocations{0};

void* operator new(std::size_t n) {
  ++g_velmora_allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) {
  ++g_velmora_allocations;
  if (void* p = std::malloc(n ? n : 1)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
