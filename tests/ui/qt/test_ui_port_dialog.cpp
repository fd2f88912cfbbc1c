// The start-up port check and the port dialog, over made-up port lists.
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

#include "link/qt/TfSetPort.h"
#include "support/qt/MainFrameFixture.h"

namespace kx7q::test {
namespace {

TEST(UiPortCheck, ConfiguredPortIsKeptOnlyWhenPresent) {
  struct Case {
    const char* configured;
    QStringList present;
    const char* expected;
  } cases[] = {
      {"com7", {"COM1", "COM4", "COM12"}, "COM1"},
      {"COM4", {"COM1", "COM4", "COM12"}, "COM4"},
      {"Com1", {}, "COM1"},
      {"com9", {}, "COM9"},
      {"COM25", {"COM3", "COM25"}, "COM25"},
      {"", {"COM2"}, "COM2"},
  };
  for (const auto& c : cases) {
    TALL all;
    all.PortName = c.configured;
    CheckStartupPort(all, c.present);
    EXPECT_EQ(all.PortName, c.expected) << c.configured;
  }
}

class UiStartupPort : public MainFrameFixture {};

TEST_F(UiStartupPort, FirstShowChecksTheConfiguredPort) {
  struct Case {
    QStringList present;
    const char* expected;
  } cases[] = {{{"COM1", "COM4", "COM12"}, "COM1"}, {{}, "COM7"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    ports = c.present;
    StartProgram({{"SysInfo.Ini", "[SysInfo]\nCom=com7\n"}});
    EXPECT_EQ(db.All.PortName, c.expected);
    EXPECT_EQ(frame->StatusPanel(3), QString("Port: ") + c.expected);
  }
}

class UiPortDialog : public MainFrameFixture {
 protected:
  void SetUp() override { StartProgram(); }

  std::vector<int> Enabled(const TfSetPort& dialog) const {
    std::vector<int> numbers;
    for (int n = 1; n <= kDialogPorts; ++n)
      if (dialog.PortButton(n)->isEnabled()) numbers.push_back(n);
    return numbers;
  }
  int Selected(const TfSetPort& dialog) const {
    for (int n = 1; n <= kDialogPorts; ++n)
      if (dialog.PortButton(n)->isChecked()) return n;
    return 0;
  }
};

TEST_F(UiPortDialog, OffersThePresentPortsAndSelectsTheCurrentOne) {
  db.All.PortName = "COM4";
  TfSetPort dialog(db, {"COM1", "COM4", "COM12", "COM25"});
  EXPECT_EQ(Enabled(dialog), (std::vector<int>{1, 4, 12}));
  EXPECT_EQ(Selected(dialog), 4);
  EXPECT_EQ(dialog.PortButton(12)->text(), "COM12");
  EXPECT_EQ(dialog.PortButton(12)->objectName(), "cxPort12");
  EXPECT_EQ(dialog.cxPort->title(), "Communication Port");

  dialog.PortButton(12)->setChecked(true);
  dialog.btnOk->click();
  EXPECT_EQ(db.All.PortName, "COM12");
}

TEST_F(UiPortDialog, PortsBeyondTheButtonsOrNoneLeaveTheSettingAlone) {
  struct Case {
    const char* configured;
    QStringList present;
  } cases[] = {{"COM25", {"COM3", "COM25"}}, {"COM2", {}}, {"COMX", {"COM1"}}};
  for (const auto& c : cases) {
    db.All.PortName = c.configured;
    TfSetPort dialog(db, c.present);
    if (c.present.isEmpty()) EXPECT_TRUE(Enabled(dialog).empty());
    if (std::string(c.configured) != "COM2") EXPECT_EQ(Selected(dialog), 0) << c.configured;
    dialog.btnOk->click();
    EXPECT_EQ(db.All.PortName, c.configured);
  }
}

TEST_F(UiPortDialog, CancelKeepsThePortAndTheStatusBarShowsAChange) {
  dialogAnswers["fSetPort"] = [](QDialog& d) {
    static_cast<TfSetPort&>(d).PortButton(12)->setChecked(true);
    static_cast<TfSetPort&>(d).btnCancel->click();
  };
  frame->ExecuteCommand(31);
  EXPECT_EQ(db.All.PortName, "COM1");
  dialogAnswers["fSetPort"] = [](QDialog& d) {
    static_cast<TfSetPort&>(d).PortButton(12)->setChecked(true);
    static_cast<TfSetPort&>(d).btnOk->click();
  };
  frame->ExecuteCommand(31);
  EXPECT_EQ(db.All.PortName, "COM12");
  EXPECT_EQ(frame->StatusPanel(3), "Port: COM12");
}

TEST_F(UiPortDialog, LocalisedButtonsUseTheLabelAsPrefix) {
  dir.PutText("Deutsch.Ini", "[fSetPort]\nlbName.Caption=Anschluss \nfSetPort.Caption=Schnittstelle\n");
  db.All.LanguageName = "Deutsch";
  db.All.LanguageIndex = 1;
  TfSetPort dialog(db, {"COM1"});
  EXPECT_EQ(dialog.PortButton(3)->text(), "Anschluss3");  // blanks around values are dropped
  EXPECT_EQ(dialog.cxPort->title(), "Schnittstelle");
}

}  // namespace
}  // namespace kx7q::test
