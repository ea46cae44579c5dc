// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/picture_headers.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <cstdint>
#include <cstdlib>
#include <utility>

namespace wrenpad {

namespace {

// Bounds-checked little- and big-endian readers over the buffer: every
// reader first asks whether the bytes it needs are there.
class Bytes {
 public:
  explicit Bytes(const QByteArray& data) : data_(data) {}
  qsizetype size() const { return data_.size(); }
  bool has(qsizetype offset, qsizetype count) const {
    return offset >= 0 && count >= 0 && offset <= size() && count <= size() - offset;
  }
  std::uint8_t u8(qsizetype offset) const { return std::uint8_t(data_[offset]); }
  std::uint32_t be16(qsizetype at) const { return (u32(at, 0) << 8) | u32(at, 1); }
  std::uint32_t be32(qsizetype at) const {
    return (u32(at, 0) << 24) | (u32(at, 1) << 16) | (u32(at, 2) << 8) | u32(at, 3);
  }
  std::uint32_t le16(qsizetype at) const { return u32(at, 0) | (u32(at, 1) << 8); }
  std::uint32_t le32(qsizetype at) const {
    return u32(at, 0) | (u32(at, 1) << 8) | (u32(at, 2) << 16) | (u32(at, 3) << 24);
  }
  std::int32_t le32s(qsizetype at) const { return std::int32_t(le32(at)); }
  std::int16_t le16s(qsizetype at) const { return std::int16_t(std::uint16_t(le16(at))); }
  bool startsWith(const char* text, qsizetype length, qsizetype at = 0) const {
    return has(at, length) && data_.mid(at, length) == QByteArray(text, length);
  }

 private:
  std::uint32_t u32(qsizetype at, int index) const { return u8(at + index); }
  const QByteArray& data_;
};

constexpr char kPngSignature[] = "\x89PNG\r\n\x1a\n";
constexpr std::uint32_t kPlaceableKey = 0x9AC6CDD7u;
constexpr std::uint32_t kEmfSignature = 0x464D4520u;  // " EMF"
constexpr int kScreenDpi = 96;

// A size when both sides are at least 1 and fit an int.
std::optional<PictureSize> SizeOf(long long width, long long height) {
  if (width < 1 || height < 1 || width > INT_MAX || height > INT_MAX) return std::nullopt;
  return PictureSize{int(width), int(height)};
}

bool IsPlainMetafile(const Bytes& b) {
  // mtType 1 (memory) or 2 (disk), mtHeaderSize 9 words, version 1.0 or 3.0.
  if (!b.has(0, 6)) return false;
  const std::uint32_t type = b.le16(0);
  const std::uint32_t version = b.le16(4);
  return (type == 1 || type == 2) && b.le16(2) == 9 && (version == 0x0300 || version == 0x0100);
}

bool IsEnhancedMetafile(const Bytes& b) {
  return b.has(0, 44) && b.le32(0) == 1 && b.le32(40) == kEmfSignature;
}

std::optional<PictureSize> PngSize(const Bytes& b) {
  if (!b.has(8, 16) || !b.startsWith("IHDR", 4, 12)) return std::nullopt;
  return SizeOf(b.be32(16), b.be32(20));
}

bool IsFrameMarker(std::uint8_t marker) {
  // SOF0..SOF15, except DHT (C4), JPG (C8) and DAC (CC).
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

// Where each marker segment of a JPEG starts, up to the first frame header:
// `visit(marker, at, length)` with `at` on the length bytes; it returns
// whether to go on. Returns the frame marker's segment start, or -1.
template <class Visit>
qsizetype WalkJpegSegments(const Bytes& b, Visit visit) {
  qsizetype at = 2;  // after SOI
  while (b.has(at, 2)) {
    if (b.u8(at) != 0xFF) return -1;  // not at a marker: damaged
    while (b.has(at + 1, 1) && b.u8(at + 1) == 0xFF) ++at;  // fill bytes
    if (!b.has(at + 1, 1)) return -1;
    const std::uint8_t marker = b.u8(at + 1);
    at += 2;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD8)) continue;  // no length
    if (marker == 0xD9 || marker == 0xDA) return -1;  // image data before any frame
    if (!b.has(at, 2)) return -1;
    const std::uint32_t length = b.be16(at);
    if (length < 2) return -1;
    if (IsFrameMarker(marker)) return at;
    if (!visit(marker, at, qsizetype(length))) return -1;
    at += length;
  }
  return -1;
}

// The orientation tag of an EXIF block whose TIFF header starts at `tiff`
// and which ends at `end`.
int ExifOrientation(const Bytes& b, qsizetype tiff, qsizetype end) {
  if (!b.has(tiff, 8) || tiff + 8 > end) return 1;
  const bool little = b.startsWith("II*\0", 4, tiff);
  if (!little && !b.startsWith("MM\0*", 4, tiff)) return 1;
  const auto u16 = [&](qsizetype at) { return little ? b.le16(at) : b.be16(at); };
  const auto u32 = [&](qsizetype at) { return little ? b.le32(at) : b.be32(at); };
  const qsizetype directory = tiff + qsizetype(u32(tiff + 4));
  if (directory < tiff + 8 || !b.has(directory, 2) || directory + 2 > end) return 1;
  const qsizetype entries = u16(directory);
  constexpr std::uint32_t kOrientationTag = 0x0112, kShortType = 3;
  for (qsizetype i = 0; i < entries; ++i) {
    const qsizetype entry = directory + 2 + i * 12;
    if (!b.has(entry, 12) || entry + 12 > end) return 1;
    if (u16(entry) != kOrientationTag) continue;
    const std::uint32_t value = u16(entry + 8);
    return u16(entry + 2) == kShortType && value >= 1 && value <= 8 ? int(value) : 1;
  }
  return 1;
}

std::optional<PictureSize> JpegSize(const Bytes& b) {
  const qsizetype at = WalkJpegSegments(b, [](std::uint8_t, qsizetype, qsizetype) { return true; });
  // length, precision, height, width
  if (at < 0 || b.be16(at) < 7 || !b.has(at, 7)) return std::nullopt;
  return SizeOf(b.be16(at + 5), b.be16(at + 3));  // a height of 0 (set later by DNL) gives nothing
}

std::optional<PictureSize> GifSize(const Bytes& b) {
  if (!b.has(0, 10)) return std::nullopt;
  return SizeOf(b.le16(6), b.le16(8));
}

std::optional<PictureSize> BmpSize(const Bytes& b) {
  if (!b.has(14, 4)) return std::nullopt;
  const std::uint32_t headerSize = b.le32(14);
  if (headerSize == 12) {  // BITMAPCOREHEADER: unsigned 16-bit sides
    if (!b.has(18, 4)) return std::nullopt;
    return SizeOf(b.le16(18), b.le16(20));
  }
  // The info headers: OS/2 2.x (16 or 64 bytes) and Windows (40, 52, 56, 108, 124).
  constexpr std::uint32_t kInfoSizes[] = {16, 40, 52, 56, 64, 108, 124};
  if (std::find(std::begin(kInfoSizes), std::end(kInfoSizes), headerSize) == std::end(kInfoSizes) ||
      !b.has(18, 8)) {
    return std::nullopt;
  }
  const long long height = b.le32s(22);
  return SizeOf(b.le32s(18), std::llabs(height));  // negative: rows stored top-down
}

// Metafile units per inch to pixels at the screen's 96 dots per inch.
long long ToPixels(long long extent, long long unitsPerInch) {
  return extent * kScreenDpi / unitsPerInch;
}

std::optional<PictureSize> MetafileSize(const Bytes& b) {
  if (b.has(0, 16) && b.le32(0) == kPlaceableKey) {
    // key, handle, bounding box left top right bottom, units per inch
    const long long width = (long long)b.le16s(10) - b.le16s(6);
    const long long height = (long long)b.le16s(12) - b.le16s(8);
    const long long inch = b.le16(14);
    if (inch == 0) return std::nullopt;
    return SizeOf(ToPixels(std::llabs(width), inch), ToPixels(std::llabs(height), inch));
  }
  if (IsEnhancedMetafile(b)) {
    // The frame (inclusive, in hundredths of a millimetre) is the picture's
    // intended size; the bounds (inclusive, device pixels) stand in for it.
    constexpr long long kHundredthsMmPerInch = 2540;
    const long long frameWidth = (long long)b.le32s(32) - b.le32s(24);
    const long long frameHeight = (long long)b.le32s(36) - b.le32s(28);
    if (frameWidth > 0 && frameHeight > 0) {
      return SizeOf(ToPixels(frameWidth, kHundredthsMmPerInch),
                    ToPixels(frameHeight, kHundredthsMmPerInch));
    }
    return SizeOf((long long)b.le32s(16) - b.le32s(8) + 1, (long long)b.le32s(20) - b.le32s(12) + 1);
  }
  return std::nullopt;  // a plain metafile states no size
}

}  // namespace

