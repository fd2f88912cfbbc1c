#include "channels/qt/TfChInfo.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "channels/ChannelCodec.h"
#include "channels/ChannelColumns.h"
#include "channels/ChannelCopy.h"
#include "channels/ToneTables.h"
#include "channels/qt/ChannelControls.h"
#include "core/Numbers.h"
#include "i18n/qt/Localise.h"

namespace kx7q {

namespace {

constexpr const char* kRecordsMime = "application/x-kx7q-channels";

Qt::Alignment AlignmentOf(int code) {
  switch (code) {
    case 1: return Qt::AlignLeft | Qt::AlignVCenter;
    case 3: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignHCenter | Qt::AlignVCenter;
  }
}

// Shows "ErrRange" once for a whole paste, however many channels were clamped.
class OnceReporter : public BandClampReporter {
 public:
  void FrequencyClamped(double, double) override { clamped = true; }
  bool clamped = false;
};

}  // namespace

// The grid's in-place editor for the frequency columns. A committed text is
// handed to the window after the editor has closed, so that the messages the
// window may show do not run while the editor still holds the focus.
class FrequencyDelegate : public QStyledItemDelegate {
 public:
  explicit FrequencyDelegate(TfChInfo* window) : QStyledItemDelegate(window), window_(window) {}

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const override {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("gvDataEditor"));
    edit->installEventFilter(new EntryKeyFilter(EntryKeys::Frequency, edit));
    open_ = edit;
    return edit;
  }
  void setEditorData(QWidget* editor, const QModelIndex& index) const override {
    auto* edit = static_cast<QLineEdit*>(editor);
    edit->setText(index.data(Qt::DisplayRole).toString());
    edit->selectAll();
  }
  void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override {
    const QString text = static_cast<QLineEdit*>(editor)->text();
    if (text == index.data(Qt::DisplayRole).toString()) return;  // nothing was changed
    const int row = index.row(), col = index.column();
    if (immediate) {
      window_->gvDataSetForeText(row, col, text);
      return;
    }
    QPointer<TfChInfo> window(window_);
    QTimer::singleShot(0, window_, [window, row, col, text] {
      if (window) window->gvDataSetForeText(row, col, text);
    });
  }

  void destroyEditor(QWidget* editor, const QModelIndex& index) const override {
    if (open_ == editor) open_ = nullptr;
    QStyledItemDelegate::destroyEditor(editor, index);
  }

  bool Editing() const { return !open_.isNull(); }

  // Commits and closes an open editor at once (before a command runs).
  void CommitOpenEditor() {
    QWidget* editor = open_.data();
    if (editor == nullptr) return;
    immediate = true;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
    immediate = false;
  }

  bool immediate = false;

 private:
  TfChInfo* window_;
  mutable QPointer<QWidget> open_;
};

