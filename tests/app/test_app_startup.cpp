// Start-up without a window: the global objects, settings and texts from the
// executable's folder, and the handshake Challenge.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdio>

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

TEST(AppStartup, NumbersUseAFullStopAfterStartUp) {
  test::TempDir dir;
  Maindb db;
  DataModuleCreate(db, {dir.File("kx7q"), "", "m"});
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
  EXPECT_STREQ(buffer, "1.5");
  EXPECT_EQ(FormatFixed(134.0, 5), "134.00000");
}

}  // namespace
}  // namespace kx7q
