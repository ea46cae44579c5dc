// SPDX-License-Identifier: GPL-3.0-or-later
// The commands as the user reaches them in the window: keys, menu items, tool
// buttons, the heading and line-number boxes, the dialogs they open, and the
// room each one hands its work to.
#include "editing/code_template_dialog.h"
#include "editing/enhanced_edit.h"
#include "editing/find_replace.h"
#include "editing/macro_dialog.h"
#include "editing/macro_replace.h"
#include "editor/line_number_gutter.h"
#include "html/form_markup.h"
#include "html/forms/image_property.h"
#include "html/forms/link_dialog.h"
#include "html/forms/table_dialog.h"
#include "html/html_commands.h"
#include "colouring/tag_painter.h"
#include "documents/undo_commands.h"
#include "help/help_search.h"
#include "page/preview/browser_window.h"
#include "programming/snippet_dialogs.h"
#include "window/doc_type_dialog.h"
#include "support/caret_text.h"
#include "support/format_dump.h"
#include "support/web_engine_guard.h"
#include "window_case.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QImage>
#include <QLineEdit>

using namespace wrenpad;

namespace {

const QColor kBlue(0, 0, 255);

struct Commands : test::WindowCase {
  void newProgram(LanguageMode mode) {
    main->settings().PL = std::int8_t(mode);
    dialogs.answerFormWith<DocumentTypeValues>([](DocumentTypeValues& v) { v.kind = kNewProgram; });
    main->documents().mmNewClick();
  }
  void typeAtEnd(const QString& keys) {
    editor().select(editor().textLength(), 0);
    QTest::keyClicks(editor().widget(), keys);
  }
  TMacroReplaceDialog* macroDialog() { return main->findChild<TMacroReplaceDialog*>(); }
  void sendMacro(MacroRequest::Kind kind, const QString& list, bool modified = true,
                 bool autoSave = true) {
    main->macros().serve(MacroRequest{kind, list, modified, autoSave});
  }
};

// Records the pages the help would open in the desktop's browser.
class PageCatcher : public QObject {
  Q_OBJECT
 public:
  QStringList opened;
 public slots:
  void open(const QUrl& url) { opened << url.toLocalFile(); }
};

}  // namespace

// Keys typed into the window's editor and the heading box reach the editing commands.
TEST_F(Commands, TypedKeysAndTheHeadingBoxWriteMarkUp) {
  open("page.htm", "<html><body>\r\nword\r\n</body></html>\r\n");
  editor().setSelStart(14);
  type("<b>x\n");
  EXPECT_EQ(colourOf("<b>"), kBlue);
  EXPECT_NE(colourOf("x<br>"), kBlue);
  EXPECT_TRUE(text().startsWith("<html><body>\r\n<b>x<br>\r\nword")) << text().toStdString();
  editor().setSelStart(at("word"));
  main->headingBox()->setCurrentIndex(2);
  EXPECT_TRUE(main->timer(4).isActive());
  main->htmlCommands().Timer4Timer();
  EXPECT_TRUE(text().contains("<h2>")) << text().toStdString();
}

// The box follows the caret and shows five digits whole; the gutter is shown
// by the document's kind, and Show Line Numbers is kept for each kind.
TEST_F(Commands, TheLineNumberBoxAndTheGutterFollowTheDocument) {
  open("lines.txt", "a\r\nbb\r\nccc\r\ndddd\r\n");
  main->lineNumberBox()->setText("3");
  QTest::keyClick(main->lineNumberBox(), Qt::Key_Return);
  EXPECT_EQ(editor().lineFromPosition(editor().selStart()), 2);
  QTest::keyClick(editor().widget(), Qt::Key_Down);
  QTest::keyClick(editor().widget(), Qt::Key_End);
  EXPECT_EQ(main->lineNumberBox()->text(), "4");
  editor().setText(QString("x\r\n").repeated(31686));  // five digits are shown whole
  const QLineEdit& box = *main->lineNumberBox();
  EXPECT_GE(box.width(), box.fontMetrics().horizontalAdvance("31686"));

  QAction* item = main->action("mmShowLineNumbers");
  const auto shown = [&] {
    EXPECT_EQ(LineNumberGutter::of(editor()).isShown(), item->isChecked());
    return item->isChecked();
  };
  open("page.htm", "<p>x</p>\r\n");
  EXPECT_FALSE(shown());
  item->trigger();  // on for pages
  EXPECT_TRUE(shown());
  open("notes.txt", "words\r\n");
  EXPECT_FALSE(shown());
  main->SetWebPageMode(true);  // the text becomes a page
  EXPECT_TRUE(shown());
  EXPECT_TRUE(main->settingsToWrite().LineNumbersPage);
}

