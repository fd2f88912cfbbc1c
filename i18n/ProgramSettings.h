#pragma once
// SysInfo.Ini, section [SysInfo]: port, current language, language list,
// help file base name and the picture number.

#include <string>
#include <string_view>
#include <vector>

#include "core/CodePlug.h"

namespace kx7q {

class IniFile;

constexpr const char* kSettingsFileName = "SysInfo.Ini";
constexpr const char* kSettingsSection = "SysInfo";

// "a|b|c" -> {a, b, c}; "" -> {}; "a||b" -> {a, "", b}.
std::vector<std::string> SplitList(std::string_view text);

// Reads Com, DefaultLanguage, Help, PicID and Language into PortName,
// LanguageIndex, HelpName, PicId and LanguageName (defaults for what is missing).
void ReadSettings(TALL& all, const IniFile& file);
// Writes Com, DefaultLanguage and PicID; other keys stay as they were.
void WriteSettings(const TALL& all, IniFile& file);

// The language list (file base names) and the display names for the current language.
std::vector<std::string> LanguageList(const IniFile& file);
std::vector<std::string> LanguageDisplayNames(const IniFile& file, const std::string& languageName);

}  // namespace kx7q
