#pragma once
// What the text fields of the function windows let the user type: a length,
// the characters accepted and whether typed letters appear in upper case.
//
// A field with a character test refuses every other character, whether typed,
// pasted or dropped, and also refuses the clipboard keys (cut, copy, paste),
// as the radio's code and message fields take typed keys only; its whole text
// is kept in upper case when upperCase is set. Without a test, upperCase
// turns only the letters the user types, so stored text shows as it is.
//
// A blank-padded field shows a fixed-width text whose trailing blanks only
// fill it up (the serial number shows all 16 of its bytes). Such a field is
// often full, so a typed character takes the place of a trailing blank
// instead of being refused, and a click into the blanks (or a caret at the
// very end) puts the caret after the last character that is not one.

#include <QChar>

class QLineEdit;

namespace kx7q {

using CharacterTest = bool (*)(QChar c);

struct FieldRule {
  int maxLength;
  CharacterTest accept = nullptr;  // null: any character
  bool upperCase = false;
  bool blankPadded = false;
};

void ApplyFieldRule(QLineEdit* field, const FieldRule& rule);

}  // namespace kx7q
