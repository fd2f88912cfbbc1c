#include "link/PortNames.h"

#include <algorithm>
#include <cctype>
#include <map>

#include "core/Numbers.h"
#include "i18n/IniFile.h"

namespace kx7q {
namespace {

// The fixed part of the mapping: COM(first)...COM(first+count-1) are
// prefix(firstIndex)...prefix(firstIndex+count-1).
struct PortRange {
  int first;
  int count;
  const char* prefix;
  int firstIndex;
};

constexpr PortRange kPortTable[] = {
    {1, 4, "/dev/ttyS", 0},     {5, 8, "/dev/ttyUSB", 0},  {13, 8, "/dev/ttyACM", 0},
    {21, 28, "/dev/ttyS", 4},   {49, 16, "/dev/ttyUSB", 8}, {65, 16, "/dev/ttyACM", 8},
};

std::string TableDevice(int number) {
  for (const PortRange& r : kPortTable)
    if (number >= r.first && number < r.first + r.count)
      return r.prefix + std::to_string(r.firstIndex + number - r.first);
  return {};
}

bool StartsWithComNoCase(const std::string& key) {
  if (key.size() < 3) return false;
  static const char com[] = "COM";
  for (int i = 0; i < 3; ++i)
    if (std::toupper(static_cast<unsigned char>(key[i])) != com[i]) return false;
  return true;
}

// number -> device from the section [Ports]; keys that are not "COM" and a
// number, and empty values, are ignored.
std::map<int, std::string> ConfiguredPorts(const IniFile& settings) {
  std::map<int, std::string> ports;
  for (const std::string& key : settings.Keys(kPortsSection)) {
    if (!StartsWithComNoCase(key)) continue;
    std::optional<int> n = PortNumberOf(key);
    if (!n) continue;
    std::string device = Trim(settings.Read(kPortsSection, key, ""));
    if (!device.empty()) ports[*n] = device;
  }
  return ports;
}

}  // namespace

std::optional<int> PortNumberOf(const std::string& portName) {
  if (portName.size() <= 3 || portName.size() > 12) return std::nullopt;
  int n = 0;
  for (std::size_t i = 3; i < portName.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(portName[i]))) return std::nullopt;
    n = n * 10 + (portName[i] - '0');
  }
  return n;
}

std::string DeviceForPort(const std::string& portName, const IniFile& settings) {
  if (!portName.empty() && portName.front() == '/') return portName;
  std::optional<int> n = PortNumberOf(portName);
  if (!n) return {};
  std::map<int, std::string> configured = ConfiguredPorts(settings);
  if (auto it = configured.find(*n); it != configured.end()) return it->second;
  std::string device = TableDevice(*n);
  for (const auto& [number, configuredDevice] : configured)
    if (configuredDevice == device) return {};  // the device answers to another number now
  return device;
}

std::vector<std::pair<std::string, std::string>> PortCandidates(const IniFile& settings) {
  std::map<int, std::string> ports;
  for (const PortRange& r : kPortTable)
    for (int i = 0; i < r.count; ++i) ports[r.first + i] = TableDevice(r.first + i);
  std::map<int, std::string> configured = ConfiguredPorts(settings);
  for (const auto& [number, device] : configured)
    std::erase_if(ports, [&](const auto& p) { return p.second == device; });
  for (const auto& [number, device] : configured) ports[number] = device;

  std::vector<std::pair<std::string, std::string>> list;
  for (const auto& [number, device] : ports) list.emplace_back("COM" + std::to_string(number), device);
  return list;
}

}  // namespace kx7q
