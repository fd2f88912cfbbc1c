// kx7q-cli as a user runs it: a copy of the tool in a fresh folder (so that no
// SysInfo.Ini or language file of another run applies), its output, its exit
// status and the data files it leaves.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>

#include "core/DataFile.h"
#include "core/ImageDefaults.h"
#include "settings/RadioInformation.h"
#include "support/CodePlugFixture.h"
#include "support/Shell.h"
#include "support/TempDir.h"

namespace kx7q {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

class CliTool : public ::testing::Test {
 protected:
  test::TempDir dir;
  std::string tool;

  void SetUp() override {
    tool = dir.File("kx7q-cli");
    std::filesystem::copy_file(std::string(KX7Q_BIN_DIR) + "/kx7q-cli", tool);
  }

  // Runs the tool with a shell-quoted argument string.
  CliRun Cli(const std::string& arguments) {
    const std::string errFile = dir.File("stderr.txt");
    const std::string command = "cd '" + dir.path() + "' && '" + tool + "' " + arguments + " 2>'" + errFile + "'";
    const test::ShellRun shell = test::RunShell(command);
    CliRun run{};
    run.status = shell.status;
    run.out = shell.out;
    run.err = dir.Text("stderr.txt");
    return run;
  }

  std::string WriteTimeOf(const std::string& file) {
    const std::vector<unsigned char> bytes = dir.Bytes(file);
    return DateStampText(bytes.data() + kRadioBase + kWriteTimeAddress);
  }
};

TEST_F(CliTool, NewWritesTheDataFileOfANewCodePlug) {
  CliRun r = Cli("new -o plug.dat");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::vector<unsigned char> file = dir.Bytes("plug.dat");
  ASSERT_EQ(file.size(), static_cast<std::size_t>(kDataFileSize));

  test::CodePlugFixture plug;  // first model, default band
  const std::string made = WriteTimeOf("plug.dat");
  plug.all.Image = {};
  SetImageDefaults(plug.all, plug.bands, [&] { return made; });
  std::array<std::uint8_t, kDataFileSize> expected = DataFileBytes(plug.all, [&] { return made; });
  for (int i = 8; i <= 13; ++i) expected[i] = file[i];  // the header's save time
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), file.begin()));
}

TEST_F(CliTool, NewForABandChoosesItsModel) {
  ASSERT_EQ(Cli("new --band '134-174mhz' -o vhf.dat").status, 0);
  CliRun r = Cli("show --json vhf.dat");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("\"model\": \"ROZ-KX-7Q(VHF)\", \"band\": \"134 - 174MHz\""), std::string::npos) << r.out;

  r = Cli("new --band '900 - 950MHz' -o x.dat");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("Model Type Wrong."), std::string::npos) << r.err;
  EXPECT_FALSE(std::filesystem::exists(dir.File("x.dat")));
}

TEST_F(CliTool, ShowJsonOfANewCodePlug) {
  ASSERT_EQ(Cli("new -o plug.dat").status, 0);
  CliRun r = Cli("show --json plug.dat");
  ASSERT_EQ(r.status, 0) << r.err;
  const std::string t = WriteTimeOf("plug.dat");
  const std::string expected =
      "{\"model\": \"ROZ-KX-7Q(UHF)\", \"band\": \"400 - 520MHz\",\n \"channels\": [],\n \"settings\": {\n"
      "  \"squelch_level\": \"5\",\n  \"tx_time_out\": \"180\",\n  \"voice\": \"China\",\n"
      "  \"vol_inhibit_tx\": \"Both\",\n  \"tone\": \"On\",\n  \"incept_alarm\": \"On\",\n"
      "  \"battery_save\": \"1:4\",\n  \"power_light\": \"On\",\n  \"mic_control\": \"None\",\n"
      "  \"vox_gain_level\": \"5\",\n  \"vox_delay_time\": \"1.0\",\n  \"vox_inhibit_on_receive\": \"Yes\",\n"
      "  \"key_1\": \"Transient Monmome\",\n  \"key_2\": \"Warm-Local\",\n  \"scan_speed\": \"100\",\n"
      "  \"dropout_delay_time\": \"15\",\n  \"fm_scan_lower\": \"88.000\",\n  \"fm_scan_upper\": \"108.000\",\n"
      "  \"dtmf_speed\": \"6\",\n  \"first_digit_time\": \"0\",\n  \"first_digit_delay\": \"100\",\n"
      "  \"ptt_id\": \"BOT\",\n  \"begin_of_tx\": \"123456\",\n  \"end_of_tx\": \"\",\n"
      "  \"dtmf_side_tone\": true,\n  \"stun_type\": \"Tx Inhibit\",\n  \"stun_code\": \"\",\n"
      "  \"serial_number\": \"                \",\n  \"write_time\": \"" + t + "\",\n"
      "  \"leave_factory_time\": \"" + t + "\",\n  \"password\": \"\"\n }}\n";
  EXPECT_EQ(r.out, expected);
}

