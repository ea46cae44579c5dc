// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/program_commands.h"

#include "documents/document_kind.h"
#include "documents/document_state.h"
#include "editing/editing_tools.h"
#include "editor/editor_control.h"
#include "platform/dialogs.h"
#include "programming/build_output.h"
#include "programming/compile_outcome.h"
#include "programming/message_pane.h"
#include "programming/programming_options.h"
#include "programming/terminal.h"
#include "programming/tool_chain.h"
#include "programming/tool_profile.h"
#include "settings/settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace wrenpad {

namespace {

constexpr int kLogWatchInterval = 3000;

// The folder the user picks for a tool: its "bin" folder for C/C++ and Java,
// whose parent the setting keeps; the folder itself for Free Pascal.
QString& toolFolderSetting(Settings& settings, LanguageMode mode) {
  switch (mode) {
    case LanguageMode::Cpp: return settings.BCCpath;
    case LanguageMode::Java: return settings.JDKpath;
    case LanguageMode::Pascal: return settings.FPpath;
    case LanguageMode::Perl: return settings.DocumentRoot;
  }
  return settings.BCCpath;
}

// The tools looked for in a chosen folder, the first one found counts.
QStringList toolNames(LanguageMode mode) {
  switch (mode) {
    case LanguageMode::Cpp: return {QStringLiteral("g++"), QStringLiteral("gcc")};
    case LanguageMode::Java: return {QStringLiteral("javac")};
    case LanguageMode::Pascal: return {QStringLiteral("fpc")};
    case LanguageMode::Perl: return {};
  }
  return {};
}

bool isOnPath(const QString& folder) {
  const QString wanted = QDir::cleanPath(folder);
  const QStringList entries = qEnvironmentVariable("PATH").split(QDir::listSeparator(), Qt::SkipEmptyParts);
  return std::any_of(entries.begin(), entries.end(),
                     [&wanted](const QString& entry) { return QDir::cleanPath(entry) == wanted; });
}

QString withoutAccelerator(QString caption) {
  caption.remove(QStringLiteral("(&S)"));
  return caption.remove(u'&');
}

}  // namespace

ProgramCommands::ProgramCommands(const ProgramContext& context) : c_(context) {
  QObject::connect(&compiler_, &CapturedRun::outputChanged, &c_.pane,
                   [this](const QString& text) { c_.pane.setPlainText(text); });
  QObject::connect(&compiler_, &CapturedRun::finished, &c_.pane,
                   [this](const RunResult& result) { compileFinished(result); });
}

ProgramCommands::~ProgramCommands() = default;

LanguageMode ProgramCommands::languageMode() const { return languageModeFrom(c_.settings.PL); }

TProgrammingOptions& ProgramCommands::optionsForm() {
  if (!optionsForm_) optionsForm_ = std::make_unique<TProgrammingOptions>();
  return *optionsForm_;
}

// ---- tool folders and options ----------------------------------------------------

void ProgramCommands::mmSetCompilerClick() {
  const LanguageMode mode = languageMode();
  c_.dialogs.showMessage(kApplicationTitle, ToolFolderPrompt(mode, c_.profile));
  QString start = toolFolderSetting(c_.settings, mode);
  if (mode != LanguageMode::Perl && !start.isEmpty() && mode != LanguageMode::Pascal)
    start = QDir(start).filePath(QStringLiteral("bin"));
  if (start.isEmpty() || !QFileInfo(start).isDir())
    start = mode == LanguageMode::Perl ? QDir::homePath() : QStringLiteral("/usr/bin");
  const QString title = withoutAccelerator(CodingMenuCaptionsFor(mode, c_.profile).setCompiler);
  const QString chosen = c_.dialogs.chooseFolder(title, start);
  if (!chosen.isEmpty()) chooseToolFolder(mode, QDir::cleanPath(chosen));
  c_.host.showCurrentFolder();
}

