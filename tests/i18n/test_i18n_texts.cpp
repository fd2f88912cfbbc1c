// Message texts and the program settings file.
#include <gtest/gtest.h>

#include "i18n/IniFile.h"
#include "i18n/Language.h"
#include "i18n/ProgramSettings.h"
#include "support/TempDir.h"

namespace kx7q {
namespace {

TEST(I18nTexts, EveryMessageHasItsEnglishDefault) {
  const TLanguage texts;
  EXPECT_EQ(texts.Text("ReadOk"), "Reading Completed.");
  EXPECT_EQ(texts.Text("Confirmation"), "Confirmation");
  EXPECT_EQ(texts.Text("Info"), " Information");
  EXPECT_EQ(texts.Text("OutRange"), "Frequecy is Out of range.");
  EXPECT_EQ(texts.Text("ErrRange"), "The frequecy number come amiss!");
  EXPECT_EQ(texts.Text("PortError"), "Cannot Open Communication Port.");
  EXPECT_EQ(texts.Text("FChBigT"), "Start Channel must less than End Channel!");
  EXPECT_EQ(texts.Text("Frequency"), "Frequency");
  for (const auto& d : MessageDefaults()) EXPECT_EQ(texts.Text(d.key), d.english);
}

TEST(I18nTexts, LanguageFileReplacesOnlyTheKeysItHas) {
  test::TempDir dir;
  dir.PutText("Test.Ini", "[language]\nreadok=Fertig.\n[fOptFun]\nWriteOk=not a message\n");
  TLanguage texts;
  LoadMessageTexts(texts, dir.path() + "/", "Test");
  EXPECT_EQ(texts.Text("ReadOk"), "Fertig.");
  EXPECT_EQ(texts.Text("WriteOk"), "Writing Completed.");
  // Loading another language brings back the defaults it lacks.
  LoadMessageTexts(texts, dir.path() + "/", "Missing");
  EXPECT_EQ(texts.Text("ReadOk"), "Reading Completed.");
  LoadMessageTexts(texts, dir.path() + "/", "");
  EXPECT_EQ(texts.Text("ReadOk"), "Reading Completed.");
}

TEST(I18nSettings, SplitList) {
  using V = std::vector<std::string>;
  EXPECT_EQ(SplitList(""), V{});
  EXPECT_EQ(SplitList("English"), V{"English"});
  EXPECT_EQ(SplitList("Chinese|English"), (V{"Chinese", "English"}));
  EXPECT_EQ(SplitList("a||b"), (V{"a", "", "b"}));
  EXPECT_EQ(SplitList("a|"), (V{"a", ""}));
}

TEST(I18nSettings, DefaultsWithoutAFile) {
  TALL all;
  ReadSettings(all, IniFile());
  EXPECT_EQ(all.PortName, "Com1");
  EXPECT_EQ(all.LanguageIndex, 0);
  EXPECT_EQ(all.LanguageName, "Chinese");
  EXPECT_EQ(all.HelpName, "BJ");
  EXPECT_EQ(all.PicId, 1);
  EXPECT_EQ(LanguageDisplayNames(IniFile(), "Chinese"),
            (std::vector<std::string>{"\xD6\xD0\xCE\xC4", "\xD3\xA2\xCE\xC4"}));
}

TEST(I18nSettings, CurrentLanguageFollowsTheIndex) {
  struct Case {
    const char* index;
    int wantIndex;
    const char* wantName;
  };
  const Case cases[] = {{"1", 1, "Chinese"}, {"0", 0, "English"}, {"5", 5, ""}, {"-1", -1, ""}, {"x", 0, "English"}};
  for (const auto& c : cases) {
    IniFile ini;
    ini.Write("SysInfo", "Language", "English|Chinese");
    ini.Write("SysInfo", "DefaultLanguage", c.index);
    ini.Write("SysInfo", "PicID", "oops");
    TALL all;
    ReadSettings(all, ini);
    EXPECT_EQ(all.LanguageIndex, c.wantIndex) << c.index;
    EXPECT_EQ(all.LanguageName, c.wantName) << c.index;
    EXPECT_EQ(all.PicId, 1);
  }
}

TEST(I18nSettings, WriteBackKeepsOtherKeys) {
  IniFile ini = IniFile::FromText("[SysInfo]\nCom=Com1\nHelp=XY\nLanguage=English|Chinese\n[Ports]\nCOM7=/dev/pts/3\n");
  TALL all;
  ReadSettings(all, ini);
  all.PortName = "COM3";
  all.LanguageIndex = 1;
  WriteSettings(all, ini);
  EXPECT_EQ(ini.Text(),
            "[SysInfo]\nCom=COM3\nHelp=XY\nLanguage=English|Chinese\nDefaultLanguage=1\nPicID=0\n[Ports]\nCOM7=/dev/pts/3\n");
}

}  // namespace
}  // namespace kx7q
