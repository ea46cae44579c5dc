#include "window/main_window.h"

#include "programming/tool_profile.h"

#include "colouring/tag_painter.h"
#include "editing/editing_context.h"
#include "editing/editing_tools.h"
#include "editing/editor_events.h"
#include "editing/find_replace.h"
#include "editing/macro_replace.h"
#include "editing/template_commands.h"
#include "programming/snippet_commands.h"
#include "page/page_settings.h"
#include "html/font_command.h"
#include "html/link_command.h"
#include "html/table_command.h"
#include "html/form_commands.h"
#include "html/text_to_html.h"
#include "page/box_command.h"
#include "editing/dictionary.h"
#include "documents/shell_integration.h"
#include "html/forms/table_dialog.h"
#include "html/forms/image_property.h"
#include "page/picture_info.h"
#include "page/preview/browser_window.h"
#include "page/preview/page_preview.h"
#include "editing/link_target.h"
#include "html/forms/html_font_dialog.h"
#include "editing/enhanced_edit.h"
#include "html/html_commands.h"
#include "platform/program_launcher.h"
#include "platform/qt_dialogs.h"
#include "window/about_box.h"
#include "app/command_line.h"
#include "window/doc_type_dialog.h"
#include "documents/document_commands.h"
#include "documents/file_access.h"
#include "files/private_files.h"
#include "documents/undo_commands.h"
#include "documents/recovery.h"
#include "app/termination_signals.h"
#include "colouring/paint_guards.h"
#include "language/interface_language.h"
#include "editor/editor_control.h"
#include "window/command_actions.h"
#include "window/icons.h"
#include "window/keys_before_load.h"
#include "app/instance_slot.h"
#include "settings/settings_file.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFontDatabase>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QLoggingCategory>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

namespace wrenpad {

// Window events worth tracing from outside: QT_LOGGING_RULES="wrenpad.window.info=true".
Q_LOGGING_CATEGORY(lcWindow, "wrenpad.window", QtWarningMsg)

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
  createMenus();
  createToolBars();
  createStatusBar();
  createTimers();
  connectEditorEvents();
  createHelpAndTools();
  docType_ = new TDocType(this);
  aboutBox_ = new TAboutBox(this);
  FormCreate(options);
  showCommandStates();
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
  painter_ = std::make_unique<TagPainter>(ColouringContext{
      *Editor, dialogs_, *this, document_, session_, settings_, messages_, colouring_});
  programPainter_ = std::make_unique<ProgramPainter>(ColouringContext{
      *Editor, dialogs_, *this, document_, session_, settings_, messages_, colouring_});
  TagPainter* p = painter_.get();
  const auto paintSingleTag = [p](int from, int to) { p->PaintSingleTag(from, to); };
  EditingContext editing{*Editor, dialogs_, *this, document_, session_, settings_, messages_,
                         caretFlags_, marks_, paintSingleTag,
                         [this] { return colouring_.PageFontName; },
                         [this] { return colouring_.EditorFontSize; }};
  editorEvents_ = std::make_unique<EditorEvents>(editing);
  editingTools_ = std::make_unique<EditingTools>(editing);
  ProgramPainter* programs = programPainter_.get();
  editorEvents_->setProgramColouring([programs] { programs->PaintAfterKey(); },
                                     [programs] { programs->PaintScriptLineAtCaret(); });
  htmlCommands_ = std::make_unique<HtmlCommands>(HtmlContext{
      *Editor, dialogs_, *this, document_, settings_, caretFlags_, marks_, *editorEvents_,
      paintSingleTag,
      [p](int start, int finish) { p->PaintTagsInRange(start, finish, {0, 100}); },
      [p](int start, int finish) { p->RenderWebFormats(start, finish); },
      [this] { return colouring_.EditorFontSize; }});
  programs_ = std::make_unique<ProgramCommands>(ProgramContext{
      *Editor, dialogs_, *this, document_, settings_, japaneseInterface_, *CMsgWindow, *editingTools_,
      Timer1, Timer3, [this] { return documents_->mmSaveClick(); }, CurrentToolProfile()});
  find_ = std::make_unique<FindReplace>(FindReplaceContext{
      *Editor, dialogs_, japaneseInterface_,
      [this](bool on) { setPasteShortcut(on); }, [this] { recolourWholeText(); }});
  macros_ = std::make_unique<MacroReplace>(MacroReplaceContext{
      *Editor, dialogs_, settings_, japaneseInterface_, [this](bool on) { setPasteShortcut(on); },
      [this] { recolourWholeText(); }, listFolders()});
  templates_ = std::make_unique<TemplateCommands>(TemplateContext{
      *Editor, dialogs_, document_, settings_, japaneseInterface_, listFolders(), listFolders().value(0),
      [this](int from, int to) { paintTags(from, to); }});
  templates_->LoadTemplateList();
  snippets_ = std::make_unique<SnippetCommands>(SnippetContext{
      *Editor, dialogs_, document_, session_, settings_, japaneseInterface_, *documents_,
      [this](int from, int to) { programPainter_->PaintProgramRange(from, to); }, [this] { SelectProgramMode(); },
      listFolders(), paths_.applicationFolder});
  createPageSettings();
  connect(CMsgWindow, &MessagePane::lineDoubleClicked, this, [this] { programs_->CMsgWindowDblClick(); });
  connect(CMsgWindow, &MessagePane::clicked, this, [this] { programs_->CMsgWindowClick(); });
}

