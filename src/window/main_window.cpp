#include "window/main_window.h"

#include "colouring/tag_painter.h"
#include "editing/editing_context.h"
#include "editing/editing_tools.h"
#include "editing/editor_events.h"
#include "editing/enhanced_edit.h"
#include "html/html_commands.h"
#include "platform/qt_dialogs.h"
#include "window/about_box.h"
#include "app/command_line.h"
#include "window/doc_type_dialog.h"
#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "window/icons.h"
#include "app/instance_slot.h"
#include "window/interface_language.h"
#include "settings/settings_file.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLibraryInfo>
#include <QLoggingCategory>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace wrenpad {

// Window events worth tracing from outside: QT_LOGGING_RULES="wrenpad.window.info=true".
Q_LOGGING_CATEGORY(lcWindow, "wrenpad.window", QtWarningMsg)

namespace {

// Tool buttons of the two bars: object name, hint, the menu command they share.
struct ToolButtonRow {
  const char* name;
  const char* hint;
  const char* command;
};

// clang-format off
const ToolButtonRow kToolBar1[] = {
  {"tbNew", "New", "mmNew"},
  {"tbOpen", "Open", "mmOpen"},
  {"tbSaveAs", "Save As", "mmSaveAs"},
  {"tbPrint", "Print", "mmPrint"},
  {"-", "", ""},
  {"tbUndo", "Undo", "mmUndo"},
  {"tbCut", "Cut", "mmCut"},
  {"tbCopy", "Copy", "mmCopy"},
  {"tbPaste", "Paste", "mmPaste"},
  {"-", "", ""},
  {"tbFind", "Find", "mmFind"},
  {"tbReplace", "Replace", "mmReplace"},
  {"-", "", ""},
  {"tbRefer", "Refer dictionary", "mmRefer"},
  {"EnhancedEdit1", "line number", ""},
  {"tbCompile", "Compile and execute current program", "mmCompile_and_Execute"},
  {"tbInspector", "Putting a breakpoint and inspecting value of a variable.", "mmBreakPoint"},
  {"tbInputWizard", "Input Wizard", "mmInputWizard"},
};

const ToolButtonRow kToolBar2[] = {
  {"HeaderComboBox", "", ""},
  {"tbHTMLfont", "Font", "mmHTMLFont"},
  {"tbBold", "Bold", "mmBold"},
  {"tbItalic", "Italic", "mmItalic"},
  {"-", "", ""},
  {"tbBulletList", "Bullet List", "mmBulletList"},
  {"tbNumbering", "", "tbNumbering"},
  {"-", "", ""},
  {"tbCenter", "Center", "mmAlignCenter"},
  {"tbRight", "Right", "mmAlignRight"},
  {"-", "", ""},
  {"tbPicture", "Picture", "mmPicture"},
  {"tbLink", "Link", "mmLink"},
  {"tbTable", "Insert a Table", "mmTable"},
  {"tbCreateBox", "Create or edit a box", "mmCreateBox"},
  {"-", "", ""},
  {"tbRepaint", "Repaint", "mmRepaintTags"},
  {"tbBrowse", "Browse as WebPage", "mmDisplayAsWebPage"},
  {"-", "", ""},
  {"tbBR", "insert \"<BR>\" on pressing [Enter]", "mmBR"},
};
// clang-format on

// Buttons that stay down while their formatting applies at the caret.
bool isStateButton(const QString& name) {
  static const QStringList kStateButtons = {"tbBR", "tbBold", "tbItalic", "tbCenter", "tbRight"};
  return kStateButtons.contains(name);
}

template <std::size_t N>
void addToolButtons(QToolBar& bar, const ToolButtonRow (&rows)[N], const HandlerTable& handlers,
                    ActionTable& actions, const std::function<QWidget*(const QString&)>& widgetFor) {
  for (const ToolButtonRow& row : rows) {
    const QString name = QString::fromLatin1(row.name);
    if (name == u"-") {
      bar.addSeparator();
      continue;
    }
    if (QWidget* widget = widgetFor(name)) {
      actions.insert(name, bar.addWidget(widget));
      continue;
    }
    QAction* action = bar.addAction(toolIcon(name), QString::fromLatin1(row.hint));
    action->setObjectName(name);
    action->setToolTip(QString::fromUtf8(row.hint));
    action->setCheckable(isStateButton(name));
    const auto handler = handlers.constFind(QString::fromLatin1(row.command));
    action->setEnabled(handler != handlers.constEnd());
    if (handler != handlers.constEnd()) connectOwnedCheck(action, *handler);
    actions.insert(name, action);
  }
}

}  // namespace

