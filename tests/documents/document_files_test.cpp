// SPDX-License-Identifier: GPL-3.0-or-later
// Opening and saving files with the file commands and scripted answers: the
// kanji code, line ends and odd bytes of a file kept, pages in the code they
// declare, and binary files and files changed by another program only with
// consent. And the editor and the large view behind the one document-view
// interface: the same script of commands gives the same text, selections,
// counts and undo steps in both, whatever their positions count (characters
// or bytes).
#include "documents/editor_view.h"
#include "documents/document_commands.h"
#include "documents/document_host.h"
#include "documents/document_mode.h"
#include "documents/large_files.h"
#include "editor/editor_control.h"
#include "encoding/document_codec.h"
#include "large_view/large_text_view.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>

using namespace wrenpad;
using namespace wrenpad::test;

namespace {

// The file commands without the main window: a real editor and large view,
// scripted dialogs, and a host that switches the document mode as the window
// does and records the rest.
class RecordingDocumentHost : public DocumentHost {
 public:
  explicit RecordingDocumentHost(DocumentState& document) : document_(document) {}
  LargeFiles* largeFiles = nullptr;
  QString caption;

  void setWindowCaption(const QString& text) override { caption = text; }
  void showCurrentFolder() override {}
  void SelectProgramMode() override {
    if (programLanguageOf(document_.CurrentFileName)) document_.DocumentMode = kProgramMode;
  }
  void SetWebPageMode(bool on) override {
    document_.DocumentMode = switchWebPage(document_.DocumentMode, on).documentMode;
  }
  void setHtmlToolBarVisible(bool) override {}
  void showCommandStates() override {}
  void beginDocument() override {
    if (largeFiles) largeFiles->close();
    document_.DocumentMode = kTextMode;
  }
  void paintTags(int, int) override {}
  void setEditorFontSize(int) override {}
  void startUndoTimer() override {}
  std::optional<int> askDocumentType() override { return 0; }
  void newProgramFromTemplate() override {}
  void newPageFromText() override {}
  void fileUsed(const QString&) override {}

 private:
  DocumentState& document_;
};

// The editor and the large view, each behind the document-view interface.
struct DocumentViews : ::testing::Test {
  ScriptedDialogs dialogs;
  QWidget window;
  EditorControl editor{&window};
  large::LargeTextView largeView{&window};
  Settings settings;
  EditorView editorView{{.editor = editor}};
  std::function<void(bool)> showLarge = [](bool) {};
  LargeFiles largeFiles{{.view = largeView, .dialogs = dialogs, .settings = settings,
                         .showView = [this](bool shown) { showLarge(shown); },
                         .changedOnDisk = {}}};

  // Both views holding `text` (its Shift-JIS bytes in the large one), the caret at the start.
  std::vector<DocumentView*> holding(const QString& text) {
    editor.setText(text);
    editor.setModified(false);
    editor.setSelStart(0);
    largeFiles.show(large::LargeDocument::holding(encodeDocument(text, TextEncoding::ShiftJis).bytes.toStdString(),
                                                  TextEncoding::ShiftJis),
                    false);
    return {&editorView, &largeFiles};
  }
  static QString whole(DocumentView& view) {
    QStringList lines;
    for (qint64 line = 0; line < view.lineCount(); ++line) lines << view.lineText(line);
    return lines.join(u'|');
  }
};

// The file commands over both views, the large one shown when it holds a file.
struct DocumentFiles : DocumentViews {
  TempFolder folder;
  DocumentState document;
  SessionState session;
  const MessageTable messages = englishMessages();
  RecordingDocumentHost host{document};
  ShownView shownView{editorView};
  DocumentCommands files{{.editor = editor, .view = shownView, .dialogs = dialogs, .host = host, .document = document,
                          .session = session, .settings = settings, .messages = messages,
                          .largeFiles = &largeFiles}};

