// The main window: first show, the one dispatch for menu, toolbar and tree,
// the child windows, the current channel, and the view toggles.
#include <QAction>
#include <QMenuBar>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>

#include "support/qt/MainFrameFixture.h"
#include "core/ImageDefaults.h"
#include "i18n/qt/Localise.h"

namespace kx7q::test {
namespace {

class UiMainFrame : public MainFrameFixture {
 protected:
  void SetUp() override { StartProgram(); }

  QTreeWidgetItem* Node(int tag) const {
    QTreeWidgetItem* root = frame->Tree()->topLevelItem(0);
    for (int i = 0; i < root->childCount(); ++i)
      if (TfMainFrm::NodeTag(root->child(i)) == tag) return root->child(i);
    return nullptr;
  }
};

TEST_F(UiMainFrame, FirstShowBuildsANewCodePlugForTheFirstModel) {
  EXPECT_EQ(db.All.ModelName, "ROZ-KX-7Q(UHF)");
  EXPECT_EQ(db.All.BandText, "400 - 520MHz");
  EXPECT_EQ(db.All.FreqMin, 400);
  EXPECT_EQ(db.All.FreqMax, 520);
  EXPECT_FALSE(db.All.Modified);
  EXPECT_TRUE(frame->FileName.isEmpty());
  EXPECT_EQ(frame->windowTitle(), "ROZ-KX-7Q");
  EXPECT_EQ(db.All.PortName, "COM1");  // "Com1" by default, upper-cased

  TALL fresh = db.All;
  SetImageDefaults(fresh, db.FrqList);
  EXPECT_EQ(db.All.Image, fresh.Image);

  EXPECT_EQ(frame->StatusPanel(0), "");
  EXPECT_EQ(frame->StatusPanel(3), "Port: COM1");
  EXPECT_EQ(frame->StatusPanel(4), "ROZ-KX-7Q(UHF)");
  EXPECT_EQ(frame->StatusPanel(5), "400 - 520MHz");
  EXPECT_EQ(frame->StatusPanel(1).size(), 10);  // yyyy/mm/dd
  EXPECT_EQ(frame->StatusPanel(2).size(), 8);   // HH:mm:ss

  EXPECT_EQ(OpenTags(), (std::vector<int>{10}));
  EXPECT_EQ(Window(10)->decodes, 1);
}

TEST_F(UiMainFrame, TreeHasTheModelTheWindowsAndOneNodePerChannel) {
  QTreeWidgetItem* root = frame->Tree()->topLevelItem(0);
  EXPECT_EQ(root->text(0), "ROZ-KX-7Q");
  EXPECT_EQ(TfMainFrm::NodeTag(root), -1);
  EXPECT_EQ(frame->Tree()->currentItem(), root);
  const std::vector<std::pair<QString, int>> children = {
      {"Radio Information", 15}, {"Channel Information", 10}, {"Key Function", 12},
      {"Vox Function", 13},      {"Optional Function", 14},   {"Scan Information", 19}};
  ASSERT_EQ(root->childCount(), 6);
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(root->child(i)->text(0), children[i].first);
    EXPECT_EQ(TfMainFrm::NodeTag(root->child(i)), children[i].second);
  }
  QTreeWidgetItem* channels = Node(10);
  ASSERT_EQ(channels->childCount(), db.All.ChannelCount);
  EXPECT_EQ(channels->child(0)->text(0), "No. -  1");
  EXPECT_EQ(channels->child(15)->text(0), "No. -  16");
  EXPECT_EQ(TfMainFrm::NodeTag(channels->child(4)), 11);
  EXPECT_TRUE(root->isExpanded() && channels->isExpanded());

