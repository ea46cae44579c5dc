// SPDX-License-Identifier: GPL-3.0-or-later
// The large document's storage against a plain std::string: random edits,
// undo and redo with a fixed seed, the line index against a fresh count after
// every step, and the bytes it hands a save. Find and Replace All over its
// pieces, never on its whole text: forward and backward, either case, across
// pieces and read blocks, never inside a kanji's two bytes, and in 7-bit JIS
// only in the needle's own state.
#include "large/large_document.h"

#include "encoding/document_codec.h"
#include "encoding/euc_jp.h"
#include "kanji/kanji.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenpad::large {
namespace {

// Line starts of `text` counted afresh: after every LF, and after every CR
// that no LF follows.
std::vector<qint64> lineStartsOf(const std::string& text) {
  std::vector<qint64> starts{0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
      starts.push_back(qint64(i + 1));
  }
  return starts;
}

std::string contentOf(const LargeDocument& document) {
  std::string out;
  document.writeTo([&out](std::string_view block) {
    out.append(block);
    return 0;
  });
  return out;
}

// Checks every line's start and end, the line of sampled offsets and the count.
void expectLinesMatch(LargeDocument& document, const std::string& model, std::mt19937& random) {
  const std::vector<qint64> starts = lineStartsOf(model);
  for (int k = 0; k < 8; ++k) {
    const qint64 line = qint64(random() % starts.size());
    ASSERT_EQ(document.lines().lineStart(line), starts[std::size_t(line)]) << "line " << line;
    const qint64 offset = qint64(random() % (model.size() + 1));
    const qint64 expected = std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin() - 1;
    ASSERT_EQ(document.lines().lineOf(offset), expected) << "offset " << offset;
  }
  ASSERT_EQ(document.lines().lineCount(), qint64(starts.size()));
  const qint64 first = qint64(random() % starts.size());
  for (const LineIndex::Span& span : document.lines().lines(first, 5)) {
    const std::size_t line = std::size_t(span.line);
    ASSERT_EQ(span.start, starts[line]);
    const qint64 next = line + 1 < starts.size() ? starts[line + 1] : qint64(model.size());
    qint64 end = next;
    if (line + 1 < starts.size()) end -= (model[std::size_t(next - 1)] == '\n' && next >= 2 && model[std::size_t(next - 2)] == '\r') ? 2 : 1;
    ASSERT_EQ(span.end, end) << "line " << line;
  }
}

std::string randomText(std::mt19937& random, std::size_t length) {
  static const char kAlphabet[] = "abc \r\n\n\r\nxyz";
  std::string text;
  for (std::size_t i = 0; i < length; ++i) text += kAlphabet[random() % (sizeof kAlphabet - 1)];
  return text;
}

// Random edits, undos and redos from `original`, the document checked
// against the model after every step.
void followModel(const std::string& original, unsigned seed, int steps) {
  std::mt19937 random(seed);
  auto document = LargeDocument::holding(original, TextEncoding::Utf8);
  std::vector<std::string> past{original};  // the model after each undo step
  std::size_t now = 0;
  for (int step = 0; step < steps; ++step) {
    const std::string& model = past[now];
    const int action = int(random() % 10);
    if (action < 6 || now == 0) {
      const qint64 offset = qint64(random() % (model.size() + 1));
      const qint64 length = std::min<qint64>(qint64(random() % 40), qint64(model.size()) - offset);
      const std::string bytes = randomText(random, random() % 12);
      document->replace(offset, length, bytes);
      std::string next = model;
      next.replace(std::size_t(offset), std::size_t(length), bytes);
      past.resize(now + 1);
      past.push_back(next);
      ++now;
    } else if (action < 8) {
      ASSERT_TRUE(document->undo());
      --now;
    } else if (now + 1 < past.size()) {
      ASSERT_TRUE(document->redo());
      ++now;
    }
    ASSERT_EQ(document->size(), qint64(past[now].size()));
    if (step % 10 == 0) {
      ASSERT_EQ(contentOf(*document), past[now]) << "step " << step;
    }
    expectLinesMatch(*document, past[now], random);
  }
  while (document->undo()) {}
  EXPECT_EQ(contentOf(*document), original);
  EXPECT_FALSE(document->isModified());
}

TEST(LargeDocument, RandomEditsUndoAndRedoFollowAPlainString) {
  std::string shortLines;
  for (int line = 0; line < 3000; ++line) shortLines += "line " + std::to_string(line) + (line % 7 ? "\n" : "\r\n");
  followModel(shortLines, 20240607, 600);
  // Lines longer than the index keeps whole (64 KiB), edited inside, across
  // and between: what it keeps of them must follow.
  std::string longLines;
  for (int line = 0; line < 4; ++line) longLines += std::string(100000, char('a' + line)) + (line % 2 ? "\n" : "\r\n");
  followModel(longLines, 99, 300);
}

TEST(LargeDocument, ModifiedUntilTheSavedStateComesBack) {
  auto document = LargeDocument::holding("text\n", TextEncoding::Utf8);
  document->replace(0, 0, "a");
  document->markSaved();
  EXPECT_FALSE(document->isModified());
  document->undo();
  EXPECT_TRUE(document->isModified());
  // A new edit after undoing past the save: the saved state is gone for good.
  document->replace(0, 0, "b");
  document->undo();
  EXPECT_TRUE(document->isModified());
}

TEST(LargeDocument, FileIsHandedBackByteForByteAndEditsStayOutOfIt) {
  test::TempFolder folder;
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes += "\x82\xa0 row " + std::to_string(i) + (i % 3 ? "\r\n" : "\n");
  const QString path = folder.write("big.txt", QByteArray::fromStdString(bytes));
  LargeDocument::Opened opened = LargeDocument::open(path, TextEncoding::ShiftJis);
  ASSERT_TRUE(opened.document);
  LargeDocument& document = *opened.document;
  EXPECT_EQ(contentOf(document), bytes);
  EXPECT_EQ(document.lines().lineCount(), 200001);
  const QByteArray onDisk = test::TempFolder::read(path);
  document.replace(10, 5, "edited");
  bytes.replace(10, 5, "edited");
  EXPECT_EQ(contentOf(document), bytes);
  EXPECT_EQ(test::TempFolder::read(path), onDisk);

  EXPECT_FALSE(LargeDocument::open(folder.file("missing.txt"), TextEncoding::Utf8).document);
  EXPECT_EQ(LargeDocument::open(folder.path(), TextEncoding::Utf8).failure.problem, files::Problem::NotRegular);
}

// Another program shortens the open file (logrotate's copytruncate, "> file")
// or writes into it in place: nothing dies, no byte of the other program's
// is taken in, what the document had read stays, the typed text can be
// had, and a save refuses instead of writing stand-ins.
TEST(LargeDocument, AFileChangedByAnotherProgramIsNeverTakenIn) {
  constexpr qint64 kFar = qint64(3) << 20;
  const std::vector<std::pair<const char*, std::function<void(int)>>> changes = {
      {"shortened", [](int fd) { ASSERT_EQ(::ftruncate(fd, 4096), 0); }},
      {"written into", [](int fd) {
         const std::string theirs(1 << 20, 'x');
         ASSERT_EQ(::pwrite(fd, theirs.data(), theirs.size(), kFar), ssize_t(theirs.size()));
       }},
  };
  for (const auto& [name, change] : changes) {
    SCOPED_TRACE(name);
    test::TempFolder folder;
    std::string bytes;
    while (bytes.size() < std::size_t(4) << 20) bytes += "row " + std::to_string(bytes.size()) + "\n";
    const QString path = folder.write("big.txt", QByteArray::fromStdString(bytes));
    // An hour old, so the change moves its time whatever the clock's grain.
    const struct timespec old[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, path.toLocal8Bit().constData(), old, 0), 0);
    LargeDocument::Opened opened = LargeDocument::open(path, TextEncoding::Utf8);
    ASSERT_TRUE(opened.document);
    LargeDocument& document = *opened.document;
    document.replace(0, 0, "typed");
    const std::string head = document.bytes(0, 1000);
    EXPECT_FALSE(document.fileChangedOnDisk());

    const int fd = ::open(path.toLocal8Bit().constData(), O_WRONLY);
    ASSERT_GE(fd, 0);
    change(fd);
    ::close(fd);
    EXPECT_EQ(document.bytes(kFar, kFar + 1000).find('x'), std::string::npos);
    document.lines().lineCount();
    EXPECT_EQ(document.find("xxxx", 0, false, true), std::nullopt);
    EXPECT_TRUE(document.fileChangedOnDisk());
    EXPECT_EQ(document.bytes(0, 1000), head);
    EXPECT_EQ(document.writeTo([](std::string_view) { return 0; }), ESTALE);
    EXPECT_EQ(document.typedBytes(100, "\n"), "typed");
  }
}

