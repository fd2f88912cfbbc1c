// Where SysInfo.Ini is kept when the program's folder can or cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "support/TempDir.h"
#include "ui/qt/SettingsLocation.h"

namespace kx7q::test {
namespace {

TEST(UiSettingsLocation, BesideTheProgramWhenWritableElseInTheUserFolder) {
  TempDir dir;
  const QString app = QString::fromStdString(dir.File("app/"));
  const QString user = QString::fromStdString(dir.File("config/kx7q/"));
  dir.PutText("app/SysInfo.Ini", "");  // folder missing: nothing written
  QDir().mkpath(app);
  dir.PutText("app/SysInfo.Ini", "[SysInfo]\nLanguage=English|Chinese\n");

  EXPECT_TRUE(IsWritableFolder(app));
  EXPECT_EQ(ChooseSettingsPath(app, user, true), app + "SysInfo.Ini");
  EXPECT_FALSE(QFile::exists(user + "SysInfo.Ini"));

  // Not writable: the user's copy, seeded from the one beside the program ...
  EXPECT_EQ(ChooseSettingsPath(app, user, false), user + "SysInfo.Ini");
  QFile seeded(user + "SysInfo.Ini");
  ASSERT_TRUE(seeded.open(QIODevice::ReadOnly));
  EXPECT_EQ(seeded.readAll(), "[SysInfo]\nLanguage=English|Chinese\n");
  seeded.close();

  // ... and never overwritten once the user has one.
  dir.PutText("config/kx7q/SysInfo.Ini", "[SysInfo]\nCom=COM4\n");
  EXPECT_EQ(ChooseSettingsPath(app, user, false), user + "SysInfo.Ini");
  EXPECT_EQ(dir.Bytes("config/kx7q/SysInfo.Ini").size(), std::string("[SysInfo]\nCom=COM4\n").size());

  EXPECT_FALSE(IsWritableFolder(QString::fromStdString(dir.File("no-such-folder/"))));
}

}  // namespace
}  // namespace kx7q::test
