#pragma once
// Pieces the channel windows share: filling a drop-down from its value list,
// the key filters of the frequency and tone entries, and the "Caution"
// message shown when a frequency is moved onto a band edge.

#include <QObject>
#include <QString>
#include <functional>

#include "app/Startup.h"
#include "channels/EntryRules.h"
#include "channels/ValueList.h"

class QComboBox;
class QWidget;

namespace kx7q {

// Fills a box with the entries of a list and declares the list's item mode
// for localisation.
void FillList(QComboBox* box, const ValueList& list);

// Index of the entry whose text equals text (case ignored, as the boxes
// match typed text), or -1.
int EntryIndex(const QComboBox* box, const QString& text);

// Shows a tone text in an editable tone box: selects the matching entry, or
// shows the text with no entry selected, so that choosing any entry later is
// a change.
void ShowToneText(QComboBox* box, const QString& text);

// Shows the message of a key under the title "Caution" (information box).
void ShowCaution(const Maindb& db, const char* key, QWidget* parent);

// Shows "ErrRange" under "Caution" when a typed frequency is clamped.
class CautionReporter : public BandClampReporter {
 public:
  CautionReporter(const Maindb& db, QWidget* parent) : db_(db), parent_(parent) {}
  void FrequencyClamped(double entered, double clamped) override;

 private:
  const Maindb& db_;
  QWidget* parent_;
};

// Keys that may be typed into a frequency entry or a tone box. Character keys
// other than these are dropped; "," is typed as "."; keys without a character
// (arrows, Delete, Tab, Escape) and control characters pass untouched.
// Any passes every key (the fixed-list boxes, which only want Enter seen).
enum class EntryKeys { Frequency, Tone, Any };

// The character a typed key becomes, or 0 when it is dropped.
QChar FilterEntryKey(EntryKeys keys, QChar typed);

// Event filter applying FilterEntryKey to a QLineEdit (or a box's line edit).
// onEnter, when set, runs when Enter or Return is pressed; returning true
// from it swallows the key.
class EntryKeyFilter : public QObject {
  Q_OBJECT
 public:
  EntryKeyFilter(EntryKeys keys, QObject* parent, std::function<bool()> onEnter = {})
      : QObject(parent), keys_(keys), onEnter_(std::move(onEnter)) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  EntryKeys keys_;
  std::function<bool()> onEnter_;
};

}  // namespace kx7q
