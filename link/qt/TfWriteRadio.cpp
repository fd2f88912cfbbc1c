#include "link/qt/TfWriteRadio.h"

namespace kx7q {

TfWriteRadio::TfWriteRadio(Maindb& db, QWidget* parent) : LinkDialog(LinkDirection::Write, db, parent) {
  setObjectName("fWriteRadio");
  setWindowTitle("Write data to radio");
}

}  // namespace kx7q
