#pragma once
// VOX function (window fVoxFun): bytes 0x123, 0x124, bit 7 of 0x125 and bits
// 2-3 of 0x12A.
//
//   0x123  bits 7-1 gain index (level - 1); bit 0: 0 when mic control is Vox
//   0x124  delay index (0.5 s steps from 0.5 s)
//   0x125  bit 7 inhibit on receive (1 Yes); bits 0-6 kept
//   0x12A  bits 3-2 mic control code: 0 Vox, 2 Mic-PTT, 1 or 3 None
//          (None is written as 3); bits 0-1 and 4-7 kept
//
// Encoding does not set Modified: a VOX change alone does not ask to be saved.

#include "channels/ValueList.h"
#include "core/CodePlug.h"

namespace kx7q {

constexpr int kVoxGainAddress = 0x123;
constexpr int kVoxDelayAddress = 0x124;
constexpr int kVoxInhibitAddress = 0x125;

struct VoxFunction {
  int micControl = 0;        // MicControlList
  int gain = 0;              // VoxGainList
  int delay = 0;             // VoxDelayList
  int inhibitOnReceive = 0;  // VoxInhibitList
};

VoxFunction DecodeVoxFunction(const TALL& all);
void EncodeVoxFunction(TALL& all, const VoxFunction& v);

const ValueList& MicControlList();  // cxVox_s   "None", "Vox", "Mic-PTT"
const ValueList& VoxGainList();     // cxVox     "1".."9", first entry translated
const ValueList& VoxDelayList();    // cxVoxDely "0.5".."3.0"
const ValueList& VoxInhibitList();  // cxRxDis   "No", "Yes"

}  // namespace kx7q
