// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/crlf_text.h"

#include "editor/aligning_layout.h"
#include "editor/editor_widget.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

// The program's view of the text: the whole text with CR LF breaks, kept up
// to date change by change, and the conversion between its positions and the
// document's (where a line break counts one).

namespace wrenpad {

// CR LF and lone CR become LF, in one pass. (QString::replace moves the
// whole rest of the text for every thousand matches: quadratic on a long
// file.)
QString withLfBreaks(const QString& text) {
  if (!text.contains(u'\r')) return text;
  QString out(text.size(), Qt::Uninitialized);
  QChar* to = out.data();
  const QChar* from = text.constData();
  const QChar* end = from + text.size();
  for (; from < end; ++from) {
    if (*from != u'\r') {
      *to++ = *from;
    } else {
      *to++ = u'\n';
      if (from + 1 < end && from[1] == u'\n') ++from;
    }
  }
  out.truncate(to - out.constData());
  return out;
}

QString withLineBreaks(const QString& text, QStringView lineBreak) {
  if (lineBreak == u"\n") return withLfBreaks(text);
  QString out;
  out.reserve(text.size() + text.size() / 16);
  const QStringView view(text);
  qsizetype start = 0;
  for (qsizetype i = 0; i < view.size(); ++i) {
    const QChar c = view[i];
    if (c != u'\r' && c != u'\n') continue;
    out.append(view.sliced(start, i - start)).append(lineBreak);
    if (c == u'\r' && i + 1 < view.size() && view[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  return out.append(view.sliced(start));
}

// The document's paragraph separators written as CR LF, in one pass.
QString withCrLfBreaks(const QString& raw) {
  const qsizetype breaks = raw.count(QChar::ParagraphSeparator);
  if (breaks == 0) return raw;
  QString out(raw.size() + breaks, Qt::Uninitialized);
  QChar* to = out.data();
  for (const QChar c : raw) {
    if (c == QChar::ParagraphSeparator) {
      *to++ = u'\r';
      *to++ = u'\n';
    } else {
      *to++ = c;
    }
  }
  return out;
}

// True when the document gives back exactly `text` as its CR LF text: every
// line break is CR LF and nothing in it is a character the document stores
// in its own way.
bool readsBackUnchanged(const QString& text) {
  const qsizetype n = text.size();
  const QChar* data = text.constData();
  for (qsizetype i = 0; i < n; ++i) {
    const char16_t c = data[i].unicode();
    if (c > u'\r' && c < 0x2028) continue;  // the common case, at once
    if (c == u'\r' && (i + 1 == n || data[i + 1] != u'\n')) return false;
    if (c == u'\n' && (i == 0 || data[i - 1] != u'\r')) return false;
    if (c == 0 || c == 0x2028 || c == 0x2029 || c == 0xFDD0 || c == 0xFDD1) return false;
  }
  return true;
}

namespace {

// The end of `removed` document characters from `start`: a CR and the LF
// after it count as one. Nothing when the text ends first.
std::optional<qsizetype> endOfDocumentCharacters(const PieceText& text, qsizetype start,
                                                 qsizetype removed) {
  qsizetype counted = 0;
  qsizetype end = start;
  bool afterCr = false;  // the last character counted was a CR: its LF goes with it
  text.forEachStretch(start, text.size(), [&](QStringView stretch, qsizetype position) {
    for (qsizetype i = 0; i < stretch.size(); ++i) {
      const QChar c = stretch[i];
      if (afterCr && c == u'\n') {
        afterCr = false;
        end = position + i + 1;
        continue;
      }
      if (counted == removed) return false;
      afterCr = c == u'\r';
      ++counted;
      end = position + i + 1;
    }
    return true;
  });
  if (counted < removed) return std::nullopt;
  return end;
}

}  // namespace

std::optional<CrLfChange> followDocumentChange(PieceText& text, qsizetype start, qsizetype removed,
                                               const QString& inserted) {
  if (start < 0 || start > text.size()) return std::nullopt;
  const std::optional<qsizetype> end = endOfDocumentCharacters(text, start, removed);
  if (!end) return std::nullopt;
  const QString added = withCrLfBreaks(inserted);
  text.replace(start, *end - start, added);
  return CrLfChange{start, *end - start, added.size()};
}

// ---- the CR LF text ---------------------------------------------------------

// The kept text, built afresh from the document after a change it could not
// follow (a whole new text that does not read back as given, an undo).
const PieceText& EditorControl::currentKeptText() const {
  if (keptRevision_ != revision_) {
    kept_ = PieceText(withCrLfBreaks(edit_->document()->toRawText()));
    keptRevision_ = revision_;
  }
  return kept_;
}

PieceText EditorControl::keptText() const { return currentKeptText(); }

int EditorControl::textLength() const { return int(currentKeptText().size()); }

// The pieces become the one string made here, so that the next call in the
// same revision hands it out again and no piece outlives its use.
QString EditorControl::text() const {
  const QString whole = currentKeptText().toString();
  kept_ = PieceText(whole);
  return whole;
}

// The CR LF text starts as the text given, shared rather than read back from
// the document: no second copy of a large file, no pass over it.
void EditorControl::keepWholeText(const QString& text) {
  if (!readsBackUnchanged(text)) return;
  kept_ = PieceText(text);
  keptRevision_ = revision_;
}

void EditorControl::setText(const QString& text) {
  undoValid_ = false;
  editRunOpen_ = false;
  replaceWholeText(text);
  keepWholeText(text);
}

void EditorControl::replaceText(const QString& text, bool sameUndoStep) {
  if (!sameUndoStep || !undoValid_) {
    editRunOpen_ = false;
    rememberUndoState();
  }
  replaceWholeText(text);
  keepWholeText(text);
  modified_ = true;
  editRunOpen_ = false;  // what is typed next is an edit of its own
}

// A whole new text starts with the default format: nothing of the format the
// caret stood on before (a tag's colour, say) carries over, neither to the
// new text (Qt gives it the caret's format) nor to what is typed next.
void EditorControl::replaceWholeText(const QString& text) {
  {
    FormattingScope scope(*this);
    edit_->setCurrentCharFormat(defaultCharFormat());
  }
  edit_->setPlainText(text);  // CR LF and lone CR each make one paragraph break
  AligningLayout::notePlainParagraphsIn(*edit_->document());
  FormattingScope scope(*this);
  edit_->setCurrentCharFormat(defaultCharFormat());
}

void EditorControl::clear() { setText(QString()); }

// Keeps the CR LF text up to date across one change of the document, so a key
// costs the change's size, not the text's. The blocks before `position` are
// as they were, so the change starts at the same place in the kept text.
// False when the change does not fit it, which is then built afresh when
// next read.
bool EditorControl::spliceKeptText(int position, int removed, int added) {
  const QTextDocument* document = edit_->document();
  const int textEnd = document->characterCount() - 1;  // the last break is not text
  if (position < 0 || position + added > textEnd) return false;
  const int start = position + document->findBlock(position).blockNumber();
  QTextCursor cursor(edit_->document());
  cursor.setPosition(position);
  cursor.setPosition(position + added, QTextCursor::KeepAnchor);
  const std::optional<CrLfChange> change = followDocumentChange(kept_, start, removed, cursor.selectedText());
  if (!change) return false;
  lastSplice_ = TextSplice{int(change->start), int(change->removed), int(change->added)};
  return true;
}

void EditorControl::onContentsChange(int position, int removed, int added) {
  if (formattingDepth_ > 0) return;
  if (removed == 0 && added == 0) return;
  if (composingOnly_ && removed == added) return;
  const bool keptWasCurrent = keptRevision_ == revision_;
  ++revision_;
  lastSplice_.reset();
  if (keptWasCurrent && spliceKeptText(position, removed, added)) keptRevision_ = revision_;
  modified_ = true;
  emit textChanged();
}
// ---- positions -------------------------------------------------------------

int lineAtCrLfPosition(const QTextDocument& document, int position, const QTextBlock& hint) {
  if (position < 0) return -1;
  // Block b starts at control position block.position() + b.
  if (hint.isValid()) {
    const int line = hint.blockNumber();
    const int start = hint.position() + line;
    if (start <= position && (!hint.next().isValid() || position < start + hint.length() + 1)) return line;
  }
  int low = 0;
  int high = document.blockCount() - 1;
  while (low < high) {
    const int middle = (low + high + 1) / 2;
    if (document.findBlockByNumber(middle).position() + middle <= position)
      low = middle;
    else
      high = middle - 1;
  }
  return low;
}

int EditorControl::toDocumentPosition(int controlPosition) const {
  const QTextDocument* document = edit_->document();
  if (controlPosition <= 0) return 0;
  const int line = lineAtCrLfPosition(*document, controlPosition, edit_->textCursor().block());
  const QTextBlock block = document->findBlockByNumber(line);
  const int offset = controlPosition - (block.position() + line);
  // A position between CR and LF belongs to the end of its line.
  return block.position() + std::min(offset, block.length() - 1);
}

int EditorControl::toControlPosition(int documentPosition) const {
  const QTextDocument* document = edit_->document();
  const int last = document->characterCount() - 1;
  documentPosition = std::clamp(documentPosition, 0, std::max(0, last));
  return documentPosition + document->findBlock(documentPosition).blockNumber();
}

QTextCursor EditorControl::cursorFor(int start, int length) const {
  QTextCursor cursor(edit_->document());
  cursor.setPosition(toDocumentPosition(start));
  if (length > 0) cursor.setPosition(toDocumentPosition(start + length), QTextCursor::KeepAnchor);
  return cursor;
}
}  // namespace wrenpad
