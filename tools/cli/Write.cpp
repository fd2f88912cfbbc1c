// kx7q-cli write: writes a data file to a radio.

#include <iostream>

#include "app/Startup.h"
#include "tools/cli/CliSupport.h"
#include "tools/cli/Commands.h"
#include "tools/cli/LinkCommand.h"

namespace kx7q::cli {

const char* const kWriteHelp =
    "Usage: kx7q-cli write [--port PORT] FILE.dat\n\n"
    "Writes the code plug of FILE.dat to the radio on PORT (\"COMn\" or a device\n"
    "path such as /dev/ttyUSB0; default: the port of SysInfo.Ini). The radio must\n"
    "report the file's model. Progress goes to standard error.\n";

int RunWrite(const Args& args) {
  std::string port = Db().All.PortName;
  std::string input;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--port") {
      if (i + 1 >= args.size()) return UsageError("write", "--port needs a value");
      port = args[++i];
    } else if (!a.empty() && a[0] == '-') {
      return UsageError("write", "unknown option '" + a + "'");
    } else if (input.empty()) {
      input = a;
    } else {
      return UsageError("write", "only one data file can be written");
    }
  }
  if (input.empty()) return UsageError("write", "the data file to write is missing");
  const Status loaded = LoadDataFile(input);
  if (!loaded) return Fail(loaded);

  const Status written = RunTransfer(LinkDirection::Write, port);
  if (!written) return Fail(written);
  std::cerr << MessageOf(Status::Fail("WriteOk")) << "\n";
  return kExitOk;
}

}  // namespace kx7q::cli
