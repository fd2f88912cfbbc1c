#pragma once
// A main window over a code plug of its own, in a fresh program folder, with
// every question, dialog, file choice and port list answered by the test.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <deque>
#include <functional>
#include <map>
#include <memory>

#include "app/Startup.h"
#include "support/TempDir.h"
#include "support/qt/MessageAnswers.h"
#include "ui/qt/ChildWindows.h"
#include "ui/qt/EditWindow.h"
#include "ui/qt/TfMainFrm.h"

namespace kx7q::test {

// An edit window that counts what the frame asks of it.
class FakeWindow : public EditWindow {
 public:
  FakeWindow(Maindb& db, MainOps& main, QWidget* parent) : EditWindow(db, main, parent) {
    setWindowTitle("Fake");
    resize(200, 120);
  }
  void ReloadCurrentChannel() override {
    ++reloads;
    reloadedChannel = all().CurrentChannel;
  }
  void EndEditing() override {
    ++endEditing;
    if (commitOnEndEditing) commitOnEndEditing();
  }
  // What finishing an open in-place edit stores (a grid cell being typed in).
  std::function<void()> commitOnEndEditing;
  int decodes = 0;
  int reloads = 0;
  int reloadedChannel = 0;
  int endEditing = 0;

 protected:
  void Decode() override { ++decodes; }
  void Store() override {}
};

inline const std::vector<ChildWindowEntry>& FakeWindowTable() {
  static const std::vector<ChildWindowEntry> table = {
      {10, "fChInfo", MakeWindow<FakeWindow>},  {11, "fBInfoEdit", MakeWindow<FakeWindow>},
      {12, "fKeyFun", MakeWindow<FakeWindow>},  {13, "fVoxFun", MakeWindow<FakeWindow>},
      {14, "fOptFun", MakeWindow<FakeWindow>},  {15, "fInfoMsg", MakeWindow<FakeWindow>},
      {16, "fPassWord", nullptr},               {17, "fDtmf", nullptr},
      {19, "fScanFun", MakeWindow<FakeWindow>},
  };
  return table;
}

class MainFrameFixture : public ::testing::Test {
 protected:
  // Files to put into the program folder before start-up: name -> bytes.
  void StartProgram(const std::map<std::string, std::string>& files = {}) {
    for (const auto& [name, text] : files) dir.PutText(name, text);
    StartupOptions options;
    options.executablePath = dir.File("kx7q");
    options.settingsPath = dir.File("SysInfo.Ini");
    options.machineIdentity = "test-machine";
    DataModuleCreate(db, options);
    frame = std::make_unique<TfMainFrm>(db);
    frame->UseWindowTable(FakeWindowTable());
    frame->presentPorts = [this] { return ports; };
    frame->chooseOpenFile = [this] { return Next(openChoices); };
    frame->chooseSaveFile = [this] {
      ++saveDialogs;
      return Next(saveChoices);
    };
    frame->openHelpFile = [this](const QString& path) {
      helpOpened << path;
      return !noViewerFor.contains(path);
    };
    frame->dialogRunner = [this](QDialog& dialog) {
      dialogs << dialog.objectName();
      auto answer = dialogAnswers.find(dialog.objectName().toStdString());
      if (answer == dialogAnswers.end()) return int(QDialog::Rejected);
      answer->second(dialog);
      return dialog.result();
    };
    frame->FormShow();
  }

  static QString Next(std::deque<QString>& queue) {
    if (queue.empty()) return {};
    QString value = queue.front();
    queue.pop_front();
    return value;
  }

  FakeWindow* Window(int tag) const { return dynamic_cast<FakeWindow*>(frame->Windows().Find(tag)); }
  std::vector<int> OpenTags() const {
    std::vector<int> tags;
    for (EditWindow* w : frame->Windows().Open()) {
      for (const auto& entry : FakeWindowTable())
        if (w->objectName() == entry.objectName) tags.push_back(entry.tag);
    }
    return tags;
  }
  int SubWindowCount() const {
    int count = 0;
    for (QMdiSubWindow* sub : frame->MdiArea()->subWindowList())
      if (sub->widget() != nullptr) ++count;
    return count;
  }

  TempDir dir;
  Maindb db;
  MessageAnswers boxes;
  QStringList ports{"COM1", "COM4", "COM12"};
  std::deque<QString> openChoices;
  std::deque<QString> saveChoices;
  int saveDialogs = 0;
  QStringList helpOpened;
  QStringList noViewerFor;  // help files the desktop cannot show
  QStringList dialogs;
  std::map<std::string, std::function<void(QDialog&)>> dialogAnswers;
  std::unique_ptr<TfMainFrm> frame;
};

}  // namespace kx7q::test
