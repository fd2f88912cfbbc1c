// The read protocol against the virtual radio on a fake clock.
#include <gtest/gtest.h>

#include "LinkHarness.h"

namespace kx7q {
namespace {

using test::Bytes;
using test::LinkBench;

struct Snapshot {
  ImageBytes image;
  bool modified;
  std::string modelName, bandText;
  double freqMin, freqMax;
  bool operator==(const Snapshot&) const = default;
};
Snapshot Take(const TALL& a) { return {a.Image, a.Modified, a.ModelName, a.BandText, a.FreqMin, a.FreqMax}; }

// The PC's bytes of a complete read with key 0x63 (port 3).
Bytes CompleteReadBytes() {
  Bytes b = test::HandshakeBytes(0x63);
  for (int a = 0; a < 0x1B0; a += 8) {
    b.insert(b.end(), {'R', static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a & 0xFF), 0x08});
    b.push_back(0x06);
  }
  b.push_back('E');
  return b;
}

TEST(LinkRead, CompleteReadByteForByteAndCommit) {
  LinkBench bench(LinkDirection::Read);
  const Snapshot before = Take(bench.all);
  std::vector<Bytes> answers;
  bench.farEnd = [&](const Bytes& b) {
    auto a = bench.radio.Receive(b.data(), b.size());
    for (auto& s : a.sends) answers.push_back(s);
    return a;
  };
  // Nothing is committed while the final message is up.
  bench.view.onMessage = [&](const Status&) { EXPECT_EQ(Take(bench.all), before); };
  bench.ShowAndOk();
  bench.Run(10000);

  EXPECT_EQ(bench.port.Wire(), CompleteReadBytes());
  ASSERT_GE(answers.size(), 4u);
  EXPECT_EQ(answers[0], Bytes{0x06});
  EXPECT_EQ(answers[1][6], 0x36);  // the key 0x63 with swapped nibbles
  EXPECT_EQ(answers[2], Bytes{0x78});
  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"ReadOk"});
  EXPECT_TRUE(bench.engine->Succeeded());
  EXPECT_EQ(bench.view.progress, kProgressMaximum);
  EXPECT_EQ(bench.view.maximumSeen, kProgressMaximum);
  ASSERT_TRUE(bench.view.finishedAt);
  EXPECT_EQ(*bench.view.finishedAt - bench.view.messageTimes[0], 300);
  // 450 + 50 ms before the wake-up, 5 ms before the identification request.
  EXPECT_EQ(bench.view.messageTimes[0], 100 + 505);

  const RadioMemory& m = bench.radio.Memory();
  const TALL& all = bench.all;
  // Everything but the clamped settings 0x121-0x13F arrives as the radio holds it.
  for (int a = 0; a < kRadioSize; ++a) {
    if (a > 0x120 && a < 0x140) continue;
    ASSERT_EQ(all.Radio(a), m[static_cast<std::size_t>(a)]) << "address " << a;
  }
  EXPECT_EQ(all.Radio(0x121), 5);  // repaired by the clamps
  for (int i = 0; i < 16; ++i) EXPECT_EQ(all.Image[static_cast<std::size_t>(i)], before.image[static_cast<std::size_t>(i)]);
  for (int i = 448; i < kImageSize; ++i) EXPECT_EQ(all.Image[static_cast<std::size_t>(i)], 0x5A);
  EXPECT_TRUE(all.Modified);
  EXPECT_EQ(all.ModelName, "ROZ-KX-7Q(VHF)");
  EXPECT_EQ(all.BandText, "134 - 174MHz");
  EXPECT_EQ(all.FreqMin, 134);
  EXPECT_EQ(all.FreqMax, 174);
}

