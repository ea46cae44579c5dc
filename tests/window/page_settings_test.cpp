// SPDX-License-Identifier: GPL-3.0-or-later
// Page settings: what the dialog reads from a page and what it writes back,
// the command as the window runs it, down to the saved file, and a page's
// colours kept apart from the user's settings.
#include "colouring/tag_painter.h"
#include "page/page_settings.h"
#include "support/document_window.h"

using namespace wrenpad;

namespace {

const QString kBlock = "<style type=\"text/css\">\r\n  body{line-height:120%; margin-top:10mm; margin-bottom:10mm; "
                       "margin-left:10mm; margin-right:10mm; background-color:#FFFFBD}\r\n"
                       "</style>\r\n";

// The values as the dialog shows them for a page, and those values with the
// user's changes.
PageSettingValues shownFor(const QString& page) { return ReadPageSettings(page, PageSettingValues{}, true).values; }

TEST(PageSettingsText, ANewBlockGoesAtTheEndOfTheHeadOrIntoANewHead) {
  const PageSettingValues shown;
  PageSettingValues values = shown;
  values.title = "Greetings";
  values.background = QColor(0xFF, 0xFF, 0xFF);
  values.marginTop = 20;
  EXPECT_EQ(WritePageSettings("<html><head>\r\n</head>\r\n<body>x</body></html>", shown, values, false),
            "<html><head>\r\n<style type=\"text/css\">\r\n  body{margin-top:20mm; background-color:white}\r\n"
            "</style>\r\n<title>Greetings</title>\r\n</head>\r\n<body>x</body></html>");
  values = shown;
  values.useJavaScript = true;
  values.linkUnderline = true;
  EXPECT_EQ(WritePageSettings("<BODY>x</BODY>", shown, values, false),
            "<head>\r\n<style type=\"text/css\">\r\n  a{text-decoration:none}\r\n  a:hover{text-decoration:underline}\r\n"
            "</style>\r\n<script language = \"JavaScript\"><!--\r\n\r\n// --></script>\r\n</head>\r\n<BODY>x</BODY>");
  // Nothing changed: nothing written, not even a head.
  EXPECT_EQ(WritePageSettings("<BODY>x</BODY>", shown, shown, false), "<BODY>x</BODY>");
  // An existing title is replaced, and a script the page has is not added again.
  values.title = "New";
  const QString written = WritePageSettings(
      "<html><head><TITLE>Old</TITLE><script>javascript</script></head><body></body></html>", shown, values, true);
  EXPECT_TRUE(written.contains("<TITLE>New</TITLE>"));
  EXPECT_EQ(written.count("<script"), 1);
}

TEST(PageSettingsText, AnExistingBlockKeepsWhatTheDialogDoesNotShow) {
  const QString page =
      "<html><head><STYLE type=\"text/css\">\r\n  /* house style */\r\n  body {margin-top:5mm; color:navy; "
      "cursor:default}\r\n  p.note{color:red}\r\n</STYLE>\r\n</head><body></body></html>";
  const PageSettingValues shown = shownFor(page);
  PageSettingValues values = shown;
  EXPECT_EQ(values.marginTop, 5);
  values.background = QColor(255, 0, 0);
  values.linkUnderline = true;
  const QString written = WritePageSettings(page, shown, values, false);
  for (const char* kept : {"/* house style */", "p.note{color:red}", "cursor:default", "color:navy",
                           "background-color:red", "a{text-decoration:none}", "a:hover{text-decoration:underline}"})
    EXPECT_TRUE(written.contains(kept)) << kept;
  EXPECT_TRUE(written.endsWith("</STYLE>\r\n</head><body></body></html>"));
  EXPECT_FALSE(written.contains("line-height"));  // never touched
}

TEST(PageSettingsText, ReadingTakesBodyAndStyleAndNamesColoursItCannotRead) {
  const QString page =
      "<head><title>T</title><style>\r\n body{font-size:12pt; font-family:\"Arial\"; "
      "background-color:#12zz56; line-height:1.5em}\r\n</style></head>\r\n<body bgcolor=\"navy\" text=\"#00ff00\">";
  PageSettingValues previous;
  previous.lineHeight = 140;
  const PageReading reading = ReadPageSettings(page, previous, true);
  EXPECT_EQ(reading.values.title, "T");
  EXPECT_EQ(reading.values.background, QColor(0, 0, 0x80));  // the unreadable style colour left it
  ASSERT_EQ(reading.unreadableColours.size(), 1);
  EXPECT_TRUE(reading.unreadableColours.first().contains("#12zz56"));
  EXPECT_EQ(reading.values.font.size, 12);
  EXPECT_EQ(reading.pageFontName, "Arial");
  EXPECT_EQ(reading.values.lineHeight, 140);  // "1.5em" is kept as written
}

using PageSettingsCommand = test::DocumentWindow;

TEST_F(PageSettingsCommand, TitleAndColoursReachThePage) {
  const QString path = open("page.htm", "<html>\r\n<head>\r\n</head>\r\n<body>\r\nHello\r\n</body>\r\n</html>\r\n");
  dialogs.answerFormWith<PageSettingValues>([](PageSettingValues& v) {
    v.title = "My page";
    v.background = QColor(0xFF, 0xFF, 0xFF);
    v.font.fontName = "ＭＳ Ｐゴシック";
    v.font.colour = QColor(0, 0, 0x80);
  });
  main->action("mmPageSettings")->trigger();
  main->documents().mmSaveClick();
  EXPECT_EQ(test::TempFolder::read(path),
            "<html>\r\n<head>\r\n<style type=\"text/css\">\r\n  body{background-color:white; color:navy}\r\n"
            "</style>\r\n<title>My page</title>\r\n</head>\r\n<body>\r\nHello\r\n</body>\r\n</html>\r\n");
  EXPECT_EQ(main->editor().background(), QColor(Qt::white));
  EXPECT_EQ(main->colouring().PageTextColour, QColor(0, 0, 0x80));  // the repaint read the page again
}

TEST(PageBackground, APagesColoursStayWithItsDocumentAndNeverReachTheSettings) {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  // The user's own background: a pale green, 0x00BBGGRR.
  std::unique_ptr<TMain> main =
      test::startWindow(folder, dialogs, {}, "[Settings]\r\nJpn=0\r\nBGColor=" + QByteArray::number(0xE0FFE0) + "\r\n");
  const QColor own(0xE0, 0xFF, 0xE0);
  EXPECT_EQ(main->editor().background(), own);
  main->documents().OpenFile(folder.write("dark.htm", "<html><body bgcolor=\"black\" text=\"white\">\r\nHi\r\n</body></html>\r\n"));
  EXPECT_EQ(main->editor().background(), QColor(Qt::black));
  main->documents().OpenFile(folder.write("notes.txt", "plain notes\r\n"));
  // A page that loses its colour shows the user's background again.
  main->documents().OpenFile(folder.file("dark.htm"));
  main->editor().replaceText("<html><body>\r\nHi\r\n</body></html>\r\n");
  main->painter().mmRepaintTagsClick();
  EXPECT_EQ(main->editor().background(), own);
  // The settings written with a page's colour in the editor keep the user's own.
  const auto settingsWrittenOverAPage = [&] {
    main->documents().OpenFile(folder.file("dark.htm"));
    test::closeWithoutSaving(*main);
    return QString::fromUtf8(test::TempFolder::read(folder.file("wrenpad.ini")));
  };
  EXPECT_TRUE(settingsWrittenOverAPage().contains("BGColor=" + QString::number(0xE0FFE0) + "\r\n"));

  // The user's own choice is kept, and the next page's colour does not replace it.
  main = test::startWindow(folder, dialogs);
  dialogs.colors.push_back(QColor(0x10, 0x20, 0x30));
  main->action("mmBackGroundColor")->trigger();
  main->documents().OpenFile(folder.file("dark.htm"));
  main->documents().OpenFile(folder.file("notes.txt"));
  EXPECT_EQ(main->editor().background(), QColor(0x10, 0x20, 0x30));
  EXPECT_TRUE(settingsWrittenOverAPage().contains("BGColor=" + QString::number(0x302010) + "\r\n"));
}

}  // namespace
