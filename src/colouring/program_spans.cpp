// SPDX-License-Identifier: GPL-3.0-or-later
#include "colouring/program_spans.h"

#include <algorithm>
#include <optional>

namespace wrenpad {

// ---- the keyword list -----------------------------------------------------------

KeywordList KeywordList::fromLines(const QStringList& lines) {
  KeywordList list;
  for (QString line : lines) {
    line = line.trimmed();
    if (line.startsWith(u';')) continue;  // a remark of the list file
    Entry entry;
    if (line.startsWith(u'|')) {
      entry.atLineStart = true;
      line.remove(0, 1);
    }
    if (line.endsWith(u'|')) {
      entry.atLineEnd = true;
      line.chop(1);
    } else if (line.endsWith(u';')) {
      entry.atLineEnd = true;  // the ";" stays part of the keyword
    }
    if (line.isEmpty()) continue;
    entry.keyword = line;
    list.add(entry);
  }
  return list;
}

void KeywordList::addFallbackWords() {
  for (const char* word : {"for", "while", "if", "else"})
    if (!find(QString::fromLatin1(word))) add({QString::fromLatin1(word)});
}

void KeywordList::add(const Entry& entry) {
  const QString key = entry.keyword.toLower();
  if (byLowerCase_.contains(key)) return;
  byLowerCase_.insert(key, int(entries_.size()));
  entries_.push_back(entry);
  longest_ = std::max(longest_, int(entry.keyword.size()));
}

const KeywordList::Entry* KeywordList::find(QStringView word) const {
  if (word.isEmpty() || word.size() > longest_) return nullptr;
  const auto found = byLowerCase_.constFind(word.toString().toLower());
  return found == byLowerCase_.constEnd() ? nullptr : &entries_[*found];
}

QStringList KeywordList::keywords() const {
  QStringList words;
  for (const Entry& entry : entries_) words << entry.keyword;
  return words;
}

// ---- scanning a line ----------------------------------------------------------------

namespace {

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// The delimiters that may stand before or after a keyword.
enum class Edge { LineStart, LineEnd, Blank, Paren, Other };

Edge edgeBefore(QStringView line, qsizetype at) {
  if (at == 0) return Edge::LineStart;
  const QChar c = line[at - 1];
  if (isBlank(c)) return Edge::Blank;
  return c == u'(' ? Edge::Paren : Edge::Other;
}

bool keywordFits(const KeywordList::Entry& entry, Edge before, Edge after) {
  if (before == Edge::Other) return false;
  if (after == Edge::Blank) return before != Edge::LineStart || entry.atLineStart || entry.atLineEnd;
  if (after == Edge::Paren) return before == Edge::Blank;
  if (after == Edge::LineEnd) return before != Edge::Paren && entry.atLineEnd;
  return false;
}

class LineScanner {
 public:
  LineScanner(QStringView line, LanguageMode mode, const KeywordList& keywords, int offset,
              std::vector<ColourSpan>& spans)
      : line_(line), mode_(mode), keywords_(keywords), offset_(offset), spans_(spans) {}

  LineState scan(LineState state) {
    qsizetype at = 0;
    if (state != LineState::Code) {
      const std::optional<qsizetype> end = closeOf(state, 0);
      add(0, end.value_or(line_.size()), isStringState(state) ? SpanKind::ProgramString : SpanKind::ProgramComment);
      if (!end) return state;
      at = *end;
    }
    while (at < line_.size()) {
      const std::optional<Step> step = stepAt(at);
      if (!step) {
        at = keywordAt(at);
        continue;
      }
      add(at, step->end.value_or(line_.size()), step->kind);
      if (!step->end) return step->openState;
      at = *step->end;
    }
    return LineState::Code;
  }

 private:
  struct Step {
    SpanKind kind;
    std::optional<qsizetype> end;  // nothing: open to the line's end
    LineState openState = LineState::Code;
  };