// The Find, Replace and macro dialogs take Ctrl+V while they are open, and
// what they write is one undo step, coloured. A macro list is saved before it
// runs, to a file the user names when it has none; a Shift-JIS list is read as
// Japanese, and a list that cannot be written stays in the dialog.
TEST_F(Commands, TheFindAndMacroDialogsTakeCtrlVAndTheirChangesAreOneUndoStepColoured) {
  const QString before = "int f() {\r\n  retrn 1; /* Count */\r\n  retrn 2;\r\n}\r\n";
  open("r.c", before.toUtf8());
  const auto pasteKeys = [this] { return main->action("mmPaste")->shortcut(); };
  trigger("mmFind");
  trigger("tbReplace");
  EXPECT_TRUE(dialogs.asked.contains("modeless: FindDialog"));
  EXPECT_TRUE(dialogs.asked.contains("modeless: ReplaceDialog"));
  main->findReplace().serveFindDialog({FindRequest::Kind::Closed, {}});
  EXPECT_TRUE(pasteKeys().isEmpty());  // the Replace dialog is still open
  editor().setSelStart(0);
  main->findReplace().serveReplaceDialog(
      {FindRequest::Kind::ReplaceAll, {"retrn", "return", false}});
  EXPECT_EQ(text(), "int f() {\r\n  return 1; /* Count */\r\n  return 2;\r\n}\r\n");
  EXPECT_EQ(pasteKeys(), QKeySequence("Ctrl+V"));
  EXPECT_EQ(colourOf("return 2"), kBlue);
  editor().undo();
  EXPECT_EQ(text(), before);

  main->settings().MacroFile.clear();
  trigger("mmMacroReplace");
  EXPECT_TRUE(pasteKeys().isEmpty());
  dialogs.filesToSave.push_back(folder.file("日本語 list"));
  sendMacro(MacroRequest::Kind::Execute, "retrn==>>return\nCount==>>Sum\n==>>/* end */");
  EXPECT_TRUE(dialogs.askedOf("message").value(0).contains("save the list to a new file"));
  EXPECT_EQ(test::TempFolder::read(folder.file("日本語 list.txt")),
            "retrn==>>return\r\nCount==>>Sum\r\n==>>/* end */\r\n");
  EXPECT_EQ(text(), "int f() {\r\n  return 1; /* Sum */\r\n  return 2;\r\n}\r\n/* end */");
  EXPECT_FALSE(macroDialog()->isVisible());
  EXPECT_EQ(pasteKeys(), QKeySequence("Ctrl+V"));
  EXPECT_EQ(colourOf("end */"), main->colouring().CommentColour);
  editor().undo();
  EXPECT_EQ(text(), before);

  dialogs.filesToOpen.push_back({folder.write("old.txt", "\x8c\xa9\x8f\x6f\x82\xb5==>>x\r\n"), 0});
  sendMacro(MacroRequest::Kind::Load, "", false);
  EXPECT_EQ(macroDialog()->list(), QString::fromUtf8("見出し==>>x\n"));
  EXPECT_EQ(main->settings().MacroFile, folder.file("old.txt"));
  // Without automatic saving the user is asked; No keeps the file as it was.
  dialogs.answers.push_back(Answer::No);
  sendMacro(MacroRequest::Kind::Execute, "a==>>b", true, false);
  EXPECT_TRUE(dialogs.askedOf("question").value(0).contains("Do you save the list?"));
  EXPECT_EQ(test::TempFolder::read(folder.file("old.txt")), "\x8c\xa9\x8f\x6f\x82\xb5==>>x\r\n");

  const QString blocked = folder.write("blocked", "a file where a folder should be");
  main->settings().MacroFile = blocked + "/rules.txt";
  trigger("mmMacroReplace");
  macroDialog()->showValues({main->settings().MacroFile, QString("keep==>>me"), true});
  sendMacro(MacroRequest::Kind::New, "keep==>>me");
  EXPECT_TRUE(dialogs.askedOf("error").value(0).contains("could not be saved"));
  EXPECT_EQ(test::TempFolder::read(blocked), "a file where a folder should be");
  EXPECT_EQ(macroDialog()->list(), "keep==>>me");
  EXPECT_EQ(main->settings().MacroFile, blocked + "/rules.txt");

  EXPECT_EQ(
      InsertPageTemplateMarks(QString::fromUtf8("名前\r\n【メールアドレス】a@b\r\nhttp://x/\r\nnext")),
      QString::fromUtf8("名前\r\n【研究室のページ】 \r\n<! 研究室のページへのリンクはここに挿入 /a>\r\n"
                        "【メールアドレス】a@b\r\nhttp://x/\r\n###next"));
  EXPECT_EQ(InsertPageTemplateMarks(QString::fromUtf8("【研究室のページ】 http://y")),
            QString::fromUtf8("【研究室のページ】 http://y###"));
}

