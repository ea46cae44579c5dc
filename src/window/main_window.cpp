// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/main_window.h"

#include "app/termination_signals.h"
#include "colouring/paint_guards.h"
#include "colouring/tag_painter.h"
#include "documents/document_commands.h"
#include "documents/document_view.h"
#include "documents/editor_view.h"
#include "documents/document_mode.h"
#include "documents/file_access.h"
#include "documents/large_files.h"
#include "documents/recovery.h"
#include "documents/undo_commands.h"
#include "editing/document_modes.h"
#include "editing/editor_events.h"
#include "editing/enhanced_edit.h"
#include "editing/template_commands.h"
#include "editor/editor_control.h"
#include "editor/text_on_background.h"
#include "editor/line_number_gutter.h"
#include "html/font_command.h"
#include "html/html_commands.h"
#include "html/text_to_html.h"
#include "language/interface_language.h"
#include "large_view/large_text_view.h"
#include "page/page_settings.h"
#include "page/preview/browser_window.h"
#include "page/preview/page_preview.h"
#include "platform/font_substitution.h"
#include "platform/qt_dialogs.h"
#include "platform/window_placement.h"
#include "text/translation.h"
#include "programming/page_check_command.h"
#include "programming/program_commands.h"
#include "programming/snippet_commands.h"
#include "programming/tool_profile.h"
#include "window/about_box.h"
#include "window/command_actions.h"
#include "window/doc_type_dialog.h"
#include "window/icons.h"
#include "window/keys_before_load.h"
#include "window/command_needs.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLoggingCategory>
#include <QMenu>
#include <QProgressBar>
#include <QScreen>
#include <QSignalBlocker>
#include <QToolBar>

