#include "link/qt/LinkTimersQt.h"

namespace kx7q {

LinkTimersQt::LinkTimersQt(std::function<void(LinkTimer)> expired, QObject* parent) : QObject(parent) {
  for (int i = 0; i < kLinkTimerCount; ++i) {
    QTimer& t = timers_[static_cast<std::size_t>(i)];
    t.setSingleShot(true);
    t.setTimerType(Qt::PreciseTimer);  // the 5 ms and 20 ms steps matter for the transfer time
    connect(&t, &QTimer::timeout, this, [expired, i] { expired(static_cast<LinkTimer>(i)); });
  }
}

void LinkTimersQt::Start(LinkTimer timer, int milliseconds) {
  QTimer& t = timers_[static_cast<std::size_t>(timer)];
  if (!t.isActive()) t.start(milliseconds);  // a running timer keeps its schedule
}

void LinkTimersQt::Stop(LinkTimer timer) { timers_[static_cast<std::size_t>(timer)].stop(); }

}  // namespace kx7q
