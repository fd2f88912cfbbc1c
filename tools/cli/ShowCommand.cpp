// kx7q-cli show: a data file as the windows show it, as text or as JSON.

#include <algorithm>
#include <fstream>
#include <iomanip>
#include <iostream>
#include <sstream>

#include "app/Startup.h"
#include "channels/ChannelColumns.h"
#include "channels/ToneTables.h"
#include "core/DataFile.h"
#include "settings/SettingsByKey.h"
#include "tools/cli/CliSupport.h"
#include "tools/cli/Commands.h"
#include "tools/cli/Json.h"

namespace kx7q::cli {

const char* const kShowHelp =
    "Usage: kx7q-cli show [--json] FILE.dat\n"
    "\n"
    "Prints the model, the band, the file header, every programmed channel and\n"
    "every setting with the texts the program's windows show.\n"
    "  --json   one JSON object for scripts: {\"model\", \"band\", \"channels\": [...],\n"
    "           \"settings\": {...}}; values are the shown texts, except \"number\"\n"
    "           (an integer), \"tx\" (null without a TX frequency) and\n"
    "           \"dtmf_side_tone\" (a boolean); a tone that is not set is \"\".\n";

namespace {

// Channel columns that are not the channel number.
bool IsField(const ChannelColumn& c) { return c.hasField; }

void PrintJson(std::ostream& out) {
  const TALL& all = Db().All;
  out << "{\"model\": " << JsonString(all.ModelName) << ", \"band\": " << JsonString(all.BandText)
      << ",\n \"channels\": [";
  bool first = true;
  TChannel ch;
  for (int n = 1; n <= all.ChannelCount; ++n) {
    if (!DecodeChannel(all, n, ch)) continue;
    out << (first ? "\n" : ",\n") << "  {\"number\": " << n;
    for (const ChannelColumn& c : ChannelColumns()) {
      if (!IsField(c)) continue;
      out << ", " << JsonString(c.key) << ": ";
      if (c.field == ChannelField::TxFreq && ch.TxFreq < 0)
        out << "null";
      else
        out << JsonString(ChannelCellText(ch, c));
    }
    out << "}";
    first = false;
  }
  out << (first ? "]" : "\n ]") << ",\n \"settings\": {";
  first = true;
  for (const SettingKey& s : SettingKeys()) {
    out << (first ? "\n" : ",\n") << "  " << JsonString(s.key) << ": ";
    out << (s.kind == SettingKind::Flag ? s.text(all) : JsonString(s.text(all)));
    first = false;
  }
  out << "\n }}\n";
}

std::string Padded(std::string text, std::size_t width) {
  if (text.size() < width) text.resize(width, ' ');
  return text;
}

void PrintText(std::ostream& out, const std::string& path) {
  const TALL& all = Db().All;
  out << "File:  " << path << "\n";
  out << "Model: " << all.ModelName << "\n";
  out << "Band:  " << all.BandText << "\n";
  FileHeader header{};
  std::ifstream in(path, std::ios::binary);
  if (in.read(reinterpret_cast<char*>(header.data()), header.size())) {
    const DecodedHeader h = DecodeFileHeader(header);
    out << "Saved: " << h.saveTime << " (header model \"" << h.modelText << "\", band digits " << h.bandDigits
        << ")\n";
  }

  out << "\nChannel Information\n";
  std::vector<std::size_t> widths;
  for (const ChannelColumn& c : ChannelColumns()) widths.push_back(std::max<std::size_t>(std::string(c.title).size(), 6));
  std::ostringstream rows;
  int programmed = 0;
  TChannel ch;
  for (int n = 1; n <= all.ChannelCount; ++n) {
    if (!DecodeChannel(all, n, ch)) continue;
    ++programmed;
    for (std::size_t i = 0; i < ChannelColumns().size(); ++i) {
      const ChannelColumn& c = ChannelColumns()[i];
      std::string text = IsField(c) ? ChannelCellText(ch, c) : std::to_string(n);
      if ((c.field == ChannelField::RxTone || c.field == ChannelField::TxTone) && IsField(c) && text.empty())
        text = ToneBoxList().TextOf(0);  // "None", as the grid shows it
      rows << Padded(text, widths[i]) << (i + 1 < widths.size() ? "  " : "");
    }
    rows << "\n";
  }
  if (programmed == 0) {
    out << "  (no programmed channels)\n";
  } else {
    for (std::size_t i = 0; i < ChannelColumns().size(); ++i)
      out << Padded(ChannelColumns()[i].title, widths[i]) << (i + 1 < widths.size() ? "  " : "");
    out << "\n" << rows.str();
  }

  std::string window;
  for (const SettingKey& s : SettingKeys()) {
    if (s.windowCaption != window) {
      window = s.windowCaption;
      out << "\n" << window << "\n";
    }
    out << "  " << Padded(s.caption, 28) << Padded(s.key, 24) << "\"" << s.text(all) << "\"\n";
  }
}

}  // namespace

int RunShow(const Args& args) {
  bool json = false;
  std::string path;
  for (const std::string& a : args) {
    if (a == "--json")
      json = true;
    else if (!a.empty() && a[0] == '-')
      return UsageError("show", "unknown option '" + a + "'");
    else if (path.empty())
      path = a;
    else
      return UsageError("show", "more than one file");
  }
  if (path.empty()) return UsageError("show", "no data file given");
  Status loaded = LoadDataFile(path);
  if (!loaded) return Fail(loaded);
  // A data file keeps no password: opening one puts the file header's first
  // bytes (the model code) where the password lives, which is no password.
  std::fill(Db().All.Image.begin(), Db().All.Image.begin() + kRadioBase, std::uint8_t{0});
  if (json)
    PrintJson(std::cout);
  else
    PrintText(std::cout, path);
  return kExitOk;
}

}  // namespace kx7q::cli
