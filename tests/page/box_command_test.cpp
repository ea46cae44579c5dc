// SPDX-License-Identifier: GPL-3.0-or-later
// Create and Edit Box on the editor, with the box dialog answered by script,
// and the box dialog itself.
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "page/box_command.h"
#include "page/style_block.h"
#include "support/caret_text.h"
#include "support/recording_painting.h"
#include "support/scripted_dialogs.h"

#include <QComboBox>
#include <QSpinBox>
#include <QTest>
#include <gtest/gtest.h>

using namespace wrenpad;
using namespace wrenpad::test;

namespace {

const QString kNewBlock = QStringLiteral(
    "<style type=\"text/css\">\r\n"
    "  .my_box{background-color:silver; padding:5pt; border-style:outset}\r\n"
    "</style>\r\n");

// A block with rules the command must leave alone.
const QString kBlock = QStringLiteral(
    "<style type=\"text/css\">\r\n"
    "  /* .my_box{color:red} */\r\n"
    "  BODY {line-height: 150% ; color : navy}\r\n"
    "  a:hover{text-decoration:underline}\r\n"
    "</style>");

struct BoxCommandTest : ::testing::Test {
  QWidget window;
  EditorControl editor{&window};
  ScriptedDialogs dialogs;
  DocumentState document;
  TBoxSetting form;
  RecordingPainting painting;
  std::vector<int> progress;
  BoxCommand command{BoxCommandContext{
      editor, dialogs, document, form,
      [] { return QStringList{"Arial"}; }, painting,
      [this](int value) { progress.push_back(value); }}};

  BoxCommandTest() { document.DocumentMode = kHtmlMode; }

  void setText(const QString& withCaret) { setTextWithCaret(editor, withCaret); }
  QString text() const { return textWithCaret(editor); }
};

QString page(const QString& block, const QString& body) {
  return "<html>\r\n<head>\r\n" + block + "\r\n</head>\r\n<body>\r\n" + body + "\r\n</body>\r\n</html>";
}

}  // namespace

TEST_F(BoxCommandTest, APageWithoutABlockGetsAWholeBlockAndTheRule) {
  setText("<html>\r\n<head>\r\n<title>t</title>\r\n</head>\r\n<body>\r\nHello| world\r\n</body>");
  dialogs.answerFormWith<BoxSettingValues>([](BoxSettingValues&) {});
  command.mmCreateBoxClick();
  EXPECT_EQ(text(), "<html>\r\n<head>\r\n<title>t</title>\r\n" + kNewBlock +
                        "</head>\r\n<body>\r\nHello| world\r\n</body>");
  EXPECT_EQ(progress, std::vector<int>{0});

  // One undo step brings the page back.
  editor.undo();
  EXPECT_EQ(editor.text(), "<html>\r\n<head>\r\n<title>t</title>\r\n</head>\r\n<body>\r\nHello world\r\n</body>");

  // Without a head, one is made before the body; the selection is wrapped after it.
  setText("<body>\r\nab</body>");
  editor.select(8, 2);
  dialogs.answerFormWith<BoxSettingValues>([](BoxSettingValues&) {});
  command.mmCreateBoxClick();
  EXPECT_EQ(text(), "<head>\r\n" + kNewBlock + "</head>\r\n<body>\r\n<font class = \"my_box\">ab</font><br>|</body>");
  EXPECT_EQ(dialogs.shownValues<BoxSettingValues>(1).sample, "ab");
}

