// SPDX-License-Identifier: GPL-3.0-or-later
#include "text/rich_text.h"

#include "text/rich_text_format.h"

#include <QHash>
#include <QStringDecoder>
#include <algorithm>
#include <string_view>

namespace wrenpad {

namespace {

using rtf::ClampPoints;
using rtf::kMaxPoints;

// Groups deeper than this are skipped whole, so the state stack stays small.
constexpr int kMaxDepth = 100;

enum class Destination { Body, FontTable, ColourTable };

struct ReaderState {
  Destination destination = Destination::Body;
  int fontIndex = 0;
  int halfPoints = 24;  // RTF's own default, 12 points
  int colourIndex = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  RichAlignment alignment = RichAlignment::Left;
  int unicodeSkip = 1;
};

bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Groups whose content is never text of the document.
bool IsSkippedDestination(std::string_view word) {
  static constexpr std::string_view kWords[] = {
      "stylesheet", "info",     "pict",       "object",     "header",    "headerl",
      "headerr",    "headerf",  "footer",     "footerl",    "footerr",   "footerf",
      "footnote",   "listtable", "listoverridetable", "revtbl", "rsidtbl", "generator",
      "xmlnstbl",   "themedata", "colorschememapping", "latentstyles", "datastore",
      "filetbl",    "fldinst",  "nonshppict", "shp",        "annotation", "atnid",
      "atnauthor",  "private",  "userprops",  "docvar",     "template",  "bkmkstart",
      "bkmkend",    "pgdsctbl", "mmathPr",    "wgrffmtfilter", "fchars", "lchars"};
  return std::find(std::begin(kWords), std::end(kWords), word) != std::end(kWords);
}

class RtfReader {
 public:
  explicit RtfReader(const QByteArray& bytes)
      : data_(bytes.constData()), size_(bytes.size()), decoder_(QStringDecoder(
            "windows-31j", QStringConverter::Flag::Stateless)) {
    if (!decoder_.isValid()) decoder_ = QStringDecoder("Shift_JIS", QStringConverter::Flag::Stateless);
    document_.paragraphs.emplace_back();
  }

  std::optional<RichDocument> Read(qsizetype start) {
    pos_ = start;
    while (pos_ < size_ && !finished_) Step();
    Flush();
    if (!finished_ && !stack_.empty() &&
        (stack_.back().destination == Destination::FontTable ||
         stack_.back().destination == Destination::ColourTable)) {
      return std::nullopt;  // cut short before the text's formats were known
    }
    return std::move(document_);
  }

 private:
  ReaderState& Top() { return stack_.back(); }

  void Step() {
    const char c = data_[pos_];
    if (skipDepth_ > 0) {
      StepSkipping(c);
      return;
    }
    switch (c) {
      case '{':
        ++pos_;
        OpenGroup();
        return;
      case '}':
        ++pos_;
        CloseGroup();
        return;
      case '\\':
        ++pos_;
        ControlSequence();
        return;
      case '\r':
      case '\n':
        ++pos_;
        return;
      default:
        PlainText();
        return;
    }
  }

  // Inside a skipped group only braces, \bin data and escaped braces matter.
  void StepSkipping(char c) {
    ++pos_;
    if (c == '{') {
      ++skipDepth_;
    } else if (c == '}') {
      if (--skipDepth_ == 0 && skipPopsState_) PopState();
    } else if (c == '\\' && pos_ < size_) {
      if (IsLetter(data_[pos_])) {
        const auto [word, parameter, hasParameter] = ReadWord();
        if (word == "bin" && hasParameter) SkipBinary(parameter);
      } else {
        ++pos_;  // \{ \} \\ and the rest are one character
      }
    }
  }

  void OpenGroup() {
    Flush();
    pendingSkip_ = 0;
    if (stack_.empty()) {
      stack_.emplace_back();
    } else if (int(stack_.size()) >= kMaxDepth) {
      skipDepth_ = 1;
      skipPopsState_ = false;
      return;
    } else {
      stack_.push_back(stack_.back());
    }
    groupStart_ = true;
  }

  void CloseGroup() {
    Flush();
    pendingSkip_ = 0;
    groupStart_ = false;
    if (stack_.empty()) return;
    if (Top().destination == Destination::FontTable) CommitFont();
    PopState();
  }

  void PopState() {
    stack_.pop_back();
    openRun_ = false;
    if (stack_.empty()) finished_ = true;
  }

  // Skips the rest of the group just opened (its state was pushed).
  void SkipGroup() {
    Flush();
    skipDepth_ = 1;
    skipPopsState_ = true;
  }

  struct Word {
    std::string_view name;
    long long parameter = 0;
    bool hasParameter = false;
  };

