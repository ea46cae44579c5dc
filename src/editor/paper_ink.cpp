// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/paper_ink.h"

#include "editor/text_on_background.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <vector>

namespace wrenpad {

namespace {

constexpr double kLeastContrastOnPaper = 3.0;

// The format a stretch of text takes on paper; false when it needs no change.
bool paperFormat(QTextCharFormat& format) {
  bool changed = false;
  if (format.hasProperty(QTextFormat::BackgroundBrush)) {
    format.clearBackground();
    changed = true;
  }
  if (format.hasProperty(QTextFormat::ForegroundBrush)) {
    const QColor screen = format.foreground().color();
    const QColor paper = inkOnPaper(screen);
    if (paper != screen) {
      format.setForeground(paper);
      changed = true;
    }
  }
  return changed;
}

struct Restyle {
  int start;
  int length;
  QTextCharFormat format;
};

}  // namespace

double contrastOnPaper(const QColor& colour) {
  // White's relative luminance is 1.
  return (1.0 + 0.05) / (RelativeLuminance(colour) + 0.05);
}

QColor inkOnPaper(const QColor& colour) {
  return contrastOnPaper(colour) >= kLeastContrastOnPaper ? colour : QColor(Qt::black);
}

void prepareForPaper(QTextDocument& document) {
  std::vector<Restyle> restyles;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
      QTextCharFormat format = fragment.fragment().charFormat();
      if (paperFormat(format))
        restyles.push_back({fragment.fragment().position(), fragment.fragment().length(), format});
    }
  }
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  for (const Restyle& restyle : restyles) {
    cursor.setPosition(restyle.start);
    cursor.setPosition(restyle.start + restyle.length, QTextCursor::KeepAnchor);
    cursor.setCharFormat(restyle.format);
  }
  cursor.endEditBlock();
}

}  // namespace wrenpad
