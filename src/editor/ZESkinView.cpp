#include "editor/ZESkinView.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "platform/core/Errors.h"
#include "platform/gui/MessageBox.h"
#include "platform/gui/Text.h"

namespace zelvo {

ZESkinView::ZESkinView(ZESkinSettings& settings, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      list_(new QListWidget(this)),
      text_(new QPlainTextEdit(this)),
      ok_(new QPushButton(QString::fromUtf8("OK(&O)"), this)),
      cancel_(new QPushButton(QString::fromUtf8("キャンセル(&C)"), this)) {
  setObjectName("ZESkinView");
  setWindowTitle(QString::fromUtf8("外観の設定"));
  list_->setViewMode(QListView::IconMode);
  list_->setIconSize(QSize(32, 32));
  list_->setMovement(QListView::Static);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  text_->setReadOnly(true);

  auto* panes = new QHBoxLayout;
  panes->addWidget(list_);
  panes->addWidget(text_);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok_);
  buttons->addWidget(cancel_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(panes);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed dialog border

  ok_->setDefault(true);
  connect(ok_, &QPushButton::clicked, this, [this] { OkClick(); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  settings_.LoadAtStartup();
}

void ZESkinView::ListSkins() {
  list_->clear();
  skins_ = settings_.ListSkins();
  for (size_t i = 0; i < skins_.size(); ++i) {
    const ZESkinEntry& skin = skins_[i];
    auto* item = new QListWidgetItem(QIcon(QString::fromStdString(skin.bigIcon.string())),
                                     Text::fromCp932(skin.name), list_);
    item->setData(Qt::UserRole, static_cast<int>(i));
    if (skin.current) list_->setCurrentItem(item);
  }
}

void ZESkinView::showEvent(QShowEvent* event) {
  ListSkins();
  QDialog::showEvent(event);
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    QRect r = frameGeometry();
    r.moveCenter(screen->availableGeometry().center());
    move(r.topLeft());
  }
}

void ZESkinView::OkClick() {
  const QList<QListWidgetItem*> selected = list_->selectedItems();
  if (selected.isEmpty()) return;
  const size_t index = static_cast<size_t>(selected.front()->data(Qt::UserRole).toInt());
  if (index >= skins_.size()) return;
  std::string failure;
  try {
    settings_.ChooseSkin(skins_[index].name);
  } catch (const EZelvoError& e) {
    failure = e.what();  // the skin is in use, but will not come back at the next start
  }
  accept();
  if (!failure.empty()) ShowMessage(failure, windowTitle().toStdString(), MessageKind::Error);
}

}  // namespace zelvo
