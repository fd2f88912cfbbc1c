// New, Open, Save, Save As and closing the program: the questions they ask,
// Modified and FileName, and what lands on disk.
#include <QFileInfo>
#include <functional>

#include "support/qt/MainFrameFixture.h"
#include "core/DataFile.h"
#include "core/ImageDefaults.h"
#include "i18n/IniFile.h"

namespace kx7q::test {
namespace {

const QString kSave = "Do you wish to save the changes?";
const QString kExit = "Do you wish to exit program?";

class UiFileCommands : public MainFrameFixture {
 protected:
  void SetUp() override { StartProgram(); }

  QString Path(const char* name) const { return QString::fromStdString(dir.File(name)); }
  // An edit, as a window's store would make it.
  void Edit() {
    db.All.Radio(0x10) = 0x42;
    db.All.Modified = true;
  }
  bool Close() {
    frame->show();
    return frame->close();
  }
};

TEST_F(UiFileCommands, SaveAsksForANameOnceThenWritesThere) {
  Edit();
  saveChoices = {Path("radio.dat")};
  frame->ExecuteCommand(3);
  EXPECT_EQ(saveDialogs, 1);
  EXPECT_EQ(frame->FileName, Path("radio.dat"));
  EXPECT_FALSE(db.All.Modified);
  EXPECT_EQ(frame->windowTitle(), "ROZ-KX-7Q [" + Path("radio.dat") + "]");
  const auto bytes = dir.Bytes("radio.dat");
  ASSERT_EQ(bytes.size(), 464u);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 5), "PQMV4");
  EXPECT_EQ(bytes[16 + 0x10], 0x42);

  Edit();
  frame->ExecuteCommand(3);
  EXPECT_EQ(saveDialogs, 1);  // the name is known now
  EXPECT_FALSE(db.All.Modified);
}

TEST_F(UiFileCommands, SaveAsCancelledLeavesNoNameAndTheChangesUnsaved) {
  saveChoices = {Path("radio.dat")};
  frame->ExecuteCommand(3);
  Edit();
  frame->ExecuteCommand(4);  // cancelled
  EXPECT_EQ(saveDialogs, 2);
  EXPECT_TRUE(frame->FileName.isEmpty());
  EXPECT_TRUE(db.All.Modified);
  EXPECT_EQ(frame->windowTitle(), "ROZ-KX-7Q");
  saveChoices = {Path("other.dat")};
  frame->ExecuteCommand(3);  // asks again
  EXPECT_EQ(saveDialogs, 3);
  EXPECT_TRUE(QFileInfo::exists(Path("other.dat")));
}

TEST_F(UiFileCommands, AFailedSaveIsReportedAndKeepsTheChanges) {
  Edit();
  saveChoices = {Path("missing-folder/radio.dat")};
  frame->ExecuteCommand(3);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_TRUE(boxes.Texts()[0].startsWith("The file cannot be read or written.\n")) << boxes.Texts()[0].toStdString();
  EXPECT_EQ(boxes.Texts()[0].count("missing-folder/radio.dat"), 1) << boxes.Texts()[0].toStdString();
  EXPECT_TRUE(db.All.Modified);
}

TEST_F(UiFileCommands, OpenReplacesTheCodePlugAndReopensOnlyTheGrid) {
  Edit();
  saveChoices = {Path("radio.dat")};
  frame->ExecuteCommand(3);
  const ImageBytes saved = db.All.Image;
  frame->ExecuteCommand(1);  // a new plug, not modified: no question
  EXPECT_TRUE(boxes.Boxes().empty());
  EXPECT_NE(db.All.Image, saved);
  frame->ExecuteCommand(14);

  openChoices = {Path("radio.dat")};
  frame->ExecuteCommand(2);
  EXPECT_EQ(frame->FileName, Path("radio.dat"));
  EXPECT_FALSE(db.All.Modified);
  for (int offset = 16; offset < kImageSize; ++offset) ASSERT_EQ(db.All.Image[offset], saved[offset]) << offset;
  EXPECT_EQ(OpenTags(), (std::vector<int>{10}));
  EXPECT_EQ(frame->windowTitle(), "ROZ-KX-7Q [" + Path("radio.dat") + "]");
}

