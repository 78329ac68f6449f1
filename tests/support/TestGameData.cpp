#include "support/TestGameData.h"

#include "model/ZMLFactoryImpl.h"

namespace zelvo::test {

TestGameData::TestGameData()
    : ids(std::make_shared<TZelvoModelIDManager>()), factory(std::make_shared<TZMLFactory>(ids, this)) {}

std::shared_ptr<TZelvoStylePackage> TestGameData::AddImageMaterials() {
  auto images = std::make_shared<TZelvoStylePackage>(0);
  materials->Add(images);
  return images;
}

std::shared_ptr<IZelvoMaterialPackage> TestGameData::GetImageMaterials() {
  if (!materials || materials->GetCount() == 0) return nullptr;
  return std::dynamic_pointer_cast<IZelvoMaterialPackage>(materials->GetItem(0));
}

}  // namespace zelvo::test
