// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the colouring reference tests share: reading a page of the reference
// folder and the names its expectation files give the kinds of spans.

#include "colouring/colour_span.h"

#include <QFile>
#include <QString>
#include <gtest/gtest.h>

namespace wrenpad::test {

inline const QString kColouringReferenceFolder = QStringLiteral(WRENPAD_TEST_DATA "/colouring");

inline QString ReadUtf8(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  return QString::fromUtf8(file.readAll());
}

inline QString KindName(SpanKind kind) {
  switch (kind) {
    case SpanKind::Tag: return "tag";
    case SpanKind::QuotedValue: return "value";
    case SpanKind::Comment: return "comment";
    case SpanKind::ClosedTag: return "closed-tag";
    case SpanKind::ClosedComment: return "closed-comment";
    case SpanKind::ProgramText: return "text";
    case SpanKind::ProgramKeyword: return "keyword";
    case SpanKind::ProgramString: return "string";
    case SpanKind::ProgramComment: return "program-comment";
  }
  return "?";
}

}  // namespace wrenpad::test
