#include "i18n/Language.h"

#include <cassert>

#include "i18n/IniFile.h"

namespace kx7q {

const std::vector<MessageDefault>& MessageDefaults() {
  static const std::vector<MessageDefault> defaults = {
      {"Confirmation", "Confirmation"},
      {"ExitProgram", "Do you wish to exit program?"},
      {"SaveProgram", "Do you wish to save the changes?"},
      {"Channel", "Channel"},
      {"Info", " Information"},
      {"OutRange", "Frequecy is Out of range."},
      {"Caution", "Caution"},
      {"ErrRange", "The frequecy number come amiss!"},
      {"ComError", "Please check all connections and communication port settings."},
      {"ModError", "Model Type Wrong."},
      {"ClearData", "Do you wish to Clear Data?"},
      {"ReadOk", "Reading Completed."},
      {"WriteOk", "Writing Completed."},
      {"PortError", "Cannot Open Communication Port."},
      // Read with the others, shown by no window.
      {"FChBigT", "Start Channel must less than End Channel!"},
      {"Close", "Closed"},
      {"Open", "Opened"},
      {"PwdError", "Pass Word Wrong."},
      {"Modforce", "Do you wish to Force write data?"},
      {"All", "All"},
      {"ModelType", "Model Type"},
      {"Frequency", "Frequency"},
      // File errors: a data file or the settings file that cannot be used.
      {"FileError", "The file cannot be read or written."},
      {"FileTooShort", "The file is too short to be a data file."},
      {"BandDigits", "The band limits in the file are not valid."},
      // Printing: the printer or the print-to-file target refused the report.
      {"PrintError", "The report could not be printed."},
  };
  return defaults;
}

TLanguage::TLanguage() {
  for (const auto& d : MessageDefaults()) texts_.emplace(d.key, d.english);
}

const std::string& TLanguage::Text(std::string_view key) const {
  const auto it = texts_.find(key);
  assert(it != texts_.end() && "unknown message key");
  static const std::string none;
  return it != texts_.end() ? it->second : none;
}

void TLanguage::Set(std::string_view key, std::string text) {
  const auto it = texts_.find(key);
  assert(it != texts_.end() && "unknown message key");
  if (it != texts_.end()) it->second = std::move(text);
}

void TLanguage::Load(const IniFile& file) {
  for (const auto& d : MessageDefaults()) {
    texts_[d.key] = file.Read("Language", d.key, d.english);
  }
}

std::string LanguageFilePath(const std::string& appDir, const std::string& languageName) {
  return appDir + languageName + ".Ini";
}

void LoadMessageTexts(TLanguage& language, const std::string& appDir, const std::string& languageName) {
  IniFile file;
  if (!languageName.empty()) file.Load(LanguageFilePath(appDir, languageName));
  language.Load(file);
}

}  // namespace kx7q