TMain::TMain(const StartupOptions& options, Dialogs* dialogs)
    : ownDialogs_(dialogs ? nullptr : std::make_unique<QtDialogs>(this)),
      dialogs_(dialogs ? *dialogs : *ownDialogs_),
      paths_(options.paths),
      messages_(englishMessages()) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(QStringLiteral("Memo"));
  setWindowIcon(programIcon());
  QFont windowFont(kProportionalGothic);
  windowFont.setPointSize(9);
  setFont(windowFont);
  resize(746, 381);
  move(223, 120);
  createWidgets();
  documents_ = std::make_unique<DocumentCommands>(DocumentContext{
      *Editor, dialogs_, *this, document_, session_, settings_, messages_, japaneseInterface_});
  createSubsystems();
  const HandlerTable handlers = commandHandlers();
  buildMainMenu(*menuBar(), handlers, actions_);
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  buildPopupMenu(*PopupMenu1, handlers, actions_);
  createToolBars(handlers);
  createStatusBar();
  createTimers();
  connectEditorEvents();
  docType_ = new TDocType(this);
  aboutBox_ = new TAboutBox(this);
  FormCreate(options);
}

TMain::~TMain() {
  // The subsystems go before the widgets: no editor signal may reach them
  // while the widgets are taken down.
  disconnect(Editor, nullptr, this, nullptr);
  disconnect(HeaderComboBox, nullptr, this, nullptr);
  disconnect(EnhancedEdit1, nullptr, this, nullptr);
}

// ---- make-up ------------------------------------------------------------------

void TMain::createWidgets() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  Editor = new EditorControl(central);
  layout->addWidget(Editor->widget(), 1);
  CMsgWindow = new QPlainTextEdit(central);
  CMsgWindow->setObjectName(QStringLiteral("CMsgWindow"));
  CMsgWindow->setFixedHeight(77);
  CMsgWindow->setFocusPolicy(Qt::ClickFocus);
  CMsgWindow->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  CMsgWindow->hide();
  layout->addWidget(CMsgWindow);
  setCentralWidget(central);

  Editor->widget()->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(Editor->widget(), &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { showPopupMenu(Editor->widget()->mapToGlobal(at)); });
  connect(Editor, &EditorControl::textChanged, this, &TMain::EditorChange);
}

void TMain::createSubsystems() {
  painter_ = std::make_unique<TagPainter>(ColouringContext{
      *Editor, dialogs_, *this, document_, session_, settings_, messages_, colouring_});
  TagPainter* p = painter_.get();
  const auto paintSingleTag = [p](int from, int to) { p->PaintSingleTag(from, to); };
  EditingContext editing{*Editor, dialogs_, *this, document_, session_, settings_, messages_,
                         caretFlags_, paintSingleTag,
                         [this] { return colouring_.PageFontName; }};
  editorEvents_ = std::make_unique<EditorEvents>(editing);
  editingTools_ = std::make_unique<EditingTools>(editing);
  htmlCommands_ = std::make_unique<HtmlCommands>(HtmlContext{
      *Editor, dialogs_, *this, document_, settings_, caretFlags_, *editorEvents_, paintSingleTag,
      [p](int start, int finish) { p->PaintTagsInRange(start, finish, {0, 100}); }, {},
      [this] { return colouring_.EditorFontSize; }});
}

