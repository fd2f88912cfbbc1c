#pragma once
// Window texts from the language files, the message box, and the 8-bit text
// of those files.
//
// Localising a window reads the section named after the window's object name
// ("fOptFun") from the language file and replaces, by each child's object
// name and kind:
//   window title                 <window>.Caption
//   QLabel, QAbstractButton      <name>.Caption   (push, check, radio, tool buttons)
//   QGroupBox                    <name>.Caption   (title)
//   tab page of a QTabWidget     <page>.Caption   (tab text)
//   QAction (menu entry, toolbar button)
//                                <name>.Caption (text), <name>.Hint (tool tip)
//   QMenu                        <name>.Caption   (its title)
//   QComboBox                    <name>.0, <name>.1, ...   only with item mode on
//   QListWidget                  <name>.0, <name>.1, ...   whatever the item mode
//   QTableWidget                 <name>.1 .. <name>.(columns-1): column titles
// Every lookup defaults to the text in force, so a file need hold only what it
// changes, and localising twice changes nothing. Other widgets (edits, spin
// boxes, trees, panels) are left alone.
//
// Lists declare how their entries are translated with SetItemMode; a list
// that declares nothing translates all entries. The mode is kept as the
// dynamic property "itemMode" of the widget.
//
// Text in language files and SysInfo.Ini is 8-bit: GBK (which includes ASCII)
// as the shipped Chinese file is written. A value that is valid UTF-8 with
// at least one non-ASCII character is taken as UTF-8, so that files saved by
// today's editors also work.

#include <QMessageBox>
#include <QString>
#include <functional>
#include <string>
#include <string_view>

#include "core/CodePlug.h"
#include "core/Status.h"

class QWidget;

namespace kx7q {

class IniFile;
class TLanguage;

// ---- 8-bit text ------------------------------------------------------------

QString DecodeText(std::string_view bytes);
// Unicode -> GBK bytes (for writing language-file text back).
std::string EncodeText(const QString& text);

// ---- item-translation modes -------------------------------------------------

enum class ItemMode {
  All,        // every entry (the default)
  None,       // never: model names, bands, ports, numbers
  FirstOnly,  // entry 0 only ("Off" followed by numbers)
};

void SetItemMode(QWidget* list, ItemMode mode);
ItemMode ItemModeOf(const QWidget* list);

// ---- localising windows -------------------------------------------------------

// Applies the section named window->objectName() of the file. itemMode false
// leaves drop-down lists as they are (list boxes are translated anyway).
void LocaliseWindow(QWidget* window, const IniFile& file, bool itemMode);
// The same from the current language file, AppDir + LanguageName + ".Ini"
// (re-read on every call; a missing file changes nothing).
void LocaliseWindow(QWidget* window, const TALL& all, bool itemMode);

// ---- message boxes ------------------------------------------------------------

enum class MessageKind {
  Information = 1,  // information icon, OK
  Question = 2,     // question icon, Yes and No; returns true for Yes
};

// A modal box owned by parent (the main window when null). title and text are
// message texts as stored (8-bit); they are decoded here. Information boxes
// return true.
bool ShowMessage(const std::string& title, const std::string& text, MessageKind kind,
                 QWidget* parent = nullptr);

// The usual forms: titled with the text of "Confirmation".
void Inform(const TLanguage& texts, std::string_view key, QWidget* parent = nullptr);
bool Ask(const TLanguage& texts, std::string_view key, QWidget* parent = nullptr);
// A failure: the text of status.key (or the key itself when it names no
// message) and, on a line of its own, status.detail.
void InformFailure(const TLanguage& texts, const Status& status, QWidget* parent = nullptr);

// Tests answer message boxes instead of showing them: while a handler is set,
// every ShowMessage calls it (with decoded title and text) and returns its
// answer. Returns the previous handler.
using MessageHandler = std::function<bool(const QString& title, const QString& text, MessageKind kind)>;
MessageHandler SetMessageHandler(MessageHandler handler);

}  // namespace kx7q