TEST(LargeDocument, LinesAreFoundOnlyAsFarAsAsked) {
  std::string bytes;
  for (int i = 0; i < 100000; ++i) bytes += "line\n";
  auto document = LargeDocument::holding(bytes, TextEncoding::Utf8);
  EXPECT_EQ(document->lines().lineStart(10), 50);
  EXPECT_FALSE(document->lines().countKnown());
  EXPECT_LT(document->lines().linesFound(), 100000);
  EXPECT_EQ(document->lines().estimatedLineCount(), 100001);
  while (!document->lines().scanOn(64 * 1024)) {}
  EXPECT_EQ(document->lines().linesFound(), 100001);
  EXPECT_EQ(document->lines().lineOf(qint64(bytes.size())), 100000);
}

TEST(LargeSearch, FindsForwardAndBackwardInEitherCaseAcrossPiecesAndBlocks) {
  auto document = LargeDocument::holding("Alpha beta ALPHA gamma alpha\n", TextEncoding::Utf8);
  EXPECT_EQ(document->find("alpha", 0, false, true), 23);
  EXPECT_EQ(document->find("alpha", 0, false, false), 0);
  EXPECT_EQ(document->find("alpha", 1, false, false), 11);
  EXPECT_EQ(document->find("alpha", 28, true, false), 23);
  // Backward from the end of a hit's start: only hits that end by `from`.
  EXPECT_EQ(document->find("alpha", 27, true, false), 11);
  EXPECT_EQ(document->find("alpha", 4, true, false), std::nullopt);
  EXPECT_EQ(document->find("", 0, false, false), std::nullopt);
  // A hit may cross pieces and read blocks.
  std::string bytes(std::size_t(3) << 20, '.');
  bytes.replace((std::size_t(1) << 20) - 2, 6, "needle");  // across the first block's end
  bytes.replace((std::size_t(2) << 20) + 5, 6, "needle");
  document = LargeDocument::holding(bytes, TextEncoding::Utf8);
  // A third one put together from an edit in the middle of the word.
  document->replace(100, 0, "nee");
  document->replace(103, 0, "dle");
  EXPECT_EQ(document->find("needle", 0, false, true), 100);
  EXPECT_EQ(document->find("needle", 101, false, true), (1 << 20) - 2 + 6);
  EXPECT_EQ(document->find("needle", document->size(), true, true), (2 << 20) + 5 + 6);
  EXPECT_EQ(document->find("needle", (2 << 20) + 10, true, true), (1 << 20) - 2 + 6);
}

