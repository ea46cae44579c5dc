// SPDX-License-Identifier: GPL-3.0-or-later
// The journal of a large document's edits: what a run wrote is replayed onto
// the same original into the same text; a record cut short by a kill is left
// out; a file that is not the original any more gets no edit.
#include "large/edit_journal.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <QFile>
#include <functional>
#include <sys/stat.h>

namespace wrenpad::large {
namespace {

const FileIdentity kOriginal{7, 4242, 0, 1700000000123456789};

// About 3 MiB of numbered lines: large enough for a stretch of several blocks.
std::string originalText() {
  std::string text;
  for (int line = 0; text.size() < (std::size_t(3) << 20); ++line) text += "line " + std::to_string(line) + "\r\n";
  return text;
}

std::string contentOf(const LargeDocument& document) { return document.bytes(0, document.size()); }

struct Journalled {
  std::unique_ptr<LargeDocument> document;
  std::unique_ptr<EditJournal> journal;
};

FileIdentity identityOf(const std::string& text) {
  FileIdentity identity = kOriginal;
  identity.size = qint64(text.size());
  return identity;
}

// A document of `text` whose every change goes into a journal in `folder`.
Journalled journalled(const std::string& text, const QString& folder) {
  Journalled made{LargeDocument::holding(text, TextEncoding::ShiftJis), nullptr};
  made.journal = std::make_unique<EditJournal>(folder + QStringLiteral("/edits.journal"),
                                               JournalBase{QStringLiteral("/data/big.txt"), identityOf(text),
                                                           made.document->encoding()});
  made.document->setChangeListener([document = made.document.get(), journal = made.journal.get()](const Change& c) {
    ASSERT_FALSE(journal->record(*document, c).failed());
  });
  return made;
}

TEST(EditJournal, ReplayOntoTheOriginalGivesTheEditedText) {
  const std::string original = originalText();
  const qint64 large = qint64(5) << 19;  // two and a half blocks
  const struct {
    const char* name;
    std::function<void(LargeDocument&)> edit;
  } cases[] = {
      {"typing, Backspace, Enter", [](LargeDocument& d) {
         for (const char* key : {"a", "b", "c"}) d.replace(d.size() / 2 + 7, 0, key, EditKind::Typing);
         d.replace(d.size() / 2 + 7, 1, {}, EditKind::DeletingBackward);
         d.replace(3, 0, "\r\n");
       }},
      {"undo and redo of a deletion of blocks", [large](LargeDocument& d) {
         d.replace(100, large, {});
         d.undo();
         d.redo();
         d.undo();
       }},
      {"replace all", [](LargeDocument& d) { d.replaceAll("line 1", "LINE-ONE", 0, d.size(), true); }},
      {"Shift-JIS at the end", [](LargeDocument& d) { d.replace(d.size(), 0, "\x93\xfa\x96\x7b"); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const test::TempFolder folder;
    Journalled edited = journalled(original, folder.path());
    c.edit(*edited.document);
    edited.journal->sync();
    struct stat st;
    ASSERT_EQ(::stat(QFile::encodeName(edited.journal->path()).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    const std::unique_ptr<LargeDocument> again = LargeDocument::holding(original, TextEncoding::ShiftJis);
    const Replay replay = replayJournal(edited.journal->path(), identityOf(original), *again);
    EXPECT_EQ(replay.outcome, ReplayOutcome::Replayed);
    EXPECT_TRUE(contentOf(*again) == contentOf(*edited.document));
    EXPECT_TRUE(again->isModified());
  }
}

TEST(EditJournal, ARecordCutShortIsLeftOut) {
  const std::string original = originalText().substr(0, 4096);
  const test::TempFolder folder;
  Journalled edited = journalled(original, folder.path());
  edited.document->replace(10, 0, "hello");
  const std::string afterFirst = contentOf(*edited.document);
  const qint64 firstEnds = QFile(edited.journal->path()).size();
  edited.document->replace(0, 3, std::string(3000, 'x'));
  const QByteArray whole = test::TempFolder::read(edited.journal->path());
  const qint64 head = 4 + 3 * 8;

  QByteArray changedByte = whole;
  changedByte[firstEnds + head + 100] = 'y';
  const struct {
    const char* name;
    QByteArray bytes;
  } cases[] = {
      {"cut in its head", whole.left(firstEnds + 9)},
      {"cut in its bytes", whole.left(firstEnds + head + 1000)},
      {"cut in its check sum", whole.left(whole.size() - 3)},
      {"a byte of it not as written", changedByte},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const QString path = folder.write(QStringLiteral("cut.journal"), c.bytes);
    const std::unique_ptr<LargeDocument> again = LargeDocument::holding(original, TextEncoding::ShiftJis);
    const Replay replay = replayJournal(path, identityOf(original), *again);
    EXPECT_EQ(std::tuple(replay.outcome, replay.records), std::tuple(ReplayOutcome::Replayed, 1));
    EXPECT_EQ(contentOf(*again), afterFirst);
  }
}

TEST(EditJournal, AChangedOriginalGetsNoEditOnlyTheTypedText) {
  const std::string original = originalText().substr(0, 4096);
  const test::TempFolder folder;
  Journalled edited = journalled(original, folder.path());
  qint64 at = 10;
  for (const char* key : {"a", "b", "c"}) edited.document->replace(at++, 0, key);
  edited.document->replace(200, 0, "\x93\xfa\x96\x7b");  // 日本 in Shift-JIS

  FileIdentity writtenTo = identityOf(original);
  writtenTo.modifiedNs += 1;
  const auto other = LargeDocument::holding(original, TextEncoding::ShiftJis);
  EXPECT_EQ(replayJournal(edited.journal->path(), writtenTo, *other).outcome,
            ReplayOutcome::OriginalChanged);
  EXPECT_EQ(contentOf(*other), original);
  EXPECT_FALSE(other->isModified());
  EXPECT_EQ(typedText(edited.journal->path(), 1 << 20), QStringLiteral("abc\n日本"));
  EXPECT_EQ(typedText(edited.journal->path(), 2), QStringLiteral("ab"));
}

}  // namespace
}  // namespace wrenpad::large
