#include "settings/Dtmf.h"

#include "core/Bits.h"

namespace kx7q {

namespace {

constexpr int kStunTypeBit = 4;
constexpr int kSideToneBit = 5;
constexpr char kNibbleChars[] = "0123456789ABCD#*";

int NibbleOf(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'D') return c - 'A' + 10;
  if (c >= 'a' && c <= 'd') return c - 'a' + 10;
  if (c == '#') return 14;
  if (c == '*') return 15;
  return 0;
}

ValueList Steps(const char* control, int first, int last, int step) {
  ValueList v{"fDtmf", control, ItemTranslation::None, {}};
  for (int x = first; x <= last; x += step) v.items.push_back(std::to_string(x));
  return v;
}

}  // namespace

DtmfSettings DecodeDtmfSettings(const TALL& all) {
  DtmfSettings s;
  s.speed = all.Radio(kDtmfSpeedAddress);
  s.firstDigitTime = all.Radio(kDtmfFirstTimeAddress);
  s.firstDigitDelay = all.Radio(kDtmfFirstDelayAddress);
  const std::uint8_t mode = all.Radio(kDtmfModeAddress);
  s.sideTone = BitIsSet(mode, kSideToneBit);
  s.pttId = mode & 0x0F;
  s.stunType = BitIsSet(mode, kStunTypeBit) ? 0 : 1;
  return s;
}

void EncodeDtmfSettings(TALL& all, const DtmfSettings& s) {
  all.Radio(kDtmfSpeedAddress) = static_cast<std::uint8_t>(s.speed);
  all.Radio(kDtmfFirstTimeAddress) = static_cast<std::uint8_t>(s.firstDigitTime);
  all.Radio(kDtmfFirstDelayAddress) = static_cast<std::uint8_t>(s.firstDigitDelay);
  std::uint8_t mode = static_cast<std::uint8_t>(s.pttId & 0x0F);
  SetBit(mode, kSideToneBit, s.sideTone);
  SetBit(mode, kStunTypeBit, s.stunType == 0);
  all.Radio(kDtmfModeAddress) = mode;
  all.Modified = true;
}

std::string DecodeDtmfCode(const TALL& all, const DtmfCodeArea& area) {
  int length = all.Radio(area.lengthAddress);
  if (length > area.maxLength) length = area.maxLength;
  std::string code;
  for (int i = 0; i < length; ++i) {
    const std::uint8_t byte = all.Radio(area.digitsAddress + i / 2);
    code += kNibbleChars[i % 2 == 0 ? byte >> 4 : byte & 0x0F];
  }
  return code;
}

DtmfCodes DecodeDtmfCodes(const TALL& all) {
  return {DecodeDtmfCode(all, kBeginOfTxCode), DecodeDtmfCode(all, kEndOfTxCode), DecodeDtmfCode(all, kStunCode)};
}

void EncodeDtmfCode(TALL& all, const DtmfCodeArea& area, std::string_view code) {
  if (code.size() > static_cast<std::size_t>(area.maxLength)) code = code.substr(0, static_cast<std::size_t>(area.maxLength));
  all.Radio(area.lengthAddress) = static_cast<std::uint8_t>(code.size());
  for (std::size_t i = 0; i < code.size(); ++i) {
    std::uint8_t& byte = all.Radio(area.digitsAddress + static_cast<int>(i / 2));
    const int v = NibbleOf(code[i]);
    byte = i % 2 == 0 ? static_cast<std::uint8_t>((byte & 0x0F) | (v << 4))
                      : static_cast<std::uint8_t>((byte & 0xF0) | v);
  }
}

void EncodeDtmfCodes(TALL& all, const DtmfCodes& codes) {
  EncodeDtmfCode(all, kBeginOfTxCode, codes.beginOfTx);
  EncodeDtmfCode(all, kEndOfTxCode, codes.endOfTx);
  EncodeDtmfCode(all, kStunCode, codes.stun);
  all.Modified = true;
}

bool IsDtmfCharacter(char c) {
  return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'D') || (c >= 'a' && c <= 'd') || c == '#' || c == '*';
}

bool BeginOfTxEnabled(int pttId) { return pttId == 0 || pttId == 2; }
bool EndOfTxEnabled(int pttId) { return pttId == 1 || pttId == 2; }

const ValueList& DtmfSpeedList() {
  static const ValueList l = Steps("cxSpeed", 4, 15, 1);
  return l;
}
const ValueList& FirstDigitTimeList() {
  static const ValueList l = Steps("cxFirstTime", 0, 1000, 50);
  return l;
}
const ValueList& FirstDigitDelayList() {
  static const ValueList l = Steps("cxFirstDelay", 100, 1000, 50);
  return l;
}
const ValueList& DtmfPttIdList() {
  static const ValueList l{"fDtmf", "cxPttID", ItemTranslation::All, {"BOT", "EOT", "BOTH"}};
  return l;
}
const ValueList& StunTypeList() {
  static const ValueList l{"fDtmf", "cxStunType", ItemTranslation::All, {"Tx Inhibit", "Tx/Rx Inhibit"}};
  return l;
}

}  // namespace kx7q
