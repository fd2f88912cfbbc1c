// The dialogs and the serial adapter against the virtual radio on a
// pseudo-terminal.
#include <QFile>
#include <QPushButton>
#include <QProgressBar>
#include <QSerialPort>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "support/qt/WaitFor.h"

#include <fstream>

#include "SimProcess.h"
#include "core/DataFile.h"
#include "core/ImageDefaults.h"
#include "i18n/qt/Localise.h"
#include "link/qt/PortScan.h"
#include "link/qt/TfReadRadio.h"
#include "link/qt/TfWriteRadio.h"

namespace kx7q {
namespace {

using test::SimProcess;

class LinkE2e : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir.isValid());
    FillBandList(db.FrqList);
    FillRegistry(db.MacList, db.All);
    ApplyModelInfo(db.All, db.MacList, db.FrqList, "QMV4", 243, true);
    SetImageDefaults(db.All, db.FrqList);
    db.All.Challenge = "kx7q-e2e-test-1";
    db.All.PortName = "COM7";
    db.SettingsPath = dir.filePath("SysInfo.Ini").toStdString();
    previous = SetMessageHandler([this](const QString&, const QString& text, MessageKind) {
      messages << text.section('\n', 0, 0);
      return true;
    });
  }
  void TearDown() override { SetMessageHandler(previous); }

  // COM7 is the virtual radio's terminal.
  void MapCom7(const QString& device) {
    std::ofstream ini(db.SettingsPath);
    ini << "[SysInfo]\nPort=COM7\n[Ports]\nCOM7=" << device.toStdString() << "\n";
  }

  // A data file whose channel area holds a pattern, for the radio to serve.
  std::string PatternFile() {
    TALL all = db.All;
    for (int a = 0x10; a < 0x110; ++a) all.Radio(a) = static_cast<std::uint8_t>(a * 3);
    const std::string path = dir.filePath("radio.dat").toStdString();
    EXPECT_TRUE(WriteDataFile(all, path).ok());
    pattern = all;
    return path;
  }

  static void ClickOkOnceOpen(LinkDialog& dialog) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog) || dialog.isVisible());
    ASSERT_TRUE(test::WaitFor([&] { return dialog.Session().Port().IsOpen() || !dialog.isVisible(); }, 10000));
    ASSERT_TRUE(dialog.btnOk->isEnabled());
    QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
  }

  QTemporaryDir dir;
  Maindb db;
  TALL pattern;
  QStringList messages;
  MessageHandler previous;
};

TEST_F(LinkE2e, ReadCommitsTheRadiosMemory) {
  SimProcess sim({"--image", QString::fromStdString(PatternFile()), "--once"});
  ASSERT_FALSE(sim.Path().isEmpty());
  MapCom7(sim.Path());
  db.All.Modified = false;
  db.All.Radio(0x20) = 0;

  TfReadRadio dialog(db);
  EXPECT_EQ(dialog.objectName(), "fReadRadio");
  EXPECT_EQ(dialog.windowTitle(), "Read data From radio");
  dialog.show();
  ClickOkOnceOpen(dialog);
  ASSERT_TRUE(test::WaitFor([&] { return !dialog.isVisible(); }, 15000));
  EXPECT_EQ(messages, QStringList{"Reading Completed."});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(db.All.Modified);
  for (int a = 0x10; a < 0x110; ++a) ASSERT_EQ(db.All.Radio(a), pattern.Radio(a)) << a;
  EXPECT_FALSE(dialog.Session().Port().IsOpen());
  EXPECT_TRUE(sim.WaitForExit());
}

