// SPDX-License-Identifier: GPL-3.0-or-later
// The make-up of the main window: its widgets, menus, tool bars, status bar
// and timers, the subsystems that carry out its commands, and the wiring of
// the editor's events to them.
#include "window/main_window.h"

#include "editing/editor_events.h"
#include "editing/enhanced_edit.h"
#include "editor/editor_control.h"
#include "editor/line_number_gutter.h"
#include "documents/large_files.h"
#include "html/html_commands.h"
#include "editing/editing_tools.h"
#include "large_view/large_text_view.h"
#include "platform/dialogs.h"
#include "programming/program_commands.h"
#include "window/command_actions.h"
#include "window/command_table.h"

#include <QComboBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace wrenpad {

Q_DECLARE_LOGGING_CATEGORY(lcWindow)

void TMain::createWidgets() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Editor = new EditorControl(central);
  layout->addWidget(Editor->widget(), 1);
  Gutter = &LineNumberGutter::of(*Editor);
  LargeView = new large::LargeTextView(central);
  LargeView->setObjectName(QStringLiteral("LargeFileView"));
  LargeView->hide();
  layout->addWidget(LargeView, 1);
  CMsgWindow = new MessagePane(central);
  CMsgWindow->hide();
  layout->addWidget(CMsgWindow);
  setCentralWidget(central);

  Editor->widget()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Editor->widget(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { showPopupMenu(Editor->widget()->mapToGlobal(at)); });
  connect(Editor, &EditorControl::textChanged, this, &TMain::EditorChange);
}

void TMain::createSubsystems() {
  subsystems_ = std::make_unique<Subsystems>(SubsystemsContext{
      .window = *this, .editor = *Editor, .gutter = Gutter, .largeView = *LargeView, .dialogs = dialogs_,
      .documentHost = *this, .colouringHost = *this,
      .editingHost = *this, .programHost = *this, .previewHost = *this, .document = document_,
      .session = session_, .settings = settings_, .messages = messages_, .colouring = colouring_,
      .caret = caretFlags_, .marks = marks_, .paths = paths_,
      .messagePane = *CMsgWindow, .completionTimer = Timer1, .logTimer = Timer3,
      .setPasteShortcut = [this](bool on) { setPasteShortcut(on); },
      .recolourWholeText = [this] { recolourWholeText(); },
      .placeWindowOnLeftHalf = [this] { placeOnLeftHalf(); }});
  connect(CMsgWindow, &MessagePane::lineDoubleClicked, this, [this] { programs().CMsgWindowDblClick(); });
  connect(CMsgWindow, &MessagePane::clicked, this, [this] { programs().CMsgWindowClick(); });
}

void TMain::connectEditorEvents() {
  EditorEvents* events = &editorEvents();
  connect(Editor, &EditorControl::keyDown, this, [events](KeyEventInfo& key) { events->EditorKeyDown(key); });
  connect(Editor, &EditorControl::keyUp, this, [events](KeyEventInfo& key) { events->EditorKeyUp(key); });
  connect(Editor, &EditorControl::mouseDown, this, [events] { events->EditorMouseDown(); });
  connect(Editor, &EditorControl::selectionChanged, this, [events] { events->EditorSelectionChange(); });
  connect(&Timer4, &QTimer::timeout, this, [this] { htmlCommands().Timer4Timer(); });
  connect(&Timer5, &QTimer::timeout, this, [events] { events->Timer5Timer(); });
  connect(HeaderComboBox, &QComboBox::currentIndexChanged, this,
          [this] { htmlCommands().HeaderComboBoxChange(); });
  connect(EnhancedEdit1, &TEnhancedEdit::keyUp, this, &TMain::lineNumberBoxKeyUp);
  connectLargeView();
}

