#include "ui/qt/EditWindow.h"

#include "i18n/qt/Localise.h"

namespace kx7q {

EditWindow::EditWindow(Maindb& db, MainOps& main, QWidget* parent)
    : QWidget(parent), db_(db), main_(main) {}

void EditWindow::Refresh() {
  auto hold = HoldLoading();
  if (db_.All.LanguageIndex > 0) LocaliseWindow(this, db_.All, LocalisesItems());
  Decode();
}

void EditWindow::StoreChange() {
  if (loading_) return;
  Store();
}

}  // namespace kx7q
