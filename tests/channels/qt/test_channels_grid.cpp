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
#include "support/TempDir.h"
#include "support/qt/WaitFor.h"
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
    QTest::keyClick(editor, Qt::Key_Return);
    // The commit runs once the editor has closed.
    EXPECT_EVENTUALLY(CellEditor() == nullptr);
    QCoreApplication::processEvents();
  }
  // Clicks a field cell and returns the box shown over it (nullptr if none).
  QComboBox* BoxOver(int row, int col) {
    Click(row, col);
    return grid->VisibleEditor();
  }
  void TypeIntoBox(QComboBox* box, const QString& keys) {
    box->lineEdit()->selectAll();
    QTest::keyClicks(box->lineEdit(), keys);
    QTest::keyClick(box->lineEdit(), Qt::Key_Return);
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
  EXPECT_EVENTUALLY_EQ(grid->ForeText(3, 2), QString("462.56250"));
  EXPECT_EQ(RowTexts(3), (QStringList{"2", "462.56250", "462.56250", "None", "None", "High", "Wide", "No", "No",
                                      "No", "No", "Off", "ON"}));
  EXPECT_EQ(Hex(RecordOf(2)), "50 62 25 46 50 62 25 46 FF FF FF FF F7 FF FF FF");
  EXPECT_EQ(grid->BackText(3, 1), "1");
  EXPECT_FALSE(grid->CellReadOnly(3, 3));
  EXPECT_TRUE(db.All.Modified);
  EXPECT_TRUE(boxes.Boxes().empty());
}

struct FrequencyCase {
  const char* typed;
  const char* stored;   // the cell afterwards
  const char* message;  // "" when none is shown
};

TEST_F(GridTest, TypedFrequencyIsClampedSnappedOrRefused) {
  const FrequencyCase cases[] = {
      {"600", "520.00000", "The frequecy number come amiss!"},
      {"300", "400.00000", "The frequecy number come amiss!"},
      {"520", "520.00000", ""},
      {"446.0061", "446.00500", ""},
      {"462,5599", "462.55625", ""},    // "," is typed as "."
      {"4x6y2.5", "462.50000", ""},     // letters are dropped
      {"1.2.3", "462.56250", "Frequecy is Out of range."},  // refused: the old value stays
  };
  SetRecord(1, kProgrammed);
  Open();
  for (const FrequencyCase& c : cases) {
    SCOPED_TRACE(c.typed);
    SetRecord(1, kProgrammed);
    grid->FillRow(2);
    boxes.Clear();
    TypeInto(2, 2, c.typed);
    EXPECT_EVENTUALLY_EQ(grid->ForeText(2, 2), QString(c.stored));
    EXPECT_EQ(FormatFrequency(DecodeFrequency(RecordOf(1).data()).value()), c.stored);
    if (*c.message) {
      ASSERT_EQ(boxes.Boxes().size(), 1u);
      EXPECT_EQ(boxes.Boxes()[0].title, "Caution");
      EXPECT_EQ(boxes.Texts(), QStringList{c.message});
    } else {
      EXPECT_TRUE(boxes.Boxes().empty());
    }
  }
}

TEST_F(GridTest, TypingOnSelectedCellOpensFilteredEditor) {
  EraseChannel(4);
  Open();
  Grid()->setFocus();
  Grid()->setCurrentCell(5, 2);
  QTest::keyClick(Grid(), '4');  // the first key opens the editor and is typed into it
  QLineEdit* editor = CellEditor();
  ASSERT_NE(editor, nullptr);
  QTest::keyClicks(editor, "x62,5");
  EXPECT_EQ(editor->text(), "462.5");
  QTest::keyClick(editor, Qt::Key_Return);
  EXPECT_EVENTUALLY_EQ(grid->ForeText(5, 2), QString("462.50000"));
  EXPECT_EQ(grid->ForeText(5, 3), "462.50000");
}

TEST_F(GridTest, TxFrequencyOnlyTypedIntoProgrammedRow) {
  SetRecord(1, kProgrammed);
  EraseChannel(2);
  Open();
  TypeInto(2, 3, "450.0125");
  EXPECT_EVENTUALLY_EQ(grid->ForeText(2, 3), QString("450.01250"));
  EXPECT_EQ(Hex(RecordOf(1)), "50 62 25 46 50 12 00 45 70 06 23 80 00 FF FF FF");
  EXPECT_EQ(main.refreshes, std::vector<int>{2});
  Click(3, 3);
  EXPECT_EQ(CellEditor(), nullptr);
}

