#include "ui/ReportTemplate.h"

namespace kx7q::report {

std::vector<ReportPage> LayOutPages(const std::vector<ReportLineRecord>& lines, double paperHeight) {
  constexpr double bodyTop = kMarginTop + kPageHeaderHeight;
  const double footerTop = paperHeight - kMarginBottom - kPageFooterHeight;
  // Small rounding slack so that a band ending exactly on the footer fits.
  constexpr double slack = 1e-6;

  std::vector<ReportPage> pages;
  double y = 0;
  auto newPage = [&] {
    ReportPage page{static_cast<int>(pages.size()) + 1, {}};
    page.bands.push_back({BandKind::PageHeader, kMarginTop});
    pages.push_back(std::move(page));
    y = bodyTop;
  };
  auto fits = [&](double height) { return y + height <= footerTop + slack; };

  newPage();
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i);
    const bool groupStarts = i == 0 || lines[i].TypeID != lines[i - 1].TypeID;
    if (groupStarts) {
      if (i > 0 || !fits(kGroupHeaderHeight + kMasterDataHeight)) newPage();
      pages.back().bands.push_back({BandKind::GroupHeader, y, line});
      y += kGroupHeaderHeight;
    } else if (!fits(kMasterDataHeight)) {
      newPage();
    }
    pages.back().bands.push_back({BandKind::MasterData, y, line});
    y += kMasterDataHeight;
  }
  for (ReportPage& page : pages) page.bands.push_back({BandKind::PageFooter, footerTop});
  return pages;
}

}  // namespace kx7q::report
