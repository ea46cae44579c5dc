// SPDX-License-Identifier: GPL-3.0-or-later
// The tag-colouring commands on a real editor: colours, fonts, caret, view,
// the automatic-colouring switch, and that colouring is never an edit.
#include "colouring/tag_painter.h"

#include <QApplication>
#include <QDir>
#include <QTest>
#include <QSignalSpy>
#include <QWidget>
#include <gtest/gtest.h>

#include "support/format_dump.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace wrenpad {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kTeal(0, 128, 128);
const QColor kGrey(128, 128, 128);

// The window's side: what the bar and cursor were told, with the ChangeWatch flag as it stood at
// each progress call.
struct FakeHost : ColouringHost {
  explicit FakeHost(const SessionState& session) : session(session) {}
  void showCommandStates() override {}
  void setProgress(int value) override {
    progress.push_back(value);
    watchAtProgress.push_back(session.ChangeWatch);
  }
  void showWaitCursor(bool on) override { waitCursor.push_back(on); }

  const SessionState& session;
  std::vector<int> progress;
  std::vector<bool> watchAtProgress;
  std::vector<bool> waitCursor;
};

struct Painter : ::testing::Test {
  Painter() {
    parent.resize(500, 300);
    editor.widget()->resize(500, 300);
    // An English page: text in Times New Roman 14, tags in the gothic face at 11.
    editor.setDefaultFont({kTimesNewRoman, 14, kDefaultCharset, kBlack});
    document.DocumentMode = kHtmlMode;
    session.ChangeWatch = true;
  }

  void open(const QString& text) {
    editor.setText(text);
    editor.setModified(false);
    painter.WebPageModeOn(text.size());
  }
  CharAttributes at(int position) {
    editor.select(position, 1);
    return editor.selAttributes();
  }
  QColor colourAt(int position) { return *at(position).color; }

  QWidget parent;
  EditorControl editor{&parent};
  test::ScriptedDialogs dialogs;
  DocumentState document;
  SessionState session;
  FakeHost host{session};
  Settings settings;
  MessageTable messages = englishMessages();
  ColouringState colouring = colouringStateFrom(settings);
  TagPainter painter{{editor, dialogs, host, document, session, settings, messages, colouring}};
};

const QString kPage = "<p class=\"x\">a</p>\r\n<!-- <b>x</b> -->\r\nend";

TEST_F(Painter, APageOpensWithTagsBlueValuesTealCommentsGreyAndIsNotAnEdit) {
  editor.setText(kPage);
  editor.setModified(false);
  QSignalSpy changes(&editor, &EditorControl::textChanged);
  painter.WebPageModeOn(kPage.size());
  const CharAttributes tag = at(0);
  EXPECT_EQ(*tag.color, kBlue);
  EXPECT_EQ(*tag.sizePoints, 11);
  for (int quoted : {9, 10, 11}) EXPECT_EQ(colourAt(quoted), kTeal) << quoted;
  EXPECT_EQ(*at(13).color, kBlack);  // "a"
  for (int inComment : {20, 26, 36}) EXPECT_EQ(colourAt(inComment), kGrey) << inComment;

  EXPECT_FALSE(editor.isModified());
  EXPECT_FALSE(editor.canUndo());
  EXPECT_EQ(changes.count(), 0);
  EXPECT_TRUE(session.ChangeWatch);
  EXPECT_EQ(host.watchAtProgress, (std::vector<bool>{false, false}));
  EXPECT_EQ(host.waitCursor, (std::vector<bool>{true, false}));
}

TEST_F(Painter, RepaintRestoresColoursStripsStyleAndGivesThePageColourFaceAndSize) {
  open(kPage);
  editor.resetAllFormats();
  CharAttributes bold;
  bold.bold = true;
  editor.select(13, 1);
  editor.setSelAttributes(bold);
  editor.setParagraphAlignment(Alignment::Center);
  ASSERT_EQ(colourAt(0), editor.defaultFont().color);

  painter.mmRepaintTagsClick();
  EXPECT_EQ(colourAt(0), kBlue);
  EXPECT_EQ(colourAt(25), kGrey);
  EXPECT_FALSE(*at(13).bold);
  editor.setSelStart(13);
  EXPECT_EQ(editor.paragraphAlignment(), Alignment::Left);
  EXPECT_FALSE(editor.isModified());

  // With a style block the page's colour, face and size reach the whole text.
  const QString page = "<style>p{}</style>\r\n<p>text</p>";
  colouring.PageTextColour = QColor(200, 0, 0);
  colouring.PageFontName = kCourierNew;
  colouring.PageFontSizePt = 16;
  open(page);
  const CharAttributes text = at(24);
  EXPECT_EQ(*text.color, QColor(200, 0, 0));
  EXPECT_EQ(*text.fontName, kCourierNew);
  EXPECT_EQ(editor.defaultFont().color, QColor(200, 0, 0));  // typed text too
  EXPECT_EQ(*text.sizePoints, 16);
  EXPECT_EQ(*at(20).sizePoints, 16);  // tags take the page's size as well

  document.DocumentMode = kTextMode;  // a plain text is never repainted
  editor.resetAllFormats();
  painter.mmRepaintTagsClick();
  EXPECT_EQ(colourAt(20), editor.defaultFont().color);
}

