// Data files: header codec, save, open, and the refusals that leave the code
// plug as it was.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/DataFile.h"
#include "support/CodePlugFixture.h"
#include "support/TempDir.h"

namespace kx7q {
namespace {

using test::CodePlugFixture;
using test::TempDir;

const NowFn kSaveTime = [] { return std::string("2010-05-06 12:34:56"); };

struct DataFileTest : ::testing::Test {
  CodePlugFixture f;
  TempDir dir;
  std::string path = dir.File("radio.dat");

  std::vector<unsigned char> SavedNewPlug() {
    EXPECT_TRUE(WriteDataFile(f.all, path, kSaveTime).ok());
    return dir.Bytes("radio.dat");
  }
  // Opening must fail with key and leave everything as it was.
  void ExpectRefused(const std::string& key) {
    const TALL before = f.all;
    const Status status = ReadDataFile(f.all, f.registry, f.bands, path);
    EXPECT_EQ(status.key, key) << status.detail;
    EXPECT_FALSE(status.detail.empty());
    EXPECT_EQ(f.all.Image, before.Image);
    EXPECT_EQ(f.all.Modified, before.Modified);
    EXPECT_EQ(f.all.ModelName, before.ModelName);
    EXPECT_EQ(f.all.BandText, before.BandText);
    EXPECT_EQ(f.all.FreqMin, before.FreqMin);
  }
};

TEST_F(DataFileTest, NewCodePlugSavesHeaderAndImage) {
  f.all.Modified = true;
  const auto bytes = SavedNewPlug();
  ASSERT_EQ(bytes.size(), 464u);
  const std::vector<unsigned char> header(bytes.begin(), bytes.begin() + 16);
  const std::vector<unsigned char> want = {'P', 'Q', 'M', 'V', '4', 0x40, 0x05, 0x20,
                                           0xDA, 0x07, 5, 6, 12, 34, 0xFF, 0xFF};
  EXPECT_EQ(header, want);
  for (int i = 16; i < 464; ++i) EXPECT_EQ(bytes[static_cast<std::size_t>(i)], f.all.Image[static_cast<std::size_t>(i)]);
  EXPECT_FALSE(f.all.Modified);
}

TEST_F(DataFileTest, HeaderCodecRoundTrip) {
  const FileHeader h = EncodeFileHeader("PQMV4", "2026-12-11 09:05", "134174");
  EXPECT_EQ(h[5], 0x13);
  EXPECT_EQ(h[6], 0x41);
  EXPECT_EQ(h[7], 0x74);
  const DecodedHeader d = DecodeFileHeader(h);
  EXPECT_EQ(d.modelText, "PQMV4");
  EXPECT_EQ(d.bandDigits, "134174");
  EXPECT_EQ(d.saveTime, "2026-12-11 09:05");
  // A short model text is padded with spaces.
  EXPECT_EQ(EncodeFileHeader("PAB", "2026-12-11 09:05", "400520")[3], 0x20);
}

TEST_F(DataFileTest, OpenRestoresImageAndClearsModified) {
  for (int a = 0x10; a < 0x20; ++a) f.all.Radio(a) = static_cast<std::uint8_t>(a);  // channel 1
  for (int i = 448; i < 464; ++i) f.all.Image[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
  SavedNewPlug();
  const ImageBytes saved = f.all.Image;
  f.NewCodePlug();
  f.all.Modified = true;
  ASSERT_TRUE(ReadDataFile(f.all, f.registry, f.bands, path).ok());
  for (int i = 16; i < 464; ++i) EXPECT_EQ(f.all.Image[static_cast<std::size_t>(i)], saved[static_cast<std::size_t>(i)]) << i;
  const std::uint8_t ident[8] = {'P', 'Q', 'M', 'V', '4', 0x40, 0x05, 0x20};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(f.all.Image[static_cast<std::size_t>(i)], ident[i]);
  EXPECT_FALSE(f.all.Modified);
  EXPECT_EQ(f.all.ModelName, "ROZ-KX-7Q(UHF)");
}

TEST_F(DataFileTest, BandCodeInImageWinsOverHeaderDigits) {
  f.all.Radio(0x175) = 240;  // header still says 400-520
  SavedNewPlug();
  ASSERT_TRUE(ReadDataFile(f.all, f.registry, f.bands, path).ok());
  EXPECT_EQ(f.all.ModelName, "ROZ-KX-7Q(VHF)");
  EXPECT_EQ(f.all.BandText, "134 - 174MHz");
  EXPECT_EQ(f.all.FreqMin, 134);
  EXPECT_EQ(f.all.FreqMax, 174);
}

TEST_F(DataFileTest, FirstHeaderByteIsIgnored) {
  auto bytes = SavedNewPlug();
  bytes[0] = 'X';
  dir.Put("radio.dat", bytes);
  EXPECT_TRUE(ReadDataFile(f.all, f.registry, f.bands, path).ok());
}

TEST_F(DataFileTest, RefusedFilesLeaveTheCodePlugAsItWas) {
  const auto good = SavedNewPlug();
  f.all.Radio(0x121) = 7;  // an unsaved edit
  f.all.Modified = true;

  auto unknownModel = good;
  unknownModel[1] = 'X';
  dir.Put("radio.dat", unknownModel);
  ExpectRefused("ModError");
  // A file that is no data file at all: its bytes are not passed on to be shown.
  unknownModel[2] = 0x07;
  unknownModel[3] = 0xC3;
  dir.Put("radio.dat", unknownModel);
  EXPECT_EQ(ReadDataFile(f.all, f.registry, f.bands, path).detail, "X??4");

  auto badDigits = good;
  badDigits[5] = badDigits[6] = badDigits[7] = 0xFF;
  dir.Put("radio.dat", badDigits);
  ExpectRefused("BandDigits");

  for (std::size_t length : {0u, 10u, 16u, 463u}) {
    dir.Put("radio.dat", std::vector<unsigned char>(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length)));
    ExpectRefused("FileTooShort");
  }
  // A short file of something else is too short, not "another model".
  dir.Put("radio.dat", std::vector<unsigned char>(100, 'x'));
  ExpectRefused("FileTooShort");

  std::filesystem::remove(path);
  ExpectRefused("FileError");
}

TEST_F(DataFileTest, FailedSaveKeepsModifiedAndTheOldFile) {
  f.all.Modified = true;
  const Status missingFolder = WriteDataFile(f.all, dir.File("no/such/folder.dat"), kSaveTime);
  EXPECT_EQ(missingFolder.key, "FileError");
  EXPECT_NE(missingFolder.detail.find("No such file"), std::string::npos) << missingFolder.detail;
  EXPECT_TRUE(f.all.Modified);

  // A folder standing where the file should go cannot be replaced: it stays,
  // and no temporary file is left behind.
  std::filesystem::create_directory(path);
  EXPECT_EQ(WriteDataFile(f.all, path, kSaveTime).key, "FileError");
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_TRUE(f.all.Modified);
  int entries = 0;
  for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir.path())) ++entries;
  EXPECT_EQ(entries, 1);
}

TEST_F(DataFileTest, SaveReplacesAnExistingFile) {
  dir.PutText("radio.dat", "old contents");
  const auto bytes = SavedNewPlug();
  EXPECT_EQ(bytes.size(), 464u);
}

TEST_F(DataFileTest, SaveThroughASymbolicLinkReplacesTheFileBehindIt) {
  dir.PutText("radio.dat", "old contents");
  std::filesystem::create_symlink("radio.dat", dir.File("link.dat"));
  ASSERT_TRUE(WriteDataFile(f.all, dir.File("link.dat"), kSaveTime).ok());
  EXPECT_TRUE(std::filesystem::is_symlink(dir.File("link.dat")));
  EXPECT_EQ(dir.Bytes("radio.dat").size(), 464u);
}

}  // namespace
}  // namespace kx7q
