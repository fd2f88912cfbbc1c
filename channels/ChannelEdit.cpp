#include "channels/ChannelEdit.h"

#include "channels/EditErrors.h"
#include "channels/ToneTables.h"
#include "core/Numbers.h"

namespace kx7q {

void NewChannel(TALL& all, int n, const std::string& frequencyText) {
  EncodeChannelField(all, n, ChannelField::RxFreq, "");  // erase first: a clean record
  EncodeChannelField(all, n, ChannelField::RxFreq, frequencyText);
  EncodeChannelField(all, n, ChannelField::TxFreq, frequencyText);
  // Defaults of a new channel as raw bits (see the lists in ChannelColumns).
  const struct {
    ChannelField field;
    const char* bit;
  } defaults[] = {
      {ChannelField::Power, "1"},    {ChannelField::WideNarrow, "0"}, {ChannelField::ScanAdd, "1"},
      {ChannelField::Compander, "1"}, {ChannelField::Scrambler, "1"}, {ChannelField::BusyLock, "1"},
      {ChannelField::PttId, "1"},    {ChannelField::Epilogue, "1"},
  };
  for (const auto& d : defaults) EncodeChannelField(all, n, d.field, d.bit);
}

Status SetChannelValue(TALL& all, int n, const std::string& key, const std::string& value,
                       BandClampReporter* reporter) {
  if (n < 1 || n > all.ChannelCount || n > kMaxChannels)
    return Status::Fail(kNoSuchChannel, "channel " + std::to_string(n));
  const ChannelColumn* column = FindChannelColumn(key);
  if (!column) return Status::Fail(kUnknownKey, key);
  if (!column->hasField) return Status::Fail(kReadOnly, key);

  TChannel ch;
  const bool programmed = DecodeChannel(all, n, ch);
  const std::string text = Trim(value);
  const ChannelField field = column->field;

  if (field == ChannelField::RxFreq || field == ChannelField::TxFreq) {
    const bool rx = field == ChannelField::RxFreq;
    if (!rx && !programmed) return Status::Fail(kEmptyChannel, "channel " + std::to_string(n));
    if (text.empty()) {
      EncodeChannelField(all, n, field, "");
      return Status::Ok();
    }
    const std::string stored = EnteredFrequencyText(all, text, reporter);
    if (stored.empty()) return Status::Fail("OutRange", value);
    if (rx && !programmed)
      NewChannel(all, n, stored);
    else
      EncodeChannelField(all, n, field, stored);
    return Status::Ok();
  }

  if (!programmed) return Status::Fail(kEmptyChannel, "channel " + std::to_string(n));

  if (field == ChannelField::RxTone || field == ChannelField::TxTone) {
    if (field == ChannelField::TxTone && ch.TxFreq < 0)
      return Status::Fail(kNoTxFrequency, "channel " + std::to_string(n));
    // "None" is the tone boxes' first entry; like every list entry it matches
    // without regard to case ("none" is no DCS code to be turned into D777N).
    const bool none = text.empty() || ToneBoxList().IndexOf(text) == 0;
    EncodeChannelField(all, n, field, none ? std::string{} : NormaliseToneText(text));
    return Status::Ok();
  }

  const int index = column->list->IndexOf(text);
  if (index < 0) return Status::Fail(kNotInList, key + "=" + value);
  EncodeChannelField(all, n, field, index == 1 ? "1" : "0");
  return Status::Ok();
}

}  // namespace kx7q