// The large view tells the window what the editor's events tell it: where
// the caret is, whether something is selected, and what it could not do.
void TMain::connectLargeView() {
  LargeView->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(LargeView, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { showPopupMenu(LargeView->mapToGlobal(at)); });
  connect(LargeView, &large::LargeTextView::caretMoved, this,
          [this] { showLineNumber(QString::number(largeFiles().caretLine() + 1)); });
  connect(LargeView, &large::LargeTextView::selectionChanged, this, [this](bool selected) {
    if (marks_.selection == selected) return;
    marks_.selection = selected;
    showCommandStates();
  });
  connect(LargeView, &large::LargeTextView::cannotWrite, this, [this](const QString& character) {
    dialogs_.showError(kApplicationTitle, tr("This file's code cannot hold \"%1\": nothing was written.").arg(character));
  });
  connect(LargeView, &large::LargeTextView::selectionTooLarge, this, [this] {
    dialogs_.showMessage(kApplicationTitle, tr("The selection is too large for the clipboard (over %1 MiB).")
                                                .arg(large::LargeTextView::kLargestCopy >> 20));
  });
}

// Enter in the line-number box: the jump goes to whichever view is shown.
void TMain::lineNumberBoxKeyUp(int key) { editingTools().EnhancedEdit1KeyUp(key); }

void TMain::createMenus() {
  commands_ = std::make_unique<CommandActions>(commandTable(),
                                               [this](const CommandRow& row) { runCommand(row); });
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  commands_->buildMenus(*menuBar(), *PopupMenu1);
  for (QAction* top : menuBar()->actions()) {
    QMenu* menu = top->menu();
    connect(menu, &QMenu::aboutToShow, this,
            [menu] { qCInfo(lcWindow).noquote() << "menu" << menu->objectName() << "opened"; });
  }
}

void TMain::createToolBars() {
  ToolBar1 = addToolBar(QString());
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  addToolBarBreak();
  ToolBar2 = addToolBar(QString());
  ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
  for (QToolBar* bar : {ToolBar1, ToolBar2}) {
    bar->setIconSize(QSize(16, 16));
    bar->setMinimumHeight(22);
  }
  ToolBar1->setMovable(false);
  ToolBar2->setFloatable(true);
  ToolBar2->setMovable(true);
  ToolBar2->hide();  // shown in HTML mode only

  EnhancedEdit1 = new TEnhancedEdit(ToolBar1);
  EnhancedEdit1->setText(QStringLiteral("1"));
  EnhancedEdit1->setObjectName(QStringLiteral("EnhancedEdit1"));
  // Room for any line number the editor can reach; the box widens with
  // the document's line count.
  EnhancedEdit1->setMaxLength(10);
  fitLineNumberBox();
  EnhancedEdit1->setTextAlignment(TEnhancedEdit::RightJustify);
  EnhancedEdit1->setFocusPolicy(Qt::ClickFocus);

  HeaderComboBox = new QComboBox(ToolBar2);
  HeaderComboBox->setObjectName(QStringLiteral("HeaderComboBox"));
  HeaderComboBox->addItems(headingBoxItems());
  HeaderComboBox->setFixedWidth(81);

  // The line-number box stands between the dictionary and compile buttons,
  // the heading box first on the HTML bar.
  const ToolBarWidget widgets[] = {{ToolBar::Main, 12, EnhancedEdit1},
                                   {ToolBar::Html, 1, HeaderComboBox}};
  commands_->buildToolBar(*ToolBar1, ToolBar::Main, widgets);
  commands_->buildToolBar(*ToolBar2, ToolBar::Html, widgets);
  showCaptions();
}

void TMain::showCaptions() {
  commands_->showCaptions();
  const QStringList headings = headingBoxItems();
  for (int i = 0; i < headings.size(); ++i) HeaderComboBox->setItemText(i, headings[i]);
  ToolBar1->setWindowTitle(tr("Tool Bar"));
  ToolBar2->setWindowTitle(tr("Tool Bar for Making HTML"));
  // What a screen reader calls the window's fields.
  Editor->widget()->setAccessibleName(tr("Text"));
  LargeView->setAccessibleName(tr("Text"));
  CMsgWindow->setAccessibleName(tr("Messages"));
  CMsgWindow->setAccessibleDescription(tr("What the compiler or the page check reported; a double click on a line goes to the place it names."));
  EnhancedEdit1->setAccessibleName(tr("Line number"));
  EnhancedEdit1->setToolTip(tr("line number"));
  EnhancedEdit1->setAccessibleDescription(tr("Enter goes to the line typed here."));
  // On Linux a combo box is read by its value: the description says what it is.
  HeaderComboBox->setAccessibleName(tr("Heading"));
  HeaderComboBox->setAccessibleDescription(tr("Heading level of the caret's line"));
}

