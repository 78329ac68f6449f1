#pragma once
// A model-free undo history. Each step is seven int32 keys and a snapshot of what the keys name;
// undo and redo both swap: the step's snapshot goes back into the model and a fresh step with the
// same keys takes the state it overwrote. A byte budget bounds the blocks of all steps together.

#include <array>
#include <climits>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

namespace zelvo {

class TEtcUndo;

using TEtcUndoKeys = std::array<int32_t, 7>;

// The header in front of every snapshot: the seven keys.
inline constexpr int64_t kUndoHeaderBytes = 28;

class TEtcUndoChip {
 public:
  // Keeps the keys; the snapshot is taken by Capture, once the object is whole.
  TEtcUndoChip(TEtcUndo* owner, const TEtcUndoKeys& keys);
  virtual ~TEtcUndoChip();
  TEtcUndoChip(const TEtcUndoChip&) = delete;
  TEtcUndoChip& operator=(const TEtcUndoChip&) = delete;

  // Sizes the snapshot (DataSize may rewrite the keys), makes room in the owner's budget, then
  // allocates header and data and saves. A size of 0 allocates nothing.
  void Capture();

  int32_t GetKind() const { return keys_[0]; }
  // EIndexError outside 0..6.
  int32_t GetKey(int32_t index) const;
  void SetKey(int32_t index, int32_t value);
  void SetKeys(const TEtcUndoKeys& keys);
  const TEtcUndoKeys& GetKeys() const { return keys_; }
  // The bytes behind the header; nullptr without a block.
  uint8_t* GetData() { return block_ ? block_.get() + kUndoHeaderBytes : nullptr; }
  const uint8_t* GetData() const { return block_ ? block_.get() + kUndoHeaderBytes : nullptr; }
  // Header plus data bytes the block holds; 0 without a block.
  int64_t GetSize() const { return size_; }
  TEtcUndo* GetOwner() const { return owner_; }

  // Writes the snapshot back into the model.
  virtual void Restore() {}
  // The edit the step was recorded for is over: the step may give up what it need not restore.
  virtual void Settle() {}

 protected:
  // Snapshot bytes for these keys; 0 stores nothing.
  virtual int64_t DataSize(TEtcUndoKeys& keys);
  virtual void SaveData(uint8_t* data, const TEtcUndoKeys& keys);
  // Puts a block of this many data bytes under the current keys in place of the old one, which
  // stays readable through Old until the call returns; Fill writes the new data.
  template <typename Fill>
  void Reblock(int64_t dataBytes, Fill fill) {
    std::unique_ptr<uint8_t[]> old = std::move(block_);
    Allocate(dataBytes);
    fill(old ? old.get() + kUndoHeaderBytes : nullptr, GetData());
  }

 private:
  void Allocate(int64_t dataBytes);
  void WriteHeader();

  TEtcUndo* owner_;
  TEtcUndoKeys keys_;
  int64_t size_ = 0;
  std::unique_ptr<uint8_t[]> block_;
};

class TEtcUndo {
 public:
  explicit TEtcUndo(int32_t budget);
  virtual ~TEtcUndo();
  TEtcUndo(const TEtcUndo&) = delete;
  TEtcUndo& operator=(const TEtcUndo&) = delete;

  void Clear();
  // EIndexError outside 0..count-1.
  TEtcUndoChip* GetStep(int32_t index) const;
  // Frees the step it replaces; EIndexError outside 0..count-1, nullptr is ignored.
  void SetStep(int32_t index, std::unique_ptr<TEtcUndoChip> step);
  int32_t GetStepCount() const { return static_cast<int32_t>(steps_.size()); }
  // How many of the newest steps are undone, i.e. can be redone.
  int32_t GetUndoneCount() const { return undone_; }
  int32_t GetBudget() const { return budget_; }
  // A block larger than this is treated as one that cannot be allocated (std::bad_alloc), so a
  // step never takes memory the machine should keep; no limit by default.
  void SetBlockLimit(int64_t bytes) { blockLimit_ = bytes; }
  int64_t GetBlockLimit() const { return blockLimit_; }
  int64_t TotalSize() const { return total_; }

  // Frees the oldest steps until a block of the given size fits the budget or none is left.
  // During a swap the step being swapped survives: older steps go first, then the undone steps
  // farthest from the current state.
  void MakeRoom(int64_t bytes);
  // Drops the redo tail, then records a step of the current state; returns its index. Throws
  // std::bad_alloc, with the redo tail gone and nothing else changed, when the block cannot be had.
  int32_t AddStep(int32_t key0, int32_t key1 = 0, int32_t key2 = 0, int32_t key3 = 0, int32_t key4 = 0,
                  int32_t key5 = 0, int32_t key6 = 0);
  // AddStep for an edit still to come whose step may grow smaller once it is over: no older step
  // is freed for it until EndPending settles it.
  int32_t AddPendingStep(int32_t key0, int32_t key1 = 0, int32_t key2 = 0, int32_t key3 = 0, int32_t key4 = 0,
                         int32_t key5 = 0, int32_t key6 = 0);
  // Settles the pending step, if any, and frees older steps until the history fits its budget.
  // Every other change to the history does this first.
  void EndPending();
  bool HasPendingStep() const { return pending_; }
  // False (and nothing changes) when there is nothing to undo or redo.
  bool Undo();
  bool Redo();
  // Restores step Index and leaves in its place a step that undoes the restore. If the capture or
  // the restore throws, the old step stays where it was. EIndexError outside 0..count-1.
  void Swap(int32_t index);

 protected:
  // The step factory; the history captures what it returns.
  virtual std::unique_ptr<TEtcUndoChip> CreateChip(const TEtcUndoKeys& keys);

 private:
  std::unique_ptr<TEtcUndoChip> NewStep(const TEtcUndoKeys& keys);
  void DropFront();
  void DropBack();
  bool OverBudget(int64_t bytes) const;

  int32_t budget_;
  std::deque<std::unique_ptr<TEtcUndoChip>> steps_;
  int32_t undone_ = 0;
  int64_t total_ = 0;
  int32_t swapIndex_ = -1;  // the step a running swap replaces; -1 outside a swap
  int64_t blockLimit_ = INT64_MAX;
  bool pending_ = false;    // the newest step is not settled yet
  bool deferRoom_ = false;  // a pending step is being captured
};

}  // namespace zelvo
