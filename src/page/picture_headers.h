// SPDX-License-Identifier: GPL-3.0-or-later
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
// chunk, the first JPEG frame header (SOFn; width and height swapped when
// the picture's EXIF orientation turns it a quarter), the GIF logical screen, the BMP
// info or core header (a negative height means the rows run top-down), the
// bounding box of a placeable metafile or the frame of an enhanced metafile,
// converted to pixels at 96 dots per inch. Nothing when the header is cut
// short, damaged, or gives no size (a plain metafile has none).
std::optional<PictureSize> PictureHeaderSize(const QByteArray& bytes);

// The EXIF orientation of a JPEG (tag 0x0112 of the first image directory
// in an APP1 "Exif" segment before the frame), 1 to 8; 1, upright as stored,
// when there is none or it is damaged. 5 to 8 turn the picture a quarter.
int JpegOrientation(const QByteArray& bytes);
inline bool TurnsAQuarter(int orientation) { return orientation >= 5 && orientation <= 8; }

}  // namespace wrenpad
