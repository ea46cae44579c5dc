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

#include <QMainWindow>
#include <QTimer>
#include <QTranslator>
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

struct StartupOptions {
  QStringList arguments;  // command-line arguments without the program name
  AppPaths paths;
  QString workingFolder;  // where relative command-line names are found
};

class EditingTools;
class FindReplace;
class MacroReplace;
class TemplateCommands;
class SnippetCommands;
class UndoCommands;
class FontCommand;
class LinkCommand;
class TLinkDialog;
class TImageProperty;
class TableCommand;
class TTableDialog;
struct LoadedPicture;
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

class TMain : public QMainWindow,
              public DocumentHost,
              public ColouringHost,
              public EditingHost,
              public ProgramHost,
              public PreviewHost {
  Q_OBJECT
 public:
  // `dialogs` answers every question; the window uses Qt's dialogs when null.
  explicit TMain(const StartupOptions& options, Dialogs* dialogs = nullptr);
  ~TMain() override;

  EditorControl& editor() { return *Editor; }
  DocumentCommands& documents() { return *documents_; }
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
  QString CommandLineFile;
  bool StartupOpenPending = false;
  QString ApplicationFolder;
  int InstanceSlot = 0;
  QString instanceMarkerFile() const;

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
  void mmHTMLFontClick();
  void PopupMenu1Popup();
  void Timer1Timer();
  void Timer2Timer();
  void Timer3Timer();
  void recolourWholeText();
  void EditorChange();
  void ApplyInterfaceLanguage();
  void EnglishClick();
  void mmSJISClick();
  void mmEUCClick();
  void JapaneseClick();
  bool japaneseInterface() const { return japaneseInterface_; }
  QString settingsFile() const { return settingsPath_; }
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
  void processPendingEvents() override;
  std::optional<int> askDocumentType() override;
  void newProgramFromTemplate() override;
  void newPageFromText() override;
  void fileUsed(const QString& fullName) override;
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
  void startWindowTimer(int number) override;
  void stopWindowTimer(int number) override;
  bool isWindowTimerRunning(int number) const override;
  void resetProgressBar() override;
  void showPopupMenu(const QPoint& globalPosition) override;
  void lookUpInHelp(const QString& word) override;

  // ProgramHost
  void UpdateCodingMenu() override;
  void languageChanged() override;
  void openWebPage(const QUrl& page) override;
  void showAppletPage() override;
  void moveToUpperHalf() override;

  // PreviewHost
  void repaintWithRendering() override;

  TagPainter& painter() { return *painter_; }
  ProgramPainter& programPainter() { return *programPainter_; }
  EditorEvents& editorEvents() { return *editorEvents_; }
  HtmlCommands& htmlCommands() { return *htmlCommands_; }
  EditingTools& editingTools() { return *editingTools_; }
  ProgramCommands& programs() { return *programs_; }
  FindReplace& findReplace() { return *find_; }
  MacroReplace& macros() { return *macros_; }
  TemplateCommands& templates() { return *templates_; }
  SnippetCommands& snippets() { return *snippets_; }
  UndoCommands& undo() { return *undo_; }
  PageSettings& pageSettings() { return *pageSettings_; }
  LinkCommand& links() { return *links_; }
  TableCommand& tables() { return *tables_; }
  PagePreview& preview() { return *preview_; }
  FormCommands& forms() { return *forms_; }
  BoxCommand& boxes() { return *boxes_; }
  TextToHtmlCommand& textToHtml() { return *textToHtml_; }
  DictionaryCommand& dictionary() { return *dictionary_; }
  THelpSearch& helpWindow() { return *helpSearch_; }
  // The help pages' own viewer; null until a page was shown.
  TBrowser* shownHelpViewer() const { return helpViewer_.get(); }
  BrowserWindows& browsers() { return *browsers_; }
  MessagePane& messagePane() { return *CMsgWindow; }
  CaretContextFlags& caretFlags() { return caretFlags_; }
  QComboBox* headingBox() const { return HeaderComboBox; }
  TEnhancedEdit* lineNumberBox() const { return EnhancedEdit1; }
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
  void createPageSettings();
  void createLinkCommand();
  void createPagePreview();
  void createPageForms(const QStringList& screenFonts);
  void createHelpAndTools();
  void showHelpInLanguage();
  void openHelpPage(const QString& file);
  TBrowser& helpViewer();
  QRect helpViewerPlace();
  void placeOnLeftHalf();
  void setPasteShortcut(bool on);
  void showRecentFiles();
  void recolourAfterRestore();
  void keepSaveJournal();
  void offerInterruptedSaves();
  void offerRecovery();
  bool recoverFrom(const struct RecoveryOffer& offer);
  void keepWorkAndEnd();
  QStringList listFolders() const;
  QString choosePicture();
  static LoadedPicture loadPicture(const QString& fileName, bool japanese);
  QString choosePagePicture();
  void runCommand(const CommandRow& row);
  void handleCommandLine(const StartupOptions& options);
  void readSettingsFile();
  void applySettings();
  void applyWindowBounds();
  qint64 documentFileSize() const;
  Settings collectSettings() const;
  void writeSettingsFile();
  void reportSettingsNotSaved(SettingsFileKind kind, const QString& error);

  std::unique_ptr<Dialogs> ownDialogs_;
  Dialogs& dialogs_;
  AppPaths paths_;
  bool shown_ = false;
  bool closeConfirmed_ = false;
  // The user's own Auto Repaint choice, which the settings file keeps; a
  // large document switches colouring off for itself only.
  bool chosenAutoRepaint_ = true;
  // What the settings file was at start: one that could not be read or is
  // not ours is never written over.
  SettingsFileKind settingsKind_ = SettingsFileKind::Missing;
  bool settingsProblemReported_ = false;
  bool endingWithoutQuestions_ = false;  // SIGTERM or SIGHUP: nothing may wait for the user
  bool japaneseInterface_ = false;
  QTranslator qtTranslator_;  // Qt's own dialogs and buttons in Japanese
  QString settingsPath_;

  DocumentState document_;
  SessionState session_;
  Settings settings_;
  MessageTable messages_;
  std::unique_ptr<DocumentCommands> documents_;
  ColouringState colouring_;
  std::unique_ptr<TagPainter> painter_;
  std::unique_ptr<ProgramPainter> programPainter_;
  CaretContextFlags caretFlags_;
  CommandMarks marks_;
  std::unique_ptr<EditorEvents> editorEvents_;
  std::unique_ptr<EditingTools> editingTools_;
  std::unique_ptr<HtmlCommands> htmlCommands_;
  std::unique_ptr<ProgramCommands> programs_;
  std::unique_ptr<FindReplace> find_;
  std::unique_ptr<MacroReplace> macros_;
  std::unique_ptr<TemplateCommands> templates_;
  std::unique_ptr<SnippetCommands> snippets_;
  std::unique_ptr<UndoCommands> undo_;
  InstanceLock instanceLock_;
  // The recent files and their items at the end of the File menu.
  RecentFiles FileNameKeeper;
  std::vector<QAction*> recentItems_;
  std::unique_ptr<PageSettings> pageSettings_;
  std::unique_ptr<FontCommand> fontCommand_;
  std::unique_ptr<LinkCommand> links_;
  TLinkDialog* linkDialog_ = nullptr;
  TImageProperty* pictureDialog_ = nullptr;
  std::unique_ptr<TableCommand> tables_;
  TTableDialog* tableDialog_ = nullptr;
  THtmlFontDialog* htmlFontDialog_ = nullptr;
  THtmlPageSetting* pageSettingForm_ = nullptr;
  // The preview windows go after the command that removes their pages.
  std::unique_ptr<BrowserWindows> browsers_;
  std::unique_ptr<PagePreview> preview_;
  // Outside browsers; it goes first, so no report of one reaches the preview
  // command after it is gone.
  std::unique_ptr<ProgramLauncher> launcher_;
  // The help pages' viewer, made at the first page shown; it hands links to
  // other sites to the preview command, so it goes before it.
  std::unique_ptr<TBrowser> helpViewer_;
  // The form, division and box dialogs, made once and kept for the run.
  TFormDialog* formDialog_ = nullptr;
  TSingleLineInputDialog* singleLineInputDialog_ = nullptr;
  TTextArea* textAreaDialog_ = nullptr;
  TSelectDialog* selectDialog_ = nullptr;
  TCheckDialog* checkDialog_ = nullptr;
  TDivDialog* divDialog_ = nullptr;
  std::unique_ptr<FormCommands> forms_;
  TBoxSetting* boxDialog_ = nullptr;
  std::unique_ptr<BoxCommand> boxes_;
  std::unique_ptr<TextToHtmlCommand> textToHtml_;
  std::unique_ptr<DictionaryCommand> dictionary_;
  std::unique_ptr<ShellIntegration> shell_;
  THelpSearch* helpSearch_ = nullptr;
  // Keys typed before the file named on the command line is in.
  std::unique_ptr<KeysBeforeLoad> keysBeforeLoad_;

  EditorControl* Editor = nullptr;
  MessagePane* CMsgWindow = nullptr;
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
