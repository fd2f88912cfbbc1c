#include "channels/qt/TfBInfoEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <algorithm>

#include "channels/ChannelCodec.h"
#include "channels/ChannelColumns.h"
#include "channels/ToneTables.h"
#include "channels/qt/ChannelControls.h"
#include "channels/qt/TfToneOption.h"
#include "core/Numbers.h"

namespace kx7q {

// ---- the channel number ------------------------------------------------------------

int ValidatedSpinValue(long long typed, int minimum, int maximum, int step) {
  if (step > 0 && typed > minimum) typed = minimum + (typed - minimum) / step * step;
  return static_cast<int>(std::clamp<long long>(typed, minimum, maximum));
}

QValidator::State ChannelSpinBox::validate(QString& input, int&) const {
  const QString text = input.trimmed();
  if (text.isEmpty()) return QValidator::Intermediate;
  for (QChar c : text)
    if (!c.isDigit()) return QValidator::Invalid;
  const long long value = text.toLongLong();
  return value >= minimum() && value <= maximum() ? QValidator::Acceptable : QValidator::Intermediate;
}

void ChannelSpinBox::fixup(QString& input) const {
  const QString text = input.trimmed();
  if (text.isEmpty()) return;
  input = QString::number(ValidatedSpinValue(text.left(12).toLongLong(), minimum(), maximum(), singleStep()));
}

// ---- the window -----------------------------------------------------------------------

TfBInfoEdit::TfBInfoEdit(Maindb& db, MainOps& main, QWidget* parent) : EditWindow(db, main, parent) {
  setObjectName(QStringLiteral("fBInfoEdit"));
  setWindowTitle(QStringLiteral("Channel Edit"));
  resize(504, 338);

  auto* outer = new QGridLayout(this);
  auto label = [this](const char* name, const char* caption) {
    auto* l = new QLabel(QString::fromLatin1(caption), this);
    l->setObjectName(QString::fromLatin1(name));
    return l;
  };
  QLabel* channelLabel = label("Label1", "Channel No.");
  outer->addWidget(channelLabel, 0, 0);
  sexd = new ChannelSpinBox(this);
  channelLabel->setBuddy(sexd);
  sexd->setObjectName(QStringLiteral("sexd"));
  sexd->setRange(1, 1);
  sexd->setValue(1);
  sexd->setKeyboardTracking(false);  // a typed number counts once it is complete
  outer->addWidget(sexd, 0, 1);

  cxChInfo = new QTabWidget(this);
  cxChInfo->setObjectName(QStringLiteral("cxChInfo"));
  cxtbBase = new QWidget;
  cxtbBase->setObjectName(QStringLiteral("cxtbBase"));
  cxChInfo->addTab(cxtbBase, QStringLiteral("Information"));
  outer->addWidget(cxChInfo, 1, 0, 1, 3);
  outer->setColumnStretch(2, 1);

  auto* page = new QGridLayout(cxtbBase);
  auto pageLabel = [this](const char* name, const char* caption) {
    auto* l = new QLabel(QString::fromLatin1(caption), cxtbBase);
    l->setObjectName(QString::fromLatin1(name));
    return l;
  };
  auto frequencyEdit = [this](const char* name) {
    auto* e = new QLineEdit(cxtbBase);
    e->setObjectName(QString::fromLatin1(name));
    e->setAlignment(Qt::AlignRight);
    e->installEventFilter(new EntryKeyFilter(EntryKeys::Frequency, e));
    return e;
  };
  auto list = [this](const char* name, const ValueList& values) {
    auto* box = new QComboBox(cxtbBase);
    box->setObjectName(QString::fromLatin1(name));
    FillList(box, values);
    return box;
  };
  auto toneBox = [&](const char* name) {
    QComboBox* box = list(name, ToneBoxList());
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setProperty("tag", -3);
    // Enter runs the tone handler at once.
    auto onEnter = [this, box] {
      ToneChanged(box);
      return true;
    };
    box->lineEdit()->installEventFilter(new EntryKeyFilter(EntryKeys::Tone, box, onEnter));
    box->installEventFilter(new EntryKeyFilter(EntryKeys::Tone, box, onEnter));
    return box;
  };
  auto check = [this](const char* name, const char* caption) {
    auto* c = new QCheckBox(QString::fromLatin1(caption), cxtbBase);
    c->setObjectName(QString::fromLatin1(name));
    return c;
  };

  eRx = frequencyEdit("eRx");
  eTX = frequencyEdit("eTX");
  cxRxDcts = toneBox("cxRxDcts");
  cxTxDcts = toneBox("cxTxDcts");
  cxWn = list("cxWn", WideNarrowList());
  cxRevTx = list("cxRevTx", EpilogueList());
  cxPower = list("cxPower", PowerList());
  cxPttID = list("cxPttID", OnOffList());
  cxScan = check("cxScan", "Scan Add");
  cxBclo = check("cxBclo", "Busy Lock");
  cxComp = check("cxComp", "Compander");
  cxScrm = check("cxScrm", "Scrambler");
  // Kept in step with the record, not shown.
  QLabel* pttLabel = pageLabel("Label9", "PTT ID");
  pttLabel->setBuddy(cxPttID);
  for (QWidget* hidden : std::initializer_list<QWidget*>{cxPttID, pttLabel, cxComp, cxScrm})
    hidden->hide();

  // Labels name their controls (buddies), for the keyboard and for printing.
  auto row = [page, &pageLabel](const char* name, const char* caption, QWidget* control, int r, int c) {
    QLabel* l = pageLabel(name, caption);
    l->setBuddy(control);
    page->addWidget(l, r, c);
    page->addWidget(control, r, c + 1);
  };
  row("Label2", "RX Frequency[MHz]", eRx, 0, 0);
  row("Label3", "TX Frequency[MHz]", eTX, 1, 0);
  row("Label4", "QT/DQT Deconde", cxRxDcts, 2, 0);
  row("Label5", "QT/DQT Encode", cxTxDcts, 3, 0);
  row("Label6", "Wide/Narrow", cxWn, 0, 2);
  row("Label7", "Epilogue", cxRevTx, 1, 2);
  row("Label8", "TX Power", cxPower, 2, 2);
  page->addWidget(cxScan, 3, 3);
  page->addWidget(cxBclo, 4, 3);
  page->setRowStretch(5, 1);

  btnClose = new QPushButton(QStringLiteral("&Close"), this);
  btnClose->setObjectName(QStringLiteral("btnClose"));
  outer->addWidget(btnClose, 2, 2, Qt::AlignRight);

  connect(sexd, &QSpinBox::valueChanged, this, [this] { sexdChange(); });
  connect(eRx, &QLineEdit::editingFinished, this, [this] {
    if (!eRx->isModified()) return;
    eRx->setModified(false);
    eReceivePropertiesEditValueChanged();
  });
  connect(eTX, &QLineEdit::editingFinished, this, [this] {
    if (!eTX->isModified()) return;
    eTX->setModified(false);
    eSendPropertiesEditValueChanged();
  });
  for (QComboBox* box : {cxRxDcts, cxTxDcts}) {
    connect(box, &QComboBox::currentIndexChanged, this, [this, box](int index) {
      if (index >= 0) ToneChanged(box);
    });
    connect(box->lineEdit(), &QLineEdit::editingFinished, this, [this, box] {
      if (box->lineEdit()->isModified()) ToneChanged(box);
    });
  }
  cxTxDcts->lineEdit()->installEventFilter(this);
  for (QComboBox* box : {cxWn, cxRevTx, cxPower, cxPttID})
    connect(box, &QComboBox::currentIndexChanged, this, &EditWindow::StoreChange);
  for (QCheckBox* box : {cxScan, cxBclo, cxComp, cxScrm})
    connect(box, &QCheckBox::clicked, this, &EditWindow::StoreChange);
  connect(btnClose, &QPushButton::clicked, this, [this] {
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
      sub->close();
    else
      close();
  });
}

void TfBInfoEdit::Decode() {
  sexd->setMaximum(std::max(1, all().ChannelCount));
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    sub->move(20, 20);
    sub->adjustSize();
  }
  LoadChannel();
}

