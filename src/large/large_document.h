#pragma once
// A document too large for the editor's text widget, kept as its file's own
// bytes: the file read a block at a time (original_bytes.h), a piece table over it and an add
// buffer (piece_table.h), the lines found as far as they are asked for
// (line_index.h), undo and redo of the edits (edit_history.h). Text goes in
// and comes out in the file's kanji code (large_codec.h), a line or a
// screen at a time; line ends stay as the file has them, and a save writes
// the pieces one after another, so memory stays small whatever the size.
//
// Offsets are bytes from the start of the document. The caller keeps them on
// the start of a character; characterStart() finds one for any byte.

#include "large/edit_history.h"
#include "large/large_codec.h"
#include "large/line_index.h"
#include "large/original_bytes.h"

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

namespace wrenpad::large {

struct Change {
  qint64 offset = 0;
  qint64 removed = 0;   // bytes taken out at offset
  qint64 inserted = 0;  // bytes put in their place
};

class LargeDocument {
 public:
  struct Opened {
    std::unique_ptr<LargeDocument> document;
    files::Failure failure;
  };
  // `fallback` is the code of a file whose head holds no kanji.
  static Opened open(const QString& path, TextEncoding fallback);
  static std::unique_ptr<LargeDocument> holding(std::string bytes, TextEncoding fallback);

  LargeDocument(const LargeDocument&) = delete;
  LargeDocument& operator=(const LargeDocument&) = delete;

  qint64 size() const { return text_.size(); }
  const DetectedForm& form() const { return form_; }
  TextEncoding encoding() const { return form_.encoding; }
  // A 7-bit JIS file is shown, never changed: its kanji need escapes around them.
  bool editable() const { return !form_.jis; }
  // The bytes Enter puts in: the file's first line end, or `fallback` when it has none.
  std::string_view lineBreak(LineEnd fallback) const;
  // A file whose head holds no line end (a first line longer than the head)
  // takes the line end of its first line's end, wherever that is.
  void findLineEnd();

  LineIndex& lines() { return lines_; }
  const PieceTable& text() const { return text_; }
  char byteAt(qint64 offset) const { return text_.byteAt(offset); }
  std::string bytes(qint64 from, qint64 to) const { return text_.bytes(from, to); }
  // [from, to) as text, `from` on a character's start, no line break inside;
  // 7-bit JIS in the state its escapes leave at `from`.
  DecodedText decode(qint64 from, qint64 to) const;
  // 7-bit JIS: the state the escapes before `offset` leave it in.
  JisState jisState(qint64 offset) const;

  // The start of the character that holds `offset`.
  qint64 characterStart(qint64 offset) const;
  // The next and previous character (a line break, CR LF included, is one).
  qint64 nextCharacter(qint64 offset) const;
  qint64 previousCharacter(qint64 offset) const;

  // Replaces [offset, offset + length) with `bytes`, as one undo step or
  // part of the step before it (EditKind).
  Change replace(qint64 offset, qint64 length, std::string_view bytes, EditKind kind = EditKind::Other);
  bool canUndo() const { return history_.toUndo() != nullptr; }
  bool canRedo() const { return history_.toRedo() != nullptr; }
  std::optional<Change> undo();
  std::optional<Change> redo();
  // The next edit makes an undo step of its own.
  void sealUndoStep() { history_.seal(); }

  bool isModified() const { return !history_.atSaved(); }
  // Counts up with every change of the text.
  quint64 revision() const { return revision_; }

  // Where `needle` occurs first at or after `from` (forward), or last ending
  // at or before `from` (backward), on characters' starts; ASCII letters
  // matched in either case unless `matchCase`.
  std::optional<qint64> find(std::string_view needle, qint64 from, bool backward, bool matchCase) const;
  // Every `needle` in [from, to) replaced by `with`, as one undo step; the
  // count, and the change made (nothing when none was found).
  struct Replaced {
    qint64 count = 0;
    Change change;
  };
  Replaced replaceAll(std::string_view needle, std::string_view with, qint64 from, qint64 to, bool matchCase);
  // The hits of `needle` in [from, to) that do not overlap, in order.
  std::vector<qint64> findAll(std::string_view needle, qint64 from, qint64 to, bool matchCase) const;
  // The `length` bytes at each of `hits` (ascending, not overlapping)
  // replaced by `with`, as one undo step.
  Change replaceHits(const std::vector<qint64>& hits, qint64 length, std::string_view with);

  // Hands the document's bytes to `put` in order, a MiB at most at a time;
  // stops at the first error put returns (errno), and returns it, else 0.
  // ESTALE when the file changed on disk so that some bytes could not be
  // read as they were.
  int writeTo(const std::function<int(std::string_view)>& put) const;
  // The file now holds exactly the document's bytes.
  void markSaved() { history_.markSaved(); }
  // The document was written over the very file it reads, whose old bytes
  // are gone: it reads the file anew and the undo steps, which name those
  // bytes, are forgotten.
  void rebase();
  // The document's original bytes come from now on from a private copy of
  // them (OriginalBytes::privateCopy), made before its file is written over
  // in place: the undo steps stay. False when no copy could be made.
  bool keepOriginalIn(const QStringList& folders);
  // Whether the document reads the file with this device and inode.
  bool maps(quint64 device, quint64 inode) const { return file_->isFile(device, inode); }
  // The file the original bytes come from as it was opened; nothing for
  // bytes held in memory.
  std::optional<FileIdentity> originalIdentity() const;
  // Whether another program changed that file since: looks at it now.
  bool fileChangedOnDisk() const { return file_->checkFile(); }
  // The text the user put in (the add buffer's stretches in the document,
  // in order, each run on a line of its own), at most `limit` bytes.
  std::string typedBytes(qint64 limit, std::string_view lineBreak) const;

  // Called after every change of the text: edits, undo, redo, replacing
  // hits; the inserted bytes are bytes(offset, offset + inserted) then.
  using ChangeListener = std::function<void(const Change&)>;
  void setChangeListener(ChangeListener listener) { listener_ = std::move(listener); }

 private:
  LargeDocument(std::shared_ptr<OriginalBytes> file, TextEncoding fallback);
  // Runs `change`, which makes [offset, offset + length) `inserted` bytes,
  // and moves the line index with it.
  template <typename Change_>
  Change changing(qint64 offset, qint64 length, qint64 inserted, Change_&& change);
  Change apply(qint64 offset, qint64 length, const Pieces& pieces, Pieces* removed);
  bool equalsAt(qint64 at, std::string_view needle, bool matchCase) const;
  template <typename Hit>
  void forEachHit(std::string_view needle, qint64 from, qint64 to, bool backward, bool matchCase, Hit&& hit) const;

  std::shared_ptr<OriginalBytes> file_;
  DetectedForm form_;
  PieceTable text_;
  LineIndex lines_;
  EditHistory history_;
  quint64 revision_ = 0;
  ChangeListener listener_;
};

}  // namespace wrenpad::large
