// SPDX-License-Identifier: GPL-3.0-or-later
#include "documents/large_files.h"

#include "documents/large_count.h"
#include "documents/writing_choices.h"
#include "large_view/large_text_view.h"
#include "platform/dialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <algorithm>
#include <cstring>

namespace wrenpad {

using large::LargeDocument;

LargeFiles::LargeFiles(LargeFilesContext context) : c_(std::move(context)), watch_(std::make_unique<QTimer>()) {
  watch_->setInterval(kWatchMilliseconds);
  QObject::connect(watch_.get(), &QTimer::timeout, [this] { watchFile(); });
}

// The file is read a block at a time as the view needs it: another program
// that writes into it or shortens it is noticed at the next block read or
// here, whichever comes first, and the user is told at once.
void LargeFiles::watchFile() {
  if (!shown_ || !document().fileChangedOnDisk()) return;
  watch_->stop();
  if (c_.changedOnDisk) c_.changedOnDisk();
}

LargeFiles::~LargeFiles() = default;

LargeDocument& LargeFiles::document() const { return *c_.view.document(); }

bool LargeFiles::isLargeFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile()) return false;
  if (info.size() > kLargeFileBytes) return true;
  if (info.size() <= kLongestLineBytes) return false;
  const large::OriginalBytes::Opened opened = large::OriginalBytes::open(path);
  return opened.bytes && large::hasLineLongerThan(*opened.bytes, kLongestLineBytes);
}

LargeDocument::Opened LargeFiles::read(const QString& path) const {
  return LargeDocument::open(path, chosenOutputEncoding(c_.settings));
}

void LargeFiles::show(std::unique_ptr<LargeDocument> document, bool readOnly, const QString& path) {
  document->findLineEnd();
  if (path.isEmpty())
    edits_.stop();
  else
    edits_.start(*document, path, IdentityOf(files::stampOf(path)));
  c_.view.setNewLineEnd(newTextLineEnd(c_.settings));
  c_.view.setCopiedLineBreak(lineBreakOf(newTextLineEnd(c_.settings)));
  c_.view.setDocument(std::move(document));
  c_.view.setReadOnly(readOnly);
  if (c_.programFace) c_.view.setFont(c_.programFace());
  shown_ = true;
  c_.showView(true);
  watch_->start();
}

void LargeFiles::close() {
  if (!shown_) return;
  shown_ = false;
  watch_->stop();
  edits_.stop();
  c_.view.takeDocument();
  c_.showView(false);
}

bool LargeFiles::isModified() const { return shown_ && document().isModified(); }

bool LargeFiles::isReadOnly() const { return c_.view.isReadOnly(); }

void LargeFiles::setReadOnly(bool readOnly) { c_.view.setReadOnly(readOnly); }

files::WriteResult LargeFiles::write(const QString& path) {
  LargeDocument& saved = document();
  const files::WriteResult written = files::writeFileKeepingIdentity(
      path, saved.size(), [&saved](const files::BlockPut& put) { return saved.writeTo(put); },
      [this, &path] { return keepOriginalBeforeWritingOver(path); });
  if (written.failure.failed()) return written;
  // Written in place over the very file the document still reads (no copy
  // was made): the file now holds what the document is, and the document
  // stands on it afresh; the undo steps, which named its old bytes, go.
  if (written.inPlace && saved.maps(written.stamp.device, written.stamp.inode)) saved.rebase();
  saved.markSaved();
  // The edits from here on are kept relative to the text as saved.
  edits_.start(saved, path, IdentityOf(written.stamp));
  c_.view.documentEdited(c_.view.caret());
  return written;
}

bool LargeFiles::keepOriginalBeforeWritingOver(const QString& path) {
  LargeDocument& saved = document();
  const files::FileStamp target = files::stampOf(path);
  if (!saved.maps(target.device, target.inode)) return true;
  if (!saved.canUndo() && !saved.canRedo()) return true;
  // The file's own folder first: the copy may then share the file's blocks.
  const QStringList folders{QFileInfo(path).absolutePath(), c_.stateFolder, QDir::tempPath()};
  if (saved.keepOriginalIn(folders)) return true;
  return c_.dialogs.askYesNoCancel(
             tr("Save"),
             tr("This file is written over in place (it has other links or attributes), and there is no room "
                "to keep its old text for Undo. Save anyway? Undo will not reach back before this save.")) ==
         Answer::Yes;
}

