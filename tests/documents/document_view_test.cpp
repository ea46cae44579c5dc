// SPDX-License-Identifier: GPL-3.0-or-later
// The editor and the large view behind the one document-view interface: the
// same script of commands gives the same text, selections, counts and undo
// steps in both, whatever their positions count (characters or bytes).
#include "documents/document_view.h"
#include "documents/editor_view.h"
#include "documents/large_files.h"
#include "editor/editor_control.h"
#include "encoding/document_codec.h"
#include "large_view/large_text_view.h"
#include "settings/settings.h"
#include "support/scripted_dialogs.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace wrenpad;

namespace {

struct DocumentViews : ::testing::Test {
  QWidget window;
  EditorControl editor{&window};
  large::LargeTextView largeView{&window};
  test::ScriptedDialogs dialogs;
  Settings settings;
  EditorView editorView{{.editor = editor}};
  LargeFiles largeFiles{{.view = largeView, .dialogs = dialogs, .settings = settings, .showView = [](bool) {},
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

TEST_F(DocumentViews, TheSameCommandsGiveTheSameTextInBothViews) {
  for (DocumentView* view : holding(QString::fromUtf8("日本語 abc\r\nxyz abc ＡＢＣ\r\nend\r\n"))) {
    SCOPED_TRACE(view == &editorView ? "editor" : "large view");
    EXPECT_EQ(view->lineCount(), 4);
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
    view->setReadOnly(false);
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

}  // namespace
