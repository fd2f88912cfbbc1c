#pragma once
// What the radio link engine needs of the world: the serial port, one-shot
// timers and the dialog (or the command line) that shows the transfer.

#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Status.h"

namespace kx7q {

// The serial port, opened 9600 baud, 8 data bits, no parity, 2 stop bits, no
// flow control. Received bytes, line errors and a vanished device come back
// as calls into the engine (LinkEngine::BytesReceived, LineError, PortLost).
class LinkPort {
 public:
  virtual ~LinkPort() = default;
  // portName is "COMn" or a device path. Failure: key "PortError", the system's reason.
  virtual Status Open(const std::string& portName) = 0;
  virtual void Close() = 0;  // harmless when not open
  virtual bool FlushInput() = 0;
  virtual bool FlushOutput() = 0;
  // Queues the bytes and returns at once.
  virtual bool Put(const std::uint8_t* data, std::size_t size) = 0;
  // Bytes queued but not yet handed to the line; 0 when the port is closed.
  virtual int PendingOutput() const = 0;
};

enum class LinkTimer {
  HeadTime,   // 500 ms: each reply of the handshake
  TryTime,    // 450 ms: each reply of the block transfer
  ReTime,     // 500 ms: the automatic restart after a line error (read)
  CloseTime,  // 300 ms: from a final message to the closing of the dialog
  Step,       // the pauses of the protocol and the polls of the drain wait
};
constexpr int kLinkTimerCount = 5;

// One-shot timers. Starting a running timer leaves it on its old schedule;
// expiry calls LinkEngine::TimerExpired once.
class LinkTimers {
 public:
  virtual ~LinkTimers() = default;
  virtual void Start(LinkTimer timer, int milliseconds) = 0;
  virtual void Stop(LinkTimer timer) = 0;
};

// The user's side of a transfer.
class LinkView {
 public:
  virtual ~LinkView() = default;
  virtual void Progress(int position, int maximum) = 0;
  // A message by its key (ReadOk, WriteOk, ComError, ModError, PortError) and
  // an optional reason. A window shows it modally; the engine tolerates port
  // and timer events arriving while it is open.
  virtual void Message(const Status& message) = 0;
  virtual void EnableOk(bool enabled) = 0;
  // The transfer is over (after the final message): close the dialog.
  virtual void Finish() = 0;
  // The port is open and Ok may start a transfer.
  virtual void Opened() {}
};

}  // namespace kx7q