  // Rebuilding does not duplicate the channel nodes.
  frame->BuildTree();
  EXPECT_EQ(Node(10)->childCount(), db.All.ChannelCount);
}

TEST_F(UiMainFrame, MenuToolbarAndTreeRunTheSameCommand) {
  struct Case {
    int tag;
    bool toolbar;
    bool tree;
  } cases[] = {{10, false, true}, {11, true, false}, {14, false, true}, {15, false, true},
               {12, false, true}, {13, false, true}, {19, false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.tag);
    std::vector<std::function<void()>> ways = {[&] { frame->MenuAction(c.tag)->trigger(); }};
    if (c.toolbar) ways.push_back([&] { frame->ToolbarAction(c.tag)->trigger(); });
    if (c.tree) ways.push_back([&] { frame->DoubleClickNode(Node(c.tag)); });
    for (auto& way : ways) {
      frame->CloseAllChildren();
      way();
      EXPECT_EQ(OpenTags(), (std::vector<int>{c.tag}));
    }
  }
  // The port dialog from its menu entry and its button.
  frame->MenuAction(31)->trigger();
  frame->ToolbarAction(31)->trigger();
  EXPECT_EQ(dialogs, (QStringList{"fSetPort", "fSetPort"}));
}

TEST_F(UiMainFrame, CommandTableEntriesCarryTheirShortcutsAndVisibility) {
  struct Case {
    int tag;
    const char* name;
    const char* shortcut;
    bool visible;
  } cases[] = {{1, "nNew", "Ctrl+N", true},   {2, "nOpen", "Ctrl+O", true},  {3, "nSave", "Ctrl+S", true},
               {4, "nSaveAs", "Ctrl+A", true}, {5, "nPrint", "Ctrl+P", true}, {6, "nPreview", "Ctrl+V", true},
               {7, "nExit", "Ctrl+X", true},   {20, "nRead", "Ctrl+R", true}, {21, "nWrite", "Ctrl+W", true},
               {17, "nDtmf", "", false},       {16, "nPassWord", "", false},  {18, "nEmbeddedMessage", "", false},
               {22, "nTestOnline", "", false}};
  for (const auto& c : cases) {
    QAction* action = frame->MenuAction(c.tag);
    ASSERT_NE(action, nullptr) << c.tag;
    EXPECT_EQ(action->objectName(), c.name);
    EXPECT_EQ(action->shortcut().toString(), c.shortcut) << c.name;
    EXPECT_EQ(action->isVisible(), c.visible) << c.name;
  }
  EXPECT_FALSE(frame->ToolbarAction(11)->isVisible());  // ToolButton3 is hidden
  EXPECT_EQ(frame->ToolbarAction(1)->toolTip(), "New");
  EXPECT_EQ(frame->ToolbarAction(31)->objectName(), "tbCom");
}

TEST_F(UiMainFrame, OpeningAnOpenWindowRaisesAndRestoresIt) {
  frame->ExecuteCommand(14);
  FakeWindow* first = Window(14);
  ASSERT_NE(first, nullptr);
  auto* sub = qobject_cast<QMdiSubWindow*>(first->parentWidget());
  ASSERT_NE(sub, nullptr);
  sub->showMinimized();
  frame->ExecuteCommand(14);
  EXPECT_EQ(Window(14), first);
  EXPECT_FALSE(sub->isMinimized());
  EXPECT_EQ(first->decodes, 1);
  EXPECT_EQ(SubWindowCount(), 2);  // the grid and this one

  // Closed, the window is freed; the next command makes a fresh one.
  QPointer<FakeWindow> closed = first;
  sub->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull());
  EXPECT_EQ(Window(14), nullptr);
  frame->ExecuteCommand(14);
  ASSERT_NE(Window(14), nullptr);
  EXPECT_EQ(Window(14)->decodes, 1);
}