TEST_F(GridTest, ClearingRxErasesChannelAndClearingTxDropsEncodeTone) {
  SetRecord(1, kProgrammed);
  SetRecord(2, kProgrammed);
  Open();
  TypeInto(2, 2, "");
  EXPECT_EVENTUALLY_EQ(grid->BackText(2, 1), QString());
  EXPECT_EQ(Hex(RecordOf(1)), "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
  EXPECT_EQ(RowTexts(2), (QStringList{"1", "", "", "", "", "", "", "", "", "", "", "", ""}));
  EXPECT_TRUE(grid->CellReadOnly(2, 3));

  TypeInto(3, 3, "");
  EXPECT_EVENTUALLY_EQ(grid->ForeText(3, 5), QString("None"));
  EXPECT_EQ(grid->ForeText(3, 3), "");
  EXPECT_EQ(Hex(RecordOf(2)), "50 62 25 46 FF FF FF FF 70 06 FF FF 00 FF FF FF");
  EXPECT_TRUE(db.All.Modified);
}

TEST_F(GridTest, NewChannelInUnerasedEmptyRecordShowsWhatItStores) {
  // RX absent (a nibble A) but the flags byte and reserved bytes hold leftovers.
  SetRecord(1, Record{0x44, 0x0A, 0x25, 0x46, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x12, 0x34, 0x56});
  Open();
  EXPECT_EQ(grid->BackText(2, 1), "");
  TypeInto(2, 2, "410");
  EXPECT_EVENTUALLY_EQ(grid->ForeText(2, 13), QString("ON"));
  EXPECT_EQ(Hex(RecordOf(1)), "00 00 00 41 00 00 00 41 FF FF FF FF F7 12 34 56");
}

TEST_F(GridTest, EditorsOnlyOverFieldsOfProgrammedChannels) {
  Record noTx = kProgrammed;
  std::fill(noTx.begin() + 4, noTx.begin() + 8, 0xFF);
  SetRecord(1, kProgrammed);
  SetRecord(2, noTx);
  EraseChannel(3);
  Open();
  struct Case {
    int row, col;
    const char* box;  // "" for none
  } cases[] = {
      {2, 4, "cxRxDcts"}, {2, 5, "cxTxDcts"}, {2, 6, "cxPower"}, {2, 7, "cxWn"}, {2, 8, "cxHave"},
      {2, 11, "cxHave"},  {2, 13, "cxDcs"},   {3, 5, ""},        {3, 4, "cxRxDcts"}, {4, 4, ""},
      {4, 6, ""},         {2, 1, ""},         {2, 2, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "row " << c.row << " column " << c.col);
    QComboBox* box = BoxOver(c.row, c.col);
    if (*c.box) {
      ASSERT_NE(box, nullptr);
      EXPECT_EQ(box->objectName(), c.box);
      EXPECT_EQ(box->width(), Grid()->columnWidth(c.col));
    } else {
      EXPECT_EQ(box, nullptr);
    }
    if (CellEditor()) QTest::keyClick(CellEditor(), Qt::Key_Escape);
  }
}

TEST_F(GridTest, ToneBoxStoresNormalisedTone) {
  struct Case {
    const char* typed;
    const char* shown;
    std::uint8_t first, second;
  } cases[] = {
      {"d023n", "D777N", 0x77, 0x87}, {"23", "30.0", 0x00, 0x03},  {"D025", "D777N", 0x77, 0x87},
      {"250", "250.0", 0x00, 0x25},   {"D754i", "D754i", 0x54, 0xC7}, {"Nne", "D777N", 0x77, 0x87},  // "o" and "e" are dropped
  };
  SetRecord(1, kProgrammed);
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    SetRecord(1, kProgrammed);
    grid->FillRow(2);
    QComboBox* box = BoxOver(2, 4);
    ASSERT_NE(box, nullptr);
    TypeIntoBox(box, c.typed);
    EXPECT_EQ(grid->ForeText(2, 4), c.shown);
    EXPECT_EQ(RecordOf(1)[8], c.first);
    EXPECT_EQ(RecordOf(1)[9], c.second);
    EXPECT_FALSE(box->isVisible());  // Enter hides the box
  }
}

TEST_F(GridTest, ChoosingNoneInToneBoxClearsTone) {
  SetRecord(1, kProgrammed);
  Open();
  QComboBox* box = BoxOver(2, 5);
  ASSERT_NE(box, nullptr);
  box->setCurrentIndex(0);
  EXPECT_EQ(grid->ForeText(2, 5), "None");
  EXPECT_EQ(RecordOf(1)[10], 0xFF);
  EXPECT_EQ(RecordOf(1)[11], 0xFF);
  EXPECT_EQ(main.refreshes, std::vector<int>{2});
  EXPECT_TRUE(db.All.Modified);
}

TEST_F(GridTest, SwitchBoxWritesItsBit) {
  struct Case {
    int col;
    int index;
    const char* shown;
    std::uint8_t flags;
  } cases[] = {
      {6, 1, "High", 0x01}, {7, 1, "Narrow", 0x08}, {8, 1, "No", 0x10}, {11, 1, "No", 0x04}, {13, 1, "ON", 0x02},
  };
  SetRecord(1, kProgrammed);
  Open();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.col);
    SetRecord(1, kProgrammed);
    grid->FillRow(2);
    QComboBox* box = BoxOver(2, c.col);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->currentIndex(), 0);  // taken from the hidden value
    box->setCurrentIndex(c.index);
    EXPECT_EQ(grid->ForeText(2, c.col), c.shown);
    EXPECT_EQ(grid->BackText(2, c.col), QString::number(c.index));
    EXPECT_EQ(RecordOf(1)[12], c.flags);
  }
}

