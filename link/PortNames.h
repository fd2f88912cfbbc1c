#pragma once
// Serial port names. The program speaks of ports as "COM" followed by a
// number; on this platform each number stands for a device file:
//
//   COM1-COM4    /dev/ttyS0-/dev/ttyS3      built-in serial ports
//   COM5-COM12   /dev/ttyUSB0-/dev/ttyUSB7  USB serial cables
//   COM13-COM20  /dev/ttyACM0-/dev/ttyACM7  USB modem-class cables
//   COM21-COM48  /dev/ttyS4-/dev/ttyS31
//   COM49-COM64  /dev/ttyUSB8-/dev/ttyUSB23
//   COM65-COM80  /dev/ttyACM8-/dev/ttyACM23
//
// so that the usual programming cables get numbers the port dialog can choose
// (COM1-COM20). Entries of the section [Ports] of SysInfo.Ini, such as
// "COM7=/dev/pts/3", map any number to any device and win over the table; a
// device named there is no longer reached through its number in the table.

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kx7q {

class IniFile;

constexpr const char* kPortsSection = "Ports";

// The port number of a port name: the characters from the fourth on, which
// must be decimal digits ("COM12" -> 12). The first three are not examined.
std::optional<int> PortNumberOf(const std::string& portName);

// The device of a port name: a [Ports] entry, else the table above. A name that
// already is a device path (it begins with '/') passes through unchanged.
// Empty when the name has no number or the number has no device.
std::string DeviceForPort(const std::string& portName, const IniFile& settings);

// Every ("COMn", device) pair the settings and the table define, in rising
// order of n; each device appears once.
std::vector<std::pair<std::string, std::string>> PortCandidates(const IniFile& settings);

}  // namespace kx7q
