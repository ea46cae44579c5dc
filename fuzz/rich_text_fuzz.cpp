// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the RTF reader. Whatever it reads is already tidy
// (Normalized leaves it as it is), and writing it and reading that back gives
// the same document again.
#include "text/rich_text.h"

#include <QByteArray>
#include <cstddef>
#include <cstdint>

namespace {

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace wrenpad;
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const std::optional<RichDocument> first = ReadRtf(bytes);
  if (!first) return 0;
  const RichDocument normal = Normalized(*first);
  Require(*first == normal);
  const QByteArray written = WriteRtf(*first);
  for (const char c : written) Require(c > 0 && c < 0x7F);
  const std::optional<RichDocument> second = ReadRtf(written);
  Require(second.has_value());
  Require(*second == normal);
  return 0;
}
