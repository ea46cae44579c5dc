// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/subsystems.h"

#include "colouring/program_painter.h"
#include "colouring/tag_painter.h"
#include "documents/document_commands.h"
#include "documents/large_files.h"
#include "documents/document_host.h"
#include "documents/editor_view.h"
#include "documents/shell_integration.h"
#include "editing/bracket_highlight.h"
#include "editing/dictionary.h"
#include "platform/font_substitution.h"
#include "editing/editing_context.h"
#include "editing/document_modes.h"
#include "editing/editing_tools.h"
#include "editing/editor_events.h"
#include "editing/find_replace.h"
#include "editing/link_target.h"
#include "editing/macro_replace.h"
#include "editing/template_commands.h"
#include "editor/editor_control.h"
#include "encoding/output_code.h"
#include "html/font_command.h"
#include "html/form_commands.h"
#include "html/forms/form_dialogs.h"
#include "html/forms/html_font_dialog.h"
#include "html/forms/image_property.h"
#include "html/forms/link_dialog.h"
#include "html/forms/table_dialog.h"
#include "html/html_commands.h"
#include "html/link_command.h"
#include "html/table_command.h"
#include "html/text_to_html.h"
#include "page/box_command.h"
#include "page/box_setting_dialog.h"
#include "page/page_settings.h"
#include "page/picture_info.h"
#include "page/preview/browser_window.h"
#include "page/preview/page_preview.h"
#include "platform/dialogs.h"
#include "platform/program_launcher.h"
#include "programming/page_check_command.h"
#include "programming/program_commands.h"
#include "programming/snippet_commands.h"
#include "programming/terminal.h"
#include "programming/tool_profile.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFont>
#include <QFontDatabase>
#include <QMainWindow>
#include <QStatusBar>
#include <QProcess>
#include <QStandardPaths>

