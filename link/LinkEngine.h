#pragma once
// The programming protocol of the read and write dialogs as a state machine
// with no I/O of its own: it is fed port events, timer expiries and the user's
// Ok and Cancel, and answers through LinkPort, LinkTimers and LinkView.
//
// The protocol's pauses (450 ms and 50 ms at start, 5 ms before the
// identification request, 2.5 s before a time-out message) and the drain wait
// after a send are timed steps on the Step timer, never sleeps. Events that
// arrive during such a step are held and handled after it, in their order,
// as they would be after a pause; Cancel is handled at once.
//
// A read collects the radio's memory in a private buffer and commits it to the
// code plug only after the last block: a failed or cancelled read leaves the
// code plug as it was. A write sends radio addresses 0x000-0x19F straight from
// the image.

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/CodePlug.h"
#include "core/Registry.h"
#include "link/Handshake.h"
#include "link/LinkIo.h"

namespace kx7q {

enum class LinkDirection { Read, Write };

// Link state: what the engine waits for.
enum class LinkState {
  Idle = 0,
  WaitAck = 1,        // the ACK to the wake-up frame
  WaitIdent = 2,      // the identification reply
  WaitChallenge = 3,  // the reply to the challenge packet
  Blocks = 4,         // the block transfer
};

constexpr int kProgressMaximum = 46;  // fewer than the blocks: the bar is full before the end
constexpr int kReadBlocks = kRadioSize / kBlockSize;   // 54
constexpr int kWriteBlocks = kWriteSize / kBlockSize;  // 52

struct LinkContext {
  TALL& all;
  const TMacList& registry;
  const TFrqList& bands;
  NowFn now = LocalNowText;               // the date stamps of a write
  std::function<int()> random04 = {};     // key byte for ports above 9; empty: a real random draw
};

class LinkEngine {
 public:
  LinkEngine(LinkDirection direction, LinkContext context, LinkPort& port, LinkTimers& timers, LinkView& view);

  // The dialog is shown: open the port (after a 50 ms pause). On failure the
  // message is PortError and the dialog closes after 300 ms.
  void Show(const std::string& portName);
  // Ok: start a transfer. Ignored while a pause of the protocol is running,
  // when the port did not open, and once the dialog is closing.
  void Ok();
  // Cancel or close, at any moment: stops every timer, closes the port; nothing
  // reaches the view afterwards.
  void Close();

  void BytesReceived(const std::uint8_t* data, std::size_t size);
  void TimerExpired(LinkTimer timer);
  // A framing, parity, overrun or break condition on the line.
  void LineError();
  // The device has gone (unplugged, read or resource error); the port is closed.
  void PortLost(const std::string& reason);

  // A read has completed and been committed to the code plug.
  bool Succeeded() const { return succeeded_; }
  LinkState State() const { return state_; }
  bool Closed() const { return closed_; }
  std::uint8_t KeyByte() const { return key_; }

 private:
  enum class Step { None, Open, StartFlush, StartSend, IdentRequest, Drain, TimeOutMessage };
  enum class AfterDrain { HeadTime, TryTime, FinishRead, FinishWrite };
  struct Held {
    enum Kind { Bytes, Line, Timer, Lost } kind;
    std::vector<std::uint8_t> bytes;
    LinkTimer timer = LinkTimer::Step;
    std::string reason;
  };

  bool Reading() const { return direction_ == LinkDirection::Read; }
  void Pause(Step step, int milliseconds);
  bool Paused() const { return step_ != Step::None; }
  bool MustHold() const { return Paused() || !held_.empty(); }
  bool FlushPort();
  void RunStep();
  void Hold(Held event);
  void ReleaseHeld();
  void Dispatch(const Held& event);

  void OpenPort();
  void Start();
  void StartFlush();
  void StartSend();

  void Receive(const std::vector<std::uint8_t>& bytes);
  void HandleState();
  void OnAck();
  void OnIdent();
  void OnChallengeReply();
  void OnReadBlock();
  void OnWriteAck();

  void OnTimer(LinkTimer timer);
  void OnLineError();
  void OnPortLost(const std::string& reason);

  bool Send(std::initializer_list<std::uint8_t> bytes);
  bool Send(const std::uint8_t* data, std::size_t size, bool closeOnFailure = true);
  void SendAck();
  void SendEnd();
  void DrainThen(AfterDrain next);
  void AfterDrainDone();
  void FinishRead();
  void FinishWrite();
  void Commit();

  void SetProgress(int position);
  void Fail(const std::string& key, const std::string& detail = {});
  void FailPort(const std::string& detail);
  void StopTimer(LinkTimer t);
  void StartTimer(LinkTimer t);

  LinkDirection direction_;
  LinkContext ctx_;
  LinkPort& port_;
  LinkTimers& timers_;
  LinkView& view_;

  std::string portName_;
  LinkState state_ = LinkState::Idle;
  int awaited_ = 0;
  std::array<std::uint8_t, 49> rx_{};
  int rxCount_ = 0;
  bool ackAwaited_ = false;
  int blockAddress_ = -8;
  std::array<std::uint8_t, kRadioSize> readData_{};
  int dataCount_ = 0;
  std::uint8_t key_ = 0;
  std::uint8_t expectedReply_ = 0;
  std::string replyModel_;
  bool succeeded_ = false;
  bool errorShown_ = false;
  bool restartAllowed_ = true;
  bool restarting_ = false;  // ReTime runs after a line error; errorShown_ only silences the timers
  bool finishing_ = false;  // the final message of a completed read is up
  bool portOpen_ = false;   // the open at Show succeeded
  bool closing_ = false;    // CloseTime runs: the dialog goes, no new transfer
  bool closed_ = false;
  int progress_ = 0;

  Step step_ = Step::None;
  AfterDrain afterDrain_ = AfterDrain::HeadTime;
  int drainSleeps_ = 0;
  std::deque<Held> held_;
};

}  // namespace kx7q
