#pragma once
// The file boundary of documents: bytes on disk to the editor's text and back.

#include <QByteArray>
#include <QString>

namespace wrenpad {

// Bytes of a file to document text: Shift-JIS (code page 932) decoded, line
// breaks made CR LF after every line, cut at the first NUL.
QString decodeDocumentBytes(const QByteArray& bytes);

// Document text to the bytes written: CR LF after every line, encoded as
// Shift-JIS (code page 932).
QByteArray encodeDocumentText(const QString& text);

}  // namespace wrenpad
