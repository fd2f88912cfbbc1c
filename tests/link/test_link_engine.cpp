// What the read and write dialogs share: when Ok may start a transfer.
#include <gtest/gtest.h>

#include "LinkHarness.h"

namespace kx7q {
namespace {

using test::LinkBench;

// Once the dialog is on its way out (the 300 ms after a final failure), Ok
// starts nothing: no second message, nothing on the line, and the dialog
// closes on time.
TEST(LinkEngineOk, OkIsIgnoredWhileTheDialogCloses) {
  const struct {
    const char* name;
    LinkDirection direction;
    RadioFaults faults;
    bool portFails;
    std::string message;
  } cases[] = {
      {"read, port did not open", LinkDirection::Read, {}, true, "PortError"},
      {"write, port did not open", LinkDirection::Write, {}, true, "PortError"},
      {"write, block time-out", LinkDirection::Write, {.silentAfterBlocks = 3}, false, "ComError"},
  };
  for (const auto& c : cases) {
    LinkBench bench(c.direction, c.faults);
    if (c.portFails) bench.port.openReason = "Permission denied";
    const ImageBytes before = bench.all.Image;
    bench.Show();
    bench.Run(100);
    if (!c.portFails) bench.engine->Ok();
    while (bench.view.messages.empty() && bench.timers.now < 20000) bench.Run(1);
    bench.engine->Ok();  // clicked as soon as the message box has gone
    bench.Run(20000);
    EXPECT_EQ(bench.view.messages, std::vector<std::string>{c.message}) << c.name;
    if (!bench.view.messageTimes.empty()) {
      EXPECT_EQ(bench.view.finishedAt, bench.view.messageTimes[0] + 300) << c.name;
    }
    if (c.portFails) {
      EXPECT_TRUE(bench.port.sent.empty()) << c.name;
      EXPECT_FALSE(bench.view.okEnabled) << c.name;
      EXPECT_EQ(bench.all.Image, before) << c.name;  // no identification block refreshed
    } else {
      EXPECT_NE(bench.port.sent.back()[0], 'P') << c.name;  // no new wake-up
    }
  }
}

}  // namespace
}  // namespace kx7q
