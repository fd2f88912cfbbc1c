// kx7q-cli read: reads a radio into a data file.

#include <iostream>

#include "app/Startup.h"
#include "core/DataFile.h"
#include "tools/cli/CliSupport.h"
#include "tools/cli/Commands.h"
#include "tools/cli/LinkCommand.h"

namespace kx7q::cli {

const char* const kReadHelp =
    "Usage: kx7q-cli read [--port PORT] -o FILE.dat\n\n"
    "Reads the radio on PORT (\"COMn\" or a device path such as /dev/ttyUSB0;\n"
    "default: the port of SysInfo.Ini) and saves its code plug as FILE.dat.\n"
    "Progress goes to standard error. A failed read writes no file.\n";

int RunRead(const Args& args) {
  std::string port = Db().All.PortName;
  std::string output;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if ((a == "--port" || a == "-o" || a == "--output") && i + 1 >= args.size())
      return UsageError("read", a + " needs a value");
    if (a == "--port")
      port = args[++i];
    else if (a == "-o" || a == "--output")
      output = args[++i];
    else
      return UsageError("read", "unexpected argument '" + a + "'");
  }
  if (output.empty()) return UsageError("read", "the data file to write (-o FILE.dat) is missing");

  const Status read = RunTransfer(LinkDirection::Read, port);
  if (!read) return Fail(read);
  const Status saved = WriteDataFile(Db().All, output);
  if (!saved) return Fail(saved);
  std::cerr << MessageOf(Status::Fail("ReadOk")) << "\n";
  return kExitOk;
}

}  // namespace kx7q::cli
