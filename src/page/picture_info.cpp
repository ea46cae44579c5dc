// SPDX-License-Identifier: GPL-3.0-or-later
#include "page/picture_info.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTransform>

#include <png.h>
// jpeglib.h needs FILE and size_t declared before it.
#include <cstdio>
#include <jpeglib.h>
#include <jerror.h>  // the message codes, told apart below

#include <csetjmp>
#include <cstring>
#include <string>
#include <vector>

namespace wrenpad {

namespace {

Q_LOGGING_CATEGORY(lcPicture, "wrenpad.picture", QtInfoMsg)

// Enough of the file's start to hold any header the size readers look at
// (a JPEG frame header may follow up to 64 KiB of thumbnail and more).
constexpr qint64 kHeadBytes = 1024 * 1024;

// What a decoder hands back. The decoders below use setjmp/longjmp for the
// libraries' errors, so every object with a destructor lives here, in the
// caller's frame, and the functions that call setjmp hold only plain values.
// What went wrong, told in our own words; the library's are kept beside.
enum class Fault { None, Damaged, TooLarge, EndsEarly, NoMemory };

struct Decoded {
  QImage image;
  std::vector<unsigned char*> rows;
  Fault fault = Fault::None;  // why decoding stopped, or why parts are missing
  std::string error;          // the library's words when decoding stopped
  std::string warning;        // the library's words when the picture was shown with parts missing
};

// Stops a PNG decoding for a reason of our own.
[[noreturn]] void PngFail(png_structp png, Decoded* out, Fault fault, const char* detail) {
  out->fault = fault;
  png_error(png, detail);
}

bool TooLargeToDecode(long long width, long long height) {
  return width > kMaxPictureSide || height > kMaxPictureSide ||
         width * height > kMaxPicturePixels;
}

// ---- PNG, through libpng -------------------------------------------------

struct PngSource {
  const unsigned char* data;
  std::size_t size;
  std::size_t at;
  Decoded* out;
};

[[noreturn]] void PngError(png_structp png, png_const_charp message) {
  auto* source = static_cast<PngSource*>(png_get_error_ptr(png));
  source->out->error = message;
  // libpng's own errors all mean the data is not what a PNG holds.
  if (source->out->fault == Fault::None) source->out->fault = Fault::Damaged;
  png_longjmp(png, 1);
}

void PngWarning(png_structp, png_const_charp) {}  // warnings do not stop the picture

void PngRead(png_structp png, png_bytep into, png_size_t count) {
  auto* source = static_cast<PngSource*>(png_get_io_ptr(png));
  if (count > source->size - source->at) PngFail(png, source->out, Fault::EndsEarly, "read past the end of the data");
  std::memcpy(into, source->data + source->at, count);
  source->at += count;
}

// Returns whether the picture was decoded into out->image (RGBA, 8 bits).
bool DecodePngInto(PngSource* source) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, source, PngError, PngWarning);
  if (!png) return false;
  png_infop info = png_create_info_struct(png);
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    return false;
  }
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  png_set_chunk_malloc_max(png, 8 * 1024 * 1024);
  png_set_read_fn(png, source, PngRead);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info);
  const png_uint_32 height = png_get_image_height(png, info);
  if (TooLargeToDecode(width, height)) PngFail(png, source->out, Fault::TooLarge, "image too large to decode");

  // Whatever the stored kind, ask for 8-bit red, green, blue and alpha.
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != std::size_t(width) * 4) PngFail(png, source->out, Fault::Damaged, "unexpected row layout");

  source->out->image = QImage(int(width), int(height), QImage::Format_RGBA8888);
  if (source->out->image.isNull()) PngFail(png, source->out, Fault::NoMemory, "image allocation failed");
  source->out->rows.resize(height);
  for (png_uint_32 y = 0; y < height; ++y) source->out->rows[y] = source->out->image.scanLine(int(y));
  png_read_image(png, source->out->rows.data());
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

// ---- JPEG, through libjpeg -----------------------------------------------

