#pragma once
// The commands of kx7q-cli. A command is one source file with one function
// taking the arguments after its name and returning the exit status; add it
// here with one declaration and one table line.

#include <string>
#include <vector>

namespace kx7q::cli {

using Args = std::vector<std::string>;
using CommandFn = int (*)(const Args& args);

struct Command {
  const char* name;
  const char* summary;  // one line for the overall help
  const char* help;     // usage and description for "kx7q-cli NAME --help"
  CommandFn run;
};

int RunNew(const Args& args);
int RunShow(const Args& args);
int RunSet(const Args& args);
int RunReport(const Args& args);
int RunRead(const Args& args);
int RunWrite(const Args& args);

extern const char* const kNewHelp;
extern const char* const kShowHelp;
extern const char* const kSetHelp;
extern const char* const kReportHelp;
extern const char* const kReadHelp;
extern const char* const kWriteHelp;

inline const std::vector<Command>& Commands() {
  static const std::vector<Command> commands = {
      {"new", "make a new code plug and save it as a data file", kNewHelp, RunNew},
      {"show", "print the model, band, channels and settings of a data file", kShowHelp, RunShow},
      {"set", "change channels and settings of a data file", kSetHelp, RunSet},
      {"report", "write the printed report of a data file as a PDF file", kReportHelp, RunReport},
      {"read", "read a radio over the serial port into a data file", kReadHelp, RunRead},
      {"write", "write a data file to a radio over the serial port", kWriteHelp, RunWrite},
  };
  return commands;
}

}  // namespace kx7q::cli
