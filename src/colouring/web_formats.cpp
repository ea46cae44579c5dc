// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/web_formats.h"

#include <algorithm>
#include <array>
#include <span>

#include "settings/settings.h"
#include "text/colour_names.h"
#include "text/english_text.h"
#include "text/tag_attribute.h"
#include "text/text_helpers.h"

namespace wrenpad {

namespace {

constexpr int kSymbolCharset = 161;
constexpr int kHeadingLevels = 5;  // the sixth level is shown as plain text
constexpr int kFontLookBack = 32768;

bool IsBlank(QChar c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }

// Whether the character at `at` ends a tag name: a blank, or ">" when
// `orGreater` is set. The end of the text ends nothing.
bool NameEndsAt(QStringView text, qsizetype at, bool orGreater) {
  if (at >= text.size()) return false;
  return IsBlank(text[at]) || (orGreater && text[at] == u'>');
}

bool IsFontOpeningAt(QStringView text, qsizetype at) {
  return MatchesLoweredAt(text, at, u"<font") && NameEndsAt(text, at + 5, true);
}

// Where the content of the element opened at `open` starts: just after the
// tag's ">", or at the end of the text for a tag never finished.
int ContentStart(const QString& text, int open) {
  const qsizetype greater = text.indexOf(u'>', open);
  return greater < 0 ? int(text.size()) : int(greater) + 1;
}

// The opening tag's own text, through its ">".
QString TagText(const QString& text, int open) {
  return text.mid(open, ContentStart(text, open) - open);
}

// Every tag the rendering looks at, found in one pass over the "<" of the
// text. Each list holds 0-based positions in ascending order.
struct TagPositions {
  std::vector<int> fontOpen, fontClose;
  std::array<std::vector<int>, kHeadingLevels> headingOpen, headingClose;
  std::vector<int> paragraphOpen, paragraphClose;
  std::vector<int> divisionOpen, divisionClose;
  std::vector<int> boldOpen, boldClose, strongOpen, strongClose;
  std::vector<int> italicOpen, italicClose, emphasisOpen, emphasisClose;
  int scriptOpen = -1;
  int scriptClose = -1;  // the first "</script" after the first "<script"
};

// A closing tag "</..." at p: noted in its list.
void NoteClosingTag(QStringView view, qsizetype p, TagPositions& tags) {
  if (p + 2 >= view.size()) return;
  const auto at = [&view, p](QStringView needle) { return MatchesLoweredAt(view, p, needle); };
  const int position = int(p);
  const char16_t name = LowerUnit(view[p + 2].unicode());
  if (name == u'f' && at(u"</font>")) {
    tags.fontClose.push_back(position);
  } else if (name == u'h') {
    for (int level = 1; level <= kHeadingLevels; ++level) {
      if (p + 3 < view.size() && view[p + 3] == QChar(u'0' + level)) tags.headingClose[level - 1].push_back(position);
    }
  } else if (name == u'p' && at(u"</p>")) {
    tags.paragraphClose.push_back(position);
  } else if (name == u'd' && at(u"</div>")) {
    tags.divisionClose.push_back(position);
  } else if (name == u'b' && at(u"</b>")) {
    tags.boldClose.push_back(position);
  } else if (name == u's' && at(u"</strong>")) {
    tags.strongClose.push_back(position);
  } else if (name == u's' && tags.scriptOpen >= 0 && tags.scriptClose < 0 && at(u"</script")) {
    tags.scriptClose = position;
  } else if (name == u'i' && at(u"</i>")) {
    tags.italicClose.push_back(position);
  } else if (name == u'e' && at(u"</em>")) {
    tags.emphasisClose.push_back(position);
  }
}

// An opening tag at p whose name starts with `next`: noted in its list.
void NoteOpeningTag(QStringView view, qsizetype p, char16_t next, TagPositions& tags) {
  const auto at = [&view, p](QStringView needle) { return MatchesLoweredAt(view, p, needle); };
  const int position = int(p);
  if (next == u'f' && IsFontOpeningAt(view, p)) {
    tags.fontOpen.push_back(position);
  } else if (next == u'h') {
    for (int level = 1; level <= kHeadingLevels; ++level) {
      if (p + 2 < view.size() && view[p + 2] == QChar(u'0' + level) && NameEndsAt(view, p + 3, true))
        tags.headingOpen[level - 1].push_back(position);
    }
  } else if (next == u'p' && at(u"<p ")) {
    tags.paragraphOpen.push_back(position);
  } else if (next == u'd' && at(u"<div ")) {
    tags.divisionOpen.push_back(position);
  } else if (next == u'b' && at(u"<b>")) {
    tags.boldOpen.push_back(position);
  } else if (next == u's' && at(u"<strong>")) {
    tags.strongOpen.push_back(position);
  } else if (next == u's' && tags.scriptOpen < 0 && at(u"<script")) {
    tags.scriptOpen = position;
  } else if (next == u'i' && at(u"<i>")) {
    tags.italicOpen.push_back(position);
  } else if (next == u'e' && at(u"<em>")) {
    tags.emphasisOpen.push_back(position);
  }
}

TagPositions CollectTags(const QString& text) {
  TagPositions tags;
  const QStringView view(text);
  for (qsizetype p = view.indexOf(u'<'); p >= 0; p = view.indexOf(u'<', p + 1)) {
    if (p + 1 >= view.size()) break;
    const char16_t next = LowerUnit(view[p + 1].unicode());
    if (next == u'/')
      NoteClosingTag(view, p, tags);
    else
      NoteOpeningTag(view, p, next, tags);
  }
  return tags;
}

// The positions of `list` in [from, to).
std::span<const int> Within(const std::vector<int>& list, int from, int to) {
  const auto first = std::lower_bound(list.begin(), list.end(), from);
  const auto last = std::lower_bound(first, list.end(), to);
  return {first, last};
}

bool AnyWithin(const std::vector<int>& list, int from, int to) { return !Within(list, from, to).empty(); }

// --- Font attributes -------------------------------------------------------

std::optional<int> SizeOf(const QString& value, int editorFontSize) {
  bool ok = false;
  const int number = value.toInt(&ok);
  if (!ok) return std::nullopt;
  const bool relative = value.startsWith(u'+') || value.startsWith(u'-');
  return std::max(1, editorFontSize + (relative ? number : number - 3) * 2);
}

// White text would vanish on the white editor, so it is shown as silver.
std::optional<QColor> ColourOf(const QString& value) {
  if (value.isEmpty()) return std::nullopt;
  const std::optional<RgbColour> rgb = ColorFromText(value);
  if (!rgb) return std::nullopt;
  if (*rgb == RgbColour{255, 255, 255}) return QColor(192, 192, 192);
  return QColor(rgb->red, rgb->green, rgb->blue);
}

struct Face {
  QString name;
  int charset = kDefaultCharset;
};

// The first name of a face list, and the character set it is shown in.
std::optional<Face> FaceOf(const QString& value) {
  const QString name = value.section(u',', 0, 0).trimmed();
  if (name.isEmpty()) return std::nullopt;
  if (name.compare(u"Symbol", Qt::CaseInsensitive) == 0) return Face{name, kSymbolCharset};
  return Face{name, IsEnglishText(name) ? kDefaultCharset : kShiftJisCharset};
}

struct FontTag {
  std::optional<int> size;
  std::optional<Face> face;
  std::optional<QColor> colour;
};

FontTag ReadFontTag(const QString& tag, int editorFontSize) {
  return {SizeOf(TagAttributeValue(tag, QStringLiteral("size")), editorFontSize),
          FaceOf(TagAttributeValue(tag, QStringLiteral("face"))),
          ColourOf(TagAttributeValue(tag, QStringLiteral("color")))};
}

// --- Building the runs -----------------------------------------------------

// The openings and closings of one element that gives a style ("<b>" or
// "<strong>" for bold), and the length of its opening tag.
struct StyleKind {
  const std::vector<int>* open;
  const std::vector<int>* close;
  int openLength;
};
using StyleKinds = std::array<StyleKind, 2>;

class Renderer {
 public:
  Renderer(const QString& text, int from, int to, int editorFontSize)
      : text_(text), tags_(CollectTags(text)), from_(from), to_(to), size_(editorFontSize) {}

