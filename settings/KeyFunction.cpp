#include "settings/KeyFunction.h"

namespace kx7q {

static const std::vector<std::string>& FunctionNames() {
  static const std::vector<std::string> names = {"Off", "Monmome", "Transient Monmome",
                                                 "Scan", "Warm-Local", "Warm-Long"};
  return names;
}

const ValueList& KeyShortList() {
  static const ValueList l{"fKeyFun", "List_Short", ItemTranslation::All, FunctionNames()};
  return l;
}

const ValueList& KeyLongList() {
  static const ValueList l{"fKeyFun", "List_Long", ItemTranslation::All, FunctionNames()};
  return l;
}

KeyFunction DecodeKeyFunction(const TALL& all) {
  auto shown = [](int stored, const ValueList& list) { return stored < list.Count() ? stored : 0; };
  return {shown(all.Radio(kKey1Address), KeyShortList()), shown(all.Radio(kKey2Address), KeyLongList())};
}

void EncodeKeyFunction(TALL& all, const KeyFunction& k) {
  all.Radio(kKey1Address) = static_cast<std::uint8_t>(k.key1);
  all.Radio(kKey2Address) = static_cast<std::uint8_t>(k.key2);
}

int EntryPosition(const std::vector<std::string>& entries, const std::string& text) {
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (entries[i] == text) return static_cast<int>(i);
  return -1;
}

}  // namespace kx7q
