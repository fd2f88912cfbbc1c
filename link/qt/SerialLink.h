#pragma once
// The serial port of a transfer on QSerialPort: 9600 baud, 8 data bits, no
// parity, 2 stop bits, no flow control, DTR and RTS raised where the device
// allows it (a pseudo-terminal does not, which is fine).
//
// Line errors. Qt reports no framing or break conditions, so the port asks
// the terminal driver to mark them in the input (PARMRK): a break or framing
// error arrives as FF 00 x, a data byte FF as FF FF. The markers are taken
// out here and reported as lineError(); the data go on as received().
//
// A device that vanishes (read, write or resource error) is closed at once,
// so that QSerialPort does not flood us with errors, and reported as lost().

#include <QByteArray>
#include <QObject>
#include <QSerialPort>
#include <QString>

#include "link/LinkIo.h"

namespace kx7q {

class SerialLink : public QObject, public LinkPort {
  Q_OBJECT
 public:
  // settingsPath: SysInfo.Ini, for the [Ports] section of the port mapping.
  explicit SerialLink(QString settingsPath, QObject* parent = nullptr);
  ~SerialLink() override;

  Status Open(const std::string& portName) override;
  void Close() override;
  bool FlushInput() override;
  bool FlushOutput() override;
  bool Put(const std::uint8_t* data, std::size_t size) override;
  int PendingOutput() const override;

  bool IsOpen() const { return port_.isOpen(); }
  QString DevicePath() const { return port_.portName(); }

 signals:
  void received(const QByteArray& bytes);
  void lineError();
  void lost(const QString& reason);

 private:
  void OnReadyRead();
  void OnError(QSerialPort::SerialPortError error);
  void MarkLineErrors();

  QString settingsPath_;
  QString device_;  // the device path of the open port, for messages
  QSerialPort port_;
  bool marking_ = false;  // the driver marks line errors in the input
  int marker_ = 0;        // bytes of an FF 00 x marker seen so far
};

}  // namespace kx7q