// Records the chosen folder when the tool is there, makes the tool's folder
// (the JDK's own for Java) the current folder, and says how the tool will be
// run. Nothing is written into the folder or into start-up files.
bool ProgramCommands::chooseToolFolder(LanguageMode mode, const QString& chosen) {
  if (mode == LanguageMode::Perl) {
    c_.settings.DocumentRoot = chosen;
    return true;
  }
  const QStringList names = toolNames(mode);
  const auto found = std::find_if(names.begin(), names.end(), [&chosen](const QString& name) {
    const QFileInfo tool(QDir(chosen).filePath(name));
    return tool.isFile() && tool.isExecutable();
  });
  if (found == names.end()) {
    c_.dialogs.showError(kApplicationTitle,
                         tr("%1 was not found in \"%2\". The setting stays as it was.")
                             .arg(names.join(QStringLiteral(" / ")), chosen));
    return false;
  }
  // Borland C++ and the JDK are chosen by their "bin" folder; the setting
  // keeps the installation folder above it.
  const bool keepsParent = mode != LanguageMode::Pascal && QFileInfo(chosen).fileName() == QStringLiteral("bin");
  QString& setting = toolFolderSetting(c_.settings, mode);
  setting = keepsParent ? QFileInfo(chosen).path() : chosen;
  c_.document.CurrentFolder = mode == LanguageMode::Java ? setting : chosen;
  if (!isOnPath(chosen))
    c_.dialogs.showMessage(kApplicationTitle,
                           tr("\"%1\" is not on PATH. Wrenpad runs %2 from this folder by its full path.")
                               .arg(chosen, *found));
  return true;
}

void ProgramCommands::mmCompilerOptionClick() {
  const int index = std::clamp<int>(c_.settings.PL, 0, 4);
  QString& option = c_.settings.CompilerOption[index];
  const std::optional<QString> answer =
      c_.dialogs.inputText(tr("Setting of Compiler Option"),
                           tr("Please input the compiler option (e.g.: -O2)"),
                           option);
  if (answer) option = *answer;
}

void ProgramCommands::mmProgrammingOptionsClick() {
  ProgrammingOptionsValues shown;
  shown.languages = ProgrammingLanguageItems(c_.profile);
  shown.language = int(languageMode());
  shown.appletWidth = c_.settings.AppletWidth;
  shown.appletHeight = c_.settings.AppletHeight;
  shown.tabWidth = c_.settings.TabWidth;
  const std::optional<ProgrammingOptionsValues> chosen = c_.dialogs.askForm(optionsForm(), shown);
  if (!chosen) return;
  // The numbers count however the dialog was closed; the language on OK only.
  c_.settings.AppletWidth = chosen->appletWidth;
  c_.settings.AppletHeight = chosen->appletHeight;
  c_.settings.TabWidth = std::int8_t(std::clamp(chosen->tabWidth, 1, 127));
  if (!chosen->confirmed) return;
  c_.settings.PL = std::int8_t(languageModeFrom(chosen->language));
  if (c_.settings.PL == int(LanguageMode::Cpp)) c_.settings.CompilerOption[0] = QStringLiteral("-O2");
  c_.host.UpdateCodingMenu();
  c_.host.languageChanged();
}

// ---- compile and execute ----------------------------------------------------------

void ProgramCommands::mmCompile_and_ExecuteClick(bool compileOnly) {
  if (compiler_.isRunning()) {
    c_.dialogs.showMessage(kApplicationTitle, tr("A compile is still running. Please wait until it has finished."));
    return;
  }
  c_.pane.clear();
  const LanguageMode mode = languageMode();
  if (!c_.editor.isModified() && !compileOnly &&
      IsBuildUpToDate(mode, c_.document.CurrentFileName, c_.profile, failedBuilds_)) {
    mmExecuteClick();
    return;
  }
  if (!saveAsProgram()) return;
  ExecuteAfterCompile = !compileOnly;
  if (mode == LanguageMode::Perl)
    startCgiTest();
  else
    startCompile();
}

// Saves the document; false when it is not, after that, a saved program
// file (the save was cancelled, failed, or gave it another kind of name).
bool ProgramCommands::saveAsProgram() {
  if (!c_.save()) return false;
  const QString& name = c_.document.CurrentFileName;
  return !c_.editor.isModified() && isProgramFile(name) && QFileInfo(name).isFile();
}

void ProgramCommands::startCompile() {
  const LanguageMode mode = languageMode();
  const QString& source = c_.document.CurrentFileName;
  if (mode == LanguageMode::Java) {
    // A class left from an earlier build must not pass for this one.
    if (const std::optional<QString> output = BuildOutputFor(mode, source, c_.profile)) QFile::remove(*output);
  }
  const std::optional<RunRequest> request = CompileRequest(
      {mode, source, c_.settings.CompilerOption[int(mode)], toolFolderSetting(c_.settings, mode)});
  if (!request) return;
  compileSucceeded_ = false;
  afterCompile_.reset();
  compiledPath_ = source;
  compiledSource_ = files::stampOf(source);
  compileTool_ = request->program;
  compileToolFolder_ = toolFolderSetting(c_.settings, mode);
  compiler_.start(*request);
}

