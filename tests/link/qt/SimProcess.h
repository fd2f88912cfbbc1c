#pragma once
// The virtual radio as a child process for the serial tests.

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kx7q::test {

class SimProcess {
 public:
  explicit SimProcess(const QStringList& args) {
    process_.setProgram(QStringLiteral(KX7Q_BIN_DIR "/kx7q-sim"));
    process_.setArguments(args);
    process_.setProcessChannelMode(QProcess::SeparateChannels);
    process_.start();
    if (!process_.waitForStarted(10000)) return;
    // The first line is the terminal's path.
    while (!process_.canReadLine() && process_.state() == QProcess::Running) process_.waitForReadyRead(200);
    path_ = QString::fromUtf8(process_.readLine()).trimmed();
  }
  ~SimProcess() { Stop(); }

  void Stop() {
    if (process_.state() == QProcess::NotRunning) return;
    process_.kill();
    process_.waitForFinished(5000);
  }
  // With --once the radio ends after a session.
  bool WaitForExit(int ms = 15000) {
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(ms);
  }

  const QString& Path() const { return path_; }
  QString Errors() { return QString::fromUtf8(process_.readAllStandardError()); }

 private:
  QProcess process_;
  QString path_;
};

}  // namespace kx7q::test