TEST(LinkRead, TolerantReceiving) {
  const struct {
    const char* name;
    RadioFaults faults;
    bool mangleHeaders;
  } cases[] = {
      {"ACK after a stray byte", {.strayByteBeforeAck = true}, false},
      {"identification in two pieces", {.splitIdent = true}, false},
      {"data reply header not examined", {}, true},
  };
  for (const auto& c : cases) {
    LinkBench bench(LinkDirection::Read, c.faults);
    if (c.mangleHeaders) {
      bench.farEnd = [&](const Bytes& b) {
        auto a = bench.radio.Receive(b.data(), b.size());
        for (auto& s : a.sends)
          if (s.size() == 12) std::fill(s.begin(), s.begin() + 4, 0xEE);
        return a;
      };
    }
    bench.ShowAndOk();
    bench.Run(10000);
    EXPECT_EQ(bench.view.messages, std::vector<std::string>{"ReadOk"}) << c.name;
    EXPECT_TRUE(bench.engine->Succeeded()) << c.name;
    EXPECT_EQ(bench.all.Radio(0x100), bench.radio.Memory()[0x100]) << c.name;
  }
}

TEST(LinkRead, PortAboveNineGetsARandomKeyAndItsEcho) {
  for (int r = 0; r <= 4; ++r) {
    LinkBench bench(LinkDirection::Read);
    bench.all.PortName = "COM12";
    bench.random04 = r;
    bench.ShowAndOk();
    bench.Run(10000);
    EXPECT_EQ(bench.port.sent.at(0).at(7), 0x65 + r);
    EXPECT_EQ(bench.radio.LastKey(), 0x65 + r);
    EXPECT_TRUE(bench.engine->Succeeded()) << r;
  }
}

// Every failure: what the PC sent last, the one message, when it came (after
// the wake-up at 600 ms), whether the dialog closes, and an untouched code plug.
TEST(LinkRead, Failures) {
  struct Case {
    const char* name;
    RadioFaults faults;
    std::function<void(LinkBench&)> setUp;
    std::string message;
    bool endSent;    // 'E' is the last byte sent
    bool closes;
    long long messageAt;
  };
  auto dropIdentTail = [](LinkBench& b) {
    b.farEnd = [&b](const Bytes& in) {
      auto a = b.radio.Receive(in.data(), in.size());
      for (auto& s : a.sends)
        if (s.size() == 16) s.resize(10);
      return a;
    };
  };
  auto muteAfter = [](std::size_t sends) {
    return [sends](LinkBench& b) {
      b.farEnd = [&b, sends, count = std::size_t{0}](const Bytes& in) mutable {
        auto a = b.radio.Receive(in.data(), in.size());
        if (count++ >= sends) a.sends.clear();
        return a;
      };
    };
  };
  auto answerInstead = [](std::size_t send, Bytes reply) {
    return [send, reply](LinkBench& b) {
      b.farEnd = [&b, send, reply, count = std::size_t{0}](const Bytes& in) mutable {
        auto a = b.radio.Receive(in.data(), in.size());
        if (count++ == send) a.sends = {reply};
        return a;
      };
    };
  };
  const std::vector<Case> cases = {
      {"no ACK to the wake-up", {.silent = true}, {}, "ComError", false, true, 600 + 500 + 2500},
      {"identification incomplete", {}, dropIdentTail, "ComError", false, true, 605 + 500 + 2500},
      {"wrong key echo", {.wrongKeyEcho = true}, {}, "ComError", true, true, 605},
      {"unknown model", {.modelCode = "ZZ99"}, {}, "ModError", true, false, 605},
      {"no challenge reply", {}, muteAfter(2), "ComError", false, true, 605 + 500 + 2500},
      {"wrong challenge reply", {.wrongChallengeReply = true}, {}, "ComError", true, true, 605},
      {"silence after 5 blocks", {.silentAfterBlocks = 5}, {}, "ComError", false, true, 605 + 450},
      {"no ACK to the first ACK", {.silentAfterBlocks = 0}, {}, "ComError", false, true, 605 + 450},
      {"a non-ACK byte for an ACK", {}, answerInstead(5, {0x15}), "ComError", false, true, 605 + 450},
      {"more than 48 bytes", {}, answerInstead(1, Bytes(49, 0x06)), "ComError", false, true, 605 + 500 + 2500},
  };
  for (const Case& c : cases) {
    LinkBench bench(LinkDirection::Read, c.faults);
    if (c.setUp) c.setUp(bench);
    const Snapshot before = Take(bench.all);
    bench.ShowAndOk();
    bench.Run(20000);
    EXPECT_EQ(bench.view.messages, std::vector<std::string>{c.message}) << c.name;
    if (!bench.view.messageTimes.empty()) {
      EXPECT_EQ(bench.view.messageTimes[0], c.messageAt) << c.name;
    }
    EXPECT_EQ(bench.port.Wire().back() == 'E', c.endSent) << c.name;
    EXPECT_EQ(bench.view.finishedAt.has_value(), c.closes) << c.name;
    if (c.closes && bench.view.finishedAt) {
      EXPECT_EQ(*bench.view.finishedAt, c.messageAt + 300) << c.name;
    }
    EXPECT_FALSE(bench.view.okEnabled) << c.name;
    EXPECT_FALSE(bench.engine->Succeeded()) << c.name;
    EXPECT_EQ(Take(bench.all), before) << c.name;
    // Whatever the radio sends afterwards changes nothing.
    bench.Inject(Bytes(16, 0x06));
    bench.Run(5000);
    EXPECT_EQ(bench.view.messages.size(), 1u) << c.name;
    EXPECT_EQ(Take(bench.all), before) << c.name;
  }
}