namespace wrenpad {

QStringList listFolders(const AppPaths& paths) {
  QStringList folders = paths.dataFolders();
  if (!paths.keepsFilesBeside && folders.contains(paths.configFolder))
    folders.move(folders.indexOf(paths.configFolder), 0);
  return folders;
}

Subsystems::Subsystems(SubsystemsContext context)
    : c_(std::move(context)), screenFonts_(QFontDatabase::families()) {
  editorView_ = std::make_unique<EditorView>(EditorViewContext{
      .editor = c_.editor, .gutter = c_.gutter, .paste = [this] { documents_->pmPasteClick(); }});
  shown_ = std::make_unique<ShownView>(*editorView_);
  largeFiles_ = std::make_unique<LargeFiles>(LargeFilesContext{
      .view = c_.largeView, .dialogs = c_.dialogs, .settings = c_.settings,
      .showView =
          [this](bool shown) {
            shown_->show(shown ? static_cast<DocumentView&>(*largeFiles_) : *editorView_);
            c_.documentHost.showView();
          },
      .programFace =
          [this] {
            QFont face(programFace(c_.settings.CodingFontName));
            face.setPointSize(std::max<int>(1, c_.settings.CodingFontSize));
            return face;
          },
      .changedOnDisk = [this] { documents_->largeFileChangedOnDisk(); },
      .stateFolder = c_.paths.instanceFileFolder()});
  documents_ = std::make_unique<DocumentCommands>(DocumentContext{
      .editor = c_.editor, .view = *shown_, .dialogs = c_.dialogs, .host = c_.documentHost, .document = c_.document,
      .session = c_.session, .settings = c_.settings, .messages = c_.messages,
      .largeFiles = largeFiles_.get()});
  createColouringAndEditing();
  createProgramming();
  createPageCommands();
  createTools();
}

Subsystems::~Subsystems() = default;

DocumentView& Subsystems::view() { return **shown_; }

void Subsystems::endEdits(bool keepForRecovery) {
  for (DocumentView* each : {static_cast<DocumentView*>(editorView_.get()), static_cast<DocumentView*>(largeFiles_.get())})
    each->endEdits(keepForRecovery && each == &**shown_);
}

std::function<QStringList()> Subsystems::screenFonts() const {
  return [fonts = screenFonts_] { return fonts; };
}

void Subsystems::createColouringAndEditing() {
  const ColouringContext colouring{.editor = c_.editor, .dialogs = c_.dialogs, .host = c_.colouringHost,
                                   .document = c_.document, .session = c_.session, .settings = c_.settings,
                                   .messages = c_.messages, .colouring = c_.colouring};
  painter_ = std::make_unique<TagPainter>(colouring);
  programPainter_ = std::make_unique<ProgramPainter>(colouring);
  const EditingContext editing{
      .editor = c_.editor, .view = *shown_, .dialogs = c_.dialogs, .host = c_.editingHost, .document = c_.document,
      .session = c_.session, .settings = c_.settings, .messages = c_.messages,
      .caret = c_.caret, .marks = c_.marks,
      .painting = painter_.get(),
      .pageFontName = [this] { return c_.colouring.PageFontName; },
      .editorFontSize = [this] { return c_.colouring.EditorFontSize; }};
  editorEvents_ = std::make_unique<EditorEvents>(editing);
  editingTools_ = std::make_unique<EditingTools>(editing);
  editorEvents_->setProgramColouring([this] { programPainter_->PaintAfterKey(); },
                                     [this] { programPainter_->PaintScriptLineAtCaret(); });
  bracketMatching_ = std::make_unique<BracketMatching>(BracketMatchingContext{
      .editor = c_.editor, .document = c_.document, .settings = c_.settings,
      .stateAtLineStart = [this](int line) { return programPainter_->stateAtLineStart(line); },
      .showNote =
          [this](const QString& note) {
            if (auto* window = qobject_cast<QMainWindow*>(&c_.window)) window->statusBar()->showMessage(note, 4000);
          }});
  htmlCommands_ = std::make_unique<HtmlCommands>(HtmlContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .host = c_.editingHost, .document = c_.document,
      .settings = c_.settings, .caret = c_.caret, .marks = c_.marks, .keys = *editorEvents_,
      .painting = *painter_, .editorFontSize = [this] { return c_.colouring.EditorFontSize; }});
  find_ = std::make_unique<FindReplace>(FindReplaceContext{
      .editor = c_.editor, .view = *shown_, .dialogs = c_.dialogs,
      .setPasteShortcut = c_.setPasteShortcut, .recolourWholeText = c_.recolourWholeText});
  macros_ = std::make_unique<MacroReplace>(MacroReplaceContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .settings = c_.settings,
      .setPasteShortcut = c_.setPasteShortcut, .recolourWholeText = c_.recolourWholeText,
      .listFolders = listFolders(c_.paths)});
  templates_ = std::make_unique<TemplateCommands>(TemplateContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .document = c_.document, .settings = c_.settings,
      .folders = listFolders(c_.paths), .saveFolder = listFolders(c_.paths).value(0),
      .recolourRange = [this](int from, int to) { c_.documentHost.paintTags(from, to); }});
  templates_->LoadTemplateList();
  modes_ = std::make_unique<DocumentModes>(DocumentModesContext{
      .editor = c_.editor, .document = c_.document, .settings = c_.settings, .painter = *painter_,
      .programPainter = *programPainter_, .templates = *templates_, .paths = c_.paths,
      .view = *shown_,
      .showHtmlToolBar = [this](bool visible) { c_.documentHost.setHtmlToolBarVisible(visible); },
      .showCommandStates = [this] { c_.documentHost.showCommandStates(); },
      .showCodingMenu = [this] { c_.programHost.UpdateCodingMenu(); },
      .setProgress = [this](int percent) { c_.colouringHost.setProgress(percent); }});
}

void Subsystems::createProgramming() {
  programs_ = std::make_unique<ProgramCommands>(ProgramContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .host = c_.programHost, .document = c_.document,
      .settings = c_.settings, .pane = c_.messagePane, .tools = *editingTools_,
      .completionTimer = c_.completionTimer, .logTimer = c_.logTimer,
      .save = [this] { return documents_->mmSaveClick(); }, .profile = CurrentToolProfile()});
  pageCheck_ = std::make_unique<PageCheckCommand>(
      PageCheckContext{.editor = c_.editor, .pane = c_.messagePane, .programs = *programs_});
  snippets_ = std::make_unique<SnippetCommands>(SnippetContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .document = c_.document, .session = c_.session,
      .settings = c_.settings, .files = *documents_,
      .paintProgramRange = [this](int from, int to) { programPainter_->PaintProgramRange(from, to); },
      .selectProgramMode = [this] { c_.documentHost.SelectProgramMode(); },
      .templateFolders = listFolders(c_.paths), .programFolder = c_.paths.applicationFolder});
}

