// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The keystroke documents and a whole window on one of them, shared by the
// benchmarks that type or move through the window.

#include "documents/document_commands.h"
#include "editor/editor_control.h"
#include "platform/app_paths.h"
#include "quiet_dialogs.h"
#include "settings/settings.h"
#include "window/main_window.h"

#include <QFile>
#include <QTemporaryDir>
#include <memory>

namespace wrenpad::bench {

// Records of a page, CR LF lines, of about `kibibytes` KiB.
inline QString generatedPage(int kibibytes) {
  const qsizetype size = qsizetype{kibibytes} * 1024;
  QString page = QStringLiteral("<html>\r\n<head><title>records</title></head>\r\n<body>\r\n");
  for (int n = 0; page.size() < size; ++n) {
    page += QStringLiteral("<h3 id=\"r%1\">Record %1</h3>\r\n").arg(n);
    page += QStringLiteral("港は夜明け前に静かで、the gulls waited on the posts.<br>\r\n");
  }
  return page + QStringLiteral("</body>\r\n</html>\r\n");
}

// A window on a document of the given kind (0 text, 1 page, 2 program) and
// size on the editor's own path: a small file of that kind is opened, so the
// window takes its mode, then the text of the size goes in as a loaded text
// does. (A file above the large-file limit would open in the large view.)
// The interface is English, from a settings file of its own.
struct WindowOnDocument {
  WindowOnDocument(int kibibytes, int kind) {
    QFile settings(folder.filePath("wrenpad.ini"));
    settings.open(QIODevice::WriteOnly);
    settings.write("[Settings]\r\nJpn=0\r\n");
    settings.close();
    StartupOptions options;
    options.paths = AppPaths::inFolder(folder.path());
    main = std::make_unique<TMain>(options, &dialogs);
    main->resize(900, 700);
    main->show();
    const char* names[] = {"page.txt", "page.htm", "page.c"};
    QFile file(folder.filePath(names[kind]));
    file.open(QIODevice::WriteOnly);
    file.write(generatedPage(1).toUtf8());
    file.close();
    main->documents().OpenFile(file.fileName());
    main->editor().setText(generatedPage(kibibytes));
    main->settings().AutoRepaint = true;
  }
  ~WindowOnDocument() {
    main->editor().setModified(false);
    main->close();
  }

  QTemporaryDir folder;
  QuietDialogs dialogs;
  std::unique_ptr<TMain> main;
};

}  // namespace wrenpad::bench