TEST_F(LinkE2e, WriteReachesTheRadio) {
  const QString saved = dir.filePath("written.dat");
  SimProcess sim({"--band", "400 - 520MHz", "--save", saved, "--once"});
  MapCom7(sim.Path());
  for (int a = 0x10; a < 0x110; ++a) db.All.Radio(a) = static_cast<std::uint8_t>(a ^ 0x5A);

  TfWriteRadio dialog(db);
  EXPECT_EQ(dialog.objectName(), "fWriteRadio");
  dialog.show();
  ClickOkOnceOpen(dialog);
  ASSERT_TRUE(test::WaitFor([&] { return messages == QStringList{"Writing Completed."}; }, 15000));
  EXPECT_TRUE(dialog.isVisible());  // stays open for another radio
  EXPECT_TRUE(dialog.btnOk->isEnabled());
  EXPECT_EQ(dialog.pBar->value(), 0);
  ASSERT_TRUE(sim.WaitForExit());
  QFile file(saved);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_EQ(bytes.size(), kDataFileSize);
  for (int a = 0; a < kWriteSize; ++a)
    ASSERT_EQ(static_cast<std::uint8_t>(bytes[16 + a]), db.All.Radio(a)) << a;
  QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST_F(LinkE2e, RadioFaults) {
  const struct {
    const char* name;
    QStringList args;
    bool read;
    QString message;
    bool closes;
  } cases[] = {
      {"read, another model", {"--model", "ZZ99"}, true, "Model Type Wrong.", false},
      {"write, another model", {"--model", "QMV5"}, false, "Model Type Wrong.", true},
      {"read, wrong key", {"--wrong-key"}, true, "Please check all connections and communication port settings.", true},
      {"write, wrong key", {"--wrong-key"}, false, "Please check all connections and communication port settings.", true},
      {"read, silence", {"--silent-after", "3"}, true, "Please check all connections and communication port settings.", true},
      {"write, silence", {"--silent-after", "3"}, false, "Please check all connections and communication port settings.", true},
  };
  for (const auto& c : cases) {
    messages.clear();
    SimProcess sim(c.args);
    MapCom7(sim.Path());
    const ImageBytes before = db.All.Image;
    std::unique_ptr<LinkDialog> dialog;
    if (c.read)
      dialog = std::make_unique<TfReadRadio>(db);
    else
      dialog = std::make_unique<TfWriteRadio>(db);
    dialog->show();
    ClickOkOnceOpen(*dialog);
    ASSERT_TRUE(test::WaitFor([&] { return messages.size() == 1; }, 15000));
    EXPECT_EQ(messages.value(0), c.message) << c.name;
    if (c.closes) {
      ASSERT_TRUE(test::WaitFor([&] { return !dialog->isVisible(); }, 5000));
    } else {
      test::Spin(400);
      EXPECT_TRUE(dialog->isVisible()) << c.name;
      EXPECT_FALSE(dialog->btnOk->isEnabled()) << c.name;
    }
    EXPECT_NE(dialog->result(), QDialog::Accepted) << c.name;
    if (c.read) {
      EXPECT_EQ(db.All.Image, before) << c.name;
    }
    EXPECT_EQ(messages.size(), 1) << c.name;
  }
}

TEST_F(LinkE2e, LineBreakRestartsTheReadOnce) {
  SimProcess sim({"--image", QString::fromStdString(PatternFile()), "--break-after", "10"});
  MapCom7(sim.Path());
  TfReadRadio dialog(db);
  dialog.show();
  ClickOkOnceOpen(dialog);
  ASSERT_TRUE(test::WaitFor([&] { return !dialog.isVisible(); }, 15000));
  EXPECT_EQ(messages, QStringList{"Reading Completed."});
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  for (int a = 0x10; a < 0x110; ++a) ASSERT_EQ(db.All.Radio(a), pattern.Radio(a)) << a;
}

TEST_F(LinkE2e, VanishedDeviceClosesThePortAndReportsOnce) {
  auto sim = std::make_unique<SimProcess>(QStringList{"--pace"});
  MapCom7(sim->Path());
  const ImageBytes before = db.All.Image;
  TfReadRadio dialog(db);
  dialog.show();
  ClickOkOnceOpen(dialog);
  ASSERT_TRUE(test::WaitFor([&] { return dialog.pBar->value() >= 2; }, 15000));
  sim.reset();  // the cable is pulled
  ASSERT_TRUE(test::WaitFor([&] { return !dialog.isVisible(); }, 15000));
  ASSERT_EQ(messages.size(), 1);
  EXPECT_EQ(messages[0], "Cannot Open Communication Port.");
  EXPECT_FALSE(dialog.Session().Port().IsOpen());
  EXPECT_EQ(db.All.Image, before);
}

TEST_F(LinkE2e, CancelDuringTheTransferClosesAtOnceAndKeepsTheCodePlug) {
  for (bool read : {true, false}) {
    messages.clear();
    SimProcess sim({"--pace"});
    MapCom7(sim.Path());
    const ImageBytes before = db.All.Image;
    db.All.Modified = false;
    std::unique_ptr<LinkDialog> dialog;
    if (read)
      dialog = std::make_unique<TfReadRadio>(db);
    else
      dialog = std::make_unique<TfWriteRadio>(db);
    dialog->show();
    ClickOkOnceOpen(*dialog);
    ASSERT_TRUE(test::WaitFor([&] { return dialog->pBar->value() >= 3; }, 15000));
    QTest::mouseClick(dialog->btnCancel, Qt::LeftButton);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_FALSE(dialog->Session().Port().IsOpen());
    test::Spin(700);  // longer than any reply time-out
    EXPECT_TRUE(messages.isEmpty()) << read;
    EXPECT_FALSE(db.All.Modified);
    if (read) {
      EXPECT_EQ(db.All.Image, before);
      EXPECT_NE(dialog->result(), QDialog::Accepted);
    }
  }
}

TEST_F(LinkE2e, PortThatCannotBeOpenedIsReportedWithItsReason) {
  MapCom7(dir.filePath("no-such-device"));
  QString text;
  SetMessageHandler([&](const QString&, const QString& t, MessageKind) {
    text = t;
    return true;
  });
  TfWriteRadio dialog(db);
  dialog.show();
  ASSERT_TRUE(test::WaitFor([&] { return !dialog.isVisible(); }, 5000));
  EXPECT_TRUE(text.startsWith("Cannot Open Communication Port.\n")) << text.toStdString();
  EXPECT_TRUE(text.contains("no-such-device")) << text.toStdString();
}

TEST_F(LinkE2e, DialogsTakeTheirTextsFromTheLanguageFile) {
  db.All.AppDir = dir.path().toStdString() + "/";
  db.All.LanguageName = "Test";
  db.All.LanguageIndex = 1;
  {
    std::ofstream ini(dir.filePath("Test.Ini").toStdString());
    ini << "[fReadRadio]\nfReadRadio.Caption=Lesen\nbtnOk.Caption=&Los\n"
           "[fWriteRadio]\nbtnCancel.Caption=&Abbruch\n";
  }
  MapCom7(dir.filePath("no-such-device"));
  TfReadRadio read(db);
  read.show();
  EXPECT_EQ(read.windowTitle(), "Lesen");
  EXPECT_EQ(read.btnOk->text(), "&Los");
  EXPECT_EQ(read.btnCancel->text(), "&Cancel");
  TfWriteRadio write(db);
  write.show();
  EXPECT_EQ(write.windowTitle(), "Write data to radio");
  EXPECT_EQ(write.btnCancel->text(), "&Abbruch");
}

TEST_F(LinkE2e, PresentPortsListsOpenableDevicesOnly) {
  SimProcess sim({});
  {
    std::ofstream ini(db.SettingsPath);
    ini << "[Ports]\nCOM7=" << sim.Path().toStdString() << "\nCOM8=" << dir.filePath("none").toStdString()
        << "\n";
  }
  const QStringList ports = PresentPorts(QString::fromStdString(db.SettingsPath));
  EXPECT_TRUE(ports.contains("COM7"));
  EXPECT_FALSE(ports.contains("COM8"));
  // The list is in rising order of the number.
  for (int i = 1; i < ports.size(); ++i) EXPECT_LT(ports[i - 1].mid(3).toInt(), ports[i].mid(3).toInt());

  // A port that a transfer (or another program) holds is not offered.
  QSerialPort held(sim.Path());
  ASSERT_TRUE(held.open(QIODevice::ReadWrite));
  EXPECT_FALSE(PresentPorts(QString::fromStdString(db.SettingsPath)).contains("COM7"));
}

}  // namespace
}  // namespace kx7q
