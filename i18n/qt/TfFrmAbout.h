#pragma once
// The about box. Its texts all come from the language file (section
// fFrmAbout, Label1-Label9); a click anywhere on it closes it.

#include <QDialog>

#include "app/Startup.h"

class QLabel;
class QPlainTextEdit;

namespace kx7q {

class TfFrmAbout : public QDialog {
  Q_OBJECT
 public:
  TfFrmAbout(Maindb& db, QWidget* parent = nullptr);

  QLabel* Icon;
  QLabel* Label1;
  QLabel* Label2;
  QLabel* Label3;
  QLabel* Label8;
  QLabel* Label4;
  QLabel* Label9;
  QLabel* Label5;  // Label5-Label7 are not shown; they fill Memo1
  QLabel* Label6;
  QLabel* Label7;
  QPlainTextEdit* Memo1;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kx7q
