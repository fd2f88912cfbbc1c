#include "settings/qt/TfVoxFun.h"

#include <QComboBox>
#include <QLabel>

#include "settings/VoxFunction.h"
#include "settings/qt/FunctionWindowLayout.h"

namespace kx7q {

TfVoxFun::TfVoxFun(Maindb& db, MainOps& main, QWidget* parent)
    : EditWindow(db, main, parent), layout_(new FunctionWindowLayout(*this)) {
  setObjectName(QStringLiteral("fVoxFun"));
  setWindowTitle(QStringLiteral("Vox Function"));

  cxVox_s = MakeList(*this, MicControlList());
  cxVox = MakeList(*this, VoxGainList());
  cxVoxDely = MakeList(*this, VoxDelayList());
  cxRxDis = MakeList(*this, VoxInhibitList());

  layout_->BeginFrame("L0", "Vox Function");
  layout_->AddRow("L4", "Mic Control", cxVox_s);
  layout_->AddRow("L1", "VOX Gain Level", cxVox);
  layout_->AddRow("L2", "VOX Delay Time[s]", cxVoxDely);
  L3 = layout_->AddRow("L3", "Vox Inhibit on Receive", cxRxDis);
  layout_->AddCloseButton();
}

void TfVoxFun::Decode() {
  // Hidden or not, the inhibit list is decoded and stored like the others, so
  // bit 7 of its byte passes through unchanged.
  layout_->SetRowVisible(L3, all().VoxInhibitVisible);
  const VoxFunction v = DecodeVoxFunction(all());
  cxVox_s->setCurrentIndex(v.micControl);
  cxVox->setCurrentIndex(v.gain);
  cxVoxDely->setCurrentIndex(v.delay);
  cxRxDis->setCurrentIndex(v.inhibitOnReceive);
}

void TfVoxFun::Store() {
  const VoxFunction stored = DecodeVoxFunction(all());
  VoxFunction v;
  v.micControl = SelectedOr(cxVox_s, stored.micControl);
  v.gain = SelectedOr(cxVox, stored.gain);
  v.delay = SelectedOr(cxVoxDely, stored.delay);
  v.inhibitOnReceive = SelectedOr(cxRxDis, stored.inhibitOnReceive);
  EncodeVoxFunction(all(), v);  // leaves Modified alone
}

}  // namespace kx7q