// Why the compiler did not start: where it was looked for when it is not
// there, else what the system said.
QString ProgramCommands::compilerNotStarted(const RunResult& result) const {
  const bool found = compileTool_.contains(u'/') || !QStandardPaths::findExecutable(compileTool_).isEmpty();
  if (found)
    return tr("The compiler \"%1\" could not be started: %2").arg(compileTool_, result.startError);
  const QString setCompiler =
      withoutAccelerator(CodingMenuCaptionsFor(languageMode(), c_.profile).setCompiler);
  QStringList places = ToolSearchFolders(compileToolFolder_, qEnvironmentVariable("PATH"));
  for (QString& place : places) place = u'"' + place + u'"';
  return tr("The compiler \"%1\" was not found. It was looked for in the folder set with \"%2\" "
            "(if any) and in the folders of PATH: %3.\nPlease install it, or choose its folder with \"%2\".")
      .arg(compileTool_, setCompiler, places.isEmpty() ? QStringLiteral("-") : places.join(QStringLiteral(", ")));
}

void ProgramCommands::compileFinished(const RunResult& result) {
  c_.pane.setPlainText(result.paneText());
  if (!result.started) {
    c_.dialogs.showError(kApplicationTitle, compilerNotStarted(result));
    return;
  }
  compileSucceeded_ = !result.crashed && result.exitCode == 0;
  failedBuilds_.compiled(compiledSource_, compileSucceeded_);
  // javac writes the classes it could even when the compile fails: such a
  // class is no build of the source, also for a later run of the editor.
  if (!compileSucceeded_ && compiledPath_.endsWith(QStringLiteral(".java"), Qt::CaseInsensitive)) {
    if (const std::optional<QString> output = BuildOutputFor(LanguageMode::Java, compiledPath_, c_.profile))
      QFile::remove(*output);
  }
  AfterCompile next{CompileOutcomeFor(c_.pane.toPlainText(), languageMode(), c_.profile,
                                     c_.document.CurrentFileName, ExecuteAfterCompile, compileSucceeded_),
                    std::nullopt};
  if (next.outcome.errorPosition && next.outcome.jump) {
    // The pane's own line there, read as a double click on it would read it.
    const QTextBlock line = c_.pane.document()->findBlock(int(*next.outcome.errorPosition));
    const MessageTarget target = MessageJumpTarget(line.text(), line.blockNumber(), languageMode(), c_.profile,
                                                   c_.document.CurrentFileName);
    if (const auto* place = std::get_if<MessageJump>(&target)) next.place = *place;
  }
  afterCompile_ = std::move(next);
  c_.completionTimer.start();
}

void ProgramCommands::Timer1Timer() {
  const QFileInfo source(c_.document.CurrentFileName);
  static const QStringList extensions = {QStringLiteral("cpp"), QStringLiteral("c"), QStringLiteral("java"),
                                         QStringLiteral("pas"), QStringLiteral("pp")};
  if (!source.isFile() || !extensions.contains(source.suffix().toLower())) return;
  c_.completionTimer.stop();
  if (!afterCompile_) return;
  const AfterCompile next = *std::exchange(afterCompile_, std::nullopt);
  const CompileOutcome& outcome = next.outcome;
  // The mark beside the text belongs to the last compile: a jump below puts
  // it on the first error's line; a build without one in the document has none.
  if (!outcome.jump) c_.host.markErrorLine(std::nullopt);
  if (outcome.errorPosition) {
    QTextCursor cursor = c_.pane.textCursor();
    cursor.setPosition(int(std::min<qsizetype>(*outcome.errorPosition, c_.pane.document()->characterCount() - 1)));
    c_.pane.setTextCursor(cursor);
    c_.pane.ensureCursorVisible();
    // An error whose trail never reaches the document stays on show in the
    // pane; the caret keeps its place.
    if (next.place) jumpTo(*next.place);
  } else if (outcome.execute) {
    mmExecuteClick();
  }
}

