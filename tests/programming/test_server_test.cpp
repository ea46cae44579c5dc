// SPDX-License-Identifier: GPL-3.0-or-later
// The test web server for CGI scripts: its configuration, the addresses it
// gives, and a real lighttpd running real Perl scripts.
#include "programming/cgi_log_watch.h"
#include "programming/test_server.h"

#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace wrenpad {
namespace {

using test::TempFolder;

struct HttpReply {
  QByteArray head;  // status line and headers
  QByteArray body;
};

// A plain HTTP/1.0 GET on the loopback address, read to the server's close
// (at most 1 MiB, at most 10 s without data).
HttpReply httpGet(int port, const QByteArray& path) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return {};
  timeval wait{10, 0};
  ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &wait, sizeof wait);
  ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &wait, sizeof wait);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<quint16>(port));
  QByteArray reply;
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
    const QByteArray request = "GET " + path + " HTTP/1.0\r\nHost: 127.0.0.1\r\n\r\n";
    if (::send(fd, request.constData(), request.size(), MSG_NOSIGNAL) == request.size()) {
      char buffer[4096];
      ssize_t got = 0;
      while (reply.size() < (1 << 20) && (got = ::recv(fd, buffer, sizeof buffer, 0)) > 0) reply.append(buffer, got);
    }
  }
  ::close(fd);
  const qsizetype end = reply.indexOf("\r\n\r\n");
  if (end < 0) return {reply, {}};
  return {reply.left(end), reply.mid(end + 4)};
}

// The lighttpd processes this test program has as children, finished or not.
int childServers() {
  int count = 0;
  const QStringList entries = QDir("/proc").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
  for (const QString& entry : entries) {
    QFile stat("/proc/" + entry + "/stat");
    if (!stat.open(QIODevice::ReadOnly)) continue;
    const QByteArray line = stat.read(512);
    const qsizetype open = line.indexOf('('), close = line.lastIndexOf(')');
    if (open < 0 || close < open) continue;
    const QList<QByteArray> rest = line.mid(close + 2).split(' ');
    if (line.mid(open + 1, close - open - 1) == "lighttpd" && rest.size() > 1 && rest[1].toLong() == ::getpid())
      ++count;
  }
  return count;
}

#define SKIP_WITHOUT_SERVER_TOOLS()                                                                                \
  if (QStandardPaths::findExecutable("lighttpd").isEmpty() &&                                                     \
      QStandardPaths::findExecutable("lighttpd", {"/usr/local/sbin", "/usr/sbin", "/sbin"}).isEmpty())             \
    GTEST_SKIP() << "lighttpd is not installed (package \"lighttpd\"); the test web server cannot be tried";      \
  if (QStandardPaths::findExecutable("perl").isEmpty()) GTEST_SKIP() << "perl is not installed"

const QByteArray kHello = "#!/usr/bin/perl\nprint \"Content-Type: text/plain\\n\\nhello from cgi\\n\";\n";
// Line 3 is Perl's syntax error.
const QByteArray kBroken = "#!/usr/bin/perl\nprint \"Content-Type: text/plain\\n\\n\";\nprint \"a\" \"b\";\n";

std::optional<QString> waitForLog(CgiLogWatch& watch) {
  for (int i = 0; i < 50; ++i) {
    if (std::optional<QString> gained = watch.tick()) return gained;
    QThread::msleep(100);
  }
  return std::nullopt;
}

