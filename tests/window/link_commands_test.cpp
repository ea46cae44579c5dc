// SPDX-License-Identifier: GPL-3.0-or-later
// Links, link targets and pictures from the HTML menu on a saved page.
#include "html/forms/image_property.h"
#include "html/forms/link_dialog.h"
#include "support/document_window.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace wrenpad;

namespace {

struct LinkCommands : test::DocumentWindow {
  void SetUp() override {
    DocumentWindow::SetUp();
    open("site/page.htm", "<html><body>\r\nhome top <a href=\"old.html\">Old</a>\r\n</body></html>\r\n");
  }
  void select(const QString& piece) {
    main->editor().select(int(main->editor().text().indexOf(piece)), int(piece.size()));
  }
  QString text() { return main->editor().text(); }
};

TEST_F(LinkCommands, ALinkIsMadeOrEditedAndATargetWritten) {
  select("home");
  dialogs.answerFormWith<LinkValues>([](LinkValues& v) { v.url = "index.html"; });
  main->action("mmLink")->trigger();
  EXPECT_TRUE(text().contains("<a href=\"index.html\">home</a>"));

  main->editor().setSelStart(int(text().indexOf("Old")) + 1);
  dialogs.answerFormWith<LinkValues>([](LinkValues& v) {
    EXPECT_EQ(v.url, "old.html");
    v.url = "new.html";
    v.target = "main";
  });
  main->action("tbLink")->trigger();
  EXPECT_TRUE(text().contains("<a href=\"new.html\" target = \"main\">Old</a>"));

  select("top");
  main->action("mmName")->trigger();
  EXPECT_TRUE(text().contains("<a name = \"top\">top"));

  // Nothing selected and no link at the caret: no dialog.
  const int forms = int(dialogs.formsShown.size());
  main->editor().setSelStart(0);
  main->action("mmLink")->trigger();
  EXPECT_EQ(int(dialogs.formsShown.size()), forms);
}

// A JPEG of 4 x 2 pixels stored as it was taken, with an EXIF block that
// says it is seen turned a quarter clockwise (orientation 6).
QByteArray TurnedJpeg() {
  QImage stored(4, 2, QImage::Format_RGB32);
  stored.fill(Qt::green);
  QByteArray jpeg;
  QBuffer buffer(&jpeg);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(stored.save(&buffer, "JPEG"));
  const QByteArray exif = QByteArray::fromHex("ffe10022" "457869660000"    // APP1, 34 bytes, "Exif"
                                              "4d4d002a00000008"            // big-endian TIFF header
                                              "0001" "011200030000000100060000" "00000000");
  return jpeg.left(2) + exif + jpeg.mid(2);
}

// A PNG whose header claims 100000 x 100000 pixels over the data of one.
QByteArray ForgedHugePng() {
  QImage one(1, 1, QImage::Format_RGB32);
  one.fill(Qt::blue);
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(one.save(&buffer, "PNG"));
  qToBigEndian(quint32(100000), png.data() + 16);
  qToBigEndian(quint32(100000), png.data() + 20);
  qToBigEndian(quint32(crc32(0, reinterpret_cast<const Bytef*>(png.constData() + 12), 17)), png.data() + 29);
  return png;
}

// A picture is written relative to the page, its size scaled but never below
// a pixel, turned as it is seen, and taken only from a believable header.
TEST_F(LinkCommands, PicturesAreWrittenRelativeToThePageWithBelievableSizes) {
  QImage picture(200, 100, QImage::Format_RGB32);
  picture.fill(Qt::red);
  QDir().mkpath(folder.file("site/my pictures"));
  ASSERT_TRUE(picture.save(folder.file("site/my pictures/a.png")));
  // A GIF89a of 1 x 1 pixel (red): screen, colour table, image, LZW data.
  folder.write("site/dot.gif", QByteArray("GIF89a") + QByteArray::fromHex("01000100" "800000" "ff0000" "0000ff"
                                                                           "2c000000000100010000" "0202440100" "3b"));
  folder.write("site/turned.jpg", TurnedJpeg());
  folder.write("site/huge.png", ForgedHugePng());
  const struct {
    const char* name;
    QSize preview;  // none for the forged header
    int alignment;
    const char* written;
  } rows[] = {
      {"my pictures/a.png", {200, 100}, 0, "\r\n<img src = \"my%20pictures/a.png\" align = \"left\" width = 100 height = 50 border = 0>\r\n"},
      {"dot.gif", {1, 1}, 2, "<img src = \"dot.gif\" width = 1 height = 1 border = 0>"},
      {"turned.jpg", {2, 4}, 2, "<img src = \"turned.jpg\" width = 1 height = 2 border = 0>"},
      {"huge.png", {0, 0}, 2, "<img src = \"huge.png\" border = 0>"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    main->editor().setSelStart(int(text().indexOf("</body>")));
    dialogs.filesToOpen.push_back({folder.file(QString("site/") + row.name), 0, false});
    dialogs.answerFormWith<ImagePropertyValues>([&row](ImagePropertyValues& v) {
      EXPECT_EQ(v.picture.size(), row.preview);
      v.alignment = row.alignment;
      v.ratio = 50;
    });
    main->action("tbPicture")->trigger();
    EXPECT_TRUE(text().contains(row.written)) << text().toStdString();
  }
}

}  // namespace