TEST_F(Commands, TheQuietTickTakesUndoStepsTheMenuWalksThemAndClosingKeepsTheCountedOne) {
  main->settings().MultiUndo = true;
  for (const char* typed : {"a", "b"}) {
    append(typed);
    main->Timer2Timer();
    main->undo().finishPendingWrite();  // the step is written in the background
  }
  EXPECT_EQ(main->session().UndoCount, 2);
  EXPECT_FALSE(main->isSnapshotTimerRunning());  // stopped until the next edit
  trigger("mmUndo");
  EXPECT_EQ(text(), "a");
  trigger("mmRedo");
  EXPECT_EQ(text(), "ab");
  trigger("mmUndo");
  test::closeWithoutSaving(*main);
  EXPECT_TRUE(QFileInfo::exists(main->undo().snapshots().path(1)));
  EXPECT_FALSE(QFileInfo::exists(main->undo().snapshots().path(2)));
}

// Each command writes at the selection, coloured as a whole repaint colours it.
TEST_F(Commands, MarkUpCommandsWriteAtTheSelectionColouredAsARepaintWould) {
  QImage red(200, 100, QImage::Format_RGB32);
  red.fill(Qt::red);
  QDir().mkpath(folder.file("site/my pictures"));
  ASSERT_TRUE(red.save(folder.file("site/my pictures/a.png")));
  // A GIF89a of 1 x 1 pixel: screen, colour table, image, LZW data.
  folder.write("site/dot.gif", "GIF89a" + QByteArray::fromHex("01000100" "800000" "ff0000" "0000ff"
                                                              "2c000000000100010000"
                                                              "0202440100" "3b"));
  folder.write("site/notes.png", "not a picture");
  open("site/page.htm", "<html>\r\n<head>\r\n<script><!--\r\nvar n = 1;\r\n// --></script>\r\n"
                        "</head>\r\n<body>\r\nhome top <a href=\"old.html\">Old</a>\r\n"
                        "</body>\r\n</html>\r\n");
  const auto run = [this](const char* command, const QString& written) {
    SCOPED_TRACE(command);
    trigger(command);
    EXPECT_TRUE(text().contains(written)) << text().toStdString();
    const std::vector<test::ShownLine> shown = test::shownLines(editor());
    main->painter().mmRepaintTagsClick();
    EXPECT_EQ(shown, test::shownLines(editor()));
    editor().select(at("</body>"), 0);
  };
  select("home");
  dialogs.answerFormWith<LinkValues>([](LinkValues& v) { v.url = "index.html"; });
  run("mmLink", "<a href=\"index.html\">home</a>");
  editor().setSelStart(at("Old") + 1);
  dialogs.answerFormWith<LinkValues>([](LinkValues& v) {
    EXPECT_EQ(v.url, "old.html");
    v.url = "new.html";
    v.target = "main";
  });
  run("tbLink", "<a href=\"new.html\" target = \"main\">Old</a>");
  select("top");
  run("mmName", "<a name = \"top\">top");
  dialogs.answerFormWith<FormValues>([](FormValues& v) {
    v.event = "onClick";
    v.handler = "check";
  });
  run("mmNewForm", "function check()");
  dialogs.answerFormWith<TableValues>([](TableValues& v) { v.caption = "Prices"; });
  run("mmTable", "<table");
  // A picture is written relative to the page, its size scaled but never
  // below a pixel, and without a size where none can be read.
  const auto picture = [&](const char* name, QSize preview, int alignment, const QString& written) {
    dialogs.filesToOpen.push_back({folder.file(QString("site/") + name), 0, false});
    dialogs.answerFormWith<ImagePropertyValues>([=](ImagePropertyValues& v) {
      EXPECT_EQ(v.picture.size(), preview);
      v.alignment = alignment;
      v.ratio = 50;
    });
    run("tbPicture", written);
  };
  picture("my pictures/a.png", {200, 100}, 0,
          "<img src = \"my%20pictures/a.png\" align = \"left\" width = 100 height = 50"
          " border = 0>");
  picture("dot.gif", {1, 1}, 2, "<img src = \"dot.gif\" width = 1 height = 1 border = 0>");
  picture("notes.png", {0, 0}, 2, "<img src = \"notes.png\" border = 0>");
  // Nothing selected and no link at the caret: no dialog.
  const size_t forms = dialogs.formsShown.size();
  editor().setSelStart(0);
  trigger("mmLink");
  EXPECT_EQ(dialogs.formsShown.size(), forms);
}

