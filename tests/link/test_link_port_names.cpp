#include <gtest/gtest.h>

#include "i18n/IniFile.h"
#include "link/PortNames.h"

namespace kx7q {
namespace {

TEST(LinkPortNames, PortNumberTakesTheDigitsFromTheFourthCharacter) {
  const struct {
    const char* name;
    std::optional<int> number;
  } cases[] = {
      {"COM1", 1}, {"COM12", 12}, {"com7", 7}, {"XYZ3", 3}, {"COM", std::nullopt},
      {"COM1a", std::nullopt}, {"COM-1", std::nullopt}, {"", std::nullopt}, {"/dev/ttyUSB0", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(PortNumberOf(c.name), c.number) << c.name;
}

TEST(LinkPortNames, TableGivesUsbCablesNumbersTheDialogCanChoose) {
  const IniFile none;
  const struct {
    const char* name;
    const char* device;
  } cases[] = {
      {"COM1", "/dev/ttyS0"},     {"COM4", "/dev/ttyS3"},      {"COM5", "/dev/ttyUSB0"},
      {"COM12", "/dev/ttyUSB7"},  {"COM13", "/dev/ttyACM0"},   {"COM20", "/dev/ttyACM7"},
      {"COM21", "/dev/ttyS4"},    {"COM49", "/dev/ttyUSB8"},   {"COM80", "/dev/ttyACM23"},
      {"COM81", ""},              {"COM0", ""},                {"COMx", ""},
      {"/dev/pts/4", "/dev/pts/4"},
  };
  for (const auto& c : cases) EXPECT_EQ(DeviceForPort(c.name, none), c.device) << c.name;
}

TEST(LinkPortNames, PortsSectionWinsAndTakesTheDeviceAwayFromItsTableNumber) {
  const IniFile settings = IniFile::FromText(
      "[SysInfo]\nPort=COM7\n[Ports]\nCOM7=/dev/pts/3\ncom3=/dev/ttyUSB0\nCOM90 = /dev/ttyS9\nFoo=/dev/x\nCOM8=\n");
  EXPECT_EQ(DeviceForPort("COM7", settings), "/dev/pts/3");
  EXPECT_EQ(DeviceForPort("COM3", settings), "/dev/ttyUSB0");
  EXPECT_EQ(DeviceForPort("COM5", settings), "");  // /dev/ttyUSB0 is COM3 now
  EXPECT_EQ(DeviceForPort("COM90", settings), "/dev/ttyS9");
  EXPECT_EQ(DeviceForPort("COM8", settings), "/dev/ttyUSB3");  // an empty entry is no entry

  const auto list = PortCandidates(settings);
  ASSERT_FALSE(list.empty());
  int last = 0;
  int seenUsb0 = 0;
  for (const auto& [name, device] : list) {
    const int n = *PortNumberOf(name);
    EXPECT_GT(n, last) << name;
    last = n;
    EXPECT_EQ(DeviceForPort(name, settings), device) << name;
    if (device == "/dev/ttyUSB0") ++seenUsb0;
  }
  EXPECT_EQ(seenUsb0, 1);
  EXPECT_EQ(list.back().first, "COM90");
}

}  // namespace
}  // namespace kx7q