  // A control word after its backslash: letters, an optional signed number
  // (held to +-2^31 however many digits follow) and one optional blank.
  Word ReadWord() {
    const qsizetype start = pos_;
    while (pos_ < size_ && IsLetter(data_[pos_])) ++pos_;
    Word word{std::string_view(data_ + start, size_t(pos_ - start))};
    bool negative = false;
    if (pos_ + 1 < size_ && data_[pos_] == '-' && IsDigit(data_[pos_ + 1])) {
      negative = true;
      ++pos_;
    }
    if (pos_ < size_ && IsDigit(data_[pos_])) {
      word.hasParameter = true;
      while (pos_ < size_ && IsDigit(data_[pos_])) {
        word.parameter = std::min(word.parameter * 10 + (data_[pos_] - '0'), 1LL << 31);
        ++pos_;
      }
      if (negative) word.parameter = -word.parameter;
    }
    if (pos_ < size_ && data_[pos_] == ' ') ++pos_;
    return word;
  }

  void SkipBinary(long long count) {
    pos_ += qsizetype(std::clamp<long long>(count, 0, size_ - pos_));
  }

  void ControlSequence() {
    if (pos_ >= size_) return;
    const char c = data_[pos_];
    const bool atGroupStart = groupStart_;
    groupStart_ = false;
    if (IsLetter(c)) {
      ControlWordSequence();
      return;
    }
    ++pos_;
    if (c == '\'') {
      HexByte();
      return;
    }
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return;
    }
    ControlSymbol(c, atGroupStart);
  }

  void ControlWordSequence() {
    const Word word = ReadWord();
    if (word.name == "bin") {
      Flush();
      SkipBinary(word.hasParameter ? word.parameter : 0);
      return;
    }
    if (pendingSkip_ > 0) {
      --pendingSkip_;
      return;
    }
    Flush();
    ControlWord(word);
  }

  // \'hh: one byte of text in the page's code page.
  void HexByte() {
    int value = -1;
    if (pos_ + 1 < size_) {
      const int high = HexValue(data_[pos_]);
      const int low = HexValue(data_[pos_ + 1]);
      if (high >= 0 && low >= 0) {
        value = high * 16 + low;
        pos_ += 2;
      }
    }
    if (pendingSkip_ > 0) {
      --pendingSkip_;
    } else if (value >= 0) {
      pending_.append(char(value));
    }
  }

  // A backslash and one character that is not a letter.
  void ControlSymbol(char c, bool atGroupStart) {
    switch (c) {
      case '\\':
      case '{':
      case '}':
        pending_.append(c);
        return;
      case '*':
        if (atGroupStart && stack_.size() > 1) SkipGroup();
        return;
      case '~':
        EmitChar(u'\u00A0');
        return;
      case '_':
        EmitChar(u'\u2011');
        return;
      case '\r':
      case '\n':
        EndParagraph();
        return;
      default:
        return;  // \- \| \: and unknown symbols
    }
  }

  // Each group of words is tried in turn; names of different groups never
  // overlap. Anything else (font families, charsets, spacing, ...) changes
  // nothing kept here.
  void ControlWord(const Word& word) {
    if (FormatWord(word) || TextWord(word) || ParagraphWord(word.name) || TableWord(word)) return;
    if (IsSkippedDestination(word.name) && stack_.size() > 1) SkipGroup();
  }

  // Words that change the format of the text that follows.
  bool FormatWord(const Word& word) {
    const std::string_view name = word.name;
    const long long p = word.parameter;
    ReaderState& state = Top();
    auto onOff = [&](bool& flag) { flag = !word.hasParameter || p != 0; };
    if (name == "f" && state.destination == Destination::FontTable) {
      CommitFont();
      fontEntry_ = int(p);
      fontName_.clear();
      return true;
    }
    if (name == "f") {
      state.fontIndex = int(p);
    } else if (name == "fs") {
      state.halfPoints = int(std::clamp<long long>(p, 0, 2 * kMaxPoints + 1));
    } else if (name == "cf") {
      state.colourIndex = int(p);
    } else if (name == "b") {
      onOff(state.bold);
    } else if (name == "i") {
      onOff(state.italic);
    } else if (name == "ul" || name == "uld" || name == "uldb" || name == "ulw" ||
               name == "uldash" || name == "ulwave" || name == "ulth") {
      onOff(state.underline);
    } else if (name == "ulnone") {
      state.underline = false;
    } else if (name == "plain") {
      state.fontIndex = defaultFont_;
      state.halfPoints = 24;
      state.colourIndex = 0;
      state.bold = state.italic = state.underline = false;
    } else {
      return false;
    }
    openRun_ = false;
    return true;
  }