  void SetUp() override {
    host.largeFiles = &largeFiles;
    showLarge = [this](bool shown) {
      shownView.show(shown ? static_cast<DocumentView&>(largeFiles) : editorView);
    };
    files.beginUntitledDocument();
  }
  QString open(const QString& name, const QByteArray& bytes) {
    const QString path = folder.write(name, bytes);
    files.OpenFile(path);
    return path;
  }
  QByteArray saved(const QString& path) {
    EXPECT_TRUE(files.mmSaveClick());
    return TempFolder::read(path);
  }
  // Save As to `path`, picking items of the dialog's choices (0 code, 1 line end).
  bool saveAs(const QString& path, const std::map<int, int>& choices = {}) {
    dialogs.filesToSave = {path};
    dialogs.saveChoices = {choices};
    return files.mmSaveAsClick();
  }
  void append(const QString& text) {
    editor.select(editor.textLength(), 0);
    editor.replaceSelection(text);
  }
  QStringList questions() const { return dialogs.askedOf(QStringLiteral("question")); }
};

// 日本 and a line end, in Shift-JIS, EUC-JP and JIS.
const QByteArray kSjis("\x93\xfa\x96\x7b\r\n");
const QByteArray kEuc("\xc6\xfc\xcb\xdc\r\n");
const QByteArray kJis("\x1b$BF|K\\\x1b(B\r\n");
const QByteArray kShiftJisPage("<meta charset=\"Shift_JIS\">\r\n" + kSjis);

}  // namespace

