#pragma once
// Refusals of the by-key editors (the command-line tool's "set"): Status keys
// with their English texts. Keys that are message texts of the program
// ("OutRange") are not listed here; they come from TLanguage.

#include <string_view>

namespace kx7q {

inline constexpr const char* kUnknownKey = "UnknownKey";
inline constexpr const char* kNotInList = "NotInList";
inline constexpr const char* kBadValue = "BadValue";
inline constexpr const char* kReadOnly = "ReadOnly";
inline constexpr const char* kEmptyChannel = "EmptyChannel";
inline constexpr const char* kNoTxFrequency = "NoTxFrequency";
inline constexpr const char* kNoSuchChannel = "NoSuchChannel";

// The English text of one of the keys above; nullptr for any other key.
const char* EditErrorText(std::string_view key);

}  // namespace kx7q
