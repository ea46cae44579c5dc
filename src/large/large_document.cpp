#include "large/large_document.h"

#include <algorithm>
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
}  // namespace

LargeDocument::Opened LargeDocument::open(const QString& path, TextEncoding fallback) {
  MappedBytes::Opened mapped = MappedBytes::map(path);
  if (!mapped.bytes) return {nullptr, mapped.failure};
  return {std::unique_ptr<LargeDocument>(new LargeDocument(std::move(mapped.bytes), fallback)), {}};
}

std::unique_ptr<LargeDocument> LargeDocument::holding(std::string bytes, TextEncoding fallback) {
  return std::unique_ptr<LargeDocument>(new LargeDocument(MappedBytes::holding(std::move(bytes)), fallback));
}

LargeDocument::LargeDocument(std::shared_ptr<MappedBytes> file, TextEncoding fallback)
    : file_(std::move(file)),
      form_(detectForm(file_->view().substr(0, std::size_t(kDetectionBytes)), fallback)),
      text_(file_->view()),
      lines_({text_, file_.get()}) {}

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

qint64 LargeDocument::characterStart(qint64 offset) const {
  offset = std::clamp<qint64>(offset, 0, size());
  if (offset == 0 || offset == size()) return offset;
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
  const std::string head = bytes(offset, offset + 4);
  return offset + characterLength(form_.encoding, reinterpret_cast<const unsigned char*>(head.data()),
                                  qint64(head.size()));
}

qint64 LargeDocument::previousCharacter(qint64 offset) const {
  if (offset <= 0) return 0;
  const char before = byteAt(offset - 1);
  if (before == '\n' && offset >= 2 && byteAt(offset - 2) == '\r') return offset - 2;
  if (isBreak(before)) return offset - 1;
  return characterStart(offset - 1);
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
  return {offset, length, inserted};
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

void LargeDocument::rebase(std::shared_ptr<MappedBytes> file) {
  file_ = std::move(file);
  text_.reset(file_->view());
  // The bytes are the ones the lines were found in.
  lines_.setFile(file_.get());
  history_.clear();
  ++revision_;
}

// ---- search ----------------------------------------------------------------

bool LargeDocument::equalsAt(qint64 at, std::string_view needle, bool matchCase) const {
  if (at < 0 || at + qint64(needle.size()) > size() || characterStart(at) != at) return false;
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
                               Hit&& hit) const {
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
      if (!equalsAt(position, needle, matchCase)) continue;
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
  const DocumentBytes document{text_, file_.get()};
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

std::optional<qint64> LargeDocument::find(std::string_view needle, qint64 from, bool backward, bool matchCase) const {
  std::optional<qint64> first;
  const auto take = [&first](qint64 position) {
    first = position;
    return false;
  };
  if (backward)
    forEachHit(needle, 0, std::clamp<qint64>(from, 0, size()), true, matchCase, take);
  else
    forEachHit(needle, std::clamp<qint64>(from, 0, size()), size(), false, matchCase, take);
  return first;
}

std::vector<qint64> LargeDocument::findAll(std::string_view needle, qint64 from, qint64 to, bool matchCase) const {
  std::vector<qint64> hits;
  forEachHit(needle, from, to, false, matchCase, [&hits](qint64 position) {
    hits.push_back(position);
    return true;
  });
  return hits;
}

Change LargeDocument::replaceHits(const std::vector<qint64>& hits, qint64 length, std::string_view with) {
  if (hits.empty()) return {};
  // The bytes between the hits stay as pieces; every hit becomes the same
  // piece of the add buffer.
  const Piece replacement = with.empty() ? Piece{} : text_.add(with);
  Pieces pieces;
  qint64 kept = hits.front();
  for (const qint64 hit : hits) {
    const Pieces between = text_.piecesOf(kept, hit);
    pieces.insert(pieces.end(), between.begin(), between.end());
    if (replacement.length > 0) pieces.push_back(replacement);
    kept = hit + length;
  }
  Edit edit{hits.front(), {}, pieces, EditKind::Other};
  const Change change = apply(hits.front(), kept - hits.front(), pieces, &edit.removed);
  history_.record(std::move(edit));
  return change;
}

LargeDocument::Replaced LargeDocument::replaceAll(std::string_view needle, std::string_view with, qint64 from,
                                                  qint64 to, bool matchCase) {
  const std::vector<qint64> hits = findAll(needle, from, to, matchCase);
  if (hits.empty()) return {};
  return {qint64(hits.size()), replaceHits(hits, qint64(needle.size()), with)};
}

// ---- saving ----------------------------------------------------------------

int LargeDocument::writeTo(const std::function<int(std::string_view)>& put) const {
  int error = 0;
  passForward({text_, file_.get()}, 0, size(), [&](qint64, std::string_view block) {
    error = put(block);
    return error == 0;
  });
  return error;
}

}  // namespace wrenpad::large
