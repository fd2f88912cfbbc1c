#include "settings/qt/FunctionWindowLayout.h"

#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QVBoxLayout>

namespace kx7q {

namespace {
// Where every function window appears in the main window's client area.
constexpr QPoint kWindowPlace(20, 20);
constexpr int kMaxColumns = 8;
}  // namespace

FunctionWindowLayout::FunctionWindowLayout(EditWindow& window) : QObject(&window), window_(window) {
  outer_ = new QVBoxLayout(&window);
  // The window has the size of its contents and cannot be resized.
  outer_->setSizeConstraint(QLayout::SetFixedSize);
  window.installEventFilter(this);
}

QFrame* FunctionWindowLayout::BeginFrame(const char* captionName, const char* caption) {
  auto* frame = new QFrame(&window_);
  frame->setFrameShape(QFrame::StyledPanel);
  auto* box = new QVBoxLayout(frame);
  if (captionName != nullptr) {
    auto* heading = new QLabel(QString::fromLatin1(caption), frame);
    heading->setObjectName(QString::fromLatin1(captionName));
    QFont font = heading->font();
    font.setBold(true);
    heading->setFont(font);
    box->addWidget(heading);
  }
  grid_ = new QGridLayout;
  grid_->setHorizontalSpacing(12);
  box->addLayout(grid_);
  for (int& row : nextRow_) row = 0;
  outer_->addWidget(frame);
  return frame;
}

QLabel* FunctionWindowLayout::AddRow(const char* labelName, const char* caption, QWidget* control, int column) {
  return AddRow(labelName, caption, std::vector<QWidget*>{control}, column);
}

QLabel* FunctionWindowLayout::AddRow(const char* labelName, const char* caption,
                                     const std::vector<QWidget*>& controls, int column) {
  Q_ASSERT(column >= 0 && column < kMaxColumns);
  if (grid_ == nullptr) BeginFrame();
  auto* frame = grid_->parentWidget();
  auto* label = new QLabel(QString::fromLatin1(caption), frame);
  label->setObjectName(QString::fromLatin1(labelName));
  const int row = nextRow_[column]++;
  grid_->addWidget(label, row, 2 * column, Qt::AlignRight | Qt::AlignVCenter);
  if (controls.size() == 1) {
    controls.front()->setParent(frame);
    grid_->addWidget(controls.front(), row, 2 * column + 1);
  } else {
    auto* line = new QHBoxLayout;
    for (QWidget* control : controls) {
      control->setParent(frame);
      line->addWidget(control);
    }
    grid_->addLayout(line, row, 2 * column + 1);
  }
  label->setBuddy(controls.front());
  rows_.push_back({label, controls});
  return label;
}

void FunctionWindowLayout::SetRowVisible(QLabel* label, bool visible) {
  for (const Row& row : rows_) {
    if (row.label != label) continue;
    row.label->setVisible(visible);
    for (QWidget* control : row.controls) control->setVisible(visible);
  }
  FitFrame();
}

QPushButton* FunctionWindowLayout::AddCloseButton() {
  auto* button = new QPushButton(QStringLiteral("&Close"), &window_);
  button->setObjectName(QStringLiteral("btnCancel"));
  auto* line = new QHBoxLayout;
  line->addStretch(1);
  line->addWidget(button);
  outer_->addLayout(line);
  connect(button, &QPushButton::clicked, &window_, [this] {
    // Inside the main window the MDI frame is what closes (and frees) it.
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window_.parentWidget())) sub->close();
    else window_.close();
  });
  return button;
}

// The MDI frame takes the size of the window, which its layout fixes to the
// size of its contents; it follows when those change (rows hidden, lists
// filled or polished after the first show).
void FunctionWindowLayout::FitFrame() {
  auto* sub = qobject_cast<QMdiSubWindow*>(window_.parentWidget());
  if (sub == nullptr || fitting_) return;
  fitting_ = true;
  window_.layout()->activate();
  sub->setMinimumSize(0, 0);
  sub->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  sub->adjustSize();
  sub->setFixedSize(sub->sizeHint());
  fitting_ = false;
}

bool FunctionWindowLayout::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_) {
    if (event->type() == QEvent::ParentChange) {
      if (auto* sub = qobject_cast<QMdiSubWindow*>(window_.parentWidget()))
        sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                            Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    } else if (event->type() == QEvent::Show) {
      if (auto* sub = qobject_cast<QMdiSubWindow*>(window_.parentWidget())) {
        FitFrame();
        // Placed when it first appears; restoring it from a minimised state
        // puts it back where the user left it.
        if (!placed_) sub->move(kWindowPlace);
        placed_ = true;
      }
    } else if (event->type() == QEvent::Resize) {
      FitFrame();
    }
  }
  return QObject::eventFilter(watched, event);
}

QComboBox* MakeList(EditWindow& window, const ValueList& list) {
  auto* box = new QComboBox(&window);
  box->setObjectName(QString::fromStdString(list.control));
  SetItemMode(box, ToItemMode(list.translation));
  for (const std::string& item : list.items) box->addItem(QString::fromStdString(item));
  box->setMaxVisibleItems(12);
  QObject::connect(box, &QComboBox::currentIndexChanged, &window, &EditWindow::StoreChange);
  return box;
}

ItemMode ToItemMode(ItemTranslation translation) {
  switch (translation) {
    case ItemTranslation::None: return ItemMode::None;
    case ItemTranslation::FirstOnly: return ItemMode::FirstOnly;
    case ItemTranslation::All: break;
  }
  return ItemMode::All;
}

int SelectedOr(const QComboBox* box, int stored) {
  const int index = box->currentIndex();
  return index < 0 ? stored : index;
}

}  // namespace kx7q