struct JpegErrors {
  jpeg_error_mgr manager;  // first, so the library's pointer is also ours
  std::jmp_buf jump;
  Decoded* out;
};

std::string JpegMessage(j_common_ptr info) {
  char text[JMSG_LENGTH_MAX] = {};
  (*info->err->format_message)(info, text);
  return text;
}

// The fault a libjpeg message stands for.
Fault JpegFault(int code) {
  switch (code) {
    case JWRN_JPEG_EOF:
    case JERR_INPUT_EOF:
    case JERR_INPUT_EMPTY: return Fault::EndsEarly;
    case JERR_OUT_OF_MEMORY: return Fault::NoMemory;
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW: return Fault::TooLarge;
    default: return Fault::Damaged;
  }
}

[[noreturn]] void JpegErrorExit(j_common_ptr info) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  errors->out->error = JpegMessage(info);
  errors->out->fault = JpegFault(info->err->msg_code);
  std::longjmp(errors->jump, 1);
}

// Keeps the first warning (a file cut short is one) instead of printing it.
void JpegEmit(j_common_ptr info, int level) {
  if (level >= 0) return;  // trace messages
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  if (errors->manager.num_warnings++ == 0) {
    errors->out->warning = JpegMessage(info);
    errors->out->fault = JpegFault(info->err->msg_code);
  }
}

