#include "i18n/ProgramSettings.h"

#include <cstdint>

#include "core/Numbers.h"
#include "i18n/IniFile.h"

namespace kx7q {
namespace {

// The display names of the two built-in languages, in Chinese (GBK).
constexpr const char* kDefaultDisplayNames = "\xD6\xD0\xCE\xC4|\xD3\xA2\xCE\xC4";  // 中文|英文
constexpr const char* kDefaultLanguages = "Chinese|English";

int IntegerOr(const std::string& text, int fallback) {
  const auto value = ParseInteger(text);
  if (!value || *value < INT32_MIN || *value > INT32_MAX) return fallback;
  return static_cast<int>(*value);
}

}  // namespace

std::vector<std::string> SplitList(std::string_view text) {
  std::vector<std::string> items;
  if (text.empty()) return items;
  while (true) {
    const auto bar = text.find('|');
    if (bar == std::string_view::npos) {
      items.emplace_back(text);
      return items;
    }
    items.emplace_back(text.substr(0, bar));
    text.remove_prefix(bar + 1);
  }
}

std::vector<std::string> LanguageList(const IniFile& file) {
  return SplitList(file.Read(kSettingsSection, "Language", kDefaultLanguages));
}

std::vector<std::string> LanguageDisplayNames(const IniFile& file, const std::string& languageName) {
  return SplitList(file.Read(kSettingsSection, languageName, kDefaultDisplayNames));
}

void ReadSettings(TALL& all, const IniFile& file) {
  all.PortName = file.Read(kSettingsSection, "Com", "Com1");
  all.LanguageIndex = IntegerOr(file.Read(kSettingsSection, "DefaultLanguage", "0"), 0);
  all.HelpName = file.Read(kSettingsSection, "Help", "BJ");
  all.PicId = IntegerOr(file.Read(kSettingsSection, "PicID", "0"), 0) + 1;
  const auto languages = LanguageList(file);
  all.LanguageName.clear();
  if (all.LanguageIndex >= 0 && static_cast<std::size_t>(all.LanguageIndex) < languages.size())
    all.LanguageName = languages[static_cast<std::size_t>(all.LanguageIndex)];
}

void WriteSettings(const TALL& all, IniFile& file) {
  file.Write(kSettingsSection, "Com", all.PortName);
  file.Write(kSettingsSection, "DefaultLanguage", std::to_string(all.LanguageIndex));
  file.Write(kSettingsSection, "PicID", std::to_string(all.PicId - 1));
}

}  // namespace kx7q
