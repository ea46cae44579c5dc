// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/ini_file.h"

#include "files/private_files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wrenpad {
namespace {

// Code page 932 as ICU names it. Unlike glibc's SHIFT_JIS it keeps 0x5C a
// backslash, which matters for the Windows paths settings files hold.
constexpr const char* kShiftJisCodec = "windows-31j";

std::optional<QString> decodeUtf8(const QByteArray& bytes) {
  QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
  QString text = decoder.decode(bytes);
  if (decoder.hasError()) return std::nullopt;
  return text;
}

QString decodeShiftJis(const QByteArray& bytes) {
  QStringDecoder decoder(kShiftJisCodec, QStringConverter::Flag::Stateless);
  if (!decoder.isValid()) return QString::fromLatin1(bytes);
  // The converter drops a lead byte left at the very end of the input; a
  // line feed after it makes the converter report that byte as broken
  // instead, and the feed itself is taken off again.
  QString text = decoder.decode(bytes + '\n');
  if (text.endsWith(u'\n')) text.chop(1);
  return text;
}

// Splits at CR LF, LF or CR; a break at the very end does not start a line.
QStringList splitLines(const QString& text) {
  QStringList lines;
  qsizetype start = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (c != u'\r' && c != u'\n') continue;
    lines.append(text.mid(start, i - start));
    if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.append(text.mid(start));
  return lines;
}

bool sameName(QStringView a, QStringView b) {
  return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString withoutLineBreaks(QString value) {
  value.replace(u'\r', u' ');
  value.replace(u'\n', u' ');
  return value;
}

}  // namespace

IniFile::Line IniFile::parseLine(const QString& text) {
  Line line{text, Kind::Other, {}, {}};
  const QString trimmed = text.trimmed();
  if (trimmed.startsWith(u'[')) {
    const qsizetype close = trimmed.indexOf(u']');
    if (close < 0) return line;
    line.kind = Kind::Section;
    line.name = trimmed.mid(1, close - 1).trimmed();
    return line;
  }
  if (trimmed.startsWith(u';') || trimmed.startsWith(u'#')) return line;
  const qsizetype equals = trimmed.indexOf(u'=');
  if (equals < 0) return line;
  const QString key = trimmed.left(equals).trimmed();
  if (key.isEmpty()) return line;
  line.kind = Kind::Key;
  line.name = key;
  line.value = trimmed.mid(equals + 1).trimmed();
  return line;
}

IniFile IniFile::fromBytes(const QByteArray& bytes) {
  IniFile ini;
  std::optional<QString> text = decodeUtf8(bytes);
  if (!text) {
    ini.encoding_ = Encoding::ShiftJis;
    text = decodeShiftJis(bytes);
  }
  const QStringList lines = splitLines(*text);
  ini.lines_.reserve(lines.size());
  for (const QString& line : lines) ini.lines_.append(parseLine(line));
  return ini;
}

namespace {
struct ReadOutcome {
  IniFile::LoadStatus status = IniFile::LoadStatus::Unreadable;
  QByteArray bytes;
  QString error;
};

ReadOutcome unreadable(const QString& error) { return {IniFile::LoadStatus::Unreadable, {}, error}; }

// The state of whatever has the name; the outcome when it cannot be read.
std::optional<ReadOutcome> refusal(const QString& path) {
  const QByteArray name = QFile::encodeName(path);
  struct stat st;
  if (::stat(name.constData(), &st) != 0) {
    const int error = errno;
    struct stat link;
    // A link to nothing is still something that has the name.
    if ((error == ENOENT || error == ENOTDIR) && ::lstat(name.constData(), &link) != 0)
      return ReadOutcome{IniFile::LoadStatus::Missing, {}, {}};
    return unreadable(QString::fromLocal8Bit(std::strerror(error)));
  }
  if (!S_ISREG(st.st_mode)) return unreadable(QStringLiteral("Not a regular file"));
  if (st.st_size > IniFile::kMaxFileBytes) return unreadable(QStringLiteral("File too large"));
  return std::nullopt;
}

ReadOutcome readSettingsBytes(const QString& path) {
  if (std::optional<ReadOutcome> refused = refusal(path)) return *refused;
  QFile file(path);
  // Without waiting: a FIFO put in the file's place meanwhile fails to open.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return unreadable(QString::fromLocal8Bit(std::strerror(errno)));
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return unreadable(file.errorString());
  }
  QByteArray bytes = file.read(IniFile::kMaxFileBytes + 1);
  if (file.error() != QFileDevice::NoError) return unreadable(file.errorString());
  if (bytes.size() > IniFile::kMaxFileBytes) return unreadable(QStringLiteral("File too large"));
  return {IniFile::LoadStatus::Loaded, std::move(bytes), {}};
}
}  // namespace

