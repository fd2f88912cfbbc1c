#include "link/qt/SerialLink.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "i18n/IniFile.h"
#include "link/PortNames.h"

namespace kx7q {

SerialLink::SerialLink(QString settingsPath, QObject* parent)
    : QObject(parent), settingsPath_(std::move(settingsPath)) {
  connect(&port_, &QSerialPort::readyRead, this, &SerialLink::OnReadyRead);
  connect(&port_, &QSerialPort::errorOccurred, this, &SerialLink::OnError);
}

SerialLink::~SerialLink() { Close(); }

Status SerialLink::Open(const std::string& portName) {
  Close();
  IniFile settings;
  settings.Load(settingsPath_.toStdString());
  const std::string device = DeviceForPort(portName, settings);
  if (device.empty()) return Status::Fail("PortError", "no serial device for the port name \"" + portName + "\"");
  device_ = QString::fromStdString(device);
  port_.setPortName(device_);
  port_.setBaudRate(QSerialPort::Baud9600);
  port_.setDataBits(QSerialPort::Data8);
  port_.setParity(QSerialPort::NoParity);
  port_.setStopBits(QSerialPort::TwoStop);
  port_.setFlowControl(QSerialPort::NoFlowControl);
  if (!port_.open(QIODevice::ReadWrite)) {
    std::string reason = device + ": " + port_.errorString().toStdString();
    // Qt reports a device held by another program (its lock file, or an
    // exclusive open) as a permission error too; only the file's access rights
    // tell the two apart.
    if (port_.error() == QSerialPort::PermissionError) {
      if (::access(device.c_str(), R_OK | W_OK) != 0)
        reason += " (the user is not in the group \"dialout\": sudo usermod -aG dialout $USER, then log in again)";
      else
        reason += " (the port is in use by another program)";
    }
    port_.clearError();
    return Status::Fail("PortError", reason);
  }
  // A pseudo-terminal refuses the modem lines; the transfer does not need them.
  port_.setDataTerminalReady(true);
  port_.setRequestToSend(true);
  port_.clearError();
  MarkLineErrors();
  marker_ = 0;
  return Status::Ok();
}

void SerialLink::MarkLineErrors() {
  marking_ = false;
  termios tio{};
  const int fd = static_cast<int>(port_.handle());
  if (fd < 0 || ::tcgetattr(fd, &tio) != 0) return;
  tio.c_iflag |= INPCK | PARMRK;
  tio.c_iflag &= ~static_cast<tcflag_t>(IGNPAR | IGNBRK | BRKINT | ISTRIP);
  marking_ = ::tcsetattr(fd, TCSANOW, &tio) == 0;
}

void SerialLink::Close() {
  if (port_.isOpen()) port_.close();
  port_.clearError();
  marker_ = 0;
}

bool SerialLink::FlushInput() {
  if (!port_.isOpen()) return false;
  marker_ = 0;
  return port_.clear(QSerialPort::Input);
}

bool SerialLink::FlushOutput() { return port_.isOpen() && port_.clear(QSerialPort::Output); }

bool SerialLink::Put(const std::uint8_t* data, std::size_t size) {
  if (!port_.isOpen()) return false;
  const qint64 n = port_.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  if (n != static_cast<qint64>(size)) return false;
  port_.flush();  // hand the bytes to the driver now, not on the next turn of the event loop
  return true;
}

int SerialLink::PendingOutput() const { return port_.isOpen() ? static_cast<int>(port_.bytesToWrite()) : 0; }

void SerialLink::OnReadyRead() {
  const QByteArray raw = port_.readAll();
  if (!marking_) {
    if (!raw.isEmpty()) emit received(raw);
    return;
  }
  QByteArray data;
  data.reserve(raw.size());
  bool broken = false;
  for (char c : raw) {
    const auto b = static_cast<unsigned char>(c);
    switch (marker_) {
      case 0:
        if (b == 0xFF)
          marker_ = 1;
        else
          data.append(c);
        break;
      case 1:
        if (b == 0xFF) {
          data.append(c);  // a data byte FF, doubled by the driver
          marker_ = 0;
        } else if (b == 0x00) {
          marker_ = 2;
        } else {
          data.append(static_cast<char>(0xFF));
          data.append(c);
          marker_ = 0;
        }
        break;
      default:  // FF 00 x: a break (x = 0) or a byte with a framing or parity error
        broken = true;
        marker_ = 0;
        break;
    }
  }
  if (!data.isEmpty()) emit received(data);
  if (broken) emit lineError();
}

void SerialLink::OnError(QSerialPort::SerialPortError error) {
  switch (error) {
    case QSerialPort::ReadError:
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError: {
      if (!port_.isOpen()) return;
      const QString reason = device_ + ": " + port_.errorString();
      port_.close();  // closed here, or the errors never stop
      emit lost(reason);
      break;
    }
    default:  // NoError on open, the modem lines a pseudo-terminal refuses, time-outs
      break;
  }
}

}  // namespace kx7q