void Subsystems::createPageCommands() {
  auto* htmlFontDialog = new THtmlFontDialog(&c_.window);
  htmlFontDialog->setColourChooser([this](const QColor& initial) { return c_.dialogs.chooseColor(initial); });
  const auto progress = [this](int value) { c_.colouringHost.setProgress(value); };
  fontCommand_ = std::make_unique<FontCommand>(FontCommandContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .document = c_.document, .session = c_.session,
      .settings = c_.settings, .colouring = c_.colouring, .form = *htmlFontDialog,
      .screenFonts = screenFonts(), .painting = *painter_, .setProgress = progress});
  createLinkCommand();
  createPagePreview();
  auto* tableDialog = new TTableDialog(&c_.window);
  tableDialog->setColourChooser([this](const QColor& initial) { return c_.dialogs.chooseColor(initial); });
  tables_ = std::make_unique<TableCommand>(TableCommandContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .document = c_.document, .session = c_.session,
      .settings = c_.settings, .colouring = c_.colouring, .form = *tableDialog,
      .screenFonts = screenFonts(), .painting = *painter_, .setProgress = progress});
  pageSettingForm_ = new THtmlPageSetting(&c_.window);
  pageSettingForm_->setColourChooser([this](const QColor& initial) { return c_.dialogs.chooseColor(initial); });
  pageSettingForm_->setPictureChooser([this] { return choosePagePicture(); });
  pageSettings_ = std::make_unique<PageSettings>(PageSettingsContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .document = c_.document, .settings = c_.settings,
      .colouring = c_.colouring, .form = *pageSettingForm_,
      .screenFonts = screenFonts(), .repaintWholeDocument = [this] { painter_->mmRepaintTagsClick(); }});
  createPageForms();
}

void Subsystems::createLinkCommand() {
  auto* linkDialog = new TLinkDialog(&c_.window);
  auto* pictureDialog = new TImageProperty(&c_.window);
  linkDialog->setFileChooser([this] { return chooseLinkedFile(); });
  links_ = std::make_unique<LinkCommand>(LinkCommandContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .document = c_.document, .linkForm = *linkDialog,
      .clipboardText = [] { return QApplication::clipboard()->text(); },
      .painting = *painter_, .setProgress = [this](int value) { c_.colouringHost.setProgress(value); },
      .linkTarget = [this] { return c_.caret.LinkTarget; },
      .openInNewInstance =
          [this](const QString& fileName) {
            QProcess::startDetached(c_.paths.executablePath, {fileName}, c_.paths.applicationFolder);
          },
      .pictureForm = *pictureDialog, .choosePicture = [this] { return choosePicture(); },
      .loadPicture = [](const QString& fileName) { return loadPicture(fileName); }});
}

// A file for a link, as the path the page names it by: relative to the
// page's folder.
QString Subsystems::chooseLinkedFile() {
  FileDialogRequest request;
  request.folder = c_.document.CurrentFolder;
  request.filters = {
      //: Stays English in the Japanese interface, as designed.
      tr("Text File (*.txt *.in *.out *.dat *.prn *.gpr *.smp *.c *.cpp)"),
      //: Stays English in the Japanese interface, as designed.
      tr("HTML File(*.htm, *.html) (*.htm *.html)"),
      //: Stays English in the Japanese interface, as designed.
      tr("Graphic File (*bmp, *.jpg, *.png, *.gif) (*.bmp *.jpg *.png *.gif)"),
      //: Stays English in the Japanese interface, as designed.
      tr("All (*)")};
  request.filterIndex = 1;
  const OpenFileChoice choice = c_.dialogs.chooseFileToOpen(request);
  return choice.path.isEmpty() ? QString() : RelativePath(c_.document.CurrentFolder, choice.path);
}

void Subsystems::createPagePreview() {
  browsers_ = std::make_unique<BrowserWindows>();
  launcher_ = std::make_unique<ProgramLauncher>();
  preview_ = std::make_unique<PagePreview>(
      PreviewContext{
          .editor = c_.editor, .dialogs = c_.dialogs, .host = c_.previewHost, .document = c_.document,
          .settings = c_.settings, .files = *documents_,
          .startProgram =
              [this](const ProgramCall& call, std::function<void(int)> failed) {
                return launcher_->start(call.program, call.arguments, std::move(failed));
              },
          .findProgram = [](const QString& name) { return QStandardPaths::findExecutable(name); },
          .temporaryFolderPrefix = QStringLiteral("wrenpad-preview")},
      *browsers_);
  browsers_->closed = [this] { preview_->previewClosed(); };
  browsers_->previewFile = [this] { return preview_->previewFile(); };
}

