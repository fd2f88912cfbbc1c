// The write protocol against the virtual radio on a fake clock.
#include <gtest/gtest.h>

#include "LinkHarness.h"

namespace kx7q {
namespace {

using test::Bytes;
using test::LinkBench;

// Stamp bytes 0-6 of "2024-03-09 08:07:06".
const Bytes kStamp = {0xE8, 0x07, 0x03, 0x09, 0x08, 0x07, 0x06};

Bytes RadioBytes(const TALL& all, int from, int count) {
  return Bytes(all.RadioPtr(from), all.RadioPtr(from) + count);
}

TEST(LinkWrite, CompleteWriteByteForByte) {
  LinkBench bench(LinkDirection::Write);
  bench.all.Modified = false;
  bench.all.Radio(0x170) = 0;  // the identification block is refreshed at Ok
  bench.all.Radio(0x10) = 0x42;
  bench.ShowAndOk();
  bench.Run(10000);

  // The image as it was sent: identification block and stamps already in.
  Bytes expected = test::HandshakeBytes(0x63);
  for (int a = 0; a < 0x1A0; a += 8) {
    expected.insert(expected.end(), {'W', static_cast<std::uint8_t>(a >> 8), static_cast<std::uint8_t>(a & 0xFF), 8});
    const Bytes data = RadioBytes(bench.all, a, 8);
    expected.insert(expected.end(), data.begin(), data.end());
  }
  expected.push_back('E');
  EXPECT_EQ(bench.port.Wire(), expected);

  const TALL& all = bench.all;
  EXPECT_EQ(RadioBytes(all, 0x170, 8), (Bytes{'P', 'Q', 'M', 'V', '4', 0xF3, 0, 0}));
  EXPECT_EQ(RadioBytes(all, 0x190, 7), kStamp);
  EXPECT_EQ(RadioBytes(all, 0x1A0, 7), kStamp);
  EXPECT_EQ(RadioBytes(all, 0x197, 9), Bytes(9, 0xFF));  // the rest of the stamp block is left alone
  for (int a = 0; a < 0x1A0; ++a) ASSERT_EQ(bench.radio.Memory()[a], all.Radio(a)) << a;
  // 0x1A0-0x1AF never reach the radio.
  const RadioMemory original = test::PatternMemory();
  EXPECT_TRUE(std::equal(original.begin() + 0x1A0, original.end(), bench.radio.Memory().begin() + 0x1A0));
  EXPECT_EQ(bench.radio.BlocksWritten(), 52);

  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"WriteOk"});
  EXPECT_EQ(bench.view.maxProgress, kProgressMaximum);
  EXPECT_EQ(bench.view.progress, 0);
  EXPECT_TRUE(bench.view.okEnabled);
  EXPECT_FALSE(bench.view.finishedAt);  // the dialog stays open
  EXPECT_FALSE(all.Modified);
}

TEST(LinkWrite, ImageIsSentUnclamped) {
  LinkBench bench(LinkDirection::Write);
  bench.all.Radio(0x121) = 0xEE;  // out of range; a write sends it as it stands
  bench.ShowAndOk();
  bench.Run(10000);
  EXPECT_EQ(bench.radio.Memory()[0x121], 0xEE);
  EXPECT_EQ(bench.all.Radio(0x121), 0xEE);
}

TEST(LinkWrite, SecondOkWritesAgainWithFreshKeyAndStamps) {
  LinkBench bench(LinkDirection::Write);
  bench.all.PortName = "COM12";
  bench.random04 = 0;
  bench.ShowAndOk();
  bench.Run(10000);
  ASSERT_EQ(bench.view.messages, std::vector<std::string>{"WriteOk"});
  const std::size_t firstSends = bench.port.sent.size();
  bench.random04 = 3;
  bench.nowText = "2025-12-31 23:59:58";
  bench.engine->Ok();
  bench.Run(10000);
  EXPECT_EQ(bench.view.messages, (std::vector<std::string>{"WriteOk", "WriteOk"}));
  EXPECT_EQ(bench.port.sent.at(0).at(7), 0x65);
  EXPECT_EQ(bench.port.sent.at(firstSends).at(7), 0x68);
  EXPECT_EQ(bench.radio.BlocksWritten(), 104);
  EXPECT_EQ(RadioBytes(bench.all, 0x190, 7), (Bytes{0xE9, 0x07, 12, 31, 23, 59, 58}));
  EXPECT_EQ(bench.radio.Memory()[0x190], 0xE9);
}

