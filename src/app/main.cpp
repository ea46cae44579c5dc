// Program entry: one application, one main window, the event loop.
#include "platform/app_paths.h"
#include "page/preview/browser_window.h"
#include "platform/font_substitution.h"
#include "window/main_window.h"

#include <QApplication>
#include <QDir>

int main(int argc, char** argv) {
  wrenpad::TBrowser::PrepareWebEngine();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Wrenpad"));
  QApplication::setApplicationDisplayName(QString());
  wrenpad::installFontSubstitutions();

  wrenpad::StartupOptions options;
  options.arguments = QApplication::arguments().mid(1);
  options.paths = wrenpad::AppPaths::forExecutable(QApplication::applicationFilePath());
  options.workingFolder = QDir::currentPath();

  wrenpad::TMain main(options);
  main.show();
  return QApplication::exec();
}