TEST(LargeSearch, NeverMatchesTheSecondByteOfAKanji) {
  // ア is 83 41 in Shift-JIS: its second byte is an "A".
  auto document = LargeDocument::holding("\x83\x41\x83\x61 A\n", TextEncoding::ShiftJis);
  EXPECT_EQ(document->find("A", 0, false, true), 5);
  EXPECT_EQ(document->find("a", 0, false, false), 5);
  // ア and ャ (83 61) differ only in a byte that is a letter: never equal.
  EXPECT_EQ(document->find("\x83\x61", 0, false, false), 2);
  EXPECT_EQ(document->find("A", 6, true, false), 5);
  // In EUC-JP, a pair's second byte may be the first of the next pair:
  // 亜 is B0 A1, and "亜亜" holds A1 B0 across its two characters.
  const std::string euc = eucjp::encode(QStringLiteral("日本語の文です。亜亜")).bytes.toStdString();
  auto document2 = LargeDocument::holding(euc + "\n", TextEncoding::Utf8);
  ASSERT_EQ(document2->encoding(), TextEncoding::EucJp);
  EXPECT_EQ(document2->find("\xa1\xb0", 0, false, true), std::nullopt);
  EXPECT_EQ(document2->find("\xb0\xa1", 0, false, true), qint64(euc.size()) - 4);
}

// Every `needle` in `text` replaced, left to right, hits not overlapping.
std::string replacedInModel(const std::string& text, const std::string& needle, const std::string& with) {
  std::string out;
  std::size_t kept = 0;
  for (std::size_t at = 0; (at = text.find(needle, kept)) != std::string::npos; kept = at + needle.size())
    out.append(text, kept, at - kept).append(with);
  return out.append(text, kept);
}

// Where two texts first differ (npos when they are equal): a failure names
// an offset instead of printing megabytes.
std::size_t firstDifference(const std::string& a, const std::string& b) {
  const auto [i, j] = std::mismatch(a.begin(), a.end(), b.begin(), b.end());
  return i == a.end() && j == b.end() ? std::string::npos : std::size_t(i - a.begin());
}

