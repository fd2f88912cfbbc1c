#pragma once
// The main window's print commands: "&Print" (tag 5, toolbar tbPrint) and
// "Print Pre&view" (tag 6). Both empty and refill the report tables from the
// windows (ui/qt/ReportFill.h); print then goes through the system's print
// dialog, which also offers printing to a PDF file when no printer is
// installed, and preview opens the report at 100 %.

#include "ui/qt/ChildWindows.h"

namespace kx7q {

void PrintReportCommand(CommandContext& context);
void PreviewReportCommand(CommandContext& context);

}  // namespace kx7q
