#include "settings/SettingsByKey.h"

#include <cctype>

#include "channels/EditErrors.h"
#include "core/Numbers.h"
#include "settings/Dtmf.h"
#include "settings/KeyFunction.h"
#include "settings/OptionalFunctions.h"
#include "settings/Password.h"
#include "settings/RadioInformation.h"
#include "settings/ScanInformation.h"
#include "settings/VoxFunction.h"

namespace kx7q {

namespace {

// A List setting stored as one int member of a decoded group.
template <typename Group>
SettingKey ListSetting(std::string key, std::string window, std::string caption, const ValueList& list,
                       Group (*decode)(const TALL&), void (*encode)(TALL&, const Group&), int Group::*member) {
  SettingKey s{std::move(key), std::move(window), std::move(caption), SettingKind::List, &list, false, {}, {}};
  s.text = [&list, decode, member](const TALL& all) { return list.TextOf(decode(all).*member); };
  s.set = [&list, decode, encode, member, k = s.key](TALL& all, const std::string& value) {
    const int index = list.IndexOf(Trim(value));
    if (index < 0) return Status::Fail(kNotInList, k + "=" + value);
    Group g = decode(all);
    g.*member = index;
    encode(all, g);
    return Status::Ok();
  };
  return s;
}

SettingKey CodeSetting(std::string key, std::string caption, std::string DtmfCodes::*member,
                       const DtmfCodeArea& area) {
  SettingKey s{std::move(key), "DTMF", std::move(caption), SettingKind::Text, nullptr, false, {}, {}};
  s.text = [member](const TALL& all) { return DecodeDtmfCodes(all).*member; };
  s.set = [member, &area, k = s.key](TALL& all, const std::string& value) {
    std::string code = Trim(value);
    if (code.size() > static_cast<std::size_t>(area.maxLength))
      return Status::Fail(kBadValue, k + ": at most " + std::to_string(area.maxLength) + " characters");
    for (char& c : code) {
      if (!IsDtmfCharacter(c)) return Status::Fail(kBadValue, k + ": only 0-9, A-D, # and * (" + value + ")");
      c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    DtmfCodes codes = DecodeDtmfCodes(all);
    codes.*member = code;
    EncodeDtmfCodes(all, codes);
    return Status::Ok();
  };
  return s;
}

SettingKey ReadOnly(std::string key, std::string window, std::string caption,
                    std::function<std::string(const TALL&)> text) {
  return {std::move(key), std::move(window), std::move(caption), SettingKind::Text, nullptr, true, std::move(text), {}};
}

bool PrintableAscii(const std::string& text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) return false;
  return true;
}

SettingKey FmBound(std::string key, std::string caption, double (*get)(const TALL&),
                   double (*store)(TALL&, double)) {
  SettingKey s{std::move(key), "Scan Information", std::move(caption), SettingKind::Text, nullptr, false, {}, {}};
  s.text = [get](const TALL& all) { return FormatFmBound(get(all)); };
  s.set = [store, k = s.key](TALL& all, const std::string& value) {
    std::optional<double> mhz = ParseDecimal(value);
    if (!mhz) return Status::Fail(kBadValue, k + "=" + value);
    store(all, *mhz);
    return Status::Ok();
  };
  return s;
}

std::vector<SettingKey> BuildKeys() {
  using O = OptionalFunctions;
  using V = VoxFunction;
  using K = KeyFunction;
  using S = ScanInformation;
  using D = DtmfSettings;
  const std::string opt = "Optional Function", vox = "Vox Function", key = "Key Function",
                    info = "Radio Information";
  std::vector<SettingKey> keys = {
      ListSetting<O>("squelch_level", opt, "Squelch level", SquelchList(), DecodeOptionalFunctions, EncodeOptionalFunctions, &O::squelch),
      ListSetting<O>("tx_time_out", opt, "TX Time Out", TimeOutList(), DecodeOptionalFunctions, EncodeOptionalFunctions, &O::timeOut),
      ListSetting<O>("voice", opt, "Voice", VoiceList(), DecodeOptionalFunctions, EncodeOptionalFunctions, &O::voice),
      ListSetting<O>("vol_inhibit_tx", opt, "Vol Inhibit Tx", VolInhibitTxList(), DecodeOptionalFunctions, EncodeOptionalFunctions, &O::volInhibitTx),
      ListSetting<O>("tone", opt, "Tone", ToneList(), DecodeOptionalFunctions, EncodeOptionalFunctions, &O::tone),
      ListSetting<O>("incept_alarm", opt, "Incept Alarm", InceptAlarmList(), DecodeOptionalFunctions, EncodeOptionalFunctions, &O::inceptAlarm),
      ListSetting<O>("battery_save", opt, "Battery Save", BatterySaveList(), DecodeOptionalFunctions, EncodeOptionalFunctions, &O::batterySave),
      ListSetting<O>("power_light", opt, "Power Light", PowerLightList(), DecodeOptionalFunctions, EncodeOptionalFunctions, &O::powerLight),
      ListSetting<V>("mic_control", vox, "Mic Control", MicControlList(), DecodeVoxFunction, EncodeVoxFunction, &V::micControl),
      ListSetting<V>("vox_gain_level", vox, "VOX Gain Level", VoxGainList(), DecodeVoxFunction, EncodeVoxFunction, &V::gain),
      ListSetting<V>("vox_delay_time", vox, "VOX Delay Time[s]", VoxDelayList(), DecodeVoxFunction, EncodeVoxFunction, &V::delay),
      ListSetting<V>("vox_inhibit_on_receive", vox, "Vox Inhibit on Receive", VoxInhibitList(), DecodeVoxFunction, EncodeVoxFunction, &V::inhibitOnReceive),
      ListSetting<K>("key_1", key, "KEY-1", KeyShortList(), DecodeKeyFunction, EncodeKeyFunction, &K::key1),
      ListSetting<K>("key_2", key, "KEY-2", KeyLongList(), DecodeKeyFunction, EncodeKeyFunction, &K::key2),
      ListSetting<S>("scan_speed", "Scan Information", "Scan Speed[ms]", ScanSpeedList(), DecodeScanInformation, EncodeScanInformation, &S::scanSpeed),
      ListSetting<S>("dropout_delay_time", "Scan Information", "Dropout Delay Time[s]", DropoutDelayList(), DecodeScanInformation, EncodeScanInformation, &S::dropoutDelay),
      FmBound("fm_scan_lower", "FM Scan bound[MHz] (lower)", FmLowerBound, StoreFmLowerBound),
      FmBound("fm_scan_upper", "FM Scan bound[MHz] (upper)", FmUpperBound, StoreFmUpperBound),
      ListSetting<D>("dtmf_speed", "DTMF", "DTMF Speed[digit/s]", DtmfSpeedList(), DecodeDtmfSettings, EncodeDtmfSettings, &D::speed),
      ListSetting<D>("first_digit_time", "DTMF", "First Digit Time[ms]", FirstDigitTimeList(), DecodeDtmfSettings, EncodeDtmfSettings, &D::firstDigitTime),
      ListSetting<D>("first_digit_delay", "DTMF", "First Digit Delay[ms]", FirstDigitDelayList(), DecodeDtmfSettings, EncodeDtmfSettings, &D::firstDigitDelay),
      ListSetting<D>("ptt_id", "DTMF", "PTT ID", DtmfPttIdList(), DecodeDtmfSettings, EncodeDtmfSettings, &D::pttId),
      CodeSetting("begin_of_tx", "Begin of Tx", &DtmfCodes::beginOfTx, kBeginOfTxCode),
      CodeSetting("end_of_tx", "End of Tx", &DtmfCodes::endOfTx, kEndOfTxCode),
  };

  SettingKey side{"dtmf_side_tone", "DTMF", "DTMF Side Tone", SettingKind::Flag, nullptr, false, {}, {}};
  side.text = [](const TALL& all) { return DecodeDtmfSettings(all).sideTone ? "true" : "false"; };
  side.set = [](TALL& all, const std::string& value) {
    std::string v = Trim(value);
    for (char& c : v) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    bool on;
    if (v == "true" || v == "yes" || v == "on" || v == "1")
      on = true;
    else if (v == "false" || v == "no" || v == "off" || v == "0")
      on = false;
    else
      return Status::Fail(kBadValue, "dtmf_side_tone=" + value + " (true or false)");
    DtmfSettings s = DecodeDtmfSettings(all);
    s.sideTone = on;
    EncodeDtmfSettings(all, s);
    return Status::Ok();
  };
  keys.push_back(std::move(side));

  keys.push_back(ListSetting<D>("stun_type", "DTMF", "Stun Type", StunTypeList(), DecodeDtmfSettings, EncodeDtmfSettings, &D::stunType));
  keys.push_back(CodeSetting("stun_code", "Stun Code", &DtmfCodes::stun, kStunCode));

  SettingKey serial{"serial_number", info, "Serial Number", SettingKind::Text, nullptr, false, {}, {}};
  serial.text = [](const TALL& all) { return SerialNumberText(all); };
  serial.set = [](TALL& all, const std::string& value) {
    if (value.size() > static_cast<std::size_t>(kSerialNumberLength) || !PrintableAscii(value))
      return Status::Fail(kBadValue, "serial_number: at most 16 printable characters");
    std::string upper = value;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    StoreSerialNumber(all, upper);
    return Status::Ok();
  };
  keys.push_back(std::move(serial));
  keys.push_back(ReadOnly("write_time", info, "Write Time", WriteTimeText));
  keys.push_back(ReadOnly("leave_factory_time", info, "Leave Factory Time", FactoryTimeText));

  // Read-only here: the password lives outside radio memory and data files do
  // not keep it, so a change could never be saved. The password window edits
  // it through Password.h.
  keys.push_back(ReadOnly("password", "PassWord", "PassWard", PasswordText));
  return keys;
}

}  // namespace

const std::vector<SettingKey>& SettingKeys() {
  static const std::vector<SettingKey> keys = BuildKeys();
  return keys;
}

const SettingKey* FindSettingKey(const std::string& key) {
  for (const SettingKey& s : SettingKeys())
    if (s.key == key) return &s;
  return nullptr;
}

Status SetSetting(TALL& all, const std::string& key, const std::string& value) {
  const SettingKey* s = FindSettingKey(key);
  if (!s) return Status::Fail(kUnknownKey, key);
  if (s->readOnly) return Status::Fail(kReadOnly, key);
  return s->set(all, value);
}

}  // namespace kx7q