TEST(LargeSearch, ReplaceAllKeepsFewPiecesIsOneUndoStepAndRedoes) {
  // Three MiB of short lines with a rare word at three places, and later
  // edits: hits made of two pieces, and one that lost its middle.
  std::string base;
  for (int i = 0; base.size() < (std::size_t(3) << 20); ++i) base += "the cat sat " + std::to_string(i) + "\n";
  for (const std::size_t at : {std::size_t(2) << 20, std::size_t(5) << 19, std::size_t(11) << 18}) base.replace(at, 3, "dog");
  const std::vector<std::pair<qint64, std::string>> edits{{1600000, "ca"}, {1600002, "t"}, {1700000, "cXat"}, {1700001, ""}};
  struct Case {
    std::string needle, with;
    std::size_t maxPieces;  // a common word: the run and the bytes around it; a rare one: two a hit more
  } cases[] = {{"cat", "tiger", 3}, {"cat", "x", 3}, {"the ", "", 3}, {"sat", "SAT", 3}, {"dog", "wolf", 14}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.needle + " -> " + c.with);
    // A hit across the end of the first block read from the first hit on.
    std::string model = base;
    model.replace(model.find(c.needle) + (std::size_t(1) << 20) - 1, c.needle.size(), c.needle);
    auto document = LargeDocument::holding(model, TextEncoding::Utf8);
    for (const auto& [offset, bytes] : edits) {
      const qint64 removed = bytes.empty() ? 1 : 0;
      document->replace(offset, removed, bytes);
      model.replace(std::size_t(offset), std::size_t(removed), bytes);
    }
    document->sealUndoStep();
    const std::string expected = replacedInModel(model, c.needle, c.with);
    document->replaceAll(c.needle, c.with, 0, document->size(), true);
    EXPECT_EQ(firstDifference(contentOf(*document), expected), std::string::npos);
    EXPECT_LE(document->text().pieces().size(), c.maxPieces);
    document->undo();
    EXPECT_EQ(firstDifference(contentOf(*document), model), std::string::npos);
    document->redo();
    EXPECT_EQ(firstDifference(contentOf(*document), expected), std::string::npos);
    EXPECT_EQ(document->lines().lineCount(), qint64(std::count(expected.begin(), expected.end(), '\n')) + 1);
  }
  // In either case, and only inside [from, to): line ends put in are lines.
  auto document = LargeDocument::holding("cat dog Cat\ncat dog Cat\n", TextEncoding::Utf8);
  EXPECT_EQ(document->replaceAll("CAT", "tiger\n", 0, 12, false).count, 2);
  EXPECT_EQ(contentOf(*document), "tiger\n dog tiger\n\ncat dog Cat\n");
  EXPECT_EQ(document->lines().lineCount(), 5);
}

// 7-bit JIS as the editor writes it (ESC $ B before pairs, ESC ( J before single bytes).
std::string jisOf(const QString& text) {
  return kanji::SjisToJis(cp932::encode(text).bytes.toStdString());
}

// The document, read line by line by the large view's decoder and whole by
// the editor's JIS reader, is `model` (lines ended by LF).
void expectReadsAs(LargeDocument& document, const QString& model) {
  const QStringList lines = model.split(u'\n');
  ASSERT_EQ(document.lines().lineCount(), lines.size());
  for (const LineIndex::Span& span : document.lines().lines(0, lines.size()))
    EXPECT_EQ(document.decode(span.start, span.end).text, lines[span.line]) << "line " << span.line;
  const std::string bytes = contentOf(document);
  const QString crLf = QString(model).replace(u'\n', QStringLiteral("\r\n"));
  EXPECT_EQ(decodeDocument(QByteArray::fromStdString(bytes)).text, crLf) << bytes;
}

