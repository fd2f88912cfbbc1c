// Switching the language with the shipped files, the language dialog, the
// about box and help.
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "i18n/IniFile.h"
#include "i18n/Language.h"
#include "i18n/qt/TfFrmAbout.h"
#include "i18n/qt/TfSetLanguage.h"
#include "support/qt/MainFrameFixture.h"

namespace kx7q::test {
namespace {

std::string Shipped(const char* name) {
  QFile file(QString(KX7Q_BIN_DIR) + "/" + name);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
  return file.readAll().toStdString();
}

class UiLanguage : public MainFrameFixture {
 protected:
  // The program folder as shipped: both language files and the default settings.
  void StartShipped() {
    StartProgram({{"English.Ini", Shipped("English.Ini")},
                  {"Chinese.Ini", Shipped("Chinese.Ini")},
                  {"SysInfo.Ini", Shipped("SysInfo.Ini")}});
  }
  void Choose(int index) {
    dialogAnswers["fSetLanguage"] = [index](QDialog& d) {
      auto& dialog = static_cast<TfSetLanguage&>(d);
      dialog.cbLanguage->setCurrentIndex(index);
      dialog.btnOk->click();
    };
    frame->ExecuteCommand(32);
  }
  QString MenuTitle(int i) const { return frame->menuBar()->actions().at(i)->text(); }
  QString Text(const char* key) const { return DecodeText(db.Language.Text(key)); }
};

TEST_F(UiLanguage, ANewUserStartsInEnglishAndCanSwitchToChinese) {
  StartShipped();
  EXPECT_EQ(db.All.LanguageName, "English");
  EXPECT_EQ(MenuTitle(0), "&File");
  EXPECT_EQ(Text("ReadOk"), "Reading Completed.");

  Choose(1);
  EXPECT_EQ(db.All.LanguageName, "Chinese");
  EXPECT_EQ(db.All.LanguageIndex, 1);
  EXPECT_EQ(MenuTitle(0), QString::fromUtf8("文件(&F)"));
  EXPECT_EQ(frame->MenuAction(20)->text(), QString::fromUtf8("读取对讲机(&R)"));
  EXPECT_EQ(Text("ExitProgram"), QString::fromUtf8("您确定要退出程序吗？"));
  EXPECT_EQ(frame->Tree()->topLevelItem(0)->child(0)->text(0), QString::fromUtf8("对讲机信息"));
  EXPECT_EQ(frame->ChannelNode(2)->text(0), QString::fromUtf8("序号 -  2"));
  EXPECT_EQ(frame->StatusPanel(3), QString::fromUtf8("端口: COM1"));
  EXPECT_EQ(OpenTags(), (std::vector<int>{10}));

  // And back: index 0 reads English.Ini again.
  Choose(0);
  EXPECT_EQ(MenuTitle(0), "&File");
  EXPECT_EQ(Text("ExitProgram"), "Do you wish to exit program?");
  EXPECT_EQ(frame->StatusPanel(3), "Port: COM1");
}

TEST_F(UiLanguage, StartingInTheSecondLanguageLocalisesTheFirstShow) {
  std::string settings = Shipped("SysInfo.Ini");
  settings.replace(settings.find("DefaultLanguage=0"), 17, "DefaultLanguage=1");
  StartProgram({{"English.Ini", Shipped("English.Ini")},
                {"Chinese.Ini", Shipped("Chinese.Ini")},
                {"SysInfo.Ini", settings}});
  EXPECT_EQ(db.All.LanguageName, "Chinese");
  EXPECT_EQ(MenuTitle(0), QString::fromUtf8("文件(&F)"));
  EXPECT_EQ(frame->Tree()->topLevelItem(0)->child(1)->text(0), QString::fromUtf8("信道信息"));
  EXPECT_EQ(frame->windowTitle(), "ROZ-KX-7Q");  // the caption is the model's, in any language
}

TEST_F(UiLanguage, ShippedFilesHoldEveryMessage) {
  StartShipped();
  for (const char* language : {"English.Ini", "Chinese.Ini"}) {
    const IniFile file = IniFile::FromText(Shipped(language));
    for (const auto& message : MessageDefaults())
      EXPECT_TRUE(file.Value("Language", message.key).has_value()) << language << " " << message.key;
  }
  const IniFile english = IniFile::FromText(Shipped("English.Ini"));
  for (const auto& message : MessageDefaults())
    EXPECT_EQ(english.Value("Language", message.key).value_or("(missing)"), message.english) << message.key;
}

TEST_F(UiLanguage, ShippedChineseFileHasEveryWindowTextOfTheEnglishOne) {
  // A text added to a window's English section but not to the Chinese one
  // would stay English after the switch.
  const std::string englishText = Shipped("English.Ini");
  const IniFile english = IniFile::FromText(englishText);
  const IniFile chinese = IniFile::FromText(Shipped("Chinese.Ini"));
  std::vector<std::string> sections;
  for (const QString& line : QString::fromStdString(englishText).split('\n'))
    if (line.startsWith('[')) sections.push_back(line.mid(1, line.indexOf(']') - 1).toStdString());
  ASSERT_GT(sections.size(), 10u);
  for (const auto& section : sections)
    for (const auto& key : english.Keys(section))
      EXPECT_TRUE(chinese.Value(section, key).has_value()) << "[" << section << "] " << key;
}

TEST_F(UiLanguage, ALanguageSwitchKeepsUnsavedChanges) {
  StartShipped();
  db.All.Modified = true;
  Choose(1);
  EXPECT_TRUE(db.All.Modified);
  boxes.Answer(true);   // exit
  boxes.Answer(false);  // do not save
  frame->show();
  EXPECT_TRUE(frame->close());
  EXPECT_EQ(boxes.Texts(), (QStringList{QString::fromUtf8("您确定要退出程序吗？"), QString::fromUtf8("您要保存修改吗？")}));
  EXPECT_EQ(boxes.Boxes()[0].title, QString::fromUtf8("确认"));
}

TEST_F(UiLanguage, ChoosingTheCurrentLanguageOrCancellingIsNoChange) {
  StartShipped();
  Choose(0);
  dialogAnswers["fSetLanguage"] = [](QDialog& d) {
    static_cast<TfSetLanguage&>(d).cbLanguage->setCurrentIndex(1);
    static_cast<TfSetLanguage&>(d).btnCancel->click();
  };
  frame->ExecuteCommand(32);
  EXPECT_EQ(db.All.LanguageName, "English");
  EXPECT_EQ(MenuTitle(0), "&File");
  EXPECT_EQ(dialogs.size(), 2);
}

TEST_F(UiLanguage, DialogListsFileNamesAndDisplayNamesFromTheSettings) {
  StartProgram({{"SysInfo.Ini",
                 "[SysInfo]\nDefaultLanguage=1\nLanguage=English|Klingon|Extra\n"
                 "Klingon=Terran|tlhIngan|Longer|List\n"},
                {"Klingon.Ini", "[fSetLanguage]\ncbLanguage.0=renamed\nLanguage.2=Other\nlbName.Caption=Hol\n"}});
  TfSetLanguage dialog(db);
  ASSERT_EQ(dialog.cbLanguage->count(), 4);
  EXPECT_EQ(dialog.cbLanguage->itemText(0), "Terran");  // item mode off: kept
  EXPECT_EQ(dialog.Language->item(2)->text(), "Other");  // a list box is translated anyway
  EXPECT_EQ(dialog.lbName->text(), "Hol");
  EXPECT_EQ(dialog.cbLanguage->currentIndex(), 1);

  // A display name with no file name at its position chooses nothing.
  dialog.cbLanguage->setCurrentIndex(3);
  dialog.btnOk->click();
  EXPECT_FALSE(dialog.Changed());
  EXPECT_EQ(db.All.LanguageName, "Klingon");

  TfSetLanguage renamed(db);
  renamed.cbLanguage->setCurrentIndex(2);
  renamed.btnOk->click();
  EXPECT_TRUE(renamed.Changed());
  EXPECT_EQ(db.All.LanguageName, "Other");
  EXPECT_EQ(db.All.LanguageIndex, 2);
}

TEST_F(UiLanguage, AboutBoxTakesItsTextsFromTheLanguageFile) {
  StartProgram();
  {
    TfFrmAbout about(db);
    EXPECT_EQ(about.Label1->text(), "1");
    EXPECT_EQ(about.Label9->text(), "6");
    EXPECT_EQ(about.Memo1->toPlainText(), "7\n8\n\n9");
    EXPECT_EQ(about.windowTitle(), "ROZ-KX-7Q");
  }
  // Read whatever LanguageIndex is, and its caption is always the model's.
  dir.PutText("Chinese.Ini", "[fFrmAbout]\nfFrmAbout.Caption=ignored\nLabel1.Caption=kx7q\nLabel6.Caption=eight\n");
  TfFrmAbout about(db);
  EXPECT_EQ(db.All.LanguageIndex, 0);
  EXPECT_EQ(about.Label1->text(), "kx7q");
  EXPECT_EQ(about.Memo1->toPlainText(), "7\neight\n\n9");
  EXPECT_EQ(about.windowTitle(), "ROZ-KX-7Q");
  frame->ExecuteCommand(61);
  EXPECT_EQ(dialogs, (QStringList{"fFrmAbout"}));
}

TEST_F(UiLanguage, HelpOpensTheHelpFileElseTheManualElseNothing) {
  StartProgram({{"SysInfo.Ini", "[SysInfo]\nLanguage=English\n"}});
  frame->ExecuteCommand(60);
  EXPECT_TRUE(helpOpened.isEmpty());
  EXPECT_TRUE(boxes.Boxes().empty());

  dir.PutText("Manual_English.html", "<html></html>");
  frame->ExecuteCommand(60);
  dir.PutText("BJ_English.chm", "chm");
  frame->ToolbarAction(60)->trigger();
  EXPECT_EQ(helpOpened, (QStringList{QString::fromStdString(dir.File("Manual_English.html")),
                                     QString::fromStdString(dir.File("BJ_English.chm"))}));

  // A compiled help file the desktop has no viewer for: the manual instead.
  helpOpened.clear();
  noViewerFor << QString::fromStdString(dir.File("BJ_English.chm"));
  frame->ExecuteCommand(60);
  EXPECT_EQ(helpOpened, (QStringList{QString::fromStdString(dir.File("BJ_English.chm")),
                                     QString::fromStdString(dir.File("Manual_English.html"))}));
  EXPECT_TRUE(boxes.Boxes().empty());
}

}  // namespace
}  // namespace kx7q::test
