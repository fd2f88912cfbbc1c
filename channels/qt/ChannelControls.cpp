#include "channels/qt/ChannelControls.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "i18n/qt/Localise.h"

namespace kx7q {

void FillList(QComboBox* box, const ValueList& list) {
  box->clear();
  for (const std::string& item : list.items) box->addItem(QString::fromStdString(item));
  switch (list.translation) {
    case ItemTranslation::All: SetItemMode(box, ItemMode::All); break;
    case ItemTranslation::None: SetItemMode(box, ItemMode::None); break;
    case ItemTranslation::FirstOnly: SetItemMode(box, ItemMode::FirstOnly); break;
  }
}

int EntryIndex(const QComboBox* box, const QString& text) {
  return box->findText(text, Qt::MatchFixedString);
}

void ShowToneText(QComboBox* box, const QString& text) {
  // Exact match: "D023n" stays as typed rather than turning into "D023N".
  const int index = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index >= 0) {
    box->setCurrentIndex(index);
    return;
  }
  box->setCurrentIndex(-1);
  box->setEditText(text);
}

void ShowCaution(const Maindb& db, const char* key, QWidget* parent) {
  ShowMessage(db.Language.Text("Caution"), db.Language.Text(key), MessageKind::Information, parent);
}

void CautionReporter::FrequencyClamped(double, double) { ShowCaution(db_, "ErrRange", parent_); }

QChar FilterEntryKey(EntryKeys keys, QChar typed) {
  if (keys == EntryKeys::Any) return typed;
  if (typed.unicode() >= 128) return QChar();  // the rules know ASCII only
  const char ascii = static_cast<char>(typed.unicode());
  const char passed = keys == EntryKeys::Tone ? FilterToneKey(ascii) : FilterFrequencyKey(ascii);
  return passed == 0 ? QChar() : QChar(passed);
}

bool EntryKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return onEnter_ ? onEnter_() : false;
  const QString text = key->text();
  // Keys without a character, and control characters (Backspace, shortcuts).
  if (text.isEmpty() || text.at(0).unicode() < 0x20 || text.at(0).unicode() == 0x7F) return false;
  const QChar typed = FilterEntryKey(keys_, text.at(0));
  if (typed.isNull()) return true;
  if (typed != text.at(0)) {
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (edit == nullptr) {
      if (auto* box = qobject_cast<QComboBox*>(watched)) edit = box->lineEdit();
    }
    if (edit != nullptr) edit->insert(QString(typed));
    return true;
  }
  return false;
}

}  // namespace kx7q