void TMain::connectEditorEvents() {
  EditorEvents* events = editorEvents_.get();
  connect(Editor, &EditorControl::keyDown, this, [events](KeyEventInfo& key) { events->EditorKeyDown(key); });
  connect(Editor, &EditorControl::keyUp, this, [events](KeyEventInfo& key) { events->EditorKeyUp(key); });
  connect(Editor, &EditorControl::mouseDown, this, [events] { events->EditorMouseDown(); });
  connect(Editor, &EditorControl::selectionChanged, this, [events] { events->EditorSelectionChange(); });
  connect(&Timer4, &QTimer::timeout, this, [this] { htmlCommands_->Timer4Timer(); });
  connect(&Timer5, &QTimer::timeout, this, [events] { events->Timer5Timer(); });
  connect(HeaderComboBox, &QComboBox::currentIndexChanged, this,
          [this] { htmlCommands_->HeaderComboBoxChange(); });
  connect(EnhancedEdit1, &TEnhancedEdit::keyUp, this,
          [this](int key) { editingTools_->EnhancedEdit1KeyUp(key); });
}

HandlerTable TMain::commandHandlers() {
  DocumentCommands* d = documents_.get();
  HtmlCommands* h = htmlCommands_.get();
  EditingTools* t = editingTools_.get();
  return {
      {"mmNew", [d] { d->mmNewClick(); }},
      {"mmOpen", [d] { d->mmOpenClick(); }},
      {"mmSave", [d] { d->mmSaveClick(); }},
      {"mmSaveAs", [d] { d->mmSaveAsClick(); }},
      {"mmSetDefaultFolder", [d] { d->mmSetDefaultFolderClick(); }},
      {"mmRenameAsTopLine", [d] { d->mmRenameAsTopLineClick(); }},
      {"mmPrinterSetup", [d] { d->mmPrinterSetupClick(); }},
      {"mmPrint", [d] { d->mmPrintClick(); }},
      {"mmExit", [this] { mmExitClick(); }},
      {"mmCut", [d] { d->mmCutClick(); }},
      {"mmCopy", [d] { d->mmCopyClick(); }},
      {"mmPaste", [d] { d->pmPasteClick(); }},
      {"mmSelectAll", [d] { d->mmSelectAllClick(); }},
      {"mmFont", [d] { d->mmFontClick(); }},
      {"mmAutoFileRenamer", [d] { d->mmAutoFileRenamerClick(); }},
      {"mmSelectDefaultFolder", [d] { d->mmSelectDefaultFolderClick(); }},
      {"mmAbout", [this] { mmAboutClick(); }},
      {"mmRepaintTags", [this] { painter_->mmRepaintTagsClick(); }},
      {"mmBold", [h] { h->mmBoldClick(); }},
      {"mmItalic", [h] { h->mmItalicClick(); }},
      {"mmUnderline", [h] { h->mmUnderlineClick(); }},
      {"mmSubscript", [h] { h->mmSubscriptClick(); }},
      {"mmSuperscript", [h] { h->mmSuperscriptClick(); }},
      {"mmAlignLeft", [h] { h->mmAlignLeftClick(); }},
      {"mmAlignCenter", [h] { h->mmAlignCenterClick(); }},
      {"mmAlignRight", [h] { h->mmAlignRightClick(); }},
      {"mmCommentize", [h] { h->mmCommentizeClick(); }},
      {"mmBR", [h] { h->mmBRClick(); }},
      {"mmBackGroundColor", [h] { h->mmBackGroundColorClick(); }},
      {"mmBulletList", [h] { h->tbInsertListClick(ListKind::Bullet); }},
      {"tbNumbering", [h] { h->tbInsertListClick(ListKind::Numbered); }},
      {"mmCount", [t] { t->mmCountClick(); }},
      {"mmTabWidth", [t] { t->mmTabWidthClick(); }},
      {"mmAutoRepaint", [this] { painter_->mmAutoRepaintClick(); }},
      {"English", [this] { EnglishClick(); }},
      {"mmSJIS", [this] { mmSJISClick(); }},
      {"mmEUC", [this] { mmEUCClick(); }},
      {"Japanese", [this] { JapaneseClick(); }},
      {"pmCut", [d] { d->mmCutClick(); }},
      {"pmCopy", [d] { d->mmCopyClick(); }},
      {"pmPaste", [d] { d->pmPasteClick(); }},
      {"pmSelectAll", [d] { d->mmSelectAllClick(); }},
      {"pmSaveAndExit", [this] { pmSaveAndExitClick(); }},
  };
}

