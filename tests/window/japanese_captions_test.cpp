#include "window/japanese_captions.h"
#include "window/menu_table.h"

#include <gtest/gtest.h>

#include <QHash>
#include <QSet>

namespace wrenpad {
namespace {

struct Caption {
  const char16_t* component;
  const char16_t* text;
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
  QSet<QString> fixed;
  for (const Caption& c : kFixed) fixed.insert(str(c.component));

  QSet<QString> translated;
  for (const CaptionEntry& e : japaneseCaptionTable()) {
    if (e.kind != CaptionKind::MenuCaption) continue;
    SCOPED_TRACE(e.component.toStdString());
    translated.insert(e.component);
    const QString source = designedCaption(e.component);
    ASSERT_FALSE(source.isEmpty());
    EXPECT_LE(e.text.count(u'&'), 1);
    if (fixed.contains(e.component)) continue;
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
  EXPECT_EQ(translated.size(), 85);  // every menu and pop-up entry, once
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
  EXPECT_EQ(counts[0], 77);
  EXPECT_EQ(counts[1], 28);
  EXPECT_EQ(counts[2], 8);
  EXPECT_EQ(counts[3], 6);
}

}  // namespace
}  // namespace wrenpad
