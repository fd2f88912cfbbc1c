#pragma once
// What every channel editor does with a typed frequency or tone before it is
// encoded: clamp to the band, snap onto the channel raster, normalise a tone.

#include <string>
#include <string_view>

#include "core/CodePlug.h"

namespace kx7q {

// Told when ClampToBand moved a frequency onto a band edge. The windows show
// the "ErrRange" message under the title "Caution"; the command-line tool
// prints a warning. Passing no reporter clamps silently.
class BandClampReporter {
 public:
  virtual ~BandClampReporter() = default;
  virtual void FrequencyClamped(double entered, double clamped) = 0;
};

// x limited to [freqMin, freqMax] (both edges valid); reports when it changed.
double ClampToBand(double x, double freqMin, double freqMax, BandClampReporter* reporter);
// The same with the current band of the code plug (FreqMin, FreqMax).
double ClampToBand(const TALL& all, double x, BandClampReporter* reporter);

// x moved down onto the nearer point of the 5 kHz and the 6.25 kHz raster;
// unchanged when it lies on either (462.5631 -> 462.5625, 446.0061 -> 446.005).
double SnapFrequency(double x);

// A typed (trimmed) tone as a tone text the encoder accepts: "" stays "";
// a text starting with a digit is a CTCSS tone limited to 30.0-290.0 ("290.0"
// when it is no number); "D" + three octal digits + N/I/n/i stays as typed;
// anything else becomes "D777N".
std::string NormaliseToneText(std::string_view text);

// A typed frequency in MHz as the text the windows store: parsed, clamped to
// the band, snapped and formatted "0.00000". Empty when the text is no number.
std::string EnteredFrequencyText(const TALL& all, std::string_view text, BandClampReporter* reporter);

// Key filters of the channel editors: the character to let through for a
// typed one, or 0 to drop it. "," and "." both become "."; Backspace (0x08)
// and Enter (0x0D) pass. Frequencies take the digits; tones also D, I, N in
// either case.
char FilterFrequencyKey(char typed);
char FilterToneKey(char typed);

}  // namespace kx7q
