// Window localisation by object name and kind, the item-translation modes,
// the 8-bit text of language files, and the message boxes.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>

#include "i18n/IniFile.h"
#include "i18n/Language.h"
#include "i18n/qt/Localise.h"
#include "support/qt/MessageAnswers.h"

namespace kx7q {
namespace {

const char kGbkChinese[] = "\xD6\xD0\xCE\xC4";  // 中文

TEST(I18nTextCodec, DecodesEightBitAndUtf8Text) {
  struct Case {
    const char* bytes;
    const char* utf8;
  } cases[] = {
      {"Squelch level", "Squelch level"},
      {kGbkChinese, "中文"},
      {"\xD3\xA2\xCE\xC4|\xD6\xD0\xCE\xC4", "英文|中文"},
      {"\xE4\xB8\xAD\xE6\x96\x87", "中文"},  // the same word saved as UTF-8
      {"\xCA\xA1", "省"},                      // GBK that is also valid UTF-8 ("ʡ")
      {"\xCB\xB5\xCA\xA1", "说省"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeText(c.bytes), QString::fromUtf8(c.utf8)) << c.utf8;
  EXPECT_EQ(EncodeText(QString::fromUtf8("中文")), kGbkChinese);
}

// A window with one control of every kind the language files address.
class LocaliseFixture : public ::testing::Test {
 protected:
  LocaliseFixture() {
    window.setObjectName("fTest");
    window.setWindowTitle("Test Window");
    label = Make<QLabel>("L1", "Squelch level");
    button = Make<QPushButton>("btnClose", "&Close");
    check = Make<QCheckBox>("cbBusy", "Busy Lock");
    radio = Make<QRadioButton>("rbWide", "Wide");
    group = new QGroupBox("Scan", &window);
    group->setObjectName("gbScan");
    tabs = new QTabWidget(&window);
    auto* page = new QWidget;
    page->setObjectName("tsMain");
    tabs->addTab(page, "Main");
    action = new QAction("&Open", &window);
    action->setObjectName("nOpen");
    action->setToolTip("Open");
    all = Combo("cxAll", {"Off", "On"}, ItemMode::All);
    first = Combo("cxTot", {"Off", "15", "30", "45", "60", "75"}, ItemMode::FirstOnly);
    none = Combo("cbPd", {"400 - 520MHz", "320 - 400MHz"}, ItemMode::None);
    list = new QListWidget(&window);
    list->setObjectName("Language");
    list->addItems({"English", "Chinese"});
    grid = new QTableWidget(2, 3, &window);
    grid->setObjectName("gvData");
    grid->setHorizontalHeaderLabels({"No.", "RX", "TX"});
    SetItemMode(grid, ItemMode::All);
  }

  template <class T>
  T* Make(const char* name, const char* text) {
    auto* w = new T(QString::fromUtf8(text), &window);
    w->setObjectName(name);
    return w;
  }
  QComboBox* Combo(const char* name, const QStringList& items, ItemMode mode) {
    auto* box = new QComboBox(&window);
    box->setObjectName(name);
    box->addItems(items);
    SetItemMode(box, mode);
    return box;
  }

  QWidget window;
  QLabel* label;
  QPushButton* button;
  QCheckBox* check;
  QRadioButton* radio;
  QGroupBox* group;
  QTabWidget* tabs;
  QAction* action;
  QComboBox* all;
  QComboBox* first;
  QComboBox* none;
  QListWidget* list;
  QTableWidget* grid;
};

TEST_F(LocaliseFixture, ReplacesTextsOfEveryKindByName) {
  const IniFile file = IniFile::FromText(
      "[fTest]\n"
      "fTest.Caption=Testfenster\n"
      "L1.Caption=Rauschsperre\n"
      "btnClose.Caption=&Schliessen\n"
      "cbBusy.Caption=Besetzt\n"
      "rbWide.Caption=Breit\n"
      "gbScan.Caption=Suchlauf\n"
      "tsMain.Caption=Haupt\n"
      "nOpen.Caption=&Oeffnen\n"
      "nOpen.Hint=Datei oeffnen\n"
      "gvData.0=never\n"
      "gvData.2=Sender\n");
  LocaliseWindow(&window, file, true);
  EXPECT_EQ(window.windowTitle(), "Testfenster");
  EXPECT_EQ(label->text(), "Rauschsperre");
  EXPECT_EQ(button->text(), "&Schliessen");
  EXPECT_EQ(check->text(), "Besetzt");
  EXPECT_EQ(radio->text(), "Breit");
  EXPECT_EQ(group->title(), "Suchlauf");
  EXPECT_EQ(tabs->tabText(0), "Haupt");
  EXPECT_EQ(action->text(), "&Oeffnen");
  EXPECT_EQ(action->toolTip(), "Datei oeffnen");
  // Column 0 is the number column: it has no key.
  EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "No.");
  EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), "RX");
  EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), "Sender");
}

