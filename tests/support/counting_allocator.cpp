#include "counting_allocator.h"

#include <cstddef>

// glibc's own allocator, under the names it keeps for programs that replace malloc.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* pointer);
}

namespace {
thread_local bool counting = false;
thread_local long allocations = 0;

void Note() {
  if (counting) ++allocations;
}
}  // namespace

extern "C" {
void* malloc(size_t size) {
  Note();
  return __libc_malloc(size);
}
void* calloc(size_t count, size_t size) {
  Note();
  return __libc_calloc(count, size);
}
void* realloc(void* pointer, size_t size) {
  Note();
  return __libc_realloc(pointer, size);
}
void* memalign(size_t alignment, size_t size) {
  Note();
  return __libc_memalign(alignment, size);
}
void* aligned_alloc(size_t alignment, size_t size) {
  Note();
  return __libc_memalign(alignment, size);
}
int posix_memalign(void** pointer, size_t alignment, size_t size) {
  Note();
  *pointer = __libc_memalign(alignment, size);
  return *pointer != nullptr ? 0 : 12;  // ENOMEM
}
void free(void* pointer) {
  __libc_free(pointer);
}
}

namespace ostrakin::testing {

CountAllocations::CountAllocations() {
  allocations = 0;
  counting = true;
}
CountAllocations::~CountAllocations() {
  counting = false;
}
long CountAllocations::Count() const {
  return allocations;
}

}  // namespace ostrakin::testing