// Typing, Enter, Backspace and deleting in a JIS file, made as the view
// makes them: what is put in keeps the text after it in the state it had.
TEST(LargeDocument, JisEditsKeepTheTextAroundThemReadingAsBefore) {
  QString model = QStringLiteral("abc漢字def\n日本語\nxyz\n");
  const std::string original = jisOf(model);
  auto document = LargeDocument::holding(original, TextEncoding::Utf8);
  ASSERT_TRUE(document->form().jis);
  // Where a line's character (a UTF-16 unit) begins, in the model and in the document.
  const auto modelAt = [&model](int line, int column) {
    qsizetype at = 0;
    for (int k = 0; k < line; ++k) at = model.indexOf(u'\n', at) + 1;
    return at + column;
  };
  const auto documentAt = [&document](int line, int column) {
    const LineIndex::Span span = document->lines().lines(line, 1).front();
    return span.start + document->decode(span.start, span.end).byteOf[std::size_t(column)];
  };
  const struct {
    const char* name;
    int line, column, toLine, toColumn;  // the stretch taken out
    QString typed;                       // typed a key at a time
    bool backspace;
  } steps[] = {
      {"ASCII into a kanji run", 0, 4, 0, 4, QStringLiteral("xy"), false},
      {"kanji into ASCII", 2, 1, 2, 1, QStringLiteral("猫犬"), false},
      {"Enter inside a kanji run", 1, 1, 1, 1, QStringLiteral("\n"), false},
      {"kanji after a line's closing escape", 1, 1, 1, 1, QStringLiteral("月"), false},
      {"Backspace over a character whose escape precedes it", 0, 5, 0, 5, {}, true},
      {"Backspace at the start of a kanji run", 2, 1, 2, 1, {}, true},
      {"Backspace at a line end after its closing escape", 1, 2, 1, 2, {}, true},
      {"delete across an escape", 0, 2, 0, 5, {}, false},
      {"Backspace over a line break between kanji", 2, 0, 2, 0, {}, true},
  };
  for (const auto& step : steps) {
    SCOPED_TRACE(step.name);
    qint64 from = documentAt(step.line, step.column);
    qint64 to = documentAt(step.toLine, step.toColumn);
    qsizetype modelFrom = modelAt(step.line, step.column);
    if (step.backspace) {
      from = document->previousCharacter(from);
      --modelFrom;
    }
    model.remove(modelFrom, modelAt(step.toLine, step.toColumn) - modelFrom);
    const QString& keys = step.typed;
    // A deletion is the edit of an empty text.
    for (qsizetype k = 0; k < std::max<qsizetype>(1, keys.size()); ++k) {
      const std::optional<Replacement> made =
          document->replacementFor(QStringView(keys).mid(k, keys.isEmpty() ? 0 : 1), from, to - from, LineEnd::Lf);
      ASSERT_TRUE(made);
      document->replace(made->offset, made->length, made->bytes);
      from = to = document->characterStart(made->offset + qint64(made->bytes.size()));
    }
    model.insert(modelFrom, keys);
    expectReadsAs(*document, model);
  }
  // Undo takes them all back.
  while (document->undo()) {}
  EXPECT_EQ(contentOf(*document), original);
}

// Find and Replace All in JIS: a needle of single bytes is found only where
// the text is read in single bytes, one of pairs only on pairs, and the
// replacement goes in from the hits' state back to it.
TEST(LargeDocument, JisFindAndReplaceAllMatchOnlyInTheNeedlesOwnState) {
  // 漢 is the pair 34 41 ("4A"), 字 3B 7A: "A;" across them is another kanji's pair.
  const QString across = decodeJis("A;", JisState::Pairs).text;
  const QString model = QStringLiteral("4Aa漢字 a\n漢 $\" あ%1\nA漢漢\n").arg(across);
  const struct {
    QString needle, with;
    bool matchCase;
    qsizetype hits;
  } cases[] = {
      {QStringLiteral("4A"), QStringLiteral("x"), true, 1},
      {QStringLiteral("a"), QStringLiteral("ジ"), false, 4},
      {QStringLiteral("$\""), {}, true, 1},
      {QStringLiteral("あ"), {}, true, 1},
      {across, QStringLiteral("y"), true, 1},
      {QStringLiteral("漢"), QStringLiteral("x"), true, 4},
      {QStringLiteral("漢"), {}, true, 4},
      {QStringLiteral("漢字"), QStringLiteral("\n"), true, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.needle.toStdString() + " -> " + c.with.toStdString());
    auto document = LargeDocument::holding(jisOf(model), TextEncoding::Utf8);
    const std::optional<Needle> needle = document->needleFor(c.needle);
    ASSERT_TRUE(needle);
    const std::vector<qint64> hits = document->findAll(needle->bytes, 0, document->size(), c.matchCase, needle->state);
    EXPECT_EQ(qsizetype(hits.size()), c.hits);
    const std::optional<std::string> with = document->bytesOf(c.with, needle->state);
    ASSERT_TRUE(with);
    document->replaceAll(needle->bytes, *with, 0, document->size(), c.matchCase, needle->state);
    const Qt::CaseSensitivity sensitivity = c.matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive;
    expectReadsAs(*document, QString(model).replace(c.needle, c.with, sensitivity));
  }
  // Single bytes and pairs in one needle: not looked for.
  EXPECT_FALSE(LargeDocument::holding(jisOf(model), TextEncoding::Utf8)->needleFor(u"a漢"));
}

}  // namespace
}  // namespace wrenpad::large
