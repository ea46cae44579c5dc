// SPDX-License-Identifier: GPL-3.0-or-later
// The tag painter against reference pages: tests/data/colouring/*.spans name
// a page and a range and list the expected spans (see the README there).
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextStream>

#include "colouring/tag_spans.h"
#include "support/colouring_reference.h"

namespace wrenpad {
namespace {

const QString& kDataFolder = test::kColouringReferenceFolder;

using test::KindName;
using test::ReadUtf8;

QString Escaped(QString text) {
  return text.replace("\r", "\\r").replace("\n", "\\n");
}

// A span as a line of the reference format.
QString SpanLine(const QString& text, const ColourSpan& span) {
  return QString("%1 %2 %3 %4")
      .arg(KindName(span.kind))
      .arg(span.start)
      .arg(span.length)
      .arg(Escaped(text.mid(span.start, span.length)));
}

struct Reference {
  QString page;
  int start = 0;
  int finish = 0;
  QStringList spans;
};

Reference ReadReference(const QString& path) {
  Reference reference;
  const QStringList lines = ReadUtf8(path).split('\n');
  for (const QString& line : lines) {
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QStringList words = line.split(' ');
    if (words[0] == "input") {
      reference.page = ReadUtf8(kDataFolder + "/" + words[1]).replace("\n", "\r\n");
    } else if (words[0] == "range") {
      reference.start = words[1].toInt();
      reference.finish = words[2] == "end" ? reference.page.size() : words[2].toInt();
    } else {
      reference.spans.append(line);
    }
  }
  return reference;
}

TEST(TagSpansReference, PagesPaintAsRecorded) {
  const QStringList files = QDir(kDataFolder).entryList({"*.spans"}, QDir::Files, QDir::Name);
  ASSERT_FALSE(files.isEmpty());
  for (const QString& name : files) {
    SCOPED_TRACE(name.toStdString());
    const Reference reference = ReadReference(kDataFolder + "/" + name);
    const TagPaint paint =
        PaintTagsInRange(reference.page, reference.start, reference.finish, {0, 100});
    QStringList actual;
    for (const ColourSpan& span : paint.spans) actual.append(SpanLine(reference.page, span));
    EXPECT_EQ(actual.join('\n').toStdString(), reference.spans.join('\n').toStdString());
  }
}

}  // namespace
}  // namespace wrenpad
