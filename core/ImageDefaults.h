#pragma once
// The image of a new code plug, the model identification block, the clamps
// that repair out-of-range values in an image from outside, and date stamps.

#include <cstdint>
#include <string>

#include "core/Clock.h"
#include "core/CodePlug.h"
#include "core/Registry.h"

namespace kx7q {

// Radio address of the model identification block and of the two date stamps.
constexpr int kModelIdentAddress = 0x170;
constexpr int kBandCodeAddress = 0x175;
constexpr int kWriteTimeAddress = 0x190;
constexpr int kFactoryTimeAddress = 0x1A0;

void SetImageDefaults(TALL& all, const TFrqList& bands, const NowFn& now = LocalNowText);
void WriteModelIdent(TALL& all, const TFrqList& bands);
void ClampImage(TALL& all, const TFrqList& bands);

// text "yyyy-MM-dd HH:mm:ss" into bytes 0-6 of a 16-byte stamp block; bytes 7-15 untouched.
void EncodeDateStamp(std::uint8_t* block, const std::string& text);

}  // namespace kx7q