TEST(TestServer, LogBesideTheRootAndPageAddressFromCalledFromOrFromThePathUnderTheRoot) {
  EXPECT_EQ(CgiLogFileFor("/srv/web/htdocs/"), "/srv/web/logs/error.log");
  EXPECT_EQ(CgiLogFileFor("/htdocs"), "/logs/error.log");
  const QString root = "/srv/web/htdocs/";
  const QString base = "http://127.0.0.1:8080";
  EXPECT_EQ(CgiPageAddress("#!/usr/bin/perl\n# called from \"http://127.0.0.1:8080/form.html\" (the form)\n",
                           "/srv/web/htdocs/a.cgi", root, base),
            "http://127.0.0.1:8080/form.html");
  EXPECT_EQ(CgiPageAddress("# called from \"http://127.0.0.1/form.html\n", "/srv/web/htdocs/a.cgi", root, base), "");
  EXPECT_EQ(CgiPageAddress("# called from the form\n" + QString(200, 'x') + "\"http://far/\"", "/srv/web/htdocs/a.cgi",
                           root, base),
            "");  // the quotes lie past the 200 characters looked at

  EXPECT_EQ(CgiPageAddress("print 1;", QString::fromUtf8("/srv/web/htdocs/my dir/日本.cgi"), root, base),
            "http://127.0.0.1:8080/my%20dir/%E6%97%A5%E6%9C%AC.cgi");
  EXPECT_EQ(CgiPageAddress("", "/srv/web/htdocs/a#b?c.cgi", "/srv/web/htdocs", base + "/"),
            "http://127.0.0.1:8080/a%23b%3Fc.cgi");
  EXPECT_EQ(CgiPageAddress("", "/srv/other/a.cgi", root, base), "");
  EXPECT_EQ(CgiPageAddress("", "/srv/web/htdocs2/a.cgi", root, base), "");
}

TEST(TestServer, ConfigurationWritesOddPathsAsLighttpdStrings) {
  const QString text = LighttpdConfigText(
      {QString::fromUtf8("/tmp/x/my \"web\" 日本/htdocs"), 18080, "/tmp/x/a\\\"b/logs/error.log", "/usr/bin/perl"});
  EXPECT_TRUE(text.contains(QString::fromUtf8("server.document-root = \"/tmp/x/my \\\"web\\\" 日本/htdocs\"\n")));
  EXPECT_TRUE(text.contains("server.errorlog = \"/tmp/x/a\\\\\"b/logs/error.log\"\n"));
  EXPECT_TRUE(text.contains("server.bind = \"127.0.0.1\"\nserver.port = 18080\n"));
  EXPECT_FALSE(text.contains("charset"));  // the page names its own

  // A backslash cannot stand before the closing quote; the slash after it
  // names the same folder.
  EXPECT_TRUE(LighttpdConfigText({"/tmp/trail\\", 1, "/l", "/p"}).contains("server.document-root = \"/tmp/trail\\/\"\n"));
}

