#include "settings/qt/TfOptFun.h"

#include <QComboBox>

#include "settings/OptionalFunctions.h"
#include "settings/qt/FunctionWindowLayout.h"

namespace kx7q {

TfOptFun::TfOptFun(Maindb& db, MainOps& main, QWidget* parent)
    : EditWindow(db, main, parent), layout_(new FunctionWindowLayout(*this)) {
  setObjectName(QStringLiteral("fOptFun"));
  setWindowTitle(QStringLiteral("Optional Function"));

  cxSQL = MakeList(*this, SquelchList());
  cxWavs = MakeList(*this, VoiceList());
  cxTone = MakeList(*this, ToneList());
  cxTxInhibit = MakeList(*this, VolInhibitTxList());
  cxTot = MakeList(*this, TimeOutList());
  cxRate = MakeList(*this, BatterySaveList());
  cxAlt = MakeList(*this, InceptAlarmList());
  cxFM = MakeList(*this, PowerLightList());

  layout_->BeginFrame();
  layout_->AddRow("L1", "Squelch level", cxSQL, 0);
  layout_->AddRow("L3", "Voice", cxWavs, 0);
  layout_->AddRow("L5", "Tone", cxTone, 0);
  layout_->AddRow("L4", "Vol Inhibit Tx", cxTxInhibit, 0);
  layout_->AddRow("L2", "TX Time Out", cxTot, 1);
  layout_->AddRow("L11", "Battery Save", cxRate, 1);
  layout_->AddRow("L7", "Incept Alarm", cxAlt, 1);
  layout_->AddRow("L6", "Power Light", cxFM, 1);
  layout_->AddCloseButton();
}

void TfOptFun::Decode() {
  const OptionalFunctions f = DecodeOptionalFunctions(all());
  cxSQL->setCurrentIndex(f.squelch);
  cxTot->setCurrentIndex(f.timeOut);
  cxWavs->setCurrentIndex(f.voice);
  cxTxInhibit->setCurrentIndex(f.volInhibitTx);
  cxTone->setCurrentIndex(f.tone);
  cxAlt->setCurrentIndex(f.inceptAlarm);
  cxRate->setCurrentIndex(f.batterySave);
  cxFM->setCurrentIndex(f.powerLight);
}

void TfOptFun::Store() {
  // A list that shows nothing (a byte the clamps did not bound) keeps its byte.
  const OptionalFunctions stored = DecodeOptionalFunctions(all());
  OptionalFunctions f;
  f.squelch = SelectedOr(cxSQL, stored.squelch);
  f.timeOut = SelectedOr(cxTot, stored.timeOut);
  f.voice = SelectedOr(cxWavs, stored.voice);
  f.volInhibitTx = SelectedOr(cxTxInhibit, stored.volInhibitTx);
  f.tone = SelectedOr(cxTone, stored.tone);
  f.inceptAlarm = SelectedOr(cxAlt, stored.inceptAlarm);
  f.batterySave = SelectedOr(cxRate, stored.batterySave);
  f.powerLight = SelectedOr(cxFM, stored.powerLight);
  EncodeOptionalFunctions(all(), f);  // sets Modified
}

}  // namespace kx7q
