#include "settings/qt/TfPassWord.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>

#include "i18n/qt/Localise.h"
#include "settings/Password.h"
#include "settings/qt/FieldRules.h"
#include "settings/qt/FunctionWindowLayout.h"

namespace kx7q {

TfPassWord::TfPassWord(Maindb& db, MainOps& main, QWidget* parent)
    : EditWindow(db, main, parent), layout_(new FunctionWindowLayout(*this)) {
  setObjectName(QStringLiteral("fPassWord"));
  setWindowTitle(QStringLiteral("PassWord"));

  cxoPasd = new QLineEdit(this);
  cxoPasd->setObjectName(QStringLiteral("cxoPasd"));
  ApplyFieldRule(cxoPasd, {kPasswordLength});
  cbNps = new QCheckBox(this);
  cbNps->setObjectName(QStringLiteral("cbNps"));
  cxnPasd = new QLineEdit(this);
  cxnPasd->setObjectName(QStringLiteral("cxnPasd"));
  ApplyFieldRule(cxnPasd, {kPasswordLength});
  cxnPasd->setEnabled(false);

  layout_->BeginFrame();
  layout_->AddRow("Label1", "PassWard", cxoPasd);
  layout_->AddRow("Label2", "New PassWard", {cbNps, cxnPasd});
  layout_->AddCloseButton();

  btnOk = new QPushButton(QStringLiteral("&Ok"), this);
  btnOk->setObjectName(QStringLiteral("btnOk"));
  btnOk->hide();

  connect(cxoPasd, &QLineEdit::textChanged, this, &EditWindow::StoreChange);
  connect(cxnPasd, &QLineEdit::textChanged, this, &EditWindow::StoreChange);
  connect(cbNps, &QCheckBox::toggled, this, &TfPassWord::cbNpsClick);
}

void TfPassWord::Decode() {
  cxoPasd->setText(QString::fromLatin1(PasswordText(all())));
  cbNps->setChecked(all().SetNewPassword);  // enables the new password with it
  if (all().SetNewPassword) cxnPasd->setText(QString::fromLatin1(NewPasswordText(all())));
}

void TfPassWord::Store() {
  // StorePasswords writes the new password only while the switch is on.
  StorePasswords(all(), EncodeText(cxoPasd->text()), EncodeText(cxnPasd->text()));
}

// Takes effect with the next text change; nothing is stored here. Switched
// on, the field shows the new password the image holds, so that the next
// change stores that one again rather than an empty field over it.
void TfPassWord::cbNpsClick(bool on) {
  cxnPasd->setEnabled(on);
  all().SetNewPassword = on;
  if (on && !Loading()) {
    auto hold = HoldLoading();
    cxnPasd->setText(QString::fromLatin1(NewPasswordText(all())));
  }
}

}  // namespace kx7q
