#include "i18n/qt/TfFrmAbout.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "i18n/qt/Localise.h"
#include "ui/qt/Artwork.h"

namespace kx7q {

TfFrmAbout::TfFrmAbout(Maindb& db, QWidget* parent) : QDialog(parent) {
  setObjectName("fFrmAbout");
  auto label = [this](const char* name, const char* text) {
    auto* l = new QLabel(QString::fromLatin1(text), this);
    l->setObjectName(QString::fromLatin1(name));
    l->installEventFilter(this);
    return l;
  };
  Icon = new QLabel(this);
  Icon->setObjectName("Image1");
  Icon->setPixmap(ApplicationIcon().pixmap(64, 64));
  Icon->installEventFilter(this);
  Label1 = label("Label1", "1");
  Label2 = label("Label2", "2");
  Label3 = label("Label3", "3");
  Label8 = label("Label8", "4");
  Label4 = label("Label4", "5");
  Label9 = label("Label9", "6");
  Label5 = label("Label5", "7");
  Label6 = label("Label6", "8");
  Label7 = label("Label7", "9");
  for (QLabel* hidden : {Label5, Label6, Label7}) hidden->hide();
  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName("Memo1");
  Memo1->setReadOnly(true);
  Memo1->setMinimumWidth(360);
  Memo1->setFixedHeight(96);

  auto* grid = new QGridLayout(this);
  grid->addWidget(Icon, 0, 0, 6, 1, Qt::AlignTop);
  int row = 0;
  for (QLabel* shown : {Label1, Label2, Label3, Label8, Label4, Label9}) grid->addWidget(shown, row++, 1);
  grid->addWidget(Memo1, row, 0, 1, 2);

  LocaliseWindow(this, db.All, false);
  setWindowTitle(DecodeText(db.All.ModelBaseName));
  Memo1->setPlainText(Label5->text() + "\n" + Label6->text() + "\n\n" + Label7->text());
}

void TfFrmAbout::mousePressEvent(QMouseEvent*) { accept(); }

bool TfFrmAbout::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    accept();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace kx7q