QString LargeFiles::typedText() const {
  if (!shown_) return {};
  constexpr qint64 kMostTyped = qint64(8) << 20;
  const std::string typed = document().typedBytes(kMostTyped, "\n");
  return large::decodeText(document().encoding(), typed).text;
}

QString LargeFiles::statusNote() const {
  if (!shown_) return {};
  const LargeDocument& shownDocument = document();
  const large::DetectedForm& form = shownDocument.form();
  static const char* const kLineEnds[] = {"CR LF", "LF", "CR"};
  const QString code = form.jis ? QStringLiteral("JIS") : encodingName(form.encoding);
  const QString lineEnd = form.lineEndFromFile ? QString::fromLatin1(kLineEnds[int(form.lineEnd)]) : QStringLiteral("-");
  // Short, the file's own state first: it shares the status bar with the panels.
  return tr("Large file (%1, %2%3): no colouring, no page view")
      .arg(code, lineEnd, c_.view.isReadOnly() ? tr(", read-only") : QString());
}

bool LargeFiles::findNext(const QString& what, bool matchCase) {
  const std::optional<large::Needle> needle = document().needleFor(what);
  if (!needle || needle->bytes.empty()) return false;
  const std::optional<qint64> hit =
      document().find(needle->bytes, c_.view.selectionEnd(), false, matchCase, needle->state);
  if (!hit) return false;
  // From the hit's character start: in 7-bit JIS, the escape before it.
  c_.view.select(document().characterStart(*hit), *hit + qint64(needle->bytes.size()));
  return true;
}

bool LargeFiles::replaceSelection(const QString& with) {
  return !c_.view.hasSelection() || c_.view.insertText(with);
}

DocumentView::ReplacedCounts LargeFiles::replaceAll(const QString& what, const QString& with, bool matchCase,
                                                  const std::function<bool(qint64)>& goOn) {
  ReplacedCounts counts;
  LargeDocument& edited = document();
  const std::optional<large::Needle> needle = edited.needleFor(what);
  // Every hit stands in the needle's state: the replacement goes from it back to it.
  QString unwritable;
  const large::JisState state = needle ? needle->state : large::JisState::Single;
  const std::optional<std::string> replacement = edited.bytesOf(with, state, &unwritable);
  if (!replacement) {
    emit c_.view.cannotWrite(unwritable);
    return counts;
  }
  if (c_.view.isReadOnly() || !needle || needle->bytes.empty()) return counts;
  const qint64 caret = c_.view.caret();
  // As the editor's Replace All: one character before the caret on, then,
  // when the user goes on, from the start up to the first hit of that pass.
  const bool asks = bool(goOn);
  const qint64 split = asks ? edited.previousCharacter(caret) : 0;
  std::vector<qint64> hits = edited.findAll(needle->bytes, split, edited.size(), matchCase, state);
  counts.first = qint64(hits.size());
  // Both passes go in as one undo step, and only once: the bytes of a first
  // pass taken back would stay in the document's add buffer for nothing.
  if (asks && goOn(counts.first)) {
    const qint64 untouchedEnd = hits.empty() ? edited.size() : hits.front();
    std::vector<qint64> head = edited.findAll(needle->bytes, 0, untouchedEnd, matchCase, state);
    std::erase_if(head, [split](qint64 hit) { return hit >= split; });
    counts.second = qint64(head.size());
    head.insert(head.end(), hits.begin(), hits.end());
    hits = std::move(head);
  }
  if (!hits.empty()) edited.replaceHits(hits, qint64(needle->bytes.size()), *replacement);
  c_.view.documentEdited(std::min(caret, edited.size()));
  return counts;
}

void LargeFiles::goToLine(qint64 line, int column) {
  c_.view.goToLine(std::max<qint64>(0, line));
  if (column > 0) {
    // The caret on its line's start: the column's characters on from there.
    const qint64 start = c_.view.caret();
    const qint64 end = document().lines().lineEnd(c_.view.caretLine());
    qint64 at = start;
    for (int i = 0; i < column && at < end; ++i) at = document().nextCharacter(at);
    c_.view.setCaret(at);
  }
  c_.view.setFocus();
}

qint64 LargeFiles::caretLine() { return c_.view.caretLine(); }

}  // namespace wrenpad
