// SPDX-License-Identifier: GPL-3.0-or-later
// The Coding menu's commands on a real editor, without the window: the tool
// folders and options, and compile, jump and run with the real tools and the
// real test server.
#include "documents/editor_view.h"
#include "programming/program_commands.h"

#include "documents/document_mode.h"
#include "documents/document_state.h"
#include "editing/editing_tools.h"
#include "editing/recording_host.h"
#include "editor/editor_control.h"
#include "language/message_table.h"
#include "programming/message_pane.h"
#include "programming/page_check_command.h"
#include "programming/programming_options.h"
#include "settings/settings.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "text/translation.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <gtest/gtest.h>
#include <iostream>

namespace wrenpad {
namespace {

// The window as the commands see it: what they asked of it, recorded.
class RecordingHost : public ProgramHost, public test::RecordingHost {
 public:
  QStringList calls;
  std::optional<int> errorLine;  // the line marked beside the text
  QUrl page;                     // the test server's page opened last

  void showCurrentFolder() override { calls << "folder"; }
  void showLineNumber(const QString& text) override { lineNumber = text; }
  void UpdateCodingMenu() override { calls << "coding menu"; }
  void languageChanged() override { calls << "language"; }
  void openWebPage(const QUrl& address) override { page = address; }
  void showAppletPage() override { calls << "applet"; }
  void moveToUpperHalf() override { calls << "upper half"; }
  void markErrorLine(std::optional<int> line) override { errorLine = line; }
};

struct ProgramCommandsTest : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  RecordingHost host;
  QWidget window;
  EditorControl editor{&window};
  MessagePane pane{&window};
  DocumentState document;
  SessionState session;
  Settings settings;
  MessageTable messages = englishMessages();
  CaretContextFlags caret;
  CommandMarks marks;
  EditorView view{{.editor = editor}};
  ShownView shown{view};
  EditingTools tools{
      EditingContext{editor, shown, dialogs, host, document, session, settings, messages, caret, marks,
                     nullptr, {}, {}}};
  QTimer completionTimer;
  QTimer logTimer;
  ProgramCommands commands{ProgramContext{editor, dialogs, host, document, settings, pane, tools,
                                          completionTimer, logTimer, [this] { return save(); },
                                          ToolProfile::Linux}};

  // Wired as the window wires them; the check after a compile without the wait.
  ProgramCommandsTest() {
    completionTimer.setInterval(20);
    QObject::connect(&completionTimer, &QTimer::timeout, [this] { commands.Timer1Timer(); });
    QObject::connect(&pane, &MessagePane::lineDoubleClicked,
                     [this] { commands.CMsgWindowDblClick(); });
  }
  ~ProgramCommandsTest() override { qunsetenv("TERMINAL"); }

