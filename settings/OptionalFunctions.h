#pragma once
// Optional functions (window fOptFun): bytes 0x120, 0x121, 0x122 and bits 0-1
// of 0x12A.
//
//   0x120  bit 7 power light (1 On)     bit 6 tone (1 On)
//          bits 5-4 voice: x0 Off (bit 5 kept), 11 China, 01 English
//          bit 3 incept alarm (1 On)    bit 2 battery save on,
//          bits 1-0 battery save ratio 1:(n+1), kept while off
//   0x121  squelch level, the list index
//   0x122  TX time-out, the list index (n x 15 s)
//   0x12A  bits 1-0 volume inhibit on TX; bits 2-7 are not ours

#include "channels/ValueList.h"
#include "core/CodePlug.h"

namespace kx7q {

constexpr int kOptionFlagsAddress = 0x120;
constexpr int kSquelchAddress = 0x121;
constexpr int kTimeOutAddress = 0x122;
constexpr int kInhibitMicAddress = 0x12A;  // shared with the VOX mic control

// Every setting is the index into its list below.
struct OptionalFunctions {
  int squelch = 0;       // SquelchList
  int timeOut = 0;       // TimeOutList
  int voice = 0;         // VoiceList
  int volInhibitTx = 0;  // VolInhibitTxList
  int tone = 0;          // OffOnList
  int inceptAlarm = 0;   // OffOnList
  int batterySave = 0;   // BatterySaveList
  int powerLight = 0;    // OffOnList
};

OptionalFunctions DecodeOptionalFunctions(const TALL& all);
// Writes all eight settings and sets Modified.
void EncodeOptionalFunctions(TALL& all, const OptionalFunctions& f);

const ValueList& SquelchList();        // cxSQL       "0".."9", not translated
const ValueList& TimeOutList();        // cxTot       "Off", "15".."600" (41), first entry translated
const ValueList& VoiceList();          // cxWavs      "Off", "China", "English"
const ValueList& VolInhibitTxList();   // cxTxInhibit "Off", "Low Inhibit", "High Inhibit", "Both"
const ValueList& ToneList();           // cxTone      "Off", "On"
const ValueList& InceptAlarmList();    // cxAlt       "Off", "On"
const ValueList& BatterySaveList();    // cxRate      "OFF", "1:1".."1:4"
const ValueList& PowerLightList();     // cxFM        "Off", "On"

}  // namespace kx7q
