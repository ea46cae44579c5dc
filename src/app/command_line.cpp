// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>

namespace wrenpad {
namespace {

QString helpText() {
  return QCoreApplication::translate("CommandLine",
                                     "Usage: wrenpad [options] [file...]\n"
                                     "Edit text files, web pages and small programs.\n"
                                     "\n"
                                     "Options:\n"
                                     "  -h, --help     Show this help and exit.\n"
                                     "  -v, --version  Show the version and exit.\n"
                                     "  --             Take every argument after it as a file name.\n"
                                     "\n"
                                     "Each file opens in a window of its own. A file that does not exist yet\n"
                                     "opens as an empty document and is made when it is saved.\n");
}

}  // namespace

QString versionText() { return QStringLiteral("Wrenpad " WRENPAD_VERSION "\n"); }

CommandLineRequest parseCommandLine(const QStringList& arguments) {
  // The marker counts only among the options, not after "--".
  const qsizetype end = arguments.indexOf(QStringLiteral("--"));
  const QStringList options = end < 0 ? arguments : arguments.first(end);
  const qsizetype marker = options.lastIndexOf(QStringLiteral("/starup"));
  QCommandLineParser parser;
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  parser.addOptions({help, version});
  CommandLineRequest request;
  if (!parser.parse(QStringList{QStringLiteral("wrenpad")} + arguments.mid(marker + 1))) {
    request.kind = CommandLineRequest::Kind::Mistake;
    const QStringList unknown = parser.unknownOptionNames();
    const QString option = unknown.isEmpty() ? QString() : unknown.first();
    const QString written = (option.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + option;
    request.text = QCoreApplication::translate("CommandLine",
                                               "wrenpad: unknown option \"%1\". A file name that begins with \"-\" "
                                               "goes after \"--\" (wrenpad -- %1).\nSee \"wrenpad --help\".\n")
                       .arg(written);
    return request;
  }
  if (parser.isSet(help)) return {CommandLineRequest::Kind::Help, {}, helpText()};
  if (parser.isSet(version)) return {CommandLineRequest::Kind::Version, {}, versionText()};
  request.files = parser.positionalArguments();
  return request;
}

bool localeIsJapanese(const QString& lcAll, const QString& lcMessages, const QString& lang) {
  for (const QString& value : {lcAll, lcMessages, lang}) {
    if (!value.isEmpty()) return value.startsWith(QLatin1String("ja"));
  }
  return false;
}

QString resolveCommandLineFile(const QString& name, const QString& workingFolder) {
  if (name.isEmpty()) return name;
  // Joined and cleaned as text: Qt's own resolution of a relative name goes
  // through the file system's encoding, which loses the bytes of a name that
  // is not UTF-8.
  const QString full = name.startsWith(u'/') ? name : workingFolder + u'/' + name;
  return QDir::cleanPath(full);
}

}  // namespace wrenpad