IniFile IniFile::load(const QString& path, QString* error, LoadStatus* status) {
  const ReadOutcome outcome = readSettingsBytes(path);
  if (error) *error = outcome.error;
  if (status) *status = outcome.status;
  return outcome.status == LoadStatus::Loaded ? fromBytes(outcome.bytes) : IniFile();
}

QByteArray IniFile::toBytes() const {
  QString text;
  for (const Line& line : lines_) {
    text += line.text;
    text += QLatin1StringView("\r\n");
  }
  return text.toUtf8();
}

std::optional<QString> IniFile::readTextFile(const QString& path, QString* error, LoadStatus* status) {
  const ReadOutcome outcome = readSettingsBytes(path);
  if (error) *error = outcome.error;
  if (status) *status = outcome.status;
  if (outcome.status != LoadStatus::Loaded) return std::nullopt;
  std::optional<QString> text = decodeUtf8(outcome.bytes);
  return text ? *text : decodeShiftJis(outcome.bytes);
}

bool IniFile::writeTextFile(const QString& path, const QString& text, QString* error) {
  QString lines;
  for (const QString& line : splitLines(text)) lines += line + QLatin1StringView("\r\n");
  return writeBytes(path, lines.toUtf8(), error);
}

bool IniFile::save(const QString& path, QString* error) const {
  return writeBytes(path, toBytes(), error);
}

bool IniFile::writeBytes(const QString& path, const QByteArray& bytes, QString* error) {
  // Root rewriting a user's settings (through a link, or beside a copy of
  // theirs) leaves the file the user's.
  const files::Failure failure =
      files::writePrivateFile(files::resolveTarget(path), bytes, 0600, files::Owner::Kept);
  if (error) *error = files::describe(failure);
  return !failure.failed();
}

int IniFile::findSection(QStringView section) const {
  for (int i = 0; i < lines_.size(); ++i) {
    if (lines_[i].kind == Kind::Section && sameName(lines_[i].name, section)) return i;
  }
  return -1;
}

int IniFile::sectionEnd(int header) const {
  int i = header + 1;
  while (i < lines_.size() && lines_[i].kind != Kind::Section) ++i;
  return i;
}

int IniFile::findKey(int header, QStringView key) const {
  const int end = sectionEnd(header);
  for (int i = header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::Key && sameName(lines_[i].name, key)) return i;
  }
  return -1;
}

std::optional<QString> IniFile::value(QStringView section, QStringView key) const {
  const int header = findSection(section);
  if (header < 0) return std::nullopt;
  const int index = findKey(header, key);
  if (index < 0) return std::nullopt;
  return lines_[index].value;
}

bool IniFile::contains(QStringView section, QStringView key) const {
  return value(section, key).has_value();
}

void IniFile::setValue(const QString& section, const QString& key, const QString& value) {
  const QString clean = withoutLineBreaks(value).trimmed();
  int header = findSection(section);
  if (header < 0) {
    lines_.append(parseLine(u'[' + section + u']'));
    header = static_cast<int>(lines_.size()) - 1;
  }
  const int index = findKey(header, key);
  if (index >= 0) {
    Line& line = lines_[index];
    line.text = line.name + u'=' + clean;
    line.value = clean;
    return;
  }
  // After the last line of the section that is not blank, so blank lines
  // that separate it from the next section stay where they are.
  int at = sectionEnd(header);
  while (at - 1 > header && lines_[at - 1].text.trimmed().isEmpty()) --at;
  lines_.insert(at, Line{key + u'=' + clean, Kind::Key, key, clean});
}

void IniFile::removeSection(QStringView section) {
  for (int header = findSection(section); header >= 0; header = findSection(section)) {
    lines_.remove(header, sectionEnd(header) - header);
  }
}

QStringList IniFile::keys(QStringView section) const {
  QStringList names;
  const int header = findSection(section);
  if (header < 0) return names;
  const int end = sectionEnd(header);
  for (int i = header + 1; i < end; ++i) {
    if (lines_[i].kind == Kind::Key) names.append(lines_[i].name);
  }
  return names;
}

}  // namespace wrenpad
