#include "i18n/qt/TfSetLanguage.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "i18n/IniFile.h"
#include "i18n/ProgramSettings.h"
#include "i18n/qt/Localise.h"

namespace kx7q {
namespace {

constexpr int kRawNameRole = Qt::UserRole;

}  // namespace

TfSetLanguage::TfSetLanguage(Maindb& db, QWidget* parent) : QDialog(parent), db_(db) {
  setObjectName("fSetLanguage");
  setWindowTitle("Language File Setup");
  lbName = new QLabel("Language Mode: ", this);
  lbName->setObjectName("lbName");
  cbLanguage = new QComboBox(this);
  cbLanguage->setObjectName("cbLanguage");
  cbLanguage->setMinimumWidth(160);
  SetItemMode(cbLanguage, ItemMode::None);
  Language = new QListWidget(this);
  Language->setObjectName("Language");
  Language->hide();
  btnOk = new QPushButton("&Ok", this);
  btnOk->setObjectName("btnOk");
  btnOk->setDefault(true);
  btnCancel = new QPushButton("&Cancel", this);
  btnCancel->setObjectName("btnCancel");

  auto* layout = new QVBoxLayout(this);
  auto* row = new QHBoxLayout;
  row->addWidget(lbName);
  row->addWidget(cbLanguage, 1);
  layout->addLayout(row);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  layout->addLayout(buttons);

  IniFile settings;
  settings.Load(db_.SettingsPath);
  for (const auto& name : LanguageList(settings)) {
    auto* item = new QListWidgetItem(DecodeText(name), Language);
    item->setData(kRawNameRole, QByteArray::fromStdString(name));
  }
  for (const auto& display : LanguageDisplayNames(settings, db_.All.LanguageName))
    cbLanguage->addItem(DecodeText(display));
  if (db_.All.LanguageIndex > 0) LocaliseWindow(this, db_.All, false);
  cbLanguage->setCurrentIndex(db_.All.LanguageIndex < cbLanguage->count() ? db_.All.LanguageIndex : -1);
  changed_ = false;

  connect(btnOk, &QPushButton::clicked, this, [this] { btnOkClick(); });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfSetLanguage::btnOkClick() {
  const int selected = cbLanguage->currentIndex();
  // A display name without a file name at its position chooses nothing.
  if (selected >= 0 && selected != db_.All.LanguageIndex && selected < Language->count()) {
    const QListWidgetItem* item = Language->item(selected);
    const QByteArray raw = item->data(kRawNameRole).toByteArray();
    // A language file may rename the entry; the original bytes serve otherwise.
    db_.All.LanguageName = item->text() == DecodeText(raw.toStdString()) ? raw.toStdString()
                                                                         : EncodeText(item->text());
    db_.All.LanguageIndex = selected;
    changed_ = true;
  }
  accept();
}

}  // namespace kx7q
