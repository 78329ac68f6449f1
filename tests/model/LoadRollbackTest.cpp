// A record that fails part way leaves the model it was read into exactly as it was: its ID, its
// name and everything it holds. Every kind that begins with a base record is cut after it at
// every length, or given a hostile value at every offset, and read into a model that holds
// something else.

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "model/ZelvoActionModel.h"
#include "model/ZelvoAnimeModel.h"
#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoCapabilityModel.h"
#include "model/ZelvoChangeColorModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCollisionModel.h"
#include "model/ZelvoCollisionableModel.h"
#include "model/ZelvoDAnimationModel.h"
#include "model/ZelvoEventModel.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoEventPositionModel.h"
#include "model/ZelvoJobModel.h"
#include "model/ZelvoMapChipSetIDListControl.h"
#include "model/ZelvoMapChipSetModel.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMapModel.h"
#include "model/ZelvoMapPicture.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoMoveTypeModel.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/Errors.h"
#include "support/ModelTesting.h"

namespace zelvo {
namespace {

// Each maker builds a model whose ID, name and contents all follow v, so the model read into
// (v = 1) and the record cut (v = 2) differ in every part.
using Make = std::function<std::shared_ptr<IZelvoModel>(int32_t v)>;

template <class M>
std::shared_ptr<M> named(std::shared_ptr<M> m, int32_t v) {
  m->SetName(("model " + std::string(size_t(v), 'x')).c_str());
  return m;
}

std::shared_ptr<TZelvoOrderModel> order(int32_t v) {
  auto o = named(std::make_shared<TZelvoOrderModel>(30 + v), v);
  o->SetType(v);
  o->SetText(std::string(size_t(v), 't').c_str());
  for (int32_t i = 0; i < v; ++i) {
    auto child = std::make_shared<TZelvoOrderModel>(40 + i);
    child->SetNumber(v + i);
    o->AddChild(child);
  }
  return o;
}

std::shared_ptr<TZelvoActionModel> action(int32_t v) {
  auto a = named(std::make_shared<TZelvoActionModel>(50 + v, nullptr), v);
  a->SetOrder(order(v));
  return a;
}

std::shared_ptr<TZelvoEventModel> event(int32_t v) {
  auto e = named(std::make_shared<TZelvoEventModel>(60 + v, nullptr), v);
  for (int32_t i = 0; i < v; ++i) e->Add(action(v));
  return e;
}

std::shared_ptr<TZelvoMapFloorModel> floor(int32_t v) {
  auto f = named(std::make_shared<TZelvoMapFloorModel>(70 + v, nullptr), v);
  f->SetSize(2, 2);
  f->SetGameOpacity(10 * v);
  f->SetBaseHeight(v);
  TZelvoMapCell cell = f->GetCell(1, 1);
  cell.Column = uint16_t(v);
  f->SetCell(1, 1, cell);
  return f;
}

// Small maps keep the records short enough to cut at every length.
std::shared_ptr<TZelvoMapTreeNodeControl> node(int32_t id) {
  auto n = std::make_shared<TZelvoMapTreeNodeControl>(id, nullptr);
  n->NewMap();
  n->GetMap()->SetSize(2, 2);
  return n;
}

struct Kind {
  const char* name;
  Make make;
};

std::vector<Kind> kinds() {
  return {
      {"collision",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoCollisionModel>(v), v);
         m->SetRect(v, v, 8 * v, 8 * v);
         return m;
       }},
      {"direction animation",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoDAnimationModel>(v), v);
         m->SetPatternCount(v + 1);
         return m;
       }},
      {"colour change",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoChangeColorModel>(v), v);
         m->SetTargetColor(v);
         return m;
       }},
      {"move type",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoMoveTypeModel>(v), v);
         m->SetMaxStep(v);
         return m;
       }},
      {"material",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoStyleModel>(v, MaterialKind::Picture), v);
         m->SetPath(("Graphics\\" + std::to_string(v) + ".bmp").c_str());
         return m;
       }},
      {"material folder",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoStylePackage>(v), v);
         for (int32_t i = 0; i < v; ++i) m->Add(std::make_shared<TZelvoStyleModel>(10 * v + i, MaterialKind::Movie));
         return m;
       }},
      {"chip set",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoMapChipSetModel>(v), v);
         m->SetSize(v, 2);
         m->SetParam(v);
         return m;
       }},
      {"chip-set ID list",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoMapChipSetIDListControl>(v), v);
         for (int32_t i = 0; i < v; ++i) m->AddID(20 + v + i);
         return m;
       }},
      {"capability",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoCapabilityModel>(v), v);
         m->SetValue(3, v);
         return m;
       }},
      {"attribute",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoAttributeModel>(v), v);
         m->SetAttack(2, v);
         return m;
       }},
      {"job",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoJobModel>(v), v);
         m->SetLinkedID1(v);
         return m;
       }},
      {"anime frame",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoAnimeFrameModel>(v), v);
         m->SetDisplayTime(v);
         return m;
       }},
      {"anime",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoAnimeModel>(v), v);
         m->SetBaseSpeed(v);
         for (int32_t i = 0; i < v; ++i) m->AddFrame(std::make_shared<TZelvoAnimeFrameModel>(i));
         return m;
       }},
      {"collisionable",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoCollisionableModel>(v), v);
         m->SetCollision(std::make_shared<TZelvoCollisionModel>(80 + v));
         return m;
       }},
      {"chara",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoCharaModel>(v, nullptr), v);
         m->GetCapability()->SetValue(1, v);
         return m;
       }},
      {"action", [](int32_t v) { return action(v); }},
      {"order", [](int32_t v) { return order(v); }},
      {"event", [](int32_t v) { return event(v); }},
      {"event package",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoEventPackageModel>(v, nullptr), v);
         for (int32_t i = 0; i < v; ++i) m->Add(event(v));
         return m;
       }},
      {"event position",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoEventPositionModel>(v), v);
         m->SetPosition(v, 2 * v, 3 * v);
         m->SetEventID(v);
         return m;
       }},
      {"map picture",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoMapPictureModel>(v), v);
         m->SetWidth(v);
         m->SetDrawType(v);
         return m;
       }},
      {"floor", [](int32_t v) { return floor(v); }},
      {"map",
       [](int32_t v) {
         auto m = named(std::make_shared<TZelvoMapModel>(v, nullptr), v);
         m->SetSize(2, 2);
         m->SetLoopMode(v);
         m->AddFloor(floor(v));
         return m;
       }},
      {"map tree node",
       [](int32_t v) {
         auto m = named(node(v), v);
         m->GetMap()->SetLoopMode(v);
         for (int32_t i = 0; i < v; ++i) m->AddChild(node(90 + i));
         return m;
       }},
  };
}