void TfBInfoEdit::LoadChannel() {
  auto hold = HoldLoading();
  const int n = all().CurrentChannel;
  sexd->setValue(n);
  if (n < 1 || n > all().ChannelCount) return;
  TChannel& ch = db().Channel;
  if (!DecodeChannel(all(), n, ch)) {
    eRx->clear();
    EnableChannelControls(false);
    ResetChannelControls();
    return;
  }
  EnableChannelControls(true);
  eRx->setText(QString::fromStdString(FormatFrequency(ch.RxFreq)));
  ShowToneText(cxRxDcts, ch.RxTone.empty() ? cxRxDcts->itemText(0) : QString::fromStdString(ch.RxTone));
  ShowToneText(cxTxDcts, ch.TxTone.empty() ? cxTxDcts->itemText(0) : QString::fromStdString(ch.TxTone));
  if (ch.TxFreq >= 0) {
    eTX->setText(QString::fromStdString(FormatFrequency(ch.TxFreq)));
    cxTxDcts->setEnabled(true);
  } else {
    eTX->clear();
    cxTxDcts->setCurrentIndex(0);
    cxTxDcts->setEnabled(false);
  }
  cxWn->setCurrentIndex(ch.WideNarrow);
  cxPower->setCurrentIndex(ch.Power);
  cxPttID->setCurrentIndex(ch.PttId);
  cxRevTx->setCurrentIndex(ch.Epilogue);
  cxScan->setChecked(ch.ScanAdd == 0);
  cxComp->setChecked(ch.Compander == 0);
  cxBclo->setChecked(ch.BusyLock == 0);
  cxScrm->setChecked(ch.Scrambler == 0);
}