  bool at(qsizetype i, QStringView marker) const { return line_.mid(i).startsWith(marker); }

  static bool isStringState(LineState state) {
    return state == LineState::DoubleString || state == LineState::SingleString || state == LineState::TextBlock;
  }

  // A comment or string beginning at `i`, with its end.
  std::optional<Step> stepAt(qsizetype i) const {
    const QChar c = line_[i];
    switch (mode_) {
      case LanguageMode::Cpp:
      case LanguageMode::Java:
        // A Java text block runs from three quotes to three quotes, over lines.
        if (mode_ == LanguageMode::Java && at(i, u"\"\"\""))
          return Step{SpanKind::ProgramString, closeOf(LineState::TextBlock, i + 3), LineState::TextBlock};
        if (at(i, u"//")) return Step{SpanKind::ProgramComment, line_.size()};
        if (at(i, u"/*")) {
          const qsizetype close = line_.indexOf(u"*/", i + 2);
          return Step{SpanKind::ProgramComment, close < 0 ? std::nullopt : std::optional(close + 2),
                      LineState::BlockComment};
        }
        if (c == u'"' || c == u'\'') return Step{SpanKind::ProgramString, quotedEnd(i + 1, c, true)};
        return std::nullopt;
      case LanguageMode::Perl:
        if (c == u'#' && (i == 0 || line_[i - 1] != u'$')) return Step{SpanKind::ProgramComment, line_.size()};
        if (c == u'"' || c == u'\'') {
          const std::optional<qsizetype> end = quotedEnd(i + 1, c, true);
          return Step{SpanKind::ProgramString, end,
                      c == u'"' ? LineState::DoubleString : LineState::SingleString};
        }
        return std::nullopt;
      case LanguageMode::Pascal:
        if (at(i, u"//")) return Step{SpanKind::ProgramComment, line_.size()};
        if (at(i, u"(*")) return Step{SpanKind::ProgramComment, closeOf(LineState::BlockComment, i + 2),
                                      LineState::BlockComment};
        if (c == u'{') return Step{SpanKind::ProgramComment, closeOf(LineState::BraceComment, i + 1),
                                   LineState::BraceComment};
        if (c == u'\'') return Step{SpanKind::ProgramString, quotedEnd(i + 1, c, false).value_or(line_.size())};
        return std::nullopt;
    }
    return std::nullopt;
  }

  // Just past the quote that closes a literal opened before `from`; a
  // backslash escapes the next character where the language has escapes,
  // and Pascal's doubled quote stands for one inside the literal.
  std::optional<qsizetype> quotedEnd(qsizetype from, QChar quote, bool escapes) const {
    for (qsizetype i = from; i < line_.size(); ++i) {
      if (escapes && line_[i] == u'\\') {
        ++i;
      } else if (line_[i] == quote) {
        if (!escapes && i + 1 < line_.size() && line_[i + 1] == quote) {
          ++i;
          continue;
        }
        return i + 1;
      }
    }
    // C, Java and Pascal literals end with their line; Perl's go on.
    if (mode_ == LanguageMode::Perl) return std::nullopt;
    return line_.size();
  }

  // Just past the three quotes that close a text block, from `from`; a
  // backslash escapes the next character, so \""" is text.
  std::optional<qsizetype> textBlockEnd(qsizetype from) const {
    for (qsizetype i = from; i < line_.size(); ++i) {
      if (line_[i] == u'\\') {
        ++i;
      } else if (at(i, u"\"\"\"")) {
        return i + 3;
      }
    }
    return std::nullopt;
  }

