#pragma once
// One transfer's machinery: the serial port, the Qt timers and the protocol
// engine, wired together. The read and write dialogs and the command line
// each own one and supply the view.

#include <QObject>
#include <QString>
#include <memory>

#include "link/LinkEngine.h"
#include "link/qt/LinkTimersQt.h"
#include "link/qt/SerialLink.h"

namespace kx7q {

class LinkSession : public QObject {
  Q_OBJECT
 public:
  LinkSession(LinkDirection direction, LinkContext context, LinkView& view, const QString& settingsPath,
              QObject* parent = nullptr);
  ~LinkSession() override;

  LinkEngine& Engine() { return *engine_; }
  const LinkEngine& Engine() const { return *engine_; }
  SerialLink& Port() { return port_; }

 private:
  SerialLink port_;
  LinkTimersQt timers_;
  std::unique_ptr<LinkEngine> engine_;
};

}  // namespace kx7q
