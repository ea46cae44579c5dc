// SPDX-License-Identifier: GPL-3.0-or-later
// The test web server for CGI scripts: its configuration, the addresses it
// gives, and why it does not start (a real lighttpd runs in the Coding
// menu's CGI case).
#include "programming/test_server.h"

#include "support/temp_folder.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <gtest/gtest.h>

namespace wrenpad {
namespace {

using test::TempFolder;

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
  EXPECT_EQ(CgiPageAddress("", "/srv/web/htdocs2/a.cgi", root, base), "");
}

TEST(TestServer, ConfigurationWritesOddPathsAsLighttpdStrings) {
  const QString text = LighttpdConfigText(
      {QString::fromUtf8("/tmp/x/my \"web\" 日本/htdocs"), 18080, "/tmp/x/a\\\"b/logs/error.log", "/usr/bin/perl"});
  EXPECT_TRUE(text.contains(QString::fromUtf8("server.document-root = \"/tmp/x/my \\\"web\\\" 日本/htdocs\"\n")));
  EXPECT_TRUE(text.contains("server.errorlog = \"/tmp/x/a\\\\\"b/logs/error.log\"\n"));

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

}  // namespace
}  // namespace wrenpad
