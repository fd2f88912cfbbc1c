#include "settings/ScanInformation.h"

#include <cmath>

#include "channels/DecimalText.h"

namespace kx7q {

namespace {

int Word(const TALL& all, int address) { return all.Radio(address) | (all.Radio(address + 1) << 8); }

double StoreBound(TALL& all, int address, double mhz) {
  const long long kHz = std::llround(mhz * 1000.0);
  const long long steps = kHz / 50;  // whole 50 kHz steps, the rest dropped
  const long long word = 2 * steps;  // the word counts 25 kHz
  all.Radio(address) = static_cast<std::uint8_t>(word & 0xFF);
  all.Radio(address + 1) = static_cast<std::uint8_t>((word >> 8) & 0xFF);
  return static_cast<double>(steps * 50) / 1000.0;
}

}  // namespace

ScanInformation DecodeScanInformation(const TALL& all) {
  return {all.Radio(kScanSpeedAddress), all.Radio(kDropoutDelayAddress)};
}

void EncodeScanInformation(TALL& all, const ScanInformation& s) {
  all.Radio(kScanSpeedAddress) = static_cast<std::uint8_t>(s.scanSpeed);
  all.Radio(kDropoutDelayAddress) = static_cast<std::uint8_t>(s.dropoutDelay);
  all.Modified = true;
}

const ValueList& ScanSpeedList() {
  static const ValueList l = [] {
    ValueList v{"fScanFun", "cxScanSpeed", ItemTranslation::All, {}};
    for (int ms = 100; ms <= 500; ms += 50) v.items.push_back(std::to_string(ms));
    return v;
  }();
  return l;
}

const ValueList& DropoutDelayList() {
  static const ValueList l = [] {
    ValueList v{"fScanFun", "cxScanDely", ItemTranslation::All, {}};
    for (int s = 3; s <= 30; ++s) v.items.push_back(std::to_string(s));
    return v;
  }();
  return l;
}

double FmLowerBound(const TALL& all) { return Word(all, kFmLowerAddress) * 25 / 1000.0; }
double FmUpperBound(const TALL& all) { return Word(all, kFmUpperAddress) * 25 / 1000.0; }

std::string FormatFmBound(double mhz) { return FormatRounded(mhz, 3); }

double StoreFmLowerBound(TALL& all, double mhz) {
  if (mhz < 70.0) mhz = 88.0;
  const double upper = FmUpperBound(all);
  if (upper < mhz) mhz = upper;
  return StoreBound(all, kFmLowerAddress, mhz);
}

double StoreFmUpperBound(TALL& all, double mhz) {
  if (mhz > 114.0) mhz = 108.0;
  const double lower = FmLowerBound(all);
  if (lower > mhz) mhz = lower;
  return StoreBound(all, kFmUpperAddress, mhz);
}

}  // namespace kx7q
