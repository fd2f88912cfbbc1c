#pragma once
// The report of the current code plug written to a PDF file without a main
// window: the print-fill windows are created for the fill and destroyed
// again, exactly as the print command does when they are not open. Needs a
// QApplication (the offscreen platform will do); used by kx7q-cli report.

#include <QDateTime>
#include <QString>

#include "app/Startup.h"
#include "core/Status.h"

namespace kx7q {

// Fills PrintTables() from the windows and exports them. Failure key
// "FileError" with the path and the reason when the file cannot be written.
Status WriteReportPdf(Maindb& db, const QString& path, const QDateTime& now = QDateTime::currentDateTime());

}  // namespace kx7q
