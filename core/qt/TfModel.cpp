#include "core/qt/TfModel.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

#include "i18n/qt/Localise.h"

namespace kx7q {
namespace {

// Selects the entry with the text, or the first entry when none has it.
void SelectText(QComboBox* box, const std::string& text) {
  const int index = box->findText(DecodeText(text));
  box->setCurrentIndex(index >= 0 ? index : (box->count() > 0 ? 0 : -1));
}

}  // namespace

TfModel::TfModel(Maindb& db, QWidget* parent) : QDialog(parent), db_(db) {
  setObjectName("fModel");
  setWindowTitle("Model Information");
  Label1 = new QLabel("Model Type: ", this);
  Label1->setObjectName("Label1");
  Label2 = new QLabel("Frequency: ", this);
  Label2->setObjectName("Label2");
  cbCopmut = new QComboBox(this);
  cbCopmut->setObjectName("cbCopmut");
  cbPd = new QComboBox(this);
  cbPd->setObjectName("cbPd");
  // Model names and bands are the radio's own; no language file renames them.
  SetItemMode(cbCopmut, ItemMode::None);
  SetItemMode(cbPd, ItemMode::None);
  btnOk = new QPushButton("&Ok", this);
  btnOk->setObjectName("btnOk");
  btnOk->setDefault(true);
  btnCancel = new QPushButton("&Cancel", this);
  btnCancel->setObjectName("btnCancel");

  auto* grid = new QGridLayout(this);
  grid->addWidget(Label1, 0, 0);
  grid->addWidget(cbCopmut, 0, 1);
  grid->addWidget(Label2, 1, 0);
  grid->addWidget(cbPd, 1, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  grid->addLayout(buttons, 2, 0, 1, 2);
  cbCopmut->setMinimumWidth(180);

  if (db_.All.LanguageIndex > 0) LocaliseWindow(this, db_.All, false);

  std::vector<std::string> names;
  db_.MacList.FillNames(names);
  for (const auto& name : names) cbCopmut->addItem(DecodeText(name));
  SelectText(cbCopmut, db_.All.ModelName);
  cbCopmutChange();
  SelectText(cbPd, db_.All.BandText);
  Accepted = false;

  connect(cbCopmut, &QComboBox::activated, this, [this] { cbCopmutChange(); });
  connect(btnOk, &QPushButton::clicked, this, [this] {
    Accepted = true;
    accept();
  });
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfModel::cbCopmutChange() {
  cbPd->clear();
  const TMacType* model = db_.MacList.FindByName(cbCopmut->currentText().toStdString());
  if (model == nullptr) return;
  for (const auto& band : model->Bands) cbPd->addItem(DecodeText(band));
  SelectText(cbPd, model->DefaultBand);
}

}  // namespace kx7q
