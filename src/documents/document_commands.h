// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The current document's file commands: New, Open, Save, Save As, printing,
// the clipboard commands, renaming, the default folder and the editor font.
// They reach the window only through DocumentHost and ask every question
// through Dialogs, so they run headless in tests.

#include "encoding/document_codec.h"
#include "text/document_lines.h"
#include "documents/document_state.h"
#include "documents/file_access.h"
#include "documents/writing_choices.h"
#include "language/message_table.h"
#include "settings/settings.h"

#include <QCoreApplication>
#include <QFont>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QPrinter;

namespace wrenpad {

class Dialogs;
class DocumentHost;
class EditorControl;
class LargeFiles;
class ShownView;

struct DocumentContext {
  EditorControl& editor;
  // The view the document is shown in; the large one when a file is opened there.
  ShownView& view;
  Dialogs& dialogs;
  DocumentHost& host;
  DocumentState& document;
  SessionState& session;
  Settings& settings;
  const MessageTable& messages;
  // Files too large for the editor open in their own view (large_files.h).
  LargeFiles* largeFiles = nullptr;
};

// The open dialog's filters, in order: text files, HTML files, all files.
QStringList documentFileFilters();

class DocumentCommands {
  Q_DECLARE_TR_FUNCTIONS(wrenpad::DocumentCommands)

 public:
  explicit DocumentCommands(DocumentContext context);
  ~DocumentCommands();

  void SetDocumentTitle(const QString& name);
  // Asks to save a modified document. False when the calling command must
  // stop: the user cancelled, or chose to save and the save did not happen.
  bool AskSaveChanges();
  bool OpenFile(const QString& name, bool readOnly = false);
  // Reads a file into the editor. On failure the document stays as it was.
  bool LoadDocument(const QString& name);
  // Writes the editor text; the old file stays intact when writing fails.
  bool WriteDocumentFile(const QString& name);
  // Writes the editor text to another file in the same output code, such as
  // a page for the browser; the document keeps its own file. Failures are
  // reported; false when nothing was written.
  bool WriteCopyFile(const QString& name);
  // The bytes such a copy at `name` holds, for a caller that writes it
  // itself; nothing when the user stops it (as a save, it asks about
  // characters the output code cannot hold). Without `mayAsk`, nothing
  // instead of a question: for copies written while the user types.
  std::optional<QByteArray> bytesForCopy(const QString& name, bool mayAsk = true);
  void SelectDocumentFont(const QString& text);
  // The document stops being the file it was read from: it is written as a
  // new document is (see writing_choices.h). New, and a page made from a text.
  void startNewDocument();
  // An empty text document under the untitled name, unmodified.
  void beginUntitledDocument();
  // The file named on the command line: read when it exists, else an empty
  // document under its name; false (with an untitled document left) when it
  // cannot be read or its folder is missing.
  bool openCommandLineFile(const QString& name);
  // The code a page made now from this document declares: the code its save
  // would use (UTF-8 for a text read as UTF-8, else the chosen output code).
  TextEncoding codeOfNewPage() const;
  // Another program changed the large file shown: it is read again as it is
  // now, and what the user typed, when anything, is kept in a new document.
  void largeFileChangedOnDisk();
  // Option > Output Kanji code, and Option > Line Ends of New Documents.
  void chooseOutputCode(TextEncoding encoding);
  void chooseNewDocumentLineEnd(LineEnd lineEnd);

  void mmNewClick();
  void mmOpenClick();
  bool mmSaveClick();
  // `acceptName`, when given, looks at each name chosen before anything is
  // written or asked; false (it has told the user why) asks for another.
  using NameCheck = std::function<bool(const QString& chosen)>;
  bool mmSaveAsClick(const NameCheck& acceptName = {});
  void mmPrintClick();
  void mmPrinterSetupClick();
  // The editor's Paste: a fresh document may take its font and its name from what is pasted.
  void pmPasteClick();
  void mmRenameAsTopLineClick();
  void mmAutoFileRenamerClick();
  void mmSetDefaultFolderClick();
  void mmSelectDefaultFolderClick();
  void mmFontClick();
  void FontDialogApply(const QFont& font);

