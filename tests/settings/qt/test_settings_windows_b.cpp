// The DTMF, radio information and password windows and the embedded message
// dialog, offscreen: what each change writes into the image, whether it marks
// the code plug modified, and what the key filters let through.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "support/CodePlugFixture.h"
#include "support/TempDir.h"
#include "app/Startup.h"
#include "settings/qt/TfDtmf.h"
#include "settings/qt/TfEmbeddedMessage.h"
#include "settings/qt/TfInfoMsg.h"
#include "settings/qt/TfPassWord.h"
#include "ui/qt/ChildWindows.h"
#include "ui/qt/NullMainOps.h"

namespace kx7q {
namespace {

using Bytes = std::vector<int>;

class FakeMain : public NullMainOps {
 public:
  // Answers a dialog instead of running it: hands it to the test, then Ok.
  int RunDialog(QDialog& dialog) override {
    if (onDialog) onDialog(dialog);
    dialog.accept();
    return QDialog::Accepted;
  }
  std::function<void(QDialog&)> onDialog;
};

// A new code plug of the first model, as the program holds it after start-up.
class WindowsB : public ::testing::Test {
 protected:
  WindowsB() { db.All = plug.all; }

  template <class W>
  std::unique_ptr<W> Open() {
    auto window = std::make_unique<W>(db, main);
    window->Refresh();
    return window;
  }
  template <class T>
  T* Child(QWidget* window, const char* name) {
    T* child = window->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  Bytes RadioBytes(int address, int count) const {
    Bytes out;
    for (int i = 0; i < count; ++i) out.push_back(db.All.Radio(address + i));
    return out;
  }
  Bytes IdentBytes(int offset, int count) const {
    return Bytes(db.All.Image.begin() + offset, db.All.Image.begin() + offset + count);
  }
  void SetRadio(int address, const Bytes& bytes) {
    for (std::size_t i = 0; i < bytes.size(); ++i) db.All.Radio(address + static_cast<int>(i)) = static_cast<std::uint8_t>(bytes[i]);
  }

  test::CodePlugFixture plug;
  Maindb db;
  FakeMain main;
};

// ---- all windows --------------------------------------------------------------

TEST_F(WindowsB, SettingsWindowsBOpenByTagWithoutWriting) {
  // A password and an unclamped DTMF byte that decoding must not repair.
  SetRadio(0x132, {0x20});
  std::copy_n("ab12  \x01\xFFnew1    ", 16, db.All.Image.begin());
  db.All.SetNewPassword = true;
  const ImageBytes before = db.All.Image;

  QMdiArea area;
  ChildWindows windows(&area, db, main);
  area.resize(800, 600);
  area.show();
  for (auto [tag, name] : {std::pair{15, "fInfoMsg"}, {16, "fPassWord"}, {17, "fDtmf"}}) {
    SCOPED_TRACE(name);
    EditWindow* window = windows.Show(tag);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QString::fromLatin1(name));
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->pos(), QPoint(20, 20));
    window->Refresh();
  }
  EXPECT_TRUE(db.All.Image == before);
  EXPECT_FALSE(db.All.Modified);
}

TEST_F(WindowsB, SettingsWindowsBLanguageFileRenamesTextsByListMode) {
  test::TempDir dir;
  dir.PutText("Deutsch.Ini",
              "[fDtmf]\n"
              "fDtmf.Caption=Tonwahl\n"
              "L5.Caption=Kennung\n"
              "cxSideTone.Caption=Mithoerton\n"
              "cxPttID.2=BEIDE\n"
              "cxStunType.0=Nur Senden\n"
              "cxSpeed.0=vier\n"  // a list of numbers: never translated
              "[fInfoMsg]\n"
              "lSerial.Caption=Seriennummer\n"
              "btnCancel.Caption=&Schliessen\n"
              "[fPassWord]\n"
              "Label1.Caption=Kennwort\n"
              "[fEmbeddedMessage]\n"
              "fEmbeddedMessage.Caption=Botschaft\n"
              "btnOk.Caption=&Gut\n");
  db.All.AppDir = dir.path() + "/";
  db.All.LanguageName = "Deutsch";
  db.All.LanguageIndex = 1;
  SetRadio(0x135, {0x02});  // BOTH
  const ImageBytes before = db.All.Image;

  auto dtmf = Open<TfDtmf>();
  EXPECT_EQ(dtmf->windowTitle(), "Tonwahl");
  EXPECT_EQ(Child<QLabel>(dtmf.get(), "L5")->text(), "Kennung");
  EXPECT_EQ(Child<QCheckBox>(dtmf.get(), "cxSideTone")->text(), "Mithoerton");
  auto* ptt = Child<QComboBox>(dtmf.get(), "cxPttID");
  EXPECT_EQ(ptt->currentIndex(), 2);
  EXPECT_EQ(ptt->currentText(), "BEIDE");
  EXPECT_EQ(ptt->itemText(0), "BOT");
  EXPECT_EQ(Child<QComboBox>(dtmf.get(), "cxStunType")->itemText(0), "Nur Senden");
  EXPECT_EQ(Child<QComboBox>(dtmf.get(), "cxSpeed")->itemText(0), "4");

  auto info = Open<TfInfoMsg>();
  EXPECT_EQ(Child<QLabel>(info.get(), "lSerial")->text(), "Seriennummer");
  EXPECT_EQ(Child<QPushButton>(info.get(), "btnCancel")->text(), "&Schliessen");
  EXPECT_EQ(Child<QLabel>(Open<TfPassWord>().get(), "Label1")->text(), "Kennwort");
  TfEmbeddedMessage message(db);
  EXPECT_EQ(message.windowTitle(), "Botschaft");
  EXPECT_EQ(Child<QPushButton>(&message, "btnOk")->text(), "&Gut");

  EXPECT_TRUE(db.All.Image == before);
  EXPECT_FALSE(db.All.Modified);
}

TEST_F(WindowsB, SettingsWindowsBShippedChineseFileRenamesTheWindows) {
  const std::string dir = KX7Q_BIN_DIR "/";
  ASSERT_TRUE(std::filesystem::exists(dir + "Chinese.Ini")) << "build the target kx7q_files first";
  db.All.AppDir = dir;
  db.All.LanguageName = "Chinese";
  db.All.LanguageIndex = 1;

  auto dtmf = Open<TfDtmf>();
  EXPECT_EQ(Child<QLabel>(dtmf.get(), "L8")->text(), QStringLiteral("遥毙"));
  EXPECT_EQ(Child<QComboBox>(dtmf.get(), "cxStunType")->itemText(1), QStringLiteral("禁止收发"));
  EXPECT_EQ(Child<QComboBox>(dtmf.get(), "cxFirstDelay")->itemText(0), "100");
  EXPECT_EQ(Child<QLabel>(Open<TfInfoMsg>().get(), "lSerial")->text(), QStringLiteral("序列号"));
  EXPECT_EQ(Child<QLabel>(Open<TfPassWord>().get(), "Label2")->text(), QStringLiteral("新密码"));
  EXPECT_EQ(TfEmbeddedMessage(db).windowTitle(), QStringLiteral("嵌入信息"));
}

// ---- DTMF ---------------------------------------------------------------------

TEST_F(WindowsB, DtmfNewCodePlugShowsDefaultsAndFirstStoreWritesWholeModeByte) {
  ASSERT_EQ(db.All.Radio(0x135), 0xF0);  // 0xFF with the PTT ID nibble cleared
  auto window = Open<TfDtmf>();
  EXPECT_EQ(Child<QComboBox>(window.get(), "cxPttID")->currentText(), "BOT");
  EXPECT_EQ(Child<QComboBox>(window.get(), "cxStunType")->currentText(), "Tx Inhibit");
  EXPECT_TRUE(Child<QCheckBox>(window.get(), "cxSideTone")->isChecked());
  EXPECT_EQ(Child<QLineEdit>(window.get(), "cxEnt")->text(), "123456");
  EXPECT_TRUE(Child<QLineEdit>(window.get(), "cxEnt")->isEnabled());
  EXPECT_FALSE(Child<QLineEdit>(window.get(), "cxEnd")->isEnabled());
  EXPECT_EQ(Child<QLineEdit>(window.get(), "cxStunCode")->text(), "");
  EXPECT_FALSE(Child<QWidget>(window.get(), "cxSpeed")->isVisibleTo(window.get()));

  Child<QComboBox>(window.get(), "cxStunType")->setCurrentIndex(0);  // no change: nothing stored
  EXPECT_FALSE(db.All.Modified);
  Child<QCheckBox>(window.get(), "cxSideTone")->setChecked(false);
  Child<QCheckBox>(window.get(), "cxSideTone")->setChecked(true);
  EXPECT_EQ(db.All.Radio(0x135), 0x30);  // bits 6-7 dropped
  EXPECT_TRUE(db.All.Modified);
}

TEST_F(WindowsB, DtmfPttIdEnablesCodeFieldsAndStoresTheSettings) {
  struct Case {
    int pttId;
    bool begin, end;
  };
  SetRadio(0x132, {7, 3, 18});       // the hidden timing lists
  SetRadio(0x135, {0xE0});           // BOT, side tone, Tx/Rx Inhibit, bits 6-7 set
  SetRadio(0x137, {2});              // End of Tx "9*"
  SetRadio(0x148, {0x9F});
  auto window = Open<TfDtmf>();
  auto* ptt = Child<QComboBox>(window.get(), "cxPttID");
  auto* ent = Child<QLineEdit>(window.get(), "cxEnt");
  auto* end = Child<QLineEdit>(window.get(), "cxEnd");
  EXPECT_EQ(Child<QComboBox>(window.get(), "cxStunType")->currentText(), "Tx/Rx Inhibit");
  for (const Case& c : {Case{1, false, true}, Case{2, true, true}, Case{0, true, false}}) {
    SCOPED_TRACE(c.pttId);
    ptt->setCurrentIndex(c.pttId);
    EXPECT_EQ(ent->isEnabled(), c.begin);
    EXPECT_EQ(end->isEnabled(), c.end);
    EXPECT_EQ(RadioBytes(0x132, 4), (Bytes{7, 3, 18, 0x20 | c.pttId}));
    EXPECT_EQ(ent->text(), "123456");
    EXPECT_EQ(end->text(), "9*");
  }
  EXPECT_TRUE(db.All.Modified);

  // The stun type runs the same handler: the enabling follows the PTT ID.
  Child<QComboBox>(window.get(), "cxStunType")->setCurrentIndex(0);
  EXPECT_EQ(db.All.Radio(0x135), 0x30);
  EXPECT_TRUE(ent->isEnabled());
  EXPECT_FALSE(end->isEnabled());
}

TEST_F(WindowsB, DtmfListWithoutEntryKeepsItsByteOnOtherChanges) {
  SetRadio(0x132, {0x20});  // beyond the speed list, as an unclamped image may hold
  auto window = Open<TfDtmf>();
  EXPECT_EQ(Child<QComboBox>(window.get(), "cxSpeed")->currentIndex(), -1);
  Child<QCheckBox>(window.get(), "cxSideTone")->setChecked(false);
  EXPECT_EQ(db.All.Radio(0x132), 0x20);
  EXPECT_EQ(db.All.Radio(0x135), 0x10);
}

TEST_F(WindowsB, DtmfCodeFieldsTakeDtmfKeysInUpperCase) {
  auto window = Open<TfDtmf>();
  auto* stun = Child<QLineEdit>(window.get(), "cxStunCode");
  QTest::keyClicks(stun, "1x2a b#E*");
  EXPECT_EQ(stun->text(), "12AB#*");
  EXPECT_EQ(RadioBytes(0x138, 4), (Bytes{6, 0x12, 0xAB, 0xEF}));
  EXPECT_TRUE(db.All.Modified);

  QApplication::clipboard()->setText("999");
  QTest::keyClick(stun, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(stun->text(), "12AB#*");
  EXPECT_EQ(stun->contextMenuPolicy(), Qt::PreventContextMenu);

  stun->clear();
  EXPECT_EQ(db.All.Radio(0x138), 0);
  EXPECT_EQ(RadioBytes(0x139, 3), (Bytes{0x12, 0xAB, 0xEF}));  // digits beyond the length stay
}

TEST_F(WindowsB, DtmfShorterCodeReplacesOnlyItsNibbles) {
  struct Case {
    const char* text;
    Bytes lengthAndDigits;  // 0x136, then 0x140-0x142
  };
  for (const Case& c : {Case{"12A#", {4, 0x12, 0xAE, 0x56}}, Case{"123", {3, 0x12, 0x34, 0x56}},
                        Case{"12", {2, 0x12, 0x34, 0x56}}, Case{"7", {1, 0x72, 0x34, 0x56}}}) {
    SCOPED_TRACE(c.text);
    plug.NewCodePlug();
    db.All = plug.all;
    auto window = Open<TfDtmf>();
    auto* ent = Child<QLineEdit>(window.get(), "cxEnt");
    ent->end(false);
    for (int i = 0; i < 6; ++i) QTest::keyClick(ent, Qt::Key_Backspace);
    QTest::keyClicks(ent, c.text);
    EXPECT_EQ(ent->text(), c.text);
    Bytes stored = RadioBytes(0x136, 1);
    for (int b : RadioBytes(0x140, 3)) stored.push_back(b);
    EXPECT_EQ(stored, c.lengthAndDigits);
  }
}

TEST_F(WindowsB, DtmfCodeFieldsStayInsideTheirAreas) {
  auto window = Open<TfDtmf>();
  const Bytes endLength = RadioBytes(0x137, 1), endDigits = RadioBytes(0x148, 8);
  auto* ent = Child<QLineEdit>(window.get(), "cxEnt");
  ent->clear();
  QTest::keyClicks(ent, "12345678901234567890");
  EXPECT_EQ(ent->text(), "1234567890123456");
  EXPECT_EQ(db.All.Radio(0x136), 16);
  EXPECT_EQ(RadioBytes(0x140, 8), (Bytes{0x12, 0x34, 0x56, 0x78, 0x90, 0x12, 0x34, 0x56}));
  EXPECT_EQ(RadioBytes(0x137, 1), endLength);
  EXPECT_EQ(RadioBytes(0x148, 8), endDigits);

  auto* stun = Child<QLineEdit>(window.get(), "cxStunCode");
  QTest::keyClicks(stun, "123456789012");
  EXPECT_EQ(db.All.Radio(0x138), 10);
  EXPECT_EQ(RadioBytes(0x13E, 2), (Bytes{0xFF, 0xFF}));
}

// ---- radio information ----------------------------------------------------------

TEST_F(WindowsB, InfoMsgShowsIdentityThroughTheDisplayFilter) {
  SetRadio(0x180, {0x41, 0x42, 0x2D, 0x31, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x61, 0x7A});
  Bytes onlyLastChanged(16, 0xFF);
  onlyLastChanged[15] = 0;
  SetRadio(0x1A0, onlyLastChanged);
  auto window = Open<TfInfoMsg>();
  EXPECT_EQ(Child<QLineEdit>(window.get(), "cxModel")->text(), QString::fromStdString(db.All.ModelName));
  EXPECT_EQ(Child<QLineEdit>(window.get(), "cxFreq")->text(), QString::fromStdString(db.All.BandText));
  EXPECT_TRUE(Child<QLineEdit>(window.get(), "cxModel")->isReadOnly());
  EXPECT_EQ(Child<QLineEdit>(window.get(), "cxSerial")->text(), "AB 1          az");
  EXPECT_EQ(Child<QLineEdit>(window.get(), "cxRadioTime")->text(), "2010-05-06 12:34:56");
  EXPECT_EQ(Child<QLineEdit>(window.get(), "cxLeaveTime")->text(), "65535-255-255 255:255:255");
  EXPECT_EQ(Child<QLabel>(window.get(), "lModel")->buddy(), Child<QWidget>(window.get(), "cxModel"));
  EXPECT_FALSE(Child<QPushButton>(window.get(), "btnOk")->isVisibleTo(window.get()));

  SetRadio(0x1A0, Bytes(16, 0xFF));
  window->Refresh();
  EXPECT_EQ(Child<QLineEdit>(window.get(), "cxLeaveTime")->text(), "");
  EXPECT_FALSE(db.All.Modified);
}

TEST_F(WindowsB, InfoMsgStoresSerialAsTyped) {
  struct Case {
    const char* typed;
    const char* shown;     // in the field while typing
    const char* stored;    // 0x180-0x18F, blank-filled
    const char* refilled;  // shown the next time, blank-filled
  };
  const Case cases[] = {
      {"abc12", "ABC12", "ABC12", "ABC12"},
      {"", "", "", ""},
      {"k-9.", "K-9.", "K-9.", "K 9"},
      {"12345678901234567", "1234567890123456", "1234567890123456", "1234567890123456"},
  };
  auto padded = [](const char* text) { return (QString::fromLatin1(text) + QString(16, ' ')).left(16); };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    db.All.Modified = false;
    auto window = Open<TfInfoMsg>();
    auto* serial = Child<QLineEdit>(window.get(), "cxSerial");
    serial->clear();
    QTest::keyClicks(serial, c.typed);
    EXPECT_EQ(serial->text(), c.shown);
    const Bytes stored = RadioBytes(0x180, 16);
    EXPECT_EQ(QString::fromStdString(std::string(stored.begin(), stored.end())), padded(c.stored));
    EXPECT_TRUE(db.All.Modified);
    window->Refresh();
    EXPECT_EQ(serial->text(), padded(c.refilled));
  }
}

TEST_F(WindowsB, InfoMsgTurnsOnlyTypedLettersToUpperCase) {
  SetRadio(0x180, {'a', 'b', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' ', ' '});
  auto window = Open<TfInfoMsg>();
  auto* serial = Child<QLineEdit>(window.get(), "cxSerial");
  serial->setSelection(2, 14);
  QTest::keyClicks(serial, "c");
  const Bytes stored = RadioBytes(0x180, 16);
  EXPECT_EQ(std::string(stored.begin(), stored.end()), "abC             ");
}

// The field shows all 16 bytes, so it is full even when the serial number is
// erased; typing must still work and take the place of the trailing blanks.
TEST_F(WindowsB, InfoMsgTypingIntoAFullFieldReplacesTrailingBlanks) {
  struct Case {
    const char* what;
    const char* before;  // 16 bytes at 0x180; nullptr: erased (0xFF)
    int caret;           // -1: a click in the middle of the field
    const char* typed;
    const char* stored;  // 0x180-0x18F afterwards
  };
  const Case cases[] = {
      {"erased, clicked anywhere", nullptr, -1, "abc12", "ABC12           "},
      {"clicked beyond the text", "AB              ", -1, "c", "ABC             "},
      {"inside the text", "AB              ", 1, "x", "AXB             "},
      {"no trailing blanks left", "0123456789ABCDEF", 16, "z", "0123456789ABCDEF"},
      {"caret at the very end", "AB              ", 16, "cd", "ABCD            "},
      {"no blanks after the caret", "AB             9", 15, "z", "AB             9"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    db.All = plug.all;
    for (int i = 0; i < 16; ++i) db.All.Radio(0x180 + i) = c.before ? static_cast<std::uint8_t>(c.before[i]) : 0xFF;
    auto window = Open<TfInfoMsg>();
    window->show();
    auto* serial = Child<QLineEdit>(window.get(), "cxSerial");
    ASSERT_EQ(serial->text().size(), 16);
    if (c.caret < 0) {
      QTest::mouseClick(serial, Qt::LeftButton, {}, serial->rect().center());
    } else {
      serial->setFocus();
      serial->setCursorPosition(c.caret);
    }
    QTest::keyClicks(serial, c.typed);
    const Bytes stored = RadioBytes(0x180, 16);
    EXPECT_EQ(std::string(stored.begin(), stored.end()), c.stored);
    EXPECT_EQ(serial->text(), QString::fromLatin1(c.stored));
  }
}

// ---- password -------------------------------------------------------------------

TEST_F(WindowsB, PassWordShowsLettersAndDigitsOfTheStoredBytes) {
  struct Case {
    const char* bytes;  // image offsets 0-7
    const char* shown;
  };
  for (const Case& c : {Case{"ab12    ", "ab12"}, Case{"\x01KX-7Q\xFF\x00", "KX 7Q"}, Case{"        ", ""}}) {
    SCOPED_TRACE(c.shown);
    std::copy_n(c.bytes, 8, db.All.Image.begin());
    EXPECT_EQ(Child<QLineEdit>(Open<TfPassWord>().get(), "cxoPasd")->text(), c.shown);
  }
}

TEST_F(WindowsB, PassWordStoresWithoutMarkingModified) {
  std::copy_n("ab12    old-new!", 16, db.All.Image.begin());
  auto window = Open<TfPassWord>();
  auto* password = Child<QLineEdit>(window.get(), "cxoPasd");
  auto* newPassword = Child<QLineEdit>(window.get(), "cxnPasd");
  auto* change = Child<QCheckBox>(window.get(), "cbNps");
  EXPECT_FALSE(change->isChecked());
  EXPECT_FALSE(newPassword->isEnabled());

  password->end(false);
  QTest::keyClicks(password, "c");
  EXPECT_EQ(IdentBytes(0, 16), Bytes(std::begin("ab12c   old-new!"), std::begin("ab12c   old-new!") + 16));

  // The switch enables the new password and shows what the image holds; the
  // bytes change with the next text.
  change->setChecked(true);
  EXPECT_TRUE(db.All.SetNewPassword);
  EXPECT_TRUE(newPassword->isEnabled());
  EXPECT_EQ(newPassword->text(), "old new");
  EXPECT_EQ(IdentBytes(8, 8), Bytes(std::begin("old-new!"), std::begin("old-new!") + 8));
  newPassword->clear();
  QTest::keyClicks(newPassword, " x,9 ");
  EXPECT_EQ(IdentBytes(0, 16), Bytes(std::begin("ab12c   x,9     "), std::begin("ab12c   x,9     ") + 16));

  change->setChecked(false);
  EXPECT_FALSE(db.All.SetNewPassword);
  EXPECT_FALSE(newPassword->isEnabled());
  QTest::keyClicks(password, "d");
  EXPECT_EQ(IdentBytes(0, 16), Bytes(std::begin("ab12cd  x,9     "), std::begin("ab12cd  x,9     ") + 16));
  EXPECT_FALSE(db.All.Modified);

  // With the switch on, a new window shows the new password too.
  db.All.SetNewPassword = true;
  auto again = Open<TfPassWord>();
  EXPECT_TRUE(Child<QCheckBox>(again.get(), "cbNps")->isChecked());
  EXPECT_TRUE(Child<QLineEdit>(again.get(), "cxnPasd")->isEnabled());
  EXPECT_EQ(Child<QLineEdit>(again.get(), "cxnPasd")->text(), "x 9");
}

// A new password set in an earlier visit is kept when the switch is turned
// on again and only the password is edited.
TEST_F(WindowsB, PassWordSwitchedOnAgainKeepsTheStoredNewPassword) {
  std::copy_n("old     abc     ", 16, db.All.Image.begin());
  db.All.SetNewPassword = false;
  auto window = Open<TfPassWord>();
  Child<QCheckBox>(window.get(), "cbNps")->setChecked(true);
  EXPECT_EQ(Child<QLineEdit>(window.get(), "cxnPasd")->text(), "abc");
  auto* password = Child<QLineEdit>(window.get(), "cxoPasd");
  password->end(false);
  QTest::keyClicks(password, "er");
  EXPECT_EQ(IdentBytes(0, 16), Bytes(std::begin("older   abc     "), std::begin("older   abc     ") + 16));
}

// ---- embedded message -------------------------------------------------------------

TEST_F(WindowsB, EmbeddedMessageTakesLettersDigitsAndBlanksAndStoresNothing) {
  const ImageBytes before = db.All.Image;
  QMdiArea area;
  ChildWindows windows(&area, db, main);
  bool ran = false;
  main.onDialog = [&](QDialog& dialog) {
    ran = true;
    EXPECT_EQ(dialog.objectName(), "fEmbeddedMessage");
    auto* first = Child<QLineEdit>(&dialog, "edEMA");
    auto* second = Child<QLineEdit>(&dialog, "edEMB");
    EXPECT_EQ(first->text(), "");
    QTest::keyClicks(first, "Hello, radio-1. Over");
    EXPECT_EQ(first->text(), "Hello radio1 Over");
    QTest::keyClicks(second, QString(40, QChar('z')));
    EXPECT_EQ(second->text().size(), 32);
  };
  EXPECT_TRUE(windows.RunCommand(18, nullptr));
  EXPECT_TRUE(ran);
  EXPECT_TRUE(db.All.Image == before);
  EXPECT_FALSE(db.All.Modified);
}

}  // namespace
}  // namespace kx7q
