#include "settings/qt/TfKeyFun.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>

#include "settings/KeyFunction.h"
#include "settings/qt/FunctionWindowLayout.h"

namespace kx7q {

TfKeyFun::TfKeyFun(Maindb& db, MainOps& main, QWidget* parent)
    : EditWindow(db, main, parent), layout_(new FunctionWindowLayout(*this)) {
  setObjectName(QStringLiteral("fKeyFun"));
  setWindowTitle(QStringLiteral("Key Function"));

  List_Short = MakeHolder(KeyShortList());
  List_Long = MakeHolder(KeyLongList());
  cxKey1_S = MakeKeyList("cxKey1_S");
  cxKey2_S = MakeKeyList("cxKey2_S");

  layout_->BeginFrame();
  layout_->AddRow("L1", "KEY-1", cxKey1_S);
  QLabel* key2 = layout_->AddRow("L2", "KEY-2", cxKey2_S);
  layout_->SetRowVisible(key2, false);
  layout_->AddCloseButton();
}

// An invisible holder of a list's entries; localising translates its items
// whatever the item mode, as it does for every list box.
QListWidget* TfKeyFun::MakeHolder(const ValueList& list) {
  auto* holder = new QListWidget(this);
  holder->setObjectName(QString::fromStdString(list.control));
  for (const std::string& item : list.items) holder->addItem(QString::fromStdString(item));
  holder->hide();
  return holder;
}

QComboBox* TfKeyFun::MakeKeyList(const char* name) {
  auto* box = new QComboBox(this);
  box->setObjectName(QString::fromLatin1(name));
  SetItemMode(box, ItemMode::None);  // the entries come from the holders
  connect(box, &QComboBox::currentIndexChanged, this, &EditWindow::StoreChange);
  return box;
}

void TfKeyFun::Fill(QComboBox* box, const QListWidget* holder) {
  box->clear();
  for (int i = 0; i < holder->count(); ++i) box->addItem(holder->item(i)->text());
}

void TfKeyFun::Decode() {
  Fill(cxKey1_S, List_Short);
  Fill(cxKey2_S, List_Long);
  const KeyFunction k = DecodeKeyFunction(all());  // a position outside the list shows the first entry
  cxKey1_S->setCurrentIndex(k.key1);
  cxKey2_S->setCurrentIndex(k.key2);
}

void TfKeyFun::Store() {
  // By position, not by text: a language file that gives two functions the
  // same name must not turn the hidden KEY-2 into the first of them.
  KeyFunction k = DecodeKeyFunction(all());
  if (cxKey1_S->currentIndex() >= 0) k.key1 = cxKey1_S->currentIndex();
  if (cxKey2_S->currentIndex() >= 0) k.key2 = cxKey2_S->currentIndex();
  EncodeKeyFunction(all(), k);  // leaves Modified alone
}

}  // namespace kx7q
