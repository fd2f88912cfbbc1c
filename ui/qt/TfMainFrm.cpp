#include "ui/qt/TfMainFrm.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTime>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "core/ImageDefaults.h"
#include "core/Registry.h"
#include "i18n/IniFile.h"
#include "i18n/Language.h"
#include "i18n/ProgramSettings.h"
#include "i18n/qt/Localise.h"
#include "link/qt/PortScan.h"
#include "link/qt/TfSetPort.h"
#include "ui/qt/Artwork.h"
#include "ui/qt/CommandTable.h"

namespace kx7q {
namespace {

constexpr int kTagRole = Qt::UserRole;
constexpr int kPanelWidths[] = {50, 80, 120, 120, 120, 120, 100};
const char* const kDataFilter = "Data File(*.dat)";

struct ToolbarButtonDef {
  const char* name;  // nullptr: a divider
  const char* hint;
  int tag;
  Art art;
  bool hidden;
};

const ToolbarButtonDef kToolbar[] = {
    {"tbNew", "New", 1, Art::New, false},
    {"tbOpen", "Open", 2, Art::Open, false},
    {"tbSave", "Save", 3, Art::Save, false},
    {nullptr, nullptr, 0, Art::New, false},
    {"ToolButton3", "Channel Edit", 11, Art::ChannelEdit, true},
    {nullptr, nullptr, 0, Art::New, true},
    {"tbPrint", "Print", 5, Art::Print, false},
    {nullptr, nullptr, 0, Art::New, false},
    {"tbCom", "COM", 31, Art::Port, false},
    {nullptr, nullptr, 0, Art::New, false},
    {"tbRead", "Read", 20, Art::Read, false},
    {nullptr, nullptr, 0, Art::New, false},
    {"tbWrite", "Write", 21, Art::Write, false},
    {nullptr, nullptr, 0, Art::New, false},
    {"tbHelp", "Help", 60, Art::Help, false},
};

// The tree's children under the root: menu entry whose hint names the node, tag.
struct TreeNodeDef {
  const char* menuEntry;
  int tag;
};
const TreeNodeDef kTreeNodes[] = {
    {"nInfo", 15}, {"nChInfo", 10}, {"nKey", 12}, {"nVox", 13}, {"nOpt", 14}, {"nScan", 19},
};

QString PlainCaption(const char* caption) { return QString::fromLatin1(caption).remove('&'); }

QIcon NodeIcon() {
  QIcon icon = ArtIcon(Art::TreeNode);
  icon.addPixmap(ArtIcon(Art::TreeSelected).pixmap(32, 32), QIcon::Selected);
  return icon;
}

}  // namespace

TfMainFrm::TfMainFrm(Maindb& db, QWidget* parent) : QMainWindow(parent), db_(db) {
  setObjectName("fMainFrm");
  setWindowIcon(ApplicationIcon());

  presentPorts = [this] { return PresentPorts(QString::fromStdString(db_.SettingsPath)); };
  openHelpFile = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };
  chooseOpenFile = [this] {
    QFileDialog dialog(this, QString(), QString(), kDataFilter);
    dialog.setObjectName("odOpen");
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("dat");
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
  };
  chooseSaveFile = [this] {
    QFileDialog dialog(this, QString(), QString(), kDataFilter);
    dialog.setObjectName("sdSave");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("dat");  // "radio" becomes "radio.dat"
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
  };

  auto* central = new QWidget(this);
  central->setObjectName("pMain");
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  setCentralWidget(central);

  mdi_ = new QMdiArea(central);
  mdi_->setObjectName("MdiArea");
  windows_ = std::make_unique<ChildWindows>(mdi_, db_, *this);

  BuildMenu();
  BuildToolbar();
  layout->addWidget(pBar_);
  BuildTreePanel();
  splitter_ = new QSplitter(Qt::Horizontal, central);
  splitter_->setObjectName("Splitter1");
  splitter_->addWidget(pTree_);
  splitter_->addWidget(mdi_);
  splitter_->setStretchFactor(1, 1);
  splitter_->setSizes({230, 800});
  layout->addWidget(splitter_, 1);
  BuildStatusBar();

