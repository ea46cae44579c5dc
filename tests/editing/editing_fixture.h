// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A headless stand-in for the main window around the key handling and the
// mark-up commands: an editor, scripted dialogs, a host that records what
// the window would show, and a tag painter that colours with the real spans.

#include "documents/editor_view.h"
#include "colouring/page_painting.h"
#include "colouring/tag_spans.h"
#include "editing/editing_host.h"
#include "editing/editing_tools.h"
#include "editing/editor_events.h"
#include "html/html_commands.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "language/message_table.h"
#include "settings/settings.h"
#include "support/caret_text.h"
#include "support/scripted_dialogs.h"

#include <QHash>
#include <QSet>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>
#include <vector>

// Colours in failure messages as "#rrggbb".
inline void PrintTo(const QColor& colour, std::ostream* out) { *out << colour.name().toStdString(); }

namespace wrenpad::test {

class RecordingHost : public EditingHost {
 public:
  int statesShown = 0;
  int heading = 0;
  QString lineNumber = QStringLiteral("1");
  QSet<int> running;
  QStringList modeSwitches;
  std::vector<QPoint> popups;

  void showCommandStates() override { ++statesShown; }
  int headingIndex() const override { return heading; }
  void showHeadingIndex(int index) override { heading = index; }
  QString lineNumberText() const override { return lineNumber; }
  void showLineNumber(const QString& text) override { lineNumber = text; }
  // The timers by the window's numbers: 2 snapshot, 4 heading, 5 caret context.
  void startSnapshotTimer() override { start(2); }
  bool isSnapshotTimerRunning() const override { return running.contains(2); }
  void startHeadingTimer() override { start(4); }
  void stopHeadingTimer() override { running.remove(4); }
  void startCaretContextTimer() override { start(5); }
  void stopCaretContextTimer() override { running.remove(5); }
  void start(int number) { running.insert(number), started << number; }
  QList<int> started;  // every start, in order
  void resetProgressBar() override {}
  void SetWebPageMode(bool on) override { modeSwitches << (on ? "web on" : "web off"); }
  void showPopupMenu(const QPoint& at) override { popups.push_back(at); }
  void lookUpInHelp(const QString&) override {}
};

struct EditingFixture : ::testing::Test {
  QWidget window;
  EditorControl editor{&window};
  ScriptedDialogs dialogs;
  RecordingHost host;
  DocumentState document;
  SessionState session;
  Settings settings;
  MessageTable messages = englishMessages();
  CaretContextFlags caret;
  CommandMarks marks;
  std::vector<std::pair<int, int>> singleTags;  // PaintSingleTag calls
  std::vector<std::pair<int, int>> ranges;      // PaintTagsInRange calls
  std::vector<std::pair<int, int>> rendered;    // RenderWebFormats calls

  // The mark-up commands' painting: single tags coloured with the real
  // spans, ranges recorded.
  struct Painting : PagePainting {
    EditingFixture& fixture;
    explicit Painting(EditingFixture& owner) : fixture(owner) {}
    void paintSingleTag(int from, int to) override { fixture.paintSingleTag(from, to); }
    void paintTagsInRange(int start, int finish) override { fixture.ranges.emplace_back(start, finish); }
    void renderWebFormats(int start, int finish) override { fixture.rendered.emplace_back(start, finish); }
    void plainRange(int, int) override {}
  } painting{*this};

  EditorView view{{.editor = editor}};
  ShownView shown{view};
  EditingContext context() {
    return {editor, shown, dialogs, host, document, session, settings, messages, caret, marks, &painting,
            [] { return QStringLiteral("Page Face"); }, {}};
  }
  EditorEvents keys{context()};
  EditingTools tools{context()};
  HtmlCommands html{HtmlContext{editor, dialogs, host, document, settings, caret, marks, keys, painting, {}}};

  EditingFixture() {
    document.DocumentMode = kHtmlMode;
    settings.AutoBR = false;
    document.CurrentFileName = QStringLiteral("/tmp/page.htm");
    session.ChangeWatch = true;
    QObject::connect(&editor, &EditorControl::keyDown, [this](KeyEventInfo& key) { keys.EditorKeyDown(key); });
    QObject::connect(&editor, &EditorControl::keyUp, [this](KeyEventInfo& key) { keys.EditorKeyUp(key); });
    QObject::connect(&editor, &EditorControl::textChanged, [this] { keys.EditorChange(); });
  }

  // Colours one closed tag with the painter's spans, as the window's adapter does.
  void paintSingleTag(int from, int to) {
    singleTags.emplace_back(from, to);
    std::vector<EditorControl::FormatRun> runs;
    for (const ColourSpan& span : PaintSingleTag(editor.text(), from, to).spans) {
      runs.push_back({span.start, span.length, {}});
      runs.back().attributes.color = FormatOfSpan(span.kind, TagPaintStyle{}).colour;
    }
    editor.applyFormats(runs);
  }

  void setText(const QString& withCaret) { test::setTextWithCaret(editor, withCaret); }
  QString textWithCaret() const { return test::textWithCaret(editor); }
  CharAttributes attributesAt(int position) {  // the selection stays
    const int start = editor.selStart(), length = editor.selLength();
    editor.select(position, 1);
    const CharAttributes attributes = editor.selAttributes();
    editor.select(start, length);
    return attributes;
  }
  QColor colourAt(int position) { return *attributesAt(position).color; }
};

}  // namespace wrenpad::test
