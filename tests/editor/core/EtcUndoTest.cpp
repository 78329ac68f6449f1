// The generic undo history over a toy model: a row of ints, of which a step saves a range.
#include <gtest/gtest.h>

#include <cstring>
#include <stdexcept>
#include <vector>

#include "editor/core/EtcUndo.h"
#include "platform/core/Errors.h"

namespace zelvo {
namespace {

enum ToyKind : int32_t { Range = 1, Failing = 2, Whole = 3, Nothing = 9 };

class ToyUndo;

// Range: key 1 first index, key 2 count of ints saved. Whole: the whole row, whatever its length
// (key 2 becomes it). A Failing step cannot be restored.
class ToyStep : public TEtcUndoChip {
 public:
  ToyStep(TEtcUndo* owner, const TEtcUndoKeys& keys, std::vector<int32_t>& model)
      : TEtcUndoChip(owner, keys), model_(model) {}
  void Restore() override {
    if (GetKind() == Failing) throw std::runtime_error("cannot restore");
    if (GetKind() == Whole) {
      auto* ints = reinterpret_cast<const int32_t*>(GetData());
      model_.assign(ints, ints + GetKey(2));
      return;
    }
    std::memcpy(model_.data() + GetKey(1), GetData(), size_t(GetKey(2)) * 4);
  }

 protected:
  int64_t DataSize(TEtcUndoKeys& keys) override {
    if (keys[0] == Whole) keys[2] = int32_t(model_.size());
    return keys[0] == Nothing ? 0 : int64_t(keys[2]) * 4;
  }
  void SaveData(uint8_t* data, const TEtcUndoKeys& keys) override {
    std::memcpy(data, model_.data() + keys[1], size_t(keys[2]) * 4);
  }

 private:
  std::vector<int32_t>& model_;
};

class ToyUndo : public TEtcUndo {
 public:
  explicit ToyUndo(int32_t budget, size_t size = 16) : TEtcUndo(budget), model(size, 0) {}
  // Records a step for [first, first + count), then sets those ints to value.
  void Edit(int32_t first, int32_t count, int32_t value) {
    AddStep(Range, first, count);
    for (int32_t i = first; i < first + count; ++i) model[size_t(i)] = value;
  }
  // Records a step of the whole row, then gives it a new length.
  void Resize(size_t size, int32_t value) {
    AddStep(Whole);
    model.assign(size, value);
  }
  std::vector<int32_t> model;