void TMain::createPageSettings() {
  // The faces the font choices offer: the screen's, read once at start.
  const QStringList screenFonts = QFontDatabase::families();
  htmlFontDialog_ = new THtmlFontDialog(this);
  htmlFontDialog_->setColourChooser([this](const QColor& initial) { return dialogs_.chooseColor(initial); });
  TagPainter* p = painter_.get();
  fontCommand_ = std::make_unique<FontCommand>(FontCommandContext{
      *Editor, dialogs_, document_, session_, settings_, colouring_, *htmlFontDialog_,
      [screenFonts] { return screenFonts; }, [p](int from, int to) { p->PaintSingleTag(from, to); },
      [p](int start, int finish) { p->PaintTagsInRange(start, finish, {0, 100}); },
      [p](int start, int finish) { p->RenderWebFormats(start, finish); },
      [this](int value) { setProgress(value); }});
  createLinkCommand();
  createPagePreview();
  tableDialog_ = new TTableDialog(this);
  tableDialog_->setColourChooser([this](const QColor& initial) { return dialogs_.chooseColor(initial); });
  tables_ = std::make_unique<TableCommand>(TableCommandContext{
      *Editor, dialogs_, document_, session_, settings_, colouring_, *tableDialog_, japaneseInterface_,
      [screenFonts] { return screenFonts; },
      [p](int start, int finish) {
        p->PlainRange(start, finish);
        p->PaintTagsInRange(start, finish, {0, 100});
      },
      [this](int value) { setProgress(value); }});
  pageSettingForm_ = new THtmlPageSetting(this);
  pageSettingForm_->setColourChooser([this](const QColor& initial) { return dialogs_.chooseColor(initial); });
  pageSettingForm_->setPictureChooser([this] { return choosePagePicture(); });
  pageSettings_ = std::make_unique<PageSettings>(PageSettingsContext{
      *Editor, dialogs_, document_, settings_, colouring_, japaneseInterface_, *pageSettingForm_,
      [screenFonts] { return screenFonts; }, [this] { painter_->mmRepaintTagsClick(); }});
  createPageForms(screenFonts);
}

void TMain::createLinkCommand() {
  linkDialog_ = new TLinkDialog(this);
  pictureDialog_ = new TImageProperty(this);
  linkDialog_->setFileChooser([this] {
    FileDialogRequest request;
    request.folder = document_.CurrentFolder;
    request.filters = {QStringLiteral("Text File (*.txt *.in *.out *.dat *.prn *.gpr *.smp *.c *.cpp)"),
                       QStringLiteral("HTML File(*.htm, *.html) (*.htm *.html)"),
                       QStringLiteral("Graphic File (*bmp, *.jpg, *.png, *.gif) (*.bmp *.jpg *.png *.gif)"),
                       QStringLiteral("All (*)")};
    request.filterIndex = 1;
    const OpenFileChoice choice = dialogs_.chooseFileToOpen(request);
    return choice.path.isEmpty() ? QString() : RelativePath(document_.CurrentFolder, choice.path);
  });
  TagPainter* p = painter_.get();
  links_ = std::make_unique<LinkCommand>(LinkCommandContext{
      *Editor, dialogs_, document_, japaneseInterface_, *linkDialog_,
      [] { return QApplication::clipboard()->text(); },
      [p](int start, int finish) { p->PaintTagsInRange(start, finish, {0, 100}); },
      [p](int from, int to) { p->PaintSingleTag(from, to); }, [this](int value) { setProgress(value); },
      [this] { return caretFlags_.LinkTarget; },
      [this](const QString& fileName) { QProcess::startDetached(paths_.executablePath, {fileName}, ApplicationFolder); },
      *pictureDialog_, [this] { return choosePicture(); }, [this](const QString& fileName) { return loadPicture(fileName, japaneseInterface_); }});
}

