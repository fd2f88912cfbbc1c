#pragma once
// What every command shares: exit statuses, messages on standard error in the
// program's own texts, and loading a data file into the code plug.

#include <string>
#include <string_view>

#include "core/Status.h"

namespace kx7q::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// The message text of a key (TLanguage) in UTF-8, whatever the language
// file's code page.
std::string MessageText(std::string_view key);

// The user-facing text of a failure: the message text of its key (the
// language file's, or the by-key editors' own), then the detail.
std::string MessageOf(const Status& status);

// Prints the failure on standard error; returns kExitFailure.
int Fail(const Status& status);
// Prints a wrong-usage message and the command's usage line; returns kExitUsage.
int UsageError(const std::string& command, const std::string& message);

// True for "-h" and "--help".
bool IsHelp(const std::string& arg);

// Reads a data file into the program's code plug (Db().All).
Status LoadDataFile(const std::string& path);

}  // namespace kx7q::cli
