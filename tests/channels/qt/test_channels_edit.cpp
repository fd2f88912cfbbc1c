// The channel edit window on the real window, offscreen: typing into its
// edits and boxes, the record bytes each change leaves, the channel number,
// the tone picker, and keeping in step with the grid.
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QComboBox>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>

#include "channels/qt/TfBInfoEdit.h"
#include "channels/qt/TfChInfo.h"
#include "channels/qt/TfToneOption.h"
#include "tests/channels/qt/ChannelWindowFixture.h"

namespace kx7q::test {
namespace {

constexpr const char* kErased = "FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF FF";

class EditTest : public ChannelWindowTest {
 protected:
  void Open(int channel) {
    db.All.CurrentChannel = channel;
    edit = std::make_unique<TfBInfoEdit>(db, main);
    main.edit = edit.get();
    edit->Refresh();
    edit->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(edit.get()));
    main.refreshes.clear();
    main.nodeSelections.clear();
  }
  void UseVhfBand() {
    db.All.FreqMin = 134;
    db.All.FreqMax = 174;
  }
  void Type(QLineEdit* line, const QString& keys) {
    line->setFocus();
    line->selectAll();
    if (keys.isEmpty())
      QTest::keyClick(line, Qt::Key_Backspace);
    else
      QTest::keyClicks(line, keys);
    QTest::keyClick(line, Qt::Key_Return);
  }

  std::unique_ptr<TfBInfoEdit> edit;
};

TEST_F(EditTest, LoadsCurrentChannel) {
  Record r = kProgrammed;
  r[12] = 0x5A;  // 0101 1010: Low, ON, Busy Lock Yes, Narrow, Scan No, Compander Yes, Scrambler No, PTT On
  SetRecord(4, r);
  Open(4);
  EXPECT_EQ(edit->sexd->value(), 4);
  EXPECT_EQ(edit->sexd->maximum(), 16);
  EXPECT_EQ(edit->eRx->text(), "462.56250");
  EXPECT_EQ(edit->eTX->text(), "462.56250");
  EXPECT_EQ(edit->cxRxDcts->currentText(), "67.0");
  EXPECT_EQ(edit->cxTxDcts->currentText(), "D023N");
  EXPECT_EQ(edit->cxPower->currentText(), "Low");
  EXPECT_EQ(edit->cxRevTx->currentText(), "ON");
  EXPECT_EQ(edit->cxWn->currentText(), "Narrow");
  EXPECT_EQ(edit->cxPttID->currentText(), "On");
  EXPECT_TRUE(edit->cxBclo->isChecked());
  EXPECT_FALSE(edit->cxScan->isChecked());
  EXPECT_TRUE(edit->cxComp->isChecked());
  EXPECT_FALSE(edit->cxScrm->isChecked());
  EXPECT_FALSE(edit->cxPttID->isVisible());
  EXPECT_FALSE(edit->cxComp->isVisible());
  EXPECT_TRUE(main.refreshes.empty());  // loading stores nothing
  EXPECT_FALSE(db.All.Modified);
}

TEST_F(EditTest, EmptyChannelOffersOnlyRxFrequency) {
  EraseChannel(2);
  Open(2);
  EXPECT_TRUE(edit->eRx->isEnabled());
  for (QWidget* w : std::initializer_list<QWidget*>{edit->eTX, edit->cxRxDcts, edit->cxTxDcts, edit->cxWn,
                                                    edit->cxPower, edit->cxRevTx, edit->cxScan, edit->cxBclo})
    EXPECT_FALSE(w->isEnabled()) << w->objectName().toStdString();
  EXPECT_EQ(edit->cxRevTx->currentText(), "ON");
  EXPECT_EQ(edit->cxPower->currentText(), "High");
  EXPECT_EQ(edit->cxPttID->currentText(), "Off");
}

TEST_F(EditTest, RxTypedIntoEmptyChannelMakesNewChannel) {
  UseVhfBand();
  EraseChannel(2);
  Open(2);
  Type(edit->eRx, "146.513");
  EXPECT_EQ(edit->eRx->text(), "146.51250");
  EXPECT_EQ(edit->eTX->text(), "146.51250");
  EXPECT_EQ(Hex(RecordOf(2)), "50 12 65 14 50 12 65 14 FF FF FF FF F7 FF FF FF");
  EXPECT_TRUE(edit->cxTxDcts->isEnabled());
  EXPECT_TRUE(db.All.Modified);
  EXPECT_FALSE(main.refreshes.empty());
  EXPECT_EQ(main.refreshes.back(), 0);
}

TEST_F(EditTest, ClearingRxEmptiesChannelAndDisablesControls) {
  SetRecord(3, kProgrammed);
  Open(3);
  Type(edit->eRx, "");
  EXPECT_EQ(Hex(RecordOf(3)), "FF FF FF FF FF FF FF FF FF FF FF FF F7 FF FF FF");
  EXPECT_FALSE(edit->eTX->isEnabled());
  EXPECT_FALSE(edit->cxPower->isEnabled());
  EXPECT_TRUE(edit->eRx->isEnabled());
  EXPECT_EQ(edit->eTX->text(), "");
}

TEST_F(EditTest, ClearingTxDropsEncodeTone) {
  SetRecord(1, kProgrammed);
  Open(1);
  Type(edit->eTX, "");
  EXPECT_EQ(edit->cxTxDcts->currentIndex(), 0);
  EXPECT_FALSE(edit->cxTxDcts->isEnabled());
  EXPECT_EQ(Hex(RecordOf(1)), "50 62 25 46 FF FF FF FF 70 06 FF FF 00 FF FF FF");
}

TEST_F(EditTest, TypedFrequencyIsClampedOrRefused) {
  struct Case {
    bool tx;
    const char* typed;
    const char* shown;
    const char* stored;  // the field in the record afterwards
    bool message;
  } cases[] = {
      {true, "180", "174.00000", "174.00000", true},
      {true, "130", "134.00000", "134.00000", true},
      {true, "150.0031", "150.00000", "150.00000", false},
      {false, "1.2.3", "1.2.3", "146.51250", true},  // refused: nothing stored
      {true, "1..", "1..", "146.51250", true},
      {false, "1a4b7,5", "147.50000", "147.50000", false},  // letters dropped, "," typed as "."
  };
  UseVhfBand();
  const Record vhf{0x50, 0x12, 0x65, 0x14, 0x50, 0x12, 0x65, 0x14, 0xFF, 0xFF, 0xFF, 0xFF, 0xF7, 0xFF, 0xFF, 0xFF};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    SetRecord(1, vhf);
    Open(1);
    boxes.Clear();
    QLineEdit* line = c.tx ? edit->eTX : edit->eRx;
    Type(line, c.typed);
    EXPECT_EQ(line->text(), c.shown);
    EXPECT_EQ(FormatFrequency(DecodeFrequency(RecordOf(1).data() + (c.tx ? 4 : 0)).value()), c.stored);
    if (c.message) {
      EXPECT_EQ(boxes.Texts(), QStringList{"The frequecy number come amiss!"});
      ASSERT_FALSE(boxes.Boxes().empty());
      EXPECT_EQ(boxes.Boxes()[0].title, "Caution");
    } else {
      EXPECT_TRUE(boxes.Boxes().empty());
    }
  }
}

