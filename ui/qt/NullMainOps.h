#pragma once
// The main window's operations as no-ops, for windows used without a main
// window (printing from the command line) and for test fakes that need only
// some of them.

#include "ui/qt/MainOps.h"

namespace kx7q {

class NullMainOps : public MainOps {
 public:
  void ExecuteCommand(int) override {}
  void RefreshViews(int) override {}
  void SelectChannelNode(int) override {}
  void ResetAfterRead() override {}
  void BuildTree() override {}
  void UpdateStatus() override {}
};

}  // namespace kx7q
