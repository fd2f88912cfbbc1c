#pragma once
// Every radio setting by a script key ("squelch_level", "key_1", ...), with
// the window and row caption that show it, read and written as its shown
// text through the same codecs as the windows. The command-line tool's show
// and set use it; printing can take captions and texts from it.

#include <functional>
#include <string>
#include <vector>

#include "channels/ValueList.h"
#include "core/CodePlug.h"
#include "core/Status.h"

namespace kx7q {

enum class SettingKind {
  List,  // one entry of `list`
  Text,  // free text within the setting's rules (codes, serial number, dates)
  Flag,  // a yes/no setting, shown as "true"/"false"
};

struct SettingKey {
  std::string key;            // script key, e.g. "tx_time_out"
  std::string windowCaption;  // e.g. "Optional Function"
  std::string caption;        // row caption, e.g. "TX Time Out"
  SettingKind kind;
  const ValueList* list;      // List settings only
  bool readOnly;
  std::function<std::string(const TALL&)> text;            // shown text
  std::function<Status(TALL&, const std::string&)> set;    // null when read-only
};

// All settings in window order: optional functions, VOX, keys, scan, DTMF,
// radio information, password.
const std::vector<SettingKey>& SettingKeys();
const SettingKey* FindSettingKey(const std::string& key);

// Sets one setting from its shown text. Refusals (the image is untouched):
// kUnknownKey, kReadOnly, kNotInList (a List value that is no entry; entries
// match without regard to case), kBadValue (a text the setting cannot hold:
// a DTMF code with other characters than 0-9 A-D # * or too long, a serial
// number over 16 printable characters, a bound that is no number,
// a flag that is not true/false). write_time, leave_factory_time and
// password are read-only.
Status SetSetting(TALL& all, const std::string& key, const std::string& value);

}  // namespace kx7q