TEST_F(UiFileCommands, AFileOfAnotherModelIsRefusedAndTheCodePlugKept) {
  saveChoices = {Path("radio.dat")};
  frame->ExecuteCommand(3);
  auto bytes = dir.Bytes("radio.dat");
  bytes[1] = 'X';  // model code XMV4
  dir.Put("alien.dat", bytes);
  Edit();
  const ImageBytes before = db.All.Image;
  boxes.Answer(false);  // do not save first
  openChoices = {Path("alien.dat")};
  frame->ExecuteCommand(2);
  EXPECT_EQ(boxes.Texts(), (QStringList{kSave, "Model Type Wrong."}));
  EXPECT_EQ(db.All.Image, before);
  EXPECT_TRUE(db.All.Modified);
  EXPECT_TRUE(frame->FileName.isEmpty());
  EXPECT_EQ(frame->windowTitle(), "ROZ-KX-7Q");
}

TEST_F(UiFileCommands, AnUnreadableFileIsReportedWithItsReason) {
  dir.PutText("short.dat", "P");
  openChoices = {Path("short.dat")};
  frame->ExecuteCommand(2);
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_TRUE(boxes.Texts()[0].startsWith("The file is too short to be a data file.")) << boxes.Texts()[0].toStdString();
  // Save must not write over the refused file unasked.
  EXPECT_TRUE(frame->FileName.isEmpty());
}

TEST_F(UiFileCommands, OpenCancelledAfterDecliningToSaveKeepsTheChanges) {
  Edit();
  const ImageBytes before = db.All.Image;
  boxes.Answer(false);
  frame->ExecuteCommand(2);  // open dialog cancelled
  EXPECT_EQ(boxes.Texts(), (QStringList{kSave}));
  EXPECT_EQ(db.All.Image, before);
  EXPECT_TRUE(db.All.Modified);
  EXPECT_EQ(saveDialogs, 0);
}

TEST_F(UiFileCommands, NewAsksToSaveUnsavedChanges) {
  struct Case {
    bool saveAnswer;
    int saveDialogs;
  } cases[] = {{false, 0}, {true, 1}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.saveAnswer);
    saveDialogs = 0;
    boxes.Clear();
    frame->ExecuteCommand(14);
    Edit();
    boxes.Answer(c.saveAnswer);
    saveChoices = {Path("saved-on-new.dat")};
    frame->ExecuteCommand(1);
    EXPECT_EQ(boxes.Texts(), (QStringList{kSave}));
    EXPECT_EQ(saveDialogs, c.saveDialogs);
    TALL fresh = db.All;
    SetImageDefaults(fresh, db.FrqList);
    EXPECT_EQ(db.All.Image, fresh.Image);
    EXPECT_FALSE(db.All.Modified);
    EXPECT_TRUE(frame->FileName.isEmpty());
    EXPECT_EQ(OpenTags(), (std::vector<int>{10}));
  }
}

