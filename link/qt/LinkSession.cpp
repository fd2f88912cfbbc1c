#include "link/qt/LinkSession.h"

namespace kx7q {

LinkSession::LinkSession(LinkDirection direction, LinkContext context, LinkView& view,
                         const QString& settingsPath, QObject* parent)
    : QObject(parent),
      port_(settingsPath),
      timers_([this](LinkTimer t) { engine_->TimerExpired(t); }) {
  engine_ = std::make_unique<LinkEngine>(direction, std::move(context), port_, timers_, view);
  connect(&port_, &SerialLink::received, this, [this](const QByteArray& bytes) {
    engine_->BytesReceived(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                           static_cast<std::size_t>(bytes.size()));
  });
  connect(&port_, &SerialLink::lineError, this, [this] { engine_->LineError(); });
  connect(&port_, &SerialLink::lost, this, [this](const QString& reason) { engine_->PortLost(reason.toStdString()); });
}

LinkSession::~LinkSession() { engine_->Close(); }

}  // namespace kx7q
