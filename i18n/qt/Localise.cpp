// Window texts from the language files.
#include "i18n/qt/Localise.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMenu>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>

#include "i18n/IniFile.h"
#include "i18n/Language.h"

namespace kx7q {
namespace {

constexpr const char* kItemModeProperty = "itemMode";

class Localiser {
 public:
  Localiser(const IniFile& file, const QString& section, bool itemMode)
      : file_(file), section_(section.toStdString()), itemMode_(itemMode) {}

  // The value of a key, or nothing (the text in force stays).
  std::optional<QString> Lookup(const QString& name, const char* suffix) const {
    const auto value = file_.Value(section_, (name + QLatin1String(suffix)).toStdString());
    if (!value) return std::nullopt;
    return DecodeText(*value);
  }

  void Walk(QObject* parent) {
    for (QObject* child : parent->children()) {
      // Child windows (MDI children, dialogs) have sections of their own.
      if (qobject_cast<QMdiArea*>(child) != nullptr) continue;
      auto* widget = qobject_cast<QWidget*>(child);
      if (widget != nullptr && widget->isWindow() && qobject_cast<QMenu*>(child) == nullptr) continue;
      Apply(child);
      Walk(child);
    }
  }

 private:
  void Apply(QObject* object) {
    const QString name = object->objectName();
    if (name.isEmpty()) return;
    if (auto* action = qobject_cast<QAction*>(object)) {
      if (auto text = Lookup(name, ".Caption")) action->setText(*text);
      if (auto hint = Lookup(name, ".Hint")) action->setToolTip(*hint);
    } else if (auto* menu = qobject_cast<QMenu*>(object)) {
      if (auto text = Lookup(name, ".Caption")) menu->setTitle(*text);
    } else if (auto* label = qobject_cast<QLabel*>(object)) {
      if (auto text = Lookup(name, ".Caption")) label->setText(*text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(object)) {
      if (auto text = Lookup(name, ".Caption")) button->setText(*text);
    } else if (auto* group = qobject_cast<QGroupBox*>(object)) {
      if (auto text = Lookup(name, ".Caption")) group->setTitle(*text);
    } else if (auto* combo = qobject_cast<QComboBox*>(object)) {
      if (itemMode_) Items(combo);
    } else if (auto* list = qobject_cast<QListWidget*>(object)) {
      Items(list);
    } else if (auto* grid = qobject_cast<QTableWidget*>(object)) {
      Columns(grid);
    } else if (auto* page = qobject_cast<QWidget*>(object)) {
      TabPage(page);
    }
  }

  void Items(QComboBox* combo) {
    const ItemMode mode = ItemModeOf(combo);
    if (mode == ItemMode::None) return;
    const int selected = combo->currentIndex();
    const int count = mode == ItemMode::FirstOnly ? std::min(1, combo->count()) : combo->count();
    for (int i = 0; i < count; ++i)
      if (auto text = Lookup(combo->objectName(), ("." + std::to_string(i)).c_str())) combo->setItemText(i, *text);
    combo->setCurrentIndex(selected);
  }

  void Items(QListWidget* list) {
    const ItemMode mode = ItemModeOf(list);
    if (mode == ItemMode::None) return;
    const int count = mode == ItemMode::FirstOnly ? std::min(1, list->count()) : list->count();
    for (int i = 0; i < count; ++i)
      if (auto text = Lookup(list->objectName(), ("." + std::to_string(i)).c_str())) list->item(i)->setText(*text);
  }

  void Columns(QTableWidget* grid) {
    if (ItemModeOf(grid) == ItemMode::None) return;
    for (int c = 1; c < grid->columnCount(); ++c) {
      auto text = Lookup(grid->objectName(), ("." + std::to_string(c)).c_str());
      if (!text) continue;
      QTableWidgetItem* item = grid->horizontalHeaderItem(c);
      if (item == nullptr) grid->setHorizontalHeaderItem(c, new QTableWidgetItem(*text));
      else item->setText(*text);
    }
  }

  // A page of a QTabWidget: its tab text.
  void TabPage(QWidget* page) {
    auto* stack = qobject_cast<QStackedWidget*>(page->parentWidget());
    if (stack == nullptr) return;
    auto* tabs = qobject_cast<QTabWidget*>(stack->parentWidget());
    if (tabs == nullptr) return;
    const int index = tabs->indexOf(page);
    if (index < 0) return;
    if (auto text = Lookup(page->objectName(), ".Caption")) tabs->setTabText(index, *text);
  }

  const IniFile& file_;
  std::string section_;
  bool itemMode_;
};

}  // namespace

void SetItemMode(QWidget* list, ItemMode mode) {
  list->setProperty(kItemModeProperty, static_cast<int>(mode));
}

ItemMode ItemModeOf(const QWidget* list) {
  const QVariant value = list->property(kItemModeProperty);
  if (!value.isValid()) return ItemMode::All;
  return static_cast<ItemMode>(value.toInt());
}

void LocaliseWindow(QWidget* window, const IniFile& file, bool itemMode) {
  Localiser localiser(file, window->objectName(), itemMode);
  if (auto caption = localiser.Lookup(window->objectName(), ".Caption")) window->setWindowTitle(*caption);
  localiser.Walk(window);
}

void LocaliseWindow(QWidget* window, const TALL& all, bool itemMode) {
  IniFile file;
  file.Load(LanguageFilePath(all.AppDir, all.LanguageName));
  LocaliseWindow(window, file, itemMode);
}

}  // namespace kx7q