  // The Save command: the text to its file, byte for byte.
  bool save() {
    QFile file(document.CurrentFileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    file.write(editor.text().toUtf8());
    editor.setModified(false);
    return true;
  }
  // Opens a new file as the window does: a program takes its language from its name.
  void open(const QString& name, const QByteArray& text) {
    document.CurrentFileName = folder.write(name, text);
    editor.setText(QString::fromUtf8(text));
    editor.setModified(false);
    if (const std::optional<LanguageMode> language = programLanguageOf(name))
      settings.PL = std::int8_t(*language);
  }
  int caretLine() const { return editor.lineFromPosition(editor.selStart()) + 1; }
  // A double click on line `index` of the pane, as the user's.
  void doubleClickLine(int index) {
    window.resize(600, 400);
    pane.setGeometry(0, 200, 600, 200);
    window.show();
    QTextCursor cursor(pane.document()->findBlockByNumber(index));
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 3);
    QTest::mouseDClick(pane.viewport(), Qt::LeftButton, {}, pane.cursorRect(cursor).center());
  }
  std::string paneText() const { return pane.toPlainText().toStdString(); }
  std::string asked() const { return dialogs.asked.join("\n").toStdString(); }
  // Runs F9 (or Ctrl+F9) and waits until the compile and its check are over.
  void compile(bool compileOnly = false) {
    commands.mmCompile_and_ExecuteClick(compileOnly);
    waitForCompile();
  }
  void waitForCompile() {
    QTRY_VERIFY_WITH_TIMEOUT(!commands.isCompiling() && !completionTimer.isActive(), 60000);
  }
  // The programs below write ran.txt when they run.
  bool ran() {
    const QString file = folder.file("ran.txt");
    const bool appeared = QTest::qWaitFor([&file] { return QFileInfo::exists(file); }, 20000);
    return appeared && QFile::remove(file);
  }
  static bool has(const char* tool) { return !QStandardPaths::findExecutable(tool).isEmpty(); }
};

TEST_F(ProgramCommandsTest, OptionsKeepNumbersOnCancelAndConfirmingCppResetsItsOption) {
  settings.CompilerOption[0] = "-g";
  settings.PL = int(LanguageMode::Pascal);
  dialogs.answerFormWith<ProgrammingOptionsValues>([](ProgrammingOptionsValues& v) {
    v.appletWidth = 640;
    v.tabWidth = 4;
    v.language = 0;
    v.confirmed = false;  // Cancel
  });
  commands.mmProgrammingOptionsClick();
  EXPECT_EQ(settings.AppletWidth, 640);
  EXPECT_EQ(settings.TabWidth, 4);
  EXPECT_EQ(settings.PL, int(LanguageMode::Pascal));

  dialogs.answerFormWith<ProgrammingOptionsValues>(
      [](ProgrammingOptionsValues& v) { v.confirmed = true; });
  commands.mmProgrammingOptionsClick();  // OK on Pascal: the C/C++ option stays, as on Cancel
  EXPECT_EQ(settings.CompilerOption[0], "-g");
  dialogs.answerFormWith<ProgrammingOptionsValues>([](ProgrammingOptionsValues& v) {
    v.language = 0;
    v.confirmed = true;
  });
  commands.mmProgrammingOptionsClick();
  EXPECT_EQ(settings.PL, 0);
  EXPECT_EQ(host.calls, (QStringList{"coding menu", "language", "coding menu", "language"}));
  EXPECT_EQ(settings.CompilerOption[0], "-O2");

  // The compiler option of the current language; Cancel keeps it.
  dialogs.inputs = {"-Wall -O0", QString()};
  commands.mmCompilerOptionClick();
  commands.mmCompilerOptionClick();
  EXPECT_EQ(settings.CompilerOption[0], "-Wall -O0");
}

TEST_F(ProgramCommandsTest, AToolFolderIsKeptOnlyWhenTheToolIsThere) {
  const QString bin = folder.file("my tools/bin");
  QDir().mkpath(bin);
  dialogs.folders = {bin};
  commands.mmSetCompilerClick();
  EXPECT_TRUE(settings.BCCpath.isEmpty());
  EXPECT_TRUE(dialogs.askedOf("error").value(0).contains("g++ / gcc was not found"));

  const QString tool = folder.write("my tools/bin/g++", "#!/bin/sh\n");
  QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  dialogs.folders = {bin};
  commands.mmSetCompilerClick();
  EXPECT_EQ(settings.BCCpath, folder.file("my tools"));
  EXPECT_TRUE(dialogs.askedOf("message").last().contains("is not on PATH"));
  EXPECT_EQ(document.CurrentFolder, bin);
  EXPECT_EQ(host.calls, (QStringList{"folder", "folder"}));

  settings.PL = int(LanguageMode::Perl);
  dialogs.folders = {folder.path()};
  commands.mmSetCompilerClick();
  EXPECT_EQ(settings.DocumentRoot, folder.path());
}

// One program per language with an error on a known line: the caret lands
// there. The same program mended builds with Ctrl+F9 without running, runs
// at once with F9 when built, and after an edit runs once F9 has built it,
// whatever words its messages hold (a warning, "Fatal" in its name).
TEST_F(ProgramCommandsTest, ErrorsPutTheCaretOnTheirLineAndGoodProgramsRunInTheTerminal) {
  // A terminal that runs the command without a window and exits: the shell
  // the run leaves open afterwards is one that ends at once.
  const QString terminal = folder.write(
      "fake-term", "#!/bin/sh\nshift\nSHELL=/bin/true exec \"$@\" </dev/null >/dev/null 2>&1\n");
  QFile::setPermissions(terminal, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  qputenv("TERMINAL", terminal.toUtf8());
  struct Case {
    const char* tool;
    QString name;
    QByteArray broken;
    int errorLine;
    QByteArray good;
  };
  const Case cases[] = {
      {"gcc", QString::fromUtf8("計算 prog.c"),
       "#include <stdio.h>\r\nint main(void) {\r\n  int x = missing;\r\n  return x;\r\n}\r\n", 3,
       "#include <stdio.h>\r\n#warning \"the disk error: later\"\r\nint main(void) {\r\n"
       "  FILE* f = fopen(\"ran.txt\", \"w\");\r\n  fputs(\"c\", f);\r\n  fclose(f);\r\n"
       "  return 0;\r\n}\r\n"},
      {"fpc", "FatalDemo.pas", "program FatalDemo;\r\nbegin\r\n  writel('x');\r\nend.\r\n", 3,
       "program FatalDemo;\r\nvar f: text;\r\nbegin\r\n"
       "  assign(f, 'ran.txt'); rewrite(f); writeln(f, 'p'); close(f);\r\nend.\r\n"},
      // javac writes the classes it could even when the compile fails: here
      // the public class, whose helper in the same file has the error.
      {"javac", "Hello.java",
       "public class Hello {\r\n  public static void main(String[] a) throws Exception {\r\n"
       "    java.nio.file.Files.writeString(java.nio.file.Path.of(\"ran.txt\"), \"j\");\r\n"
       "    new Helper().greet();\r\n  }\r\n}\r\n\r\nclass Helper {\r\n  void greet() {\r\n"
       "    int n = \"x\".lenght();\r\n  }\r\n}\r\n", 10,
       "public class Hello {\r\n  public static void main(String[] a) throws Exception {\r\n"
       "    java.nio.file.Files.writeString(java.nio.file.Path.of(\"ran.txt\"), \"j\");\r\n"
       "  }\r\n}\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    if (!has(c.tool)) {
      std::cout << "[ SKIPPED ] " << c.tool << " is not installed\n";
      continue;
    }
    open(c.name, c.broken);
    commands.mmCompile_and_ExecuteClick(false);
    ASSERT_TRUE(commands.isCompiling());
    commands.mmCompile_and_ExecuteClick(false);  // a second compile while one runs is refused
    EXPECT_TRUE(dialogs.askedOf("message").value(0).contains("still running"));
    dialogs.asked.clear();
    waitForCompile();
    EXPECT_EQ(caretLine(), c.errorLine) << paneText();
    EXPECT_EQ(host.errorLine, c.errorLine - 1);
    EXPECT_FALSE(QFileInfo::exists(folder.file("ran.txt")));
    EXPECT_FALSE(QFileInfo::exists(folder.file("Hello.class")));  // javac's, nor in the next run

    open(c.name, c.good);
    compile(true);  // Ctrl+F9 builds and never runs
    EXPECT_FALSE(QFileInfo::exists(folder.file("ran.txt"))) << paneText();
    EXPECT_EQ(host.errorLine, std::nullopt);
    compile();  // F9 on the unchanged, built program runs it at once
    EXPECT_TRUE(ran());
    EXPECT_TRUE(pane.toPlainText().isEmpty());

    editor.replaceText(QString::fromUtf8(c.good));
    editor.setSelStart(0);
    compile();
    EXPECT_TRUE(ran()) << paneText();
    EXPECT_EQ(caretLine(), 1);
    EXPECT_TRUE(dialogs.asked.isEmpty()) << asked();
  }
}

// A compiler or perl that is not there: the message is in the interface's
// language and names where the tool was looked for, not the document's folder.
TEST_F(ProgramCommandsTest, MissingToolsAreToldInTheInterfacesLanguageWithWhereTheyWereLookedFor) {
  const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
  const QString empty = folder.file("no tools");
  QDir().mkpath(empty);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", empty.toUtf8());
  settings.BCCpath = folder.file("my gcc");
  open("src/calc.c", "int main(void) { return 0; }\r\n");
  compile(true);
  const QString compiler = dialogs.askedOf("error").value(0);
  EXPECT_TRUE(compiler.contains(QString::fromUtf8("見つかりません"))) << compiler.toStdString();
  EXPECT_TRUE(compiler.contains(folder.file("my gcc/bin"))) << compiler.toStdString();
  EXPECT_TRUE(compiler.contains(empty)) << compiler.toStdString();
  EXPECT_FALSE(compiler.contains(folder.file("src"))) << compiler.toStdString();

  settings.DocumentRoot = folder.file("web/htdocs");
  QDir().mkpath(settings.DocumentRoot);
  open("web/htdocs/a.cgi", "print 1;\r\n");
  commands.mmCompile_and_ExecuteClick(false);
  qputenv("PATH", path);
  const QString perl = dialogs.askedOf("error").last();
  EXPECT_TRUE(perl.contains(QString::fromUtf8("見つかりません"))) << perl.toStdString();
  EXPECT_TRUE(perl.contains(empty)) << perl.toStdString();
}

// A Perl CGI script through the real server: the page opens, and a script
// with an error puts the server's log line in the pane, whose double click
// jumps to the line.
TEST_F(ProgramCommandsTest, APerlScriptRunsThroughTheTestServerAndItsErrorsJump) {
  const QStringList sbin = {"/usr/sbin", "/usr/local/sbin"};
  if (!has("perl") || QStandardPaths::findExecutable("lighttpd", sbin).isEmpty())
    GTEST_SKIP() << "perl or lighttpd is not installed";
  // What a browser would fetch, read with perl's own HTTP client, no proxy.
  const auto fetch = [](const QUrl& page) {
    QProcess get;
    get.start("perl", {"-MHTTP::Tiny", "-e",
                       "print HTTP::Tiny->new(proxy => undef, http_proxy => undef)"
                       "->get(shift)->{content}",
                       page.toString(QUrl::FullyEncoded)});
    get.waitForFinished(20000);
    return get.readAllStandardOutput();
  };
  const QString root = folder.file(QString::fromUtf8("web 日本/htdocs"));
  QDir().mkpath(root);
  settings.DocumentRoot = root;
  open(QString::fromUtf8("web 日本/htdocs/ok.cgi"),
       "print \"Content-Type: text/plain\\n\\nhello from perl\\n\";\r\n");
  commands.mmCompile_and_ExecuteClick(false);
  ASSERT_TRUE(host.page.toString().endsWith("/ok.cgi")) << asked();
  EXPECT_TRUE(fetch(host.page).contains("hello from perl"));
  EXPECT_TRUE(logTimer.isActive());
  EXPECT_EQ(host.calls, QStringList{"upper half"});
  commands.Timer3Timer();  // the server's own start is no news of the script
  EXPECT_TRUE(pane.toPlainText().isEmpty()) << paneText();

  open(QString::fromUtf8("web 日本/htdocs/bad.cgi"),
       "print \"Content-Type: text/plain\\n\\n\";\r\nmy $x = ;\r\nprint 1;\r\n");
  commands.mmCompile_and_ExecuteClick(false);
  ASSERT_TRUE(host.page.toString().endsWith("/bad.cgi"));
  fetch(host.page);
  QTRY_VERIFY_WITH_TIMEOUT((commands.Timer3Timer(), !pane.toPlainText().isEmpty()), 10000);
  EXPECT_FALSE(logTimer.isActive());
  const QString log = pane.toPlainText();
  EXPECT_TRUE(log.contains("syntax error")) << log.toStdString();
  doubleClickLine(int(log.left(log.indexOf("syntax error")).count(u'\n')));
  EXPECT_EQ(caretLine(), 2);
  // Stopped (as the editor's end stops it), no lighttpd is left behind.
  commands.testServer().stop();
  QProcess pgrep;
  pgrep.start("pgrep", {"-P", QString::number(QCoreApplication::applicationPid()), "lighttpd"});
  ASSERT_TRUE(pgrep.waitForFinished());
  EXPECT_EQ(pgrep.exitCode(), 1) << pgrep.readAllStandardOutput().toStdString();  // none found
}

// An error of a compile whose trail never reaches the document (a unit's)
// stays on show in the pane, the caret in its place and no line marked.
TEST_F(ProgramCommandsTest, AnErrorOutsideTheDocumentStaysInThePaneAndTheCaretStays) {
  open("greeting.pas", "program greeting;\r\nuses helpers;\r\nbegin\r\n  greet;\r\nend.\r\n");
  editor.setSelStart(editor.positionOfLine(3));
  host.errorLine = 1;
  RunResult fpc;
  fpc.started = true;
  fpc.exitCode = 1;
  fpc.standardOutput = "Compiling greeting.pas\nCompiling helpers.pas\n"
                       "helpers.pas(5,23) Error: Identifier not found \"writel\"\n"
                       "helpers.pas(7) Fatal: There were 1 errors compiling module, stopping\n";
  commands.compileFinished(fpc);
  commands.Timer1Timer();  // the check after the compile
  EXPECT_EQ(caretLine(), 4);
  EXPECT_EQ(host.errorLine, std::nullopt);
  EXPECT_TRUE(pane.textCursor().block().text().startsWith("helpers.pas(5,"));
}

// Check Page: a pane line per finding, the caret on the first error's
// character though a warning comes first, a double click on a line goes to
// its place whatever the Coding language, and a clean page gets one line.
TEST_F(ProgramCommandsTest, CheckPageListsTheFindingsAndGoesToTheFirstError) {
  settings.PL = std::int8_t(LanguageMode::Pascal);
  PageCheckCommand check({editor, pane, commands});
  editor.setText(QString::fromUtf8("<!DOCTYPE html>\r\n<title>t</title>\r\n<p>漢字\t</b>\r\n<p>仮名<zz>x</p>\r\n"));
  check.mmCheckPageClick();
  const QStringList lines = pane.toPlainText().split('\n');
  ASSERT_EQ(lines.size(), 4) << paneText();
  EXPECT_EQ(lines[1], "3:7: warning: </b> does not belong here and is left out.");
  EXPECT_EQ(lines[2], "4:6: error: <zz> is not an HTML element.");
  EXPECT_EQ(pane.textCursor().blockNumber(), 2);
  const auto column = [this] { return editor.selStart() - editor.positionOfLine(caretLine() - 1) + 1; };
  EXPECT_EQ(std::pair(caretLine(), column()), std::pair(4, 6));
  doubleClickLine(1);
  EXPECT_EQ(std::pair(caretLine(), column()), std::pair(3, 7));

  editor.setText("<!DOCTYPE html>\r\n<html><head><title>t</title></head>\r\n<body><p>x</p></body></html>\r\n");
  check.mmCheckPageClick();
  EXPECT_EQ(paneText(), "The page check found no errors and no warnings.");
}

}  // namespace
}  // namespace wrenpad