void TMain::createToolBars(const HandlerTable& handlers) {
  ToolBar1 = addToolBar(QStringLiteral("ToolBar1"));
  ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
  addToolBarBreak();
  ToolBar2 = addToolBar(QStringLiteral("Tool Bar for Making HTML"));
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
  EnhancedEdit1->setToolTip(QStringLiteral("line number"));
  EnhancedEdit1->setFixedWidth(32);
  EnhancedEdit1->setMaxLength(3);
  EnhancedEdit1->setTextAlignment(TEnhancedEdit::RightJustify);
  EnhancedEdit1->setFocusPolicy(Qt::ClickFocus);

  HeaderComboBox = new QComboBox(ToolBar2);
  HeaderComboBox->setObjectName(QStringLiteral("HeaderComboBox"));
  HeaderComboBox->addItems({QStringLiteral("Normal"), QStringLiteral("Heading 1"),
                            QStringLiteral("Heading 2"), QStringLiteral("Heading 3"),
                            QStringLiteral("Heading 4"), QStringLiteral("Heading 5")});
  HeaderComboBox->setFixedWidth(81);

  const auto widgetFor = [this](const QString& name) -> QWidget* {
    if (name == u"EnhancedEdit1") return EnhancedEdit1;
    if (name == u"HeaderComboBox") return HeaderComboBox;
    return nullptr;
  };
  addToolButtons(*ToolBar1, kToolBar1, handlers, actions_, widgetFor);
  addToolButtons(*ToolBar2, kToolBar2, handlers, actions_, widgetFor);
  setItemChecked(QStringLiteral("tbBR"), true);
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

// ---- start-up -----------------------------------------------------------------

void TMain::FormCreate(const StartupOptions& options) {
  ApplicationFolder = paths_.applicationFolder;
  document_.CurrentFolder = ApplicationFolder;
  handleCommandLine(options);
  readSettingsFile();
  if (!isItemChecked("mmEUC")) setItemChecked("mmSJIS", true);
  session_.UndoCount = 0;
  StartupOpenPending = false;
  action(QStringLiteral("mmSuperscript"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Up));
  action(QStringLiteral("mmSubscript"))->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Down));
  session_.ChangeWatch = true;
  InstanceSlot = claimInstanceSlot(paths_.instanceFileFolder(), QDateTime::currentDateTime());
}

void TMain::handleCommandLine(const StartupOptions& options) {
  if (options.arguments.isEmpty()) {
    documents_->SetDocumentTitle(kUntitledName);
    return;
  }
  CommandLineFile = resolveCommandLineFile(joinCommandLine(options.arguments),
                                           options.workingFolder);
  documents_->SetDocumentTitle(bareFileName(CommandLineFile));
  document_.LastExtension = extensionOf(CommandLineFile);
  document_.CurrentFolder = folderOf(CommandLineFile);
}

// ---- settings file ------------------------------------------------------------

void TMain::readSettingsFile() {
  settingsPath_ = settingsFilePath(paths_.executablePath, paths_.applicationFolderWritable,
                                   paths_.configFolder);
  QString error;
  const IniFile ini = IniFile::load(settingsPath_, &error);
  if (!error.isEmpty()) qWarning().noquote() << "Wrenpad: settings not read:" << error;
  const QScreen* screen = QGuiApplication::primaryScreen();
  SettingsReadContext context;
  context.applicationFolder = ApplicationFolder;
  context.commandLineFolder = CommandLineFile.isEmpty() ? QString() : folderOf(CommandLineFile);
  context.screenSize = screen ? screen->size() : QSize(1024, 768);
  settings_ = readSettings(ini, context);
  colouring_ = colouringStateFrom(settings_);
  applySettings();
}