TEST_F(CliTool, SetProgramsChannelsAndSettings) {
  ASSERT_EQ(Cli("new -o plug.dat").status, 0);
  CliRun r = Cli("set plug.dat ch1.rx=462.5631 ch1.decode=67 ch1.encode=D023N ch2.rx=446.00625 ch2.tx= "
              "squelch_level=7 key_1=Scan begin_of_tx=12a#");
  ASSERT_EQ(r.status, 0) << r.err;
  r = Cli("show --json plug.dat");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("{\"number\": 1, \"rx\": \"462.56250\", \"tx\": \"462.56250\", \"decode\": \"67.0\", "
                       "\"encode\": \"D023N\", \"power\": \"High\", \"wide_narrow\": \"Wide\", \"scan_add\": \"No\", "
                       "\"compander\": \"No\", \"scrambler\": \"No\", \"busy_lock\": \"No\", \"ptt_id\": \"Off\", "
                       "\"epilogue\": \"ON\"}"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("{\"number\": 2, \"rx\": \"446.00625\", \"tx\": null, \"decode\": \"\", \"encode\": \"\""),
            std::string::npos)
      << r.out;
  for (const char* shown : {"\"squelch_level\": \"7\"", "\"key_1\": \"Scan\"", "\"begin_of_tx\": \"12A#\""})
    EXPECT_NE(r.out.find(shown), std::string::npos) << shown;

  r = Cli("show plug.dat");
  ASSERT_EQ(r.status, 0) << r.err;
  EXPECT_NE(r.out.find("462.56250"), std::string::npos);
  EXPECT_NE(r.out.find("Squelch level"), std::string::npos);
}

TEST_F(CliTool, SetClampsOutOfBandWithAWarning) {
  ASSERT_EQ(Cli("new -o plug.dat").status, 0);
  CliRun r = Cli("set plug.dat ch3.rx=600");
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.err.find("The frequecy number come amiss!"), std::string::npos) << r.err;
  EXPECT_NE(Cli("show --json plug.dat").out.find("\"rx\": \"520.00000\""), std::string::npos);
}

TEST_F(CliTool, SetWarnsWhenATypedToneIsReplaced) {
  ASSERT_EQ(Cli("new -o plug.dat").status, 0);
  ASSERT_EQ(Cli("set plug.dat ch1.rx=462.5625").status, 0);
  struct Case {
    const char* tone;
    const char* warning;  // "" when none is due
  } cases[] = {
      {"67", ""}, {"D023n", ""}, {"none", ""}, {"23", "\"23\" is stored as \"30.0\""},
      {"d023n", "\"d023n\" is stored as \"D777N\""}, {"67.0Hz", "\"67.0Hz\" is stored as \"290.0\""},
  };
  for (const Case& c : cases) {
    CliRun r = Cli(std::string("set plug.dat 'ch1.decode=") + c.tone + "'");
    EXPECT_EQ(r.status, 0) << c.tone << ": " << r.err;
    if (*c.warning)
      EXPECT_NE(r.err.find(std::string("ch1.decode: ") + c.warning), std::string::npos) << c.tone << ": " << r.err;
    else
      EXPECT_EQ(r.err, "") << c.tone;
  }
}

