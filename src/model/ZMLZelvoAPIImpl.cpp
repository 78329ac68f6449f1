#include "model/ZMLZelvoAPIImpl.h"

#include <algorithm>
#include <climits>
#include <filesystem>
#include <functional>
#include <vector>

#include "model/ZMLFactoryImpl.h"
#include "model/ZelvoAnimeModel.h"
#include "model/ZelvoAttributeModel.h"
#include "model/ZelvoCharaModel.h"
#include "model/ZelvoCharaModelList.h"
#include "model/ZelvoCollisionModelList.h"
#include "model/ZelvoConditionModelList.h"
#include "model/ZelvoDAnimationModelList.h"
#include "model/ZelvoEventPackageList.h"
#include "model/ZelvoEventPackageModel.h"
#include "model/ZelvoGrossaryModel.h"
#include "model/ZelvoJobModel.h"
#include "model/ZelvoMapChipSetListControl.h"
#include "model/ZelvoMapTreeControl.h"
#include "model/ZelvoMapTreeNodeControl.h"
#include "model/ZelvoModelIDManager.h"
#include "model/ZelvoMoveTypeList.h"
#include "model/ZelvoOrderModel.h"
#include "model/ZelvoPartyModel.h"
#include "model/ZelvoPrivateTypes.h"
#include "model/ZelvoStatusModel.h"
#include "model/ZelvoStylePackage.h"
#include "platform/core/AtomicFile.h"
#include "platform/core/BinaryReader.h"
#include "platform/core/Errors.h"

