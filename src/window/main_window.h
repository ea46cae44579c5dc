// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TMain: the program's one window. It owns the editor, the menus, the tool
// bars, the status bar and the timers, and hands every command to the
// subsystem that carries it out.

#include "colouring/colouring_context.h"
#include "colouring/program_painter.h"
#include "editing/caret_context.h"
#include "editing/command_marks.h"
#include "editing/editing_host.h"
#include "platform/app_paths.h"
#include "documents/document_host.h"
#include "documents/document_state.h"
#include "documents/recent_files.h"
#include "app/instance_slot.h"
#include "language/message_table.h"
#include "programming/message_pane.h"
#include "page/preview/page_preview.h"
#include "programming/program_commands.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "text/translation.h"
#include "window/session.h"
#include "window/subsystems.h"

#include <QMainWindow>
#include <QTimer>
#include <memory>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QToolBar;

namespace wrenpad {

class CommandActions;
struct CommandRow;
class Dialogs;
class DocumentCommands;
class EditorControl;
class TAboutBox;
class TDocType;

class EditingTools;
class FindReplace;
class MacroReplace;
class TemplateCommands;
class DocumentModes;
class SnippetCommands;
class UndoCommands;
class FontCommand;
class LinkCommand;
class TLinkDialog;
class TImageProperty;
class TableCommand;
class TTableDialog;
struct LoadedPicture;
struct RecoveryOffer;
struct LargeEditsOffer;
class THtmlFontDialog;
class PageSettings;
class THtmlPageSetting;
class EditorEvents;
class HtmlCommands;
class TagPainter;
class TEnhancedEdit;
class BrowserWindows;
class ProgramLauncher;
class TBrowser;
class FormCommands;
class TFormDialog;
class TSingleLineInputDialog;
class TTextArea;
class TSelectDialog;
class TCheckDialog;
class TDivDialog;
class BoxCommand;
class TBoxSetting;
class TextToHtmlCommand;
class DictionaryCommand;
class ShellIntegration;
class THelpSearch;
class KeysBeforeLoad;
class LineNumberGutter;
class LargeFiles;
class DocumentView;
namespace large {
class LargeTextView;
}

class TMain : public QMainWindow,
              public DocumentHost,
              public ColouringHost,
              public EditingHost,
              public ProgramHost,
              public PreviewHost,
              public SessionHost {
  Q_OBJECT
 public:
  // `dialogs` answers every question; the window uses Qt's dialogs when null.
  explicit TMain(const StartupOptions& options, Dialogs* dialogs = nullptr);
  ~TMain() override;

  EditorControl& editor() { return *Editor; }
  DocumentCommands& documents() { return subsystems_->documents(); }
  // A file too large for the editor, shown in its own view in the editor's place.
  LargeFiles& largeFiles() { return subsystems_->largeFiles(); }
  // The view the document is shown in: the editor, or a large file's own.
  DocumentView& view() const;
  DocumentState& document() { return document_; }
  SessionState& session() { return session_; }
  Settings& settings() { return settings_; }
  const MessageTable& messages() const { return messages_; }
  // A menu item, sub-menu title or tool button by object name; null when unknown.
  QAction* action(const QString& name) const;
  CommandActions& commands() { return *commands_; }
  CommandMarks& marks() { return marks_; }
  QMenu* popupMenu() const { return PopupMenu1; }
  QTimer& timer(int number);
  const QTimer& timer(int number) const;
  QToolBar* htmlToolBar() const { return ToolBar2; }
  QString statusText(int panel) const;

  // State of the start-up, readable for tests.
  const QString& commandLineFile() const { return runSession_->commandLineFile(); }
  bool startupOpenPending() const { return runSession_->startupOpenPending(); }
  int instanceSlot() const { return runSession_->instanceSlot(); }
  QString instanceMarkerFile() const { return runSession_->instanceMarkerFile(); }

  // Handlers of this window's own commands and events.
  void mmExitClick();
  void pmSaveAndExitClick();
  void mmAboutClick();
  void mmSearchClick();
  void mmRelateTxtFileToThisClick();
  void mmSCSendToClick();
  // F1: the help page of the control or form that has the keyboard.
  void showContextHelp();
  void mmAutoRepaintClick();
  // Option > Background Color: the text is coloured again when the new
  // background is of the other shade (dark or light).
  void mmBackGroundColorClick();
  // The line-number gutter on or off for documents of the kind shown.
  void mmShowLineNumbersClick();
  void mmHTMLFontClick();
  // HTML > Check Page: the message pane shows the findings; it stays on show
  // for this page until its mode changes or another document begins.
  void mmCheckPageClick();
  void PopupMenu1Popup();
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void recolourWholeText();
  void EditorChange();
  void ApplyInterfaceLanguage();
  void EnglishClick();
  void JapaneseClick();
  bool japaneseInterface() const { return interfaceIsJapanese(); }
  QString settingsFile() const { return runSession_->settingsFile(); }
  // The shut-down sequence; false when the user cancelled and the window stays.
  bool FormClose();

  // DocumentHost
  void setWindowCaption(const QString& caption) override;
  void showCurrentFolder() override;
  void SelectProgramMode() override;
  void SetWebPageMode(bool on) override;
  void setHtmlToolBarVisible(bool visible) override;
  // The menu items and tool buttons show the settings and marks again.
  void showCommandStates() override;
  void beginDocument() override;
  void startUndoTimer() override;
  std::optional<int> askDocumentType() override;
  void newProgramFromTemplate() override;
  void newPageFromText() override;
  void fileUsed(const QString& fullName) override;
  void showView() override;
  void FileNameKeeperSelect(const QString& name);
  const RecentFiles& recentFiles() const { return FileNameKeeper; }
  void paintTags(int start, int finish) override;
  void setEditorFontSize(int points) override;

  // ColouringHost
  void setProgress(int value) override;
  void showWaitCursor(bool on) override;
  void readPageSettings(const QString& text) override;

  // EditingHost
  int headingIndex() const override;
  void showHeadingIndex(int index) override;
  QString lineNumberText() const override;
  void showLineNumber(const QString& text) override;
  void startSnapshotTimer() override { Timer2.start(); }
  bool isSnapshotTimerRunning() const override { return Timer2.isActive(); }
  void startHeadingTimer() override { Timer4.start(); }
  void stopHeadingTimer() override { Timer4.stop(); }
  void startCaretContextTimer() override { Timer5.start(); }
  void stopCaretContextTimer() override { Timer5.stop(); }
  void resetProgressBar() override;
  void showPopupMenu(const QPoint& globalPosition) override;
  void lookUpInHelp(const QString& word) override;

  // ProgramHost
  void UpdateCodingMenu() override;
  void languageChanged() override;
  void openWebPage(const QUrl& page) override;
  void showAppletPage() override;
  void moveToUpperHalf() override;
  void markErrorLine(std::optional<int> line) override;

  // PreviewHost
  void repaintWithRendering() override;

  // SessionHost
  void settingsRead() override;
  Settings settingsToWrite() const override;
  void showDocumentTitle(const QString& name) override;
  bool documentModified() const override;
  bool saveDocumentAs() override;
  bool takeOverRecoveredWork(const RecoveryOffer& offer) override;
  bool takeOverLargeEdits(const LargeEditsOffer& offer) override;
  void endUndoSeries(bool keepForRecovery) override;
  void closeOtherWindows() override;

  TagPainter& painter() { return subsystems_->painter(); }
  ProgramPainter& programPainter() { return subsystems_->programPainter(); }
  EditorEvents& editorEvents() { return subsystems_->editorEvents(); }
  HtmlCommands& htmlCommands() { return subsystems_->htmlCommands(); }
  EditingTools& editingTools() { return subsystems_->editingTools(); }
  ProgramCommands& programs() { return subsystems_->programs(); }
  PageCheckCommand& pageCheck() { return subsystems_->pageCheck(); }
  FindReplace& findReplace() { return subsystems_->findReplace(); }
  MacroReplace& macros() { return subsystems_->macros(); }
  TemplateCommands& templates() { return subsystems_->templates(); }
  DocumentModes& modes() { return subsystems_->modes(); }
  SnippetCommands& snippets() { return subsystems_->snippets(); }
  UndoCommands& undo() { return *undo_; }
  PageSettings& pageSettings() { return subsystems_->pageSettings(); }
  LinkCommand& links() { return subsystems_->links(); }
  TableCommand& tables() { return subsystems_->tables(); }
  PagePreview& preview() { return subsystems_->preview(); }
  FormCommands& forms() { return subsystems_->forms(); }
  BoxCommand& boxes() { return subsystems_->boxes(); }
  TextToHtmlCommand& textToHtml() { return subsystems_->textToHtml(); }
  DictionaryCommand& dictionary() { return subsystems_->dictionary(); }
  BracketMatching& bracketMatching() { return subsystems_->bracketMatching(); }
  THelpSearch& helpWindow() { return *helpSearch_; }
  // The help pages' own viewer; null until a page was shown.
  TBrowser* shownHelpViewer() const { return helpViewer_.get(); }
  BrowserWindows& browsers() { return subsystems_->browsers(); }
  MessagePane& messagePane() { return *CMsgWindow; }
  CaretContextFlags& caretFlags() { return caretFlags_; }
  QComboBox* headingBox() const { return HeaderComboBox; }
  TEnhancedEdit* lineNumberBox() const { return EnhancedEdit1; }
  // Ctrl+G: the line-number box takes the keys, its number selected, so a
  // typed number and Return jump to that line.
  void goToLineNumberBox();
  // Ctrl+Shift+H: the heading box takes the keys with its list open; a
  // heading chosen, or Esc in the closed box, gives them back to the editor.
  void openHeadingBox();
  ColouringState& colouring() { return colouring_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate(const StartupOptions& options);
  void FormShow();
  void createWidgets();
  void createMenus();
  void createToolBars();
  void createStatusBar();
  void fitLineNumberBox();
  void createTimers();
  void createSubsystems();
  void connectEditorEvents();
  void connectLargeView();
  void lineNumberBoxKeyUp(int key);
  void showViewStates();
  void createHelp();
  void showHelpInLanguage();
  // Menus, buttons, tool bars and the heading box in the interface language.
  void showCaptions();
  void openHelpPage(const QString& file);
  TBrowser& helpViewer();
  QRect helpViewerPlace();
  void placeOnLeftHalf();
  void fitFrameOnScreen();
  void setPasteShortcut(bool on);
  void showRecentFiles();
  void recolourAfterRestore();
  bool recoverFrom(const RecoveryOffer& offer);
  // The text a gone run typed into a large file that has changed since, as a new document.
  bool recoverTypedText(const LargeEditsOffer& offer);
  void keepWorkAndEnd();
  void runCommand(const CommandRow& row);
  void applySettings();
  void applyWindowBounds();

  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs& dialogs_;
  AppPaths paths_;
  bool shown_ = false;
  bool closeConfirmed_ = false;
  // The user's own Auto Repaint choice, which the settings file keeps; a
  // large document switches colouring off for itself only.
  bool chosenAutoRepaint_ = true;

  DocumentState document_;
  SessionState session_;
  Settings settings_;
  MessageTable messages_;
  ColouringState colouring_;
  CaretContextFlags caretFlags_;
  CommandMarks marks_;
  // The document mode in which Check Page showed the message pane.
  std::optional<int> checkedPageMode_;
  // The command objects of the rooms and their forms. They go after the
  // help viewer, which hands links to other sites to the preview command.
  std::unique_ptr<Subsystems> subsystems_;
  std::unique_ptr<UndoCommands> undo_;
  // Start-up, the settings file, recovery and the end of the run.
  std::unique_ptr<Session> runSession_;
  // The recent files and their items at the end of the File menu.
  RecentFiles FileNameKeeper;
  std::vector<QAction*> recentItems_;
  // The help pages' viewer, made at the first page shown; it hands links to
  // other sites to the preview command, so it goes before it.
  std::unique_ptr<TBrowser> helpViewer_;
  THelpSearch* helpSearch_ = nullptr;
  // Keys typed before the file named on the command line is in.
  std::unique_ptr<KeysBeforeLoad> keysBeforeLoad_;

  EditorControl* Editor = nullptr;
  large::LargeTextView* LargeView = nullptr;
  QLabel* viewNote_ = nullptr;  // the status bar's note on what the view shows, when it has one
  MessagePane* CMsgWindow = nullptr;
  LineNumberGutter* Gutter = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QToolBar* ToolBar2 = nullptr;
  QComboBox* HeaderComboBox = nullptr;
  TEnhancedEdit* EnhancedEdit1 = nullptr;
  QLabel* statusPanels_[2] = {nullptr, nullptr};
  QProgressBar* ProgressBar = nullptr;
  QMenu* PopupMenu1 = nullptr;
  std::unique_ptr<CommandActions> commands_;
  TDocType* docType_ = nullptr;
  TAboutBox* aboutBox_ = nullptr;

  QTimer Timer1;
  QTimer Timer2;
  QTimer Timer3;
  QTimer Timer4;
  QTimer Timer5;
};

}  // namespace wrenpad