// Where two byte strings first differ, for a failure message that stays short.
std::string firstDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
  size_t at = 0;
  while (at < a.size() && at < b.size() && a[at] == b[at]) ++at;
  if (at == a.size() && at == b.size()) return "none";
  return "offset " + std::to_string(at) + " (lengths " + std::to_string(a.size()) + " and " + std::to_string(b.size()) +
         ")";
}

// The stored IDs of the references a figure's record names; a save writes the references'
// own IDs instead, so these are compared apart from the bytes.
std::vector<int32_t> referenceIDs(IZelvoModel& m) {
  auto* c = dynamic_cast<IZelvoCollisionableModel*>(&m);
  if (!c) return {};
  return {c->GetCollisionID(), c->GetDAnimationID(), c->GetMaterialID()};
}

TEST(LoadRollback, ARecordCutAfterItsBaseRecordLeavesTheModelAsItWas) {
  for (const Kind& kind : kinds()) {
    SCOPED_TRACE(kind.name);
    std::shared_ptr<IZelvoModel> source = kind.make(2);
    const std::vector<uint8_t> record = test::saved(*source);
    const size_t baseEnd = size_t(kMinBaseRecordBytes) + source->GetNameBytes().size();
    ASSERT_GT(record.size(), baseEnd);

    std::shared_ptr<IZelvoModel> target = kind.make(1);
    const int32_t id = target->GetID();
    const std::string name = target->GetNameBytes();
    const std::vector<uint8_t> before = test::saved(*target);
    const std::vector<int32_t> references = referenceIDs(*target);
    ASSERT_NE(id, source->GetID());
    ASSERT_NE(before, record);

    for (size_t cut = baseEnd; cut < record.size(); ++cut) {
      TZStream in(std::vector<uint8_t>(record.begin(), record.begin() + std::ptrdiff_t(cut)), "cut");
      EXPECT_THROW(target->LoadFromStream(in), EFormatError) << "cut at " << cut << " of " << record.size();
      EXPECT_EQ(target->GetID(), id) << "cut at " << cut;
      EXPECT_EQ(target->GetNameBytes(), name) << "cut at " << cut;
      EXPECT_EQ(referenceIDs(*target), references) << "cut at " << cut;
      const std::vector<uint8_t> after = test::saved(*target);
      EXPECT_TRUE(after == before) << "cut at " << cut << ": contents changed from " << firstDifference(after, before);
    }
  }
}

