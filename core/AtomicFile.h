#pragma once
// Replacing a file without ever destroying the old one: the new content goes to
// a temporary file in the same folder, is flushed to disk and then renamed over
// the old file. A failure leaves the old file as it was. A path that is a
// symbolic link saves into the file behind the link; the link stays.

#include <string>
#include <string_view>

#include "core/Status.h"

namespace kx7q {

// Failure key "FileError", detail "<path>: <system reason>".
Status WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace kx7q
