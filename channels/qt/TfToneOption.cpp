#include "channels/qt/TfToneOption.h"

#include <QFont>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "channels/ToneTables.h"
#include "i18n/qt/Localise.h"

namespace kx7q {

namespace {

const QColor kCtcssIndexColour(249, 141, 227);
const QColor kCtcssReferenceColour(225, 249, 112);
const QColor kDcsNumberColour(47, 231, 220);

QTableWidget* MakeTable(const char* name, int columns, int rows, int rowHeight, QWidget* parent) {
  auto* grid = new QTableWidget(rows, columns, parent);
  grid->setObjectName(QString::fromLatin1(name));
  SetItemMode(grid, ItemMode::None);
  grid->horizontalHeader()->hide();
  grid->verticalHeader()->hide();
  grid->setRowHidden(0, true);
  grid->setColumnHidden(0, true);
  grid->verticalHeader()->setMinimumSectionSize(1);
  grid->verticalHeader()->setDefaultSectionSize(rowHeight);
  grid->setShowGrid(true);
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setContextMenuPolicy(Qt::NoContextMenu);
  // The tables are laid out to fit whole: no scrolling, compact cells.
  grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid->setTextElideMode(Qt::ElideNone);
  QFont font = grid->font();
  font.setPixelSize(11);
  grid->setFont(font);
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < columns; ++c) {
      auto* item = new QTableWidgetItem;
      item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
      item->setTextAlignment(Qt::AlignCenter);
      grid->setItem(r, c, item);
    }
  return grid;
}

// One column of a table: its width, its colour (white for the selectable
// column, drawn bold and marked "1" in row 1).
void SetColumn(QTableWidget* grid, int col, int width, const QColor& colour, bool selectable) {
  grid->setColumnWidth(col, width);
  QFont bold = grid->font();
  bold.setBold(true);
  for (int r = 1; r < grid->rowCount(); ++r) {
    QTableWidgetItem* item = grid->item(r, col);
    item->setBackground(colour);
    if (selectable) item->setFont(bold);
  }
  grid->item(1, col)->setData(TfToneOption::kBackTextRole, selectable ? QStringLiteral("1") : QString());
}

}  // namespace

TfToneOption::TfToneOption(Maindb& db, QWidget* parent) : QDialog(parent), db_(db) {
  setObjectName(QStringLiteral("fToneOption"));
  setWindowTitle(QStringLiteral("Channel Tone Option"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowSystemMenuHint |
                 Qt::WindowCloseButtonHint | Qt::WindowTitleHint);
  setFixedSize(585, 308);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 4, 6, 6);
  layout->setSpacing(2);

  GroupBox1 = new QGroupBox(QStringLiteral("Channel Voice Selection"), this);
  GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
  auto* choices = new QHBoxLayout(GroupBox1);
  choices->setContentsMargins(8, 2, 8, 2);
  auto radio = [this, choices](const char* name, const char* caption, int tag) {
    auto* r = new QRadioButton(QString::fromLatin1(caption), GroupBox1);
    r->setObjectName(QString::fromLatin1(name));
    r->setProperty("tag", tag);
    choices->addWidget(r);
    connect(r, &QRadioButton::clicked, this, [this, tag] { rCTCSSClick(tag); });
    return r;
  };
  rCTCSS = radio("rCTCSS", "CTCSS", 0);
  rDCSN = radio("rDCSN", "DCS-N", 1);
  rDCSI = radio("rDCSI", "DCS-I", 2);
  rCTCSS->setChecked(true);
  layout->addWidget(GroupBox1);

  // The localisable titles of the three tables, by tag.
  lbSel = new QListWidget(this);
  lbSel->setObjectName(QStringLiteral("lbSel"));
  lbSel->addItems({QStringLiteral("CTCSS"), QStringLiteral("DCS-N"), QStringLiteral("DCS-I")});
  lbSel->hide();
  lbValue = new QListWidget(this);
  lbValue->setObjectName(QStringLiteral("lbValue"));
  SetItemMode(lbValue, ItemMode::None);
  for (const std::string& item : PickerCodeList()) lbValue->addItem(QString::fromStdString(item));
  lbValue->hide();

  gbList = new QGroupBox(QStringLiteral(" Code List"), this);
  gbList->setObjectName(QStringLiteral("gbList"));
  auto* tables = new QGridLayout(gbList);
  tables->setContentsMargins(4, 2, 4, 2);
  gvCtcss = MakeTable("gvCtcss", 1 + 3 * kPickerCtcssGroups, 1 + kPickerCtcssRows, 24, gbList);
  gvDcsN = MakeTable("gvDcsN", 1 + 2 * kPickerDcsGroups, 1 + kPickerDcsRows, 20, gbList);
  gvDcsI = MakeTable("gvDcsI", 1 + 2 * kPickerDcsGroups, 1 + kPickerDcsRows, 20, gbList);
  for (QTableWidget* grid : {gvCtcss, gvDcsN, gvDcsI}) {
    tables->addWidget(grid, 0, 0);  // overlapping; one is visible at a time
    connect(grid, &QTableWidget::cellDoubleClicked, this, [this, grid](int row, int col) {
      grid->setCurrentCell(row, col);
      GridDblClick(grid);
    });
  }
  layout->addWidget(gbList, 1);
}

