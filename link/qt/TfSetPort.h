#pragma once
// "Communication Port": choose the serial port among COM1-COM20. Only ports
// present when the dialog opens can be chosen.

#include <QDialog>
#include <QStringList>
#include <array>

#include "app/Startup.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace kx7q {

constexpr int kDialogPorts = 20;

// At start-up: PortName in upper case; when it is not among the present
// ports and some port is present, the lowest-numbered one.
void CheckStartupPort(TALL& all, const QStringList& presentPorts);

class TfSetPort : public QDialog {
  Q_OBJECT
 public:
  TfSetPort(Maindb& db, const QStringList& presentPorts, QWidget* parent = nullptr);

  // The button of a port number 1-20.
  QRadioButton* PortButton(int number) const { return cxPort_[static_cast<std::size_t>(number - 1)]; }

  QGroupBox* cxPort;
  QLabel* lbName;   // hidden; its text prefixes the port numbers when localised
  QComboBox* cbCom; // hidden; holds the list of present ports
  QPushButton* btnOk;
  QPushButton* btnCancel;

 private:
  void btnOkClick();

  Maindb& db_;
  std::array<QRadioButton*, kDialogPorts> cxPort_{};
};

}  // namespace kx7q
