#include "ui/qt/ReportPreview.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QScreen>
#include <QScrollBar>
#include <QPrintPreviewWidget>
#include <QToolBar>

#include "i18n/qt/Localise.h"
#include "ui/qt/ReportPainter.h"

namespace kx7q {

TfReportPreview::TfReportPreview(Maindb& db, const ReportTables& tables, const QDateTime& now, QWidget* parent)
    : TfReportPreview(
          [] {
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            SetUpReportPrinter(*printer);
            printer->setDocName(QStringLiteral("kx7q-report"));
            return printer;
          }(),
          db, tables, now, parent) {}

TfReportPreview::TfReportPreview(std::unique_ptr<QPrinter> printer, Maindb& db, const ReportTables& tables,
                                 const QDateTime& now, QWidget* parent)
    : QPrintPreviewDialog(printer.get(), parent), db_(db), tables_(tables), now_(now),
      printer_(printer.get()) {
  setObjectName(QStringLiteral("fReportPreview"));
  // Children are deleted after the dialog's destructor has run.
  struct PrinterOwner : QObject {
    PrinterOwner(std::unique_ptr<QPrinter> p, QObject* parent) : QObject(parent), printer(std::move(p)) {}
    std::unique_ptr<QPrinter> printer;
  };
  new PrinterOwner(std::move(printer), this);
  preview_ = findChild<QPrintPreviewWidget*>();
  // The preview paints through here too, and so does its print button, whose
  // printer or file may refuse the report.
  connect(this, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) {
    if (PaintReport(*printer, tables_, now_)) return;
    const QString target = printer->outputFileName().isEmpty() ? printer->printerName() : printer->outputFileName();
    InformFailure(db_.Language, Status::Fail("PrintError", target.toStdString()), this);
  });

  export_ = new QAction(QStringLiteral("Export to PDF"), this);
  export_->setObjectName(QStringLiteral("tbExportPdf"));
  export_->setToolTip(QStringLiteral("Export the report to a PDF file"));
  connect(export_, &QAction::triggered, this, &TfReportPreview::ExportPdf);
  if (auto* bar = findChild<QToolBar*>()) {
    bar->addSeparator();
    bar->addAction(export_);
  }

  // Maximised, so that the page shows at 100 % without scrolling sideways;
  // the geometry too, for desktops without a window manager.
  if (const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen())
    setGeometry(screen->availableGeometry());
  setWindowState(windowState() | Qt::WindowMaximized);

  setWindowTitle(QStringLiteral("Print Preview"));
  if (db_.All.LanguageIndex > 0) LocaliseWindow(this, db_.All, false);

  chooseExportFile = [this] {
    QFileDialog dialog(this, export_->text(), QDir::home().filePath(QStringLiteral("kx7q-report.pdf")),
                       QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // The dialog adds ".pdf" to a bare name itself, so that it also asks
    // before replacing an existing "name.pdf".
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().front();
  };
}

void TfReportPreview::showEvent(QShowEvent* event) {
  QPrintPreviewDialog::showEvent(event);
  // The dialog fits the page on its first show; the report opens at 100 %.
  if (preview_ == nullptr) return;
  preview_->setZoomMode(QPrintPreviewWidget::CustomZoom);
  preview_->setZoomFactor(1.0);
  for (const char* name : {"fitWidthAction", "fitPageAction"})
    if (auto* fit = findChild<QAction*>(QLatin1String(name))) fit->setChecked(false);
  // Zooming keeps the middle of the page in view; start at the page's top.
  if (auto* view = preview_->findChild<QGraphicsView*>()) {
    view->horizontalScrollBar()->setValue(view->horizontalScrollBar()->minimum());
    view->verticalScrollBar()->setValue(view->verticalScrollBar()->minimum());
  }
}

void TfReportPreview::ExportPdf() {
  QString path = chooseExportFile ? chooseExportFile() : QString();
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".pdf");
  const Status status = ExportReportPdf(tables_, path, now_);
  if (!status.ok()) InformFailure(db_.Language, status, this);
}

}  // namespace kx7q