  Label5_ = new QLabel("No. - ", this);
  Label5_->setObjectName("Label5");
  Label5_->hide();
  lCom_ = new QLabel("Port: ", this);
  lCom_->setObjectName("lCom");
  lCom_->hide();
  cbCom_ = new QComboBox(this);
  cbCom_->setObjectName("cbCom");
  SetItemMode(cbCom_, ItemMode::None);
  cbCom_->hide();
  ImBack_ = new QLabel(this);
  ImBack_->setObjectName("ImBack");
  ImBack_->hide();

  Timer_ = new QTimer(this);
  Timer_->setObjectName("Timer");
  Timer_->setInterval(1000);
  connect(Timer_, &QTimer::timeout, this, [this] { ShowClock(); });
  Timer_->start();

  setWindowTitle(DecodeText(db_.All.ModelBaseName));
  resize(1024, 720);
}

TfMainFrm::~TfMainFrm() = default;

// ---- building the window -----------------------------------------------------

QAction* TfMainFrm::AddCommand(QMenu* menu, const char* name, const char* caption, int tag,
                               const QKeySequence& shortcut) {
  auto* action = new QAction(QString::fromLatin1(caption), this);
  action->setObjectName(QString::fromLatin1(name));
  action->setData(tag);
  // The hint; no status tip, which would cover the status bar's panels.
  action->setToolTip(PlainCaption(caption));
  if (!shortcut.isEmpty()) action->setShortcut(shortcut);
  menu->addAction(action);
  menuActions_[tag] = action;
  switch (tag) {
    case kTagExit:
      connect(action, &QAction::triggered, this, &QWidget::close);
      break;
    case kTagTreeView:
      connect(action, &QAction::triggered, this, &TfMainFrm::ToggleTree);
      break;
    case kTagToolbar:
      connect(action, &QAction::triggered, this, &TfMainFrm::ToggleToolbar);
      break;
    case kTagStatusBar:
      connect(action, &QAction::triggered, this, &TfMainFrm::ToggleStatusBar);
      break;
    default:
      connect(action, &QAction::triggered, this, [this, tag] { ExecuteCommand(tag); });
  }
  return action;
}

void TfMainFrm::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu");
  for (const MenuDef& def : MainMenuTable()) {
    auto* menu = new QMenu(QString::fromLatin1(def.caption), bar);
    menu->setObjectName(QString::fromLatin1(def.name));
    for (const MenuItemDef& item : def.items) {
      if (item.tag == 0) {
        menu->addSeparator()->setObjectName(QString::fromLatin1(item.name));
        continue;
      }
      QAction* action = AddCommand(menu, item.name, item.caption, item.tag,
                                   QKeySequence(QString::fromLatin1(item.shortcut)));
      action->setVisible(!item.hidden);
    }
    QAction* menuAction = bar->addMenu(menu);
    menuAction->setVisible(!def.hidden);
  }
  nTestOnline_ = menuActions_.at(kTagTestOnline);
  nToolbar_ = menuActions_.at(kTagToolbar);
  nStatusbar_ = menuActions_.at(kTagStatusBar);
  nToolbar_->setCheckable(true);
  nToolbar_->setChecked(true);
  nStatusbar_->setCheckable(true);
  nStatusbar_->setChecked(true);
  nTestOnline_->setVisible(db_.All.TestOnlineVisible);
}

void TfMainFrm::BuildToolbar() {
  pBar_ = new QWidget(centralWidget());
  pBar_->setObjectName("pBar");
  auto* layout = new QHBoxLayout(pBar_);
  layout->setContentsMargins(0, 0, 0, 0);
  tbar_ = new QToolBar(pBar_);
  tbar_->setObjectName("tbar");
  tbar_->setIconSize(QSize(24, 24));
  tbar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
  layout->addWidget(tbar_);
  for (const ToolbarButtonDef& def : kToolbar) {
    if (def.name == nullptr) {
      QAction* divider = tbar_->addSeparator();
      divider->setVisible(!def.hidden);
      continue;
    }
    auto* action = new QAction(ArtIcon(def.art), QString::fromLatin1(def.hint), this);
    action->setObjectName(QString::fromLatin1(def.name));
    action->setToolTip(QString::fromLatin1(def.hint));
    action->setData(def.tag);
    tbar_->addAction(action);
    action->setVisible(!def.hidden);
    toolbarActions_[def.tag] = action;
    const int tag = def.tag;
    connect(action, &QAction::triggered, this, [this, tag] { ExecuteCommand(tag); });
  }
}

