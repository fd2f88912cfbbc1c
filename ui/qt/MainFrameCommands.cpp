// The main window's commands: New, Open, Save, Save As; model, port and
// language set-up; help and about.
#include <QFileInfo>
#include <QComboBox>

#include "core/DataFile.h"
#include "core/ImageDefaults.h"
#include "core/Registry.h"
#include "core/qt/TfModel.h"
#include "i18n/Language.h"
#include "i18n/qt/Localise.h"
#include "i18n/qt/TfFrmAbout.h"
#include "i18n/qt/TfSetLanguage.h"
#include "link/qt/TfSetPort.h"
#include "ui/qt/CommandTable.h"
#include "ui/qt/TfMainFrm.h"

namespace kx7q {

// ---- file commands ---------------------------------------------------------------

void TfMainFrm::ReportFileFailure(Status status, const std::string& path) {
  if (status.key.empty()) status.key = "FileError";
  // The file-level failures name the path already; the others (a wrong model
  // code) get it in front.
  if (status.detail.rfind(path, 0) != 0) status.detail = path + (status.detail.empty() ? "" : ": " + status.detail);
  InformFailure(db_.Language, status, this);
}

bool TfMainFrm::OfferToSave() {
  if (!db_.All.Modified || !Ask(db_.Language, "SaveProgram", this)) return true;
  // A cancelled save dialog discards the changes, as answering No would; a
  // save that failed does not (the user wanted them kept).
  return SaveDataFile() != SaveResult::Failed;
}

void TfMainFrm::NewCodePlug() {
  if (!OfferToSave()) return;
  SetImageDefaults(db_.All, db_.FrqList);
  FileName.clear();
  UpdateStatus();
  RefreshViews(1);
  db_.All.Modified = false;
}

void TfMainFrm::OpenDataFile() {
  if (!OfferToSave()) return;
  const QString path = chooseOpenFile ? chooseOpenFile() : QString();
  if (path.isEmpty()) return;
  FileName = path;
  const Status read = ReadDataFile(db_.All, db_.MacList, db_.FrqList, path.toStdString());
  if (!read) {
    // The code plug is as it was; it no longer belongs to any file, so that
    // a later Save cannot overwrite the refused file with it unasked.
    FileName.clear();
    if (read.key == "ModError")
      Inform(db_.Language, "ModError", this);
    else
      ReportFileFailure(read, path.toStdString());
    UpdateStatus();
    return;
  }
  BuildTree();
  UpdateStatus();
  RefreshViews(1);
  db_.All.Modified = false;
}

TfMainFrm::SaveResult TfMainFrm::SaveDataFile() {
  if (FileName.isEmpty()) {
    const QString path = chooseSaveFile ? chooseSaveFile() : QString();
    if (path.isEmpty()) {
      UpdateStatus();
      return SaveResult::Cancelled;
    }
    FileName = path;
  }
  const Status written = WriteDataFile(db_.All, FileName.toStdString());
  if (!written) ReportFileFailure(written, FileName.toStdString());
  UpdateStatus();
  return written.ok() ? SaveResult::Written : SaveResult::Failed;
}

void TfMainFrm::SaveDataFileAs() {
  FileName.clear();
  SaveDataFile();
}

// ---- setup commands ----------------------------------------------------------------

void TfMainFrm::ModelSetup() {
  TfModel dialog(db_, this);
  RunDialog(dialog);
  if (!dialog.Accepted) return;
  if (db_.All.Modified && !Ask(db_.Language, "ClearData", this)) return;
  // Unsaved changes are offered for saving while they still belong to the
  // old model, so the file gets the header of the model its image is for.
  if (!OfferToSave()) return;
  db_.All.Modified = false;
  const TMacType* model = db_.MacList.FindByName(dialog.cbCopmut->currentText().toStdString());
  if (model == nullptr) return;
  ApplyModelInfo(db_.All, db_.MacList, db_.FrqList, model->Code,
                 db_.FrqList.CodeOf(dialog.cbPd->currentText().toStdString()), true);
  BuildTree();
  NewCodePlug();
}

void TfMainFrm::SetPort() {
  TfSetPort dialog(db_, presentPorts ? presentPorts() : QStringList(), this);
  RunDialog(dialog);
  UpdateStatus();
}

void TfMainFrm::ChangeLanguage() {
  TfSetLanguage dialog(db_, this);
  RunDialog(dialog);
  if (!dialog.Changed()) return;
  LoadMessageTexts(db_.Language, db_.All.AppDir, db_.All.LanguageName);
  LocaliseWindow(this, db_.All, true);
  UpdateStatus();
  CloseAllChildren();
  BuildTree();
  windows_->Show(kTagChannelGrid);
  // Modified stays as it was: a language switch does not save anything.
}

// ---- help ----------------------------------------------------------------------------

void TfMainFrm::ShowHelp() {
  if (!openHelpFile) return;
  const TALL& all = db_.All;
  const QString dir = QString::fromStdString(all.AppDir);
  const QString base = DecodeText(all.HelpName) + "_" + DecodeText(all.LanguageName);
  // The compiled help file when there is one and the desktop can show it,
  // else the HTML manual we ship. Nothing that can be shown stays silent.
  const QStringList candidates = {dir + base + ".chm", dir + base + ".html",
                                  dir + "Manual_" + DecodeText(all.LanguageName) + ".html",
                                  dir + "Manual_English.html"};
  for (const QString& path : candidates)
    if (QFileInfo::exists(path) && openHelpFile(path)) return;
}

void TfMainFrm::ShowAbout() {
  TfFrmAbout about(db_, this);
  RunDialog(about);
}

}  // namespace kx7q