void TfToneOption::showEvent(QShowEvent* event) {
  if (!shown_) {
    shown_ = true;
    FormShow();
  }
  QDialog::showEvent(event);
}

void TfToneOption::FormShow() {
  BuildCodeGrids();
  SelectedCode.clear();
  if (db_.All.LanguageIndex > 0) LocaliseWindow(this, db_.All, false);
  rCTCSS->setChecked(true);
  rCTCSSClick(0);
}

void TfToneOption::BuildCodeGrids() {
  for (int g = 1; g <= kPickerCtcssGroups; ++g) {
    const int index = 3 * g - 2, tone = 3 * g - 1, reference = 3 * g;
    SetColumn(gvCtcss, index, 32, kCtcssIndexColour, false);
    SetColumn(gvCtcss, tone, 43, Qt::white, true);
    SetColumn(gvCtcss, reference, 32, kCtcssReferenceColour, false);
    for (int r = 1; r <= kPickerCtcssRows; ++r) {
      const ToneItemParts parts = SplitToneItem(PickerCtcssItem(g, r));
      gvCtcss->item(r, index)->setText(QString::fromStdString(parts.a));
      gvCtcss->item(r, tone)->setText(QString::fromStdString(parts.b));
      gvCtcss->item(r, reference)->setText(QString::fromStdString(parts.c));
    }
  }
  for (int g = 1; g <= kPickerDcsGroups; ++g) {
    const int number = 2 * g - 1, code = 2 * g;
    for (QTableWidget* grid : {gvDcsN, gvDcsI}) {
      SetColumn(grid, number, 25, kDcsNumberColour, false);
      SetColumn(grid, code, 43, Qt::white, true);
    }
    for (int r = 1; r <= kPickerDcsRows; ++r) {
      const ToneItemParts parts = SplitToneItem(PickerDcsItem(g, r));
      const QString a = QString::fromStdString(parts.a), b = QString::fromStdString(parts.b);
      gvDcsN->item(r, number)->setText(a);
      gvDcsI->item(r, number)->setText(a);
      gvDcsN->item(r, code)->setText(b.isEmpty() ? QString() : b + u'N');
      gvDcsI->item(r, code)->setText(b.isEmpty() ? QString() : b + u'I');
    }
  }
}

void TfToneOption::rCTCSSClick(int tag) {
  gbList->setEnabled(false);
  gvCtcss->setVisible(rCTCSS->isChecked());
  gvDcsI->setVisible(rDCSI->isChecked());
  gvDcsN->setVisible(rDCSN->isChecked());
  if (tag >= 0 && tag < lbSel->count()) gbList->setTitle(lbSel->item(tag)->text());
  gbList->setEnabled(true);
}

void TfToneOption::GridDblClick(QTableWidget* grid) {
  const int row = grid->currentRow(), col = grid->currentColumn();
  if (row < 1 || col < 1) return;
  if (grid->item(1, col)->data(kBackTextRole).toString() != QLatin1String("1")) return;
  SelectedCode = grid->item(row, col)->text();
  accept();
}

}  // namespace kx7q
