// What the channel editors do with typed text: band clamp, raster snap, tone
// normalising, and the by-key channel editor built on them.

#include <gtest/gtest.h>

#include <vector>

#include "channels/ChannelCodec.h"
#include "channels/ChannelEdit.h"
#include "channels/EditErrors.h"
#include "channels/EntryRules.h"
#include "support/CodePlugFixture.h"

namespace kx7q {
namespace {

struct RecordingReporter : BandClampReporter {
  std::vector<std::pair<double, double>> calls;
  void FrequencyClamped(double entered, double clamped) override { calls.emplace_back(entered, clamped); }
};

TEST(ChannelEntrySnap, MovesDownOntoTheNearerRasterPoint) {
  struct Case {
    double in, out;
  } cases[] = {
      {462.5631, 462.5625}, {462.5599, 462.55625}, {446.0061, 446.005}, {400.0031, 400.0},
      {462.5625, 462.5625}, {146.515, 146.515},     {146.513, 146.5125},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatFrequency(SnapFrequency(c.in)), FormatFrequency(c.out)) << c.in;
}

TEST(ChannelEntryClamp, BandEdgesAreValidAndOutsideIsReported) {
  struct Case {
    double in, out;
    bool reported;
  } cases[] = {{530, 520, true}, {520, 520, false}, {400, 400, false}, {399.99, 400, true}, {462.5, 462.5, false}};
  for (const Case& c : cases) {
    RecordingReporter reporter;
    EXPECT_EQ(ClampToBand(c.in, 400, 520, &reporter), c.out);
    EXPECT_EQ(reporter.calls.size(), c.reported ? 1u : 0u) << c.in;
  }
  EXPECT_EQ(ClampToBand(600, 400, 520, nullptr), 520);  // no reporter: silent
}

TEST(ChannelEntryTone, NormalisesTypedTones) {
  struct Case {
    const char* typed;
    const char* result;
  } cases[] = {
      {"", ""},           {"67", "67.0"},      {"67.0", "67.0"},    {"25", "30.0"},     {"300", "290.0"},
      {"290.05", "290.0"}, {"1..2", "290.0"},  {"67Hz", "290.0"},   {"67.05", "67.1"},  {"D023N", "D023N"},
      {"D023i", "D023i"}, {"D089N", "D777N"},  {"d023N", "D777N"},  {".5", "D777N"},    {"D025", "D777N"},
      {"XYZ", "D777N"},
  };
  for (const Case& c : cases) EXPECT_EQ(NormaliseToneText(c.typed), c.result) << c.typed;
}

TEST(ChannelEntryKeys, FiltersOfTheFrequencyAndToneBoxes) {
  struct Case {
    char typed, frequency, tone;
  } cases[] = {
      {'5', '5', '5'}, {',', '.', '.'}, {'.', '.', '.'}, {'\b', '\b', '\b'}, {'\r', '\r', '\r'},
      {'D', 0, 'D'},   {'n', 0, 'n'},   {'E', 0, 0},     {'-', 0, 0},         {' ', 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FilterFrequencyKey(c.typed), c.frequency) << c.typed;
    EXPECT_EQ(FilterToneKey(c.typed), c.tone) << c.typed;
  }
}

class ChannelEntryByKey : public ::testing::Test {
 protected:
  test::CodePlugFixture plug;  // band 400-520 MHz, every channel erased
  TALL& all = plug.all;
  RecordingReporter reporter;

