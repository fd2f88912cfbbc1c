#pragma once
// "Optional Function" (fOptFun): squelch, time-out, voice, volume inhibit,
// tone, incept alarm, battery save and power light as eight fixed lists in two
// columns. Every change writes all eight back and marks the code plug modified.

#include "ui/qt/EditWindow.h"

class QComboBox;

namespace kx7q {

class FunctionWindowLayout;

class TfOptFun : public EditWindow {
  Q_OBJECT
 public:
  TfOptFun(Maindb& db, MainOps& main, QWidget* parent = nullptr);

 protected:
  void Decode() override;
  void Store() override;

 private:
  FunctionWindowLayout* layout_;
  QComboBox* cxSQL;
  QComboBox* cxTot;
  QComboBox* cxWavs;
  QComboBox* cxTxInhibit;
  QComboBox* cxTone;
  QComboBox* cxAlt;
  QComboBox* cxRate;
  QComboBox* cxFM;
};

}  // namespace kx7q
