#pragma once
// The read dialog: copies the radio's memory into the code plug. exec()
// returns QDialog::Accepted when a read has completed and been committed
// (the caller then refreshes its views).

#include "link/qt/LinkDialog.h"

namespace kx7q {

class TfReadRadio : public LinkDialog {
  Q_OBJECT
 public:
  explicit TfReadRadio(Maindb& db, QWidget* parent = nullptr);
};

}  // namespace kx7q
