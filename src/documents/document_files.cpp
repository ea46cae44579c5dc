// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the document's file: the bytes on disk, their
// decoding and encoding, and the questions about binary files, large files,
// files changed by another program and characters a code cannot hold.

#include "documents/document_commands.h"

#include "documents/document_host.h"
#include "documents/file_access.h"
#include "documents/large_files.h"
#include "documents/writing_choices.h"
#include "editor/editor_control.h"
#include "encoding/document_codec.h"
#include "encoding/output_code.h"
#include "platform/dialogs.h"

#include <QFileInfo>
#include <new>

namespace wrenpad {

namespace {
// Above this a file is opened only when the user says so: the program holds
// about a dozen bytes for every byte of the file (the bytes kept for saving,
// the text in UTF-16 with CR LF line ends, the editor's own copy and layout),
// and a text this long is slow to edit.
constexpr qint64 kLargeDocumentBytes = qint64(64) << 20;
// Above this it is refused: that many bytes would need several gigabytes,
// and positions in the editor are int, so the text (a byte can become two
// characters when an LF becomes CR LF) must stay well below 2^31 characters.
constexpr qint64 kLargestDocumentBytes = qint64(256) << 20;

qint64 mebibytes(qint64 bytes) { return (bytes + (qint64(1) << 20) - 1) >> 20; }

const QByteArray kUtf8Bom("\xEF\xBB\xBF");
// What a page that the user lets declare UTF-8 names as its charset.
const QString kUtf8Declaration = charsetNameOf(TextEncoding::Utf8);
}  // namespace

// ---- reading ------------------------------------------------------------------

QString DocumentCommands::describe(const files::Failure& failure) const {
  QString text = files::describe(failure);
  if (failure.problem == files::Problem::TooLarge)
    text += u'\n' + tr("Wrenpad opens files of up to %1 MiB.").arg(mebibytes(kLargestDocumentBytes));
  return text;
}

bool DocumentCommands::confirmOpeningLarge(const QString& name, qint64 size) {
  return confirm(tr("\"%1\" is large (%2 MiB). Opening it takes much memory and editing it is slow.\n"
                    "Open it anyway?")
                    .arg(name)
                    .arg(mebibytes(size)));
}

// The file's bytes, or nothing (after saying why) when it is no regular file,
// is too large, or cannot be read.
std::optional<files::ReadResult> DocumentCommands::readWithinLimits(const QString& name) {
  const files::FileStamp before = files::stampOf(name);
  if (files::isRegularFile(name) && before.size > kLargeDocumentBytes &&
      before.size <= kLargestDocumentBytes && !confirmOpeningLarge(name, before.size))
    return std::nullopt;
  files::ReadResult read = files::readRegularFile(name, kLargestDocumentBytes);
  if (!read.failure.failed()) return read;
  reportFileError(tr("Cannot open file"), name, describe(read.failure));
  return std::nullopt;
}

std::optional<LoadedText> DocumentCommands::decodeOrReport(const QString& name,
                                                          const QByteArray& bytes) {
  try {
    return decodeDocument(bytes);
  } catch (const std::bad_alloc&) {
    reportFileError(tr("Cannot open file"), name, describe(files::because(files::Problem::OutOfMemory)));
    return std::nullopt;
  }
}

// Reads and decodes the file into loaded_; false (after saying why) when it
// cannot be read or the user declines to open it.
bool DocumentCommands::readDocumentFile(const QString& name) {
  std::optional<files::ReadResult> read = readWithinLimits(name);
  if (!read) return false;
  std::optional<LoadedText> loaded = decodeOrReport(name, read->bytes);
  if (!loaded) return false;
  read->bytes = QByteArray();  // the loaded text keeps its own reference
  if (loaded->binary && !confirmOpeningBinary(name)) return false;
  loaded_ = std::move(*loaded);
  loadedPath_ = QFileInfo(name).absoluteFilePath();
  loadedStamp_ = read->stamp;
  return true;
}

// ---- writing ------------------------------------------------------------------

bool DocumentCommands::confirm(const QString& question) {
  return c_.dialogs.askYesNoCancel(title(), question) == Answer::Yes;
}

bool DocumentCommands::confirmOpeningBinary(const QString& name) {
  return confirm(tr("\"%1\" does not look like a text file: it holds control bytes.\n"
                    "Open it as text anyway? Saving it after changes would change its bytes.")
                    .arg(name));
}

bool DocumentCommands::confirmChangingBinary(const QString& name) {
  return confirm(tr("\"%1\" was opened from a file that is not text.\n"
                    "Saving the edited text will change its bytes. Save anyway?")
                    .arg(name));
}

// True when the save may go on: the file is not the one the document was read
// from, or nothing changed it since it was read or last written, or the user
// says to overwrite the other program's changes.
bool DocumentCommands::confirmOverwritingChanges(const QString& name) {
  if (QFileInfo(name).absoluteFilePath() != loadedPath_) return true;
  const files::FileStamp now = files::stampOf(name);
  if (!now.exists || now == loadedStamp_) return true;
  // Yes destroys the other program's bytes: Enter keeps them.
  const QString question = tr("\"%1\" was changed by another program after Wrenpad read or saved it.\n"
                              "Overwrite those changes with this text? (No or Cancel does not save.)")
                              .arg(name);
  return c_.dialogs.askYesNoCancel(title(), question, Answer::No) == Answer::Yes;
}

// The text in UTF-8 when the user agrees, after finding a character that
// `target` cannot hold.
std::optional<DocumentCommands::Output> DocumentCommands::utf8Instead(const QString& text,
                                                                      TextEncoding target,
                                                                      const TextForm& form,
                                                                      qsizetype unencodable) {
  if (!confirm(tr("The text holds characters that %1 cannot hold, such as \"%2\".\n"
                  "Save it as UTF-8 instead? (No or Cancel does not save.)")
                  .arg(encodingName(target, form), characterAt(text, unencodable))))
    return std::nullopt;
  return utf8Output(text);
}

DocumentCommands::Output DocumentCommands::utf8Output(const QString& text) const {
  TextForm form = writingForm(text);
  form.utf8Bom = false;
  return Output{encodeDocument(text, TextEncoding::Utf8, form).bytes, TextEncoding::Utf8};
}

// A page that declares `target` is never written in bytes of another code:
// the characters `target` cannot hold become character references, or the
// page is made to declare UTF-8, as the user chooses; nothing when the save
// stops.
std::optional<DocumentCommands::Output> DocumentCommands::declaredPageOutput(const QString& text,
                                                                             TextEncoding target,
                                                                             const TextForm& form,
                                                                             qsizetype unencodable) {
  const QString character = characterAt(text, unencodable);
  const Answer answer = c_.dialogs.askYesNoCancel(
      title(), tr("The page declares the code %1, which cannot hold characters such as \"%2\".\n"
                  "Write such characters as character references (\"%3\" for \"%2\") and keep the code? "
                  "(No offers to declare UTF-8 instead; Cancel does not save.)")
                  .arg(encodingName(target, form), character, withCharacterReferences(character, target, form)));
  if (answer == Answer::Yes) {
    const QString referenced = withCharacterReferences(text, target, form);
    return Output{encodeDocument(referenced, target, form).bytes, target, false, form.jis};
  }
  if (answer == Answer::No && confirm(tr("Change the page's declaration to UTF-8 and save it as UTF-8?\n"
                                         "(No or Cancel does not save.)"))) {
    Output output = utf8Output(withDeclaredCharset(text, kUtf8Declaration));
    output.declaration = kUtf8Declaration;
    return output;
  }
  return std::nullopt;
}

// The code a save writes the text in. A document that was read from a file
// (or written to one) keeps that file's code wherever it is written, as it
// keeps its line ends; only new documents take the output code.
TextEncoding DocumentCommands::outputEncoding(const QString& text) const {
  if (saveAsFormat_) return saveAsFormat_->format.encoding;
  OutputChoice choice;
  choice.htmlMode = c_.document.DocumentMode == kHtmlMode;
  choice.chosen = chosenOutputEncoding(c_.settings);
  choice.loadedAs = loaded_.encoding;
  choice.fromFile = !loadedPath_.isEmpty();
  return chooseOutputEncoding(text, choice);
}

// Option > Output Kanji code and Option > Line Ends of New Documents.
void DocumentCommands::chooseOutputCode(TextEncoding encoding) {
  c_.settings.OutputCode = storedOutputCode(encoding);
}

void DocumentCommands::chooseNewDocumentLineEnd(LineEnd lineEnd) {
  c_.settings.NewDocumentsCRLF = lineEnd == LineEnd::CrLf;
}

TextEncoding DocumentCommands::codeOfNewPage() const {
  return chooseOutputEncoding(QString(), {.chosen = chosenOutputEncoding(c_.settings), .loadedAs = loaded_.encoding});
}

// The line ends and codes a save writes the text with. A file read as JIS
// goes back to itself as JIS; a page that declares a code is written as it
// declares.
TextForm DocumentCommands::writingForm(const QString& text) const {
  TextForm base = loaded_.form;
  if (saveAsFormat_) {
    base.lineEnd = saveAsFormat_->format.lineEnd;
    base.lineEndFromFile = true;
    base.utf8Bom = saveAsFormat_->format.utf8Bom;
  }
  TextForm form = formForWritingText(text, base, c_.settings);
  if (saveAsFormat_) {
    form.jis = saveAsFormat_->format.jis;
    return form;
  }
  form.jis = !loadedPath_.isEmpty() && loaded_.form.jis;
  if (c_.document.DocumentMode == kHtmlMode && declaredEncoding(text)) form.jis = declaresJis(text);
  return form;
}

// Once written, the file's line ends are the document's own: a later change
// of the choice for new documents leaves them alone.
void DocumentCommands::keepWrittenLineEnd(const QString& text) {
  loaded_.form.lineEnd = writingForm(text).lineEnd;
  loaded_.form.lineEndFromFile = !text.isEmpty();
}

// The code and line ends a save to the document's own file would write: the
// Save As dialog offers them first.
SaveFormat DocumentCommands::currentSaveFormat(const QString& text) const {
  const TextForm form = writingForm(text);
  return SaveFormat{outputEncoding(text), form.jis, form.utf8Bom, form.lineEnd};
}

// A page whose declared code is not the one chosen in the Save As dialog is
// made to declare the chosen one: the charset to declare, or nothing.
QString DocumentCommands::chosenDeclaration(const QString& text) const {
  if (!saveAsFormat_ || c_.document.DocumentMode != kHtmlMode) return {};
  const std::optional<TextEncoding> declared = declaredEncoding(text);
  const SaveFormat& chosen = saveAsFormat_->format;
  if (!declared || (*declared == chosen.encoding && declaresJis(text) == chosen.jis)) return {};
  return chosen.jis ? QStringLiteral("ISO-2022-JP") : charsetNameOf(chosen.encoding);
}

// The bytes a save writes, or nothing when the user stops the save.
std::optional<DocumentCommands::Output> DocumentCommands::outputFor(const QString& name, const QString& text,
                                                                    bool mayAsk) {
  const QString declaration = chosenDeclaration(text);
  std::optional<Output> output =
      encodedOutput(name, declaration.isEmpty() ? text : withDeclaredCharset(text, declaration), mayAsk);
  if (output && output->declaration.isEmpty()) output->declaration = declaration;
  return output;
}

std::optional<DocumentCommands::Output> DocumentCommands::encodedOutput(const QString& name,
                                                                        const QString& text, bool mayAsk) {
  const TextEncoding target = outputEncoding(text);
  // A document saved without edits gets the bytes it was read from, in
  // whatever code they are (JIS included, which is never written otherwise),
  // unless the user chose another code or line end for them.
  const bool unchanged = unchangedSinceLoaded() && !(saveAsFormat_ && saveAsFormat_->changed);
  if (unchanged) {
    if (std::optional<QByteArray> bytes = bytesAsLoaded())
      return Output{loaded_.binary ? *bytes : withScriptLineEnds(*bytes), target, true};
  }
  if (loaded_.binary && !unchanged && QFileInfo(name).absoluteFilePath() == loadedPath_ &&
      (!mayAsk || !confirmChangingBinary(name)))
    return std::nullopt;
  const TextForm form = writingForm(text);
  const EncodedText encoded = encodeDocument(text, target, form);
  if (encoded.firstUnencodable < 0) return Output{encoded.bytes, target, false, form.jis};
  if (!mayAsk) return std::nullopt;
  const bool declared = c_.document.DocumentMode == kHtmlMode && declaredEncoding(text) == target;
  if (declared) return declaredPageOutput(text, target, form, encoded.firstUnencodable);
  return utf8Instead(text, target, form, encoded.firstUnencodable);
}

// The editor's page declares `charset`, as the file just written does; the
// selection stays on the text it was on.
void DocumentCommands::declareInEditor(const QString& charset) {
  const std::optional<CharsetDeclaration> declaration = findCharsetDeclaration(c_.editor.text());
  if (!declaration) return;
  const int start = int(declaration->start);
  const int shift = int(charset.size() - declaration->length);
  const int selStart = c_.editor.selStart();
  const int selLength = c_.editor.selLength();
  c_.editor.select(start, int(declaration->length));
  c_.editor.replaceSelection(charset);
  c_.editor.select(selStart > start ? selStart + shift : selStart, selLength);
}

// Whether the editor holds the text as it was read or last saved.
bool DocumentCommands::unchangedSinceLoaded() const {
  return c_.editor.revision() == loadedRevision_;
}

// The bytes the document was read from: kept for a binary file, read again
// for a text file when the file is still the one read or written (else
// nothing, and the text is encoded afresh).
std::optional<QByteArray> DocumentCommands::bytesAsLoaded() const {
  if (!loaded_.bytes.isNull()) return loaded_.bytes;
  if (loadedPath_.isEmpty()) return std::nullopt;
  files::ReadResult read = files::readRegularFile(loadedPath_, kLargestDocumentBytes);
  if (read.failure.failed() || read.stamp != loadedStamp_ || files::stampOf(loadedPath_) != loadedStamp_)
    return std::nullopt;
  return std::move(read.bytes);
}

// After a save the written file is what "without edits" compares against;
// the forms the file had (line ends, codes) stay.
void DocumentCommands::rememberWritten(const QString& name, const Output& output,
                                       const files::FileStamp& stamp) {
  loadedPath_ = QFileInfo(name).absoluteFilePath();
  loadedStamp_ = stamp;
  loadedRevision_ = c_.editor.revision();
  if (output.asLoaded) return;
  const bool utf8 = output.encoding == TextEncoding::Utf8;
  loaded_.text = QString();
  loaded_.bytes = QByteArray();
  loaded_.encoding = output.encoding;
  loaded_.form.jis = output.jis;
  loaded_.form.utf8Bom = utf8 && output.bytes.startsWith(kUtf8Bom);
  loaded_.binary = false;
}

bool DocumentCommands::WriteDocumentFile(const QString& name) {
  if (showsLargeFile()) return writeLargeFile(name);
  // Every line, the last included, ends in CR LF in the file.
  const QString text = normalizeDocumentText(c_.editor.text());
  if (!confirmOverwritingChanges(name)) return false;
  const std::optional<Output> output = outputFor(name, text);
  if (!output) return false;
  const std::optional<files::FileStamp> stamp = writeBytes(name, output->bytes);
  if (!stamp) return false;
  if (!output->declaration.isEmpty()) declareInEditor(output->declaration);
  if (!output->asLoaded) keepWrittenLineEnd(text);
  rememberWritten(name, *output, *stamp);
  c_.host.fileUsed(QFileInfo(name).absoluteFilePath());
  return true;
}

bool DocumentCommands::WriteCopyFile(const QString& name) {
  const QString text = normalizeDocumentText(c_.editor.text());
  const std::optional<Output> output = outputFor(name, text);
  return output && writeBytes(name, output->bytes);
}

// Replaced or written in place so that the file keeps its links, owner and
// permissions; a failure part-way leaves the old file as it was.
std::optional<files::FileStamp> DocumentCommands::writeBytes(const QString& name, const QByteArray& bytes) {
  return writtenOrReported(name, files::writeFileKeepingIdentity(name, bytes));
}

std::optional<files::FileStamp> DocumentCommands::writtenOrReported(const QString& name,
                                                                    const files::WriteResult& written) {
  if (!written.failure.failed()) return written.stamp;
  reportFileError(tr("Cannot write file"), name, describe(written.failure));
  return std::nullopt;
}

// ---- large files ------------------------------------------------------------------

bool DocumentCommands::showsLargeFile() const { return c_.largeFiles && c_.largeFiles->shown(); }

// A large file is not read whole: it is shown in its own view, in its own
// bytes, uncoloured, without questions about its size or its bytes (a save
// writes them back as they were, but for the edits).
bool DocumentCommands::loadLargeFile(const QString& name) {
  large::LargeDocument::Opened opened = c_.largeFiles->read(name);
  if (!opened.document) {
    reportFileError(tr("Cannot open file"), name, describe(opened.failure));
    return false;
  }
  c_.host.beginDocument();
  c_.editor.clear();
  SetDocumentTitle(name);
  startNewDocument();
  loadedPath_ = QFileInfo(name).absoluteFilePath();
  loadedStamp_ = files::stampOf(name);
  c_.largeFiles->show(std::move(opened.document), false, name);
  c_.session.AutoFileNaming = false;
  StartUndoSeries(c_.session);
  c_.editor.setModified(false);
  c_.host.showCommandStates();
  return true;
}

void DocumentCommands::largeFileChangedOnDisk() {
  const QString name = loadedPath_;
  const bool modified = c_.largeFiles->isModified();
  const QString typed = modified ? c_.largeFiles->typedText() : QString();
  const QString title = tr("File changed on disk");
  if (!modified) {
    c_.dialogs.showMessage(title, tr("Another program changed \"%1\" while it was open here. "
                                     "It is read again as it is now.")
                                     .arg(name));
    const qint64 line = c_.largeFiles->caretLine();
    if (LoadDocument(name)) {
      // Read again at the same line, as a log being followed would be.
      if (showsLargeFile()) c_.largeFiles->goToLine(line);
      return;
    }
  } else {
    c_.dialogs.showMessage(
        title, tr("Another program changed \"%1\" while it was open here, so your edits can no longer be put "
                  "into it. The text you typed is now in a new document: save it under a name of its own, "
                  "then open the file again.")
                  .arg(name));
  }
  // A new document: empty, or holding what was typed, not yet saved.
  beginUntitledDocument();
  if (!typed.isEmpty()) {
    c_.editor.setText(typed);
    c_.editor.setModified(true);
  }
  c_.host.showCommandStates();
}

bool DocumentCommands::writeLargeFile(const QString& name) {
  if (!confirmOverwritingChanges(name)) return false;
  const std::optional<files::FileStamp> stamp = writtenOrReported(name, c_.largeFiles->write(name));
  if (!stamp) return false;
  loadedPath_ = QFileInfo(name).absoluteFilePath();
  loadedStamp_ = *stamp;
  c_.host.fileUsed(loadedPath_);
  return true;
}

}  // namespace wrenpad