  // Words that stand for characters of the text, or end a paragraph.
  bool TextWord(const Word& word) {
    static constexpr struct {
      std::string_view name;
      char16_t unit;
    } kCharacters[] = {{"tab", u'\t'},          {"cell", u'\t'},         {"emdash", u'\u2014'},
                       {"endash", u'\u2013'},   {"bullet", u'\u2022'},   {"lquote", u'\u2018'},
                       {"rquote", u'\u2019'},   {"ldblquote", u'\u201C'}, {"rdblquote", u'\u201D'}};
    const std::string_view name = word.name;
    if (name == "u") {
      long long unit = word.parameter;
      if (unit < 0) unit += 0x10000;
      if (unit >= 0 && unit <= 0xFFFF) EmitChar(char16_t(unit));
      pendingSkip_ = Top().unicodeSkip;
    } else if (name == "uc") {
      Top().unicodeSkip = int(std::clamp<long long>(word.parameter, 0, 16));
    } else if (name == "par" || name == "line" || name == "row") {
      EndParagraph();
    } else {
      for (const auto& character : kCharacters) {
        if (name != character.name) continue;
        EmitChar(character.unit);
        return true;
      }
      return false;
    }
    return true;
  }

  bool ParagraphWord(std::string_view name) {
    if (name == "pard" || name == "ql" || name == "qj") {
      SetAlignment(RichAlignment::Left);
    } else if (name == "qr") {
      SetAlignment(RichAlignment::Right);
    } else if (name == "qc") {
      SetAlignment(RichAlignment::Center);
    } else {
      return false;
    }
    return true;
  }

  // Words of the document's head: the tables, the default font, the code page.
  bool TableWord(const Word& word) {
    const std::string_view name = word.name;
    ReaderState& state = Top();
    if (name == "red" || name == "green" || name == "blue") {
      if (state.destination == Destination::ColourTable) {
        const int value = int(std::clamp<long long>(word.parameter, 0, 255));
        (name == "red" ? colourEntry_.red : name == "green" ? colourEntry_.green : colourEntry_.blue) =
            value;
        colourEntryIsAuto_ = false;
      }
    } else if (name == "deff") {
      defaultFont_ = int(word.parameter);
      if (stack_.size() == 1) state.fontIndex = defaultFont_;
      openRun_ = false;
    } else if (name == "ansicpg") {
      ChooseCodePage(word.parameter);
    } else if (name == "fonttbl") {
      state.destination = Destination::FontTable;
      fontEntry_ = -1;
      fontName_.clear();
    } else if (name == "colortbl") {
      state.destination = Destination::ColourTable;
      colourEntry_ = {};
      colourEntryIsAuto_ = true;
    } else {
      return false;
    }
    return true;
  }

  // Only the first \ansicpg counts, so a page cannot make the reader build
  // a new decoder again and again.
  void ChooseCodePage(long long page) {
    if (codePageChosen_) return;
    codePageChosen_ = true;
    if (page == 932) return;
    QStringDecoder decoder(("windows-" + QByteArray::number(page)).constData(),
                           QStringConverter::Flag::Stateless);
    if (!decoder.isValid()) {
      decoder = QStringDecoder(("cp" + QByteArray::number(page)).constData(),
                               QStringConverter::Flag::Stateless);
    }
    decoder_ = std::move(decoder);
  }

  void SetAlignment(RichAlignment alignment) {
    Top().alignment = alignment;
    if (Top().destination == Destination::Body) document_.paragraphs.back().alignment = alignment;
  }

  void EndParagraph() {
    if (Top().destination != Destination::Body) return;
    Flush();
    document_.paragraphs.back().alignment = Top().alignment;
    document_.paragraphs.emplace_back();
    document_.paragraphs.back().alignment = Top().alignment;
    openRun_ = false;
  }

  // Plain bytes up to the next brace, backslash or line end.
  void PlainText() {
    groupStart_ = false;
    const qsizetype start = pos_;
    while (pos_ < size_) {
      const char c = data_[pos_];
      if (c == '\\' || c == '{' || c == '}' || c == '\r' || c == '\n') break;
      ++pos_;
    }
    qsizetype from = start;
    if (pendingSkip_ > 0) {
      const qsizetype skipped = std::min<qsizetype>(pendingSkip_, pos_ - from);
      pendingSkip_ -= int(skipped);
      from += skipped;
    }
    if (Top().destination == Destination::ColourTable) {
      for (qsizetype i = from; i < pos_; ++i) {
        if (data_[i] == ';') CommitColour();
      }
      return;
    }
    if (Top().destination == Destination::FontTable) {
      for (qsizetype i = from; i < pos_; ++i) {
        if (data_[i] == ';') {
          CommitFont();
        } else {
          pending_.append(data_[i]);
        }
      }
      return;
    }
    pending_.append(data_ + from, pos_ - from);
  }

