// SPDX-License-Identifier: GPL-3.0-or-later
// Program entry: one application, one main window, the event loop.
#include "files/file_names.h"
#include "platform/app_paths.h"
#include "page/preview/browser_window.h"
#include "platform/font_substitution.h"
#include "window/main_window.h"

#include <QApplication>
#include <QDir>

namespace {

// The arguments Qt left (it takes its own options out of argv), as file names
// with their own bytes: QApplication::arguments() turns every byte that is
// not UTF-8 into U+FFFD, and such a name would open no file.
QStringList argumentsKeepingBytes(int argc, char** argv) {
  QStringList arguments;
  for (int i = 1; i < argc; ++i) arguments << wrenpad::files::fileNameFromBytes(argv[i]);
  return arguments;
}

}  // namespace

int main(int argc, char** argv) {
  wrenpad::TBrowser::PrepareWebEngine();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Wrenpad"));
  QApplication::setApplicationDisplayName(QString());
  wrenpad::installFontSubstitutions();

  wrenpad::StartupOptions options;
  options.arguments = argumentsKeepingBytes(argc, argv);
  options.paths = wrenpad::AppPaths::forExecutable(QApplication::applicationFilePath());
  options.workingFolder = QDir::currentPath();

  wrenpad::TMain main(options);
  main.show();
  return QApplication::exec();
}
