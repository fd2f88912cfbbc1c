// The print and preview commands over the real windows: the report tables
// they fill, what happens to the windows, the print dialog, the preview and
// its PDF export, and a language file's texts.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QMdiArea>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QRegularExpression>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/Startup.h"
#include "channels/ChannelCodec.h"
#include "core/ImageDefaults.h"
#include "settings/KeyFunction.h"
#include "settings/OptionalFunctions.h"
#include "settings/RadioInformation.h"
#include "settings/VoxFunction.h"
#include "support/TempDir.h"
#include "support/qt/MessageAnswers.h"
#include "support/qt/PdfText.h"
#include "ui/ReportTables.h"
#include "ui/qt/ChildWindows.h"
#include "ui/qt/NullMainOps.h"
#include "ui/qt/ReportPreview.h"
#include "ui/qt/TfMainFrm.h"

namespace kx7q {
namespace {

constexpr int kPrint = 5, kPreview = 6;

// The frame's part in printing: it runs the dialogs, which the test answers.
class DialogAnswers : public NullMainOps {
 public:
  int RunDialog(QDialog& dialog) override {
    ++runs;
    if (!answer) return QDialog::Rejected;
    return answer(dialog);
  }
  std::function<int(QDialog&)> answer;
  int runs = 0;
};

class PrintCommand : public ::testing::Test {
 protected:
  void SetUp() override { Start(); }

  // Start-up in a fresh program folder, then a new code plug for the first model.
  void Start(const std::string& languageName = {}) {
    if (!languageName.empty()) dir.PutText("SysInfo.Ini", "[SysInfo]\nLanguage=English|" + languageName + "\nDefaultLanguage=1\n");
    StartupOptions options;
    options.executablePath = dir.File("kx7q");
    options.settingsPath = dir.File("SysInfo.Ini");
    options.machineIdentity = "test-machine";
    DataModuleCreate(db, options);
    ApplyModelInfo(db.All, db.MacList, db.FrqList, "QMV4", 0, false);
    ParseCurrentBand(db.All);
    SetImageDefaults(db.All, db.FrqList, [] { return std::string("2010-05-06 12:34:56"); });
  }

  // A channel as the grid makes one: TX = RX.
  void Program(int channel, const char* rx) {
    ASSERT_TRUE(EncodeChannelField(db.All, channel, ChannelField::RxFreq, rx));
    ASSERT_TRUE(EncodeChannelField(db.All, channel, ChannelField::TxFreq, rx));
  }

  void Run(int tag) { ASSERT_TRUE(windows.RunCommand(tag, nullptr)); }

  const ReportTables& Tables() const { return PrintTables(); }

  std::vector<std::string> AFields() const {
    std::vector<std::string> fields;
    for (const auto& line : Tables().myAdo) fields.push_back(line.AField);
    return fields;
  }

  static int EditWindowsAlive() {
    int count = 0;
    for (QWidget* w : QApplication::allWidgets())
      if (qobject_cast<EditWindow*>(w) != nullptr) ++count;
    return count;
  }