void TMain::createPagePreview() {
  browsers_ = std::make_unique<BrowserWindows>();
  launcher_ = std::make_unique<ProgramLauncher>();
  preview_ = std::make_unique<PagePreview>(
      PreviewContext{*Editor, dialogs_, *this, document_, settings_, japaneseInterface_, *documents_,
                     [this](const ProgramCall& call, std::function<void(int)> failed) {
                       return launcher_->start(call.program, call.arguments, std::move(failed));
                     },
                     [](const QString& name) { return QStandardPaths::findExecutable(name); },
                     QDir(QDir::tempPath()).filePath(
                         QStringLiteral("wrenpad-preview-%1").arg(QCoreApplication::applicationPid()))},
      *browsers_);
  browsers_->closed = [this] { preview_->previewClosed(); };
  browsers_->previewFile = [this] { return preview_->previewFile(); };
}

// The whole page again with the rendering just switched, colouring on.
void TMain::repaintWithRendering() {
  if (!settings_.AutoRepaint) painter_->mmAutoRepaintClick();
  painter_->mmRepaintTagsClick();
}

// A picture for the page, started in the document's folder.
QString TMain::choosePicture() {
  FileDialogRequest request;
  request.folder = folderOf(document_.CurrentFileName).isEmpty() ? document_.CurrentFolder
                                                                  : folderOf(document_.CurrentFileName);
  request.filters = {QStringLiteral("JPEG (*.jpg), Portable Network Graphics(*.png), Windows Metafile(*.wmf, *.emf), "
                                    "BitMap(*.bmp) (*.jpg *.jpeg *.png *.emf *.wmf *.bmp)"),
                     QStringLiteral("GIF(*.gif) (*.gif)")};
  return dialogs_.chooseFileToOpen(request).path;
}

LoadedPicture TMain::loadPicture(const QString& fileName, bool japanese) {
  const PictureInfo info = LoadPicture(fileName, japanese);
  LoadedPicture loaded{info.preview, std::nullopt, info.problem};
  if (info.size) loaded.size = std::pair(info.size->width, info.size->height);
  return loaded;
}

// A background picture for the page, as the path the page names it by:
// relative to the page's folder.
QString TMain::choosePagePicture() {
  FileDialogRequest request;
  request.title = QStringLiteral("GIF file cannot be browsed here.");
  request.folder = document_.CurrentFolder;
  request.filters = {QStringLiteral("JPEG (*.jpg)"), QStringLiteral("GIF(*.gif)")};
  const OpenFileChoice choice = dialogs_.chooseFileToOpen(request);
  if (choice.path.isEmpty()) return QString();
  return RelativePath(document_.CurrentFolder, choice.path);
}

