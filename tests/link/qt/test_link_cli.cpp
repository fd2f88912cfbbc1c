// kx7q-cli read and write against the virtual radio.
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "SimProcess.h"

namespace kx7q {
namespace {

using test::SimProcess;

struct CliRun {
  int exitCode;
  QString err;
};

CliRun RunCli(const QStringList& args) {
  QProcess cli;
  cli.start(QStringLiteral(KX7Q_BIN_DIR "/kx7q-cli"), args);
  EXPECT_TRUE(cli.waitForFinished(30000));
  return {cli.exitCode(), QString::fromUtf8(cli.readAllStandardError())};
}

TEST(LinkCli, ReadThenWriteBack) {
  QTemporaryDir dir;
  const QString read = dir.filePath("read.dat");
  {
    SimProcess sim({"--band", "134 - 174MHz", "--once"});
    const CliRun r = RunCli({"read", "--port", sim.Path(), "-o", read});
    EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("Reading Completed.")) << r.err.toStdString();
  }
  QFile file(read);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  ASSERT_EQ(bytes.size(), 464);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[16 + 0x175]), 0xF0);  // the radio's band

  const QString saved = dir.filePath("radio.dat");
  SimProcess sim({"--save", saved, "--once"});
  const CliRun w = RunCli({"write", "--port", sim.Path(), read});
  EXPECT_EQ(w.exitCode, 0) << w.err.toStdString();
  EXPECT_TRUE(w.err.contains("Writing Completed.")) << w.err.toStdString();
  ASSERT_TRUE(sim.WaitForExit());
  QFile radio(saved);
  ASSERT_TRUE(radio.open(QIODevice::ReadOnly));
  const QByteArray written = radio.readAll();
  // Channels and settings arrive as read; the write stamps 0x190 anew.
  EXPECT_EQ(written.mid(16, 0x190), bytes.mid(16, 0x190));
}

TEST(LinkCli, FailuresExitWithTheMessageAndWriteNoFile) {
  QTemporaryDir dir;
  const QString out = dir.filePath("out.dat");
  const struct {
    const char* name;
    QStringList simArgs;  // empty: no radio, a missing device
    QString message;
  } cases[] = {
      {"another model", {"--model", "ZZ99"}, "Model Type Wrong."},
      {"wrong key", {"--wrong-key"}, "Please check all connections"},
      {"silence", {"--silent-after", "2"}, "Please check all connections"},
      {"no device", {}, "Cannot Open Communication Port."},
  };
  for (const auto& c : cases) {
    std::unique_ptr<SimProcess> sim;
    QString port = dir.filePath("missing-device");
    if (!c.simArgs.isEmpty()) {
      sim = std::make_unique<SimProcess>(c.simArgs);
      port = sim->Path();
    }
    const CliRun r = RunCli({"read", "--port", port, "-o", out});
    EXPECT_EQ(r.exitCode, 1) << c.name;
    EXPECT_TRUE(r.err.contains(c.message)) << c.name << ": " << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(out)) << c.name;
  }
}

TEST(LinkCli, UsageErrors) {
  EXPECT_EQ(RunCli({"read", "--port", "COM1"}).exitCode, 2);
  EXPECT_EQ(RunCli({"write", "--port", "COM1"}).exitCode, 2);
  EXPECT_EQ(RunCli({"read", "--bogus"}).exitCode, 2);
}

}  // namespace
}  // namespace kx7q
