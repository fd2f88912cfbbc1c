// Start-up without a window: the global objects, settings and texts from the
// executable's folder, and the handshake Challenge.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cctype>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <locale>

#include "app/Startup.h"
#include "core/DataFile.h"
#include "core/Numbers.h"
#include "support/TempDir.h"

namespace kx7q {
namespace {

TEST(AppStartup, FindsItsFilesBesideTheExecutable) {
  test::TempDir dir;
  dir.PutText("SysInfo.Ini", "[SysInfo]\nCom=COM2\nLanguage=English|Deutsch\nDefaultLanguage=1\n");
  dir.PutText("Deutsch.Ini", "[Language]\nReadOk=Lesen beendet.\n");
  Maindb db;
  DataModuleCreate(db, {dir.File("kx7q"), "", "machine-a"});
  EXPECT_EQ(db.All.AppDir, dir.path() + "/");
  EXPECT_EQ(db.SettingsPath, dir.File("SysInfo.Ini"));
  EXPECT_EQ(db.All.PortName, "COM2");
  EXPECT_EQ(db.All.LanguageName, "Deutsch");
  EXPECT_EQ(db.Language.Text("ReadOk"), "Lesen beendet.");
  EXPECT_EQ(db.All.CurrentChannel, 1);
  EXPECT_FALSE(db.All.VoxInhibitVisible);
  EXPECT_EQ(db.All.ModelBaseName, "ROZ-KX-7Q");
  EXPECT_EQ(db.MacList.Count(), 2);
  EXPECT_EQ(db.FrqList.Count(), 4);
  // The image stays all zero until the main window's first show.
  for (auto b : db.All.Image) ASSERT_EQ(b, 0);
}

TEST(AppStartup, WithoutSettingsFileUsesDefaults) {
  test::TempDir dir;
  Maindb db;
  DataModuleCreate(db, {dir.File("kx7q"), "", "machine-a"});
  EXPECT_EQ(db.All.PortName, "Com1");
  EXPECT_EQ(db.All.LanguageName, "Chinese");
  EXPECT_EQ(db.Language.Text("ReadOk"), "Reading Completed.");
}

TEST(AppStartup, ChallengeIsFifteenPrintableCharactersFixedPerMachine) {
  const std::string a = MakeChallenge("QMV4", "machine-a");
  EXPECT_EQ(a.size(), 15u);
  for (char c : a) EXPECT_TRUE(std::isprint(static_cast<unsigned char>(c)));
  EXPECT_EQ(a, MakeChallenge("QMV4", "machine-a"));
  EXPECT_NE(a, MakeChallenge("QMV4", "machine-b"));
  EXPECT_FALSE(ReadMachineIdentity().empty());
}

// Switches the process to a locale whose decimal separator is a comma,
// compiling one into dir when the system has none installed. False when
// neither works (no locale sources on this system).
bool UseACommaLocale(const test::TempDir& dir) {
  if (std::setlocale(LC_ALL, "de_DE.UTF-8")) return true;
  const std::string command =
      "localedef -i de_DE -f UTF-8 '" + dir.File("de_DE.utf8") + "' >/dev/null 2>&1";
  const int status = std::system(command.c_str());
  if (status == -1 || !WIFEXITED(status) || WEXITSTATUS(status) > 1) return false;  // 1: warnings only
  ::setenv("LOCPATH", dir.path().c_str(), 1);
  return std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
}

TEST(AppStartup, NumbersUseAFullStopWhateverTheLocale) {
  test::TempDir dir;
  if (!UseACommaLocale(dir)) GTEST_SKIP() << "no locale with a decimal comma available";
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
  ASSERT_STREQ(buffer, "1,5");  // the locale is in force

  Maindb db;
  DataModuleCreate(db, {dir.File("kx7q"), "", "m"});
  std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
  EXPECT_STREQ(buffer, "1.5");
  EXPECT_EQ(FormatFixed(134.0, 5), "134.00000");
  std::setlocale(LC_ALL, "C");
  std::locale::global(std::locale::classic());
  ::unsetenv("LOCPATH");
}

}  // namespace
}  // namespace kx7q
