#include "channels/ChannelColumns.h"

namespace kx7q {

const ValueList& PowerList() {
  static const ValueList l{"fChInfo", "cxPower", ItemTranslation::All, {"Low", "High"}};
  return l;
}
const ValueList& WideNarrowList() {
  static const ValueList l{"fChInfo", "cxWn", ItemTranslation::All, {"Wide", "Narrow"}};
  return l;
}
const ValueList& YesNoList() {
  static const ValueList l{"fChInfo", "cxHave", ItemTranslation::All, {"Yes", "No"}};
  return l;
}
const ValueList& OnOffList() {
  static const ValueList l{"fChInfo", "cxOnOff", ItemTranslation::All, {"On", "Off"}};
  return l;
}
const ValueList& EpilogueList() {
  static const ValueList l{"fChInfo", "cxDcs", ItemTranslation::All, {"OFF", "ON"}};
  return l;
}

const std::vector<ChannelColumn>& ChannelColumns() {
  using A = ColumnAlign;
  using F = ChannelField;
  static const std::vector<ChannelColumn> columns = {
      {1, "No.", 50, A::Centre, "number", false, F::RxFreq, nullptr},
      {2, "RX Frequency", 80, A::Right, "rx", true, F::RxFreq, nullptr},
      {3, "TX Frequency", 80, A::Right, "tx", true, F::TxFreq, nullptr},
      {4, "QT/DQT Dec", 80, A::Right, "decode", true, F::RxTone, nullptr},
      {5, "QT/DQT Enc", 80, A::Right, "encode", true, F::TxTone, nullptr},
      {6, "TX Power", 60, A::Centre, "power", true, F::Power, &PowerList()},
      {7, "W/N", 60, A::Centre, "wide_narrow", true, F::WideNarrow, &WideNarrowList()},
      {8, "Scan Add", 60, A::Centre, "scan_add", true, F::ScanAdd, &YesNoList()},
      {9, "Compander", -1, A::Centre, "compander", true, F::Compander, &YesNoList()},
      {10, "Scrambler", -1, A::Centre, "scrambler", true, F::Scrambler, &YesNoList()},
      {11, "Busy Lock", 60, A::Centre, "busy_lock", true, F::BusyLock, &YesNoList()},
      {12, "PTT ID", -1, A::Centre, "ptt_id", true, F::PttId, &OnOffList()},
      {13, "Epilogue", 60, A::Centre, "epilogue", true, F::Epilogue, &EpilogueList()},
  };
  return columns;
}

const ChannelColumn* FindChannelColumn(const std::string& key) {
  for (const ChannelColumn& c : ChannelColumns())
    if (key == c.key) return &c;
  return nullptr;
}

std::uint8_t FlagValue(const TChannel& ch, ChannelField field) {
  switch (field) {
    case ChannelField::Power: return ch.Power;
    case ChannelField::Epilogue: return ch.Epilogue;
    case ChannelField::BusyLock: return ch.BusyLock;
    case ChannelField::WideNarrow: return ch.WideNarrow;
    case ChannelField::ScanAdd: return ch.ScanAdd;
    case ChannelField::Compander: return ch.Compander;
    case ChannelField::Scrambler: return ch.Scrambler;
    case ChannelField::PttId: return ch.PttId;
    default: return 0;
  }
}

std::string ChannelCellText(const TChannel& ch, const ChannelColumn& column) {
  if (!column.hasField) return {};
  switch (column.field) {
    case ChannelField::RxFreq: return FormatFrequency(ch.RxFreq);
    case ChannelField::TxFreq: return ch.TxFreq < 0 ? std::string{} : FormatFrequency(ch.TxFreq);
    case ChannelField::RxTone: return ch.RxTone;
    case ChannelField::TxTone: return ch.TxTone;
    default: return column.list->TextOf(FlagValue(ch, column.field));
  }
}

}  // namespace kx7q
