// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The file commands without the main window: a real editor and large view,
// scripted dialogs, and a host that switches the document mode as the window
// does and records the rest, for tests that open, edit and save files byte
// for byte.

#include "documents/document_commands.h"
#include "documents/document_host.h"
#include "documents/document_mode.h"
#include "documents/large_files.h"
#include "editor/editor_control.h"
#include "large_view/large_text_view.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace wrenpad::test {

class RecordingDocumentHost : public DocumentHost {
 public:
  explicit RecordingDocumentHost(DocumentState& document) : document_(document) {}
  LargeFiles* largeFiles = nullptr;
  QString caption;
  QStringList used;  // every fileUsed name, in order
  std::optional<int> newKind = 0;  // the answer to the document-type question

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
  void processPendingEvents() override {}
  std::optional<int> askDocumentType() override { return newKind; }
  void newProgramFromTemplate() override {}
  void newPageFromText() override {}
  void fileUsed(const QString& fullName) override { used << fullName; }

 private:
  DocumentState& document_;
};

struct DocumentFiles : ::testing::Test {
  TempFolder folder;
  ScriptedDialogs dialogs;
  QWidget window;
  EditorControl editor{&window};
  large::LargeTextView largeView{&window};
  DocumentState document;
  SessionState session;
  Settings settings;
  const MessageTable messages = englishMessages();
  RecordingDocumentHost host{document};
  LargeFiles largeFiles{{.view = largeView, .dialogs = dialogs, .settings = settings,
                         .showView = [](bool) {}, .changedOnDisk = {}}};
  DocumentCommands files{{.editor = editor, .dialogs = dialogs, .host = host, .document = document,
                          .session = session, .settings = settings, .messages = messages,
                          .largeFiles = &largeFiles}};

  void SetUp() override {
    host.largeFiles = &largeFiles;
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

// 日本 and a line end, in Shift-JIS and in EUC-JP.
inline const QByteArray kSjis("\x93\xfa\x96\x7b\r\n");
inline const QByteArray kEuc("\xc6\xfc\xcb\xdc\r\n");

}  // namespace wrenpad::test