bool DecodeJpegInto(const QByteArray& bytes, Decoded* out) {
  jpeg_decompress_struct info;
  JpegErrors errors;
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = JpegErrorExit;
  errors.manager.emit_message = JpegEmit;
  errors.out = out;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  if (TooLargeToDecode(info.image_width, info.image_height)) {
    out->fault = Fault::TooLarge;
    out->error = "image too large to decode";
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  out->image = QImage(int(info.output_width), int(info.output_height), QImage::Format_RGB888);
  if (out->image.isNull() || info.output_components != 3) {
    out->fault = out->image.isNull() ? Fault::NoMemory : Fault::Damaged;
    out->error = "image allocation failed or unexpected colour layout";
    jpeg_destroy_decompress(&info);
    return false;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = out->image.scanLine(int(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

// ---- Loading --------------------------------------------------------------

// The problem texts, in the interface's language.
struct Words {
  Q_DECLARE_TR_FUNCTIONS(PictureInfo)
};

// A fault in our own short words. The libraries fail without a fault of
// their own only when they cannot allocate their state.
QString FaultText(Fault fault) {
  switch (fault) {
    case Fault::EndsEarly: return Words::tr("the file ends early");
    case Fault::TooLarge: return Words::tr("the picture is too large");
    case Fault::Damaged: return Words::tr("the file is damaged");
    case Fault::None:
    case Fault::NoMemory: break;
  }
  return Words::tr("there is not enough memory");
}

QString CannotShow(const char* kind, const QString& reason) {
  return Words::tr("The %1 picture cannot be shown: %2.").arg(QLatin1String(kind), reason);
}

// A picture whose header claims more than is decoded here is refused before
// any decoder sees it.
bool RefusedAsTooLarge(const QByteArray& bytes, const char* kind, PictureInfo& picture) {
  const std::optional<PictureSize> size = PictureHeaderSize(bytes);
  if (!size || !TooLargeToDecode(size->width, size->height)) return false;
  picture.problem = CannotShow(kind, FaultText(Fault::TooLarge));
  picture.detail = QStringLiteral("header declares %1 x %2 pixels").arg(size->width).arg(size->height);
  return true;
}

void DecodePng(const QByteArray& bytes, PictureInfo& picture) {
  if (RefusedAsTooLarge(bytes, "PNG", picture)) return;
  Decoded decoded;
  PngSource source{reinterpret_cast<const unsigned char*>(bytes.constData()),
                   std::size_t(bytes.size()), 0, &decoded};
  if (DecodePngInto(&source)) {
    picture.preview = decoded.image;
  } else {
    picture.problem = CannotShow("PNG", FaultText(decoded.fault));
    picture.detail = QString::fromLocal8Bit(decoded.error.c_str());
  }
}

// The picture as its EXIF orientation says it is seen: mirrored (2, 4, 5,
// 7), then turned clockwise by a quarter, a half or three quarters.
QImage Oriented(const QImage& stored, int orientation) {
  if (orientation <= 1 || orientation > 8) return stored;
  constexpr bool kMirrored[] = {false, false, true, false, true, true, false, true, false};
  constexpr int kTurn[] = {0, 0, 0, 180, 180, 270, 90, 90, 270};
  QImage image = kMirrored[orientation] ? stored.mirrored(true, false) : stored;
  return kTurn[orientation] == 0 ? image : image.transformed(QTransform().rotate(kTurn[orientation]));
}

void DecodeJpeg(const QByteArray& bytes, PictureInfo& picture) {
  if (RefusedAsTooLarge(bytes, "JPEG", picture)) return;
  Decoded decoded;
  if (DecodeJpegInto(bytes, &decoded)) {
    picture.preview = Oriented(decoded.image, JpegOrientation(bytes));
    if (!decoded.warning.empty()) {
      picture.problem = Words::tr("Part of the JPEG picture may be missing: %1.").arg(FaultText(decoded.fault));
      picture.detail = QString::fromLocal8Bit(decoded.warning.c_str());
    }
  } else {
    picture.problem = CannotShow("JPEG", FaultText(decoded.fault));
    picture.detail = QString::fromLocal8Bit(decoded.error.c_str());
  }
}

void DecodeThroughQt(const QByteArray& bytes, const char* kind, PictureInfo& picture) {
  if (RefusedAsTooLarge(bytes, kind, picture)) return;
  picture.preview = QImage::fromData(bytes, kind);
  if (picture.preview.isNull())
    picture.problem = CannotShow(kind, Words::tr("the file is damaged or ends early"));
}

void Decode(const QByteArray& bytes, PictureInfo& picture) {
  switch (picture.format) {
    case PictureFormat::Png: DecodePng(bytes, picture); break;
    case PictureFormat::Jpeg: DecodeJpeg(bytes, picture); break;
    case PictureFormat::Bmp: DecodeThroughQt(bytes, "BMP", picture); break;
    case PictureFormat::Gif: DecodeThroughQt(bytes, "GIF", picture); break;
    case PictureFormat::Metafile:
      picture.problem = Words::tr("A Windows metafile cannot be shown here.");
      break;
    case PictureFormat::Unknown:
      picture.problem = Words::tr("The file is not a picture of a known kind (PNG, JPEG, GIF, BMP or Windows metafile).");
      break;
  }
}

}  // namespace

PictureInfo LoadPicture(const QString& path) {
  PictureInfo picture;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    picture.problem = Words::tr("The file cannot be opened: %1.").arg(file.errorString());
    return picture;
  }
  const qint64 fileSize = file.size();
  const bool tooLarge = fileSize > kMaxPictureFileBytes;
  const QByteArray bytes = file.read(tooLarge ? kHeadBytes : kMaxPictureFileBytes);
  picture.format = PictureFormatOf(bytes);
  picture.size = PictureHeaderSize(bytes);
  // A header that claims more than any picture read here is not believed:
  // no size goes into the page from it.
  if (picture.size && TooLargeToDecode(picture.size->width, picture.size->height)) picture.size.reset();
  if (tooLarge) {
    picture.problem =
        Words::tr("The file is too large to show (more than %1 MiB).").arg(kMaxPictureFileBytes / (1024 * 1024));
    return picture;
  }
  Decode(bytes, picture);
  // The user reads our words; the library's stay in the log for whoever
  // looks into the file.
  if (!picture.detail.isEmpty()) qCInfo(lcPicture).noquote() << path << ":" << picture.detail;
  if (!picture.preview.isNull()) {
    // The decoded picture is the authority on its size.
    picture.size = PictureSize{picture.preview.width(), picture.preview.height()};
  } else if (!picture.size && picture.format != PictureFormat::Unknown) {
    picture.problem += Words::tr(" Its size is not known.");
  }
  return picture;
}

}  // namespace wrenpad
