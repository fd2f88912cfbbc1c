#include "settings/qt/TfEmbeddedMessage.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "i18n/qt/Localise.h"
#include "settings/qt/FieldRules.h"

namespace kx7q {

namespace {

constexpr int kMessageLineLength = 32;

// Blanks, digits and the letters A-Z and a-z; no punctuation.
bool IsMessageKey(QChar c) {
  const char16_t u = c.unicode();
  return u == ' ' || (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z');
}

QLineEdit* MakeLine(QWidget* parent, const char* name) {
  auto* line = new QLineEdit(parent);
  line->setObjectName(QString::fromLatin1(name));
  ApplyFieldRule(line, {kMessageLineLength, IsMessageKey});
  line->setMinimumWidth(line->fontMetrics().averageCharWidth() * (kMessageLineLength + 4));
  return line;
}

}  // namespace

TfEmbeddedMessage::TfEmbeddedMessage(Maindb& db, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("fEmbeddedMessage"));
  setWindowTitle(QStringLiteral("Embedded Message"));

  edEMA = MakeLine(this, "edEMA");
  edEMB = MakeLine(this, "edEMB");
  btnOk = new QPushButton(QStringLiteral("&Ok"), this);
  btnOk->setObjectName(QStringLiteral("btnOk"));
  btnCancel = new QPushButton(QStringLiteral("&Cancel"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));

  auto* layout = new QVBoxLayout(this);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->addWidget(edEMA);
  layout->addWidget(edEMB);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);

  connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

  if (db.All.LanguageIndex > 0) LocaliseWindow(this, db.All, true);
}

}  // namespace kx7q
