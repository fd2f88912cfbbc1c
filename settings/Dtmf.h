#pragma once
// DTMF (window fDtmf): 0x132-0x14F.
//
//   0x132  speed index          0x133  first digit time index
//   0x134  first digit delay index
//   0x135  bits 3-0 PTT ID index; bit 4 stun type (1 = "Tx Inhibit");
//          bit 5 side tone; bits 7-6 written as 0
//   0x136  Begin of Tx length (0-16), digits at 0x140-0x147
//   0x137  End of Tx length (0-16), digits at 0x148-0x14F
//   0x138  Stun code length (0-10), digits at 0x139-0x13D
//
// Codes are packed two characters a byte, the first in the high nibble:
// 0-9 the digits, 10-13 "A"-"D", 14 "#", 15 "*". Nibbles beyond a code's
// length keep what they held.

#include <string>
#include <string_view>

#include "channels/ValueList.h"
#include "core/CodePlug.h"

namespace kx7q {

constexpr int kDtmfSpeedAddress = 0x132;
constexpr int kDtmfFirstTimeAddress = 0x133;
constexpr int kDtmfFirstDelayAddress = 0x134;
constexpr int kDtmfModeAddress = 0x135;

struct DtmfCodeArea {
  int lengthAddress;
  int digitsAddress;
  int maxLength;
};
inline constexpr DtmfCodeArea kBeginOfTxCode{0x136, 0x140, 16};
inline constexpr DtmfCodeArea kEndOfTxCode{0x137, 0x148, 16};
inline constexpr DtmfCodeArea kStunCode{0x138, 0x139, 10};

struct DtmfSettings {
  int speed = 0;          // DtmfSpeedList
  int firstDigitTime = 0; // FirstDigitTimeList
  int firstDigitDelay = 0;// FirstDigitDelayList
  int pttId = 0;          // DtmfPttIdList
  int stunType = 0;       // StunTypeList
  bool sideTone = false;
};

struct DtmfCodes {
  std::string beginOfTx, endOfTx, stun;
};

DtmfSettings DecodeDtmfSettings(const TALL& all);
// Writes 0x132-0x135 (bits 6-7 of 0x135 become 0) and sets Modified.
void EncodeDtmfSettings(TALL& all, const DtmfSettings& s);

// A stored length beyond the area's room is read as the room.
std::string DecodeDtmfCode(const TALL& all, const DtmfCodeArea& area);
DtmfCodes DecodeDtmfCodes(const TALL& all);
// Writes a code; characters other than 0-9, A-D, # and * are stored as 0, and
// a code longer than the area's room is cut to it, so it never spills over.
void EncodeDtmfCode(TALL& all, const DtmfCodeArea& area, std::string_view code);
// Writes all three codes and sets Modified.
void EncodeDtmfCodes(TALL& all, const DtmfCodes& codes);

// 0-9, A-D, a-d, # and *: what a code field accepts (shown in upper case).
bool IsDtmfCharacter(char c);

// Which code fields the PTT ID choice enables: BOT begin only, EOT end only, BOTH both.
bool BeginOfTxEnabled(int pttId);
bool EndOfTxEnabled(int pttId);

const ValueList& DtmfSpeedList();        // cxSpeed      "4".."15", not translated
const ValueList& FirstDigitTimeList();   // cxFirstTime  "0".."1000" in 50 ms steps, not translated
const ValueList& FirstDigitDelayList();  // cxFirstDelay "100".."1000" in 50 ms steps, not translated
const ValueList& DtmfPttIdList();        // cxPttID      "BOT", "EOT", "BOTH"
const ValueList& StunTypeList();         // cxStunType   "Tx Inhibit", "Tx/Rx Inhibit"

}  // namespace kx7q
