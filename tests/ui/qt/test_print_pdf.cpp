// The report as a PDF file: rendered back to text with pdftotext, it holds
// the header, the group headings on their own pages and the lines' values.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <filesystem>
#include <vector>

#include "support/TempDir.h"
#include "support/qt/PdfText.h"
#include "ui/qt/ReportPainter.h"

namespace kx7q {
namespace {

ReportTables MadeUpReport() {
  ReportTables t;
  t.AppendMain({"KX-7Q", "Model Type", "KX-7Q UHF", "Frequency[MHz]", "400 - 520MHz", "Serial Number",
                "AB12", "", ""});
  t.AppendLine(kFunctionGroup, "Key Function", "KEY-1", "Transient Monmome");
  t.AppendLine(kFunctionGroup, "Vox Function", "VOX Gain Level", "5");
  t.AppendLine(kFunctionGroup, "Vox Function", "VOX Delay Time[s]", "1.0");
  t.AppendLine(kChannelGroup, "Channel Information", "", "");
  t.AppendLine(kChannelGroup, "Channel Information", "No.1", "");
  t.AppendLine(kChannelGroup, "Channel Information", "RX Frequency", "462.56250", "TX Frequency", "462.56250");
  // A Chinese value must print as text, not as missing glyphs.
  t.AppendLine(kChannelGroup, "Channel Information", "TX Power", "\xE9\xAB\x98" /* 高 */, "W/N", "Wide");
  return t;
}

TEST(PrintPdf, HeaderHeadingsAndValuesAreInTheText) {
  test::TempDir dir;
  const QString path = QString::fromStdString(dir.File("report.pdf"));
  const QDateTime now(QDate(2024, 3, 9), QTime(14, 5, 7));
  ASSERT_TRUE(ExportReportPdf(MadeUpReport(), path, now).ok());

  const QStringList pages = test::PdfPages(path);
  ASSERT_EQ(pages.size(), 2) << "the channel group starts a new page";
  for (const QString& page : pages) {
    EXPECT_TRUE(page.contains("KX-7Q")) << "title on every page";
    EXPECT_TRUE(page.contains("2024/03/09"));
    EXPECT_TRUE(page.contains("14:05:07"));
    EXPECT_TRUE(page.contains("Model Type"));
    EXPECT_TRUE(page.contains("KX-7Q UHF"));
    EXPECT_TRUE(page.contains("400 - 520MHz"));
    EXPECT_TRUE(page.contains("Serial Number"));
  }
  const QString& first = pages[0];
  EXPECT_TRUE(first.contains("Key Function"));
  EXPECT_FALSE(first.contains("Vox Function")) << "VOX lines are under the key group's heading";
  EXPECT_TRUE(first.contains(QRegularExpression("KEY-1\\s+Transient Monmome")));
  EXPECT_TRUE(first.contains(QRegularExpression("VOX Delay Time\\[s\\]\\s+1\\.0")));
  EXPECT_FALSE(first.contains("Channel Information"));

  const QString& second = pages[1];
  EXPECT_TRUE(second.contains("Channel Information"));
  EXPECT_TRUE(second.contains("No.1"));
  EXPECT_TRUE(second.contains(QRegularExpression("RX Frequency\\s+462\\.56250\\s+TX Frequency\\s+462\\.56250")));
  EXPECT_TRUE(second.contains(QString::fromUtf8("\xE9\xAB\x98")));
  EXPECT_TRUE(second.contains(QRegularExpression("^\\s+2\\s*$", QRegularExpression::MultilineOption)))
      << "page number";
}

// A file that cannot be written is reported with the path and the reason,
// also when the failure shows only as the data is flushed (a full disk).
TEST(PrintPdf, UnwritableFileIsReportedAsFileErrorWithTheReason) {
  test::TempDir dir;
  struct Case {
    std::string path, reason;
  };
  std::vector<Case> cases = {
      {dir.File("no-such-folder/report.pdf"), "No such file or directory"},
      {dir.path(), "Is a directory"},
  };
  // The kernel's always-full device, where the system has one.
  if (std::filesystem::is_character_file("/dev/full")) cases.push_back({"/dev/full", "No space left on device"});
  for (const Case& c : cases) {
    const Status status = ExportReportPdf(MadeUpReport(), QString::fromStdString(c.path), QDateTime::currentDateTime());
    EXPECT_EQ(status.key, "FileError") << c.path;
    EXPECT_EQ(status.detail.rfind(c.path, 0), 0u) << status.detail;
    EXPECT_NE(status.detail.find(c.reason), std::string::npos) << status.detail;
  }
}

}  // namespace
}  // namespace kx7q
