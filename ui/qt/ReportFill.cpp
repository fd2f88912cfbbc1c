#include "ui/qt/ReportFill.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <memory>

#include "i18n/qt/Localise.h"
#include "ui/qt/ChildWindows.h"

namespace kx7q {
namespace {

// Command tags of the windows that print, in report order.
constexpr int kRadioInformationTag = 15;
constexpr int kKeyFunctionTag = 12;
constexpr int kVoxFunctionTag = 13;
constexpr int kOptionalFunctionTag = 14;
constexpr int kChannelGridTag = 10;

std::string Utf8(const QString& text) { return text.toUtf8().toStdString(); }

// What a label shows: with a buddy, "&" marks a mnemonic and is not drawn.
QString LabelText(const QLabel& label) {
  QString text = label.text();
  if (label.buddy() == nullptr) return text;
  QString shown;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QChar('&') && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

// The text a control shows.
QString ControlText(const QWidget* control) {
  if (control == nullptr) return {};
  if (auto* combo = qobject_cast<const QComboBox*>(control)) return combo->currentText();
  if (auto* edit = qobject_cast<const QLineEdit*>(control)) return edit->text();
  if (auto* label = qobject_cast<const QLabel*>(control)) return LabelText(*label);
  if (auto* button = qobject_cast<const QAbstractButton*>(control)) return button->text();
  return control->property("text").toString();
}

QString Control(const QWidget& window, const char* name) {
  return ControlText(window.findChild<QWidget*>(QString::fromLatin1(name)));
}

QString Label(const QWidget& window, const char* name) {
  const auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
  return label != nullptr ? LabelText(*label) : QString();
}

// The caption of the label that names a control.
QString LabelOf(const QWidget& window, const char* controlName) {
  const auto* control = window.findChild<QWidget*>(QString::fromLatin1(controlName));
  if (control == nullptr) return {};
  for (const QLabel* label : window.findChildren<QLabel*>())
    if (label->buddy() == control) return LabelText(*label);
  return {};
}

QString GridText(const QTableWidget& grid, int row, int col) {
  const QTableWidgetItem* item = grid.item(row, col);
  return item != nullptr ? item->text() : QString();
}

enum class OpenWindow { Refresh, AsItStands };

// Runs fill on the window of a tag: the open one (refreshed, or read as it
// stands), or one made for the purpose and deleted afterwards.
template <class Fill>
void WithWindow(ChildWindows& windows, int tag, OpenWindow open, Fill fill) {
  EditWindow* window = open == OpenWindow::AsItStands ? windows.Find(tag) : nullptr;
  bool created = false;
  if (window == nullptr) window = windows.FindOrCreateHidden(tag, created);
  if (window == nullptr) return;  // no such window in this build
  std::unique_ptr<EditWindow> owned(created ? window : nullptr);
  fill(*window);
}

}  // namespace

void FillFromRadioInformation(ReportTables& tables, const QWidget& window, const TALL& all) {
  ReportMainRecord r;
  r.Title = Utf8(DecodeText(all.ModelBaseName));
  r.AField = Utf8(LabelOf(window, "cxModel"));
  r.AValue = Utf8(Control(window, "cxModel"));
  r.BField = Utf8(LabelOf(window, "cxFreq"));
  r.BValue = Utf8(Control(window, "cxFreq"));
  r.CField = Utf8(LabelOf(window, "cxSerial"));
  r.CValue = Utf8(Control(window, "cxSerial"));
  tables.AppendMain(std::move(r));
}

void FillFromKeyFunction(ReportTables& tables, const QWidget& window) {
  tables.AppendLine(kFunctionGroup, Utf8(window.windowTitle()), Utf8(Label(window, "L1")),
                    Utf8(Control(window, "cxKey1_S")));
}

void FillFromVoxFunction(ReportTables& tables, const QWidget& window) {
  const std::string caption = Utf8(window.windowTitle());
  tables.AppendLine(kFunctionGroup, caption, Utf8(Label(window, "L1")), Utf8(Control(window, "cxVox")));
  tables.AppendLine(kFunctionGroup, caption, Utf8(Label(window, "L2")), Utf8(Control(window, "cxVoxDely")));
}

void FillFromChannelGrid(ReportTables& tables, const QWidget& window, const TLanguage& texts) {
  const std::string typeName = Utf8(DecodeText(texts.Text("Channel")) + DecodeText(texts.Text("Info")));
  std::vector<std::string> titles;
  std::vector<std::vector<std::string>> rows;
  if (const auto* grid = window.findChild<QTableWidget*>(QStringLiteral("gvData"))) {
    constexpr int kTitleRow = 1, kFirstRow = 2, kLastColumn = 13;
    for (int c = 0; c <= kLastColumn; ++c) titles.push_back(Utf8(GridText(*grid, kTitleRow, c)));
    for (int r = kFirstRow; r < grid->rowCount(); ++r) {
      std::vector<std::string> row;
      for (int c = 0; c <= kLastColumn; ++c) row.push_back(Utf8(GridText(*grid, r, c)));
      rows.push_back(std::move(row));
    }
  }
  AppendChannelLines(tables, typeName, titles, rows);
}

void FillReport(ReportTables& tables, Maindb& db, ChildWindows& windows) {
  tables.Clear();
  WithWindow(windows, kRadioInformationTag, OpenWindow::Refresh,
             [&](QWidget& w) { FillFromRadioInformation(tables, w, db.All); });
  WithWindow(windows, kKeyFunctionTag, OpenWindow::Refresh, [&](QWidget& w) { FillFromKeyFunction(tables, w); });
  WithWindow(windows, kVoxFunctionTag, OpenWindow::Refresh, [&](QWidget& w) { FillFromVoxFunction(tables, w); });
  // The optional functions print no line; their window is only refreshed.
  WithWindow(windows, kOptionalFunctionTag, OpenWindow::Refresh, [](QWidget&) {});
  // The grid prints what it shows.
  WithWindow(windows, kChannelGridTag, OpenWindow::AsItStands,
             [&](QWidget& w) { FillFromChannelGrid(tables, w, db.Language); });
}

}  // namespace kx7q
