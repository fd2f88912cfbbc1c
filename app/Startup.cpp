#include "app/Startup.h"

#include <unistd.h>

#include <clocale>
#include <cstdint>
#include <fstream>
#include <locale>

#include "core/Numbers.h"
#include "i18n/IniFile.h"
#include "i18n/ProgramSettings.h"

namespace kx7q {

Maindb& Db() {
  static Maindb db;
  return db;
}

std::string DirectoryOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return "./";
  return path.substr(0, slash + 1);
}

std::string ReadMachineIdentity() {
  for (const char* file : {"/etc/machine-id", "/var/lib/dbus/machine-id"}) {
    std::ifstream in(file);
    std::string id;
    if (in && std::getline(in, id) && !Trim(id).empty()) return Trim(id);
  }
  char host[256] = {};
  if (::gethostname(host, sizeof host - 1) == 0 && host[0]) return host;
  return "kx7q";
}

std::string MakeChallenge(const std::string& familyCode, const std::string& machineIdentity) {
  // FNV-1a over family code and identity, stretched to 15 letters and digits.
  static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  std::uint64_t hash = 0xcbf29ce484222325ull;
  auto mix = [&hash](unsigned char c) {
    hash ^= c;
    hash *= 0x100000001b3ull;
  };
  for (unsigned char c : familyCode) mix(c);
  mix('/');
  for (unsigned char c : machineIdentity) mix(c);
  std::string challenge;
  for (int i = 0; i < 15; ++i) {
    mix(static_cast<unsigned char>(i));
    challenge += kAlphabet[(hash >> 17) % (sizeof kAlphabet - 1)];
  }
  return challenge;
}

void DataModuleCreate(Maindb& db, const StartupOptions& options) {
  // 1. Numbers are formatted and parsed with "." whatever the locale. The
  // logic never uses the C locale for numbers (to_chars/from_chars), and this
  // keeps any printf-style formatting in line too.
  std::setlocale(LC_NUMERIC, "C");
  std::locale::global(std::locale(std::locale(), std::locale::classic(), std::locale::numeric));

  // 2. The report tables are created empty by the printing layer.
  // 3. The global objects exist in db, created in their declaration order.
  TALL& all = db.All;

  // 4.
  all.AppDir = DirectoryOf(options.executablePath);
  // 5.
  all.TestOnlineVisible = false;
  all.SetNewPassword = false;
  all.CurrentChannel = 1;
  all.VoxInhibitVisible = true;
  // 6, 7.
  FillBandList(db.FrqList);
  FillRegistry(db.MacList, all);
  // 8.
  db.SettingsPath = options.settingsPath.empty() ? all.AppDir + kSettingsFileName : options.settingsPath;
  IniFile settings;
  settings.Load(db.SettingsPath);
  ReadSettings(all, settings);
  // 9.
  LoadMessageTexts(db.Language, all.AppDir, all.LanguageName);
  // 10.
  all.Challenge = MakeChallenge(all.FamilyCode,
                                options.machineIdentity.empty() ? ReadMachineIdentity() : options.machineIdentity);
}

}  // namespace kx7q
