#pragma once
// The code plug: the radio image and the fields around it.
//
// Image offsets 0-15 are the identification block (never sent to the radio,
// not saved in data files; the password window edits them), offsets 16-447
// hold radio memory 0x000-0x1AF, offsets 448-463 the extra block 0x1B0-0x1BF.
// Image offset = radio address + 16.

#include <array>
#include <cassert>
#include <cstdint>
#include <string>

namespace kx7q {

constexpr int kImageSize = 464;
constexpr int kRadioBase = 16;        // image offset of radio address 0x000
constexpr int kRadioSize = 0x1B0;     // 432 bytes of radio memory read from the radio
constexpr int kWriteSize = 0x1A0;     // radio addresses written to the radio: 0x000-0x19F
constexpr int kExtraOffset = 448;     // image offset of the extra block

using ImageBytes = std::array<std::uint8_t, kImageSize>;

struct TALL {
  std::string LanguageName;
  int LanguageIndex = 0;
  int CurrentChannel = 0;
  int BaudRate = 0;
  std::string PortName;
  std::string AppDir;          // executable's folder, with trailing '/'
  std::string ModelBaseName;
  int ChannelCount = 0;
  std::string ModelName;
  std::string BandText;
  double FreqMax = 0;          // MHz
  double FreqMin = 0;          // MHz
  std::string ModelCode;
  std::string FamilyCode;
  std::string Challenge;
  int PicId = 0;
  bool Modified = false;
  std::string HelpName;
  bool TestOnlineVisible = false;
  bool SetNewPassword = false;
  bool VoxInhibitVisible = false;
  ImageBytes Image{};

  // Byte at a radio address (0x000-0x1BF, the extra block included).
  std::uint8_t& Radio(int address) {
    assert(address >= 0 && address < 0x1C0);
    return Image[static_cast<std::size_t>(address + kRadioBase)];
  }
  std::uint8_t Radio(int address) const {
    assert(address >= 0 && address < 0x1C0);
    return Image[static_cast<std::size_t>(address + kRadioBase)];
  }
  std::uint8_t* RadioPtr(int address) { return &Radio(address); }
  const std::uint8_t* RadioPtr(int address) const {
    assert(address >= 0 && address < 0x1C0);
    return &Image[static_cast<std::size_t>(address + kRadioBase)];
  }
};

}  // namespace kx7q
