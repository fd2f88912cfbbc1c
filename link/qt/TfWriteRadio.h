#pragma once
// The write dialog: sends the code plug to the radio. It stays open after a
// completed write, so the same plug can be written to several radios; exec()
// returns QDialog::Accepted when at least one write completed.

#include "link/qt/LinkDialog.h"

namespace kx7q {

class TfWriteRadio : public LinkDialog {
  Q_OBJECT
 public:
  explicit TfWriteRadio(Maindb& db, QWidget* parent = nullptr);
};

}  // namespace kx7q
