// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/shell_integration.h"

#include "files/private_files.h"

#include "documents/document_kind.h"
#include "documents/document_state.h"
#include "language/message_table.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QProcess>
#include <algorithm>

namespace wrenpad {

namespace {

const QString kDesktopEntryName = QStringLiteral("wrenpad.desktop");
const QString kSendToEntryName = QStringLiteral("wrenpad-open-with.desktop");
// Letters past these are refused in an extension: they would not be safe
// in a MIME type's name, a glob or a file name.
const QString kExtensionPunctuation = QStringLiteral("_-+");
// The text types the program opens, as its shipped desktop entry lists them.
// text/x-c and text/x-perl are older aliases; the current names follow them.
const QStringList kTextTypes = {
    QStringLiteral("text/plain"),    QStringLiteral("text/html"),     QStringLiteral("text/x-c"),
    QStringLiteral("text/x-c++src"), QStringLiteral("text/x-java"),   QStringLiteral("text/x-perl"),
    QStringLiteral("text/x-pascal"), QStringLiteral("text/x-csrc"),   QStringLiteral("text/x-chdr"),
    QStringLiteral("text/x-c++hdr"), QStringLiteral("application/x-perl")};
// A tool that has not finished by then is taken as failed.
constexpr int kToolTimeoutMs = 60000;

bool isSafeExtension(const QString& extension) {
  return std::all_of(extension.begin(), extension.end(), [](QChar c) {
    return (c.unicode() < 128 && c.isLetterOrNumber()) || kExtensionPunctuation.contains(c);
  });
}

struct EntryText {
  QString name;
  QString nameJapanese;
  QString comment;
  QString commentJapanese;
  QString exec;
  QStringList mimeTypes;
  bool noDisplay = false;
};

QString desktopEntryText(const EntryText& entry) {
  QString text = QStringLiteral("[Desktop Entry]\nType=Application\n");
  text += QStringLiteral("Name=%1\nName[ja]=%2\n").arg(entry.name, entry.nameJapanese);
  text += QStringLiteral("Comment=%1\nComment[ja]=%2\n").arg(entry.comment, entry.commentJapanese);
  text += QStringLiteral("Exec=%1\nIcon=wrenpad\nTerminal=false\n").arg(entry.exec);
  text += entry.noDisplay ? QStringLiteral("NoDisplay=true\n")
                          : QStringLiteral("Categories=Utility;TextEditor;Development;\n");
  // An entry with types is a candidate for opening them by default: only
  // the main entry, which the user relates to a type on purpose, has them.
  if (!entry.mimeTypes.isEmpty()) text += QStringLiteral("MimeType=%1;\n").arg(entry.mimeTypes.join(u';'));
  return text;
}

// The MimeType list of an existing desktop entry; empty when it has none.
QStringList mimeTypesOfEntry(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.startsWith(u"MimeType="))
      return line.mid(9).split(u';', Qt::SkipEmptyParts);
  }
  return {};
}

bool isOurEntry(const QString& desktopId) {
  return desktopId == kDesktopEntryName || desktopId == kSendToEntryName;
}

}  // namespace

ToolRun RunTool(const QString& program, const QStringList& arguments,
                const QProcessEnvironment& environment) {
  QProcess process;
  process.setProcessEnvironment(environment);
  process.start(program, arguments);
  ToolRun run;
  if (!process.waitForStarted()) {
    run.errors = process.errorString();
    return run;
  }
  run.started = true;
  process.closeWriteChannel();
  if (!process.waitForFinished(kToolTimeoutMs)) {
    process.kill();
    process.waitForFinished();
    run.errors = ShellIntegration::tr("did not finish");
    return run;
  }
  run.output = QString::fromLocal8Bit(process.readAllStandardOutput());
  run.errors = QString::fromLocal8Bit(process.readAllStandardError());
  run.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
  return run;
}

ShellEnvironment SystemShellEnvironment(const QString& executable) {
  QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
  // The base directory rules ignore a relative path.
  if (dataHome.isEmpty() || QDir::isRelativePath(dataHome))
    dataHome = QDir::homePath() + QStringLiteral("/.local/share");
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("XDG_DATA_HOME"), dataHome);
  return {dataHome, executable, [environment](const QString& program, const QStringList& arguments) {
            return RunTool(program, arguments, environment);
          }};
}

QString ProposedExtension(const QString& fileName) { return extensionOf(fileName).mid(1).left(4); }

