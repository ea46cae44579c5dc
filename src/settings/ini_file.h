// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reader and writer of the INI line format that the settings file uses:
// "[Section]" headers and "key=value" lines. Sections and keys are compared
// without regard to case. Every line of the file is kept in its place, so
// comments, blank lines, unknown sections and unknown keys survive a load and
// save; only the lines of keys that are set change.
//
// Loading never fails: a missing or unreadable file gives an empty file (and
// says which of the two it was), and lines that are neither a header nor a
// key are kept as they are and ignored for look-up. Files are read as UTF-8,
// or as Shift-JIS (code page 932) when the bytes are not valid UTF-8; they are
// written as UTF-8 with CR LF, through the door for the program's own files: whole or not at all,
// readable by the owner only, links followed to the file they name.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

namespace wrenpad {

class IniFile {
 public:
  // The text encoding the bytes were read in.
  enum class Encoding { Utf8, ShiftJis };

  // How a load went. A caller that writes the file again must not do so
  // after Unreadable: the file is there, and its content would be lost.
  enum class LoadStatus {
    Loaded,
    Missing,     // nothing at all has the name: a new file may be written
    Unreadable,  // something has the name but gave no settings: a file that
                 // cannot be read, a link to nothing, a folder, a device or
                 // FIFO, or a file larger than a settings file can be
  };
  // No settings file comes near this size; a larger one is not read.
  static constexpr qint64 kMaxFileBytes = qint64(4) << 20;

  IniFile() = default;

  // Parses bytes; anything at all is accepted.
  static IniFile fromBytes(const QByteArray& bytes);
  // Reads a file, never waiting on a FIFO and never reading more than
  // kMaxFileBytes. A missing file gives an empty IniFile, no error and
  // status Missing; anything else that cannot be read gives an empty
  // IniFile, an error text and status Unreadable.
  static IniFile load(const QString& path, QString* error = nullptr, LoadStatus* status = nullptr);

  // A list file of the program's own (macro lists, code templates), read
  // with the same care and decoding as a settings file. Nothing when it is
  // missing or cannot be read (`status` tells which, `error` why).
  static std::optional<QString> readTextFile(const QString& path, QString* error = nullptr,
                                             LoadStatus* status = nullptr);
  // Writes such a file through the same door as a settings file: UTF-8, every
  // line ending in CR LF, replacing the old file only once the new one is whole.
  static bool writeTextFile(const QString& path, const QString& text, QString* error = nullptr);

  // The whole file as UTF-8 with CR LF after every line.
  QByteArray toBytes() const;
  // Writes beside the file the path resolves to and renames over it, so a
  // failed save leaves the old file as it was and a link to the file stays a
  // link. Creates the folder when it is missing. On failure returns false
  // and, when error is given, a text naming the cause in the interface language.
  bool save(const QString& path, QString* error = nullptr) const;

  // The value of the first line of key in the first section of that name,
  // with blanks around it removed; nullopt when there is none.
  std::optional<QString> value(QStringView section, QStringView key) const;
  bool contains(QStringView section, QStringView key) const;
  bool hasSection(QStringView section) const { return findSection(section) >= 0; }

  // Replaces the value of an existing key in place, or appends the key to the
  // end of its section, or appends a new section to the end of the file.
  // Line breaks in the value become blanks, since the format has no way to
  // hold them and they would otherwise start new lines.
  void setValue(const QString& section, const QString& key, const QString& value);

  // Removes every line of every section of that name, header included.
  void removeSection(QStringView section);

  // The names of the keys of the first section of that name, in file order.
  QStringList keys(QStringView section) const;

  Encoding sourceEncoding() const { return encoding_; }
  int lineCount() const { return static_cast<int>(lines_.size()); }

 private:
  static bool writeBytes(const QString& path, const QByteArray& bytes, QString* error);

  enum class Kind { Other, Section, Key };
  struct Line {
    QString text;   // the line as it is written
    Kind kind = Kind::Other;
    QString name;   // section or key name
    QString value;  // key value
  };

  static Line parseLine(const QString& text);
  // Index of the header of the first section of that name, or -1.
  int findSection(QStringView section) const;
  // One past the last line of the section whose header is at index.
  int sectionEnd(int header) const;
  int findKey(int header, QStringView key) const;

  QList<Line> lines_;
  Encoding encoding_ = Encoding::Utf8;
};

}  // namespace wrenpad
