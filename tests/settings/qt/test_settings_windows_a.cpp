// The optional-function, VOX, key-function and scan windows, offscreen: what
// a change writes into the image and whether it marks the code plug modified,
// that refreshing writes nothing, hidden rows, localisation by item mode, and
// how the main window's registry opens them. Refreshing and the shipped
// language files are also checked for the DTMF, radio information and
// password windows.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <memory>
#include <set>

#include "app/Startup.h"
#include "i18n/IniFile.h"
#include "i18n/qt/Localise.h"
#include "settings/qt/TfDtmf.h"
#include "settings/qt/TfInfoMsg.h"
#include "settings/qt/TfKeyFun.h"
#include "settings/qt/TfOptFun.h"
#include "settings/qt/TfPassWord.h"
#include "settings/qt/TfScanFun.h"
#include "settings/qt/TfVoxFun.h"
#include "support/CodePlugFixture.h"
#include "support/TempDir.h"
#include "support/qt/WaitFor.h"
#include "ui/qt/ChildWindows.h"
#include "ui/qt/NullMainOps.h"

namespace kx7q {
namespace {

using Factory = std::function<EditWindow*(Maindb&, MainOps&)>;

template <class W>
Factory Make() {
  return [](Maindb& db, MainOps& ops) -> EditWindow* { return new W(db, ops); };
}

class FunctionWindows : public ::testing::Test {
 protected:
  FunctionWindows() {
    db.All = plug.all;  // a new code plug, clamped, not modified
  }

  template <class W>
  std::unique_ptr<W> Open() {
    auto window = std::make_unique<W>(db, ops);
    window->Refresh();
    return window;
  }
  std::unique_ptr<EditWindow> Open(const Factory& make) {
    std::unique_ptr<EditWindow> window(make(db, ops));
    window->Refresh();
    return window;
  }

  static QComboBox* List(QWidget* window, const char* name) {
    auto* box = window->findChild<QComboBox*>(QString::fromLatin1(name));
    EXPECT_NE(box, nullptr) << name;
    return box;
  }
  static QString Shown(QWidget* window, const char* name) { return List(window, name)->currentText(); }
  // What a user's pick does: the list's index changes and the window stores.
  static void Choose(QWidget* window, const char* name, int index) { List(window, name)->setCurrentIndex(index); }
  static void ChooseText(QWidget* window, const char* name, const char* text) {
    QComboBox* box = List(window, name);
    const int index = box->findText(QString::fromUtf8(text));
    ASSERT_GE(index, 0) << name << " has no entry " << text;
    box->setCurrentIndex(index);
  }

  std::uint8_t& Byte(int address) { return db.All.Radio(address); }

  // A language file beside the "executable" that becomes the current one.
  void UseLanguageFile(const std::string& text, int languageIndex = 1) {
    dir.PutText("Test.Ini", text);
    db.All.AppDir = dir.path() + "/";
    db.All.LanguageName = "Test";
    db.All.LanguageIndex = languageIndex;
  }

