// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window with an English interface for tests that open, edit and save
// files byte for byte.

#include "editor/editor_control.h"
#include "documents/document_commands.h"
#include "support/window_fixture.h"

#include <gtest/gtest.h>

namespace wrenpad::test {

struct DocumentWindow : ::testing::Test {
  TempFolder folder;
  ScriptedDialogs dialogs;
  std::unique_ptr<TMain> main;

  void SetUp() override { main = startWindow(folder, dialogs, {}, kEnglishSettings); }
  void TearDown() override { closeWithoutSaving(*main); }
  QString open(const QString& name, const QByteArray& bytes) {
    const QString path = folder.write(name, bytes);
    main->documents().OpenFile(path);
    return path;
  }
  QByteArray saved(const QString& path) {
    EXPECT_TRUE(main->documents().mmSaveClick());
    return TempFolder::read(path);
  }
  void append(const QString& text) {
    main->editor().select(main->editor().textLength(), 0);
    main->editor().replaceSelection(text);
  }
};

// 日本 and a line end, in Shift-JIS and in EUC-JP.
inline const QByteArray kSjis("\x93\xfa\x96\x7b\r\n");
inline const QByteArray kEuc("\xc6\xfc\xcb\xdc\r\n");

}  // namespace wrenpad::test
