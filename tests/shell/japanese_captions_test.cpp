#include "shell/japanese_captions.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QSet>

namespace wrenpad {
namespace {

struct Caption {
  const char16_t* component;
  const char16_t* text;
};

// The designed English captions of the translated menu and pop-up items.
constexpr Caption kEnglish[] = {
    {u"mmFile", u"&File"}, {u"mmNew", u"&New"}, {u"mmOpen", u"&Open..."}, {u"mmSave", u"&Save"},
    {u"mmSaveAs", u"Save &As..."}, {u"mmSetDefaultFolder", u"&Default folder"},
    {u"mmRenameAsTopLine", u"&Rename As Top Line"}, {u"mmPrinterSetup", u"Printer Setup"},
    {u"mmPrint", u"&Print..."}, {u"mmExit", u"E&xit"}, {u"mmEdit", u"&Edit"},
    {u"mmUndo", u"&Undo"}, {u"mmRedo", u"&Redo"}, {u"mmCut", u"Cu&t"}, {u"mmCopy", u"&Copy"},
    {u"mmPaste", u"&Paste"}, {u"mmSelectAll", u"&Select All"}, {u"mmFind", u"&Find..."},
    {u"mmReplace", u"R&eplace..."}, {u"mmFont", u"F&ont"}, {u"mmHTML", u"HT&ML"},
    {u"mmModifyAsHTMLfile", u"&Modify as a HTML file"}, {u"mmPageSettings", u"&Page Settings"},
    {u"mmDisplayAsWebPage", u"&Display as a Web Page"}, {u"mmBold", u"Bold"},
    {u"mmItalic", u"Italic"}, {u"mmUnderline", u"Underline"}, {u"mmSuperscript", u"Su&perscript"},
    {u"mmSubscript", u"&Subscript"}, {u"mmAlignLeft", u"&Left"}, {u"mmAlignCenter", u"&Center"},
    {u"mmAlignRight", u"&Right"}, {u"mmBR", u"Insert <br> on [Enter]"},
    {u"mmCommentize", u"Commentize the selected text"}, {u"mmBulletList", u"&Bullet List"},
    {u"mmNumbering", u"&Numbering"}, {u"mmInsertObjects", u"&Insert"}, {u"mmPicture", u"&Picture"},
    {u"mmLink", u"&Link"}, {u"mmName", u"Link &Target"}, {u"mmTable", u"&Table"},
    {u"mmForm", u"F&orm"}, {u"mmNewForm", u"&New Form"},
    {u"mmSingleLineInput", u"Single Line Text Area"}, {u"mmTextArea", u"Multiple Line TextArea"},
    {u"mmSelect", u"&Select"}, {u"mmCheckBox", u"CheckBo&x"},
    {u"mmCreateBox", u"Create/Edit a Box"}, {u"mmHTMLFont", u"&Font"},
    {u"mmRepaintTags", u"&Repaint Tags"}, {u"mmCompile_and_Execute", u"Com&pile and Execute"},
    {u"mmCompile", u"Co&mpile"}, {u"mmExecute", u"&Execute"}, {u"mmBreakPoint", u"&Break Point"},
    {u"mmInputWizard", u"&Input Wizard"}, {u"mmCallCodeTemplateList", u"&List of Code Template"},
    {u"mmCompilerOption", u"&Compiler Option"}, {u"mmTools", u"&Tools"},
    {u"mmRefer", u"&Refer Dictionary"}, {u"mmCount", u"&Count"},
    {u"mmMacroReplace", u"&Macro Replace"}, {u"mmOption", u"&Option"},
    {u"mmChangeDictionary", u"&Select Dictionary"}, {u"mmAutoFileRenamer", u"&Auto File Naming"},
    {u"mmSelectDefaultFolder", u"&Select Default Folder"},
    {u"mmBackGroundColor", u"&Background Color"},
    {u"mmProgrammingOptions", u"&Programming Options"},
    {u"mmWebPageEditOptions", u"&Webpage-Editing Options"}, {u"mmKcode", u"&Output Kanji code"},
    {u"mmAutoRepaint", u"&Auto Repaint"},
    {u"mmRelateTxtFileToThis", u"&Relate an extention to this software"},
    {u"mmSCSendTo", u"&Locate shortcut　at \"Send to\""},
    {u"mmEnableMultiUndo", u"&Enable Multi Undo"}, {u"mmHelp", u"&Help"},
    {u"mmSearch", u"&Search"}, {u"mmAbout", u"&About"}, {u"pmCut", u"C&ut"}, {u"pmCopy", u"&Copy"},
    {u"pmPaste", u"&Paste"}, {u"pmRefer", u"&Refer"}, {u"pmSelectAll", u"Select &All"},
    {u"pmAddRow", u"&Add Row"}, {u"pmLinkOpen", u"&Open Linked File"},
    {u"pmSaveAndExit", u"&Save -> Exit"},
};

// Entries whose Japanese wording is fixed, accelerator included (some drop or change it).
constexpr Caption kFixed[] = {
    {u"mmFile", u"ファイル(&F)"},
    {u"mmHTML", u"Webページ(&W)"},
    {u"mmRenameAsTopLine", u"先頭行をファイル名に(&R)"},
    {u"mmBR", u"[Enter]で<br>を挿入"},
    {u"mmRepaintTags", u"エディタの再着色"},
    {u"mmCompile_and_Execute", u"コンパイル＆実行(&C)"},
    {u"mmKcode", u"保存時の漢字コード"},
    {u"mmAutoRepaint", u"自動着色"},
    {u"mmRelateTxtFileToThis", u"拡張子の設定(&R)"},
    {u"mmSCSendTo", u"「送る」ポップアップメニューに追加"},
    {u"mmEnableMultiUndo", u"複数回のアンドゥを可能にする(&E)"},
    {u"pmSaveAndExit", u"保存→終了"},
    {u"tbBR", u"[Enter]で改行タグ<br>を挿入"},
};

QString str(const char16_t* text) { return QString::fromUtf16(text); }

// The Japanese form of an English caption's accelerator: "&x" becomes "(&X)".
QString expectedAccelerator(const QString& english) {
  const qsizetype amp = english.indexOf(u'&');
  if (amp < 0 || amp + 1 >= english.size()) return QString();
  return QStringLiteral("(&") + english.at(amp + 1).toUpper() + u')';
}

const CaptionEntry* find(const QString& component, CaptionKind kind, int index = 0) {
  for (const CaptionEntry& e : japaneseCaptionTable())
    if (e.component == component && e.kind == kind && e.index == index) return &e;
  return nullptr;
}

TEST(JapaneseCaptions, FixedEntriesReadExactly) {
  for (const Caption& c : kFixed) {
    SCOPED_TRACE(str(c.component).toStdString());
    const CaptionKind kind = str(c.component).startsWith(u"tb") ? CaptionKind::ToolHint
                                                                  : CaptionKind::MenuCaption;
    const CaptionEntry* entry = find(str(c.component), kind);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text, str(c.text));
  }
  const CaptionEntry* normal = find(QStringLiteral("HeaderComboBox"), CaptionKind::ComboItem, 0);
  ASSERT_NE(normal, nullptr);
  EXPECT_EQ(normal->text, QStringLiteral("標準"));
  for (int level = 1; level <= 5; ++level) {
    const CaptionEntry* heading =
        find(QStringLiteral("HeaderComboBox"), CaptionKind::ComboItem, level);
    ASSERT_NE(heading, nullptr);
    EXPECT_EQ(heading->text, QStringLiteral("見出し %1").arg(level));
  }
}

TEST(JapaneseCaptions, NoComponentIsSetTwice) {
  QSet<QString> seen;
  for (const CaptionEntry& e : japaneseCaptionTable()) {
    const QString key = QStringLiteral("%1/%2/%3").arg(e.component).arg(int(e.kind)).arg(e.index);
    EXPECT_FALSE(seen.contains(key)) << key.toStdString();
    seen.insert(key);
  }
}

TEST(JapaneseCaptions, MenuAcceleratorsFollowTheEnglishCaptions) {
  QHash<QString, QString> english;
  for (const Caption& c : kEnglish) english.insert(str(c.component), str(c.text));
  QSet<QString> fixed;
  for (const Caption& c : kFixed) fixed.insert(str(c.component));

  QSet<QString> translated;
  for (const CaptionEntry& e : japaneseCaptionTable()) {
    if (e.kind != CaptionKind::MenuCaption) continue;
    SCOPED_TRACE(e.component.toStdString());
    translated.insert(e.component);
    ASSERT_TRUE(english.contains(e.component));
    EXPECT_LE(e.text.count(u'&'), 1);
    if (fixed.contains(e.component)) continue;
    const QString source = english.value(e.component);
    const bool ellipsis = source.endsWith(u"...");
    EXPECT_EQ(e.text.endsWith(u"..."), ellipsis);
    QString body = ellipsis ? e.text.chopped(3) : e.text;
    const QString accelerator = expectedAccelerator(source);
    if (accelerator.isEmpty()) {
      EXPECT_FALSE(body.contains(u'&'));
    } else {
      EXPECT_TRUE(body.endsWith(accelerator)) << body.toStdString();
      body.chop(accelerator.size());
    }
    EXPECT_FALSE(body.trimmed().isEmpty());
  }
  EXPECT_EQ(translated.size(), english.size());
}

// Groups come in the order they are applied: main menu, tool hints, pop-up
// menu, heading items 0 to 5; only combo items carry an index, and hints and
// combo items are plain text without an accelerator.
TEST(JapaneseCaptions, GroupsComeInApplyingOrder) {
  const auto groupOf = [](const CaptionEntry& e) {
    if (e.kind == CaptionKind::ComboItem) return 3;
    if (e.kind == CaptionKind::ToolHint) return e.component.startsWith(u"tb") ? 1 : -1;
    if (e.component.startsWith(u"mm")) return 0;
    return e.component.startsWith(u"pm") ? 2 : -1;
  };
  int counts[4] = {0, 0, 0, 0};
  int previous = 0;
  for (const CaptionEntry& e : japaneseCaptionTable()) {
    const int group = groupOf(e);
    ASSERT_GE(group, previous) << e.component.toStdString();
    if (group == 1 || group == 3) {
      EXPECT_FALSE(e.text.isEmpty() || e.text.contains(u'&')) << e.component.toStdString();
    }
    if (group == 3) {
      EXPECT_EQ(e.component, QStringLiteral("HeaderComboBox"));
      EXPECT_EQ(e.index, counts[3]);
    } else {
      EXPECT_EQ(e.index, 0) << e.component.toStdString();
    }
    ++counts[group];
    previous = group;
  }
  EXPECT_EQ(counts[0], 76);
  EXPECT_EQ(counts[1], 28);
  EXPECT_EQ(counts[2], 8);
  EXPECT_EQ(counts[3], 6);
}

}  // namespace
}  // namespace wrenpad
