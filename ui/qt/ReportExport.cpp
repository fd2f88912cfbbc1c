#include "ui/qt/ReportExport.h"

#include <QMdiArea>

#include "ui/qt/ChildWindows.h"
#include "ui/qt/NullMainOps.h"
#include "ui/qt/ReportFill.h"
#include "ui/qt/ReportPainter.h"

namespace kx7q {
Status WriteReportPdf(Maindb& db, const QString& path, const QDateTime& now) {
  // No main window: the fill only reads the windows, nothing to keep in step.
  NullMainOps main;
  QMdiArea area;
  ChildWindows windows(&area, db, main);
  ReportTables& tables = PrintTables();
  FillReport(tables, db, windows);
  return ExportReportPdf(tables, path, now);
}

}  // namespace kx7q