TEST_F(BoxCommandTest, AClassIsCreatedEditedAndUsedLeavingTheOtherRules) {
  setText(page(kBlock, "|first"));
  dialogs.answerFormWith<BoxSettingValues>(
      [](BoxSettingValues& v) { v.box.background = Qt::white; });
  command.mmCreateBoxClick();
  const QString rule = QStringLiteral("  .my_box{background-color:white; padding:5pt; border-style:outset}");
  const QString created = QString(kBlock).insert(kBlock.indexOf("\r\n</style>"), "\r\n" + rule);
  EXPECT_EQ(text(), page(created, "|first"));

  // Used on a selection: the dialog offers the class and shows what it says.
  editor.select(int(editor.text().indexOf("first")), 5);
  dialogs.answerFormWith<BoxSettingValues>([](BoxSettingValues& v) {
    v.box.borderStyle = QStringLiteral("ridge");
    v.box.padding = 8;
    v.box.font.setSize = true;
    v.box.font.size = 12;
    v.box.font.fontName = QStringLiteral("Arial");
  });
  command.mmCreateBoxClick();
  EXPECT_EQ(dialogs.shownValues<BoxSettingValues>(1).classNames, QStringList{"my_box"});
  const QString edited = QString(kBlock).insert(
      kBlock.indexOf("\r\n</style>"),
      "\r\n  .my_box{font-family:\"Arial\"; font-size:12pt; background-color:white; padding:8pt; border-style:ridge}");
  EXPECT_EQ(text(), page(edited, "<font class = \"my_box\">first</font><br>|"));
  ASSERT_EQ(painting.ranges.size(), 2u);
  // What is painted again was first made plain: written anew, it would keep
  // the colour of the character before it.
  EXPECT_EQ(painting.plain, painting.ranges);
  // The stretch that changed, from inside the rule through the element.
  EXPECT_EQ(painting.ranges[1], std::make_pair(int(editor.text().lastIndexOf(".my_box{")) + 8, editor.selStart()));
}

TEST_F(BoxCommandTest, AnExistingClassIsLoadedIntoTheDialog) {
  const QString block = QStringLiteral(
      "<style>\r\n  .first{border-style:inset}\r\n"
      "  .warn{border-style:groove; background-color:#FF0000; padding:12pt; font-size:14pt; color:navy;"
      " font-family:\"Arial\"}\r\n  .bad{padding:1.5pt; background-color:#12345}\r\n</style>");
  setText(page(block, "|"));
  const BoxClassValues warn = ReadBoxClass(editor.text(), "warn").values;
  EXPECT_EQ(std::tuple(warn.borderStyle, warn.background, warn.padding), std::tuple("groove", QColor(255, 0, 0), 12));
  EXPECT_EQ(warn.font, (FontFrameValues{"Arial", true, 14, "pt", QColor(0, 0, 0x80)}));

  // The first class is shown; choosing another in the box loads it.
  form.showValues(BoxSettingValues{});
  form.cbClassName->setCurrentText("warn");
  EXPECT_EQ(form.values().box, warn);
  EXPECT_EQ(form.Example->palette().color(QPalette::Window), QColor(255, 0, 0));
  EXPECT_TRUE(dialogs.askedOf("error").isEmpty());

  // What cannot be read keeps its value and is reported.
  form.cbClassName->setCurrentText("bad");
  const BoxClassValues kept = form.values().box;
  EXPECT_EQ(std::tuple(kept.padding, kept.background, kept.borderStyle), std::tuple(12, QColor(255, 0, 0), "outset"));
  ASSERT_EQ(dialogs.askedOf("error").size(), 1);
  EXPECT_TRUE(dialogs.askedOf("error")[0].contains("1.5pt"));
  EXPECT_TRUE(dialogs.askedOf("error")[0].contains("#12345"));

  command.mmCreateBoxClick();  // cancelled; the first class was read for the dialog
  const BoxSettingValues shown = dialogs.shownValues<BoxSettingValues>();
  EXPECT_EQ(std::tuple(shown.classNames, shown.className, shown.box.borderStyle),
            std::tuple(QStringList{"first", "warn", "bad"}, "first", "inset"));
}

// The form keeps what it is shown; its preview shows the sample's first line and the padding.
TEST(BoxForm, CaptionsAndThePreview) {
  TBoxSetting dialog;
  BoxSettingValues values;
  values.sample = QStringLiteral("Hi\r\nthere");
  values.box.padding = 7;
  values.box.font.size = 20;
  values.box.borderStyle = QStringLiteral("ridge");
  dialog.showValues(values);
  EXPECT_EQ(dialog.values(), values);
  EXPECT_EQ(dialog.Example->sample(), "Hi");
  const int padded = dialog.Example->width();
  dialog.sePadding->setValue(0);
  EXPECT_EQ(dialog.Example->width(), padded - 14);

  values.sample.clear();
  dialog.showValues(values);
  EXPECT_EQ(dialog.Example->sample(), "Example");
}
