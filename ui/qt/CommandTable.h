#pragma once
// The main menu as data: every entry with its object name, caption, hint,
// shortcut and command tag, in menu order. The toolbar buttons and the tree
// nodes carry the same tags (TfMainFrm).

#include <vector>

namespace kx7q {

struct MenuItemDef {
  const char* name;      // object name, also the language-file key
  const char* caption;   // English default; "-" for a divider
  int tag;               // command tag; 0 for dividers
  const char* shortcut;  // "" for none
  bool hidden = false;
};

struct MenuDef {
  const char* name;
  const char* caption;
  std::vector<MenuItemDef> items;
  bool hidden = false;
};

const std::vector<MenuDef>& MainMenuTable();

// Tags with a handler of their own rather than ExecuteCommand.
constexpr int kTagExit = 7;
constexpr int kTagTreeView = 40;
constexpr int kTagToolbar = 41;
constexpr int kTagStatusBar = 42;
constexpr int kTagTestOnline = 22;
constexpr int kTagChannelGrid = 10;
constexpr int kTagChannelEdit = 11;

}  // namespace kx7q