void TMain::applySettings() {
  const Settings& s = settings_;
  EditorFont font = Editor->defaultFont();
  font.sizePoints = std::max<int>(1, s.FontSize);
  Editor->setDefaultFont(font);
  document_.CurrentFolder = s.IniPath;
  document_.DefaultFolder = s.DefaultFolder;
  document_.LastExtension = s.LastExtension;
  setItemChecked("mmAutoRepaint", s.AutoRepaint);
  Editor->setBackground(QColor(s.BGColor & 0xFF, (s.BGColor >> 8) & 0xFF, (s.BGColor >> 16) & 0xFF));
  setItemChecked("Japanese", s.Jpn);
  setItemChecked("English", false);
  setItemChecked("mmEUC", s.EUC);
  setItemChecked("mmBR", s.AutoBR);
  setItemChecked("tbBR", s.AutoBR);
  setItemChecked("mmEnableMultiUndo", s.MultiUndo);
  applyWindowBounds();
}

void TMain::applyWindowBounds() {
  // Height and width come before top and left: their defaults centre the
  // window just sized. A position off every screen is brought back.
  QList<QRect> screens;
  if (const QScreen* primary = QGuiApplication::primaryScreen())
    screens << primary->availableGeometry();
  for (const QScreen* screen : QGuiApplication::screens())
    if (screen != QGuiApplication::primaryScreen()) screens << screen->availableGeometry();
  QRect bounds(settings_.Left, settings_.Top, settings_.Width, settings_.Height);
  if (!screens.isEmpty()) bounds = bringOnScreen(bounds, screens);
  resize(bounds.size());
  move(bounds.topLeft());
}

Settings TMain::collectSettings() const {
  Settings s = settings_;
  s.FontSize = static_cast<std::int8_t>(std::clamp(Editor->defaultFont().sizePoints, -128, 127));
  s.IniPath = document_.CurrentFolder;
  s.DefaultFolder = document_.DefaultFolder;
  s.LastExtension = document_.LastExtension;
  s.AutoRepaint = isItemChecked("mmAutoRepaint");
  s.AutoBR = isItemChecked("mmBR");
  s.EUC = isItemChecked("mmEUC");
  s.Jpn = isItemChecked("Japanese");
  s.MultiUndo = isItemChecked("mmEnableMultiUndo");
  const QColor background = Editor->background();
  s.BGColor = std::uint32_t(background.red()) | (std::uint32_t(background.green()) << 8) |
              (std::uint32_t(background.blue()) << 16);
  s.Height = height();
  s.Width = width();
  s.Top = pos().y();
  s.Left = pos().x();
  return s;
}

void TMain::writeSettingsFile() {
  // Read again: keys another instance or another part wrote meanwhile stay.
  IniFile ini = IniFile::load(settingsPath_);
  writeSettings(ini, collectSettings());
  QString error;
  if (!ini.save(settingsPath_, &error))
    qWarning().noquote() << "Wrenpad: settings not saved:" << error;
}

// ---- interface language ------------------------------------------------------------

