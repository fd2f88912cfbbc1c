// The report tables (cutting to column width, the channel lines) and the
// pagination of the line table.
#include <gtest/gtest.h>

#include "ui/ReportTables.h"
#include "ui/ReportTemplate.h"

namespace kx7q {
namespace {

TEST(PrintTables, CutToWidthCountsCharactersNotBytes) {
  struct Case {
    const char* text;
    std::size_t width;
    const char* expected;
  };
  const Case cases[] = {
      {"Channel Information", 20, "Channel Information"},
      {"Channel Information!!", 20, "Channel Information!"},
      {"", 5, ""},
      // 信道信息 is four characters of three bytes each: never split one.
      {"\xE4\xBF\xA1\xE9\x81\x93\xE4\xBF\xA1\xE6\x81\xAF", 3, "\xE4\xBF\xA1\xE9\x81\x93\xE4\xBF\xA1"},
      {"\xE4\xBF\xA1\xE9\x81\x93\xE4\xBF\xA1\xE6\x81\xAF", 4, "\xE4\xBF\xA1\xE9\x81\x93\xE4\xBF\xA1\xE6\x81\xAF"},
  };
  for (const Case& c : cases) EXPECT_EQ(CutToWidth(c.text, c.width), c.expected) << c.text << " / " << c.width;
}

TEST(PrintTables, AppendCutsEachFieldToItsColumn) {
  ReportTables t;
  t.AppendMain({std::string(25, 'T'), "a", "b", "c", "d", std::string(40, 'C'), "v", "", ""});
  t.AppendLine(9, std::string(30, 'N'), std::string(120, 'A'), "x");
  EXPECT_EQ(t.myMain[0].Title.size(), kTitleWidth);
  EXPECT_EQ(t.myMain[0].CField.size(), kShortTextWidth);
  EXPECT_EQ(t.myMain[0].AField, "a");
  EXPECT_EQ(t.myAdo[0].TypeName.size(), kTitleWidth);
  EXPECT_EQ(t.myAdo[0].AField.size(), kTextWidth);
  t.Clear();
  EXPECT_TRUE(t.myMain.empty());
  EXPECT_TRUE(t.myAdo.empty());
}

// A grid of 16 channel rows in which only the listed channels are programmed.
struct ChannelGrid {
  std::vector<std::string> titles{"",         "No.",       "RX Frequency", "TX Frequency", "QT/DQT Dec",
                                  "QT/DQT Enc", "TX Power", "W/N",          "Scan Add",     "Compander",
                                  "Scrambler", "Busy Lock", "PTT ID",       "Epilogue"};
  std::vector<std::vector<std::string>> rows;

