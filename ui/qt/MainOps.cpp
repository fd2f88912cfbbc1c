#include "ui/qt/MainOps.h"

#include <QDialog>

namespace kx7q {

int MainOps::RunDialog(QDialog& dialog) { return dialog.exec(); }

}  // namespace kx7q
