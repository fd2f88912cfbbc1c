#pragma once
// The two tables the printed report is made from.
//
// myMain holds one record per print: the report's title and the three
// label/value pairs of the page header. myAdo holds one record per printed
// line, in insertion order; a change of TypeID starts a new group, headed by
// the TypeName of the group's first line.
//
// Texts are UTF-8. Every field has the width of its column in characters;
// a longer text is cut at that width, never inside a character.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kx7q {

// Column widths, in characters.
constexpr std::size_t kTitleWidth = 20;     // myMain.Title, myAdo.TypeName
constexpr std::size_t kTextWidth = 100;     // AField .. BValue
constexpr std::size_t kShortTextWidth = 30; // CField .. DValue

struct ReportMainRecord {
  std::string Title;
  std::string AField, AValue;
  std::string BField, BValue;
  std::string CField, CValue;
  std::string DFiled, DValue;  // in the table, never filled or printed
};

struct ReportLineRecord {
  int TypeID = 0;
  std::string TypeName;
  std::string AField, AValue;
  std::string BField, BValue;
};

// Group ids of the lines.
constexpr int kChannelGroup = 8;   // channel information
constexpr int kFunctionGroup = 9;  // key function and VOX function

struct ReportTables {
  std::vector<ReportMainRecord> myMain;
  std::vector<ReportLineRecord> myAdo;

  // Deletes every line, then every header record.
  void Clear();
  // Append a record with every text cut to its column's width.
  void AppendMain(ReportMainRecord record);
  void AppendLine(ReportLineRecord record);
  void AppendLine(int typeId, std::string_view typeName, std::string_view aField,
                  std::string_view aValue, std::string_view bField = {},
                  std::string_view bValue = {});
};

// The tables as the last print left them; the print command empties and
// fills them, and they keep their records until the next print.
ReportTables& PrintTables();

// The first width characters (code points) of a UTF-8 text.
std::string CutToWidth(std::string_view text, std::size_t width);

// The channel lines of the report: one empty line, then six lines for every
// programmed channel. titles holds the grid's column titles and each row the
// texts of one grid row, both indexed by grid column (index 0 unused, 1 the
// channel number, 2 the RX frequency ... 13); a row whose RX frequency is
// empty is an empty channel and prints nothing. The PTT ID and epilogue
// columns (12, 13) are not printed.
void AppendChannelLines(ReportTables& tables, std::string_view typeName,
                        const std::vector<std::string>& titles,
                        const std::vector<std::vector<std::string>>& rows);

}  // namespace kx7q
