#pragma once
// The common shape of the radio function windows (optional functions, VOX,
// keys, scan, DTMF, radio information, password): frames of rows, each row a
// caption label on the left and its control on the right, one or more such
// label/control columns side by side, and "&Close" at the bottom right.
//
//   TfVoxFun::TfVoxFun(Maindb& db, MainOps& main, QWidget* parent)
//       : EditWindow(db, main, parent), layout_(*this) {
//     setObjectName("fVoxFun");
//     setWindowTitle("Vox Function");
//     layout_.BeginFrame("L0", "Vox Function");
//     cxVox = MakeList(*this, VoxGainList());  // named, item mode, entries, StoreChange
//     layout_.AddRow("L1", "VOX Gain Level", cxVox);
//     layout_.AddCloseButton();
//   }
//
// The layout also makes the window a fixed-size MDI child with a minimise
// button and no maximise button, placed at (20, 20) in the main window's
// client area when it first appears.

#include <QObject>
#include <vector>

#include "channels/ValueList.h"
#include "i18n/qt/Localise.h"
#include "ui/qt/EditWindow.h"

class QComboBox;
class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;
class QVBoxLayout;

namespace kx7q {

class FunctionWindowLayout : public QObject {
  Q_OBJECT
 public:
  explicit FunctionWindowLayout(EditWindow& window);

  // Starts a new frame below the previous ones. With a caption name the frame
  // is headed by a label of that name (a language-file key, e.g. "L0").
  // Returns the frame, e.g. to hide a whole group.
  QFrame* BeginFrame(const char* captionName = nullptr, const char* caption = nullptr);

  // A row of the current frame (a frame is started if there is none): the
  // label named labelName with the caption, and the control to its right.
  // column 0 is the left label/control pair, 1 the one beside it, ...
  QLabel* AddRow(const char* labelName, const char* caption, QWidget* control, int column = 0);
  // A row whose controls sit side by side after the label (e.g. two bounds).
  QLabel* AddRow(const char* labelName, const char* caption, const std::vector<QWidget*>& controls,
                 int column = 0);

  // Shows or hides a row: the label and the controls that AddRow placed.
  void SetRowVisible(QLabel* label, bool visible);

  // "&Close" (btnCancel) below the frames on the right; it closes the window.
  QPushButton* AddCloseButton();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Row {
    QLabel* label;
    std::vector<QWidget*> controls;
  };
  void FitFrame();

  EditWindow& window_;
  QVBoxLayout* outer_;
  QGridLayout* grid_ = nullptr;
  int nextRow_[8] = {};
  std::vector<Row> rows_;
  bool fitting_ = false;
  bool placed_ = false;
};

// A drop-down list filled with the entries of a value list: the control name
// and item-translation mode come from the list, the entries are its English
// texts. Not editable. Its index changes go to the window's StoreChange.
QComboBox* MakeList(EditWindow& window, const ValueList& list);

ItemMode ToItemMode(ItemTranslation translation);

// The selected entry of a list, or `stored` when it shows none (a stored
// value outside the list), so that storing the other fields keeps that byte.
int SelectedOr(const QComboBox* box, int stored);

}  // namespace kx7q