TEST_F(EditTest, ToneBoxesStoreNormalisedTones) {
  struct Case {
    bool encode;
    const char* typed;  // nullptr: choose "None" from the list
    const char* shown;
    std::uint8_t first, second;
  } cases[] = {
      {false, "D025", "D777N", 0x77, 0x87}, {true, "250", "250.0", 0x00, 0x25},
      {false, "23", "30.0", 0x00, 0x03},    {true, "D754i", "D754i", 0x54, 0xC7},
      {false, nullptr, "None", 0xFF, 0xFF}, {true, nullptr, "None", 0xFF, 0xFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed ? c.typed : "None");
    SetRecord(1, kProgrammed);
    Open(1);
    QComboBox* box = c.encode ? edit->cxTxDcts : edit->cxRxDcts;
    if (c.typed) {
      box->lineEdit()->selectAll();
      QTest::keyClicks(box->lineEdit(), c.typed);
      QTest::keyClick(box->lineEdit(), Qt::Key_Return);
    } else {
      box->setCurrentIndex(0);
    }
    EXPECT_EQ(box->currentText(), c.shown);
    EXPECT_EQ(RecordOf(1)[c.encode ? 10 : 8], c.first);
    EXPECT_EQ(RecordOf(1)[c.encode ? 11 : 9], c.second);
  }
}

TEST_F(EditTest, SwitchesWriteTheirBitsAndHiddenOnesPassThrough) {
  Record r = kProgrammed;
  r[12] = 0x80 | 0x40 | 0x20;  // PTT ID Off, Scrambler No, Compander No: hidden controls
  SetRecord(1, r);
  Open(1);
  edit->cxWn->setCurrentIndex(1);
  EXPECT_EQ(RecordOf(1)[12], 0xE8);
  edit->cxPower->setCurrentIndex(1);
  EXPECT_EQ(RecordOf(1)[12], 0xE9);
  edit->cxRevTx->setCurrentIndex(1);
  EXPECT_EQ(RecordOf(1)[12], 0xEB);
  QTest::mouseClick(edit->cxScan, Qt::LeftButton, {}, QPoint(6, edit->cxScan->height() / 2));
  EXPECT_FALSE(edit->cxScan->isChecked());
  EXPECT_EQ(RecordOf(1)[12], 0xFB);
  QTest::mouseClick(edit->cxBclo, Qt::LeftButton, {}, QPoint(6, edit->cxBclo->height() / 2));
  EXPECT_EQ(RecordOf(1)[12], 0xFF);
  EXPECT_EQ(main.refreshes, (std::vector<int>{0, 0, 0, 0, 0}));
}

