#include "channels/EditErrors.h"

namespace kx7q {

const char* EditErrorText(std::string_view key) {
  struct Entry {
    const char* key;
    const char* text;
  };
  static const Entry kTexts[] = {
      {kUnknownKey, "Unknown key."},
      {kNotInList, "The value is not one of the list."},
      {kBadValue, "The value cannot be used."},
      {kReadOnly, "This value cannot be changed."},
      {kEmptyChannel, "The channel is not programmed; give it an RX frequency first."},
      {kNoTxFrequency, "The channel has no TX frequency."},
      {kNoSuchChannel, "There is no such channel."},
  };
  for (const Entry& e : kTexts)
    if (key == e.key) return e.text;
  return nullptr;
}

}  // namespace kx7q
