#include "tools/cli/LinkCommand.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>
#include <iostream>
#include <memory>

#include "app/Startup.h"
#include "link/qt/LinkSession.h"

namespace kx7q::cli {
namespace {

// The command line's view of a transfer: the first message ends it.
class ConsoleView : public LinkView {
 public:
  ConsoleView(const char* verb) : verb_(verb) {}
  void Progress(int position, int maximum) override {
    if (position == shown_) return;
    shown_ = position;
    std::cerr << "\r" << verb_ << ": " << position * 100 / maximum << " %" << std::flush;
  }
  void Message(const Status& message) override {
    if (!ended_) {
      result = message;
      if (clock.isValid()) seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    }
    ended_ = true;
    QCoreApplication::exit(0);  // once the engine has returned
  }
  void EnableOk(bool) override {}
  void Finish() override { QCoreApplication::exit(0); }
  void Opened() override {
    clock.start();
    if (start) start();
  }

  Status result = Status::Fail("ComError", "the transfer did not end");
  std::function<void()> start;
  QElapsedTimer clock;  // from Ok to the final message
  double seconds = -1;

 private:
  const char* verb_;
  int shown_ = -1;
  bool ended_ = false;
};

}  // namespace

Status RunTransfer(LinkDirection direction, const std::string& port) {
  std::unique_ptr<QCoreApplication> app;
  if (!QCoreApplication::instance()) {
    static int argc = 1;
    static char name[] = "kx7q-cli";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  Maindb& db = Db();
  const bool reading = direction == LinkDirection::Read;
  ConsoleView view(reading ? "Reading" : "Writing");
  LinkSession session(direction, LinkContext{db.All, db.MacList, db.FrqList}, view,
                      QString::fromStdString(db.SettingsPath));
  view.start = [&session] { session.Engine().Ok(); };
  QTimer::singleShot(0, [&] { session.Engine().Show(port); });
  QCoreApplication::exec();
  session.Engine().Close();
  if (view.seconds >= 0) {
    char took[32];
    std::snprintf(took, sizeof took, " (%.3f s)", view.seconds);
    std::cerr << took;
  }
  std::cerr << "\n";
  const bool done = reading ? session.Engine().Succeeded() : view.result.key == "WriteOk";
  return done ? Status::Ok() : view.result;
}

}  // namespace kx7q::cli