TEST_F(Painter, AutomaticColouringOffMakesEverythingBlackAndOnColoursNothingUntilAskedTo) {
  const test::TempFolder folder;
  document.CurrentFolder = folder.path();  // formats are reset in memory
  open(kPage);
  editor.setSelStart(14);
  painter.mmAutoRepaintClick();
  EXPECT_FALSE(settings.AutoRepaint);
  EXPECT_TRUE(editor.plainTextMode());
  EXPECT_EQ(editor.selStart(), 14);
  for (int position : {0, 10, 13, 25}) EXPECT_EQ(colourAt(position), kBlack) << position;
  EXPECT_EQ(*at(0).fontName, kTimesNewRoman);
  EXPECT_TRUE(QDir(folder.path()).isEmpty());
  painter.PaintSingleTag(0, 13);
  EXPECT_EQ(colourAt(0), kBlack);

  painter.mmAutoRepaintClick();
  EXPECT_TRUE(settings.AutoRepaint);
  EXPECT_FALSE(editor.plainTextMode());
  EXPECT_EQ(colourAt(0), kBlack);
  editor.select(2, 3);
  painter.PaintSingleTag(0, 13);  // a tag just closed
  painter.PaintTagsInRange(14, 24, {0, 100});  // a command's range
  EXPECT_EQ(std::pair(editor.selStart(), editor.selLength()), std::pair(2, 3));  // the selection stays
  EXPECT_EQ(*at(0).fontName, kProportionalGothic);
  EXPECT_EQ(colourAt(14), kBlue);
  EXPECT_EQ(colourAt(30), kGrey);  // a comment that starts in the range
  EXPECT_FALSE(editor.isModified());
}

TEST_F(Painter, OpeningALargePageSwitchesAutomaticColouringOffAndSaysSo) {
  editor.setText(kPage);
  painter.WebPageModeOn(50000);
  EXPECT_TRUE(settings.AutoRepaint);
  EXPECT_TRUE(dialogs.asked.isEmpty());

  painter.WebPageModeOn(50001);
  EXPECT_FALSE(settings.AutoRepaint);
  EXPECT_EQ(dialogs.askedOf("message"), QStringList{messages.MsgAutoRepaintOff});
  EXPECT_EQ(colourAt(0), kBlack);  // the repaint still strips the formats

  settings.AutoRepaint = true;
  document.DocumentMode = kProgramMode;
  EXPECT_TRUE(painter.SwitchOffForLargeFile(30001));
  EXPECT_FALSE(TooLargeForAutoRepaint(kTextMode, 1 << 30));
}


// A page of about 160,000 characters: a tag, a quoted value and a comment on
// every line.
QString longPage() {
  QString page;
  for (int n = 0; page.size() < 160'000; ++n)
    page += QStringLiteral("<p id=\"r%1\">line %1 <!-- note --> text</p>\r\n").arg(n);
  return page;
}

// A long page is coloured screen first, the rest slice by slice between
// events; keys typed meanwhile all land, and the page ends up coloured as a
// repaint of the final text in one go colours it.
TEST_F(Painter, ALongPageIsColouredScreenFirstAndTypingDuringTheSlicesLosesNothing) {
  const QString page = longPage();
  editor.setText(page);
  editor.setModified(false);
  painter.WebPageModeOn(0);  // a new page: not switched off for its size
  ASSERT_TRUE(painter.RepaintPending());
  EXPECT_EQ(colourAt(0), kBlue);                      // on the screen: done
  EXPECT_EQ(colourAt(int(page.size()) - 5), kBlack);  // far down: not yet

  QApplication::processEvents();  // a slice or two
  const int middle = editor.positionOfLine(editor.lineCount() / 2);
  editor.setSelStart(middle);
  QTest::keyClicks(editor.widget(), QStringLiteral("<b>typed"));
  while (painter.RepaintPending()) QApplication::processEvents();

  QString expected = page;
  expected.insert(middle, QStringLiteral("<b>typed"));
  EXPECT_EQ(editor.text(), expected);
  EXPECT_EQ(colourAt(int(expected.size()) - 5), kBlue);  // "</p>" of the last line
  const auto sliced = test::shownLines(editor);
  painter.mmRepaintTagsClick();
  painter.FinishRepaint();
  EXPECT_TRUE(test::shownLines(editor) == sliced);
  EXPECT_EQ(host.progress.back(), 0);
}

// Another document ends a repaint under way.
TEST_F(Painter, LoadingATextDocumentEndsASlicedRepaint) {
  editor.setText(longPage());
  painter.WebPageModeOn(0);
  ASSERT_TRUE(painter.RepaintPending());
  document.DocumentMode = kTextMode;
  editor.setText("plain words");
  while (painter.RepaintPending()) QApplication::processEvents();
  EXPECT_EQ(colourAt(0), kBlack);
}

}  // namespace
}  // namespace wrenpad