// A picture for the page, started in the document's folder.
QString Subsystems::choosePicture() {
  const QString& name = c_.document.CurrentFileName;
  FileDialogRequest request;
  request.folder = folderOf(name).isEmpty() ? c_.document.CurrentFolder : folderOf(name);
  request.filters = {
      //: Stays English in the Japanese interface, as designed.
      tr("JPEG (*.jpg), Portable Network Graphics(*.png), Windows Metafile(*.wmf, *.emf), "
         "BitMap(*.bmp) (*.jpg *.jpeg *.png *.emf *.wmf *.bmp)"),
      //: Stays English in the Japanese interface, as designed.
      tr("GIF(*.gif) (*.gif)")};
  return c_.dialogs.chooseFileToOpen(request).path;
}

LoadedPicture Subsystems::loadPicture(const QString& fileName) {
  const PictureInfo info = LoadPicture(fileName);
  LoadedPicture loaded{info.preview, std::nullopt, info.problem};
  if (info.size) loaded.size = std::pair(info.size->width, info.size->height);
  return loaded;
}

// A background picture for the page, as the path the page names it by:
// relative to the page's folder.
QString Subsystems::choosePagePicture() {
  FileDialogRequest request;
  //: Stays English in the Japanese interface, as designed.
  request.title = tr("GIF file cannot be browsed here.");
  request.folder = c_.document.CurrentFolder;
  //: Stays English in the Japanese interface, as designed.
  request.filters = {tr("JPEG (*.jpg)"),
                     //: Stays English in the Japanese interface, as designed.
                     tr("GIF(*.gif)")};
  const OpenFileChoice choice = c_.dialogs.chooseFileToOpen(request);
  if (choice.path.isEmpty()) return QString();
  return RelativePath(c_.document.CurrentFolder, choice.path);
}

void Subsystems::createPageForms() {
  const auto progress = [this](int value) { c_.colouringHost.setProgress(value); };
  forms_ = std::make_unique<FormCommands>(FormCommandsContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .document = c_.document, .settings = c_.settings,
      .formDialog = *new TFormDialog(&c_.window),
      .singleLineInputDialog = *new TSingleLineInputDialog(&c_.window),
      .textAreaDialog = *new TTextArea(&c_.window), .selectDialog = *new TSelectDialog(&c_.window),
      .checkDialog = *new TCheckDialog(&c_.window), .divDialog = *new TDivDialog(&c_.window),
      .painting = *painter_, .setProgress = progress});
  auto* boxDialog = new TBoxSetting(&c_.window);
  boxDialog->setColourChooser([this](const QColor& initial) { return c_.dialogs.chooseColor(initial); });
  boxes_ = std::make_unique<BoxCommand>(BoxCommandContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .document = c_.document, .form = *boxDialog,
      .screenFonts = screenFonts(), .painting = *painter_, .setProgress = progress});
  textToHtml_ = std::make_unique<TextToHtmlCommand>(TextToHtmlContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .document = c_.document, .session = c_.session,
      .form = *pageSettingForm_, .pageSettings = [this] { return pageSettings_->values(); },
      .screenFonts = screenFonts(), .readFontContext = {},
      .switchToWebPage = [this] { c_.documentHost.SetWebPageMode(true); },
      .setDocumentTitle = [this](const QString& name) { documents_->SetDocumentTitle(name); },
      .reloadTemplates = [this] { templates_->LoadTemplateList(); },
      .newPageCharset = [this] { return charsetNameOf(documents_->codeOfNewPage()); },
      .startNewDocument = [this] { documents_->startNewDocument(); }});
}

void Subsystems::createTools() {
  dictionary_ = std::make_unique<DictionaryCommand>(DictionaryContext{
      .editor = c_.editor, .dialogs = c_.dialogs, .settings = c_.settings, .messages = c_.messages,
      .findExecutable = [](const QString& name) { return QStandardPaths::findExecutable(name); },
      .startDetached = [](const QString& program,
                          const QStringList& arguments) { return QProcess::startDetached(program, arguments); },
      .startInTerminal =
          [](const QString& program, const QStringList& arguments) {
            const auto launch = TerminalLaunchFor(QStringList{program} + arguments, QDir::homePath(),
                                                  systemTerminalEnvironment());
            return launch && QProcess::startDetached(launch->program, launch->arguments, launch->workingFolder);
          },
      .placeWindowOnLeftHalf = c_.placeWindowOnLeftHalf,
      .putOnClipboard = [](const QString& text) { QApplication::clipboard()->setText(text); }});
  const ShellEnvironment desktop = SystemShellEnvironment(c_.paths.executablePath);
  shell_ = std::make_unique<ShellIntegration>(ShellContext{.dialogs = c_.dialogs, .messages = c_.messages,
                                                           .document = c_.document, .environment = desktop});
  c_.session.SendToShortcut = SendToEntryExists(desktop);
}

}  // namespace wrenpad
