// SPDX-License-Identifier: GPL-3.0-or-later
// Colouring against reference pages: every page and program in
// tests/data/colouring/ has its expected spans beside it in "<file>.expected".
//
// Pages (.html, .htm) are coloured as a whole repaint colours them: the tag
// spans of the whole text, then the page's first script as a program. Program
// files are coloured by their language: .c and .cpp as C/C++, .java as Java,
// .pas as Pascal, .cgi and .pl as Perl, with the keyword lists the program
// ships (resources/KeyWords_*.ini). Files are stored with LF line ends and
// read as the editor shows them, every line break CR LF (two characters).
//
// An expectation file lists one span per line, in the order the painter
// gives them: start, length, kind, and the covered text with CR and LF
// written \r and \n, so a reader sees what each span covers. Lines starting
// with "#" are notes; they are kept when the file is written again.
//
// To write the expectations from the current painter (after a deliberate
// change of the colouring, or for a new page), run the test with
// WRENPAD_WRITE_COLOURING_REFERENCES=1, then read the changed files by eye
// before committing them: the test then passes without comparing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <optional>

#include "colouring/program_spans.h"
#include "colouring/tag_spans.h"
#include "support/colouring_reference.h"
#include "colouring/whole_repaint.h"
#include "files/private_files.h"

namespace wrenpad {
namespace {

const QString& kDataFolder = test::kColouringReferenceFolder;
const QString kResources = QStringLiteral(WRENPAD_TEST_DATA "/../../resources");

using test::KindName;
using test::ReadUtf8;

KeywordList ShippedKeywords(const QString& fileName) {
  return KeywordList::fromLines(ReadUtf8(kResources + "/" + fileName).split('\n'));
}

// The language a program file is coloured in, by its extension; nothing for
// a page.
std::optional<LanguageMode> ProgramModeOf(const QString& suffix) {
  if (suffix == "c" || suffix == "cpp") return LanguageMode::Cpp;
  if (suffix == "java") return LanguageMode::Java;
  if (suffix == "pas") return LanguageMode::Pascal;
  if (suffix == "cgi" || suffix == "pl") return LanguageMode::Perl;
  return std::nullopt;
}

// The spans of one reference file, as the whole repaint or the program
// colouring gives them.
std::vector<ColourSpan> SpansOf(const QString& text, const QString& suffix) {
  const KeywordList cKeywords = ShippedKeywords("KeyWords_cpp.ini");
  if (const std::optional<LanguageMode> mode = ProgramModeOf(suffix)) {
    const bool cFamily = *mode == LanguageMode::Cpp || *mode == LanguageMode::Java;
    return ProgramSpans(text, *mode, cFamily ? cKeywords : ShippedKeywords("KeyWords_pas.ini"));
  }
  std::vector<ColourSpan> spans = PaintTagsInRange(text, 0, int(text.size()), {0, 100}).spans;
  // The script stretch counts from 1 and ends on the CR of its last line break.
  if (const std::optional<ProgramStretch> script = FirstScriptStretch(text)) {
    const std::vector<ColourSpan> program =
        ProgramSpansIn(text, script->from - 1, script->to - 1, LanguageMode::Cpp, cKeywords);
    spans.insert(spans.end(), program.begin(), program.end());
  }
  return spans;
}

QString SpanLine(const QString& text, const ColourSpan& span) {
  QString covered = text.mid(span.start, span.length);
  covered.replace("\r", "\\r").replace("\n", "\\n");
  return QString("%1 %2 %3 %4").arg(span.start).arg(span.length).arg(KindName(span.kind), covered);
}

struct Expectation {
  QStringList notes;  // the "#" lines
  QStringList spans;
};

Expectation ReadExpectation(const QString& path) {
  Expectation expectation;
  if (!QFileInfo::exists(path)) return expectation;
  for (const QString& line : ReadUtf8(path).split('\n')) {
    if (line.startsWith('#'))
      expectation.notes.append(line);
    else if (!line.isEmpty())
      expectation.spans.append(line);
  }
  return expectation;
}

void WriteExpectation(const QString& path, const Expectation& expectation) {
  const QStringList lines = expectation.notes + expectation.spans;
  EXPECT_FALSE(files::writePrivateFile(path, (lines.join('\n') + '\n').toUtf8()).failed()) << path.toStdString();
}

QStringList ReferenceFiles() {
  QStringList names;
  const QStringList all = QDir(kDataFolder).entryList(QDir::Files, QDir::Name);
  for (const QString& name : all) {
    const QString suffix = QFileInfo(name).suffix();
    if (suffix == "html" || suffix == "htm" || ProgramModeOf(suffix)) names.append(name);
  }
  return names;
}

TEST(ColouringReference, PagesAndProgramsColourAsRecordedBesideThem) {
  const bool writing = qEnvironmentVariableIsSet("WRENPAD_WRITE_COLOURING_REFERENCES");
  const QStringList names = ReferenceFiles();
  ASSERT_GE(names.size(), 10);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    const QString text = ReadUtf8(kDataFolder + "/" + name).replace("\n", "\r\n");
    QStringList actual;
    for (const ColourSpan& span : SpansOf(text, QFileInfo(name).suffix())) actual.append(SpanLine(text, span));
    const QString expectationPath = kDataFolder + "/" + name + ".expected";
    Expectation expectation = ReadExpectation(expectationPath);
    if (writing) {
      expectation.spans = actual;
      WriteExpectation(expectationPath, expectation);
      continue;
    }
    ASSERT_FALSE(expectation.spans.isEmpty()) << "no expectation; see the test's header comment";
    EXPECT_EQ(actual.join('\n').toStdString(), expectation.spans.join('\n').toStdString());
  }
}

}  // namespace
}  // namespace wrenpad
