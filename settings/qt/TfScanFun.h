#pragma once
// "Scan Information" (fScanFun): scan speed and dropout delay as fixed lists;
// a change writes both back and marks the code plug modified. The FM
// broadcast scan band has a group of its own that is not shown; its bound
// fields validate and store what is entered when editing ends.

#include <optional>

#include "ui/qt/EditWindow.h"

class QComboBox;
class QFrame;
class QLineEdit;

namespace kx7q {

class FunctionWindowLayout;

class TfScanFun : public EditWindow {
  Q_OBJECT
 public:
  TfScanFun(Maindb& db, MainOps& main, QWidget* parent = nullptr);

 public slots:
  // Editing of a bound field ended: make the entry valid, show and store it.
  void cxFM_MinExit();
  void cxFM_MaxExit();

 protected:
  void Decode() override;
  void Store() override;

 private:
  QLineEdit* MakeBoundField(const char* name);
  // The entered MHz, or nullopt (and the stored bound shown again) when the
  // field holds no number.
  std::optional<double> Entered(QLineEdit* field, double stored);

  FunctionWindowLayout* layout_;
  QComboBox* cxScanSpeed;
  QComboBox* cxScanDely;
  QFrame* fmGroup_;
  QLineEdit* cxFM_Min;
  QLineEdit* cxFM_Max;
};

}  // namespace kx7q
