// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a browser would fetch from the test server: a plain HTTP/1.0 GET on
// the loopback address, read to the server's close (at most 1 MiB, at most
// 10 s without data).

#include <QByteArray>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace wrenpad::test {

// The body of the reply.
inline QByteArray httpGet(int port, const QByteArray& path) {
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
      while (reply.size() < (1 << 20) && (got = ::recv(fd, buffer, sizeof buffer, 0)) > 0)
        reply.append(buffer, got);
    }
  }
  ::close(fd);
  const qsizetype end = reply.indexOf("\r\n\r\n");
  return end < 0 ? QByteArray() : reply.mid(end + 4);
}

}  // namespace wrenpad::test
