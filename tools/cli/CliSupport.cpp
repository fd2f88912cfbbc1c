#include "tools/cli/CliSupport.h"

#include <iostream>

#include "app/Startup.h"
#include "channels/EditErrors.h"
#include "core/DataFile.h"
#include "i18n/Language.h"
#include "i18n/qt/Localise.h"
#include "tools/cli/Commands.h"

namespace kx7q::cli {

std::string MessageText(std::string_view key) {
  // The language file's 8-bit text (GBK for Chinese), as the terminal's UTF-8.
  return DecodeText(Db().Language.Text(key)).toUtf8().toStdString();
}

std::string MessageOf(const Status& status) {
  std::string text;
  if (const char* own = EditErrorText(status.key)) {
    text = own;
  } else {
    bool known = false;
    for (const MessageDefault& m : MessageDefaults())
      if (status.key == m.key) known = true;
    text = known ? MessageText(status.key) : status.key;
  }
  if (!status.detail.empty()) text += " (" + status.detail + ")";
  return text;
}

int Fail(const Status& status) {
  std::cerr << "kx7q-cli: " << MessageOf(status) << "\n";
  return kExitFailure;
}

int UsageError(const std::string& command, const std::string& message) {
  std::cerr << "kx7q-cli " << command << ": " << message << "\n";
  for (const Command& c : Commands())
    if (command == c.name) {
      const std::string help = c.help;
      std::cerr << help.substr(0, help.find('\n')) << "\n";
    }
  std::cerr << "Try 'kx7q-cli " << command << " --help'.\n";
  return kExitUsage;
}

bool IsHelp(const std::string& arg) { return arg == "-h" || arg == "--help"; }

Status LoadDataFile(const std::string& path) {
  Maindb& db = Db();
  return ReadDataFile(db.All, db.MacList, db.FrqList, path);
}

}  // namespace kx7q::cli