  // A table met again later changes what the open run's indices stand for.
  void CommitColour() {
    openRun_ = false;
    colours_.push_back(colourEntryIsAuto_ ? RgbColour{} : colourEntry_);
    colourEntry_ = {};
    colourEntryIsAuto_ = true;
  }

  void CommitFont() {
    Flush();
    openRun_ = false;
    if (fontEntry_ >= 0) {
      // One QString per distinct name, so that runs compare names by pointer.
      QString name = fontName_;
      if (name.isEmpty()) {
        name = QString();
      } else {
        const auto found = fontNames_.constFind(name);
        if (found != fontNames_.constEnd()) {
          name = *found;
        } else {
          fontNames_.insert(name, name);
        }
      }
      fonts_.insert(fontEntry_, name);
    }
    fontEntry_ = -1;
    fontName_.clear();
  }

  // Decodes the bytes gathered so far in the page's code page.
  void Flush() {
    if (pending_.isEmpty()) return;
    const bool ascii = std::all_of(pending_.cbegin(), pending_.cend(),
                                   [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    QString text;
    if (ascii || !decoder_.isValid()) {
      text = QString::fromLatin1(pending_);
    } else {
      text = decoder_.decode(pending_);
    }
    pending_.clear();
    EmitText(text);
  }

  void EmitChar(char16_t unit) {
    Flush();
    EmitText(QStringView(&unit, 1));
  }

  void EmitText(QStringView text) {
    if (text.isEmpty()) return;
    switch (Top().destination) {
      case Destination::FontTable:
        if (fontEntry_ >= 0) fontName_.append(text);
        return;
      case Destination::Body:
        break;
      default:
        return;
    }
    RichParagraph& paragraph = document_.paragraphs.back();
    paragraph.alignment = Top().alignment;
    if (!openRun_) {
      RichRun format = CurrentFormat();
      if (paragraph.runs.empty() || !SameFormatFast(paragraph.runs.back(), format)) {
        paragraph.runs.push_back(std::move(format));
      }
      openRun_ = true;
    }
    paragraph.runs.back().text.append(text);
  }

  RichRun CurrentFormat() const {
    const ReaderState& state = stack_.back();
    RichRun run;
    if (state.fontIndex != defaultFont_) run.fontName = fonts_.value(state.fontIndex);
    run.sizePoints = ClampPoints(state.halfPoints / 2);
    if (state.colourIndex > 0 && state.colourIndex < qsizetype(colours_.size())) {
      run.colour = colours_[state.colourIndex];
    }
    run.bold = state.bold;
    run.italic = state.italic;
    run.underline = state.underline;
    return run;
  }

  // Names come from one QString per distinct name, so equal names share data.
  static bool SameFormatFast(const RichRun& a, const RichRun& b) {
    const bool sameName = a.fontName.size() == b.fontName.size() &&
                          (a.fontName.isEmpty() || a.fontName.constData() == b.fontName.constData());
    return sameName && a.sizePoints == b.sizePoints && a.colour == b.colour && a.bold == b.bold &&
           a.italic == b.italic && a.underline == b.underline;
  }

  const char* data_;
  qsizetype size_;
  qsizetype pos_ = 0;
  QStringDecoder decoder_;
  bool codePageChosen_ = false;
  RichDocument document_;
  std::vector<ReaderState> stack_;
  int skipDepth_ = 0;
  bool skipPopsState_ = false;
  bool finished_ = false;
  bool groupStart_ = false;
  bool openRun_ = false;
  int pendingSkip_ = 0;  // fallback characters still to skip after \u
  QByteArray pending_;   // text bytes not yet decoded
  int defaultFont_ = 0;
  QHash<int, QString> fonts_;
  QHash<QString, QString> fontNames_;
  int fontEntry_ = -1;
  QString fontName_;
  std::vector<RgbColour> colours_;
  RgbColour colourEntry_;
  bool colourEntryIsAuto_ = true;
};

}  // namespace

std::optional<RichDocument> ReadRtf(const QByteArray& bytes) {
  qsizetype start = 0;
  while (start < bytes.size() &&
         (bytes[start] == ' ' || bytes[start] == '\t' || bytes[start] == '\r' || bytes[start] == '\n')) {
    ++start;
  }
  if (!QByteArrayView(bytes).sliced(start).startsWith("{\\rtf")) return std::nullopt;
  return RtfReader(bytes).Read(start);
}

}  // namespace wrenpad
