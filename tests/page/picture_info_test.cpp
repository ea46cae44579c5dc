// SPDX-License-Identifier: GPL-3.0-or-later
// Picture kinds and sizes from header bytes, and loading pictures with their
// previews, from small files made here: whole, cut short, damaged and forged.
#include <gtest/gtest.h>

#include "page/picture_info.h"
#include "support/temp_folder.h"
#include "text/translation.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include <zlib.h>

namespace wrenpad {

void PrintTo(const PictureSize& size, std::ostream* out) {
  *out << size.width << "x" << size.height;
}

namespace {

using test::TempFolder;

// A picture of 5 x 3 pixels, red at the top left, blue elsewhere.
QImage Sample() {
  QImage image(5, 3, QImage::Format_RGB32);
  image.fill(Qt::blue);
  image.setPixel(0, 0, qRgb(255, 0, 0));
  return image;
}

// 40 x 30 pixels of changing colour, which compress poorly.
QImage Noisy() {
  QImage noisy(40, 30, QImage::Format_RGB32);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) noisy.setPixel(x, y, qRgb(x * 6, y * 8, (x * y) & 0xFF));
  return noisy;
}

QByteArray Encode(const QImage& image, const char* kind) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, kind, 100));
  return bytes;
}

template <class T>
QByteArray Le(T value) {
  QByteArray bytes(sizeof value, 0);
  qToLittleEndian(value, bytes.data());
  return bytes;
}
QByteArray Le16(int value) { return Le(quint16(value)); }
QByteArray Le32(qint32 value) { return Le(value); }

// A placeable metafile header: bounding box and units per inch, then a
// plain metafile header.
QByteArray PlaceableMetafile(int left, int top, int right, int bottom, int unitsPerInch) {
  return QByteArray::fromHex("d7cdc69a0000") + Le16(left) + Le16(top) + Le16(right) + Le16(bottom) +
         Le16(unitsPerInch) + QByteArray(6, 0) + QByteArray::fromHex("010009000003");
}

// An enhanced metafile header record with bounds (pixels) and frame (0.01 mm).
QByteArray EnhancedMetafile(qint32 frameRight, qint32 frameBottom) {
  return Le32(1) + Le32(88) + Le32(0) + Le32(0) + Le32(9) + Le32(4) +  // type, size, bounds
         Le32(0) + Le32(0) + Le32(frameRight) + Le32(frameBottom) +     // frame
         Le32(0x464D4520) + QByteArray(44, 0);
}

// A BMP file header plus an info header of 40 bytes with these sides.
QByteArray BmpHeader(qint32 width, qint32 height) {
  return QByteArray("BM") + Le32(0) + Le32(0) + Le32(54) + Le32(40) + Le32(width) + Le32(height) +
         QByteArray(28, 0);
}

// The PNG with its IHDR sides changed and its checksum made right again.
QByteArray ForgePngSize(QByteArray png, quint32 width, quint32 height) {
  qToBigEndian(width, png.data() + 16);
  qToBigEndian(height, png.data() + 20);
  const quint32 crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(png.constData() + 12), 17));
  qToBigEndian(crc, png.data() + 29);
  return png;
}

// Metafiles in pixels at 96 dots per inch; what a header cannot give is nothing.
TEST(PictureHeaderSize, ReadsEachKindOfHeader) {
  const QByteArray core = QByteArray("BM") + Le32(0) + Le32(0) + Le32(26) + Le32(12) + Le16(640) +
                          Le16(480) + Le16(1) + Le16(24);
  const std::pair<QByteArray, std::optional<PictureSize>> cases[] = {
      {"GIF89a" + Le16(300) + Le16(200), PictureSize{300, 200}},  // the logical screen
      {BmpHeader(7, -4), PictureSize{7, 4}},  // rows stored top-down
      {core, PictureSize{640, 480}},
      {QByteArray::fromHex("ffd8ffffffc0000b08000200030100"), PictureSize{3, 2}},  // fill bytes before a marker
      {PlaceableMetafile(0, 0, 1440, 720, 1440), PictureSize{96, 48}},
      {PlaceableMetafile(-100, -50, 100, 50, 96), PictureSize{200, 100}},
      {PlaceableMetafile(0, 0, 10, 10, 0), std::nullopt},  // no unit
      {EnhancedMetafile(2540, 1270), PictureSize{96, 48}},
      {EnhancedMetafile(0, 0), PictureSize{10, 5}},  // the bounds instead
      {QByteArray::fromHex("010009000003"), std::nullopt},  // plain: no size
      {BmpHeader(0, 3), std::nullopt},
      {BmpHeader(5, INT_MIN), std::nullopt},
      {QByteArray::fromHex("ffd8ffda0002"), std::nullopt},  // data, no frame
      {QByteArray::fromHex("ffd8ffe00001"), std::nullopt},  // bad length
      {QByteArray::fromHex("ffd8ffc0000b08000000030100"), std::nullopt},
  };
  for (const auto& [bytes, size] : cases) EXPECT_EQ(PictureHeaderSize(bytes), size) << bytes.toHex().data();
}

