// Whole channel records copied and pasted.
#include <gtest/gtest.h>

#include "channels/ChannelCodec.h"
#include "channels/ChannelCopy.h"
#include "support/CodePlugFixture.h"

namespace kx7q::test {
namespace {

struct Recorder : BandClampReporter {
  void FrequencyClamped(double, double clamped) override { clamps.push_back(clamped); }
  std::vector<double> clamps;
};

class ChannelCopyTest : public ::testing::Test {
 protected:
  ChannelCopyTest() {
    for (int i = 0; i < 16; ++i) fixture.all.Radio(ChannelAddress(3) + i) = static_cast<std::uint8_t>(i);
    // Channel 3: RX 462.56250, TX absent, the rest as set above.
    const std::uint8_t rx[] = {0x50, 0x62, 0x25, 0x46, 0xFF, 0xFF, 0xFF, 0xFF};
    std::copy(std::begin(rx), std::end(rx), fixture.all.RadioPtr(ChannelAddress(3)));
  }
  std::vector<std::uint8_t> Record(int n) const {
    const std::uint8_t* p = fixture.all.RadioPtr(ChannelAddress(n));
    return {p, p + 16};
  }
  CodePlugFixture fixture;
};

TEST_F(ChannelCopyTest, PasteWritesWholeRecordsAndStopsAtLastChannel) {
  const auto copied = CopyChannelRecords(fixture.all, {3, 4});
  ASSERT_EQ(copied.size(), 32u);
  const auto four = Record(4);
  EXPECT_EQ(PasteChannelRecords(fixture.all, 15, copied, nullptr), 2);
  EXPECT_EQ(Record(15), Record(3));
  EXPECT_EQ(Record(16), four);
  EXPECT_EQ(PasteChannelRecords(fixture.all, 16, copied, nullptr), 1);
  EXPECT_EQ(Record(16), Record(3));
}

TEST_F(ChannelCopyTest, PastedFrequenciesAreFittedToThisBand) {
  const auto copied = CopyChannelRecords(fixture.all, {3});
  fixture.all.FreqMin = 134;
  fixture.all.FreqMax = 174;
  Recorder recorder;
  PasteChannelRecords(fixture.all, 1, copied, &recorder);
  const auto pasted = Record(1);
  EXPECT_EQ(FormatFrequency(*DecodeFrequency(pasted.data())), "174.00000");
  EXPECT_FALSE(DecodeFrequency(pasted.data() + 4).has_value());  // absent TX stays absent
  EXPECT_EQ(std::vector<std::uint8_t>(pasted.begin() + 8, pasted.end()),
            std::vector<std::uint8_t>(copied.begin() + 8, copied.end()));
  EXPECT_EQ(recorder.clamps, std::vector<double>{174});
}

TEST_F(ChannelCopyTest, PartialRecordIsIgnored) {
  const auto before = Record(1);
  EXPECT_EQ(PasteChannelRecords(fixture.all, 1, std::vector<std::uint8_t>(15, 0x00), nullptr), 0);
  EXPECT_EQ(Record(1), before);
}

}  // namespace
}  // namespace kx7q::test
