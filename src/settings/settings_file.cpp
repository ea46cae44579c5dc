// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include "files/private_files.h"

#include <QDir>
#include <algorithm>
#include <array>
#include <climits>
#include <limits>
#include <optional>
#include <variant>

namespace wrenpad {
namespace {

// How the text of a key becomes a value and back. A value that is empty, not
// a decimal integer, or does not fit in 32 bits leaves the default in place.

// Font sizes, language mode, browser choice and tab width are held in signed
// 8 bits. A number outside -128..127 is clamped to the nearest end of that
// range rather than wrapped, so a too-large size stays a large size.
struct SmallInt { std::int8_t Settings::*field; };
// A 32-bit integer; a number outside low..high is broken and takes the default.
struct Integer { int Settings::*field; int low; int high; };
// A colour 0x00BBGGRR; values above 0xFFFFFF or below 0 take the default.
struct Colour { std::uint32_t Settings::*field; };
// Any non-zero integer is true.
struct Flag { bool Settings::*field; };
struct Text { QString Settings::*field; };
// One entry of the compiler option list.
struct Option { int index; };

using Field = std::variant<SmallInt, Integer, Colour, Flag, Text, Option>;

// Sets the defaults that depend on the context or on keys read before; false
// when the file's value is not to be read at all.
using PrepareDefault = bool (*)(Settings&, const SettingsReadContext&);

struct Key {
  QStringView name;
  Field field;
  PrepareDefault prepare = nullptr;
};

// Window sizes and positions stay well inside what QRect and the window
// system can add up without overflow.
constexpr int kMaxWindowExtent = 16777215;  // QWIDGETSIZE_MAX
constexpr int kIntMin = std::numeric_limits<int>::min();
constexpr int kIntMax = std::numeric_limits<int>::max();

int centred(qint64 screen, qint64 window) {
  return static_cast<int>(std::clamp<qint64>((screen - window) / 2, -kMaxWindowExtent,
                                             kMaxWindowExtent));
}

bool iniPathDefault(Settings& s, const SettingsReadContext& context) {
  // A command-line file has already chosen the current folder.
  const bool fromCommandLine = !context.commandLineFolder.isEmpty();
  s.IniPath = fromCommandLine ? context.commandLineFolder : context.applicationFolder;
  return !fromCommandLine;
}
bool defaultFolderDefault(Settings& s, const SettingsReadContext&) {
  s.DefaultFolder = s.IniPath;
  return true;
}
bool codingFontNameDefault(Settings& s, const SettingsReadContext&) {
  s.CodingFontName = s.Jpn ? kFixedGothic : kCourierNew;
  return true;
}
bool codingFontCharsetDefault(Settings& s, const SettingsReadContext&) {
  s.CodingFontCharset = s.Jpn ? kShiftJisCharset : kAnsiCharset;
  return true;
}
// A first window takes about two thirds of the screen (the old 750 by 400
// was made for screens of 800 by 600), never less than that old size where
// the screen has room for it.
int firstWindowExtent(int screen, int oldDefault) {
  if (screen <= 0) return oldDefault;
  return std::min(screen, std::max(screen * 2 / 3, oldDefault));
}
// New documents are written in UTF-8, the code of this system (as Shift-JIS
// was of the system the settings file comes from); a file that still says
// EUC in the old way gets EUC-JP.
bool outputCodeDefault(Settings& s, const SettingsReadContext&) {
  s.OutputCode = s.EUC ? 1 : 2;
  return true;
}
// A first start speaks the language the user's locale asks for.
bool jpnDefault(Settings& s, const SettingsReadContext& context) {
  s.Jpn = context.japaneseLocale;
  return true;
}
bool heightDefault(Settings& s, const SettingsReadContext& context) {
  s.Height = firstWindowExtent(context.screenSize.height(), s.Height);
  return true;
}
bool widthDefault(Settings& s, const SettingsReadContext& context) {
  s.Width = firstWindowExtent(context.screenSize.width(), s.Width);
  return true;
}
bool topDefault(Settings& s, const SettingsReadContext& context) {
  s.Top = centred(context.screenSize.height(), s.Height);
  return true;
}
bool leftDefault(Settings& s, const SettingsReadContext& context) {
  s.Left = centred(context.screenSize.width(), s.Width);
  return true;
}

// In reading order: a key's default may depend on the keys above it.
const std::array kKeys{
    Key{u"FontSize", SmallInt{&Settings::FontSize}},
    Key{u"IniPath", Text{&Settings::IniPath}, iniPathDefault},
    Key{u"Dictionary", Text{&Settings::Dictionary}},
    Key{u"DefaultFolder", Text{&Settings::DefaultFolder}, defaultFolderDefault},
    Key{u"MacroFile", Text{&Settings::MacroFile}},
    Key{u"AutoFileSave", Flag{&Settings::AutoFileSave}},
    Key{u"AutoRepaint", Flag{&Settings::AutoRepaint}},
    Key{u"BGColor", Colour{&Settings::BGColor}},
    Key{u"LastExtension", Text{&Settings::LastExtension}},
    Key{u"PL", SmallInt{&Settings::PL}},
    Key{u"BCCpath", Text{&Settings::BCCpath}},
    Key{u"JDKpath", Text{&Settings::JDKpath}},
    Key{u"FPpath", Text{&Settings::FPpath}},
    Key{u"CompilerOption0", Option{0}},
    Key{u"CompilerOption1", Option{1}},
    Key{u"CompilerOption2", Option{2}},
    Key{u"CompilerOption3", Option{3}},
    Key{u"CompilerOption4", Option{4}},
    Key{u"DocumentRoot", Text{&Settings::DocumentRoot}},
    Key{u"Jpn", Flag{&Settings::Jpn}, jpnDefault},
    Key{u"EUC", Flag{&Settings::EUC}},
    Key{u"CodingFontName", Text{&Settings::CodingFontName}, codingFontNameDefault},
    Key{u"CodingFontCharset", Integer{&Settings::CodingFontCharset, kIntMin, kIntMax},
        codingFontCharsetDefault},
    Key{u"DefFontName", Text{&Settings::DefFontName}},
    Key{u"DefFontCharset", Integer{&Settings::DefFontCharset, kIntMin, kIntMax}},
    Key{u"DefFontSize", SmallInt{&Settings::DefFontSize}},
    Key{u"CodingFontSize", SmallInt{&Settings::CodingFontSize}},
    Key{u"Browser", SmallInt{&Settings::Browser}},
    Key{u"Realization", Flag{&Settings::Realization}},
    Key{u"TabWidth", SmallInt{&Settings::TabWidth}},
    Key{u"AppletWidth", Integer{&Settings::AppletWidth, kIntMin, kIntMax}},
    Key{u"AppletHeight", Integer{&Settings::AppletHeight, kIntMin, kIntMax}},
    Key{u"AutoBR", Flag{&Settings::AutoBR}},
    // Height and width come before top and left, whose defaults centre the
    // window as just sized.
    Key{u"Height", Integer{&Settings::Height, 1, kMaxWindowExtent}, heightDefault},
    Key{u"Width", Integer{&Settings::Width, 1, kMaxWindowExtent}, widthDefault},
    Key{u"Top", Integer{&Settings::Top, -kMaxWindowExtent, kMaxWindowExtent}, topDefault},
    Key{u"Left", Integer{&Settings::Left, -kMaxWindowExtent, kMaxWindowExtent}, leftDefault},
    Key{u"MultiUndo", Flag{&Settings::MultiUndo}},
    Key{u"OutputCode", SmallInt{&Settings::OutputCode}, outputCodeDefault},
    Key{u"NewDocumentsCRLF", Flag{&Settings::NewDocumentsCRLF}},
    Key{u"LineNumbersText", Flag{&Settings::LineNumbersText}},
    Key{u"LineNumbersPage", Flag{&Settings::LineNumbersPage}},
    Key{u"LineNumbersProgram", Flag{&Settings::LineNumbersProgram}},
    Key{u"LivePreview", Flag{&Settings::LivePreview}},
};

// The order in which the keys are written to a file that has none yet.
const std::array<QStringView, 44> kWritingOrder{
    u"FontSize",        u"CodingFontSize",  u"CodingFontCharset", u"PL",
    u"DefFontCharset",  u"DefFontSize",     u"Browser",           u"DefFontName",
    u"IniPath",         u"MacroFile",       u"Dictionary",        u"DefaultFolder",
    u"BCCpath",         u"JDKpath",         u"FPpath",            u"CompilerOption0",
    u"CompilerOption1", u"CompilerOption2", u"CompilerOption3",   u"CompilerOption4",
    u"DocumentRoot",    u"LastExtension",   u"CodingFontName",    u"AutoFileSave",
    u"AutoRepaint",     u"AutoBR",          u"EUC",               u"Jpn",
    u"Realization",     u"MultiUndo",       u"BGColor",           u"TabWidth",
    u"AppletWidth",     u"AppletHeight",    u"Height",            u"Width",
    u"Top",             u"Left",            u"OutputCode",        u"NewDocumentsCRLF",
    u"LineNumbersText", u"LineNumbersPage", u"LineNumbersProgram", u"LivePreview",
};
static_assert(kWritingOrder.size() == kKeys.size());

template <class... Visitors>
struct Overloaded : Visitors... {
  using Visitors::operator()...;
};
template <class... Visitors>
Overloaded(Visitors...) -> Overloaded<Visitors...>;

std::optional<int> toInt(const QString& text) {
  bool ok = false;
  const int number = text.toInt(&ok, 10);
  if (!ok) return std::nullopt;
  return number;
}

void readKey(const QString& text, const Field& field, Settings& s) {
  const std::optional<int> number = toInt(text);
  std::visit(Overloaded{
                 [&](SmallInt f) {
                   if (number) s.*f.field = static_cast<std::int8_t>(std::clamp(*number, -128, 127));
                 },
                 [&](Integer f) {
                   if (number && *number >= f.low && *number <= f.high) s.*f.field = *number;
                 },
                 [&](Colour f) {
                   if (number && *number >= 0 && *number <= 0xFFFFFF) s.*f.field = *number;
                 },
                 [&](Flag f) {
                   if (number) s.*f.field = *number != 0;
                 },
                 [&](Text f) { s.*f.field = text; },
                 [&](Option f) { s.CompilerOption[f.index] = text; },
             },
             field);
}

QString keyText(const Field& field, const Settings& s) {
  return std::visit(Overloaded{
                        [&](SmallInt f) { return QString::number(s.*f.field); },
                        [&](Integer f) { return QString::number(s.*f.field); },
                        [&](Colour f) { return QString::number(s.*f.field); },
                        [&](Flag f) { return QString(s.*f.field ? u'1' : u'0'); },
                        [&](Text f) { return s.*f.field; },
                        [&](Option f) { return s.CompilerOption[f.index]; },
                    },
                    field);
}

const Key& keyNamed(QStringView name) {
  return *std::find_if(kKeys.begin(), kKeys.end(),
                       [&](const Key& key) { return key.name == name; });
}

// Rectangles in 64 bits, so sums of far-off coordinates cannot overflow.
struct Span {
  qint64 left, top, right, bottom;  // right and bottom are exclusive
  explicit Span(const QRect& r)
      : left(r.x()), top(r.y()), right(left + qint64(r.width())), bottom(top + qint64(r.height())) {}
  qint64 width() const { return std::max<qint64>(0, right - left); }
  qint64 height() const { return std::max<qint64>(0, bottom - top); }
};

qint64 overlap(qint64 a1, qint64 a2, qint64 b1, qint64 b2) {
  return std::max<qint64>(0, std::min(a2, b2) - std::max(a1, b1));
}

qint64 sharedArea(const Span& a, const Span& b) {
  return overlap(a.left, a.right, b.left, b.right) * overlap(a.top, a.bottom, b.top, b.bottom);
}

// The title bar runs along the top edge; without it the window cannot be
// dragged back, so that edge must lie on a screen.
bool topEdgeOnScreen(const Span& window, const Span& screen) {
  return window.top >= screen.top && window.top < screen.bottom &&
         overlap(window.left, window.right, screen.left, screen.right) > 0;
}

qint64 distanceSquared(const Span& window, const Span& screen) {
  const qint64 x = (window.left + window.right) / 2;
  const qint64 y = (window.top + window.bottom) / 2;
  const qint64 dx = x < screen.left ? screen.left - x : std::max<qint64>(0, x - screen.right);
  const qint64 dy = y < screen.top ? screen.top - y : std::max<qint64>(0, y - screen.bottom);
  return dx * dx + dy * dy;
}

qint64 placeWithin(qint64 position, qint64 extent, qint64 low, qint64 high) {
  return std::clamp(position, low, std::max(low, high - extent));
}

// The screen the window overlaps most; when it overlaps none, the one nearest
// to its centre. Ties go to the earlier screen, the primary one first.
qsizetype targetScreen(const Span& window, const QList<QRect>& screens) {
  qsizetype best = 0;
  qint64 bestArea = -1;
  qint64 bestDistance = std::numeric_limits<qint64>::max();
  for (qsizetype i = 0; i < screens.size(); ++i) {
    const Span screen(screens[i]);
    const qint64 area = sharedArea(window, screen);
    const qint64 distance = distanceSquared(window, screen);
    if (area > bestArea || (area == 0 && bestArea == 0 && distance < bestDistance)) {
      best = i;
      bestArea = area;
      bestDistance = distance;
    }
  }
  return best;
}

}  // namespace

Settings readSettings(const IniFile& ini, const SettingsReadContext& context) {
  Settings s;
  for (const Key& key : kKeys) {
    if (key.prepare && !key.prepare(s, context)) continue;
    const std::optional<QString> text = ini.value(kSettingsSection, key.name);
    // An empty value is as good as none: every default is then kept.
    if (text && !text->isEmpty()) readKey(*text, key.field, s);
  }
  return s;
}

void writeSettings(IniFile& ini, const Settings& values) {
  // Older copies know only `EUC`: it says whether EUC-JP is the output code.
  Settings written = values;
  written.EUC = values.OutputCode == 1;
  for (QStringView name : kWritingOrder) {
    ini.setValue(kSettingsSection, name.toString(), keyText(keyNamed(name).field, written));
  }
}

namespace {
bool isBlank(const QByteArray& bytes) { return bytes.trimmed().isEmpty(); }

// "[Settings]" is a common section name: it is ours only when it holds a key
// of ours, and one that other programs' settings rarely have (a window's
// size or a font size alone says nothing).
bool hasSettingsOfOurs(const IniFile& ini) {
  constexpr std::array<QStringView, 11> common{u"FontSize", u"Height",        u"Width",       u"Top",
                                                u"Left",     u"TabWidth",      u"Browser",     u"Dictionary",
                                                u"MacroFile", u"DefaultFolder", u"DocumentRoot"};
  const QStringList present = ini.keys(kSettingsSection);
  return std::any_of(kKeys.begin(), kKeys.end(), [&](const Key& key) {
    const bool isCommon = std::find(common.begin(), common.end(), key.name) != common.end();
    return !isCommon && present.contains(key.name, Qt::CaseInsensitive);
  });
}
}  // namespace

SettingsFile loadSettingsFile(const QString& path) {
  SettingsFile file;
  IniFile::LoadStatus status = IniFile::LoadStatus::Loaded;
  IniFile ini = IniFile::load(path, &file.error, &status);
  if (status == IniFile::LoadStatus::Missing) return file;
  if (status == IniFile::LoadStatus::Unreadable) {
    file.kind = SettingsFileKind::Unreadable;
    return file;
  }
  const bool ours = hasSettingsOfOurs(ini) || ini.hasSection(kRecentFilesSection) || isBlank(ini.toBytes());
  file.kind = ours ? SettingsFileKind::Ours : SettingsFileKind::NotOurs;
  if (ours) file.ini = std::move(ini);
  return file;
}

QString settingsFilePath(const QString& executablePath, bool keptBesideExecutable,
                         const QString& configFolder) {
  if (!keptBesideExecutable) return QDir(configFolder).filePath(QStringLiteral("Wrenpad.ini"));
  const qsizetype slash = executablePath.lastIndexOf(u'/');
  const qsizetype dot = executablePath.lastIndexOf(u'.');
  // A dot that starts the file name, or one in a folder name, is no extension.
  const QString stem = dot > slash + 1 ? executablePath.left(dot) : executablePath;
  return stem + QStringLiteral(".ini");
}

QRect bringOnScreen(const QRect& window, const QList<QRect>& screens) {
  if (screens.isEmpty()) return window;
  const Span span(window);
  qint64 visible = 0;
  bool titleBarShown = false;
  for (const QRect& screen : screens) {
    visible += sharedArea(span, Span(screen));
    titleBarShown = titleBarShown || topEdgeOnScreen(span, Span(screen));
  }
  // At least half of the window in view, title bar included, is left alone.
  const qint64 area = span.width() * span.height();
  if (area > 0 && titleBarShown && visible * 2 >= area) return window;

  const Span screen(screens[targetScreen(span, screens)]);
  const qint64 width = std::clamp<qint64>(span.width(), 1, std::max<qint64>(1, screen.width()));
  const qint64 height = std::clamp<qint64>(span.height(), 1, std::max<qint64>(1, screen.height()));
  const qint64 left = placeWithin(span.left, width, screen.left, screen.right);
  const qint64 top = placeWithin(span.top, height, screen.top, screen.bottom);
  return QRect(int(left), int(top), int(width), int(height));
}

QRect fitFrameOnScreen(const QRect& client, const QMargins& frame, const QRect& screen) {
  const QRect framed = client.marginsAdded(frame);
  if (framed.width() <= screen.width() && framed.height() <= screen.height()) return client;
  const int width = std::min(framed.width(), screen.width());
  const int height = std::min(framed.height(), screen.height());
  const int left = std::clamp(framed.left(), screen.left(), screen.left() + screen.width() - width);
  const int top = std::clamp(framed.top(), screen.top(), screen.top() + screen.height() - height);
  return QRect(left, top, width, height).marginsRemoved(frame);
}

}  // namespace wrenpad