  test::CodePlugFixture plug;
  Maindb db;
  NullMainOps ops;
  test::TempDir dir;
};

// ---- every window -------------------------------------------------------------

struct WindowKind {
  const char* name;
  Factory make;
};

const WindowKind kWindows[] = {
    {"fOptFun", Make<TfOptFun>()},
    {"fVoxFun", Make<TfVoxFun>()},
    {"fKeyFun", Make<TfKeyFun>()},
    {"fScanFun", Make<TfScanFun>()},
    {"fDtmf", Make<TfDtmf>()},
    {"fInfoMsg", Make<TfInfoMsg>()},
    {"fPassWord", Make<TfPassWord>()},
};

TEST_F(FunctionWindows, RefreshingWritesNothing) {
  // A new code plug, and one whose bytes no clamp has seen.
  ImageBytes unclamped;
  for (std::size_t i = 0; i < unclamped.size(); ++i) unclamped[i] = static_cast<std::uint8_t>(i * 37 + 11);
  for (const ImageBytes& image : {plug.all.Image, unclamped}) {
    for (const WindowKind& kind : kWindows) {
      db.All.Image = image;
      db.All.Modified = false;
      auto window = Open(kind.make);
      window->Refresh();
      EXPECT_EQ(db.All.Image, image) << kind.name;
      EXPECT_FALSE(db.All.Modified) << kind.name;
    }
  }
}

// One pick in a window changes exactly the bytes it should, to the values
// given, and marks the code plug modified or not.
TEST_F(FunctionWindows, APickWritesItsBytesOnly) {
  struct Case {
    const char* what;
    Factory make;
    std::vector<std::pair<int, std::uint8_t>> before;  // set up before the window opens
    const char* control;
    const char* pick;
    std::vector<std::pair<int, std::uint8_t>> after;  // every byte that may change
    bool modified;
  } cases[] = {
      {"squelch", Make<TfOptFun>(), {{0x121, 5}}, "cxSQL", "9", {{0x121, 9}}, true},
      {"time-out 600 beyond the clamps", Make<TfOptFun>(), {{0x122, 12}}, "cxTot", "600", {{0x122, 40}}, true},
      {"battery save 1:2", Make<TfOptFun>(), {{0x120, 0x00}}, "cxRate", "1:2", {{0x120, 0x05}}, true},
      {"battery save off keeps the ratio", Make<TfOptFun>(), {{0x120, 0x06}}, "cxRate", "OFF", {{0x120, 0x02}}, true},
      {"voice off keeps bit 5", Make<TfOptFun>(), {{0x120, 0x30}}, "cxWavs", "Off", {{0x120, 0x20}}, true},
      {"voice English", Make<TfOptFun>(), {{0x120, 0x00}}, "cxWavs", "English", {{0x120, 0x10}}, true},
      {"tone", Make<TfOptFun>(), {{0x120, 0x00}}, "cxTone", "On", {{0x120, 0x40}}, true},
      {"incept alarm", Make<TfOptFun>(), {{0x120, 0xFF}}, "cxAlt", "Off", {{0x120, 0xF7}}, true},
      {"power light", Make<TfOptFun>(), {{0x120, 0xFF}}, "cxFM", "Off", {{0x120, 0x7F}}, true},
      {"vol inhibit keeps the VOX bits", Make<TfOptFun>(), {{0x12A, 0xF4}}, "cxTxInhibit", "High Inhibit",
       {{0x12A, 0xF6}}, true},
      {"mic Vox with gain 5", Make<TfVoxFun>(), {{0x123, 9}, {0x12A, 0xFF}}, "cxVox_s", "Vox",
       {{0x123, 8}, {0x12A, 0xF3}}, false},
      {"mic None with gain 5", Make<TfVoxFun>(), {{0x123, 8}, {0x12A, 0xF3}}, "cxVox_s", "None",
       {{0x123, 9}, {0x12A, 0xFF}}, false},
      {"mic Mic-PTT with gain 9", Make<TfVoxFun>(), {{0x123, 16}, {0x12A, 0x03}}, "cxVox_s", "Mic-PTT",
       {{0x123, 17}, {0x12A, 0x0B}}, false},
      {"mic code 1 is None and is written as 3", Make<TfVoxFun>(), {{0x12A, 0x04}, {0x124, 1}}, "cxVoxDely", "3.0",
       {{0x12A, 0x0C}, {0x124, 5}, {0x123, 9}}, false},
      {"gain", Make<TfVoxFun>(), {{0x123, 9}, {0x12A, 0xFF}}, "cxVox", "9", {{0x123, 17}}, false},
      {"delay", Make<TfVoxFun>(), {{0x124, 1}}, "cxVoxDely", "0.5", {{0x124, 0}}, false},
      {"KEY-1 off", Make<TfKeyFun>(), {{0x128, 3}, {0x129, 4}}, "cxKey1_S", "Off", {{0x128, 0}}, false},
      {"scan speed", Make<TfScanFun>(), {{0x126, 0}}, "cxScanSpeed", "500", {{0x126, 8}}, true},
      {"dropout delay 15 s", Make<TfScanFun>(), {{0x127, 0}}, "cxScanDely", "15", {{0x127, 12}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    db.All = plug.all;
    for (auto [address, value] : c.before) Byte(address) = value;
    const ImageBytes before = db.All.Image;
    auto window = Open(c.make);
    ChooseText(window.get(), c.control, c.pick);
    ImageBytes expected = before;
    for (auto [address, value] : c.after) expected[address + kRadioBase] = value;
    for (int address = 0; address < 0x1C0; ++address)
      EXPECT_EQ(db.All.Radio(address), expected[address + kRadioBase]) << "at 0x" << std::hex << address;
    EXPECT_EQ(db.All.Modified, c.modified);
  }
}

// ---- optional functions ---------------------------------------------------------

TEST_F(FunctionWindows, OptionalFunctionsShowTheImage) {
  Byte(0x120) = 0xFF;
  Byte(0x121) = 3;
  Byte(0x122) = 40;
  Byte(0x12A) = 0xF1;
  auto window = Open<TfOptFun>();
  EXPECT_EQ(Shown(window.get(), "cxRate"), "1:4");
  EXPECT_EQ(Shown(window.get(), "cxAlt"), "On");
  EXPECT_EQ(Shown(window.get(), "cxWavs"), "China");
  EXPECT_EQ(Shown(window.get(), "cxTone"), "On");
  EXPECT_EQ(Shown(window.get(), "cxFM"), "On");
  EXPECT_EQ(Shown(window.get(), "cxSQL"), "3");
  EXPECT_EQ(Shown(window.get(), "cxTot"), "600");
  EXPECT_EQ(Shown(window.get(), "cxTxInhibit"), "Low Inhibit");
}

TEST_F(FunctionWindows, BatterySaveOffAndOnAgain) {
  Byte(0x120) = 0x00;
  auto window = Open<TfOptFun>();
  ChooseText(window.get(), "cxRate", "1:3");
  ChooseText(window.get(), "cxRate", "OFF");
  EXPECT_EQ(Byte(0x120) & 0x07, 0x02);  // off, the ratio of 1:3 kept
  window->Refresh();
  EXPECT_EQ(Shown(window.get(), "cxRate"), "OFF");
  ChooseText(window.get(), "cxRate", "1:2");
  EXPECT_EQ(Byte(0x120) & 0x07, 0x05);
}

// A list whose byte lies outside it shows nothing; storing another setting
// must not turn that byte into 0xFF.
TEST_F(FunctionWindows, AByteOutsideItsListIsKept) {
  Byte(0x121) = 0x37;
  auto window = Open<TfOptFun>();
  EXPECT_EQ(List(window.get(), "cxSQL")->currentIndex(), -1);
  ChooseText(window.get(), "cxTone", "Off");
  EXPECT_EQ(Byte(0x121), 0x37);
}

// ---- VOX --------------------------------------------------------------------------

TEST_F(FunctionWindows, VoxOfANewCodePlug) {
  Byte(0x123) = 9;
  Byte(0x124) = 1;
  Byte(0x12A) = 0xFF;
  auto window = Open<TfVoxFun>();
  EXPECT_EQ(Shown(window.get(), "cxVox_s"), "None");
  EXPECT_EQ(Shown(window.get(), "cxVox"), "5");
  EXPECT_EQ(Shown(window.get(), "cxVoxDely"), "1.0");
}

TEST_F(FunctionWindows, VoxInhibitRowIsShownOnlyWhenAskedAndPassesThrough) {
  for (bool visible : {false, true}) {
    for (std::uint8_t inhibit : {0x00, 0x80, 0x7F, 0xFF}) {
      SCOPED_TRACE(testing::Message() << "visible " << visible << " byte " << int(inhibit));
      db.All.VoxInhibitVisible = visible;
      Byte(0x125) = inhibit;
      auto window = Open<TfVoxFun>();
      auto* label = window->findChild<QLabel*>("L3");
      ASSERT_NE(label, nullptr);
      EXPECT_EQ(label->isVisibleTo(window.get()), visible);
      EXPECT_EQ(List(window.get(), "cxRxDis")->isVisibleTo(window.get()), visible);
      ChooseText(window.get(), "cxVoxDely", "2.5");
      EXPECT_EQ(Byte(0x125), inhibit);
    }
  }
  db.All.VoxInhibitVisible = true;
  Byte(0x125) = 0x15;
  auto window = Open<TfVoxFun>();
  ChooseText(window.get(), "cxRxDis", "Yes");
  EXPECT_EQ(Byte(0x125), 0x95);
  EXPECT_FALSE(db.All.Modified);
}

// ---- key function -------------------------------------------------------------------

TEST_F(FunctionWindows, KeyOneShownAndKeyTwoCarried) {
  auto window = Open<TfKeyFun>();  // defaults: KEY-1 2, KEY-2 4
  EXPECT_EQ(Shown(window.get(), "cxKey1_S"), "Transient Monmome");
  EXPECT_EQ(Shown(window.get(), "cxKey2_S"), "Warm-Local");
  EXPECT_FALSE(List(window.get(), "cxKey2_S")->isVisibleTo(window.get()));
  EXPECT_FALSE(window->findChild<QLabel*>("L2")->isVisibleTo(window.get()));
  for (const char* pick : {"Scan", "Warm-Long", "Off"}) {
    ChooseText(window.get(), "cxKey1_S", pick);
    EXPECT_EQ(Byte(0x129), 4);
  }
  EXPECT_EQ(Byte(0x128), 0);
  Byte(0x128) = 3;
  window->Refresh();
  EXPECT_EQ(Shown(window.get(), "cxKey1_S"), "Scan");
}

TEST_F(FunctionWindows, TranslatedKeyListsCodeByPosition) {
  UseLanguageFile(
      "[fKeyFun]\n"
      "List_Short.0=Aus\nList_Short.1=Monitor\nList_Short.2=Monitor kurz\nList_Short.3=Suchlauf\n"
      "List_Short.4=Warnung\nList_Short.5=Warnung lang\n"
      // Two functions with one name: the hidden KEY-2 must not drift to the first.
      "List_Long.2=Warnung\nList_Long.4=Warnung\n"
      "cxKey1_S.0=ignored\n");
  Byte(0x128) = 3;
  Byte(0x129) = 4;
  auto window = Open<TfKeyFun>();
  EXPECT_EQ(Shown(window.get(), "cxKey1_S"), "Suchlauf");
  EXPECT_EQ(List(window.get(), "cxKey1_S")->itemText(0), "Aus");
  EXPECT_EQ(Shown(window.get(), "cxKey2_S"), "Warnung");
  ChooseText(window.get(), "cxKey1_S", "Warnung lang");
  EXPECT_EQ(Byte(0x128), 5);
  EXPECT_EQ(Byte(0x129), 4);
  // Refreshing again with the same file changes nothing.
  window->Refresh();
  EXPECT_EQ(Shown(window.get(), "cxKey1_S"), "Warnung lang");
  EXPECT_EQ(List(window.get(), "cxKey1_S")->count(), 6);
}

// ---- scan -------------------------------------------------------------------------

TEST_F(FunctionWindows, ScanShowsTheImageAndHidesTheFmGroup) {
  Byte(0x126) = 8;
  Byte(0x127) = 0;
  auto window = Open<TfScanFun>();
  EXPECT_EQ(Shown(window.get(), "cxScanSpeed"), "500");
  EXPECT_EQ(Shown(window.get(), "cxScanDely"), "3");
  auto* lower = window->findChild<QLineEdit*>("cxFM_Min");
  auto* upper = window->findChild<QLineEdit*>("cxFM_Max");
  ASSERT_NE(lower, nullptr);
  ASSERT_NE(upper, nullptr);
  EXPECT_EQ(lower->text(), "88.000");  // new code plug: words 0x0DC0, 0x10E0
  EXPECT_EQ(upper->text(), "108.000");
  EXPECT_FALSE(lower->isVisibleTo(window.get()));
  EXPECT_FALSE(window->findChild<QLabel*>("L5")->isVisibleTo(window.get()));
  EXPECT_TRUE(window->findChild<QLabel*>("L0")->isVisibleTo(window.get()));
}

TEST_F(FunctionWindows, FmBoundEntriesAreMadeValid) {
  struct Case {
    const char* field;
    const char* entry;
    const char* shown;
    int address;
    int word;
  } cases[] = {
      {"cxFM_Min", "69.999", "88.000", 0x12C, 3520},
      {"cxFM_Min", "87.630", "87.600", 0x12C, 3504},
      {"cxFM_Min", "110", "108.000", 0x12C, 4320},  // not above the upper bound
      {"cxFM_Max", "120", "108.000", 0x12E, 4320},
      {"cxFM_Max", "80", "88.000", 0x12E, 3520},  // not below the lower bound
      {"cxFM_Max", "99.99", "99.950", 0x12E, 3998},
      {"cxFM_Min", "", "88.000", 0x12C, 3520},  // no number: the stored bound again
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.field << " " << c.entry);
    db.All = plug.all;  // 88.000-108.000
    auto window = Open<TfScanFun>();
    auto* field = window->findChild<QLineEdit*>(c.field);
    ASSERT_NE(field, nullptr);
    field->setText(QString::fromLatin1(c.entry));
    emit field->editingFinished();
    EXPECT_EQ(field->text(), c.shown);
    EXPECT_EQ(Byte(c.address) | (Byte(c.address + 1) << 8), c.word);
    EXPECT_FALSE(db.All.Modified);
  }
}

// ---- localisation -------------------------------------------------------------------

const char* kWindowTexts =
    "[fOptFun]\n"
    "fOptFun.Caption=Optionen\nL1.Caption=Rauschsperre\nbtnCancel.Caption=&Schliessen\n"
    "cxSQL.0=null\n"             // none: numbers stay
    "cxTot.0=Aus\ncxTot.5=fuenf\n"  // first entry only
    "cxWavs.1=Chinesisch\ncxRate.0=AUS\n"
    "[fVoxFun]\n"
    "fVoxFun.Caption=VOX\nL0.Caption=VOX-Gruppe\nL3.Caption=Sperre\n"
    "cxVox.0=eins\ncxVox.1=zwei\ncxVox_s.2=Mikrofon\ncxRxDis.1=Ja\n"
    "[fScanFun]\n"
    "L2.Caption=Verzoegerung\ncxScanSpeed.2=zweihundert\ncxScanDely.27=dreissig\n";

TEST_F(FunctionWindows, LanguageFileRenamesByItemMode) {
  struct Case {
    Factory make;
    const char* control;
    int index;
    const char* translated;  // nullptr: the design text stays
    const char* design;
  } cases[] = {
      {Make<TfOptFun>(), "cxSQL", 0, nullptr, "0"},
      {Make<TfOptFun>(), "cxTot", 0, "Aus", "Off"},
      {Make<TfOptFun>(), "cxTot", 5, nullptr, "75"},
      {Make<TfOptFun>(), "cxWavs", 1, "Chinesisch", "China"},
      {Make<TfOptFun>(), "cxRate", 0, "AUS", "OFF"},
      {Make<TfVoxFun>(), "cxVox", 0, "eins", "1"},
      {Make<TfVoxFun>(), "cxVox", 1, nullptr, "2"},
      {Make<TfVoxFun>(), "cxVox_s", 2, "Mikrofon", "Mic-PTT"},
      {Make<TfVoxFun>(), "cxRxDis", 1, "Ja", "Yes"},
      {Make<TfScanFun>(), "cxScanSpeed", 2, "zweihundert", "200"},
      {Make<TfScanFun>(), "cxScanDely", 27, "dreissig", "30"},
  };
  for (int languageIndex : {0, 1}) {
    UseLanguageFile(kWindowTexts, languageIndex);
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "language " << languageIndex << " " << c.control << "." << c.index);
      auto window = Open(c.make);
      const char* expected = languageIndex > 0 && c.translated != nullptr ? c.translated : c.design;
      EXPECT_EQ(List(window.get(), c.control)->itemText(c.index), QString::fromUtf8(expected));
    }
  }
}

TEST_F(FunctionWindows, LanguageFileRenamesCaptionsAndKeepsSelections) {
  Byte(0x122) = 0;  // time-out "Off", about to be translated
  Byte(0x121) = 7;
  UseLanguageFile(kWindowTexts);
  auto opt = Open<TfOptFun>();
  EXPECT_EQ(opt->windowTitle(), "Optionen");
  EXPECT_EQ(opt->findChild<QLabel*>("L1")->text(), "Rauschsperre");
  EXPECT_EQ(opt->findChild<QLabel*>("L2")->text(), "TX Time Out");
  EXPECT_EQ(opt->findChild<QPushButton*>("btnCancel")->text(), "&Schliessen");
  EXPECT_EQ(Shown(opt.get(), "cxTot"), "Aus");
  EXPECT_EQ(Shown(opt.get(), "cxSQL"), "7");
  EXPECT_FALSE(db.All.Modified);

  auto vox = Open<TfVoxFun>();
  EXPECT_EQ(vox->windowTitle(), "VOX");
  EXPECT_EQ(vox->findChild<QLabel*>("L0")->text(), "VOX-Gruppe");
  EXPECT_EQ(vox->findChild<QLabel*>("L3")->text(), "Sperre");

  // The same file with the first language of the list: design texts stay.
  UseLanguageFile(kWindowTexts, 0);
  auto english = Open<TfOptFun>();
  EXPECT_EQ(english->windowTitle(), "Optional Function");
  EXPECT_EQ(english->findChild<QLabel*>("L1")->text(), "Squelch level");
}

// Every key the shipped language files hold for these windows names one of
// their texts: a caption of the window or of a control, or an entry that the
// list's item mode lets a language file rename.
TEST_F(FunctionWindows, ShippedLanguageFilesNameRealTexts) {
  for (const char* language : {"English", "Chinese"}) {
    const std::string path = std::string(KX7Q_BIN_DIR "/") + language + ".Ini";
    ASSERT_TRUE(std::filesystem::exists(path)) << "build the target kx7q_files first";
    IniFile file;
    file.Load(path);
    for (const WindowKind& kind : kWindows) {
      auto window = Open(kind.make);
      const std::vector<std::string> keys = file.Keys(kind.name);
      EXPECT_FALSE(keys.empty()) << language << " has no section " << kind.name;
      for (const std::string& key : keys) {
        SCOPED_TRACE(testing::Message() << language << " [" << kind.name << "] " << key);
        const auto dot = key.rfind('.');
        ASSERT_NE(dot, std::string::npos);
        const QString name = QString::fromStdString(key.substr(0, dot));
        const std::string suffix = key.substr(dot + 1);
        QObject* target = name == window->objectName() ? window.get() : window->findChild<QObject*>(name);
        ASSERT_NE(target, nullptr);
        if (suffix == "Caption") {
          EXPECT_TRUE(target == window.get() || qobject_cast<QLabel*>(target) ||
                      qobject_cast<QAbstractButton*>(target));
        } else if (auto* box = qobject_cast<QComboBox*>(target)) {
          const int index = std::stoi(suffix);
          EXPECT_LT(index, box->count());
          EXPECT_NE(ItemModeOf(box), ItemMode::None);
          if (ItemModeOf(box) == ItemMode::FirstOnly) {
            EXPECT_EQ(index, 0);
          }
        } else {
          auto* holder = qobject_cast<QListWidget*>(target);
          ASSERT_NE(holder, nullptr);
          EXPECT_LT(std::stoi(suffix), holder->count());
        }
      }
    }
  }
}

TEST_F(FunctionWindows, ShippedChineseFileRenamesTheWindows) {
  db.All.AppDir = KX7Q_BIN_DIR "/";
  db.All.LanguageName = "Chinese";
  db.All.LanguageIndex = 1;
  auto key = Open<TfKeyFun>();
  EXPECT_EQ(key->windowTitle(), QStringLiteral("按键功能"));
  EXPECT_EQ(Shown(key.get(), "cxKey1_S"), QStringLiteral("瞬时监听"));
  auto opt = Open<TfOptFun>();
  EXPECT_EQ(opt->findChild<QLabel*>("L1")->text(), QStringLiteral("静噪等级"));
  EXPECT_EQ(Shown(opt.get(), "cxWavs"), QStringLiteral("中文"));
  EXPECT_EQ(List(opt.get(), "cxTot")->itemText(1), "15");
  EXPECT_EQ(Open<TfVoxFun>()->findChild<QLabel*>("L0")->text(), QStringLiteral("声控功能"));
  EXPECT_EQ(Open<TfScanFun>()->findChild<QLabel*>("L2")->text(), QStringLiteral("信号消失延时[秒]"));
}

// ---- inside the main window --------------------------------------------------------

TEST_F(FunctionWindows, OpenedByTheirTagsAsFixedMdiChildren) {
  struct Case {
    int tag;
    const char* name;
    const char* caption;
  } cases[] = {
      {12, "fKeyFun", "Key Function"},
      {13, "fVoxFun", "Vox Function"},
      {14, "fOptFun", "Optional Function"},
      {19, "fScanFun", "Scan Information"},
  };
  QMdiArea area;
  area.resize(900, 700);
  area.show();
  ChildWindows windows(&area, db, ops);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EditWindow* window = windows.Show(c.tag);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), c.name);
    EXPECT_EQ(window->windowTitle(), c.caption);
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    ASSERT_NE(sub, nullptr);
    EXPECT_EQ(sub->pos(), QPoint(20, 20));
    EXPECT_TRUE(sub->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_EQ(sub->minimumSize(), sub->maximumSize());  // fixed size
    // ... and large enough for what Refresh put in (the key lists fill late),
    // also once the pending layout requests have run.
    QCoreApplication::processEvents();
    auto* close = window->findChild<QPushButton*>("btnCancel");
    EXPECT_TRUE(sub->rect().contains(QRect(close->mapTo(sub, QPoint(0, 0)), close->size())));
    EXPECT_EQ(windows.Show(c.tag), window);  // at most one
    // Opening it again while minimised restores it where the user left it.
    sub->move(100, 80);
    sub->showMinimized();
    EXPECT_EQ(windows.Show(c.tag), window);
    EXPECT_FALSE(sub->isMinimized());
    EXPECT_EQ(sub->pos(), QPoint(100, 80));
    QPointer<EditWindow> alive(window);
    close->click();
    EXPECT_EVENTUALLY(alive.isNull());
    EXPECT_EQ(windows.Find(c.tag), nullptr);
  }
}

// Longer texts after the window is shown (another language, a refilled
// list) make the window grow; its MDI frame must grow with it.
TEST_F(FunctionWindows, FrameFollowsTheContents) {
  QMdiArea area;
  area.resize(900, 700);
  area.show();
  ChildWindows windows(&area, db, ops);
  EditWindow* window = windows.Show(12);
  ASSERT_NE(window, nullptr);
  auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
  const QSize before = sub->size();
  UseLanguageFile("[fKeyFun]\nL1.Caption=The first programmable side key\nList_Short.2=Monitor for a short while\n");
  window->Refresh();
  auto* label = window->findChild<QLabel*>("L1");
  EXPECT_EVENTUALLY(label->width() >= label->sizeHint().width());  // the layout has run
  EXPECT_GT(sub->width(), before.width());
  auto* close = window->findChild<QPushButton*>("btnCancel");
  EXPECT_TRUE(sub->rect().contains(QRect(close->mapTo(sub, QPoint(0, 0)), close->size())));
  EXPECT_EQ(sub->minimumSize(), sub->maximumSize());
}

}  // namespace
}  // namespace kx7q
