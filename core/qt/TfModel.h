#pragma once
// "Model Information": choose the model variant and band of a new code plug.
// The dialog only offers listed models and bands; applying the choice is the
// main window's ModelSetup.

#include <QDialog>

#include "app/Startup.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace kx7q {

class TfModel : public QDialog {
  Q_OBJECT
 public:
  TfModel(Maindb& db, QWidget* parent = nullptr);

  // Refills the band list for the model shown, selecting its default band.
  void cbCopmutChange();

  QLabel* Label1;
  QLabel* Label2;
  QComboBox* cbCopmut;  // models
  QComboBox* cbPd;      // bands of that model
  QPushButton* btnOk;
  QPushButton* btnCancel;
  bool Accepted = false;

 private:
  Maindb& db_;
};

}  // namespace kx7q
