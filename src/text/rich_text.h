// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A small rich-text model (paragraphs of runs with font, size, colour, bold,
// italic and underline) and its RTF form: the undo snapshots of a coloured
// page are kept as RTF so that word processors can open them, and read back
// exactly.

#include "text/colour_names.h"

#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

namespace wrenpad {

enum class RichAlignment { Left, Right, Center };

// A stretch of one format; its text holds no line breaks.
struct RichRun {
  QString text;
  QString fontName;  // "" = the document's default font
  int sizePoints = 10;
  RgbColour colour;  // black by default
  bool bold = false;
  bool italic = false;
  bool underline = false;
  friend bool operator==(const RichRun&, const RichRun&) = default;
};

struct RichParagraph {
  RichAlignment alignment = RichAlignment::Left;
  std::vector<RichRun> runs;  // empty for an empty line
  friend bool operator==(const RichParagraph&, const RichParagraph&) = default;
};

// One paragraph per line; a document always has at least one.
struct RichDocument {
  std::vector<RichParagraph> paragraphs;
  friend bool operator==(const RichDocument&, const RichDocument&) = default;
};

// The document as it reads back from RTF: runs with empty text dropped,
// neighbouring runs of one format joined, an empty paragraph list given one
// empty paragraph. Sizes are held to 1..1638 points (what \fs can carry) and
// colour parts to 0..255.
RichDocument Normalized(const RichDocument& document);

// Plain ASCII bytes: "{\rtf1\ansi\ansicpg932\deff0", a font table, a colour
// table, then the paragraphs, each ending in "\par" and CR LF except the last.
// Font 0 is the default font ("" in a run), named after the document's first
// font (or MS Gothic when it names none); each named font has its own entry
// after it. Colour 1 is black, then each other colour in order of first use.
QByteArray WriteRtf(const RichDocument& document);

// Reads RTF as word processors write it (the first non-blank bytes must be
// "{\rtf"). Gives nothing for bytes that are not RTF; text cut short keeps
// what came before. Groups nest at most 100 deep; deeper ones are skipped.
// Work and memory grow linearly with the input. ReadRtf(WriteRtf(d)) equals
// Normalized(d).
std::optional<RichDocument> ReadRtf(const QByteArray& bytes);

// The paragraphs' text joined by CR LF.
QString PlainTextOf(const RichDocument& document);

}  // namespace wrenpad