  // The lines list holds the text last read or written.
  TextEncoding documentEncoding() const { return loaded_.encoding; }
  QPrinter& printer();
  QFont fontDialogFont() const { return fontDialogFont_; }

 private:
  QString title() const;
  bool readDocumentFile(const QString& name);
  bool showsLargeFile() const;
  void chooseViewFace();
  bool loadLargeFile(const QString& name);
  bool writeLargeFile(const QString& name);
  std::optional<files::FileStamp> writtenOrReported(const QString& name, const files::WriteResult& written);
  std::optional<files::ReadResult> readWithinLimits(const QString& name);
  std::optional<LoadedText> decodeOrReport(const QString& name, const QByteArray& bytes);
  QString describe(const files::Failure& failure) const;
  void reportFileError(const QString& action, const QString& name, const QString& reason);
  QString fullNameForSave() const;
  void applyFontToWholeText(const QFont& font);
  void rememberDialogFont(const QFont& font);
  void afterSaveAs(const QString& chosen, const QString& oldExtension);
  bool confirm(const QString& question);  // Yes/No/Cancel: true for Yes
  bool confirmOpeningBinary(const QString& name);
  bool confirmOpeningLarge(const QString& name, qint64 size);
  bool confirmOverwritingChanges(const QString& name);
  struct Output {
    QByteArray bytes;
    TextEncoding encoding;
    bool asLoaded = false;  // the bytes the document was read from
    bool jis = false;           // Shift-JIS's characters written as 7-bit JIS
    QString declaration{};      // the charset a page's declaration was changed to
  };
  bool unchangedSinceLoaded() const;
  std::optional<QByteArray> bytesAsLoaded() const;
  // Without `mayAsk`, nothing where the user would be asked.
  std::optional<Output> outputFor(const QString& name, const QString& text, bool mayAsk = true);
  std::optional<Output> encodedOutput(const QString& name, const QString& text, bool mayAsk);
  QString chosenDeclaration(const QString& text) const;
  SaveFormat currentSaveFormat(const QString& text) const;
  bool writeInChosenFormat(const QString& name, const SaveFormat& format, const SaveFormat& current);
  TextEncoding outputEncoding(const QString& text) const;
  TextForm writingForm(const QString& text) const;
  void keepWrittenLineEnd(const QString& text);
  std::optional<Output> utf8Instead(const QString& text, TextEncoding target, const TextForm& form,
                                    qsizetype unencodable);
  Output utf8Output(const QString& text) const;
  std::optional<Output> declaredPageOutput(const QString& text, TextEncoding target, const TextForm& form,
                                           qsizetype unencodable);
  void declareInEditor(const QString& charset);
  std::optional<files::FileStamp> writeBytes(const QString& name, const QByteArray& bytes);
  void rememberWritten(const QString& name, const Output& output, const files::FileStamp& stamp);
  bool confirmChangingBinary(const QString& name);

  DocumentContext c_;
  // The document as it was read or last written: a save without edits
  // writes these bytes again.
  LoadedText loaded_;
  // The code and line ends chosen in the Save As dialog, while that save
  // writes; `changed` when they differ from the document's own.
  struct ChosenFormat {
    SaveFormat format;
    bool changed = false;
  };
  std::optional<ChosenFormat> saveAsFormat_;
  QString loadedPath_;
  // The file as it was read or last written: another stamp at the next save
  // means another program changed it meanwhile.
  files::FileStamp loadedStamp_;
  // The editor's revision when the text was read or last saved. The text and
  // bytes of a text file are not kept: the editor holds the one, the file on
  // disk the other (read again for a save without edits).
  quint64 loadedRevision_ = ~0ull;
  QFont fontDialogFont_;
  int fontDialogCharset_ = kShiftJisCharset;
  int openFilterIndex_ = 0;
  std::unique_ptr<QPrinter> printer_;
};

// The Windows character set a chosen face stands for: 128 for faces that
// write Japanese, 1 (default) for the others.
int charsetOfFace(const QString& family);

}  // namespace wrenpad
