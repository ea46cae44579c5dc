#pragma once
// Reads the kind and the size in pixels of a picture from the first bytes of
// its file, without decoding it. Pure functions over bytes: they never read
// past the end of the buffer and never fail on damaged input.

#include <QByteArray>

#include <optional>

namespace wrenpad {

enum class PictureFormat { Png, Jpeg, Gif, Bmp, Metafile, Unknown };

struct PictureSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The picture's kind by its signature bytes (the file name plays no part).
// Metafile covers the placeable and the plain Windows metafile and the
// enhanced metafile.
PictureFormat PictureFormatOf(const QByteArray& head);

// The width and height the header declares, both at least 1: the PNG IHDR
// chunk, the first JPEG frame header (SOFn), the GIF logical screen, the BMP
// info or core header (a negative height means the rows run top-down), the
// bounding box of a placeable metafile or the frame of an enhanced metafile,
// converted to pixels at 96 dots per inch. Nothing when the header is cut
// short, damaged, or gives no size (a plain metafile has none).
std::optional<PictureSize> PictureHeaderSize(const QByteArray& bytes);

}  // namespace wrenpad
