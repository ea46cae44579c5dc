// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file boundary of documents: bytes on disk to the editor's text and back.
//
// Reading: a valid UTF-8 file with non-ASCII text is read as UTF-8; an EUC-JP
// file is read as EUC-JP; anything else goes through the kanji library (JIS
// becomes Shift-JIS, and is written as JIS again) and is decoded as code page
// 932. Every line then ends
// with CR LF; a NUL is a character like any other. The file's bytes are kept,
// so a document saved without edits is written back byte for byte, and so are
// the forms the file used (line ends, byte-order mark, which of two codes a
// character had, the bytes of lines that used both), so a save after edits
// changes only what was edited.

#include "encoding/cp932.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace wrenpad {

enum class TextEncoding { ShiftJis, EucJp, Utf8 };

// The line end a file is written with.
enum class LineEnd { CrLf, Lf, Cr };

// The lines of a file that hold a character of FileCodes::varied, which no
// single choice of code writes back as they were, in the file's order, with
// their bytes and the bytes of each such character in them. Lines of the text
// that the file had at its start and end, as they were, are written with their
// bytes again; in the lines between, each occurrence of such a character takes
// the bytes of the one in the same place among the file's lines there, and
// one beyond their count the code the file used first.
struct KeptLines {
  struct Occurrence {
    char16_t character = 0;
    QByteArray bytes;
  };
  struct Line {
    QString text;  // without its line end
    QByteArray bytes;
    QList<Occurrence> varied;
  };
  TextEncoding code = TextEncoding::ShiftJis;  // the code of the bytes
  QList<Line> lines;
};

// How a text is written out, as the file it came from had it.
struct TextForm {
  LineEnd lineEnd = LineEnd::CrLf;
  // The file had line ends, so `lineEnd` is its own; a text without any (a
  // new document, an empty file, one line without an end) takes the line
  // end chosen for new documents when it is written.
  bool lineEndFromFile = false;
  // The file's last line ended with a line end; a file that lacks it is
  // written without it again.
  bool finalLineEnd = true;
  bool utf8Bom = false;     // UTF-8 output begins with a byte-order mark
  // Shift-JIS output is written as 7-bit JIS (ISO-2022-JP) instead: the file
  // was JIS, or the page declares it.
  bool jis = false;
  cp932::FileCodes codes;   // the codes the file used and its stray bytes
  KeptLines keptLines;
};

struct LoadedText {
  QString text;       // CR LF after every line
  QByteArray bytes;   // the file, every byte as it was read
  // The code the file was read in (JIS as Shift-JIS, with TextForm::jis),
  // which it keeps when saved.
  TextEncoding encoding = TextEncoding::ShiftJis;
  TextForm form;
  bool binary = false;  // control bytes: not a text file
};

LoadedText decodeDocument(const QByteArray& fileBytes);

// True when the bytes look like a binary file rather than text: a byte below
// 8 or a byte FF anywhere in them.
bool looksBinary(const QByteArray& fileBytes);

// The line end of a file: the kind of its first line end when every other one
// is of that kind too; CR LF for a file that mixes kinds or has none.
LineEnd lineEndOf(const QByteArray& fileBytes);

// Line ends of bytes made CR LF after every line.
QByteArray normalizeLineBytes(const QByteArray& bytes);

// The form a text is written in: `form`, but with LF line ends when the
// text's first line names an interpreter ("#!/usr/bin/perl"), since the
// system reads a CR there as part of the interpreter's name and the script
// cannot run by itself.
TextForm formForWriting(const QString& text, TextForm form);

// The bytes of a file to be written as they were read: those of a script
// whose first line names an interpreter with every line end made LF, any
// other file's as they are. (CR and LF bytes are never part of a character
// in the codes read here.)
QByteArray withScriptLineEnds(const QByteArray& fileBytes);

struct EncodedText {
  QByteArray bytes;
  // Index of a character the code cannot hold, in the text with its lines
  // made CR LF; -1 when every character fits.
  qsizetype firstUnencodable = -1;
};
EncodedText encodeDocument(const QString& text, TextEncoding target, const TextForm& form = {});

// Whether `target` can write the character (a half of a surrogate pair only
// in UTF-8).
bool canEncode(QChar c, TextEncoding target, const TextForm& form = {});

// The text with every character that `target` cannot hold written as a
// numeric character reference of HTML, "&#163;" for "£".
QString withCharacterReferences(const QString& text, TextEncoding target, const TextForm& form = {});

// The whole character at `index` of text: both halves of a surrogate pair.
QString characterAt(const QString& text, qsizetype index);

QString encodingName(TextEncoding encoding);
// The name of the code written: "JIS" for Shift-JIS written in seven bits.
QString encodingName(TextEncoding encoding, const TextForm& form);

}  // namespace wrenpad
