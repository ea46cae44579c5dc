// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A shown editor holding a web page, with the tag painter and the state it
// works on, for the benchmarks that colour or render pages. Questions are
// answered as a user pressing Cancel would.

#include "quiet_dialogs.h"

#include "colouring/tag_painter.h"
#include "editor/editor_control.h"

#include <QApplication>
#include <QWidget>

namespace wrenpad::bench {

class QuietColouringHost : public ColouringHost {
 public:
  void showCommandStates() override {}
  void setProgress(int) override {}
  void showWaitCursor(bool) override {}
};

struct ShownPageEditor {
  explicit ShownPageEditor(const QString& page, bool realization = false) {
    window.resize(900, 700);
    editor.widget()->resize(900, 700);
    window.show();
    settings.Realization = realization;
    document.DocumentMode = kHtmlMode;
    editor.setText(page);
    editor.setSelStart(editor.textLength() / 2);
    QApplication::processEvents();
  }
  // The whole page coloured, to its last slice.
  void repaint() {
    painter.mmRepaintTagsClick();
    painter.FinishRepaint();
  }

  QWidget window;
  EditorControl editor{&window};
  QuietDialogs dialogs;
  QuietColouringHost host;
  DocumentState document;
  SessionState session;
  Settings settings;
  MessageTable messages = englishMessages();
  ColouringState colouring = colouringStateFrom(settings);
  TagPainter painter{{editor, dialogs, host, document, session, settings, messages, colouring}};
};

}  // namespace wrenpad::bench
