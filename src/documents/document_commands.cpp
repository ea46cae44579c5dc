// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/document_commands.h"

#include "platform/dialogs.h"
#include "platform/font_substitution.h"
#include "encoding/document_codec.h"
#include "documents/document_host.h"
#include "documents/document_view.h"
#include "documents/large_files.h"
#include "editor/editor_control.h"
#include "editor/text_on_background.h"
#include "documents/writing_choices.h"
#include "text/english_text.h"

#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPrinter>

namespace wrenpad {

QStringList documentFileFilters() {
  return {
      //: Stays English in the Japanese interface, as designed.
      DocumentCommands::tr("Text File (*.txt *.in *.out *.dat *.prn *.gpr *.smp *.c *.cpp *.java *.pas *.cgi)"),
      //: Stays English in the Japanese interface, as designed.
      DocumentCommands::tr("HTML File(*.htm, *.html) (*.htm *.html)"),
      //: Stays English in the Japanese interface, as designed.
      DocumentCommands::tr("All(*.*) (*)")};
}

int charsetOfFace(const QString& family) {
  const QString face = QFont(family).family();
  for (const QString& candidate : {family, face}) {
    if (candidate.contains(QStringLiteral("ゴシック")) || candidate.contains(QStringLiteral("明朝")))
      return kShiftJisCharset;
    const auto systems = QFontDatabase::writingSystems(candidate);
    if (systems.contains(QFontDatabase::Japanese)) return kShiftJisCharset;
  }
  return kDefaultCharset;
}

DocumentCommands::DocumentCommands(DocumentContext context) : c_(context) {
  fontDialogFont_ = QFont(kProportionalGothic);
  fontDialogFont_.setPointSize(11);
  // What leaves the editor for other programs ends its lines as a new
  // document does; the settings outlive the editor's use of them.
  c_.editor.setCopiedLineBreak([settings = &c_.settings] { return lineBreakOf(newTextLineEnd(*settings)); });
}

DocumentCommands::~DocumentCommands() = default;

QString DocumentCommands::title() const { return kApplicationTitle; }

void DocumentCommands::reportFileError(const QString& action, const QString& name,
                                       const QString& reason) {
  c_.dialogs.showError(title(), QStringLiteral("%1 \"%2\":\n%3").arg(action, name, reason));
}

// ---- identity -----------------------------------------------------------------

void DocumentCommands::SetDocumentTitle(const QString& name) {
  c_.document.CurrentFileName = name;
  c_.host.setWindowCaption(windowTitleFor(name));
}

bool DocumentCommands::AskSaveChanges() {
  if (!c_.view->isModified()) return true;
  const QString question = formatMessage(c_.messages.MsgSaveChanges, c_.document.CurrentFileName);
  switch (c_.dialogs.askYesNoCancel(title(), question)) {
    case Answer::Cancel: return false;
    case Answer::No: return true;
    case Answer::Yes: return mmSaveClick();
  }
  return false;
}

// ---- reading ------------------------------------------------------------------

bool DocumentCommands::LoadDocument(const QString& name) {
  if (c_.largeFiles && LargeFiles::isLargeFile(name)) return loadLargeFile(name);
  // The file is read before anything changes, so a file that cannot be read
  // leaves the document as it was. The load is then one step that never
  // re-enters the event loop: no timer, signal or queued key meets a text
  // whose mode, undo series and modified flag are not set yet.
  if (!readDocumentFile(name)) return false;
  c_.host.beginDocument();
  c_.editor.clear();
  SetDocumentTitle(name);
  const QString text = loaded_.text;
  SelectDocumentFont(text);
  c_.editor.beginUpdate();
  c_.editor.setText(text);
  loadedRevision_ = c_.editor.revision();
  loaded_.text = QString();
  if (!loaded_.binary) loaded_.bytes = QByteArray();
  c_.session.AutoFileNaming = false;
  c_.host.showCommandStates();
  c_.host.SelectProgramMode();
  c_.host.SetWebPageMode(isHtmlFile(name));
  StartUndoSeries(c_.session);
  c_.session.ChangeWatch = true;
  c_.host.startUndoTimer();
  c_.editor.setModified(false);
  c_.editor.setSelStart(0);
  c_.editor.endUpdate();
  return true;
}

bool DocumentCommands::OpenFile(const QString& name, bool readOnly) {
  if (!LoadDocument(name)) return false;
  c_.document.CurrentFolder = folderOf(QFileInfo(name).absoluteFilePath());
  c_.host.showCurrentFolder();
  c_.view->setReadOnly(readOnly);
  c_.document.LastExtension = extensionOf(name);
  c_.host.fileUsed(QFileInfo(name).absoluteFilePath());
  return true;
}

// A file named on the command line that does not exist yet is begun as an
// empty document under its name, made by the first save, as in any editor a
// terminal user knows; only a missing folder is a mistake.
bool DocumentCommands::openCommandLineFile(const QString& name) {
  if (files::stampOf(name).exists) {
    if (!LoadDocument(name)) return false;
    c_.host.fileUsed(QFileInfo(name).absoluteFilePath());
    return true;
  }
  if (!QFileInfo(folderOf(name)).isDir()) {
    c_.dialogs.showError(title(), formatMessage(c_.messages.MsgFileMissing, name));
    return false;
  }
  beginUntitledDocument();
  SetDocumentTitle(name);
  c_.document.LastExtension = extensionOf(name);
  c_.session.AutoFileNaming = false;
  c_.host.SelectProgramMode();
  c_.host.SetWebPageMode(isHtmlFile(name));
  c_.editor.setModified(false);
  c_.session.ChangeWatch = true;
  return true;
}

void DocumentCommands::mmOpenClick() {
  if (!AskSaveChanges()) return;
  FileDialogRequest request;
  request.folder = c_.document.CurrentFolder;
  request.filters = documentFileFilters();
  const QString last = c_.document.LastExtension.toLower();
  request.filterIndex = (last == u".html" || last == u".htm") ? 1 : openFilterIndex_;
  const OpenFileChoice choice = c_.dialogs.chooseFileToOpen(request);
  if (choice.path.isEmpty()) return;
  openFilterIndex_ = choice.filterIndex;
  OpenFile(choice.path, choice.readOnly);
}

QString DocumentCommands::fullNameForSave() const {
  const QString& name = c_.document.CurrentFileName;
  if (!folderOf(name).isEmpty()) return name;
  return QDir(c_.document.CurrentFolder).filePath(name);
}

bool DocumentCommands::mmSaveClick() {
  if (c_.document.CurrentFileName == kUntitledName) return mmSaveAsClick();
  const QString name = fullNameForSave();
  // A name the document was given (automatic naming, Rename As Top Line, a
  // page made from a text) may be another file's: it is not replaced unasked.
  // No chooses another name.
  if (QFileInfo(name).absoluteFilePath() != loadedPath_ && files::stampOf(name).exists) {
    const Answer answer = c_.dialogs.askYesNoCancel(title(), formatMessage(c_.messages.MsgOverwrite, name));
    if (answer == Answer::No) return mmSaveAsClick();
    if (answer != Answer::Yes) return false;
  }
  if (!WriteDocumentFile(name)) return false;
  c_.document.CurrentFileName = name;
  c_.document.LastExtension = extensionOf(name);
  c_.editor.setModified(false);
  return true;
}

bool DocumentCommands::mmSaveAsClick(const NameCheck& acceptName) {
  const QString oldExtension = extensionOf(c_.document.CurrentFileName).toLower();
  FileDialogRequest request;
  request.folder = c_.document.CurrentFolder;
  request.fileName = bareFileName(c_.document.CurrentFileName);
  request.filters = documentFileFilters();
  request.filterIndex = isHtmlFile(request.fileName) ? 1 : 0;
  // A text is written in the code and with the line ends it has unless the
  // user picks others here (a large file keeps its own).
  const SaveFormat current = currentSaveFormat(normalizeDocumentText(c_.editor.text()));
  if (c_.view->can(ViewAbility::OtherCodes)) request.choices = saveFormatChoices(current);
  SaveFileChoice choice = c_.dialogs.chooseFileToSave(request);
  while (!choice.path.isEmpty() && acceptName && !acceptName(choice.path)) {
    request.folder = folderOf(choice.path);
    request.fileName = bareFileName(choice.path);
    choice = c_.dialogs.chooseFileToSave(request);
  }
  const QString& chosen = choice.path;
  if (chosen.isEmpty()) return false;
  if (files::stampOf(chosen).exists) {
    const QString question = formatMessage(c_.messages.MsgOverwrite, chosen);
    if (c_.dialogs.askYesNoCancel(title(), question) != Answer::Yes) return false;
  }
  const bool written = c_.view->can(ViewAbility::OtherCodes)
                           ? writeInChosenFormat(chosen, saveFormatChosen(choice.items, current), current)
                           : WriteDocumentFile(chosen);
  if (!written) return false;
  afterSaveAs(chosen, oldExtension);
  return true;
}

bool DocumentCommands::writeInChosenFormat(const QString& name, const SaveFormat& format,
                                           const SaveFormat& current) {
  saveAsFormat_ = ChosenFormat{format, format != current};
  const bool written = WriteDocumentFile(name);
  saveAsFormat_.reset();
  return written;
}

std::optional<QByteArray> DocumentCommands::bytesForCopy(const QString& name, bool mayAsk) {
  const std::optional<Output> output = outputFor(name, normalizeDocumentText(c_.editor.text()), mayAsk);
  if (!output) return std::nullopt;
  return output->bytes;
}

void DocumentCommands::afterSaveAs(const QString& chosen, const QString& oldExtension) {
  SetDocumentTitle(chosen);
  c_.document.CurrentFolder = folderOf(chosen);
  c_.document.LastExtension = extensionOf(chosen);
  c_.host.showCurrentFolder();
  c_.host.SelectProgramMode();
  // A page saved under another extension stays a page; a text saved as a
  // page becomes one.
  const bool newIsHtml = isHtmlFile(chosen);
  const bool oldWasHtml = oldExtension == u".htm" || oldExtension == u".html";
  if (!newIsHtml && c_.document.DocumentMode != kHtmlMode)
    c_.host.SetWebPageMode(false);
  else if (!oldWasHtml && newIsHtml)
    c_.host.SetWebPageMode(true);
  c_.editor.setModified(false);
}

// ---- New ----------------------------------------------------------------------

// New asks about modified text first; a save that does not happen, or a
// cancelled question, keeps the document as it is.
void DocumentCommands::mmNewClick() {
  if (!AskSaveChanges()) return;
  const std::optional<int> kind = c_.host.askDocumentType();
  if (!kind) return;
  beginUntitledDocument();
  if (*kind == kNewProgram) c_.host.newProgramFromTemplate();
  if (*kind == kNewPage) c_.host.newPageFromText();
  c_.session.ChangeWatch = true;
}

void DocumentCommands::beginUntitledDocument() {
  SetDocumentTitle(kUntitledName);
  startNewDocument();
  c_.host.beginDocument();
  c_.editor.clear();
  c_.host.SetWebPageMode(false);
  c_.editor.setModified(false);
  StartUndoSeries(c_.session);
}

void DocumentCommands::startNewDocument() {
  loaded_ = LoadedText{};
  loadedPath_.clear();
  loadedStamp_ = files::FileStamp{};
  loadedRevision_ = ~0ull;
}

// ---- fonts --------------------------------------------------------------------

void DocumentCommands::SelectDocumentFont(const QString& text) {
  const Settings& s = c_.settings;
  EditorFont font;
  font.color = PlainTextColourOn(c_.editor.background());
  font.sizePoints = s.DefFontSize;
  const QString& name = c_.document.CurrentFileName;
  if (isProgramFile(name)) {
    font = {programFace(s.CodingFontName), s.CodingFontSize, s.CodingFontCharset, font.color};
  } else if (isHtmlFile(name)) {
    if (IsEnglishText(text)) {
      font.name = kTimesNewRoman;
      font.charset = kDefaultCharset;
    } else {
      font.name = kProportionalGothic;
      font.charset = kShiftJisCharset;
      c_.document.DocumentFontName = kProportionalGothic;
    }
  } else if (IsEnglishText(text)) {
    font.name = s.DefFontCharset == kDefaultCharset ? s.DefFontName : kTimesNewRoman;
    font.charset = kDefaultCharset;
  } else {
    font.name = s.DefFontCharset == kShiftJisCharset ? s.DefFontName : kProportionalGothic;
    font.charset = kShiftJisCharset;
  }
  // A UTF-8 document has a yen sign of its own: its backslash looks like one.
  c_.editor.setDrawsBackslash(loaded_.encoding == TextEncoding::Utf8);
  c_.editor.setDefaultFont(font);
  QFont dialogFont(font.name);
  dialogFont.setPointSize(std::max(1, font.sizePoints));
  fontDialogFont_ = dialogFont;
  fontDialogCharset_ = font.charset;
}

void DocumentCommands::rememberDialogFont(const QFont& font) {
  fontDialogFont_ = font;
  fontDialogCharset_ = charsetOfFace(font.family());
}

void DocumentCommands::FontDialogApply(const QFont& font) {
  rememberDialogFont(font);
  EditorFont editorFont = c_.editor.defaultFont();
  editorFont.name = font.family();
  editorFont.sizePoints = std::max(1, font.pointSize());
  editorFont.charset = fontDialogCharset_;
  c_.editor.setDefaultFont(editorFont);
}

void DocumentCommands::applyFontToWholeText(const QFont& font) {
  const int caret = c_.editor.selStart();
  c_.editor.beginUpdate();
  c_.editor.selectAll();
  CharAttributes attributes;
  attributes.fontName = font.family();
  attributes.sizePoints = std::max(1, font.pointSize());
  attributes.charset = fontDialogCharset_;
  attributes.bold = font.bold();
  attributes.italic = font.italic();
  attributes.underline = font.underline();
  attributes.strikeOut = font.strikeOut();
  c_.editor.setSelAttributes(attributes);
  c_.editor.setSelStart(caret);
  c_.editor.endUpdate();
}

namespace {
std::int8_t toSize8(int points) { return static_cast<std::int8_t>(std::clamp(points, 1, 127)); }

// The font the editor draws the document with: its face and size, with the
// weight, slant and lines last chosen in the font dialog while that face and
// size are still in use. A document that was given no face yet (the one at
// start-up) is drawn in the face Qt falls back to.
QFont fontInUse(const EditorFont& drawn, const QFont& lastChosen) {
  const QString face = drawn.name.isEmpty() ? QFontInfo(QFont(drawn.name)).family() : drawn.name;
  const int points = std::max(1, drawn.sizePoints);
  if (lastChosen.family() == face && lastChosen.pointSize() == points) return lastChosen;
  QFont font(face);
  font.setPointSize(points);
  return font;
}
}  // namespace

// OK on the font in use changes nothing: neither the text nor the settings.
void DocumentCommands::mmFontClick() {
  if (!c_.view->can(ViewAbility::CharacterFormats)) return chooseViewFace();
  const QFont inUse = fontInUse(c_.editor.defaultFont(), fontDialogFont_);
  const auto chosen = c_.dialogs.chooseFont(inUse, [this](const QFont& font) { FontDialogApply(font); });
  if (!chosen || *chosen == inUse) return;
  FontDialogApply(*chosen);  // the face drawn is the one the dialog opens on next
  applyFontToWholeText(*chosen);
  Settings& s = c_.settings;
  if (c_.document.DocumentMode == kProgramMode) {
    s.CodingFontName = chosen->family();
    s.CodingFontSize = toSize8(chosen->pointSize());
    s.CodingFontCharset = fontDialogCharset_;
  } else {
    s.DefFontName = chosen->family();
    s.DefFontSize = toSize8(chosen->pointSize());
    s.DefFontCharset = fontDialogCharset_;
    c_.host.setEditorFontSize(s.DefFontSize);
    c_.host.paintTags(0, c_.editor.textLength());
  }
}

// A view of one face shows the program face (its columns line up): the
// choice goes there, as it does for a program.
void DocumentCommands::chooseViewFace() {
  const std::optional<QFont> chosen = c_.dialogs.chooseFont(c_.view->face(), nullptr);
  if (!chosen) return;
  c_.settings.CodingFontName = chosen->family();
  c_.settings.CodingFontSize = toSize8(chosen->pointSize());
  c_.view->setFace(*chosen);
}

// ---- printing -----------------------------------------------------------------

QPrinter& DocumentCommands::printer() {
  if (!printer_) {
    printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    // The page inset is counted in printer pixels; at the 600 dots per inch
    // of a common office printer it is about 11 mm on every device, PDF too.
    printer_->setResolution(600);
  }
  return *printer_;
}

void DocumentCommands::mmPrintClick() {
  QPrinter& device = printer();
  const QRect page = device.pageLayout().fullRectPixels(device.resolution());
  constexpr int kInset = 254;  // printer pixels in from each edge
  c_.editor.setPageRect(QRect(QPoint(kInset, kInset),
                              QPoint(page.width() - kInset, page.height() - kInset)));
  if (!c_.dialogs.setUpPrint(device)) return;
  c_.editor.print(device, c_.document.CurrentFileName);
}

void DocumentCommands::mmPrinterSetupClick() { c_.dialogs.setUpPrinter(printer()); }

// ---- clipboard ----------------------------------------------------------------

void DocumentCommands::pmPasteClick() {
  const QString pasted = QApplication::clipboard()->text();
  if (pasted.isEmpty()) return;
  const int oldLength = c_.editor.textLength();
  const bool wasUnmodified = !c_.editor.isModified();
  if (oldLength < 3) SelectDocumentFont(pasted);
  const int start = c_.editor.selStart();
  c_.editor.replaceSelection(pasted);
  const int end = c_.editor.selStart();
  c_.host.paintTags(start, end);
  c_.editor.setSelStart(end);
  // Automatic naming: a fresh document is named after its first line.
  if (!c_.session.AutoFileNaming || oldLength >= 3) return;
  const QString firstLine = c_.editor.line(0);
  if (firstLine.contains(QLatin1Char('\t'))) return;
  // A blank first line would make the hidden name ".txt": no name then.
  const std::optional<QString> stem = fileNameFromText(firstLine);
  if (stem && wasUnmodified) SetDocumentTitle(*stem + QStringLiteral(".txt"));
}

// ---- naming and folders --------------------------------------------------------

// The new name stays in the current folder: a line that gives no usable
// name leaves the name as it was.
void DocumentCommands::mmRenameAsTopLineClick() {
  const std::optional<QString> stem = fileNameFromText(c_.view->lineText(0));
  if (!stem) return;
  SetDocumentTitle(*stem + extensionOf(c_.document.CurrentFileName));
}

void DocumentCommands::mmAutoFileRenamerClick() {
  c_.session.AutoFileNaming = !c_.session.AutoFileNaming;
  c_.host.showCommandStates();
}

void DocumentCommands::mmSetDefaultFolderClick() {
  c_.document.CurrentFolder = c_.document.DefaultFolder;
  c_.host.showCurrentFolder();
}

void DocumentCommands::mmSelectDefaultFolderClick() {
  const QString chosen = c_.dialogs.chooseFolder(title(), c_.document.DefaultFolder);
  if (chosen.isEmpty()) return;
  QDir().mkpath(chosen);
  c_.document.DefaultFolder = QDir::cleanPath(chosen);
  mmSetDefaultFolderClick();
}

}  // namespace wrenpad
