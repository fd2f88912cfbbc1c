// The tone box list and the picker's tables.

#include <gtest/gtest.h>

#include <set>

#include "channels/ChannelCodec.h"
#include "channels/ToneTables.h"

namespace kx7q {
namespace {

TEST(ChannelTonesBoxList, NoneThenCtcssThenDcsNormalThenInverted) {
  const ValueList& list = ToneBoxList();
  ASSERT_EQ(list.Count(), 261);
  EXPECT_EQ(list.TextOf(0), "None");
  EXPECT_EQ(list.translation, ItemTranslation::FirstOnly);
  EXPECT_EQ(list.TextOf(1), "67.0");
  EXPECT_EQ(list.TextOf(50), "254.1");
  EXPECT_EQ(list.TextOf(51), "D023N");
  EXPECT_EQ(list.TextOf(155), "D754N");
  EXPECT_EQ(list.TextOf(156), "D023I");
  EXPECT_EQ(list.TextOf(260), "D754I");
  // Every entry but "None" is a tone the encoder takes and decodes back unchanged.
  std::set<std::string> seen;
  for (int i = 1; i < list.Count(); ++i) {
    const std::string& t = list.TextOf(i);
    EXPECT_TRUE(seen.insert(t).second) << t;
    std::optional<ToneBytes> bytes = EncodeTone(t);
    ASSERT_TRUE(bytes) << t;
    EXPECT_EQ(DecodeTone((*bytes)[0], (*bytes)[1]), t);
  }
}

TEST(ChannelTonesPicker, GroupsShowTheirItems) {
  ASSERT_EQ(PickerCodeList().size(), 133u);
  struct Case {
    bool ctcss;
    int group, row;
    const char* item;
  } cases[] = {
      {true, 3, 5, "17-141.3-4A"}, {true, 5, 1, "25-225.7-M4"}, {true, 5, 6, "2A-254.1-0Z"}, {true, 5, 7, ""},
      {true, 5, 9, ""},            {false, 1, 4, "4-D031"},     {false, 8, 1, "78-D703"},    {false, 8, 8, "85-D754"},
      {false, 8, 9, ""},           {false, 8, 11, ""},
  };
  for (const Case& c : cases) {
    const std::string& item = c.ctcss ? PickerCtcssItem(c.group, c.row) : PickerDcsItem(c.group, c.row);
    EXPECT_EQ(item, c.item) << c.group << "/" << c.row;
  }
}

TEST(ChannelTonesPicker, SplitsItemsIntoTheirParts) {
  struct Case {
    const char* item;
    const char *a, *b, *c;
  } cases[] = {{"01-67.0-XZ", "01", "67.0", "XZ"}, {"1-D023", "1", "D023", "D023"}, {"", "", "", ""}};
  for (const Case& c : cases) {
    ToneItemParts p = SplitToneItem(c.item);
    EXPECT_EQ(p.a, c.a);
    EXPECT_EQ(p.b, c.b);
    EXPECT_EQ(p.c, c.c);
  }
}

}  // namespace
}  // namespace kx7q
