// Radio information (serial number, date stamps) and the password bytes.

#include <gtest/gtest.h>

#include "settings/Password.h"
#include "settings/RadioInformation.h"
#include "support/CodePlugFixture.h"

namespace kx7q {
namespace {

class SettingsInfo : public ::testing::Test {
 protected:
  test::CodePlugFixture plug;
  TALL& all = plug.all;
};

TEST_F(SettingsInfo, SerialNumberShownThroughTheFilter) {
  EXPECT_EQ(SerialNumberText(all), std::string(16, ' '));
  const std::uint8_t bytes[4] = {0x41, 0x42, 0x2D, 0x31};
  std::copy(bytes, bytes + 4, all.RadioPtr(kSerialNumberAddress));
  EXPECT_EQ(SerialNumberText(all), "AB 1" + std::string(12, ' '));
  EXPECT_FALSE(all.Modified);
}

TEST_F(SettingsInfo, SerialNumberStoredBlankFilled) {
  struct Case {
    const char* text;
    std::string stored;
  } cases[] = {
      {"ABC12", "ABC12" + std::string(11, ' ')},
      {"", std::string(16, ' ')},
      {"A-1", "A-1" + std::string(13, ' ')},  // stored as typed, shown with a blank
      {"0123456789ABCDEFGH", "0123456789ABCDEF"},
  };
  for (const Case& c : cases) {
    all.Modified = false;
    StoreSerialNumber(all, c.text);
    EXPECT_EQ(std::string(all.RadioPtr(kSerialNumberAddress), all.RadioPtr(kSerialNumberAddress) + 16), c.stored);
    EXPECT_TRUE(all.Modified);
  }
}

TEST_F(SettingsInfo, DateStampDisplay) {
  struct Case {
    std::vector<std::uint8_t> bytes;  // the rest of the 16 bytes is 0xFF
    const char* text;
  } cases[] = {
      {{0xE8, 0x07, 0x03, 0x09, 0x0E, 0x05, 0x00}, "2024-03-09 14:05:00"},
      {{}, ""},
      {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00},
       "65535-255-255 255:255:255"},
      {{0x05, 0x00, 0x01, 0x02, 0x03, 0x04, 0x05}, "5-01-02 03:04:05"},
  };
  for (const Case& c : cases) {
    std::uint8_t block[16];
    std::fill(block, block + 16, 0xFF);
    std::copy(c.bytes.begin(), c.bytes.end(), block);
    EXPECT_EQ(DateStampText(block), c.text);
  }
  EXPECT_EQ(WriteTimeText(all), "2010-05-06 12:34:56");
  EXPECT_EQ(FactoryTimeText(all), "2010-05-06 12:34:56");
}

TEST_F(SettingsInfo, PasswordBytes) {
  const std::string stored = "ab12    ";
  std::copy(stored.begin(), stored.end(), all.Image.begin());
  EXPECT_EQ(PasswordText(all), "ab12");

  const ImageBytes before = all.Image;
  all.SetNewPassword = false;
  StorePasswords(all, " ab12x \t", "NEWPASS");
  EXPECT_EQ(std::string(all.Image.begin(), all.Image.begin() + 8), "ab12x   ");
  EXPECT_TRUE(std::equal(all.Image.begin() + 8, all.Image.begin() + 16, before.begin() + 8));
  EXPECT_FALSE(all.Modified);

  all.SetNewPassword = true;
  StorePasswords(all, "123456789", "n-w");
  EXPECT_EQ(std::string(all.Image.begin(), all.Image.begin() + 16), "12345678n-w     ");
  EXPECT_EQ(NewPasswordText(all), "n w");
}

}  // namespace
}  // namespace kx7q
