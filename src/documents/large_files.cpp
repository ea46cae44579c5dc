#include "documents/large_files.h"

#include "documents/writing_choices.h"
#include "large_view/large_text_view.h"
#include "text/bilingual.h"

#include <QFileInfo>
#include <algorithm>

namespace wrenpad {

using large::LargeDocument;

LargeFiles::LargeFiles(LargeFilesContext context) : c_(std::move(context)) {}

LargeFiles::~LargeFiles() = default;

QString LargeFiles::tr2(const char* english, const char16_t* japanese) const {
  return bilingual(c_.japanese, english, japanese);
}

LargeDocument& LargeFiles::document() const { return *c_.view.document(); }

bool LargeFiles::isLargeFile(const QString& path) {
  const QFileInfo info(path);
  if (!info.isFile()) return false;
  if (info.size() > kLargeFileBytes) return true;
  if (info.size() <= kLongestLineBytes) return false;
  const large::MappedBytes::Opened mapped = large::MappedBytes::map(path);
  return mapped.bytes && large::hasLineLongerThan(mapped.bytes->view(), kLongestLineBytes);
}

LargeDocument::Opened LargeFiles::read(const QString& path) const {
  return LargeDocument::open(path, chosenOutputEncoding(c_.settings));
}

void LargeFiles::show(std::unique_ptr<LargeDocument> document, bool readOnly) {
  document->findLineEnd();
  c_.view.setNewLineEnd(newTextLineEnd(c_.settings));
  c_.view.setCopiedLineBreak(lineBreakOf(newTextLineEnd(c_.settings)));
  c_.view.setDocument(std::move(document));
  c_.view.setReadOnly(readOnly);
  shown_ = true;
  c_.showView(true);
}

void LargeFiles::close() {
  if (!shown_) return;
  shown_ = false;
  c_.view.takeDocument();
  c_.showView(false);
}

bool LargeFiles::isModified() const { return shown_ && document().isModified(); }

void LargeFiles::setReadOnly(bool readOnly) { c_.view.setReadOnly(readOnly); }

files::WriteResult LargeFiles::write(const QString& path) {
  LargeDocument& saved = document();
  const files::WriteResult written = files::writeFileKeepingIdentity(
      path, saved.size(), [&saved](const files::BlockPut& put) { return saved.writeTo(put); });
  if (written.failure.failed()) return written;
  // Written in place over the very file the document maps: the mapping now
  // shows the new bytes, which the document is; it maps them afresh.
  if (written.inPlace && saved.maps(written.stamp.device, written.stamp.inode)) {
    if (large::MappedBytes::Opened mapped = large::MappedBytes::map(path); mapped.bytes)
      saved.rebase(std::move(mapped.bytes));
  }
  saved.markSaved();
  c_.view.documentEdited(c_.view.caret());
  return written;
}

QString LargeFiles::statusNote() const {
  if (!shown_) return {};
  const LargeDocument& shownDocument = document();
  const large::DetectedForm& form = shownDocument.form();
  static const char* const kLineEnds[] = {"CR LF", "LF", "CR"};
  const QString code = form.jis ? QStringLiteral("JIS") : encodingName(form.encoding);
  const QString lineEnd = form.lineEndFromFile ? QString::fromLatin1(kLineEnds[int(form.lineEnd)]) : QStringLiteral("-");
  // What is off comes first: a narrow window cuts the end of the note.
  return tr2("Large file: colouring and in-page rendering are off (%1, %2%3)",
             u"大きなファイル: 色分けとページ表示はオフです（%1、%2%3）")
      .arg(code, lineEnd, c_.view.isReadOnly() ? tr2(", read-only", u"、読み取り専用") : QString());
}

bool LargeFiles::findNext(const QString& what, bool matchCase) {
  const std::optional<std::string> needle = large::encodeText(what, document().encoding());
  if (!needle || needle->empty()) return false;
  const std::optional<qint64> hit = document().find(*needle, c_.view.selectionEnd(), false, matchCase);
  if (!hit) return false;
  c_.view.select(*hit, *hit + qint64(needle->size()));
  return true;
}

bool LargeFiles::replaceSelection(const QString& with) {
  return !c_.view.hasSelection() || c_.view.insertText(with);
}

LargeFiles::ReplacedCounts LargeFiles::replaceAll(const QString& what, const QString& with, bool matchCase,
                                                  const std::function<bool(qint64)>& goOn) {
  ReplacedCounts counts;
  LargeDocument& edited = document();
  const std::optional<std::string> needle = large::encodeText(what, edited.encoding());
  qsizetype unwritable = -1;
  const std::optional<std::string> replacement = large::encodeText(with, edited.encoding(), &unwritable);
  if (!replacement) {
    emit c_.view.cannotWrite(QString(with.at(unwritable)));
    return counts;
  }
  if (c_.view.isReadOnly() || !needle || needle->empty()) return counts;
  const qint64 caret = c_.view.caret();
  // As the editor's Replace All: one character before the caret on, then,
  // when the user goes on, from the start up to the first hit of that pass.
  const bool asks = bool(goOn);
  const qint64 split = asks ? edited.previousCharacter(caret) : 0;
  const std::vector<qint64> tail = edited.findAll(*needle, split, edited.size(), matchCase);
  if (!tail.empty()) edited.replaceHits(tail, qint64(needle->size()), *replacement);
  counts.first = qint64(tail.size());
  if (asks && goOn(counts.first)) {
    const qint64 untouchedEnd = tail.empty() ? edited.size() : tail.front();
    std::vector<qint64> head = edited.findAll(*needle, 0, untouchedEnd, matchCase);
    std::erase_if(head, [split](qint64 hit) { return hit >= split; });
    counts.second = qint64(head.size());
    if (!head.empty()) {
      // Both passes make one undo step: the first is taken back and both go in at once.
      if (!tail.empty()) edited.undo();
      head.insert(head.end(), tail.begin(), tail.end());
      edited.replaceHits(head, qint64(needle->size()), *replacement);
    }
  }
  c_.view.documentEdited(std::min(caret, edited.size()));
  return counts;
}

void LargeFiles::goToLine(qint64 line) {
  c_.view.goToLine(std::max<qint64>(0, line - 1));
  c_.view.setFocus();
}

qint64 LargeFiles::caretLine() const { return c_.view.caretLine() + 1; }

}  // namespace wrenpad
