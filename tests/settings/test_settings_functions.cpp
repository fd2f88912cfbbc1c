// Optional functions, VOX, side keys and scan: decode from and encode into
// their bytes, kept bits left alone.

#include <gtest/gtest.h>

#include "settings/KeyFunction.h"
#include "settings/OptionalFunctions.h"
#include "settings/ScanInformation.h"
#include "settings/VoxFunction.h"
#include "support/CodePlugFixture.h"

namespace kx7q {
namespace {

class SettingsFunctions : public ::testing::Test {
 protected:
  test::CodePlugFixture plug;
  TALL& all = plug.all;
};

TEST_F(SettingsFunctions, OptionalFunctionsOfANewCodePlug) {
  const OptionalFunctions f = DecodeOptionalFunctions(all);
  EXPECT_EQ(BatterySaveList().TextOf(f.batterySave), "1:4");
  EXPECT_EQ(InceptAlarmList().TextOf(f.inceptAlarm), "On");
  EXPECT_EQ(VoiceList().TextOf(f.voice), "China");
  EXPECT_EQ(ToneList().TextOf(f.tone), "On");
  EXPECT_EQ(PowerLightList().TextOf(f.powerLight), "On");
  EXPECT_EQ(SquelchList().TextOf(f.squelch), "5");
  EXPECT_EQ(TimeOutList().TextOf(f.timeOut), "180");
  EXPECT_EQ(VolInhibitTxList().TextOf(f.volInhibitTx), "Both");
  EXPECT_FALSE(all.Modified);
}

TEST_F(SettingsFunctions, OptionalFunctionsByteCases) {
  struct Case {
    const char* what;
    std::uint8_t flagsBefore;
    int batterySave, voice;
    std::uint8_t flagsAfter;
  } cases[] = {
      // tone, alarm and light off in every case, so only bits 0-5 remain
      {"battery 1:2", 0x00, 2, 0, 0x05},
      {"battery off keeps the ratio", 0x06, 0, 0, 0x02},
      {"voice off keeps bit 5", 0x30, 0, 0, 0x20},
      {"voice English", 0x20, 0, 2, 0x10},
      {"voice China", 0x00, 0, 1, 0x30},
  };
  for (const Case& c : cases) {
    all.Radio(kOptionFlagsAddress) = c.flagsBefore;
    OptionalFunctions f = DecodeOptionalFunctions(all);
    f.batterySave = c.batterySave;
    f.voice = c.voice;
    f.tone = f.inceptAlarm = f.powerLight = 0;
    EncodeOptionalFunctions(all, f);
    EXPECT_EQ(all.Radio(kOptionFlagsAddress), c.flagsAfter) << c.what;
    EXPECT_EQ(DecodeOptionalFunctions(all).voice, c.voice) << c.what;
  }
}

TEST_F(SettingsFunctions, OptionalFunctionsKeepTheMicBitsAndSetModified) {
  all.Radio(kInhibitMicAddress) = 0xF4;
  OptionalFunctions f = DecodeOptionalFunctions(all);
  f.volInhibitTx = 1;
  f.timeOut = 40;  // "600", beyond the clamps but in the list
  EncodeOptionalFunctions(all, f);
  EXPECT_EQ(all.Radio(kInhibitMicAddress), 0xF5);
  EXPECT_EQ(all.Radio(kTimeOutAddress), 40);
  EXPECT_TRUE(all.Modified);
  EXPECT_EQ(TimeOutList().Count(), 41);
  EXPECT_EQ(TimeOutList().TextOf(40), "600");
}

TEST_F(SettingsFunctions, VoxCodes) {
  struct Case {
    int mic, gain;
    std::uint8_t gainByte, micBits;
  } cases[] = {{1, 4, 8, 0}, {0, 4, 9, 3}, {2, 8, 17, 2}};
  for (const Case& c : cases) {
    all.Radio(kInhibitMicAddress) = 0xF3;
    VoxFunction v = DecodeVoxFunction(all);
    v.micControl = c.mic;
    v.gain = c.gain;
    all.Modified = false;
    EncodeVoxFunction(all, v);
    EXPECT_EQ(all.Radio(kVoxGainAddress), c.gainByte);
    EXPECT_EQ(all.Radio(kInhibitMicAddress), 0xF3 | (c.micBits << 2));
    EXPECT_FALSE(all.Modified);  // a VOX change alone does not ask to be saved
  }
  all.Radio(kInhibitMicAddress) = 0x04;  // code 1 reads as None ...
  EXPECT_EQ(DecodeVoxFunction(all).micControl, 0);
  EncodeVoxFunction(all, DecodeVoxFunction(all));
  EXPECT_EQ(all.Radio(kInhibitMicAddress), 0x0C);  // ... and is written as 3
}

TEST_F(SettingsFunctions, VoxOfANewCodePlug) {
  const VoxFunction v = DecodeVoxFunction(all);
  EXPECT_EQ(MicControlList().TextOf(v.micControl), "None");
  EXPECT_EQ(VoxGainList().TextOf(v.gain), "5");
  EXPECT_EQ(VoxDelayList().TextOf(v.delay), "1.0");
  EXPECT_EQ(VoxInhibitList().TextOf(v.inhibitOnReceive), "Yes");
  all.Radio(kVoxInhibitAddress) = 0x7F;
  VoxFunction changed = DecodeVoxFunction(all);
  changed.inhibitOnReceive = 1;
  EncodeVoxFunction(all, changed);
  EXPECT_EQ(all.Radio(kVoxInhibitAddress), 0xFF);
}

TEST_F(SettingsFunctions, KeysByPosition) {
  EXPECT_EQ(KeyShortList().TextOf(DecodeKeyFunction(all).key1), "Transient Monmome");
  EXPECT_EQ(KeyLongList().TextOf(DecodeKeyFunction(all).key2), "Warm-Local");
  all.Radio(kKey1Address) = 3;
  EXPECT_EQ(KeyShortList().TextOf(DecodeKeyFunction(all).key1), "Scan");
  all.Radio(kKey1Address) = 9;  // outside the list: shown as the first entry
  EXPECT_EQ(DecodeKeyFunction(all).key1, 0);
  KeyFunction k = DecodeKeyFunction(all);
  k.key1 = 0;
  all.Modified = false;
  EncodeKeyFunction(all, k);
  EXPECT_EQ(all.Radio(kKey1Address), 0);
  EXPECT_EQ(all.Radio(kKey2Address), 4);
  EXPECT_FALSE(all.Modified);
  // A translated list with a repeated text codes the first position.
  EXPECT_EQ(EntryPosition({"Aus", "Scan", "Scan"}, "Scan"), 1);
  EXPECT_EQ(EntryPosition({"Aus"}, "Off"), -1);
}

TEST_F(SettingsFunctions, ScanLists) {
  all.Radio(kScanSpeedAddress) = 8;
  all.Radio(kDropoutDelayAddress) = 0;
  ScanInformation s = DecodeScanInformation(all);
  EXPECT_EQ(ScanSpeedList().TextOf(s.scanSpeed), "500");
  EXPECT_EQ(DropoutDelayList().TextOf(s.dropoutDelay), "3");
  s.dropoutDelay = DropoutDelayList().IndexOf("15");
  EncodeScanInformation(all, s);
  EXPECT_EQ(all.Radio(kDropoutDelayAddress), 12);
  EXPECT_TRUE(all.Modified);
  EXPECT_EQ(DropoutDelayList().Count(), 28);
}

TEST_F(SettingsFunctions, FmBoundValidation) {
  EXPECT_EQ(FormatFmBound(FmLowerBound(all)), "88.000");
  EXPECT_EQ(FormatFmBound(FmUpperBound(all)), "108.000");
  struct Case {
    bool lower;
    double entered, shown;
    int word;
  } cases[] = {
      {true, 69.999, 88.0, 3520},   // below 70: the default band edge, not the limit
      {true, 87.63, 87.6, 3504},    // down onto 50 kHz
      {true, 120, 108.0, 4320},     // not above the upper bound
      {false, 120, 108.0, 4320},    // above 114: 108
      {false, 80, 88.0, 3520},      // not below the lower bound
      {false, 100.07, 100.05, 4002},
  };
  for (const Case& c : cases) {
    plug.NewCodePlug();
    all.Modified = false;
    const double shown = c.lower ? StoreFmLowerBound(all, c.entered) : StoreFmUpperBound(all, c.entered);
    EXPECT_DOUBLE_EQ(shown, c.shown) << c.entered;
    const int address = c.lower ? kFmLowerAddress : kFmUpperAddress;
    EXPECT_EQ(all.Radio(address) | all.Radio(address + 1) << 8, c.word) << c.entered;
    EXPECT_FALSE(all.Modified);
  }
}

}  // namespace
}  // namespace kx7q