void TMain::createStatusBar() {
  QStatusBar* bar = statusBar();
  bar->setObjectName(QStringLiteral("StatusBar"));
  bar->setSizeGripEnabled(true);
  const int widths[2] = {500, 50};
  for (int i = 0; i < 2; ++i) {
    statusPanels_[i] = new QLabel(bar);
    statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    statusPanels_[i]->setFixedWidth(widths[i]);
    statusPanels_[i]->setFrameShape(QFrame::Panel);
    statusPanels_[i]->setFrameShadow(QFrame::Sunken);
    bar->addWidget(statusPanels_[i]);
  }
  ProgressBar = new QProgressBar(bar);
  ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
  ProgressBar->setRange(0, 100);
  ProgressBar->setValue(0);
  ProgressBar->setTextVisible(false);
  ProgressBar->setFixedSize(100, 16);
  bar->addWidget(ProgressBar);
  viewNote_ = new QLabel(bar);
  viewNote_->setObjectName(QStringLiteral("LargeFileNote"));
  viewNote_->hide();
  bar->addWidget(viewNote_);
}

void TMain::createTimers() {
  const struct {
    QTimer* timer;
    int interval;
    bool singleShot;
  } timers[] = {{&Timer1, 2000, false}, {&Timer2, 2000, true}, {&Timer3, 500, false},
                {&Timer4, 1000, true},  {&Timer5, 500, true}};
  for (const auto& t : timers) {
    t.timer->setInterval(t.interval);
    t.timer->setSingleShot(t.singleShot);
  }
  connect(&Timer1, &QTimer::timeout, this, &TMain::Timer1Timer);
  connect(&Timer2, &QTimer::timeout, this, &TMain::Timer2Timer);
  connect(&Timer3, &QTimer::timeout, this, &TMain::Timer3Timer);
}

QTimer& TMain::timer(int number) {
  QTimer* timers[] = {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5};
  return *timers[std::clamp(number, 1, 5) - 1];
}

const QTimer& TMain::timer(int number) const {
  const QTimer* timers[] = {&Timer1, &Timer2, &Timer3, &Timer4, &Timer5};
  return *timers[std::clamp(number, 1, 5) - 1];
}

QString TMain::statusText(int panel) const {
  return (panel == 0 || panel == 1) ? statusPanels_[panel]->text() : QString();
}

// Wide enough for the document's largest line number, and never narrower
// than three digits.
void TMain::fitLineNumberBox() {
  const int lines = Editor ? Editor->lineCount() : 1;
  EnhancedEdit1->fitToDigits(std::max({3, int(QString::number(lines).size()), int(EnhancedEdit1->text().size())}));
}

// Items are added below a separator as the list grows and keep their places;
// their captions follow the list.
void TMain::showRecentFiles() {
  QMenu* file = action(QStringLiteral("mmFile"))->menu();
  const QStringList captions = FileNameKeeper.captions();
  while (recentItems_.size() < std::size_t(captions.size())) {
    if (recentItems_.empty()) file->addSeparator()->setObjectName(QStringLiteral("FileNameKeeperSeparator"));
    QAction* item = file->addAction(QString());
    const int index = int(recentItems_.size());
    item->setObjectName(QStringLiteral("FileNameKeeper%1").arg(index + 1));
    connect(item, &QAction::triggered, this, [this, index] { FileNameKeeperSelect(FileNameKeeper.fullName(index)); });
    recentItems_.push_back(item);
  }
  for (std::size_t i = 0; i < recentItems_.size(); ++i) recentItems_[i]->setText(captions.value(int(i)));
}

// ---- EditingHost: the window's own widgets -----------------------------------------

int TMain::headingIndex() const { return HeaderComboBox->currentIndex(); }

void TMain::showHeadingIndex(int index) {
  const QSignalBlocker quiet(HeaderComboBox);
  HeaderComboBox->setCurrentIndex(index);
}

QString TMain::lineNumberText() const { return EnhancedEdit1->text(); }

void TMain::showLineNumber(const QString& text) {
  EnhancedEdit1->setText(text);
  fitLineNumberBox();
}

void TMain::resetProgressBar() { setProgress(0); }

void TMain::showPopupMenu(const QPoint& globalPosition) {
  PopupMenu1Popup();
  PopupMenu1->popup(globalPosition);
}

}  // namespace wrenpad
