// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A headless stand-in for the main window around the key handling and the
// mark-up commands: an editor, scripted dialogs, a host that records what
// the window would show, and a tag painter that colours with the real spans.

#include "documents/editor_view.h"
#include "colouring/page_painting.h"
#include "colouring/tag_spans.h"
#include "editing/editing_tools.h"
#include "editing/editor_events.h"
#include "editing/recording_host.h"
#include "html/html_commands.h"
#include "documents/document_state.h"
#include "editor/editor_control.h"
#include "language/message_table.h"
#include "settings/settings.h"
#include "support/caret_text.h"
#include "support/scripted_dialogs.h"

#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <utility>
#include <vector>

// Colours in failure messages as "#rrggbb".
inline void PrintTo(const QColor& colour, std::ostream* out) { *out << colour.name().toStdString(); }

namespace wrenpad::test {

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