void ProgramCommands::mmExecuteClick() {
  const LanguageMode mode = languageMode();
  const QString& source = c_.document.CurrentFileName;
  if (mode == LanguageMode::Perl || !isProgramFile(source)) return;
  if (mode == LanguageMode::Java) {
    const QString program = c_.editor.text();
    if (program.contains(QStringLiteral("java.applet")) || program.contains(QStringLiteral("JApplet"))) {
      c_.host.showAppletPage();
      return;
    }
  }
  const std::optional<QStringList> command = ExecuteCommand(mode, source, c_.settings.JDKpath);
  if (!command) return;
  const QString folder = QFileInfo(source).absolutePath();
  const std::optional<TerminalLaunch> launch = TerminalLaunchFor(*command, folder, systemTerminalEnvironment());
  if (!launch) {
    c_.dialogs.showError(kApplicationTitle,
                         tr("No terminal program was found to run the program in. Please install one "
                            "(for example xterm) or name it in the TERMINAL environment variable."));
    return;
  }
  if (!QProcess::startDetached(launch->program, launch->arguments, launch->workingFolder))
    c_.dialogs.showError(kApplicationTitle, tr("The terminal \"%1\" could not be started.").arg(launch->program));
}

// ---- the CGI test -------------------------------------------------------------------

void ProgramCommands::startCgiTest() {
  const QString root = c_.settings.DocumentRoot;
  if (root.isEmpty() || !QFileInfo(root).isDir()) {
    const QString command = withoutAccelerator(CodingMenuCaptionsFor(LanguageMode::Perl, c_.profile).setCompiler);
    c_.dialogs.showError(kApplicationTitle,
                         tr("The document root of the test server is not set. Please choose it with \"%1\".")
                             .arg(command));
    return;
  }
  const ServerStart start = server_.ensureRunning(root);
  if (!start.ok) {
    c_.dialogs.showError(kApplicationTitle, start.failure);
    return;
  }
  const QString address = CgiPageAddress(c_.editor.text(), c_.document.CurrentFileName, root,
                                         start.base.toString());
  if (address.isEmpty()) {
    c_.dialogs.showError(kApplicationTitle,
                         tr("\"%1\" is not inside the document root \"%2\" of the test server, so the "
                            "server cannot run it.")
                             .arg(c_.document.CurrentFileName, root));
    return;
  }
  c_.logTimer.setInterval(kLogWatchInterval);
  c_.logTimer.start();
  c_.host.moveToUpperHalf();
  logWatch_.begin(CgiLogFileFor(root));
  c_.host.openWebPage(QUrl(address));
}

void ProgramCommands::Timer3Timer() {
  // The watch belongs to a CGI test; with another language it is over.
  if (languageMode() != LanguageMode::Perl) {
    c_.logTimer.stop();
    return;
  }
  const std::optional<QString> gained = logWatch_.tick();
  if (!gained) {
    // A log that cannot be read ends the watch with one report.
    if (!logWatch_.active() && !logWatch_.problem().isEmpty()) {
      c_.logTimer.stop();
      c_.dialogs.showError(kApplicationTitle, logWatch_.problem());
    }
    return;
  }
  c_.pane.setPlainText(*gained);
  c_.logTimer.stop();
}

// ---- the message pane ---------------------------------------------------------------

void ProgramCommands::CMsgWindowDblClick() {
  if (c_.pane.toPlainText().isEmpty()) return;
  const MessageTarget target = MessageJumpTarget(c_.pane.caretLineText(), c_.pane.caretLineIndex(),
                                                 languageMode(), c_.profile, c_.document.CurrentFileName);
  // A line that names no place of the document (a header's, a unit's, a
  // banner, a number that cannot be read) leaves the caret where it is.
  if (const auto* place = std::get_if<MessageJump>(&target)) jumpTo(*place);
}

void ProgramCommands::jumpToMessageLine(int index) {
  const QTextBlock line = c_.pane.document()->findBlockByNumber(index);
  if (!line.isValid()) return;
  c_.pane.setTextCursor(QTextCursor(line));
  c_.pane.ensureCursorVisible();
  CMsgWindowDblClick();
}

void ProgramCommands::jumpTo(const MessageJump& place) {
  c_.tools.GoToLine(place.line, place.column);
  c_.host.markErrorLine(c_.editor.lineFromPosition(c_.editor.selStart()));
  c_.host.showLineNumber(QString::number(place.line));
}

void ProgramCommands::CMsgWindowClick() {
  if (languageMode() == LanguageMode::Perl && c_.pane.toPlainText().isEmpty()) Timer3Timer();
}

}  // namespace wrenpad
