#include "settings/OptionalFunctions.h"

#include "core/Bits.h"

namespace kx7q {

namespace {
constexpr int kBatteryOnBit = 2, kAlarmBit = 3, kVoiceOnBit = 4, kVoiceChinaBit = 5, kToneBit = 6, kLightBit = 7;
}

OptionalFunctions DecodeOptionalFunctions(const TALL& all) {
  const std::uint8_t flags = all.Radio(kOptionFlagsAddress);
  OptionalFunctions f;
  f.batterySave = BitIsSet(flags, kBatteryOnBit) ? (flags & 0x03) + 1 : 0;
  f.inceptAlarm = BitIsSet(flags, kAlarmBit);
  switch ((flags >> 4) & 0x03) {
    case 1: f.voice = 2; break;  // English
    case 3: f.voice = 1; break;  // China
    default: f.voice = 0; break;
  }
  f.tone = BitIsSet(flags, kToneBit);
  f.powerLight = BitIsSet(flags, kLightBit);
  f.squelch = all.Radio(kSquelchAddress);
  f.timeOut = all.Radio(kTimeOutAddress);
  f.volInhibitTx = all.Radio(kInhibitMicAddress) & 0x03;
  return f;
}

void EncodeOptionalFunctions(TALL& all, const OptionalFunctions& f) {
  std::uint8_t& flags = all.Radio(kOptionFlagsAddress);
  if (f.batterySave != 0) {
    SetBit(flags, kBatteryOnBit, true);
    flags = static_cast<std::uint8_t>((flags & ~0x03) | ((f.batterySave - 1) & 0x03));
  } else {
    SetBit(flags, kBatteryOnBit, false);  // the ratio bits keep the last ratio
  }
  SetBit(flags, kAlarmBit, f.inceptAlarm == 1);
  if (f.voice != 0) {
    SetBit(flags, kVoiceOnBit, true);
    SetBit(flags, kVoiceChinaBit, f.voice == 1);
  } else {
    SetBit(flags, kVoiceOnBit, false);
  }
  SetBit(flags, kToneBit, f.tone == 1);
  SetBit(flags, kLightBit, f.powerLight == 1);
  all.Radio(kSquelchAddress) = static_cast<std::uint8_t>(f.squelch);
  all.Radio(kTimeOutAddress) = static_cast<std::uint8_t>(f.timeOut);
  std::uint8_t& inhibit = all.Radio(kInhibitMicAddress);
  inhibit = static_cast<std::uint8_t>((inhibit & ~0x03) | (f.volInhibitTx & 0x03));
  all.Modified = true;
}

const ValueList& SquelchList() {
  static const ValueList l{"fOptFun", "cxSQL", ItemTranslation::None,
                           {"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"}};
  return l;
}

const ValueList& TimeOutList() {
  static const ValueList l = [] {
    ValueList v{"fOptFun", "cxTot", ItemTranslation::FirstOnly, {"Off"}};
    for (int s = 15; s <= 600; s += 15) v.items.push_back(std::to_string(s));
    return v;
  }();
  return l;
}

const ValueList& VoiceList() {
  static const ValueList l{"fOptFun", "cxWavs", ItemTranslation::All, {"Off", "China", "English"}};
  return l;
}

const ValueList& VolInhibitTxList() {
  static const ValueList l{"fOptFun", "cxTxInhibit", ItemTranslation::All,
                           {"Off", "Low Inhibit", "High Inhibit", "Both"}};
  return l;
}

const ValueList& ToneList() {
  static const ValueList l{"fOptFun", "cxTone", ItemTranslation::All, {"Off", "On"}};
  return l;
}

const ValueList& InceptAlarmList() {
  static const ValueList l{"fOptFun", "cxAlt", ItemTranslation::All, {"Off", "On"}};
  return l;
}

const ValueList& BatterySaveList() {
  static const ValueList l{"fOptFun", "cxRate", ItemTranslation::All, {"OFF", "1:1", "1:2", "1:3", "1:4"}};
  return l;
}

const ValueList& PowerLightList() {
  static const ValueList l{"fOptFun", "cxFM", ItemTranslation::All, {"Off", "On"}};
  return l;
}

}  // namespace kx7q
