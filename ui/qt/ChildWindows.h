#pragma once
// Which command tag opens which window, and the one place where the main
// window's children are created, raised and freed.
//
// The table itself is ui/qt/ChildWindowTable.cpp: one line per window,
// sorted by tag. A tag whose line has no factory yet does nothing. Adding a
// window means one #include and one line there, e.g.
//   {14, "fOptFun", MakeWindow<TfOptFun>},
// for an EditWindow subclass constructed as TfOptFun(Maindb&, MainOps&, QWidget*), or
//   {18, RunDialog<TfEmbeddedMessage>},
// for a modal dialog constructed as TfEmbeddedMessage(Maindb&, QWidget*), or a
// function of your own taking a CommandContext&.

#include <QPointer>
#include <map>
#include <vector>

#include "app/Startup.h"
#include "ui/qt/EditWindow.h"
#include "ui/qt/MainOps.h"

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace kx7q {

class ChildWindows;

// ---- edit windows inside the main window -------------------------------------

using WindowFactory = EditWindow* (*)(Maindb& db, MainOps& main);

template <class T>
EditWindow* MakeWindow(Maindb& db, MainOps& main) {
  return new T(db, main, nullptr);
}

struct ChildWindowEntry {
  int tag;
  const char* objectName;  // "fChInfo": also the window's language-file section
  WindowFactory create;    // nullptr until the window exists
};

const std::vector<ChildWindowEntry>& ChildWindowTable();

// ---- commands that run a dialog or an operation of their own -----------------

struct CommandContext {
  Maindb& db;
  MainOps& main;
  ChildWindows& windows;
  QWidget* parent;  // the main window
};

using CommandRunner = void (*)(CommandContext& context);

// A modal dialog created for one use, run through MainOps::RunDialog.
template <class T>
void RunDialog(CommandContext& context) {
  T dialog(context.db, context.parent);
  context.main.RunDialog(dialog);
}

struct CommandEntry {
  int tag;
  CommandRunner run;  // nullptr until the command exists
};

const std::vector<CommandEntry>& CommandTable();

// ---- the registry of open windows ------------------------------------------------

class ChildWindows {
 public:
  // table: the windows the tags open (tests pass a table of their own).
  ChildWindows(QMdiArea* area, Maindb& db, MainOps& main,
               const std::vector<ChildWindowEntry>& table = ChildWindowTable());

  // Whether the tag names a window (with or without a factory yet).
  bool IsWindowTag(int tag) const;
  const ChildWindowEntry* Entry(int tag) const;

  // The open window of a tag, or nullptr.
  EditWindow* Find(int tag) const;
  template <class T>
  T* Find(int tag) const {
    return qobject_cast<T*>(Find(tag));
  }
  // Every open window, in the order they were opened.
  std::vector<EditWindow*> Open() const;

  // Opens the window of a tag: creates and refreshes it if needed, otherwise
  // brings it to the front, restored if minimised. nullptr when the tag has
  // no window (yet).
  EditWindow* Show(int tag);

  // For printing: the open window of the tag, or a new hidden one (refreshed,
  // not inside the main window; the caller deletes it). nullptr without factory.
  EditWindow* FindOrCreateHidden(int tag, bool& created);

  // Closes every child, the last opened first; they are deleted at once, so
  // the next Show creates each afresh.
  void CloseAll();

  // Runs the command table's entry of a tag; false when there is none.
  bool RunCommand(int tag, QWidget* parent);

  QMdiArea* Area() const { return area_; }

 private:
  EditWindow* Create(int tag) const;

  QMdiArea* area_;
  Maindb& db_;
  MainOps& main_;
  const std::vector<ChildWindowEntry>& table_;
  std::vector<std::pair<int, QPointer<EditWindow>>> open_;
};

}  // namespace kx7q
