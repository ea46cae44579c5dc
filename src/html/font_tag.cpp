// SPDX-License-Identifier: GPL-3.0-or-later
#include "html/font_tag.h"

#include "text/tag_attribute.h"
#include "text/text_helpers.h"

#include <algorithm>
#include <vector>

namespace wrenpad {

namespace {

const QString kOpening = QStringLiteral("<font");
const QString kClosing = QStringLiteral("</font");

// Whether a font opening tag starts at `at`: "<font" in any case, followed
// by a blank, a line break, ">" or "/" (so "<fontx" is another tag).
bool IsFontOpeningAt(QStringView text, qsizetype at) {
  if (!MatchesLoweredAt(text, at, kOpening)) return false;
  const qsizetype next = at + kOpening.size();
  if (next >= text.size()) return true;
  const QChar c = text[next];
  return c.isSpace() || c == u'>' || c == u'/';
}

bool IsFontClosingAt(QStringView text, qsizetype at) { return MatchesLoweredAt(text, at, kClosing); }

// The opening tag that starts at `start`, through its ">" (or to the end).
QString TagTextAt(const QString& text, int start) {
  const qsizetype close = text.indexOf(u'>', start);
  return close < 0 ? text.mid(start) : text.mid(start, close - start + 1);
}

// The points a font tag's size value gives, or nothing for a value that is
// not a size.
std::optional<int> SizePointsOf(const QString& value, int editorFontSize) {
  if (value.isEmpty()) return std::nullopt;
  bool ok = false;
  const int number = value.toInt(&ok);
  if (!ok) return std::nullopt;
  const bool relative = value.startsWith(u'+') || value.startsWith(u'-');
  const int steps = relative ? number : std::clamp(number, 1, 7) - 3;
  return std::max(1, editorFontSize + steps * 3);
}

}  // namespace

std::optional<TagRange> OpeningFontTagAt(const QString& text, int caret) {
  caret = std::clamp(caret, 0, int(text.size()));
  if (caret == 0) return std::nullopt;
  const qsizetype open = text.lastIndexOf(u'<', caret - 1);
  if (open < 0 || !IsFontOpeningAt(text, open)) return std::nullopt;
  // The tag must end at or after the caret, with no other tag starting first.
  const qsizetype end = text.indexOf(u'>', open);
  if (end < caret) return std::nullopt;
  const qsizetype next = text.indexOf(u'<', caret);
  if (next >= 0 && next < end) return std::nullopt;
  return TagRange{int(open), int(end) + 1};
}

int MatchingFontClose(const QString& text, int from) {
  int depth = 0;
  for (qsizetype at = text.indexOf(u'<', std::max(from, 0)); at >= 0; at = text.indexOf(u'<', at + 1)) {
    if (IsFontOpeningAt(text, at)) {
      ++depth;
    } else if (IsFontClosingAt(text, at)) {
      if (depth == 0) return int(at);
      --depth;
    }
  }
  return -1;
}

FontTarget FontTargetAt(const QString& text, int selStart, int selLength) {
  FontTarget target;
  target.replaceFrom = target.contentStart = selStart;
  target.contentLength = selLength;
  const std::optional<TagRange> tag = OpeningFontTagAt(text, selStart);
  if (!tag) return target;
  target.editing = true;
  target.replaceFrom = tag->start;
  target.contentStart = tag->end;
  target.oldTag = text.mid(tag->start, tag->end - tag->start);
  const int close = MatchingFontClose(text, tag->end);
  target.closed = close >= 0;
  target.contentLength = target.closed ? close - tag->end : 0;
  return target;
}

QString FontSizeText(int size) {
  return size >= 0 ? QStringLiteral("+%1").arg(size) : QString::number(size);
}

CaretFont FontAtCaret(const QString& text, int caret, const FontDefaults& defaults) {
  caret = std::clamp(caret, 0, int(text.size()));
  // The font elements still open at the caret, outermost first.
  std::vector<int> open;
  for (qsizetype at = text.indexOf(u'<'); at >= 0 && at < caret; at = text.indexOf(u'<', at + 1)) {
    if (IsFontOpeningAt(text, at)) {
      const qsizetype end = text.indexOf(u'>', at);
      if (end >= 0 && end < caret) open.push_back(int(at));
    } else if (IsFontClosingAt(text, at) && !open.empty()) {
      open.pop_back();
    }
  }
  std::optional<int> size;
  std::optional<QString> face;
  std::optional<RgbColour> colour;
  for (auto tag = open.rbegin(); tag != open.rend() && !(size && face && colour); ++tag) {
    const QString tagText = TagTextAt(text, *tag);
    if (!size) size = SizePointsOf(TagAttributeValue(tagText, QStringLiteral("size")), defaults.editorFontSize);
    if (!face) {
      const QString value = TagAttributeValue(tagText, QStringLiteral("face"));
      if (!value.isEmpty()) face = value;
    }
    if (!colour) {
      const QString value = TagAttributeValue(tagText, QStringLiteral("color"));
      if (!value.isEmpty()) colour = ColorFromText(value);
    }
  }
  return {face.value_or(defaults.face), colour.value_or(defaults.colour),
          size.value_or(defaults.editorFontSize)};
}

int PreselectedFaceIndex(const QStringList& faces, const QString& pageFontName) {
  if (pageFontName.isEmpty()) return -1;
  const qsizetype index = faces.indexOf(pageFontName, 1);
  return index < 1 ? -1 : int(index);
}

QString FontAttributes(const FontTagRequest& r) {
  QString face, colour, size, className;
  if (!r.face.isEmpty() && r.face != r.documentFontName && (r.face != r.faceInEffect || r.editing))
    face = QStringLiteral("face=\"%1\" ").arg(EscapeAttributeValue(r.face));
  if (r.colour != r.colourInEffect || r.editing)
    colour = QStringLiteral("color=\"%1\" ").arg(ColorToText(QStringLiteral("#") + RgbHex(r.colour)));
  if (r.size != r.presetSize || r.editing)
    size = QStringLiteral("size=\"%1\" ").arg(FontSizeText(r.size));
  const QString classText = r.className.trimmed();
  if (!classText.isEmpty()) className = QStringLiteral("class=\"%1\"").arg(EscapeAttributeValue(classText));
  return face + colour + size + className;
}

std::optional<FontInsertion> FontTagInsertion(const FontTagRequest& request) {
  const QString attributes = FontAttributes(request);
  if (attributes.isEmpty()) return std::nullopt;
  FontInsertion insertion;
  const QString opening = QStringLiteral("<font ") + attributes + u'>';
  const QString suffix = request.wholeText ? QStringLiteral("\r\n") : QString();
  const QString closing = request.editing ? QString() : QStringLiteral("</font>");
  insertion.text = opening + suffix + request.content + closing;
  insertion.openingLength = int(opening.size());
  insertion.suffixLength = int(suffix.size());
  insertion.closingLength = int(closing.size());
  return insertion;
}

}  // namespace wrenpad
