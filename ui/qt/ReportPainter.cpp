#include "ui/qt/ReportPainter.h"

#include <QFile>
#include <QFontDatabase>
#include <QPageLayout>
#include <QPageRanges>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "ui/ReportTemplate.h"

namespace kx7q {
namespace {

using namespace report;

QString Utf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Font sizes of the template are pixels of a 96 dpi screen.
QFont TemplateFont(const QString& family, double pixels, bool bold) {
  QFont font(family);
  font.setPointSizeF(pixels * 72.0 / 96.0);
  font.setBold(bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

class PagePainter {
 public:
  PagePainter(QPainter& painter, double dotsPerMm) : p_(painter), mm_(dotsPerMm) {
    const QString family = ReportFontFamily();
    regular_ = TemplateFont(family, kPageFontPixels, false);
    bold_ = TemplateFont(family, kPageFontPixels, true);
    title_ = TemplateFont(family, kTitleFontPixels, true);
    // Arial where the system has it; fontconfig maps it onto a metric twin.
    footer_ = TemplateFont(QStringLiteral("Arial"), kPageFontPixels, true);
  }

  void Band(const PlacedBand& band, const ReportPage& page, const ReportTables& tables, const QDateTime& now) {
    switch (band.kind) {
      case BandKind::PageHeader: PageHeader(band.top, tables, now); break;
      case BandKind::GroupHeader:
        Text(kGroupNameBox, band.top, bold_, Utf8(tables.myAdo[static_cast<std::size_t>(band.line)].TypeName));
        break;
      case BandKind::MasterData: Line(band.top, tables.myAdo[static_cast<std::size_t>(band.line)]); break;
      case BandKind::PageFooter: Text(kPageNumberBox, band.top, footer_, QString::number(page.number)); break;
    }
  }

 private:
  void PageHeader(double top, const ReportTables& tables, const QDateTime& now) {
    const ReportMainRecord empty;
    const ReportMainRecord& h = tables.myMain.empty() ? empty : tables.myMain.front();
    Text(kTitleBox, top, title_, Utf8(h.Title));
    Text(kDateBox, top, regular_, now.date().toString(QStringLiteral("yyyy/MM/dd")));
    Text(kTimeBox, top, regular_, now.time().toString(QStringLiteral("hh:mm:ss")));
    Rule(top + kUpperRule);
    const std::string* pairs[3][2] = {{&h.AField, &h.AValue}, {&h.BField, &h.BValue}, {&h.CField, &h.CValue}};
    for (int i = 0; i < 3; ++i) {
      const double lineTop = top + kHeaderLineTops[i];
      Text(kHeaderFieldBox, lineTop, bold_, Utf8(*pairs[i][0]));
      Text(kHeaderValueBox, lineTop, bold_, Utf8(*pairs[i][1]));
    }
    Rule(top + kLowerRule);
  }

  void Line(double top, const ReportLineRecord& line) {
    Text(kAFieldBox, top, regular_, Utf8(line.AField));
    Text(kAValueBox, top, regular_, QStringLiteral("  ") + Utf8(line.AValue));
    Text(kBFieldBox, top, regular_, Utf8(line.BField));
    Text(kBValueBox, top, regular_, Utf8(line.BValue));
  }

  void Text(const Box& box, double bandTop, const QFont& font, const QString& text) {
    if (text.isEmpty()) return;
    const QRectF rect(X(kMarginLeft + box.left), X(bandTop + box.top), X(box.width), X(box.height));
    int flags = Qt::AlignVCenter | Qt::TextSingleLine;
    flags |= box.align == Align::Left ? Qt::AlignLeft : box.align == Align::Right ? Qt::AlignRight : Qt::AlignHCenter;
    p_.setFont(font);
    p_.drawText(rect, flags, text);
  }

  void Rule(double y) {
    QPen pen(Qt::black);
    pen.setWidthF(X(0.3));
    p_.setPen(pen);
    p_.drawLine(QPointF(X(kMarginLeft), X(y)), QPointF(X(kMarginLeft + kBodyWidth), X(y)));
  }

  double X(double millimetres) const { return millimetres * mm_; }

  QPainter& p_;
  double mm_;
  QFont regular_, bold_, title_, footer_;
};

}  // namespace

QString ReportFontFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    const char* preferred[] = {"SimSun", "\xE5\xAE\x8B\xE4\xBD\x93" /* 宋体 */, "NSimSun",
                               "WenQuanYi Micro Hei", "WenQuanYi Zen Hei", "Noto Sans CJK SC",
                               "Noto Serif CJK SC", "AR PL UMing CN", "Droid Sans Fallback"};
    for (const char* name : preferred) {
      const QString candidate = QString::fromUtf8(name);
      if (installed.contains(candidate, Qt::CaseInsensitive)) return candidate;
    }
    return QFont().family();
  }();
  return family;
}

void SetUpReportPrinter(QPrinter& printer) {
  printer.setFullPage(true);
  printer.setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                    QPageLayout::Millimeter));
}