TEST(TestServer, FailuresSayWhy) {
  TempFolder folder;
  TestServer server;
  // Starting at `root` fails with every one of `words` in the reason, and no server is left running.
  const auto failsSaying = [&server](const QString& root, const QStringList& words) {
    const ServerStart start = server.ensureRunning(root);
    EXPECT_FALSE(start.ok);
    for (const QString& word : words) EXPECT_TRUE(start.failure.contains(word)) << start.failure.toStdString();
    EXPECT_FALSE(server.isRunning());
  };
  failsSaying(folder.file("none"), {"does not exist"});
  failsSaying(folder.write("file.txt", "x"), {"is not a folder"});
  // A file where the log folder should be.
  QDir().mkpath(folder.file("blocked/htdocs"));
  folder.write("blocked/logs", "in the way");
  failsSaying(folder.file("blocked/htdocs"), {folder.file("blocked/logs")});

  QDir().mkpath(folder.file("site/htdocs"));
  server.setServerProgram("wrenpad-no-such-server");
  failsSaying(folder.file("site/htdocs"), {"\"wrenpad-no-such-server\"", "package \"lighttpd\""});

  if (QStandardPaths::findExecutable("perl").isEmpty()) GTEST_SKIP() << "perl is not installed";
  const auto fakeServer = [&](const QByteArray& script) {
    QFile::remove(folder.file("fake-server"));
    const QString fake = folder.write("fake-server", "#!/bin/sh\n" + script);
    QFile::setPermissions(fake, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    server.setServerProgram(fake);
  };
  fakeServer("echo 'fake: cannot read the configuration' >&2\nexit 3\n");
  failsSaying(folder.file("site/htdocs"), {"exit code 3", "fake: cannot read the configuration"});
  // A server that never listens is given up, and ended.
  fakeServer("exec sleep 60\n");
  failsSaying(folder.file("site/htdocs"), {"did not answer on 127.0.0.1:"});
}

TEST(TestServer, RunsPerlScriptsAndTheirErrorsReachTheLog) {
  SKIP_WITHOUT_SERVER_TOOLS();
  TempFolder folder;
  const QString root = folder.file("site/htdocs");
  folder.write("site/htdocs/hello.cgi", kHello);
  const QString broken = folder.write("site/htdocs/broken.cgi", kBroken);
  folder.write("site/htdocs/index.html", "<html><body>front page</body></html>\n");

  TestServer server;
  const ServerStart start = server.ensureRunning(root);
  ASSERT_TRUE(start.ok) << start.failure.toStdString();
  EXPECT_TRUE(server.isRunning());
  EXPECT_EQ(server.baseUrl(), start.base);
  EXPECT_EQ(start.base.toString(), QString("http://127.0.0.1:%1").arg(start.base.port()));
  const int port = start.base.port();

  HttpReply reply = httpGet(port, "/hello.cgi");
  EXPECT_TRUE(reply.head.startsWith("HTTP/1.0 200")) << reply.head.toStdString();
  EXPECT_EQ(reply.body, "hello from cgi\n");
  reply = httpGet(port, "/");
  EXPECT_TRUE(reply.head.contains("Content-Type: text/html\r\n")) << reply.head.toStdString();
  EXPECT_TRUE(reply.body.contains("front page"));

  CgiLogWatch watch;
  watch.begin(CgiLogFileFor(root));
  EXPECT_EQ(watch.tick(), std::nullopt);
  reply = httpGet(port, "/broken.cgi");
  EXPECT_TRUE(reply.head.startsWith("HTTP/1.0 500")) << reply.head.toStdString();
  const std::optional<QString> gained = waitForLog(watch);
  ASSERT_TRUE(gained.has_value());
  EXPECT_TRUE(gained->contains("syntax error at " + broken + " line 3,")) << gained->toStdString();
  EXPECT_FALSE(gained->contains("server started"));  // only what this test added

  const ServerStart again = server.ensureRunning(root + "/");
  ASSERT_TRUE(again.ok);
  EXPECT_EQ(again.base, start.base);
  EXPECT_EQ(childServers(), 1);

  server.stop();
  EXPECT_FALSE(server.isRunning());
  EXPECT_TRUE(server.baseUrl().isEmpty());
  EXPECT_EQ(childServers(), 0);
}

// Quotes, blanks and Japanese in the document root reach lighttpd intact,
// and the page address built for a script there is one a browser can send.
TEST(TestServer, OddDocumentRootsWorkAndAnotherRootRestartsTheServer) {
  SKIP_WITHOUT_SERVER_TOOLS();
  TempFolder folder;
  folder.write("plain/htdocs/hello.cgi", kHello);
  const QString oddRoot = folder.file(QString::fromUtf8("my \"web\" 日本/htdocs"));
  const QString script = folder.write(QString::fromUtf8("my \"web\" 日本/htdocs/sub dir/日本.cgi"), kHello);
  {
    TestServer server;
    const ServerStart first = server.ensureRunning(folder.file("plain/htdocs"));
    ASSERT_TRUE(first.ok) << first.failure.toStdString();

    const ServerStart odd = server.ensureRunning(oddRoot);
    ASSERT_TRUE(odd.ok) << odd.failure.toStdString();
    EXPECT_EQ(childServers(), 1);
    const QUrl address(CgiPageAddress("", script, oddRoot, odd.base.toString()));
    ASSERT_TRUE(address.isValid());
    EXPECT_EQ(address.port(), odd.base.port());
    const HttpReply reply = httpGet(address.port(), address.path(QUrl::FullyEncoded).toUtf8());
    EXPECT_EQ(reply.body, "hello from cgi\n") << reply.head.toStdString();
    EXPECT_TRUE(httpGet(odd.base.port(), "/hello.cgi").head.startsWith("HTTP/1.0 404"));  // the other root's
    EXPECT_TRUE(QFile::exists(CgiLogFileFor(oddRoot)));
  }
  EXPECT_EQ(childServers(), 0);  // ended with its owner
}

}  // namespace
}  // namespace wrenpad