// Files stay in the code and line ends they came in, edited or not, whatever
// the output code, and pages in the Japanese code they declare. A row without
// bytes goes on with the document of the row before.
TEST_F(DocumentFiles, EachFileKeepsItsCodeLineEndsAndBytes) {
  const QByteArray same;
  const QByteArray eucPage =
      "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=EUC-JP\">\r\n" + kEuc;
  const QByteArray sjisPage = "<META CHARSET=\"x-sjis\">\r\n" + kSjis;
  const QByteArray sjisDeclaredEuc = "<meta charset=\"Shift_JIS\">\r\n" + kEuc;
  const QByteArray jisPage = "<meta charset=\"ISO-2022-JP\">\r\n" + kSjis;
  // ≒ as 81 E0 and as 87 90, ￢ as 81 CA, EE F9 and FA 54, on lines of their
  // own; an edited line takes the code the file used first.
  const QByteArray varied("\x81\xe0\r\n\x87\x90\r\n\x81\xca\r\n\xee\xf9\r\n\xfa\x54\r\n");
  const struct {
    bool eucOutput;
    const char* name;
    QByteArray bytes;
    const char* added;
    QByteArray expected;
  } rows[] = {
      {false, "euc.txt", kEuc, "x", kEuc + "x\r\n"},
      {false, "jis.txt", kJis, "x日", kJis + "x\x1b$BF|\x1b(B\r\n"},
      {false, "euc.htm", eucPage, "x", eucPage + "x\r\n"},
      {true, "sjis.txt", kSjis, "", kSjis},
      {true, "sjis.html", sjisPage, "x", sjisPage + "x\r\n"},
      // A declaration means nothing in a plain text; a page is written as it declares.
      {true, "page.txt", sjisDeclaredEuc, "x", sjisDeclaredEuc + "x\r\n"},
      {true, "page.htm", sjisDeclaredEuc, "x", kShiftJisPage + "x\r\n"},
      {true, "jis.htm", jisPage, "本x",
       "<meta charset=\"ISO-2022-JP\">\r\n\x1b$BF|K\\\x1b(B\r\n\x1b$BK\\\x1b(Bx\r\n"},
      {true, "utf8.txt", "日本語 é\n", "続き", "日本語 é\n続き\n"},
      {false, "varied.txt", varied, "≒￢", varied + "\x81\xe0\x81\xca\r\n"},
      {false, "varied.txt", same, "x", varied + "\x81\xe0\x81\xcax\r\n"},
      // Stray bytes before letters stay bytes.
      {false, "stray.txt", "\x93\xfa\xa0x\x85y\r\n", "z", "\x93\xfa\xa0x\x85y\r\nz\r\n"},
      // A file that mixes line ends gets CR LF once edited, as a new document does.
      {false, "mixed.txt", "a\nb\r\n", "c", "a\r\nb\r\nc\r\n"},
      // A script naming its interpreter is written with LF, or the system
      // would look for "perl\r".
      {false, "old.cgi", "#!/usr/bin/perl\r\nprint \"\x93\xfa\";\r\n", "exit;",
       "#!/usr/bin/perl\nprint \"\x93\xfa\";\nexit;\n"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(std::string(row.name) + " + " + row.added);
    files.chooseOutputCode(row.eucOutput ? TextEncoding::EucJp : TextEncoding::ShiftJis);
    const QString path = row.bytes.isNull() ? folder.file(row.name) : open(row.name, row.bytes);
    if (*row.added) append(QString::fromUtf8(row.added));
    EXPECT_EQ(saved(path), row.expected);
  }
  EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(DocumentFiles, SaveAsOffersTheFilesOwnFormatAndWritesAnotherOnlyWhenChosen) {
  open("euc.txt", kEuc);
  append("x");
  ASSERT_TRUE(saveAs(folder.file("copy.txt")));
  const auto& offered = dialogs.lastSaveRequest.choices;
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[0].items.at(offered[0].selected), "EUC-JP");
  EXPECT_EQ(offered[1].items.at(offered[1].selected), "CR LF (Windows)");
  EXPECT_EQ(TempFolder::read(folder.file("copy.txt")), kEuc + "x\r\n");
  // Another code and line end are written when chosen there, even for an
  // unedited text, and the file keeps them afterwards whatever the output code.
  const QByteArray utf8 = "\xef\xbb\xbf" + QString::fromUtf8("日本").toUtf8() + "\n";
  files.chooseOutputCode(TextEncoding::EucJp);
  open("euc.txt", kEuc);
  EXPECT_TRUE(saveAs(folder.file("utf8.txt"), {{0, 4}, {1, 0}}));
  EXPECT_EQ(TempFolder::read(folder.file("utf8.txt")), utf8);
  append("y");
  EXPECT_EQ(saved(folder.file("utf8.txt")), utf8 + "y\n");
}

// A load is one step: work queued before it (a timer, a signal, a key)
// never runs against a text that does not have its mode yet.
TEST_F(DocumentFiles, APageSavedInAnotherCodeDeclaresIt) {
  bool queuedWorkRan = false;
  QObject scope;  // the queued work goes with the case
  QTimer::singleShot(0, &scope, [&queuedWorkRan] { queuedWorkRan = true; });
  const QString page = open("page.htm", kShiftJisPage);
  EXPECT_FALSE(queuedWorkRan);
  QCoreApplication::processEvents();
  EXPECT_TRUE(queuedWorkRan);
  EXPECT_TRUE(saveAs(folder.file("euc.htm"), {{0, 1}}));
  EXPECT_EQ(TempFolder::read(folder.file("euc.htm")), "<meta charset=\"EUC-JP\">\r\n" + kEuc);
  EXPECT_TRUE(editor.text().startsWith("<meta charset=\"EUC-JP\">"));
  // A save that does not happen leaves the page's declaration alone.
  open("page.htm", kShiftJisPage);
  EXPECT_FALSE(saveAs(folder.file("none/x.htm"), {{0, 3}}));
  EXPECT_TRUE(editor.text().startsWith("<meta charset=\"Shift_JIS\">"));
  EXPECT_EQ(TempFolder::read(page), kShiftJisPage);
}

TEST_F(DocumentFiles, APageNeverHoldsBytesThatContradictItsDeclaration) {
  const QString path = open("price.htm", kShiftJisPage);
  append(QString::fromUtf8("é"));
  // Cancel saves nothing; Yes writes a character reference under Shift_JIS.
  EXPECT_FALSE(files.mmSaveClick());
  EXPECT_EQ(TempFolder::read(path), kShiftJisPage);
  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(saved(path), kShiftJisPage + "&#233;\r\n");
  EXPECT_TRUE(questions().last().contains("&#233;"));
  // No, then Yes: the page declares UTF-8, in the file and in the editor.
  append("!");
  dialogs.answers = {Answer::No, Answer::Yes};
  const QString utf8Page = QString::fromUtf8("<meta charset=\"UTF-8\">\r\n日本\r\né!");
  EXPECT_EQ(saved(path), (utf8Page + "\r\n").toUtf8());
  EXPECT_EQ(editor.text(), utf8Page);
  EXPECT_FALSE(editor.isModified());
  EXPECT_EQ(questions().size(), 4);
  append("?");
  EXPECT_EQ(saved(path), (utf8Page + "?\r\n").toUtf8());
  EXPECT_EQ(questions().size(), 4);
  // A page declaring ISO-2022-JP asks about a character JIS lacks.
  open("jis.htm", "<meta charset=\"ISO-2022-JP\">\r\n" + kSjis);
  append(QString::fromUtf8("ｱ"));
  EXPECT_FALSE(files.mmSaveClick());
  EXPECT_TRUE(questions().last().contains("declares the code JIS"));
}

// A plain text, even one that looks like a page, is offered UTF-8 for a
// character its code cannot hold, shown whole in the question.
TEST_F(DocumentFiles, CharactersACodeCannotHoldAreNeverDroppedSilently) {
  const QString path = open("price.txt", kShiftJisPage);
  append(QString::fromUtf8("😀é"));
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(files.mmSaveClick());
  EXPECT_EQ(TempFolder::read(path), kShiftJisPage);
  EXPECT_TRUE(editor.isModified());
  ASSERT_EQ(questions().size(), 1);
  EXPECT_TRUE(questions().first().contains(QString::fromUtf8("\"😀\"")));
  EXPECT_TRUE(questions().first().contains("UTF-8 instead"));
  dialogs.answers = {Answer::Yes};
  const QString text = QString::fromUtf8("<meta charset=\"Shift_JIS\">\r\n日本\r\n😀é");
  EXPECT_EQ(saved(path), (text + "\r\n").toUtf8());
  // From now on the document is UTF-8: no more questions.
  append("!");
  EXPECT_EQ(saved(path), (text + "!\r\n").toUtf8());
  EXPECT_EQ(questions().size(), 2);
}

TEST_F(DocumentFiles, BinaryFilesOpenOnlyWithConsentAndChangeOnlyWithConsent) {
  // Kanji first and a NUL far past the head: the whole file is read, and a
  // save without edits writes every byte, whatever the output code.
  files.chooseOutputCode(TextEncoding::EucJp);
  const QByteArray tail("\0\x01\x80tail\xb1\r\n", 10);
  const QByteArray binary = "\x93\xfa" + QByteArray(600, 'a') + tail;
  const QString path = folder.write("data.bin", binary);
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(files.OpenFile(path));
  EXPECT_EQ(host.caption, "Untitled.txt - Wrenpad");
  dialogs.answers = {Answer::Yes};
  ASSERT_TRUE(files.OpenFile(path));
  EXPECT_EQ(saved(path), binary);
  append("x");
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(files.mmSaveClick());
  EXPECT_EQ(TempFolder::read(path), binary);
  EXPECT_EQ(questions().size(), 3);
}

// A file another program rewrote is not overwritten unasked, and an unedited
// document then writes its own text, never the other program's bytes.
TEST_F(DocumentFiles, AFileChangedByAnotherProgramIsNotOverwrittenWithoutAsking) {
  const QString path = open("shared.txt", "mine\r\n");
  append("more");
  folder.write("shared.txt", "theirs, longer\r\n");
  dialogs.answers = {Answer::No};
  EXPECT_FALSE(files.mmSaveClick());
  EXPECT_EQ(TempFolder::read(path), "theirs, longer\r\n");
  ASSERT_EQ(questions().size(), 1);
  EXPECT_TRUE(questions().first().contains("changed by another program"));
  EXPECT_EQ(dialogs.preferred, std::vector<Answer>{Answer::No});  // Enter keeps their bytes
  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(saved(path), "mine\r\nmore\r\n");
  // Our own save is no change by another program.
  append("!");
  EXPECT_EQ(saved(path), "mine\r\nmore!\r\n");
  EXPECT_EQ(questions().size(), 2);
  const QString unedited = open("notes.txt", "mine\r\n");
  folder.write("notes.txt", "theirs\r\n");
  dialogs.answers = {Answer::Yes};
  EXPECT_EQ(saved(unedited), "mine\r\n");
  EXPECT_EQ(saved(unedited), "mine\r\n");  // and again, now from our own file
}

TEST_F(DocumentViews, TheSameCommandsGiveTheSameTextInBothViews) {
  for (DocumentView* view : holding(QString::fromUtf8("日本語 abc\r\nxyz abc ＡＢＣ\r\nend\r\n"))) {
    SCOPED_TRACE(view == &editorView ? "editor" : "large view");
    EXPECT_EQ(whole(*view), QString::fromUtf8("日本語 abc|xyz abc ＡＢＣ|end|"));
    EXPECT_FALSE(view->isModified());

    // Find selects the hit after the selection; a replacement is one undo step.
    ASSERT_TRUE(view->findNext(QStringLiteral("ABC"), false));
    EXPECT_EQ(view->selectedText(), QStringLiteral("abc"));
    EXPECT_EQ(view->caretLine(), 0);
    ASSERT_TRUE(view->findNext(QStringLiteral("abc"), true));
    EXPECT_EQ(view->caretLine(), 1);
    EXPECT_TRUE(view->replaceSelection(QString::fromUtf8("語")));
    EXPECT_EQ(whole(*view), QString::fromUtf8("日本語 abc|xyz 語 ＡＢＣ|end|"));
    EXPECT_TRUE(view->isModified());
    EXPECT_FALSE(view->findNext(QStringLiteral("abc"), true));

    // Replace All from the start asks nothing and covers the whole text.
    view->goToLine(0);
    const DocumentView::ReplacedCounts counts = view->replaceAll(QString::fromUtf8("語"), QStringLiteral("go"), true, {});
    EXPECT_EQ(counts.first, 2);
    EXPECT_FALSE(counts.second);
    EXPECT_EQ(whole(*view), QString::fromUtf8("日本go abc|xyz go ＡＢＣ|end|"));

    // Undo takes the replacement back.
    view->undo();
    EXPECT_EQ(whole(*view), QString::fromUtf8("日本語 abc|xyz 語 ＡＢＣ|end|"));

    // Count counts characters, line breaks not; nothing selected: everything.
    view->goToLine(2, 1);
    EXPECT_EQ(view->caretLine(), 2);
    const std::optional<DocumentView::TextCount> count = view->countSelection();
    ASSERT_TRUE(count);
    EXPECT_EQ(count->characters, 19);
    EXPECT_EQ(view->selectedText(), QString::fromUtf8("日本語 abc\r\nxyz 語 ＡＢＣ\r\nend\r\n"));
  }
}

TEST_F(DocumentViews, ReplaceAllAroundTheCaretAndAReadOnlyView) {
  for (DocumentView* view : holding(QStringLiteral("ab ab\r\nab ab\r\n"))) {
    SCOPED_TRACE(view == &editorView ? "editor" : "large view");
    // From one character before the caret to the end, then the head on going on.
    view->goToLine(1, 1);
    std::vector<qint64> asked;
    const auto counts = view->replaceAll(QStringLiteral("ab"), QStringLiteral("X"), true, [&](qint64 first) {
      asked.push_back(first);
      return true;
    });
    EXPECT_EQ(asked, std::vector<qint64>{2});
    EXPECT_EQ(counts.second, 2);
    EXPECT_EQ(whole(*view), QStringLiteral("X X|X X|"));

    // A read-only document changes through none of the commands.
    view->setReadOnly(true);
    view->selectAll();
    view->replaceSelection(QStringLiteral("gone"));
    view->cut();
    view->replaceAll(QStringLiteral("X"), QStringLiteral("Y"), true, {});
    EXPECT_EQ(whole(*view), QStringLiteral("X X|X X|"));
  }
}

TEST_F(DocumentViews, OnlyTheLargeViewSaysWhatItCannotDo) {
  holding(QStringLiteral("a"));
  for (const ViewAbility ability : {ViewAbility::Colouring, ViewAbility::PageCommands, ViewAbility::OtherCodes}) {
    EXPECT_TRUE(editorView.can(ability));
    EXPECT_FALSE(largeFiles.can(ability));
    EXPECT_FALSE(largeFiles.whyNot(ability).isEmpty());
  }
}
