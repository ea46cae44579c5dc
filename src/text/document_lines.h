// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The document-lines list through which every file is read and written.
// Setting its text splits at each CR LF, lone CR or lone LF; reading its text
// puts CR LF after every line, the last included. Every other character is
// kept, a NUL too: a save never writes fewer characters than the user has.

#include <QString>
#include <QStringList>

namespace wrenpad {

class DocumentLines {
 public:
  void setText(const QString& text);
  QString text() const;
  const QStringList& lines() const { return lines_; }
  void clear() { lines_.clear(); }

 private:
  QStringList lines_;
};

// setText followed by text(): the form every loaded and saved text takes.
QString normalizeDocumentText(const QString& text);

}  // namespace wrenpad