class LoadPictureTest : public ::testing::Test {
 protected:
  PictureInfo Load(const QByteArray& bytes, const QString& name = QStringLiteral("picture")) {
    return LoadPicture(folder_.write(name, bytes));
  }
  TempFolder folder_;
};

TEST_F(LoadPictureTest, CutOrDamagedFilesKeepTheirHeaderSizeAndSayWhy) {
  const QImage noisy = Noisy();
  for (const char* kind : {"PNG", "JPEG", "BMP"}) {
    const QByteArray whole = Encode(noisy, kind);
    // A header cut anywhere gives nothing or the whole size, never another.
    for (qsizetype length = 0; length <= 700; ++length) {
      const std::optional<PictureSize> size = PictureHeaderSize(whole.left(length));
      EXPECT_TRUE(!size || *size == (PictureSize{40, 30})) << kind << " cut at " << length;
    }
    for (const QByteArray& damaged : {whole.left(whole.size() / 2), whole.left(33),
                                      whole.left(8) + QByteArray(500, 'x'),
                                      whole.left(whole.size() - 20) + QByteArray(20, '\xFF')}) {
      const PictureInfo picture = Load(damaged);
      SCOPED_TRACE(std::string(kind) + " of " + std::to_string(damaged.size()) + " bytes");
      // The header's size, if it is there; a picture not shown says why.
      EXPECT_TRUE(!PictureHeaderSize(damaged) || picture.size == (PictureSize{40, 30}));
      EXPECT_TRUE(!picture.preview.isNull() || !picture.problem.isEmpty());
    }
  }
}

// Huge declared sizes are neither decoded nor believed.
TEST_F(LoadPictureTest, FaultsAreToldInOurOwnWordsAndTheLibrarysAreKeptAside) {
  const QByteArray png = Encode(Noisy(), "PNG");
  const QByteArray jpeg = Encode(Noisy(), "JPEG");
  const struct {
    QByteArray bytes;
    const char* english;
    const char16_t* japanese;
    bool sizeKnown = true;
  } cases[] = {
      {ForgePngSize(png, 0, 30), "The PNG picture cannot be shown: the file is damaged.",
       u"PNGの画像を表示できません: ファイルが壊れています。", false},
      {png.left(png.size() / 2), "The PNG picture cannot be shown: the file ends early.",
       u"PNGの画像を表示できません: ファイルが途中で終わっています。"},
      {ForgePngSize(png, 100000, 90000), "The PNG picture cannot be shown: the picture is too large.",
       u"PNGの画像を表示できません: 画像が大きすぎます。", false},
      {jpeg.left(jpeg.size() / 2), "Part of the JPEG picture may be missing: the file ends early.",
       u"JPEGの画像は一部が欠けている可能性があります: ファイルが途中で終わっています。"},
  };
  for (const auto& c : cases) {
    const QString file = folder_.write(QStringLiteral("fault"), c.bytes);
    const PictureInfo english = LoadPicture(file);
    const PictureInfo japanese = [&file] {
      const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
      return LoadPicture(file);
    }();
    EXPECT_EQ(english.problem, QString::fromUtf8(c.english) + (c.sizeKnown ? "" : " Its size is not known."));
    EXPECT_EQ(japanese.problem,
              QString::fromUtf16(c.japanese) + QString::fromUtf16(c.sizeKnown ? u"" : u"大きさもわかりません。"))
        << c.english;
    EXPECT_FALSE(english.detail.isEmpty()) << c.english;
    EXPECT_EQ(japanese.detail, english.detail);
    EXPECT_EQ(english.size.has_value(), c.sizeKnown) << c.english;
    if (!c.sizeKnown) {
      EXPECT_TRUE(english.preview.isNull()) << c.english;
    }
  }
  const PictureInfo bmp = Load(BmpHeader(30000, -30000));
  EXPECT_EQ(bmp.size, std::nullopt);
  EXPECT_TRUE(bmp.problem.contains(QStringLiteral("too large")));
}

