// Settings by script key: the shown texts, setting from text, refusals, and
// that decoding then re-encoding every group leaves an image as it was.

#include <gtest/gtest.h>

#include <random>

#include "channels/EditErrors.h"
#include "settings/Dtmf.h"
#include "settings/KeyFunction.h"
#include "settings/OptionalFunctions.h"
#include "settings/Password.h"
#include "settings/ScanInformation.h"
#include "settings/SettingsByKey.h"
#include "settings/VoxFunction.h"
#include "support/CodePlugFixture.h"

namespace kx7q {
namespace {

class SettingsByKeyTest : public ::testing::Test {
 protected:
  test::CodePlugFixture plug;
  TALL& all = plug.all;
};

TEST_F(SettingsByKeyTest, TextsOfANewCodePlug) {
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"squelch_level", "5"}, {"tx_time_out", "180"}, {"voice", "China"}, {"vol_inhibit_tx", "Both"},
      {"tone", "On"}, {"incept_alarm", "On"}, {"battery_save", "1:4"}, {"power_light", "On"},
      {"mic_control", "None"}, {"vox_gain_level", "5"}, {"vox_delay_time", "1.0"},
      {"vox_inhibit_on_receive", "Yes"}, {"key_1", "Transient Monmome"}, {"key_2", "Warm-Local"},
      {"scan_speed", "100"}, {"dropout_delay_time", "15"}, {"fm_scan_lower", "88.000"},
      {"fm_scan_upper", "108.000"}, {"dtmf_speed", "6"}, {"first_digit_time", "0"},
      {"first_digit_delay", "100"}, {"ptt_id", "BOT"}, {"begin_of_tx", "123456"}, {"end_of_tx", ""},
      {"dtmf_side_tone", "true"}, {"stun_type", "Tx Inhibit"}, {"stun_code", ""},
      {"serial_number", std::string(16, ' ')}, {"write_time", "2010-05-06 12:34:56"},
      {"leave_factory_time", "2010-05-06 12:34:56"}, {"password", ""},
  };
  ASSERT_EQ(SettingKeys().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(SettingKeys()[i].key, expected[i].first);
    EXPECT_EQ(SettingKeys()[i].text(all), expected[i].second) << expected[i].first;
  }
}

TEST_F(SettingsByKeyTest, SetsThroughTheCodecs) {
  struct Case {
    const char* key;
    const char* value;
    const char* shown;
  } cases[] = {
      {"squelch_level", "7", "7"},          {"tx_time_out", "off", "Off"},
      {"battery_save", "OFF", "OFF"},       {"mic_control", "Vox", "Vox"},
      {"key_1", "Scan", "Scan"},            {"dropout_delay_time", "30", "30"},
      {"fm_scan_lower", "87.63", "87.600"}, {"fm_scan_upper", "120", "108.000"},
      {"ptt_id", "BOTH", "BOTH"},           {"begin_of_tx", "12a#", "12A#"},
      {"stun_code", "*0", "*0"},            {"dtmf_side_tone", "no", "false"},
      {"serial_number", "ab-12", "AB 12           "},
  };
  for (const Case& c : cases) {
    Status s = SetSetting(all, c.key, c.value);
    ASSERT_TRUE(s.ok()) << c.key << ": " << s.key << " " << s.detail;
    EXPECT_EQ(FindSettingKey(c.key)->text(all), c.shown) << c.key;
  }
  EXPECT_EQ(all.Radio(kSquelchAddress), 7);
  EXPECT_EQ(all.Radio(kVoxGainAddress), 8);  // Vox clears bit 0 of the gain byte
}

TEST_F(SettingsByKeyTest, RefusalsLeaveTheImageUntouched) {
  const ImageBytes before = all.Image;
  struct Case {
    const char* key;
    const char* value;
    const char* error;
  } cases[] = {
      {"squelch_level", "10", kNotInList},       {"tx_time_out", "20", kNotInList},
      {"voice", "French", kNotInList},           {"volume", "5", kUnknownKey},
      {"write_time", "2020-01-01 00:00:00", kReadOnly},
      {"begin_of_tx", "12E", kBadValue},         {"end_of_tx", "12345678901234567", kBadValue},
      {"stun_code", "12345678901", kBadValue},   {"fm_scan_lower", "abc", kBadValue},
      {"dtmf_side_tone", "maybe", kBadValue},    {"serial_number", "12345678901234567", kBadValue},
      {"password", "pw", kReadOnly},
  };
  for (const Case& c : cases) {
    Status s = SetSetting(all, c.key, c.value);
    EXPECT_EQ(s.key, c.error) << c.key << "=" << c.value;
    EXPECT_NE(EditErrorText(s.key), nullptr);
  }
  EXPECT_EQ(all.Image, before);
}

// Every settings group decoded and encoded back over random images that went
// through the clamps. Only the bits the encoders are documented to normalise
// may change: bit 0 of the VOX gain byte follows the mic control, the mic code
// 1 is written as 3 (None), bits 6-7 of the DTMF mode byte are written as 0.
TEST_F(SettingsByKeyTest, DecodeThenEncodeChangesNoOtherBit) {
  struct Normalised {
    int address;
    std::uint8_t mask;
  };
  const Normalised normalised[] = {{kVoxGainAddress, 0x01}, {kInhibitMicAddress, 0x0C}, {kDtmfModeAddress, 0xC0}};
  std::mt19937 random(11);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 500; ++round) {
    for (auto& b : all.Image) b = static_cast<std::uint8_t>(byte(random));
    ClampImage(all, plug.bands);
    const ImageBytes before = all.Image;

    EncodeOptionalFunctions(all, DecodeOptionalFunctions(all));
    EncodeVoxFunction(all, DecodeVoxFunction(all));
    EncodeKeyFunction(all, DecodeKeyFunction(all));
    EncodeScanInformation(all, DecodeScanInformation(all));
    EncodeDtmfSettings(all, DecodeDtmfSettings(all));
    EncodeDtmfCodes(all, DecodeDtmfCodes(all));
    StorePasswords(all, PasswordText(all), NewPasswordText(all));  // SetNewPassword is off

    for (int offset = 0; offset < kImageSize; ++offset) {
      std::uint8_t mask = 0xFF;
      for (const Normalised& n : normalised)
        if (offset == n.address + kRadioBase) mask = static_cast<std::uint8_t>(~n.mask);
      if (offset < 8) continue;  // the password is shown filtered and trimmed
      ASSERT_EQ(all.Image[offset] & mask, before[offset] & mask) << "round " << round << " offset " << offset;
    }
  }
}

TEST_F(SettingsByKeyTest, DecodeThenEncodeOfANewCodePlugChangesNothing) {
  // (The DTMF settings rewrite 0xF0 at 0x135 as 0x30; see test_settings_dtmf.)
  const ImageBytes before = all.Image;
  EncodeOptionalFunctions(all, DecodeOptionalFunctions(all));
  EncodeVoxFunction(all, DecodeVoxFunction(all));
  EncodeKeyFunction(all, DecodeKeyFunction(all));
  EncodeScanInformation(all, DecodeScanInformation(all));
  EncodeDtmfCodes(all, DecodeDtmfCodes(all));
  EXPECT_EQ(all.Image, before);
}

}  // namespace
}  // namespace kx7q
