// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the picture header readers. They never read past
// the buffer (the sanitizers watch) and never fail; a size they give has both
// sides at least 1 and belongs to a known kind; a size read from the first
// bytes stays the same when more bytes follow, since headers come first.
#include "page/picture_headers.h"

#include <cstddef>
#include <cstdint>

namespace {

using namespace wrenpad;

void Require(bool condition) {
  if (!condition) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // An exact-size copy, so reading one byte too far is caught.
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  const PictureFormat format = PictureFormatOf(bytes);
  const std::optional<PictureSize> whole = PictureHeaderSize(bytes);
  if (whole) {
    Require(format != PictureFormat::Unknown);
    Require(whole->width >= 1 && whole->height >= 1);
  }
  for (qsizetype length : {qsizetype(0), qsizetype(1), bytes.size() / 2, bytes.size() - 1}) {
    if (length < 0 || length > bytes.size()) continue;
    const QByteArray head = bytes.left(length);
    if (const std::optional<PictureSize> early = PictureHeaderSize(head)) {
      Require(PictureFormatOf(head) == format);
      Require(whole && *early == *whole);
    }
  }
  return 0;
}
