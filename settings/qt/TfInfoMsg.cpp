#include "settings/qt/TfInfoMsg.h"

#include <QLineEdit>
#include <QPushButton>

#include "i18n/qt/Localise.h"
#include "settings/RadioInformation.h"
#include "settings/qt/FieldRules.h"
#include "settings/qt/FunctionWindowLayout.h"

namespace kx7q {

namespace {

QLineEdit* MakeField(QWidget* parent, const char* name, bool readOnly) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setReadOnly(readOnly);
  field->setMinimumWidth(180);
  return field;
}

}  // namespace

TfInfoMsg::TfInfoMsg(Maindb& db, MainOps& main, QWidget* parent)
    : EditWindow(db, main, parent), layout_(new FunctionWindowLayout(*this)) {
  setObjectName(QStringLiteral("fInfoMsg"));
  setWindowTitle(QStringLiteral("Radio Information"));

  cxModel = MakeField(this, "cxModel", true);
  cxFreq = MakeField(this, "cxFreq", true);
  cxSerial = MakeField(this, "cxSerial", false);
  // All 16 bytes are shown, so an erased serial number fills the field with
  // blanks; typing takes their place.
  ApplyFieldRule(cxSerial, {kSerialNumberLength, nullptr, true, true});
  cxRadioTime = MakeField(this, "cxRadioTime", true);
  cxLeaveTime = MakeField(this, "cxLeaveTime", true);
  layout_->BeginFrame();
  layout_->AddRow("lModel", "Model Type", cxModel);
  layout_->AddRow("lFreq", "Frequency[MHz]", cxFreq);
  layout_->AddRow("lSerial", "Serial Number", cxSerial);
  layout_->AddRow("lRadioTime", "Write Time", cxRadioTime);
  layout_->AddRow("lLeaveTime", "Leave Factory Time", cxLeaveTime);
  layout_->AddCloseButton();

  // The change handler has already stored the serial number, so "&Ok" has
  // nothing left to do; it stays hidden.
  btnOk = new QPushButton(QStringLiteral("&Ok"), this);
  btnOk->setObjectName(QStringLiteral("btnOk"));
  btnOk->hide();

  connect(cxSerial, &QLineEdit::textChanged, this, &EditWindow::StoreChange);
}

void TfInfoMsg::Decode() {
  cxModel->setText(DecodeText(all().ModelName));
  cxFreq->setText(DecodeText(all().BandText));
  cxSerial->setText(QString::fromLatin1(SerialNumberText(all())));
  cxRadioTime->setText(QString::fromLatin1(WriteTimeText(all())));
  cxLeaveTime->setText(QString::fromLatin1(FactoryTimeText(all())));
}

void TfInfoMsg::Store() {
  // As typed: the display filter only decides how it is shown next time.
  StoreSerialNumber(all(), EncodeText(cxSerial->text()));  // marks the code plug modified
}

}  // namespace kx7q
