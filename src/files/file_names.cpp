// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/file_names.h"

namespace wrenpad::files {

namespace {

constexpr char16_t kFirstStandIn = 0xDC80;
constexpr char16_t kLastStandIn = 0xDCFF;

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

// The length of the valid UTF-8 sequence at `at`, 0 when the bytes there are
// not one (overlong forms, surrogates and code points past U+10FFFF are not).
int validSequenceLength(const QByteArray& bytes, qsizetype at) {
  const auto byteAt = [&bytes](qsizetype i) { return static_cast<unsigned char>(bytes.at(i)); };
  const unsigned char lead = byteAt(at);
  if (lead < 0x80) return 1;
  int length = 0;
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  else return 0;
  // The second byte's range rules out overlong forms, surrogates and values
  // beyond U+10FFFF.
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (at + length > bytes.size()) return 0;
  const unsigned char second = byteAt(at + 1);
  if (second < low || second > high) return 0;
  for (int i = 2; i < length; ++i)
    if (!isContinuation(byteAt(at + i))) return 0;
  return length;
}

bool isStandIn(QChar unit) { return unit.unicode() >= kFirstStandIn && unit.unicode() <= kLastStandIn; }

// A stand-in is a low surrogate with no high surrogate before it.
bool isStandInAt(const QString& name, qsizetype at) {
  return isStandIn(name.at(at)) && (at == 0 || !name.at(at - 1).isHighSurrogate());
}

}  // namespace

QString fileNameFromBytes(const QByteArray& bytes) {
  if (bytes.isValidUtf8()) return QString::fromUtf8(bytes);
  QString name;
  name.reserve(bytes.size());
  qsizetype at = 0;
  while (at < bytes.size()) {
    const int length = validSequenceLength(bytes, at);
    if (length == 0) {
      name += QChar(char16_t(0xDC00 + static_cast<unsigned char>(bytes.at(at))));
      ++at;
    } else {
      name += QString::fromUtf8(bytes.constData() + at, length);
      at += length;
    }
  }
  return name;
}

QByteArray fileNameToBytes(const QString& name) {
  QByteArray bytes;
  qsizetype runStart = 0;
  for (qsizetype at = 0; at < name.size(); ++at) {
    if (!isStandInAt(name, at)) continue;
    bytes += QStringView(name).mid(runStart, at - runStart).toUtf8();
    bytes += char(name.at(at).unicode() - 0xDC00);
    runStart = at + 1;
  }
  if (runStart == 0) return name.toUtf8();
  bytes += QStringView(name).mid(runStart).toUtf8();
  return bytes;
}

}  // namespace wrenpad::files