  WebFormats run() {
    // Room for about one run per tag, so a large page's runs are not copied
    // again and again as the list grows.
    size_t tagCount = tags_.fontOpen.size() + 2 * (tags_.boldOpen.size() + tags_.strongOpen.size() +
                                                    tags_.italicOpen.size() + tags_.emphasisOpen.size());
    for (const std::vector<int>& open : tags_.headingOpen) tagCount += open.size();
    result_.runs.reserve(tagCount);
    fonts();
    headings();
    aligned(tags_.paragraphOpen, tags_.paragraphClose);
    aligned(tags_.divisionOpen, tags_.divisionClose);
    const StyleKinds boldKinds = {
        {{&tags_.boldOpen, &tags_.boldClose, 3}, {&tags_.strongOpen, &tags_.strongClose, 8}}};
    const StyleKinds italicKinds = {
        {{&tags_.italicOpen, &tags_.italicClose, 3}, {&tags_.emphasisOpen, &tags_.emphasisClose, 4}}};
    styled(boldKinds, italicKinds, true);
    styled(italicKinds, boldKinds, false);
    return std::move(result_);
  }

 private:
  bool startsInScript(int position) const {
    return tags_.scriptOpen >= 0 && tags_.scriptClose >= 0 && position > tags_.scriptOpen &&
           position < tags_.scriptClose;
  }

