#pragma once
// Editing a channel field from its shown text, as the channel windows do:
// frequencies are clamped to the band and snapped onto the raster, tones are
// normalised, switches are chosen from their list. Used by the command-line
// tool's "set"; a refused edit leaves the image untouched.

#include <string>

#include "channels/ChannelColumns.h"
#include "channels/EntryRules.h"
#include "core/CodePlug.h"
#include "core/Status.h"

namespace kx7q {

// Sets one column (by script key, see ChannelColumns) of channel n to value:
//  rx       MHz; "" erases the channel. An empty channel given an RX frequency
//           becomes a new channel: TX = RX, no tones, High, Wide, Scan Add No,
//           Compander No, Scrambler No, Busy Lock No, PTT ID Off, Epilogue ON.
//  tx       MHz; "" removes the TX frequency and the encode tone.
//  decode, encode   a tone text ("" or "None" for no tone), normalised.
//  switches  an entry of the column's list, e.g. "High", "Narrow", "Yes".
// Failures: kNoSuchChannel, kUnknownKey, kReadOnly ("number"), kEmptyChannel
// (anything but rx on an empty channel), kNoTxFrequency (encode without TX),
// "OutRange" (a frequency that is no number), kNotInList. A frequency outside
// the band is clamped and reported to reporter (may be null).
Status SetChannelValue(TALL& all, int n, const std::string& key, const std::string& value,
                       BandClampReporter* reporter);

// Gives an empty channel n the RX (and TX) frequency text and the defaults above.
void NewChannel(TALL& all, int n, const std::string& frequencyText);

}  // namespace kx7q