TEST(LinkRead, PortFailures) {
  {
    LinkBench bench(LinkDirection::Read);
    bench.port.openReason = "Permission denied";
    bench.Show();
    bench.Run(1000);
    EXPECT_EQ(bench.view.messages, std::vector<std::string>{"PortError"});
    EXPECT_EQ(bench.view.messageTimes[0], 50);
    EXPECT_EQ(bench.view.finishedAt, 350);
    EXPECT_EQ(bench.port.closes, 1);  // closed before the open
  }
  {
    LinkBench bench(LinkDirection::Read);
    bench.ShowAndOk();
    bench.port.flushOk = false;
    bench.Run(5000);
    EXPECT_EQ(bench.view.messages, std::vector<std::string>{"PortError"});
    EXPECT_FALSE(bench.view.finishedAt);
    EXPECT_FALSE(bench.view.okEnabled);
    EXPECT_TRUE(bench.port.sent.empty());
  }
  {
    LinkBench bench(LinkDirection::Read);
    bench.latency = 3;
    const Snapshot before = Take(bench.all);
    bench.ShowAndOk();
    bench.RunUntil(700);  // into the block transfer
    bench.engine->PortLost("device unplugged");
    bench.Run(5000);
    EXPECT_EQ(bench.view.messages, std::vector<std::string>{"PortError"});
    EXPECT_TRUE(bench.view.finishedAt);
    EXPECT_EQ(Take(bench.all), before);
  }
  {
    // A pulled cable may first garble the line: the silent restart it starts
    // must not swallow the message about the device going.
    LinkBench bench(LinkDirection::Read);
    bench.latency = 3;
    bench.ShowAndOk();
    bench.RunUntil(700);
    bench.engine->LineError();
    bench.Run(100);
    bench.engine->PortLost("device unplugged");
    bench.Run(5000);
    EXPECT_EQ(bench.view.messages, std::vector<std::string>{"PortError"});
    EXPECT_EQ(bench.view.finishedAt, 800 + 300);
    EXPECT_FALSE(bench.engine->Succeeded());
  }
}

TEST(LinkRead, FirstLineErrorRestartsSilentlyWithAFreshKey) {
  LinkBench bench(LinkDirection::Read, {.lineBreakAfterBlocks = 10});
  bench.all.PortName = "COM12";
  bench.ShowAndOk();
  bench.Run(605);
  bench.random04 = 4;  // the restart draws its key anew
  bench.Run(20000);
  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"ReadOk"});
  EXPECT_TRUE(bench.engine->Succeeded());
  const Bytes wire = bench.port.Wire();
  EXPECT_EQ(bench.port.sent.at(0).at(7), 0x67);
  EXPECT_EQ(bench.radio.LastKey(), 0x69);
  // The restart: 500 ms after the break, then 450 + 50 ms to the new wake-up.
  EXPECT_EQ(bench.view.messageTimes[0], 605 + 500 + 505);
}

