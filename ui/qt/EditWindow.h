#pragma once
// The base of every edit window shown inside the main window (channel grid,
// channel edit, the function windows, radio information, password).
//
// An edit window holds no radio data of its own: it decodes the image into its
// controls and writes every change straight back into the image. Writing one:
//
//   class TfOptFun : public EditWindow {
//     Q_OBJECT
//    public:
//     TfOptFun(Maindb& db, MainOps& main, QWidget* parent = nullptr)
//         : EditWindow(db, main, parent) {
//       // Build the controls; give the window and every control the object
//       // name the language files use ("fOptFun" for the window, "L1",
//       // "cxTot", "btnClose", ...), and declare each list's item mode
//       // (SetItemMode, i18n/qt/Localise.h).
//       setObjectName("fOptFun");
//       setWindowTitle("Optional Function");
//       cxTot = new QComboBox(this);
//       cxTot->setObjectName("cxTot");
//       SetItemMode(cxTot, ItemMode::FirstOnly);
//       // Every control's change signal goes to StoreChange:
//       connect(cxTot, &QComboBox::currentIndexChanged, this, &EditWindow::StoreChange);
//     }
//    protected:
//     void Decode() override;  // image -> controls (Loading() is true)
//     void Store() override;   // controls -> image; MarkModified() if it should
//   };
//
// The window list (ui/qt/ChildWindowTable.cpp) creates the window, sets its
// object name, calls Refresh() and shows it inside the main window. Refresh()
// localises the window from the current language file when LanguageIndex > 0
// and then runs Decode() with the loading flag set, so that the change
// signals that Decode() provokes do not store anything.
//
// The window is deleted when it is closed (the registry owns that); keep no
// pointers to it elsewhere.

#include <QWidget>

#include "app/Startup.h"
#include "ui/qt/MainOps.h"

namespace kx7q {

// The two report tables filled for printing; defined by the printing code.
struct ReportTables;

// Sets a window's loading flag for a scope; see EditWindow::HoldLoading.
class LoadingScope {
 public:
  explicit LoadingScope(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
  ~LoadingScope() { flag_ = old_; }
  LoadingScope(const LoadingScope&) = delete;
  LoadingScope& operator=(const LoadingScope&) = delete;

 private:
  bool& flag_;
  bool old_;
};

class EditWindow : public QWidget {
  Q_OBJECT
 public:
  EditWindow(Maindb& db, MainOps& main, QWidget* parent = nullptr);

  // Localise (when LanguageIndex > 0, item mode as LocalisesItems()), then
  // Decode() with the loading flag set.
  void Refresh();
  bool Loading() const { return loading_; }

  // The main window calls these; the defaults suit most windows.
  // The current channel changed elsewhere: reload what shows it (default: Refresh).
  virtual void ReloadCurrentChannel() { Refresh(); }
  // Before any command runs: finish in-place editing (the grid closes its editors).
  virtual void EndEditing() {}
  // Printing: put this window's lines into the report tables. Windows that
  // appear in the printed report override it; the others print nothing.
  virtual void PrintFill(ReportTables& /*tables*/) {}

 public slots:
  // Connect every control's change signal here. Does nothing while loading;
  // otherwise calls Store().
  void StoreChange();

 protected:
  virtual void Decode() = 0;
  virtual void Store() = 0;
  // Whether localising also renames list entries (true for every edit window).
  virtual bool LocalisesItems() const { return true; }

  Maindb& db() const { return db_; }
  TALL& all() const { return db_.All; }
  MainOps& main() const { return main_; }
  // For windows whose changes count as unsaved edits.
  void MarkModified() { db_.All.Modified = true; }
  // For decodes outside Refresh (one grid row, a dependent list):
  //   auto hold = HoldLoading();  decode...
  [[nodiscard]] LoadingScope HoldLoading() { return LoadingScope(loading_); }

 private:
  Maindb& db_;
  MainOps& main_;
  bool loading_ = false;
};

}  // namespace kx7q
