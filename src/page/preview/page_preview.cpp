// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/preview/page_preview.h"

#include "documents/document_commands.h"
#include "documents/document_kind.h"
#include "documents/document_state.h"
#include "documents/writing_choices.h"
#include "editor/editor_control.h"
#include "files/private_files.h"
#include "page/preview/web_page_options.h"
#include "platform/dialogs.h"
#include "settings/language_mode.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

namespace wrenpad {

namespace {
// The page that embeds an applet: a new text, with the line ends of one.
QByteArray appletPageBytes(const QString& documentName, const Settings& settings) {
  const QString page = AppletPageText(documentName, settings.AppletWidth, settings.AppletHeight);
  return encodeDocument(page, TextEncoding::Utf8, formForWritingText(page, TextForm{}, settings)).bytes;
}
}  // namespace

// The private folders of runs that are gone go at the start.
PagePreview::PagePreview(PreviewContext context, PreviewWindow& window)
    : c_(std::move(context)), window_(window) {
  if (!c_.temporaryFolderPrefix.isEmpty()) files::removeLeftOverPrivateFolders(c_.temporaryFolderPrefix);
  livePause_.setSingleShot(true);
  livePause_.setInterval(kLivePreviewPause);
  livePause_.callOnTimeout([this] { writeLivePage(); });
  window_.liveOn = [this] { return c_.settings.LivePreview; };
  window_.liveSwitched = [this](bool on) { switchLive(on); };
}

PagePreview::~PagePreview() {
  window_.liveOn = nullptr;
  window_.liveSwitched = nullptr;
  removeWrittenPages();
}

BrowserChoice PagePreview::choice() const { return BrowserChoiceOf(c_.settings.Browser); }

void PagePreview::mmDisplayAsWebPageClick() {
  const QString text = c_.editor.text();
  const PreviewDecision decision =
      DecidePreview(text, c_.document.DocumentMode == kTextMode, choice(), window_.isShown());
  if (decision.action == PreviewAction::Nothing) return;
  // A page that is itself named as the preview page is shown from its own
  // file: a preview written there would overwrite the document, and the
  // removal of the preview pages would delete it.
  const QString beside = besidePath();
  const bool ownFile = !beside.isEmpty() && isTheDocumentsOwnFile(beside);
  const QString path = ownFile ? beside : previewPathFor(text);
  if (path.isEmpty()) return;
  if (!(ownFile ? readyAsTheDocumentsOwnFile(path) : writePreview(path, text))) return;
  previewFile_ = path;
  previewOf_ = c_.document.CurrentFileName;
  if (decision.moveWindowUp) c_.host.moveToUpperHalf();
  switch (decision.action) {
    case PreviewAction::ShowPreview: window_.showAddress(path); break;
    case PreviewAction::RefreshPreview: window_.refresh(); break;
    case PreviewAction::OutsideBrowser: OpenInOutsideBrowser(QUrl::fromLocalFile(path).toString(), path); break;
    case PreviewAction::Nothing: break;
  }
  c_.editor.setFocus();
}

// The preview page beside the document; empty for a document never saved.
QString PagePreview::besidePath() const {
  const QString folder = folderOf(c_.document.CurrentFileName);
  return folder.isEmpty() ? QString() : QDir(folder).filePath(QString::fromUtf16(kPreviewFileName));
}

// Beside the document, so that its pictures and links are found. A document
// never saved, or one whose folder cannot take a file, is previewed from the
// temporary folder when it links nothing relatively; otherwise the user is
// told why the page cannot be shown.
QString PagePreview::previewPathFor(const QString& text) {
  const QString folder = folderOf(c_.document.CurrentFileName);
  const QFileInfo folderInfo(folder);
  const QString beside = besidePath();
  const QFileInfo besideInfo(beside);
  const bool writable = !folder.isEmpty() && folderInfo.isDir() && folderInfo.isWritable() &&
                        (!besideInfo.exists() || besideInfo.isWritable());
  if (writable) return beside;
  if (folder.isEmpty() || !HasRelativeLinks(text)) return temporaryPagePath();
  c_.dialogs.showError(
      kApplicationTitle,
      tr("The preview page \"%1\" cannot be written: the folder \"%2\" does not let this program write there.\n"
         "The page refers to pictures or other files beside it, so it cannot be shown from elsewhere. "
         "Save the page in a folder you can write to and display it again.")
          .arg(QDir::toNativeSeparators(beside), QDir::toNativeSeparators(folder)));
  return {};
}

// The page in a folder of our own that nobody else may enter or foresee, so
// nobody can put a link in its way or read or change what it shows; empty,
// after telling the user, when no such folder can be made.
QString PagePreview::temporaryPagePath() {
  if (!temporaryFolder_ || !temporaryFolder_->isValid())
    temporaryFolder_ = std::make_unique<files::TemporaryFolder>(c_.temporaryFolderPrefix);
  if (temporaryFolder_->isValid()) return temporaryFolder_->filePath(QString::fromUtf16(kPreviewFileName));
  c_.dialogs.showError(kApplicationTitle,
                       tr("The preview page cannot be written: no temporary folder can be made in \"%1\": %2")
                           .arg(QDir::toNativeSeparators(files::privateFolderBase()),
                                files::describe(temporaryFolder_->failure())));
  return {};
}

// Whether `path` names the document's own file: one file on disk (reached
// by a symbolic or a hard link, or by its own name), or, while neither is
// there, one place once links are followed.
bool PagePreview::isTheDocumentsOwnFile(const QString& path) const {
  const QString& document = c_.document.CurrentFileName;
  const files::FileStamp page = files::stampOf(path);
  const files::FileStamp own = files::stampOf(document);
  if (page.exists || own.exists)
    return page.exists && own.exists && page.device == own.device && page.inode == own.inode;
  return files::resolveTarget(path) == files::resolveTarget(document);
}

// The document is shown from its own file, saved first if the user says so
// (No shows the file as last saved). The preview neither writes nor removes
// that file.
bool PagePreview::readyAsTheDocumentsOwnFile(const QString& path) {
  written_.remove(path);
  return c_.files.AskSaveChanges() && files::stampOf(path).exists;
}

// Writes the page the preview shows: the document's text as its save would
// write it (its code and line ends), or for an applet's source the page that
// embeds the applet.
bool PagePreview::writePreview(const QString& path, const QString& text, bool mayAsk) {
  if (!mayWrite(path)) return false;
  const bool applet = c_.document.DocumentMode == kProgramMode && c_.settings.PL == int(LanguageMode::Java) &&
                      IsAppletSource(text);
  const std::optional<QByteArray> bytes =
      applet ? appletPageBytes(c_.document.CurrentFileName, c_.settings) : c_.files.bytesForCopy(path, mayAsk);
  if (!bytes || !writePage(path, *bytes)) return false;
  written_.insert(path, files::stampOf(path));
  return true;
}

// A file of that name that this run did not write, or that was changed
// since, belongs to the user.
bool PagePreview::mayWrite(const QString& path) {
  if (wroteAsItIs(path) || !files::stampOf(path).exists) return true;
  const Answer answer = c_.dialogs.askYesNoCancel(
      kApplicationTitle,
      tr("The folder already holds a file named \"%1\" that Wrenpad did not write in this session.\n"
         "Replace it with the preview of this page? (No or Cancel keeps the file and shows nothing.)")
          .arg(QDir::toNativeSeparators(path)),
      Answer::No);
  return answer == Answer::Yes;
}

bool PagePreview::wroteAsItIs(const QString& path) const {
  const auto page = written_.constFind(path);
  return page != written_.constEnd() && files::stampOf(path) == *page;
}

// Written whole, and never more readable than the document it shows: the
// preview shows the document's text to no one who may not read the document
// itself.
bool PagePreview::writePage(const QString& path, const QByteArray& bytes) {
  const files::Failure failure =
      files::writePrivateFile(path, bytes, files::permissionsOf(c_.document.CurrentFileName));
  if (!failure.failed()) return true;
  c_.dialogs.showError(kApplicationTitle, tr("Cannot write file \"%1\": %2")
                                              .arg(QDir::toNativeSeparators(path), files::describe(failure)));
  return false;
}

void PagePreview::OpenInOutsideBrowser(const QString& address, const QString& fallback) {
  const std::optional<ProgramCall> call = OutsideBrowserCall(choice(), address, c_.findProgram);
  if (!call) {
    browserFailed(QString(), -1, address, fallback);
    return;
  }
  const QString program = QFileInfo(call->program).fileName();
  // The report comes later when the browser gives up after its start.
  const auto failed = [this, program, address, fallback](int status) {
    browserFailed(program, status, address, fallback);
  };
  if (!c_.startProgram(*call, failed)) browserFailed(program, -1, address, fallback);
}

// Says which browser could not show the page (none at all, one that did not
// start, or one that gave up with a status) and where the page is; the
// fallback address goes to the own preview window.
void PagePreview::browserFailed(const QString& program, int status, const QString& address,
                                const QString& fallback) {
  QString what;
  if (program.isEmpty())
    what = tr("No web browser is installed (not even xdg-open).");
  else if (status < 0)
    what = tr("The web browser \"%1\" could not be started.").arg(program);
  else
    what = tr("The web browser \"%1\" could not be started: it ended with status %2.")
               .arg(program)
               .arg(status);
  const QString then = fallback.isEmpty()
                           ? tr("Open this address in a browser: %1")
                           : tr("The page is shown in the preview window instead. Its address: %1");
  c_.dialogs.showError(kApplicationTitle, what + u'\n' + then.arg(address));
  if (!fallback.isEmpty()) window_.showAddress(fallback);
}

void PagePreview::showServerPage(const QString& address) {
  const BrowserChoice chosen = choice();
  if (chosen == BrowserChoice::OwnPreview || chosen == BrowserChoice::Netscape)
    window_.showAddress(address);
  else
    OpenInOutsideBrowser(address, address);
}

void PagePreview::previewClosed() {
  if (!previewFile_.isEmpty()) removeIfAsWritten(previewFile_);
}

// A page is removed only while it is the file the preview wrote: a file
// saved over it since is not the preview's to delete.
void PagePreview::removeIfAsWritten(const QString& path) {
  if (wroteAsItIs(path)) QFile::remove(path);
  written_.remove(path);
}

void PagePreview::removeWrittenPages() {
  for (const QString& path : written_.keys()) removeIfAsWritten(path);
  temporaryFolder_.reset();  // the private folder goes with all it holds
}

// Cheap on every key: no text is read until the pause ends.
void PagePreview::textChanged() {
  if (c_.settings.LivePreview && !previewFile_.isEmpty() && window_.isShown()) livePause_.start();
}

// Switched on, the preview catches up with the text after the pause.
void PagePreview::switchLive(bool on) {
  c_.settings.LivePreview = on;
  if (on) textChanged();
  else livePause_.stop();
}

// The page written again as a display writes it, and reloaded in place.
// Only while the window is open on the page this run wrote for this
// document: a page saved over since, the document's own file, or another
// document's page are left for the next display, which asks about them.
void PagePreview::writeLivePage() {
  if (!c_.settings.LivePreview || previewFile_.isEmpty() || !window_.isShown()) return;
  if (c_.document.DocumentMode == kTextMode || c_.document.CurrentFileName != previewOf_) return;
  if (!wroteAsItIs(previewFile_) || !writePreview(previewFile_, c_.editor.text(), false)) return;
  window_.reloadKeepingPlace();
}

TWebPageEditOptions& PagePreview::optionsForm() {
  if (!optionsForm_) optionsForm_ = std::make_unique<TWebPageEditOptions>();
  return *optionsForm_;
}

// The browser choice counts however the dialog closes, as a click on the
// item is taken at once; the rendering switch only on OK.
void PagePreview::mmWebPageEditOptionsClick() {
  WebPageOptionsValues shown;
  shown.realization = c_.settings.Realization;
  shown.browser = int(choice());
  shown.browserCaptions = BrowserChoiceCaptions(c_.findProgram);
  const std::optional<WebPageOptionsValues> chosen = c_.dialogs.askForm(optionsForm(), shown);
  if (!chosen) return;
  c_.settings.Browser = std::int8_t(BrowserChoiceOf(chosen->browser));
  if (!chosen->confirmed || chosen->realization == c_.settings.Realization) return;
  c_.settings.Realization = chosen->realization;
  if (c_.document.DocumentMode == kHtmlMode) c_.host.repaintWithRendering();
}

}  // namespace wrenpad
