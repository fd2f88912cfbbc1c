#include "link/qt/LinkDialog.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "i18n/qt/Localise.h"

namespace kx7q {

LinkDialog::LinkDialog(LinkDirection direction, Maindb& db, QWidget* parent)
    : QDialog(parent),
      db_(db),
      session_(direction, LinkContext{db.All, db.MacList, db.FrqList}, *this, QString::fromStdString(db.SettingsPath),
               this) {
  setModal(true);
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  pBar = new QProgressBar(this);
  pBar->setObjectName("pBar");
  pBar->setRange(0, kProgressMaximum);
  pBar->setValue(0);
  pBar->setTextVisible(false);

  btnOk = new QPushButton(tr("&Ok"), this);
  btnOk->setObjectName("btnOk");
  btnOk->setDefault(true);
  btnCancel = new QPushButton(tr("&Cancel"), this);
  btnCancel->setObjectName("btnCancel");

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pBar);
  layout->addLayout(buttons);
  setFixedSize(360, 90);

  connect(btnOk, &QPushButton::clicked, this, [this] { session_.Engine().Ok(); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

LinkDialog::~LinkDialog() { session_.Engine().Close(); }

void LinkDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (shown_) return;
  shown_ = true;
  if (db_.All.LanguageIndex > 0) LocaliseWindow(this, db_.All, false);
  session_.Engine().Show(db_.All.PortName);
}

// Every way out (Cancel, the close box, Escape, the end of a transfer) comes
// here: the transfer is abandoned before the dialog goes.
void LinkDialog::done(int) {
  session_.Engine().Close();
  const bool completed = session_.Engine().Succeeded() || completed_;
  QDialog::done(completed ? QDialog::Accepted : QDialog::Rejected);
}

void LinkDialog::Progress(int position, int maximum) {
  pBar->setMaximum(maximum);
  pBar->setValue(position);
}

void LinkDialog::Message(const Status& message) {
  if (message.key == "WriteOk") completed_ = true;
  InformFailure(db_.Language, message, this);
}

void LinkDialog::EnableOk(bool enabled) { btnOk->setEnabled(enabled); }

void LinkDialog::Finish() { done(QDialog::Rejected); }

}  // namespace kx7q
