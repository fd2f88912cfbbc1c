#include "ui/qt/ReportCommands.h"

#include <QDateTime>
#include <QPrintDialog>
#include <QPrinter>

#include "i18n/qt/Localise.h"
#include "ui/qt/ReportFill.h"
#include "ui/qt/ReportPainter.h"
#include "ui/qt/ReportPreview.h"

namespace kx7q {

void PrintReportCommand(CommandContext& context) {
  ReportTables& tables = PrintTables();
  FillReport(tables, context.db, context.windows);

  QPrinter printer(QPrinter::HighResolution);
  SetUpReportPrinter(printer);
  printer.setDocName(QStringLiteral("kx7q-report"));
  QPrintDialog dialog(&printer, context.parent);
  dialog.setMinMax(1, ReportPageCount(tables));
  if (context.main.RunDialog(dialog) != QDialog::Accepted) return;
  const QDateTime now = QDateTime::currentDateTime();
  // Printing to a file is writing a PDF: done here, so that a file that
  // cannot be written (a full disk too) is reported with the reason.
  if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
    const Status written = ExportReportPdf(tables, printer.outputFileName(), now, printer.pageLayout(),
                                           printer.pageRanges());
    if (!written.ok()) InformFailure(context.db.Language, written, context.parent);
    return;
  }
  // The dialog may choose another paper; the report still draws from the
  // paper's corner with its own margins.
  printer.setFullPage(true);
  if (!PaintReport(printer, tables, now)) {
    const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    InformFailure(context.db.Language, Status::Fail("PrintError", target.toStdString()), context.parent);
  }
}

void PreviewReportCommand(CommandContext& context) {
  ReportTables& tables = PrintTables();
  FillReport(tables, context.db, context.windows);
  TfReportPreview preview(context.db, tables, QDateTime::currentDateTime(), context.parent);
  context.main.RunDialog(preview);
}

}  // namespace kx7q