void TfMainFrm::BuildTreePanel() {
  pTree_ = new QWidget(centralWidget());
  pTree_->setObjectName("pTree");
  auto* layout = new QVBoxLayout(pTree_);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  auto* hide = new QToolButton(pTree_);
  hide->setObjectName("TreeHide");
  hide->setText("X");
  hide->setAutoRaise(true);
  connect(hide, &QToolButton::clicked, this, [this] { pTree_->hide(); });
  auto* top = new QHBoxLayout;
  top->addStretch();
  top->addWidget(hide);
  layout->addLayout(top);

  cxTree_ = new QTreeWidget(pTree_);
  cxTree_->setObjectName("cxTree");
  cxTree_->setHeaderHidden(true);
  cxTree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  cxTree_->setIconSize(QSize(20, 20));
  // Node texts are shown whole; a narrow panel scrolls instead of eliding.
  cxTree_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  cxTree_->header()->setStretchLastSection(false);
  layout->addWidget(cxTree_, 1);

  auto* root = new QTreeWidgetItem(cxTree_);
  root->setData(0, kTagRole, -1);
  root->setIcon(0, ArtIcon(Art::TreeRoot));
  for (const TreeNodeDef& def : kTreeNodes) {
    auto* node = new QTreeWidgetItem(root);
    node->setData(0, kTagRole, def.tag);
    node->setIcon(0, NodeIcon());
    if (def.tag == kTagChannelGrid) channelRoot_ = node;
  }
  // A click counts only on the node that is also the selected one.
  connect(cxTree_, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item) {
    if (item == cxTree_->currentItem()) TreeItemClicked(item, false);
  });
  connect(cxTree_, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* item) {
    if (item == cxTree_->currentItem()) TreeItemClicked(item, true);
  });
}

void TfMainFrm::BuildStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName("MainBar");
  bar->setSizeGripEnabled(true);
  for (int width : kPanelWidths) {
    auto* panel = new QLabel(bar);
    panel->setFixedWidth(width);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    bar->addWidget(panel);
    panels_.push_back(panel);
  }
}

// ---- first show and closing ----------------------------------------------------

void TfMainFrm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shown_) FormShow();
}

void TfMainFrm::FormShow() {
  if (shown_) return;
  shown_ = true;
  TALL& all = db_.All;
  // 1. The background picture, tiled over the MDI area.
  ImBack_->setPixmap(BackgroundTile());
  mdi_->setBackground(QBrush(ImBack_->pixmap()));
  // 2.
  nTestOnline_->setVisible(all.TestOnlineVisible);
  // 3, 4. The first model with its default band, and a new code plug for it.
  if (const TMacType* first = db_.MacList.Get(0)) ApplyModelInfo(all, db_.MacList, db_.FrqList, first->Code, 0, false);
  SetImageDefaults(all, db_.FrqList);
  // 5. The configured port, checked against the ports present.
  const QStringList ports = presentPorts ? presentPorts() : QStringList();
  cbCom_->clear();
  cbCom_->addItems(ports);
  CheckStartupPort(all, ports);
  cbCom_->setCurrentIndex(cbCom_->findText(QString::fromStdString(all.PortName)));
  // 6, 7.
  ParseCurrentBand(all);
  FileName.clear();
  // 8.
  if (all.LanguageIndex > 0) LocaliseWindow(this, all, true);
  // 9.
  BuildTree();
  UpdateStatus();
  // 10.
  windows_->Show(kTagChannelGrid);
  // 11.
  all.Modified = false;
  // 12.
  cxTree_->expandAll();
  cxTree_->setCurrentItem(cxTree_->topLevelItem(0));
}

void TfMainFrm::closeEvent(QCloseEvent* event) {
  // A cell still being typed in counts as an edit, so that the question
  // about unsaved changes knows of it.
  FinishEditing();
  const TLanguage& texts = db_.Language;
  if (!Ask(texts, "ExitProgram", this)) {
    event->ignore();
    return;
  }
  // A cancelled save dialog does not stop the close (the user chose to exit);
  // a save that failed does, so the changes are not lost.
  if (!OfferToSave()) {
    event->ignore();
    return;
  }
  WriteSettingsBack();
  windows_->CloseAll();
  event->accept();
}

