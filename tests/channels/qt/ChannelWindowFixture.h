#pragma once
// A code plug of the first model (band 400-520 MHz, 16 channels) in a Maindb,
// a main window stand-in that records what the channel windows ask of it and
// passes the calls on to the windows the test opened, and helpers to look at
// channel records.

#include <QApplication>
#include <QTest>
#include <array>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

#include "app/Startup.h"
#include "channels/ChannelCodec.h"
#include "core/ImageDefaults.h"
#include "core/Registry.h"
#include "support/qt/MessageAnswers.h"
#include "ui/qt/EditWindow.h"
#include "ui/qt/MainOps.h"

namespace kx7q::test {

using Record = std::array<std::uint8_t, 16>;

// Follows the main window's rules for keeping the views in step: kind 0
// reloads the grid's row, kind 2 and SelectChannelNode(2) reload the channel
// edit window; the tree is reduced to the channel it would select.
class FakeMain : public MainOps {
 public:
  EditWindow* grid = nullptr;
  EditWindow* edit = nullptr;
  TALL* all = nullptr;
  std::vector<int> refreshes;      // kinds passed to RefreshViews
  std::vector<int> nodeSelections; // kinds passed to SelectChannelNode
  int treeChannel = 0;             // channel whose node the tree shows selected
  std::function<int(QDialog&)> dialogRunner;

  void ExecuteCommand(int) override {}
  void RefreshViews(int kind) override {
    refreshes.push_back(kind);
    if (kind == 0 && grid) grid->ReloadCurrentChannel();
    if (kind == 2 && edit) edit->ReloadCurrentChannel();
  }
  void SelectChannelNode(int kind) override {
    nodeSelections.push_back(kind);
    treeChannel = all->CurrentChannel;
    if (kind == 2 && edit) edit->ReloadCurrentChannel();
  }
  void ResetAfterRead() override {}
  void BuildTree() override {}
  void UpdateStatus() override {}
  int RunDialog(QDialog& dialog) override { return dialogRunner ? dialogRunner(dialog) : 0; }
};

class ChannelWindowTest : public ::testing::Test {
 protected:
  ChannelWindowTest() {
    FillBandList(db.FrqList);
    FillRegistry(db.MacList, db.All);
    ApplyModelInfo(db.All, db.MacList, db.FrqList, "QMV4", 0, false);
    ParseCurrentBand(db.All);
    SetImageDefaults(db.All, db.FrqList, [] { return std::string("2010-05-06 12:34:56"); });
    db.All.CurrentChannel = 1;
    db.All.Modified = false;
    main.all = &db.All;
  }

  Record RecordOf(int n) const {
    Record r{};
    const std::uint8_t* p = db.All.RadioPtr(ChannelAddress(n));
    std::copy(p, p + 16, r.begin());
    return r;
  }
  void SetRecord(int n, const Record& r) { std::copy(r.begin(), r.end(), db.All.RadioPtr(ChannelAddress(n))); }
  void EraseChannel(int n) { SetRecord(n, Record{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}); }

  Maindb db;
  FakeMain main;
  MessageAnswers boxes;
};

// Record bytes as text, for readable failures.
inline std::string Hex(const Record& r) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (std::uint8_t b : r) {
    if (!s.empty()) s += ' ';
    s += digits[b >> 4];
    s += digits[b & 15];
  }
  return s;
}

// 462.56250 MHz RX and TX, decode 67.0, encode D023N, flags 0x00.
inline constexpr Record kProgrammed{0x50, 0x62, 0x25, 0x46, 0x50, 0x62, 0x25, 0x46,
                                    0x70, 0x06, 0x23, 0x80, 0x00, 0xFF, 0xFF, 0xFF};

}  // namespace kx7q::test
