#pragma once
// The main window: menu, toolbar, navigation tree, status bar and the MDI
// area holding the edit windows. Every menu entry, toolbar button and tree
// node carries a command tag; ExecuteCommand runs the command of a tag, so
// the three ways of starting a command behave alike.
//
// Tags: 1 New, 2 Open, 3 Save, 4 Save As, 5 Print, 6 Print Preview, 7 Exit,
// 10-17 and 19 edit windows (see ChildWindowTable.cpp), 18 embedded message,
// 20 read, 21 write, 22 test online (nothing), 30 model, 31 port,
// 32 language, 40-42 tree/toolbar/status bar, 50-54 window arrangement,
// 60 help, 61 about.

#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

#include "app/Startup.h"
#include "core/Status.h"
#include "ui/qt/ChildWindows.h"
#include "ui/qt/MainOps.h"

class QAction;
class QComboBox;
class QLabel;
class QMdiArea;
class QMenu;
class QSplitter;
class QTimer;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace kx7q {

class TfMainFrm : public QMainWindow, public MainOps {
  Q_OBJECT
 public:
  explicit TfMainFrm(Maindb& db, QWidget* parent = nullptr);
  ~TfMainFrm() override;

  // ---- operations the other windows call (MainOps) ----
  void ExecuteCommand(int tag) override;
  void RefreshViews(int kind) override;
  void SelectChannelNode(int kind) override;
  void ResetAfterRead() override;
  void BuildTree() override;
  void UpdateStatus() override;
  int RunDialog(QDialog& dialog) override;
  bool OfferToSave() override;

  // Full path of the current data file; empty for a code plug without file.
  QString FileName;

  // ---- the commands ----
  enum class SaveResult { Written, Cancelled, Failed };
  void NewCodePlug();
  void OpenDataFile();
  SaveResult SaveDataFile();
  void SaveDataFileAs();
  void ModelSetup();
  void SetPort();
  void ChangeLanguage();
  void ShowHelp();
  void ShowAbout();
  void CloseAllChildren();
  void ToggleTree();
  void ToggleToolbar();
  void ToggleStatusBar();

  // The first show: model, new code plug, port check, language, tree, grid.
  // Runs once, on the first showEvent; tests may call it directly.
  void FormShow();

  // ---- what tests and other windows look at ----
  ChildWindows& Windows() { return *windows_; }
  // Opens windows from another table than ChildWindowTable() (tests).
  void UseWindowTable(const std::vector<ChildWindowEntry>& table);
  QMdiArea* MdiArea() const { return mdi_; }
  QTreeWidget* Tree() const { return cxTree_; }
  QAction* MenuAction(int tag) const;     // nullptr when no menu entry has the tag
  QAction* ToolbarAction(int tag) const;  // nullptr when no button has the tag
  QString StatusPanel(int index) const;
  QWidget* TreePanel() const { return pTree_; }
  QWidget* ToolbarPanel() const { return pBar_; }
  // The tag of a tree node (-1 for the root).
  static int NodeTag(const QTreeWidgetItem* node);
  QTreeWidgetItem* ChannelNode(int channel) const;  // 1-based; nullptr when absent
  void ClickNode(QTreeWidgetItem* node);        // cxTreeClick on a selected node
  void DoubleClickNode(QTreeWidgetItem* node);  // cxTreeDblClick on a selected node

  // ---- hooks, replaced by tests ----
  // Runs modal dialogs (default: exec()).
  std::function<int(QDialog&)> dialogRunner;
  // Ask for a file to open / to save to; empty when cancelled.
  std::function<QString()> chooseOpenFile;
  std::function<QString()> chooseSaveFile;
  // The serial ports present, as "COMn" names in rising order.
  std::function<QStringList()> presentPorts;
  // Opens a help file with the system's viewer; false when it could not.
  std::function<bool(const QString& path)> openHelpFile;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenu();
  void BuildToolbar();
  void BuildTreePanel();
  void BuildStatusBar();
  QAction* AddCommand(QMenu* menu, const char* name, const char* caption, int tag,
                      const QKeySequence& shortcut = {});
  void FinishEditing();
  // A file that could not be read or written: the reason, after the path.
  void ReportFileFailure(Status status, const std::string& path);
  void UpdateCaption();
  void ShowClock();
  void WriteSettingsBack();
  void TreeItemClicked(QTreeWidgetItem* item, bool doubleClick);
  QString ChannelNodeText(int channel) const;

  Maindb& db_;
  std::unique_ptr<ChildWindows> windows_;
  std::map<int, QAction*> menuActions_;
  std::map<int, QAction*> toolbarActions_;
  QMdiArea* mdi_ = nullptr;
  QWidget* pBar_ = nullptr;
  QToolBar* tbar_ = nullptr;
  QWidget* pTree_ = nullptr;
  QTreeWidget* cxTree_ = nullptr;
  QTreeWidgetItem* channelRoot_ = nullptr;
  QSplitter* splitter_ = nullptr;
  QLabel* Label5_ = nullptr;
  QLabel* lCom_ = nullptr;
  QComboBox* cbCom_ = nullptr;
  QLabel* ImBack_ = nullptr;
  QTimer* Timer_ = nullptr;
  QAction* nTestOnline_ = nullptr;
  QAction* nToolbar_ = nullptr;
  QAction* nStatusbar_ = nullptr;
  std::vector<QLabel*> panels_;
  bool shown_ = false;
};

}  // namespace kx7q
