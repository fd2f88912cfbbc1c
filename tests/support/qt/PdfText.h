#pragma once
// The text of a PDF file as poppler's pdftotext lays it out (-layout keeps
// the columns of a line on one line), for checking printed reports.

#include <QChar>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace kx7q::test {

// The whole text, pages separated by form feeds; empty when the file cannot
// be read.
inline QString PdfText(const QString& path) {
  QProcess p;
  p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
  if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

// The text of each page.
inline QStringList PdfPages(const QString& path) {
  QStringList pages = PdfText(path).split(QChar('\f'));
  if (!pages.isEmpty() && pages.back().trimmed().isEmpty()) pages.removeLast();
  return pages;
}

}  // namespace kx7q::test
