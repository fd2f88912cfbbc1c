// The model registry, the band list and ApplyModelInfo.
#include <gtest/gtest.h>

#include "core/Registry.h"
#include "support/CodePlugFixture.h"

namespace kx7q {
namespace {

using test::CodePlugFixture;

TEST(CoreRegistry, BandListLookupsFallBack) {
  CodePlugFixture f;
  EXPECT_EQ(f.bands.NameOf(0), "400 - 520MHz");
  EXPECT_EQ(f.bands.NameOf(255), "400 - 520MHz");
  EXPECT_EQ(f.bands.NameOf(241), "200 - 260MHz");
  EXPECT_EQ(f.bands.CodeOf(""), 240);
  EXPECT_EQ(f.bands.CodeOf("320 - 400MHz"), 242);
}

TEST(CoreRegistry, EntriesAndLookups) {
  CodePlugFixture f;
  ASSERT_EQ(f.registry.Count(), 2);
  EXPECT_EQ(f.registry.Get(0)->Name, "ROZ-KX-7Q(UHF)");
  EXPECT_EQ(f.registry.Get(1)->Name, "ROZ-KX-7Q(VHF)");
  EXPECT_EQ(f.registry.Get(2), nullptr);
  EXPECT_EQ(f.registry.Get(-1), nullptr);
  EXPECT_EQ(f.registry.ChannelCountOfCode("QMV4"), 16);
  EXPECT_EQ(f.registry.ChannelCountOfCode("qmv4"), 0);  // exact, case-sensitive
  EXPECT_EQ(f.registry.FindByCodeAndBand("QMV4", "200 - 260MHz"), f.registry.Get(1));
  EXPECT_EQ(f.registry.FindByCodeAndBand("QMV4", "1 - 2MHz"), nullptr);
  EXPECT_EQ(f.registry.FindByName("ROZ-KX-7Q(VHF)"), f.registry.Get(1));
  std::vector<std::string> names{"stale"};
  f.registry.FillNames(names);
  EXPECT_EQ(names, (std::vector<std::string>{"ROZ-KX-7Q(UHF)", "ROZ-KX-7Q(VHF)"}));
  EXPECT_EQ(f.all.BaudRate, 9600);
  EXPECT_EQ(f.all.FamilyCode, "QMV4");
  EXPECT_FALSE(f.all.VoxInhibitVisible);
}

TEST(CoreRegistry, ParseBandText) {
  auto edges = ParseBandText("134 - 174MHz");
  ASSERT_TRUE(edges);
  EXPECT_EQ(edges->first, 134);
  EXPECT_EQ(edges->second, 174);
  EXPECT_FALSE(ParseBandText("band"));
  EXPECT_FALSE(ParseBandText("abc - 174MHz"));
}

struct ApplyCase {
  const char* code;
  std::uint8_t band;
  bool parse;
  const char* model;
  const char* bandText;
  double min, max;
};

TEST(CoreRegistry, ApplyModelInfoSelectsModelAndBand) {
  const ApplyCase cases[] = {
      {"QMV4", 240, true, "ROZ-KX-7Q(VHF)", "134 - 174MHz", 134, 174},
      {"QMV4", 242, true, "ROZ-KX-7Q(UHF)", "320 - 400MHz", 320, 400},
      // Without parsing: the entry's default band, edges untouched (fixture: 400-520).
      {"QMV4", 242, false, "ROZ-KX-7Q(UHF)", "400 - 520MHz", 400, 520},
      {"QMV4", 0, false, "ROZ-KX-7Q(UHF)", "400 - 520MHz", 400, 520},
      // An unknown code keeps the model but the band follows the band code.
      {"ABCD", 241, true, "ROZ-KX-7Q(UHF)", "200 - 260MHz", 200, 260},
  };
  for (const auto& c : cases) {
    CodePlugFixture f;
    const ImageBytes image = f.all.Image;
    f.all.Modified = true;
    ApplyModelInfo(f.all, f.registry, f.bands, c.code, c.band, c.parse);
    EXPECT_EQ(f.all.ModelName, c.model) << c.code << " " << int(c.band);
    EXPECT_EQ(f.all.ModelCode, "QMV4");
    EXPECT_EQ(f.all.ChannelCount, 16);
    EXPECT_EQ(f.all.BandText, c.bandText) << c.code << " " << int(c.band);
    EXPECT_EQ(f.all.FreqMin, c.min);
    EXPECT_EQ(f.all.FreqMax, c.max);
    EXPECT_EQ(f.all.Image, image);
    EXPECT_TRUE(f.all.Modified);
  }
}

}  // namespace
}  // namespace kx7q
