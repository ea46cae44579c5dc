#include "shell/document_codec.h"

#include "shell/document_lines.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace wrenpad {

namespace {
// Code page 932 through ICU: unlike glibc's SHIFT_JIS it keeps 0x5C a
// backslash and 0x7E a tilde.
constexpr const char* kCodePage932 = "windows-31j";
}  // namespace

QString decodeDocumentBytes(const QByteArray& bytes) {
  QStringDecoder decoder(kCodePage932);
  return normalizeDocumentText(decoder.decode(bytes));
}

QByteArray encodeDocumentText(const QString& text) {
  QStringEncoder encoder(kCodePage932);
  return encoder.encode(normalizeDocumentText(text));
}

}  // namespace wrenpad
