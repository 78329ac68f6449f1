#pragma once
// The map property window "マップのプロパティ": ID, name and size of the map of the node chosen
// in the map editor's map tree. A mistyped size is reported and the window stays open.

#include <QDialog>
#include <memory>

#include "editor/core/ZEMapProperty.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zelvo {

class IZEMapEditorHost;
class IZelvoMapTreeNodeControl;
class TZEMapEditor;

class TMapPropertyView : public QDialog {
 public:
  TMapPropertyView(TZEMapEditor& editor, IZEMapEditorHost* host, QWidget* parent = nullptr);

  // The node to edit; its values fill the fields.
  void SetNode(std::shared_ptr<IZelvoMapTreeNodeControl> node);
  void OkClick();

  QLabel* IDLabel() const { return id_; }
  QLineEdit* NameEdit() const { return name_; }
  QLineEdit* WidthEdit() const { return width_; }
  QLineEdit* HeightEdit() const { return height_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

 private:
  TZEMapProperty property_;
  QLabel* id_;
  QLineEdit* name_;
  QLineEdit* width_;
  QLineEdit* height_;
  QPushButton* ok_;
  QPushButton* cancel_;
};

}  // namespace zelvo
