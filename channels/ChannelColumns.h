#pragma once
// The columns of the channel grid, as data: title, width, alignment, the field
// each column writes, and the list its switch cells show. The grid window,
// printing (which reads the grid's texts) and the command-line tool share them.

#include <string>
#include <vector>

#include "channels/Channel.h"
#include "channels/ChannelCodec.h"
#include "channels/ValueList.h"

namespace kx7q {

// Two-entry lists of the switch fields; the entry index is the raw bit.
const ValueList& PowerList();       // cxPower  "Low", "High"
const ValueList& WideNarrowList();  // cxWn     "Wide", "Narrow"
const ValueList& YesNoList();       // cxHave   "Yes", "No" (scan add, compander, scrambler, busy lock)
const ValueList& OnOffList();       // cxOnOff  "On", "Off" (PTT ID)
const ValueList& EpilogueList();    // cxDcs    "OFF", "ON"

enum class ColumnAlign { Left = 1, Centre = 2, Right = 3 };

struct ChannelColumn {
  int column;             // grid column, 1-13
  const char* title;      // design text of the header cell
  int width;              // pixels; -1 hides the column
  ColumnAlign align;
  const char* key;        // name of the column in scripts: "rx", "power", ...
  bool hasField;          // false for the channel number column
  ChannelField field;
  const ValueList* list;  // switch columns only; nullptr otherwise
};

// The 13 columns in grid order, "No." first.
const std::vector<ChannelColumn>& ChannelColumns();
// The column of a script key, or nullptr.
const ChannelColumn* FindChannelColumn(const std::string& key);

// The raw bit of a switch field in a decoded channel.
std::uint8_t FlagValue(const TChannel& ch, ChannelField field);

// The text the grid shows for a column of a programmed channel: frequencies
// "0.00000" (TX empty when absent), tones as decoded ("" for none; the windows
// show their "None"), switches as their list entry. The "No." column gives "".
std::string ChannelCellText(const TChannel& ch, const ChannelColumn& column);

}  // namespace kx7q
