// SPDX-License-Identifier: GPL-3.0-or-later
#include "editing/bracket_highlight.h"

#include "documents/document_kind.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "editor/text_on_background.h"
#include "settings/settings.h"

#include <algorithm>

namespace wrenpad {

namespace {

// Whether the text at the caret or just before it is a bracket: most caret
// moves stop here, having read two characters.
bool bracketNear(const PieceText& text, int caret) {
  constexpr QStringView kBrackets = u"()[]{}";
  return kBrackets.contains(text.at(caret)) || (caret > 0 && kBrackets.contains(text.at(caret - 1)));
}

// The first look for a tag reads only as far as one tag may reach.
constexpr int kTagReach = 2048;

}  // namespace

BracketMatching::BracketMatching(BracketMatchingContext context) : c_(std::move(context)) {
  QObject::connect(&c_.editor, &EditorControl::selectionChanged, &lifetime_, [this] { refresh(); });
}

void BracketMatching::setActive(bool active) {
  active_ = active;
  markedRevision_ = ~0ull;
  if (!active) c_.editor.setTextMarks(EditorControl::MarkLayer::Brackets, {});
}

QColor BracketMatching::matchColour(const QColor& background) {
  return IsDarkBackground(background) ? QColor(0x1f, 0x5c, 0x7a) : QColor(0xb4, 0xe4, 0xff);
}

QColor BracketMatching::errorColour(const QColor& background) {
  return IsDarkBackground(background) ? QColor(0x8c, 0x24, 0x24) : QColor(0xff, 0xb0, 0xb0);
}

void BracketMatching::refresh() {
  if (!active_) return;
  const int caret = c_.editor.selLength() > 0 ? -1 : c_.editor.selStart();
  if (c_.editor.revision() == markedRevision_ && caret == markedCaret_ && c_.document.DocumentMode == markedMode_)
    return;  // the caret and the selection signals both report one move
  markedRevision_ = c_.editor.revision();
  markedCaret_ = caret;
  markedMode_ = c_.document.DocumentMode;
  std::vector<EditorControl::TextMark> marks;
  // Nothing is marked inside a selection: the selection shows the text.
  if (const std::optional<MatchFound> found = caret < 0 ? std::nullopt : matchAtCaret()) {
    const QColor background = c_.editor.background();
    const QColor colour = found->partner ? matchColour(background) : errorColour(background);
    marks.push_back({found->item.start, found->item.length, colour});
    if (found->partner) marks.push_back({found->partner->start, found->partner->length, colour});
  }
  c_.editor.setTextMarks(EditorControl::MarkLayer::Brackets, marks);
}

// A window that holds [caret - kReach, caret + kReach] for every caret whose
// reach starts within the same step: from a step before that step (a
// program's from the first line start in it) to twice the reach and a step
// after it.
const BracketMatching::Scan& BracketMatching::scanAround(int caret) const {
  const int stepFrom = std::max(0, (caret - kReach) / kStep * kStep);
  const int mode = c_.document.DocumentMode;
  const LanguageMode language = languageModeFrom(c_.settings.PL);
  if (scan_.revision == c_.editor.revision() && scan_.mode == mode && scan_.language == language &&
      scan_.stepFrom == stepFrom)
    return scan_;
  std::optional<LineState> state;
  scan_ = {c_.editor.revision(), mode, language, stepFrom, {}, {}, {}};
  scan_.window = windowFrom(stepFrom, mode == kProgramMode ? &state : nullptr);
  if (mode == kHtmlMode) scan_.tags = TagsIn(scan_.window.text);
  if (mode == kProgramMode) scan_.quiet = QuietStretches(scan_.window.text, language, state.value_or(LineState::Code));
  return scan_;
}

MatchWindow BracketMatching::windowFrom(int stepFrom, std::optional<LineState>* state) const {
  const PieceText text = c_.editor.keptText();
  const int length = int(text.size());
  int from = std::max(0, stepFrom - kStep);
  // A program is read from a line's start, where the colouring knows what
  // is open; a line longer than the reach is read from its middle.
  if (state) {
    *state = from == 0 ? std::optional(LineState::Code) : std::nullopt;
    if (from > 0) {
      const int line = c_.editor.lineFromPosition(from) + 1;
      const int next = c_.editor.positionOfLine(line);
      if (next >= 0 && next <= stepFrom) {
        from = next;
        if (c_.stateAtLineStart) *state = c_.stateAtLineStart(line);
      }
    }
  }
  const int to = std::min(length, stepFrom + 2 * kReach + kStep);
  return {text.mid(from, to - from), from, from == 0, to == length};
}

// Whether a tag stands at the caret, from the text a tag may reach around it.
bool BracketMatching::tagNear(int caret) const {
  const PieceText text = c_.editor.keptText();
  const int from = std::max(0, caret - kTagReach);
  const int to = std::min(int(text.size()), caret + kTagReach);
  return TagAtCaret({text.mid(from, to - from), from, from == 0, to == int(text.size())}, caret);
}

std::optional<MatchFound> BracketMatching::matchAtCaret() const {
  const int caret = c_.editor.selStart();
  const int mode = c_.document.DocumentMode;
  if (mode == kHtmlMode) {
    // Without a scan of this text at hand, a small look first.
    if (scan_.revision != c_.editor.revision() && !tagNear(caret)) return std::nullopt;
    const Scan& scan = scanAround(caret);
    return MatchTag(scan.window, scan.tags, caret);
  }
  if (!bracketNear(c_.editor.keptText(), caret)) return std::nullopt;
  const Scan& scan = scanAround(caret);
  return MatchBracket(scan.window, caret, scan.quiet);
}

// ---- the commands ---------------------------------------------------------------------

std::optional<MatchFound> BracketMatching::partnerOrNote() {
  const std::optional<MatchFound> found = matchAtCaret();
  if (found && found->partner) return found;
  if (c_.showNote) {
    c_.showNote(!found ? tr("No matching bracket or tag was found near the caret.")
                       : tr("This bracket or tag has no partner."));
  }
  return std::nullopt;
}

void BracketMatching::goToMatch() {
  if (const std::optional<MatchFound> found = partnerOrNote()) {
    c_.editor.setSelStart(found->partner->start);
    c_.editor.scrollCaretIntoView();
  }
}

void BracketMatching::selectToMatch() {
  if (const std::optional<MatchFound> found = partnerOrNote()) {
    const int caret = c_.editor.selStart();
    const MatchStretch partner = *found->partner;
    const int start = std::min(caret, partner.start);
    const int end = std::max(caret, partner.start + partner.length);
    c_.editor.select(start, end - start);
    c_.editor.scrollCaretIntoView();
  }
}

}  // namespace wrenpad