QString DesktopEntryPath(const ShellEnvironment& environment) {
  return environment.dataHome + QStringLiteral("/applications/") + kDesktopEntryName;
}

QString SendToEntryPath(const ShellEnvironment& environment) {
  return environment.dataHome + QStringLiteral("/applications/") + kSendToEntryName;
}

QString MimePackagePath(const ShellEnvironment& environment, const QString& extension) {
  return environment.dataHome + QStringLiteral("/mime/packages/wrenpad-%1.xml").arg(extension.toLower());
}

QString OwnMimeTypeFor(const QString& extension) {
  return QStringLiteral("text/x-wrenpad-") + extension.toLower();
}

QString MimePackageXml(const QString& extension) {
  const QString lower = extension.toLower().toHtmlEscaped();
  return QStringLiteral(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"%1\">\n"
             "    <sub-class-of type=\"text/plain\"/>\n"
             "    <comment>%2 text file</comment>\n"
             "    <glob pattern=\"*.%3\"/>\n"
             "  </mime-type>\n"
             "</mime-info>\n")
      .arg(OwnMimeTypeFor(extension).toHtmlEscaped(), extension.toUpper().toHtmlEscaped(), lower);
}

QString DesktopExecWord(const QString& path) {
  static const QString kReserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
  static const QString kEscapedInQuotes = QStringLiteral("\"`$\\");
  QString word = path;
  word.replace(u'%', QStringLiteral("%%"));
  if (std::any_of(word.begin(), word.end(), [](QChar c) { return kReserved.contains(c); })) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : word) {
      if (kEscapedInQuotes.contains(c)) quoted += u'\\';
      quoted += c;
    }
    word = quoted + u'"';
  }
  // The entry's own escapes for string values come on top of the quoting.
  word.replace(u'\\', QStringLiteral("\\\\"));
  word.replace(u'\n', QStringLiteral("\\n"));
  return word;
}

bool SendToEntryExists(const ShellEnvironment& environment) {
  return QFileInfo::exists(SendToEntryPath(environment));
}

ShellIntegration::ShellIntegration(ShellContext context) : c_(std::move(context)) {}

void ShellIntegration::reportFailure(const QString& what, const QString& detail) {
  c_.dialogs.showError(kApplicationTitle, detail.trimmed().isEmpty() ? what : what + u'\n' + detail.trimmed());
}

// Desktop entries and MIME files are the user's own configuration: readable
// by the desktop, which runs as the user, and by nobody else.
bool ShellIntegration::writeFile(const QString& path, const QString& text) {
  const files::Failure failure = files::writePrivateFile(files::resolveTarget(path), text.toUtf8());
  if (failure.failed())
    reportFailure(tr("Could not write \"%1\".").arg(path), files::describe(failure));
  return !failure.failed();
}

bool ShellIntegration::runStep(const QString& program, const QStringList& arguments) {
  return succeeded(c_.environment.runTool(program, arguments), program, arguments);
}

bool ShellIntegration::succeeded(const ToolRun& run, const QString& program, const QStringList& arguments) {
  const QString command = (QStringList{program} + arguments).join(u' ');
  if (!run.started) {
    reportFailure(tr("\"%1\" could not be run; is it installed?").arg(program), run.errors);
    return false;
  }
  if (run.exitCode != 0) {
    reportFailure(tr("\"%1\" failed (exit code %2).").arg(command).arg(run.exitCode), run.errors);
    return false;
  }
  return true;
}

std::optional<QString> ShellIntegration::askExtension() {
  const std::optional<QString> answer = c_.dialogs.inputText(
      c_.messages.MsgRelateTitle, c_.messages.MsgRelatePrompt, ProposedExtension(c_.document.CurrentFileName));
  if (!answer) return std::nullopt;
  QString extension = answer->trimmed();
  while (extension.startsWith(u'.')) extension.remove(0, 1);
  QString refusal;
  if (extension.isEmpty())
    refusal = tr("Please input an extension.");
  else if (extension.toLower() == u"exe")
    //: Stays English in the Japanese interface.
    refusal = tr("\"exe\" must not be resistered.");
  else if (!isSafeExtension(extension))
    refusal = tr("An extension may hold only letters (a-z), digits and \"_\", \"-\" or \"+\".");
  if (refusal.isEmpty()) return extension;
  c_.dialogs.showMessage(c_.messages.MsgRelateTitle, refusal);
  return std::nullopt;
}

