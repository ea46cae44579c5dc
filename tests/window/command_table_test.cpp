// SPDX-License-Identifier: GPL-3.0-or-later
// The command table: its rows are well formed, every handler is reached from
// its menu item and its tool button, every Japanese caption reaches the
// screen, and check marks and states are views of the values.
#include "text/translation.h"
#include "window/command_actions.h"
#include "window/command_table.h"
#include "window/icons.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSet>
#include <QToolBar>
#include <map>
#include <optional>

namespace wrenpad {
namespace {

QString str(const char16_t* text) { return QString::fromUtf16(text); }
QString str(const char* text) { return QString::fromUtf8(text); }

bool isMenuItem(const CommandRow& row) { return !(row.flags & kToolOnly) && row.depth > 0; }

// Entries whose Japanese wording is fixed, accelerator included (some drop or change it).
const std::pair<const char*, const char16_t*> kFixed[] = {
    {"mmFile", u"ファイル(&F)"},
    {"mmHTML", u"Webページ(&W)"},
    {"mmRenameAsTopLine", u"先頭行をファイル名に(&R)"},
    {"mmBR", u"[Enter]で<br>を挿入(&S)"},
    {"mmRepaintTags", u"エディタの再着色(&G)"},
    {"mmCompile_and_Execute", u"コンパイル＆実行(&C)"},
    {"mmKcode", u"保存時の漢字コード(&O)"},
    {"mmAutoRepaint", u"自動着色(&U)"},
    {"mmRelateTxtFileToThis", u"拡張子の設定(&R)"},
    {"mmSCSendTo", u"「送る」ポップアップメニューに追加(&N)"},
    {"mmEnableMultiUndo", u"複数回のアンドゥを可能にする(&E)"},
    {"pmSaveAndExit", u"保存→終了(&S)"},
};

// The Japanese form of an English caption's accelerator: "&x" becomes "(&X)".
QString expectedAccelerator(const QString& english) {
  const qsizetype amp = english.indexOf(u'&');
  if (amp < 0 || amp + 1 >= english.size()) return QString();
  return QStringLiteral("(&") + english.at(amp + 1).toUpper() + u')';
}

TEST(CommandTable, RowsAreWellFormed) {
  QSet<QString> names;
  std::map<std::pair<ToolBar, int>, QString> places = {{{ToolBar::Main, 12}, "EnhancedEdit1"},
                                                       {{ToolBar::Html, 1}, "HeaderComboBox"}};
  int previousDepth = 0;
  bool inPopup = false;
  for (const CommandRow& row : commandTable()) {
    SCOPED_TRACE(row.name);
    for (const char* name : {row.name, row.tool.name}) {
      if (!*name || (row.flags & kToolOnly && name == row.tool.name)) continue;
      EXPECT_FALSE(names.contains(str(name))) << "named twice: " << name;
      names.insert(str(name));
    }
    if (!(row.flags & kToolOnly)) {
      EXPECT_LE(row.depth, previousDepth + 1);  // a sub-menu opens under its title
      EXPECT_TRUE(row.depth == 0 || !(row.flags & kPopup));
      if (row.depth == 0) inPopup = row.flags & kPopup;
      EXPECT_FALSE(inPopup && row.depth > 1);
      previousDepth = row.depth;
    }
    if (row.tool.bar != ToolBar::None) {
      const auto place = std::make_pair(row.tool.bar, row.tool.place);
      EXPECT_FALSE(places.count(place)) << "place taken by " << places[place].toStdString();
      places[place] = str(row.tool.name);
      EXPECT_FALSE(toolIcon(str(row.tool.name)).isNull());  // its picture is compiled in
    }
    // A check mark or a toggling button always shows a value.
    if (row.run && ((row.flags & kCheckable) || (row.tool.style & kToggles))) {
      EXPECT_NE(row.checked, nullptr);
    }
    EXPECT_EQ(findCommand(row.name), &row);
  }
  // The buttons and widgets of each bar fill its places from 1 on.
  for (ToolBar bar : {ToolBar::Main, ToolBar::Html}) {
    int expected = 1;
    for (const auto& [place, name] : places) {
      if (place.first != bar) continue;
      EXPECT_EQ(place.second, expected++) << name.toStdString();
    }
  }
  EXPECT_EQ(findCommand("tbBR"), findCommand("mmBR"));  // a button shares its item's command
  EXPECT_EQ(findCommand("noSuchCommand"), nullptr);
}

TEST(CommandTable, JapaneseCaptionsKeepTheAcceleratorsOfTheEnglishOnes) {
  const InterfaceLanguageScope japanese(InterfaceLanguage::Japanese);
  for (const auto& [name, text] : kFixed) EXPECT_EQ(captionOf(*findCommand(name)), str(text));
  EXPECT_EQ(hintOf(*findCommand("tbBR")), str(u"[Enter]で改行タグ<br>を挿入"));
  QSet<QString> fixed;
  for (const auto& entry : kFixed) fixed.insert(str(entry.first));
  int captions = 0, hints = 0;
  for (const CommandRow& row : commandTable()) {
    SCOPED_TRACE(row.name);
    if (hintOf(row) != str(row.tool.hint)) {
      ++hints;
      EXPECT_FALSE(hintOf(row).contains(u'&'));
    }
    // A caption without a Japanese text of its own stays English.
    const QString text = captionOf(row);
    const QString source = str(row.caption);
    if (text == source) continue;
    ++captions;
    EXPECT_LE(text.count(u'&'), 1);
    if (fixed.contains(str(row.name))) continue;
    const bool ellipsis = source.endsWith(u"...");
    EXPECT_EQ(text.endsWith(u"..."), ellipsis);
    QString body = ellipsis ? text.chopped(3) : text;
    const QString accelerator = expectedAccelerator(source);
    if (accelerator.isEmpty()) {
      EXPECT_FALSE(body.contains(u'&'));
    } else {
      EXPECT_TRUE(body.endsWith(accelerator)) << body.toStdString();
      body.chop(accelerator.size());
    }
    EXPECT_FALSE(body.trimmed().isEmpty());
  }
  EXPECT_EQ(captions, 95);  // every menu and pop-up entry that has one
  EXPECT_EQ(hints, 28);
  ASSERT_EQ(headingBoxItems().size(), 6);
  EXPECT_EQ(headingBoxItems()[0], str(u"標準"));
  for (int level = 1; level <= 5; ++level) EXPECT_EQ(headingBoxItems()[level], QStringLiteral("見出し %1").arg(level));
}

// Menus and bars built from the table in a bare window, with a dispatcher
// that records which row each trigger reached.
struct BuiltCommands : ::testing::Test {
  QMainWindow window;
  QMenu popup;
  QToolBar mainBar, htmlBar;
  std::vector<const CommandRow*> reached;
  CommandActions commands{commandTable(), [this](const CommandRow& row) { reached.push_back(&row); }};
  DocumentState document;
  Settings settings;
  SessionState session;
  CommandMarks marks;

