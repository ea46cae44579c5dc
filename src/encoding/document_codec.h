#pragma once
// The file boundary of documents: bytes on disk to the editor's text and back.
//
// Reading: a valid UTF-8 file with non-ASCII text is read as UTF-8; anything
// else goes through the kanji library (JIS and EUC-JP become Shift-JIS) and is
// decoded as code page 932. Every line then ends with CR LF and the text stops
// at the first NUL. The bytes of that text are kept, so a document saved
// without edits is written back byte for byte.

#include <QByteArray>
#include <QString>

namespace wrenpad {

enum class TextEncoding { ShiftJis, EucJp, Utf8 };

struct LoadedText {
  QString text;       // CR LF after every line
  QByteArray bytes;   // that text in `encoding`, as read (lines made CR LF);
                      // for a binary file, the file's bytes untouched
  TextEncoding encoding = TextEncoding::ShiftJis;
  bool binary = false;   // control bytes: not a text file
  bool utf8Bom = false;  // the file began with a UTF-8 byte-order mark
};

LoadedText decodeDocument(const QByteArray& fileBytes);

// True when the bytes look like a binary file rather than text.
bool looksBinary(const QByteArray& fileBytes);

// Line ends of bytes made CR LF after every line, cut at the first NUL.
QByteArray normalizeLineBytes(const QByteArray& bytes);

struct EncodedText {
  QByteArray bytes;
  qsizetype firstUnencodable = -1;  // index of a character the code cannot hold
};
EncodedText encodeDocument(const QString& text, TextEncoding target, bool utf8Bom = false);

QByteArray shiftJisToEuc(const QByteArray& sjis);

QString encodingName(TextEncoding encoding);

}  // namespace wrenpad
