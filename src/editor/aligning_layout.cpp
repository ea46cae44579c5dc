// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/aligning_layout.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace wrenpad {

QRectF AligningLayout::blockBoundingRect(const QTextBlock& block) const {
  const QRectF rect = QPlainTextDocumentLayout::blockBoundingRect(block);
  if (!alignmentsSet_) return rect;
  QTextLayout* layout = block.isValid() ? block.layout() : nullptr;
  if (layout == nullptr) return rect;
  const QTextBlockFormat format = block.blockFormat();
  const Qt::Alignment wanted = format.hasProperty(QTextFormat::BlockAlignment)
                                   ? format.alignment()
                                   : document()->defaultTextOption().alignment();
  if (layout->textOption().alignment() != wanted) {
    QTextOption option = layout->textOption();
    option.setAlignment(wanted);
    layout->setTextOption(option);  // positions lines when drawn; no new layout
  }
  return rect;
}

void AligningLayout::noteAlignmentsIn(QTextDocument& document) {
  if (auto* layout = dynamic_cast<AligningLayout*>(document.documentLayout())) layout->alignmentsSet_ = true;
}

void AligningLayout::notePlainParagraphsIn(QTextDocument& document) {
  if (auto* layout = dynamic_cast<AligningLayout*>(document.documentLayout())) layout->alignmentsSet_ = false;
}

}  // namespace wrenpad
