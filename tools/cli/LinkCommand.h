#pragma once
// Reading and writing a radio from the command line: the engine and the
// serial port of the dialogs, with progress on standard error.

#include <string>

#include "core/Status.h"
#include "link/LinkEngine.h"

namespace kx7q::cli {

// Runs one transfer on the port ("COMn" or a device path) against the
// program's code plug (Db().All). Returns the failure, or Ok once the read
// has been committed or the write completed.
Status RunTransfer(LinkDirection direction, const std::string& port);

}  // namespace kx7q::cli
