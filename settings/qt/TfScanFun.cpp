#include "settings/qt/TfScanFun.h"

#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "core/Numbers.h"
#include "settings/ScanInformation.h"
#include "settings/qt/FunctionWindowLayout.h"

namespace kx7q {

TfScanFun::TfScanFun(Maindb& db, MainOps& main, QWidget* parent)
    : EditWindow(db, main, parent), layout_(new FunctionWindowLayout(*this)) {
  setObjectName(QStringLiteral("fScanFun"));
  setWindowTitle(QStringLiteral("Scan Information"));

  cxScanSpeed = MakeList(*this, ScanSpeedList());
  cxScanDely = MakeList(*this, DropoutDelayList());
  layout_->BeginFrame("L0", "Scan Information");
  layout_->AddRow("L1", "Scan Speed[ms]", cxScanSpeed);
  layout_->AddRow("L2", "Dropout Delay Time[s]", cxScanDely);

  cxFM_Min = MakeBoundField("cxFM_Min");
  cxFM_Max = MakeBoundField("cxFM_Max");
  connect(cxFM_Min, &QLineEdit::editingFinished, this, &TfScanFun::cxFM_MinExit);
  connect(cxFM_Max, &QLineEdit::editingFinished, this, &TfScanFun::cxFM_MaxExit);
  fmGroup_ = layout_->BeginFrame("L5", "FM Scan Information");
  layout_->AddRow("L6", "FM Scan bound[MHz]", {cxFM_Min, cxFM_Max});
  fmGroup_->hide();

  layout_->AddCloseButton();
}

QLineEdit* TfScanFun::MakeBoundField(const char* name) {
  auto* field = new QLineEdit(this);
  field->setObjectName(QString::fromLatin1(name));
  // A number of MHz, "." as the decimal point whatever the locale.
  field->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}(\\.[0-9]{0,3})?")), field));
  return field;
}

void TfScanFun::Decode() {
  const ScanInformation s = DecodeScanInformation(all());
  cxScanSpeed->setCurrentIndex(s.scanSpeed);
  cxScanDely->setCurrentIndex(s.dropoutDelay);
  cxFM_Min->setText(QString::fromStdString(FormatFmBound(FmLowerBound(all()))));
  cxFM_Max->setText(QString::fromStdString(FormatFmBound(FmUpperBound(all()))));
}

void TfScanFun::Store() {
  const ScanInformation stored = DecodeScanInformation(all());
  ScanInformation s;
  s.scanSpeed = SelectedOr(cxScanSpeed, stored.scanSpeed);
  s.dropoutDelay = SelectedOr(cxScanDely, stored.dropoutDelay);
  EncodeScanInformation(all(), s);  // sets Modified
}

std::optional<double> TfScanFun::Entered(QLineEdit* field, double stored) {
  const std::optional<double> mhz = ParseDecimal(field->text().toStdString());
  if (!mhz) field->setText(QString::fromStdString(FormatFmBound(stored)));
  return mhz;
}

// The bounds are checked against each other through the image, which always
// holds what the fields show.
void TfScanFun::cxFM_MinExit() {
  if (Loading()) return;
  if (auto mhz = Entered(cxFM_Min, FmLowerBound(all())))
    cxFM_Min->setText(QString::fromStdString(FormatFmBound(StoreFmLowerBound(all(), *mhz))));
}

void TfScanFun::cxFM_MaxExit() {
  if (Loading()) return;
  if (auto mhz = Entered(cxFM_Max, FmUpperBound(all())))
    cxFM_Max->setText(QString::fromStdString(FormatFmBound(StoreFmUpperBound(all(), *mhz))));
}

}  // namespace kx7q
