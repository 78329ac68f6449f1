#include "editor/MapLayerPropertyForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "editor/ZETreeWidgetAdapter.h"
#include "editor/core/ZEMapEditor.h"
#include "editor/core/ZEMapEditorHost.h"
#include "model/ZMLZelvoAPI.h"
#include "model/ZelvoMapFloorModel.h"
#include "model/ZelvoMaterialModel.h"
#include "platform/gui/MessageBox.h"
#include "editor/ZECp932Text.h"
#include "platform/gui/Text.h"

namespace zelvo {
namespace {

constexpr int kMaterialRole = Qt::UserRole + 1;

}  // namespace

TMapLayerPropertyForm::TMapLayerPropertyForm(TZEMapEditor& editor, IZEMapEditorHost* host, QWidget* parent)
    : QDialog(parent), editor_(editor), host_(host) {
  setObjectName("MapLayerPropertyForm");
  setWindowTitle(Text::u("レイヤのプロパティ"));
  setModal(true);

  opacity_ = new QSlider(Qt::Horizontal);
  opacity_->setRange(0, 255);
  baseHeight_ = new QLineEdit;
  name_ = new QLineEdit;
  layerType_ = new QComboBox;
  for (const char* item : {"通常レイヤ", "貼り付くレイヤ", "移動不能レイヤ"}) layerType_->addItem(Text::u(item));
  auto* layerForm = new QFormLayout;
  layerForm->addRow(Text::u("不透明度（ゲーム時）"), opacity_);
  layerForm->addRow(Text::u("基本の高さ"), baseHeight_);
  layerForm->addRow(Text::u("名前"), name_);
  auto* typeBox = new QGroupBox(Text::u("レイヤタイプの設定"));
  (new QVBoxLayout(typeBox))->addWidget(layerType_);

  enabled_ = new QCheckBox(Text::u("使用する"));
  file_ = new QLabel;
  width_ = new QLineEdit;
  height_ = new QLineEdit;
  drawType_ = new QComboBox;
  for (const char* item : {"左上固定", "中央に配置", "拡大して配置", "並べて配置"}) drawType_->addItem(Text::u(item));
  tree_ = new QTreeWidget;
  tree_->setHeaderHidden(true);
  auto* pictureBox = new QGroupBox(Text::u("一枚絵マップ"));
  auto* pictureForm = new QFormLayout(pictureBox);
  pictureForm->addRow(enabled_);
  pictureForm->addRow(file_);
  pictureForm->addRow(Text::u("横幅"), width_);
  pictureForm->addRow(Text::u("高さ"), height_);
  pictureForm->addRow(Text::u("表示方法"), drawType_);
  pictureForm->addRow(tree_);

  ok_ = new QPushButton("OK");
  ok_->setDefault(true);
  cancel_ = new QPushButton("Cancel");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(layerForm);
  layout->addWidget(typeBox);
  layout->addWidget(pictureBox);
  layout->addLayout(buttons);

  connect(ok_, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  WhenChoiceChanges(*tree_, this, [this] { NodeSelected(ChosenItem(*tree_)); });
}

void TMapLayerPropertyForm::setZMLZelvoAPI(IZMLZelvoAPI* api) {
  api_ = api;
  tree_->clear();
  listed_.clear();
  if (!api_) return;
  if (fill_)
    fill_(*tree_, *api_);
  else
    FillMaterials(*tree_, *api_);
}

void TMapLayerPropertyForm::SetPictureTree(TreeFiller fill, MaterialOfNode materialOf) {
  fill_ = std::move(fill);
  materialOf_ = std::move(materialOf);
}

void TMapLayerPropertyForm::FillMaterials(QTreeWidget& tree, IZMLZelvoAPI& api) {
  std::function<void(const IZelvoMaterialPackage&, QTreeWidgetItem*)> add = [&](const IZelvoMaterialPackage& folder,
                                                                                 QTreeWidgetItem* parent) {
    for (int32_t i = 0; i < folder.GetCount(); ++i) {
      auto material = folder.GetItem(i);
      if (!material) continue;
      auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(&tree);
      item->setText(0, Text::fromCp932(material->GetNameBytes()));
      if (auto sub = std::dynamic_pointer_cast<IZelvoMaterialPackage>(material)) {
        add(*sub, item);
        continue;
      }
      item->setData(0, kMaterialRole, int(listed_.size()));
      listed_.push_back(material);
    }
  };
  if (auto images = api.GetImageMaterials()) add(*images, nullptr);
}

void TMapLayerPropertyForm::NodeSelected(QTreeWidgetItem* item) {
  std::shared_ptr<IZelvoMaterialModel> material;
  if (materialOf_) {
    material = materialOf_(item);
  } else if (item) {
    QVariant index = item->data(0, kMaterialRole);
    if (index.isValid() && index.toInt() >= 0 && size_t(index.toInt()) < listed_.size()) material = listed_[index.toInt()];
  }
  // A folder is no picture; the choice stays.
  if (!material) return;
  chosen_ = material;
  ShowPicturePath();
}

void TMapLayerPropertyForm::ShowPicturePath() { file_->setText(Text::u(TZELayerProperty::PicturePath(chosen_.get()))); }

bool TMapLayerPropertyForm::LoadLayer() {
  auto layer = editor_.GetCurrentLayer();
  ok_->setEnabled(layer != nullptr);
  if (!layer) return false;
  TZELayerPropertyValues v = TZELayerProperty::Read(*layer);
  opacity_->setValue(v.gameOpacity);
  baseHeight_->setText(Text::u(v.baseHeight));
  name_->setText(Text::fromCp932(v.name));
  layerType_->setCurrentIndex(v.layerType);
  enabled_->setChecked(v.pictureEnabled);
  chosen_ = v.image;
  ShowPicturePath();
  width_->setText(Text::u(v.pictureWidth));
  height_->setText(Text::u(v.pictureHeight));
  drawType_->setCurrentIndex(v.drawType);
  return true;
}

void TMapLayerPropertyForm::OkClick() {
  auto layer = editor_.GetCurrentLayer();
  if (!layer) return reject();
  TZELayerPropertyValues v;
  v.gameOpacity = opacity_->value();
  const auto name = TakeCp932(name_->text(), name_);
  if (!name) return;
  v.name = *name;
  v.image = chosen_;
  v.pictureEnabled = enabled_->isChecked();
  v.baseHeight = baseHeight_->text().toStdString();
  v.pictureWidth = width_->text().toStdString();
  v.pictureHeight = height_->text().toStdString();
  v.drawType = drawType_->currentIndex();
  v.layerType = layerType_->currentIndex();
  auto result = TZELayerProperty::Apply(*layer, v);
  if (result != TZELayerProperty::Result::Applied) {
    ShowMessage(TZELayerProperty::Message(result), windowTitle().toStdString(), MessageKind::Warning);
    return;
  }
  editor_.MarkMapModified();
  accept();
  if (host_) {
    host_->LoadLayerPictures();
    host_->RepaintCanvas();
  }
  if (onApplied_) onApplied_();
}

void TMapLayerPropertyForm::showEvent(QShowEvent* event) {
  LoadLayer();
  QDialog::showEvent(event);
}

}  // namespace zelvo
