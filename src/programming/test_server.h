// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The editor's own web server for trying Perl CGI scripts: a lighttpd that
// the editor starts as its child process on a free loopback port, serving the
// document root of the page being tested, and stops when it is done. What a
// script prints on standard error (Perl's compile errors among it) lands in
// the error log beside the document root, where CgiLogWatch picks it up.
//
// lighttpd started with -D keeps its own standard error, and the CGI scripts
// inherit it; server.breakagelog naming the error log itself is ignored. So
// the server's standard error is appended to the error log by the process
// set-up, not by the configuration. Its start-up complaints (a configuration
// it cannot read, a port it cannot bind) go to the same file, which is where
// a failed start's reason is read back from.
//
// As root, lighttpd 1.4 runs as it is when no server.username is given; no
// user is set, so the server can read every document root its user can.

#include <QObject>
#include <QString>
#include <QUrl>
#include <memory>

class QProcess;

namespace wrenpad {

namespace files {
class TemporaryFolder;
}

// What the generated configuration needs.
struct LighttpdSetup {
  QString documentRoot;
  int port = 0;
  QString logFile;
  QString perlPath;
};

// The configuration file text: loopback only, mod_cgi running ".cgi" files
// with Perl, index files, the common MIME types without a charset (a page
// names its own), the error log. Paths are written as lighttpd strings: any
// byte is kept as it is and a double quote is escaped.
QString LighttpdConfigText(const LighttpdSetup& setup);

// The error log of a document root: "<parent of the root>/logs/error.log",
// "/srv/web/htdocs" (or "/srv/web/htdocs/") giving "/srv/web/logs/error.log".
QString CgiLogFileFor(const QString& documentRoot);

// The address at which the test server shows a document. When the editor
// text names one after "called from" (a script meant to be called by a
// page), that is the text between the next two double quotes, looked for in
// at most 200 characters from "called from", and empty when either quote is
// missing. Otherwise the document's path with the document root at its start
// replaced by `baseUrl`, the rest percent-encoded ("/" kept); empty when the
// document does not lie under the root.
QString CgiPageAddress(const QString& editorText, const QString& documentPath,
                       const QString& documentRoot, const QString& baseUrl);

// What ensureRunning gives back: `base` ("http://127.0.0.1:PORT", no
// trailing slash) when `ok`, otherwise one message saying why not.
struct ServerStart {
  bool ok = false;
  QUrl base;
  QString failure;
};

class TestServer : public QObject {
  Q_OBJECT
 public:
  explicit TestServer(QObject* parent = nullptr);
  ~TestServer() override;

  // Starts the server for `documentRoot` (creating its log folder), or keeps
  // the running one when it serves that root already; another root restarts
  // it. Waits, while painting goes on, until the port answers (at most 5 s).
  ServerStart ensureRunning(const QString& documentRoot);
  void stop();
  bool isRunning() const;
  QUrl baseUrl() const;

  // The server program: "lighttpd" by default, looked for on PATH and in the
  // system folders that an ordinary user's PATH leaves out. Tests put a
  // stand-in here.
  void setServerProgram(const QString& nameOrPath) { serverProgram_ = nameOrPath; }

  // Removes the configuration folders of editors that were killed while
  // their server ran.
  static void removeLeftOvers();

 private:
  QString findServerProgram() const;
  ServerStart startOnce(const QString& root, const QString& program, const QString& perl,
                        const QString& logFile, bool& portTaken);

  QString serverProgram_ = QStringLiteral("lighttpd");
  std::unique_ptr<QProcess> process_;
  std::unique_ptr<files::TemporaryFolder> configFolder_;
  QString documentRoot_;
  QUrl base_;
};

}  // namespace wrenpad