TfChInfo::TfChInfo(Maindb& db, MainOps& main, QWidget* parent) : EditWindow(db, main, parent) {
  setObjectName(QStringLiteral("fChInfo"));
  setWindowTitle(QStringLiteral("Channel Information"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);

  gvData = new QTableWidget(this);
  gvData->setObjectName(QStringLiteral("gvData"));
  SetItemMode(gvData, ItemMode::None);  // titles come from BColText
  gvData->horizontalHeader()->hide();
  gvData->verticalHeader()->hide();
  gvData->verticalHeader()->setMinimumSectionSize(1);
  gvData->verticalHeader()->setDefaultSectionSize(20);
  gvData->setShowGrid(true);
  gvData->setSelectionMode(QAbstractItemView::ExtendedSelection);
  gvData->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                          QAbstractItemView::AnyKeyPressed);
  gvData->setContextMenuPolicy(Qt::NoContextMenu);
  delegate_ = new FrequencyDelegate(this);
  gvData->setItemDelegateForColumn(kRxColumn, delegate_);
  gvData->setItemDelegateForColumn(kTxColumn, delegate_);
  gvData->installEventFilter(this);
  layout->addWidget(gvData);

  // Column titles, widths and alignment codes, three runs of 13, as a list a
  // language file can change.
  BColText = new QListWidget(this);
  BColText->setObjectName(QStringLiteral("BColText"));
  BColText->hide();
  for (const ChannelColumn& c : ChannelColumns()) BColText->addItem(QString::fromLatin1(c.title));
  for (const ChannelColumn& c : ChannelColumns()) BColText->addItem(QString::number(c.width));
  for (const ChannelColumn& c : ChannelColumns()) BColText->addItem(QString::number(static_cast<int>(c.align)));

  lNone = new QLabel(this);
  lNone->setObjectName(QStringLiteral("lNone"));
  lNone->hide();

  auto makeBox = [this](const char* name, const ValueList& list, bool tone) {
    auto* box = new QComboBox(gvData->viewport());
    box->setObjectName(QString::fromLatin1(name));
    box->setEditable(tone);
    FillList(box, list);
    box->hide();
    box->installEventFilter(this);
    auto onEnter = [this, box] {
      if (IsToneBox(box)) ToneBoxEdited(box);
      gvData->setFocus();
      box->hide();
      return true;
    };
    const EntryKeys keys = tone ? EntryKeys::Tone : EntryKeys::Any;
    box->installEventFilter(new EntryKeyFilter(keys, box, onEnter));
    if (tone) {
      box->setInsertPolicy(QComboBox::NoInsert);
      box->setCompleter(nullptr);  // typed text stays as typed
      box->setProperty("tag", -3);
      box->lineEdit()->installEventFilter(new EntryKeyFilter(keys, box, onEnter));
      connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, box] { ToneBoxEdited(box); });
    }
    connect(box, &QComboBox::currentIndexChanged, this, [this, box](int index) {
      if (index >= 0) ComBoxSetData(box);
    });
    return box;
  };
  cxRxDcts = makeBox("cxRxDcts", ToneBoxList(), true);
  cxTxDcts = makeBox("cxTxDcts", ToneBoxList(), true);
  cxPower = makeBox("cxPower", PowerList(), false);
  cxWn = makeBox("cxWn", WideNarrowList(), false);
  cxHave = makeBox("cxHave", YesNoList(), false);
  cxOnOff = makeBox("cxOnOff", OnOffList(), false);
  cxDcs = makeBox("cxDcs", EpilogueList(), false);

  connect(gvData, &QTableWidget::currentCellChanged, this, [this](int row, int col, int, int) {
    if (!Loading() && row >= 0 && col >= 0) gvDataSelectCell(row, col);
  });
  connect(gvData, &QTableWidget::cellPressed, this, [this](int row, int col) {
    if (!Loading()) gvDataMouseDown(row, col);
  });
}

QSize TfChInfo::sizeHint() const {
  return formWidth_ > 0 ? QSize(formWidth_, formHeight_) : EditWindow::sizeHint();
}

// ---- cells ----------------------------------------------------------------------

QTableWidgetItem* TfChInfo::Cell(int row, int col) const { return gvData->item(row, col); }

QString TfChInfo::ForeText(int row, int col) const {
  const QTableWidgetItem* item = Cell(row, col);
  return item ? item->text() : QString();
}

QString TfChInfo::BackText(int row, int col) const {
  const QTableWidgetItem* item = Cell(row, col);
  return item ? item->data(kBackTextRole).toString() : QString();
}

bool TfChInfo::CellReadOnly(int row, int col) const {
  const QTableWidgetItem* item = Cell(row, col);
  return item == nullptr || !(item->flags() & Qt::ItemIsEditable);
}

void TfChInfo::SetCell(int row, int col, const QString& fore, const QString& back) {
  QTableWidgetItem* item = Cell(row, col);
  item->setText(fore);
  item->setData(kBackTextRole, back);
}

void TfChInfo::SetReadOnly(int row, int col, bool readOnly) {
  QTableWidgetItem* item = Cell(row, col);
  item->setFlags(readOnly ? item->flags() & ~Qt::ItemIsEditable : item->flags() | Qt::ItemIsEditable);
}

QComboBox* TfChInfo::EditorOf(int col) const {
  switch (col) {
    case 4: return cxRxDcts;
    case 5: return cxTxDcts;
    case 6: return cxPower;
    case 7: return cxWn;
    case 8: case 9: case 10: case 11: return cxHave;
    case 12: return cxOnOff;
    case 13: return cxDcs;
    default: return nullptr;
  }
}