int ReportPageCount(const ReportTables& tables) { return static_cast<int>(LayOutPages(tables.myAdo).size()); }

namespace {

// The pages on the paper that the page ranges of a print dialog choose (none
// chosen: all of them).
std::vector<ReportPage> PagesToPrint(const ReportTables& tables, const QPageLayout& paper, const QPageRanges& chosen) {
  std::vector<ReportPage> layout = LayOutPages(tables.myAdo, paper.fullRect(QPageLayout::Millimeter).height());
  std::erase_if(layout, [&](const ReportPage& page) { return !chosen.isEmpty() && !chosen.contains(page.number); });
  return layout;
}

}  // namespace

bool PaintReport(QPagedPaintDevice& device, const ReportTables& tables, const QDateTime& now) {
  const std::vector<ReportPage> layout = PagesToPrint(tables, device.pageLayout(), device.pageRanges());
  // Pages beyond the report's end: no job at all rather than a blank sheet.
  if (layout.empty()) return false;

  QPainter painter;
  if (!painter.begin(&device)) return false;
  const double dotsPerMm = device.logicalDpiY() / 25.4;
  PagePainter pages(painter, dotsPerMm);
  for (std::size_t i = 0; i < layout.size(); ++i) {
    if (i > 0 && !device.newPage()) return false;
    for (const PlacedBand& band : layout[i].bands) pages.Band(band, layout[i], tables, now);
  }
  return painter.end();
}

Status ExportReportPdf(const ReportTables& tables, const QString& path, const QDateTime& now) {
  return ExportReportPdf(tables, path, now, QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()),
                         QPageRanges());
}

Status ExportReportPdf(const ReportTables& tables, const QString& path, const QDateTime& now, const QPageLayout& paper,
                       const QPageRanges& pages) {
  // Pages beyond the report's end: the file is left alone.
  if (PagesToPrint(tables, paper, pages).empty()) return Status::Fail("PrintError", path.toStdString());
  // The file is opened here, so that a failure can say why (no such folder,
  // no permission, disk full).
  QFile file(path);
  auto failed = [&] {
    const QString reason = file.error() != QFileDevice::NoError ? file.errorString() : QString();
    return Status::Fail("FileError", (reason.isEmpty() ? path : path + QStringLiteral(": ") + reason).toStdString());
  };
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return failed();
  {
    QPdfWriter writer(&file);
    // Drawn from the paper's corner: the template has its own margins.
    writer.setPageLayout(QPageLayout(paper.pageSize(), paper.orientation(), QMarginsF(), QPageLayout::Millimeter));
    writer.setPageRanges(pages);
    writer.setCreator(QStringLiteral("kx7q"));
    if (!PaintReport(writer, tables, now)) return failed();
  }
  file.close();  // flushes: a full disk shows here
  if (file.error() != QFileDevice::NoError) return failed();
  return Status::Ok();
}

}  // namespace kx7q