 protected:
  std::unique_ptr<TEtcUndoChip> CreateChip(const TEtcUndoKeys& keys) override {
    return std::make_unique<ToyStep>(this, keys, model);
  }
};

TEST(EtcUndo, UndoAndRedoSwapTheStates) {
  ToyUndo undo(1000);
  undo.Edit(0, 2, 1);
  undo.Edit(1, 2, 2);
  EXPECT_EQ(undo.model[0], 1);
  EXPECT_EQ(undo.model[2], 2);
  undo.Undo();
  EXPECT_EQ(std::vector<int32_t>(undo.model.begin(), undo.model.begin() + 3), (std::vector<int32_t>{1, 1, 0}));
  undo.Undo();
  EXPECT_EQ(std::vector<int32_t>(undo.model.begin(), undo.model.begin() + 3), (std::vector<int32_t>{0, 0, 0}));
  EXPECT_EQ(undo.GetUndoneCount(), 2);
  undo.Undo();  // nothing left: ignored
  EXPECT_EQ(undo.GetUndoneCount(), 2);
  undo.Redo();
  undo.Redo();
  EXPECT_EQ(std::vector<int32_t>(undo.model.begin(), undo.model.begin() + 3), (std::vector<int32_t>{1, 2, 2}));
  undo.Redo();  // nothing undone: ignored
  EXPECT_EQ(undo.GetUndoneCount(), 0);
  EXPECT_EQ(undo.GetStepCount(), 2);
}

TEST(EtcUndo, AddingAStepDropsTheRedoTail) {
  ToyUndo undo(1000);
  undo.Edit(0, 1, 1);
  undo.Edit(0, 1, 2);
  undo.Edit(0, 1, 3);
  undo.Undo();
  undo.Undo();
  undo.Edit(0, 1, 9);
  EXPECT_EQ(undo.GetStepCount(), 2);
  EXPECT_EQ(undo.GetUndoneCount(), 0);
  undo.Redo();
  EXPECT_EQ(undo.model[0], 9);
  undo.Undo();
  EXPECT_EQ(undo.model[0], 1);
  undo.Undo();
  EXPECT_EQ(undo.model[0], 0);
}

TEST(EtcUndo, TheBudgetDropsTheOldestSteps) {
  // One int is 4 bytes of data, 32 with the header.
  struct Case {
    int32_t budget, count, steps;
  } cases[] = {{100, 7, 1}, {100, 1, 3}, {96, 1, 3}, {95, 1, 2}, {10, 1, 1}, {0, 1, 1}};
  for (const auto& c : cases) {
    ToyUndo undo(c.budget);
    for (int32_t i = 1; i <= 5; ++i) undo.Edit(0, c.count, i);
    EXPECT_EQ(undo.GetStepCount(), c.steps) << "budget " << c.budget << ", " << c.count << " ints";
    EXPECT_TRUE(undo.TotalSize() <= c.budget || undo.GetStepCount() == 1);
    EXPECT_EQ(undo.GetStep(undo.GetStepCount() - 1)->GetKey(0), Range);
    for (int32_t i = 0; i < c.steps; ++i) undo.Undo();
    EXPECT_EQ(undo.model[0], 5 - c.steps) << "the newest steps survive";
  }
}

TEST(EtcUndo, SevenIntStepsAtTheBudgetOfAHundredKeepOnlyTheNewest) {
  // 28 bytes of data and the 28-byte header: 56 bytes, as one 28-byte cell.
  ToyUndo undo(100);
  for (int32_t i = 1; i <= 4; ++i) {
    undo.Edit(0, 7, i);
    EXPECT_EQ(undo.GetStepCount(), 1);
    EXPECT_EQ(undo.TotalSize(), 56);
  }
}

TEST(EtcUndo, AStepLargerThanTheBudgetIsStillKeptAndRestored) {
  ToyUndo undo(40);
  undo.Edit(0, 1, 1);
  undo.Edit(0, 16, 2);
  EXPECT_EQ(undo.GetStepCount(), 1);
  EXPECT_EQ(undo.TotalSize(), 16 * 4 + 28);
  undo.Undo();
  std::vector<int32_t> before(16, 0);
  before[0] = 1;
  EXPECT_EQ(undo.model, before);
  undo.Redo();
  EXPECT_EQ(undo.model, std::vector<int32_t>(16, 2));
}

TEST(EtcUndo, ASwapMakesRoomFromOlderStepsNeverFromTheStepSwapped) {
  // Undoing the growth of the row captures the grown row (188 bytes) in place of the short one.
  ToyUndo undo(200, 4);
  undo.Edit(0, 1, 5);   // 32 bytes
  undo.Resize(40, 2);   // 44 bytes
  undo.Undo();
  EXPECT_EQ(undo.model, (std::vector<int32_t>{5, 0, 0, 0}));
  EXPECT_EQ(undo.GetStepCount(), 1) << "the older step made room";
  EXPECT_EQ(undo.GetUndoneCount(), 1);
  EXPECT_EQ(undo.TotalSize(), 188);
  undo.Undo();  // the older step is gone
  EXPECT_EQ(undo.model[0], 5);
  undo.Redo();
  EXPECT_EQ(undo.model, std::vector<int32_t>(40, 2)) << "the state before the undo is never lost";
}

TEST(EtcUndo, WithNoOlderStepsTheFarEndOfTheRedoTailMakesRoom) {
  ToyUndo undo(200, 4);
  undo.Resize(40, 2);   // 44 bytes
  undo.Edit(0, 1, 7);   // 32 bytes
  undo.Undo();
  undo.Undo();          // captures 40 ints: 188 bytes, more than fit beside the redo of the edit
  EXPECT_EQ(undo.model, (std::vector<int32_t>{0, 0, 0, 0}));
  EXPECT_EQ(undo.GetStepCount(), 1);
  EXPECT_EQ(undo.GetUndoneCount(), 1);
  EXPECT_LE(undo.TotalSize(), 200);
  undo.Redo();
  EXPECT_EQ(undo.model, std::vector<int32_t>(40, 2));
  undo.Redo();  // the edit's redo went to make room
  EXPECT_EQ(undo.model[0], 2);
  undo.Undo();
  EXPECT_EQ(undo.model.size(), 4u);
}

TEST(EtcUndo, AStepOfNoSizeHasNoBlock) {
  ToyUndo undo(1000);
  undo.AddStep(Nothing, 0, 4);
  EXPECT_EQ(undo.GetStepCount(), 1);
  EXPECT_EQ(undo.GetStep(0)->GetSize(), 0);
  EXPECT_EQ(undo.GetStep(0)->GetData(), nullptr);
  EXPECT_EQ(undo.TotalSize(), 0);
  undo.Undo();
  EXPECT_EQ(undo.GetUndoneCount(), 1);
}

TEST(EtcUndo, ARestoreThatFailsLeavesTheHistoryAsItWas) {
  ToyUndo undo(1000);
  undo.Edit(0, 1, 1);
  undo.AddStep(Failing, 0, 1);
  EXPECT_THROW(undo.Undo(), std::runtime_error);
  EXPECT_EQ(undo.GetStepCount(), 2);
  EXPECT_EQ(undo.GetUndoneCount(), 0);
  EXPECT_EQ(undo.GetStep(1)->GetKind(), Failing);
  EXPECT_EQ(undo.TotalSize(), 2 * 32);
}

TEST(EtcUndo, IndexesAreChecked) {
  ToyUndo undo(1000);
  undo.Edit(0, 1, 1);
  EXPECT_THROW(undo.GetStep(-1), EIndexError);
  EXPECT_THROW(undo.GetStep(1), EIndexError);
  EXPECT_THROW(undo.Swap(1), EIndexError);
  EXPECT_THROW(undo.SetStep(1, nullptr), EIndexError);
  EXPECT_THROW(undo.GetStep(0)->GetKey(7), EIndexError);
  EXPECT_THROW(undo.GetStep(0)->SetKey(-1, 0), EIndexError);
  undo.GetStep(0)->SetKey(6, 42);
  EXPECT_EQ(undo.GetStep(0)->GetKey(6), 42);
  undo.Clear();
  EXPECT_EQ(undo.GetStepCount(), 0);
  EXPECT_EQ(undo.TotalSize(), 0);
  undo.Undo();
  undo.Redo();
}

}  // namespace
}  // namespace zelvo
