// SPDX-License-Identifier: GPL-3.0-or-later
// The Coding menu in the window: menus and captions per document, the tool
// folders and options, and compile, jump and run with the real tools.
#include "page/preview/browser_window.h"
#include "documents/document_commands.h"
#include "editor/line_number_gutter.h"
#include "programming/message_jump.h"
#include "programming/program_commands.h"
#include "programming/programming_options.h"
#include "programming/test_server.h"
#include "support/window_fixture.h"

#include <QStandardPaths>
#include <QTest>
#include <QTextBlock>
#include <QUrl>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

using namespace wrenpad;

namespace {

// What a browser would fetch, for the server to run the script: a plain
// HTTP/1.0 request to the loopback address.
QByteArray fetch(const QUrl& url) {
  const int sock = ::socket(AF_INET, SOCK_STREAM, 0);
  if (sock < 0) return {};
  timeval timeout{10, 0};
  ::setsockopt(sock, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(quint16(url.port()));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  QByteArray reply;
  if (::connect(sock, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
    const QByteArray request = "GET " + url.path(QUrl::FullyEncoded).toLatin1() + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
    if (::send(sock, request.constData(), size_t(request.size()), 0) == request.size()) {
      char buffer[4096];
      for (ssize_t got; (got = ::recv(sock, buffer, sizeof buffer, 0)) > 0;) reply.append(buffer, got);
    }
  }
  ::close(sock);
  return reply;
}

struct ProgramCommandsInWindow : ::testing::Test {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;
  void SetUp() override {
    main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
    main->timer(1).setInterval(20);  // the check after a compile, without the wait
  }
  void TearDown() override { test::closeWithoutSaving(*main); }
  QAction* item(const char* name) { return main->action(QString::fromLatin1(name)); }
  void open(const QString& name, const QByteArray& text) { main->documents().OpenFile(folder.write(name, text)); }
  int caretLine() { return main->editor().lineFromPosition(main->editor().selStart()) + 1; }
  // Runs F9 (or Ctrl+F9) and waits until the compile and its check are over.
  void compile(bool compileOnly = false) {
    main->programs().mmCompile_and_ExecuteClick(compileOnly);
    QTRY_VERIFY_WITH_TIMEOUT(!main->programs().isCompiling() && !main->timer(1).isActive(), 60000);
  }
  static bool has(const char* tool) { return !QStandardPaths::findExecutable(tool).isEmpty(); }
  static bool skipWithout(const char* tool) {
    if (has(tool)) return false;
    std::cout << "[ SKIPPED ] " << tool << " is not installed\n";
    return true;
  }
  // A terminal that runs the command without a window and exits: the shell
  // the run leaves open afterwards is one that ends at once.
  void useQuietTerminal() {
    const QString terminal =
        folder.write("fake-term", "#!/bin/sh\nshift\nSHELL=/bin/true exec \"$@\" </dev/null >/dev/null 2>&1\n");
    QFile::setPermissions(terminal, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("TERMINAL", terminal.toUtf8());
  }
};

TEST_F(ProgramCommandsInWindow, MenusShortCutsAndCaptionsFollowTheDocument) {
  open("calc.cpp", "int main() {}\r\n");
  EXPECT_TRUE(item("mmCompile_and_Execute")->isEnabled());
  EXPECT_EQ(item("mmCompile_and_Execute")->shortcut(), QKeySequence(Qt::Key_F9));
  EXPECT_TRUE(item("mmDisplayAsWebPage")->shortcut().isEmpty());
  EXPECT_TRUE(item("tbCompile")->isVisible());
  EXPECT_FALSE(item("mmHTML")->isEnabled());

  open("calc.h", "int f();\r\n");  // a header is not compiled
  EXPECT_FALSE(item("mmCompile")->isEnabled());
  EXPECT_FALSE(item("tbCompile")->isVisible());
  EXPECT_TRUE(item("mmCompile_and_Execute")->shortcut().isEmpty());

  open("form.cgi", "print 1;\r\n");
  EXPECT_EQ(main->settings().PL, int(LanguageMode::Perl));
  EXPECT_EQ(item("mmCoding")->text(), "&Perl");
  EXPECT_EQ(item("mmSetCompiler")->text(), "&Set Perl Test-server");

  open("page.htm", "<p>x</p>\r\n");
  EXPECT_EQ(item("mmDisplayAsWebPage")->shortcut(), QKeySequence(Qt::Key_F9));
  EXPECT_TRUE(item("mmCompile_and_Execute")->shortcut().isEmpty());
  EXPECT_FALSE(item("mmCoding")->isEnabled());
  EXPECT_FALSE(item("tbCompile")->isVisible());

  open("notes.txt", "words\r\n");
  EXPECT_TRUE(item("mmCoding")->isEnabled());
  EXPECT_FALSE(item("mmExecute")->isEnabled());
}

TEST_F(ProgramCommandsInWindow, OptionsKeepNumbersOnCancelAndConfirmingCppResetsItsOption) {
  Settings& settings = main->settings();
  settings.CompilerOption[0] = "-g";
  dialogs.answerFormWith<ProgrammingOptionsValues>([](ProgrammingOptionsValues& v) {
    v.appletWidth = 640;
    v.tabWidth = 4;
    v.language = 1;
    v.confirmed = false;  // Cancel
  });
  main->programs().mmProgrammingOptionsClick();
  EXPECT_EQ(settings.AppletWidth, 640);
  EXPECT_EQ(settings.TabWidth, 4);
  EXPECT_EQ(settings.PL, 0);
  EXPECT_EQ(settings.CompilerOption[0], "-g");

  dialogs.answerFormWith<ProgrammingOptionsValues>([](ProgrammingOptionsValues& v) {
    v.language = 3;
    v.confirmed = true;
  });
  main->programs().mmProgrammingOptionsClick();
  EXPECT_EQ(settings.PL, 3);
  EXPECT_EQ(item("mmCoding")->text(), "&Pascal");
  EXPECT_EQ(settings.CompilerOption[0], "-g");
  dialogs.answerFormWith<ProgrammingOptionsValues>([](ProgrammingOptionsValues& v) {
    v.language = 0;
    v.confirmed = true;
  });
  main->programs().mmProgrammingOptionsClick();
  EXPECT_EQ(settings.CompilerOption[0], "-O2");

  // The compiler option of the current language; Cancel keeps it.
  dialogs.inputs = {"-Wall -O0", QString()};
  main->programs().mmCompilerOptionClick();
  main->programs().mmCompilerOptionClick();
  EXPECT_EQ(settings.CompilerOption[0], "-Wall -O0");
}

TEST_F(ProgramCommandsInWindow, AToolFolderIsKeptOnlyWhenTheToolIsThere) {
  const QString bin = folder.file("my tools/bin");
  QDir().mkpath(bin);
  dialogs.folders = {bin};
  main->programs().mmSetCompilerClick();
  EXPECT_TRUE(main->settings().BCCpath.isEmpty());
  EXPECT_TRUE(dialogs.askedOf("error").value(0).contains("g++ / gcc was not found"));

  QFile::setPermissions(folder.write("my tools/bin/g++", "#!/bin/sh\n"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  dialogs.folders = {bin};
  main->programs().mmSetCompilerClick();
  EXPECT_EQ(main->settings().BCCpath, folder.file("my tools"));
  EXPECT_TRUE(dialogs.askedOf("message").last().contains("is not on PATH"));
  EXPECT_EQ(main->document().CurrentFolder, bin);
  EXPECT_TRUE(main->statusText(0).endsWith(bin));

  main->settings().PL = int(LanguageMode::Perl);
  dialogs.folders = {folder.path()};
  main->programs().mmSetCompilerClick();
  EXPECT_EQ(main->settings().DocumentRoot, folder.path());
}

// One program per language with an error on a known line: the caret lands
// there. The same program mended runs, and writes a file to show it.
TEST_F(ProgramCommandsInWindow, ErrorsPutTheCaretOnTheirLineAndGoodProgramsRunInTheTerminal) {
  useQuietTerminal();
  struct Case {
    const char* tool;
    QString name;
    QByteArray broken;
    int errorLine;
    QByteArray good;
  };
  const Case cases[] = {
      {"gcc", "my prog.c", "#include <stdio.h>\r\nint main(void) {\r\n  int x = missing;\r\n  return x;\r\n}\r\n", 3,
       "#include <stdio.h>\r\nint main(void) {\r\n  FILE* f = fopen(\"ran.txt\", \"w\");\r\n  fputs(\"c\", f);\r\n  fclose(f);\r\n  return 0;\r\n}\r\n"},
      {"g++", QString::fromUtf8("計算 prog.cpp"), "#include <fstream>\r\nint main() {\r\n  std::ofstream out(\"ran.txt\");\r\n  out << undefinedName;\r\n}\r\n", 4,
       "#include <fstream>\r\nint main() {\r\n  std::ofstream out(\"ran.txt\");\r\n  out << 1;\r\n}\r\n"},
      {"fpc", "prog.pas", "program prog;\r\nbegin\r\n  writel('x');\r\nend.\r\n", 3,
       "program prog;\r\nvar f: text;\r\nbegin\r\n  assign(f, 'ran.txt'); rewrite(f); writeln(f, 'p'); close(f);\r\nend.\r\n"},
      {"javac", "Hello.java", "public class Hello {\r\n  public static void main(String[] a) {\r\n    int x = \"s\";\r\n  }\r\n}\r\n", 3,
       "public class Hello {\r\n  public static void main(String[] a) throws Exception {\r\n    java.nio.file.Files.writeString(java.nio.file.Path.of(\"ran.txt\"), \"j\");\r\n  }\r\n}\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    if (skipWithout(c.tool)) continue;
    QFile::remove(folder.file("ran.txt"));
    open(c.name, c.broken);
    compile();
    EXPECT_EQ(caretLine(), c.errorLine) << main->messagePane().toPlainText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder.file("ran.txt")));

    open(c.name, c.good);
    compile(true);  // Ctrl+F9 builds and never runs
    EXPECT_FALSE(QFileInfo::exists(folder.file("ran.txt"))) << main->messagePane().toPlainText().toStdString();
    compile();  // F9 on the unchanged, built program runs it at once
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(folder.file("ran.txt")), 20000);
    EXPECT_TRUE(main->messagePane().toPlainText().isEmpty());
  }
  qunsetenv("TERMINAL");
}

// Errors the compiler reports in another file lead the caret back to the
// document's own line, or leave it where it was.
TEST_F(ProgramCommandsInWindow, ErrorsInOtherFilesLeadBackToTheDocumentsOwnLine) {
  if (!has("g++") || !has("gcc")) GTEST_SKIP() << "g++ and gcc are needed";
  // std::sort on a struct without "<": the error is in a library header.
  open("sorting.cpp",
       "#include <algorithm>\r\n#include <vector>\r\n\r\nstruct Point {\r\n  int x, y;\r\n};\r\n\r\n"
       "int main() {\r\n  std::vector<Point> points(3);\r\n  std::sort(points.begin(), points.end());\r\n}\r\n");
  compile();
  EXPECT_EQ(caretLine(), 10) << main->messagePane().toPlainText().toStdString();
  EXPECT_TRUE(dialogs.askedOf("error").isEmpty()) << dialogs.asked.join("\n").toStdString();

  // An error in the user's own header: the document's #include line.
  folder.write("util.h", "/* helpers */\nint twice(int x);\n\nint broken(void) { return undefined_thing; }\n");
  open("main.c", "#include <stdio.h>\r\n#include \"util.h\"\r\n\r\nint main(void) {\r\n  return 0;\r\n}\r\n");
  compile();
  EXPECT_EQ(caretLine(), 2) << main->messagePane().toPlainText().toStdString();

  // A unit's error names no line of the program: the caret stays, the error shows.
  if (!has("fpc")) return;
  folder.write("helpers.pas", "unit helpers;\ninterface\nprocedure greet;\nimplementation\n"
                              "procedure greet; begin writel('hi') end;\nend.\n");
  open("greeting.pas", "program greeting;\r\nuses helpers;\r\nbegin\r\n  greet;\r\nend.\r\n");
  main->editor().setSelStart(main->editor().positionOfLine(3));
  compile();
  EXPECT_EQ(caretLine(), 4) << main->messagePane().toPlainText().toStdString();
  EXPECT_TRUE(main->messagePane().textCursor().block().text().startsWith("helpers.pas(5,"));
  EXPECT_TRUE(dialogs.askedOf("error").isEmpty()) << dialogs.asked.join("\n").toStdString();
}

// The gutter marks the first error's line of the last compile; a compile
// that succeeds, or another document, takes the mark away.
TEST_F(ProgramCommandsInWindow, TheLastCompilesErrorLineIsMarkedBesideTheText) {
  if (!has("gcc")) GTEST_SKIP() << "gcc is not installed";
  open("marked.c", "int main(void) {\r\n  int x = 1;\r\n  return y;\r\n}\r\n");
  compile(true);
  const LineNumberGutter& gutter = LineNumberGutter::of(main->editor());
  EXPECT_TRUE(gutter.isShown());
  EXPECT_EQ(gutter.errorLine(), 2) << main->messagePane().toPlainText().toStdString();
  main->editor().replaceText("int main(void) {\r\n  int y = 1;\r\n  return y;\r\n}\r\n");
  compile(true);
  EXPECT_EQ(gutter.errorLine(), std::nullopt) << main->messagePane().toPlainText().toStdString();
  main->editor().replaceText("int main(void) {\r\n  return y;\r\n}\r\n");
  compile(true);
  EXPECT_EQ(gutter.errorLine(), 1);
  open("other.c", "int main(void) { return 0; }\r\n");
  EXPECT_EQ(gutter.errorLine(), std::nullopt);
}

// A program the compiler built runs, whatever words its messages hold.
TEST_F(ProgramCommandsInWindow, ABuiltProgramRunsWhateverItsMessagesSay) {
  useQuietTerminal();
  struct Case {
    const char* tool;
    QString name;
    QByteArray program;
  };
  const Case cases[] = {
      {"gcc", "warns.c",
       "#include <stdio.h>\r\n#warning \"the disk error: later\"\r\nint main(void) {\r\n"
       "  FILE* f = fopen(\"ran.txt\", \"w\");\r\n  fputs(\"c\", f);\r\n  fclose(f);\r\n  return 0;\r\n}\r\n"},
      {"fpc", "FatalDemo.pas",
       "program FatalDemo;\r\nvar f: text;\r\nbegin\r\n"
       "  assign(f, 'ran.txt'); rewrite(f); writeln(f, 'p'); close(f);\r\nend.\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name.toStdString());
    if (skipWithout(c.tool)) continue;
    QFile::remove(folder.file("ran.txt"));
    open(c.name, c.program);
    main->editor().setSelStart(0);
    compile();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(folder.file("ran.txt")), 20000);
    EXPECT_EQ(caretLine(), 1);
    EXPECT_TRUE(dialogs.asked.isEmpty()) << dialogs.asked.join("\n").toStdString();
  }
  qunsetenv("TERMINAL");
}

// javac writes the classes it could even when the compile fails (here the
// public class, whose helper in the same file has the error): F9 again
// without an edit compiles again and shows the error; it never runs them.
TEST_F(ProgramCommandsInWindow, AFailedCompilesClassesNeverRun) {
  if (!has("javac")) GTEST_SKIP() << "javac is not installed";
  useQuietTerminal();
  open("Broken.java",
       "public class Broken {\r\n  public static void main(String[] a) throws Exception {\r\n"
       "    java.nio.file.Files.writeString(java.nio.file.Path.of(\"ran.txt\"), \"j\");\r\n"
       "    new Helper().greet();\r\n  }\r\n}\r\n\r\nclass Helper {\r\n  void greet() {\r\n"
       "    int n = \"x\".lenght();\r\n  }\r\n}\r\n");
  for (int press = 1; press <= 2; ++press) {
    SCOPED_TRACE(press);
    main->editor().setSelStart(0);
    compile();
    EXPECT_EQ(caretLine(), 10) << main->messagePane().toPlainText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder.file("Broken.class")));  // nor in the editor's next run
  }
  EXPECT_FALSE(QFileInfo::exists(folder.file("ran.txt")));
  qunsetenv("TERMINAL");
}

// A compiler or perl that is not there: the message is in the interface's
// language and names where the tool was looked for, not the document's folder.
TEST(MissingTools, AreToldInTheInterfacesLanguageWithWhereTheyWereLookedFor) {
  test::TempFolder folder;
  test::ScriptedDialogs dialogs;
  auto main = test::startWindow(folder, dialogs, {}, "[Settings]\r\nJpn=1\r\n");
  const QString empty = folder.file("no tools");
  QDir().mkpath(empty);
  const QByteArray path = qgetenv("PATH");
  qputenv("PATH", empty.toUtf8());
  main->settings().BCCpath = folder.file("my gcc");
  main->documents().OpenFile(folder.write("src/calc.c", "int main(void) { return 0; }\r\n"));
  main->programs().mmCompile_and_ExecuteClick(true);
  QTRY_VERIFY_WITH_TIMEOUT(!dialogs.askedOf("error").isEmpty(), 5000);
  const QString compiler = dialogs.askedOf("error").last();
  EXPECT_TRUE(compiler.contains(QString::fromUtf8("見つかりません"))) << compiler.toStdString();
  EXPECT_TRUE(compiler.contains(folder.file("my gcc/bin"))) << compiler.toStdString();
  EXPECT_TRUE(compiler.contains(empty)) << compiler.toStdString();
  EXPECT_FALSE(compiler.contains(folder.file("src"))) << compiler.toStdString();

  main->settings().DocumentRoot = folder.file("web/htdocs");
  QDir().mkpath(main->settings().DocumentRoot);
  main->documents().OpenFile(folder.write("web/htdocs/a.cgi", "print 1;\r\n"));
  main->programs().mmCompile_and_ExecuteClick(false);
  qputenv("PATH", path);
  const QString perl = dialogs.askedOf("error").last();
  EXPECT_TRUE(perl.contains(QString::fromUtf8("見つかりません"))) << perl.toStdString();
  EXPECT_TRUE(perl.contains(empty)) << perl.toStdString();
  test::closeWithoutSaving(*main);
}

// The test server's configuration folder of an editor that was killed is
// removed when a window starts; one of a running editor stays.
TEST(TestServerLeftOvers, AKilledEditorsServerFolderGoesAtTheNextStart) {
  test::TempFolder folder;
  test::TempFolder temporary;
  const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
  const QByteArray tmp = qgetenv("TMPDIR");
  qunsetenv("XDG_RUNTIME_DIR");
  qputenv("TMPDIR", temporary.path().toUtf8());
  QProcess gone;
  gone.start("true", {});
  ASSERT_TRUE(gone.waitForStarted(5000));
  const qint64 deadPid = gone.processId();
  ASSERT_TRUE(gone.waitForFinished(5000));
  const QString dead = temporary.write(QString("wrenpad-server-%1-Ab3dEf/lighttpd.conf").arg(deadPid), "x\n");
  const QString live = temporary.write("wrenpad-server-1-Zx9yWv/lighttpd.conf", "x\n");  // init never ends
  test::ScriptedDialogs dialogs;
  auto main = test::startWindow(folder, dialogs, {}, test::kEnglishSettings);
  EXPECT_FALSE(QFileInfo::exists(QFileInfo(dead).path()));
  EXPECT_TRUE(QFileInfo::exists(live));
  test::closeWithoutSaving(*main);
  qputenv("XDG_RUNTIME_DIR", runtime);
  qputenv("TMPDIR", tmp);
}

TEST_F(ProgramCommandsInWindow, ASecondCompileWhileOneRunsIsRefused) {
  if (!has("g++")) GTEST_SKIP() << "g++ is not installed";
  open("slow.cpp", "#include <iostream>\r\nint main() { std::cout << 1; }\r\n");
  main->programs().mmCompile_and_ExecuteClick(true);
  ASSERT_TRUE(main->programs().isCompiling());
  main->programs().mmCompile_and_ExecuteClick(true);
  EXPECT_TRUE(dialogs.askedOf("message").value(0).contains("still running"));
  QTRY_VERIFY_WITH_TIMEOUT(!main->programs().isCompiling(), 60000);
}

// A Perl CGI script through the real server: the page opens, and a script
// with an error puts the server's log line in the pane, whose double click
// jumps to the line.
TEST_F(ProgramCommandsInWindow, APerlScriptRunsThroughTheTestServerAndItsErrorsJump) {
  if (!has("perl") || QStandardPaths::findExecutable("lighttpd", {"/usr/sbin", "/usr/local/sbin"}).isEmpty())
    GTEST_SKIP() << "perl or lighttpd is not installed";
  // The own preview shows the test server's pages.
  const auto shownPage = [this] {
    TBrowser* browser = main->browsers().existing();
    return browser ? QUrl(browser->address()) : QUrl();
  };
  const QString root = folder.file(QString::fromUtf8("web 日本/htdocs"));
  QDir().mkpath(root);
  main->settings().DocumentRoot = root;
  main->documents().OpenFile(folder.write(QString::fromUtf8("web 日本/htdocs/ok.cgi"),
                                          "print \"Content-Type: text/plain\\n\\nhello from perl\\n\";\r\n"));
  main->programs().mmCompile_and_ExecuteClick(false);
  ASSERT_TRUE(shownPage().toString().endsWith("/ok.cgi")) << dialogs.asked.join("\n").toStdString();
  EXPECT_TRUE(fetch(shownPage()).contains("hello from perl"));
  EXPECT_TRUE(main->timer(3).isActive());

  main->documents().OpenFile(folder.write(QString::fromUtf8("web 日本/htdocs/bad.cgi"),
                                          "print \"Content-Type: text/plain\\n\\n\";\r\nmy $x = ;\r\nprint 1;\r\n"));
  main->programs().mmCompile_and_ExecuteClick(false);
  ASSERT_TRUE(shownPage().toString().endsWith("/bad.cgi"));
  fetch(shownPage());
  QTRY_VERIFY_WITH_TIMEOUT((main->Timer3Timer(), !main->messagePane().toPlainText().isEmpty()), 10000);
  EXPECT_FALSE(main->timer(3).isActive());
  const QString log = main->messagePane().toPlainText();
  EXPECT_TRUE(log.contains("syntax error")) << log.toStdString();
  QTextCursor cursor = main->messagePane().textCursor();
  cursor.setPosition(int(log.indexOf("syntax error")));
  main->messagePane().setTextCursor(cursor);
  main->programs().CMsgWindowDblClick();
  EXPECT_EQ(caretLine(), 2);
}

// The message pane shows for programs only; a double click on a message
// line puts the caret on the place it names, never on another file's.
TEST_F(ProgramCommandsInWindow, TheMessagePaneShowsForProgramsAndADoubleClickJumps) {
  auto* pane = main->findChild<MessagePane*>("CMsgWindow");
  ASSERT_NE(pane, nullptr);
  const auto doubleClickLine = [pane](int index) {
    QTextCursor cursor(pane->document()->findBlockByNumber(index));
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, 3);
    QTest::mouseDClick(pane->viewport(), Qt::LeftButton, {}, pane->cursorRect(cursor).center());
  };
  open("notes.txt", "words\r\n");
  EXPECT_FALSE(pane->isVisible());
  open("my prog.cpp", "int main() {\r\n  return 0\r\n}\r\n");
  EXPECT_TRUE(pane->isVisible());
  main->settings().PL = int(LanguageMode::Cpp);
  pane->setPlainText("my prog.cpp: In function 'int main()':\nmy prog.cpp:2:11: error: expected ';' before '}' token\n");
  doubleClickLine(1);
  EXPECT_EQ(main->editor().selStart(), main->editor().positionOfLine(1) + 10);
  EXPECT_EQ(main->lineNumberText(), "2");
  // Another file's place, or a number that cannot be read: the caret stays, no box.
  const int caret = main->editor().selStart();
  pane->setPlainText("/usr/include/c++/12/bits/predefined_ops.h:45:23: error: no match\n");
  doubleClickLine(0);
  EXPECT_EQ(main->editor().selStart(), caret);
  main->settings().PL = int(LanguageMode::Pascal);
  pane->setPlainText("prog.pas(x,3) Error: broken\n");
  doubleClickLine(0);
  EXPECT_EQ(main->editor().selStart(), caret);
  EXPECT_TRUE(dialogs.asked.isEmpty()) << dialogs.asked.join("\n").toStdString();
  open("page.htm", "<p>x</p>\r\n");
  EXPECT_FALSE(pane->isVisible());
}

}  // namespace