  // Adds a format run over [start, end); false when none is added.
  bool addRun(int start, int end, const CharAttributes& attributes) {
    start = std::clamp(start, 0, int(text_.size()));
    end = std::clamp(end, 0, int(text_.size()));
    if (end <= start || startsInScript(start)) return false;
    result_.runs.push_back({start, end - start, attributes});
    return true;
  }

  void addAlignment(int start, int end, Alignment alignment) {
    start = std::clamp(start, 0, int(text_.size()));
    end = std::clamp(end, 0, int(text_.size()));
    if (end > start) result_.alignments.push_back({start, end - start, alignment});
  }

  // The closing tag of each font element is found by stretches: from the
  // opening tag to the next "</font>", and while the last stretch holds
  // another "<font", on to the following "</font>". `ends[j]` is where a walk
  // ends that reaches the stretch closed by the j-th "</font>" (0-based), so
  // each opening costs one look-up however many stretches it crosses. A
  // walk that runs out of closing tags ends at the end of the text.
  std::vector<int> fontWalkEnds() const {
    const std::vector<int>& close = tags_.fontClose;
    std::vector<int> ends(close.size() + 1);
    ends[close.size()] = int(text_.size());
    for (size_t j = close.size(); j-- > 0;) {
      const bool holdsOpening = j > 0 && AnyWithin(tags_.fontOpen, close[j - 1], close[j]);
      ends[j] = holdsOpening ? ends[j + 1] : close[j];
    }
    return ends;
  }

  void fonts() {
    const std::vector<int> ends = fontWalkEnds();
    const std::vector<int>& close = tags_.fontClose;
    for (const int open : Within(tags_.fontOpen, from_, to_)) {
      const size_t first = std::upper_bound(close.begin(), close.end(), open) - close.begin();
      int end = int(text_.size());
      if (first < close.size()) {
        end = AnyWithin(tags_.fontOpen, open + 1, close[first]) ? ends[first + 1] : close[first];
      }
      const FontTag tag = ReadFontTag(TagText(text_, open), size_);
      CharAttributes attributes;
      attributes.sizePoints = tag.size;
      attributes.color = tag.colour;
      if (tag.face) {
        attributes.fontName = tag.face->name;
        attributes.charset = tag.face->charset;
      }
      if (tag.size || tag.colour || tag.face) addRun(ContentStart(text_, open), end, attributes);
    }
  }

  // The alignment an opening tag asks for; "center" wins over "right".
  static std::optional<Alignment> AlignmentOf(const QString& tag) {
    if (tag.contains(u"center", Qt::CaseInsensitive)) return Alignment::Center;
    if (tag.contains(u"right", Qt::CaseInsensitive)) return Alignment::Right;
    return std::nullopt;
  }

  void headings() {
    for (int level = 1; level <= kHeadingLevels; ++level) {
      const std::vector<int>& open = tags_.headingOpen[level - 1];
      const std::vector<int>& close = tags_.headingClose[level - 1];
      const size_t pairs = std::min(open.size(), close.size());
      const size_t first = std::lower_bound(open.begin(), open.begin() + pairs, from_) - open.begin();
      for (size_t k = first; k < pairs && open[k] < to_; ++k) {
        const int start = ContentStart(text_, open[k]);
        CharAttributes attributes;
        attributes.sizePoints = std::max(1, size_ + (3 - level) * 2);
        attributes.bold = true;
        if (!addRun(start, close[k], attributes)) continue;
        if (const auto alignment = AlignmentOf(TagText(text_, open[k])))
          addAlignment(start, close[k], *alignment);
      }
    }
  }

