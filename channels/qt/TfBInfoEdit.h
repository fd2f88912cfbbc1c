#pragma once
// "Channel Edit": the current channel (CurrentChannel) as a form. The spin
// box picks the channel; every change is encoded into the channel's record
// at once, and the grid row is refreshed through the main window.

#include <QSpinBox>

#include "ui/qt/EditWindow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace kx7q {

// A typed channel number is never refused: it is moved down onto the step
// counted from the minimum and then limited to minimum and maximum.
int ValidatedSpinValue(long long typed, int minimum, int maximum, int step);

class ChannelSpinBox : public QSpinBox {
  Q_OBJECT
 public:
  using QSpinBox::QSpinBox;

 protected:
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;
};

class TfBInfoEdit : public EditWindow {
  Q_OBJECT
 public:
  TfBInfoEdit(Maindb& db, MainOps& main, QWidget* parent = nullptr);

  void LoadChannel();
  void StoreChannel();
  void EnableChannelControls(bool on);
  void ResetChannelControls();

  // Handlers (also reached through the controls' own signals).
  void sexdChange();
  void eReceivePropertiesEditValueChanged();
  void eSendPropertiesEditValueChanged();
  void cbQTExit();   // decode tone changed
  void cbDQTExit();  // encode tone changed
  void cxTxDctsDblClick();

  void ReloadCurrentChannel() override { LoadChannel(); }
  QSize sizeHint() const override { return {504, 338}; }

  ChannelSpinBox* sexd = nullptr;
  QTabWidget* cxChInfo = nullptr;
  QWidget* cxtbBase = nullptr;
  QLineEdit* eRx = nullptr;
  QLineEdit* eTX = nullptr;
  QComboBox* cxRxDcts = nullptr;
  QComboBox* cxTxDcts = nullptr;
  QComboBox* cxWn = nullptr;
  QComboBox* cxRevTx = nullptr;
  QComboBox* cxPower = nullptr;
  QComboBox* cxPttID = nullptr;
  QCheckBox* cxScan = nullptr;
  QCheckBox* cxBclo = nullptr;
  QCheckBox* cxComp = nullptr;
  QCheckBox* cxScrm = nullptr;
  QPushButton* btnClose = nullptr;

 protected:
  void Decode() override;
  void Store() override { StoreChannel(); }
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ToneChanged(QComboBox* box);
  // The item index the box's text stands for; -1 for a typed text that is no item.
  static int ToneIndex(const QComboBox* box);

  int eTXTag_ = 0;        // 1 while the window itself writes eTX
  bool toneBusy_ = false; // a tone handler is rewriting its box
};

}  // namespace kx7q
