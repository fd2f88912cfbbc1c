#pragma once
// Whole channels copied and pasted as their 16-byte records, so that every
// field (the switches the grid hides included) travels with the channel.

#include <cstdint>
#include <vector>

#include "channels/EntryRules.h"
#include "core/CodePlug.h"

namespace kx7q {

// The records of the given channels (1-based), one after the other.
std::vector<std::uint8_t> CopyChannelRecords(const TALL& all, const std::vector<int>& channels);

// Writes whole records (a multiple of 16 bytes) into the channels from first
// on, as many as fit below ChannelCount; returns the channels written.
// A record copied in another band keeps its place in the code plug only with
// frequencies of this band: RX and TX are clamped to the band (reported) and
// snapped onto the raster. Bytes that are no whole record are ignored.
int PasteChannelRecords(TALL& all, int first, const std::vector<std::uint8_t>& records,
                        BandClampReporter* reporter);

}  // namespace kx7q
