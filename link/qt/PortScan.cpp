#include "link/qt/PortScan.h"

#include <QFileInfo>
#include <QSerialPort>

#include "i18n/IniFile.h"
#include "link/PortNames.h"

namespace kx7q {

QStringList PresentPorts(const QString& settingsPath) {
  IniFile settings;
  settings.Load(settingsPath.toStdString());
  QStringList present;
  for (const auto& [name, device] : PortCandidates(settings)) {
    const QString path = QString::fromStdString(device);
    if (!QFileInfo::exists(path)) continue;  // most numbers have no device: skip them cheaply
    // QSerialPort takes the device lock and opens exclusively, so a port in use
    // elsewhere fails here as it would for a transfer.
    QSerialPort port;
    port.setPortName(path);
    if (port.open(QIODevice::ReadWrite)) {
      port.close();
      present << QString::fromStdString(name);
    }
  }
  return present;
}

}  // namespace kx7q