TEST_F(Commands, NewProgramsStartFromTheirTemplatesWithNamesTheToolsAccept) {
  newProgram(LanguageMode::Cpp);
  EXPECT_EQ(main->document().CurrentFileName, folder.file("Untitled.cpp"));
  EXPECT_TRUE(text().contains("#include <iostream>"));
  EXPECT_FALSE(main->session().AutoFileNaming);
  folder.write("Default.cpp", "// mine\r\n");  // the user's own starting program wins
  newProgram(LanguageMode::Cpp);
  EXPECT_EQ(text(), "// mine\r\n");

  // A class name that cannot be one is refused with the reason, then asked again.
  dialogs.inputs = {"1st try", "Hello"};
  newProgram(LanguageMode::Java);
  EXPECT_TRUE(dialogs.askedOf("error").value(0).contains("1st try"));
  EXPECT_EQ(main->document().CurrentFileName, folder.file("Hello.java"));
  EXPECT_TRUE(text().contains("public class Hello"));

  // Perl gets its interpreter line, from a Default.cgi that lacks it too.
  folder.write("Default.cgi", "print \"hi\";\r\n");
  newProgram(LanguageMode::Perl);
  EXPECT_TRUE(text().startsWith("#!") && text().contains("hi\";"));
  EXPECT_EQ(main->document().CurrentFileName, folder.file("untitled.cgi"));

  // Pascal saves first; a name fpc cannot take is refused before anything is
  // written: a file that already has it stays as it was.
  folder.write("my-prog.pas", "program old;\nbegin\nend.\n");
  dialogs.filesToSave = {folder.file("my-prog.pas"), folder.file("hello.pas")};
  newProgram(LanguageMode::Pascal);
  EXPECT_TRUE(dialogs.askedOf("message").value(0).contains("decide name and location"));
  EXPECT_EQ(dialogs.askedOf("error").size(), 2);
  EXPECT_EQ(test::TempFolder::read(folder.file("my-prog.pas")), "program old;\nbegin\nend.\n");
  EXPECT_EQ(main->document().CurrentFileName, folder.file("hello.pas"));
  EXPECT_TRUE(QFileInfo::exists(folder.file("hello.pas")));
}