  // Where what `state` left open closes on this line, from `from`.
  std::optional<qsizetype> closeOf(LineState state, qsizetype from) const {
    switch (state) {
      case LineState::Code: return from;
      case LineState::BlockComment: {
        const QStringView closer = mode_ == LanguageMode::Pascal ? QStringView(u"*)") : QStringView(u"*/");
        const qsizetype close = line_.indexOf(closer, from);
        return close < 0 ? std::nullopt : std::optional(close + 2);
      }
      case LineState::BraceComment: {
        const qsizetype close = line_.indexOf(u'}', from);
        return close < 0 ? std::nullopt : std::optional(close + 1);
      }
      case LineState::DoubleString: return quotedEnd(from, u'"', true);
      case LineState::SingleString: return quotedEnd(from, u'\'', true);
      case LineState::TextBlock: return textBlockEnd(from);
    }
    return std::nullopt;
  }

  // Colours the keyword starting at `i`, if one does; returns where to go on.
  qsizetype keywordAt(qsizetype i) {
    const Edge before = edgeBefore(line_, i);
    if (before == Edge::Other || isBlank(line_[i]) || line_[i] == u'(') return i + 1;
    qsizetype end = i;
    while (end < line_.size() && !isBlank(line_[end]) && line_[end] != u'(') ++end;
    const Edge after = end == line_.size() ? Edge::LineEnd : isBlank(line_[end]) ? Edge::Blank : Edge::Paren;
    const QStringView word = line_.mid(i, end - i);
    if (const KeywordList::Entry* entry = keywords_.find(word); entry && keywordFits(*entry, before, after)) {
      add(i, end, SpanKind::ProgramKeyword);
      return end;
    }
    // "break;" colours its "break" after a blank.
    if (before == Edge::Blank && word.compare(u"break;", Qt::CaseInsensitive) == 0 && keywords_.find(u"break")) {
      add(i, i + 5, SpanKind::ProgramKeyword);
      return end;
    }
    return i + 1;
  }

  void add(qsizetype from, qsizetype to, SpanKind kind) {
    if (to > from) spans_.push_back({offset_ + int(from), int(to - from), kind});
  }

  QStringView line_;
  LanguageMode mode_;
  const KeywordList& keywords_;
  int offset_;
  std::vector<ColourSpan>& spans_;
};

}  // namespace

LineState ScanProgramLine(QStringView line, LineState state, LanguageMode mode,
                          const KeywordList& keywords, int offset, std::vector<ColourSpan>& spans) {
  return LineScanner(line, mode, keywords, offset, spans).scan(state);
}

std::optional<ColourSpan> PascalHeadingSpan(const QString& text) {
  const QString head = text.left(200).toLower();
  for (const char* word : {"program", "var"}) {
    const qsizetype at = head.indexOf(QLatin1String(word));
    if (at >= 0) return ColourSpan{int(at), int(qstrlen(word)), SpanKind::ProgramKeyword};
  }
  return std::nullopt;
}

std::vector<ColourSpan> ProgramSpansIn(const QString& text, int start, int end, LanguageMode mode,
                                       const KeywordList& keywords, std::vector<LineState>* lineStates) {
  std::vector<ColourSpan> spans;
  LineState state = LineState::Code;
  qsizetype from = std::clamp<qsizetype>(start, 0, text.size());
  const qsizetype stop = std::clamp<qsizetype>(end, from, text.size());
  while (true) {
    qsizetype to = text.indexOf(u'\r', from);
    const bool last = to < 0 || to >= stop;
    if (last) to = stop;
    state = ScanProgramLine(QStringView(text).mid(from, to - from), state, mode, keywords, int(from), spans);
    if (lineStates) lineStates->push_back(state);
    if (last) break;
    from = to + (to + 1 < text.size() && text[to + 1] == u'\n' ? 2 : 1);
  }
  return spans;
}

std::vector<ColourSpan> ProgramSpans(const QString& text, LanguageMode mode, const KeywordList& keywords,
                                     std::vector<LineState>* lineStates) {
  std::vector<ColourSpan> spans = ProgramSpansIn(text, 0, int(text.size()), mode, keywords, lineStates);
  if (mode == LanguageMode::Pascal)
    if (const std::optional<ColourSpan> heading = PascalHeadingSpan(text)) spans.push_back(*heading);
  return spans;
}

}  // namespace wrenpad