TEST_F(UiMainFrame, TagsWithoutWindowOrCommandDoNothing) {
  for (int tag : {-1, 0, 8, 16, 17, 22, 33, 99}) frame->ExecuteCommand(tag);
  frame->DoubleClickNode(frame->Tree()->topLevelItem(0));
  EXPECT_EQ(OpenTags(), (std::vector<int>{10}));
  EXPECT_TRUE(dialogs.isEmpty());
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(UiMainFrame, CommandsFinishInPlaceEditingFirst) {
  FakeWindow* grid = Window(10);
  frame->ExecuteCommand(15);
  EXPECT_EQ(grid->endEditing, 1);
}

TEST_F(UiMainFrame, TreeGridAndEditWindowFollowTheCurrentChannel) {
  // Double-clicking the fifth channel node opens the edit window on channel 5.
  frame->DoubleClickNode(frame->ChannelNode(5));
  EXPECT_EQ(db.All.CurrentChannel, 5);
  ASSERT_NE(Window(11), nullptr);
  EXPECT_EQ(frame->Tree()->currentItem(), frame->ChannelNode(5));

  // The grid selects row 9: channel 8, tree follows, edit window reloads.
  db.All.CurrentChannel = 8;
  frame->SelectChannelNode(2);
  EXPECT_EQ(frame->Tree()->currentItem(), frame->ChannelNode(8));
  EXPECT_EQ(Window(11)->reloadedChannel, 8);

  // A single click on a channel node reloads the edit window on that channel.
  frame->ClickNode(frame->ChannelNode(3));
  EXPECT_EQ(db.All.CurrentChannel, 3);
  EXPECT_EQ(Window(11)->reloadedChannel, 3);

  // Kind 0 reloads the grid's row, kind 2 the edit window; kind 0 of
  // SelectChannelNode only moves the tree.
  const int gridReloads = Window(10)->reloads;
  const int editReloads = Window(11)->reloads;
  frame->RefreshViews(0);
  EXPECT_EQ(Window(10)->reloads, gridReloads + 1);
  frame->RefreshViews(2);
  EXPECT_EQ(Window(11)->reloads, editReloads + 1);
  db.All.CurrentChannel = 16;
  frame->SelectChannelNode(0);
  EXPECT_EQ(frame->Tree()->currentItem(), frame->ChannelNode(16));
  EXPECT_EQ(Window(11)->reloads, editReloads + 1);
}

TEST_F(UiMainFrame, ReplacingTheCodePlugLeavesOnlyAFreshGrid) {
  for (int tag : {11, 12, 14, 15}) frame->ExecuteCommand(tag);
  FakeWindow* oldGrid = Window(10);
  QPointer<FakeWindow> watch = oldGrid;
  frame->FileName = "/somewhere/radio.dat";
  frame->ResetAfterRead();
  EXPECT_TRUE(watch.isNull());  // destroyed at once
  EXPECT_EQ(OpenTags(), (std::vector<int>{10}));
  EXPECT_EQ(SubWindowCount(), 1);
  EXPECT_TRUE(frame->FileName.isEmpty());
  EXPECT_EQ(frame->windowTitle(), "ROZ-KX-7Q");
}

TEST_F(UiMainFrame, ACompletedReadStartsTheViewsAfreshAFailedOneChangesNothing) {
  frame->ExecuteCommand(14);
  frame->FileName = "/somewhere/radio.dat";
  frame->ExecuteCommand(20);  // the read dialog is closed without a read
  EXPECT_EQ(OpenTags(), (std::vector<int>{10, 14}));
  EXPECT_EQ(frame->FileName, "/somewhere/radio.dat");

  // The dialog reports a completed read (its own tests cover when it does).
  auto runner = frame->dialogRunner;
  frame->dialogRunner = [&](QDialog& d) {
    runner(d);
    return int(d.objectName() == "fReadRadio" ? QDialog::Accepted : QDialog::Rejected);
  };
  frame->MenuAction(20)->trigger();
  EXPECT_EQ(OpenTags(), (std::vector<int>{10}));
  EXPECT_TRUE(frame->FileName.isEmpty());

  frame->ToolbarAction(21)->trigger();
  EXPECT_EQ(dialogs, (QStringList{"fReadRadio", "fReadRadio", "fWriteRadio"}));
}

TEST_F(UiMainFrame, WindowCommandsArrangeAndCloseTheChildren) {
  for (int tag : {12, 13, 14}) frame->ExecuteCommand(tag);
  frame->show();
  for (int tag : {50, 51, 52, 53}) frame->ExecuteCommand(tag);
  EXPECT_EQ(SubWindowCount(), 4);
  frame->ExecuteCommand(54);
  EXPECT_TRUE(OpenTags().empty());
  EXPECT_EQ(SubWindowCount(), 0);
}

TEST_F(UiMainFrame, MenuHintsLeaveTheStatusPanelsInPlace) {
  // A status-bar message would cover date, time, port, model and band while
  // the pointer rests on a menu entry, also once a language file gave hints.
  frame->show();
  dir.PutText("Klingon.Ini", "[fMainFrm]\nnOpen.Hint=Open a file\n");
  db.All.LanguageName = "Klingon";
  LocaliseWindow(frame.get(), db.All, true);
  for (int tag : {1, 2, 20}) {
    frame->MenuAction(tag)->showStatusText(frame->menuBar());
    EXPECT_EQ(frame->statusBar()->currentMessage(), "") << tag;
  }
  EXPECT_EQ(frame->MenuAction(2)->toolTip(), "Open a file");
}

TEST_F(UiMainFrame, ViewEntriesShowAndHidePanels) {
  frame->show();
  QAction* toolbar = frame->MenuAction(41);
  QAction* status = frame->MenuAction(42);
  EXPECT_TRUE(toolbar->isChecked());
  EXPECT_TRUE(status->isChecked());
  toolbar->trigger();
  EXPECT_FALSE(toolbar->isChecked());
  EXPECT_FALSE(frame->ToolbarPanel()->isVisible());
  toolbar->trigger();
  EXPECT_TRUE(frame->ToolbarPanel()->isVisible());
  status->trigger();
  EXPECT_FALSE(status->isChecked());
  EXPECT_FALSE(frame->statusBar()->isVisible());

  auto* hide = frame->findChild<QToolButton*>("TreeHide");
  ASSERT_NE(hide, nullptr);
  EXPECT_EQ(hide->text(), "X");
  hide->click();
  EXPECT_FALSE(frame->TreePanel()->isVisible());
  frame->MenuAction(40)->trigger();
  EXPECT_TRUE(frame->TreePanel()->isVisible());
  frame->MenuAction(40)->trigger();
  EXPECT_FALSE(frame->TreePanel()->isVisible());
}

}  // namespace
}  // namespace kx7q::test