  std::vector<std::uint8_t> Record(int n) {
    const std::uint8_t* r = all.RadioPtr(ChannelAddress(n));
    return {r, r + kChannelRecordSize};
  }
  void Set(int n, const std::string& key, const std::string& value) {
    Status s = SetChannelValue(all, n, key, value, &reporter);
    ASSERT_TRUE(s.ok()) << key << "=" << value << ": " << s.key << " " << s.detail;
  }
};

TEST_F(ChannelEntryByKey, RxOnAnEmptyChannelMakesANewChannel) {
  ASSERT_EQ(all.FreqMin, 400);
  ASSERT_EQ(all.FreqMax, 520);
  Set(3, "rx", "462.5631");
  EXPECT_EQ(Record(3), (std::vector<std::uint8_t>{0x50, 0x62, 0x25, 0x46, 0x50, 0x62, 0x25, 0x46,
                                                  0xFF, 0xFF, 0xFF, 0xFF, 0xF7, 0xFF, 0xFF, 0xFF}));
  EXPECT_TRUE(reporter.calls.empty());
}

TEST_F(ChannelEntryByKey, FrequenciesAreClampedToTheBandWithAReport) {
  Set(1, "rx", "600");
  Set(1, "tx", "300");
  TChannel ch;
  ASSERT_TRUE(DecodeChannel(all, 1, ch));
  EXPECT_EQ(FormatFrequency(ch.RxFreq), "520.00000");
  EXPECT_EQ(FormatFrequency(ch.TxFreq), "400.00000");
  EXPECT_EQ(reporter.calls.size(), 2u);
}

TEST_F(ChannelEntryByKey, EditsOfAProgrammedChannel) {
  Set(2, "rx", "446.00625");
  Set(2, "encode", "D023n");      // passes normalising as typed, encodes like D023N
  Set(2, "decode", "23");         // below 30 Hz
  Set(2, "power", "low");
  Set(2, "wide_narrow", "Narrow");
  Set(2, "busy_lock", "Yes");
  Set(2, "epilogue", "OFF");
  TChannel ch;
  ASSERT_TRUE(DecodeChannel(all, 2, ch));
  EXPECT_EQ(ch.TxTone, "D023N");
  EXPECT_EQ(ch.RxTone, "30.0");
  // 0xF7 with Low (bit 0), Epilogue OFF (bit 1), Busy Lock Yes (bit 2) cleared and Narrow (bit 3) set.
  EXPECT_EQ(all.Radio(ChannelAddress(2) + 12), 0xF8);

  Set(2, "decode", "None");
  Set(2, "tx", "");
  ASSERT_TRUE(DecodeChannel(all, 2, ch));
  EXPECT_EQ(ch.RxTone, "");
  EXPECT_EQ(ch.TxFreq, -1);
  EXPECT_EQ(ch.TxTone, "");

  Set(2, "rx", "");
  EXPECT_EQ(Record(2), std::vector<std::uint8_t>(16, 0xFF));
}

TEST_F(ChannelEntryByKey, ToneTextsAsStored) {
  Set(6, "rx", "462.5625");
  const struct {
    const char* typed;
    const char* stored;  // as decoded afterwards
  } cases[] = {
      {"67", "67.0"},  {" D023I ", "D023I"}, {"None", ""},     {"none", ""},
      {"NONE", ""},    {"", ""},             {"d023n", "D777N"}, {"1..2", "290.0"},
  };
  for (const auto& c : cases) {
    Set(6, "decode", "100.0");  // a tone to replace
    Set(6, "decode", c.typed);
    TChannel ch;
    ASSERT_TRUE(DecodeChannel(all, 6, ch));
    EXPECT_EQ(ch.RxTone, c.stored) << "typed: " << c.typed;
  }
}

TEST_F(ChannelEntryByKey, RefusalsLeaveTheImageUntouched) {
  Set(4, "rx", "462.5625");
  Set(4, "tx", "");
  const ImageBytes before = all.Image;
  struct Case {
    int channel;
    const char* key;
    const char* value;
    const char* error;
  } cases[] = {
      {4, "rx", "1.2.3", "OutRange"},      {4, "tx", "abc", "OutRange"},
      {4, "power", "Medium", kNotInList},  {4, "colour", "red", kUnknownKey},
      {4, "number", "5", kReadOnly},       {4, "encode", "67.0", kNoTxFrequency},
      {5, "power", "High", kEmptyChannel}, {5, "tx", "462.5625", kEmptyChannel},
      {0, "rx", "462.5625", kNoSuchChannel}, {17, "rx", "462.5625", kNoSuchChannel},
  };
  for (const Case& c : cases) {
    Status s = SetChannelValue(all, c.channel, c.key, c.value, &reporter);
    EXPECT_EQ(s.key, c.error) << c.key << "=" << c.value;
  }
  EXPECT_EQ(all.Image, before);
}

}  // namespace
}  // namespace kx7q
