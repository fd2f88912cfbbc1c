// The channel grid and the channel edit window inside the real main window:
// tree, grid and edit window following the current channel, and commands
// finishing an edit left open in the grid.
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "channels/ChannelCodec.h"
#include "channels/qt/TfBInfoEdit.h"
#include "channels/qt/TfChInfo.h"
#include "support/qt/MainFrameFixture.h"
#include "support/qt/WaitFor.h"

namespace kx7q::test {
namespace {

class ChannelsInMainWindowTest : public MainFrameFixture {
 protected:
  void SetUp() override {
    StartProgram();
    frame->UseWindowTable(ChildWindowTable());
    frame->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    frame->ExecuteCommand(10);
    ASSERT_NE(Grid(), nullptr);
  }
  TfChInfo* Grid() const { return frame->Windows().Find<TfChInfo>(10); }
  TfBInfoEdit* Edit() const { return frame->Windows().Find<TfBInfoEdit>(11); }
  void ClickCell(int row, int col) {
    QTableWidget* g = Grid()->Grid();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(row, col)).center());
  }
};

TEST_F(ChannelsInMainWindowTest, GridWindowPlacedAndSizedForItsColumns) {
  const QWidget* frameOfGrid = Grid()->parentWidget();
  EXPECT_EQ(frameOfGrid->pos(), QPoint(20, 20));
  EXPECT_EQ(frameOfGrid->width(), 697);
  EXPECT_EQ(frameOfGrid->height(), 480);  // 30 pixels per channel
}

TEST_F(ChannelsInMainWindowTest, TreeGridAndEditWindowFollowCurrentChannel) {
  frame->DoubleClickNode(frame->ChannelNode(5));
  ASSERT_NE(Edit(), nullptr);
  EXPECT_EQ(db.All.CurrentChannel, 5);
  EXPECT_EQ(Edit()->sexd->value(), 5);

  ClickCell(9, 2);
  EXPECT_EQ(db.All.CurrentChannel, 8);
  EXPECT_EQ(frame->Tree()->currentItem(), frame->ChannelNode(8));
  EXPECT_EQ(Edit()->sexd->value(), 8);

  frame->ClickNode(frame->ChannelNode(3));
  EXPECT_EQ(Edit()->sexd->value(), 3);
  EXPECT_EQ(Grid()->Grid()->currentRow(), 4);

  Edit()->sexd->setValue(12);
  EXPECT_EQ(frame->Tree()->currentItem(), frame->ChannelNode(12));
  EXPECT_EQ(Grid()->Grid()->currentRow(), 13);
}

TEST_F(ChannelsInMainWindowTest, EditsInOneWindowShowInTheOther) {
  ClickCell(3, 2);  // channel 2, programmed from the grid
  auto* editor = Grid()->Grid()->findChild<QLineEdit*>("gvDataEditor");
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "440");
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EVENTUALLY_EQ(Grid()->ForeText(3, 2), QString("440.00000"));
  frame->ExecuteCommand(11);
  ASSERT_NE(Edit(), nullptr);
  Edit()->cxWn->setCurrentIndex(1 - Edit()->cxWn->currentIndex());
  EXPECT_EQ(Grid()->ForeText(3, 7), Edit()->cxWn->currentText());

  ClickCell(3, 6);
  QComboBox* power = Grid()->VisibleEditor();
  ASSERT_NE(power, nullptr);
  power->setCurrentIndex(1 - power->currentIndex());
  EXPECT_EQ(Edit()->cxPower->currentText(), Grid()->ForeText(3, 6));
  EXPECT_TRUE(db.All.Modified);
}

TEST_F(ChannelsInMainWindowTest, CommandFinishesOpenGridEdit) {
  ClickCell(4, 2);  // channel 3
  auto* editor = Grid()->Grid()->findChild<QLineEdit*>("gvDataEditor");
  ASSERT_NE(editor, nullptr);
  editor->selectAll();
  QTest::keyClicks(editor, "433.0125");
  frame->ExecuteCommand(50);  // any command: the typed text is stored first
  EXPECT_EQ(FormatFrequency(*DecodeFrequency(db.All.RadioPtr(ChannelAddress(3)))), "433.01250");
  EXPECT_EQ(Grid()->ForeText(4, 2), "433.01250");
}

}  // namespace
}  // namespace kx7q::test