void TMain::ApplyInterfaceLanguage() {
  japaneseInterface_ = isItemChecked("Japanese");
  if (japaneseInterface_) {
    applyJapaneseCaptions(actions_, HeaderComboBox);
    // Qt's message-box buttons and file dialogs speak Japanese too, when its
    // translations are installed.
    if (qtTranslator_.load(QStringLiteral("qtbase_ja"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      QCoreApplication::installTranslator(&qtTranslator_);
  }
  messages_ = messagesFor(japaneseInterface_);
}

// The output kanji code: Shift-JIS and EUC-JP, one of them checked.
void TMain::mmSJISClick() {
  setItemChecked("mmSJIS", true);
  setItemChecked("mmEUC", false);
}

void TMain::mmEUCClick() {
  setItemChecked("mmEUC", true);
  setItemChecked("mmSJIS", false);
}

void TMain::EnglishClick() {
  dialogs_.showMessage(kApplicationTitle, kRestartToChangeLanguage);
  setItemChecked("Japanese", false);
  setItemChecked("English", true);
}

void TMain::JapaneseClick() {
  dialogs_.showMessage(kApplicationTitle, kRestartToChangeLanguage);
  setItemChecked("Japanese", true);
  setItemChecked("English", false);
}

void TMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TMain::FormShow() {
  ApplyInterfaceLanguage();
  SelectProgramMode();
  if (!CommandLineFile.isEmpty()) {
    StartupOpenPending = true;
    Timer1.start();
  }
  showCurrentFolder();
  Editor->setFocus();
}

void TMain::Timer1Timer() {
  if (!StartupOpenPending) return;
  Timer1.stop();
  const bool loaded = documents_->LoadDocument(CommandLineFile);
  if (!loaded) {
    // The named file could not be read: an empty untitled document remains.
    documents_->SetDocumentTitle(kUntitledName);
  }
  qCInfo(lcWindow).noquote() << (loaded ? "loaded" : "failed to load") << CommandLineFile;
  StartupOpenPending = false;
  showCurrentFolder();
}

// ---- editing state --------------------------------------------------------------

void TMain::EditorChange() { editorEvents_->EditorChange(); }

void TMain::Timer2Timer() {
  Timer2.stop();
  // Snapshots are not written yet; the count still tells the closing
  // question whether the document has changed since it was loaded.
  if (!settings_.MultiUndo)
    session_.UndoCount = 1;
  else
    session_.UndoCount = std::min(session_.UndoCount + 1, 10);
}

void TMain::PopupMenu1Popup() { editorEvents_->PopupMenu1Popup(); }

// ---- commands of the window itself --------------------------------------------------

void TMain::mmExitClick() { close(); }

void TMain::pmSaveAndExitClick() {
  documents_->mmSaveClick();
  mmExitClick();
}

void TMain::mmAboutClick() {
  aboutBox_->ProductName->setText(QStringLiteral("  Wrenpad"));
  aboutBox_->Version->setText(QStringLiteral("      Version 1.1.2"));
  dialogs_.showForm(*aboutBox_);
}

// ---- shut-down -------------------------------------------------------------------

void TMain::closeEvent(QCloseEvent* event) {
  if (closeConfirmed_ || FormClose()) {
    event->accept();
  } else {
    event->ignore();
  }
}

bool TMain::FormClose() {
  if (Editor->isModified() && session_.UndoCount >= 1) {
    const QString question = formatMessage(messages_.MsgSaveChanges, document_.CurrentFileName);
    const Answer answer = dialogs_.askYesNoCancel(kApplicationTitle, question);
    if (answer == Answer::Cancel) return false;
    // A save that did not happen keeps the window, so nothing is lost.
    if (answer == Answer::Yes && !documents_->mmSaveAsClick()) return false;
  }
  writeSettingsFile();
  QFile::remove(instanceMarkerFile());
  closeConfirmed_ = true;
  return true;
}

QString TMain::instanceMarkerFile() const {
  return instanceMarkerPath(paths_.instanceFileFolder(), InstanceSlot);
}

// ---- DocumentHost ------------------------------------------------------------------

void TMain::setWindowCaption(const QString& caption) {
  setWindowTitle(caption);
  qCInfo(lcWindow).noquote() << "title" << caption;
}

void TMain::showCurrentFolder() {
  statusPanels_[0]->setText(messages_.MsgCurrentFolder + document_.CurrentFolder);
}

void TMain::SelectProgramMode() {
  if (!isProgramFile(document_.CurrentFileName)) return;
  document_.DocumentMode = kProgramMode;
  Editor->setPlainTextMode(true);
  painter_->SwitchOffForLargeFile(documentFileSize());
}

void TMain::SetWebPageMode(bool on) {
  if (on) document_.DocumentMode = kHtmlMode;
  Editor->setPlainTextMode(!on);
  setHtmlToolBarVisible(on);
  if (on) painter_->WebPageModeOn(documentFileSize());
}

// Size of the document's file on disk; 0 for a document not yet saved.
qint64 TMain::documentFileSize() const {
  const QString& name = document_.CurrentFileName;
  return folderOf(name).isEmpty() ? 0 : QFileInfo(name).size();
}

void TMain::paintTags(int start, int finish) {
  if (document_.DocumentMode != kHtmlMode) return;
  painter_->PaintTagsInRange(start, finish, {0, 100});
  setProgress(0);
}

void TMain::setEditorFontSize(int points) { colouring_.EditorFontSize = points; }

// ---- ColouringHost -------------------------------------------------------------------

bool TMain::autoRepaint() const { return isItemChecked("mmAutoRepaint"); }

void TMain::setAutoRepaint(bool on) { setItemChecked("mmAutoRepaint", on); }

void TMain::setProgress(int value) {
  ProgressBar->setValue(value);
  ProgressBar->repaint();
}

void TMain::showWaitCursor(bool on) {
  if (on)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void TMain::setHtmlToolBarVisible(bool visible) { ToolBar2->setVisible(visible); }

bool TMain::autoFileNaming() const {
  return isItemChecked(QStringLiteral("mmAutoFileRenamer"));
}

void TMain::setAutoFileNaming(bool on) {
  setItemChecked(QStringLiteral("mmAutoFileRenamer"), on);
}

bool TMain::outputIsEuc() const { return isItemChecked(QStringLiteral("mmEUC")); }

void TMain::startUndoTimer() { Timer2.start(); }

void TMain::processPendingEvents() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int TMain::askDocumentType(int& chosenItem) {
  docType_->setTexts(japaneseInterface_, settings_.PL);
  // Pages and programs are made by commands that are not built yet.
  docType_->setItemEnabled(1, false);
  docType_->setItemEnabled(2, false);
  if (docType_->itemIndex() != 0) docType_->setItemIndex(0);
  const int result = dialogs_.showForm(*docType_);
  chosenItem = docType_->itemIndex();
  return result;
}

// ---- EditingHost -------------------------------------------------------------------

bool TMain::isItemChecked(const QString& name) const {
  const QAction* item = actions_.value(name);
  return item && item->isChecked();
}

void TMain::setItemChecked(const QString& name, bool checked) {
  if (QAction* item = actions_.value(name)) item->setChecked(checked);
}

void TMain::setItemEnabled(const QString& name, bool enabled) {
  if (QAction* item = actions_.value(name)) item->setEnabled(enabled);
}

void TMain::setItemVisible(const QString& name, bool visible) {
  if (QAction* item = actions_.value(name)) item->setVisible(visible);
}

int TMain::headingIndex() const { return HeaderComboBox->currentIndex(); }

void TMain::showHeadingIndex(int index) {
  const QSignalBlocker quiet(HeaderComboBox);
  HeaderComboBox->setCurrentIndex(index);
}

QString TMain::lineNumberText() const { return EnhancedEdit1->text(); }

void TMain::showLineNumber(const QString& text) { EnhancedEdit1->setText(text); }

void TMain::startWindowTimer(int number) { timer(number).start(); }

void TMain::stopWindowTimer(int number) { timer(number).stop(); }

bool TMain::isWindowTimerRunning(int number) const { return timer(number).isActive(); }

void TMain::resetProgressBar() { setProgress(0); }

void TMain::showPopupMenu(const QPoint& globalPosition) {
  PopupMenu1Popup();
  PopupMenu1->popup(globalPosition);
}

}  // namespace wrenpad
