#pragma once
// What the read and write dialogs share: a progress bar, Ok and Cancel, and
// one transfer (port, timers, protocol engine). The port opens when the
// dialog is first shown; Ok starts the transfer; Cancel or the close box
// abandons it at once and closes the port.

#include <QDialog>

#include "app/Startup.h"
#include "link/qt/LinkSession.h"

class QProgressBar;
class QPushButton;

namespace kx7q {

class LinkDialog : public QDialog, public LinkView {
  Q_OBJECT
 public:
  // exec() returns QDialog::Accepted when a transfer completed.
  LinkDialog(LinkDirection direction, Maindb& db, QWidget* parent);
  ~LinkDialog() override;

  bool Succeeded() const { return session_.Engine().Succeeded(); }
  LinkSession& Session() { return session_; }

  QProgressBar* pBar;
  QPushButton* btnOk;
  QPushButton* btnCancel;

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Progress(int position, int maximum) override;
  void Message(const Status& message) override;
  void EnableOk(bool enabled) override;
  void Finish() override;

  Maindb& db_;
  LinkSession session_;
  bool shown_ = false;
  bool completed_ = false;  // a write completed in this dialog
};

}  // namespace kx7q