TEST(LinkRead, SecondLineErrorEndsTheRunWithComError) {
  LinkBench bench(LinkDirection::Read);
  bench.latency = 3;
  const Snapshot before = Take(bench.all);
  bench.ShowAndOk();
  bench.RunUntil(700);
  bench.engine->LineError();  // restarts 500 ms later
  bench.RunUntil(1800);       // the blocks of the second run
  ASSERT_EQ(bench.engine->State(), LinkState::Blocks);
  bench.engine->LineError();  // no more restarts
  bench.Run(20000);
  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"ComError"});
  // The block time-out already running ends it.
  EXPECT_GT(bench.view.messageTimes[0], 1800 + 440);
  EXPECT_LE(bench.view.messageTimes[0], 1800 + 450);
  EXPECT_TRUE(bench.view.finishedAt);
  EXPECT_EQ(Take(bench.all), before);
}

TEST(LinkRead, LineErrorWhileWaitingForOkStartsTheTransfer) {
  LinkBench bench(LinkDirection::Read);
  bench.Show();
  bench.Run(1000);
  EXPECT_TRUE(bench.port.sent.empty());
  bench.engine->LineError();
  bench.Run(10000);
  EXPECT_EQ(bench.port.Wire(), CompleteReadBytes());
  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"ReadOk"});
}

TEST(LinkRead, StaleAckInTheBufferIsNotTakenForAnAck) {
  // The first session leaves 0x06 as the second buffered byte (a stray byte,
  // then the ACK); after the restart the radio answers one non-ACK byte.
  LinkBench bench(LinkDirection::Read);
  int wakeUps = 0;
  bench.farEnd = [&](const Bytes& b) {
    VirtualRadio::Answer a;
    if (b.size() == 8 && b[0] == 'P') a.sends = {++wakeUps == 1 ? Bytes{0x00, 0x06} : Bytes{0x15}};
    return a;
  };
  bench.ShowAndOk();
  bench.RunUntil(602);        // the ACK is in; the identification request is 3 ms away
  bench.engine->LineError();  // restart
  bench.Run(20000);
  EXPECT_EQ(wakeUps, 2);
  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"ComError"});
  // No identification request after the second wake-up.
  EXPECT_EQ(bench.port.sent.back().size(), 8u);
}

TEST(LinkRead, CancelAtAnyMomentLeavesTheCodePlugAndSilencesTheDialog) {
  for (long long cut : {0LL, 60LL, 300LL, 560LL, 601LL, 603LL, 610LL, 700LL, 900LL}) {
    LinkBench bench(LinkDirection::Read);
    bench.latency = 3;  // the radio takes a little time to answer
    const Snapshot before = Take(bench.all);
    bench.ShowAndOk();
    bench.RunUntil(cut);
    bench.engine->Close();
    const int calls = bench.view.calls;
    const std::size_t sent = bench.port.sent.size();
    bench.Run(20000);
    EXPECT_EQ(bench.view.calls, calls) << "cut at " << cut;
    EXPECT_EQ(bench.port.sent.size(), sent) << "cut at " << cut;
    EXPECT_TRUE(bench.timers.due.empty()) << "cut at " << cut;
    EXPECT_FALSE(bench.port.open) << "cut at " << cut;
    EXPECT_FALSE(bench.engine->Succeeded()) << "cut at " << cut;
    EXPECT_EQ(Take(bench.all), before) << "cut at " << cut;
  }
}

TEST(LinkRead, CancelDuringTheWaitBeforeTheTimeOutMessageShowsNothing) {
  LinkBench bench(LinkDirection::Read, {.silent = true});
  bench.ShowAndOk();
  bench.RunUntil(1100 + 1000);  // HeadTime expired at 1100; the message is due at 3600
  bench.engine->Close();
  bench.Run(20000);
  EXPECT_TRUE(bench.view.messages.empty());
  EXPECT_FALSE(bench.view.finishedAt);
}

TEST(LinkRead, OutputThatNeverDrainsCostsAboutASecondPerSend) {
  LinkBench bench(LinkDirection::Read);
  bench.port.neverDrains = true;
  bench.ShowAndOk();
  bench.Run(200000);
  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"ReadOk"});
  // Every send but the wake-up waits 51 polls of 20 ms before its reply
  // timer starts; the answers that came meanwhile are handled after it.
  const long long drains = static_cast<long long>(bench.port.sent.size()) - 1;
  EXPECT_EQ(bench.view.messageTimes[0], 100 + 505 + drains * 51 * 20);
}

}  // namespace
}  // namespace kx7q
