// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading the settings values out of the settings file and writing them back,
// the name of that file, and keeping the saved window bounds on a screen.
//
// Reading takes the default for every key that is missing or holds something
// unusable (an empty value, text that is not a decimal integer, a number that
// does not fit in 32 bits, a colour above 0xFFFFFF, a window size below 1 or
// a window size or position beyond 16777215), so a hand-broken file never
// stops the start-up. The keys held in signed 8 bits clamp numbers outside
// -128..127 to the nearer end. Writing sets every key and deletes nothing, so
// keys and sections of other owners survive.

#include "settings/ini_file.h"
#include "settings/settings.h"

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>

namespace wrenpad {

inline const QString kSettingsSection = QStringLiteral("Settings");
inline const QString kRecentFilesSection = QStringLiteral("KeepFileNames");

// What the file at the settings path is, and so whether it may be written.
enum class SettingsFileKind {
  Ours,        // a settings file of ours, or an empty one
  Missing,     // nothing has the name: a new file may be written
  Unreadable,  // something has the name but cannot be read
  NotOurs,     // readable, but no section of ours: another program's file, or no INI file at all
};

struct SettingsFile {
  IniFile ini;  // empty unless the kind is Ours
  SettingsFileKind kind = SettingsFileKind::Missing;
  QString error;  // why it could not be read
  bool mayBeWritten() const { return kind == SettingsFileKind::Ours || kind == SettingsFileKind::Missing; }
};

// Reads the settings file, links followed, and tells whether it is ours. A
// file that is not ours is never rewritten: the path may be a link into some
// other program's configuration.
SettingsFile loadSettingsFile(const QString& path);

// What the defaults of some keys depend on.
struct SettingsReadContext {
  QString applicationFolder;  // default of IniPath
  QString commandLineFolder;  // folder of the command-line file; empty when none
  QSize screenSize;           // the window is centred on it by default
  bool japaneseLocale = true; // the interface language unless the file names one
};

// Reads every key of section "Settings" in turn; a key's default may depend
// on the keys read before it. Never fails.
Settings readSettings(const IniFile& ini, const SettingsReadContext& context);

// Sets every key of section "Settings"; other keys and sections stay.
void writeSettings(IniFile& ini, const Settings& values);

// The executable's path with ".ini" for its extension when the settings are
// kept beside it (a build or portable copy), otherwise "Wrenpad.ini" in
// configFolder.
QString settingsFilePath(const QString& executablePath, bool keptBesideExecutable,
                         const QString& configFolder);

// A window that is entirely or mostly off the screens is moved onto the screen
// it overlaps most (the nearest, when it overlaps none), and made smaller only
// where it is larger than that screen. screens.first() is the primary screen.
QRect bringOnScreen(const QRect& window, const QList<QRect>& screens);

// The client area of a window whose frame (`client` with the title bar and
// borders `frame` adds) is larger than `screen`: made smaller so that the
// frame fits, and moved so that it lies wholly on the screen. A frame that
// fits is left where it is.
QRect fitFrameOnScreen(const QRect& client, const QMargins& frame, const QRect& screen);

}  // namespace wrenpad
