// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Coding menu's commands: where each tool chain lives, the compiler
// option, the programming options, Compile and Execute with the check that
// follows a compile, Execute in a terminal, the Perl CGI test through the
// local test server with the watch of its error log, and the jumps from the
// message pane to the source.

#include "documents/file_access.h"
#include "programming/build_output.h"
#include "programming/captured_run.h"
#include "programming/cgi_log_watch.h"
#include "programming/compile_outcome.h"
#include "programming/message_jump.h"
#include "programming/test_server.h"

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

class QTimer;

namespace wrenpad {

class Dialogs;
class EditingTools;
class EditorControl;
class MessagePane;
class TProgrammingOptions;
struct DocumentState;
struct Settings;

// What the commands need of the window.
class ProgramHost {
 public:
  virtual ~ProgramHost() = default;
  virtual void showCurrentFolder() = 0;
  virtual void showLineNumber(const QString& text) = 0;
  // The Coding menu's captions follow the language.
  virtual void UpdateCodingMenu() = 0;
  // The keyword list and colours of the language just chosen.
  virtual void languageChanged() = 0;
  // A page of the test server, in the browser the options name.
  virtual void openWebPage(const QUrl& page) = 0;
  // The applet page of a Java applet, in the preview.
  virtual void showAppletPage() = 0;
  // The window moves to the upper half of the screen, leaving the lower half
  // to the browser.
  virtual void moveToUpperHalf() = 0;
  // The line (0-based) of the last compile error or message jump, marked
  // beside the text; nothing takes the mark away.
  virtual void markErrorLine(std::optional<int> line) = 0;
};

struct ProgramContext {
  EditorControl& editor;
  Dialogs& dialogs;
  ProgramHost& host;
  DocumentState& document;
  Settings& settings;
  MessagePane& pane;
  EditingTools& tools;
  QTimer& completionTimer;  // Timer1: the check two seconds after a compile
  QTimer& logTimer;         // Timer3: the watch of the test server's log
  std::function<bool()> save;  // the Save command; false when nothing was saved
  ToolProfile profile = ToolProfile::Linux;
};

class ProgramCommands {
  Q_DECLARE_TR_FUNCTIONS(ProgramCommands)

 public:
  explicit ProgramCommands(const ProgramContext& context);
  ~ProgramCommands();

  void mmSetCompilerClick();
  void mmCompilerOptionClick();
  void mmProgrammingOptionsClick();
  // Compile and Execute (`compileOnly` false: F9, the tool button) and
  // Compile (true: Ctrl+F9).
  void mmCompile_and_ExecuteClick(bool compileOnly);
  void mmExecuteClick();
  // The check after a compile; the window's Timer1 tick comes here once the
  // start-up open is done.
  void Timer1Timer();
  // A compile ended: its outcome is read from its messages at once, and
  // the next tick of the check (Timer1Timer) acts on it.
  void compileFinished(const RunResult& result);
  void Timer3Timer();
  void CMsgWindowDblClick();
  void CMsgWindowClick();
  // The pane's caret to its line `index` (0-based), shown, and the document's
  // caret to the place that line names, as a double click on it does.
  void jumpToMessageLine(int index);

  LanguageMode languageMode() const;
  bool isCompiling() const { return compiler_.isRunning(); }
  TestServer& testServer() { return server_; }
  // The form, for tests that look at it.
  TProgrammingOptions& optionsForm();

 private:
  bool saveAsProgram();
  void startCompile();
  // The caret to the place a message names, marked beside the text.
  void jumpTo(const MessageJump& place);
  QString compilerNotStarted(const RunResult& result) const;
  void startCgiTest();
  bool chooseToolFolder(LanguageMode mode, const QString& chosen);

  ProgramContext c_;
  CapturedRun compiler_;
  TestServer server_;
  CgiLogWatch logWatch_;
  std::unique_ptr<TProgrammingOptions> optionsForm_;
  bool ExecuteAfterCompile = false;
  bool compileSucceeded_ = false;
  // What the tick after the last compile does, decided when it ended: the
  // outcome, and the place in the document its first error leads to.
  struct AfterCompile {
    CompileOutcome outcome;
    std::optional<MessageJump> place;
  };
  std::optional<AfterCompile> afterCompile_;
  QString compiledPath_;             // the source the running compile reads
  files::FileStamp compiledSource_;  // and its stamp then
  FailedBuilds failedBuilds_;
  QString compileTool_;        // the program the last compile ran
  QString compileToolFolder_;  // and the folder set for it
};

}  // namespace wrenpad
