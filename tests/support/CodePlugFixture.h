#pragma once
// A code plug as the first show leaves it: the first model with its default
// band and a new-code-plug image stamped at a fixed time.

#include <string>

#include "core/CodePlug.h"
#include "core/ImageDefaults.h"
#include "core/Registry.h"

namespace kx7q::test {

inline const char* kFixedNow = "2010-05-06 12:34:56";

struct CodePlugFixture {
  TMacList registry;
  TFrqList bands;
  TALL all;

  CodePlugFixture() {
    FillBandList(bands);
    FillRegistry(registry, all);
    ApplyModelInfo(all, registry, bands, "QMV4", 0, false);
    ParseCurrentBand(all);
    NewCodePlug();
  }

  void NewCodePlug() {
    SetImageDefaults(all, bands, [] { return std::string(kFixedNow); });
  }
};

}  // namespace kx7q::test