std::optional<QString> ShellIntegration::mimeTypeToRelate(const QString& extension) {
  const QMimeType known =
      QMimeDatabase().mimeTypeForFile(QStringLiteral("file.") + extension, QMimeDatabase::MatchExtension);
  if (known.isValid() && !known.isDefault()) return known.name();
  if (!writeFile(MimePackagePath(c_.environment, extension), MimePackageXml(extension)))
    return std::nullopt;
  if (!runStep(QStringLiteral("update-mime-database"), {c_.environment.dataHome + QStringLiteral("/mime")}))
    return std::nullopt;
  return OwnMimeTypeFor(extension);
}

bool ShellIntegration::mayTakeOver(const QString& mimeType, const QString& extension) {
  const QString tool = QStringLiteral("xdg-mime");
  const QStringList arguments{QStringLiteral("query"), QStringLiteral("default"), mimeType};
  const ToolRun query = c_.environment.runTool(tool, arguments);
  // Without knowing the current default, nothing is taken over.
  if (!succeeded(query, tool, arguments)) return false;
  const QString current = query.output.section(u'\n', 0, 0).trimmed();
  if (current.isEmpty() || isOurEntry(current)) return true;
  QString application = current;
  if (application.endsWith(u".desktop")) application.chop(8);
  const QString question = tr("Files \"*.%1\" (%2) are opened by %3 now.\nOpen them with Wrenpad instead?")
                               .arg(extension, mimeType, application);
  return c_.dialogs.askYesNoCancel(c_.messages.MsgRelateTitle, question) == Answer::Yes;
}

bool ShellIntegration::writeDesktopEntry(const QString& mimeType) {
  const QString path = DesktopEntryPath(c_.environment);
  QStringList types = QFileInfo::exists(path) ? mimeTypesOfEntry(path) : kTextTypes;
  if (!types.contains(mimeType)) types << mimeType;
  EntryText entry{QStringLiteral("Wrenpad"),
                  QStringLiteral("Wrenpad"),
                  QStringLiteral("Edit text files, web pages and small programs"),
                  QStringLiteral("テキストファイル、Webページ、小さなプログラムの編集"),
                  DesktopExecWord(c_.environment.executable) + QStringLiteral(" %f"),
                  types,
                  false};
  return writeFile(path, desktopEntryText(entry));
}

void ShellIntegration::mmRelateTxtFileToThisClick() {
  const std::optional<QString> extension = askExtension();
  if (!extension) return;
  c_.dialogs.showMessage(c_.messages.MsgRelateTitle, c_.messages.MsgJustAMoment);
  const std::optional<QString> mimeType = mimeTypeToRelate(*extension);
  if (!mimeType || !mayTakeOver(*mimeType, *extension)) return;
  if (!writeDesktopEntry(*mimeType)) return;
  if (runStep(QStringLiteral("xdg-mime"), {QStringLiteral("default"), kDesktopEntryName, *mimeType}))
    refreshApplicationsCache();
}

// File managers find the programs for a type in the cache that
// update-desktop-database writes beside the entries. Without the tool they
// read the entries themselves, so its absence is not worth a word.
void ShellIntegration::refreshApplicationsCache() {
  const QString tool = QStringLiteral("update-desktop-database");
  const QStringList arguments{QFileInfo(DesktopEntryPath(c_.environment)).path()};
  const ToolRun run = c_.environment.runTool(tool, arguments);
  if (run.started) succeeded(run, tool, arguments);
}

bool ShellIntegration::mmSCSendToClick(bool checked) {
  const QString path = SendToEntryPath(c_.environment);
  if (checked) {
    QFile entry(path);
    if (!entry.exists()) return false;
    if (entry.remove()) {
      refreshApplicationsCache();
      return false;
    }
    reportFailure(tr("Could not remove \"%1\".").arg(path),
                  entry.errorString());
    return true;
  }
  EntryText entry{QStringLiteral("Send to Wrenpad"),
                  QStringLiteral("Wrenpadへ送る"),
                  QStringLiteral("Open the file in Wrenpad"),
                  QStringLiteral("ファイルをWrenpadで開く"),
                  DesktopExecWord(c_.environment.executable) + QStringLiteral(" /starup %F"),
                  {},
                  true};
  if (!writeFile(path, desktopEntryText(entry))) return false;
  refreshApplicationsCache();
  return true;
}

}  // namespace wrenpad