// A hostile value anywhere after the base record (a huge count or length, a negative one) is
// either read as a value or refused; refused, it leaves the model as it was.
TEST(LoadRollback, AHostileValueAfterTheBaseRecordIsReadOrRefusedWithoutAChange) {
  int refused = 0;
  for (const Kind& kind : kinds()) {
    SCOPED_TRACE(kind.name);
    std::shared_ptr<IZelvoModel> source = kind.make(2);
    const std::vector<uint8_t> record = test::saved(*source);
    const size_t baseEnd = size_t(kMinBaseRecordBytes) + source->GetNameBytes().size();
    for (int32_t hostile : {int32_t(0x7FFFFFFF), int32_t(-2)}) {
      for (size_t at = baseEnd; at + 4 <= record.size(); ++at) {
        std::vector<uint8_t> bytes = record;
        for (size_t i = 0; i < 4; ++i) bytes[at + i] = uint8_t(uint32_t(hostile) >> (8 * i));
        std::shared_ptr<IZelvoModel> target = kind.make(1);
        const int32_t id = target->GetID();
        const std::vector<uint8_t> before = test::saved(*target);
        const std::vector<int32_t> references = referenceIDs(*target);
        TZStream in(bytes, "hostile");
        try {
          target->LoadFromStream(in);
          continue;
        } catch (const EFormatError&) {
          ++refused;
        }
        EXPECT_EQ(target->GetID(), id) << hostile << " at " << at;
        EXPECT_EQ(referenceIDs(*target), references) << hostile << " at " << at;
        const std::vector<uint8_t> after = test::saved(*target);
        EXPECT_TRUE(after == before) << hostile << " at " << at << ": contents changed from "
                                     << firstDifference(after, before);
      }
    }
  }
  // Counts, lengths and versions are among the values: some of them must have been refused.
  EXPECT_GT(refused, 0);
}

// The readers commit only at the end: the same record whole still replaces everything.
TEST(LoadRollback, TheWholeRecordStillReplacesTheModel) {
  for (const Kind& kind : kinds()) {
    SCOPED_TRACE(kind.name);
    std::shared_ptr<IZelvoModel> source = kind.make(2);
    const std::vector<uint8_t> record = test::saved(*source);
    std::shared_ptr<IZelvoModel> target = kind.make(1);
    test::load(*target, record);
    EXPECT_EQ(referenceIDs(*target), referenceIDs(*source));
    // References come back from the lists they point into, never from the record: point them
    // where the source's point before comparing what the two write.
    if (auto* c = dynamic_cast<IZelvoCollisionableModel*>(target.get())) {
      auto& s = dynamic_cast<IZelvoCollisionableModel&>(*source);
      c->SetCollision(s.GetCollision());
      c->SetDAnimation(s.GetDAnimation());
      c->SetMaterial(s.GetMaterial());
    }
    const std::vector<uint8_t> written = test::saved(*target);
    EXPECT_TRUE(written == record) << "differs from the record at " << firstDifference(written, record);
  }
}

}  // namespace
}  // namespace zelvo