  test::TempDir dir;
  Maindb db;
  DialogAnswers main;
  QMdiArea area;
  ChildWindows windows{&area, db, main};
  test::MessageAnswers boxes;
};

TEST_F(PrintCommand, NoProgrammedChannelGivesHeaderKeyVoxGroupAndOneEmptyChannelLine) {
  Run(kPreview);
  ASSERT_EQ(Tables().myMain.size(), 1u);
  const ReportMainRecord& h = Tables().myMain[0];
  EXPECT_EQ(h.Title, db.All.ModelBaseName);
  EXPECT_EQ(h.AField, "Model Type");
  EXPECT_EQ(h.AValue, db.All.ModelName);
  EXPECT_EQ(h.BField, "Frequency[MHz]");
  EXPECT_EQ(h.BValue, "400 - 520MHz");
  EXPECT_EQ(h.CField, "Serial Number");
  EXPECT_EQ(h.CValue, std::string(16, ' ')) << "an erased serial number shows as 16 blanks";
  EXPECT_EQ(h.DFiled + h.DValue, "");

  struct Line {
    int type;
    const char *name, *aField, *aValue;
  };
  const Line expected[] = {
      {kFunctionGroup, "Key Function", "KEY-1", "Transient Monmome"},
      {kFunctionGroup, "Vox Function", "VOX Gain Level", "5"},
      {kFunctionGroup, "Vox Function", "VOX Delay Time[s]", "1.0"},
      {kChannelGroup, "Channel Information", "", ""},
  };
  ASSERT_EQ(Tables().myAdo.size(), std::size(expected));
  for (std::size_t i = 0; i < std::size(expected); ++i) {
    const ReportLineRecord& line = Tables().myAdo[i];
    EXPECT_EQ(line.TypeID, expected[i].type) << i;
    EXPECT_EQ(line.TypeName, expected[i].name) << i;
    EXPECT_EQ(line.AField, expected[i].aField) << i;
    EXPECT_EQ(line.AValue, expected[i].aValue) << i;
    EXPECT_EQ(line.BField + line.BValue, "") << i;
  }
  // The windows made for the fill are gone again.
  EXPECT_TRUE(windows.Open().empty());
  EXPECT_EQ(EditWindowsAlive(), 0);
}

TEST_F(PrintCommand, ChannelsOneTwoAndFiveGiveNineteenChannelLines) {
  Program(1, "462.5625");
  Program(2, "401.1");
  ASSERT_TRUE(EncodeChannelField(db.All, 2, ChannelField::RxTone, "D023N"));
  Program(5, "519.99");
  Run(kPreview);

  const auto& lines = Tables().myAdo;
  ASSERT_EQ(lines.size(), 3u + 19u);
  const std::vector<std::string> fields = AFields();
  EXPECT_EQ(fields[4], "No.1");
  EXPECT_EQ(fields[10], "No.2");
  EXPECT_EQ(fields[16], "No.5");
  for (std::size_t i = 3; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].TypeID, kChannelGroup);
    EXPECT_EQ(lines[i].TypeName, "Channel Information");
  }
  // Channel 2 as the grid shows it.
  const ReportLineRecord& rx = lines[11];
  EXPECT_EQ(rx.AField, "RX Frequency");
  EXPECT_EQ(rx.AValue, "401.10000");
  EXPECT_EQ(rx.BField, "TX Frequency");
  EXPECT_EQ(rx.BValue, "401.10000");
  EXPECT_EQ(lines[12].AValue, "D023N");
  EXPECT_EQ(lines[12].BValue, "None");
  EXPECT_EQ(lines[15].AField, "Scrambler");
  EXPECT_EQ(lines[15].BField, "Busy Lock");
}

