#pragma once
// "Channel Information": every channel of the code plug as one row of the
// grid gvData, edited in place.
//
// The grid's cells (QTableWidget items) are addressed as (row, column) like
// the QTableWidget itself. Row 0 and column 0 are hidden; row 1 holds the
// column titles; row r (2 .. ChannelCount + 1) shows channel r - 1; column 1
// holds the channel number and columns 2-13 the fields in the order of
// ChannelColumns(). Each cell has a shown text (Qt::DisplayRole, what is
// printed) and a hidden value (kBackTextRole): "1" in column 1 of a
// programmed channel, the raw bit "0"/"1" in the switch columns.
//
// Frequencies are typed into the grid's own editor (columns 2 and 3); tones
// and switches are chosen in drop-down boxes shown over one cell at a time.
// Every edit is encoded into the image at once.

#include <QString>
#include <vector>

#include "ui/qt/EditWindow.h"

class QComboBox;
class QLabel;
class QListWidget;
class QTableWidget;
class QTableWidgetItem;

namespace kx7q {

class FrequencyDelegate;

class TfChInfo : public EditWindow {
  Q_OBJECT
 public:
  static constexpr int kBackTextRole = Qt::UserRole + 1;
  static constexpr int kTitleRow = 1;
  static constexpr int kFirstChannelRow = 2;
  static constexpr int kNumberColumn = 1;
  static constexpr int kRxColumn = 2, kTxColumn = 3, kRxToneColumn = 4, kTxToneColumn = 5;
  static constexpr int kLastColumn = 13;

  TfChInfo(Maindb& db, MainOps& main, QWidget* parent = nullptr);

  QTableWidget* Grid() const { return gvData; }
  QString ForeText(int row, int col) const;
  QString BackText(int row, int col) const;
  bool CellReadOnly(int row, int col) const;
  // The box shown over a cell of that column (nullptr for columns 1-3).
  QComboBox* EditorOf(int col) const;
  QComboBox* VisibleEditor() const;
  // Sum of the 13 column widths (a hidden column counting -1) + 30.
  int FormWidth() const { return formWidth_; }
  QSize sizeHint() const override;

  void SetupColumns();
  void SetupRows();
  void FillRow(int row);
  void FillAllRows();
  void StoreCell(int row, int col);
  void NewChannelRow(int row);
  void DeleteChannelRow(int row);
  void ShowCellEditor();
  void HideEditors();

  // A cell selected by mouse or keyboard.
  void gvDataSelectCell(int row, int col);
  // A mouse press on a cell (after it was selected).
  void gvDataMouseDown(int row, int col);
  // A text committed in the grid's editor; returns the text the cell keeps.
  QString gvDataSetForeText(int row, int col, const QString& text);
  // A value chosen or typed in the box over the current cell.
  void ComBoxSetData(QComboBox* box);

  // Channel rows: Delete clears the selected rows, Ctrl+C copies them (the
  // current row when no number cell is selected), Ctrl+V pastes from the
  // current row on.
  std::vector<int> SelectedChannelRows() const;
  void DeleteSelectedRows();
  void CopyRows();
  void PasteRows();

  void ReloadCurrentChannel() override;
  void EndEditing() override;

 protected:
  void Decode() override;
  void Store() override {}
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  friend class FrequencyDelegate;
  QTableWidgetItem* Cell(int row, int col) const;
  void SetCell(int row, int col, const QString& fore, const QString& back);
  void SetReadOnly(int row, int col, bool readOnly);
  void SyncCurrentChannel(int row);
  bool IsToneBox(const QComboBox* box) const;
  void ToneBoxEdited(QComboBox* box);

  QTableWidget* gvData = nullptr;
  QListWidget* BColText = nullptr;
  QLabel* lNone = nullptr;
  QComboBox* cxRxDcts = nullptr;
  QComboBox* cxTxDcts = nullptr;
  QComboBox* cxPower = nullptr;
  QComboBox* cxWn = nullptr;
  QComboBox* cxHave = nullptr;
  QComboBox* cxOnOff = nullptr;
  QComboBox* cxDcs = nullptr;
  FrequencyDelegate* delegate_ = nullptr;
  int currentRow_ = -1;
  int currentCol_ = -1;
  int formWidth_ = 0;
  int formHeight_ = 520;
  bool placing_ = false;  // a box is being filled for its cell, not changed by the user
};

}  // namespace kx7q