QComboBox* TfChInfo::VisibleEditor() const {
  for (QComboBox* box : {cxRxDcts, cxTxDcts, cxPower, cxWn, cxHave, cxOnOff, cxDcs})
    if (box->isVisible()) return box;
  return nullptr;
}

bool TfChInfo::IsToneBox(const QComboBox* box) const { return box == cxRxDcts || box == cxTxDcts; }

// ---- building and filling ------------------------------------------------------

void TfChInfo::Decode() {
  HideEditors();
  lNone->setText(cxRxDcts->itemText(0));
  SetupColumns();
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    sub->move(20, 20);
    sub->resize(formWidth_, formHeight_);
  } else {
    resize(formWidth_, formHeight_);
  }
  FillAllRows();
  const int row = all().CurrentChannel + 1;
  if (row >= kFirstChannelRow && row < gvData->rowCount()) gvData->setCurrentCell(row, kRxColumn);
}

void TfChInfo::SetupColumns() {
  const int count = BColText->count() / 3;
  gvData->setColumnCount(count + 1);
  gvData->setColumnHidden(0, true);
  if (gvData->rowCount() < 2) gvData->setRowCount(2);
  int sum = 0;
  for (int c = 1; c <= count; ++c) {
    const int width = BColText->item(count + c - 1)->text().toInt();
    gvData->setColumnHidden(c, width < 0);
    if (width >= 0) gvData->setColumnWidth(c, width);
    sum += width;
    if (Cell(kTitleRow, c) == nullptr) gvData->setItem(kTitleRow, c, new QTableWidgetItem);
    QTableWidgetItem* title = Cell(kTitleRow, c);
    title->setText(BColText->item(c - 1)->text());
    // A title wider than its column is drawn smaller rather than cut short.
    QFont font = gvData->font();
    while (width > 0 && font.pointSizeF() > 6 && QFontMetrics(font).horizontalAdvance(title->text()) > width - 10)
      font.setPointSizeF(font.pointSizeF() - 0.5);
    title->setFont(font);
  }
  formWidth_ = sum + 30;
  SetupRows();
}

void TfChInfo::SetupRows() {
  const int channels = all().ChannelCount;
  const int columns = gvData->columnCount();
  const int count = BColText->count() / 3;
  gvData->setRowCount(2);
  gvData->setRowCount(channels + 2);
  gvData->setRowHidden(0, true);
  gvData->setRowHeight(kTitleRow, 23);
  if (30 * channels < formHeight_) formHeight_ = 30 * channels;
  const QBrush face = palette().button();
  for (int r = kTitleRow; r < gvData->rowCount(); ++r) {
    for (int c = 1; c < columns; ++c) {
      QTableWidgetItem* item = Cell(r, c);
      if (item == nullptr) gvData->setItem(r, c, item = new QTableWidgetItem);
      // Everything read-only, the title row not even selectable; RX editable.
      Qt::ItemFlags flags = r == kTitleRow ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
      if (c == kRxColumn && r != kTitleRow) flags |= Qt::ItemIsEditable;
      item->setFlags(flags);
      const int code = c <= count ? BColText->item(2 * count + c - 1)->text().toInt() : 2;
      item->setTextAlignment(r == kTitleRow ? Qt::AlignCenter : AlignmentOf(code));
      if (r == kTitleRow || c == kNumberColumn) item->setBackground(face);
    }
    if (r >= kFirstChannelRow) Cell(r, kNumberColumn)->setText(QString::number(r - 1));
  }
}

void TfChInfo::FillAllRows() {
  for (int r = kFirstChannelRow; r < gvData->rowCount(); ++r) FillRow(r);
}