namespace wrenpad {

// Window events worth tracing from outside: QT_LOGGING_RULES="wrenpad.window.info=true".
Q_LOGGING_CATEGORY(lcWindow, "wrenpad.window", QtWarningMsg)

TMain::TMain(const StartupOptions& options, Dialogs* dialogs)
    : ownDialogs_(dialogs ? nullptr : std::make_unique<QtDialogs>(this)),
      dialogs_(dialogs ? *dialogs : *ownDialogs_),
      paths_(options.paths),
      messages_(interfaceMessages()) {
  setObjectName(QStringLiteral("Main"));
  setWindowTitle(kApplicationTitle);
  setWindowIcon(programIcon());
  QFont windowFont(kProportionalGothic);
  windowFont.setPointSize(9);
  setFont(windowFont);
  resize(746, 381);
  move(223, 120);
  createWidgets();
  createSubsystems();
  createMenus();
  createToolBars();
  createStatusBar();
  createTimers();
  connectEditorEvents();
  createHelp();
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

// The whole page again with the rendering just switched, colouring on.
void TMain::repaintWithRendering() {
  if (!settings_.AutoRepaint) painter().mmAutoRepaintClick();
  painter().mmRepaintTagsClick();
}

void TMain::readPageSettings(const QString& text) {
  if (document_.DocumentMode == kHtmlMode) pageSettings().ReadPage(text);
}

// Every menu item and tool button comes here: the handler of its row runs,
// then the items show what the command changed.
void TMain::runCommand(const CommandRow& row) {
  if (startupOpenPending()) Timer1Timer();
  // A command the shown view cannot serve is disabled; a key that reaches it
  // all the same does nothing.
  if (row.run && viewServes(view(), row)) row.run(*this);
  showCommandStates();
}

QAction* TMain::action(const QString& name) const { return commands_->action(name); }

// ---- start-up -----------------------------------------------------------------

void TMain::FormCreate(const StartupOptions& options) {
  runSession_ = std::make_unique<Session>(SessionContext{
      .dialogs = dialogs_, .host = *this, .paths = paths_, .document = document_, .settings = settings_,
      .recentFiles = FileNameKeeper, .messages = messages_});
  runSession_->readCommandLine(options);
  runSession_->readSettingsFile();
  runSession_->keepSaveJournal();
  StartUndoSeries(session_);
  session_.ChangeWatch = true;
  runSession_->claimInstanceSlot();
  connect(&TerminationSignals::install(), &TerminationSignals::requested, this, [this] { keepWorkAndEnd(); });
  undo_ = std::make_unique<UndoCommands>(
      UndoContext{*Editor, dialogs_, document_, session_, settings_,
                  [this] { recolourAfterRestore(); },
                  [this](const QString& name) {
                    SetWebPageMode(false);
                    documents().SetDocumentTitle(name);
                  },
                  [this] { Timer2.stop(); }},
      paths_.instanceFileFolder(), runSession_->instanceSlot());
  subsystems_->editorView().useUndoSteps(*undo_);
}

// The kept text opens as a modified document under its old name. When it
// cannot be read or shown the user is told, and its files stay.
bool TMain::recoverFrom(const RecoveryOffer& offer) {
  const std::optional<QByteArray> bytes = UndoSnapshots::readFile(offer.snapshot);
  const ChangeWatchOff quiet(session_);
  if (!bytes || !ShowSnapshot(*Editor, *bytes, IsRichSnapshot(offer, *bytes))) {
    dialogs_.showError(kApplicationTitle, RecoveryFailedMessage(offer));
    return false;
  }
  document_.CurrentFileName = offer.documentName;
  documents().SetDocumentTitle(offer.documentName);
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
  runSession_->endWithoutQuestions();
  closeConfirmed_ = true;
  close();
  QCoreApplication::quit();
}

// A restored program is coloured again; a restored page has its colours
// back from the snapshot, and a short one is repainted as well.
void TMain::recolourAfterRestore() { modes().recolourWhole(); }

// ---- SessionHost -------------------------------------------------------------

void TMain::showDocumentTitle(const QString& name) { documents().SetDocumentTitle(name); }

void TMain::settingsRead() {
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

Settings TMain::settingsToWrite() const {
  Settings s = settings_;
  s.FontSize = static_cast<std::int8_t>(std::clamp(Editor->defaultFont().sizePoints, -128, 127));
  s.IniPath = document_.CurrentFolder;
  s.DefaultFolder = document_.DefaultFolder;
  s.LastExtension = document_.LastExtension;
  s.AutoRepaint = chosenAutoRepaint_;
  // BGColor is the user's own choice as settings_ holds it, never a page's colour the editor shows.
  s.Height = height();
  s.Width = width();
  // A Wayland compositor tells no position: the one kept from X11 stays.
  if (placementsApply()) {
    s.Top = pos().y();
    s.Left = pos().x();
  }
  return s;
}

bool TMain::documentModified() const {
  return view().isModified();
}

bool TMain::saveDocumentAs() { return documents().mmSaveAsClick(); }

bool TMain::takeOverRecoveredWork(const RecoveryOffer& offer) {
  return recoverFrom(offer) && undo_->keepRecoveredWork();
}

void TMain::endUndoSeries(bool keepForRecovery) { subsystems_->endEdits(keepForRecovery); }

void TMain::closeOtherWindows() {
  browsers().closeAll();
  if (helpViewer_) helpViewer_->close();
}

// ---- interface language ------------------------------------------------------------

void TMain::ApplyInterfaceLanguage() {
  useInterfaceLanguage(interfaceLanguageFor(settings_.Jpn));
  showCaptions();
  messages_ = interfaceMessages();
  UpdateCodingMenu();
  showHelpInLanguage();
}

// The interface language takes effect at the next start; the menu shows the
// choice made now.
void TMain::EnglishClick() {
  dialogs_.showMessage(kApplicationTitle, restartToChangeLanguage());
  settings_.Jpn = false;
}

void TMain::JapaneseClick() {
  dialogs_.showMessage(kApplicationTitle, restartToChangeLanguage());
  settings_.Jpn = true;
}

void TMain::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  // The window manager tells the frame's size some time after the window
  // appears.
  for (const int delay : {0, 300, 1000}) QTimer::singleShot(delay, this, [this] { fitFrameOnScreen(); });
  FormShow();
}

void TMain::FormShow() {
  qCInfo(lcWindow) << "shown";
  ApplyInterfaceLanguage();
  SelectProgramMode();
  // A save a gone run left half done comes first. A file named on the
  // command line comes next; work left by a gone run is offered at a start
  // without one.
  runSession_->offerInterruptedSaves();
  if (commandLineFile().isEmpty()) runSession_->offerRecovery();
  if (!commandLineFile().isEmpty()) {
    // Until the named file is in, nothing may be typed into the window or
    // saved over the file: the editor is read-only, keys typed meanwhile are
    // kept for the loaded document, and a command loads the file first.
    runSession_->setStartupOpenPending(true);
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
  if (!startupOpenPending()) {
    programs().Timer1Timer();
    return;
  }
  Timer1.stop();
  Editor->setReadOnly(false);
  const QString file = commandLineFile();
  qCInfo(lcWindow).noquote() << "loading" << file;
  const bool loaded = documents().openCommandLineFile(file);
  // The named file could not be read: an empty untitled document remains.
  if (!loaded) documents().SetDocumentTitle(kUntitledName);
  qCInfo(lcWindow).noquote() << (loaded ? "loaded" : "failed to load") << file;
  runSession_->setStartupOpenPending(false);
  showCurrentFolder();
  // Typed where the load left the caret, in the document that is there now.
  if (const std::unique_ptr<KeysBeforeLoad> keys = std::move(keysBeforeLoad_))
    keys->replay(view().widget());
}

// ---- editing state --------------------------------------------------------------

void TMain::EditorChange() {
  qCInfo(lcWindow) << "text changed";
  programPainter().noteTextChanged();
  editorEvents().EditorChange();
  preview().textChanged();
}

void TMain::Timer2Timer() {
  undo_->takeSnapshot();
  // Program colours that typing left for a quiet moment, and the colours of
  // the last template expansion.
  programPainter().PaintMarkedLines();
  templates().paintPendingExpansion();
}

void TMain::mmCheckPageClick() {
  // The pane first, so the jump scrolls the editor as it will be shown.
  checkedPageMode_ = document_.DocumentMode;
  showCommandStates();
  pageCheck().mmCheckPageClick();
}

void TMain::PopupMenu1Popup() {
  editorEvents().PopupMenu1Popup();
  showCommandStates();
}

// ---- commands of the window itself --------------------------------------------------

void TMain::mmExitClick() { close(); }

void TMain::mmBackGroundColorClick() {
  const bool wasDark = IsDarkBackground(Editor->background());
  htmlCommands().mmBackGroundColorClick();
  if (IsDarkBackground(Editor->background()) == wasDark) return;
  // Coloured documents are coloured again for the new shade; the rest, and
  // documents shown uncoloured, take the plain colour of the new background.
  if (settings_.AutoRepaint && document_.DocumentMode != kTextMode) {
    recolourWholeText();
    return;
  }
  const ChangeWatchOff quiet(session_);
  EditorControl::FormatRun plain;
  plain.length = Editor->textLength();
  plain.attributes.color = Editor->defaultFont().color;
  Editor->applyFormats({plain});
}

void TMain::mmAutoRepaintClick() {
  painter().mmAutoRepaintClick();
  chosenAutoRepaint_ = settings_.AutoRepaint;
}

void TMain::mmShowLineNumbersClick() {
  bool& shown = settings_.*lineNumbersSetting(document_.DocumentMode);
  shown = !shown;
}

void TMain::mmHTMLFontClick() { subsystems_->fontCommand().mmHTMLFontClick(); }

void TMain::pmSaveAndExitClick() {
  documents().mmSaveClick();
  mmExitClick();
}

void TMain::mmAboutClick() {
  dialogs_.askForm(*aboutBox_, aboutTextFor(QStringLiteral(WRENPAD_VERSION)));
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
  if (!runSession_->askToClose()) return false;
  closeConfirmed_ = true;
  return true;
}

// ---- DocumentHost ------------------------------------------------------------------

void TMain::setWindowCaption(const QString& caption) {
  setWindowTitle(caption);
  qCInfo(lcWindow).noquote() << "title" << caption;
}

void TMain::showCurrentFolder() {
  statusPanels_[0]->setText(messages_.MsgCurrentFolder + document_.CurrentFolder);
}

void TMain::SelectProgramMode() { modes().selectProgramMode(); }

void TMain::SetWebPageMode(bool on) { modes().setWebPageMode(on); }

void TMain::languageChanged() { modes().languageChanged(); }

void TMain::UpdateCodingMenu() {
  const CodingMenuCaptions captions =
      CodingMenuCaptionsFor(languageModeFrom(settings_.PL), CurrentToolProfile());
  action(QStringLiteral("mmCoding"))->setText(captions.coding);
  action(QStringLiteral("mmSetCompiler"))->setText(captions.setCompiler);
}

// The test server's page opens in the user's browser; the in-program
// preview window comes with the page preview.
void TMain::openWebPage(const QUrl& page) {
  qCInfo(lcWindow).noquote() << "open page" << page.toString();
  preview().showServerPage(page.toString(QUrl::FullyEncoded));
}

void TMain::showAppletPage() { preview().mmDisplayAsWebPageClick(); }

void TMain::moveToUpperHalf() {
  // Where the compositor places windows itself, a half-height editor would
  // only be smaller, wherever it is: it keeps its size.
  if (!placementsApply()) return;
  const QScreen* screen = this->screen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  move(area.topLeft());
  resize(area.width(), area.height() / 2);
}

void TMain::markErrorLine(std::optional<int> line) { Gutter->setErrorLine(line); }

void TMain::paintTags(int start, int finish) { modes().recolourRange(start, finish); }

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
  largeFiles().close();
  document_.DocumentMode = kTextMode;
  settings_.AutoRepaint = chosenAutoRepaint_;
  marks_ = CommandMarks{};
  caretFlags_ = CaretContextFlags{};
  Editor->setReadOnly(false);
  Gutter->setErrorLine(std::nullopt);
  checkedPageMode_.reset();
  // A page's background belonged to that page: each document starts on the user's own.
  Editor->setBackground(QColorOf(RgbOfWindowsColour(settings_.BGColor)));
  showCommandStates();
}

void TMain::showCommandStates() {
  if (commands_) commands_->showStates({document_, settings_, session_, marks_});
  if (CMsgWindow) {
    if (checkedPageMode_ != document_.DocumentMode) checkedPageMode_.reset();
    const bool shown = featuresOf(document_.DocumentMode).messagePane || checkedPageMode_;
    // Messages quote the program in the face the program is shown in.
    if (shown) CMsgWindow->showCodeIn(programFace(settings_.CodingFontName));
    CMsgWindow->setVisible(shown);
  }
  if (subsystems_) showViewStates();
}

DocumentView& TMain::view() const { return subsystems_->view(); }

// The settings the view follows, and its note in the status bar (its whole
// text also as its tool tip, should a narrow window cut it).
void TMain::showViewStates() {
  DocumentView& shown = view();
  shown.showLineNumbers(settings_.*lineNumbersSetting(document_.DocumentMode));
  shown.setTabColumns(settings_.TabWidth);
  const QString note = shown.statusNote();
  if (viewNote_->toolTip() != note) {
    viewNote_->setToolTip(note);
    viewNote_->setText(note);
  }
  viewNote_->setVisible(!note.isEmpty());
}

// The chosen view in the editor's place, with the commands it cannot serve
// disabled, their tips saying why.
void TMain::showView() {
  DocumentView& shown = view();
  for (QWidget* each : {Editor->widget(), static_cast<QWidget*>(LargeView)}) each->setVisible(each == shown.widget());
  // Whatever gives the editor the keys back (a closed dialog, Esc in the
  // heading box) gives them to the view standing in its place.
  Editor->widget()->setFocusProxy(shown.widget() == Editor->widget() ? nullptr : shown.widget());
  marks_ = CommandMarks{};
  commands_->restrictTo([this](const CommandRow& row) { return viewServes(view(), row); },
                        {document_, settings_, session_, marks_},
                        [this](const CommandRow& row) { return whyViewCannot(view(), row); });
  // The progress of colouring has no place beside a view without colours: its room goes to the note.
  ProgressBar->setVisible(shown.can(ViewAbility::Colouring));
  showViewStates();
  shown.widget()->setFocus();
  showLineNumber(QString::number(shown.caretLine() + 1));
}

void TMain::Timer3Timer() { programs().Timer3Timer(); }

// After a change of the whole text (Replace All): programs and pages are
// coloured again, when automatic colouring is on.
void TMain::recolourWholeText() {
  if (settings_.AutoRepaint) modes().recolourWhole();
}

void TMain::startUndoTimer() { Timer2.start(); }

// An open find, replace or macro dialog takes Ctrl+V for its own fields.
void TMain::setPasteShortcut(bool on) {
  action(QStringLiteral("mmPaste"))->setShortcut(on ? QKeySequence(QStringLiteral("Ctrl+V")) : QKeySequence());
}

void TMain::newProgramFromTemplate() { snippets().NewProgramFromTemplate(); }

void TMain::newPageFromText() { textToHtml().mmModifyAsHTMLfileClick(); }

void TMain::fileUsed(const QString& fullName) {
  undo_->workIsInFile();
  FileNameKeeper.Add(fullName);
  showRecentFiles();
}

// A modified document is asked about first (Cancel keeps it).
void TMain::FileNameKeeperSelect(const QString& name) {
  if (name.isEmpty() || !documents().AskSaveChanges()) return;
  documents().OpenFile(name);
}

std::optional<int> TMain::askDocumentType() {
  DocumentTypeValues values;
  values.languageMode = settings_.PL;
  const std::optional<DocumentTypeValues> chosen = dialogs_.askForm(*docType_, values);
  if (!chosen) return std::nullopt;
  return chosen->kind;
}

}  // namespace wrenpad
