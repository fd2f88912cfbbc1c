#pragma once
// "Vox Function" (fVoxFun): mic control, VOX gain, VOX delay and (only when
// the code plug asks for it) inhibit on receive. A change writes all four
// back; it does not mark the code plug modified.

#include "ui/qt/EditWindow.h"

class QComboBox;
class QLabel;

namespace kx7q {

class FunctionWindowLayout;

class TfVoxFun : public EditWindow {
  Q_OBJECT
 public:
  TfVoxFun(Maindb& db, MainOps& main, QWidget* parent = nullptr);

 protected:
  void Decode() override;
  void Store() override;

 private:
  FunctionWindowLayout* layout_;
  QComboBox* cxVox_s;
  QComboBox* cxVox;
  QComboBox* cxVoxDely;
  QComboBox* cxRxDis;
  QLabel* L3;
};

}  // namespace kx7q
