#pragma once
// Lets GoogleTest print Qt texts readably in failure messages ("Yes" rather
// than a row of 2-byte objects); lists of them print element by element.

#include <QString>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
