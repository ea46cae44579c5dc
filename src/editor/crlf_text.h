#pragma once
// Line breaks between the program's CR LF text and the text widget's own
// forms. Private to the editor room. Each function makes one pass: replacing
// break by break moves the rest of a long text once per break.

#include <QString>

namespace wrenpad {

// CR LF and lone CR become LF (what other programs on this system expect).
QString withLfBreaks(const QString& text);

// Every CR LF, lone CR and lone LF becomes `lineBreak`.
QString withLineBreaks(const QString& text, QStringView lineBreak);

// The document's paragraph separators (U+2029) written as CR LF.
QString withCrLfBreaks(const QString& raw);

// True when the document gives back exactly `text` as its CR LF text: every
// line break is CR LF and nothing in it is a character the document stores
// in its own way (NUL, the Unicode line and paragraph separators, the two
// non-characters the document uses for frames).
bool readsBackUnchanged(const QString& text);

}  // namespace wrenpad
