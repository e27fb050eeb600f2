// Counts the heap allocations the calling thread makes while a CountAllocations object lives.
// The test program that links counting_allocator.cpp replaces malloc and its family (and so
// operator new, which calls malloc) for the whole process.
#pragma once

namespace ostrakin::testing {

class CountAllocations {
 public:
  CountAllocations();
  ~CountAllocations();
  CountAllocations(const CountAllocations&) = delete;
  CountAllocations& operator=(const CountAllocations&) = delete;
  long Count() const;
};

}  // namespace ostrakin::testing
