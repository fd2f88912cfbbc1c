#include "settings/qt/FieldRules.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

namespace kx7q {

namespace {

// Every character must pass the test; upper case first when asked.
class FieldValidator : public QValidator {
 public:
  FieldValidator(const FieldRule& rule, QObject* parent) : QValidator(parent), rule_(rule) {}

  State validate(QString& input, int& position) const override {
    if (rule_.upperCase) {
      input = input.toUpper();
      position = std::min(position, static_cast<int>(input.size()));
    }
    for (QChar c : input)
      if (!rule_.accept(c)) return Invalid;
    return Acceptable;
  }

 private:
  FieldRule rule_;
};

// Typed letters in upper case; the clipboard keys refused where asked;
// trailing blanks of a blank-padded field give way to typed characters.
class FieldKeyFilter : public QObject {
 public:
  FieldKeyFilter(QLineEdit* field, const FieldRule& rule) : QObject(field), field_(field), rule_(rule) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (rule_.blankPadded && event->type() == QEvent::MouseButtonRelease && !field_->hasSelectedText()) {
      const int end = ContentEnd(field_->text());
      if (field_->cursorPosition() > end) field_->setCursorPosition(end);
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
      return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
    if (press && rule_.blankPadded && InsertOverBlanks(*key)) return true;
    if (rule_.accept != nullptr && (key->matches(QKeySequence::Paste) || key->matches(QKeySequence::Cut) ||
                                    key->matches(QKeySequence::Copy))) {
      event->accept();  // taken here, so no shortcut of the window fires either
      return press;
    }
    if (press && rule_.upperCase && !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
      const QString text = key->text();
      if (!text.isEmpty() && text.at(0).isPrint() && text != text.toUpper()) {
        field_->insert(text.toUpper());
        return true;
      }
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  // Where the text ends once its trailing blanks are left out.
  static int ContentEnd(const QString& text) {
    int end = static_cast<int>(text.size());
    while (end > 0 && text.at(end - 1) == QLatin1Char(' ')) --end;
    return end;
  }

  // A typed character that does not fit the full field replaces trailing
  // blanks after the caret. Returns false when the field can take the key
  // itself or when there are not enough such blanks (the key is refused).
  bool InsertOverBlanks(const QKeyEvent& key) {
    if (field_->isReadOnly() || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
    QString typed = key.text();
    if (typed.isEmpty() || !typed.at(0).isPrint()) return false;
    if (rule_.upperCase) typed = typed.toUpper();
    if (rule_.accept != nullptr)
      for (QChar c : typed)
        if (!rule_.accept(c)) return false;
    QString text = field_->text();
    int position = field_->cursorPosition();
    if (field_->hasSelectedText()) {
      position = field_->selectionStart();
      text.remove(position, static_cast<int>(field_->selectedText().size()));
    }
    const int excess = static_cast<int>(text.size() + typed.size()) - field_->maxLength();
    if (excess <= 0) return false;
    // At the very end (End pressed, or the caret left there by a refill) the
    // character goes after the last one that is not a blank.
    if (position == static_cast<int>(text.size())) position = ContentEnd(text);
    if (ContentEnd(text) > static_cast<int>(text.size()) - excess || position > static_cast<int>(text.size()) - excess)
      return false;
    text.chop(excess);
    text.insert(position, typed);
    field_->setText(text);
    field_->setCursorPosition(position + static_cast<int>(typed.size()));
    return true;
  }

  QLineEdit* field_;
  FieldRule rule_;
};

}  // namespace

void ApplyFieldRule(QLineEdit* field, const FieldRule& rule) {
  field->setMaxLength(rule.maxLength);
  if (rule.accept != nullptr) {
    field->setValidator(new FieldValidator(rule, field));
    field->setAcceptDrops(false);
  }
  if (rule.accept != nullptr || rule.upperCase || rule.blankPadded) field->installEventFilter(new FieldKeyFilter(field, rule));
}

}  // namespace kx7q
