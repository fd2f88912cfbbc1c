#include "core/DataFile.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <vector>

#include "core/AtomicFile.h"
#include "core/ImageDefaults.h"
#include "core/Numbers.h"

namespace kx7q {
namespace {

int Digits(const std::string& text, std::size_t pos, std::size_t len, int base) {
  if (text.size() < pos + len) return 0;
  int value = 0;
  for (std::size_t i = pos; i < pos + len; ++i) {
    const char c = text[i];
    int d = 0;
    if (c >= '0' && c <= '9') d = c - '0';
    else if (base == 16 && c >= 'A' && c <= 'F') d = c - 'A' + 10;
    else if (base == 16 && c >= 'a' && c <= 'f') d = c - 'a' + 10;
    value = value * base + d;
  }
  return value;
}

std::string TwoDigits(int value) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d", value);
  return buffer;
}

// A band edge in MHz as the three digits of the band limits.
std::string ThreeDigits(double mhz) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%03lld", std::llround(mhz));
  return buffer;
}

bool AllDecimal(const std::string& text) {
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return !text.empty();
}

// The header's model code as it can be shown: a file that is no data file
// has any bytes there.
std::string Printable(std::string text) {
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) > 0x7E) c = '?';
  return text;
}

std::string SystemReason(const std::string& path) { return path + ": " + std::strerror(errno); }

}  // namespace

FileHeader EncodeFileHeader(const std::string& modelText, const std::string& saveTime,
                            const std::string& bandDigits) {
  FileHeader header;
  header.fill(0xFF);
  const std::string model = (modelText + "        ").substr(0, 5);
  for (int i = 0; i < 5; ++i) header[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(model[static_cast<std::size_t>(i)]);
  for (int i = 0; i < 3; ++i)
    header[static_cast<std::size_t>(5 + i)] = static_cast<std::uint8_t>(Digits(bandDigits, static_cast<std::size_t>(2 * i), 2, 16));
  const int year = Digits(saveTime, 0, 4, 10);
  header[8] = static_cast<std::uint8_t>(year & 0xFF);
  header[9] = static_cast<std::uint8_t>((year >> 8) & 0xFF);
  header[10] = static_cast<std::uint8_t>(Digits(saveTime, 5, 2, 10));
  header[11] = static_cast<std::uint8_t>(Digits(saveTime, 8, 2, 10));
  header[12] = static_cast<std::uint8_t>(Digits(saveTime, 11, 2, 10));
  header[13] = static_cast<std::uint8_t>(Digits(saveTime, 14, 2, 10));
  return header;
}

DecodedHeader DecodeFileHeader(const FileHeader& header) {
  DecodedHeader decoded;
  decoded.modelText.assign(reinterpret_cast<const char*>(header.data()), 5);
  char hex[8];
  std::snprintf(hex, sizeof hex, "%02X%02X%02X", header[5], header[6], header[7]);
  decoded.bandDigits = hex;
  decoded.saveTime = std::to_string(header[8] | (header[9] << 8)) + "-" + TwoDigits(header[10]) + "-" +
                     TwoDigits(header[11]) + " " + TwoDigits(header[12]) + ":" + TwoDigits(header[13]);
  return decoded;
}

std::array<std::uint8_t, kDataFileSize> DataFileBytes(const TALL& all, const NowFn& now) {
  std::array<std::uint8_t, kDataFileSize> bytes{};
  const std::string bandDigits = ThreeDigits(all.FreqMin) + ThreeDigits(all.FreqMax);
  const std::string saveTime = now().substr(0, 16);  // "yyyy-MM-dd HH:mm"
  const FileHeader header = EncodeFileHeader("P" + all.ModelCode, saveTime, bandDigits);
  std::copy(header.begin(), header.end(), bytes.begin());
  std::copy(all.Image.begin() + 16, all.Image.end(), bytes.begin() + 16);
  return bytes;
}

Status WriteDataFile(TALL& all, const std::string& path, const NowFn& now) {
  const auto bytes = DataFileBytes(all, now);
  Status status = WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  if (status.ok()) all.Modified = false;
  return status;
}

Status ReadDataFile(TALL& all, const TMacList& registry, const TFrqList& bands, const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return Status::Fail("FileError", SystemReason(path));
  std::vector<std::uint8_t> bytes(kDataFileSize);
  in.read(reinterpret_cast<char*>(bytes.data()), kDataFileSize);
  if (in.bad()) return Status::Fail("FileError", SystemReason(path));
  const auto length = static_cast<std::size_t>(in.gcount());
  const std::string sizeDetail = path + ": " + std::to_string(length) + " bytes, a data file has " +
                                 std::to_string(kDataFileSize);
  // Anything shorter than a data file is not one, whatever its first bytes say.
  if (length < static_cast<std::size_t>(kDataFileSize)) return Status::Fail("FileTooShort", sizeDetail);

  FileHeader header;
  std::copy(bytes.begin(), bytes.begin() + 16, header.begin());
  const DecodedHeader decoded = DecodeFileHeader(header);
  const std::string modelCode = Trim(decoded.modelText.substr(1));
  if (registry.ChannelCountOfCode(modelCode) == 0) return Status::Fail("ModError", Printable(modelCode));
  if (!AllDecimal(decoded.bandDigits))
    return Status::Fail("BandDigits", path + ": band limits " + decoded.bandDigits);

  // Everything checked: replace the code plug.
  all.FreqMin = Digits(decoded.bandDigits, 0, 3, 10);
  all.FreqMax = Digits(decoded.bandDigits, 3, 3, 10);
  std::copy(bytes.begin() + 16, bytes.end(), all.Image.begin() + 16);
  std::copy(header.begin(), header.begin() + 8, all.Image.begin());
  ApplyModelInfo(all, registry, bands, modelCode, all.Radio(kBandCodeAddress), true);
  ClampImage(all, bands);
  all.Modified = false;
  return Status::Ok();
}

}  // namespace kx7q
