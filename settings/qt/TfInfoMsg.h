#pragma once
// "Radio Information" (fInfoMsg): model type, band, serial number and the two
// date stamps. Only the serial number can be edited; each change is stored at
// once and marks the code plug modified. Printing reads the model, band and
// serial rows (labels lModel, lFreq, lSerial; fields cxModel, cxFreq, cxSerial).

#include "ui/qt/EditWindow.h"

class QLineEdit;
class QPushButton;

namespace kx7q {

class FunctionWindowLayout;

class TfInfoMsg : public EditWindow {
  Q_OBJECT
 public:
  TfInfoMsg(Maindb& db, MainOps& main, QWidget* parent = nullptr);

 protected:
  void Decode() override;
  void Store() override;  // the serial number

 private:
  FunctionWindowLayout* layout_;
  QLineEdit* cxModel;
  QLineEdit* cxFreq;
  QLineEdit* cxSerial;
  QLineEdit* cxRadioTime;
  QLineEdit* cxLeaveTime;
  QPushButton* btnOk;
};

}  // namespace kx7q