void TfChInfo::FillRow(int row) {
  if (row < kFirstChannelRow || row >= gvData->rowCount()) return;
  auto hold = HoldLoading();
  gvData->setUpdatesEnabled(false);
  TChannel& ch = db().Channel;
  if (DecodeChannel(all(), row - 1, ch)) {
    Cell(row, kNumberColumn)->setData(kBackTextRole, QStringLiteral("1"));
    SetReadOnly(row, kTxColumn, false);
    SetCell(row, kRxColumn, QString::fromStdString(FormatFrequency(ch.RxFreq)), {});
    SetCell(row, kTxColumn, ch.TxFreq < 0 ? QString() : QString::fromStdString(FormatFrequency(ch.TxFreq)), {});
    SetCell(row, kRxToneColumn, ch.RxTone.empty() ? cxRxDcts->itemText(0) : QString::fromStdString(ch.RxTone), {});
    SetCell(row, kTxToneColumn, ch.TxTone.empty() ? cxTxDcts->itemText(0) : QString::fromStdString(ch.TxTone), {});
    for (int c = kTxToneColumn + 1; c <= kLastColumn; ++c) {
      const int bit = FlagValue(ch, ChannelColumns()[c - 1].field);
      SetCell(row, c, EditorOf(c)->itemText(bit), QString::number(bit));
    }
  } else {
    Cell(row, kNumberColumn)->setData(kBackTextRole, QString());
    for (int c = kRxColumn; c <= kLastColumn; ++c) SetCell(row, c, {}, {});
    SetReadOnly(row, kTxColumn, true);
  }
  gvData->setUpdatesEnabled(true);
}

// ---- storing ---------------------------------------------------------------------

void TfChInfo::StoreCell(int row, int col) {
  if (col < kRxColumn || col > kLastColumn) return;
  QString text;
  if (col == kRxColumn || col == kTxColumn) {
    text = ForeText(row, col);
  } else if (col == kRxToneColumn || col == kTxToneColumn) {
    text = ForeText(row, col);
    if (text == lNone->text()) text.clear();
  } else {
    text = BackText(row, col);
  }
  EncodeChannelField(all(), row - 1, ChannelColumns()[col - 1].field, text.toStdString());
  main().RefreshViews(2);
}

void TfChInfo::NewChannelRow(int row) {
  Cell(row, kNumberColumn)->setData(kBackTextRole, QStringLiteral("1"));
  if (ForeText(row, kTxColumn).isEmpty()) Cell(row, kTxColumn)->setText(ForeText(row, kRxColumn));
  // A new channel: no tones, High, Wide, Scan Add / Compander / Scrambler /
  // Busy Lock No, PTT ID Off, Epilogue ON.
  struct Default {
    int col;
    int bit;
  };
  static constexpr Default defaults[] = {{4, 0}, {5, 0}, {6, 1}, {7, 0}, {8, 1},
                                         {9, 1}, {10, 1}, {11, 1}, {12, 1}, {13, 1}};
  for (const Default& d : defaults) SetCell(row, d.col, EditorOf(d.col)->itemText(d.bit), QString::number(d.bit));
  SetReadOnly(row, kTxColumn, false);
  // Every field is stored, so that what the row shows is what the record
  // holds even when the empty record was not erased.
  for (int c = kRxColumn; c <= kLastColumn; ++c) StoreCell(row, c);
}

void TfChInfo::DeleteChannelRow(int row) {
  Cell(row, kNumberColumn)->setData(kBackTextRole, QString());
  for (int c = kRxColumn; c <= kLastColumn; ++c) SetCell(row, c, {}, {});
  SetReadOnly(row, kTxColumn, true);
  StoreCell(row, kRxColumn);  // the empty RX text erases the whole record
}

// ---- events ------------------------------------------------------------------------

void TfChInfo::SyncCurrentChannel(int row) {
  if (row < kFirstChannelRow || row - 1 == all().CurrentChannel) return;
  all().CurrentChannel = row - 1;
  main().SelectChannelNode(2);
}

void TfChInfo::gvDataSelectCell(int row, int col) {
  currentRow_ = row;
  currentCol_ = col;
  ShowCellEditor();
  SyncCurrentChannel(row);
}

void TfChInfo::gvDataMouseDown(int row, int col) {
  currentRow_ = row;
  currentCol_ = col;
  HideEditors();
  gvData->setFocus();
  if (col == kRxColumn || (col == kTxColumn && !ForeText(row, kRxColumn).isEmpty())) {
    gvData->editItem(Cell(row, col));
  } else if (col == kNumberColumn && row >= kFirstChannelRow) {
    // The number cell selects its whole row, for Delete, copy and paste.
    const bool extend = QApplication::keyboardModifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    const QModelIndex index = gvData->model()->index(row, col);
    gvData->selectionModel()->select(index, (extend ? QItemSelectionModel::Select
                                                    : QItemSelectionModel::ClearAndSelect) |
                                                QItemSelectionModel::Rows);
  } else {
    ShowCellEditor();
  }
  SyncCurrentChannel(row);
}

