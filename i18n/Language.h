#pragma once
// The message texts: one text per key of a language file's section
// [Language], each with its built-in English default.

#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kx7q {

class IniFile;

struct MessageDefault {
  const char* key;
  const char* english;
};

// Every message key with its English default, in loading order.
const std::vector<MessageDefault>& MessageDefaults();

class TLanguage {
 public:
  TLanguage();  // English defaults
  // The text of a key (raw 8-bit text of the language file). An unknown key is
  // a programming error.
  const std::string& Text(std::string_view key) const;
  void Set(std::string_view key, std::string text);

  // Fills every text from section [Language] of the file, or its English default.
  void Load(const IniFile& file);

 private:
  std::map<std::string, std::string, std::less<>> texts_;
};

// AppDir + languageName + ".Ini"
std::string LanguageFilePath(const std::string& appDir, const std::string& languageName);

// Loads the message texts of a language from its file beside the executable;
// a missing file gives the English defaults.
void LoadMessageTexts(TLanguage& language, const std::string& appDir, const std::string& languageName);

}  // namespace kx7q
