// kx7q-cli report: the report of a data file as a PDF, written without a
// display, and its failures.
#include <gtest/gtest.h>

#include <filesystem>

#include "channels/ChannelCodec.h"
#include "core/DataFile.h"
#include "support/CodePlugFixture.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace kx7q {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

class PrintCli : public ::testing::Test {
 protected:
  void SetUp() override {
    // A copy of the tool in a fresh folder, so that no SysInfo.Ini or
    // language file of another run applies.
    tool = dir.File("kx7q-cli");
    std::filesystem::copy_file(std::string(KX7Q_BIN_DIR) + "/kx7q-cli", tool);
    test::CodePlugFixture plug;
    for (int n : {1, 2, 5})
      for (ChannelField f : {ChannelField::RxFreq, ChannelField::TxFreq})
        ASSERT_TRUE(EncodeChannelField(plug.all, n, f, n == 2 ? "401.1" : "462.5625"));
    ASSERT_TRUE(WriteDataFile(plug.all, dir.File("plug.dat")).ok());
    modelName = plug.all.ModelName;
  }

  // Runs the tool with no display at all.
  CliRun Cli(const std::string& arguments) {
    const std::string command = "cd '" + dir.path() + "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                tool + "' " + arguments + " 2>stderr.txt";
    const test::ShellRun run = test::RunShell(command);
    return {run.status, run.out, dir.Text("stderr.txt")};
  }

  test::TempDir dir;
  std::string tool;
  std::string modelName;
};

TEST_F(PrintCli, WritesTheReportOfADataFile) {
  const CliRun r = Cli("report plug.dat -o plug.pdf");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string text = test::RunShell("pdftotext -layout '" + dir.File("plug.pdf") + "' -").out;
  for (const std::string& expected : {modelName, std::string("400 - 520MHz"), std::string("Key Function"),
                                      std::string("VOX Gain Level"), std::string("Channel Information"),
                                      std::string("No.1"), std::string("No.2"), std::string("No.5"),
                                      std::string("401.10000")})
    EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text;
  EXPECT_EQ(text.find("No.3"), std::string::npos);
}

TEST_F(PrintCli, FailuresSayWhatWentWrong) {
  struct Case {
    const char* arguments;
    int status;
    const char* message;
  };
  const Case cases[] = {
      {"report plug.dat", 2, "no output file"},
      {"report -o x.pdf", 2, "no data file"},
      {"report plug.dat other.dat -o x.pdf", 2, "unexpected argument"},
      {"report plug.dat -o ./plug.dat", 2, "the output file is the data file itself"},
      {"report missing.dat -o x.pdf", 1, "The file cannot be read or written."},
      {"report plug.dat -o no-such-folder/x.pdf", 1,
       "The file cannot be read or written. (no-such-folder/x.pdf: No such file or directory)"},
  };
  for (const Case& c : cases) {
    const CliRun r = Cli(c.arguments);
    EXPECT_EQ(r.status, c.status) << c.arguments;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.arguments << ": " << r.err;
  }
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.pdf")));
  EXPECT_EQ(dir.Bytes("plug.dat").size(), static_cast<std::size_t>(kDataFileSize)) << "the data file is untouched";
}

}  // namespace
}  // namespace kx7q
