// SPDX-License-Identifier: GPL-3.0-or-later
#include "programming/test_server.h"

#include "files/private_files.h"
#include "programming/tool_chain.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#endif

namespace wrenpad {
namespace {

// The private folders that hold a running server's configuration.
const QString kConfigFolderPrefix = QStringLiteral("wrenpad-server");

constexpr int kAnswerWaitMs = 5000;
constexpr int kStopWaitMs = 3000;
constexpr int kPortAttempts = 3;
constexpr qint64 kStartMessageBytes = 8 * 1024;
constexpr int kStartMessageLines = 8;

// A lighttpd string: the bytes as they are between double quotes, where only
// a backslash right before a double quote is taken as an escape. So `"`
// becomes `\"`, and a backslash before a quote stays a backslash (`\\"`
// reads as `\` followed by an escaped quote).
QString ConfigString(const QString& value) {
  QString escaped = value;
  escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
  return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// A folder as a lighttpd string. A name ending in a backslash cannot be
// written before the closing quote; a slash after it names the same folder.
QString ConfigFolder(const QString& folder) {
  return ConfigString(folder.endsWith(QLatin1Char('\\')) ? folder + QLatin1Char('/') : folder);
}

ServerStart Failure(const QString& why) { return {false, {}, why}; }

// The folders of PATH, where a program named without a folder is looked for.
QString pathFolders() {
  const QStringList folders = ToolSearchFolders(QString(), qEnvironmentVariable("PATH"));
  return folders.isEmpty() ? QStringLiteral("-") : folders.join(QStringLiteral(", "));
}

// A port that nothing listens on now: the system picks one for a socket
// bound to port 0 on the loopback address, which is then closed. 0 when
// there is none.
int FreeLoopbackPort() {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return 0;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = 0;
  socklen_t length = sizeof address;
  int port = 0;
  if (::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port = ntohs(address.sin_port);
  ::close(fd);
  return port;
}

// Whether something accepts a connection on 127.0.0.1:port, waiting at most
// `timeoutMs` for the answer (a connect that neither succeeds nor fails is
// never waited out).
bool PortAnswers(int port, int timeoutMs) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  if (fd < 0) return false;
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<quint16>(port));
  bool connected = ::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  if (!connected && errno == EINPROGRESS) {
    pollfd waiting{fd, POLLOUT, 0};
    int error = 0;
    socklen_t length = sizeof error;
    connected = ::poll(&waiting, 1, timeoutMs) == 1 &&
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
  }
  ::close(fd);
  return connected;
}

// The last lines the server wrote to the log from `offset` on (at most the
// last few KiB of it): why it stopped as it started.
QString StartMessage(const QString& logFile, qint64 offset) {
  QFile log(logFile);
  if (!log.open(QIODevice::ReadOnly)) return {};
  const qint64 size = log.size();
  if (size <= offset) return {};
  log.seek(std::max(offset, size - kStartMessageBytes));
  const QStringList lines = QString::fromUtf8(log.read(kStartMessageBytes)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  return lines.mid(std::max<qsizetype>(0, lines.size() - kStartMessageLines)).join(QLatin1Char('\n'));
}

// Waits until the server answers on `port`, stops or takes too long.
// Painting goes on meanwhile; the user's input waits, so no command can start
// a second server in the middle of this one's start.
bool AwaitAnswer(QProcess& process, int port) {
  QElapsedTimer clock;
  clock.start();
  while (process.state() != QProcess::NotRunning && clock.elapsed() < kAnswerWaitMs) {
    if (PortAnswers(port, 100)) return true;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    process.waitForFinished(50);
  }
  return false;
}

void EndProcess(QProcess& process) {
  if (process.state() == QProcess::NotRunning) return;
  process.terminate();
  if (process.waitForFinished(kStopWaitMs)) return;
  process.kill();
  process.waitForFinished(kStopWaitMs);
}

}  // namespace

QString LighttpdConfigText(const LighttpdSetup& setup) {
  const QStringList lines = {
      QStringLiteral("# Wrenpad's test server for CGI scripts: this machine only, ended with the editor."),
      QStringLiteral("server.modules = ( \"mod_cgi\" )"),
      QStringLiteral("server.document-root = ") + ConfigFolder(setup.documentRoot),
      QStringLiteral("server.bind = \"127.0.0.1\""),
      QStringLiteral("server.port = %1").arg(setup.port),
      QStringLiteral("server.errorlog = ") + ConfigString(setup.logFile),
      QStringLiteral("index-file.names = ( \"index.html\", \"index.htm\", \"index.cgi\" )"),
      QStringLiteral("cgi.assign = ( \".cgi\" => ") + ConfigString(setup.perlPath) + QStringLiteral(" )"),
      QStringLiteral("mimetype.assign = ("),
      QStringLiteral("  \".html\" => \"text/html\","),
      QStringLiteral("  \".htm\" => \"text/html\","),
      QStringLiteral("  \".css\" => \"text/css\","),
      QStringLiteral("  \".js\" => \"text/javascript\","),
      QStringLiteral("  \".png\" => \"image/png\","),
      QStringLiteral("  \".jpg\" => \"image/jpeg\","),
      QStringLiteral("  \".jpeg\" => \"image/jpeg\","),
      QStringLiteral("  \".gif\" => \"image/gif\","),
      QStringLiteral("  \".txt\" => \"text/plain\","),
      QStringLiteral("  \".class\" => \"application/java-vm\","),
      QStringLiteral("  \".jar\" => \"application/java-archive\""),
      QStringLiteral(")"),
  };
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString CgiLogFileFor(const QString& documentRoot) {
  const QString parent = QFileInfo(QDir::cleanPath(documentRoot)).path();
  return parent.endsWith(QLatin1Char('/')) ? parent + QStringLiteral("logs/error.log")
                                           : parent + QStringLiteral("/logs/error.log");
}

QString CgiPageAddress(const QString& editorText, const QString& documentPath,
                       const QString& documentRoot, const QString& baseUrl) {
  const qsizetype called = editorText.indexOf(QLatin1String("called from"));
  if (called >= 0) {
    const QString near = editorText.mid(called, 200);
    const qsizetype open = near.indexOf(QLatin1Char('"'));
    if (open < 0) return {};
    const qsizetype close = near.indexOf(QLatin1Char('"'), open + 1);
    if (close < 0) return {};
    return near.mid(open + 1, close - open - 1);
  }
  if (documentRoot.isEmpty()) return {};
  QString root = documentRoot;
  while (root.endsWith(QLatin1Char('/'))) root.chop(1);
  if (!documentPath.startsWith(root)) return {};
  const QString rest = documentPath.mid(root.size());
  if (!rest.isEmpty() && !rest.startsWith(QLatin1Char('/'))) return {};  // "/web/htdocs2" is not under "/web/htdocs"
  QString base = baseUrl;
  while (base.endsWith(QLatin1Char('/'))) base.chop(1);
  return base + QString::fromLatin1(QUrl::toPercentEncoding(rest, "/"));
}

TestServer::TestServer(QObject* parent) : QObject(parent) {}

TestServer::~TestServer() { stop(); }

void TestServer::removeLeftOvers() { files::removeLeftOverPrivateFolders(kConfigFolderPrefix); }

bool TestServer::isRunning() const { return process_ && process_->state() != QProcess::NotRunning; }

QUrl TestServer::baseUrl() const { return isRunning() ? base_ : QUrl(); }

void TestServer::stop() {
  if (process_) EndProcess(*process_);
  process_.reset();
  configFolder_.reset();
  documentRoot_.clear();
  base_.clear();
}

// An ordinary user's PATH on Debian leaves out the sbin folders, where the
// lighttpd package puts its program.
QString TestServer::findServerProgram() const {
  if (serverProgram_.contains(QLatin1Char('/'))) {
    const QFileInfo given(serverProgram_);
    return given.isFile() && given.isExecutable() ? given.absoluteFilePath() : QString();
  }
  const QString onPath = QStandardPaths::findExecutable(serverProgram_);
  if (!onPath.isEmpty()) return onPath;
  return QStandardPaths::findExecutable(serverProgram_, {QStringLiteral("/usr/local/sbin"), QStringLiteral("/usr/sbin"),
                                                         QStringLiteral("/sbin")});
}

ServerStart TestServer::ensureRunning(const QString& documentRoot) {
  if (documentRoot.isEmpty())
    return Failure(tr("No document root is set for the test web server."));
  const QString root = QDir::cleanPath(QFileInfo(documentRoot).absoluteFilePath());
  if (isRunning() && root == documentRoot_) return {true, base_, {}};
  stop();

  const QFileInfo rootInfo(root);
  if (!rootInfo.exists())
    return Failure(tr("The document root \"%1\" does not exist.").arg(root));
  if (!rootInfo.isDir())
    return Failure(tr("The document root \"%1\" is not a folder.").arg(root));

  const QString program = findServerProgram();
  if (program.isEmpty())
    return Failure(tr("The test web server cannot start: the program \"%1\" was found neither on PATH (%2) "
                      "nor in /usr/local/sbin, /usr/sbin or /sbin. The package \"lighttpd\" provides it.")
                       .arg(serverProgram_, pathFolders()));
  const QString perl = QStandardPaths::findExecutable(QStringLiteral("perl"));
  if (perl.isEmpty())
    return Failure(tr("The test web server cannot run CGI scripts: the program \"perl\" was not found on "
                      "PATH (%1). The package \"perl\" provides it.")
                       .arg(pathFolders()));

  const QString logFile = CgiLogFileFor(root);
  const QString logFolder = QFileInfo(logFile).path();
  if (!QDir().mkpath(logFolder))
    return Failure(tr("The log folder \"%1\" cannot be created.").arg(logFolder));
  QFile log(logFile);
  if (!log.open(QIODevice::Append))
    return Failure(tr("The error log cannot be written in the folder \"%1\": %2").arg(logFolder, log.errorString()));
  log.close();

  ServerStart result;
  for (int attempt = 0; attempt < kPortAttempts; ++attempt) {
    bool portTaken = false;
    result = startOnce(root, program, perl, logFile, portTaken);
    if (result.ok || !portTaken) break;
  }
  return result;
}

// One start on a fresh port. `portTaken` tells that another program took the
// port between the look-up and the server's start, so another port may do.
ServerStart TestServer::startOnce(const QString& root, const QString& program, const QString& perl,
                                  const QString& logFile, bool& portTaken) {
  const int port = FreeLoopbackPort();
  if (port == 0)
    return Failure(tr("The test web server found no free port on 127.0.0.1."));
  auto folder = std::make_unique<files::TemporaryFolder>(kConfigFolderPrefix);
  if (!folder->isValid())
    return Failure(tr("The test web server's configuration cannot be written in \"%1\": %2")
                       .arg(files::privateFolderBase(), files::describe(folder->failure())));
  const QString configPath = folder->filePath(QStringLiteral("lighttpd.conf"));
  const QByteArray configText = LighttpdConfigText({root, port, logFile, perl}).toUtf8();
  if (const files::Failure failure = files::writePrivateFile(configPath, configText); failure.failed())
    return Failure(tr("The test web server's configuration \"%1\" cannot be written: %2")
                       .arg(configPath, files::describe(failure)));

  const qint64 logStart = QFileInfo(logFile).size();
  auto process = std::make_unique<QProcess>();
  process->setProgram(program);
  process->setArguments({QStringLiteral("-D"), QStringLiteral("-f"), configPath});
  process->setWorkingDirectory(folder->path());
  process->setStandardInputFile(QProcess::nullDevice());
  process->setStandardOutputFile(QProcess::nullDevice());
  process->setStandardErrorFile(logFile, QIODevice::Append);  // where the scripts' errors go too
#ifdef Q_OS_LINUX
  // The server ends with the editor, even when the editor itself is killed.
  process->setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
  process->start();
  if (!process->waitForStarted(kAnswerWaitMs))
    return Failure(tr("\"%1\" could not be started: %2").arg(program, process->errorString()));

  const bool answered = AwaitAnswer(*process, port);
  if (process->state() == QProcess::NotRunning) {
    const QString message = StartMessage(logFile, logStart);
    portTaken = message.contains(QLatin1String("can't bind")) || message.contains(QLatin1String("in use"));
    return Failure(tr("The test web server (%1) stopped as it started (exit code %2). It said:\n%3")
                       .arg(program, QString::number(process->exitCode()),
                            message.isEmpty() ? tr("(nothing)") : message));
  }
  if (!answered) {
    EndProcess(*process);
    return Failure(tr("The test web server (%1) did not answer on 127.0.0.1:%2 within %3 seconds.")
                       .arg(program, QString::number(port), QString::number(kAnswerWaitMs / 1000)));
  }

  process_ = std::move(process);
  configFolder_ = std::move(folder);
  documentRoot_ = root;
  base_ = QUrl(QStringLiteral("http://127.0.0.1:%1").arg(port));
  return {true, base_, {}};
}

}  // namespace wrenpad