TEST_F(EditTest, ChannelNumberMovesCurrentChannel) {
  SetRecord(5, kProgrammed);
  EraseChannel(1);
  Open(1);
  edit->sexd->setValue(5);
  EXPECT_EQ(db.All.CurrentChannel, 5);
  EXPECT_EQ(main.nodeSelections, std::vector<int>{0});
  EXPECT_EQ(main.treeChannel, 5);
  EXPECT_EQ(edit->eRx->text(), "462.56250");
  EXPECT_TRUE(edit->eTX->isEnabled());
}

TEST_F(EditTest, TypedChannelNumberIsClampedNotRefused) {
  Open(1);
  edit->sexd->setFocus();
  edit->sexd->selectAll();
  QTest::keyClicks(edit->sexd, "40");
  QTest::keyClick(edit->sexd, Qt::Key_Return);
  EXPECT_EQ(edit->sexd->value(), 16);
  EXPECT_EQ(db.All.CurrentChannel, 16);
}

TEST(ChannelSpinRule, MovesDownOntoStepThenClamps) {
  EXPECT_EQ(ValidatedSpinValue(40, 1, 16, 1), 16);
  EXPECT_EQ(ValidatedSpinValue(0, 1, 16, 1), 1);
  EXPECT_EQ(ValidatedSpinValue(8, 1, 16, 1), 8);
  EXPECT_EQ(ValidatedSpinValue(8, 1, 16, 3), 7);
}

TEST_F(EditTest, PickerCodeBecomesEncodeTone) {
  SetRecord(1, kProgrammed);
  Open(1);
  QString offered;
  main.dialogRunner = [&offered](QDialog& dialog) {
    auto* picker = qobject_cast<TfToneOption*>(&dialog);
    if (picker == nullptr) return 0;
    picker->show();
    picker->rDCSI->click();
    offered = picker->gbList->title();
    picker->gvDcsI->setCurrentCell(4, 2);
    picker->GridDblClick(picker->gvDcsI);
    return picker->result();
  };
  QTest::mouseDClick(edit->cxTxDcts->lineEdit(), Qt::LeftButton);
  EXPECT_EQ(offered, "DCS-I");
  EXPECT_EQ(edit->cxTxDcts->currentText(), "D031I");
  EXPECT_EQ(RecordOf(1)[10], 0x31);
  EXPECT_EQ(RecordOf(1)[11], 0xC0);
}

TEST_F(EditTest, PickerClosedWithoutCodeLeavesToneAlone) {
  SetRecord(1, kProgrammed);
  Open(1);
  main.dialogRunner = [](QDialog& dialog) {
    auto* picker = qobject_cast<TfToneOption*>(&dialog);
    picker->show();
    picker->gvCtcss->setCurrentCell(8, 14);  // an empty tone cell
    picker->GridDblClick(picker->gvCtcss);
    return picker->result();
  };
  edit->cxTxDctsDblClick();
  EXPECT_EQ(edit->cxTxDcts->currentText(), "D023N");
  EXPECT_EQ(Hex(RecordOf(1)), Hex(kProgrammed));
  EXPECT_FALSE(db.All.Modified);
}

// Grid and edit window open together, kept in step through the main window.
class InStepTest : public EditTest {
 protected:
  void OpenBoth(int channel) {
    Open(channel);
    grid = std::make_unique<TfChInfo>(db, main);
    main.grid = grid.get();
    grid->Refresh();
    grid->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(grid.get()));
  }
  void ClickCell(int row, int col) {
    QTableWidget* g = grid->Grid();
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualItemRect(g->item(row, col)).center());
  }
  std::unique_ptr<TfChInfo> grid;
};

TEST_F(InStepTest, GridSelectionAndEditsReloadEditWindow) {
  SetRecord(8, kProgrammed);
  EraseChannel(3);
  OpenBoth(3);
  ClickCell(9, 6);  // channel 8, TX Power
  EXPECT_EQ(db.All.CurrentChannel, 8);
  EXPECT_EQ(edit->sexd->value(), 8);
  EXPECT_EQ(edit->eRx->text(), "462.56250");
  EXPECT_EQ(main.treeChannel, 8);
  QComboBox* box = grid->VisibleEditor();
  ASSERT_NE(box, nullptr);
  box->setCurrentIndex(1);
  EXPECT_EQ(edit->cxPower->currentText(), "High");
}

TEST_F(InStepTest, EditWindowChangesRefillGridRow) {
  SetRecord(2, kProgrammed);
  OpenBoth(2);
  edit->cxWn->setCurrentIndex(1);
  EXPECT_EQ(grid->ForeText(3, 7), "Narrow");
  Type(edit->eRx, "");
  EXPECT_EQ(grid->ForeText(3, 2), "");
  EXPECT_EQ(grid->BackText(3, 1), "");
  // Moving the channel in the edit window moves the tree and the grid's row.
  edit->sexd->setValue(6);
  EXPECT_EQ(main.treeChannel, 6);
  EXPECT_EQ(grid->Grid()->currentRow(), 7);
}

}  // namespace
}  // namespace kx7q::test
