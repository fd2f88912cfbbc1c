#include "settings/qt/TfDtmf.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>

#include "settings/Dtmf.h"
#include "settings/qt/FieldRules.h"
#include "settings/qt/FunctionWindowLayout.h"

namespace kx7q {

namespace {

bool IsDtmfKey(QChar c) { return c.unicode() < 0x80 && IsDtmfCharacter(static_cast<char>(c.unicode())); }

QLineEdit* MakeCodeField(QWidget* parent, const char* name, const DtmfCodeArea& area) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  ApplyFieldRule(field, {area.maxLength, IsDtmfKey, true});
  // No cut, copy or paste menu: codes are typed key by key.
  field->setContextMenuPolicy(Qt::PreventContextMenu);
  return field;
}

}  // namespace

TfDtmf::TfDtmf(Maindb& db, MainOps& main, QWidget* parent)
    : EditWindow(db, main, parent), layout_(new FunctionWindowLayout(*this)) {
  setObjectName(QStringLiteral("fDtmf"));
  setWindowTitle(QStringLiteral("DTMF"));

  cxPttID = MakeList(*this, DtmfPttIdList());
  cxEnt = MakeCodeField(this, "cxEnt", kBeginOfTxCode);
  cxEnd = MakeCodeField(this, "cxEnd", kEndOfTxCode);
  cxSideTone = new QCheckBox(QStringLiteral("DTMF Side Tone"), this);
  cxSideTone->setObjectName(QStringLiteral("cxSideTone"));
  QFrame* ptt = layout_->BeginFrame("L5", "PTT ID");
  layout_->AddRow("L4", "PTT ID", cxPttID);
  layout_->AddRow("L6", "Begin of Tx", cxEnt);
  layout_->AddRow("L7", "End of Tx", cxEnd);
  cxSideTone->setParent(ptt);
  ptt->layout()->addWidget(cxSideTone);

  cxStunType = MakeList(*this, StunTypeList());
  cxStunCode = MakeCodeField(this, "cxStunCode", kStunCode);
  layout_->BeginFrame("L8", "Stun");
  layout_->AddRow("L9", "Stun Type", cxStunType);
  layout_->AddRow("LA", "Stun Code", cxStunCode);

  // The encoder timing is not shown; its lists still carry the bytes.
  cxSpeed = MakeList(*this, DtmfSpeedList());
  cxFirstTime = MakeList(*this, FirstDigitTimeList());
  cxFirstDelay = MakeList(*this, FirstDigitDelayList());
  QFrame* encode = layout_->BeginFrame("L0", "Encode");
  layout_->AddRow("L1", "DTMF Speed[digit/s]", cxSpeed);
  layout_->AddRow("L2", "First Digit Time[ms]", cxFirstTime);
  layout_->AddRow("L3", "First Digit Delay[ms]", cxFirstDelay);
  encode->hide();

  layout_->AddCloseButton();

  // MakeList sends every list's changes to StoreChange; the PTT ID also
  // decides which code fields can be edited, while loading too.
  connect(cxPttID, &QComboBox::currentIndexChanged, this, &TfDtmf::EnableCodeFields);
  connect(cxSideTone, &QCheckBox::toggled, this, &EditWindow::StoreChange);
  for (QLineEdit* field : {cxEnt, cxEnd, cxStunCode})
    connect(field, &QLineEdit::textChanged, this, &TfDtmf::CodeChange);

  // Before the first decode the PTT ID list shows "BOT".
  cxPttID->setCurrentIndex(0);
  EnableCodeFields();
}

void TfDtmf::Decode() {
  const DtmfSettings s = DecodeDtmfSettings(all());
  cxSpeed->setCurrentIndex(s.speed);
  cxFirstTime->setCurrentIndex(s.firstDigitTime);
  cxFirstDelay->setCurrentIndex(s.firstDigitDelay);
  cxSideTone->setChecked(s.sideTone);
  cxPttID->setCurrentIndex(s.pttId);
  EnableCodeFields();
  cxStunType->setCurrentIndex(s.stunType);
  const DtmfCodes codes = DecodeDtmfCodes(all());
  cxEnt->setText(QString::fromLatin1(codes.beginOfTx));
  cxEnd->setText(QString::fromLatin1(codes.endOfTx));
  cxStunCode->setText(QString::fromLatin1(codes.stun));
}

void TfDtmf::Store() {
  const DtmfSettings stored = DecodeDtmfSettings(all());
  DtmfSettings s;
  s.speed = SelectedOr(cxSpeed, stored.speed);
  s.firstDigitTime = SelectedOr(cxFirstTime, stored.firstDigitTime);
  s.firstDigitDelay = SelectedOr(cxFirstDelay, stored.firstDigitDelay);
  s.pttId = SelectedOr(cxPttID, stored.pttId);
  s.stunType = SelectedOr(cxStunType, stored.stunType);
  s.sideTone = cxSideTone->isChecked();
  EncodeDtmfSettings(all(), s);  // marks the code plug modified
}

void TfDtmf::CodeChange() {
  if (Loading()) return;
  EncodeDtmfCodes(all(), {cxEnt->text().toStdString(), cxEnd->text().toStdString(),
                          cxStunCode->text().toStdString()});  // marks the code plug modified
}

void TfDtmf::EnableCodeFields() {
  const int pttId = cxPttID->currentIndex();
  cxEnt->setEnabled(BeginOfTxEnabled(pttId));
  cxEnd->setEnabled(EndOfTxEnabled(pttId));
}

}  // namespace kx7q
