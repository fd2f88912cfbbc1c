#include "link/qt/TfSetPort.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "i18n/qt/Localise.h"
#include "link/PortNames.h"

namespace kx7q {
namespace {

int NumberOf(const QString& portName) { return PortNumberOf(portName.toStdString()).value_or(0); }

}  // namespace

void CheckStartupPort(TALL& all, const QStringList& presentPorts) {
  all.PortName = QString::fromStdString(all.PortName).toUpper().toStdString();
  if (presentPorts.isEmpty() || presentPorts.contains(QString::fromStdString(all.PortName))) return;
  all.PortName = presentPorts.first().toStdString();
}

TfSetPort::TfSetPort(Maindb& db, const QStringList& presentPorts, QWidget* parent)
    : QDialog(parent), db_(db) {
  setObjectName("fSetPort");
  setWindowTitle("Communication Port");
  cxPort = new QGroupBox(this);
  cxPort->setObjectName("cxPort");
  lbName = new QLabel("Port:", this);
  lbName->setObjectName("lbName");
  lbName->hide();
  cbCom = new QComboBox(this);
  cbCom->setObjectName("cbCom");
  SetItemMode(cbCom, ItemMode::None);
  cbCom->hide();
  btnOk = new QPushButton("&Ok", this);
  btnOk->setObjectName("btnOk");
  btnOk->setDefault(true);
  btnCancel = new QPushButton("&Cancel", this);
  btnCancel->setObjectName("btnCancel");

  auto* group = new QButtonGroup(this);
  auto* grid = new QGridLayout(cxPort);
  for (int n = 1; n <= kDialogPorts; ++n) {
    auto* button = new QRadioButton(QStringLiteral("COM%1").arg(n), cxPort);
    button->setObjectName(QStringLiteral("cxPort%1").arg(n));
    button->setEnabled(false);
    group->addButton(button, n);
    grid->addWidget(button, (n - 1) / 5, (n - 1) % 5);
    cxPort_[static_cast<std::size_t>(n - 1)] = button;
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(cxPort);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);

  if (db_.All.LanguageIndex > 0) {
    LocaliseWindow(this, db_.All, true);
    for (int n = 1; n <= kDialogPorts; ++n) PortButton(n)->setText(lbName->text() + QString::number(n));
  }
  cxPort->setTitle(windowTitle());

  cbCom->addItems(presentPorts);
  for (const QString& port : presentPorts) {
    const int n = NumberOf(port);
    if (n >= 1 && n <= kDialogPorts) PortButton(n)->setEnabled(true);
  }
  const int current = NumberOf(QString::fromStdString(db_.All.PortName));
  if (current >= 1 && current <= kDialogPorts) PortButton(current)->setChecked(true);

  connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfSetPort::btnOkClick() {
  for (int n = 1; n <= kDialogPorts; ++n)
    if (PortButton(n)->isChecked()) db_.All.PortName = "COM" + std::to_string(n);
  accept();
}

}  // namespace kx7q
