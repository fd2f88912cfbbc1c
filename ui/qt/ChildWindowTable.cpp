// The windows and dialogs that command tags open. One line per window,
// sorted by tag; a line without factory makes its tag do nothing for now.
#include "ui/qt/ChildWindows.h"

#include "channels/qt/TfBInfoEdit.h"
#include "channels/qt/TfChInfo.h"
#include "link/qt/TfReadRadio.h"
#include "link/qt/TfWriteRadio.h"
#include "settings/qt/TfDtmf.h"
#include "settings/qt/TfEmbeddedMessage.h"
#include "settings/qt/TfInfoMsg.h"
#include "settings/qt/TfKeyFun.h"
#include "settings/qt/TfOptFun.h"
#include "settings/qt/TfPassWord.h"
#include "settings/qt/TfScanFun.h"
#include "settings/qt/TfVoxFun.h"
#include "ui/qt/ReportCommands.h"

namespace kx7q {
namespace {

// A read replaces the code plug, so unsaved changes are offered for saving
// first, as New and Open do. A completed read: the views start afresh.
void ReadFromRadio(CommandContext& context) {
  if (!context.main.OfferToSave()) return;
  TfReadRadio dialog(context.db, context.parent);
  if (context.main.RunDialog(dialog) == QDialog::Accepted) context.main.ResetAfterRead();
}

}  // namespace

const std::vector<ChildWindowEntry>& ChildWindowTable() {
  static const std::vector<ChildWindowEntry> table = {
      {10, "fChInfo", MakeWindow<TfChInfo>},
      {11, "fBInfoEdit", MakeWindow<TfBInfoEdit>},
      {12, "fKeyFun", MakeWindow<TfKeyFun>},
      {13, "fVoxFun", MakeWindow<TfVoxFun>},
      {14, "fOptFun", MakeWindow<TfOptFun>},
      {15, "fInfoMsg", MakeWindow<TfInfoMsg>},
      {16, "fPassWord", MakeWindow<TfPassWord>},
      {17, "fDtmf", MakeWindow<TfDtmf>},
      {19, "fScanFun", MakeWindow<TfScanFun>},
  };
  return table;
}

const std::vector<CommandEntry>& CommandTable() {
  static const std::vector<CommandEntry> table = {
      {5, PrintReportCommand},    // print
      {6, PreviewReportCommand},  // print preview
      {18, RunDialog<TfEmbeddedMessage>},  // embedded message
      {20, ReadFromRadio},                 // read from the radio
      {21, RunDialog<TfWriteRadio>},       // write to the radio
  };
  return table;
}

}  // namespace kx7q
