#include "link/qt/TfReadRadio.h"

namespace kx7q {

TfReadRadio::TfReadRadio(Maindb& db, QWidget* parent) : LinkDialog(LinkDirection::Read, db, parent) {
  setObjectName("fReadRadio");
  setWindowTitle("Read data From radio");
}

}  // namespace kx7q