void TfMainFrm::WriteSettingsBack() {
  IniFile settings;
  if (!settings.Load(db_.SettingsPath) && QFileInfo::exists(QString::fromStdString(db_.SettingsPath))) {
    // A settings file that is there but cannot be read is not replaced by
    // one holding only the three keys written back: its other keys would be lost.
    ReportFileFailure(Status::Fail("FileError", "the file cannot be read"), db_.SettingsPath);
    return;
  }
  WriteSettings(db_.All, settings);
  const Status saved = settings.Save(db_.SettingsPath);
  if (!saved) ReportFileFailure(saved, db_.SettingsPath);
}

// ---- dispatch ------------------------------------------------------------------

int TfMainFrm::RunDialog(QDialog& dialog) {
  if (dialogRunner) return dialogRunner(dialog);
  return dialog.exec();
}

// Every open in-place editor stores what it holds and closes, so that no
// editor outlives the view it belongs to and no typed text is lost.
void TfMainFrm::FinishEditing() {
  for (EditWindow* window : windows_->Open()) window->EndEditing();
}

void TfMainFrm::ExecuteCommand(int tag) {
  FinishEditing();
  switch (tag) {
    case 1: NewCodePlug(); return;
    case 2: OpenDataFile(); return;
    case 3: SaveDataFile(); return;
    case 4: SaveDataFileAs(); return;
    case 30: ModelSetup(); return;
    case 31: SetPort(); return;
    case 32: ChangeLanguage(); return;
    case 50: mdi_->cascadeSubWindows(); return;
    case 51:
    case 52: {
      // 51: windows one above the other; 52: side by side.
      const QList<QMdiSubWindow*> subs = mdi_->subWindowList();
      QList<QMdiSubWindow*> shown;
      for (QMdiSubWindow* sub : subs)
        if (!sub->isMinimized() && sub->isVisible()) shown.push_back(sub);
      if (shown.isEmpty()) return;
      const QRect area = mdi_->viewport()->rect();
      const int n = static_cast<int>(shown.size());
      for (int i = 0; i < n; ++i) {
        shown[i]->showNormal();
        if (tag == 51)
          shown[i]->setGeometry(0, area.height() * i / n, area.width(), area.height() / n);
        else
          shown[i]->setGeometry(area.width() * i / n, 0, area.width() / n, area.height());
      }
      return;
    }
    case 53: {
      // Minimised windows in a row along the bottom.
      int x = 0;
      for (QMdiSubWindow* sub : mdi_->subWindowList()) {
        if (!sub->isMinimized()) continue;
        sub->move(x, mdi_->viewport()->height() - sub->height());
        x += sub->width();
      }
      return;
    }
    case 54: windows_->CloseAll(); return;
    case 60: ShowHelp(); return;
    case 61: ShowAbout(); return;
    case kTagTestOnline: return;
    default: break;
  }
  if (windows_->IsWindowTag(tag)) {
    windows_->Show(tag);
    return;
  }
  windows_->RunCommand(tag, this);  // print, embedded message, read, write
}

// ---- views -------------------------------------------------------------------------

void TfMainFrm::RefreshViews(int kind) {
  switch (kind) {
    case 0:
      if (EditWindow* grid = windows_->Find(kTagChannelGrid)) grid->ReloadCurrentChannel();
      break;
    case 1:
      CloseAllChildren();
      windows_->Show(kTagChannelGrid);
      break;
    case 2:
      if (EditWindow* edit = windows_->Find(kTagChannelEdit)) edit->ReloadCurrentChannel();
      break;
    default:
      break;
  }
}

void TfMainFrm::SelectChannelNode(int kind) {
  if (QTreeWidgetItem* node = ChannelNode(db_.All.CurrentChannel)) cxTree_->setCurrentItem(node);
  if (kind == 2) RefreshViews(2);
}

void TfMainFrm::ResetAfterRead() {
  FileName.clear();
  UpdateStatus();
  RefreshViews(1);
}

