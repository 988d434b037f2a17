#pragma once
// Counts the program's heap allocations by replacing the global operator new.
// Replacement functions may be defined once per program only: include this header
// in exactly one source file of a program.
#include <cstdlib>
#include <new>

namespace hushwall::testing {

inline long heap_allocations = 0;

}  // namespace hushwall::testing

void* operator new(std::size_t size) {
  ++hushwall::testing::heap_allocations;
  if (void* block = std::malloc(size ? size : 1)) return block;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }
