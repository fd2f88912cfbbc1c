#include "ui/ReportTables.h"

#include <utility>

namespace kx7q {

std::string CutToWidth(std::string_view text, std::size_t width) {
  std::size_t chars = 0;
  std::size_t i = 0;
  while (i < text.size()) {
    // A code point starts at every byte that is not a continuation byte.
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
      if (chars == width) break;
      ++chars;
    }
    ++i;
  }
  return std::string(text.substr(0, i));
}

void ReportTables::Clear() {
  myAdo.clear();
  myMain.clear();
}

void ReportTables::AppendMain(ReportMainRecord r) {
  r.Title = CutToWidth(r.Title, kTitleWidth);
  r.AField = CutToWidth(r.AField, kTextWidth);
  r.AValue = CutToWidth(r.AValue, kTextWidth);
  r.BField = CutToWidth(r.BField, kTextWidth);
  r.BValue = CutToWidth(r.BValue, kTextWidth);
  r.CField = CutToWidth(r.CField, kShortTextWidth);
  r.CValue = CutToWidth(r.CValue, kShortTextWidth);
  r.DFiled = CutToWidth(r.DFiled, kShortTextWidth);
  r.DValue = CutToWidth(r.DValue, kShortTextWidth);
  myMain.push_back(std::move(r));
}

void ReportTables::AppendLine(ReportLineRecord r) {
  r.TypeName = CutToWidth(r.TypeName, kTitleWidth);
  r.AField = CutToWidth(r.AField, kTextWidth);
  r.AValue = CutToWidth(r.AValue, kTextWidth);
  r.BField = CutToWidth(r.BField, kTextWidth);
  r.BValue = CutToWidth(r.BValue, kTextWidth);
  myAdo.push_back(std::move(r));
}

void ReportTables::AppendLine(int typeId, std::string_view typeName, std::string_view aField,
                              std::string_view aValue, std::string_view bField,
                              std::string_view bValue) {
  AppendLine(ReportLineRecord{typeId, std::string(typeName), std::string(aField), std::string(aValue),
                              std::string(bField), std::string(bValue)});
}

ReportTables& PrintTables() {
  static ReportTables tables;
  return tables;
}

void AppendChannelLines(ReportTables& tables, std::string_view typeName,
                        const std::vector<std::string>& titles,
                        const std::vector<std::vector<std::string>>& rows) {
  auto at = [](const std::vector<std::string>& texts, std::size_t c) -> std::string_view {
    return c < texts.size() ? std::string_view(texts[c]) : std::string_view();
  };
  tables.AppendLine(kChannelGroup, typeName, {}, {});
  for (const auto& row : rows) {
    if (at(row, 2).empty()) continue;
    tables.AppendLine(kChannelGroup, typeName, std::string(at(titles, 1)) + std::string(at(row, 1)), {});
    // Columns 2-11 in pairs: RX/TX, decode/encode, power/W-N, scan add/compander,
    // scrambler/busy lock.
    for (std::size_t c = 2; c <= 10; c += 2)
      tables.AppendLine(kChannelGroup, typeName, at(titles, c), at(row, c), at(titles, c + 1), at(row, c + 1));
  }
}

}  // namespace kx7q
