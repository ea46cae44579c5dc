// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/tool_chain.h"

#include <QDir>
#include <QFileInfo>

namespace wrenpad {

namespace {

// The chosen folder's own places for a tool: its "bin" folder first.
QStringList chosenFolders(const QString& folder) {
  if (folder.isEmpty()) return {};
  return {QDir::cleanPath(QDir(folder).filePath(QStringLiteral("bin"))), QDir::cleanPath(folder)};
}

// The tool inside the chosen folder, when it is there and may be run; else
// the bare name, for PATH.
QString toolPath(const QString& name, const QString& folder) {
  for (const QString& place : chosenFolders(folder)) {
    const QFileInfo tool(QDir(place).filePath(name));
    if (tool.isFile() && tool.isExecutable()) return tool.absoluteFilePath();
  }
  return name;
}

// A file name as an argument: one that begins with "-" would be an option.
QString fileArgument(const QString& name) { return name.startsWith(u'-') ? QStringLiteral("./") + name : name; }

}  // namespace

QString CompilerName(LanguageMode mode, const QString& sourcePath) {
  switch (mode) {
    case LanguageMode::Cpp:
      return QFileInfo(sourcePath).suffix().compare(QStringLiteral("c"), Qt::CaseInsensitive) == 0
                 ? QStringLiteral("gcc")
                 : QStringLiteral("g++");
    case LanguageMode::Java: return QStringLiteral("javac");
    case LanguageMode::Pascal: return QStringLiteral("fpc");
    case LanguageMode::Perl: return QString();
  }
  return QString();
}

std::optional<RunRequest> CompileRequest(const CompileInput& input) {
  const QString name = CompilerName(input.mode, input.sourcePath);
  if (name.isEmpty()) return std::nullopt;
  const QFileInfo source(input.sourcePath);
  RunRequest request;
  request.program = toolPath(name, input.toolFolder);
  request.arguments = QProcess::splitCommand(input.option);
  request.workingFolder = source.absolutePath();
  switch (input.mode) {
    case LanguageMode::Cpp:
      request.arguments << fileArgument(source.fileName()) << QStringLiteral("-o")
                        << fileArgument(source.completeBaseName());
      break;
    case LanguageMode::Java: request.arguments << source.absoluteFilePath(); break;
    case LanguageMode::Pascal: request.arguments << fileArgument(source.fileName()); break;
    case LanguageMode::Perl: return std::nullopt;
  }
  return request;
}

std::optional<QStringList> ExecuteCommand(LanguageMode mode, const QString& sourcePath,
                                          const QString& jdkFolder) {
  const QFileInfo source(sourcePath);
  switch (mode) {
    case LanguageMode::Cpp:
    case LanguageMode::Pascal:
      return QStringList{QDir(source.absolutePath()).filePath(source.completeBaseName())};
    case LanguageMode::Java:
      return QStringList{toolPath(QStringLiteral("java"), jdkFolder), QStringLiteral("-cp"),
                         source.absolutePath(), source.completeBaseName()};
    case LanguageMode::Perl: return std::nullopt;
  }
  return std::nullopt;
}

QStringList ToolSearchFolders(const QString& toolFolder, const QString& pathVariable) {
  return chosenFolders(toolFolder) + pathVariable.split(QDir::listSeparator(), Qt::SkipEmptyParts);
}

QString WindowsCompileCommandLine(const CompileInput& input) {
  // A Windows path: its name follows the last "\" (or "/").
  const qsizetype slash = std::max(input.sourcePath.lastIndexOf(u'\\'), input.sourcePath.lastIndexOf(u'/'));
  const QString bareName = input.sourcePath.mid(slash + 1);
  switch (input.mode) {
    case LanguageMode::Cpp: return QStringLiteral("bcc32  ") + input.option + u' ' + bareName;
    case LanguageMode::Java:
      return input.toolFolder + QStringLiteral("\\bin\\javac ") + input.option + u' ' + input.sourcePath;
    case LanguageMode::Pascal: return QStringLiteral("ppc386 ") + input.option + u' ' + bareName;
    case LanguageMode::Perl: return QString();
  }
  return QString();
}

}  // namespace wrenpad
