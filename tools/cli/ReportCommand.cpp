// kx7q-cli report: the printed report of a data file, as a PDF file.

#include <QApplication>
#include <filesystem>
#include <iostream>

#include "app/Startup.h"
#include "tools/cli/CliSupport.h"
#include "tools/cli/Commands.h"
#include "ui/qt/ReportExport.h"

namespace kx7q::cli {

const char* const kReportHelp =
    "Usage: kx7q-cli report FILE.dat -o FILE.pdf\n"
    "\n"
    "Writes the report that the program's Print command prints for the data\n"
    "file: the radio's identity, the key and VOX settings and every programmed\n"
    "channel, in the texts of the current language (SysInfo.Ini beside the\n"
    "tool). Needs no display.\n"
    "  -o, --output FILE   the PDF file to write (an existing file is replaced).\n";

int RunReport(const Args& args) {
  std::string input, output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "-o" || a == "--output") {
      if (i + 1 >= args.size()) return UsageError("report", a + " needs a value");
      output = args[++i];
    } else if (a.rfind("--output=", 0) == 0) {
      output = a.substr(9);
    } else if (!a.empty() && a[0] == '-') {
      return UsageError("report", "unknown option '" + a + "'");
    } else if (input.empty()) {
      input = a;
    } else {
      return UsageError("report", "unexpected argument '" + a + "'");
    }
  }
  if (input.empty()) return UsageError("report", "no data file");
  if (output.empty()) return UsageError("report", "no output file (-o FILE.pdf)");

  // Writing the report over the data file would destroy the code plug.
  std::error_code ignored;
  if (std::filesystem::equivalent(input, output, ignored))
    return UsageError("report", "the output file is the data file itself");

  if (const Status status = LoadDataFile(input); !status.ok()) return Fail(status);

  // The windows that supply the report's texts are real widgets: run them on
  // the offscreen platform unless the caller chose one.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static char name[] = "kx7q-cli";
  static char* argv[] = {name, nullptr};
  int argc = 1;
  QApplication app(argc, argv);

  const Status status = WriteReportPdf(Db(), QString::fromLocal8Bit(output.c_str()));
  if (!status.ok()) return Fail(status);
  return kExitOk;
}

}  // namespace kx7q::cli
