#include "ui/qt/ReportExport.h"

#include <QMdiArea>

#include "ui/qt/ChildWindows.h"
#include "ui/qt/ReportFill.h"
#include "ui/qt/ReportPainter.h"

namespace kx7q {
namespace {

// The windows' view of a main window that is not there: the fill only reads
// the windows, so there is nothing to keep in step.
class NoMainWindow : public MainOps {
 public:
  void ExecuteCommand(int) override {}
  void RefreshViews(int) override {}
  void SelectChannelNode(int) override {}
  void ResetAfterRead() override {}
  void BuildTree() override {}
  void UpdateStatus() override {}
};

}  // namespace

Status WriteReportPdf(Maindb& db, const QString& path, const QDateTime& now) {
  NoMainWindow main;
  QMdiArea area;
  ChildWindows windows(&area, db, main);
  ReportTables& tables = PrintTables();
  FillReport(tables, db, windows);
  return ExportReportPdf(tables, path, now);
}

}  // namespace kx7q
