#pragma once
// Waiting for asynchronous outcomes in gtest: runs the event loop until the
// condition holds or the time is up. (Qt's QTRY macros report to QTest's own
// log and would let a gtest pass.)

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>
#include <functional>

namespace kx7q::test {

inline bool WaitFor(const std::function<bool()>& condition, int milliseconds = 15000) {
  QDeadlineTimer deadline(milliseconds);
  while (!condition()) {
    if (deadline.hasExpired()) return false;
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(1);
  }
  return true;
}

// Runs the event loop for a while (for "nothing more happens" checks).
inline void Spin(int milliseconds) {
  WaitFor([] { return false; }, milliseconds);
}

}  // namespace kx7q::test
