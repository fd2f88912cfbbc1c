#include "core/Registry.h"

#include "core/Numbers.h"

namespace kx7q {

const TMacType* TMacList::Get(int index) const {
  if (index < 0 || index >= Count()) return nullptr;
  return entries_[static_cast<std::size_t>(index)].get();
}

const TMacType* TMacList::FindByName(const std::string& name) const {
  for (const auto& entry : entries_)
    if (entry->Name == name) return entry.get();
  return nullptr;
}

int TMacList::ChannelCountOfCode(const std::string& code) const {
  for (const auto& entry : entries_)
    if (entry->Code == code) return entry->ChannelCount;
  return 0;
}

const TMacType* TMacList::FindByCodeAndBand(const std::string& code, const std::string& band) const {
  for (const auto& entry : entries_) {
    if (entry->Code != code) continue;
    for (const auto& b : entry->Bands)
      if (b == band) return entry.get();
  }
  return nullptr;
}

void TMacList::FillNames(std::vector<std::string>& names) const {
  names.clear();
  for (const auto& entry : entries_) names.push_back(entry->Name);
}

std::uint8_t TFrqList::CodeOf(const std::string& band) const {
  for (const auto& [text, code] : bands_)
    if (text == band) return code;
  return bands_.empty() ? 0 : bands_.front().second;
}

std::string TFrqList::NameOf(std::uint8_t code) const {
  for (const auto& [text, c] : bands_)
    if (c == code) return text;
  return bands_.size() >= 4 ? bands_[3].first : std::string();
}

void FillBandList(TFrqList& bands) {
  bands.Add("134 - 174MHz", 240);
  bands.Add("200 - 260MHz", 241);
  bands.Add("320 - 400MHz", 242);
  bands.Add("400 - 520MHz", 243);
}

void FillRegistry(TMacList& registry, TALL& all) {
  all.ModelBaseName = "ROZ-KX-7Q";
  auto uhf = std::make_unique<TMacType>("QMV4", all.ModelBaseName + "(UHF)", 16);
  uhf->AddBand("320 - 400MHz");
  uhf->AddBand("400 - 520MHz");
  uhf->SetDefaultBand("400 - 520MHz");
  registry.Add(std::move(uhf));
  auto vhf = std::make_unique<TMacType>("QMV4", all.ModelBaseName + "(VHF)", 16);
  vhf->AddBand("134 - 174MHz");
  vhf->AddBand("200 - 260MHz");
  vhf->SetDefaultBand("134 - 174MHz");
  registry.Add(std::move(vhf));
  all.BaudRate = 9600;
  all.FamilyCode = "QMV4";
  all.VoxInhibitVisible = false;
}

std::optional<std::pair<double, double>> ParseBandText(const std::string& band) {
  const auto dash = band.find('-');
  if (dash == std::string::npos) return std::nullopt;
  const auto mhz = band.find("MHz", dash);
  const auto lower = ParseDecimal(std::string_view(band).substr(0, dash));
  const auto upper = ParseDecimal(std::string_view(band).substr(dash + 1, mhz == std::string::npos ? std::string::npos : mhz - dash - 1));
  if (!lower || !upper) return std::nullopt;
  return std::make_pair(*lower, *upper);
}

void ParseCurrentBand(TALL& all) {
  if (const auto edges = ParseBandText(all.BandText)) {
    all.FreqMin = edges->first;
    all.FreqMax = edges->second;
  }
}

void ApplyModelInfo(TALL& all, const TMacList& registry, const TFrqList& bands,
                    const std::string& code, std::uint8_t bandCode, bool parse) {
  const std::string bandText = bands.NameOf(bandCode);
  if (const TMacType* entry = registry.FindByCodeAndBand(code, bandText)) {
    all.ModelName = entry->Name;
    all.ModelCode = entry->Code;
    all.ChannelCount = entry->ChannelCount;
    all.BandText = entry->DefaultBand;
  }
  if (parse) {
    all.BandText = bandText;
    ParseCurrentBand(all);
  }
}

}  // namespace kx7q