  explicit ChannelGrid(std::initializer_list<int> programmed) {
    for (int n = 1; n <= 16; ++n) {
      std::vector<std::string> row(14);
      row[1] = std::to_string(n);
      rows.push_back(row);
    }
    for (int n : programmed) {
      auto& row = rows[static_cast<std::size_t>(n - 1)];
      row = {"",    row[1], "46" + std::to_string(n) + ".12500", "", "67.0", "None", "High", "Wide",
             "No",  "Yes",  "No",                                "Yes", "Off", "ON"};
    }
  }
};

TEST(PrintTables, NoProgrammedChannelGivesOneEmptyLine) {
  ReportTables t;
  ChannelGrid grid({});
  AppendChannelLines(t, "Channel Information", grid.titles, grid.rows);
  ASSERT_EQ(t.myAdo.size(), 1u);
  const ReportLineRecord& line = t.myAdo[0];
  EXPECT_EQ(line.TypeID, kChannelGroup);
  EXPECT_EQ(line.TypeName, "Channel Information");
  EXPECT_EQ(line.AField + line.AValue + line.BField + line.BValue, "");
}

TEST(PrintTables, SixLinesPerProgrammedChannelWithoutPttIdAndEpilogue) {
  ReportTables t;
  ChannelGrid grid({1, 2, 5});
  AppendChannelLines(t, "Channel Information", grid.titles, grid.rows);
  ASSERT_EQ(t.myAdo.size(), 19u);
  EXPECT_EQ(t.myAdo[1].AField, "No.1");
  EXPECT_EQ(t.myAdo[7].AField, "No.2");
  EXPECT_EQ(t.myAdo[13].AField, "No.5");

  struct Expected {
    const char *aField, *aValue, *bField, *bValue;
  };
  const Expected channel5[] = {
      {"No.5", "", "", ""},
      {"RX Frequency", "465.12500", "TX Frequency", ""},
      {"QT/DQT Dec", "67.0", "QT/DQT Enc", "None"},
      {"TX Power", "High", "W/N", "Wide"},
      {"Scan Add", "No", "Compander", "Yes"},
      {"Scrambler", "No", "Busy Lock", "Yes"},
  };
  for (std::size_t i = 0; i < 6; ++i) {
    const ReportLineRecord& line = t.myAdo[13 + i];
    EXPECT_EQ(line.TypeID, kChannelGroup);
    EXPECT_EQ(line.AField, channel5[i].aField) << i;
    EXPECT_EQ(line.AValue, channel5[i].aValue) << i;
    EXPECT_EQ(line.BField, channel5[i].bField) << i;
    EXPECT_EQ(line.BValue, channel5[i].bValue) << i;
  }
  for (const ReportLineRecord& line : t.myAdo) {
    EXPECT_NE(line.AField, "PTT ID");
    EXPECT_NE(line.BField, "Epilogue");
  }
}

// Lines of the report as the print command gives them: three key/VOX lines,
// then channel lines.
std::vector<ReportLineRecord> Lines(int channelLines) {
  std::vector<ReportLineRecord> lines(3, ReportLineRecord{kFunctionGroup, "Key Function", "", "", "", ""});
  for (int i = 0; i < channelLines; ++i) lines.push_back({kChannelGroup, "Channel Information", "", "", "", ""});
  return lines;
}

std::vector<report::BandKind> Kinds(const report::ReportPage& page) {
  std::vector<report::BandKind> kinds;
  for (const auto& band : page.bands) kinds.push_back(band.kind);
  return kinds;
}

TEST(PrintPages, EveryGroupAfterTheFirstStartsANewPage) {
  using report::BandKind;
  const auto pages = report::LayOutPages(Lines(1));
  ASSERT_EQ(pages.size(), 2u);
  using K = BandKind;
  EXPECT_EQ(Kinds(pages[0]), (std::vector<K>{K::PageHeader, K::GroupHeader, K::MasterData, K::MasterData,
                                             K::MasterData, K::PageFooter}));
  EXPECT_EQ(Kinds(pages[1]), (std::vector<K>{K::PageHeader, K::GroupHeader, K::MasterData, K::PageFooter}));
  EXPECT_EQ(pages[1].bands[1].line, 3);
  EXPECT_EQ(pages[1].number, 2);
  // Bands follow each other from the header's bottom; the footer sits on the
  // bottom margin.
  EXPECT_DOUBLE_EQ(pages[0].bands[0].top, report::kMarginTop);
  EXPECT_DOUBLE_EQ(pages[0].bands[1].top, report::kMarginTop + report::kPageHeaderHeight);
  EXPECT_DOUBLE_EQ(pages[0].bands[2].top, report::kMarginTop + report::kPageHeaderHeight + report::kGroupHeaderHeight);
  EXPECT_DOUBLE_EQ(pages[0].bands.back().top,
                   report::kPaperHeight - report::kMarginBottom - report::kPageFooterHeight);
}

TEST(PrintPages, LongGroupContinuesOnFollowingPagesWithinTheBody) {
  // Sixteen programmed channels: 1 + 16 x 6 channel lines.
  const auto lines = Lines(97);
  std::vector<int> all(lines.size());
  for (std::size_t i = 0; i < all.size(); ++i) all[i] = static_cast<int>(i);
  // The template's Letter, Letter turned to landscape and A4, as a print
  // dialog may choose: every line once, in order, above the footer.
  for (const double paperHeight : {report::kPaperHeight, report::kPaperWidth, 297.0}) {
    const auto pages = report::LayOutPages(lines, paperHeight);
    const double footerTop = paperHeight - report::kMarginBottom - report::kPageFooterHeight;
    std::vector<int> printed;
    for (const auto& page : pages) {
      EXPECT_DOUBLE_EQ(page.bands.back().top, footerTop) << paperHeight;
      for (const auto& band : page.bands) {
        if (band.kind != report::BandKind::MasterData) continue;
        printed.push_back(band.line);
        EXPECT_LE(band.top + report::kMasterDataHeight, footerTop + 1e-9) << paperHeight << " page " << page.number;
        EXPECT_GE(band.top, report::kMarginTop + report::kPageHeaderHeight);
      }
    }
    EXPECT_EQ(printed, all) << paperHeight;
  }
  // On Letter, 224.4 mm of body: 31 lines under the group header, 32 on a
  // plain page.
  const auto pages = report::LayOutPages(lines);
  ASSERT_EQ(pages.size(), 5u);
  EXPECT_EQ(pages[2].bands.size(), 2u + 32u);
  // The heading is not repeated on continuation pages.
  EXPECT_EQ(Kinds(pages[2])[1], report::BandKind::MasterData);
}

TEST(PrintPages, EmptyTableGivesOnePageWithHeaderAndFooter) {
  const auto pages = report::LayOutPages({});
  ASSERT_EQ(pages.size(), 1u);
  EXPECT_EQ(Kinds(pages[0]), (std::vector<report::BandKind>{report::BandKind::PageHeader, report::BandKind::PageFooter}));
}

}  // namespace
}  // namespace kx7q
