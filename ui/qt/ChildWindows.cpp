#include "ui/qt/ChildWindows.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <algorithm>

namespace kx7q {

ChildWindows::ChildWindows(QMdiArea* area, Maindb& db, MainOps& main,
                           const std::vector<ChildWindowEntry>& table)
    : area_(area), db_(db), main_(main), table_(table) {}

const ChildWindowEntry* ChildWindows::Entry(int tag) const {
  for (const auto& entry : table_)
    if (entry.tag == tag) return &entry;
  return nullptr;
}

bool ChildWindows::IsWindowTag(int tag) const { return Entry(tag) != nullptr; }

EditWindow* ChildWindows::Find(int tag) const {
  for (const auto& [t, window] : open_)
    if (t == tag && window) return window.data();
  return nullptr;
}

std::vector<EditWindow*> ChildWindows::Open() const {
  std::vector<EditWindow*> windows;
  for (const auto& [tag, window] : open_)
    if (window) windows.push_back(window.data());
  return windows;
}

EditWindow* ChildWindows::Create(int tag) const {
  const ChildWindowEntry* entry = Entry(tag);
  if (entry == nullptr || entry->create == nullptr) return nullptr;
  EditWindow* window = entry->create(db_, main_);
  window->setObjectName(QString::fromLatin1(entry->objectName));
  return window;
}

EditWindow* ChildWindows::Show(int tag) {
  if (EditWindow* window = Find(tag)) {
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (sub != nullptr) {
      if (sub->isMinimized()) sub->showNormal();
      sub->show();
      area_->setActiveSubWindow(sub);
    }
    window->setFocus();
    return window;
  }
  EditWindow* window = Create(tag);
  if (window == nullptr) return nullptr;
  // Forget closed windows so the list does not grow.
  open_.erase(std::remove_if(open_.begin(), open_.end(), [](const auto& p) { return p.second.isNull(); }),
              open_.end());
  open_.emplace_back(tag, window);
  QMdiSubWindow* sub = area_->addSubWindow(window);
  sub->setAttribute(Qt::WA_DeleteOnClose);
  sub->setObjectName(window->objectName() + QStringLiteral("Frame"));
  window->Refresh();
  sub->show();
  area_->setActiveSubWindow(sub);
  return window;
}

EditWindow* ChildWindows::FindOrCreateHidden(int tag, bool& created) {
  created = false;
  if (EditWindow* window = Find(tag)) {
    window->Refresh();
    return window;
  }
  EditWindow* window = Create(tag);
  if (window == nullptr) return nullptr;
  created = true;
  window->Refresh();
  return window;
}

void ChildWindows::CloseAll() {
  std::vector<QPointer<EditWindow>> windows;
  for (auto it = open_.rbegin(); it != open_.rend(); ++it)
    if (it->second) windows.push_back(it->second);
  open_.clear();
  for (auto& window : windows) {
    if (!window) continue;
    QWidget* frame = window->parentWidget();
    auto* sub = qobject_cast<QMdiSubWindow*>(frame);
    if (sub != nullptr) {
      area_->removeSubWindow(sub);
      delete sub;
    } else {
      delete window.data();
    }
  }
}

bool ChildWindows::RunCommand(int tag, QWidget* parent) {
  for (const auto& entry : CommandTable()) {
    if (entry.tag != tag) continue;
    if (entry.run == nullptr) return false;
    CommandContext context{db_, main_, *this, parent};
    entry.run(context);
    return true;
  }
  return false;
}

}  // namespace kx7q
