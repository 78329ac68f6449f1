#include "model/RecordArena.h"

#include <sys/mman.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/asan_interface.h>
#define ZELVO_POISON(at, bytes) ASAN_POISON_MEMORY_REGION(at, bytes)
#define ZELVO_UNPOISON(at, bytes) ASAN_UNPOISON_MEMORY_REGION(at, bytes)
#else
#define ZELVO_POISON(at, bytes) ((void)(at), (void)(bytes))
#define ZELVO_UNPOISON(at, bytes) ((void)(at), (void)(bytes))
#endif

#include <atomic>
#include <mutex>
#include <new>

namespace zelvo {

namespace {

// The first bytes of every block: how many of its objects are still alive, plus a large bias
// while the block is still being filled, so that frees on other threads cannot give it up early.
struct BlockHeader {
  std::atomic<int64_t> live;
};
constexpr size_t kHeaderBytes = 64;
constexpr int64_t kFillingBias = int64_t(1) << 40;

std::atomic<int64_t> gLiveBlocks{0};
std::atomic<int64_t> gMappedBlocks{0};

BlockHeader* headerOf(void* object) {
  return reinterpret_cast<BlockHeader*>(reinterpret_cast<uintptr_t>(object) & ~(RecordArena::kBlockBytes - 1));
}

// Blocks whose objects are all gone. Their pages past the first are handed back lazily: the
// kernel takes them when it needs memory, and a block taken again before that costs no page
// faults, where a fresh mapping costs one per page. The first page keeps the link.
struct SpareBlock {
  SpareBlock* next;
};
constexpr size_t kLinkPageBytes = 4096;
std::mutex gSpareMutex;
SpareBlock* gSpare = nullptr;

void releaseBlock(BlockHeader* block) noexcept {
  block->~BlockHeader();
  gLiveBlocks.fetch_sub(1, std::memory_order_relaxed);
  char* base = reinterpret_cast<char*>(block);
  if (madvise(base + kLinkPageBytes, RecordArena::kBlockBytes - kLinkPageBytes, MADV_FREE) != 0) {
    // Whatever is mapped here next must not inherit the poison.
    ZELVO_UNPOISON(block, RecordArena::kBlockBytes);
    munmap(block, RecordArena::kBlockBytes);
    gMappedBlocks.fetch_sub(1, std::memory_order_relaxed);
    return;
  }
  auto* spare = new (base) SpareBlock{nullptr};
  std::lock_guard<std::mutex> lock(gSpareMutex);
  spare->next = gSpare;
  gSpare = spare;
}

void* takeSpare() noexcept {
  std::lock_guard<std::mutex> lock(gSpareMutex);
  SpareBlock* spare = gSpare;
  if (spare) gSpare = spare->next;
  return spare;
}

// A block aligned to its size, so that any object finds its header by masking its address.
void* mapAligned() {
  constexpr size_t size = RecordArena::kBlockBytes;
  void* raw = mmap(nullptr, 2 * size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (raw == MAP_FAILED) throw std::bad_alloc();
  const uintptr_t begin = reinterpret_cast<uintptr_t>(raw);
  const uintptr_t aligned = (begin + size - 1) & ~(size - 1);
  if (aligned > begin) munmap(raw, aligned - begin);
  if (begin + 2 * size > aligned + size)
    munmap(reinterpret_cast<void*>(aligned + size), begin + 2 * size - (aligned + size));
  gMappedBlocks.fetch_add(1, std::memory_order_relaxed);
  return reinterpret_cast<void*>(aligned);
}

// Small pages on purpose: where the kernel must compact memory to find a large page, each
// block's first touch can stall for milliseconds, and a first load paid several times over.
// Past the header, a block is poisoned until Allocate hands a slot out.
BlockHeader* newBlock() {
  void* at = takeSpare();
  if (!at) at = mapAligned();
  gLiveBlocks.fetch_add(1, std::memory_order_relaxed);
  ZELVO_POISON(static_cast<char*>(at) + kHeaderBytes, RecordArena::kBlockBytes - kHeaderBytes);
  return new (at) BlockHeader{kFillingBias};
}

// The block a thread fills, and the run of reads it is counting.
struct ThreadArena {
  BlockHeader* block = nullptr;
  char* next = nullptr;
  char* end = nullptr;
  int64_t handedOut = 0;
  uint64_t source = 0;  // no stream has identity 0
  int64_t runLength = 0;

  ~ThreadArena() { retire(); }

  // Gives up the block: it now lives exactly as long as the objects handed out from it.
  void retire() noexcept {
    if (!block) return;
    const int64_t drop = kFillingBias - handedOut;
    if (block->live.fetch_sub(drop, std::memory_order_acq_rel) == drop) releaseBlock(block);
    block = nullptr;
    next = end = nullptr;
    handedOut = 0;
  }

  void refill() {
    retire();
    block = newBlock();
    next = reinterpret_cast<char*>(block) + kHeaderBytes;
    end = reinterpret_cast<char*>(block) + RecordArena::kBlockBytes;
  }
};

thread_local ThreadArena tArena;

}  // namespace

bool RecordArena::Take(uint64_t streamIdentity) noexcept {
  ThreadArena& arena = tArena;
  if (streamIdentity != arena.source) {
    arena.source = streamIdentity;
    arena.runLength = 0;
  }
  return ++arena.runLength > kHeapObjectsPerRun;
}

namespace {
char* alignUp(char* p, size_t align) {
  return reinterpret_cast<char*>((reinterpret_cast<uintptr_t>(p) + align - 1) & ~(align - 1));
}
}  // namespace

void* RecordArena::Allocate(size_t bytes, size_t align) {
  if (bytes == 0 || bytes > kBlockBytes - 2 * kHeaderBytes || align == 0 || align > kHeaderBytes ||
      (align & (align - 1)) != 0)
    throw std::bad_alloc();
  // Slots start on whole 8-byte granules, so that poisoning one never touches the next.
  if (align < 8) align = 8;
  ThreadArena& arena = tArena;
  char* slot = arena.block ? alignUp(arena.next, align) : nullptr;
  if (!slot || slot > arena.end || static_cast<size_t>(arena.end - slot) < bytes) {
    arena.refill();
    slot = arena.next;
  }
  arena.next = slot + bytes;
  ++arena.handedOut;
  ZELVO_UNPOISON(slot, bytes);
  return slot;
}

void RecordArena::Release(void* object, size_t bytes) noexcept {
  ZELVO_POISON(object, bytes);
  BlockHeader* block = headerOf(object);
  if (block->live.fetch_sub(1, std::memory_order_acq_rel) == 1) releaseBlock(block);
}

int64_t RecordArena::LiveBlocks() noexcept { return gLiveBlocks.load(std::memory_order_relaxed); }

int64_t RecordArena::MappedBlocks() noexcept { return gMappedBlocks.load(std::memory_order_relaxed); }

}  // namespace zelvo
