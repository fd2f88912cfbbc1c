#pragma once
// "Key Function" (fKeyFun): the function of side key 1, chosen from a list;
// key 2 is carried by a list that is not shown, so its value passes through.
//
// The entries come from the list holders List_Short (key 1) and List_Long
// (key 2), which a language file translates (List_Short.0 ...) before the key
// lists are filled from them. The stored value is the position in the list,
// so a translated list codes the same. A change does not mark the code plug
// modified.

#include "ui/qt/EditWindow.h"

class QComboBox;
class QLabel;
class QListWidget;

namespace kx7q {

class FunctionWindowLayout;
struct ValueList;

class TfKeyFun : public EditWindow {
  Q_OBJECT
 public:
  TfKeyFun(Maindb& db, MainOps& main, QWidget* parent = nullptr);

 protected:
  void Decode() override;
  void Store() override;

 private:
  QListWidget* MakeHolder(const ValueList& list);
  QComboBox* MakeKeyList(const char* name);
  static void Fill(QComboBox* box, const QListWidget* holder);

  FunctionWindowLayout* layout_;
  QListWidget* List_Short;
  QListWidget* List_Long;
  QComboBox* cxKey1_S;
  QComboBox* cxKey2_S;
};

}  // namespace kx7q
