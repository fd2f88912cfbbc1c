#pragma once
// A fixed drop-down list as data: the English design texts in window order,
// the window and control that show it, and how a language file may translate
// it. Windows fill their controls from it, the command-line tool and printing
// show its texts; a stored value is the position of an entry.

#include <string>
#include <string_view>
#include <vector>

namespace kx7q {

// Which entries of a list a language file may replace (keys "control.N").
enum class ItemTranslation { All, None, FirstOnly };

struct ValueList {
  std::string window;   // window (language-file section), e.g. "fOptFun"
  std::string control;  // control name, e.g. "cxTot"
  ItemTranslation translation = ItemTranslation::All;
  std::vector<std::string> items;

  int Count() const { return static_cast<int>(items.size()); }
  // The entry at index, or the empty text when index is outside the list.
  const std::string& TextOf(int index) const;
  // Position of the first entry equal to text (ASCII case ignored), or -1.
  int IndexOf(std::string_view text) const;
};

}  // namespace kx7q
