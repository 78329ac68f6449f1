#pragma once
// "処理の内容を設定してください": one order's parameters on the tab of its type, edited on a
// working copy that "決定(&O)" writes into the order.

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

#include "editor/core/ZEOrderFields.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QStatusBar;
class QTabWidget;
class QToolButton;

namespace zelvo {

class IZMLZelvoAPI;
class IZelvoOrderModel;

class TZEOrdersView final : public QDialog {
 public:
  // Lets the user pick a move order's map, layer and position on the working copy; true when
  // the pick was confirmed. The map picker window unless replaced.
  using MapPicker = std::function<bool(const std::shared_ptr<IZMLZelvoAPI>&, IZelvoOrderModel& working)>;

  explicit TZEOrdersView(QWidget* parent = nullptr);

  void setZMLZelvoAPI(std::shared_ptr<IZMLZelvoAPI> api);
  void EditOrder(std::shared_ptr<IZelvoOrderModel> order);
  // 1 after "決定(&O)", 0 otherwise.
  int Tag() const { return tag_; }
  void SetMapPicker(MapPicker picker);

  QTabWidget* Tabs() const { return tabs_; }
  // The tab shown for the edited order's type; ZEOrderTab::None shows none.
  ZEOrderTab ShownTab() const { return shown_; }
  QPlainTextEdit* TextInput() const { return input_; }
  QPlainTextEdit* TextCopy() const { return copy_; }
  QLineEdit* NumberField() const { return number_; }
  QLineEdit* ValueField() const { return value_; }
  QLineEdit* MapIDField() const { return mapID_; }
  QLineEdit* XField() const { return x_; }
  QLineEdit* YField() const { return y_; }
  QLineEdit* FloorIDField() const { return floorID_; }
  QPushButton* ShowMapButton() const { return showMap_; }
  QLineEdit* RedField() const { return red_; }
  QLineEdit* GreenField() const { return green_; }
  QLineEdit* BlueField() const { return blue_; }
  QToolButton* ColorCell(size_t index) const { return colors_.at(index); }
  QSlider* StepsBar() const { return steps_; }
  QLabel* StepsLabel() const { return stepsLabel_; }
  QStatusBar* StatusBar() const { return status_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  void TreeView1Change();
  void LoadFields();
  // False (with the conversion error shown) when a field cannot be stored.
  bool StoreFields();
  void CommitOrder();
  void OkClick();
  void ShowMapClick();
  QWidget* textPage();
  QWidget* numberPage();
  QWidget* mapPage();
  QWidget* effectPage();

  std::shared_ptr<IZMLZelvoAPI> api_;
  std::shared_ptr<IZelvoOrderModel> order_, working_;
  int tag_ = 0;
  ZEOrderTab shown_ = ZEOrderTab::None;
  MapPicker picker_;

  QTabWidget* tabs_;
  QPlainTextEdit* input_ = nullptr;
  QPlainTextEdit* copy_ = nullptr;
  QLineEdit *number_ = nullptr, *value_ = nullptr;
  QLineEdit *mapID_ = nullptr, *x_ = nullptr, *y_ = nullptr, *floorID_ = nullptr;
  QPushButton* showMap_ = nullptr;
  QLineEdit *red_ = nullptr, *green_ = nullptr, *blue_ = nullptr;
  std::array<QToolButton*, 16> colors_{};
  QSlider* steps_ = nullptr;
  QLabel* stepsLabel_ = nullptr;
  QStatusBar* status_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace zelvo
