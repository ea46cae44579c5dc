// Reading and writing the document's file: the bytes on disk, their
// decoding and encoding, and the questions about binary files and
// characters a code cannot hold.

#include "documents/document_commands.h"

#include "documents/document_host.h"
#include "editor/editor_control.h"
#include "encoding/document_codec.h"
#include "encoding/output_code.h"
#include "platform/dialogs.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace wrenpad {

// ---- reading ------------------------------------------------------------------

// Reads and decodes the file into loaded_; false (after saying why) when it
// cannot be read or the user declines to open it.
bool DocumentCommands::readDocumentFile(const QString& name) {
  QFile file(name);
  if (!file.open(QIODevice::ReadOnly)) {
    reportFileError(tr2("Cannot open file", u"ファイルを開けません"), name, file.errorString());
    return false;
  }
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) {
    reportFileError(tr2("Cannot read file", u"ファイルを読み込めません"), name, file.errorString());
    return false;
  }
  LoadedText loaded = decodeDocument(bytes);
  if (loaded.binary && !confirmOpeningBinary(name)) return false;
  loaded_ = std::move(loaded);
  loadedPath_ = QFileInfo(name).absoluteFilePath();
  return true;
}

// ---- writing ------------------------------------------------------------------

bool DocumentCommands::confirm(const QString& question) {
  return c_.dialogs.askYesNoCancel(title(), question) == Answer::Yes;
}

bool DocumentCommands::confirmOpeningBinary(const QString& name) {
  return confirm(tr2("\"%1\" does not look like a text file: it holds control bytes.\n"
                     "Open it as text anyway? Saving it after changes would change its bytes.",
                     u"\"%1\"はテキストファイルではないようです（制御文字を含みます）。\n"
                     u"テキストとして開きますか？ 変更して保存するとファイルの内容が変わります。")
                     .arg(name));
}

bool DocumentCommands::confirmChangingBinary(const QString& name) {
  return confirm(tr2("\"%1\" was opened from a file that is not text.\n"
                     "Saving the edited text will change its bytes. Save anyway?",
                     u"\"%1\"はテキストではないファイルから開かれました。\n"
                     u"編集したテキストを保存するとファイルの内容が変わります。保存しますか？")
                     .arg(name));
}

// The bytes a save writes, or nothing when the user stops the save.
std::optional<DocumentCommands::Output> DocumentCommands::outputFor(const QString& name,
                                                                    const QString& text) {
  OutputChoice choice;
  choice.htmlMode = c_.document.DocumentMode == kHtmlMode;
  choice.eucChosen = c_.settings.EUC;
  choice.loadedAs = loaded_.encoding;
  TextEncoding target = chooseOutputEncoding(text, choice);
  // A document saved without edits gets the bytes it was read from.
  const bool unchanged = text == loaded_.text && !loaded_.bytes.isNull();
  if (unchanged && target == loaded_.encoding)
    return Output{loaded_.utf8Bom ? QByteArray("\xEF\xBB\xBF") + loaded_.bytes : loaded_.bytes,
                  target};
  if (unchanged && target == TextEncoding::EucJp && loaded_.encoding == TextEncoding::ShiftJis)
    return Output{shiftJisToEuc(loaded_.bytes), target};
  if (loaded_.binary && !unchanged && QFileInfo(name).absoluteFilePath() == loadedPath_ &&
      !confirmChangingBinary(name))
    return std::nullopt;
  EncodedText encoded = encodeDocument(text, target, loaded_.utf8Bom);
  if (encoded.firstUnencodable >= 0) {
    if (!confirm(tr2("The text holds characters that %1 cannot hold, such as \"%2\".\n"
                     "Save it as UTF-8 instead? (No or Cancel does not save.)",
                     u"この文書には%1で保存できない文字（\"%2\"など）が含まれています。\n"
                     u"UTF-8で保存しますか？（「いいえ」「キャンセル」では保存しません）")
                     .arg(encodingName(target), text.mid(encoded.firstUnencodable, 1))))
      return std::nullopt;
    target = TextEncoding::Utf8;
    encoded = encodeDocument(text, target, false);
  }
  return Output{encoded.bytes, target};
}

// After a save the written text is what "without edits" compares against.
void DocumentCommands::rememberWritten(const QString& name, const QString& text,
                                       const Output& output) {
  loadedPath_ = QFileInfo(name).absoluteFilePath();
  if (text == loaded_.text && output.encoding == loaded_.encoding) return;
  const bool utf8 = output.encoding == TextEncoding::Utf8;
  const bool bom = utf8 && output.bytes.startsWith("\xEF\xBB\xBF");
  loaded_.text = text;
  loaded_.encoding = utf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis;
  loaded_.utf8Bom = bom;
  loaded_.bytes = output.encoding == TextEncoding::EucJp ? QByteArray()
                                                         : (bom ? output.bytes.mid(3) : output.bytes);
  loaded_.binary = false;
}

bool DocumentCommands::WriteDocumentFile(const QString& name) {
  lines_.setText(c_.editor.text());
  const QString text = lines_.text();
  const std::optional<Output> output = outputFor(name, text);
  if (!output) return false;
  // Written beside the old file and renamed into place: a failure part-way
  // leaves the old file as it was.
  QSaveFile file(name);
  if (!file.open(QIODevice::WriteOnly) || file.write(output->bytes) != output->bytes.size() ||
      !file.commit()) {
    reportFileError(tr2("Cannot write file", u"ファイルに書き込めません"), name, file.errorString());
    return false;
  }
  rememberWritten(name, text, *output);
  return true;
}

}  // namespace wrenpad
