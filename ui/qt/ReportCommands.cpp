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
  // The dialog may choose another paper; the report still draws from the
  // paper's corner with its own margins.
  printer.setFullPage(true);
  if (!PaintReport(printer, tables, QDateTime::currentDateTime())) {
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