void TfChInfo::ShowCellEditor() {
  const int r = currentRow_, c = currentCol_;
  if (r < kFirstChannelRow || r >= gvData->rowCount()) return;
  if (ForeText(r, kRxColumn).isEmpty() || c < kRxToneColumn || c > kLastColumn) return;
  if (c == kTxToneColumn && ForeText(r, kTxColumn).isEmpty()) return;
  QComboBox* box = EditorOf(c);
  HideEditors();
  placing_ = true;
  if (IsToneBox(box)) {
    ShowToneText(box, ForeText(r, c));
  } else {
    const QString back = BackText(r, c);
    box->setCurrentIndex(back.isEmpty() ? 0 : back.toInt());
  }
  placing_ = false;
  const QRect rect = gvData->visualItemRect(Cell(r, c));
  box->setGeometry(rect.left(), rect.top(), gvData->columnWidth(c), box->sizeHint().height());
  box->show();
  box->raise();
  box->setFocus();
}

void TfChInfo::HideEditors() {
  // The grid takes the focus first: a focused box that is hidden would pass
  // the focus on, and the grid would take that as a move to the next cell.
  QWidget* focus = QApplication::focusWidget();
  for (QComboBox* box : {cxRxDcts, cxTxDcts, cxPower, cxWn, cxHave, cxOnOff, cxDcs})
    if (focus != nullptr && (focus == box || box->isAncestorOf(focus))) gvData->setFocus();
  for (QComboBox* box : {cxRxDcts, cxTxDcts, cxPower, cxWn, cxHave, cxOnOff, cxDcs}) box->hide();
}

void TfChInfo::ToneBoxEdited(QComboBox* box) {
  if (box->isVisible()) ComBoxSetData(box);
}

void TfChInfo::ComBoxSetData(QComboBox* box) {
  if (Loading() || placing_) return;
  const int r = currentRow_, c = currentCol_;
  if (r < kFirstChannelRow || EditorOf(c) != box) return;
  QString t = box->currentText();
  if (IsToneBox(box)) {
    const QString typed = t.trimmed();
    if (!typed.isEmpty() && typed != lNone->text())
      t = QString::fromStdString(NormaliseToneText(typed.toStdString()));
    else
      t = lNone->text();
    placing_ = true;
    ShowToneText(box, t);
    placing_ = false;
    if (t == ForeText(r, c)) return;  // the same tone again: nothing changed
  } else {
    Cell(r, c)->setData(kBackTextRole, QString::number(box->currentIndex()));
  }
  Cell(r, c)->setText(t);
  StoreCell(r, c);
  MarkModified();
}

QString TfChInfo::gvDataSetForeText(int row, int col, const QString& text) {
  if (col != kRxColumn && col != kTxColumn) {
    MarkModified();
    Cell(row, col)->setText(text);
    return text;
  }
  const QString trimmed = text.trimmed();
  if (trimmed.isEmpty()) {
    MarkModified();
    if (col == kRxColumn) {
      DeleteChannelRow(row);
    } else {
      Cell(row, kTxColumn)->setText(QString());
      EncodeChannelField(all(), row - 1, ChannelField::TxFreq, "");
      main().RefreshViews(2);
      Cell(row, kTxToneColumn)->setText(cxTxDcts->itemText(0));
    }
    return QString();
  }
  CautionReporter reporter(db(), this);
  const QString stored = QString::fromStdString(EnteredFrequencyText(all(), trimmed.toStdString(), &reporter));
  if (stored.isEmpty()) {
    // No number, refused: the cell and the record keep the frequency they had.
    ShowCaution(db(), "OutRange", this);
    return ForeText(row, col);
  }
  MarkModified();
  Cell(row, col)->setText(stored);
  if (col == kRxColumn && BackText(row, kNumberColumn).isEmpty()) {
    NewChannelRow(row);
  } else {
    EncodeChannelField(all(), row - 1, col == kRxColumn ? ChannelField::RxFreq : ChannelField::TxFreq,
                       stored.toStdString());
    main().RefreshViews(2);
  }
  return stored;
}

