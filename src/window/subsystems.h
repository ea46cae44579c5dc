// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The command objects of the rooms and the forms they show, made once for
// the run with the narrow context each needs. The window hands in its state
// structs, its host interfaces and a few services of its own; each context
// is built here with every field named where it is set.

#include "platform/app_paths.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QTimer;
class QWidget;

namespace wrenpad {

namespace large {
class LargeTextView;
}

class BoxCommand;
class BracketMatching;
class BrowserWindows;
class ColouringHost;
class Dialogs;
class DictionaryCommand;
class DocumentCommands;
class DocumentModes;
class DocumentView;
class EditorView;
class LineNumberGutter;
class ShownView;
class DocumentHost;
class EditingHost;
class EditingTools;
class EditorControl;
class EditorEvents;
class FindReplace;
class FontCommand;
class FormCommands;
class HtmlCommands;
class LargeFiles;
class LinkCommand;
class MacroReplace;
class MessagePane;
class PageCheckCommand;
class PagePreview;
class PageSettings;
class PreviewHost;
class ProgramCommands;
class ProgramHost;
class ProgramLauncher;
class ProgramPainter;
class ShellIntegration;
class SnippetCommands;
class TableCommand;
class TagPainter;
class TemplateCommands;
class TextToHtmlCommand;
class THtmlPageSetting;
struct CaretContextFlags;
struct ColouringState;
struct CommandMarks;
struct DocumentState;
struct LoadedPicture;
struct MessageTable;
struct SessionState;
struct Settings;

// Macro and template lists are kept where the program may write, else in the
// user's own folder; the shipped ones are found beside the program or
// installed. The first folder is where lists are saved.
QStringList listFolders(const AppPaths& paths);

struct SubsystemsContext {
  QWidget& window;  // the parent of the forms
  EditorControl& editor;
  LineNumberGutter* gutter;         // the editor's line numbers
  large::LargeTextView& largeView;  // shown instead of the editor for a large file
  Dialogs& dialogs;
  DocumentHost& documentHost;
  ColouringHost& colouringHost;
  EditingHost& editingHost;
  ProgramHost& programHost;
  PreviewHost& previewHost;
  DocumentState& document;
  SessionState& session;
  Settings& settings;
  const MessageTable& messages;
  ColouringState& colouring;
  CaretContextFlags& caret;
  CommandMarks& marks;
  AppPaths paths;
  MessagePane& messagePane;
  QTimer& completionTimer;  // the check after a compile (Timer1)
  QTimer& logTimer;         // the test server's log watch (Timer3)
  // An open find, replace or macro dialog takes Ctrl+V for its own fields.
  std::function<void(bool on)> setPasteShortcut;
  // After a change of the whole text: programs and pages coloured again.
  std::function<void()> recolourWholeText;
  // The dictionary takes the right half of the screen; the window the left.
  std::function<void()> placeWindowOnLeftHalf;
};

class Subsystems {
  Q_DECLARE_TR_FUNCTIONS(Subsystems)

 public:
  explicit Subsystems(SubsystemsContext context);
  ~Subsystems();
  Subsystems(const Subsystems&) = delete;
  Subsystems& operator=(const Subsystems&) = delete;

  // The view the document is shown in now, and the editor's own.
  DocumentView& view();
  EditorView& editorView() { return *editorView_; }
  // The session ends: the shown view keeps its edits for the next start
  // (or lets them go), and every other view lets its own go.
  void endEdits(bool keepForRecovery);
  DocumentCommands& documents() { return *documents_; }
  LargeFiles& largeFiles() { return *largeFiles_; }
  TagPainter& painter() { return *painter_; }
  ProgramPainter& programPainter() { return *programPainter_; }
  EditorEvents& editorEvents() { return *editorEvents_; }
  EditingTools& editingTools() { return *editingTools_; }
  HtmlCommands& htmlCommands() { return *htmlCommands_; }
  ProgramCommands& programs() { return *programs_; }
  PageCheckCommand& pageCheck() { return *pageCheck_; }
  FindReplace& findReplace() { return *find_; }
  MacroReplace& macros() { return *macros_; }
  TemplateCommands& templates() { return *templates_; }
  DocumentModes& modes() { return *modes_; }
  SnippetCommands& snippets() { return *snippets_; }
  FontCommand& fontCommand() { return *fontCommand_; }
  LinkCommand& links() { return *links_; }
  TableCommand& tables() { return *tables_; }
  PageSettings& pageSettings() { return *pageSettings_; }
  THtmlPageSetting& pageSettingForm() { return *pageSettingForm_; }
  BrowserWindows& browsers() { return *browsers_; }
  PagePreview& preview() { return *preview_; }
  FormCommands& forms() { return *forms_; }
  BoxCommand& boxes() { return *boxes_; }
  TextToHtmlCommand& textToHtml() { return *textToHtml_; }
  DictionaryCommand& dictionary() { return *dictionary_; }
  ShellIntegration& shell() { return *shell_; }
  BracketMatching& bracketMatching() { return *bracketMatching_; }

 private:
  void createColouringAndEditing();
  void createProgramming();
  void createPageCommands();
  void createLinkCommand();
  void createPagePreview();
  void createPageForms();
  void createTools();
  QString chooseLinkedFile();
  QString choosePicture();
  static LoadedPicture loadPicture(const QString& fileName);
  QString choosePagePicture();
  std::function<QStringList()> screenFonts() const;

  SubsystemsContext c_;
  // The faces the font choices offer: the screen's, read once at start.
  QStringList screenFonts_;
  std::unique_ptr<EditorView> editorView_;
  std::unique_ptr<LargeFiles> largeFiles_;
  std::unique_ptr<ShownView> shown_;
  std::unique_ptr<DocumentCommands> documents_;
  std::unique_ptr<TagPainter> painter_;
  std::unique_ptr<ProgramPainter> programPainter_;
  std::unique_ptr<EditorEvents> editorEvents_;
  std::unique_ptr<EditingTools> editingTools_;
  std::unique_ptr<HtmlCommands> htmlCommands_;
  std::unique_ptr<ProgramCommands> programs_;
  std::unique_ptr<PageCheckCommand> pageCheck_;
  std::unique_ptr<FindReplace> find_;
  std::unique_ptr<MacroReplace> macros_;
  std::unique_ptr<TemplateCommands> templates_;
  std::unique_ptr<DocumentModes> modes_;
  std::unique_ptr<SnippetCommands> snippets_;
  std::unique_ptr<FontCommand> fontCommand_;
  std::unique_ptr<LinkCommand> links_;
  std::unique_ptr<TableCommand> tables_;
  THtmlPageSetting* pageSettingForm_ = nullptr;
  std::unique_ptr<PageSettings> pageSettings_;
  // The preview windows go after the command that removes their pages.
  std::unique_ptr<BrowserWindows> browsers_;
  std::unique_ptr<PagePreview> preview_;
  // Outside browsers; it goes first, so no report of one reaches the preview
  // command after it is gone.
  std::unique_ptr<ProgramLauncher> launcher_;
  std::unique_ptr<FormCommands> forms_;
  std::unique_ptr<BoxCommand> boxes_;
  std::unique_ptr<TextToHtmlCommand> textToHtml_;
  std::unique_ptr<DictionaryCommand> dictionary_;
  std::unique_ptr<ShellIntegration> shell_;
  // Reads the program colouring's line states: it goes first.
  std::unique_ptr<BracketMatching> bracketMatching_;
};

}  // namespace wrenpad
