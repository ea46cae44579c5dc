// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The layout of the editor's document. Private to the editor room.

#include <QPlainTextDocumentLayout>

namespace wrenpad {

// Lays the document out line by line, as QPlainTextEdit does, and shows each
// paragraph with the alignment its block format carries. The plain-text layout
// knows the height of a paragraph only once it is shown, so neither loading
// nor a change costs a layout of the whole document; the alignment is applied
// to a paragraph's lines when they are measured or drawn.
//
// Until an alignment is set in the document every paragraph has the default
// one, which the plain-text layout gives each line it lays out, so no
// paragraph's format is looked at: measuring costs what it costs a bare
// QPlainTextEdit.
class AligningLayout : public QPlainTextDocumentLayout {
 public:
  using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

  QRectF blockBoundingRect(const QTextBlock& block) const override;

  // A paragraph of `document` may carry an alignment from now on.
  static void noteAlignmentsIn(QTextDocument& document);
  // Every paragraph of `document` is plain again (a whole new text).
  static void notePlainParagraphsIn(QTextDocument& document);

 private:
  bool alignmentsSet_ = false;
};

}  // namespace wrenpad