TEST_F(PrintCommand, PrintingTwiceGivesTheSameRecords) {
  Program(3, "450");
  Run(kPreview);
  const std::vector<std::string> first = AFields();
  Run(kPrint);  // the print dialog is cancelled: nothing is printed
  EXPECT_EQ(AFields(), first);
  EXPECT_EQ(Tables().myMain.size(), 1u);
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(PrintCommand, OpenWindowsAreRefreshedAndStayOpen) {
  EditWindow* key = windows.Show(12);
  EditWindow* grid = windows.Show(10);
  ASSERT_NE(key, nullptr);
  ASSERT_NE(grid, nullptr);
  // Behind the open key window's back: KEY-1 becomes "Scan".
  db.All.Radio(kKey1Address) = 3;
  Run(kPreview);
  EXPECT_EQ(Tables().myAdo[0].AValue, "Scan");
  EXPECT_EQ(windows.Find(12), key);
  EXPECT_EQ(windows.Find(10), grid);
  EXPECT_EQ(windows.Open().size(), 2u);
}

TEST_F(PrintCommand, PreviewOpensAtFullSizeAndExportsPdf) {
  Program(1, "462.5625");
  const QString good = QString::fromStdString(dir.File("preview"));  // gets ".pdf"
  const QString bad = QString::fromStdString(dir.File("missing/preview.pdf"));
  QString zoomMode;
  double zoom = 0;
  main.answer = [&](QDialog& dialog) {
    auto* preview = qobject_cast<TfReportPreview*>(&dialog);
    if (preview == nullptr) return int(QDialog::Rejected);
    preview->show();
    zoom = preview->Preview()->zoomFactor();
    zoomMode = preview->Preview()->zoomMode() == QPrintPreviewWidget::CustomZoom ? "custom" : "fit";
    for (const QString& path : {good, bad}) {
      preview->chooseExportFile = [path] { return path; };
      preview->ExportAction()->trigger();
    }
    preview->hide();
    return int(QDialog::Rejected);
  };
  Run(kPreview);
  ASSERT_EQ(main.runs, 1);
  EXPECT_EQ(zoomMode, "custom");
  EXPECT_DOUBLE_EQ(zoom, 1.0);
  EXPECT_TRUE(test::PdfText(good + ".pdf").contains(QRegularExpression("RX Frequency\\s+462\\.56250")));
  ASSERT_EQ(boxes.Boxes().size(), 1u) << "the export that cannot be written says so";
  EXPECT_TRUE(boxes.Boxes()[0].text.startsWith("The file cannot be read or written."));
}

// A print dialog that turns the paper to landscape gets shorter pages, with
// every line still on one of them.
TEST_F(PrintCommand, LandscapePaperFromThePrintDialogLosesNoLine) {
  for (int n = 1; n <= 16; ++n) Program(n, "450");
  const QString path = QString::fromStdString(dir.File("landscape.pdf"));
  main.answer = [&](QDialog& dialog) {
    auto* print = qobject_cast<QPrintDialog*>(&dialog);
    if (print == nullptr) return int(QDialog::Rejected);
    print->printer()->setOutputFileName(path);
    print->printer()->setPageOrientation(QPageLayout::Landscape);
    return int(QDialog::Accepted);
  };
  Run(kPrint);
  const QString text = test::PdfText(path);
  EXPECT_EQ(text.count("Busy Lock"), 16);
  EXPECT_TRUE(text.contains("No.16"));
  EXPECT_GT(text.count(QChar('\f')), 5) << "more, shorter pages than on portrait Letter";
}

// The export's own file dialog: a bare name gets ".pdf" before the dialog
// checks for an existing file, so "old" does not silently replace old.pdf.
TEST_F(PrintCommand, PreviewExportAsksBeforeReplacingAFile) {
  dir.PutText("old.pdf", "keep me");
  const QString typed = QString::fromStdString(dir.File("old"));
  bool typedName = false, askedToReplace = false;
  QTimer driver;  // answers the nested dialogs as a user would
  QObject::connect(&driver, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* box = qobject_cast<QMessageBox*>(modal)) {
      askedToReplace = true;
      box->button(QMessageBox::No)->click();
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
      if (typedName) {
        files->reject();
        return;
      }
      auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      if (name == nullptr) {
        files->reject();
        return;
      }
      typedName = true;
      name->setText(typed);
      // Queued: the replace question runs its own loop inside accept().
      QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
    }
  });
  main.answer = [&](QDialog& dialog) {
    auto* preview = qobject_cast<TfReportPreview*>(&dialog);
    if (preview == nullptr) return int(QDialog::Rejected);
    preview->show();
    driver.start(10);
    preview->ExportAction()->trigger();
    driver.stop();
    preview->hide();
    return int(QDialog::Rejected);
  };
  Run(kPreview);
  EXPECT_TRUE(typedName);
  EXPECT_TRUE(askedToReplace);
  EXPECT_TRUE(dir.Text("old.pdf") == "keep me") << "old.pdf was replaced";
}

