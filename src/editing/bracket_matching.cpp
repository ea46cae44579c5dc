// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/bracket_matching.h"

#include <algorithm>
#include <array>

namespace wrenpad {

// ---- strings and comments ------------------------------------------------------------

std::vector<QuietStretch> QuietStretches(QStringView text, LanguageMode mode, LineState state) {
  // No keywords: only the strings and comments matter here.
  static const KeywordList kNoKeywords;
  std::vector<ColourSpan> spans;
  qsizetype from = 0;
  while (from <= text.size()) {
    qsizetype to = from;
    while (to < text.size() && text[to] != u'\r' && text[to] != u'\n') ++to;
    state = ScanProgramLine(text.mid(from, to - from), state, mode, kNoKeywords, int(from), spans);
    if (to < text.size() && text[to] == u'\r' && to + 1 < text.size() && text[to + 1] == u'\n') ++to;
    from = to + 1;
  }
  std::vector<QuietStretch> quiet;
  for (const ColourSpan& span : spans)
    if (span.kind == SpanKind::ProgramString || span.kind == SpanKind::ProgramComment)
      quiet.push_back({span.start, span.start + span.length});
  return quiet;
}

// ---- brackets -----------------------------------------------------------------------

namespace {

constexpr QStringView kOpening = u"([{";
constexpr QStringView kClosing = u")]}";

// The quiet stretch holding `at`, or null.
const QuietStretch* quietAt(const std::vector<QuietStretch>& quiet, int at) {
  const auto after = std::upper_bound(quiet.begin(), quiet.end(), at,
                                      [](int value, const QuietStretch& s) { return value < s.start; });
  if (after == quiet.begin()) return nullptr;
  const QuietStretch& last = *(after - 1);
  return at < last.end ? &last : nullptr;
}

bool isBracketAt(QStringView text, int at, const std::vector<QuietStretch>& quiet) {
  if (at < 0 || at >= text.size()) return false;
  const QChar c = text[at];
  return (kOpening.contains(c) || kClosing.contains(c)) && !quietAt(quiet, at);
}

// The partner of the bracket at `at` in `text`, counting only brackets of
// its kind outside the quiet stretches: its index, -1 when the text ends
// first.
int partnerIndex(QStringView text, int at, const std::vector<QuietStretch>& quiet) {
  const QChar c = text[at];
  const bool forward = kOpening.contains(c);
  const qsizetype kind = forward ? kOpening.indexOf(c) : kClosing.indexOf(c);
  const QChar same = c;
  const QChar other = forward ? kClosing[kind] : kOpening[kind];
  const int step = forward ? 1 : -1;
  int depth = 1;
  for (int i = at + step; i >= 0 && i < text.size(); i += step) {
    const QChar here = text[i];
    if (here != same && here != other) continue;
    if (const QuietStretch* stretch = quietAt(quiet, i)) {
      i = forward ? stretch->end - 1 : stretch->start;
      continue;
    }
    depth += here == same ? 1 : -1;
    if (depth == 0) return i;
  }
  return -1;
}

}  // namespace

std::optional<MatchFound> MatchBracket(const MatchWindow& window, int caret, const std::vector<QuietStretch>& quiet) {
  const int here = caret - window.offset;
  int at = -1;
  if (isBracketAt(window.text, here, quiet))
    at = here;
  else if (isBracketAt(window.text, here - 1, quiet))
    at = here - 1;
  if (at < 0) return std::nullopt;
  MatchFound found{{window.offset + at, 1}, std::nullopt};
  const int partner = partnerIndex(window.text, at, quiet);
  if (partner >= 0) {
    found.partner = MatchStretch{window.offset + partner, 1};
    return found;
  }
  const bool forward = kOpening.contains(window.text[at]);
  if (forward ? !window.reachesEnd : !window.reachesStart) return std::nullopt;
  return found;
}

// ---- tags ---------------------------------------------------------------------------

namespace {

// A tag longer than this is taken for text: a search for a ">" that never
// comes stops here.
constexpr int kLongestTag = 2048;

bool isNameCharacter(QChar c) {
  return c.isLetterOrNumber() || c == u'-' || c == u':' || c == u'_' || c == u'.';
}

// Just past the ">" ending the tag whose name ends at `from`; a quoted value
// may hold ">". -1 when none comes within reach.
int tagEnd(QStringView text, int from, int limit) {
  bool afterEquals = false;
  for (int i = from; i < limit; ++i) {
    const QChar c = text[i];
    if (c == u'>') return i + 1;
    if ((c == u'"' || c == u'\'') && afterEquals) {
      const qsizetype close = text.mid(0, limit).indexOf(c, i + 1);
      if (close < 0) return -1;
      i = int(close);
      afterEquals = false;
    } else if (c == u'=') {
      afterEquals = true;
    } else if (!c.isSpace()) {
      afterEquals = false;
    }
  }
  return -1;
}

}  // namespace

std::vector<TagToken> TagsIn(QStringView text) {
  std::vector<TagToken> tags;
  int i = 0;
  const int size = int(text.size());
  while (true) {
    const qsizetype open = text.indexOf(u'<', i);
    if (open < 0) break;
    i = int(open) + 1;
    if (text.mid(open).startsWith(u"<!--")) {
      const qsizetype close = text.indexOf(u"-->", open + 4);
      if (close < 0) break;
      i = int(close) + 3;
      continue;
    }
    TagToken tag{int(open), 0, {}, false, false};
    int name = i;
    if (name < size && text[name] == u'/') tag.closing = true, ++name;
    if (name >= size || !text[name].isLetter()) continue;
    int nameEnd = name;
    while (nameEnd < size && isNameCharacter(text[nameEnd])) ++nameEnd;
    tag.end = tagEnd(text, nameEnd, std::min(size, int(open) + kLongestTag));
    if (tag.end < 0) continue;
    tag.name = text.mid(name, nameEnd - name).toString().toLower();
    tag.selfClosing = !tag.closing && text[tag.end - 2] == u'/';
    i = tag.end;
    tags.push_back(std::move(tag));
  }
  return tags;
}

namespace {

bool isEmptyElement(const QString& name) {
  static const std::array<QStringView, 16> kEmpty = {
      u"area", u"base", u"br", u"col", u"embed", u"hr", u"img", u"input", u"link", u"meta",
      u"param", u"source", u"track", u"wbr", u"basefont", u"keygen"};
  return std::find(kEmpty.begin(), kEmpty.end(), QStringView(name)) != kEmpty.end();
}

bool mayLeaveOutEndTag(const QString& name) {
  static const std::array<QStringView, 19> kOptional = {
      u"p", u"li", u"dt", u"dd", u"td", u"th", u"tr", u"thead", u"tbody", u"tfoot", u"option",
      u"optgroup", u"colgroup", u"caption", u"rt", u"rp", u"html", u"head", u"body"};
  return std::find(kOptional.begin(), kOptional.end(), QStringView(name)) != kOptional.end();
}

// The tag holding the caret, or the one starting at it: its index, -1 for none.
int tagAtCaret(const std::vector<TagToken>& tags, int here) {
  const auto after = std::upper_bound(tags.begin(), tags.end(), here,
                                      [](int value, const TagToken& tag) { return value < tag.start; });
  if (after == tags.begin()) return -1;
  const int index = int(after - tags.begin()) - 1;
  return here <= tags[std::size_t(index)].end ? index : -1;
}

// The partner of tags[at] among the tags of its name: -1 when none.
int partnerTag(const std::vector<TagToken>& tags, int at) {
  const TagToken& tag = tags[std::size_t(at)];
  const int step = tag.closing ? -1 : 1;
  int depth = 1;
  for (int i = at + step; i >= 0 && i < int(tags.size()); i += step) {
    const TagToken& other = tags[std::size_t(i)];
    if (other.name != tag.name || other.selfClosing) continue;
    depth += other.closing == tag.closing ? 1 : -1;
    if (depth == 0) return i;
  }
  return -1;
}

}  // namespace

bool TagAtCaret(const MatchWindow& window, int caret) {
  const std::vector<TagToken> tags = TagsIn(window.text);
  const int at = tagAtCaret(tags, caret - window.offset);
  return at >= 0 && !tags[std::size_t(at)].selfClosing && !isEmptyElement(tags[std::size_t(at)].name);
}

std::optional<MatchFound> MatchTag(const MatchWindow& window, int caret) {
  return MatchTag(window, TagsIn(window.text), caret);
}

std::optional<MatchFound> MatchTag(const MatchWindow& window, const std::vector<TagToken>& tags, int caret) {
  const int at = tagAtCaret(tags, caret - window.offset);
  if (at < 0) return std::nullopt;
  const TagToken& tag = tags[std::size_t(at)];
  if (tag.selfClosing || isEmptyElement(tag.name)) return std::nullopt;
  MatchFound found{{window.offset + tag.start, tag.end - tag.start}, std::nullopt};
  const int partner = partnerTag(tags, at);
  if (partner >= 0) {
    const TagToken& other = tags[std::size_t(partner)];
    found.partner = MatchStretch{window.offset + other.start, other.end - other.start};
    return found;
  }
  if (tag.closing ? !window.reachesStart : !window.reachesEnd) return std::nullopt;
  if (!tag.closing && mayLeaveOutEndTag(tag.name)) return std::nullopt;
  return found;
}

}  // namespace wrenpad
