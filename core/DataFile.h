#pragma once
// The data file (*.dat): a 16-byte header, then image offsets 16-463.
//
//   0      'P'
//   1-4    model code, space padded
//   5-7    band limits as BCD: "400520" -> 40 05 20
//   8-9    save year, little-endian
//   10-13  month, day, hour, minute
//   14-15  FF FF

#include <array>
#include <cstdint>
#include <string>

#include "core/Clock.h"
#include "core/CodePlug.h"
#include "core/Registry.h"
#include "core/Status.h"

namespace kx7q {

constexpr int kDataFileSize = 464;
using FileHeader = std::array<std::uint8_t, 16>;

struct DecodedHeader {
  std::string modelText;   // bytes 0-4 as five characters
  std::string bandDigits;  // bytes 5-7 as six upper-case hex digits
  std::string saveTime;    // "yyyy-MM-dd HH:mm"
};

FileHeader EncodeFileHeader(const std::string& modelText, const std::string& saveTime,
                            const std::string& bandDigits);
DecodedHeader DecodeFileHeader(const FileHeader& header);

// The file's bytes for the code plug as it stands (header stamped with now).
std::array<std::uint8_t, kDataFileSize> DataFileBytes(const TALL& all, const NowFn& now = LocalNowText);

// Writes the code plug to path through a temporary file in the same folder that
// is renamed over the old one, so a failed save leaves the old file whole.
// Clears Modified on success only. Failure key "FileError" with the system's reason.
Status WriteDataFile(TALL& all, const std::string& path, const NowFn& now = LocalNowText);

// Reads path into the code plug. The whole file is checked before anything
// changes: a file that cannot be read ("FileError"), is too short
// ("FileTooShort"), names an unknown model ("ModError") or has band digits that
// are not decimal ("BandDigits") leaves the code plug exactly as it was.
// On success: image offsets 0-7 from the header, 16-463 from the file,
// ApplyModelInfo from the band code at 0x175, ClampImage, Modified := false.
Status ReadDataFile(TALL& all, const TMacList& registry, const TFrqList& bands, const std::string& path);

}  // namespace kx7q
