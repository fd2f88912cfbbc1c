// The channel grid on the real window, offscreen: what it shows, typing into
// its cells and boxes, the record bytes each edit leaves, and the channel it
// keeps in step with the other views.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "channels/qt/TfChInfo.h"
#include "tests/channels/qt/ChannelWindowFixture.h"

namespace kx7q::test {
namespace {

class GridTest : public ChannelWindowTest {
 protected:
  void Open() {
    grid = std::make_unique<TfChInfo>(db, main);
    main.grid = grid.get();
    grid->Refresh();
    grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
    main.refreshes.clear();
    main.nodeSelections.clear();
  }
  QTableWidget* Grid() const { return grid->Grid(); }
  QPoint CellCentre(int row, int col) const { return Grid()->visualItemRect(Grid()->item(row, col)).center(); }
  void Click(int row, int col) { QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, {}, CellCentre(row, col)); }
  QLineEdit* CellEditor() const { return Grid()->findChild<QLineEdit*>("gvDataEditor"); }
  // Opens the cell's editor with a click, types keys and Enter, waits for the commit.
  void TypeInto(int row, int col, const QString& keys) {
    Click(row, col);
    QLineEdit* editor = CellEditor();
    ASSERT_NE(editor, nullptr) << "no editor on row " << row << " column " << col;
    editor->selectAll();
    if (keys.isEmpty())
      QTest::keyClick(editor, Qt::Key_Backspace);
    else
      QTest::keyClicks(editor, keys);
    const int boxesBefore = static_cast<int>(boxes.Boxes().size());
    const bool modifiedBefore = db.All.Modified;
    QTest::keyClick(editor, Qt::Key_Return);
    // The commit runs once the editor has closed.
    QTRY_VERIFY(CellEditor() == nullptr || !CellEditor()->isVisible());
    QTest::qWait(0);
    QCoreApplication::processEvents();
    (void)boxesBefore;
    (void)modifiedBefore;
  }
  QStringList RowTexts(int row) const {
    QStringList texts;
    for (int c = 1; c <= 13; ++c) texts << grid->ForeText(row, c);
    return texts;
  }

  std::unique_ptr<TfChInfo> grid;
};

TEST_F(GridTest, GridShowsTitlesNumbersAndHidesThreeColumns) {
  Open();
  EXPECT_EQ(Grid()->objectName(), "gvData");
  EXPECT_EQ(Grid()->rowCount(), 18);
  EXPECT_EQ(Grid()->columnCount(), 14);
  EXPECT_EQ(RowTexts(1), (QStringList{"No.", "RX Frequency", "TX Frequency", "QT/DQT Dec", "QT/DQT Enc",
                                      "TX Power", "W/N", "Scan Add", "Compander", "Scrambler", "Busy Lock",
                                      "PTT ID", "Epilogue"}));
  for (int c : {9, 10, 12}) EXPECT_TRUE(Grid()->isColumnHidden(c)) << c;
  for (int c : {1, 2, 3, 4, 5, 6, 7, 8, 11, 13}) EXPECT_FALSE(Grid()->isColumnHidden(c)) << c;
  EXPECT_TRUE(Grid()->isRowHidden(0));
  EXPECT_TRUE(Grid()->isColumnHidden(0));
  EXPECT_EQ(grid->ForeText(2, 1), "1");
  EXPECT_EQ(grid->ForeText(17, 1), "16");
  EXPECT_EQ(grid->FormWidth(), 697);
}

TEST_F(GridTest, RowShowsDecodedChannelWithRawBitsBehind) {
  SetRecord(3, kProgrammed);
  EraseChannel(4);
  Record noTx = kProgrammed;
  std::fill(noTx.begin() + 4, noTx.begin() + 8, 0xFF);
  noTx[12] = 0xFF;
  SetRecord(5, noTx);
  Open();
  EXPECT_EQ(RowTexts(4), (QStringList{"3", "462.56250", "462.56250", "67.0", "D023N", "Low", "Wide", "Yes", "Yes",
                                      "Yes", "Yes", "On", "OFF"}));
  EXPECT_EQ(grid->BackText(4, 1), "1");
  for (int c = 6; c <= 13; ++c) EXPECT_EQ(grid->BackText(4, c), "0") << c;
  EXPECT_FALSE(grid->CellReadOnly(4, 3));
  EXPECT_EQ(RowTexts(5), (QStringList{"4", "", "", "", "", "", "", "", "", "", "", "", ""}));
  EXPECT_EQ(grid->BackText(5, 1), "");
  EXPECT_TRUE(grid->CellReadOnly(5, 3));
  EXPECT_FALSE(grid->CellReadOnly(5, 2));
  EXPECT_EQ(RowTexts(6), (QStringList{"5", "462.56250", "", "67.0", "D023N", "High", "Narrow", "No", "No", "No",
                                      "No", "Off", "ON"}));
  for (int c : {1, 4, 5, 6, 13}) EXPECT_TRUE(grid->CellReadOnly(4, c)) << c;
}

TEST_F(GridTest, FrequencyTypedIntoEmptyRowMakesNewChannel) {
  EraseChannel(2);
  Open();
  TypeInto(3, 2, "462.5631");
  QTRY_COMPARE(grid->ForeText(3, 2), QString("462.56250"));
  EXPECT_EQ(RowTexts(3), (QStringList{"2", "462.56250", "462.56250", "None", "None", "High", "Wide", "No", "No",
                                      "No", "No", "Off", "ON"}));
  EXPECT_EQ(Hex(RecordOf(2)), "50 62 25 46 50 62 25 46 FF FF FF FF F7 FF FF FF");
  EXPECT_EQ(grid->BackText(3, 1), "1");
  EXPECT_FALSE(grid->CellReadOnly(3, 3));
  EXPECT_TRUE(db.All.Modified);
  EXPECT_TRUE(boxes.Boxes().empty());
}

}  // namespace
}  // namespace kx7q::test
