#pragma once
// "Embedded Message" (fEmbeddedMessage): a modal dialog with two lines of up
// to 32 letters, digits and blanks. The image has no place for them, so the
// dialog loads nothing, and Ok closes it without storing anything.

#include <QDialog>

#include "app/Startup.h"

class QLineEdit;
class QPushButton;

namespace kx7q {

class TfEmbeddedMessage : public QDialog {
  Q_OBJECT
 public:
  explicit TfEmbeddedMessage(Maindb& db, QWidget* parent = nullptr);

 private:
  QLineEdit* edEMA;
  QLineEdit* edEMB;
  QPushButton* btnOk;
  QPushButton* btnCancel;
};

}  // namespace kx7q
