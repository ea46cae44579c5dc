// SPDX-License-Identifier: GPL-3.0-or-later
#include "editor/backslash_face.h"

#include <QFont>
#include <QFontDatabase>
#include <QHash>
#include <QPainterPath>
#include <QRawFont>
#include <algorithm>
#include <optional>
#include <vector>

namespace wrenpad {

namespace {

void put16(QByteArray& out, int value) {
  out.append(char((value >> 8) & 0xFF));
  out.append(char(value & 0xFF));
}

void put32(QByteArray& out, quint32 value) {
  put16(out, int(value >> 16));
  put16(out, int(value & 0xFFFF));
}

void set16(QByteArray& out, int at, int value) {
  out[at] = char((value >> 8) & 0xFF);
  out[at + 1] = char(value & 0xFF);
}

void set32(QByteArray& out, int at, quint32 value) {
  set16(out, at, int(value >> 16));
  set16(out, at + 2, int(value & 0xFFFF));
}

int unsigned16(const QByteArray& in, int at) {
  return (quint8(in[at]) << 8) | quint8(in[at + 1]);
}

quint32 checksum(const QByteArray& data) {
  quint32 sum = 0;
  for (qsizetype at = 0; at < data.size(); at += 4) {
    quint32 word = 0;
    for (int i = 0; i < 4; ++i) word = (word << 8) | (at + i < data.size() ? quint8(data[at + i]) : 0);
    sum += word;
  }
  return sum;
}

// Where the glyph lies, in the face's font units (y up).
struct Box {
  int advance, xMin, yMin, xMax, yMax;
};

// One contour, a slanted bar from the top left to the bottom right.
QByteArray glyphTable(const Box& box, int stroke) {
  QByteArray glyf;
  put16(glyf, 1);
  for (const int edge : {box.xMin, box.yMin, box.xMax, box.yMax}) put16(glyf, edge);
  put16(glyf, 3);  // the last point of the contour
  put16(glyf, 0);  // no instructions
  for (int i = 0; i < 4; ++i) glyf.append(char(0x01));  // on the curve, 16-bit deltas
  const int xs[] = {box.xMin, box.xMin + stroke, box.xMax, box.xMax - stroke};
  const int ys[] = {box.yMax, box.yMax, box.yMin, box.yMin};
  for (int i = 0, last = 0; i < 4; last = xs[i++]) put16(glyf, xs[i] - last);
  for (int i = 0, last = 0; i < 4; last = ys[i++]) put16(glyf, ys[i] - last);
  while (glyf.size() % 4) glyf.append('\0');
  return glyf;
}

// U+005C to glyph 1, nothing else.
QByteArray characterMap() {
  QByteArray cmap;
  put16(cmap, 0);
  put16(cmap, 1);
  put16(cmap, 3);  // Windows, Unicode
  put16(cmap, 1);
  put32(cmap, 12);
  for (const int value : {4, 32, 0, 4, 4, 1, 0,  // format, length, language, segments x2, search
                          0x5C, 0xFFFF, 0, 0x5C, 0xFFFF, (1 - 0x5C) & 0xFFFF, 1, 0, 0})
    put16(cmap, value);
  return cmap;
}

QByteArray nameTable(const QString& family) {
  QString postScript = QStringLiteral("WrenpadBackslash");
  for (const QChar c : family)
    if (c.unicode() < 128 && c.isLetterOrNumber()) postScript += c;
  const QString names[] = {family, QStringLiteral("Regular"), family, postScript};
  const int ids[] = {1, 2, 4, 6};
  QByteArray records, strings;
  for (int i = 0; i < 4; ++i) {
    QByteArray text;
    for (const QChar c : names[i]) put16(text, c.unicode());
    for (const int value : {3, 1, 0x409, ids[i], int(text.size()), int(strings.size())}) put16(records, value);
    strings += text;
  }
  QByteArray name;
  put16(name, 0);
  put16(name, 4);
  put16(name, 6 + 12 * 4);
  return name + records + strings;
}

// The font file from its tables, in the order of their tags.
QByteArray fontFile(std::vector<std::pair<QByteArray, QByteArray>> tables) {
  std::sort(tables.begin(), tables.end());
  const int count = int(tables.size());
  QByteArray file;
  put32(file, 0x00010000);
  put16(file, count);
  put16(file, 128);  // 16 times the greatest power of 2 not above the count (8 for 10 tables)
  put16(file, 3);
  put16(file, count * 16 - 128);
  qsizetype offset = 12 + 16 * count;
  QByteArray data;
  int headAt = -1;
  for (const auto& [tag, table] : tables) {
    file += tag;
    put32(file, checksum(table));
    put32(file, quint32(offset + data.size()));
    put32(file, quint32(table.size()));
    if (tag == "head") headAt = int(offset + data.size());
    data += table;
    while (data.size() % 4) data.append('\0');
  }
  file += data;
  set32(file, headAt + 8, 0xB1B0AFBA - checksum(file));
  return file;
}

// The outline of U+005C in the face, at one pixel a font unit.
std::optional<Box> boxOfBackslash(QRawFont face, int units) {
  face.setPixelSize(units);
  const QList<quint32> glyphs = face.glyphIndexesForString(QStringLiteral("\\"));
  if (glyphs.size() != 1 || glyphs[0] == 0) return std::nullopt;
  const QRectF drawn = face.pathForGlyph(glyphs[0]).boundingRect();
  const int advance = qRound(face.advancesForGlyphIndexes(glyphs).value(0).x());
  if (drawn.isEmpty() || advance <= 0) return std::nullopt;
  return Box{advance, qRound(drawn.left()), qRound(-drawn.bottom()), qRound(drawn.right()), qRound(-drawn.top())};
}

// Whether the face draws U+005C as a yen sign (IPA's faces have a glyph of
// their own for it, a yen sign all the same): the arms of a Y fill the top
// right of the glyph and leave the bottom right empty, a backslash the other
// way round.
bool drawsYenForBackslash(QRawFont face) {
  face.setPixelSize(100);
  const QList<quint32> glyphs = face.glyphIndexesForString(QStringLiteral("\\"));
  if (glyphs.size() != 1 || glyphs[0] == 0) return false;
  const QPainterPath drawn = face.pathForGlyph(glyphs[0]);
  const QRectF box = drawn.boundingRect();
  const auto filled = [&](double across, double down) {
    return drawn.contains(QPointF(box.left() + across * box.width(), box.top() + down * box.height()));
  };
  return filled(0.85, 0.1) && !filled(0.85, 0.9);
}

}  // namespace

QByteArray backslashFontFor(const QString& face, const QString& familyName) {
  const QRawFont raw = QRawFont::fromFont(QFont(face));
  QByteArray head = raw.fontTable("head").left(54), hhea = raw.fontTable("hhea").left(36);
  const QByteArray os2 = raw.fontTable("OS/2"), post = raw.fontTable("post").left(32);
  if (head.size() < 54 || hhea.size() < 36) return {};
  const int units = unsigned16(head, 18);
  const std::optional<Box> box = boxOfBackslash(raw, units);
  if (!box || units <= 0) return {};
  const QByteArray glyf = glyphTable(*box, std::clamp(qRound(units * 0.09), 1, box->xMax - box->xMin));
  set32(head, 8, 0);
  for (int i = 0; const int edge : {box->xMin, box->yMin, box->xMax, box->yMax}) set16(head, 36 + 2 * i++, edge);
  set16(head, 44, 0);  // neither bold nor italic
  set16(head, 50, 0);  // short glyph offsets
  for (int i = 0; const int value : {box->advance, box->xMin, box->advance - box->xMax, box->xMax})
    set16(hhea, 10 + 2 * i++, value);
  set16(hhea, 34, 2);
  QByteArray maxp, hmtx, loca, postScript;
  put32(maxp, 0x00010000);
  for (const int value : {2, 4, 1, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0}) put16(maxp, value);
  for (const int value : {box->advance, 0, box->advance, box->xMin}) put16(hmtx, value);
  for (const int value : {0, 0, int(glyf.size() / 2)}) put16(loca, value);
  put32(postScript, 0x00030000);
  postScript += post.size() == 32 ? post.mid(4, 8) : QByteArray(8, '\0');  // slant and underline
  postScript += QByteArray(20, '\0');
  std::vector<std::pair<QByteArray, QByteArray>> tables = {
      {"head", head}, {"hhea", hhea}, {"maxp", maxp}, {"hmtx", hmtx}, {"loca", loca},
      {"glyf", glyf}, {"cmap", characterMap()}, {"name", nameTable(familyName)}, {"post", postScript}};
  if (os2.size() >= 78) tables.emplace_back("OS/2", os2);
  return fontFile(std::move(tables));
}

QStringList familiesDrawingBackslash(const QString& face) {
  static QHash<QString, QStringList> known;
  if (face.isEmpty()) return {face};
  if (const auto found = known.constFind(face); found != known.constEnd()) return *found;
  QStringList families{face};
  const QRawFont raw = QRawFont::fromFont(QFont(face));
  if (raw.isValid() && drawsYenForBackslash(raw)) {
    const QString name = QStringLiteral("Wrenpad Backslash for ") + raw.familyName();
    const QByteArray font = backslashFontFor(face, name);
    if (!font.isEmpty() && QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFontFromData(font))
                               .contains(name))
      families.prepend(name);
  }
  known.insert(face, families);
  return families;
}

}  // namespace wrenpad
