#include "editor/core/EtcUndo.h"

#include <new>
#include <utility>

#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"
#include "platform/core/SpanStream.h"

namespace zelvo {

namespace {

void checkKeyIndex(int32_t index) {
  if (index < 0 || index > 6) throw EIndexError("undo key", index, 7);
}

}  // namespace

TEtcUndoChip::TEtcUndoChip(TEtcUndo* owner, const TEtcUndoKeys& keys) : owner_(owner), keys_(keys) {}

TEtcUndoChip::~TEtcUndoChip() = default;

void TEtcUndoChip::Capture() {
  int64_t d = DataSize(keys_);
  if (d <= 0) return;
  if (owner_) owner_->MakeRoom(d + kUndoHeaderBytes);
  Allocate(d);
  SaveData(GetData(), keys_);
}

void TEtcUndoChip::Allocate(int64_t dataBytes) {
  block_.reset();
  size_ = 0;
  if (dataBytes <= 0) return;
  if (owner_ && dataBytes > owner_->GetBlockLimit() - kUndoHeaderBytes) throw std::bad_alloc();
  // Every data byte is written by the caller, so the block is not cleared first.
  block_.reset(new uint8_t[static_cast<size_t>(dataBytes + kUndoHeaderBytes)]);
  size_ = dataBytes + kUndoHeaderBytes;
  WriteHeader();
}

int32_t TEtcUndoChip::GetKey(int32_t index) const {
  checkKeyIndex(index);
  return keys_[index];
}

void TEtcUndoChip::SetKey(int32_t index, int32_t value) {
  checkKeyIndex(index);
  keys_[index] = value;
  WriteHeader();
}

void TEtcUndoChip::SetKeys(const TEtcUndoKeys& keys) {
  keys_ = keys;
  WriteHeader();
}

void TEtcUndoChip::WriteHeader() {
  if (!block_) return;
  SpanStream header(block_.get(), kUndoHeaderBytes, "undo");
  BinaryWriter out(header);
  for (int32_t key : keys_) out.writeInt32(key);
}

int64_t TEtcUndoChip::DataSize(TEtcUndoKeys&) { return 0; }

void TEtcUndoChip::SaveData(uint8_t*, const TEtcUndoKeys&) {}

TEtcUndo::TEtcUndo(int32_t budget) : budget_(budget) {}

TEtcUndo::~TEtcUndo() = default;

void TEtcUndo::Clear() {
  steps_.clear();
  undone_ = 0;
  total_ = 0;
  pending_ = false;
}

TEtcUndoChip* TEtcUndo::GetStep(int32_t index) const {
  if (index < 0 || index >= GetStepCount()) throw EIndexError("undo step", index, GetStepCount());
  return steps_[static_cast<size_t>(index)].get();
}

void TEtcUndo::SetStep(int32_t index, std::unique_ptr<TEtcUndoChip> step) {
  if (index < 0 || index >= GetStepCount()) throw EIndexError("undo step", index, GetStepCount());
  if (!step) return;
  auto& slot = steps_[static_cast<size_t>(index)];
  total_ += step->GetSize() - slot->GetSize();
  slot = std::move(step);
}

bool TEtcUndo::OverBudget(int64_t bytes) const {
  // The step a swap replaces is freed right after; it does not count against its successor.
  int64_t kept = total_;
  if (swapIndex_ >= 0) kept -= steps_[static_cast<size_t>(swapIndex_)]->GetSize();
  return budget_ < bytes + kept && kept > 0;
}

void TEtcUndo::DropFront() {
  total_ -= steps_.front()->GetSize();
  steps_.pop_front();
}

void TEtcUndo::DropBack() {
  total_ -= steps_.back()->GetSize();
  steps_.pop_back();
  --undone_;
}

void TEtcUndo::MakeRoom(int64_t bytes) {
  if (deferRoom_) return;
  if (swapIndex_ < 0) {
    while (!steps_.empty() && OverBudget(bytes)) DropFront();
    return;
  }
  while (swapIndex_ > 0 && OverBudget(bytes)) {
    DropFront();
    --swapIndex_;
  }
  // Everything behind the swapped step is undone (a redo tail); its far end is lost first.
  while (GetStepCount() - 1 > swapIndex_ && OverBudget(bytes)) DropBack();
}

std::unique_ptr<TEtcUndoChip> TEtcUndo::NewStep(const TEtcUndoKeys& keys) {
  auto step = CreateChip(keys);
  step->Capture();
  return step;
}

int32_t TEtcUndo::AddStep(int32_t key0, int32_t key1, int32_t key2, int32_t key3, int32_t key4, int32_t key5,
                          int32_t key6) {
  EndPending();
  while (undone_ > 0) DropBack();
  auto step = NewStep({key0, key1, key2, key3, key4, key5, key6});
  total_ += step->GetSize();
  steps_.push_back(std::move(step));
  return GetStepCount() - 1;
}

int32_t TEtcUndo::AddPendingStep(int32_t key0, int32_t key1, int32_t key2, int32_t key3, int32_t key4,
                                 int32_t key5, int32_t key6) {
  EndPending();
  struct DeferGuard {
    bool& flag;
    ~DeferGuard() { flag = false; }
  } guard{deferRoom_};
  deferRoom_ = true;
  int32_t index = AddStep(key0, key1, key2, key3, key4, key5, key6);
  pending_ = true;
  return index;
}

void TEtcUndo::EndPending() {
  if (!pending_) return;
  pending_ = false;
  if (steps_.empty() || undone_ > 0) return;
  auto& step = *steps_.back();
  int64_t before = step.GetSize();
  step.Settle();
  total_ += step.GetSize() - before;
  // The settled step is the newest and stays; older ones make room for it.
  while (GetStepCount() > 1 && budget_ < total_) DropFront();
}

bool TEtcUndo::Undo() {
  EndPending();
  if (steps_.empty() || undone_ >= GetStepCount()) return false;
  Swap(GetStepCount() - undone_ - 1);
  ++undone_;
  return true;
}

bool TEtcUndo::Redo() {
  EndPending();
  if (steps_.empty() || undone_ <= 0) return false;
  Swap(GetStepCount() - undone_);
  --undone_;
  return true;
}

void TEtcUndo::Swap(int32_t index) {
  EndPending();
  TEtcUndoKeys keys = GetStep(index)->GetKeys();
  struct SwapGuard {
    int32_t& slot;
    ~SwapGuard() { slot = -1; }
  };
  std::unique_ptr<TEtcUndoChip> fresh;
  {
    swapIndex_ = index;
    SwapGuard guard{swapIndex_};
    fresh = NewStep(keys);
    index = swapIndex_;  // older steps may have gone to make room
  }
  // A step that stored nothing has nothing to give back.
  if (steps_[static_cast<size_t>(index)]->GetSize() > 0) steps_[static_cast<size_t>(index)]->Restore();
  SetStep(index, std::move(fresh));
}

std::unique_ptr<TEtcUndoChip> TEtcUndo::CreateChip(const TEtcUndoKeys& keys) {
  return std::make_unique<TEtcUndoChip>(this, keys);
}

}  // namespace zelvo