// Every failure: the one message and when it came (wake-up at 600 ms), whether
// 'E' went out, whether the dialog closes, that no block reached the radio
// unless the transfer had begun, and what the image holds.
TEST(LinkWrite, Failures) {
  struct Case {
    const char* name;
    RadioFaults faults;
    std::string modelCode;  // the code plug's ModelCode
    std::string message;
    bool endSent;
    long long messageAt;
    int blocksWritten;
    bool stamped;
  };
  const std::vector<Case> cases = {
      {"no answer", {.silent = true}, "QMV4", "ComError", false, 600 + 500 + 2500, 0, false},
      {"wrong key echo", {.wrongKeyEcho = true}, "QMV4", "ComError", false, 605, 0, false},
      {"another model", {.modelCode = "QMV5"}, "QMV4", "ModError", true, 605, 0, false},
      {"model differs in case", {}, "qmv4", "ModError", true, 605, 0, false},
      {"wrong challenge reply", {.wrongChallengeReply = true}, "QMV4", "ComError", true, 605, 0, false},
      {"no ACK to the first ACK", {.silentAfterBlocks = 0}, "QMV4", "ComError", false, 605 + 450, 0, true},
      {"silence after 7 blocks", {.silentAfterBlocks = 7}, "QMV4", "ComError", false, 605 + 450, 7, true},
  };
  for (const Case& c : cases) {
    LinkBench bench(LinkDirection::Write, c.faults);
    bench.all.ModelCode = c.modelCode;
    bench.all.Modified = true;
    const ImageBytes before = bench.all.Image;
    bench.ShowAndOk();
    bench.Run(20000);
    EXPECT_EQ(bench.view.messages, std::vector<std::string>{c.message}) << c.name;
    if (!bench.view.messageTimes.empty()) {
      EXPECT_EQ(bench.view.messageTimes[0], c.messageAt) << c.name;
    }
    EXPECT_EQ(bench.port.Wire().back() == 'E', c.endSent) << c.name;
    EXPECT_EQ(bench.view.finishedAt, c.messageAt + 300) << c.name;
    EXPECT_EQ(bench.radio.BlocksWritten(), c.blocksWritten) << c.name;
    EXPECT_TRUE(bench.all.Modified) << c.name;
    // The image keeps the refreshed identification block and, once the
    // challenge was answered, the new stamps; nothing else changes.
    ImageBytes expected = before;
    std::copy_n(bench.all.RadioPtr(0x170), 8, expected.begin() + 16 + 0x170);
    if (c.stamped) {
      std::copy(kStamp.begin(), kStamp.end(), expected.begin() + 16 + 0x190);
      std::copy(kStamp.begin(), kStamp.end(), expected.begin() + 16 + 0x1A0);
    }
    EXPECT_EQ(bench.all.Image, expected) << c.name;
    EXPECT_EQ(bench.all.Radio(0x171), c.modelCode[0]) << c.name;
    bench.Inject(Bytes(16, 0x06));
    bench.Run(5000);
    EXPECT_EQ(bench.view.messages.size(), 1u) << c.name;
  }
}

TEST(LinkWrite, AnythingButAnAckToABlockIsNoAnswer) {
  LinkBench bench(LinkDirection::Write);
  bench.farEnd = [&](const Bytes& b) {
    auto a = bench.radio.Receive(b.data(), b.size());
    if (bench.radio.BlocksWritten() == 4)
      for (auto& s : a.sends) s = {0x15};
    return a;
  };
  bench.ShowAndOk();
  bench.Run(20000);
  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"ComError"});
  EXPECT_EQ(bench.view.messageTimes.at(0), 605 + 450);
  EXPECT_EQ(bench.port.sent.back()[0], 'W');  // no further block after the refused one
  EXPECT_EQ(bench.radio.BlocksWritten(), 4);
}

TEST(LinkWrite, TimeOutInTheBlocksEnablesOk) {
  LinkBench bench(LinkDirection::Write, {.silentAfterBlocks = 3});
  bench.ShowAndOk();
  bench.RunUntil(1000);
  EXPECT_FALSE(bench.view.okEnabled);
  bench.Run(1000);
  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"ComError"});
  EXPECT_TRUE(bench.view.okEnabled);
}

TEST(LinkWrite, LineErrorShowsComErrorAtOnceAndTheDialogStaysOpen) {
  LinkBench bench(LinkDirection::Write);
  bench.latency = 3;
  bench.ShowAndOk();
  bench.RunUntil(700);
  bench.engine->LineError();
  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"ComError"});
  EXPECT_EQ(bench.view.messageTimes[0], 700);
  bench.engine->LineError();
  bench.Run(30000);
  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"ComError"});
  EXPECT_FALSE(bench.view.finishedAt);
  EXPECT_FALSE(bench.view.okEnabled);
  EXPECT_LT(bench.radio.BlocksWritten(), 52);
}

TEST(LinkWrite, PortFailures) {
  {
    LinkBench bench(LinkDirection::Write);
    bench.port.openReason = "No such file or directory";
    bench.Show();
    bench.Run(1000);
    EXPECT_EQ(bench.view.messages, std::vector<std::string>{"PortError"});
    EXPECT_EQ(bench.view.finishedAt, 350);
    EXPECT_EQ(bench.port.closes, 0);  // no close before the open
  }
  {
    LinkBench bench(LinkDirection::Write);
    bench.ShowAndOk();
    bench.port.flushOk = false;
    bench.Run(5000);
    EXPECT_EQ(bench.view.messages, std::vector<std::string>{"PortError"});
    EXPECT_FALSE(bench.view.finishedAt);
    EXPECT_TRUE(bench.view.okEnabled);  // the failure came before Ok was disabled
    EXPECT_TRUE(bench.port.sent.empty());
  }
}

TEST(LinkWrite, CancelAtAnyMomentStopsSending) {
  for (long long cut : {0LL, 300LL, 560LL, 603LL, 620LL, 800LL}) {
    LinkBench bench(LinkDirection::Write);
    bench.latency = 3;
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
  }
}

TEST(LinkWrite, OutputThatNeverDrainsWaitsFiveSecondsPerSend) {
  LinkBench bench(LinkDirection::Write);
  bench.port.neverDrains = true;
  bench.ShowAndOk();
  bench.Run(2000000);
  EXPECT_EQ(bench.view.messages, std::vector<std::string>{"WriteOk"});
  const long long drains = static_cast<long long>(bench.port.sent.size()) - 1;
  EXPECT_EQ(bench.view.messageTimes[0], 100 + 505 + drains * 101 * 50);
}

}  // namespace
}  // namespace kx7q
