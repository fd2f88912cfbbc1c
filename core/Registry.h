#pragma once
// The model registry and the band list: which models the program knows, which
// bands each supports, and the one-byte band code the radio keeps at 0x175.

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/CodePlug.h"

namespace kx7q {

struct TMacType {
  TMacType(std::string code, std::string name, int channelCount)
      : Code(std::move(code)), Name(std::move(name)), ChannelCount(channelCount) {}
  void AddBand(std::string band) { Bands.push_back(std::move(band)); }
  void SetDefaultBand(std::string band) { DefaultBand = std::move(band); }

  std::string Code;
  std::string Name;
  int ChannelCount;
  std::vector<std::string> Bands;
  std::string DefaultBand;
};

class TMacList {
 public:
  void Add(std::unique_ptr<TMacType> entry) { entries_.push_back(std::move(entry)); }
  int Count() const { return static_cast<int>(entries_.size()); }
  // index from 0; nullptr when index is not below the count.
  const TMacType* Get(int index) const;
  const TMacType* FindByName(const std::string& name) const;
  // 0 when no entry has the code: callers take that as "model not known".
  int ChannelCountOfCode(const std::string& code) const;
  const TMacType* FindByCodeAndBand(const std::string& code, const std::string& band) const;
  void FillNames(std::vector<std::string>& names) const;

 private:
  std::vector<std::unique_ptr<TMacType>> entries_;
};

class TFrqList {
 public:
  void Add(std::string band, std::uint8_t code) { bands_.emplace_back(std::move(band), code); }
  int Count() const { return static_cast<int>(bands_.size()); }
  // The first band's code when the text is not in the list.
  std::uint8_t CodeOf(const std::string& band) const;
  // The fourth band's text when the code is not in the list.
  std::string NameOf(std::uint8_t code) const;
  const std::vector<std::pair<std::string, std::uint8_t>>& Bands() const { return bands_; }

 private:
  std::vector<std::pair<std::string, std::uint8_t>> bands_;
};

// The four bands of the family, 240-243.
void FillBandList(TFrqList& bands);
// The two variants; also sets ModelBaseName first and BaudRate, FamilyCode and
// VoxInhibitVisible after the entries.
void FillRegistry(TMacList& registry, TALL& all);

// "400 - 520MHz" -> (400, 520). nullopt when the text is not of that form.
std::optional<std::pair<double, double>> ParseBandText(const std::string& band);

// Makes (code, band code) the current model and band. With parse, BandText
// follows the band code and FreqMin/FreqMax are parsed from it. The image and
// Modified are never touched.
void ApplyModelInfo(TALL& all, const TMacList& registry, const TFrqList& bands,
                    const std::string& code, std::uint8_t bandCode, bool parse);

// FreqMin/FreqMax := the edges of BandText (unchanged when it does not parse).
void ParseCurrentBand(TALL& all);

}  // namespace kx7q
