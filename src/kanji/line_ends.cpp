// SPDX-License-Identifier: GPL-3.0-or-later
// Line-end detection and conversion. The first line end of a text decides its
// kind; conversion replaces only line ends of that kind.
#include "kanji/bytes.h"
#include "kanji/kanji.h"

namespace kanji {
namespace {

std::string_view LineEndBytes(LineEndKind kind) {
  switch (kind) {
    case leCrLf: return "\r\n";
    case leCr: return "\r";
    case leLf: return "\n";
    default: return {};
  }
}

}  // namespace

LineEndKind DetectLineEnd(std::string_view text) {
  const std::size_t lf = text.find('\n');
  // Only the part before the first LF can hold an earlier CR.
  const std::size_t cr = text.substr(0, lf).find('\r');
  if (cr != std::string_view::npos) return cr + 1 == lf ? leCrLf : leCr;
  return lf != std::string_view::npos ? leLf : leNone;
}

std::string ConvertLineEnds(std::string_view text, LineEndKind target) {
  const LineEndKind kind = DetectLineEnd(text);
  const std::string_view from = LineEndBytes(kind);
  const std::string_view to = LineEndBytes(target);
  if (from.empty() || to.empty() || kind == target) return std::string(text);

  // Each line end grows by at most one byte (LF or CR to CR LF).
  detail::ByteSink sink(text.size() + text.size() / 16 + 16);
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = text.find(from, i);
    const bool found = end != std::string_view::npos;
    if (!found) end = text.size();
    unsigned char* o = sink.Room(end - i + to.size());
    std::memcpy(o, text.data() + i, end - i);
    o += end - i;
    if (found) {
      std::memcpy(o, to.data(), to.size());
      o += to.size();
      end += from.size();
    }
    sink.Commit(o);
    i = end;
  }
  return sink.Take();
}

}  // namespace kanji
