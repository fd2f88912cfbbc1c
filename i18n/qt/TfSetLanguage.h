#pragma once
// "Language File Setup": choose the language of the program's texts from the
// list in SysInfo.Ini. On a change, LanguageName and LanguageIndex are set;
// the main window then reloads the texts.

#include <QDialog>

#include "app/Startup.h"

class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace kx7q {

class TfSetLanguage : public QDialog {
  Q_OBJECT
 public:
  TfSetLanguage(Maindb& db, QWidget* parent = nullptr);

  // True once Ok chose another language than the current one.
  bool Changed() const { return changed_; }

  QLabel* lbName;
  QComboBox* cbLanguage;  // display names in the current language
  QListWidget* Language;  // hidden: file base names at the same positions
  QPushButton* btnOk;
  QPushButton* btnCancel;

 private:
  void btnOkClick();

  Maindb& db_;
  bool changed_ = false;
};

}  // namespace kx7q