TEST_F(GridTest, SelectingAnotherRowMovesCurrentChannel) {
  Open();
  Click(9, 2);
  EXPECT_EQ(db.All.CurrentChannel, 8);
  EXPECT_EQ(main.nodeSelections, std::vector<int>{2});
  EXPECT_EQ(main.treeChannel, 8);
  Click(9, 4);
  EXPECT_EQ(main.nodeSelections, std::vector<int>{2});  // same row: nothing to sync
  // And back: another view moved the current channel.
  db.All.CurrentChannel = 3;
  grid->ReloadCurrentChannel();
  EXPECT_EQ(Grid()->currentRow(), 4);
  EXPECT_EQ(main.nodeSelections, std::vector<int>{2});
}

TEST_F(GridTest, DeleteClearsSelectedRows) {
  SetRecord(1, kProgrammed);
  SetRecord(2, kProgrammed);
  SetRecord(3, kProgrammed);
  Open();
  Click(3, 1);
  QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::ControlModifier, CellCentre(4, 1));
  EXPECT_EQ(grid->SelectedChannelRows(), (std::vector<int>{3, 4}));
  QTest::keyClick(Grid(), Qt::Key_Delete);
  EXPECT_EQ(Hex(RecordOf(2)), "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
  EXPECT_EQ(Hex(RecordOf(3)), "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF");
  EXPECT_EQ(Hex(RecordOf(1)), Hex(kProgrammed));
  EXPECT_EQ(grid->ForeText(3, 2), "");
  EXPECT_TRUE(db.All.Modified);
}

TEST_F(GridTest, CopiedRowsPasteAsWholeChannels) {
  SetRecord(1, kProgrammed);
  Record second = kProgrammed;
  second[12] = 0x5A;  // hidden switches too
  SetRecord(2, second);
  EraseChannel(5);
  EraseChannel(6);
  Open();
  Click(2, 1);
  QTest::mouseClick(Grid()->viewport(), Qt::LeftButton, Qt::ShiftModifier, CellCentre(3, 1));
  QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(QApplication::clipboard()->text().startsWith("1\t462.56250\t462.56250\t67.0\tD023N"));
  Click(6, 1);
  QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Hex(RecordOf(5)), Hex(kProgrammed));
  EXPECT_EQ(Hex(RecordOf(6)), Hex(second));
  EXPECT_EQ(grid->ForeText(7, 2), "462.56250");
  EXPECT_TRUE(db.All.Modified);
}

TEST_F(GridTest, PasteFromAnotherBandIsClampedAndStopsAtLastChannel) {
  SetRecord(1, kProgrammed);
  Open();
  Click(2, 1);
  QTest::keyClick(Grid(), Qt::Key_C, Qt::ControlModifier);
  db.All.FreqMin = 134;
  db.All.FreqMax = 174;
  Click(17, 1);
  QTest::keyClick(Grid(), Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(grid->ForeText(17, 2), "174.00000");
  EXPECT_EQ(grid->ForeText(17, 3), "174.00000");
  EXPECT_EQ(boxes.Texts(), QStringList{"The frequecy number come amiss!"});
}

TEST_F(GridTest, LocalisedTitlesAndNoneStillMeanNoTone) {
  TempDir dir;
  dir.PutText("Test.Ini",
              "[fChInfo]\nBColText.1=Empfang\ncxRxDcts.0=Kein\ncxTxDcts.0=Kein\ncxPower.1=Hoch\n"
              "gvData.2=not read: the grid's own titles are never translated\n");
  db.All.AppDir = dir.path() + "/";
  db.All.LanguageName = "Test";
  db.All.LanguageIndex = 1;
  SetRecord(1, kProgrammed);
  EraseChannel(2);
  Open();
  EXPECT_EQ(grid->ForeText(1, 2), "Empfang");
  TypeInto(3, 2, "430");
  EXPECT_EVENTUALLY_EQ(grid->ForeText(3, 4), QString("Kein"));
  EXPECT_EQ(grid->ForeText(3, 6), "Hoch");
  EXPECT_EQ(Hex(RecordOf(2)), "00 00 00 43 00 00 00 43 FF FF FF FF F7 FF FF FF");
  QComboBox* box = BoxOver(2, 4);
  ASSERT_NE(box, nullptr);
  box->setCurrentIndex(0);
  EXPECT_EQ(grid->ForeText(2, 4), "Kein");
  EXPECT_EQ(RecordOf(1)[8], 0xFF);
  EXPECT_EQ(RecordOf(1)[9], 0xFF);
}

}  // namespace
}  // namespace kx7q::test
