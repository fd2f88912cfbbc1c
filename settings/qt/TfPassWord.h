#pragma once
// "PassWord" (fPassWord): the password and, while the new-password switch is
// on, the new password, both kept in the image's identification block. Each
// text change is stored at once; the code plug is not marked modified, as
// these bytes go neither to the radio nor into data files.

#include "ui/qt/EditWindow.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace kx7q {

class FunctionWindowLayout;

class TfPassWord : public EditWindow {
  Q_OBJECT
 public:
  TfPassWord(Maindb& db, MainOps& main, QWidget* parent = nullptr);

 protected:
  void Decode() override;
  void Store() override;

 private:
  void cbNpsClick(bool on);

  FunctionWindowLayout* layout_;
  QLineEdit* cxoPasd;
  QCheckBox* cbNps;
  QLineEdit* cxnPasd;
  QPushButton* btnOk;
};

}  // namespace kx7q