// The JPEG with an APP1 EXIF block (big- or little-endian) giving an orientation.
QByteArray WithOrientation(const QByteArray& jpeg, int orientation, bool littleEndian = false) {
  const QByteArray tiff = littleEndian
      ? QByteArray::fromHex("49492a0008000000" "0100" "1201030001000000") + char(orientation) + QByteArray(3, 0)
      : QByteArray::fromHex("4d4d002a00000008" "0001" "0112000300000001") + char(0) + char(orientation) +
            QByteArray(2, 0);
  const QByteArray body = QByteArray("Exif", 4) + QByteArray(2, 0) + tiff + QByteArray(4, 0);
  QByteArray length(2, 0);
  qToBigEndian(quint16(body.size() + 2), length.data());
  return jpeg.left(2) + QByteArray::fromHex("ffe1") + length + body + jpeg.mid(2);
}

TEST_F(LoadPictureTest, AJpegTurnedByItsOrientationHasItsSidesSwapped) {
  const QByteArray jpeg = Encode(Sample(), "JPEG");  // 5 x 3 as stored
  for (int orientation = 1; orientation <= 8; ++orientation) {
    SCOPED_TRACE(orientation);
    const PictureSize seen = orientation >= 5 ? PictureSize{3, 5} : PictureSize{5, 3};
    EXPECT_EQ(JpegOrientation(WithOrientation(jpeg, orientation, orientation % 2 == 0)), orientation);
    EXPECT_EQ(PictureHeaderSize(WithOrientation(jpeg, orientation)), seen);
    EXPECT_EQ(Load(WithOrientation(jpeg, orientation)).preview.size(),
              QSize(seen.width, seen.height));
  }
  // The red corner goes where a quarter turn clockwise takes it: the top right.
  const QImage turned = Load(WithOrientation(jpeg, 6)).preview;
  for (const QPoint other : {QPoint(0, 0), QPoint(0, 4), QPoint(2, 4)})
    EXPECT_GT(qRed(turned.pixel(2, 0)), qRed(turned.pixel(other)) + 30) << other.x() << "," << other.y();
  // No block, a damaged one or a value out of range: upright.
  EXPECT_EQ(JpegOrientation(jpeg), 1);
  EXPECT_EQ(JpegOrientation(WithOrientation(jpeg, 9)), 1);
  EXPECT_EQ(JpegOrientation(WithOrientation(jpeg, 6).left(30)), 1);
}

TEST_F(LoadPictureTest, MissingOversizedForeignAndMetafilesAreRefusedPlainly) {
  const PictureInfo missing = LoadPicture(folder_.file(QStringLiteral("none.png")));
  EXPECT_TRUE(missing.problem.startsWith(QStringLiteral("The file cannot be opened")));

  const QString bigPath = folder_.write(QStringLiteral("big.png"), Encode(Sample(), "PNG"));
  QFile big(bigPath);
  ASSERT_TRUE(big.resize(kMaxPictureFileBytes + 1));  // sparse, quick to make
  const PictureInfo oversized = LoadPicture(bigPath);
  EXPECT_EQ(std::tuple(oversized.format, oversized.size, oversized.preview.isNull()),
            std::tuple(PictureFormat::Png, PictureSize{5, 3}, true));
  EXPECT_TRUE(oversized.problem.contains(QStringLiteral("too large")));

  const PictureInfo text = Load("<html></html>", QStringLiteral("a.png"));
  EXPECT_EQ(std::tuple(text.format, text.size.has_value(), text.problem.isEmpty()),
            std::tuple(PictureFormat::Unknown, false, false));

  // A metafile gives its size, if its header has one, but no preview.
  const PictureInfo placeable = Load(PlaceableMetafile(0, 0, 2880, 1440, 1440));
  EXPECT_EQ(std::tuple(placeable.format, placeable.size, placeable.preview.isNull()),
            std::tuple(PictureFormat::Metafile, PictureSize{192, 96}, true));
  EXPECT_TRUE(placeable.problem.contains(QStringLiteral("metafile")));
}

}  // namespace
}  // namespace wrenpad