void TMain::readPageSettings(const QString& text) {
  if (document_.DocumentMode == kHtmlMode) pageSettings_->ReadPage(text);
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

// Every menu item and tool button comes here: the handler of its row runs,
// then the items show what the command changed.
void TMain::runCommand(const CommandRow& row) {
  if (StartupOpenPending) Timer1Timer();
  row.run(*this);
  showCommandStates();
}

QAction* TMain::action(const QString& name) const { return commands_->action(name); }

void TMain::createToolBars() {
  ToolBar1 = addToolBar(QStringLiteral("Tool Bar"));
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
  // Room for any line number the editor can reach; the box widens with
  // the document's line count.
  EnhancedEdit1->setMaxLength(10);
  fitLineNumberBox();
  EnhancedEdit1->setTextAlignment(TEnhancedEdit::RightJustify);
  EnhancedEdit1->setFocusPolicy(Qt::ClickFocus);

  HeaderComboBox = new QComboBox(ToolBar2);
  HeaderComboBox->setObjectName(QStringLiteral("HeaderComboBox"));
  for (const HeadingBoxItem& item : headingBoxItems())
    HeaderComboBox->addItem(QString::fromUtf8(item.english));
  HeaderComboBox->setFixedWidth(81);

  // The line-number box stands between the dictionary and compile buttons,
  // the heading box first on the HTML bar.
  const ToolBarWidget widgets[] = {{ToolBar::Main, 12, EnhancedEdit1},
                                   {ToolBar::Html, 1, HeaderComboBox}};
  commands_->buildToolBar(*ToolBar1, ToolBar::Main, widgets);
  commands_->buildToolBar(*ToolBar2, ToolBar::Html, widgets);
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

// ---- start-up -----------------------------------------------------------------

void TMain::FormCreate(const StartupOptions& options) {
  ApplicationFolder = paths_.applicationFolder;
  document_.CurrentFolder = ApplicationFolder;
  handleCommandLine(options);
  readSettingsFile();
  keepSaveJournal();
  StartUndoSeries(session_);
  StartupOpenPending = false;
  session_.ChangeWatch = true;
  // A slot whose gone run left work to offer is kept back until it is offered.
  const QString instanceFolder = paths_.instanceFileFolder();
  instanceLock_ = claimInstanceSlot(instanceFolder, QDateTime::currentDateTime(), [&instanceFolder](int slot) {
    return QFileInfo::exists(DocumentNameFile(instanceFolder, slot));
  });
  InstanceSlot = instanceLock_.slot();
  connect(&TerminationSignals::install(), &TerminationSignals::requested, this, [this] { keepWorkAndEnd(); });
  undo_ = std::make_unique<UndoCommands>(
      UndoContext{*Editor, dialogs_, document_, session_, settings_, japaneseInterface_,
                  [this] { recolourAfterRestore(); },
                  [this](const QString& name) {
                    SetWebPageMode(false);
                    documents_->SetDocumentTitle(name);
                  },
                  [this] { Timer2.stop(); }},
      paths_.instanceFileFolder(), InstanceSlot);
}

// Saves note what they write beside the instance markers; half-written files
// and temporary folders of ours that gone runs left are removed.
void TMain::keepSaveJournal() {
  files::setSaveJournalFolder(paths_.instanceFileFolder());
  files::removeLeftOverTemporaries(paths_.instanceFileFolder());
  files::removeLeftOverTemporaries(QFileInfo(settingsPath_).absolutePath());
  TestServer::removeLeftOvers();
}

// A run killed while it wrote a file in place may have left the file half
// new, half old; the copy of its old bytes is offered back.
void TMain::offerInterruptedSaves() {
  for (const files::InterruptedSave& save : files::findInterruptedSaves()) {
    const QString question =
        japaneseInterface_
            ? QStringLiteral("Wrenpadは\"%1\"を保存している途中で終了したため、ファイルが途中まで書き換えられている"
                             "おそれがあります。\n保存する前の内容は\"%2\"に残っています。\nその内容をファイルに戻しますか？"
                             "（「いいえ」ではファイルをそのままにし、コピーを残します。「キャンセル」では次回の起動時にもう一度尋ねます）")
            : QStringLiteral("Wrenpad was stopped while it was saving \"%1\", so the file may be half written.\n"
                             "Its content from before that save is kept in \"%2\".\nPut that content back into "
                             "the file? (No leaves the file as it is and keeps the copy; Cancel asks again at "
                             "the next start.)");
    const Answer answer = dialogs_.askYesNoCancel(kApplicationTitle, question.arg(save.target, save.backup));
    if (answer == Answer::No) files::forgetInterruptedSave(save);
    if (answer != Answer::Yes) continue;
    if (const files::Failure failure = files::restoreInterruptedSave(save); failure.failed())
      dialogs_.showError(kApplicationTitle,
                         (japaneseInterface_ ? QStringLiteral("\"%1\"を元に戻せませんでした。")
                                             : QStringLiteral("\"%1\" could not be put back.")).arg(save.target) +
                             u'\n' + files::describe(failure, japaneseInterface_));
  }
}

void TMain::offerRecovery() {
  const QString folder = paths_.instanceFileFolder();
  const std::vector<RecoveryOffer> offers = FindRecoveryOffers(folder, 999, [this, &folder](int slot) {
    return slot == InstanceSlot || InstanceSlotIsLive(folder, slot);
  });
  for (const RecoveryOffer& offer : offers) {
    // Another instance started at the same time may be asking about it.
    const RecoveryClaim claim(folder, offer.slot);
    if (!claim.held()) continue;
    const Answer answer = dialogs_.askYesNoCancel(kApplicationTitle, RecoveryQuestion(offer, japaneseInterface_));
    // The old files go once the text is shown and kept as this run's own.
    if (answer == Answer::Yes && recoverFrom(offer) && undo_->keepRecoveredWork())
      RemoveRecoveryFiles(folder, offer.slot);
    if (answer != Answer::No) return;
    const QString keep = japaneseInterface_
                             ? QStringLiteral("残っている文書を次回の起動のために残しますか？（「いいえ」で削除します）")
                             : QStringLiteral("Keep the text for the next start? (No deletes it.)");
    if (dialogs_.askYesNoCancel(kApplicationTitle, keep) == Answer::No) RemoveRecoveryFiles(folder, offer.slot);
    return;
  }
}

// The kept text opens as a modified document under its old name. When it
// cannot be read or shown the user is told, and its files stay.
bool TMain::recoverFrom(const RecoveryOffer& offer) {
  const std::optional<QByteArray> bytes = UndoSnapshots::readFile(offer.snapshot);
  const ChangeWatchOff quiet(session_);
  if (!bytes || !ShowSnapshot(*Editor, *bytes, IsRichSnapshot(offer, *bytes))) {
    dialogs_.showError(kApplicationTitle, RecoveryFailedMessage(offer, japaneseInterface_));
    return false;
  }
  document_.CurrentFileName = offer.documentName;
  documents_->SetDocumentTitle(offer.documentName);
  if (!folderOf(offer.documentName).isEmpty()) document_.CurrentFolder = folderOf(offer.documentName);
  SelectProgramMode();
  SetWebPageMode(isHtmlFile(offer.documentName));
  Editor->setModified(true);
  showCurrentFolder();
  return true;
}

// SIGTERM or SIGHUP: unsaved work is kept for the next start, the settings
// are written, and the program ends without its questions.
void TMain::keepWorkAndEnd() {
  if (Editor->isModified()) undo_->keepForRecovery();
  else undo_->cleanUp();
  endingWithoutQuestions_ = true;
  writeSettingsFile();
  instanceLock_.release();
  browsers_->closeAll();
  if (helpViewer_) helpViewer_->close();
  closeConfirmed_ = true;
  close();
  QCoreApplication::quit();
}

// A restored program is coloured again; a restored page has its colours
// back from the snapshot, and a short one is repainted as well.
void TMain::recolourAfterRestore() {
  if (document_.DocumentMode == kProgramMode)
    programPainter_->PaintWholeProgram();
  else if (document_.DocumentMode == kHtmlMode)
    painter_->mmRepaintTagsClick();
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
  settingsPath_ = settingsFilePath(paths_.executablePath, paths_.keepsFilesBeside,
                                   paths_.configFolder);
  const SettingsFile file = loadSettingsFile(settingsPath_);
  // A file that cannot be read, or that is not ours, is never written over.
  settingsKind_ = file.kind;
  if (!file.mayBeWritten())
    qWarning().noquote() << "Wrenpad: settings not read from" << settingsPath_ << file.error;
  const IniFile& ini = file.ini;
  const QScreen* screen = QGuiApplication::primaryScreen();
  SettingsReadContext context;
  // An installed program's own folder (/usr/bin) is no place for documents:
  // such a copy starts in the user's home folder.
  context.applicationFolder = paths_.keepsFilesBeside ? ApplicationFolder : QDir::homePath();
  context.commandLineFolder = CommandLineFile.isEmpty() ? QString() : folderOf(CommandLineFile);
  context.screenSize = screen ? screen->size() : QSize(1024, 768);
  settings_ = readSettings(ini, context);
  FileNameKeeper.load(ini, [](const QString& name) { return QFileInfo(name).isFile(); });
  showRecentFiles();
  chosenAutoRepaint_ = settings_.AutoRepaint;
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
  Editor->setBackground(QColorOf(RgbOfWindowsColour(s.BGColor)));
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
  s.AutoRepaint = chosenAutoRepaint_;
  // BGColor is the user's own choice as settings_ holds it, never a page's colour the editor shows.
  s.Height = height();
  s.Width = width();
  s.Top = pos().y();
  s.Left = pos().x();
  return s;
}

void TMain::writeSettingsFile() {
  // Read again: keys another instance or another part wrote meanwhile stay.
  // A file that cannot be read, or is not ours, is left as it is: writing
  // over it would lose what it holds.
  SettingsFile file = loadSettingsFile(settingsPath_);
  const bool refusedAtStart = settingsKind_ == SettingsFileKind::Unreadable ||
                              settingsKind_ == SettingsFileKind::NotOurs;
  if (refusedAtStart || !file.mayBeWritten()) {
    reportSettingsNotSaved(refusedAtStart ? settingsKind_ : file.kind, QString());
    return;
  }
  writeSettings(file.ini, collectSettings());
  FileNameKeeper.save(file.ini);
  QString error;
  if (!file.ini.save(settingsPath_, &error, japaneseInterface_))
    reportSettingsNotSaved(SettingsFileKind::Ours, error);
}

// Once a run: the same refusal at every exit path would only repeat itself.
void TMain::reportSettingsNotSaved(SettingsFileKind kind, const QString& error) {
  if (settingsProblemReported_) return;
  settingsProblemReported_ = true;
  // A session that ends by a signal waits for no answer: standard error only.
  if (endingWithoutQuestions_) {
    qWarning().noquote() << "Wrenpad: settings not saved in" << settingsPath_ << error;
    return;
  }
  QString text;
  if (kind == SettingsFileKind::NotOurs)
    text = japaneseInterface_
               ? QStringLiteral("\"%1\" はWrenpadの設定ファイルではないため、設定は保存されません（ファイルはそのままです）。")
               : QStringLiteral("\"%1\" is not a settings file of Wrenpad, so the settings are not saved "
                                "over it (the file is left as it is).");
  else if (kind == SettingsFileKind::Unreadable)
    text = japaneseInterface_
               ? QStringLiteral("設定ファイル \"%1\" を読み込めないため、設定は保存されません。")
               : QStringLiteral("The settings file \"%1\" cannot be read, so the settings are not "
                                "saved over it.");
  else
    text = (japaneseInterface_ ? QStringLiteral("設定を \"%1\" に保存できませんでした（前の設定ファイルはそのままです）。\n")
                               : QStringLiteral("The settings could not be saved in \"%1\"; the previous settings "
                                                "file is left as it was.\n")) +
           error;
  dialogs_.showError(kApplicationTitle, text.arg(settingsPath_));
}

// ---- interface language ------------------------------------------------------------

void TMain::ApplyInterfaceLanguage() {
  japaneseInterface_ = settings_.Jpn;
  if (japaneseInterface_) {
    commands_->showCaptions(true);
    int index = 0;
    for (const HeadingBoxItem& item : headingBoxItems())
      HeaderComboBox->setItemText(index++, QString::fromUtf16(item.japanese));
    ToolBar1->setWindowTitle(QStringLiteral("ツールバー"));
    ToolBar2->setWindowTitle(QStringLiteral("HTML作成用ツールバー"));
    installQtJapanese(qtTranslator_);
  }
  messages_ = messagesFor(japaneseInterface_);
  UpdateCodingMenu();
  showHelpInLanguage();
}

// The output kanji code: Shift-JIS and EUC-JP, one of them checked.
void TMain::mmSJISClick() { settings_.EUC = false; }

void TMain::mmEUCClick() { settings_.EUC = true; }

// The interface language takes effect at the next start; the menu shows the
// choice made now.
void TMain::EnglishClick() {
  dialogs_.showMessage(kApplicationTitle, kRestartToChangeLanguage);
  settings_.Jpn = false;
}

void TMain::JapaneseClick() {
  dialogs_.showMessage(kApplicationTitle, kRestartToChangeLanguage);
  settings_.Jpn = true;
}

void TMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  FormShow();
}

void TMain::FormShow() {
  qCInfo(lcWindow) << "shown";
  ApplyInterfaceLanguage();
  SelectProgramMode();
  // A save a gone run left half done comes first. A file named on the
  // command line comes next; work left by a gone run is offered at a start
  // without one.
  offerInterruptedSaves();
  if (CommandLineFile.isEmpty()) offerRecovery();
  if (!CommandLineFile.isEmpty()) {
    // Until the named file is in, nothing may be typed into the window or
    // saved over the file: the editor is read-only, keys typed meanwhile are
    // kept for the loaded document, and a command loads the file first.
    StartupOpenPending = true;
    Editor->setReadOnly(true);
    keysBeforeLoad_ = std::make_unique<KeysBeforeLoad>(*Editor->widget());
    Timer1.start();
  }
  showCurrentFolder();
  Editor->setFocus();
  // Without a window manager nothing activates the window, and an inactive
  // window's menus take no Alt+letter and no short-cut keys while the
  // editor still gets the typing.
  activateWindow();
}

// Once at start-up Timer1 opens the file named on the command line; after
// that it serves the check that follows a compile.
void TMain::Timer1Timer() {
  if (!StartupOpenPending) {
    programs_->Timer1Timer();
    return;
  }
  Timer1.stop();
  Editor->setReadOnly(false);
  const bool exists = files::stampOf(CommandLineFile).exists;
  qCInfo(lcWindow).noquote() << "loading" << CommandLineFile;
  if (!exists)
    dialogs_.showError(kApplicationTitle, formatMessage(messages_.MsgFileMissing, CommandLineFile));
  const bool loaded = exists && documents_->LoadDocument(CommandLineFile);
  if (!loaded) {
    // The named file could not be read: an empty untitled document remains.
    documents_->SetDocumentTitle(kUntitledName);
  }
  qCInfo(lcWindow).noquote() << (loaded ? "loaded" : "failed to load") << CommandLineFile;
  StartupOpenPending = false;
  showCurrentFolder();
  // Typed where the load left the caret, in the document that is there now.
  if (const std::unique_ptr<KeysBeforeLoad> keys = std::move(keysBeforeLoad_)) keys->replay();
}

// ---- editing state --------------------------------------------------------------

void TMain::EditorChange() {
  qCInfo(lcWindow) << "text changed";
  programPainter_->noteTextChanged();
  editorEvents_->EditorChange();
}

void TMain::Timer2Timer() {
  undo_->takeSnapshot();
  // Program colours that typing left for a quiet moment, and the colours of
  // the last template expansion.
  programPainter_->PaintMarkedLines();
  templates_->paintPendingExpansion();
}

void TMain::PopupMenu1Popup() { editorEvents_->PopupMenu1Popup(); }

// ---- commands of the window itself --------------------------------------------------

void TMain::mmExitClick() { close(); }

void TMain::mmAutoRepaintClick() {
  painter_->mmAutoRepaintClick();
  chosenAutoRepaint_ = settings_.AutoRepaint;
}

void TMain::mmHTMLFontClick() { fontCommand_->mmHTMLFontClick(); }

void TMain::pmSaveAndExitClick() {
  documents_->mmSaveClick();
  mmExitClick();
}

void TMain::mmAboutClick() {
  dialogs_.askForm(*aboutBox_, AboutText{QStringLiteral("  Wrenpad"),
                                         QStringLiteral("      Version 1.1.2")});
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
  // Any modified text is asked about, however young the edit.
  if (Editor->isModified()) {
    const QString question = formatMessage(messages_.MsgSaveChanges, document_.CurrentFileName);
    const Answer answer = dialogs_.askYesNoCancel(kApplicationTitle, question);
    if (answer == Answer::Cancel) return false;
    // A save that did not happen keeps the window, so nothing is lost.
    if (answer == Answer::Yes && !documents_->mmSaveAsClick()) return false;
  }
  writeSettingsFile();
  undo_->cleanUp();
  instanceLock_.release();
  browsers_->closeAll();
  if (helpViewer_) helpViewer_->close();
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

// A program document takes its language from its extension; the Coding
// menu, the program tool buttons and the message pane follow (views of the
// document mode). Any other name leaves the mode as it is.
void TMain::SelectProgramMode() {
  const QString& name = document_.CurrentFileName;
  if (!isProgramFile(name)) {
    showCommandStates();
    return;
  }
  const QString extension = extensionOf(name).toLower();
  LanguageMode mode = LanguageMode::Cpp;
  if (extension == QStringLiteral(".java"))
    mode = LanguageMode::Java;
  else if (extension == QStringLiteral(".cgi"))
    mode = LanguageMode::Perl;
  else if (extension == QStringLiteral(".pas") || extension == QStringLiteral(".pp"))
    mode = LanguageMode::Pascal;
  settings_.PL = std::int8_t(mode);
  UpdateCodingMenu();
  SetWebPageMode(false);
  document_.DocumentMode = kProgramMode;
  painter_->SwitchOffForLargeFile(documentFileSize());
  programPainter_->LoadKeywordList(mode, paths_.dataFolders());
  programPainter_->PaintWholeProgram();
  templates_->LoadTemplateList();
  showCommandStates();
}

void TMain::SetWebPageMode(bool on) {
  if (on) {
    document_.DocumentMode = kHtmlMode;
    settings_.MultiUndo = true;
  } else if (document_.DocumentMode == kHtmlMode) {
    document_.DocumentMode = kTextMode;
  }
  Editor->setPlainTextMode(!on);
  setHtmlToolBarVisible(on);
  if (on) {
    // A page's script is coloured as JavaScript.
    programPainter_->LoadKeywordList(LanguageMode::Cpp, paths_.dataFolders());
    painter_->WebPageModeOn(documentFileSize());
    templates_->LoadTemplateList();
  }
  showCommandStates();
}

void TMain::languageChanged() {
  programPainter_->LoadKeywordList(languageModeFrom(settings_.PL), paths_.dataFolders());
  if (document_.DocumentMode == kProgramMode) programPainter_->PaintWholeProgram();
  templates_->LoadTemplateList();
}

void TMain::UpdateCodingMenu() {
  const CodingMenuCaptions captions =
      CodingMenuCaptionsFor(languageModeFrom(settings_.PL), japaneseInterface_, CurrentToolProfile());
  action(QStringLiteral("mmCoding"))->setText(captions.coding);
  action(QStringLiteral("mmSetCompiler"))->setText(captions.setCompiler);
}

// The test server's page opens in the user's browser; the in-program
// preview window comes with the page preview.
void TMain::openWebPage(const QUrl& page) {
  qCInfo(lcWindow).noquote() << "open page" << page.toString();
  preview_->showServerPage(page.toString(QUrl::FullyEncoded));
}

void TMain::showAppletPage() { preview_->mmDisplayAsWebPageClick(); }

void TMain::moveToUpperHalf() {
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  move(area.topLeft());
  resize(area.width(), area.height() / 2);
}

// Size of the document's file on disk; 0 for a document not yet saved.
qint64 TMain::documentFileSize() const {
  const QString& name = document_.CurrentFileName;
  return folderOf(name).isEmpty() ? 0 : QFileInfo(name).size();
}

void TMain::paintTags(int start, int finish) {
  if (document_.DocumentMode == kProgramMode) {
    programPainter_->PaintProgramRange(start, finish);
    return;
  }
  if (document_.DocumentMode != kHtmlMode) return;
  painter_->RenderWebFormats(start, finish);
  painter_->PaintTagsInRange(start, finish, {0, 100});
  setProgress(0);
}

void TMain::setEditorFontSize(int points) { colouring_.EditorFontSize = points; }

// ---- ColouringHost -------------------------------------------------------------------

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

void TMain::beginDocument() {
  document_.DocumentMode = kTextMode;
  settings_.AutoRepaint = chosenAutoRepaint_;
  marks_ = CommandMarks{};
  caretFlags_ = CaretContextFlags{};
  Editor->setReadOnly(false);
  // A page's background belonged to that page: each document starts on the user's own.
  Editor->setBackground(QColorOf(RgbOfWindowsColour(settings_.BGColor)));
  showCommandStates();
}

void TMain::showCommandStates() {
  if (commands_) commands_->showStates({document_, settings_, session_, marks_});
  // The message pane belongs to program documents.
  if (CMsgWindow) CMsgWindow->setVisible(document_.DocumentMode == kProgramMode);
}

void TMain::Timer3Timer() { programs_->Timer3Timer(); }

// After a change of the whole text (Replace All): programs and pages are
// coloured again, when automatic colouring is on.
void TMain::recolourWholeText() {
  if (!settings_.AutoRepaint) return;
  if (document_.DocumentMode == kProgramMode)
    programPainter_->PaintWholeProgram();
  else if (document_.DocumentMode == kHtmlMode)
    painter_->mmRepaintTagsClick();
}

void TMain::startUndoTimer() { Timer2.start(); }

// Macro and template lists are kept where the program may write, else in the
// user's own folder; the shipped ones are found beside the program or
// installed. The first folder is where lists are saved.
QStringList TMain::listFolders() const {
  QStringList folders = paths_.dataFolders();
  if (!paths_.keepsFilesBeside && folders.contains(paths_.configFolder))
    folders.move(folders.indexOf(paths_.configFolder), 0);
  return folders;
}

// An open find, replace or macro dialog takes Ctrl+V for its own fields.
void TMain::setPasteShortcut(bool on) {
  action(QStringLiteral("mmPaste"))->setShortcut(on ? QKeySequence(QStringLiteral("Ctrl+V")) : QKeySequence());
}

void TMain::processPendingEvents() {
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TMain::newProgramFromTemplate() { snippets_->NewProgramFromTemplate(); }

void TMain::newPageFromText() { textToHtml_->mmModifyAsHTMLfileClick(); }

void TMain::fileUsed(const QString& fullName) {
  undo_->workIsInFile();
  FileNameKeeper.Add(fullName);
  showRecentFiles();
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

// A modified document is asked about first (Cancel keeps it).
void TMain::FileNameKeeperSelect(const QString& name) {
  if (name.isEmpty() || !documents_->AskSaveChanges()) return;
  documents_->OpenFile(name);
}

std::optional<int> TMain::askDocumentType() {
  DocumentTypeValues values;
  values.japanese = japaneseInterface_;
  values.languageMode = settings_.PL;
  const std::optional<DocumentTypeValues> chosen = dialogs_.askForm(*docType_, values);
  if (!chosen) return std::nullopt;
  return chosen->kind;
}

// ---- EditingHost -------------------------------------------------------------------

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

// Wide enough for the document's largest line number, and never narrower
// than three digits.
void TMain::fitLineNumberBox() {
  const int lines = Editor ? Editor->lineCount() : 1;
  const int digits = std::max({3, int(QString::number(lines).size()), int(EnhancedEdit1->text().size())});
  const int width = EnhancedEdit1->fontMetrics().horizontalAdvance(QString(digits, u'0')) + 14;
  if (EnhancedEdit1->width() != width) EnhancedEdit1->setFixedWidth(width);
}

void TMain::startWindowTimer(int number) { timer(number).start(); }

void TMain::stopWindowTimer(int number) { timer(number).stop(); }

bool TMain::isWindowTimerRunning(int number) const { return timer(number).isActive(); }

void TMain::resetProgressBar() { setProgress(0); }

void TMain::showPopupMenu(const QPoint& globalPosition) {
  PopupMenu1Popup();
  PopupMenu1->popup(globalPosition);
}

}  // namespace wrenpad
