// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Loads a picture file for the picture dialog: its kind, its size in pixels
// and a preview image. PNG and JPEG are decoded with libpng and libjpeg, BMP
// and GIF through Qt; metafiles give only their size. A damaged, cut-short or
// oversized file never fails the caller: what is missing is said in `problem`.

#include "page/picture_headers.h"

#include <QImage>
#include <QString>

#include <optional>

namespace wrenpad {

struct PictureInfo {
  PictureFormat format = PictureFormat::Unknown;
  std::optional<PictureSize> size;  // from the header or the decoder; nothing when unknown
  QImage preview;                   // null when the picture cannot be shown
  // Why there is no preview (or no size, or only part of the picture), in
  // plain words of our own; empty when all is well.
  QString problem;
  // The decoding library's own words for it (English, technical), for a
  // tool tip or the log; empty when the library said nothing.
  QString detail;
};

// Files larger than this are not read; their header still gives the size.
inline constexpr qint64 kMaxPictureFileBytes = 64 * 1024 * 1024;
// Pictures with more pixels than this, or a side longer than the next
// constant, are not decoded, so a forged header cannot exhaust memory.
inline constexpr qint64 kMaxPicturePixels = 100'000'000;
inline constexpr int kMaxPictureSide = 16384;

// The problem is told in the interface's language.
PictureInfo LoadPicture(const QString& path);

}  // namespace wrenpad
