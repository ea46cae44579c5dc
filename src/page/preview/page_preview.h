// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Display as a Web Page and the web-page editing options: the document is
// written to a preview page beside it and shown in the program's own preview
// window or in an outside browser. The command reaches the preview window
// and the main window through small interfaces, so it runs headless in tests.

#include "documents/file_access.h"
#include "page/preview/preview_rules.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

namespace wrenpad {

class Dialogs;
class DocumentCommands;
namespace files {
class TemporaryFolder;
}
class EditorControl;
class TWebPageEditOptions;
struct DocumentState;
struct Settings;

// The own preview window as the command sees it.
class PreviewWindow {
 public:
  virtual ~PreviewWindow() = default;
  virtual bool isShown() const = 0;
  // Shows the window in the lower half of the screen, puts `address` into
  // its address field and loads it.
  virtual void showAddress(const QString& address) = 0;
  // Loads the page shown again.
  virtual void refresh() = 0;
  // Loads the preview page again while the window shows it, keeping its
  // scroll position and leaving the keyboard focus and the window order as
  // they are; nothing while another page is shown.
  virtual void reloadKeepingPlace() = 0;

  // The window's Live switch: whether it is on, asked as the window opens,
  // and the user's switching of it.
  std::function<bool()> liveOn;
  std::function<void(bool on)> liveSwitched;
};

// How long typing must pause before a live preview writes and reloads the
// page: longer than the gaps between the keys of a steady typist (125 to
// 200 ms at 5 to 8 keys a second, some twice that), short enough that the
// page follows at once when the typing stops.
inline constexpr std::chrono::milliseconds kLivePreviewPause{400};

// What the command needs of the main window.
class PreviewHost {
 public:
  virtual ~PreviewHost() = default;
  // The main window takes the upper half of the screen.
  virtual void moveToUpperHalf() = 0;
  // The in-editor rendering was switched: the whole page is coloured again
  // and automatic colouring is on.
  virtual void repaintWithRendering() = 0;
};

struct PreviewContext {
  EditorControl& editor;
  Dialogs& dialogs;
  PreviewHost& host;
  const DocumentState& document;
  Settings& settings;
  DocumentCommands& files;
  // Starts an outside program without waiting for it; false when it could
  // not be started. `failed` is told the exit status when it gives up soon
  // after its start (xdg-open without a browser ends with status 3).
  std::function<bool(const ProgramCall&, std::function<void(int status)> failed)> startProgram;
  // The path of an installed program, empty when it is missing.
  std::function<QString(const QString&)> findProgram;
  // A page whose own folder cannot take it goes in a private folder of this
  // prefix (files::makePrivateFolder), made when first needed.
  QString temporaryFolderPrefix;
};

class PagePreview {
  Q_DECLARE_TR_FUNCTIONS(PagePreview)

 public:
  PagePreview(PreviewContext context, PreviewWindow& window);
  // The preview pages written in this run are removed.
  ~PagePreview();

  void mmDisplayAsWebPageClick();
  // Opens `address` in the outside browser of the current choice. When no
  // browser starts, or the one started gives up, the user is told which and
  // given the address; a `fallback` address is then shown in the own
  // preview window.
  void OpenInOutsideBrowser(const QString& address, const QString& fallback = QString());
  void mmWebPageEditOptionsClick();
  // A page of the test server: in the own preview window for the first two
  // choices, else in the outside browser.
  void showServerPage(const QString& address);

  // The preview window closed: its page is removed.
  void previewClosed();
  // The page the last display wrote; empty before the first.
  QString previewFile() const { return previewFile_; }
  // The document's text changed. With Live on and the preview window open
  // this only restarts the pause; the page is written when the pause ends.
  void textChanged();

 private:
  QString besidePath() const;
  QString previewPathFor(const QString& text);
  QString temporaryPagePath();
  bool isTheDocumentsOwnFile(const QString& path) const;
  bool readyAsTheDocumentsOwnFile(const QString& path);
  // Without `mayAsk` (a live write while the user types), a page that would
  // need a question about its characters is not written.
  bool writePreview(const QString& path, const QString& text, bool mayAsk = true);
  bool mayWrite(const QString& path);
  bool wroteAsItIs(const QString& path) const;
  bool writePage(const QString& path, const QByteArray& bytes);
  void removeIfAsWritten(const QString& path);
  void removeWrittenPages();
  BrowserChoice choice() const;
  void browserFailed(const QString& program, int status, const QString& address, const QString& fallback);
  TWebPageEditOptions& optionsForm();
  void switchLive(bool on);
  void writeLivePage();

  PreviewContext c_;
  PreviewWindow& window_;
  QString previewFile_;
  // The document the preview page was written for: a live preview writes
  // only that document's text there.
  QString previewOf_;
  QTimer livePause_;
  // Preview pages this run wrote, with the file as written: only a page
  // still as written is overwritten without a question and removed again, so
  // a file saved over it since (the document itself, say) is the user's.
  QHash<QString, files::FileStamp> written_;
  std::unique_ptr<TWebPageEditOptions> optionsForm_;
  std::unique_ptr<files::TemporaryFolder> temporaryFolder_;
};

}  // namespace wrenpad
