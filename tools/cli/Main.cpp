// kx7q-cli: the code plug from the command line, over the same logic as the
// program's windows (registry, settings, message texts beside the executable).

#include <unistd.h>

#include <climits>
#include <iostream>
#include <string>

#include <QString>

#include "app/Startup.h"
#include "tools/cli/CliSupport.h"
#include "tools/cli/Commands.h"
#include "ui/qt/SettingsLocation.h"

namespace {

using kx7q::cli::Commands;

std::string ExecutablePath(const char* argv0) {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  if (n > 0) return std::string(buffer, static_cast<std::size_t>(n));
  return argv0;
}

void PrintOverallHelp() {
  std::cout << "Usage: kx7q-cli COMMAND [ARGUMENTS]\n"
               "       kx7q-cli COMMAND --help\n"
               "       kx7q-cli --version\n\n"
               "Programs code plugs of the ROZ-KX-7Q radios from data files (*.dat).\n\n"
               "Commands:\n";
  for (const auto& c : Commands()) {
    std::string name = c.name;
    name.resize(8, ' ');
    std::cout << "  " << name << c.summary << "\n";
  }
  std::cout << "\nExit status: 0 success, 1 failure (message on standard error), 2 wrong usage.\n";
}

}  // namespace

int main(int argc, char** argv) {
  const kx7q::cli::Args all(argv + 1, argv + argc);
  if (all.empty()) {
    PrintOverallHelp();
    return kx7q::cli::kExitUsage;
  }
  const std::string& first = all.front();
  if (kx7q::cli::IsHelp(first) || first == "help") {
    if (first == "help" && all.size() > 1) {
      for (const auto& c : Commands())
        if (all[1] == c.name) {
          std::cout << c.help;
          return kx7q::cli::kExitOk;
        }
    }
    PrintOverallHelp();
    return kx7q::cli::kExitOk;
  }
  if (first == "--version") {
    std::cout << "kx7q-cli " << KX7Q_VERSION << "\n";
    return kx7q::cli::kExitOk;
  }
  for (const auto& c : Commands()) {
    if (first != c.name) continue;
    const kx7q::cli::Args args(all.begin() + 1, all.end());
    for (const std::string& a : args)
      if (kx7q::cli::IsHelp(a)) {
        std::cout << c.help;
        return kx7q::cli::kExitOk;
      }
    kx7q::StartupOptions options;
    options.executablePath = ExecutablePath(argv[0]);
    // The program's own SysInfo.Ini: beside the executables, or in the user's
    // configuration folder when that is where the program keeps it, so that
    // port, port table and language are the ones the windows use.
    options.settingsPath =
        kx7q::SettingsPathForProgram(QString::fromStdString(kx7q::DirectoryOf(options.executablePath))).toStdString();
    kx7q::DataModuleCreate(kx7q::Db(), options);
    return c.run(args);
  }
  std::cerr << "kx7q-cli: unknown command '" << first << "'. Try 'kx7q-cli --help'.\n";
  return kx7q::cli::kExitUsage;
}
