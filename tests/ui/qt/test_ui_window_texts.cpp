// Every text a window shows under a control name has its key in the shipped
// English file, so that a language file can translate it (the Chinese file is
// checked against the English one in test_ui_language.cpp).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QRegularExpression>
#include <memory>

#include "app/Startup.h"
#include "channels/qt/TfToneOption.h"
#include "core/qt/TfModel.h"
#include "i18n/IniFile.h"
#include "i18n/qt/Localise.h"
#include "i18n/qt/TfFrmAbout.h"
#include "i18n/qt/TfSetLanguage.h"
#include "link/qt/TfReadRadio.h"
#include "link/qt/TfSetPort.h"
#include "link/qt/TfWriteRadio.h"
#include "settings/qt/TfEmbeddedMessage.h"
#include "support/TempDir.h"
#include "ui/qt/ChildWindows.h"
#include "ui/qt/NullMainOps.h"
#include "ui/qt/TfMainFrm.h"

namespace kx7q::test {
namespace {

// The keys a window's named controls are localised by (i18n/qt/Localise.h).
std::vector<std::string> TextKeys(QWidget* window) {
  std::vector<std::string> keys;
  auto add = [&](const QObject* object, const char* suffix) {
    keys.push_back((object->objectName() + QLatin1String(suffix)).toStdString());
  };
  std::function<void(QObject*)> walk = [&](QObject* parent) {
    for (QObject* child : parent->children()) {
      if (qobject_cast<QMdiArea*>(child) != nullptr) continue;
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget != nullptr && widget->isWindow() && qobject_cast<QMenu*>(child) == nullptr) continue;
      walk(child);
      if (child->objectName().isEmpty()) continue;
      if (auto* action = qobject_cast<QAction*>(child)) {
        if (!action->isSeparator()) add(child, ".Caption");
      } else if (qobject_cast<QMenu*>(child) != nullptr || qobject_cast<QGroupBox*>(child) != nullptr) {
        add(child, ".Caption");
      } else if (auto* label = qobject_cast<QLabel*>(child)) {
        if (!label->text().isEmpty()) add(child, ".Caption");
      } else if (auto* button = qobject_cast<QAbstractButton*>(child)) {
        if (!button->text().isEmpty()) add(child, ".Caption");
      } else if (auto* combo = qobject_cast<QComboBox*>(child)) {
        const ItemMode mode = ItemModeOf(combo);
        const int count = mode == ItemMode::None ? 0 : mode == ItemMode::FirstOnly ? std::min(1, combo->count())
                                                                                   : combo->count();
        // Entries that are numbers need no translation.
        for (int i = 0; i < count; ++i)
          if (combo->itemText(i).contains(QRegularExpression("[A-Za-z]"))) add(child, ("." + std::to_string(i)).c_str());
      }
    }
  };
  walk(window);
  return keys;
}

// Texts the window makes itself from other texts: the grid's "None" copies
// the tone list's first entry; the port buttons and their frame take the
// label's and the dialog's captions.
bool SetByTheProgram(const std::string& section, const std::string& key) {
  if (section == "fChInfo") return key == "lNone.Caption";
  if (section == "fSetPort") return key.rfind("cxPort", 0) == 0;
  return false;
}

class UiWindowTexts : public ::testing::Test {
 protected:
  void SetUp() override {
    StartupOptions options;
    options.executablePath = dir.File("kx7q");
    options.settingsPath = dir.File("SysInfo.Ini");
    options.machineIdentity = "test-machine";
    DataModuleCreate(db, options);
    QFile file(QString(KX7Q_BIN_DIR) + "/English.Ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    english = IniFile::FromText(file.readAll().toStdString());
  }

  void ExpectKeys(QWidget* window) {
    SCOPED_TRACE(window->objectName().toStdString());
    const std::string section = window->objectName().toStdString();
    ASSERT_TRUE(english.HasSection(section));
    for (const auto& key : TextKeys(window))
      if (!SetByTheProgram(section, key))
        EXPECT_TRUE(english.Value(section, key).has_value()) << "[" << section << "] " << key;
  }

  TempDir dir;
  Maindb db;
  NullMainOps main;
  IniFile english;
};

TEST_F(UiWindowTexts, EditWindowsAndDialogsHaveEveryTextInTheEnglishFile) {
  for (const ChildWindowEntry& entry : ChildWindowTable()) {
    std::unique_ptr<EditWindow> window(entry.create(db, main));
    window->setObjectName(entry.objectName);
    window->Refresh();
    ExpectKeys(window.get());
  }
  std::vector<std::unique_ptr<QWidget>> dialogs;
  dialogs.emplace_back(new TfModel(db));
  dialogs.emplace_back(new TfSetPort(db, {"COM1"}));
  dialogs.emplace_back(new TfSetLanguage(db));
  dialogs.emplace_back(new TfFrmAbout(db));
  dialogs.emplace_back(new TfReadRadio(db));
  dialogs.emplace_back(new TfWriteRadio(db));
  dialogs.emplace_back(new TfEmbeddedMessage(db));
  dialogs.emplace_back(new TfToneOption(db));
  for (const auto& dialog : dialogs) ExpectKeys(dialog.get());
}

TEST_F(UiWindowTexts, MainWindowHasEveryTextInTheEnglishFile) {
  TfMainFrm frame(db);
  frame.presentPorts = [] { return QStringList{"COM1"}; };
  frame.FormShow();
  ExpectKeys(&frame);
}

}  // namespace
}  // namespace kx7q::test
