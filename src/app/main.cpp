// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: the command line, one application, one main window, the
// event loop.
#include "app/command_line.h"
#include "app/other_runs.h"
#include "files/file_names.h"
#include "platform/app_paths.h"
#include "page/preview/browser_window.h"
#include "platform/font_substitution.h"
#include "text/translation.h"
#include "window/main_window.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

namespace {

// The arguments Qt left (it takes its own options out of argv), as file names
// with their own bytes: QApplication::arguments() turns every byte that is
// not UTF-8 into U+FFFD, and such a name would open no file.
QStringList argumentsKeepingBytes(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << wrenpad::files::fileNameFromBytes(argv[i]);
  return arguments;
}

// Options QApplication takes out of the command line itself.
bool isQtOption(const QStringList& arguments) {
  static const QStringList kQtOptions{"platform", "platformpluginpath", "platformtheme", "plugin", "display",
                                      "geometry", "qwindowgeometry", "qwindowicon", "qwindowtitle", "reverse",
                                      "session", "style", "stylesheet", "widgetcount", "nograb", "dograb", "sync"};
  for (const QString& argument : arguments) {
    if (argument == u"--") break;
    if (argument.startsWith(u'-') && kQtOptions.contains(argument.mid(argument.startsWith(u"--") ? 2 : 1)))
      return true;
  }
  return false;
}

// Help and the version go to standard output, a mistake to standard error.
int printed(const wrenpad::CommandLineRequest& request) {
  const bool mistake = request.kind == wrenpad::CommandLineRequest::Kind::Mistake;
  std::fputs(request.text.toLocal8Bit().constData(), mistake ? stderr : stdout);
  return mistake ? 2 : 0;
}

// Help, the version or a mistake, printed in `language`. Qt installs
// translations only into an application object: a core one, which needs no
// display.
int printedIn(wrenpad::InterfaceLanguage language, int argc, char** argv, const QStringList& arguments) {
  QCoreApplication app(argc, argv);
  const wrenpad::InterfaceLanguageScope speaking(language);
  return printed(wrenpad::parseCommandLine(arguments));
}

}  // namespace

int main(int argc, char** argv) {
  using wrenpad::CommandLineRequest;
  const bool japanese = wrenpad::localeIsJapanese(
      qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"), qEnvironmentVariable("LANG"));
  // What the command line says is said in the locale's language.
  const wrenpad::InterfaceLanguage language = wrenpad::interfaceLanguageFor(japanese);
  // Help, the version and a mistake need no display. With Qt's own options
  // (-platform, -display, ...) the files are read once Qt has taken those
  // out of the arguments.
  const QStringList arguments = argumentsKeepingBytes(argc, argv);
  const CommandLineRequest early = wrenpad::parseCommandLine(arguments);
  const bool mayBeQts = early.kind == CommandLineRequest::Kind::Mistake && isQtOption(arguments);
  if (early.kind != CommandLineRequest::Kind::Edit && !mayBeQts) return printedIn(language, argc, argv, arguments);

  wrenpad::TBrowser::PrepareWebEngine();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Wrenpad"));
  QApplication::setApplicationVersion(QStringLiteral(WRENPAD_VERSION));
  QApplication::setApplicationDisplayName(QString());
  wrenpad::useInterfaceLanguage(language);  // the window takes its own from the settings when shown
  const CommandLineRequest request = wrenpad::parseCommandLine(argumentsKeepingBytes(argc, argv));
  if (request.kind != CommandLineRequest::Kind::Edit) return printed(request);
  wrenpad::startRunsForFiles(QFile::encodeName(QApplication::applicationFilePath()), request.files.mid(1));
  wrenpad::installFontSubstitutions();

  wrenpad::StartupOptions options;
  options.files = request.files.mid(0, 1);
  options.japaneseLocale = japanese;
  options.paths = wrenpad::AppPaths::forExecutable(QApplication::applicationFilePath());
  options.workingFolder = QDir::currentPath();

  wrenpad::TMain main(options);
  main.show();
  return QApplication::exec();
}
