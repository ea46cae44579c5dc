// SPDX-License-Identifier: GPL-3.0-or-later
// Code templates: the word before the caret found and expanded, the list
// parsed, sorted and kept in files, and the list dialog.
#include "editing/code_templates.h"
#include "editing/code_template_dialog.h"

#include "documents/document_kind.h"
#include "support/temp_folder.h"
#include "text/translation.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

// The word before the caret is expanded at its indentation; the first
// template found in the word is taken.
TEST(CodeTemplates, TheWordBeforeTheCaretIsExpandedAtItsIndentation) {
  const std::vector<CodeTemplate> kFor{{"for", "for (|; ; ) {\\n}"}};
  const std::vector<CodeTemplate> anyWord{{"", "never"}, {"x", "X"}};
  const struct {
    QString text;
    int caret;
    std::vector<CodeTemplate> templates;
    QString expected;
  } cases[] = {
      {"    for", 7, kFor, "    for (|; ; ) {\r\n    }"},
      // On a later line, with text after the caret left alone.
      {"x\r\n  for rest", 8, kFor, "x\r\n  for (|; ; ) {\r\n  } rest"},
      // Tabs stay tabs; every other character before the word takes a blank.
      {"x =\tfor", 7, kFor, "x =\tfor (|; ; ) {\r\n   \t}"},
      {"  p", 3, {{"p", "a\\nb"}}, "  a\r\n  b|"},  // without a "|": after the text
      {"or", 2, {{"or", "x|y|"}}, "x|y|"},  // only the first "|" marks the caret
      {"fork", 4, kFor, "for (|; ; ) {\r\n}"},  // occurs inside the word
      {"FOR", 3, kFor, "FOR"},      // case counts
      {"for x", 5, kFor, "for x"},  // the word is "x"
      // Nothing typed: at the text's start or a line's start; an empty
      // abbreviation never matches.
      {"", 0, anyWord, ""},
      {"x\r\n", 3, anyWord, "x\r\n"},
      {"wordx", 5, anyWord, "X|"},
  };
  // The text after Ctrl+J, with a "|" where the caret ends up; the text as
  // it was when nothing expands.
  for (const auto& c : cases) {
    QString result = c.text;
    if (const std::optional<TemplateExpansion> e = ExpandTemplateAt(c.text, c.caret, c.templates))
      result.replace(e->wordStart, e->wordLength, e->text).insert(e->caret, u'|');
    EXPECT_EQ(result, c.expected) << c.text.toStdString();
  }
  // The first template found wins: the ones after it change nothing.
  EXPECT_EQ(ExpandTemplateAt("for", 3, {{"or", "A|"}, {"for", "B|"}}),
            ExpandTemplateAt("for", 3, {{"or", "A|"}}));
}

TEST(CodeTemplates, ListsAreParsedLineByLineAndSortedForSaving) {
  EXPECT_EQ(ParseTemplateList("; remark\r\nfor  ==>>   for (|)\r\n\r\nif\t==>>if a==>>b\n==>>x"),
            (std::vector<CodeTemplate>{{"for", "for (|)"}, {"if", "if a==>>b"}, {"", "x"}}));
  EXPECT_EQ(ParseTemplateList("a==>> " + QString(1200, 'x')).front().expansion, QString(1000, 'x'));

  EXPECT_EQ(SortedTemplateList({"while==>>w", "", "If==>>i", "do==>>d\r", "   ", "if==>>j", "ELSE==>>e"}),
            "do==>>d\r\nELSE==>>e\r\nIf==>>i\r\nif==>>j\r\nwhile==>>w\r\n");
  EXPECT_EQ(SortedTemplateList({}), "");
  // Pages take the C list; programs their language's.
  EXPECT_EQ(TemplateFileName(LanguageMode::Pascal, kHtmlMode), "CodeTemplateList_C.ini");
}

TEST(CodeTemplates, FilesAreReadFromTheFirstFolderThatHasOne) {
  test::TempFolder first, second;
  const QString name = "CodeTemplateList_C.ini";
  const QString list = "あ==>>日本語|\r\n";
  QString error;
  ASSERT_TRUE(WriteTemplateFile(second.file(name), list, &error)) << error.toStdString();
  EXPECT_EQ(test::TempFolder::read(second.file(name)), list.toUtf8());
  const std::optional<TemplateFile> read = ReadTemplateFile({first.path(), second.path()}, name);
  ASSERT_TRUE(read);
  EXPECT_EQ(read->path, second.file(name));
  EXPECT_EQ(read->text, list);

  // A list an older editor saved in Shift-JIS, which is no valid UTF-8.
  first.write(name, "\x82\xA0==>>\x82\xA2|\r\n");
  EXPECT_EQ(ReadTemplateFile({first.path(), second.path()}, name)->text, "あ==>>い|\r\n");
  // A byte-order mark is no part of the first abbreviation.
  first.write(name, "\xEF\xBB\xBF" "a==>>b");
  EXPECT_EQ(ReadTemplateFile({first.path()}, name)->text, "a==>>b");
  // A file too large is passed over; no file at all gives nothing.
  first.write(name, QByteArray(kLargestTemplateFile + 1, 'x'));
  EXPECT_EQ(ReadTemplateFile({first.path(), second.path()}, name)->path, second.file(name));
  EXPECT_FALSE(ReadTemplateFile({first.path(), second.path()}, "CodeTemplateList_Pascal.ini"));
  // A folder that cannot be made (a file stands in its place).
  first.write("not a folder", "x");
  EXPECT_FALSE(WriteTemplateFile(first.file("not a folder/" + name), list, &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(CodeTemplates, TheListDialogGivesBackTheMemo) {
  TCodeTemplateList form;
  {
    const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);  // the memo's keys in Japanese too
    form.showValues({"a==>>b\r\nc"});
    auto* memo = form.findChild<QPlainTextEdit*>("Memo");
    auto* insert = form.findChild<QPushButton*>("btnInsert");
    EXPECT_EQ(memo->toPlainText(), "a==>>b\nc");
    memo->moveCursor(QTextCursor::End);
    insert->click();
    EXPECT_EQ(form.values(), (CodeTemplateListValues{"a==>>b\nc==>>"}));
    EXPECT_EQ(memo->textCursor().position(), 12);
  }
  form.showValues({""});
  EXPECT_EQ(form.values(), CodeTemplateListValues{""});
}

}  // namespace
}  // namespace wrenpad
