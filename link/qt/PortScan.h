#pragma once
// Which serial ports are present now.

#include <QString>
#include <QStringList>

namespace kx7q {

// The "COMn" names whose devices can be opened now (a device that another
// program holds is not listed), in rising order of n. The mapping of numbers
// to devices comes from link/PortNames.h and the section [Ports] of the
// settings file at settingsPath (a missing file gives the built-in table).
QStringList PresentPorts(const QString& settingsPath);

}  // namespace kx7q
