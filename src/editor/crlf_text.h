// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Line breaks between the program's CR LF text and the text widget's own
// forms. Private to the editor room. Each function makes one pass: replacing
// break by break moves the rest of a long text once per break.

#include "text/piece_text.h"

#include <QString>
#include <optional>

class QTextBlock;
class QTextDocument;

namespace wrenpad {

// CR LF and lone CR become LF (what other programs on this system expect).
QString withLfBreaks(const QString& text);

// Every CR LF, lone CR and lone LF becomes `lineBreak`.
QString withLineBreaks(const QString& text, QStringView lineBreak);

// The line (block number) a position of the CR LF text lies on: the last
// whose first position, its document position plus one for every break
// before it, is not beyond it; -1 before the text. The line of `hint` is
// tried first (the caret's: most positions asked for lie on its line), then
// a binary search over the lines.
int lineAtCrLfPosition(const QTextDocument& document, int position, const QTextBlock& hint);

// The document's paragraph separators (U+2029) written as CR LF.
QString withCrLfBreaks(const QString& raw);

// True when the document gives back exactly `text` as its CR LF text: every
// line break is CR LF and nothing in it is a character the document stores
// in its own way (NUL, the Unicode line and paragraph separators, the two
// non-characters the document uses for frames).
bool readsBackUnchanged(const QString& text);

// A change of the CR LF text in its own positions: `removed` characters at
// `start` gave way to `added`.
struct CrLfChange {
  qsizetype start = 0;
  qsizetype removed = 0;
  qsizetype added = 0;
};

// The CR LF text follows one change of the document: `removed` characters of
// the document (where a CR LF pair is one break) at `start`, a position in
// the CR LF text, give way to `inserted`, document text whose paragraph
// separators become CR LF. Nothing, and the text as it was, when the removed
// characters run past its end. Costs the change's size.
std::optional<CrLfChange> followDocumentChange(PieceText& text, qsizetype start, qsizetype removed,
                                               const QString& inserted);

}  // namespace wrenpad
