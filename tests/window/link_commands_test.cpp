// SPDX-License-Identifier: GPL-3.0-or-later
// Links, link targets and pictures from the HTML menu on a saved page.
#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "html/forms/image_property.h"
#include "html/forms/link_dialog.h"
#include "window/main_window.h"
#include "support/window_fixture.h"

#include <QAction>
#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QtEndian>
#include <gtest/gtest.h>
#include <zlib.h>

using namespace wrenpad;

namespace {

struct LinkCommands : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;
  void SetUp() override {
    main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
    main->documents().OpenFile(folder.write("site/page.htm", "<html><body>\r\nhome top <a href=\"old.html\">Old</a>\r\n</body></html>\r\n"));
  }
  void TearDown() override { test::closeWithoutSaving(*main); }
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

TEST_F(LinkCommands, APictureIsWrittenRelativeToThePageWithItsSize) {
  QDir().mkpath(folder.file("site/my pictures"));
  QImage picture(200, 100, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const QString path = folder.file("site/my pictures/a.png");
  ASSERT_TRUE(picture.save(path));
  main->editor().setSelStart(int(text().indexOf("</body>")));
  dialogs.filesToOpen.push_back({path, 0, false});
  dialogs.answerFormWith<ImagePropertyValues>([](ImagePropertyValues& v) {
    EXPECT_EQ(v.picture.size(), QSize(200, 100));
    v.alignment = 0;
    v.ratio = 50;
  });
  main->action("tbPicture")->trigger();
  EXPECT_TRUE(text().contains("\r\n<img src = \"my%20pictures/a.png\" align = \"left\" width = 100 height = 50 border = 0>\r\n"))
      << text().toStdString();
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

TEST_F(LinkCommands, PictureSizesAreNeverBelowAPixelTurnAsTheyAreSeenAndComeOnlyFromBelievableHeaders) {
  // A GIF89a of 1 x 1 pixel (red): screen, colour table, image, LZW data.
  folder.write("site/dot.gif", QByteArray("GIF89a") + QByteArray::fromHex("01000100" "800000" "ff0000" "0000ff"
                                                                           "2c000000000100010000" "0202440100" "3b"));
  folder.write("site/turned.jpg", TurnedJpeg());
  folder.write("site/huge.png", ForgedHugePng());
  const auto insert = [this](const char* name, QSize preview) {
    main->editor().setSelStart(int(text().indexOf("</body>")));
    dialogs.filesToOpen.push_back({folder.file(QString("site/") + name), 0, false});
    dialogs.answerFormWith<ImagePropertyValues>([preview](ImagePropertyValues& v) {
      EXPECT_EQ(v.picture.size(), preview);
      v.alignment = 2;
      v.ratio = 50;
    });
    main->action("tbPicture")->trigger();
  };
  insert("dot.gif", QSize(1, 1));
  EXPECT_TRUE(text().contains("<img src = \"dot.gif\" width = 1 height = 1 border = 0>")) << text().toStdString();
  insert("turned.jpg", QSize(2, 4));
  EXPECT_TRUE(text().contains("<img src = \"turned.jpg\" width = 1 height = 2 border = 0>")) << text().toStdString();
  insert("huge.png", QSize(0, 0));  // no preview
  EXPECT_TRUE(text().contains("<img src = \"huge.png\" border = 0>")) << text().toStdString();
}

}  // namespace
