#pragma once
// Side keys (window fKeyFun): KEY-1 function at 0x128, KEY-2 at 0x129, each
// the position in the function list. Coding is by position, so a translated
// list codes the same. Encoding does not set Modified.

#include <string>
#include <vector>

#include "channels/ValueList.h"
#include "core/CodePlug.h"

namespace kx7q {

constexpr int kKey1Address = 0x128;
constexpr int kKey2Address = 0x129;

struct KeyFunction {
  int key1 = 0;
  int key2 = 0;
};

// A stored position outside the list shows as the first entry.
KeyFunction DecodeKeyFunction(const TALL& all);
void EncodeKeyFunction(TALL& all, const KeyFunction& k);

// The function list held by List_Short (KEY-1, cxKey1_S) and List_Long
// (KEY-2, cxKey2_S): "Off", "Monmome", "Transient Monmome", "Scan",
// "Warm-Local", "Warm-Long". Language keys List_Short.0-5 / List_Long.0-5.
const ValueList& KeyShortList();
const ValueList& KeyLongList();

// Position of the first entry exactly equal to text (translated lists may
// repeat a text: the first one wins); -1 when none is.
int EntryPosition(const std::vector<std::string>& entries, const std::string& text);

}  // namespace kx7q