  // Paragraphs or divisions: pairs are taken from the first one while they
  // lie inside the part, so a part after an earlier element aligns nothing.
  void aligned(const std::vector<int>& open, const std::vector<int>& close) {
    const size_t pairs = std::min(open.size(), close.size());
    for (size_t k = 0; k < pairs && open[k] >= from_ && close[k] < to_; ++k) {
      const int start = ContentStart(text_, open[k]);
      if (const auto alignment = AlignmentOf(TagText(text_, open[k])))
        addAlignment(start, close[k], *alignment);
    }
  }

  static CharAttributes Styled(bool bold) {
    CharAttributes attributes;
    (bold ? attributes.bold : attributes.italic) = true;
    return attributes;
  }

  // One pass of bold (or italic): each kind's k-th opening in the part with
  // its k-th closing; inside each such span, the pairs of the other style
  // found within the span get that style too.
  void styled(const StyleKinds& kinds, const StyleKinds& insideKinds, bool bold) {
    for (const StyleKind& kind : kinds) {
      const std::span<const int> open = Within(*kind.open, from_, to_);
      const std::span<const int> close = Within(*kind.close, from_, to_);
      for (size_t k = 0; k < std::min(open.size(), close.size()); ++k) {
        const int start = open[k] + kind.openLength;
        if (!addRun(start, close[k], Styled(bold))) continue;
        for (const StyleKind& inside : insideKinds) {
          const std::span<const int> innerOpen = Within(*inside.open, start, close[k]);
          const std::span<const int> innerClose = Within(*inside.close, start, close[k]);
          for (size_t i = 0; i < std::min(innerOpen.size(), innerClose.size()); ++i)
            addRun(innerOpen[i] + inside.openLength, innerClose[i], Styled(!bold));
        }
      }
    }
  }

  const QString& text_;
  const TagPositions tags_;
  const int from_;
  const int to_;
  const int size_;
  WebFormats result_;
};

}  // namespace

WebFormats RenderWebFormats(const QString& text, int from, int to, int editorFontSize) {
  from = std::clamp(from, 0, int(text.size()));
  to = std::clamp(to, from, int(text.size()));
  return Renderer(text, from, to, editorFontSize).run();
}

RenderedFont RenderedFontAt(const QString& text, int caret, int editorFontSize) {
  caret = std::clamp(caret, 0, int(text.size()));
  const QStringView view(text);
  // The font elements still open at the caret, outermost first.
  std::vector<int> open;
  for (qsizetype at = view.indexOf(u'<', std::max(0, caret - kFontLookBack)); at >= 0 && at < caret;
       at = view.indexOf(u'<', at + 1)) {
    if (IsFontOpeningAt(view, at)) {
      // Complete before the caret: its ">" is looked for only up to there.
      if (view.first(caret).indexOf(u'>', at) >= 0) open.push_back(int(at));
    } else if (MatchesLoweredAt(view, at, u"</font") && !open.empty()) {
      open.pop_back();
    }
  }
  RenderedFont font;
  for (auto tag = open.rbegin(); tag != open.rend(); ++tag) {
    if (font.sizePoints && font.face && font.colour) break;
    const FontTag read = ReadFontTag(TagText(text, *tag), editorFontSize);
    if (!font.sizePoints) font.sizePoints = read.size;
    if (!font.face && read.face) {
      font.face = read.face->name;
      font.charset = read.face->charset;
    }
    if (!font.colour) font.colour = read.colour;
  }
  return font;
}

// The stretch holds the characters looked back at and the few after the
// caret that a tag name begun before it reads ("<font" and the character
// after it).
RenderedFont RenderedFontAt(const PieceText& text, int caret, int editorFontSize) {
  constexpr int kLookAhead = 6;
  caret = std::clamp(caret, 0, int(text.size()));
  const int from = std::max(0, caret - kFontLookBack);
  return RenderedFontAt(text.mid(from, caret + kLookAhead - from), caret - from, editorFontSize);
}

}  // namespace wrenpad