void TfMainFrm::CloseAllChildren() { windows_->CloseAll(); }

void TfMainFrm::UseWindowTable(const std::vector<ChildWindowEntry>& table) {
  windows_->CloseAll();
  windows_ = std::make_unique<ChildWindows>(mdi_, db_, *this, table);
}

QString TfMainFrm::ChannelNodeText(int channel) const { return Label5_->text() + " " + QString::number(channel); }

void TfMainFrm::BuildTree() {
  QTreeWidgetItem* root = cxTree_->topLevelItem(0);
  root->setText(0, DecodeText(db_.All.ModelBaseName));
  for (int i = 0; i < root->childCount(); ++i) {
    QTreeWidgetItem* node = root->child(i);
    const QAction* entry = findChild<QAction*>(QString::fromLatin1(kTreeNodes[i].menuEntry));
    node->setText(0, entry != nullptr ? entry->toolTip() : QString());
  }
  qDeleteAll(channelRoot_->takeChildren());
  const QIcon icon = NodeIcon();
  for (int n = 1; n <= db_.All.ChannelCount; ++n) {
    auto* node = new QTreeWidgetItem(channelRoot_);
    node->setText(0, ChannelNodeText(n));
    node->setIcon(0, icon);
    node->setData(0, kTagRole, kTagChannelEdit);
  }
}

void TfMainFrm::UpdateCaption() {
  const QString base = DecodeText(db_.All.ModelBaseName);
  setWindowTitle(FileName.isEmpty() ? base : base + " [" + FileName + "]");
}

void TfMainFrm::UpdateStatus() {
  const TALL& all = db_.All;
  panels_[0]->clear();
  ShowClock();
  panels_[3]->setText(lCom_->text() + DecodeText(all.PortName));
  panels_[4]->setText(DecodeText(all.ModelName));
  panels_[5]->setText(DecodeText(all.BandText));
  panels_[6]->clear();
  UpdateCaption();
}

void TfMainFrm::ShowClock() {
  panels_[1]->setText(QDate::currentDate().toString("yyyy/MM/dd"));
  panels_[2]->setText(QTime::currentTime().toString("HH:mm:ss"));
}

QString TfMainFrm::StatusPanel(int index) const { return panels_.at(static_cast<std::size_t>(index))->text(); }

QAction* TfMainFrm::MenuAction(int tag) const {
  const auto it = menuActions_.find(tag);
  return it == menuActions_.end() ? nullptr : it->second;
}

QAction* TfMainFrm::ToolbarAction(int tag) const {
  const auto it = toolbarActions_.find(tag);
  return it == toolbarActions_.end() ? nullptr : it->second;
}

int TfMainFrm::NodeTag(const QTreeWidgetItem* node) { return node->data(0, kTagRole).toInt(); }

QTreeWidgetItem* TfMainFrm::ChannelNode(int channel) const {
  if (channel < 1 || channel > channelRoot_->childCount()) return nullptr;
  return channelRoot_->child(channel - 1);
}

void TfMainFrm::ClickNode(QTreeWidgetItem* node) {
  cxTree_->setCurrentItem(node);
  TreeItemClicked(node, false);
}

void TfMainFrm::DoubleClickNode(QTreeWidgetItem* node) {
  cxTree_->setCurrentItem(node);
  TreeItemClicked(node, true);
}

void TfMainFrm::TreeItemClicked(QTreeWidgetItem* item, bool doubleClick) {
  if (item->parent() == channelRoot_) {
    db_.All.CurrentChannel = channelRoot_->indexOfChild(item) + 1;
    SelectChannelNode(2);
    // The grid moves to the chosen channel too, so all three views agree.
    RefreshViews(0);
  }
  if (doubleClick) ExecuteCommand(NodeTag(item));
}

void TfMainFrm::ToggleTree() { pTree_->setVisible(pTree_->isHidden()); }

void TfMainFrm::ToggleToolbar() {
  // The entry's check mark was toggled by the click; the panel follows it.
  pBar_->setVisible(nToolbar_->isChecked());
}

void TfMainFrm::ToggleStatusBar() { statusBar()->setVisible(nStatusbar_->isChecked()); }

}  // namespace kx7q
