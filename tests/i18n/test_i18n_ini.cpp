// The INI reader and writer behind SysInfo.Ini and the language files.
#include <gtest/gtest.h>

#include "i18n/IniFile.h"
#include "support/TempDir.h"

namespace kx7q {
namespace {

const char* kSample =
    "; settings\r\n"
    "[SysInfo]\r\n"
    "Com = COM3 \r\n"
    "Language=\"English|Chinese\"\r\n"
    "Empty=\r\n"
    "[fOptFun]\r\n"
    "L1.Caption=\xC6\xB5\xB5\xC0\r\n"  // GBK bytes stay as they are
    ";L2.Caption=commented\r\n";

TEST(I18nIni, LookupsIgnoreCaseTrimAndUnquote) {
  const IniFile ini = IniFile::FromText(kSample);
  EXPECT_EQ(ini.Value("sysinfo", "COM"), "COM3");
  EXPECT_EQ(ini.Value("SYSINFO", "language"), "English|Chinese");
  EXPECT_EQ(ini.Value("SysInfo", "Empty"), "");
  EXPECT_EQ(ini.Value("foptfun", "l1.caption"), "\xC6\xB5\xB5\xC0");
  EXPECT_EQ(ini.Value("fOptFun", "L2.Caption"), std::nullopt);
  EXPECT_EQ(ini.Value("fOptFun", "Com"), std::nullopt);  // keys belong to their section
  EXPECT_EQ(ini.Read("Missing", "Key", "default"), "default");
  EXPECT_TRUE(ini.HasSection("FOPTFUN"));
  EXPECT_EQ(ini.Keys("SysInfo"), (std::vector<std::string>{"Com", "Language", "Empty"}));
}

TEST(I18nIni, WritingChangesOnlyItsOwnLine) {
  IniFile ini = IniFile::FromText(kSample);
  ini.Write("SYSINFO", "com", "COM7");
  ini.Write("SysInfo", "PicID", "0");
  ini.Write("New", "Key", "v");
  const std::string text = ini.Text();
  EXPECT_EQ(text,
            "; settings\r\n"
            "[SysInfo]\r\n"
            "Com=COM7\r\n"
            "Language=\"English|Chinese\"\r\n"
            "Empty=\r\n"
            "PicID=0\r\n"
            "[fOptFun]\r\n"
            "L1.Caption=\xC6\xB5\xB5\xC0\r\n"
            ";L2.Caption=commented\r\n"
            "\r\n"
            "[New]\r\n"
            "Key=v\r\n");
  EXPECT_EQ(IniFile::FromText(text).Value("new", "key"), "v");
}

TEST(I18nIni, WritingIntoAnEmptyFileCreatesTheSection) {
  IniFile ini;
  ini.Write("SysInfo", "Com", "COM1");
  ini.Write("SysInfo", "DefaultLanguage", "0");
  EXPECT_EQ(ini.Text(), "[SysInfo]\nCom=COM1\nDefaultLanguage=0\n");
}

TEST(I18nIni, LoadAndSave) {
  test::TempDir dir;
  IniFile ini;
  EXPECT_FALSE(ini.Load(dir.File("missing.ini")));
  EXPECT_EQ(ini.Value("a", "b"), std::nullopt);
  dir.PutText("x.ini", "\xEF\xBB\xBF[A]\nk=1\n");
  ASSERT_TRUE(ini.Load(dir.File("x.ini")));
  EXPECT_EQ(ini.Value("a", "k"), "1");
  ini.Write("A", "k", "2");
  ASSERT_TRUE(ini.Save(dir.File("x.ini")).ok());
  EXPECT_EQ(dir.Text("x.ini"), "[A]\nk=2\n");
  EXPECT_EQ(ini.Save(dir.File("no/folder.ini")).key, "FileError");
}

}  // namespace
}  // namespace kx7q
