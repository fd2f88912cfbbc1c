#pragma once
// "Channel Tone Option": the CTCSS tones and the DCS codes as tables of
// cells. A double-click on a tone or code (the bold columns) closes the
// dialog with that code in SelectedCode; anything else leaves it open.

#include <QDialog>
#include <QString>

#include "app/Startup.h"

class QGroupBox;
class QListWidget;
class QRadioButton;
class QTableWidget;

namespace kx7q {

class TfToneOption : public QDialog {
  Q_OBJECT
 public:
  // Hidden value of a cell (the mark "1" of a selectable column in row 1).
  static constexpr int kBackTextRole = Qt::UserRole + 1;

  TfToneOption(Maindb& db, QWidget* parent = nullptr);

  // The picked code ("141.3", "D031I"); empty until one is picked.
  QString SelectedCode;

  void FormShow();
  void BuildCodeGrids();
  // Shows the table of a radio button's tag: 0 CTCSS, 1 DCS-N, 2 DCS-I.
  void rCTCSSClick(int tag);
  // Double-click on the current cell of a table.
  void GridDblClick(QTableWidget* grid);

  QGroupBox* GroupBox1 = nullptr;
  QRadioButton* rCTCSS = nullptr;
  QRadioButton* rDCSN = nullptr;
  QRadioButton* rDCSI = nullptr;
  QListWidget* lbSel = nullptr;
  QListWidget* lbValue = nullptr;
  QGroupBox* gbList = nullptr;
  QTableWidget* gvCtcss = nullptr;
  QTableWidget* gvDcsN = nullptr;
  QTableWidget* gvDcsI = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  Maindb& db_;
  bool shown_ = false;
};

}  // namespace kx7q
