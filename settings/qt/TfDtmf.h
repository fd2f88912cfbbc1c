#pragma once
// "DTMF" (fDtmf): PTT ID with its Begin-of-Tx and End-of-Tx codes and the side
// tone, the stun type and stun code, and the encoder timing (speed, first
// digit time and delay), which sits in a hidden frame and passes through.
// Every change writes back at once and marks the code plug modified.

#include "ui/qt/EditWindow.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace kx7q {

class FunctionWindowLayout;

class TfDtmf : public EditWindow {
  Q_OBJECT
 public:
  TfDtmf(Maindb& db, MainOps& main, QWidget* parent = nullptr);

 protected:
  void Decode() override;
  void Store() override;  // the settings (0x132-0x135)

 private:
  void CodeChange();      // all three codes
  void EnableCodeFields();

  FunctionWindowLayout* layout_;
  QComboBox* cxSpeed;
  QComboBox* cxFirstTime;
  QComboBox* cxFirstDelay;
  QComboBox* cxPttID;
  QComboBox* cxStunType;
  QCheckBox* cxSideTone;
  QLineEdit* cxEnt;
  QLineEdit* cxEnd;
  QLineEdit* cxStunCode;
};

}  // namespace kx7q
