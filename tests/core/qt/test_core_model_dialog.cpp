// The model dialog and the model change it leads to.
#include <QComboBox>
#include <QPushButton>

#include "core/DataFile.h"
#include "core/qt/TfModel.h"
#include "support/qt/MainFrameFixture.h"

namespace kx7q::test {
namespace {

const QString kClear = "Do you wish to Clear Data?";
const QString kSave = "Do you wish to save the changes?";

class CoreModelDialog : public MainFrameFixture {
 protected:
  void SetUp() override { StartProgram(); }

  // Answers the model dialog with a model and band, or cancels it.
  void ChooseModel(const char* model, const char* band) {
    dialogAnswers["fModel"] = [model, band](QDialog& d) {
      auto& dialog = static_cast<TfModel&>(d);
      dialog.cbCopmut->setCurrentText(model);
      dialog.cbCopmutChange();
      dialog.cbPd->setCurrentText(band);
      dialog.btnOk->click();
    };
  }
  void UseVhf() {
    ApplyModelInfo(db.All, db.MacList, db.FrqList, db.MacList.Get(1)->Code, db.FrqList.CodeOf("200 - 260MHz"),
                   true);
  }
};

TEST_F(CoreModelDialog, ShowsTheCurrentModelAndItsBands) {
  UseVhf();
  TfModel dialog(db);
  EXPECT_EQ(dialog.cbCopmut->currentText().toStdString(), db.All.ModelName);
  EXPECT_EQ(dialog.cbCopmut->count(), db.MacList.Count());
  EXPECT_EQ(dialog.cbPd->currentText(), "200 - 260MHz");
  EXPECT_EQ(dialog.cbPd->count(), 2);
  EXPECT_FALSE(dialog.Accepted);

  dialog.cbCopmut->setCurrentIndex(0);
  dialog.cbCopmutChange();
  EXPECT_EQ(dialog.cbPd->currentText(), "400 - 520MHz");
  QStringList bands;
  for (int i = 0; i < dialog.cbPd->count(); ++i) bands << dialog.cbPd->itemText(i);
  QStringList expected;
  for (const auto& band : db.MacList.Get(0)->Bands) expected << QString::fromStdString(band);
  EXPECT_EQ(bands, expected);
}

TEST_F(CoreModelDialog, CancelOrNoToClearDataChangesNothing) {
  db.All.Radio(0) = 0x77;
  db.All.Modified = true;
  const TALL before = db.All;
  frame->ExecuteCommand(30);  // cancelled
  ChooseModel("ROZ-KX-7Q(VHF)", "134 - 174MHz");
  boxes.Answer(false);
  frame->ExecuteCommand(30);
  EXPECT_EQ(boxes.Texts(), (QStringList{kClear}));
  EXPECT_EQ(db.All.Image, before.Image);
  EXPECT_EQ(db.All.ModelName, before.ModelName);
  EXPECT_TRUE(db.All.Modified);
  EXPECT_EQ(dialogs, (QStringList{"fModel", "fModel"}));
}

TEST_F(CoreModelDialog, AcceptedChoiceBuildsANewCodePlugForIt) {
  frame->ExecuteCommand(14);
  ChooseModel("ROZ-KX-7Q(VHF)", "134 - 174MHz");
  frame->ExecuteCommand(30);
  EXPECT_TRUE(boxes.Boxes().empty());  // nothing unsaved: no questions
  EXPECT_EQ(db.All.ModelName, "ROZ-KX-7Q(VHF)");
  EXPECT_EQ(db.All.BandText, "134 - 174MHz");
  EXPECT_EQ(db.All.FreqMin, 134);
  EXPECT_EQ(db.All.Radio(0x175), db.FrqList.CodeOf("134 - 174MHz"));
  EXPECT_FALSE(db.All.Modified);
  EXPECT_EQ(OpenTags(), (std::vector<int>{10}));
  EXPECT_EQ(frame->StatusPanel(4), "ROZ-KX-7Q(VHF)");
}

TEST_F(CoreModelDialog, ChangesSavedAtTheQuestionKeepTheirOwnModel) {
  db.All.Radio(0x10) = 0x42;
  db.All.Modified = true;
  ChooseModel("ROZ-KX-7Q(VHF)", "134 - 174MHz");
  boxes.Answer(true);  // clear data
  boxes.Answer(true);  // save the changes first
  saveChoices = {QString::fromStdString(dir.File("before.dat"))};
  frame->ExecuteCommand(30);
  EXPECT_EQ(boxes.Texts(), (QStringList{kClear, kSave}));
  EXPECT_EQ(db.All.ModelName, "ROZ-KX-7Q(VHF)");
  EXPECT_FALSE(db.All.Modified);
  EXPECT_TRUE(frame->FileName.isEmpty());

  // The file holds the old image under the old model's header, so it opens
  // as what it was.
  const auto bytes = dir.Bytes("before.dat");
  ASSERT_EQ(bytes.size(), 464u);
  EXPECT_EQ(bytes[16 + 0x10], 0x42);
  EXPECT_EQ(bytes[5], 0x40);
  EXPECT_EQ(bytes[6], 0x05);
  EXPECT_EQ(bytes[7], 0x20);
  ASSERT_TRUE(ReadDataFile(db.All, db.MacList, db.FrqList, dir.File("before.dat")).ok());
  EXPECT_EQ(db.All.ModelName, "ROZ-KX-7Q(UHF)");
  EXPECT_EQ(db.All.BandText, "400 - 520MHz");
}

}  // namespace
}  // namespace kx7q::test
