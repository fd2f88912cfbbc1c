#pragma once
// Scan information (window fScanFun): scan speed at 0x126, dropout delay at
// 0x127 (list indexes), and the FM broadcast scan band (not shown by the
// window): lower bound word at 0x12C-0x12D, upper at 0x12E-0x12F, little-endian,
// in units of 25 kHz.

#include <string>

#include "channels/ValueList.h"
#include "core/CodePlug.h"

namespace kx7q {

constexpr int kScanSpeedAddress = 0x126;
constexpr int kDropoutDelayAddress = 0x127;
constexpr int kFmLowerAddress = 0x12C;
constexpr int kFmUpperAddress = 0x12E;

struct ScanInformation {
  int scanSpeed = 0;     // ScanSpeedList
  int dropoutDelay = 0;  // DropoutDelayList
};

ScanInformation DecodeScanInformation(const TALL& all);
// Writes both indexes and sets Modified.
void EncodeScanInformation(TALL& all, const ScanInformation& s);

const ValueList& ScanSpeedList();     // cxScanSpeed "100".."500" in 50 ms steps
const ValueList& DropoutDelayList();  // cxScanDely  "3".."30"

// The FM bounds in MHz (word x 25 kHz).
double FmLowerBound(const TALL& all);
double FmUpperBound(const TALL& all);
// MHz with three decimals, "88.000".
std::string FormatFmBound(double mhz);

// An entered bound made valid and stored: a lower bound below 70 MHz becomes
// 88 MHz, an upper one above 114 MHz becomes 108 MHz; neither may pass the
// other bound; the result is moved down onto 50 kHz. Returns the MHz now
// stored (what the field shows). Shows nothing and leaves Modified alone.
double StoreFmLowerBound(TALL& all, double mhz);
double StoreFmUpperBound(TALL& all, double mhz);

}  // namespace kx7q