PictureFormat PictureFormatOf(const QByteArray& head) {
  const Bytes b(head);
  if (b.startsWith(kPngSignature, 8)) return PictureFormat::Png;
  if (b.has(0, 3) && b.u8(0) == 0xFF && b.u8(1) == 0xD8 && b.u8(2) == 0xFF) return PictureFormat::Jpeg;
  if (b.startsWith("GIF87a", 6) || b.startsWith("GIF89a", 6)) return PictureFormat::Gif;
  if (b.startsWith("BM", 2)) return PictureFormat::Bmp;
  if ((b.has(0, 4) && b.le32(0) == kPlaceableKey) || IsPlainMetafile(b) || IsEnhancedMetafile(b)) {
    return PictureFormat::Metafile;
  }
  return PictureFormat::Unknown;
}

std::optional<PictureSize> PictureHeaderSize(const QByteArray& bytes) {
  const Bytes b(bytes);
  switch (PictureFormatOf(bytes)) {
    case PictureFormat::Png: return PngSize(b);
    case PictureFormat::Jpeg: {
      std::optional<PictureSize> size = JpegSize(b);
      if (size && TurnsAQuarter(JpegOrientation(bytes))) std::swap(size->width, size->height);
      return size;
    }
    case PictureFormat::Gif: return GifSize(b);
    case PictureFormat::Bmp: return BmpSize(b);
    case PictureFormat::Metafile: return MetafileSize(b);
    case PictureFormat::Unknown: break;
  }
  return std::nullopt;
}

int JpegOrientation(const QByteArray& bytes) {
  const Bytes b(bytes);
  if (PictureFormatOf(bytes) != PictureFormat::Jpeg) return 1;
  int orientation = 1;
  WalkJpegSegments(b, [&](std::uint8_t marker, qsizetype at, qsizetype length) {
    constexpr std::uint8_t kApp1 = 0xE1;
    if (marker != kApp1 || !b.startsWith("Exif\0\0", 6, at + 2)) return true;
    orientation = ExifOrientation(b, at + 8, at + length);
    return false;
  });
  return orientation;
}

}  // namespace wrenpad
