// The program's message boxes: information with OK, question with Yes and No.
#include <QApplication>
#include <QMessageBox>

#include "i18n/Language.h"
#include "i18n/qt/Localise.h"

namespace kx7q {
namespace {

MessageHandler& Handler() {
  static MessageHandler handler;
  return handler;
}

bool IsMessageKey(std::string_view key) {
  for (const auto& entry : MessageDefaults())
    if (key == entry.key) return true;
  return false;
}

}  // namespace

MessageHandler SetMessageHandler(MessageHandler handler) {
  MessageHandler old = std::move(Handler());
  Handler() = std::move(handler);
  return old;
}

bool ShowMessage(const std::string& title, const std::string& text, MessageKind kind, QWidget* parent) {
  const QString decodedTitle = DecodeText(title);
  const QString decodedText = DecodeText(text);
  if (Handler()) return Handler()(decodedTitle, decodedText, kind);
  if (parent == nullptr) parent = QApplication::activeWindow();
  if (kind == MessageKind::Question) {
    return QMessageBox::question(parent, decodedTitle, decodedText, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
  }
  QMessageBox::information(parent, decodedTitle, decodedText);
  return true;
}

void Inform(const TLanguage& texts, std::string_view key, QWidget* parent) {
  ShowMessage(texts.Text("Confirmation"), texts.Text(key), MessageKind::Information, parent);
}

bool Ask(const TLanguage& texts, std::string_view key, QWidget* parent) {
  return ShowMessage(texts.Text("Confirmation"), texts.Text(key), MessageKind::Question, parent);
}

void InformFailure(const TLanguage& texts, const Status& status, QWidget* parent) {
  std::string text = IsMessageKey(status.key) ? texts.Text(status.key) : status.key;
  if (!status.detail.empty()) text += "\n" + status.detail;
  ShowMessage(texts.Text("Confirmation"), text, MessageKind::Information, parent);
}

}  // namespace kx7q
