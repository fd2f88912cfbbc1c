// kx7q-cli set: change channels and settings of a data file by key.

#include <iostream>

#include "app/Startup.h"
#include "channels/ChannelCodec.h"
#include "channels/ChannelEdit.h"
#include "channels/EditErrors.h"
#include "channels/ToneTables.h"
#include "core/DataFile.h"
#include "core/Numbers.h"
#include "settings/SettingsByKey.h"
#include "tools/cli/CliSupport.h"
#include "tools/cli/Commands.h"

namespace kx7q::cli {

const char* const kSetHelp =
    "Usage: kx7q-cli set FILE.dat KEY=VALUE [KEY=VALUE ...]\n"
    "\n"
    "Changes the data file through the same rules as the program's windows and\n"
    "saves it safely. Either every change is made or, on the first refused one,\n"
    "none: the file stays as it was and the status is 1.\n"
    "\n"
    "Channels: chN.FIELD=VALUE, N from 1 to 16, FIELD one of\n"
    "  rx, tx        MHz; clamped to the band (with a warning) and moved down onto\n"
    "                the 5 / 6.25 kHz raster. An empty rx erases the channel; an\n"
    "                rx on an empty channel makes a new one (tx = rx). An empty tx\n"
    "                removes the TX frequency and the encode tone.\n"
    "  decode, encode  a tone: 67.0, D023N, D023I, or \"\" / None for no tone;\n"
    "                normalised as in the windows (30.0-290.0, else D777N).\n"
    "  power (Low, High), wide_narrow (Wide, Narrow), scan_add, compander,\n"
    "  scrambler, busy_lock (Yes, No), ptt_id (On, Off), epilogue (OFF, ON).\n"
    "\n"
    "Settings: the keys of 'kx7q-cli show --json' under \"settings\", with a value\n"
    "as shown there, e.g. squelch_level=7, tx_time_out=Off, key_1=Scan,\n"
    "begin_of_tx=12A#, dtmf_side_tone=false. write_time and leave_factory_time\n"
    "cannot be set.\n"
    "\n"
    "Example: kx7q-cli set fleet.dat ch3.rx=462.5631 ch3.encode=D023N squelch_level=7\n";

namespace {

class WarnOnClamp : public BandClampReporter {
 public:
  explicit WarnOnClamp(std::string key) : key_(std::move(key)) {}
  void FrequencyClamped(double entered, double clamped) override {
    std::cerr << "kx7q-cli: warning: " << key_ << ": " << MessageText("ErrRange") << " ("
              << FormatFrequency(entered) << " -> " << FormatFrequency(clamped) << ")\n";
  }

 private:
  std::string key_;
};

// "ch12.rx" -> 12 and field "rx"; -1 when key is no channel key.
int ChannelOfKey(const std::string& key, std::string& field) {
  if (key.compare(0, 2, "ch") != 0) return -1;
  const std::size_t dot = key.find('.');
  if (dot == std::string::npos || dot == 2) return -1;
  const std::string digits = key.substr(2, dot - 2);
  if (digits.find_first_not_of("0123456789") != std::string::npos) return -1;
  field = key.substr(dot + 1);
  // Too many digits is simply no channel the radio has.
  return digits.size() > 4 ? 99999 : std::stoi(digits);
}

// A typed tone that the tone rules replaced by another tone ("23" by 30.0,
// "1..2" by 290.0, "d023n" by D777N) is stored as the windows store it; a
// window shows the replacement at once, here a warning says what was stored.
void WarnIfToneReplaced(const TALL& all, int channel, const std::string& key, const std::string& field,
                        const std::string& value) {
  if (field != "decode" && field != "encode") return;
  const std::string typed = Trim(value);
  if (typed.empty() || ToneBoxList().IndexOf(typed) == 0) return;  // no tone
  TChannel ch;
  if (!DecodeChannel(all, channel, ch)) return;
  const std::string& stored = field == "decode" ? ch.RxTone : ch.TxTone;
  if (EncodeTone(typed) == EncodeTone(stored)) return;  // the same tone, maybe written otherwise
  std::cerr << "kx7q-cli: warning: " << key << ": \"" << typed << "\" is stored as \"" << stored << "\"\n";
}

Status Apply(TALL& all, const std::string& key, const std::string& value) {
  std::string field;
  const int channel = ChannelOfKey(key, field);
  if (channel < 0) return SetSetting(all, key, value);
  WarnOnClamp reporter(key);
  Status status = SetChannelValue(all, channel, field, value, &reporter);
  if (status) WarnIfToneReplaced(all, channel, key, field, value);
  return status;
}

}  // namespace

int RunSet(const Args& args) {
  if (args.empty()) return UsageError("set", "no data file given");
  if (args.size() < 2) return UsageError("set", "nothing to set (KEY=VALUE)");
  for (std::size_t i = 1; i < args.size(); ++i)
    if (args[i].find('=') == std::string::npos || args[i][0] == '=')
      return UsageError("set", "'" + args[i] + "' is not KEY=VALUE");

  const std::string& path = args[0];
  Status loaded = LoadDataFile(path);
  if (!loaded) return Fail(loaded);

  // Changes go to a copy; the code plug and the file change only when all succeed.
  TALL edited = Db().All;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::size_t eq = args[i].find('=');
    const std::string key = args[i].substr(0, eq), value = args[i].substr(eq + 1);
    Status s = Apply(edited, key, value);
    if (!s) {
      std::cerr << "kx7q-cli: " << key << ": " << MessageOf(s) << "\n";
      std::cerr << "kx7q-cli: nothing changed in " << path << "\n";
      return kExitFailure;
    }
  }
  Db().All = edited;
  Status saved = WriteDataFile(Db().All, path);
  if (!saved) return Fail(saved);
  return kExitOk;
}

}  // namespace kx7q::cli
