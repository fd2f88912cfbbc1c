// The serial adapter on a pseudo-terminal that the test drives itself.
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <QSerialPort>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "support/qt/WaitFor.h"

#include "link/qt/SerialLink.h"

namespace kx7q {
namespace {

class LinkSerial : public ::testing::Test {
 protected:
  void SetUp() override {
    master = posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
    ASSERT_GE(master, 0);
    ASSERT_EQ(grantpt(master), 0);
    ASSERT_EQ(unlockpt(master), 0);
    path = ptsname(master);
  }
  void TearDown() override {
    if (master >= 0) close(master);
  }
  void FromRadio(std::initializer_list<unsigned char> bytes) {
    const std::vector<unsigned char> b(bytes);
    ASSERT_EQ(write(master, b.data(), b.size()), static_cast<ssize_t>(b.size()));
  }
  // What a break looks like to a port that marks line errors.
  void BreakMarker() {
    termios tio{}, plain{};
    ASSERT_EQ(tcgetattr(master, &tio), 0);
    ASSERT_TRUE(tio.c_iflag & PARMRK) << "the adapter asks the driver to mark line errors";
    plain = tio;
    plain.c_iflag &= ~static_cast<tcflag_t>(PARMRK);
    tcsetattr(master, TCSANOW, &plain);
    FromRadio({0xFF, 0x00, 0x00});
    test::Spin(50);
    tcsetattr(master, TCSANOW, &tio);
  }

  int master = -1;
  std::string path;
  QTemporaryDir dir;
};

TEST_F(LinkSerial, DataPassesUnchangedIncludingFFAndBreaksBecomeLineErrors) {
  SerialLink port(dir.filePath("SysInfo.Ini"));
  ASSERT_TRUE(port.Open(path).ok());
  QByteArray got;
  QObject::connect(&port, &SerialLink::received, [&](const QByteArray& b) { got += b; });
  QSignalSpy lineErrors(&port, &SerialLink::lineError);

  FromRadio({0x41, 0xFF, 0x00, 0x42, 0xFF});
  ASSERT_TRUE(test::WaitFor([&] { return got == QByteArray("\x41\xFF\x00\x42\xFF", 5); }, 5000));
  EXPECT_EQ(lineErrors.count(), 0);

  BreakMarker();
  ASSERT_TRUE(test::WaitFor([&] { return lineErrors.count() == 1; }, 5000));
  FromRadio({0x06});
  ASSERT_TRUE(test::WaitFor([&] { return got.size() == 6; }, 5000));
  EXPECT_EQ(got.back(), '\x06');

  // What the PC puts reaches the line.
  const std::uint8_t frame[] = {'R', 0x01, 0xA8, 0x08};
  ASSERT_TRUE(port.Put(frame, sizeof frame));
  unsigned char in[8] = {};
  ASSERT_TRUE(test::WaitFor([&] { return read(master, in, sizeof in) == 4 || in[0] == 'R'; }, 5000));
  EXPECT_EQ(in[0], 'R');
  EXPECT_EQ(port.PendingOutput(), 0);
}

TEST_F(LinkSerial, FarEndClosingClosesThePortAndReportsOnce) {
  SerialLink port(dir.filePath("SysInfo.Ini"));
  ASSERT_TRUE(port.Open(path).ok());
  QSignalSpy lost(&port, &SerialLink::lost);
  close(master);
  master = -1;
  ASSERT_TRUE(test::WaitFor([&] { return lost.count() == 1; }, 5000));
  EXPECT_TRUE(lost.at(0).at(0).toString().startsWith(QString::fromStdString(path) + ": "))
      << lost.at(0).at(0).toString().toStdString();
  EXPECT_FALSE(port.IsOpen());
  test::Spin(200);
  EXPECT_EQ(lost.count(), 1);
}

TEST_F(LinkSerial, OpenFailuresNameTheDevice) {
  SerialLink port(dir.filePath("SysInfo.Ini"));
  const Status missing = port.Open(dir.filePath("nothing").toStdString());
  EXPECT_EQ(missing.key, "PortError");
  EXPECT_NE(missing.detail.find("nothing"), std::string::npos) << missing.detail;
  // A port that another program holds is in use, not forbidden.
  {
    QSerialPort held(QString::fromStdString(path));
    ASSERT_TRUE(held.open(QIODevice::ReadWrite));
    const Status busy = port.Open(path);
    EXPECT_EQ(busy.key, "PortError");
    EXPECT_NE(busy.detail.find("in use by another program"), std::string::npos) << busy.detail;
    EXPECT_EQ(busy.detail.find("dialout"), std::string::npos) << busy.detail;
  }
  const Status unnamed = port.Open("COM");
  EXPECT_EQ(unnamed.key, "PortError");
  EXPECT_FALSE(port.IsOpen());
  // Closing a port that is not open is harmless; so is flushing it (it fails).
  port.Close();
  EXPECT_FALSE(port.FlushInput());
  EXPECT_EQ(port.PendingOutput(), 0);
}

}  // namespace
}  // namespace kx7q
