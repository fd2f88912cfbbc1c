#include "channels/ToneTables.h"

#include <cassert>

namespace kx7q {

const std::vector<std::string>& CtcssTones() {
  static const std::vector<std::string> tones = {
      "67.0",  "69.3",  "71.9",  "74.4",  "77.0",  "79.7",  "82.5",  "85.4",  "88.5",  "91.5",
      "94.8",  "97.4",  "100.0", "103.5", "107.2", "110.9", "114.8", "118.8", "123.0", "127.3",
      "131.8", "136.5", "141.3", "146.2", "151.4", "156.7", "159.8", "162.2", "165.5", "167.9",
      "171.3", "173.8", "177.3", "179.9", "183.5", "186.2", "189.9", "192.8", "196.6", "199.5",
      "203.5", "206.5", "210.7", "218.1", "225.7", "229.1", "233.6", "241.8", "250.3", "254.1"};
  return tones;
}

const std::vector<std::string>& DcsCodes() {
  static const std::vector<std::string> codes = {
      "023", "025", "026", "031", "032", "036", "043", "047", "050", "051", "053", "054", "065", "071", "072",
      "073", "074", "114", "115", "116", "122", "125", "131", "132", "134", "145", "146", "152", "155", "156",
      "162", "165", "172", "174", "205", "212", "223", "225", "226", "243", "244", "245", "246", "251", "252",
      "255", "261", "263", "265", "266", "271", "274", "306", "311", "315", "325", "331", "332", "343", "346",
      "351", "356", "364", "365", "371", "411", "412", "413", "423", "431", "432", "445", "446", "452", "454",
      "455", "462", "464", "465", "466", "503", "506", "516", "523", "532", "546", "565", "606", "612", "624",
      "627", "631", "632", "645", "654", "662", "664", "703", "712", "723", "731", "732", "734", "743", "754"};
  return codes;
}

const ValueList& ToneBoxList() {
  static const ValueList list = [] {
    ValueList l{"fChInfo", "cxRxDcts", ItemTranslation::FirstOnly, {"None"}};
    for (const std::string& t : CtcssTones()) l.items.push_back(t);
    for (const std::string& c : DcsCodes()) l.items.push_back("D" + c + "N");
    for (const std::string& c : DcsCodes()) l.items.push_back("D" + c + "I");
    return l;
  }();
  return list;
}

const std::vector<std::string>& PickerCodeList() {
  static const std::vector<std::string> list = {
      "01-67.0-XZ",  "02-69.3-WZ",  "03-71.9-XA",  "04-74.4-WA",  "05-77.0-XB",  "06-79.7-WB",
      "07-82.5-YZ",  "08-85.4-YA",  "09-88.5-YB",  "0A-91.5-ZZ",  "0B-94.8-ZA",  "0C-97.4-ZB",
      "0D-100.0-1Z", "0E-103.5-1A", "0F-107.2-1B", "10-110.9-2Z", "11-114.8-2A", "12-118.8-2B",
      "13-123.0-3Z", "14-127.3-3A", "15-131.8-3B", "16-136.5-4Z", "17-141.3-4A", "18-146.2-4B",
      "19-151.4-5Z", "1A-156.7-5A", "1B-162.2-5B", "1C-167.9-6Z", "1D-173.8-6A", "1E-179.9-6B",
      "1F-186.2-7Z", "20-192.8-7A", "21-203.5-M1", "22-206.5-8Z", "23-210.7-M2", "24-218.1-M3",
      "25-225.7-M4", "26-229.1-9Z", "27-233.6-M5", "28-241.8-M6", "29-250.3-M7", "2A-254.1-0Z",
      "", "", "",
      "1-D023",  "2-D025",  "3-D026",  "4-D031",  "5-D032",  "6-D043",  "7-D047",  "8-D051",  "9-D054",
      "10-D065", "11-D071", "12-D072", "13-D073", "14-D074", "15-D114", "16-D115", "17-D116", "18-D125",
      "19-D131", "20-D132", "21-D134", "22-D143", "23-D152", "24-D155", "25-D156", "26-D162", "27-D165",
      "28-D172", "29-D174", "30-D205", "31-D223", "32-D226", "33-D243", "34-D244", "35-D245", "36-D251",
      "37-D261", "38-D263", "39-D265", "40-D271", "41-D306", "42-D311", "43-D315", "44-D331", "45-D343",
      "46-D346", "47-D351", "48-D364", "49-D365", "50-D371", "51-D411", "52-D412", "53-D413", "54-D423",
      "55-D431", "56-D432", "57-D445", "58-D464", "59-D465", "60-D466", "61-D503", "62-D506", "63-D516",
      "64-D525", "65-D532", "66-D546", "67-D565", "68-D606", "69-D612", "70-D624", "71-D627", "72-D631",
      "73-D632", "74-D645", "75-D654", "76-D662", "77-D664", "78-D703", "79-D712", "80-D723", "81-D731",
      "82-D732", "83-D734", "84-D743", "85-D754",
      "", "", ""};
  return list;
}

const std::string& PickerCtcssItem(int group, int row) {
  assert(group >= 1 && group <= kPickerCtcssGroups && row >= 1 && row <= kPickerCtcssRows);
  return PickerCodeList()[static_cast<std::size_t>(kPickerCtcssFirst + kPickerCtcssRows * (group - 1) + row - 1)];
}

const std::string& PickerDcsItem(int group, int row) {
  assert(group >= 1 && group <= kPickerDcsGroups && row >= 1 && row <= kPickerDcsRows);
  return PickerCodeList()[static_cast<std::size_t>(kPickerDcsFirst + kPickerDcsRows * (group - 1) + row - 1)];
}

ToneItemParts SplitToneItem(const std::string& item) {
  if (item.empty()) return {};
  ToneItemParts parts;
  std::size_t dash = item.find('-');
  parts.a = item.substr(0, dash);
  std::string rest = dash == std::string::npos ? std::string{} : item.substr(dash + 1);
  std::size_t second = rest.find('-');
  if (second == std::string::npos) {
    parts.b = parts.c = rest;
  } else {
    parts.b = rest.substr(0, second);
    parts.c = rest.substr(second + 1);
  }
  return parts;
}

}  // namespace kx7q