void TfBInfoEdit::EnableChannelControls(bool on) {
  for (QWidget* w : std::initializer_list<QWidget*>{eTX, cxRxDcts, cxTxDcts, cxWn, cxBclo, cxScan, cxPower, cxComp,
                                                    cxScrm, cxPttID, cxRevTx})
    w->setEnabled(on);
}

void TfBInfoEdit::ResetChannelControls() {
  eRx->clear();
  eTX->clear();
  cxRxDcts->setCurrentIndex(0);
  cxTxDcts->setCurrentIndex(0);
  cxRevTx->setCurrentIndex(1);
  cxWn->setCurrentIndex(0);
  cxPower->setCurrentIndex(1);
  cxPttID->setCurrentIndex(1);
  for (QCheckBox* box : {cxBclo, cxScan, cxComp, cxScrm}) box->setChecked(false);
}

int TfBInfoEdit::ToneIndex(const QComboBox* box) { return EntryIndex(box, box->currentText()); }

void TfBInfoEdit::StoreChannel() {
  if (Loading()) return;
  const int n = all().CurrentChannel;
  if (n < 1 || n > all().ChannelCount) return;
  auto tone = [](const QComboBox* box) { return ToneIndex(box) != 0 ? box->currentText().toStdString() : ""; };
  auto ticked = [](const QCheckBox* box) { return box->isChecked() ? "0" : "1"; };
  auto index = [](const QComboBox* box) { return std::to_string(std::max(0, box->currentIndex())); };
  TALL& a = all();
  EncodeChannelField(a, n, ChannelField::RxFreq, eRx->text().trimmed().toStdString());
  EncodeChannelField(a, n, ChannelField::TxFreq, eTX->text().trimmed().toStdString());
  EncodeChannelField(a, n, ChannelField::RxTone, tone(cxRxDcts));
  EncodeChannelField(a, n, ChannelField::TxTone, tone(cxTxDcts));
  EncodeChannelField(a, n, ChannelField::BusyLock, ticked(cxBclo));
  EncodeChannelField(a, n, ChannelField::WideNarrow, index(cxWn));
  EncodeChannelField(a, n, ChannelField::Power, index(cxPower));
  EncodeChannelField(a, n, ChannelField::ScanAdd, ticked(cxScan));
  EncodeChannelField(a, n, ChannelField::Compander, ticked(cxComp));
  EncodeChannelField(a, n, ChannelField::Scrambler, ticked(cxScrm));
  EncodeChannelField(a, n, ChannelField::PttId, index(cxPttID));
  EncodeChannelField(a, n, ChannelField::Epilogue, index(cxRevTx));
  MarkModified();
  main().RefreshViews(0);
}

