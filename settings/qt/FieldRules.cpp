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

// Typed letters in upper case; the clipboard keys refused where asked.
class FieldKeyFilter : public QObject {
 public:
  FieldKeyFilter(QLineEdit* field, const FieldRule& rule) : QObject(field), field_(field), rule_(rule) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
      return QObject::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    const bool press = event->type() == QEvent::KeyPress;
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
  if (rule.accept != nullptr || rule.upperCase) field->installEventFilter(new FieldKeyFilter(field, rule));
}

}  // namespace kx7q
