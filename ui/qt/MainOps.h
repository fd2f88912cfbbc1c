#pragma once
// What the main window offers the windows inside it. Edit windows, dialogs and
// printing talk to the frame through this interface only, so each of them can
// be tested with a small fake instead of the whole main window.

class QDialog;

namespace kx7q {

class MainOps {
 public:
  virtual ~MainOps() = default;

  // Runs the command of a menu, toolbar or tree tag; unknown tags do nothing.
  virtual void ExecuteCommand(int tag) = 0;
  // 0: the channel edit window changed channel CurrentChannel: reload its grid row.
  // 1: the whole code plug was replaced: close every child, open a fresh grid.
  // 2: the grid changed channel CurrentChannel: reload the channel edit window.
  virtual void RefreshViews(int kind) = 0;
  // Selects the tree node of CurrentChannel; kind 2 also reloads the channel
  // edit window.
  virtual void SelectChannelNode(int kind) = 0;
  // After a completed read: no file name, status bar renewed, fresh grid.
  virtual void ResetAfterRead() = 0;
  virtual void BuildTree() = 0;
  virtual void UpdateStatus() = 0;
  // Before the code plug is replaced: when it has unsaved changes, asks
  // "SaveProgram" and saves on Yes. False when that save failed, so the
  // caller stops and the changes are kept. Without a main window: true.
  virtual bool OfferToSave() { return true; }

  // Runs a modal dialog and returns its result (QDialog::Accepted or
  // Rejected). The main window simply calls exec(); tests answer the dialog
  // programmatically instead. Every modal dialog a command opens goes through
  // here.
  virtual int RunDialog(QDialog& dialog);
};

}  // namespace kx7q
