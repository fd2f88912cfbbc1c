#pragma once
// The print preview of the report: Qt's preview with print, zoom and page
// navigation, opened at 100 %, plus a quick export of the report to PDF.

#include <QDateTime>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <functional>
#include <memory>

#include "app/Startup.h"
#include "ui/ReportTables.h"

class QAction;
class QPrintPreviewWidget;

namespace kx7q {

class TfReportPreview : public QPrintPreviewDialog {
  Q_OBJECT
 public:
  // tables must outlive the dialog; now is the date and time printed.
  TfReportPreview(Maindb& db, const ReportTables& tables, const QDateTime& now, QWidget* parent = nullptr);

  QPrintPreviewWidget* Preview() const { return preview_; }
  QAction* ExportAction() const { return export_; }

  // Asks for the PDF file to export to; empty when cancelled. Tests replace it.
  std::function<QString()> chooseExportFile;

  // Exports the report to a PDF file the user chooses; a failure is shown.
  void ExportPdf();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  // The printer must exist before the dialog that previews on it.
  TfReportPreview(std::unique_ptr<QPrinter> printer, Maindb& db, const ReportTables& tables, const QDateTime& now,
                  QWidget* parent);

  Maindb& db_;
  const ReportTables& tables_;
  QDateTime now_;
  QPrinter* printer_;  // owned by a child object, so it outlives the dialog's own teardown
  QPrintPreviewWidget* preview_ = nullptr;
  QAction* export_ = nullptr;
};

}  // namespace kx7q
