#pragma once
// Records read from a stream come by the million (orders above all). One heap allocation and
// one fresh page after another cost more than reading them: a long read bump-allocates them
// from 2 MiB blocks instead. A block is given up when the last object in it is freed, by
// whichever thread frees it; its memory goes back to the kernel lazily and the block serves
// the next long read if the kernel has not taken it by then.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>

namespace zelvo {

class RecordArena {
 public:
  static constexpr size_t kBlockBytes = size_t(2) << 20;
  // The first objects of each run of reads stay on the heap, so that a small read (a copy, an
  // undo step, one event) never holds a whole block.
  static constexpr int64_t kHeapObjectsPerRun = 2048;

  // Counts one more object read on this thread from the stream of the given identity
  // (ByteStream::Identity) and tells whether it goes in the arena. Reads from one stream form a
  // run; a read from any other stream, even one made where the last one was, starts a new one.
  static bool Take(uint64_t streamIdentity) noexcept;
  // Bytes is well under a block and Align a power of two up to 64; throws std::bad_alloc
  // otherwise and when no block can be mapped.
  static void* Allocate(size_t bytes, size_t align);
  // Bytes as given to Allocate. Under AddressSanitizer every byte of a block that holds no live
  // object is poisoned, so a use after free in a block is reported as on the heap.
  static void Release(void* object, size_t bytes) noexcept;
  // Blocks holding objects or being filled, all threads together.
  static int64_t LiveBlocks() noexcept;
  // The same and the blocks given up but kept for the next long read.
  static int64_t MappedBlocks() noexcept;
};

// For std::allocate_shared: the object and its control block share one arena slot.
template <class T>
struct RecordArenaAllocator {
  using value_type = T;
  RecordArenaAllocator() = default;
  template <class U>
  RecordArenaAllocator(const RecordArenaAllocator<U>&) noexcept {}
  T* allocate(size_t n) {
    if (n != 1) throw std::bad_alloc();
    return static_cast<T*>(RecordArena::Allocate(sizeof(T), alignof(T)));
  }
  void deallocate(T* p, size_t) noexcept { RecordArena::Release(p, sizeof(T)); }
  template <class U>
  bool operator==(const RecordArenaAllocator<U>&) const noexcept {
    return true;
  }
};

// A fresh T built from Args, in the arena when the read from the stream is a long one.
template <class T, class... Args>
std::shared_ptr<T> MakeRead(uint64_t streamIdentity, Args&&... args) {
  if (RecordArena::Take(streamIdentity))
    return std::allocate_shared<T>(RecordArenaAllocator<T>{}, std::forward<Args>(args)...);
  return std::make_shared<T>(std::forward<Args>(args)...);
}

}  // namespace zelvo