TEST_F(Commands, TheInspectorTheInputWizardAndCodeTemplatesWriteAtTheCaret) {
  open("watch.cpp", "int main()\r\n{\r\n  int x = 1;\r\n  \r\n}\r\n");
  const int caret = at("  \r\n}") + 2;
  editor().select(caret, 0);
  dialogs.answerFormWith<InspectionValues>([](InspectionValues& v) { v.names = {"x"}; });
  trigger("mmBreakPoint");
  // At the caret's column, and two more blanks.
  EXPECT_TRUE(text().contains("    cout << \"x = \" << x << endl;\r\n"));
  EXPECT_EQ(editor().selStart(), int(text().indexOf("------*/\r\n", caret + 60)) + 10);
  dialogs.answerFormWith<InspectionValues>([](InspectionValues& v) { EXPECT_EQ(v.names[0], "x"); });
  trigger("mmBreakPoint");  // the names are kept for the next time

  open("Read.java", "class Read {\r\n  long n;\r\n  void f() {\r\n");
  editor().select(editor().textLength(), 0);
  dialogs.answerFormWith<InputWizardValues>([](InputWizardValues& v) {
    v.prompt = "n?";
    v.variable = "n";
  });
  trigger("mmInputWizard");
  EXPECT_TRUE(text().endsWith(
      "System.out.print(\"n?\"); S = br.readLine(); n = Integer.valueOf(S).intValue();"));

  open("loop.c", "int main(void)\r\n{\r\n");
  typeAtEnd("    for");
  trigger("mmCodeTemplate");
  EXPECT_EQ(test::textWithCaret(editor()), "int main(void)\r\n{\r\n    for (|; ; ) {\r\n    }");
  main->Timer2Timer();
  EXPECT_EQ(colourOf("for"), main->colouring().TagColour);
  open("hello.pas", "program hello;\r\n");  // the Pascal list
  typeAtEnd("writeln");
  trigger("mmCodeTemplate");
  EXPECT_TRUE(text().contains("writeln(") && !text().contains("writelnwriteln"));

  // The list dialog of a page saves the C list sorted, and Ctrl+J uses it.
  open("page.htm", "<html><body>\r\n");
  dialogs.answerFormWith<CodeTemplateListValues>([](CodeTemplateListValues& v) {
    EXPECT_TRUE(v.list.contains("table==>>"));
    v.list = QString::fromUtf8("zz==>>last\nAa==>>首|位\n");
  });
  trigger("mmCallCodeTemplateList");
  EXPECT_EQ(test::TempFolder::read(folder.file("CodeTemplateList_C.ini")),
            QString::fromUtf8("Aa==>>首|位\r\nzz==>>last\r\n").toUtf8());
  typeAtEnd("Aa");
  trigger("mmCodeTemplate");
  EXPECT_TRUE(test::textWithCaret(editor()).endsWith(QString::fromUtf8("首|位")));
}

TEST_F(Commands, F1OpensTheHelpPageOfTheControlInUseAndF2LooksTheWordUp) {
  if (test::kWebEngineUnderSanitizer) GTEST_SKIP() << test::kWebEngineSkipReason;
  folder.write("Help/html_en/HelpContextID.txt", "[ID]\r\n1=MenuCommands\r\n9=UsingHelp\r\n");
  folder.write("Help/html_en/MenuCommands.htm", "<html><title>Menus</title>studies</html>");
  test::closeWithoutSaving(*main);  // the help is found as the window starts
  main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
  QApplication::setActiveWindow(main.get());
  PageCatcher catcher;  // no page goes to the desktop's browser
  QDesktopServices::setUrlHandler("file", &catcher, "open");
  editor().setText("Two studies. more\r\n");
  editor().setFocus();
  QTest::keyClick(editor().widget(), Qt::Key_F1);
  ASSERT_NE(main->shownHelpViewer(), nullptr);
  EXPECT_TRUE(main->shownHelpViewer()->isVisible());
  EXPECT_TRUE(main->shownHelpViewer()->address().endsWith("Help/html_en/MenuCommands.htm"));
  EXPECT_EQ(dialogs.askedOf("modeless"), QStringList{"HelpSearch"});
  QDesktopServices::unsetUrlHandler("file");
  EXPECT_TRUE(catcher.opened.isEmpty()) << catcher.opened.join(", ").toStdString();

  editor().setSelStart(6);  // inside "studies."
  QTest::keyClick(editor().widget(), Qt::Key_F2);
  EXPECT_EQ(main->helpWindow().helpContext(), 9);  // the Search tab
  EXPECT_EQ(main->helpWindow().findChild<QLineEdit*>("edSearch")->text(), "study");
  EXPECT_EQ(QApplication::clipboard()->text(), "study");
  main->shownHelpViewer()->close();
}

#include "command_wiring_test.moc"
