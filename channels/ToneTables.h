#pragma once
// The tone vocabulary of the channel windows: the list of the four tone boxes
// and the tone picker's code list. Both deal only in tone texts ("67.0",
// "D023N", "D023I"); the windows normalise and encode what is chosen.

#include <string>
#include <vector>

#include "channels/ValueList.h"

namespace kx7q {

// The 50 CTCSS tones of the tone boxes, in Hz, ascending ("67.0" ... "254.1").
const std::vector<std::string>& CtcssTones();
// The 105 DCS codes of the tone boxes, three octal digits ("023" ... "754").
const std::vector<std::string>& DcsCodes();

// The tone box list (261 entries): "None" (no tone; the only entry a language
// file translates), the CTCSS tones, every DCS code with "N", then every DCS
// code with "I". Window fChInfo, control cxRxDcts (cxTxDcts has the same list,
// as have both tone boxes of fBInfoEdit).
const ValueList& ToneBoxList();

// The picker's code list (133 entries, not translated): 0-41 CTCSS entries
// "index-tone-reference", 42-44 empty, 45-129 DCS entries "number-Dcode",
// 130-132 empty. The empty entries fill the last group of each table.
const std::vector<std::string>& PickerCodeList();
constexpr int kPickerCtcssFirst = 0;
constexpr int kPickerDcsFirst = 45;

// The picker's tables as laid out on screen.
constexpr int kPickerCtcssGroups = 5, kPickerCtcssRows = 9;
constexpr int kPickerDcsGroups = 8, kPickerDcsRows = 11;
// The picker entry shown in group g, row r (both from 1).
const std::string& PickerCtcssItem(int group, int row);
const std::string& PickerDcsItem(int group, int row);

struct ToneItemParts {
  std::string a, b, c;
};
// "01-67.0-XZ" -> 01, 67.0, XZ; "1-D023" -> 1, D023, D023; "" -> three empty parts.
ToneItemParts SplitToneItem(const std::string& item);

}  // namespace kx7q