TEST_F(CliTool, RefusedSetLeavesTheFileAlone) {
  ASSERT_EQ(Cli("new -o plug.dat").status, 0);
  const std::vector<unsigned char> before = dir.Bytes("plug.dat");
  struct Case {
    const char* args;
    int status;
    const char* message;
  } cases[] = {
      {"squelch_level=7 volume=3", 1, "Unknown key."},
      {"squelch_level=10", 1, "not one of the list"},
      {"ch1.rx=462.5625 ch1.tx=1.2.3", 1, "Frequecy is Out of range."},
      {"ch4.power=High", 1, "not programmed"},
      {"ch17.rx=462.5625", 1, "no such channel"},
      {"write_time=x", 1, "cannot be changed"},
      {"squelch_level", 2, "is not KEY=VALUE"},
      {"", 2, "nothing to set"},
  };
  for (const Case& c : cases) {
    CliRun r = Cli(std::string("set plug.dat ") + c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
    EXPECT_EQ(dir.Bytes("plug.dat"), before) << c.args;
  }
}

TEST_F(CliTool, BadFilesAreRefusedWithTheProgramsMessage) {
  ASSERT_EQ(Cli("new -o plug.dat").status, 0);
  std::vector<unsigned char> bytes = dir.Bytes("plug.dat");
  dir.Put("short.dat", std::vector<unsigned char>(bytes.begin(), bytes.begin() + 100));
  bytes[1] = 'X';  // another model code
  dir.Put("other.dat", bytes);
  struct Case {
    const char* args;
    const char* message;
  } cases[] = {
      {"show short.dat", "The file is too short to be a data file."},
      {"show other.dat", "Model Type Wrong."},
      {"show missing.dat", "The file cannot be read or written."},
      {"set other.dat squelch_level=7", "Model Type Wrong."},
  };
  for (const Case& c : cases) {
    CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, 1) << c.args;
    EXPECT_NE(r.err.find(c.message), std::string::npos) << c.args << ": " << r.err;
  }
}

TEST_F(CliTool, MessagesOfAChineseLanguageFileReachTheTerminalAsUtf8) {
  ASSERT_EQ(Cli("new -o plug.dat").status, 0);
  std::vector<unsigned char> bytes = dir.Bytes("plug.dat");
  bytes[1] = 'X';  // another model code
  dir.Put("other.dat", bytes);
  dir.PutText("SysInfo.Ini", "[SysInfo]\nLanguage=English|Test\nDefaultLanguage=1\n");
  dir.PutText("Test.Ini", "[Language]\nModError=\xBB\xFA\xD0\xCD\xB4\xED\xCE\xF3\xA1\xA3\n");  // GBK
  CliRun r = Cli("show other.dat");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.err.find("\xE6\x9C\xBA\xE5\x9E\x8B\xE9\x94\x99\xE8\xAF\xAF\xE3\x80\x82"), std::string::npos)
      << r.err;  // the same text in UTF-8
}

TEST_F(CliTool, HelpVersionAndUsage) {
  struct Case {
    const char* args;
    int status;
    const char* inOut;
  } cases[] = {
      {"--help", 0, "Commands:"},    {"--version", 0, "kx7q-cli 1."}, {"new --help", 0, "Usage: kx7q-cli new"},
      {"set --help", 0, "ch3.rx"},   {"help show", 0, "--json"},      {"", 2, "Usage:"},
      {"frobnicate", 2, ""},         {"new", 2, ""},                  {"show --yaml plug.dat", 2, ""},
  };
  for (const Case& c : cases) {
    CliRun r = Cli(c.args);
    EXPECT_EQ(r.status, c.status) << c.args;
    EXPECT_NE(r.out.find(c.inOut), std::string::npos) << c.args;
  }
}

}  // namespace
}  // namespace kx7q
