#pragma once
// A radio link engine on a fake clock, talking through a scripted port to a
// far end (by default the virtual radio). Everything happens in fake time:
// Run(ms) delivers bytes and fires timers until that moment.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/ImageDefaults.h"
#include "core/Registry.h"
#include "link/LinkEngine.h"
#include "link/VirtualRadio.h"

namespace kx7q::test {

using Bytes = std::vector<std::uint8_t>;
using kx7q::RadioMemory;

inline Bytes Concat(const std::vector<Bytes>& parts) {
  Bytes all;
  for (const Bytes& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

class ScriptedPort : public LinkPort {
 public:
  Status Open(const std::string& portName) override {
    openedName = portName;
    ++opens;
    if (!openReason.empty()) return Status::Fail("PortError", openReason);
    open = true;
    return Status::Ok();
  }
  void Close() override { open = false; ++closes; }
  // Like a real port, one that is not open can be neither flushed nor written.
  bool FlushInput() override { ++flushes; return flushOk && open; }
  bool FlushOutput() override { return flushOk && open; }
  bool Put(const std::uint8_t* data, std::size_t size) override {
    if (!putOk || !open) return false;
    sent.emplace_back(data, data + size);
    unread.emplace_back(data, data + size);
    return true;
  }
  int PendingOutput() const override { return neverDrains && open ? 8 : 0; }

  Bytes Wire() const { return Concat(sent); }

  std::string openReason;  // non-empty: Open fails with it
  bool flushOk = true;
  bool putOk = true;
  bool neverDrains = false;
  bool open = false;
  int opens = 0, closes = 0, flushes = 0;
  std::string openedName;
  std::vector<Bytes> sent;    // every Put, in order
  std::vector<Bytes> unread;  // not yet taken by the far end
};

class FakeTimers : public LinkTimers {
 public:
  void Start(LinkTimer t, int ms) override {
    if (!due.count(t)) due[t] = {now + ms, ++serial};  // a running timer keeps its schedule
  }
  void Stop(LinkTimer t) override { due.erase(t); }
  bool Running(LinkTimer t) const { return due.count(t) != 0; }
  std::optional<long long> Next() const {
    std::optional<long long> next;
    for (const auto& [t, d] : due)
      if (!next || d.first < *next) next = d.first;
    return next;
  }
  // The timer due first (ties: the one started first), removed.
  std::optional<LinkTimer> TakeDue() {
    auto best = due.end();
    for (auto it = due.begin(); it != due.end(); ++it)
      if (it->second.first <= now && (best == due.end() || it->second < best->second)) best = it;
    if (best == due.end()) return std::nullopt;
    LinkTimer t = best->first;
    due.erase(best);
    return t;
  }

  long long now = 0;
  long long serial = 0;
  std::map<LinkTimer, std::pair<long long, long long>> due;
};

class RecordingView : public LinkView {
 public:
  explicit RecordingView(const FakeTimers& clock) : clock_(clock) {}
  void Progress(int position, int maximum) override {
    progress = position;
    maximumSeen = maximum;
    maxProgress = std::max(maxProgress, position);
    ++calls;
  }
  void Message(const Status& m) override {
    messages.push_back(m.key);
    messageTimes.push_back(clock_.now);
    ++calls;
    if (onMessage) onMessage(m);
  }
  void EnableOk(bool on) override { okEnabled = on; ++calls; }
  void Finish() override {
    if (!finishedAt) finishedAt = clock_.now;
    ++finishCalls;
    ++calls;
  }

  std::vector<std::string> messages;
  std::vector<long long> messageTimes;
  int progress = -1, maximumSeen = 0, maxProgress = 0;
  bool okEnabled = true;
  std::optional<long long> finishedAt;
  int finishCalls = 0;
  int calls = 0;
  std::function<void(const Status&)> onMessage;

 private:
  const FakeTimers& clock_;
};

// Radio memory with a recognisable pattern and a VHF band code.
inline RadioMemory PatternMemory() {
  RadioMemory m{};
  for (int i = 0; i < kRadioSize; ++i) m[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7 + 3);
  m[0x175] = 0xF0;  // 134 - 174MHz
  m[0x121] = 0xEE;  // squelch out of range: the clamps repair it
  return m;
}

constexpr const char* kLettersAtoO = "ABCDEFGHIJKLMNO";

struct LinkBench {
  // The far end: PC bytes in, radio answers out (each answer sent on its own).
  using FarEnd = std::function<VirtualRadio::Answer(const Bytes&)>;

  explicit LinkBench(LinkDirection direction, RadioFaults faults = {}, RadioMemory memory = PatternMemory())
      : radio(memory, std::move(faults)), view(timers) {
    FillBandList(bands);
    FillRegistry(registry, all);
    ApplyModelInfo(all, registry, bands, "QMV4", 243, true);
    all.Challenge = kLettersAtoO;
    all.PortName = "COM3";
    SetImageDefaults(all, bands, [] { return std::string("2010-05-06 12:34:56"); });
    for (int i = 0; i < 16; ++i) all.Image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(0xA0 + i);
    for (int i = 448; i < kImageSize; ++i) all.Image[static_cast<std::size_t>(i)] = 0x5A;
    farEnd = [this](const Bytes& b) { return radio.Receive(b.data(), b.size()); };
    engine = std::make_unique<LinkEngine>(
        direction,
        LinkContext{all, registry, bands, [this] { return nowText; }, [this] { return random04; }},
        port, timers, view);
  }

  void Show() { engine->Show(all.PortName); }
  void ShowAndOk() {
    Show();
    Run(100);
    engine->Ok();
  }

  // Delivers bytes and fires timers up to fake time `until` (absolute, ms).
  void RunUntil(long long until) {
    for (;;) {
      if (!port.unread.empty()) {
        const Bytes bytes = port.unread.front();
        port.unread.erase(port.unread.begin());
        VirtualRadio::Answer a = farEnd(bytes);
        for (Bytes& s : a.sends) inFlight.push_back({timers.now + latency, std::move(s), false});
        if (a.lineBreak) inFlight.push_back({timers.now + latency, {}, true});
        continue;
      }
      if (!inFlight.empty() && inFlight.front().at <= timers.now) {
        Flight f = std::move(inFlight.front());
        inFlight.erase(inFlight.begin());
        if (f.lineBreak)
          engine->LineError();
        else
          engine->BytesReceived(f.bytes.data(), f.bytes.size());
        continue;
      }
      if (auto t = timers.TakeDue()) {
        engine->TimerExpired(*t);
        continue;
      }
      std::optional<long long> next = timers.Next();
      if (!inFlight.empty() && (!next || inFlight.front().at < *next)) next = inFlight.front().at;
      if (!next || *next > until) {
        timers.now = std::max(timers.now, until);
        return;
      }
      timers.now = *next;
    }
  }
  void Run(long long forMs) { RunUntil(timers.now + forMs); }

  // Bytes the radio sends unasked, now.
  void Inject(const Bytes& b) { engine->BytesReceived(b.data(), b.size()); }

  TALL all;
  TMacList registry;
  TFrqList bands;
  VirtualRadio radio;
  ScriptedPort port;
  FakeTimers timers;
  RecordingView view;
  FarEnd farEnd;
  std::unique_ptr<LinkEngine> engine;
  std::string nowText = "2024-03-09 08:07:06";
  int random04 = 2;
  int latency = 0;

 private:
  struct Flight {
    long long at;
    Bytes bytes;
    bool lineBreak;
  };
  std::vector<Flight> inFlight;
};

// The PC's side of a complete exchange up to the end of the handshake.
inline Bytes HandshakeBytes(std::uint8_t key) {
  Bytes b = {'P', 'R', 'O', 'G', 'R', 'A', 'M', key, 0x02};
  const ChallengePacket p = MakeChallengePacket(kLettersAtoO);
  b.insert(b.end(), p.begin(), p.end());
  b.push_back(0x06);
  return b;
}

}  // namespace kx7q::test
