// SPDX-License-Identifier: GPL-3.0-or-later
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

// What an edit makes of the bytes: [offset, offset + length) becomes `bytes`.
struct Replacement {
  qint64 offset = 0;
  qint64 length = 0;
  std::string bytes;
};

// What Find looks for: the bytes, and in 7-bit JIS the state the text must
// be read in where they are (ASCII bytes are also a kanji's bytes).
struct Needle {
  std::string bytes;
  JisState state = JisState::Single;
};

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
  // 7-bit JIS: whether an escape begins at `offset`.
  bool jisEscapeAt(qint64 offset) const;

  // Text into bytes (large_document_text.cpp): every edit of text goes
  // through these, so 7-bit JIS keeps its escapes right.
  //
  // The edit that puts `text` in place of [offset, offset + length), its
  // line breaks made the file's own (lineBreak(fallback)). 7-bit JIS: the
  // text is read from the state at `offset` and followed by the escape back
  // to the state the bytes after it are read in, so they read as before; an
  // empty text (a deletion) gets that escape alone when the stretch taken
  // out changed the state. The stretch may grow by an escape on either side
  // that the edit makes needless: the editor's JIS reader takes the byte
  // after an escape as text, so no escape is ever left just before another.
  // Nothing, with the character in `refused`, when the code cannot hold one.
  std::optional<Replacement> replacementFor(QStringView text, qint64 offset, qint64 length, LineEnd fallback,
                                            QString* refused = nullptr) const;
  // `text` in the file's code; 7-bit JIS read from `state` and back to it
  // at the end (Replace All's replacement, whose hits all stand in it).
  std::optional<std::string> bytesOf(QStringView text, JisState state, QString* refused = nullptr) const;
  // What Find looks for `text` as. In 7-bit JIS a text all of single bytes
  // or all of pairs; a text of both is never found (nothing comes back):
  // the escapes between its parts could be written in more than one way.
  std::optional<Needle> needleFor(QStringView text) const;

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
  // matched in either case unless `matchCase`; 7-bit JIS only where the
  // text is read in `state` (Needle).
  std::optional<qint64> find(std::string_view needle, qint64 from, bool backward, bool matchCase,
                             JisState state = JisState::Single) const;
  // Every `needle` in [from, to) replaced by `with`, as one undo step; the
  // count, and the change made (nothing when none was found).
  struct Replaced {
    qint64 count = 0;
    Change change;
  };
  Replaced replaceAll(std::string_view needle, std::string_view with, qint64 from, qint64 to, bool matchCase,
                      JisState state = JisState::Single);
  // The hits of `needle` in [from, to) that do not overlap, in order.
  std::vector<qint64> findAll(std::string_view needle, qint64 from, qint64 to, bool matchCase,
                              JisState state = JisState::Single) const;
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
  bool equalsAt(qint64 at, std::string_view needle, bool matchCase, JisState state) const;
  template <typename Hit>
  void forEachHit(std::string_view needle, qint64 from, qint64 to, bool backward, bool matchCase, JisState state,
                  Hit&& hit) const;

  std::shared_ptr<OriginalBytes> file_;
  DetectedForm form_;
  PieceTable text_;
  LineIndex lines_;
  EditHistory history_;
  quint64 revision_ = 0;
  ChangeListener listener_;
};

}  // namespace wrenpad::large
