#pragma once
// Answers the program's message boxes in tests and records what was asked.
//
//   MessageAnswers boxes;
//   boxes.Answer(false);               // the next question is answered No
//   ... the code under test asks ...
//   EXPECT_EQ(boxes.Texts(), (QStringList{"Do you wish to exit program?"}));
//
// Questions without a queued answer get Yes; information boxes are just
// recorded.

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

#include "i18n/qt/Localise.h"
#include "support/qt/QtPrinters.h"

namespace kx7q::test {

class MessageAnswers {
 public:
  struct Box {
    QString title;
    QString text;
    MessageKind kind;
  };

  MessageAnswers() {
    previous_ = SetMessageHandler([this](const QString& title, const QString& text, MessageKind kind) {
      boxes_.push_back({title, text, kind});
      if (kind != MessageKind::Question || answers_.empty()) return true;
      const bool answer = answers_.front();
      answers_.pop_front();
      return answer;
    });
  }
  ~MessageAnswers() { SetMessageHandler(std::move(previous_)); }
  MessageAnswers(const MessageAnswers&) = delete;
  MessageAnswers& operator=(const MessageAnswers&) = delete;

  void Answer(bool yes) { answers_.push_back(yes); }
  const std::vector<Box>& Boxes() const { return boxes_; }
  QStringList Texts() const {
    QStringList texts;
    for (const auto& box : boxes_) texts << box.text;
    return texts;
  }
  void Clear() { boxes_.clear(); }

 private:
  MessageHandler previous_;
  std::deque<bool> answers_;
  std::vector<Box> boxes_;
};

}  // namespace kx7q::test