TEST_F(UiFileCommands, ReadingOverUnsavedChangesOffersToSaveFirst) {
  struct Case {
    const char* what;
    bool save;
    const char* saveTo;
    bool readDialogRuns;
    bool written;
  } cases[] = {
      {"not saved", false, "not-written.dat", true, false},
      {"saved", true, "before-read.dat", true, true},
      {"save failed", true, "missing-folder/radio.dat", false, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.Clear();
    dialogs.clear();
    frame->FileName.clear();
    Edit();
    boxes.Answer(c.save);
    saveChoices = {Path(c.saveTo)};
    frame->ExecuteCommand(20);
    EXPECT_EQ(boxes.Texts().value(0), kSave);
    EXPECT_EQ(dialogs.contains("fReadRadio"), c.readDialogRuns);
    EXPECT_EQ(QFileInfo::exists(Path(c.saveTo)), c.written);
  }
  // Nothing unsaved: straight to the read dialog.
  boxes.Clear();
  db.All.Modified = false;
  frame->ExecuteCommand(20);
  EXPECT_TRUE(boxes.Boxes().empty());
}

TEST_F(UiFileCommands, ClosingAsksToExitThenToSave) {
  boxes.Answer(false);
  EXPECT_FALSE(Close());
  EXPECT_EQ(boxes.Texts(), (QStringList{kExit}));
  EXPECT_TRUE(frame->isVisible());

  boxes.Clear();
  Edit();
  boxes.Answer(true);   // exit
  boxes.Answer(true);   // save
  saveChoices = {};     // ... but the save dialog is cancelled: it closes anyway
  EXPECT_TRUE(Close());
  EXPECT_EQ(boxes.Texts(), (QStringList{kExit, kSave}));
  EXPECT_EQ(saveDialogs, 1);
}

TEST_F(UiFileCommands, ClosingCountsACellStillBeingTypedIn) {
  // Exit has a handler of its own; it must finish the grid's editor too.
  Window(10)->commitOnEndEditing = [&] { Edit(); };
  boxes.Answer(true);   // exit
  boxes.Answer(false);  // do not save
  EXPECT_TRUE(Close());
  EXPECT_EQ(boxes.Texts(), (QStringList{kExit, kSave}));
}

TEST_F(UiFileCommands, ChangesWhoseSaveFailedAreNotThrownAway) {
  struct Case {
    const char* what;
    std::function<void()> run;
    bool asksExit;
  } cases[] = {
      {"new", [&] { frame->ExecuteCommand(1); }, false},
      {"open", [&] { frame->ExecuteCommand(2); }, false},
      {"close", [&] { EXPECT_FALSE(Close()); }, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    boxes.Clear();
    Edit();
    const ImageBytes before = db.All.Image;
    if (c.asksExit) boxes.Answer(true);
    boxes.Answer(true);  // save first ...
    saveChoices = {Path("missing-folder/radio.dat")};  // ... which fails
    openChoices = {Path("never-opened.dat")};
    c.run();
    EXPECT_EQ(boxes.Boxes().size(), c.asksExit ? 3u : 2u);  // questions, then the failure
    EXPECT_EQ(db.All.Image, before);
    EXPECT_TRUE(db.All.Modified);
    frame->FileName.clear();
  }
  EXPECT_TRUE(frame->isVisible());
  EXPECT_FALSE(QFileInfo::exists(dir.File("SysInfo.Ini").c_str()));  // still running: not written yet
}

TEST_F(UiFileCommands, ClosingWritesTheSettingsBack) {
  db.All.PortName = "COM4";
  db.All.PicId = 3;
  EXPECT_TRUE(Close());
  EXPECT_EQ(boxes.Texts(), (QStringList{kExit}));  // nothing unsaved
  IniFile settings;
  ASSERT_TRUE(settings.Load(dir.File("SysInfo.Ini")));
  EXPECT_EQ(settings.Read("SysInfo", "Com", ""), "COM4");
  EXPECT_EQ(settings.Read("SysInfo", "DefaultLanguage", ""), "0");
  EXPECT_EQ(settings.Read("SysInfo", "PicID", ""), "2");
}

TEST_F(UiFileCommands, SettingsThatCannotBeWrittenAreReported) {
  db.SettingsPath = dir.File("no-such-folder/SysInfo.Ini");
  EXPECT_TRUE(Close());
  ASSERT_EQ(boxes.Boxes().size(), 2u);
  EXPECT_EQ(boxes.Texts()[1].count("no-such-folder/SysInfo.Ini"), 1) << boxes.Texts()[1].toStdString();
}

}  // namespace
}  // namespace kx7q::test
