#include "link/LinkEngine.h"

#include <algorithm>
#include <random>

#include "core/ImageDefaults.h"
#include "link/PortNames.h"

namespace kx7q {
namespace {

int IntervalOf(LinkTimer timer) {
  switch (timer) {
    case LinkTimer::HeadTime: return 500;
    case LinkTimer::TryTime: return 450;
    case LinkTimer::ReTime: return 500;
    case LinkTimer::CloseTime: return 300;
    case LinkTimer::Step: break;
  }
  return 0;
}

constexpr int kOpenPause = 50;
constexpr int kStartPause = 450;
constexpr int kFlushPause = 50;
constexpr int kIdentPause = 5;
constexpr int kTimeOutMessagePause = 2500;
// Drain wait: poll interval and the number of polls after which the sender
// goes on whether or not the output has drained.
constexpr int kReadDrainPoll = 20, kReadDrainSleeps = 50;
constexpr int kWriteDrainPoll = 50, kWriteDrainSleeps = 100;
constexpr int kRxLimit = 48;  // a handler runs only while at most this many bytes are buffered

int RandomDraw04() {
  static std::mt19937 generator{std::random_device{}()};
  return std::uniform_int_distribution<int>(0, 4)(generator);
}

}  // namespace

LinkEngine::LinkEngine(LinkDirection direction, LinkContext context, LinkPort& port, LinkTimers& timers,
                       LinkView& view)
    : direction_(direction), ctx_(std::move(context)), port_(port), timers_(timers), view_(view) {
  if (!ctx_.random04) ctx_.random04 = RandomDraw04;
  if (!ctx_.now) ctx_.now = LocalNowText;
}

// ---- timed steps and held events -------------------------------------------

void LinkEngine::Pause(Step step, int milliseconds) {
  step_ = step;
  timers_.Stop(LinkTimer::Step);
  timers_.Start(LinkTimer::Step, milliseconds);
}

void LinkEngine::RunStep() {
  const Step step = step_;
  step_ = Step::None;
  switch (step) {
    case Step::None: return;
    case Step::Open: OpenPort(); break;
    case Step::StartFlush: StartFlush(); break;
    case Step::StartSend: StartSend(); break;
    case Step::IdentRequest:
      if (Send({kIdentRequest})) DrainThen(AfterDrain::HeadTime);
      break;
    case Step::Drain:
      ++drainSleeps_;
      if (port_.PendingOutput() == 0 || drainSleeps_ > (Reading() ? kReadDrainSleeps : kWriteDrainSleeps))
        AfterDrainDone();
      else
        Pause(Step::Drain, Reading() ? kReadDrainPoll : kWriteDrainPoll);
      break;
    case Step::TimeOutMessage:
      if (!errorShown_) {
        Fail("ComError", "no answer from the radio");
        StartTimer(LinkTimer::CloseTime);
      }
      break;
  }
  ReleaseHeld();
}

void LinkEngine::Hold(Held event) { held_.push_back(std::move(event)); }

void LinkEngine::ReleaseHeld() {
  while (!closed_ && !Paused() && !held_.empty()) {
    Held event = std::move(held_.front());
    held_.pop_front();
    Dispatch(event);
  }
}

void LinkEngine::Dispatch(const Held& event) {
  switch (event.kind) {
    case Held::Bytes: Receive(event.bytes); break;
    case Held::Line: OnLineError(); break;
    case Held::Timer: OnTimer(event.timer); break;
    case Held::Lost: OnPortLost(event.reason); break;
  }
}

// ---- inputs -----------------------------------------------------------------

void LinkEngine::Show(const std::string& portName) {
  if (closed_) return;
  portName_ = portName;
  succeeded_ = false;
  restartAllowed_ = true;
  SetProgress(0);
  if (Reading()) port_.Close();
  Pause(Step::Open, kOpenPause);
}

void LinkEngine::Ok() {
  if (closed_ || closing_ || !portOpen_ || Paused() || finishing_) return;
  if (!Reading()) WriteModelIdent(ctx_.all, ctx_.bands);
  Start();
}

void LinkEngine::Close() {
  if (closed_) return;
  closed_ = true;
  for (int t = 0; t < kLinkTimerCount; ++t) timers_.Stop(static_cast<LinkTimer>(t));
  step_ = Step::None;
  held_.clear();
  state_ = LinkState::Idle;
  awaited_ = 0;
  port_.Close();
}

void LinkEngine::BytesReceived(const std::uint8_t* data, std::size_t size) {
  if (closed_ || size == 0) return;
  std::vector<std::uint8_t> bytes(data, data + size);
  if (MustHold())
    Hold({Held::Bytes, std::move(bytes), LinkTimer::Step, {}});
  else
    Receive(bytes);
}

void LinkEngine::TimerExpired(LinkTimer timer) {
  if (closed_) return;
  timers_.Stop(timer);
  if (timer == LinkTimer::Step) {
    RunStep();
    return;
  }
  if (MustHold())
    Hold({Held::Timer, {}, timer, {}});
  else
    OnTimer(timer);
}

void LinkEngine::LineError() {
  if (closed_) return;
  if (MustHold())
    Hold({Held::Line, {}, LinkTimer::Step, {}});
  else
    OnLineError();
}

void LinkEngine::PortLost(const std::string& reason) {
  if (closed_) return;
  if (MustHold())
    Hold({Held::Lost, {}, LinkTimer::Step, reason});
  else
    OnPortLost(reason);
}

// ---- opening and starting -----------------------------------------------------

void LinkEngine::OpenPort() {
  state_ = LinkState::Idle;
  Status opened = port_.Open(portName_);
  if (opened && Reading()) {
    if (!port_.FlushInput() || !port_.FlushOutput()) opened = Status::Fail("PortError", "cannot flush the port");
  }
  if (!opened) {
    view_.EnableOk(false);
    FailPort(opened.detail);
    StartTimer(LinkTimer::CloseTime);
    return;
  }
  portOpen_ = true;
  view_.Opened();
}

void LinkEngine::Start() {
  if (Reading()) {
    succeeded_ = false;
    state_ = LinkState::Idle;
    errorShown_ = false;
    SetProgress(0);
    view_.EnableOk(false);
  }
  Pause(Step::StartFlush, kStartPause);
}

void LinkEngine::StartFlush() {
  if (!Reading()) {
    state_ = LinkState::Idle;
    errorShown_ = false;
    SetProgress(0);
  }
  rxCount_ = 0;
  if (!FlushPort()) {
    FailPort("cannot flush the port");
    return;
  }
  if (!Reading()) view_.EnableOk(false);
  rxCount_ = 0;
  Pause(Step::StartSend, kFlushPause);
}

void LinkEngine::StartSend() {
  StartTimer(LinkTimer::HeadTime);
  key_ = KeyByteFor(PortNumberOf(portName_).value_or(0), ctx_.random04());
  state_ = LinkState::WaitAck;
  awaited_ = 1;
  rxCount_ = 0;
  std::uint8_t frame[kWakeUpSize];
  std::copy(kWakeUp, kWakeUp + 7, frame);
  frame[7] = key_;
  Send(frame, sizeof frame, /*closeOnFailure=*/false);  // the dialog stays open
}

// ---- receiving --------------------------------------------------------------

void LinkEngine::Receive(const std::vector<std::uint8_t>& bytes) {
  for (std::uint8_t b : bytes)
    if (rxCount_ <= kRxLimit) rx_[static_cast<std::size_t>(rxCount_++)] = b;
  if (awaited_ != 0 && awaited_ <= rxCount_ && rxCount_ <= kRxLimit) HandleState();
}

void LinkEngine::HandleState() {
  switch (state_) {
    case LinkState::Idle: break;
    case LinkState::WaitAck: OnAck(); break;
    case LinkState::WaitIdent: OnIdent(); break;
    case LinkState::WaitChallenge: OnChallengeReply(); break;
    case LinkState::Blocks:
      if (Reading())
        OnReadBlock();
      else
        OnWriteAck();
      break;
  }
}

void LinkEngine::OnAck() {
  // The ACK may follow one stray byte. Only bytes received in this exchange
  // count: the buffer still holds older bytes beyond rxCount_.
  const bool ack = rx_[0] == kAck || (rxCount_ >= 2 && rx_[1] == kAck);
  if (!ack) return;
  ackAwaited_ = false;
  StopTimer(LinkTimer::HeadTime);
  state_ = LinkState::WaitIdent;
  awaited_ = kIdentSize;
  rxCount_ = 0;
  Pause(Step::IdentRequest, kIdentPause);
}

void LinkEngine::OnIdent() {
  StopTimer(LinkTimer::HeadTime);
  const std::string model(reinterpret_cast<const char*>(&rx_[kIdentModelIndex]), 4);
  if (rx_[kIdentKeyIndex] != SwapNibbles(key_)) {
    if (Reading()) SendEnd();
    awaited_ = 0;
    Fail("ComError", "the radio did not echo the key");
    StartTimer(LinkTimer::CloseTime);
    return;
  }
  const bool known = Reading() ? ctx_.registry.ChannelCountOfCode(model) != 0 : model == ctx_.all.ModelCode;
  if (!known) {
    SendEnd();
    awaited_ = 0;
    Fail("ModError", "the radio reports model " + model);
    // A read leaves the dialog open with Ok disabled; a write closes it.
    if (!Reading()) StartTimer(LinkTimer::CloseTime);
    return;
  }
  replyModel_ = model;
  state_ = LinkState::WaitChallenge;
  const ChallengePacket packet = MakeChallengePacket(ctx_.all.Challenge);
  expectedReply_ = ChallengeReply(packet);
  rxCount_ = 0;
  awaited_ = 1;
  if (Send(packet.data(), packet.size())) DrainThen(AfterDrain::HeadTime);
}

void LinkEngine::OnChallengeReply() {
  StopTimer(LinkTimer::HeadTime);
  if (rx_[0] != expectedReply_) {
    SendEnd();
    awaited_ = 0;
    Fail("ComError", "wrong reply to the challenge");
    StartTimer(LinkTimer::CloseTime);
    return;
  }
  if (!Reading()) {
    EncodeDateStamp(ctx_.all.RadioPtr(kWriteTimeAddress), ctx_.now());
    EncodeDateStamp(ctx_.all.RadioPtr(kFactoryTimeAddress), ctx_.now());
  }
  state_ = LinkState::Blocks;
  blockAddress_ = -8;
  dataCount_ = 0;
  SendAck();
}

void LinkEngine::OnReadBlock() {
  if (!ackAwaited_) {
    StopTimer(LinkTimer::TryTime);
    if (dataCount_ + kBlockSize <= kRadioSize) {
      std::copy(rx_.begin() + 4, rx_.begin() + 12, readData_.begin() + dataCount_);
      dataCount_ += kBlockSize;
    }
    SetProgress(progress_ + 1);
    SendAck();
    return;
  }
  if (rx_[0] != kAck) return;  // TryTime ends the run
  StopTimer(LinkTimer::TryTime);
  blockAddress_ += kBlockSize;
  rxCount_ = 0;
  ackAwaited_ = false;
  if (blockAddress_ < kRadioSize) {
    awaited_ = 4 + kBlockSize;
    const auto hi = static_cast<std::uint8_t>(blockAddress_ >> 8);
    const auto lo = static_cast<std::uint8_t>(blockAddress_ & 0xFF);
    if (Send({kReadCommand, hi, lo, kBlockSize})) DrainThen(AfterDrain::TryTime);
  } else {
    awaited_ = 1;
    if (Send({kEndCommand})) DrainThen(AfterDrain::FinishRead);
  }
}

void LinkEngine::OnWriteAck() {
  if (rx_[0] != kAck) return;  // TryTime ends the run
  StopTimer(LinkTimer::TryTime);
  blockAddress_ += kBlockSize;
  awaited_ = 1;
  rxCount_ = 0;
  ackAwaited_ = false;
  if (blockAddress_ < kWriteSize) {
    std::uint8_t frame[4 + kBlockSize] = {kWriteCommand, static_cast<std::uint8_t>(blockAddress_ >> 8),
                                          static_cast<std::uint8_t>(blockAddress_ & 0xFF), kBlockSize};
    std::copy_n(ctx_.all.RadioPtr(blockAddress_), kBlockSize, frame + 4);
    if (Send(frame, sizeof frame)) {
      SetProgress(progress_ + 1);
      DrainThen(AfterDrain::TryTime);
    }
  } else if (Send({kEndCommand})) {
    DrainThen(AfterDrain::FinishWrite);
  }
}

// ---- timers and line events -------------------------------------------------

void LinkEngine::OnTimer(LinkTimer timer) {
  switch (timer) {
    case LinkTimer::HeadTime:
      state_ = LinkState::Idle;
      if (!errorShown_) Pause(Step::TimeOutMessage, kTimeOutMessagePause);
      break;
    case LinkTimer::TryTime:
      state_ = LinkState::Idle;
      if (!errorShown_) {
        if (!Reading()) view_.EnableOk(true);
        Fail("ComError", "no answer from the radio");
        StartTimer(LinkTimer::CloseTime);
      }
      break;
    case LinkTimer::ReTime:
      restarting_ = false;
      view_.EnableOk(true);
      Start();
      break;
    case LinkTimer::CloseTime:
      view_.Finish();
      break;
    case LinkTimer::Step: break;
  }
}

void LinkEngine::OnLineError() {
  if (finishing_ || succeeded_) return;  // the read is complete; the dialog is closing
  state_ = LinkState::Idle;
  if (!Reading()) {
    if (!errorShown_) Fail("ComError", "line error");
    return;
  }
  FlushPort();
  if (restartAllowed_) {
    errorShown_ = true;  // timers still running expire silently
    restartAllowed_ = false;
    restarting_ = true;
    StartTimer(LinkTimer::ReTime);
  } else {
    StartTimer(LinkTimer::TryTime);
  }
}

void LinkEngine::OnPortLost(const std::string& reason) {
  if (finishing_ || succeeded_) return;  // the read is complete; the dialog is closing
  state_ = LinkState::Idle;
  awaited_ = 0;
  StopTimer(LinkTimer::HeadTime);
  StopTimer(LinkTimer::TryTime);
  StopTimer(LinkTimer::ReTime);
  // While a restart is pending nothing has been shown yet: the lost device is.
  if (restarting_) errorShown_ = false;
  restarting_ = false;
  if (!errorShown_) FailPort(reason);
  StartTimer(LinkTimer::CloseTime);
}

// ---- sending ----------------------------------------------------------------

bool LinkEngine::Send(std::initializer_list<std::uint8_t> bytes) { return Send(bytes.begin(), bytes.size()); }

bool LinkEngine::Send(const std::uint8_t* data, std::size_t size, bool closeOnFailure) {
  if (closed_) return false;
  if (port_.Put(data, size)) return true;
  state_ = LinkState::Idle;
  awaited_ = 0;
  StopTimer(LinkTimer::HeadTime);
  StopTimer(LinkTimer::TryTime);
  FailPort("cannot send to the port");
  if (closeOnFailure) StartTimer(LinkTimer::CloseTime);
  return false;
}

// Discards every byte received so far, those held during a pause included.
bool LinkEngine::FlushPort() {
  std::erase_if(held_, [](const Held& e) { return e.kind == Held::Bytes; });
  const bool in = port_.FlushInput();
  const bool out = port_.FlushOutput();
  return in && out;
}

// A stopped timer does not fire: an expiry held during a pause goes too.
void LinkEngine::StopTimer(LinkTimer t) {
  timers_.Stop(t);
  std::erase_if(held_, [t](const Held& e) { return e.kind == Held::Timer && e.timer == t; });
}

void LinkEngine::SendAck() {
  ackAwaited_ = true;
  awaited_ = 1;
  rxCount_ = 0;
  if (Send({kAck})) DrainThen(AfterDrain::TryTime);
}

// 'E' after a failed identification or challenge: no drain wait.
void LinkEngine::SendEnd() { Send({kEndCommand}); }

void LinkEngine::DrainThen(AfterDrain next) {
  afterDrain_ = next;
  drainSleeps_ = 0;
  if (port_.PendingOutput() == 0)
    AfterDrainDone();
  else
    Pause(Step::Drain, Reading() ? kReadDrainPoll : kWriteDrainPoll);
}

void LinkEngine::AfterDrainDone() {
  switch (afterDrain_) {
    case AfterDrain::HeadTime: StartTimer(LinkTimer::HeadTime); break;
    case AfterDrain::TryTime: StartTimer(LinkTimer::TryTime); break;
    case AfterDrain::FinishRead: FinishRead(); break;
    case AfterDrain::FinishWrite: FinishWrite(); break;
  }
}

void LinkEngine::FinishRead() {
  state_ = LinkState::Idle;
  finishing_ = true;
  SetProgress(kProgressMaximum);
  view_.Message(Status::Fail("ReadOk"));
  if (closed_) return;  // closed while the message was up: nothing is committed
  Commit();
  StartTimer(LinkTimer::CloseTime);
}

void LinkEngine::Commit() {
  TALL& all = ctx_.all;
  std::copy(readData_.begin(), readData_.end(), all.RadioPtr(0));
  ApplyModelInfo(all, ctx_.registry, ctx_.bands, replyModel_, all.Radio(kBandCodeAddress), true);
  ClampImage(all, ctx_.bands);
  all.Modified = true;
  succeeded_ = true;
}

void LinkEngine::FinishWrite() {
  state_ = LinkState::Idle;
  SetProgress(kProgressMaximum);
  view_.Message(Status::Fail("WriteOk"));
  if (closed_) return;
  SetProgress(0);
  view_.EnableOk(true);
}

// ---- helpers ----------------------------------------------------------------

void LinkEngine::SetProgress(int position) {
  progress_ = std::clamp(position, 0, kProgressMaximum);
  if (!closed_) view_.Progress(progress_, kProgressMaximum);
}

void LinkEngine::Fail(const std::string& key, const std::string& detail) {
  errorShown_ = true;
  view_.Message(Status::Fail(key, detail));
}

void LinkEngine::FailPort(const std::string& detail) {
  if (errorShown_) return;
  Fail("PortError", detail);
}

// A timer started anew runs its full interval: an expiry of its previous run
// that is still held goes.
void LinkEngine::StartTimer(LinkTimer t) {
  if (closed_) return;
  if (t == LinkTimer::CloseTime) closing_ = true;
  std::erase_if(held_, [t](const Held& e) { return e.kind == Held::Timer && e.timer == t; });
  timers_.Start(t, IntervalOf(t));
}

}  // namespace kx7q
