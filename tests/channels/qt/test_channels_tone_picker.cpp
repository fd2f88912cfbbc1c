// The tone picker on the real dialog, offscreen: its tables and the
// double-click rule.
#include <QGroupBox>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "channels/qt/TfToneOption.h"
#include "tests/channels/qt/ChannelWindowFixture.h"

namespace kx7q::test {
namespace {

class TonePickerTest : public ChannelWindowTest {
 protected:
  TonePickerTest() : picker(db) {
    picker.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&picker));
  }
  // A double-click as the system delivers it: press, release, then the double-click.
  void DoubleClick(QTableWidget* grid, int row, int col) {
    const QPoint at = grid->visualItemRect(grid->item(row, col)).center();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, at);
  }
  // Clicked on its indicator.
  void Choose(QRadioButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }

  TfToneOption picker;
};

TEST_F(TonePickerTest, StartsOnCtcssTableWithEmptyResult) {
  EXPECT_TRUE(picker.gvCtcss->isVisible());
  EXPECT_FALSE(picker.gvDcsN->isVisible());
  EXPECT_FALSE(picker.gvDcsI->isVisible());
  EXPECT_EQ(picker.gbList->title(), "CTCSS");
  EXPECT_TRUE(picker.SelectedCode.isEmpty());
}

TEST_F(TonePickerTest, TablesHoldGroupsInListOrder) {
  struct Case {
    QTableWidget* grid;
    int row, col;
    const char* text;
  } cases[] = {
      {picker.gvCtcss, 1, 1, "01"},     {picker.gvCtcss, 1, 2, "67.0"},  {picker.gvCtcss, 1, 3, "XZ"},
      {picker.gvCtcss, 5, 7, "17"},     {picker.gvCtcss, 5, 8, "141.3"}, {picker.gvCtcss, 5, 9, "4A"},
      {picker.gvCtcss, 1, 13, "25"},   {picker.gvCtcss, 6, 13, "2A"},   {picker.gvCtcss, 6, 14, "254.1"},
      {picker.gvCtcss, 7, 14, ""},      {picker.gvCtcss, 9, 15, ""},     {picker.gvDcsN, 4, 2, "D031N"},
      {picker.gvDcsI, 4, 2, "D031I"},   {picker.gvDcsI, 4, 1, "4"},      {picker.gvDcsN, 1, 16, "D703N"},
      {picker.gvDcsN, 8, 16, "D754N"},  {picker.gvDcsN, 9, 16, ""},      {picker.gvDcsI, 11, 15, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.grid->objectName().toStdString() << " row " << c.row << " col " << c.col);
    EXPECT_EQ(c.grid->item(c.row, c.col)->text(), c.text);
  }
}

TEST_F(TonePickerTest, SelectableColumnsAreBoldWhiteAndMarked) {
  QTableWidgetItem* tone = picker.gvCtcss->item(3, 8);
  EXPECT_TRUE(tone->font().bold());
  EXPECT_EQ(tone->background().color(), QColor(Qt::white));
  EXPECT_EQ(picker.gvCtcss->item(1, 8)->data(TfToneOption::kBackTextRole).toString(), "1");
  EXPECT_FALSE(picker.gvCtcss->item(3, 7)->font().bold());
  EXPECT_EQ(picker.gvCtcss->item(3, 7)->background().color(), QColor(249, 141, 227));
  EXPECT_EQ(picker.gvCtcss->item(3, 9)->background().color(), QColor(225, 249, 112));
  EXPECT_EQ(picker.gvDcsI->item(3, 1)->background().color(), QColor(47, 231, 220));
  EXPECT_EQ(picker.gvDcsI->columnWidth(2), 43);
  EXPECT_EQ(picker.gvCtcss->rowHeight(2), 24);
}

TEST_F(TonePickerTest, DoubleClickOnToneOrCodeReturnsIt) {
  DoubleClick(picker.gvCtcss, 5, 8);
  EXPECT_EQ(picker.SelectedCode, "141.3");
  EXPECT_EQ(picker.result(), QDialog::Accepted);
  EXPECT_FALSE(picker.isVisible());
}

TEST_F(TonePickerTest, DoubleClickOutsideSelectableColumnKeepsDialogOpen) {
  DoubleClick(picker.gvCtcss, 5, 7);
  DoubleClick(picker.gvCtcss, 5, 9);
  EXPECT_TRUE(picker.SelectedCode.isEmpty());
  EXPECT_TRUE(picker.isVisible());
}

TEST_F(TonePickerTest, EmptyToneCellClosesWithEmptyResult) {
  DoubleClick(picker.gvCtcss, 8, 14);
  EXPECT_TRUE(picker.SelectedCode.isEmpty());
  EXPECT_FALSE(picker.isVisible());
}

TEST_F(TonePickerTest, RadioButtonsSwitchTableAndTitle) {
  Choose(picker.rDCSI);
  EXPECT_TRUE(picker.gvDcsI->isVisible());
  EXPECT_FALSE(picker.gvCtcss->isVisible());
  EXPECT_EQ(picker.gbList->title(), "DCS-I");
  DoubleClick(picker.gvDcsI, 4, 2);
  EXPECT_EQ(picker.SelectedCode, "D031I");
}

TEST_F(TonePickerTest, DcsNTableUnderItsTitle) {
  Choose(picker.rDCSN);
  EXPECT_TRUE(picker.gvDcsN->isVisible());
  EXPECT_EQ(picker.gbList->title(), "DCS-N");
  DoubleClick(picker.gvDcsN, 4, 2);
  EXPECT_EQ(picker.SelectedCode, "D031N");
}

}  // namespace
}  // namespace kx7q::test
