// SPDX-License-Identifier: GPL-3.0-or-later
#include "large/large_document.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace wrenpad::large {

namespace {
char folded(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

std::string foldedCopy(std::string_view bytes) {
  std::string out(bytes);
  std::transform(out.begin(), out.end(), out.begin(), folded);
  return out;
}

bool isBreak(char c) { return c == '\n' || c == '\r'; }

std::string headOf(const OriginalBytes& file) {
  std::string head;
  file.read(0, kDetectionBytes, [&head](std::string_view block) {
    head.append(block);
    return true;
  });
  return head;
}
}  // namespace

LargeDocument::Opened LargeDocument::open(const QString& path, TextEncoding fallback) {
  OriginalBytes::Opened opened = OriginalBytes::open(path);
  if (!opened.bytes) return {nullptr, opened.failure};
  return {std::unique_ptr<LargeDocument>(new LargeDocument(std::move(opened.bytes), fallback)), {}};
}

std::unique_ptr<LargeDocument> LargeDocument::holding(std::string bytes, TextEncoding fallback) {
  return std::unique_ptr<LargeDocument>(new LargeDocument(OriginalBytes::holding(std::move(bytes)), fallback));
}

LargeDocument::LargeDocument(std::shared_ptr<OriginalBytes> file, TextEncoding fallback)
    : file_(std::move(file)), form_(detectForm(headOf(*file_), fallback)), text_(file_.get()), lines_({text_}) {}

std::string_view LargeDocument::lineBreak(LineEnd fallback) const {
  return lineBreakBytes(form_.lineEndFromFile ? form_.lineEnd : fallback);
}

void LargeDocument::findLineEnd() {
  if (form_.lineEndFromFile) return;
  const qint64 end = lines_.lineEnd(0);
  if (end >= size()) return;
  form_.lineEndFromFile = true;
  form_.lineEnd = byteAt(end) == '\n' ? LineEnd::Lf : byteAt(end + 1) == '\n' ? LineEnd::CrLf : LineEnd::Cr;
}

// ---- characters ------------------------------------------------------------

namespace {
// 7-bit JIS is read on from an escape, whose state is known. Conforming JIS
// goes back to single bytes before every line end, so the escape is near; a
// kanji run that goes on over a line end is read right while its escape is
// at most kJisLookBack bytes back, and text with no escape that near is
// taken as single bytes.
constexpr qint64 kJisLookBack = 64 * 1024;

bool isJisEscapeAt(const LargeDocument& document, qint64 at) {
  const std::string escape = document.bytes(at, at + 3);
  JisState state = JisState::Single;
  return jisEscapeLength(reinterpret_cast<const unsigned char*>(escape.data()), qint64(escape.size()), &state) > 0;
}

// Where a character surely begins at or before `offset`: the first of the
// escapes that the last escape before it belongs to, or `offset` itself
// when none is near.
qint64 jisReadFrom(const LargeDocument& document, qint64 offset) {
  const qint64 limit = std::max<qint64>(0, offset - kJisLookBack);
  for (qint64 to = std::min(offset + 1, document.size()); to > limit;) {
    const qint64 from = std::max(limit, to - 4096);
    const std::string block = document.bytes(from, to);
    for (std::size_t k = block.rfind('\x1b'); k != std::string::npos; k = k ? block.rfind('\x1b', k - 1) : std::string::npos) {
      qint64 at = from + qint64(k);
      if (!isJisEscapeAt(document, at)) continue;
      while (at >= 3 && isJisEscapeAt(document, at - 3)) at -= 3;
      return at;
    }
    to = from;
  }
  return offset;
}

// Walks JIS characters from `from` (a character's start in single bytes or
// an escape) until `stop` returns true for a character [start, end); the
// state before the character it stopped at, or at `to`.
template <typename Stop>
JisState walkJis(const LargeDocument& document, qint64 from, qint64 to, Stop&& stop) {
  const std::string run = document.bytes(from, to);
  const auto* s = reinterpret_cast<const unsigned char*>(run.data());
  JisState state = JisState::Single;
  for (qint64 at = 0; at < qint64(run.size());) {
    JisState after = state;
    const qint64 next = at + jisCharacterLength(&after, s + at, qint64(run.size()) - at);
    if (stop(from + at, from + next)) return state;
    state = after;
    at = next;
  }
  return state;
}

qint64 jisCharacterStart(const LargeDocument& document, qint64 offset) {
  const qint64 from = jisReadFrom(document, offset);
  qint64 found = offset;
  walkJis(document, from, offset + 16, [&](qint64 start, qint64 end) {
    found = start;
    return end > offset;
  });
  return std::min(found, offset);
}

// The state before `offset`: an escape that begins there is not read.
JisState jisStateAt(const LargeDocument& document, qint64 offset) {
  if (offset <= 0) return JisState::Single;
  return walkJis(document, jisReadFrom(document, offset - 1), offset, [](qint64, qint64) { return false; });
}

// Where the escapes that begin at `at` end (`at` when none does).
qint64 jisEscapesEnd(const LargeDocument& document, qint64 at) {
  while (isJisEscapeAt(document, at)) at += 3;
  return at;
}

// The state of the character whose own bytes (after its escapes) begin at
// `at`; nothing when `at` is inside a character or its escapes.
std::optional<JisState> jisStateOfBytesAt(const LargeDocument& document, qint64 at) {
  const qint64 from = jisReadFrom(document, at);
  const std::string run = document.bytes(from, at + 2);
  const auto* s = reinterpret_cast<const unsigned char*>(run.data());
  const qint64 n = qint64(run.size());
  JisState state = JisState::Single;
  for (qint64 i = 0; i < n && from + i <= at;) {
    for (int escape; i < n && (escape = jisEscapeLength(s + i, n - i, &state)) > 0;) i += escape;
    if (from + i == at) return state;
    if (i < n) {
      JisState same = state;
      i += jisCharacterLength(&same, s + i, n - i);
    }
  }
  return std::nullopt;
}
}  // namespace

bool LargeDocument::jisEscapeAt(qint64 offset) const { return isJisEscapeAt(*this, offset); }

DecodedText LargeDocument::decode(qint64 from, qint64 to) const {
  if (!form_.jis) return decodeText(form_.encoding, bytes(from, to));
  return decodeJis(bytes(from, to), jisStateAt(*this, from));
}

JisState LargeDocument::jisState(qint64 offset) const { return jisStateAt(*this, offset); }

qint64 LargeDocument::characterStart(qint64 offset) const {
  offset = std::clamp<qint64>(offset, 0, size());
  if (offset == 0 || offset == size()) return offset;
  if (form_.jis) return jisCharacterStart(*this, offset);
  const TextEncoding code = form_.encoding;
  // Back to a byte where a character surely begins: after a byte that ends
  // one (UTF-8: any byte that is no continuation).
  qint64 sure = offset;
  if (code == TextEncoding::Utf8) {
    while (sure > 0 && offset - sure < 3 && (static_cast<unsigned char>(byteAt(sure)) & 0xC0) == 0x80) --sure;
  } else {
    for (bool found = false; !found && sure > 0;) {
      const qint64 from = std::max<qint64>(0, sure - 4096);
      const std::string block = bytes(from, sure);
      qint64 k = qint64(block.size());
      while (k > 0 && !endsCharacter(code, static_cast<unsigned char>(block[std::size_t(k - 1)]))) --k;
      found = k > 0;
      sure = from + k;
    }
  }
  // Then forward, a character at a time (with the bytes of the character
  // that holds `offset`).
  const std::string run = bytes(sure, offset + 4);
  const auto* s = reinterpret_cast<const unsigned char*>(run.data());
  qint64 at = 0;
  for (;;) {
    const qint64 next = at + characterLength(code, s + at, qint64(run.size()) - at);
    if (sure + next > offset) return sure + at;
    at = next;
  }
}

qint64 LargeDocument::nextCharacter(qint64 offset) const {
  if (offset >= size()) return size();
  const char c = byteAt(offset);
  if (c == '\r' && byteAt(offset + 1) == '\n') return offset + 2;
  if (isBreak(c)) return offset + 1;
  if (form_.jis) {
    JisState state = jisStateAt(*this, offset);
    const std::string head = bytes(offset, offset + 16);
    const qint64 next =
        offset + jisCharacterLength(&state, reinterpret_cast<const unsigned char*>(head.data()), qint64(head.size()));
    // Escapes before a line end show as nothing: the caret goes on over them
    // and the line end, so Delete there joins the lines.
    if (next < size() && jisEscapesEnd(*this, offset) == next) return nextCharacter(next);
    return next;
  }
  const std::string head = bytes(offset, offset + 4);
  return offset + characterLength(form_.encoding, reinterpret_cast<const unsigned char*>(head.data()),
                                  qint64(head.size()));
}

qint64 LargeDocument::previousCharacter(qint64 offset) const {
  if (offset <= 0) return 0;
  const char before = byteAt(offset - 1);
  if (before == '\n' && offset >= 2 && byteAt(offset - 2) == '\r') return offset - 2;
  if (isBreak(before)) return offset - 1;
  const qint64 start = characterStart(offset - 1);
  // Escapes before a line end show as nothing: the caret goes on over them
  // to the character before them on the line, so Backspace there takes it.
  if (form_.jis && start > 0 && !isBreak(byteAt(start - 1)) && jisEscapesEnd(*this, start) == offset)
    return characterStart(start - 1);
  return start;
}

// ---- edits -----------------------------------------------------------------

template <typename Change_>
Change LargeDocument::changing(qint64 offset, qint64 length, qint64 inserted, Change_&& change) {
  const bool counting = lines_.needsBreakCount(offset);
  // The breaks of the bytes an edit touches, from the byte before it (a CR
  // whose LF follows it or not) on.
  const qint64 before = counting ? lines_.countBreaks(offset - 1, offset + length) : 0;
  change();
  const qint64 after = counting ? lines_.countBreaks(offset - 1, offset + inserted) : 0;
  lines_.edited(offset, length, inserted, after - before);
  ++revision_;
  const Change made{offset, length, inserted};
  if (listener_) listener_(made);
  return made;
}

Change LargeDocument::apply(qint64 offset, qint64 length, const Pieces& pieces, Pieces* removed) {
  return changing(offset, length, lengthOf(pieces), [&] {
    Pieces taken = text_.replace(offset, length, pieces);
    if (removed) *removed = std::move(taken);
  });
}

Change LargeDocument::replace(qint64 offset, qint64 length, std::string_view bytes, EditKind kind) {
  offset = std::clamp<qint64>(offset, 0, size());
  length = std::clamp<qint64>(length, 0, size() - offset);
  Edit edit{offset, {}, {}, kind};
  Change change;
  const qint64 count = qint64(bytes.size());
  // Typing on after typing grows the last piece instead of adding one.
  if (length == 0 && count > 0 && text_.canExtendAt(offset)) {
    change = changing(offset, 0, count, [&] { text_.extendAt(offset, bytes); });
    edit.inserted = text_.piecesOf(offset, offset + count);
  } else {
    edit.inserted = count > 0 ? Pieces{text_.add(bytes)} : Pieces{};
    change = apply(offset, length, edit.inserted, &edit.removed);
  }
  history_.record(std::move(edit));
  return change;
}

std::optional<Change> LargeDocument::undo() {
  const Edit* edit = history_.toUndo();
  if (!edit) return std::nullopt;
  const Change change = apply(edit->offset, edit->insertedLength(), edit->removed, nullptr);
  history_.undone();
  return change;
}

std::optional<Change> LargeDocument::redo() {
  const Edit* edit = history_.toRedo();
  if (!edit) return std::nullopt;
  const Change change = apply(edit->offset, edit->removedLength(), edit->inserted, nullptr);
  history_.redone();
  return change;
}

void LargeDocument::rebase() {
  // The bytes are the ones the lines were found in: the index stays.
  file_->acceptOwnWrite();
  text_.reset(file_.get());
  history_.clear();
  ++revision_;
}

bool LargeDocument::keepOriginalIn(const QStringList& folders) {
  std::shared_ptr<OriginalBytes> copy = file_->privateCopy(folders);
  if (!copy) return false;
  text_.moveOriginal(copy.get());
  file_ = std::move(copy);
  return true;
}

std::optional<FileIdentity> LargeDocument::originalIdentity() const {
  if (!file_->isFile()) return std::nullopt;
  return file_->identity();
}

std::string LargeDocument::typedBytes(qint64 limit, std::string_view lineBreak) const {
  std::string typed;
  bool inRun = false;
  for (const Piece& piece : text_.pieces()) {
    if (!piece.added) {
      inRun = false;
      continue;
    }
    if (!inRun && !typed.empty()) typed.append(lineBreak);
    inRun = true;
    typed.append(text_.addedBytes(piece));
    if (qint64(typed.size()) >= limit) break;
  }
  typed.resize(std::min<std::size_t>(typed.size(), std::size_t(std::max<qint64>(limit, 0))));
  return typed;
}

// ---- search ----------------------------------------------------------------

bool LargeDocument::equalsAt(qint64 at, std::string_view needle, bool matchCase, JisState state) const {
  if (at < 0 || at + qint64(needle.size()) > size()) return false;
  if (form_.jis) {
    // Only where the text is read in the needle's own state: never a pair
    // read as two letters, nor letters that are a kanji's bytes.
    if (jisStateOfBytesAt(*this, at) != state) return false;
    matchCase = matchCase || state == JisState::Pairs;
  } else if (characterStart(at) != at) {
    return false;
  }
  const std::string here = bytes(at, at + qint64(needle.size()));
  const auto* s = reinterpret_cast<const unsigned char*>(needle.data());
  // Character by character: only a one-byte letter matches in either case,
  // never a byte inside a kanji's code.
  for (qint64 i = 0, n = qint64(needle.size()); i < n;) {
    const int length = characterLength(form_.encoding, s + i, n - i);
    for (int k = 0; k < length; ++k) {
      const char a = here[std::size_t(i + k)];
      const char b = needle[std::size_t(i + k)];
      if (a != b && (matchCase || length > 1 || folded(a) != folded(b))) return false;
    }
    i += length;
  }
  return true;
}

// Calls hit(position) for the occurrences wholly inside [from, to) that
// do not overlap, in order (backward: the last first), while it returns true.
template <typename Hit>
void LargeDocument::forEachHit(std::string_view needle, qint64 from, qint64 to, bool backward, bool matchCase,
                               JisState state, Hit&& hit) const {
  if (needle.empty()) return;
  const std::string wanted = matchCase ? std::string(needle) : foldedCopy(needle);
  const qint64 length = qint64(needle.size());
  const std::size_t overlap = needle.size() - 1;
  std::string carried;  // the bytes next to the block, so a hit may cross into it
  // Hits must begin at or after `allowedFrom` and end by `allowedTo`.
  qint64 allowedFrom = from;
  qint64 allowedTo = to;
  const auto search = [&](qint64 windowStart, const std::string& window) {
    const std::string folded = matchCase ? std::string() : foldedCopy(window);
    const std::string& hay = matchCase ? window : folded;
    std::vector<qint64> found;
    for (std::size_t at = 0; (at = hay.find(wanted, at)) != std::string::npos; ++at) {
      const qint64 position = windowStart + qint64(at);
      if (position < allowedFrom || position + length > allowedTo) continue;
      if (!equalsAt(position, needle, matchCase, state)) continue;
      if (!backward) {
        if (!hit(position)) return false;
        allowedFrom = position + length;
        at += std::size_t(length - 1);
      } else {
        found.push_back(position);
      }
    }
    // Backward, the hits of the window from the last, each before the one after it.
    for (auto it = found.rbegin(); it != found.rend(); ++it) {
      if (*it + length > allowedTo) continue;
      if (!hit(*it)) return false;
      allowedTo = *it;
    }
    return true;
  };
  const DocumentBytes document{text_};
  if (!backward) {
    passForward(document, from, to, [&](qint64 offset, std::string_view block) {
      const std::string window = carried + std::string(block);
      carried = window.substr(window.size() - std::min(window.size(), overlap));
      return search(offset - qint64(window.size() - block.size()), window);
    });
  } else {
    passBackward(document, from, to, [&](qint64 offset, std::string_view block) {
      const std::string window = std::string(block) + carried;
      carried = window.substr(0, std::min(window.size(), overlap));
      return search(offset, window);
    });
  }
}

std::optional<qint64> LargeDocument::find(std::string_view needle, qint64 from, bool backward, bool matchCase,
                                          JisState state) const {
  std::optional<qint64> first;
  const auto take = [&first](qint64 position) {
    first = position;
    return false;
  };
  if (backward)
    forEachHit(needle, 0, std::clamp<qint64>(from, 0, size()), true, matchCase, state, take);
  else
    forEachHit(needle, std::clamp<qint64>(from, 0, size()), size(), false, matchCase, state, take);
  return first;
}

std::vector<qint64> LargeDocument::findAll(std::string_view needle, qint64 from, qint64 to, bool matchCase,
                                           JisState state) const {
  std::vector<qint64> hits;
  forEachHit(needle, from, to, false, matchCase, state, [&hits](qint64 position) {
    hits.push_back(position);
    return true;
  });
  return hits;
}

namespace {
// What a hit costs when the stretch it is in stays as pieces: two pieces in
// the table with their ends, the same two in the undo step, and the table's
// copy of them while it puts them in.
constexpr qint64 kPieceBytesPerHit = 2 * qint64(sizeof(Piece) + sizeof(qint64)) + 4 * qint64(sizeof(Piece));

// What a hit becomes: [from, to) replaced by the first `kept` bytes of the
// replacement.
struct HitStretch {
  qint64 from = 0;
  qint64 to = 0;
  qint64 kept = 0;
};

// The bytes between the hits stay as pieces; every hit becomes the same
// piece of the add buffer (or the part of it its stretch keeps).
Pieces piecesAroundHits(PieceTable& text, const std::vector<HitStretch>& hits, std::string_view with) {
  const Piece replacement = with.empty() ? Piece{} : text.add(with);
  Pieces pieces;
  pieces.reserve(2 * hits.size());
  qint64 kept = hits.front().from;
  for (const HitStretch& hit : hits) {
    const Pieces between = text.piecesOf(kept, hit.from);
    pieces.insert(pieces.end(), between.begin(), between.end());
    if (hit.kept > 0) pieces.push_back(Piece{true, replacement.start, hit.kept});
    kept = hit.to;
  }
  return pieces;
}

// The stretch from the first hit to the end of the last, hits replaced, as
// one new run of the add buffer (`bytes` long): read a block at a time, so
// its old bytes are never all in memory at once. The buffer is made that
// much larger first, so it never moves while the blocks read from it are
// in use.
Pieces oneRunForHits(const DocumentBytes& document, PieceTable& text, const std::vector<HitStretch>& hits,
                     std::string_view with, qint64 bytes) {
  text.reserveAdded(bytes);
  Piece run = text.add({});
  std::size_t next = 0;             // the first hit not yet replaced
  qint64 kept = hits.front().from;  // where the bytes still to copy begin
  const auto append = [&](std::string_view part) { run.length += text.add(part).length; };
  passForward(document, hits.front().from, hits.back().to, [&](qint64 offset, std::string_view block) {
    const qint64 end = offset + qint64(block.size());
    // The block's bytes from `kept` (or its start) up to `until`.
    const auto copy = [&](qint64 until) {
      const qint64 begin = std::max(kept, offset);
      if (until > begin) append(block.substr(std::size_t(begin - offset), std::size_t(until - begin)));
    };
    for (; next < hits.size() && hits[next].from < end; ++next) {
      copy(hits[next].from);
      append(with.substr(0, std::size_t(hits[next].kept)));
      kept = hits[next].to;
    }
    copy(end);
    return true;
  });
  Q_ASSERT(run.length == bytes);
  return run.length > 0 ? Pieces{run} : Pieces{};
}

// 7-bit JIS, where the replacement `with` goes from the hits' state back to
// it: no escape may be left just before another (the editor's JIS reader
// takes the byte after an escape as text). The replacement's last escape is
// left out where an escape follows it (the text after a hit, or the next
// hit's replacement), and an escape just before a run of hits goes with the
// first where an escape would follow it.
void keepJisEscapesApart(const LargeDocument& document, std::vector<HitStretch>& hits, std::string_view with) {
  const bool opens = !with.empty() && with.front() == '\x1b';
  const bool closes = with.size() >= 3 && with[with.size() - 3] == '\x1b';
  for (std::size_t first = 0, last = 0; first < hits.size(); first = ++last) {
    while (last + 1 < hits.size() && hits[last + 1].from == hits[last].to) ++last;
    const bool escapeAfter = document.jisEscapeAt(hits[last].to);
    for (std::size_t i = first; i <= last; ++i)
      if (closes && (i < last ? opens : escapeAfter)) hits[i].kept -= 3;
    const bool escapeNext = with.empty() ? escapeAfter : opens;
    if (escapeNext && hits[first].from >= 3 && document.jisEscapeAt(hits[first].from - 3)) hits[first].from -= 3;
  }
}
}  // namespace

Change LargeDocument::replaceHits(const std::vector<qint64>& hits, qint64 length, std::string_view with) {
  if (hits.empty()) return {};
  std::vector<HitStretch> stretches;
  stretches.reserve(hits.size());
  for (const qint64 hit : hits) stretches.push_back({hit, hit + length, qint64(with.size())});
  if (form_.jis) keepJisEscapesApart(*this, stretches, with);
  const qint64 from = stretches.front().from;
  const qint64 to = stretches.back().to;
  qint64 replaced = to - from;  // the bytes the stretch from the first hit to the last becomes
  for (const HitStretch& stretch : stretches) replaced += stretch.kept - (stretch.to - stretch.from);
  const qint64 count = qint64(hits.size());
  Edit edit{from, {}, {}, EditKind::Other};
  // Hits close together (a common word through a whole file) would cost
  // more as pieces than the bytes they stand for: the stretch is then
  // written out anew, and the table and the undo step hold a piece or two.
  if (replaced < count * kPieceBytesPerHit)
    edit.inserted = oneRunForHits({text_}, text_, stretches, with, replaced);
  else
    edit.inserted = piecesAroundHits(text_, stretches, with);
  const Change change = apply(from, to - from, edit.inserted, &edit.removed);
  history_.record(std::move(edit));
  return change;
}

LargeDocument::Replaced LargeDocument::replaceAll(std::string_view needle, std::string_view with, qint64 from,
                                                  qint64 to, bool matchCase, JisState state) {
  const std::vector<qint64> hits = findAll(needle, from, to, matchCase, state);
  if (hits.empty()) return {};
  return {qint64(hits.size()), replaceHits(hits, qint64(needle.size()), with)};
}

// ---- saving ----------------------------------------------------------------

int LargeDocument::writeTo(const std::function<int(std::string_view)>& put) const {
  int error = 0;
  passForward({text_}, 0, size(), [&](qint64, std::string_view block) {
    error = put(block);
    return error == 0;
  });
  // Stand-ins for bytes another program changed are never written as if
  // they were the document's.
  if (error == 0 && file_->changedOnDisk()) error = ESTALE;
  return error;
}

}  // namespace wrenpad::large
