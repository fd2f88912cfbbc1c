#pragma once
// Draws the report onto a printer, a print preview or a PDF file, from the
// report tables and the template of ui/ReportTemplate.h.

#include <QDateTime>
#include <QString>

#include "core/Status.h"
#include "ui/ReportTables.h"

class QPageLayout;
class QPageRanges;
class QPagedPaintDevice;
class QPrinter;

namespace kx7q {

// The family the report prints in: SimSun where it is installed, otherwise a
// font that covers Chinese (WenQuanYi Micro Hei on Debian), otherwise the
// application's default.
QString ReportFontFamily();

// Letter paper, portrait, drawing from the paper's corner (the template has
// its own margins).
void SetUpReportPrinter(QPrinter& printer);

// How many pages the report of the tables has on the template's paper.
int ReportPageCount(const ReportTables& tables);

// Paints the report onto the device (begins and ends its own painter): every
// page, or those of the device's page ranges when a print dialog set them.
// The pages follow the device's paper height (Letter portrait unless a print
// dialog chose otherwise); now gives the printed date and time.
// False when the device cannot be painted on (a PDF file that cannot be
// written, a printer that refused the job) or the page ranges hold none of
// the report's pages (then nothing is printed).
bool PaintReport(QPagedPaintDevice& device, const ReportTables& tables, const QDateTime& now);

// Writes the report as a PDF file on Letter portrait, or on the paper and
// pages a print dialog chose. Failure key "FileError" with the path and the
// system's reason; "PrintError" when the pages chosen are past the report's
// end (the file is left alone).
Status ExportReportPdf(const ReportTables& tables, const QString& path, const QDateTime& now);
Status ExportReportPdf(const ReportTables& tables, const QString& path, const QDateTime& now, const QPageLayout& paper,
                       const QPageRanges& pages);

}  // namespace kx7q
