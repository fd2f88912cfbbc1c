#pragma once
// The report's template: paper, margins, bands and the boxes inside them, in
// millimetres, and the pagination of the line table into pages.
//
//   +-- page header 37 ----------------------------------------------------+
//   |                         Title (bold 19 px)                           |
//   |                                     yyyy/mm/dd   hh:mm:ss   (at 11)  |
//   |-- rule at 16 --------------------------------------------------------|
//   |             AField  AValue                            (18, 23, 28)   |
//   |             BField  BValue                                           |
//   |             CField  CValue                                           |
//   |-- rule at 36 --------------------------------------------------------|
//   +-- group header 7 (first group: right below; others: on a new page) --+
//   +-- master data 7, one per line: AField  AValue  BField  BValue -------+
//   ...
//   +-- page footer 6: page number ----------------------------------------+
//
// Positions of boxes are relative to the left margin and to their band's top.

#include <vector>

#include "ui/ReportTables.h"

namespace kx7q::report {

// US Letter, portrait.
constexpr double kPaperWidth = 215.9;
constexpr double kPaperHeight = 279.4;
constexpr double kMarginLeft = 10, kMarginRight = 10, kMarginTop = 2, kMarginBottom = 10;
constexpr double kBodyWidth = kPaperWidth - kMarginLeft - kMarginRight;  // 195.9

constexpr double kPageHeaderHeight = 37;
constexpr double kGroupHeaderHeight = 7;
constexpr double kMasterDataHeight = 7;
constexpr double kPageFooterHeight = 6;

// Font sizes in pixels of a 96 dpi screen, as the template gives them.
constexpr double kPageFontPixels = 13;
constexpr double kTitleFontPixels = 19;

enum class Align { Left, Centre, Right };

struct Box {
  double left, top, width, height;
  Align align;
};

// Page header.
constexpr Box kTitleBox{0, 0, 195, 11, Align::Centre};
constexpr Box kDateBox{134, 11, 30, 5, Align::Right};
constexpr Box kTimeBox{165, 11, 25, 5, Align::Left};
constexpr double kUpperRule = 16, kLowerRule = 36;
constexpr double kHeaderLineTops[3] = {18, 23, 28};
constexpr Box kHeaderFieldBox{0, 0, 66, 5, Align::Right};   // top from kHeaderLineTops
constexpr Box kHeaderValueBox{67, 0, 113, 5, Align::Left};
// Group header.
constexpr Box kGroupNameBox{0, 1, 51, 5, Align::Left};
// Master data: four boxes filling the band's height, text vertically centred.
constexpr Box kAFieldBox{5, 0, 44, 7, Align::Left};
constexpr Box kAValueBox{49, 0, 43, 7, Align::Left};
constexpr Box kBFieldBox{94, 0, 48, 7, Align::Left};
constexpr Box kBValueBox{143, 0, 52, 7, Align::Left};
// Page footer.
constexpr Box kPageNumberBox{80, 1, 20, 5, Align::Centre};

enum class BandKind { PageHeader, GroupHeader, MasterData, PageFooter };

struct PlacedBand {
  BandKind kind;
  double top;     // mm from the paper's top edge
  int line = -1;  // group header and master data: index into myAdo
};

struct ReportPage {
  int number;  // from 1
  std::vector<PlacedBand> bands;
};

// Lays the line table out on pages: each page has the page header at the
// top margin and the page footer above the bottom margin; every group after
// the first starts a new page, a line that does not fit goes to the next
// page, and a group header never stands alone at the bottom of a page. An
// empty table gives one page with header and footer. paperHeight is that of
// the paper printed on: the template's Letter unless a print dialog chose
// another paper or landscape, so that no line falls off the page.
std::vector<ReportPage> LayOutPages(const std::vector<ReportLineRecord>& lines, double paperHeight = kPaperHeight);

}  // namespace kx7q::report