namespace zelvo {
namespace {

// "画像素材" in CP932.
constexpr const char* kImageMaterialsName = "\x89\xE6\x91\x9C\x91\x66\x8D\xDE";

bool fileExists(const std::string& path) { return NativeFileExists(path); }

// Reads one data file, when it exists. Every failure names the file.
void readDataFile(const std::string& path, const std::function<void(IZStream&)>& read) {
  if (!fileExists(path)) return;
  TZStream stream(path, TZStream::ReadFileToMemory);
  try {
    read(stream);
    // Bytes the records did not take would be dropped by the next save without a word.
    if (stream.GetPosition() < stream.GetSize())
      throw EFormatError(stream.GetName(), stream.GetPosition(),
                         std::to_string(stream.GetSize() - stream.GetPosition()) + " bytes left over after the last record");
  } catch (const EFormatError&) {
    throw;
  } catch (const EFileError&) {
    throw;
  } catch (const EZelvoError& e) {
    throw EFormatError(stream.GetName(), stream.GetPosition(), e.what());
  }
}

// A stored counter this close to the int32 limit is treated as corrupt.
constexpr int32_t kMaxStoredCounter = kMaxModelIDCounter;

void loadCounter(IZelvoModelIDManager& counter, IZStream& stream) {
  TZelvoModelIDManager read;
  read.LoadFromStream(stream);
  if (read.PeekID() > kMaxStoredCounter)
    throw EFormatError(stream.GetName(), 0, "ID counter " + std::to_string(read.PeekID()) + " out of range");
  stream.Seek(0);
  counter.LoadFromStream(stream);
}

std::vector<uint8_t> render(const std::function<void(IZStream&)>& write) {
  TZStream stream(std::vector<uint8_t>{}, "memory");
  write(stream);
  return TakeAllBytes(stream);
}

// The modified flags of a subtree, so a save that fails can put them back: writing a node may
// read its file first, and the next save must still know the node needs writing.
void collectFlags(IZelvoMapTreeNodeControl& node, std::vector<std::pair<IZelvoMapTreeNodeControl*, bool>>& out) {
  out.push_back({&node, node.GetModified()});
  for (int32_t i = 0; i < node.GetChildCount(); ++i) collectFlags(*node.GetChild(i), out);
}

}  // namespace

TZMLZelvoAPI::TZMLZelvoAPI() {
  const std::string data = dataFolder();
  ids_ = std::make_shared<TZelvoModelIDManager>();
  gameIds_ = std::make_shared<TZelvoModelIDManager>();
  // A counter file that cannot be read would let new models reuse IDs already on disk: the data
  // set then refuses to save until a Load has read the game.
  for (const auto& entry : {std::pair{ids_.get(), "IDDoc.rid"}, {gameIds_.get(), "GameIDDoc.rid"}}) {
    IZelvoModelIDManager* counter = entry.first;
    try {
      readDataFile(data + entry.second, [counter](IZStream& s) { loadCounter(*counter, s); });
    } catch (const EZelvoError&) {
      if (counter == ids_.get()) loadFailed_ = true;
    }
  }
  factory_ = std::make_shared<TZMLFactory>(ids_, this);
  collisions_ = std::make_shared<TZelvoCollisionModelList>();
  dAnimations_ = std::make_shared<TZelvoDAnimationModelList>();
  eventPackages_ = std::make_shared<TZelvoEventPackageList>(-1, this);
  mapTree_ = std::make_shared<TZelvoMapTreeControl>(this);
  moveTypes_ = std::make_shared<TZelvoMoveTypeList>(-1);
  materialRoot_ = factory_->CreateStylePackage();
  materialRoot_->Add(factory_->CreateStylePackage());
  charas_ = std::make_shared<TZelvoCharaModelList>();
  party_ = factory_->CreatePartyModel(charas_);
  sharedOrders_ = factory_->CreateOrderModel(nullptr);
  animes_ = std::make_shared<TZelvoAnimeModelList>();
  attributes_ = std::make_shared<TZelvoAttributeModelList>();
  jobs_ = std::make_shared<TZelvoJobModelList>();
  conditions_ = std::make_shared<TZelvoConditionModelList>();
  grossary_ = std::make_shared<TZelvoGrossaryModel>();
  status_ = std::make_shared<TZelvoStatusModel>();
}

TZMLZelvoAPI::~TZMLZelvoAPI() = default;

std::string TZMLZelvoAPI::dataFolder() const { return GamePathPrefix() + "Data\\"; }
std::string TZMLZelvoAPI::mapsFolder() const { return GamePathPrefix() + "Maps\\"; }

std::shared_ptr<IZelvoMaterialPackage> TZMLZelvoAPI::GetImageMaterials() {
  return std::dynamic_pointer_cast<IZelvoMaterialPackage>(materialRoot_->GetItem(0));
}

void TZMLZelvoAPI::Load() {
  loadFailed_ = true;
  // A reload would otherwise append the stored packages and members a second time.
  eventPackages_->Clear();
  party_->Clear();
  TModelIDWatermark seen;
  loadSteps();
  // A counter kept as stored (or missing) could hand out an ID already in use.
  ids_->KeepAbove(seen.Highest());
  loadFailed_ = false;
}

void TZMLZelvoAPI::loadSteps() {
  const std::string data = dataFolder();
  TModelIDWatermark dataIDs;
  readDataFile(data + "Collision.Dat", [this](IZStream& s) { collisions_->LoadFromStream(s); });
  readDataFile(data + "DAnimation.Dat", [this](IZStream& s) { dAnimations_->LoadFromStream(s); });
  readDataFile(data + "Material.Dat", [this](IZStream& s) {
    std::shared_ptr<IZelvoMaterialPackage> images = GetImageMaterials();
    if (!images) throw EZelvoError("the material root has no image materials folder");
    images->LoadFromStream(s);
    images->SetName(kImageMaterialsName);
  });
  readDataFile(data + "Chara.Dat", [this](IZStream& s) {
    charas_->LoadFromStream(s);
    charas_->ResolveAll(*this);
  });
  readDataFile(data + "MoveType.Dat", [this](IZStream& s) { moveTypes_->LoadFromStream(s); });
  readDataFile(data + "Party.Dat", [this](IZStream& s) { party_->LoadPartyFromStream(s); });
  readDataFile(data + "EventOrders.Dat", [this](IZStream& s) { sharedOrders_->LoadFromStream(s); });
  readDataFile(data + "Events.Dat", [this](IZStream& s) { loadEventPackages(s); });
  readDataFile(data + "Anime.Dat", [this](IZStream& s) { animes_->LoadFromStream(s); });
  readDataFile(data + "IDDoc.rid", [this](IZStream& s) { loadCounter(*ids_, s); });
  readDataFile(data + "Attribute.Dat", [this](IZStream& s) { attributes_->LoadFromStream(s); });
  readDataFile(data + "Job.Dat", [this](IZStream& s) { jobs_->LoadFromStream(s); });
  readDataFile(data + "Condition.Dat", [this](IZStream& s) { conditions_->LoadFromStream(s); });
  grossary_->LoadFromFolder(data);
  // The map tree may draw IDs while it reads (chip sets keeping their own pictures): the
  // counter is first moved past every ID the data files hold; the tree adds its own. The
  // folder and the shared orders the data set made itself are stored in turn when their file
  // is missing, so their IDs count too: the counter read back above is below them. (The
  // material root is never stored and no lookup by ID reaches it.)
  const std::shared_ptr<IZelvoMaterialPackage> images = GetImageMaterials();
  ids_->KeepAbove(std::max({dataIDs.Highest(), images ? images->GetID() : 0, sharedOrders_->GetID()}));
  mapTree_->LoadFromFolder(mapsFolder());
}

void TZMLZelvoAPI::loadEventPackages(IZStream& stream) {
  BinaryReader r(stream);
  int32_t n = r.readInt32();
  if (n <= 0) return;
  r.requireAvailable(static_cast<int64_t>(n) * TZelvoEventPackageModel::kMinRecordBytes, "event packages");
  // Every package is read before any joins the list, so a corrupt file adds none.
  std::vector<std::shared_ptr<IZelvoEventPackageModel>> read;
  read.reserve(static_cast<size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    std::shared_ptr<IZelvoEventPackageModel> package = factory_->CreateEventPackageModel();
    package->LoadFromStream(stream);
    read.push_back(std::move(package));
  }
  for (auto& package : read) eventPackages_->Add(std::move(package));
}

void TZMLZelvoAPI::saveEventPackages(IZStream& stream) {
  int32_t n = eventPackages_->GetCount();
  BinaryWriter(stream).writeInt32(n);
  for (int32_t i = 0; i < n; ++i) eventPackages_->GetItem(i)->SaveToStream(stream);
}

void TZMLZelvoAPI::Save() { SaveTogetherWith({}); }

void TZMLZelvoAPI::SaveTogetherWith(const std::function<void(FileTransaction&)>& stageMore) {
  if (loadFailed_)
    throw EZelvoError("the game was not read completely; saving it would overwrite the files on disk");
  std::vector<std::pair<IZelvoMapTreeNodeControl*, bool>> flags;
  collectFlags(*mapTree_->GetRootNode(), flags);
  try {
    saveFiles(stageMore);
  } catch (...) {
    for (auto [node, modified] : flags) node->SetModified(modified);
    throw;
  }
}

void TZMLZelvoAPI::saveFiles(const std::function<void(FileTransaction&)>& stageMore) {
  const std::string data = dataFolder();
  const std::string maps = mapsFolder();
  std::error_code ec;
  for (const std::string& folder : {data, maps}) {
    const std::filesystem::path native = RequireNativePath(folder, "create");
    std::filesystem::create_directories(native, ec);
    if (ec) throw EFileError("create", native.string(), ec.message());
  }
  // Each file goes to its temporary name as soon as it is made, so the save holds one file in
  // memory at a time; nothing replaces an old file before every file was written.
  FileTransaction transaction;
  auto add = [&](const char* name, const std::function<void(IZStream&)>& write) {
    transaction.stage(RequireNativePath(data + name, "write"), render(write));
  };
  add("Collision.Dat", [this](IZStream& s) { collisions_->SaveToStream(s); });
  add("DAnimation.Dat", [this](IZStream& s) { dAnimations_->SaveToStream(s); });
  add("Material.Dat", [this](IZStream& s) {
    std::shared_ptr<IZelvoMaterialPackage> images = GetImageMaterials();
    if (!images) throw EZelvoError("the material root has no image materials folder");
    images->SaveToStream(s);
  });
  add("Chara.Dat", [this](IZStream& s) { charas_->SaveToStream(s); });
  add("MoveType.Dat", [this](IZStream& s) { moveTypes_->SaveToStream(s); });
  add("Party.Dat", [this](IZStream& s) { party_->SavePartyToStream(s); });
  add("EventOrders.Dat", [this](IZStream& s) { sharedOrders_->SaveToStream(s); });
  add("Events.Dat", [this](IZStream& s) { saveEventPackages(s); });
  add("Anime.Dat", [this](IZStream& s) { animes_->SaveToStream(s); });
  add("Attribute.Dat", [this](IZStream& s) { attributes_->SaveToStream(s); });
  add("Job.Dat", [this](IZStream& s) { jobs_->SaveToStream(s); });
  add("Condition.Dat", [this](IZStream& s) { conditions_->SaveToStream(s); });
  // The glossary's own bytes: its zero-terminated text would end at a NUL in a line.
  for (int32_t kind : {kGrossaryCapability, kGrossaryBattle, kGrossaryCommand}) {
    const std::string& bytes = grossary_->GetFileBytes(kind);
    transaction.stage(RequireNativePath(data + TZelvoGrossaryModel::FileName(kind), "write"),
                      std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
  }
  // The map tree's files join the same transaction.
  std::vector<std::shared_ptr<IZelvoMapTreeNodeControl>> written;
  mapTree_->RenderFolder(maps, written,
                         [&transaction](TMapsFolderFile&& f) { StageMapsFolderFile(transaction, f); });
  // Made last, once every model that could draw an ID has been written, and renamed first, so
  // the counter on disk is never below an ID in use.
  transaction.stageFirst(RequireNativePath(data + "IDDoc.rid", "write"), render([this](IZStream& s) { ids_->SaveToStream(s); }));
  if (stageMore) stageMore(transaction);
  transaction.commit();

  mapTree_->SavedToFolder(maps, written);
}

}  // namespace zelvo