void TfBInfoEdit::sexdChange() {
  if (Loading()) return;
  all().CurrentChannel = sexd->value();
  main().SelectChannelNode(0);
  // The grid's current row follows as well (its row is refilled, unchanged).
  main().RefreshViews(0);
  LoadChannel();
}

void TfBInfoEdit::eReceivePropertiesEditValueChanged() {
  if (Loading()) return;
  const std::string typed = eRx->text().trimmed().toStdString();
  if (typed.empty()) {
    // The channel is cleared: erased, then stored once more from the controls
    // of an empty channel.
    StoreChannel();
    {
      auto hold = HoldLoading();
      ResetChannelControls();
    }
    StoreChannel();
    EnableChannelControls(false);
    return;
  }
  CautionReporter reporter(db(), this);
  const QString text = QString::fromStdString(EnteredFrequencyText(all(), typed, &reporter));
  if (text.isEmpty()) {  // no number
    ShowCaution(db(), "ErrRange", this);
    return;
  }
  eRx->setText(text);
  EnableChannelControls(true);
  if (eTX->text().trimmed().isEmpty()) {
    eTXTag_ = 1;
    eTX->setText(text);
    eTXTag_ = 0;
  }
  StoreChannel();
}

void TfBInfoEdit::eSendPropertiesEditValueChanged() {
  if (Loading() || eTXTag_ != 0) return;
  const std::string typed = eTX->text().trimmed().toStdString();
  if (!typed.empty()) {
    CautionReporter reporter(db(), this);
    const QString text = QString::fromStdString(EnteredFrequencyText(all(), typed, &reporter));
    if (text.isEmpty()) {  // no number
      ShowCaution(db(), "ErrRange", this);
      return;
    }
    eTXTag_ = 1;
    eTX->setText(text);
    eTXTag_ = 0;
    cxRxDcts->setFocus();
    cxTxDcts->setEnabled(true);
  } else {
    cxTxDcts->setCurrentIndex(0);
    cxTxDcts->setEnabled(false);
  }
  StoreChannel();
}

void TfBInfoEdit::cbQTExit() { ToneChanged(cxRxDcts); }
void TfBInfoEdit::cbDQTExit() { ToneChanged(cxTxDcts); }

void TfBInfoEdit::ToneChanged(QComboBox* box) {
  if (toneBusy_) return;
  toneBusy_ = true;
  const QString typed = box->currentText().trimmed();
  if (typed.isEmpty()) box->setCurrentIndex(0);
  if (ToneIndex(box) != 0) ShowToneText(box, QString::fromStdString(NormaliseToneText(typed.toStdString())));
  box->lineEdit()->setModified(false);
  toneBusy_ = false;
  StoreChannel();
}

void TfBInfoEdit::cxTxDctsDblClick() {
  if (!cxTxDcts->isEnabled()) return;
  TfToneOption picker(db(), this);
  main().RunDialog(picker);
  const QString code = picker.SelectedCode;
  if (code.isEmpty()) return;
  toneBusy_ = true;
  ShowToneText(cxTxDcts, code);
  toneBusy_ = false;
  ToneChanged(cxTxDcts);
}

bool TfBInfoEdit::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cxTxDcts->lineEdit() && event->type() == QEvent::MouseButtonDblClick) {
    cxTxDctsDblClick();
    return true;
  }
  return EditWindow::eventFilter(watched, event);
}

}  // namespace kx7q