TEST_F(LocaliseFixture, MissingKeysAndOtherSectionsKeepTheTextsInForce) {
  const IniFile file = IniFile::FromText(
      "[fOther]\nL1.Caption=wrong window\n"
      "[fTest]\nbtnClose.Caption=\n");
  LocaliseWindow(&window, file, true);
  EXPECT_EQ(window.windowTitle(), "Test Window");
  EXPECT_EQ(label->text(), "Squelch level");
  EXPECT_EQ(button->text(), "");  // an empty value is a text like any other
}

TEST_F(LocaliseFixture, ListsFollowTheirItemModes) {
  first->setCurrentIndex(3);
  all->setCurrentIndex(1);
  const IniFile file = IniFile::FromText(
      "[fTest]\n"
      "cxAll.0=Aus\ncxAll.1=Ein\n"
      "cxTot.0=Aus\ncxTot.1=99\ncxTot.5=99\n"
      "cbPd.0=renamed band\n"
      "Language.1=Chinesisch\n");
  LocaliseWindow(&window, file, true);
  EXPECT_EQ(all->itemText(0), "Aus");
  EXPECT_EQ(all->itemText(1), "Ein");
  EXPECT_EQ(all->currentIndex(), 1);
  EXPECT_EQ(first->itemText(0), "Aus");
  EXPECT_EQ(first->itemText(1), "15");
  EXPECT_EQ(first->itemText(5), "75");
  EXPECT_EQ(first->currentIndex(), 3);
  EXPECT_EQ(none->itemText(0), "400 - 520MHz");
  EXPECT_EQ(list->item(1)->text(), "Chinesisch");
}

TEST_F(LocaliseFixture, ItemModeOffLeavesDropDownsButTranslatesListBoxes) {
  const IniFile file = IniFile::FromText("[fTest]\ncxAll.0=Aus\nLanguage.0=Englisch\nL1.Caption=Rauschsperre\n");
  LocaliseWindow(&window, file, false);
  EXPECT_EQ(all->itemText(0), "Off");
  EXPECT_EQ(list->item(0)->text(), "Englisch");
  EXPECT_EQ(label->text(), "Rauschsperre");
}

TEST_F(LocaliseFixture, DecodesGbkValues) {
  const IniFile file = IniFile::FromText(std::string("[fTest]\nL1.Caption=") + kGbkChinese + "\n");
  LocaliseWindow(&window, file, true);
  EXPECT_EQ(label->text(), QString::fromUtf8("中文"));
}

TEST_F(LocaliseFixture, LeavesWindowsInsideTheWindowToTheirOwnSections) {
  auto* area = new QMdiArea(&window);
  auto* childLabel = new QLabel("inside", area);
  childLabel->setObjectName("L1");
  auto* dialog = new QDialog(&window);
  auto* dialogLabel = new QLabel("dialog", dialog);
  dialogLabel->setObjectName("L1");
  LocaliseWindow(&window, IniFile::FromText("[fTest]\nL1.Caption=outer\n"), true);
  EXPECT_EQ(label->text(), "outer");
  EXPECT_EQ(childLabel->text(), "inside");
  EXPECT_EQ(dialogLabel->text(), "dialog");
}

TEST(I18nMessageBox, TitlesAndTextsComeFromTheMessageTexts) {
  TLanguage texts;
  texts.Set("Confirmation", kGbkChinese);
  test::MessageAnswers boxes;
  boxes.Answer(false);
  EXPECT_FALSE(Ask(texts, "ExitProgram"));
  EXPECT_TRUE(Ask(texts, "SaveProgram"));  // no queued answer: Yes
  Inform(texts, "ReadOk");
  InformFailure(texts, Status::Fail("FileError", "/tmp/x.dat: Permission denied"));
  InformFailure(texts, Status::Fail("NoSuchKey"));
  ASSERT_EQ(boxes.Boxes().size(), 5u);
  EXPECT_EQ(boxes.Boxes()[0].title, QString::fromUtf8("中文"));
  EXPECT_EQ(boxes.Boxes()[0].kind, MessageKind::Question);
  EXPECT_EQ(boxes.Boxes()[2].kind, MessageKind::Information);
  EXPECT_EQ(boxes.Texts(), (QStringList{"Do you wish to exit program?", "Do you wish to save the changes?",
                                        "Reading Completed.",
                                        "The file cannot be read or written.\n/tmp/x.dat: Permission denied",
                                        "NoSuchKey"}));
}

}  // namespace
}  // namespace kx7q