TEST_F(PrintCommand, PrintDialogOffersPdfAndPrintsTheCurrentCodePlug) {
  Program(2, "433.025");
  db.All.Radio(kKey1Address) = 0;
  const QString path = QString::fromStdString(dir.File("printed.pdf"));
  QStringList destinations;
  main.answer = [&](QDialog& dialog) {
    auto* print = qobject_cast<QPrintDialog*>(&dialog);
    if (print == nullptr) return int(QDialog::Rejected);
    print->show();
    for (const QComboBox* box : print->findChildren<QComboBox*>())
      for (int i = 0; i < box->count(); ++i) destinations << box->itemText(i);
    print->hide();
    print->printer()->setOutputFileName(path);
    return int(QDialog::Accepted);
  };
  Run(kPrint);
  EXPECT_TRUE(destinations.filter("PDF").size() > 0) << destinations.join(", ").toStdString();
  const QString text = test::PdfText(path);
  EXPECT_TRUE(text.contains(QString::fromStdString(db.All.ModelBaseName)));
  EXPECT_TRUE(text.contains(QRegularExpression("Model Type\\s+" + QRegularExpression::escape(
                                                   QString::fromStdString(db.All.ModelName)))));
  EXPECT_TRUE(text.contains(QRegularExpression("Frequency\\[MHz\\]\\s+400 - 520MHz")));
  EXPECT_TRUE(text.contains("Key Function"));
  EXPECT_TRUE(text.contains(QRegularExpression("KEY-1\\s+Off")));
  EXPECT_TRUE(text.contains("Channel Information"));
  EXPECT_TRUE(text.contains("No.2"));
  EXPECT_TRUE(text.contains(QRegularExpression("RX Frequency\\s+433\\.02500\\s+TX Frequency\\s+433\\.02500")));
  EXPECT_TRUE(boxes.Boxes().empty());
}

// Printing reads the windows; it must never write back into the code plug,
// whether the windows are made for the fill or already open. The bytes chosen
// are ones a window would rewrite if it stored what it shows: a serial number
// with a dash (shown as a blank), the VOX mic-control code 1 (shown as None,
// stored as 3) and a gain byte whose low bit disagrees with the mic control.
TEST_F(PrintCommand, PrintingLeavesTheCodePlugAsItWas) {
  Program(1, "462.5625");
  db.All.Radio(kSerialNumberAddress) = 'A';
  db.All.Radio(kSerialNumberAddress + 1) = '-';
  db.All.Radio(kInhibitMicAddress) = 0xF7;  // mic-control bits 3-2 = 01
  db.All.Radio(kVoxGainAddress) = 8;        // gain 5, low bit says Vox
  db.All.Modified = false;
  const ImageBytes before = db.All.Image;

  Run(kPreview);  // the windows are made for the fill
  EXPECT_EQ(db.All.Image, before);
  for (int tag : {15, 12, 13, 14, 10}) ASSERT_NE(windows.Show(tag), nullptr) << tag;
  Run(kPreview);  // the open windows are refreshed
  EXPECT_EQ(db.All.Image, before);
  EXPECT_FALSE(db.All.Modified);
}

// Printing to a file that cannot be written names the file and the reason,
// also when the failure shows only as the data is flushed (a full disk).
TEST_F(PrintCommand, PrintToAFileThatCannotBeWrittenSaysSo) {
  struct Case {
    QString path, reason;
  };
  std::vector<Case> cases = {{QString::fromStdString(dir.File("missing/printed.pdf")), "No such file or directory"}};
  if (std::filesystem::is_character_file("/dev/full")) cases.push_back({"/dev/full", "No space left on device"});
  for (const Case& c : cases) {
    boxes.Clear();
    main.answer = [&](QDialog& dialog) {
      auto* print = qobject_cast<QPrintDialog*>(&dialog);
      if (print == nullptr) return int(QDialog::Rejected);
      print->printer()->setOutputFileName(c.path);
      return int(QDialog::Accepted);
    };
    Run(kPrint);
    ASSERT_EQ(boxes.Boxes().size(), 1u) << c.path.toStdString();
    const QString text = boxes.Boxes()[0].text;
    EXPECT_TRUE(text.startsWith("The file cannot be read or written.")) << text.toStdString();
    EXPECT_TRUE(text.contains(c.path + ": " + c.reason)) << text.toStdString();
  }
}