bool TfChInfo::eventFilter(QObject* watched, QEvent* event) {
  if (watched == gvData && event->type() == QEvent::KeyPress &&
      !delegate_->Editing()) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Copy)) {
      CopyRows();
      return true;
    }
    if (key->matches(QKeySequence::Paste)) {
      PasteRows();
      return true;
    }
    if (key->key() == Qt::Key_Delete && !SelectedChannelRows().empty()) {
      DeleteSelectedRows();
      return true;
    }
  }
  if (event->type() == QEvent::FocusOut) {
    auto* box = qobject_cast<QComboBox*>(watched);
    auto* focus = static_cast<QFocusEvent*>(event);
    if (box != nullptr && focus->reason() != Qt::PopupFocusReason) {
      // ComBoxExit: a box that lost the focus is hidden (once the focus has
      // settled, so that its own list and line edit do not count).
      QPointer<QComboBox> guarded(box);
      QTimer::singleShot(0, this, [guarded] {
        if (!guarded) return;
        QWidget* now = QApplication::focusWidget();
        if (now != nullptr && (now == guarded || guarded->isAncestorOf(now))) return;
        guarded->hide();
      });
    }
  }
  return EditWindow::eventFilter(watched, event);
}

// ---- rows as a whole -----------------------------------------------------------------

std::vector<int> TfChInfo::SelectedChannelRows() const {
  std::vector<int> rows;
  for (int r = kFirstChannelRow; r < gvData->rowCount(); ++r)
    if (Cell(r, kNumberColumn)->isSelected()) rows.push_back(r);
  return rows;
}

void TfChInfo::DeleteSelectedRows() {
  bool any = false;
  for (int r : SelectedChannelRows()) {
    if (BackText(r, kNumberColumn).isEmpty()) continue;
    DeleteChannelRow(r);
    any = true;
  }
  if (any) MarkModified();
}

void TfChInfo::CopyRows() {
  std::vector<int> rows = SelectedChannelRows();
  if (rows.empty() && currentRow_ >= kFirstChannelRow) rows.push_back(currentRow_);
  if (rows.empty()) return;
  std::vector<int> channels;
  QStringList lines;
  for (int r : rows) {
    channels.push_back(r - 1);
    QStringList cells;
    for (int c = kNumberColumn; c <= kLastColumn; ++c) cells << ForeText(r, c);
    lines << cells.join(u'\t');
  }
  const std::vector<std::uint8_t> records = CopyChannelRecords(all(), channels);
  auto* data = new QMimeData;
  data->setData(QString::fromLatin1(kRecordsMime),
                QByteArray(reinterpret_cast<const char*>(records.data()), static_cast<qsizetype>(records.size())));
  data->setText(lines.join(u'\n') + u'\n');
  QApplication::clipboard()->setMimeData(data);
}

void TfChInfo::PasteRows() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasFormat(QString::fromLatin1(kRecordsMime))) return;
  const std::vector<int> selected = SelectedChannelRows();
  const int first = selected.empty() ? currentRow_ : selected.front();
  if (first < kFirstChannelRow) return;
  const QByteArray bytes = data->data(QString::fromLatin1(kRecordsMime));
  const std::vector<std::uint8_t> records(bytes.begin(), bytes.end());
  OnceReporter reporter;
  const int written = PasteChannelRecords(all(), first - 1, records, &reporter);
  if (written == 0) return;
  for (int r = first; r < first + written; ++r) FillRow(r);
  MarkModified();
  main().RefreshViews(2);
  if (reporter.clamped) ShowCaution(db(), "ErrRange", this);
}

// ---- the main window's calls -----------------------------------------------------------

void TfChInfo::ReloadCurrentChannel() {
  const int row = all().CurrentChannel + 1;
  FillRow(row);
  if (row < kFirstChannelRow || row >= gvData->rowCount() || gvData->currentRow() == row) return;
  auto hold = HoldLoading();
  HideEditors();
  const int col = currentCol_ >= kNumberColumn ? currentCol_ : kRxColumn;
  gvData->setCurrentCell(row, col);
  currentRow_ = row;
  currentCol_ = col;
}

void TfChInfo::EndEditing() {
  delegate_->CommitOpenEditor();
  HideEditors();
}

}  // namespace kx7q