  BuiltCommands() {
    commands.buildMenus(*window.menuBar(), popup);
    commands.buildToolBar(mainBar, ToolBar::Main, {});
    commands.buildToolBar(htmlBar, ToolBar::Html, {});
  }
  QAction* item(const char* name) { return commands.action(str(name)); }
  void show() { commands.showStates({document, settings, session, marks}); }
};

TEST_F(BuiltCommands, EveryHandlerIsReachedFromItsItemAndButtonAndUnbuiltOnesAreDisabled) {
  for (const CommandRow& row : commandTable()) {
    SCOPED_TRACE(row.name);
    if (row.flags & (kSeparator | kPopup) || (row.depth == 0 && !(row.flags & kToolOnly))) continue;
    std::vector<QAction*> actions;
    if (isMenuItem(row) && !commands.action(str(row.name))->menu()) actions.push_back(item(row.name));
    if (row.tool.bar != ToolBar::None) actions.push_back(item(row.tool.name));
    for (QAction* action : actions) {
      ASSERT_NE(action, nullptr);
      action->setVisible(true);  // Qt disables what it hides
      EXPECT_EQ(action->isEnabled(), row.run != nullptr);
      reached.clear();
      action->setEnabled(true);  // a view may disable it; the wiring is what counts here
      action->trigger();
      if (row.run)
        EXPECT_EQ(reached, std::vector<const CommandRow*>{&row});
      else
        EXPECT_TRUE(reached.empty());
    }
  }
}

TEST_F(BuiltCommands, ChecksAndStatesAreViewsOfTheValues) {
  settings.AutoBR = true;
  settings.Jpn = true;
  marks = {};
  marks.bold = true;
  marks.linkOpen = true;
  show();
  EXPECT_TRUE(item("mmBR")->isChecked());
  EXPECT_TRUE(item("tbBR")->isChecked());
  EXPECT_TRUE(item("mmSJIS")->isChecked());
  EXPECT_FALSE(item("mmEUC")->isChecked());
  EXPECT_TRUE(item("Japanese")->isChecked());
  EXPECT_FALSE(item("English")->isChecked());
  settings.Jpn = false;
  show();
  EXPECT_FALSE(item("Japanese")->isChecked());
  EXPECT_TRUE(item("English")->isChecked());
  EXPECT_TRUE(item("tbBold")->isChecked());
  EXPECT_FALSE(item("mmBold")->isCheckable());  // the menu item carries no mark
  EXPECT_FALSE(item("mmCut")->isEnabled());
  EXPECT_TRUE(item("pmLinkOpen")->isVisible());
  EXPECT_TRUE(item("N20")->isVisible());
  EXPECT_FALSE(item("pmAddRow")->isVisible());

  settings.AutoBR = false;
  settings.OutputCode = 1;
  marks.selection = marks.commentize = true;
  marks.linkOpen = false;
  show();
  EXPECT_FALSE(item("tbBR")->isChecked());
  EXPECT_FALSE(item("mmSJIS")->isChecked());
  EXPECT_TRUE(item("mmEUC")->isChecked());
  EXPECT_TRUE(item("mmCut")->isEnabled());
  EXPECT_TRUE(item("mmCommentize")->isEnabled());
  EXPECT_FALSE(item("N20")->isVisible());
  // The mark-up commands apply to pages only.
  EXPECT_FALSE(item("mmBold")->isEnabled());
  EXPECT_FALSE(item("tbBR")->isEnabled());
  document.DocumentMode = kHtmlMode;
  show();
  EXPECT_TRUE(item("mmBold")->isEnabled());
  EXPECT_TRUE(item("tbBR")->isEnabled());
  // A triggered check item keeps the value's mark, whatever Qt toggled.
  item("mmAutoRepaint")->trigger();
  show();
  EXPECT_EQ(item("mmAutoRepaint")->isChecked(), settings.AutoRepaint);
}

// The output code and the line end of new documents: exactly one item of
// each submenu checked, a broken stored code showing as Shift-JIS.
TEST_F(BuiltCommands, EachWritingChoiceChecksOneItemOfItsSubmenu) {
  const auto checked = [this](std::initializer_list<const char*> names) {
    QStringList on;
    for (const char* name : names)
      if (item(name)->isChecked()) on << name;
    return on.join(' ');
  };
  const auto codes = {"mmSJIS", "mmEUC", "mmUTF8"};
  const auto lineEnds = {"mmNewLF", "mmNewCRLF"};
  for (const auto& [stored, shown] : {std::pair{0, "mmSJIS"}, {1, "mmEUC"}, {2, "mmUTF8"}, {3, "mmSJIS"},
                                      {-1, "mmSJIS"}}) {
    settings.OutputCode = std::int8_t(stored);
    show();
    EXPECT_EQ(checked(codes), shown) << stored;
  }
  // The old EUC key alone no longer decides.
  settings.OutputCode = 2;
  settings.EUC = true;
  show();
  EXPECT_EQ(checked(codes), "mmUTF8");
  settings.NewDocumentsCRLF = false;
  show();
  EXPECT_EQ(checked(lineEnds), "mmNewLF");
  settings.NewDocumentsCRLF = true;
  show();
  EXPECT_EQ(checked(lineEnds), "mmNewCRLF");
  EXPECT_TRUE(item("mmNewLineEnds")->menu() != nullptr);
}

TEST_F(BuiltCommands, EveryJapaneseCaptionReachesItsItemOrButton) {
  std::optional<InterfaceLanguageScope> japanese(InterfaceLanguage::Japanese);
  commands.showCaptions();
  int shown = 0;
  for (const CommandRow& row : commandTable()) {
    SCOPED_TRACE(row.name);
    if (captionOf(row) != str(row.caption) && !(row.flags & kToolOnly)) {
      EXPECT_EQ(item(row.name)->text(), captionOf(row));
      ++shown;
    }
    if (hintOf(row) != str(row.tool.hint)) {
      EXPECT_EQ(item(row.tool.name)->toolTip(), hintOf(row));
      ++shown;
    }
  }
  EXPECT_EQ(shown, 95 + 28);
  EXPECT_EQ(item("mmSJIS")->text(), "&Shift-JIS");  // no Japanese caption: stays English
  japanese.reset();
  commands.showCaptions();
  EXPECT_EQ(item("mmFile")->text(), "&File");
  EXPECT_EQ(item("tbBR")->toolTip(), "insert \"<BR>\" on pressing [Enter]");
}

}  // namespace
}  // namespace wrenpad
