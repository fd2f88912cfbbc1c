#pragma once
// The engine's one-shot timers on QTimer.

#include <QObject>
#include <QTimer>
#include <array>
#include <functional>

#include "link/LinkIo.h"

namespace kx7q {

class LinkTimersQt : public QObject, public LinkTimers {
  Q_OBJECT
 public:
  explicit LinkTimersQt(std::function<void(LinkTimer)> expired, QObject* parent = nullptr);
  void Start(LinkTimer timer, int milliseconds) override;
  void Stop(LinkTimer timer) override;

 private:
  std::array<QTimer, kLinkTimerCount> timers_;
};

}  // namespace kx7q
