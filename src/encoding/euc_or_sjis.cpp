// SPDX-License-Identifier: GPL-3.0-or-later
#include "encoding/euc_or_sjis.h"

#include <uchardet.h>

#include <algorithm>
#include <string>
#include <memory>
#include <type_traits>

namespace wrenpad {

namespace {
// The prober is given the text a block at a time; it stops weighing by
// itself once it is sure, so a long text costs little more than its head.
constexpr qsizetype kBlock = 64 * 1024;

struct ProberDeleter {
  void operator()(uchardet_t prober) const { uchardet_delete(prober); }
};


// What the prober takes the bytes for: "EUC-JP", "SHIFT_JIS", another code,
// or nothing.
std::string probedCharset(QByteArrayView bytes) {
  const std::unique_ptr<std::remove_pointer_t<uchardet_t>, ProberDeleter> prober(uchardet_new());
  if (!prober) return {};
  for (qsizetype at = 0; at < bytes.size(); at += kBlock) {
    const qsizetype length = std::min(kBlock, bytes.size() - at);
    if (uchardet_handle_data(prober.get(), bytes.constData() + at, std::size_t(length)) != 0) return {};
  }
  uchardet_data_end(prober.get());
  const char* charset = uchardet_get_charset(prober.get());
  return charset ? std::string(charset) : std::string();
}

// For a text too short for the prober: hiragana, some of every Japanese
// sentence, are EUC-JP pairs A4 A1..F3, which in Shift-JIS would be a
// half-width comma before every other byte. A quarter of the pairs being
// hiragana says EUC-JP.
bool hiraganaSaysEucJp(QByteArrayView bytes) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  qsizetype pairs = 0;
  qsizetype hiragana = 0;
  for (qsizetype i = 0; i + 1 < bytes.size(); ++i) {
    if (s[i] < 0xA1 || s[i + 1] < 0xA1) continue;
    ++pairs;
    if (s[i] == 0xA4 && s[i + 1] <= 0xF3) ++hiragana;
    ++i;
  }
  return hiragana > 0 && hiragana * 4 >= pairs;
}
}  // namespace

bool probablyEucJp(QByteArrayView bytes) {
  const std::string charset = probedCharset(bytes);
  if (charset == "EUC-JP") return true;
  if (charset == "SHIFT_JIS") return false;
  return hiraganaSaysEucJp(bytes);
}

}  // namespace wrenpad
