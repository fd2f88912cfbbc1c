#pragma once
// The program's global objects and the start-up steps that need no window.

#include <string>

#include "channels/Channel.h"
#include "core/CodePlug.h"
#include "core/Registry.h"
#include "i18n/Language.h"

namespace kx7q {

struct Maindb {
  TMacList MacList;
  TALL All;
  TChannel Channel;
  TFrqList FrqList;
  TLanguage Language;
  // Where SysInfo.Ini is read from and written back to (AppDir, or the user's
  // configuration folder when AppDir cannot be written).
  std::string SettingsPath;
};

// The one instance of the running program.
Maindb& Db();

struct StartupOptions {
  std::string executablePath;   // the program's own path; AppDir is its folder
  std::string settingsPath;     // empty: AppDir + "SysInfo.Ini"
  std::string machineIdentity;  // empty: read /etc/machine-id (or the host name)
};

// Start-up steps 1-10 on db: numbers with ".", registry and bands, settings,
// message texts, Challenge. Shows nothing.
void DataModuleCreate(Maindb& db, const StartupOptions& options);

// 15 printable characters derived from the family code and the computer's identity.
std::string MakeChallenge(const std::string& familyCode, const std::string& machineIdentity);
std::string ReadMachineIdentity();

// The folder of a file path, with trailing '/'.
std::string DirectoryOf(const std::string& path);

}  // namespace kx7q