// The print dialog's page range chooses which pages are printed; a range
// past the report's end prints nothing and says so.
TEST_F(PrintCommand, PrintDialogPageRangeIsHonoured) {
  Program(1, "462.5625");
  const QString path = QString::fromStdString(dir.File("range.pdf"));
  int maxPage = 0, from = 2;
  main.answer = [&](QDialog& dialog) {
    auto* print = qobject_cast<QPrintDialog*>(&dialog);
    if (print == nullptr) return int(QDialog::Rejected);
    maxPage = print->maxPage();
    // What the dialog leaves on the printer for "Pages from 2 to 2".
    print->printer()->setOutputFileName(path);
    print->printer()->setPrintRange(QPrinter::PageRange);
    print->printer()->setFromTo(from, from);
    return int(QDialog::Accepted);
  };
  Run(kPrint);
  EXPECT_EQ(maxPage, 2) << "the dialog offers the report's pages";
  const QStringList pages = test::PdfPages(path);
  ASSERT_EQ(pages.size(), 1);
  EXPECT_TRUE(pages[0].contains("Channel Information"));
  EXPECT_FALSE(pages[0].contains("Key Function"));
  EXPECT_TRUE(boxes.Boxes().empty());

  QFile::remove(path);
  from = 3;
  Run(kPrint);
  EXPECT_FALSE(QFile::exists(path)) << "no blank sheet";
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_TRUE(boxes.Boxes()[0].text.startsWith("The report could not be printed."));
}

class PrintCommandLocalised : public PrintCommand {
 protected:
  void SetUp() override {
    dir.PutText("Test.Ini",
                "[Language]\n"
                "Channel=\xE4\xBF\xA1\xE9\x81\x93\n"  // 信道
                "Info=\xE4\xBF\xA1\xE6\x81\xAF\n"     // 信息
                "[fInfoMsg]\n"
                "lModel.Caption=\xE5\x9E\x8B\xE5\x8F\xB7\n"  // 型号
                "[fKeyFun]\n"
                "fKeyFun.Caption=\xE6\x8C\x89\xE9\x94\xAE\n"  // 按键
                "L1.Caption=K1\n"
                "List_Short.2=\xE7\x9E\xAC\xE6\x97\xB6\n"  // 瞬时
                "[fVoxFun]\n"
                "L2.Caption=Delay\n"
                "[fChInfo]\n"
                "cxPower.1=\xE9\xAB\x98\n");  // 高
    Start("Test");
  }
};

TEST_F(PrintCommandLocalised, LabelsHeadingsAndValuesAreTheWindowsTexts) {
  Program(1, "462.5625");
  Run(kPreview);
  EXPECT_EQ(Tables().myMain[0].AField, "\xE5\x9E\x8B\xE5\x8F\xB7");
  const auto& lines = Tables().myAdo;
  ASSERT_EQ(lines.size(), 3u + 7u);
  EXPECT_EQ(lines[0].TypeName, "\xE6\x8C\x89\xE9\x94\xAE");
  EXPECT_EQ(lines[0].AField, "K1");
  EXPECT_EQ(lines[0].AValue, "\xE7\x9E\xAC\xE6\x97\xB6");
  EXPECT_EQ(lines[2].AField, "Delay");
  EXPECT_EQ(lines[3].TypeName, "\xE4\xBF\xA1\xE9\x81\x93\xE4\xBF\xA1\xE6\x81\xAF");
  EXPECT_EQ(lines[7].AValue, "\xE9\xAB\x98") << "TX Power of channel 1";
}

// The main window's menu and toolbar reach the commands; the grid it opened
// at start-up stays open through a preview.
TEST_F(PrintCommand, MainWindowRunsPreviewAndPrint) {
  TfMainFrm frame(db);
  frame.presentPorts = [] { return QStringList{"COM1"}; };
  QStringList dialogs;
  frame.dialogRunner = [&](QDialog& dialog) {
    dialogs << QString::fromLatin1(dialog.metaObject()->className());
    return int(QDialog::Rejected);
  };
  frame.FormShow();
  EditWindow* grid = frame.Windows().Find(10);
  ASSERT_NE(grid, nullptr);
  Program(1, "462.5625");
  grid->Refresh();

  ASSERT_NE(frame.MenuAction(kPreview), nullptr);
  frame.MenuAction(kPreview)->trigger();
  ASSERT_NE(frame.ToolbarAction(kPrint), nullptr);
  frame.ToolbarAction(kPrint)->trigger();
  EXPECT_EQ(dialogs, (QStringList{"kx7q::TfReportPreview", "QPrintDialog"}));
  EXPECT_EQ(frame.Windows().Find(10), grid);
  EXPECT_EQ(Tables().myAdo.size(), 3u + 7u);
  EXPECT_EQ(Tables().myAdo[4].AField, "No.1");
}

}  // namespace
}  // namespace kx7q
