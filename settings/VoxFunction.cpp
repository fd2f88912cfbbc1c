#include "settings/VoxFunction.h"

#include "core/Bits.h"
#include "settings/OptionalFunctions.h"

namespace kx7q {

namespace {
constexpr int kMicShift = 2;
constexpr std::uint8_t kMicMask = 0x03 << kMicShift;
constexpr int kMicVox = 1;  // index of "Vox"
constexpr int kInhibitBit = 7;
}  // namespace

VoxFunction DecodeVoxFunction(const TALL& all) {
  VoxFunction v;
  switch ((all.Radio(kInhibitMicAddress) & kMicMask) >> kMicShift) {
    case 0: v.micControl = 1; break;  // Vox
    case 2: v.micControl = 2; break;  // Mic-PTT
    default: v.micControl = 0; break; // None
  }
  v.gain = all.Radio(kVoxGainAddress) >> 1;
  v.delay = all.Radio(kVoxDelayAddress);
  v.inhibitOnReceive = BitIsSet(all.Radio(kVoxInhibitAddress), kInhibitBit);
  return v;
}

void EncodeVoxFunction(TALL& all, const VoxFunction& v) {
  int code;
  switch (v.micControl) {
    case 1: code = 0; break;
    case 2: code = 2; break;
    default: code = 3; break;
  }
  std::uint8_t& mic = all.Radio(kInhibitMicAddress);
  mic = static_cast<std::uint8_t>((mic & ~kMicMask) | (code << kMicShift));
  all.Radio(kVoxGainAddress) = static_cast<std::uint8_t>(v.gain * 2 + (v.micControl != kMicVox ? 1 : 0));
  all.Radio(kVoxDelayAddress) = static_cast<std::uint8_t>(v.delay);
  SetBit(all.Radio(kVoxInhibitAddress), kInhibitBit, v.inhibitOnReceive == 1);
}

const ValueList& MicControlList() {
  static const ValueList l{"fVoxFun", "cxVox_s", ItemTranslation::All, {"None", "Vox", "Mic-PTT"}};
  return l;
}

const ValueList& VoxGainList() {
  static const ValueList l{"fVoxFun", "cxVox", ItemTranslation::FirstOnly,
                           {"1", "2", "3", "4", "5", "6", "7", "8", "9"}};
  return l;
}

const ValueList& VoxDelayList() {
  static const ValueList l{"fVoxFun", "cxVoxDely", ItemTranslation::All, {"0.5", "1.0", "1.5", "2.0", "2.5", "3.0"}};
  return l;
}

const ValueList& VoxInhibitList() {
  static const ValueList l{"fVoxFun", "cxRxDis", ItemTranslation::All, {"No", "Yes"}};
  return l;
}

}  // namespace kx7q
