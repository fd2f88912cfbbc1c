#include "channels/ChannelCopy.h"

#include <algorithm>

#include "channels/ChannelCodec.h"

namespace kx7q {

std::vector<std::uint8_t> CopyChannelRecords(const TALL& all, const std::vector<int>& channels) {
  std::vector<std::uint8_t> bytes;
  for (int n : channels) {
    const std::uint8_t* record = all.RadioPtr(ChannelAddress(n));
    bytes.insert(bytes.end(), record, record + kChannelRecordSize);
  }
  return bytes;
}

namespace {

// Re-encodes a present frequency field that lies outside the band or off the raster.
void FitFrequency(TALL& all, int n, ChannelField field, std::size_t offset, BandClampReporter* reporter) {
  const std::optional<double> mhz = DecodeFrequency(all.RadioPtr(ChannelAddress(n)) + offset);
  if (!mhz) return;
  const std::string text = FormatFrequency(SnapFrequency(ClampToBand(all, *mhz, reporter)));
  if (text != FormatFrequency(*mhz)) EncodeChannelField(all, n, field, text);
}

}  // namespace

int PasteChannelRecords(TALL& all, int first, const std::vector<std::uint8_t>& records,
                        BandClampReporter* reporter) {
  const int whole = static_cast<int>(records.size()) / kChannelRecordSize;
  const int last = std::min(all.ChannelCount, kMaxChannels);
  int written = 0;
  for (int i = 0; i < whole && first + i <= last; ++i, ++written) {
    const int n = first + i;
    std::copy_n(records.begin() + i * kChannelRecordSize, kChannelRecordSize, all.RadioPtr(ChannelAddress(n)));
    FitFrequency(all, n, ChannelField::RxFreq, 0, reporter);
    FitFrequency(all, n, ChannelField::TxFreq, 4, reporter);
  }
  return written;
}

}  // namespace kx7q
